#pragma once

#include <QtGlobal>

class CStartBlock;
class Participation;
class ParticipationsModel;

// The athlete of the chosen meet heat in a lane, found by the participation's initial order.
namespace LaneParticipant
{

// The first participation, in row order, whose initial order is the lane; null when there is none.
const Participation *forLane(const ParticipationsModel &model, quint8 lane);
// A lane without a participant name gets the bib, name and info of its participation.
void fillFromMeet(CStartBlock &block, const ParticipationsModel &model);

} // namespace LaneParticipant
