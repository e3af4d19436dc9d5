#pragma once

#include <QFont>
#include <QList>
#include <QPoint>
#include <QSize>

#include "views/graphtheme.h"

class QColor;
class QPainter;
class QPen;
class QString;

// The drawing steps that the reaction and the sound graph share, at one display's scales.
class GraphPainter
{
public:
    static constexpr int kPrintPenWidth = 16;

    GraphPainter(QPainter &painter, const QSize &size, double xs, double ys, const GraphTheme &theme);

    // Screen: the text in the theme's colour at the top left; print: in black in the 96-point font.
    void laneLabel(const QString &text, bool print);
    // A vertical line at a position of the time axis, over the whole height.
    void marker(int position, const QColor &colour, int penWidth = 1);
    // Text in the theme's colour whose left edge sits half its width left of the position's x.
    void centredLabel(int position, int top, const QString &text);
    void printStartLabel(int position, const QString &text);
    // A horizontal line at a level in graph units; a label, when given, sits on it at the left edge.
    void levelLine(int level, const QPen &pen, const QString &label = QString());
    void ruler();
    void curve(const QList<QPoint> &points, const QPen &pen);

private:
    void drawText(const QRect &box, const QString &text, const QColor &colour, const QFont &font);

    QPainter &m_painter;
    QSize m_size;
    double m_xs;
    double m_ys;
    GraphTheme m_theme;
    QFont m_font;
    QFont m_printFont;
};
