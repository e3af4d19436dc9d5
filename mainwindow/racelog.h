#pragma once

#include <optional>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

class QDateTime;
class CStartBlock;

// One racing lane as the race log and the race text file show it.
struct RaceLogLane {
    quint8 lane = 0;
    bool hasData = false;  // the block holds a sound graph
    quint32 startTime = 0; // sound item 7
    quint32 soundTime = 0; // sound item 8
    qint32 syncValue = 0;
    int requestsSent = 0;
    int requestsAnswered = 0;
};

// The two text side products of a saved race: the race log beside the program, which gains one block of
// tab-separated lines (CR LF) per race, and the race text file beside the measurement file (LF), which
// lines up the coordinator's start with the time each lane heard the start sound.
namespace RaceLog
{

// The blocks that raced (ACTIVE, DQ and RUP), in the set's order.
QList<RaceLogLane> listedLanes(const QList<CStartBlock *> &blocks);
// "OK", "FALSE" or "NONE" for the sound's delay after the start, in ms.
QString result(qint32 difference);

QByteArray header();
QByteArray lines(const QList<RaceLogLane> &lanes, const QDateTime &when, const QString &raceLabel);
// Appends the race, after the header when the file is new; false with the reason when it cannot.
bool append(const QString &path, const QList<RaceLogLane> &lanes, const QDateTime &when,
            const QString &raceLabel, QString *error);

// coordinatorClockMs: the coordinator's status field 18; none without a coordinator (the start stays empty).
QByteArray raceTextFile(const QString &completeBaseName, const QDateTime &when,
                        std::optional<qint64> coordinatorClockMs, const QList<RaceLogLane> &lanes);

} // namespace RaceLog
