#include "dialogs/projectsettingsdlg.h"

#include <algorithm>

#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QStyle>

#include "core/quellorapp.h"
#include "core/sharedconstants.h"
#include "devices/cserialcomthread.h"
#include "dialogs/addstartblocksetdlg.h"
#include "dialogs/projectsettingsvalues.h"
#include "dialogs/widgetwidths.h"
#include "ui_projectsettingsdlg.h"

using namespace ProjectSettingsValues;

namespace
{

constexpr int kSensitivityStep = 16; // the spin box shows AD units divided by this
constexpr int kMinShownSensitivity = 32;
constexpr int kMaxShownSensitivity = 192;
constexpr int kRecallAutomatic = 1;
constexpr int kRecallBeepsOn = 1;
constexpr int kRecallBeepsOff = 4;
constexpr int kPrintResultsIndex = 1;
constexpr char kErrorProperty[] = "error";

// The entry shows the translated text and carries the mode, which is what gets stored.
void addRecallBeepsEntry(QComboBox *combo, int mode)
{
    combo->addItem(SharedConstants::translatedGlobal(SharedConstants::recallBeepsModes().at(mode - 1)), mode);
}

} // namespace

ProjectSettingsDlg::ProjectSettingsDlg(QWidget *parent, PortLister listPorts)
    : QDialog(parent), ui(std::make_unique<Ui::ProjectSettingsDlg>()), m_listPorts(std::move(listPorts))
{
    ui->setupUi(this);
    retitle();
    m_comPorts = new QStringListModel(this);
    m_setNames = new QStringListModel(this);
    m_printerPorts = new QStringListModel(this);
    if (!m_listPorts)
        m_listPorts = &serialPortTexts;
    fillLists();
    connectSlots();
}

ProjectSettingsDlg::~ProjectSettingsDlg() = default;

void ProjectSettingsDlg::retitle()
{
    setWindowTitle(QLatin1String(SharedConstants::kWindowTitle) + QLatin1String(": ") + tr("Properties"));
}

// Every list is filled before its signal is connected, so building the dialog runs no slot.
void ProjectSettingsDlg::fillLists()
{
    const QStringList ports = m_listPorts();
    if (!ports.isEmpty()) {
        m_comPorts->setStringList(ports);
        m_printerPorts->setStringList(ports);
    }
    ui->cmbCOM->setModel(m_comPorts);
    ui->cmbCOMSerialPrinter->setModel(m_printerPorts);
    ui->cmbPrinting->addItems(SharedConstants::translatedGlobals(SharedConstants::printOptionsShort()));
    if (const QuellorApp *app = QuellorApp::Instance())
        m_setNames->setStringList(app->GetStartBlockSetNames());
    ui->cmbStartBlockSets->setModel(m_setNames);
    ui->btnOK->setFocus();
    ui->cmbOperationMode->addItems(SharedConstants::translatedGlobals(SharedConstants::operationModes()));
    ui->cmbStartSoundMode->addItems(SharedConstants::translatedGlobals(SharedConstants::startSoundModes()));
    ui->cmbRecallSoundMode->addItems(SharedConstants::translatedGlobals(SharedConstants::recallSoundModes()));
    ui->cmbPhotofinish->addItems(SharedConstants::translatedGlobals(SharedConstants::photoFinishChoices()));
    ui->spinAcceleroSensitivity->setRange(kMinShownSensitivity, kMaxShownSensitivity);
    ui->tabWidget->setCurrentIndex(TabApplication);
}

