#pragma once

#include <QtGlobal>

// What Ready and the results read from the lanes of a race: the participations that race and those that
// go back to ACTIVE. Whether a race had a false start is its run's to say (RaceRun).
namespace RaceEvaluation
{

// The lane races (ACTIVE, DQ or RUP): DQ is decided on a race run.
bool races(int participationStatus);
// The participation after a race without a false start: RUP always, DNS and DQ unless chosen during the
// race, go back to ACTIVE.
int participationAfterRace(int status, bool dnsChosen, bool dqChosen);

} // namespace RaceEvaluation
