// Saving of race results by the main window: the two measurement files of every race, the race log,
// the race text file, the File actions Save and Open, and the race comment. Naming, formats and writing
// live in RaceFiles and RaceLog.
#include "mainwindow/mainwindow.h"

#include <QDebug>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include "core/quellorapp.h"
#include "core/sharedconstants.h"
#include "core/utilities.h"
#include "devices/measurementfile.h"
#include "mainwindow/programpaths.h"
#include "outputs/printrecord.h"
#include "outputs/raceresults.h"
#include "ui_mainwindow.h"
#include "views/notelabel.h"
#include "views/sharelayout.h"
#include "views/startblockslayoutwidget.h"

namespace
{

QString measurementFilter()
{
    return QLatin1String(SharedConstants::kExtensionReactionFile);
}

const QString kGivenUpLabel = QStringLiteral("lblGivenUpGraphs");
const QString kStatusFieldsName = QStringLiteral("statusFields");
constexpr int kStatusFieldSpacing = 6; // as between the status bar's own widgets

} // namespace

QLabel *MainWindow::statusField(const QString &name)
{
    if (auto *label = findChild<QLabel *>(name))
        return label;
    // the fields share the status bar: each shows its start and ends in "…" when the bar is too narrow
    auto *fields = statusBar()->findChild<QWidget *>(kStatusFieldsName, Qt::FindDirectChildrenOnly);
    if (!fields) {
        fields = new QWidget(statusBar());
        fields->setObjectName(kStatusFieldsName);
        (new ShareLayout(fields))->setSpacing(kStatusFieldSpacing);
        statusBar()->addPermanentWidget(fields);
    }
    auto *label = new NoteLabel(fields);
    label->setObjectName(name);
    fields->layout()->addWidget(label);
    return label;
}

QString MainWindow::raceFileName() const
{
    return BuildRaceFileName();
}

QString MainWindow::BuildRaceFileName() const
{
    return raceIdentity().fileBaseName;
}

bool MainWindow::HasResultToPrint() const
{
    return RaceResults::anyRacingReaction(startBlocks());
}

// ---------------------------------------------------------------------------------------------------
// after every race

void MainWindow::OnSaveResultsFile(ResultsDataType type, bool printing_allowed, quint64 run)
{
    const std::optional<RaceIdentity> race = identityOfRun(run);
    if (!race) {
        // a test's run: the live view shows its graphs; nothing is kept, printed, posted or numbered
        enableGraphViews(type);
        RaceFiles::resetRequestLogs(coordinator(), startBlocks());
        return;
    }
    rememberRacedHeat(*race);
    const RaceSnapshot snapshot = takeRaceSnapshot(type, printing_allowed, *race);
    if (type == ResultsSoundGraphs) {
        // the race's last file: what it lacks is settled now, never before
        m_gapsNote.settle(race->raceInfoText, race->heat, race->start, snapshot.lacking);
        m_gapsSettled = true;
        refreshResultsLabel();
    }
    publishRace(snapshot, *race);
    RaceFiles::resetRequestLogs(coordinator(), startBlocks());
    m_pendingSaves.append(snapshot);
    // a save waiting for the operator's answer takes this one on when it is done
    if (m_saving)
        return;
    m_saving = true;
    while (!m_pendingSaves.isEmpty())
        saveRace(m_pendingSaves.takeFirst());
    m_saving = false;
}

RaceHeader MainWindow::raceHeaderOf(const RaceIdentity &race) const
{
    RaceHeader header;
    header.raceLabel = race.raceLabel;
    header.heat = race.heat;
    header.start = race.start;
    header.starterName = m_settings.starterName;
    header.falseStartLimit = m_startBlockSettings.iaafTime;
    header.comment = m_comment;
    return header;
}

RaceSnapshot MainWindow::takeRaceSnapshot(ResultsDataType type, bool printing, const RaceIdentity &race)
{
    const HeldLanesInPlace lanes(race.held, startBlocks());
    return RaceFiles::snapshot(type, printing, QDateTime::currentDateTime(), raceHeaderOf(race),
                               race.fileBaseName, race.raceLogLabel, coordinator(), startBlocks());
}

// Printed and posted as the results come, from the lanes as the race had them: a box that holds up the
// files meanwhile changes neither.
void MainWindow::publishRace(const RaceSnapshot &snapshot, const RaceIdentity &race)
{
    const bool printerOption =
        m_settings.printerOption == PrintResults || m_settings.printerOption == PrintResultsAndGraphs;
    if (!m_settings.printers.isEmpty() && snapshot.printing && printerOption && snapshot.hasResultToPrint)
        printRace(race, nullptr);
    if (snapshot.type == ResultsReactionGraphs)
        postRaceResults(race);
}

void MainWindow::saveRace(const RaceSnapshot &race)
{
    m_resultsSaved = true;
    ui->pgbResultsSaved->setValue(ui->pgbResultsSaved->maximum());
    const QString path = freeMeasurementPath(race);
    if (writeMeasurementFile(path, race.measurementFile, false))
        showResultsSaved(race.type);
    else // the graphs are there even though their file is not
        enableGraphViews(race.type);
    if (race.type == ResultsReactionGraphs) {
        qDebug() << "Saved to" << path;
        return;
    }
    SetFileHidden(path);
    const QString logPath = ProgramPaths::raceLogPath();
    AppendTabLog(logPath, race);
    SetFileHidden(logPath);
    if (m_mode == ModeAdministratorFull && race.soundGraphHeld) {
        const QString textPath = RaceFiles::textFilePath(path);
        WriteRaceTextFile(textPath, race);
        SetFileHidden(textPath);
    }
}

