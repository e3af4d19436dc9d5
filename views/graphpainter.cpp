#include "views/graphpainter.h"

#include <algorithm>

#include <QPainter>
#include <QLine>

#include "views/graphgeometry.h"

namespace
{
constexpr int kPrintPointSize = 96;
constexpr int kLabelBox = 14;
constexpr int kPrintLabelBox = 149;
constexpr int kPrintStartShift = 35; // the big "Start" sits a little left of its marker
constexpr int kPrintStartTop = 5;
constexpr int kRulerGap = 2; // between the ends of the longest ticks and the lane's label
const QRect kLaneLabelBox(QPoint(1, 25), QPoint(15, 39));
const QRect kPrintLaneLabelBox(QPoint(1, 25), QPoint(150, 174));
} // namespace

GraphPainter::GraphPainter(QPainter &painter, const QSize &size, double xs, double ys,
                           const GraphTheme &theme)
    : m_painter(painter), m_size(size), m_xs(xs), m_ys(ys), m_theme(theme), m_font(painter.font()),
      m_printFont(theme.fontFamily, kPrintPointSize, QFont::Normal)
{
    m_font.setFamily(theme.fontFamily);
    m_painter.setFont(m_font);
}

QRect GraphPainter::drawText(const QRect &box, const QString &text, const QColor &colour, const QFont &font)
{
    m_painter.setFont(font);
    m_painter.setPen(colour);
    const QRect drawn = m_painter.boundingRect(box, Qt::AlignLeft, text);
    m_painter.drawText(drawn, Qt::AlignLeft, text);
    m_painter.setFont(m_font);
    return drawn;
}

GraphLabel GraphPainter::laneLabel(const QString &text, bool print)
{
    QRect box = print ? kPrintLaneLabelBox : kLaneLabelBox;
    box.moveTop(std::max(box.top(), rulerBand().bottom() + kRulerGap));
    if (print)
        return {text, drawText(box, text, Qt::black, m_printFont)};
    return {text, drawText(box, text, m_theme.fontColour, m_font)};
}

void GraphPainter::marker(int position, const QColor &colour, int penWidth)
{
    const int x = GraphGeometry::markerX(position, m_xs);
    m_painter.setPen(QPen(colour, penWidth));
    m_painter.drawLine(x, 0, x, m_size.height());
}

void GraphPainter::printStartLabel(int position, const QString &text)
{
    const int x = int((position - 1) * m_xs - kPrintStartShift);
    m_painter.setFont(m_printFont);
    m_painter.setPen(QPen(Qt::black, kPrintPenWidth));
    QRect box = m_painter.boundingRect(
        QRect(QPoint(x, kPrintStartTop), QPoint(x + kPrintLabelBox, kPrintStartTop + kPrintLabelBox)),
        Qt::AlignLeft, text);
    box.translate(-box.width() / 2, 0);
    m_painter.drawText(box, Qt::AlignLeft, text);
    m_painter.setPen(QPen(Qt::black, 1));
    m_painter.setFont(m_font);
}

void GraphPainter::levelLine(int level, const QPen &pen)
{
    const int y = GraphGeometry::levelY(level, m_size.height(), m_ys);
    m_painter.setPen(pen);
    m_painter.drawLine(0, y, m_size.width(), y);
}

void GraphPainter::ruler()
{
    m_painter.setPen(m_theme.fontColour);
    for (int tick = 0; tick < GraphGeometry::kRulerTicks; ++tick) {
        const int x = GraphGeometry::rulerTickX(tick, m_xs);
        m_painter.drawLine(x, 0, x, int(GraphGeometry::rulerTickLength(tick) * m_ys));
    }
}

QRect GraphPainter::rulerBand() const
{
    const int longestTick = GraphGeometry::rulerTickLength(0);
    return QRect(0, 0, m_size.width(), int(longestTick * m_ys) + 1);
}

QList<QPoint> GraphPainter::plottedCurve(const QList<QPoint> &points) const
{
    QList<QPoint> plotted;
    plotted.reserve(points.size());
    for (const QPoint &point : points)
        plotted.append(GraphGeometry::plotted(point, m_xs, m_ys));
    return plotted;
}

void GraphPainter::curve(const QList<QPoint> &points, const QPen &pen)
{
    // The polyline goes out as its segments: the raster engine strokes one wide polyline as a single
    // self-overlapping outline, about 25 times slower than the same segments, whose caps cover the joints.
    QList<QLine> segments;
    segments.reserve(points.size());
    QPoint previous;
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QPoint next = GraphGeometry::plotted(points.at(i), m_xs, m_ys);
        if (i > 0 && next != previous)
            segments << QLine(previous, next);
        previous = next;
    }
    m_painter.setPen(pen);
    m_painter.drawLines(segments);
}

QSize GraphPainter::textSize(const QString &text) const
{
    return m_painter.boundingRect(QRect(0, 0, kLabelBox, kLabelBox), Qt::AlignLeft, text).size();
}

QList<GraphLabel> GraphPainter::labels(const QList<LevelLabel> &levels, const QList<MarkerLabel> &markers,
                                       const QList<GraphLabel> &drawn, const QList<QPoint> &curve,
                                       int penWidth)
{
    QStringList texts;
    QList<QList<QRect>> places;
    for (const LevelLabel &label : levels) {
        texts << label.text;
        places << GraphLabels::levelPlaces(textSize(label.text),
                                           GraphGeometry::levelY(label.level, m_size.height(), m_ys), m_size);
    }
    for (const MarkerLabel &label : markers) {
        texts << label.text;
        places << GraphLabels::markerPlaces(textSize(label.text),
                                            GraphGeometry::markerX(label.position, m_xs), label.top, m_size);
    }
    QList<QRect> obstacles{rulerBand()};
    for (const GraphLabel &label : drawn)
        obstacles.append(label.box);
    const QList<QRect> boxes = GraphLabels::place(
        places, obstacles, GraphLabels::curveColumns(plottedCurve(curve), m_size.width(), penWidth));
    QList<GraphLabel> placed;
    m_painter.setPen(m_theme.fontColour);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        m_painter.drawText(boxes.at(i), Qt::AlignLeft, texts.at(i));
        placed.append({texts.at(i), boxes.at(i)});
    }
    return placed;
}
