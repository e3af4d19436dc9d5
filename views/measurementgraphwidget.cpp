#include "views/measurementgraphwidget.h"

#include "core/sharedconstants.h"
#include "devices/cstartblock.h"
#include "ui_measurementgraphwidget.h"
#include "views/graphcurves.h"
#include "views/graphdisplay.h"

namespace
{

constexpr int kRawLevel = 2;

// Error code bits and their texts, in the order they are listed.
struct ErrorBit {
    quint16 mask;
    const char *text;
    const char *separator;
};
constexpr ErrorBit kErrorBits[] = {
    {1, SharedConstants::kSyncTimeTooLong, ", "},
    {2, SharedConstants::kNotStartedAfterStarted, ", "},
    {4, SharedConstants::kNoSoundEdge, ""},
};

QString reactionText(quint16 value)
{
    if (value == GraphCurves::kNoReaction)
        return MeasurementGraphWidget::tr("None");
    return QStringLiteral("%1 ms").arg(qint16(value));
}

QString startSourceText(quint8 source)
{
    switch (source) {
    case 0:
        return MeasurementGraphWidget::tr("Sound");
    case 1:
        return MeasurementGraphWidget::tr("Pulse");
    case 2:
        return MeasurementGraphWidget::tr("Wireless data");
    case 3:
        return MeasurementGraphWidget::tr("Training");
    default:
        return MeasurementGraphWidget::tr("Unknown");
    }
}

QString errorText(quint16 code)
{
    QString text;
    for (const ErrorBit &bit : kErrorBits) {
        if (code & bit.mask)
            text += SharedConstants::translatedGlobal(QString::fromLatin1(bit.text)) +
                    QLatin1String(bit.separator);
    }
    return text;
}

} // namespace

MeasurementGraphWidget::MeasurementGraphWidget(QWidget *parent, int level)
    : GraphPanel(parent, "Graph max zooming"), ui(std::make_unique<Ui::MeasurementGraphWidget>())
{
    ui->setupUi(this);
    for (QWidget *label :
         {ui->lblStartSource, ui->lblStartSourceData, ui->lblErrorCode, ui->lblErrorCodeValue})
        label->hide();
    ui->lblReactionTimeRAW->setVisible(level >= kRawLevel);
    ui->lblReactionTimeRAWData->setVisible(level >= kRawLevel);
}

MeasurementGraphWidget::~MeasurementGraphWidget() = default;

QVBoxLayout *MeasurementGraphWidget::curveLayout() const
{
    return ui->graphLayout;
}

void MeasurementGraphWidget::DrawGraph(unsigned short currentGraph, unsigned short totalGraphs)
{
    auto *display = new GraphDisplay(this);
    addDisplay(display, display);
    display->setStartBlock(startBlock(), currentGraph, totalGraphs);
    fillLabels();
}

void MeasurementGraphWidget::fillLabels()
{
    if (!measurement())
        return;
    const ReactionGraph &graph = measurement()->graph();
    ui->lblReactionTimeData->setText(reactionText(graph.reactionPosition));
    ui->lblReactionTimeRAWData->setText(reactionText(graph.item8));
    ui->lblOffsetData->setText(QStringLiteral("%1").arg(graph.offset >> GraphCurves::kNarrowShift));
    ui->lblSensitivityData->setText(QStringLiteral("%1").arg(graph.sensitivity >> GraphCurves::kNarrowShift));
    ui->lblStartSourceData->setText(startSourceText(graph.startSource));
    if (measurement()->errorCode() != 0)
        ui->lblErrorCodeValue->setText(errorText(measurement()->errorCode()));
}

void MeasurementGraphWidget::HideControls()
{
    for (QWidget *label :
         {ui->lblReactionTime, ui->lblReactionTimeData, ui->lblStartSource, ui->lblStartSourceData,
          ui->lblOffset, ui->lblOffsetData, ui->lblSensitivity, ui->lblSensitivityData, ui->lblErrorCode,
          ui->lblErrorCodeValue, ui->lblReactionTimeRAW, ui->lblReactionTimeRAWData})
        label->hide();
}

void MeasurementGraphWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        fillLabels(); // the form's texts replaced the values
    }
    GraphPanel::changeEvent(event);
}
