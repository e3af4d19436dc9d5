#include "views/measurementsoundgraphwidget.h"

#include "devices/cstartblockmeasurement.h"
#include "ui_measurementsoundgraphwidget.h"
#include "views/graphcurves.h"
#include "views/soundgraphdisplay.h"

namespace
{

enum SoundTime { kStartTime, kStartSoundTime, kWirelessDataTime, kStartPulseTime };

QString msText(quint32 value)
{
    return QStringLiteral("%1 ms").arg(value);
}

} // namespace

MeasurementSoundGraphWidget::MeasurementSoundGraphWidget(QWidget *parent)
    : GraphPanel(parent, "Sound graph max zooming"), ui(std::make_unique<Ui::MeasurementSoundGraphWidget>())
{
    ui->setupUi(this);
    ui->lblStartPulse->hide();
    ui->lblStartPulseData->hide();
}

MeasurementSoundGraphWidget::~MeasurementSoundGraphWidget() = default;

QVBoxLayout *MeasurementSoundGraphWidget::curveLayout() const
{
    return ui->soundGraphLayout;
}

void MeasurementSoundGraphWidget::SetStartBlock(unsigned short currentGraph, unsigned short totalGraphs)
{
    auto *display = new SoundGraphDisplay(this);
    addDisplay(display, ui->wdgSoundGraph); // the read-out watches the container, not the display
    display->setStartBlock(startBlock(), currentGraph, totalGraphs);
    fillLabels();
}

void MeasurementSoundGraphWidget::fillLabels()
{
    if (!measurement())
        return;
    const SoundGraph &sound = measurement()->soundGraph();
    ui->lblSensitivityAmplitudeData->setText(
        QStringLiteral("%1").arg(GraphCurves::soundLevelLabel(sound.item5)));
    ui->lblStartTimeData->setText(msText(sound.items7To10[kStartTime]));
    ui->lblStartSoundTimeData->setText(msText(sound.items7To10[kStartSoundTime]));
    ui->lblWirelessPacketData->setText(msText(sound.items7To10[kWirelessDataTime]));
    ui->lblStartPulseData->setText(msText(sound.items7To10[kStartPulseTime]));
}

void MeasurementSoundGraphWidget::HideDetails()
{
    for (QWidget *label :
         {ui->lblSensitivityAmplitude, ui->lblSensitivityAmplitudeData, ui->lblStartTime,
          ui->lblStartTimeData, ui->lblWirelessPacket, ui->lblWirelessPacketData, ui->lblStartPulse,
          ui->lblStartPulseData, ui->lblStartSoundTime, ui->lblStartSoundTimeData})
        label->hide();
}

void MeasurementSoundGraphWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        fillLabels(); // the form's texts replaced the values
    }
    GraphPanel::changeEvent(event);
}
