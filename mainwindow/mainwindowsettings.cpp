// The project settings applied to the running window, the Properties action, and the device actions of the
// menus: common start-block settings with the busy notice, the start sound, shutdown, identification,
// calibration and the two test procedures. Their work is in the handler classes; the window hands them its
// devices and passes their requests on to the serial protocol object.
#include <QDebug>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "core/quellorapp.h"
#include "devices/cserialcomthread.h"
#include "dialogs/deviceidentificationdlg.h"
#include "dialogs/projectsettingsdlg.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/projectsettingsstore.h"
#include "outputs/serialprinterthread.h"
#include "outputs/startgatewayservice.h"
#include "ui_mainwindow.h"
#include "views/coordinatormeasurementwidget.h"
#include "views/startblockmeasurementwidget.h"
#include "views/startblockslayoutwidget.h"
#include "views/widgetlook.h"

namespace
{

constexpr qint32 kCoordinatorBaudRate = 9600; // the operation mode then sets the link's own speed
constexpr quint32 kInfoFieldsRound = 4;       // the next polling round asks every device for its info fields
const QString kWirelessIcon = QStringLiteral(":/customicons/sound_start_blue");
const QString kWiredIcon = QStringLiteral(":/customicons/cable");

} // namespace

void MainWindow::createDeviceActions()
{
    // the notice going away gives Ready back only while the coordinator's port is there
    connect(&m_busy, &BusyNotice::ready_enabled, this,
            [this](bool enabled) { ui->btnReady->setEnabled(enabled && !m_serial->isPortLost()); });
    connect(&m_commonSettings, &CommonSettingsDistribution::set_info_field_request, this,
            &MainWindow::set_info_field_request);
    connect(&m_commonSettings, &CommonSettingsDistribution::set_info_field_request_coordinator, this,
            &MainWindow::set_info_field_request_coordinator);
    connect(&m_sampleActions, &LoadSampleActions::set_demo_sample_request, this,
            &MainWindow::set_demo_sample_request);
    connect(&m_sampleActions, &LoadSampleActions::set_powerdown_request, this,
            &MainWindow::set_powerdown_request);
    connect(&m_sampleActions, &LoadSampleActions::set_powerdown_request_coordinator, this,
            &MainWindow::set_powerdown_request_coordinator);
}

// ---------------------------------------------------------------------------------------------------
// applying the project settings

void MainWindow::ApplyProjectSettings(bool setsModified, bool settingsChanged)
{
    if (QuellorApp *app = QuellorApp::Instance()) {
        app->LoadSettings();
        m_settings = app->projectSettings();
        app->LoadCoordinatorSettings();
        m_coordinatorSettings = app->coordinatorSettings();
        app->LoadStartBlockSettings();
        m_startBlockSettings = app->startBlockCommonSettings();
    }
    // new lanes hold settings nobody has read yet: Ready waits for them, as at start-up
    if (applyLanes(setsModified))
        settingsChanged = true;
    applySerialPort();
    applyStartGateway();
    ui->action_Print->setEnabled(!m_settings.printers.isEmpty());
    ui->action_Admin->setVisible(m_settings.debug);
    if (settingsChanged) {
        m_distribution.clearConfirmations();
        if (coordinator() || !startBlocks().isEmpty())
            UpdateWaitingStatus();
        if (m_serial)
            m_serial->setCycleCounter(kInfoFieldsRound);
    }
    UpdateOperationModeIcon();
    UpdateRaceInfo();
    if (m_serial && !m_settings.lastCom.isEmpty())
        OnBroadcastIdleClicked();
}

