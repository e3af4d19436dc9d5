// Whole races in the main window against the device simulator on a pseudo-terminal, with the real timers:
// numbering, the two measurement files of each race read back, the race log and the race text file, an
// unwritable results folder, a name clash with a save request arriving while its box waits, the waiting
// notice after a settings change, and a link lost in the middle of a race.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "../core/apptestenvironment.h"
#include "core/quellorapp.h"
#include "core/sharedconstants.h"
#include "devices/cserialcomthread.h"
#include "devices/measurementfile.h"
#include "mainwindow/mainwindow.h"
#include "views/startblockmeasurementwidget.h"
#include "mainwindow/programpaths.h"
#include "modalanswerer.h"
#include "simwindow.h"
#include "sim/devicesimulator.h"
#include "testnetwork.h"
#include "views/startblockslayoutwidget.h"

namespace
{

constexpr int kSetupMs = 40000;
constexpr int kRaceMs = 45000;
constexpr int kSyncOffsetMs = 4; // what a synchronised simulator block reports
const QList<int> kSoundDelays{10, 11, -201};
const QString kBusySettings = "BUSY, wait until all settings are distributed.";

QString s_results; // the results folder of the run

// Runs a checking function and ends the test when it failed.
#define QVERIFY_DONE(call)                                                                                   \
    do {                                                                                                     \
        call;                                                                                                \
        if (QTest::currentTestFailed())                                                                      \
            return;                                                                                          \
    } while (false)

template<typename T>
T *part(MainWindow *window, const char *name)
{
    return window->findChild<T *>(name);
}

QStringList resultFiles(const QString &pattern)
{
    return QDir(s_results).entryList({pattern}, QDir::Files, QDir::Name);
}

std::unique_ptr<MeasurementFile> readBack(const QString &name)
{
    QFile file(QDir(s_results).filePath(name));
    auto measurement = std::make_unique<MeasurementFile>();
    if (!file.open(QIODevice::ReadOnly) || !measurement->read(file.readAll()))
        return nullptr;
    return measurement;
}

QDateTime stampOf(const QString &name)
{
    static const QRegularExpression stamp(R"(_(\d\d-\d\d-\d{4}_\d\d-\d\d-\d\d)(_\d+)?\.vq.$)");
    return QDateTime::fromString(stamp.match(name).captured(1), "dd-MM-yyyy_hh-mm-ss");
}

} // namespace

class TstRaceWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void threeRacesAreNumberedSavedAndLogged();
    void savingSurvivesAnUnwritableFolderAClashAndARequestMeanwhile();
    void readyWaitsForTheSettingsAndALostLinkLosesNothing();

private:
    // The simulator's devices in the window; the coordinator's clock noted at each sound-graph save.
    void attach();
    bool waitUntilReady();
    bool race(const std::function<void()> &ready);
    void clickReady() { part<QPushButton>(window, "btnReady")->click(); }
    // each lane row's reaction text and whether it shows a false start
    QString laneTexts() const
    {
        QStringList texts;
        for (const StartBlockMeasurementWidget *row : window->laneRows()) {
            const auto *time = row->findChild<QLabel *>("lblReactionTime");
            texts << time->text() << (time->property("alarm").toBool() ? "alarm" : "-");
        }
        return texts.join(' ');
    }
    QString text(const char *name) { return part<QLineEdit>(window, name)->text(); }
    // Checks the three files of one race (heat 1) and appends the race log lines it should have added.
    void checkRace(const QString &base, const QList<std::optional<int>> &reactions, int start,
                   QByteArray &raceLog);

    std::unique_ptr<DeviceSimulator> sim;
    MainWindow *window = nullptr;
    qint64 coordinatorClockMs = 0; // the coordinator's clock at the last sound-graph save
};

void TstRaceWindow::init()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    QDir(s_results).removeRecursively();
    QDir().mkpath(s_results);
    QFile::remove(ProgramPaths::raceLogPath());
    SimScenario scenario = SimScenario::standard(3);
    scenario.autoStartDelayMs = 300;
    for (int i = 0; i < 3; ++i) {
        scenario.lanes[i].reactionMs = 150 + 20 * i;
        scenario.lanes[i].soundDelayMs = kSoundDelays[i];
    }
    sim = std::make_unique<DeviceSimulator>(scenario);
    if (!sim->start())
        QSKIP("no pseudo-terminal");
    window = MainWindow::instance();
    window->OnToggleApplicationMode(ModeAdministratorFull);
    attach();
}

