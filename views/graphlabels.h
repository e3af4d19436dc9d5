#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// A text a display drew and where.
struct GraphLabel {
    QString text;
    QRect box;
};

// A marker's label: its text, the marker's place on the time axis and the top it would like.
struct MarkerLabel {
    int position = 0;
    int top = 0;
    QString text;
};

// A level line's label: the line's level in graph units and its text.
struct LevelLabel {
    int level = 0;
    QString text;
};

// Where the graphs' labels go: each one as near its wanted place as it can be without covering
// another label or lying under the curve. Everything is in the display's pixels.
namespace GraphLabels
{

// The rows a drawn curve covers in one pixel column, its pen included; empty where it has none.
struct Span {
    int top = 0;
    int bottom = -1;
    bool isEmpty() const { return bottom < top; }
};

// Per pixel column of a display width pixels wide, what the polyline through the points covers when
// drawn with a pen penWidth wide.
QList<Span> curveColumns(const QList<QPoint> &points, int width, int penWidth);
bool underCurve(const QRect &box, const QList<Span> &columns);

// Where a marker's label may go, best first: centred on the marker, then beside it on the right and on
// the left, each as near the wanted top as the area allows. Every place lies inside the area when the
// label fits into it.
QList<QRect> markerPlaces(const QSize &text, int markerX, int top, const QSize &area);

// Where a level line's label may go, best first: directly above the line at the left edge, then lifted
// a little or moved right along the line, then just below it.
QList<QRect> levelPlaces(const QSize &text, int lineY, const QSize &area);

// For each label in order, its first place that is clear of the labels placed before it, of the
// obstacles and of the curve; else its first place clear of the labels and obstacles; else its first.
QList<QRect> place(const QList<QList<QRect>> &places, const QList<QRect> &obstacles,
                   const QList<Span> &curve);

} // namespace GraphLabels
