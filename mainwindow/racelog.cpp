#include "mainwindow/racelog.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include "core/sharedtypes.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "mainwindow/raceevaluation.h"

namespace
{

constexpr char kLineEnd[] = "\r\n";
constexpr char kNoDataCells[] = "\t\t\t\t\t";
constexpr qint64 kMsPerSecond = 1000;

// the sound's delay after the start, in ms
qint32 soundDelay(const RaceLogLane &lane)
{
    return qint32(lane.soundTime - lane.startTime);
}

} // namespace

namespace RaceLog
{

QList<RaceLogLane> listedLanes(const QList<CStartBlock *> &blocks)
{
    QList<RaceLogLane> lanes;
    for (const CStartBlock *block : blocks) {
        if (!RaceEvaluation::races(block->participationStatus()))
            continue;
        RaceLogLane lane;
        lane.lane = block->lane();
        lane.requestsSent = block->requestsSent();
        lane.requestsAnswered = block->requestsAnswered();
        if (const CStartBlockMeasurement *measurement = block->measurement()) {
            lane.hasData = measurement->hasSoundGraph();
            lane.startTime = measurement->soundGraph().items7To10[0];
            lane.soundTime = measurement->soundGraph().items7To10[1];
            lane.syncValue = qint32(measurement->synchronisationValue());
        }
        lanes << lane;
    }
    return lanes;
}

QString result(qint32 difference)
{
    if (difference >= -5 && difference <= 10)
        return QStringLiteral("OK");
    if (difference >= -200 && difference <= 800)
        return QStringLiteral("FALSE");
    return QStringLiteral("NONE");
}

QByteArray header()
{
    return QByteArrayLiteral(
               "Date\tHour\tRace Name\tLane\tDiff(ms)\tResult\tSync Diff\tPacket TX\tPacket RX") +
           kLineEnd;
}

QByteArray lines(const QList<RaceLogLane> &lanes, const QDateTime &when, const QString &raceLabel)
{
    QString text;
    for (const RaceLogLane &lane : lanes) {
        text += QStringLiteral("%1\t%2\t%3\tL%4\t")
                    .arg(when.date().toString(Qt::TextDate), when.time().toString(Qt::TextDate), raceLabel)
                    .arg(lane.lane);
        if (lane.hasData) {
            const qint32 difference = soundDelay(lane);
            text += QStringLiteral("%1\t").arg(difference) + result(difference) + QLatin1Char('\t');
            text += QStringLiteral("%1\t%2\t%3\t")
                        .arg(lane.syncValue)
                        .arg(lane.requestsSent)
                        .arg(lane.requestsAnswered);
        } else {
            text += QLatin1String(kNoDataCells);
        }
        text += QLatin1String(kLineEnd);
    }
    return text.toUtf8();
}

bool append(const QString &path, const QList<RaceLogLane> &lanes, const QDateTime &when,
            const QString &raceLabel, QString *error)
{
    const bool existed = QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        *error = file.errorString();
        return false;
    }
    const QByteArray bytes = (existed ? QByteArray() : header()) + lines(lanes, when, raceLabel);
    if (file.write(bytes) != bytes.size()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

QByteArray raceTextFile(const QString &completeBaseName, const QDateTime &when,
                        std::optional<qint64> coordinatorClockMs, const QList<RaceLogLane> &lanes)
{
    QString text = QStringLiteral("# %1\t%2 - %3\n")
                       .arg(completeBaseName, when.toString(QStringLiteral("dd-MM-yyyy")),
                            when.toString(QStringLiteral("hh:mm:ss")));
    QString names = QStringLiteral("\tCU\t");
    QString starts =
        QStringLiteral("Start:\t%1\t")
            .arg(coordinatorClockMs ? QString::number(*coordinatorClockMs / kMsPerSecond) : QString());
    QString sounds = QStringLiteral("Sound:\t\t");
    QString differences = QStringLiteral("Difference:\t\t");
    for (const RaceLogLane &lane : lanes) {
        names += QStringLiteral("SM%1\t").arg(lane.lane);
        if (!lane.hasData) {
            starts += QLatin1Char('\t');
            sounds += QLatin1Char('\t');
            differences += QLatin1Char('\t');
            continue;
        }
        starts += QStringLiteral("%1\t").arg(lane.startTime);
        sounds += QStringLiteral("%1\t").arg(lane.soundTime);
        differences += QStringLiteral("%1\t").arg(qint32(lane.startTime - lane.soundTime));
    }
    for (const QString &line : {names, starts, sounds, differences})
        text += line + QLatin1Char('\n');
    return text.toUtf8();
}

} // namespace RaceLog
