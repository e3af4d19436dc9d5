#pragma once

#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include "core/sharedtypes.h"
#include "mainwindow/racegapsnote.h"
#include "mainwindow/racelog.h"

class CCoordinator;
class CStartBlock;
struct RaceHeader;

// A race's results as they stood when the serial object announced them. Saving writes from this copy, so
// a box that waits for the operator meanwhile changes nothing of what goes to disk.
struct RaceSnapshot {
    ResultsDataType type = ResultsReactionGraphs;
    bool printing = false;
    QDateTime when;
    QString baseName;                          // "race_12_h1_s1"
    std::optional<QByteArray> measurementFile; // none when the set is too large for the format
    bool hasResultToPrint = false;
    bool soundGraphHeld = false; // some block holds a sound graph
    QString raceLogLabel;
    QList<RaceLogLane> lanes;
    std::optional<qint64> coordinatorClockMs;
    QList<RaceGapsNote::Lane> lacking; // what the racing lanes' file is without
};

// Names and writes the files of a saved race.
namespace RaceFiles
{

RaceSnapshot snapshot(ResultsDataType type, bool printing, const QDateTime &when, const RaceHeader &header,
                      const QString &baseName, const QString &raceLogLabel, const CCoordinator *coordinator,
                      const QList<CStartBlock *> &blocks);
// The measurement file of the race as the devices hold it; none when the set is too large for the format.
std::optional<QByteArray> measurementBytes(const RaceHeader &header, const CCoordinator *coordinator,
                                           const QList<CStartBlock *> &blocks);
// After each save: the blocks count their answered requests, then every request log starts empty.
void resetRequestLogs(CCoordinator *coordinator, const QList<CStartBlock *> &blocks);

// "<results>/race_12_h1_s1_09-12-2025_14-03-07.vq1" (".vq2" for the sound graphs).
QString measurementPath(const QString &resultsDir, const QString &baseName, const QDateTime &when,
                        ResultsDataType type);
// The path itself when no file has it, else the first free "<name>_1.<ext>", "<name>_2.<ext>", ...
QString freePath(const QString &path);
// The race text file beside the measurement file: the same name with ".vqt".
QString textFilePath(const QString &measurementPath);

// Writes the whole file or nothing (the old one stays); an existing file is replaced only when allowed.
bool write(const QString &path, const QByteArray &bytes, bool mayReplace, QString *error);

} // namespace RaceFiles
