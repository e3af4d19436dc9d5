#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QtGlobal>

// The arithmetic of the reaction and sound graphs: sample values, the peak search and the vertical
// scale, the mapping of graph units to pixels, the ruler, zoom steps and the cursor read-out. One
// sample is one millisecond on the time axis.
namespace GraphGeometry
{

inline constexpr int kDefaultXRange = 800;
inline constexpr int kDefaultYRange = 400;
inline constexpr int kRulerTicks = 80;

// Vertical scale of one curve: graph unit = sample / factor, y range in graph units.
struct CurveScale {
    float factor = 1.0f;
    int yRange = 0;
};

// Sample i of a big-endian buffer; 0 for widths other than 1, 2 and 4 and past the buffer's end.
quint32 sampleAt(const QByteArray &samples, int index, int width);
// The peak search: a sample above the peak makes the peak that sample + 10; at least floor.
qint64 curvePeak(const QByteArray &samples, int width, int count, qint64 floor);
// Peaks above 499 are squeezed into 500 graph units; lower ones are drawn 1:1.
CurveScale scaleForPeak(qint64 peak);
int scaled(qint64 value, float factor);
// One point per sample: (i, y range - scaled sample).
QList<QPoint> curvePoints(const QByteArray &samples, int width, int count, const CurveScale &scale);

// Pixels per graph unit; 0 for an empty range, so nothing is ever divided by zero.
double pixelsPerUnit(int pixels, int range);
int markerX(int position, double xs);
int levelY(int level, int height, double ys);
QPoint plotted(const QPoint &point, double xs, double ys);
int rulerTickX(int tick, double xs);
int rulerTickLength(int tick); // 12 every tenth tick, 8 every fifth, else 5

// A zoom value is the inverse of the magnification; the panel may not shrink or grow past 4 times.
struct ZoomStep {
    double zoom = 1.0;
    bool allowed = false;
};
ZoomStep zoomStep(double zoom, double factor);
// A scroll bar's value after the content grew by factor, keeping the view's centre in place.
int scrollAfterZoom(int value, int pageStep, double factor);
// Cursor read-out "x,y": ms relative to the start and graph units above the bottom edge.
QPoint cursorReadout(const QPoint &mouse, const QSize &display, int yRange, int sampleCount, int startX);

} // namespace GraphGeometry
