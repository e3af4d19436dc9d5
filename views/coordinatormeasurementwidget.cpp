#include "views/coordinatormeasurementwidget.h"

#include <memory>

#include <QDateTime>
#include <QEvent>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <QTimeZone>

#include "core/projectsettings.h"
#include "dialogs/coordinatorinfodlg.h"
#include "dialogs/spectrumdlg.h"
#include "dialogs/starttimedlg.h"
#include "ui_coordinatormeasurementwidget.h"
#include "views/coordinatormeasurementsstatusdlg.h"
#include "views/loggingdlg.h"
#include "views/viewhost.h"
#include "views/widgetlook.h"

namespace
{

enum StatusItem : unsigned char {
    kStateItem = 1,
    kBatteryItem = 2,
    kLinkItem = 7,
    kStartSystemReadyItem = 9,
    kPhotoFinishReadyItem = 10,
    kStartCountItem = 12,
    kGpsTimeItem = 13,
};

constexpr int kPhotoFinishOrvane = 2;
constexpr quint8 kStateInactive = 7; // the coordinator's own inactive state
constexpr quint8 kEmptyBattery = 203;
constexpr double kBatterySpan = 33.0;
constexpr double kGradientEdge = 0.01;
constexpr quint16 kStartSignalLow = 1535;
constexpr quint16 kStartSignalHigh = 2729;
const QLatin1Char kNewStartMark('*');

constexpr char kReadyImage[] = ":/customicons/ready";
constexpr char kIdleImage[] = ":/customicons/idle";

constexpr char kBadStyle[] = "QPushButton#btnMeasurementsStatus {background-color: rgb(192, 0, 0);} "
                             "QPushButton#btnMeasurementsStatus:hover {background-color: rgb(255, 0, 0);} "
                             "QPushButton#btnMeasurementsStatus:pressed {background-color: rgb(128, 0, 0);}";
constexpr char kGoodStyle[] =
    "QPushButton#btnMeasurementsStatus {background-color: qlineargradient(spread:repeat, x1: 0, y1: 0, x2: "
    "1, y2: 0, stop: 0 rgb(0, 192, 20), stop: %1 rgb(0, 192, 20), stop: %2 white, stop: 1 white);} "
    "QPushButton#btnMeasurementsStatus:hover {background-color: qlineargradient(spread:repeat, x1: 0, y1: "
    "0, x2: 1, y2: 0, stop: 0 rgb(0, 255, 20), stop: %1 rgb(0, 255, 20), stop: %2 white, stop: 1 "
    "white);}QPushButton#btnMeasurementsStatus:pressed {background-color: qlineargradient(spread:repeat, "
    "x1: 0, y1: 0, x2: 1, y2: 0, stop: 0 rgb(0, 128, 20), stop: %1 rgb(0, 128, 20), stop: %2 white, stop: "
    "1 white);}";

QString shortest(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

CoordinatorMeasurementWidget::CoordinatorMeasurementWidget(ViewHost *host, QWidget *parent, bool live)
    : QWidget(parent), ui(std::make_unique<Ui::CoordinatorMeasurementWidget>()), m_host(host), m_live(live)
{
    ui->setupUi(this);
    ui->lblOVR->hide();
    ui->btnInfo->setIcon(QIcon::fromTheme(QStringLiteral("dialog-information"), ui->btnInfo->icon()));
    ui->btnInfo->setIconSize(ui->btnInfo->sizeHint());
    ui->btnSpectrum->setIconSize(ui->btnSpectrum->sizeHint());
    ui->dtGps->hide();
    ui->btnNrStarts->hide();

    connect(ui->btnLogging, &QPushButton::clicked, this, &CoordinatorMeasurementWidget::OnBtnLogClicked);
    connect(ui->btnInfo, &QPushButton::clicked, this, &CoordinatorMeasurementWidget::OnBtnInfoClicked);
    connect(ui->btnMeasurementsStatus, &QPushButton::clicked, this,
            &CoordinatorMeasurementWidget::OnBtnMeasurementsStatusClicked);
    connect(ui->btnNrStarts, &QPushButton::clicked, this,
            &CoordinatorMeasurementWidget::OnBtnNrStartsClicked);

    if (!live) {
        ui->lblStatusIcon->hide();
        ui->btnMeasurementsStatus->hide();
        ui->lblVQR->hide();
        ui->lblVQRPixmap->hide();
    }
}

CoordinatorMeasurementWidget::~CoordinatorMeasurementWidget() = default;

void CoordinatorMeasurementWidget::setCoordinator(CCoordinator *coordinator)
{
    m_coordinator = coordinator;
}

void CoordinatorMeasurementWidget::setCoordinatorSettings(CoordinatorCommonSettings *settings)
{
    m_settings = settings;
    if (!m_live)
        return;
    const bool photoFinish = settings && settings->photoFinishDevice == kPhotoFinishOrvane;
    ui->lblOVR->setVisible(photoFinish);
    ui->lblOVRPixmap->setVisible(photoFinish);
}

void CoordinatorMeasurementWidget::SetApplicationMode(int mode)
{
    m_mode = mode;
    UpdateApplicationMode();
}

void CoordinatorMeasurementWidget::UpdateApplicationMode()
{
    ui->btnLogging->setVisible(m_mode > ModeOperator);
    ui->btnInfo->setVisible(m_mode > ModeOperator);
    const bool wireless = m_settings && m_settings->operationMode == OperationModeWireless;
    ui->btnSpectrum->setVisible(m_live && wireless && m_mode > ModeOperator);
    ui->btnNrStarts->setVisible(holdsDatedStart());
}

// A start with a time of more than a day since the epoch came from a GPS fix.
bool CoordinatorMeasurementWidget::holdsDatedStart() const
{
    if (!m_coordinator)
        return false;
    for (const HX_GPS_TIME &start : m_coordinator->startTimes()) {
        if (start.seconds() > quint32(CCoordinator::kSecondsPerDay))
            return true;
    }
    return false;
}

void CoordinatorMeasurementWidget::SetLabelStyle(const QString &css)
{
    for (QLabel *label : findChildren<QLabel *>())
        WidgetLook::setStyleSheet(label, css);
}

QLabel *CoordinatorMeasurementWidget::statusIconLabel() const
{
    return ui->lblStatusIcon;
}

// ---------------------------------------------------------------------------------------------------
// coordinator signals

void CoordinatorMeasurementWidget::OnCoordinatorNewStatusField(unsigned char type, unsigned char,
                                                               unsigned char *)
{
    if (!m_coordinator)
        return;
    switch (type) {
    case kStateItem:
        showState();
        break;
    case kBatteryItem:
    case kLinkItem:
        checkMeasurementsStatus();
        break;
    case kStartSystemReadyItem:
        showReadyMark(ui->lblVQRPixmap, m_coordinator->statusField9());
        break;
    case kPhotoFinishReadyItem:
        showReadyMark(ui->lblOVRPixmap, m_coordinator->statusField10());
        break;
    case kStartCountItem:
        showStartCount();
        break;
    case kGpsTimeItem:
        showGpsTime();
        break;
    default:
        break;
    }
}

void CoordinatorMeasurementWidget::showState()
{
    QString image;
    switch (m_coordinator->state()) {
    case DeviceIdle:
        image = QString::fromLatin1(kIdleImage);
        break;
    case DeviceReady:
        image = QString::fromLatin1(kReadyImage);
        break;
    case DeviceStarted:
        image = QStringLiteral(":/customicons/started");
        break;
    case kStateInactive:
        image = QStringLiteral(":/customicons/inactive");
        break;
    default:
        break;
    }
    if (image.isEmpty())
        WidgetLook::clear(ui->lblStatusIcon);
    else
        WidgetLook::setPixmap(ui->lblStatusIcon, QPixmap(image));
}

void CoordinatorMeasurementWidget::showReadyMark(QLabel *label, quint8 flag)
{
    WidgetLook::setPixmap(label, QPixmap(QString::fromLatin1(flag != 0 ? kReadyImage : kIdleImage)));
}

void CoordinatorMeasurementWidget::showStartCount()
{
    const quint8 count = m_coordinator->statusField12();
    if (count == 0 || ui->dtGps->isHidden()) {
        ui->btnNrStarts->hide();
        return;
    }
    ui->btnNrStarts->show();
    const QString shown = QString::number(count);
    // a "*" survives only while the count stays the same
    if (QString(ui->btnNrStarts->text()).remove(kNewStartMark) != shown)
        ui->btnNrStarts->setText(shown);
}

void CoordinatorMeasurementWidget::showGpsTime()
{
    const quint32 seconds = m_coordinator->statusField13();
    ui->dtGps->setVisible(seconds != 0);
    // the edit keeps its UTC spec but shows the local clock, as the operator reads the time of day
    const QDateTime local = QDateTime::fromSecsSinceEpoch(qint64(seconds), QTimeZone::utc()).toLocalTime();
    const QDateTime shown(local.date(), local.time(), QTimeZone::utc());
    if (ui->dtGps->dateTime() != shown)
        ui->dtGps->setDateTime(shown);
}

void CoordinatorMeasurementWidget::checkMeasurementsStatus()
{
    if (!m_coordinator)
        return;
    const quint16 startSignal = m_coordinator->statusField14();
    const quint8 state = m_coordinator->state();
    const bool startInputOk = (startSignal >= kStartSignalLow && startSignal <= kStartSignalHigh) ||
                              (state != DeviceIdle && state != DeviceReady);
    const bool good =
        m_coordinator->linkState() != LinkLost && m_coordinator->battery() > kEmptyBattery && startInputOk;
    SetMeasurementsButtonStyle(!good);
}

void CoordinatorMeasurementWidget::SetMeasurementsButtonStyle(bool bad)
{
    if (bad) {
        WidgetLook::setStyleSheet(ui->btnMeasurementsStatus, QString::fromLatin1(kBadStyle));
        return;
    }
    const quint8 battery = m_coordinator ? m_coordinator->battery() : kEmptyBattery;
    const double fill = battery > kEmptyBattery ? (battery - kEmptyBattery) / kBatterySpan : 0.0;
    const double edge = fill < 1.0 ? fill + kGradientEdge : fill;
    WidgetLook::setStyleSheet(ui->btnMeasurementsStatus,
                              QString::fromLatin1(kGoodStyle).arg(shortest(fill), shortest(edge)));
}

void CoordinatorMeasurementWidget::OnCoordinatorNewStartTimeField(HX_GPS_TIME)
{
    if (!ui->btnNrStarts->text().contains(kNewStartMark))
        ui->btnNrStarts->setText(ui->btnNrStarts->text() + kNewStartMark);
}

// ---------------------------------------------------------------------------------------------------
// buttons

void CoordinatorMeasurementWidget::OnBtnLogClicked()
{
    if (m_coordinator)
        runLogDialog();
}

void CoordinatorMeasurementWidget::on_btnSpectrum_clicked(bool)
{
    if (m_coordinator)
        runSpectrumDialog();
}

QByteArray CoordinatorMeasurementWidget::spectrumLevels() const
{
    if (!m_coordinator || !m_coordinator->hasSpectrum())
        return QByteArray(CCoordinator::kSpectrumChannels, '\0');
    return m_coordinator->spectrum();
}

void CoordinatorMeasurementWidget::OnBtnMeasurementsStatusClicked()
{
    if (!m_coordinator)
        return;
    CoordinatorMeasurementsStatusDlg dialog(this);
    dialog.SetCoordinator(m_coordinator);
    dialog.exec();
}

void CoordinatorMeasurementWidget::OnBtnNrStartsClicked()
{
    if (!m_coordinator)
        return;
    const bool accepted = runStartTimesDialog();
    if (accepted && m_coordinator && ui->btnNrStarts->text().contains(kNewStartMark))
        ui->btnNrStarts->setText(QString::number(m_coordinator->statusField12()));
}

void CoordinatorMeasurementWidget::OnBtnInfoClicked()
{
    if (m_coordinator)
        runInfoDialog();
}

// ---------------------------------------------------------------------------------------------------
// painting and language

void CoordinatorMeasurementWidget::paintEvent(QPaintEvent *)
{
    // a plain QWidget draws no style-sheet background of its own
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void CoordinatorMeasurementWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}

// ---------------------------------------------------------------------------------------------------
// the dialogs the row opens

void CoordinatorMeasurementWidget::runLogDialog()
{
    LoggingDlg dialog(parentWidget());
    dialog.setCoordinator(m_coordinator);
    dialog.fill();
    dialog.exec();
}

void CoordinatorMeasurementWidget::runSpectrumDialog()
{
    // before the coordinator's first reply the list stays empty
    const QByteArray levels = m_coordinator->hasSpectrum() ? spectrumLevels() : QByteArray();
    auto dialog = std::make_unique<Spectrumdlg>(parentWidget());
    dialog->setModal(true);
    dialog->SetSpectrumRecord(levels, m_coordinator->spectrumCurrentChannel());
    dialog->SetSpectrum();
    dialog->exec();
}

void CoordinatorMeasurementWidget::runInfoDialog()
{
    const CoordinatorCommonSettings expected = m_settings ? *m_settings : CoordinatorCommonSettings();
    CoordinatorInfoDlg dialog(parentWidget(), m_live, expected);
    dialog.Fill(m_coordinator, m_mode);
    if (dialog.exec() != QDialog::Accepted || !m_coordinator)
        return;
    const QList<InfoFieldRequest> changes = dialog.ConfirmChanges(parentWidget(), *m_coordinator, m_settings);
    for (const InfoFieldRequest &change : changes) {
        if (m_coordinator)
            emit set_info_field_request_coordinator(change.type, change.value, m_coordinator);
    }
}

bool CoordinatorMeasurementWidget::runStartTimesDialog()
{
    StartTimeDlg dialog(this);
    dialog.SetCoordinator(m_coordinator);
    if (m_live && m_host)
        dialog.ConnectCoordinator(m_host->serialComThread());
    return dialog.exec() == QDialog::Accepted;
}
