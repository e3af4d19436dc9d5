#include "views/coordinatormeasurementsstatusdlg.h"

#include "devices/ccoordinator.h"
#include "ui_coordinatormeasurementsstatusdlg.h"
#include "views/measurementstatusdisplay.h"

namespace
{

constexpr int kEmptyBattery = 203;
constexpr int kFullBattery = 236;
constexpr double kFullScaleVolts = 13.8;
constexpr int kFullScale = 255;
constexpr int kFullColour = 255;
constexpr int kHighestReading = 4095;
constexpr double kReferenceVolts = 2.4;
constexpr int kConnectedFrom = 1536;
constexpr int kConnectedTo = 2730;
constexpr int kNotConnectedFrom = 3072;

} // namespace

CoordinatorMeasurementsStatusDlg::CoordinatorMeasurementsStatusDlg(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CoordinatorMeasurementsStatusDlg>()), m_timer(new QTimer(this))
{
    ui->setupUi(this);
    ui->pgbBattery->setRange(kEmptyBattery, kFullBattery);
    setWindowTitle(tr("Central Unit measurements"));
    connect(ui->btnOK, &QPushButton::clicked, this, &CoordinatorMeasurementsStatusDlg::OnBtnOKClicked);
    connect(m_timer, &QTimer::timeout, this, &CoordinatorMeasurementsStatusDlg::OnUpdateTimerFired);
    m_timer->start(kRefreshMs);
}

CoordinatorMeasurementsStatusDlg::~CoordinatorMeasurementsStatusDlg() = default;

void CoordinatorMeasurementsStatusDlg::SetCoordinator(CCoordinator *coordinator)
{
    m_coordinator = coordinator;
    OnUpdateTimerFired();
}

void CoordinatorMeasurementsStatusDlg::OnUpdateTimerFired()
{
    if (!m_coordinator)
        return;
    showBattery();
    showStartInput();
    ui->lblConnection->setText(MeasurementStatusDisplay::connectionText(m_coordinator->linkState()));
}

void CoordinatorMeasurementsStatusDlg::OnBtnOKClicked()
{
    done(1);
}

void CoordinatorMeasurementsStatusDlg::showBattery()
{
    const int reading = m_coordinator->battery();
    int bar = reading;
    int green = (reading - kEmptyBattery) * kFullColour / (kFullBattery - kEmptyBattery);
    int voltageByte = reading;
    if (reading <= kEmptyBattery) {
        bar = voltageByte = kEmptyBattery;
        green = 0;
    } else if (reading > kFullBattery) {
        // only the bar stops at full; the voltage follows the reading
        bar = kFullBattery;
        green = kFullColour;
    }
    MeasurementStatusDisplay::showBar(ui->pgbBattery, bar, kFullColour - green, green);
    ui->lblBatteryLevel->setText(
        MeasurementStatusDisplay::voltageText(voltageByte * kFullScaleVolts / kFullScale));
}

void CoordinatorMeasurementsStatusDlg::showStartInput()
{
    const int reading = m_coordinator->statusField14();
    const QString volts = QString::number(reading / double(kHighestReading) * kReferenceVolts, 'f', 2);
    QString text;
    if (reading >= kConnectedFrom && reading <= kConnectedTo)
        text = tr("Connected: %1V");
    else if (reading >= kNotConnectedFrom && reading <= kHighestReading)
        text = tr("Not connected: %1V");
    else
        text = tr("Unknown: %1V");
    ui->lblStartInput->setText(text.arg(volts));
}