bool MainWindow::applyLanes(bool setsModified)
{
    const QString &chosenSet = m_settings.lastSet;
    if (!ProjectSettingsStore::lanesRebuilt(chosenSet, m_lastSetName, setsModified)) {
        if (m_coordinatorRow)
            m_coordinatorRow->setCoordinatorSettings(&m_coordinatorSettings);
        return false;
    }
    ClearStartBlockWidgets();
    SetupStartBlockSet(chosenSet);
    // no lane of the new set is highlighted by the style sheets
    m_selectedLane = kNoLaneSelected;
    ApplyStyleSheets();
    m_laneLayout->allGraphsButton()->setEnabled(false);
    m_laneLayout->allSoundsButton()->setEnabled(false);
    return true;
}

void MainWindow::applySerialPort()
{
    if (!m_serial || m_settings.lastCom.isEmpty())
        return;
    m_serial->setCycleCounter(0);
    m_serial->OpenPort(m_settings.lastCom, kCoordinatorBaudRate);
    qDebug().noquote() << QStringLiteral("set serial port \"%1\"").arg(m_settings.lastCom);
    m_serial->SetOperationMode(m_settings.operationMode);
    m_serial->setUserSelectedOperationMode(m_settings.userSelectedOperationMode);
    m_serial->StartFastModeProbing();
}

// A set without a coordinator leaves no coordinator of an earlier set in the LAN messages.
void MainWindow::applyStartGateway()
{
    if (!m_gateway)
        return;
    const CCoordinator *unit = coordinator();
    m_gateway->setCoordinatorMac(unit ? unit->GetMacAddress().toUpper() : QString());
    m_gateway->setStarterName(m_settings.starterName);
    m_gateway->setPanId(unit ? unit->panId() : 0);
}

void MainWindow::on_action_ProjectProperties_triggered()
{
    ProjectSettingsDlg dialog(this);
    dialog.SetSerialComThread(m_serial);
    dialog.SetSerialPrinterThread(m_printer);
    qDebug() << "Set project settings";
    dialog.SetSettings(m_settings);
    qDebug() << "Set common sb";
    dialog.SetStartBlockCommonSettings(m_startBlockSettings);
    dialog.SetCurrentTab(ProjectSettingsDlg::TabSystem);
    const QPointer<QWidget> previousFocus = focusWidget();
    if (dialog.exec() == QDialog::Accepted)
        applyProperties(dialog);
    // the starter's keys go on to the lanes, not into whatever field is next in line
    restoreFocus(previousFocus);
}

void MainWindow::applyProperties(const ProjectSettingsDlg &dialog)
{
    m_lastSetName = m_settings.lastSet;
    const bool settingsChanged = ProjectSettingsStore::deviceSettingsChanged(
        m_settings, m_startBlockSettings, dialog.projectSettings(), dialog.startBlockCommonSettings());
    if (QuellorApp *app = QuellorApp::Instance())
        ProjectSettingsStore::storeFromProperties(
            *app, dialog.projectSettings(), dialog.startBlockCommonSettings(), qint32(m_race.raceNumber()));
    ApplyProjectSettings(dialog.setsModified(), settingsChanged);
}

// A widget that went away or can no longer take the keys leaves them with the window itself.
void MainWindow::restoreFocus(QWidget *previous)
{
    activateWindow();
    if (previous && previous->isVisible() && previous->isEnabled())
        previous->setFocus(Qt::ActiveWindowFocusReason);
    else
        setFocus(Qt::ActiveWindowFocusReason);
}

void MainWindow::OnOperationModeChanged(OperationMode mode)
{
    m_settings.operationMode = mode;
    m_startBlockSettings.operationMode = mode;
    m_coordinatorSettings.operationMode = mode;
    if (QuellorApp *app = QuellorApp::Instance())
        app->SetSetting(QLatin1String(SettingsKeys::kGroupGeneral),
                        QLatin1String(SettingsKeys::kOperationMode), int(mode));
    UpdateOperationModeIcon();
}

void MainWindow::UpdateOperationModeIcon()
{
    if (m_settings.operationMode == OperationModeWireless)
        WidgetLook::setPixmap(ui->lblOperationModeIcon, QPixmap(kWirelessIcon));
    else if (m_settings.operationMode == OperationModeWired)
        WidgetLook::setPixmap(ui->lblOperationModeIcon, QPixmap(kWiredIcon));
    else
        WidgetLook::clear(ui->lblOperationModeIcon);
}