void TstRaceWindow::cleanup()
{
    delete window;
    window = nullptr;
    sim.reset();
}

void TstRaceWindow::attach()
{
    attachSimulatorToWindow(window, *sim);
    CCoordinator *unit = window->coordinator();
    connect(window->serialComThread(), &CSerialComThread::save_results_file, this,
            [this, unit](ResultsDataType type) {
                if (type == ResultsSoundGraphs)
                    coordinatorClockMs = qint64(unit->statusField18());
            });
}

bool TstRaceWindow::waitUntilReady()
{
    return QTest::qWaitFor(
        [this] {
            return window->busyNotice().isEmpty() && part<QPushButton>(window, "btnReady")->isEnabled();
        },
        kSetupMs);
}

bool TstRaceWindow::race(const std::function<void()> &ready)
{
    QSignalSpy saved(window->serialComThread(), &CSerialComThread::save_results_file);
    ready();
    return QTest::qWaitFor([&] { return saved.count() >= 2; }, kRaceMs);
}

void TstRaceWindow::checkRace(const QString &base, const QList<std::optional<int>> &reactions, int start,
                              QByteArray &raceLog)
{
    const QStringList files = resultFiles(base + "_*");
    QCOMPARE(files.size(), 3);
    for (const QString &file : files)
        QVERIFY2(QRegularExpression("^" + base + R"(_\d\d-\d\d-\d{4}_\d\d-\d\d-\d\d\.vq[12t]$)")
                     .match(file)
                     .hasMatch(),
                 qPrintable(file));
    const std::unique_ptr<MeasurementFile> reactionFile = readBack(files[0]), soundFile = readBack(files[1]);
    QVERIFY(reactionFile && soundFile && soundFile->blockCount() == 3 && soundFile->hasCoordinator());
    const RaceHeader header = soundFile->raceHeader();
    const QString label = base.section('_', 1, 1);
    QCOMPARE(QStringList({header.raceLabel, header.starterName}), QStringList({label, "Starter 1"}));
    QCOMPARE(QList<int>({header.heat, header.start, header.falseStartLimit}), QList<int>({1, start, 100}));
    const auto afterReactions = reactionFile->takeBlocks(), afterSounds = soundFile->takeBlocks();
    const QDateTime when = stampOf(files[1]);
    QString starts = QString("Start:\t%1\t").arg(coordinatorClockMs / 1000), sounds = "Sound:\t\t",
            differences = "Difference:\t\t";
    for (int i = 0; i < 3; ++i) {
        const CStartBlockMeasurement *first = afterReactions[i]->measurement(),
                                     *last = afterSounds[i]->measurement();
        const bool reacted = reactions[i].has_value();
        QVERIFY(!first->hasSoundGraph() && first->hasGraph() == reacted && last->hasSoundGraph() == reacted);
        const quint16 reaction = last->reactionTimeRaw();
        QVERIFY2(reacted ? reaction == quint16(*reactions[i]) : (reaction == 0x6FFF || reaction == 0x7FFF),
                 qPrintable(QString::number(reaction, 16)));
        // the race log counts the requests of the first file's log, taken at the first save
        const QList<PACKET_LOG> &log = afterReactions[i]->requestLog();
        const auto answered =
            std::count_if(log.cbegin(), log.cend(), [](const PACKET_LOG &e) { return e.replyTime; });
        QString line = QString("%1\t%2\trace_%3_h1_s%4\tL%5\t")
                           .arg(when.date().toString(Qt::TextDate), when.time().toString(Qt::TextDate), label)
                           .arg(start)
                           .arg(i + 1);
        const auto &sound = last->soundGraph().items7To10;
        if (reacted) {
            QCOMPARE(qint32(sound[1] - sound[0]), kSoundDelays[i]);
            line += QString("%1\t%2\t%3\t%4\t%5\t")
                        .arg(kSoundDelays[i])
                        .arg(QStringList{"OK", "FALSE", "NONE"}[i])
                        .arg(kSyncOffsetMs)
                        .arg(log.size())
                        .arg(answered);
        }
        raceLog += (line + (reacted ? "" : "\t\t\t\t\t") + "\r\n").toUtf8();
        starts += reacted ? QString("%1\t").arg(sound[0]) : "\t";
        sounds += reacted ? QString("%1\t").arg(sound[1]) : "\t";
        differences += reacted ? QString("%1\t").arg(-kSoundDelays[i]) : "\t";
    }
    QFile textFile(QDir(s_results).filePath(files[2]));
    QVERIFY(textFile.open(QIODevice::ReadOnly));
    QCOMPARE(QString(textFile.readAll()),
             QString("# %1\t%2\n\tCU\tSM1\tSM2\tSM3\t\n%3\n%4\n%5\n")
                 .arg(QFileInfo(files[2]).completeBaseName(), when.toString("dd-MM-yyyy - hh:mm:ss"), starts,
                      sounds, differences));
}

