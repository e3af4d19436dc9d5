#pragma once

#include <optional>

#include <QList>

class CStartBlock;

// What the printed results read of a race's blocks. A block without a measurement has no reaction and
// no signal.
namespace RaceResults
{

// Participation ACTIVE or RUP.
bool isRacing(const CStartBlock *block);
// The reaction in ms; none for either of the two no-reaction markers.
std::optional<int> reaction(const CStartBlock *block);
// The reaction graph's peak above its base level; none without a graph.
std::optional<int> signal(const CStartBlock *block);
// The smallest reaction among the racing blocks; none when no racing block has one.
std::optional<int> bestReaction(const QList<CStartBlock *> &blocks);
bool anyRacingGraph(const QList<CStartBlock *> &blocks);
bool anyRacingReaction(const QList<CStartBlock *> &blocks);

} // namespace RaceResults
