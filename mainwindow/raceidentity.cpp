#include "mainwindow/raceidentity.h"

#include <QSignalBlocker>

#include "devices/cstartblock.h"

namespace
{

RaceLane laneOf(const CStartBlock &block)
{
    return {block.lane(), block.participantId(), block.participantName(), block.participantInfo(),
            block.participationStatus()};
}

void putLane(CStartBlock &block, const RaceLane &lane)
{
    const QSignalBlocker quiet(&block);
    block.SetParticipantId(lane.participantId);
    block.SetParticipantName(lane.participantName);
    block.SetParticipantInfo(lane.participantInfo);
    block.setParticipationStatus(lane.status);
}

} // namespace

QList<RaceLane> RaceIdentity::lanesOf(const QList<CStartBlock *> &blocks)
{
    QList<RaceLane> lanes;
    for (const CStartBlock *block : blocks)
        lanes << laneOf(*block);
    return lanes;
}

HeldLanesInPlace::HeldLanesInPlace(const std::optional<HeldLanes> &held, const QList<CStartBlock *> &blocks)
{
    if (!held)
        return;
    for (CStartBlock *block : blocks) {
        for (const RaceLane &lane : held->lanes) {
            if (lane.lane != block->lane())
                continue;
            m_present.append({block, laneOf(*block)});
            putLane(*block, lane);
            break;
        }
    }
}

HeldLanesInPlace::~HeldLanesInPlace()
{
    for (const Present &present : std::as_const(m_present)) {
        if (present.block)
            putLane(*present.block, present.lane);
    }
}