void ProjectSettingsDlg::connectSlots()
{
    connect(ui->btnOK, &QPushButton::clicked, this, &ProjectSettingsDlg::OnBtnOKClicked);
    connect(ui->btnCancel, &QPushButton::clicked, this, &ProjectSettingsDlg::OnBtnCancelClicked);
    connect(ui->btnManageSet, &QPushButton::clicked, this, &ProjectSettingsDlg::OnBtnManageSetClicked);
    connect(ui->cmbCOM, &QComboBox::currentIndexChanged, this, &ProjectSettingsDlg::OnCOMIndexChanged);
    connect(ui->cmbStartBlockSets, &QComboBox::currentIndexChanged, this,
            [this](int index) { OnStartBlockSetsSelectionChanged(ui->cmbStartBlockSets->itemText(index)); });
    connect(ui->txtStarterName, &QLineEdit::textChanged, this, &ProjectSettingsDlg::OnStarterNameTextChanged);
    connect(ui->chkTicketPrinter, &QCheckBox::clicked, this, &ProjectSettingsDlg::OnChkTicketPrinterClicked);
    connect(ui->chkSerialPrinter, &QCheckBox::clicked, this, &ProjectSettingsDlg::OnChkSerialPrinterClicked);
    connect(ui->cmbCOMSerialPrinter, &QComboBox::currentIndexChanged, this,
            &ProjectSettingsDlg::OnComSerialPrinterIndexChanged);
    connect(ui->cmbPrinting, &QComboBox::currentIndexChanged, this,
            &ProjectSettingsDlg::OnPrinterOptionsChanged);
    connect(ui->txtResultsDir, &QLineEdit::textChanged, this, &ProjectSettingsDlg::OnResultsDirTextChanged);
    connect(ui->cmbOperationMode, &QComboBox::currentIndexChanged, this,
            &ProjectSettingsDlg::OnOperationModeIndexChanged);
    connect(ui->cmbStartSoundMode, &QComboBox::currentIndexChanged, this,
            &ProjectSettingsDlg::OnStartSoundModeIndexChanged);
    connect(ui->cmbRecallSoundMode, &QComboBox::currentIndexChanged, this,
            &ProjectSettingsDlg::OnRecallSoundModeIndexChanged);
    connect(ui->cmbPhotofinish, &QComboBox::currentIndexChanged, this,
            &ProjectSettingsDlg::OnPhotoFinishDeviceIndexChanged);
    connect(ui->hslVolume, &QSlider::valueChanged, this, &ProjectSettingsDlg::OnAudioVolumeValueChanged);
    connect(ui->hslHeadsetVolume, &QSlider::valueChanged, this,
            &ProjectSettingsDlg::OnHeadsetVolumeValueChanged);
    connect(ui->btnResultsDirBrowse, &QPushButton::clicked, this,
            &ProjectSettingsDlg::OnBtnResultsDirBrowseClicked);
}

void ProjectSettingsDlg::SetSerialComThread(CSerialComThread *serialComThread)
{
    if (m_serialComThread)
        disconnect(m_serialComThread, &CSerialComThread::serial_port_opened, this,
                   &ProjectSettingsDlg::OnSerialPortOpened);
    m_serialComThread = serialComThread;
    if (m_serialComThread)
        connect(m_serialComThread, &CSerialComThread::serial_port_opened, this,
                &ProjectSettingsDlg::OnSerialPortOpened, Qt::UniqueConnection);
}

void ProjectSettingsDlg::setPrinterPortAccess(PrinterPortAccess access)
{
    if (m_printer.worker && m_printer.worker != access.worker)
        disconnect(m_printer.worker, nullptr, this, nullptr);
    m_printer = std::move(access);
}

void ProjectSettingsDlg::SetSettings(const ProjectSettings &settings)
{
    m_settings = settings;
    selectCoordinatorPort();
    if (!m_settings.lastCom.isEmpty() && m_serialComThread)
        m_serialComThread->OpenPort(m_settings.lastCom, reopenBaudRate(m_serialComThread->baudRate()));
    selectSet(m_settings.lastSet);
    ui->txtResultsDir->setText(m_settings.resultsDir);
    ui->txtStarterName->setText(m_settings.starterName);
    const QString printerPort = selectPrinters();
    if (!printerPort.isEmpty() && m_printer.worker)
        m_printer.open(printerPort, reopenBaudRate(m_printer.baudRate()));
    selectModes();
    FillRecallBeepsCombo();
    connect(ui->cmbRecallBeepsMode, &QComboBox::currentIndexChanged, this,
            &ProjectSettingsDlg::OnRecallBeepsModeIndexChanged, Qt::UniqueConnection);
    showVolumes();
}

// A stored port that is not listed gives way to the first listed one; with no list it stays.
void ProjectSettingsDlg::selectCoordinatorPort()
{
    const QString device = unlistedDevicePort(m_comPorts->stringList(), m_settings.lastCom);
    if (!device.isEmpty()) {
        const QSignalBlocker quiet(ui->cmbCOM); // the entry is selected below, opening it once
        const int row = m_comPorts->rowCount();
        m_comPorts->insertRows(row, 1);
        m_comPorts->setData(m_comPorts->index(row), device);
    }
    const int index = int(m_comPorts->stringList().indexOf(m_settings.lastCom));
    if (index >= 0) {
        ui->cmbCOM->setCurrentIndex(index); // a move reopens the port
        m_settings.lastCom = ui->cmbCOM->itemText(index);
    } else if (ui->cmbCOM->currentIndex() >= 0) {
        m_settings.lastCom = ui->cmbCOM->currentText();
    }
}

