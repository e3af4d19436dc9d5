#pragma once

#include <QFont>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include "views/graphlabels.h"
#include "views/graphtheme.h"

class QColor;
class QPainter;
class QPen;

// The drawing steps that the reaction and the sound graph share, at one display's scales.
class GraphPainter
{
public:
    static constexpr int kPrintPenWidth = 16;

    GraphPainter(QPainter &painter, const QSize &size, double xs, double ys, const GraphTheme &theme);

    // Screen: the text in the theme's colour at the top left; print: in black in the 96-point font. Below
    // the ruler's band where a tall scale makes the long ticks reach that far.
    GraphLabel laneLabel(const QString &text, bool print);
    // A vertical line at a position of the time axis, over the whole height.
    void marker(int position, const QColor &colour, int penWidth = 1);
    void printStartLabel(int position, const QString &text);
    // A horizontal line at a level in graph units.
    void levelLine(int level, const QPen &pen);
    void ruler();
    // The band along the top edge that the ruler's ticks take.
    QRect rulerBand() const;
    void curve(const QList<QPoint> &points, const QPen &pen);
    // Draws the level labels, each on its line at the left edge, and the marker labels, each centred on
    // its marker, where that is free; else as near as they can be without covering the texts drawn so
    // far, the ruler, another label or the curve (drawn penWidth wide).
    QList<GraphLabel> labels(const QList<LevelLabel> &levels, const QList<MarkerLabel> &markers,
                             const QList<GraphLabel> &drawn, const QList<QPoint> &curve, int penWidth);

private:
    QRect drawText(const QRect &box, const QString &text, const QColor &colour, const QFont &font);
    QList<QPoint> plottedCurve(const QList<QPoint> &points) const;
    QSize textSize(const QString &text) const;

    QPainter &m_painter;
    QSize m_size;
    double m_xs;
    double m_ys;
    GraphTheme m_theme;
    QFont m_font;
    QFont m_printFont;
};
