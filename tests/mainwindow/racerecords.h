#pragma once

#include <algorithm>
#include <tuple>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "devices/measurementfile.h"
#include "mainwindow/programpaths.h"

// What a race left behind, read back as an official would find it: the result files by name and content,
// the race log's lines and the meet server's posts.
namespace RaceRecords
{

// The server's posts from the log line `skip` on, in order: "participation seqno value info" per result
// and "happening <event;round;heat;start>".
inline QStringList posts(const QString &path, int skip = 0)
{
    QFile log(path);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression field(
        QStringLiteral("(?:^|&)(participation|seqno|value|info|data)=([^&]*)"));
    QStringList shown;
    const QStringList lines = QString::fromLatin1(log.readAll()).split(u'\n', Qt::SkipEmptyParts).mid(skip);
    for (const QString &line : lines) {
        QStringList values;
        for (const QRegularExpressionMatch &match : field.globalMatch(line.section(u'\t', 3)))
            values << match.captured(2);
        const bool happening = line.section(u'\t', 1, 1) == QLatin1String("/new_whatishappening");
        shown << (happening ? QStringLiteral("happening ") : QString()) + values.join(u' ').trimmed();
    }
    return shown;
}

// A valid reaction posted reads R, so that the expectations need no simulator timing.
inline QStringList plainReactions(QStringList posted)
{
    static const QRegularExpression reaction(QStringLiteral("^(\\d+ \\d+) 0\\.\\d{3}$"));
    for (QString &line : posted)
        line.replace(reaction, QStringLiteral("\\1 R"));
    return posted;
}

// The results of one race as posted: lanes with a participation (ids per lane from 1, empty for none), a
// plain reaction unless named in `odd`.
inline QStringList racePosts(const QStringList &ids, int seqno, const QString &heat,
                             const QMap<int, QString> &odd = {})
{
    QStringList expected;
    for (int lane = 1; lane <= ids.size(); ++lane) {
        if (!ids[lane - 1].isEmpty())
            expected << QStringLiteral("%1 %2 %3").arg(ids[lane - 1]).arg(seqno).arg(odd.value(lane, "R"));
    }
    return expected << QStringLiteral("happening %1;%2").arg(heat).arg(seqno);
}

// The race log's lines as "label Lane".
inline QStringList raceLogLines()
{
    QFile log(ProgramPaths::raceLogPath());
    if (!log.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    for (const QByteArray &line : log.readAll().split('\n').mid(1)) {
        if (!line.isEmpty())
            lines << QString::fromUtf8(line.split('\t').value(2) + ' ' + line.split('\t').value(3));
    }
    return lines;
}

inline QStringList raceLogBlock(const QString &label, int lanes)
{
    QStringList lines;
    for (int lane = 1; lane <= lanes; ++lane)
        lines << QStringLiteral("%1 L%2").arg(label).arg(lane);
    return lines;
}

// The saved files of a folder without their date and time, oldest race first and each race's .vq1 before
// its .vq2 (two files of one race may carry the same clock tick): "race_..._h1_s1.vq1".
inline QStringList savedNames(const QString &folder)
{
    static const QRegularExpression stamp(
        QStringLiteral("_\\d{2}-\\d{2}-\\d{4}_\\d{2}-\\d{2}-\\d{2}(_\\d+)?\\."));
    struct Saved {
        QString name; // without date and time
        QString race; // that name without its extension
        qint64 racedAt = 0;
    };
    QList<Saved> saved;
    QMap<QString, qint64> firstOfRace;
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.vq1"), QStringLiteral("*.vq2")}, QDir::Files);
    for (const QFileInfo &file : files) {
        const QString name = file.fileName().replace(stamp, QStringLiteral("."));
        const QString race = name.section(u'.', 0, -2);
        const qint64 at = file.lastModified().toMSecsSinceEpoch();
        firstOfRace[race] = firstOfRace.contains(race) ? qMin(firstOfRace[race], at) : at;
        saved.append({name, race, 0});
    }
    for (Saved &file : saved)
        file.racedAt = firstOfRace[file.race];
    std::sort(saved.begin(), saved.end(), [](const Saved &a, const Saved &b) {
        return std::tie(a.racedAt, a.race, a.name) < std::tie(b.racedAt, b.race, b.name);
    });
    QStringList names;
    for (const Saved &file : saved)
        names << file.name;
    return names;
}

// What the one saved file matching the pattern says of its race: "label h s" and per lane "bib status",
// with " reaction" when `reactions` asks for it ("-" for none).
inline QStringList savedRace(const QString &folder, const QString &pattern, bool reactions = false)
{
    const QStringList found = QDir(folder).entryList({pattern}, QDir::Files);
    if (found.size() != 1)
        return {QStringLiteral("%1 files %2").arg(found.size()).arg(pattern)};
    QFile file(QDir(folder).filePath(found.constFirst()));
    MeasurementFile measurement;
    if (!file.open(QIODevice::ReadOnly) || !measurement.read(file.readAll()))
        return {QStringLiteral("unreadable")};
    const RaceHeader &header = measurement.raceHeader();
    QStringList race{QStringLiteral("%1 h%2 s%3").arg(header.raceLabel).arg(header.heat).arg(header.start)};
    for (const auto &block : measurement.takeBlocks()) {
        QString lane = QStringLiteral("%1 %2").arg(block->participantId()).arg(block->participationStatus());
        if (reactions) {
            const CStartBlockMeasurement *m = block->measurement();
            const bool none =
                !m || m->reactionIsNoValue() || m->reactionTimeRaw() == CStartBlockMeasurement::kReactionNone;
            lane += none ? QStringLiteral(" -") : QStringLiteral(" %1").arg(m->reactionTimeMs());
        }
        race << lane;
    }
    return race;
}

inline QStringList expectedRace(const QString &label, const QStringList &bibs,
                                const QMap<int, int> &statuses = {})
{
    QStringList race{label};
    for (int lane = 1; lane <= bibs.size(); ++lane)
        race << QStringLiteral("%1 %2").arg(bibs.value(lane - 1)).arg(statuses.value(lane, 1));
    return race;
}

inline QString bibs(const QList<CStartBlock *> &blocks)
{
    QStringList texts;
    for (const CStartBlock *block : blocks)
        texts << block->participantId();
    return texts.join(u',');
}

} // namespace RaceRecords
