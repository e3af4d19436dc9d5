#include "views/graphcurves.h"

#include "devices/cstartblockmeasurement.h"

namespace GraphCurves
{

namespace
{
constexpr int kHeadroom = 30; // the scale always leaves room above the trigger level
constexpr quint16 kLoudLevel = 511;
constexpr int kLoudLevelShown = 255;
} // namespace

ReactionCurve reactionCurve(const ReactionGraph &graph, quint8 lane, quint16 falseStartLimit)
{
    ReactionCurve curve;
    if (graph.samples.isEmpty())
        return curve;
    curve.loaded = true;
    curve.lane = lane;
    curve.sampleCount = graph.sampleCount;
    curve.startX = graph.startIndex;
    curve.limitX = graph.startIndex + falseStartLimit;
    curve.reactionX = quint16(graph.startIndex + graph.reactionPosition);
    int offset = graph.offset;
    int sensitivity = graph.sensitivity;
    if (graph.sampleWidth == 1) {
        offset >>= kNarrowShift;
        sensitivity >>= kNarrowShift;
    }
    const qint64 peak = GraphGeometry::curvePeak(graph.samples, graph.sampleWidth, graph.sampleCount,
                                                 offset + sensitivity + kHeadroom);
    curve.scale = GraphGeometry::scaleForPeak(peak);
    curve.offsetLevel = GraphGeometry::scaled(offset, curve.scale.factor);
    curve.triggerLevel = GraphGeometry::scaled(offset + sensitivity, curve.scale.factor);
    curve.points =
        GraphGeometry::curvePoints(graph.samples, graph.sampleWidth, graph.sampleCount, curve.scale);
    return curve;
}

int soundLevel(quint16 level, int sampleWidth)
{
    if (sampleWidth == 1)
        return level > kLoudLevel ? kLoudLevelShown : quint8(level / 2);
    return level / 2;
}

int soundLevelLabel(quint16 level)
{
    return level > kLoudLevel ? kLoudLevelShown : level / 2;
}

SoundCurve soundCurve(const SoundGraph &sound, quint8 lane)
{
    SoundCurve curve;
    if (sound.samples.isEmpty())
        return curve;
    curve.loaded = true;
    curve.lane = lane;
    curve.sampleCount = sound.sampleCount;
    curve.startX = sound.item2;
    const int level = soundLevel(sound.item5, sound.sampleWidth);
    const qint64 peak =
        GraphGeometry::curvePeak(sound.samples, sound.sampleWidth, sound.sampleCount, level + kHeadroom);
    curve.scale = GraphGeometry::scaleForPeak(peak);
    curve.level = GraphGeometry::scaled(level, curve.scale.factor);
    curve.points =
        GraphGeometry::curvePoints(sound.samples, sound.sampleWidth, sound.sampleCount, curve.scale);
    return curve;
}

} // namespace GraphCurves
