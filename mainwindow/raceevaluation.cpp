#include "mainwindow/raceevaluation.h"

#include <QDebug>

#include "core/sharedtypes.h"

namespace RaceEvaluation
{

bool races(int participationStatus)
{
    return participationStatus == ParticipationActive || participationStatus == ParticipationDq ||
           participationStatus == ParticipationRup;
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
