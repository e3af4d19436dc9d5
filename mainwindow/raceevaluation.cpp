#include "mainwindow/raceevaluation.h"

#include <algorithm>
#include <limits>
#include <numeric>

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

bool isFalseStart(quint16 reaction, quint16 falseStartLimit, int participationStatus)
{
    if (isNoReaction(reaction))
        return false;
    const bool races = participationStatus == ParticipationActive || participationStatus == ParticipationDq ||
                       participationStatus == ParticipationRup;
    return races && int(qint16(reaction)) < int(falseStartLimit);
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

bool hasResultToPrint(const QList<CStartBlock *> &blocks)
{
    return std::any_of(blocks.cbegin(), blocks.cend(), [](const CStartBlock *block) {
        const int status = block ? block->participationStatus() : 0;
        return (status == ParticipationActive || status == ParticipationRup) && block->measurement() &&
               !isNoReaction(block->measurement()->reactionTimeRaw());
    });
}

QList<int> orderByLane(const QList<CStartBlock *> &blocks)
{
    QList<int> order(blocks.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&blocks](int a, int b) { return blocks[a]->lane() < blocks[b]->lane(); });
    return order;
}

QList<int> orderByReaction(const QList<CStartBlock *> &blocks)
{
    // rows whose measurement holds no reaction graph come last
    const auto key = [&blocks](int index) -> int {
        const CStartBlockMeasurement *measurement = blocks[index]->measurement();
        if (!measurement || !measurement->hasGraph())
            return std::numeric_limits<int>::max();
        return qint16(measurement->graph().reactionPosition);
    };
    QList<int> order(blocks.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&key](int a, int b) { return key(a) < key(b); });
    return order;
}

} // namespace RaceEvaluation