// ---------------------------------------------------------------------------------------------------
// common start-block settings and the busy notice

void MainWindow::OnBtnSettingsClicked()
{
    if (m_commonSettings.Run(this, startBlocks(), coordinator(), m_mode))
        ui->btnBroadcastIdle->setEnabled(false);
}

void MainWindow::ShowBusy(bool hide, const QString &text)
{
    m_busy.ShowBusy(hide, text);
}

// ---------------------------------------------------------------------------------------------------
// start sound, shutdown and identification

void MainWindow::on_action_Load_Demo_triggered()
{
    m_sampleActions.LoadDemo(this, coordinator(), startBlocks());
}

void MainWindow::on_actionShutdown_Devices_triggered()
{
    m_sampleActions.ShutdownDevices(this, coordinator(), startBlocks(), &m_broadcast);
}

void MainWindow::on_actionDevice_Identification_triggered(bool checked)
{
    // a second request while one waits for its reply would take the same reply twice
    if (m_identification.isRunning())
        return;
    m_identification.begin(*m_serial, m_settings.lastCom, checked);
    emit identifier_request(&m_broadcast);
    QTimer::singleShot(DeviceIdentification::kReplyWaitMs, this, &MainWindow::OnHandleIdentifierReply);
}

void MainWindow::OnHandleIdentifierReply()
{
    if (!m_identification.isRunning())
        return;
    DeviceIdentification::Reply reply;
    const DeviceIdentification::Outcome outcome = m_identification.collect(*m_serial, &reply);
    if (outcome == DeviceIdentification::Outcome::GaveUp) {
        QMessageBox::information(this, tr("Device Identification"),
                                 tr("The system was unable to identify the device. Please check the power "
                                    "and cabling of the device"));
    } else if (outcome == DeviceIdentification::Outcome::Identified) {
        DeviceIdentificationDlg(this, reply).exec();
    }
    m_identification.restore(*m_serial, m_settings.lastCom);
    if (outcome == DeviceIdentification::Outcome::RetryDue)
        on_actionDevice_Identification_triggered(true);
}

// ---------------------------------------------------------------------------------------------------
// calibration and the test procedures

void MainWindow::on_action_Calibrate_Device_triggered()
{
    m_procedures.runCalibration(coordinator(), m_serial);
}

void MainWindow::on_action_Test_Hardware_triggered()
{
    m_procedures.openHardwareTest(startBlocks());
}

void MainWindow::on_action_Test_Synchronization_triggered()
{
    m_procedures.openSynchronisationTest(coordinator(), startBlocks());
}

void MainWindow::CloseTestSyncDialog()
{
    m_procedures.releaseSynchronisationTest();
}

void MainWindow::CloseTestHardwareTesterDialog()
{
    m_procedures.releaseHardwareTest();
}

// A test's Ready begins a run of its own, which is no race: nothing names, numbers or keeps it.
void MainWindow::broadcastReady()
{
    broadcastReadyFor(RaceRun::Kind::TestRun);
}

void MainWindow::broadcastStart()
{
    OnBroadcastStartClicked();
}

void MainWindow::broadcastIdle()
{
    OnBroadcastIdleClicked();
}

QList<CStartBlock *> MainWindow::laneRowBlocks() const
{
    QList<CStartBlock *> blocks;
    for (const StartBlockMeasurementWidget *row : m_laneRows) {
        if (row->startBlock())
            blocks << row->startBlock();
    }
    return blocks;
}

void MainWindow::setLaneRowParticipationStatus(CStartBlock *block, unsigned status)
{
    for (StartBlockMeasurementWidget *row : std::as_const(m_laneRows)) {
        if (block && row->startBlock() == block)
            row->SetParticipationStatus(status);
    }
}
