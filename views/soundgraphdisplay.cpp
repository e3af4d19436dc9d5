#include "views/soundgraphdisplay.h"

#include <QPainter>

#include "core/sharedconstants.h"
#include "devices/cstartblock.h"
#include "views/graphpainter.h"

namespace
{
const QColor kStartColour(192, 15, 15);
const QColor kLevelColour(255, 102, 0);
constexpr int kCurvePenWidth = 3;
constexpr int kStartLabelTop = 20;
} // namespace

SoundGraphDisplay::SoundGraphDisplay(QWidget *parent) : CurveDisplay(parent) {}

void SoundGraphDisplay::setStartBlock(CStartBlock *startBlock, unsigned short currentGraph,
                                      unsigned short totalGraphs)
{
    const CStartBlockMeasurement *measurement = startBlock ? startBlock->measurement() : nullptr;
    if (!measurement || !measurement->hasSoundGraph()) {
        m_curve.lane = 0;
        return;
    }
    m_curve = GraphCurves::soundCurve(measurement->soundGraph(), startBlock->lane());
    setLoaded(currentGraph, totalGraphs, m_curve.sampleCount, m_curve.startX);
    SetRange(m_curve.sampleCount, m_curve.scale.yRange);
}

void SoundGraphDisplay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!drawsCurve(painter, m_curve.loaded, true))
        return;
    const bool print = isPrinted();
    GraphPainter graph(painter, size(), xScale(), yScale(), theme());
    const int lane = m_curve.lane;
    QList<GraphLabel> drawn{
        graph.laneLabel(print ? QStringLiteral("L%1").arg(lane) : tr("Lane %1").arg(lane), print)};
    graph.marker(m_curve.startX, kStartColour);
    const bool onlyCurve = currentGraph() == 1 && totalGraphs() == 1;
    const GraphLabel level =
        graph.levelLine(m_curve.level, QPen(kLevelColour), onlyCurve ? tr("Sensitivity") : QString());
    if (onlyCurve)
        drawn << level;
    graph.ruler();
    graph.curve(m_curve.points, QPen(SharedConstants::laneColour(currentGraph()), kCurvePenWidth));
    if (currentGraph() == 1 && !print) {
        drawn << graph.markerLabels({MarkerLabel{m_curve.startX, kStartLabelTop, tr("Start")}}, drawn,
                                    m_curve.points, kCurvePenWidth);
    }
    setLabels(drawn);
}
