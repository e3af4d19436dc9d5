#include "views/graphpainter.h"

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

void GraphPainter::drawText(const QRect &box, const QString &text, const QColor &colour, const QFont &font)
{
    m_painter.setFont(font);
    m_painter.setPen(colour);
    m_painter.drawText(m_painter.boundingRect(box, Qt::AlignLeft, text), Qt::AlignLeft, text);
    m_painter.setFont(m_font);
}

void GraphPainter::laneLabel(const QString &text, bool print)
{
    if (print)
        drawText(kPrintLaneLabelBox, text, Qt::black, m_printFont);
    else
        drawText(kLaneLabelBox, text, m_theme.fontColour, m_font);
}

void GraphPainter::marker(int position, const QColor &colour, int penWidth)
{
    const int x = GraphGeometry::markerX(position, m_xs);
    m_painter.setPen(QPen(colour, penWidth));
    m_painter.drawLine(x, 0, x, m_size.height());
}

void GraphPainter::centredLabel(int position, int top, const QString &text)
{
    const int x = GraphGeometry::markerX(position, m_xs);
    m_painter.setPen(m_theme.fontColour);
    QRect box = m_painter.boundingRect(QRect(QPoint(x, top), QPoint(x + kLabelBox, top + kLabelBox)),
                                       Qt::AlignLeft, text);
    box.translate(-box.width() / 2, 0);
    m_painter.drawText(box, Qt::AlignLeft, text);
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

void GraphPainter::levelLine(int level, const QPen &pen, const QString &label)
{
    const int y = GraphGeometry::levelY(level, m_size.height(), m_ys);
    m_painter.setPen(pen);
    m_painter.drawLine(0, y, m_size.width(), y);
    if (label.isEmpty())
        return;
    m_painter.setPen(m_theme.fontColour);
    QRect box =
        m_painter.boundingRect(QRect(QPoint(0, y), QPoint(kLabelBox, y + kLabelBox)), Qt::AlignLeft, label);
    box.translate(0, -box.height());
    m_painter.drawText(box, Qt::AlignLeft, label);
}

void GraphPainter::ruler()
{
    m_painter.setPen(m_theme.fontColour);
    for (int tick = 0; tick < GraphGeometry::kRulerTicks; ++tick) {
        const int x = GraphGeometry::rulerTickX(tick, m_xs);
        m_painter.drawLine(x, 0, x, int(GraphGeometry::rulerTickLength(tick) * m_ys));
    }
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
