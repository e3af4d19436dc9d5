#include "views/startblockmeasurementsstatusdlg.h"

#include <algorithm>

#include "devices/cstartblockmeasurement.h"
#include "ui_startblockmeasurementsstatusdlg.h"
#include "views/measurementstatusdisplay.h"

namespace
{

constexpr int kEmptyBattery = 203;
constexpr int kFullBattery = 234;
constexpr double kFullBatteryVolts = 12.55;
constexpr int kLowestLink = 51;
constexpr int kHighestLink = 255;
constexpr int kFullColour = 255;

} // namespace

StartBlockMeasurementsStatusDlg::StartBlockMeasurementsStatusDlg(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::StartBlockMeasurementsStatusDlg>()), m_timer(new QTimer(this))
{
    ui->setupUi(this);
    ui->pgbBattery->setRange(kEmptyBattery, kFullBattery);
    ui->pgbLink->setRange(kLowestLink, kHighestLink);
    setWindowTitle(tr("Startblock measurements"));
    connect(ui->btnOK, &QPushButton::clicked, this, &StartBlockMeasurementsStatusDlg::OnBtnOKClicked);
    connect(m_timer, &QTimer::timeout, this, &StartBlockMeasurementsStatusDlg::OnUpdateTimerFired);
    m_timer->start(kRefreshMs);
}

StartBlockMeasurementsStatusDlg::~StartBlockMeasurementsStatusDlg() = default;

void StartBlockMeasurementsStatusDlg::SetStartBlock(CStartBlockMeasurement *measurement)
{
    m_measurement = measurement;
    OnUpdateTimerFired();
}

void StartBlockMeasurementsStatusDlg::OnUpdateTimerFired()
{
    if (!m_measurement)
        return;
    showBattery();
    showLink();
    ui->lblHeaderStartLevel->hide();
    ui->lblStartLevel->hide();
    showSynchronisation();
    ui->lblConnection->setText(MeasurementStatusDisplay::connectionText(m_measurement->linkState()));
}

void StartBlockMeasurementsStatusDlg::OnBtnOKClicked()
{
    done(1);
}

void StartBlockMeasurementsStatusDlg::showBattery()
{
    const int battery = std::clamp(int(m_measurement->battery()), kEmptyBattery, kFullBattery);
    const int green = (battery - kEmptyBattery) * kFullColour / (kFullBattery - kEmptyBattery);
    MeasurementStatusDisplay::showBar(ui->pgbBattery, battery, kFullColour - green, green);
    ui->lblBatteryLevel->setText(
        MeasurementStatusDisplay::voltageText(battery * kFullBatteryVolts / kFullBattery));
}

void StartBlockMeasurementsStatusDlg::showLink()
{
    int quality = kLowestLink;
    int green = 0;
    if (m_measurement->linkState() != LinkLost) {
        quality = std::max(int(m_measurement->statusField6()), kLowestLink);
        green = (quality - kLowestLink) * kFullColour / (kHighestLink - kLowestLink);
    }
    MeasurementStatusDisplay::showBar(ui->pgbLink, quality, kFullColour - green, green);
}

void StartBlockMeasurementsStatusDlg::showSynchronisation()
{
    const quint32 value = m_measurement->synchronisationValue();
    ui->lblSynchronization->setText(value == CStartBlockMeasurement::kNotSynchronised
                                        ? tr("Not synchronized")
                                        : QString::number(qint32(value)));
}
