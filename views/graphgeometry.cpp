#include "views/graphgeometry.h"

#include <algorithm>

#include "devices/deviceitems.h"

namespace GraphGeometry
{

namespace
{
constexpr qint64 kPeakMargin = 10;
constexpr qint64 kLargestUnsquashedPeak = 499;
constexpr int kSquashedRange = 500;
constexpr double kMinZoom = 0.25;
constexpr double kMaxZoom = 4.0;
constexpr int kRulerStep = 10;
} // namespace

quint32 sampleAt(const QByteArray &samples, int index, int width)
{
    if ((width != 1 && width != 2 && width != 4) || index < 0)
        return 0;
    const qsizetype offset = qsizetype(index) * width;
    if (offset + width > samples.size())
        return 0;
    const auto *bytes = reinterpret_cast<const unsigned char *>(samples.constData()) + offset;
    return quint32(DeviceItems::bigEndian(bytes, width));
}

qint64 curvePeak(const QByteArray &samples, int width, int count, qint64 floor)
{
    qint64 peak = 0;
    for (int i = 0; i < count; ++i) {
        const qint64 sample = sampleAt(samples, i, width);
        if (sample > peak)
            peak = sample + kPeakMargin;
    }
    return std::max(peak, floor);
}

CurveScale scaleForPeak(qint64 peak)
{
    if (peak > kLargestUnsquashedPeak)
        return {float(double(peak) / double(kSquashedRange)), kSquashedRange};
    return {1.0f, int(peak)};
}

int scaled(qint64 value, float factor)
{
    return factor > 0.0f ? int(float(value) / factor) : 0;
}

QList<QPoint> curvePoints(const QByteArray &samples, int width, int count, const CurveScale &scale)
{
    QList<QPoint> points;
    points.reserve(std::max(count, 0));
    for (int i = 0; i < count; ++i)
        points << QPoint(i, scale.yRange - scaled(sampleAt(samples, i, width), scale.factor));
    return points;
}

double pixelsPerUnit(int pixels, int range)
{
    return range > 0 ? double(pixels) / range : 0.0;
}

int markerX(int position, double xs)
{
    return int((position - 1) * xs);
}

int levelY(int level, int height, double ys)
{
    return int(height - level * ys);
}

QPoint plotted(const QPoint &point, double xs, double ys)
{
    return QPoint(int(point.x() * xs), int(point.y() * ys));
}

int rulerTickX(int tick, double xs)
{
    return int(kRulerStep * tick * xs);
}

int rulerTickLength(int tick)
{
    if (tick % 10 == 0)
        return 12;
    return tick % 5 == 0 ? 8 : 5;
}

ZoomStep zoomStep(double zoom, double factor)
{
    if (factor == 0.0)
        return {zoom, false};
    const double next = zoom / factor;
    if (next > kMinZoom && next < kMaxZoom)
        return {next, true};
    return {zoom, false};
}

int scrollAfterZoom(int value, int pageStep, double factor)
{
    return qRound(factor * value + (factor - 1.0) * pageStep / 2.0);
}

QPoint cursorReadout(const QPoint &mouse, const QSize &display, int yRange, int sampleCount, int startX)
{
    if (display.width() <= 0 || display.height() <= 0)
        return {};
    const int h = display.height();
    const int y = int(double(h - mouse.y()) / h * yRange);
    const qint16 x = qint16(int(double(mouse.x()) / display.width() * sampleCount));
    return QPoint(x - (startX - 1), y);
}

} // namespace GraphGeometry
