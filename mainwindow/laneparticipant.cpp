#include "mainwindow/laneparticipant.h"

#include "devices/cstartblock.h"
#include "meet/participation.h"
#include "meet/participationsmodel.h"

namespace LaneParticipant
{

const Participation *forLane(const ParticipationsModel &model, quint8 lane)
{
    for (const Participation *participation : model.participations()) {
        if (participation && participation->initialorder == lane)
            return participation;
    }
    return nullptr;
}

void fillFromMeet(CStartBlock &block, const ParticipationsModel &model)
{
    if (!block.participantName().isEmpty())
        return;
    const Participation *participation = forLane(model, block.lane());
    if (!participation)
        return;
    // the lane shows the bib; the participation's id stays in the model for the result posts
    block.SetParticipantId(participation->firstBib());
    block.SetParticipantName(participation->displayText());
    block.SetParticipantInfo(participation->info);
}

} // namespace LaneParticipant
