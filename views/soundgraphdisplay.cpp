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
    const GraphLabel laneLabel =
        graph.laneLabel(print ? QStringLiteral("L%1").arg(lane) : tr("Lane %1").arg(lane), print);
    graph.marker(m_curve.startX, kStartColour);
    graph.levelLine(m_curve.level, QPen(kLevelColour));
    graph.ruler();
    graph.curve(m_curve.points, QPen(SharedConstants::laneColour(currentGraph()), kCurvePenWidth));
    QList<LevelLabel> levels;
    if (currentGraph() == 1 && totalGraphs() == 1)
        levels << LevelLabel{m_curve.level, tr("Sensitivity")};
    QList<MarkerLabel> markers;
    if (currentGraph() == 1 && !print)
        markers << MarkerLabel{m_curve.startX, kStartLabelTop, tr("Start")};
    setLabels(QList<GraphLabel>{laneLabel} +
              graph.labels(levels, markers, {laneLabel}, m_curve.points, kCurvePenWidth));
}