void TstRaceWindow::threeRacesAreNumberedSavedAndLogged()
{
    QCOMPARE(text("txtRaceInfo"), QString("11"));
    QVERIFY(waitUntilReady());
    // the coordinator asks for Ready itself
    QVERIFY(race([this] { sim->requestReady(); }));
    QCOMPARE(QStringList({text("txtRaceInfo"), text("txtHeatInfo"), text("txtStartInfo")}),
             QStringList({"12", "1", "1"}));
    QCOMPARE(part<QLabel>(window, "lblResultsSaved")->text(), QString("Results Saved"));
    QCOMPARE(part<QProgressBar>(window, "pgbResultsSaved")->styleSheet(),
             SharedConstants::greenProgressStyle());
    QVERIFY(window->laneLayoutWidget()->allSoundsButton()->isEnabled());
    ModalAnswerer graphs;
    graphs.answer(QDialogButtonBox::Ok);
    graphs.answer(QDialogButtonBox::Ok);
    window->laneLayoutWidget()->allGraphsButton()->click();
    window->laneLayoutWidget()->allSoundsButton()->click();
    QCOMPARE(graphs.pending(), 0);
    QByteArray log;
    QVERIFY_DONE(checkRace("race_12_h1_s1", {150, 170, 190}, 1, log));

    // a false start in lane 2: the next Ready keeps race and heat and raises the start
    sim->setLaneReaction(1, 60);
    QVERIFY(race([this] { clickReady(); }));
    QCOMPARE(text("txtRaceInfo"), QString("13"));
    QVERIFY_DONE(checkRace("race_13_h1_s1", {150, 60, 190}, 1, log));
    QCOMPARE(laneTexts(), QString("150ms - 60ms alarm 190ms -"));
    sim->setLaneReaction(1, 170);
    sim->setLaneReaction(2, std::nullopt); // lane 3 never leaves its block
    QVERIFY(race([this] { clickReady(); }));
    QCOMPARE(QStringList({text("txtRaceInfo"), text("txtStartInfo")}), QStringList({"13", "2"}));
    QVERIFY_DONE(checkRace("race_13_h1_s2", {150, 170, std::nullopt}, 2, log));
    QCOMPARE(laneTexts(), QString("150ms - 170ms -  -")); // no reaction: nothing shown

    QFile raceLog(ProgramPaths::raceLogPath());
    QVERIFY(raceLog.open(QIODevice::ReadOnly));
    // line by line, so a difference names its line
    QCOMPARE(raceLog.readAll().split('\n'),
             ("Date\tHour\tRace Name\tLane\tDiff(ms)\tResult\tSync Diff\tPacket TX\tPacket RX\r\n" + log)
                 .split('\n'));
}

