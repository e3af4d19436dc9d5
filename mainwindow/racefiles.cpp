#include "mainwindow/racefiles.h"

#include <algorithm>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "core/sharedconstants.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "devices/measurementfile.h"
#include "outputs/raceresults.h"

namespace
{

constexpr char kTextFileExtension[] = "vqt";

} // namespace

namespace RaceFiles
{

RaceSnapshot snapshot(ResultsDataType type, bool printing, const QDateTime &when, const RaceHeader &header,
                      const QString &baseName, const QString &raceLogLabel, const CCoordinator *coordinator,
                      const QList<CStartBlock *> &blocks)
{
    RaceSnapshot race;
    race.type = type;
    race.printing = printing;
    race.when = when;
    race.baseName = baseName;
    race.raceLogLabel = raceLogLabel;
    race.measurementFile = measurementBytes(header, coordinator, blocks);
    race.hasResultToPrint = RaceResults::anyRacingReaction(blocks);
    race.soundGraphHeld = std::any_of(blocks.cbegin(), blocks.cend(), [](const CStartBlock *block) {
        return block->measurement() && block->measurement()->hasSoundGraph();
    });
    race.lanes = RaceLog::listedLanes(blocks);
    race.lacking = RaceGapsNote::lacking(blocks);
    if (coordinator)
        race.coordinatorClockMs = qint64(coordinator->statusField18());
    return race;
}

std::optional<QByteArray> measurementBytes(const RaceHeader &header, const CCoordinator *coordinator,
                                           const QList<CStartBlock *> &blocks)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!MeasurementFile::write(&buffer, header, coordinator, blocks))
        return std::nullopt;
    return buffer.data();
}

void resetRequestLogs(CCoordinator *coordinator, const QList<CStartBlock *> &blocks)
{
    if (coordinator)
        coordinator->ClearQuestionLog();
    for (CStartBlock *block : blocks) {
        block->CountAnsweredQuestions();
        block->ClearQuestionLog();
    }
}

QString measurementPath(const QString &resultsDir, const QString &baseName, const QDateTime &when,
                        ResultsDataType type)
{
    const char *extension = type == ResultsReactionGraphs ? SharedConstants::kExtensionReactionFile
                                                          : SharedConstants::kExtensionSoundFile;
    const QString name = QStringLiteral("%1_%2_%3.%4")
                             .arg(baseName, when.toString(QStringLiteral("dd-MM-yyyy")),
                                  when.toString(QStringLiteral("hh-mm-ss")), QLatin1String(extension));
    return QDir(resultsDir).filePath(name);
}

QString freePath(const QString &path)
{
    if (!QFileInfo::exists(path))
        return path;
    const QFileInfo file(path);
    const QString stem = QDir(file.path()).filePath(file.completeBaseName());
    QString free;
    for (int counter = 1;; ++counter) {
        free = QStringLiteral("%1_%2.%3").arg(stem).arg(counter).arg(file.suffix());
        if (!QFileInfo::exists(free))
            return free;
    }
}

QString textFilePath(const QString &measurementPath)
{
    const QFileInfo file(measurementPath);
    return QDir(file.path())
        .filePath(file.completeBaseName() + QLatin1Char('.') + QLatin1String(kTextFileExtension));
}

bool write(const QString &path, const QByteArray &bytes, bool mayReplace, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    // the name was free when chosen; a file that took it since stays as it is
    if (!mayReplace && QFileInfo::exists(path)) {
        *error = QCoreApplication::translate("RaceFiles", "Another file took this name meanwhile");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace RaceFiles