void ProjectSettingsDlg::selectSet(const QString &name)
{
    const int index = int(m_setNames->stringList().indexOf(name));
    if (index >= 0) {
        ui->cmbStartBlockSets->setCurrentIndex(index);
        m_settings.lastSet = ui->cmbStartBlockSets->itemText(index);
    } else if (ui->cmbStartBlockSets->currentIndex() >= 0) {
        m_settings.lastSet = ui->cmbStartBlockSets->currentText();
    }
}

// Ticks the stored printers; returns the serial printer's port to open, empty for none.
QString ProjectSettingsDlg::selectPrinters()
{
    ui->cmbCOMSerialPrinter->hide();
    enablePrinting();
    qDebug() << "printer size: " << m_settings.printers.size();
    if (m_settings.printers.isEmpty()) {
        ui->chkTicketPrinter->setChecked(false);
        ui->chkSerialPrinter->setChecked(false);
        return {};
    }
    QString portToOpen;
    for (PrinterEntry &entry : m_settings.printers) {
        if (entry.type == PrinterTicket) {
            ui->chkTicketPrinter->setChecked(true);
            continue;
        }
        if (entry.type != PrinterSerial)
            continue;
        ui->chkSerialPrinter->setChecked(true);
        ui->cmbCOMSerialPrinter->show();
        const int index = int(m_printerPorts->stringList().indexOf(entry.port));
        qDebug() << "load settings " << entry.port << " index " << index;
        if (index >= 0) {
            ui->cmbCOMSerialPrinter->setCurrentIndex(index); // a move opens the printer port
            portToOpen = ui->cmbCOMSerialPrinter->itemText(index);
        } else if (ui->cmbCOMSerialPrinter->currentIndex() >= 0) {
            // the port opened is the one shown, and the one kept
            portToOpen = ui->cmbCOMSerialPrinter->currentText();
            entry.port = portToOpen;
        }
    }
    return portToOpen;
}

// A stored value without an entry leaves its list without a selection, and the value as it was.
void ProjectSettingsDlg::selectModes()
{
    ui->cmbPrinting->setCurrentIndex(comboIndexFor(m_settings.printerOption));
    ui->cmbOperationMode->setCurrentIndex(comboIndexFor(m_settings.userSelectedOperationMode));
    ui->cmbStartSoundMode->setCurrentIndex(comboIndexFor(m_settings.startSoundMode));
    ui->cmbRecallSoundMode->setCurrentIndex(comboIndexFor(m_settings.recallSoundMode));
    ui->cmbPhotofinish->setCurrentIndex(comboIndexFor(m_settings.photoFinishDevice));
}

void ProjectSettingsDlg::FillRecallBeepsCombo()
{
    QComboBox *combo = ui->cmbRecallBeepsMode;
    for (int index = combo->count() - 1; index >= 0; --index)
        combo->removeItem(index);
    addRecallBeepsEntry(combo, kRecallBeepsOn);
    if (m_settings.recallSoundMode == kRecallAutomatic) {
        combo->setCurrentIndex(0);
        m_settings.recallBeepsMode = kRecallBeepsOn;
        return;
    }
    addRecallBeepsEntry(combo, kRecallBeepsOff);
    if (m_settings.recallBeepsMode == kRecallBeepsOff) {
        combo->setCurrentIndex(1);
    } else {
        combo->setCurrentIndex(0);
        m_settings.recallBeepsMode = kRecallBeepsOn;
    }
}

void ProjectSettingsDlg::showVolumes()
{
    const int audioPosition = volumePosition(m_settings.audioVolume);
    const int headsetPosition = volumePosition(m_settings.headsetVolume);
    ui->hslVolume->setValue(audioPosition);
    ui->hslHeadsetVolume->setValue(headsetPosition);
    // the slots run only when a slider moves; a code without a position becomes the loudest
    OnAudioVolumeValueChanged(audioPosition);
    OnHeadsetVolumeValueChanged(headsetPosition);
}