void TstRaceWindow::savingSurvivesAnUnwritableFolderAClashAndARequestMeanwhile()
{
    QVERIFY(waitUntilReady());
    // a file where the results folder should be: nothing can be written there
    QVERIFY(QDir(s_results).removeRecursively());
    QFile blocker(s_results);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ModalAnswerer answerer;
    for (int box = 0; box < 3; ++box)
        answerer.answer(QDialogButtonBox::Ok);
    QVERIFY(race([this] { clickReady(); }));
    QCOMPARE(answerer.seen.size(), 3);
    const QRegularExpression unable("^Unable to open file " + QRegularExpression::escape(s_results) +
                                    R"(/race_12_h1_s1_[\d_-]+\.(vq1\.|vq2\.|vqt)$)");
    for (const ModalAnswerer::Seen &box : answerer.seen)
        QVERIFY2(unable.match(box.text).hasMatch(), qPrintable(box.text));
    QCOMPARE(QStringList({answerer.seen[0].title, answerer.seen[2].title}), QStringList({"Save", "Warning"}));
    QCOMPARE(part<QLabel>(window, "lblResultsSaved")->text(), QString("Reading Results:"));
    QCOMPARE(part<QProgressBar>(window, "pgbResultsSaved")->styleSheet(),
             SharedConstants::redProgressStyle());
    // the graphs came, even though their files could not be written
    QVERIFY(window->laneLayoutWidget()->allGraphsButton()->isEnabled());
    QVERIFY(window->laneLayoutWidget()->allSoundsButton()->isEnabled());

    // the folder is back: the next race saves
    QVERIFY(QFile::remove(s_results) && QDir().mkpath(s_results));
    QVERIFY(race([this] { clickReady(); }));
    QCOMPARE(resultFiles("race_13_h1_s1_*").size(), 3);
    QCOMPARE(part<QLabel>(window, "lblResultsSaved")->text(), QString("Results Saved"));

    // two reaction-graph saves in one second clash; the sound-graph save that comes while the warning waits
    // is written once, after it
    CSerialComThread *serial = window->serialComThread();
    const quint64 run = window->lastRaceRun()->id(); // as the serial object names the race's saves
    const int now = QTime::currentTime().second();   // a second of their own, after the race's files
    QTRY_VERIFY_WITH_TIMEOUT(QTime::currentTime().second() != now, 2000);
    emit serial->save_results_file(ResultsReactionGraphs, false, run);
    const QString first = resultFiles("*.vq1").last();
    int soundFilesMeanwhile = -1;
    answerer.answer(QDialogButtonBox::Ok, QString(), [&] {
        emit serial->save_results_file(ResultsSoundGraphs, false, run);
        soundFilesMeanwhile = int(resultFiles("*.vq2").size());
    });
    emit serial->save_results_file(ResultsReactionGraphs, false, run);
    const QString second = QFileInfo(first).completeBaseName() + "_1.vq1";
    QCOMPARE(answerer.seen.last().title, QString("Warning"));
    QCOMPARE(answerer.seen.last().text,
             QString("File %1 already exists, save as %2")
                 .arg(QDir(s_results).filePath(first), QDir(s_results).filePath(second)));
    QCOMPARE(resultFiles("race_13_h1_s1_*.vq1"), QStringList({resultFiles("*.vq1")[0], first, second}));
    QCOMPARE(soundFilesMeanwhile, 1);
    QCOMPARE(resultFiles("*.vq2").size(), 2);
    QFile raceLog(ProgramPaths::raceLogPath());
    QVERIFY(raceLog.open(QIODevice::ReadOnly));
    QCOMPARE(raceLog.readAll().count('\n'), 1 + 3 * 3);
}

void TstRaceWindow::readyWaitsForTheSettingsAndALostLinkLosesNothing()
{
    QVERIFY(waitUntilReady());
    // a settings change the blocks have not had yet: each is sent audio channel 5 and waited on in turn
    window->startBlockCommonSettings().audioChannel = 5;
    QTRY_COMPARE_WITH_TIMEOUT(window->busyNotice(), kBusySettings + "\nWaiting on SB 1", kSetupMs);
    QVERIFY(!part<QPushButton>(window, "btnReady")->isEnabled());
    QVERIFY(waitUntilReady());
    for (CStartBlock *block : window->startBlocks())
        QCOMPARE(int(block->audioChannel()), 5);

    // the simulator stops answering after the start and answers again once every block shows its link lost
    QSignalSpy started(sim.get(), &DeviceSimulator::raceStarted);
    clickReady();
    QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, kRaceMs);
    sim->setReplyLossRate(1.0);
    const auto linkOfAll = [this](int state) {
        const QList<CStartBlockMeasurement *> lanes = window->chosenSet().measurements();
        return std::all_of(lanes.cbegin(), lanes.cend(),
                           [state](const CStartBlockMeasurement *m) { return m->linkState() == state; });
    };
    QTRY_VERIFY_WITH_TIMEOUT(linkOfAll(LinkLost), kRaceMs);
    sim->setReplyLossRate(0.0);
    QTRY_VERIFY_WITH_TIMEOUT(linkOfAll(LinkGood) && window->serialComThread()->isPolling(), kRaceMs);
    QVERIFY(waitUntilReady());
    QVERIFY(race([this] { clickReady(); }));
    QCOMPARE(resultFiles(window->BuildRaceFileName() + "_*").size(), 3);
}

int main(int argc, char **argv)
{
    AppTestEnvironment environment;
    QTemporaryDir results;
    if (!environment.isValid() || !results.isValid())
        return 1;
    s_results = results.filePath("results");
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    ProjectSettings settings = QuellorApp::Instance()->projectSettings();
    settings.raceNumber = 11;
    settings.resultsDir = s_results;
    QuellorApp::Instance()->setProjectSettings(settings);
    TstRaceWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_racewindow.moc"
