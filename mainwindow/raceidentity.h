#pragma once

#include <optional>

#include <QList>
#include <QPointer>
#include <QString>
#include <QtGlobal>

#include "mainwindow/meetselection.h"

class CStartBlock;

// One lane's athlete and participation as its race had them.
struct RaceLane {
    quint8 lane = 0;
    QString participantId;
    QString participantName;
    QString participantInfo;
    int status = 0;
};

// The lanes of a race once the lanes got other participants: the athletes, their statuses and the
// participations the results go to.
struct HeldLanes {
    QList<RaceLane> lanes;
    QList<LaneParticipation> participations;
};

// What names a race, taken once when it is readied: every file, race-log line, ticket and post of the race
// uses it, however long its graphs take. Its lanes follow the blocks until they get other participants.
struct RaceIdentity {
    quint32 raceNumber = 1;
    QString customRaceName;
    QString raceLabel;    // the custom name, or the race number
    QString raceInfoText; // the race field as shown at Ready
    quint16 heat = 1;
    quint16 start = 1;
    QString fileBaseName; // "race_12_h1_s1"
    QString raceLogLabel;
    std::optional<MeetHeat> meetHeat; // none: the race is posted nowhere
    std::optional<HeldLanes> held;
    bool athletesMissing = false; // readied while its heat's athletes had not come: posted nowhere

    static QList<RaceLane> lanesOf(const QList<CStartBlock *> &blocks);
};

// Puts a race's held lanes into the blocks while its outputs are made and gives the blocks their present
// ones back when it goes; nothing is told of either, so the lane rows go on showing the present ones.
class HeldLanesInPlace
{
public:
    HeldLanesInPlace(const std::optional<HeldLanes> &held, const QList<CStartBlock *> &blocks);
    ~HeldLanesInPlace();
    HeldLanesInPlace(const HeldLanesInPlace &) = delete;
    HeldLanesInPlace &operator=(const HeldLanesInPlace &) = delete;

private:
    struct Present {
        QPointer<CStartBlock> block;
        RaceLane lane;
    };
    QList<Present> m_present;
};