void ProjectSettingsDlg::SetStartBlockCommonSettings(StartBlockCommonSettings settings)
{
    m_startBlockSettings = settings;
    // the minimum first, so that a stored value below the built-in minimum shows as stored
    ui->spinAcceleroSensitivity->setMinimum(m_startBlockSettings.minAcceleroSensitivity / kSensitivityStep);
    ui->spinAcceleroSensitivity->setMaximum(kMaxShownSensitivity);
    ui->spinAcceleroSensitivity->setValue(m_startBlockSettings.acceleroSensitivity / kSensitivityStep);
    connect(ui->spinAcceleroSensitivity, &QSpinBox::valueChanged, this,
            &ProjectSettingsDlg::OnAcceleroSensitivityValueChanged, Qt::UniqueConnection);
}

void ProjectSettingsDlg::SetCurrentTab(int index)
{
    ui->tabWidget->setCurrentIndex(index);
}

void ProjectSettingsDlg::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    retitle();
    OnAudioVolumeValueChanged(ui->hslVolume->value());
    OnHeadsetVolumeValueChanged(ui->hslHeadsetVolume->value());
}

// Laid out before it shows: a page hidden behind the other tab asks for no room once shown.
void ProjectSettingsDlg::setVisible(bool visible)
{
    if (visible)
        fitToPaths();
    QDialog::setVisible(visible);
}

// The ports and the results folder show whole, on either tab; the form's own width would cut them.
void ProjectSettingsDlg::fitToPaths()
{
    ensurePolished(); // the theme's font, not the default one
    for (QComboBox *combo : {ui->cmbCOM, ui->cmbCOMSerialPrinter})
        combo->setMinimumWidth(std::max(combo->minimumWidth(), combo->sizeHint().width()));
    WidgetWidths::fitFieldToValue(ui->txtResultsDir);
}

void ProjectSettingsDlg::markPortResult(QWidget *combo, bool ok)
{
    combo->setProperty(kErrorProperty, !ok);
    combo->style()->unpolish(combo);
    combo->style()->polish(combo);
}

void ProjectSettingsDlg::OnSerialPortOpened(bool ok)
{
    markPortResult(ui->cmbCOM, ok);
}

void ProjectSettingsDlg::OnSerialPrinterPortOpened(bool ok)
{
    markPortResult(ui->cmbCOMSerialPrinter, ok);
}

void ProjectSettingsDlg::OnBtnOKClicked()
{
    // an empty path is the working directory, which exists
    if (QDir(m_settings.resultsDir).exists()) {
        accept();
        return;
    }
    QMessageBox::information(this, tr("Results directory"),
                             tr("Unexisting results directory '%1'\n Please select a new results directory.")
                                 .arg(m_settings.resultsDir));
}

void ProjectSettingsDlg::OnBtnCancelClicked()
{
    reject();
}

void ProjectSettingsDlg::OnBtnManageSetClicked()
{
    const QString lastSetBefore = m_settings.lastSet;
    AddStartBlockSetDlg manager(this, m_setNames);
    manager.setModal(true);
    if (manager.exec() == QDialog::Accepted) {
        m_settings.lastSet = ui->cmbStartBlockSets->currentText();
        m_setsModified = m_setsModified || manager.setsModified();
        return;
    }
    // Cancel put the names back, which moved the set list's selection
    m_settings.lastSet = lastSetBefore;
    const int index = int(m_setNames->stringList().indexOf(lastSetBefore));
    if (index >= 0)
        ui->cmbStartBlockSets->setCurrentIndex(index);
}

void ProjectSettingsDlg::OnCOMIndexChanged(int index)
{
    if (index < 0)
        return;
    m_settings.lastCom = ui->cmbCOM->itemText(index);
    if (m_serialComThread)
        m_serialComThread->OpenPort(m_settings.lastCom, reopenBaudRate(m_serialComThread->baudRate()));
}

void ProjectSettingsDlg::OnStartBlockSetsSelectionChanged(const QString &strSet)
{
    if (ui->cmbStartBlockSets->currentIndex() >= 0)
        m_settings.lastSet = strSet;
}

void ProjectSettingsDlg::OnStarterNameTextChanged(const QString &text)
{
    m_settings.starterName = text;
}

