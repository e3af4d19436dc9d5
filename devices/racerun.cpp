#include "devices/racerun.h"

#include <algorithm>

#include "core/sharedtypes.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"

bool RaceRun::isFalseStart(quint16 reaction, quint16 falseStartLimit, int participationStatus)
{
    if (reaction == CStartBlockMeasurement::kReactionNoValue ||
        reaction == CStartBlockMeasurement::kReactionNone)
        return false;
    const bool races = participationStatus == ParticipationActive || participationStatus == ParticipationDq ||
                       participationStatus == ParticipationRup;
    return races && int(qint16(reaction)) < int(falseStartLimit);
}

bool RaceRun::isFalseStart(const CStartBlock &block)
{
    const CStartBlockMeasurement *measurement = block.measurement();
    return measurement &&
           isFalseStart(measurement->reactionTimeRaw(), block.falseStartLimit(), block.participationStatus());
}

void RaceRun::markFalseStart()
{
    if (!isSaved())
        m_falseStart = true;
}

bool RaceRun::takeReactionSave()
{
    if (m_reactionSave || isSaved())
        return false;
    m_reactionSave = true;
    return true;
}

bool RaceRun::takeSoundSave()
{
    if (isSaved())
        return false;
    m_phase = Phase::Saved;
    return true;
}

void RaceRun::advanceTo(Phase phase)
{
    // Saved is the last phase: nothing moves a saved run
    m_phase = std::max(m_phase, phase);
}
