#include "views/graphdisplay.h"

#include <QPainter>

#include "core/sharedconstants.h"
#include "devices/cstartblock.h"
#include "views/graphpainter.h"

namespace
{
const QColor kStartColour(192, 15, 15);
const QColor kLimitColour(255, 128, 0);
const QColor kReactionColour(150, 170, 0);
const QColor kTriggerColour(255, 102, 0);
constexpr int kCurvePenWidth = 3;
constexpr int kFirstLabelTop = 20;
constexpr int kReactionLabelTop = 30;
} // namespace

GraphDisplay::GraphDisplay(QWidget *parent) : CurveDisplay(parent) {}

void GraphDisplay::setStartBlock(CStartBlock *startBlock, unsigned short currentGraph,
                                 unsigned short totalGraphs)
{
    const CStartBlockMeasurement *measurement = startBlock ? startBlock->measurement() : nullptr;
    if (!measurement || !measurement->hasGraph()) {
        m_curve.lane = 0;
        return;
    }
    m_curve =
        GraphCurves::reactionCurve(measurement->graph(), startBlock->lane(), startBlock->falseStartLimit());
    setLoaded(currentGraph, totalGraphs, m_curve.sampleCount, m_curve.startX);
    SetRange(m_curve.sampleCount, m_curve.scale.yRange);
}

void GraphDisplay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!drawsCurve(painter, m_curve.loaded, false))
        return;
    const bool print = isPrinted();
    GraphPainter graph(painter, size(), xScale(), yScale(), theme());
    const int lane = m_curve.lane;
    const GraphLabel laneLabel =
        graph.laneLabel(print ? QStringLiteral("L%1").arg(lane) : tr("Lane %1").arg(lane), print);
    graph.marker(m_curve.startX, kStartColour, print ? GraphPainter::kPrintPenWidth : 1);
    if (currentGraph() == 1 && print)
        graph.printStartLabel(m_curve.startX, tr("Start"));
    if (!print) {
        graph.marker(m_curve.limitX, kLimitColour);
        graph.marker(m_curve.reactionX, kReactionColour);
    }
    QList<LevelLabel> levels;
    if (totalGraphs() == 1) {
        graph.levelLine(m_curve.offsetLevel, QPen(theme().fontColour, 1, Qt::DotLine));
        levels << LevelLabel{m_curve.offsetLevel, tr("Offset")};
        if (!print) {
            graph.levelLine(m_curve.triggerLevel, QPen(kTriggerColour));
            levels << LevelLabel{m_curve.triggerLevel, tr("Sensitivity")};
        }
    }
    if (!print)
        graph.ruler();
    const int penWidth = print ? GraphPainter::kPrintPenWidth : kCurvePenWidth;
    graph.curve(m_curve.points,
                QPen(print ? QColor(Qt::black) : SharedConstants::laneColour(currentGraph()), penWidth));
    QList<MarkerLabel> markers;
    if (!print && currentGraph() == 1) {
        markers << MarkerLabel{m_curve.startX, kFirstLabelTop, tr("Start")}
                << MarkerLabel{m_curve.limitX, kFirstLabelTop, tr("IAAF time")};
    }
    if (!print)
        markers << MarkerLabel{m_curve.reactionX, kReactionLabelTop, tr("Reaction time")};
    setLabels(QList<GraphLabel>{laneLabel} +
              graph.labels(levels, markers, {laneLabel}, m_curve.points, penWidth));
}