void ProjectSettingsDlg::OnResultsDirTextChanged(const QString &text)
{
    m_settings.resultsDir = text;
}

void ProjectSettingsDlg::enablePrinting()
{
    ui->cmbPrinting->setEnabled(!m_settings.printers.isEmpty());
}

void ProjectSettingsDlg::debugPrinterList() const
{
    qDebug() << "items in list: " << m_settings.printers.size();
    for (const PrinterEntry &entry : m_settings.printers) {
        qDebug() << entry.type;
        qDebug() << entry.port;
    }
}

void ProjectSettingsDlg::OnChkTicketPrinterClicked()
{
    qDebug() << "Ticketprint clicked";
    removePrinters(m_settings.printers, PrinterTicket); // at most one of each kind
    if (ui->chkTicketPrinter->isChecked())
        m_settings.printers.append({PrinterTicket, QString()});
    else
        debugPrinterList();
    enablePrinting();
}

void ProjectSettingsDlg::OnChkSerialPrinterClicked()
{
    const bool ticked = ui->chkSerialPrinter->isChecked();
    ui->cmbCOMSerialPrinter->setVisible(ticked);
    removePrinters(m_settings.printers, PrinterSerial);
    if (ticked) // the port opens when one is picked
        m_settings.printers.append({PrinterSerial, ui->cmbCOMSerialPrinter->currentText()});
    else
        debugPrinterList();
    enablePrinting();
}

void ProjectSettingsDlg::OnComSerialPrinterIndexChanged(int index)
{
    if (index < 0)
        return;
    for (PrinterEntry &entry : m_settings.printers) {
        if (entry.type != PrinterSerial)
            continue;
        entry.port = ui->cmbCOMSerialPrinter->itemText(index);
        if (m_printer.worker)
            m_printer.open(entry.port, kDefaultBaudRate);
        qDebug() << entry.port;
    }
}

void ProjectSettingsDlg::OnPrinterOptionsChanged(int index)
{
    if (index < 0) {
        ui->cmbPrinting->setCurrentIndex(kPrintResultsIndex); // runs this slot again
        return;
    }
    m_settings.printerOption = quint8(index + 1);
}

void ProjectSettingsDlg::OnOperationModeIndexChanged(int index)
{
    if (index >= 0)
        m_settings.userSelectedOperationMode = index + 1;
}

void ProjectSettingsDlg::OnStartSoundModeIndexChanged(int index)
{
    if (index >= 0)
        m_settings.startSoundMode = index + 1;
}

void ProjectSettingsDlg::OnRecallSoundModeIndexChanged(int index)
{
    if (index < 0)
        return;
    m_settings.recallSoundMode = index + 1;
    FillRecallBeepsCombo();
}

void ProjectSettingsDlg::OnRecallBeepsModeIndexChanged(int index)
{
    // an emptied list stands for "On"
    const QVariant mode = ui->cmbRecallBeepsMode->itemData(index);
    m_settings.recallBeepsMode = mode.isValid() ? mode.toInt() : kRecallBeepsOn;
}

void ProjectSettingsDlg::OnPhotoFinishDeviceIndexChanged(int index)
{
    if (index >= 0)
        m_settings.photoFinishDevice = index + 1;
}

void ProjectSettingsDlg::OnAudioVolumeValueChanged(int value)
{
    m_settings.audioVolume = volumeCode(value);
    ui->lblVolume->setText(tr("Sound volume: %1 %").arg(volumePercent(value)));
}

void ProjectSettingsDlg::OnHeadsetVolumeValueChanged(int value)
{
    m_settings.headsetVolume = volumeCode(value);
    ui->lblHeadsetVolume->setText(tr("Headset volume: %1 %").arg(volumePercent(value)));
}

void ProjectSettingsDlg::OnAcceleroSensitivityValueChanged(int value)
{
    m_startBlockSettings.acceleroSensitivity = quint16(value * kSensitivityStep);
}

void ProjectSettingsDlg::OnBtnResultsDirBrowseClicked()
{
    const QString directory = QFileDialog::getExistingDirectory(
        this, tr("Results directory"), m_settings.resultsDir, QFileDialog::ShowDirsOnly);
    if (directory.isEmpty())
        return;
    m_settings.resultsDir = directory;
    ui->txtResultsDir->setText(directory);
    fitToPaths();
}
