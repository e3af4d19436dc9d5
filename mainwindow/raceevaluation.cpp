#include "mainwindow/raceevaluation.h"

#include <algorithm>

#include <QDebug>

#include "core/sharedtypes.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"

namespace RaceEvaluation
{

bool isNoReaction(quint16 reaction)
{
    return reaction == CStartBlockMeasurement::kReactionNoValue ||
           reaction == CStartBlockMeasurement::kReactionNone;
}

bool races(int participationStatus)
{
    return participationStatus == ParticipationActive || participationStatus == ParticipationDq ||
           participationStatus == ParticipationRup;
}

bool isFalseStart(quint16 reaction, quint16 falseStartLimit, int participationStatus)
{
    if (isNoReaction(reaction))
        return false;
    return races(participationStatus) && int(qint16(reaction)) < int(falseStartLimit);
}

QList<CStartBlock *> falseStartBlocks(const QList<CStartBlock *> &blocks)
{
    QList<CStartBlock *> found;
    for (CStartBlock *block : blocks) {
        const CStartBlockMeasurement *measurement = block ? block->measurement() : nullptr;
        if (!measurement || isNoReaction(measurement->reactionTimeRaw()))
            continue;
        const int reaction = measurement->reactionTimeMs();
        qDebug() << "React " << reaction;
        if (isFalseStart(measurement->reactionTimeRaw(), block->falseStartLimit(),
                         block->participationStatus())) {
            qDebug() << "VQ by lane " << block->lane() << " time: " << reaction;
            found << block;
        }
    }
    return found;
}

int participationAfterRace(int status, bool dnsChosen, bool dqChosen)
{
    switch (status) {
    case ParticipationRup:
        qDebug() << "Reset widget DQ Pending to active";
        return ParticipationActive;
    case ParticipationDns:
        if (dnsChosen)
            return status;
        qDebug() << "Reset widget DNS to active";
        return ParticipationActive;
    case ParticipationDq:
        if (dqChosen)
            return status;
        qDebug() << "Reset widget DQ to active";
        return ParticipationActive;
    default:
        return status;
    }
}

} // namespace RaceEvaluation