QString MainWindow::freeMeasurementPath(const RaceSnapshot &race)
{
    const QString planned =
        RaceFiles::measurementPath(m_settings.resultsDir, race.baseName, race.when, race.type);
    const QString path = RaceFiles::freePath(planned);
    if (path != planned)
        QMessageBox::warning(this, tr("Warning"),
                             tr("File %1 already exists, save as %2").arg(planned, path));
    return path;
}

bool MainWindow::writeMeasurementFile(const QString &path, const std::optional<QByteArray> &bytes,
                                      bool mayReplace)
{
    QString reason = tr("The set has more start blocks than a measurement file holds");
    if (bytes && RaceFiles::write(path, *bytes, mayReplace, &reason))
        return true;
    QMessageBox box(QMessageBox::Critical, tr("Save"), tr("Unable to open file %1.").arg(path),
                    QMessageBox::Ok, this);
    box.setInformativeText(reason);
    box.exec();
    return false;
}

void MainWindow::showResultsSaved(ResultsDataType type)
{
    m_resultsSavedShown = true;
    refreshResultsLabel();
    ui->pgbResultsSaved->setStyleSheet(SharedConstants::greenProgressStyle());
    enableGraphViews(type);
}

void MainWindow::enableGraphViews(ResultsDataType type)
{
    m_laneLayout->allGraphsButton()->setEnabled(true);
    if (type == ResultsSoundGraphs)
        m_laneLayout->allSoundsButton()->setEnabled(true);
}

void MainWindow::refreshResultsLabel()
{
    const char *text =
        m_resultsSavedShown ? SharedConstants::kResultsSaved : SharedConstants::kReadingResults;
    ui->lblResultsSaved->setText(SharedConstants::translatedGlobal(QLatin1String(text)));
    // what the race saved last lacks, in the status bar
    const QString lacking = m_gapsSettled ? m_gapsNote.text() : QString();
    if (!lacking.isEmpty()) {
        QLabel *label = statusField(kGivenUpLabel);
        label->setText(lacking);
        label->show();
    } else if (auto *label = findChild<QLabel *>(kGivenUpLabel)) {
        label->clear();
        label->hide();
    }
}

void MainWindow::AppendTabLog(const QString &logPath, const RaceSnapshot &race)
{
    QString reason;
    if (RaceLog::append(logPath, race.lanes, race.when, race.raceLogLabel, &reason))
        return;
    QMessageBox box(QMessageBox::Warning, tr("Warning"), tr("Unable to open file %1").arg(logPath),
                    QMessageBox::Ok, this);
    box.setInformativeText(reason);
    box.exec();
}

void MainWindow::WriteRaceTextFile(const QString &path, const RaceSnapshot &race)
{
    const QByteArray text = RaceLog::raceTextFile(QFileInfo(path).completeBaseName(), race.when,
                                                  race.coordinatorClockMs, race.lanes);
    QString reason;
    if (RaceFiles::write(path, text, true, &reason))
        return;
    QMessageBox box(QMessageBox::Warning, tr("Warning"), tr("Unable to open file %1").arg(path),
                    QMessageBox::Ok, this);
    box.setInformativeText(reason);
    box.exec();
}

// ---------------------------------------------------------------------------------------------------
// File actions and the comment

bool MainWindow::SaveMeasurementFile(const QString &path)
{
    const auto bytes = [this] {
        const RaceIdentity race = raceIdentity();
        const HeldLanesInPlace lanes(race.held, startBlocks());
        return RaceFiles::measurementBytes(raceHeaderOf(race), coordinator(), startBlocks());
    };
    return writeMeasurementFile(path, bytes(), true);
}

void MainWindow::on_action_Save_triggered()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save measurement"), m_settings.savePath,
                                                      tr("QLR measurements (*.%1)").arg(measurementFilter()),
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty()) {
        storeFolder(SettingsKeys::kSavePath, m_settings.savePath, path);
        const bool overwrite =
            !QFileInfo::exists(path) ||
            QMessageBox::question(this, tr("Save"),
                                  tr("%1 exists. Are you sure you want to overwrite it?").arg(path),
                                  QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
        if (overwrite)
            SaveMeasurementFile(path);
    }
    if (CCoordinator *unit = coordinator())
        unit->ClearQuestionLog();
    for (CStartBlock *block : startBlocks())
        block->ClearQuestionLog();
}

void MainWindow::storeFolder(const char *key, QString &setting, const QString &filePath)
{
    const QString folder = QFileInfo(filePath).absolutePath();
    setting = folder;
    if (QuellorApp *app = QuellorApp::Instance())
        app->SetSetting(QString::fromLatin1(SettingsKeys::kGroupGeneral), QString::fromLatin1(key), folder);
}

void MainWindow::OnBtnCommentAddClicked()
{
    QInputDialog dialog(this);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(tr("Add comment"));
    dialog.setLabelText(tr("Comment:"));
    dialog.resize(width() / 2, height() / 4);
    if (dialog.exec() == QDialog::Accepted)
        m_comment = dialog.textValue();
}
