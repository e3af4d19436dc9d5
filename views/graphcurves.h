#pragma once

#include <QList>
#include <QPoint>
#include <QtGlobal>

#include "views/graphgeometry.h"

struct ReactionGraph;
struct SoundGraph;

// One reaction curve ready to draw. Marker positions are on the time axis (samples) and are never
// scaled; levels are in graph units.
struct ReactionCurve {
    bool loaded = false; // false: the block held no graph samples
    quint8 lane = 0;
    quint16 sampleCount = 0;
    int startX = 0;
    int limitX = 0;    // start + the block's false-start limit
    int reactionX = 0; // start + reaction, a 16-bit sum
    int offsetLevel = 0;
    int triggerLevel = 0; // offset + sensitivity
    GraphGeometry::CurveScale scale;
    QList<QPoint> points;
};

// One sound curve ready to draw.
struct SoundCurve {
    bool loaded = false;
    quint8 lane = 0;
    quint16 sampleCount = 0;
    quint16 startX = 0;
    int level = 0; // the block's sound trigger level, in graph units
    GraphGeometry::CurveScale scale;
    QList<QPoint> points;
};

namespace GraphCurves
{

inline constexpr int kNoReaction = 0x7FFF;
inline constexpr int kNarrowShift = 4; // one-byte reaction samples carry the top bits of the 12-bit levels

ReactionCurve reactionCurve(const ReactionGraph &graph, quint8 lane, quint16 falseStartLimit);
SoundCurve soundCurve(const SoundGraph &sound, quint8 lane);
// The sound level as the curve uses it (one-byte samples keep it to 8 bits) and as the label shows it.
int soundLevel(quint16 level, int sampleWidth);
int soundLevelLabel(quint16 level);

} // namespace GraphCurves
