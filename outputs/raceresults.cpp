#include "outputs/raceresults.h"

#include <algorithm>

#include "core/sharedtypes.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"

namespace RaceResults
{

bool isRacing(const CStartBlock *block)
{
    return block && (block->participationStatus() == ParticipationActive ||
                     block->participationStatus() == ParticipationRup);
}

std::optional<int> reaction(const CStartBlock *block)
{
    const CStartBlockMeasurement *measurement = block ? block->measurement() : nullptr;
    if (!measurement || measurement->reactionTimeRaw() == CStartBlockMeasurement::kReactionNone ||
        measurement->reactionIsNoValue())
        return std::nullopt;
    return measurement->reactionTimeMs();
}

std::optional<int> signal(const CStartBlock *block)
{
    const CStartBlockMeasurement *measurement = block ? block->measurement() : nullptr;
    if (!measurement || !measurement->hasGraph())
        return std::nullopt;
    return measurement->ComputeGraphPeak();
}

std::optional<int> bestReaction(const QList<CStartBlock *> &blocks)
{
    std::optional<int> best;
    for (const CStartBlock *block : blocks) {
        const std::optional<int> r = isRacing(block) ? reaction(block) : std::nullopt;
        if (r && (!best || *r < *best))
            best = r;
    }
    return best;
}

bool anyRacingGraph(const QList<CStartBlock *> &blocks)
{
    return std::any_of(blocks.cbegin(), blocks.cend(),
                       [](const CStartBlock *block) { return isRacing(block) && signal(block); });
}

bool anyRacingReaction(const QList<CStartBlock *> &blocks)
{
    return std::any_of(blocks.cbegin(), blocks.cend(),
                       [](const CStartBlock *block) { return isRacing(block) && reaction(block); });
}

} // namespace RaceResults
