#pragma once

#include <QList>
#include <QtGlobal>

class CStartBlock;

// What Ready and the results read from the blocks of a race: false starts, the participations that go
// back to ACTIVE, whether there is a result to print, and the two orders of the lane rows.
namespace RaceEvaluation
{

// 6F FF (no value) and 7F FF ("None").
bool isNoReaction(quint16 reaction);
// The lane races (ACTIVE, DQ or RUP): DQ is decided on a race run.
bool races(int participationStatus);
// A reaction below the lane's limit in a lane that races (ACTIVE, DQ or RUP); equal to the limit is valid.
bool isFalseStart(quint16 reaction, quint16 falseStartLimit, int participationStatus);
// The blocks with a false start, in list order.
QList<CStartBlock *> falseStartBlocks(const QList<CStartBlock *> &blocks);
// The participation after a race without a false start: RUP always, DNS and DQ unless chosen during the
// race, go back to ACTIVE.
int participationAfterRace(int status, bool dnsChosen, bool dqChosen);

} // namespace RaceEvaluation
