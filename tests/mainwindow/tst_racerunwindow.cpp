// Each race run is one race, whatever an official and the link do to it: a lane that never reacts, a pull
// in a false-start race, the heat chosen again after a false start, Quit in the middle of a race, the
// built-in tests, a heat chosen between Ready and the gun and the last heat chosen by hand. The real window
// against the device simulator behind a link and the meet server simulator, in the private network
// namespace; each row reads back the files by name and content, the race log and the server's posts.
#include <QAction>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QLabel>
#include <QSlider>
#include <QStatusBar>
#include <QMessageBox>
#include <QTemporaryDir>

#include "../common/modalanswerer.h"
#include "devices/cstartblockmeasurement.h"
#include "dialogs/testhardwaredlg.h"
#include "dialogs/testsynchronisationdlg.h"
#include "meetracefixture.h"
#include "samplemeet.h"
#include "testnetwork.h"

using namespace RaceRecords;
using namespace SampleMeet;

namespace
{

constexpr int kLanes = 3;
constexpr int kWaitMs = MeetRaceFixture::kWaitMs;
constexpr int kFalseStartMs = 72;
// The sample meet's heats by row, as the rows below expect them.
struct SampleHeat {
    QString name;
    int number;
    QString ids;
    QStringList posts;
    QStringList bibs;
};

const QList<SampleHeat> &sampleHeats()
{
    static const QList<SampleHeat> heats{{kHeat1, 1, kHeat1Ids, kHeat1Posts, kHeat1Bibs},
                                         {kHeat2, 2, kHeat2Ids, kHeat2Posts, kHeat2Bibs},
                                         {kFinal, 1, kFinalIds, kFinalPosts, kFinalBibs},
                                         {kRelay, 1, kRelayIds, kRelayPosts, {"", "", "401"}}};
    return heats;
}

} // namespace

class TstRaceRunWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aSilentLaneIsARaceLikeAnyOther_data();
    void aSilentLaneIsARaceLikeAnyOther();
    void aFalseStartStaysWithItsHeat_data();
    void aFalseStartStaysWithItsHeat();
    void quitLetsTheRaceUnderWayFinish_data();
    void quitLetsTheRaceUnderWayFinish();
    void aTestRunIsNoRace();
    void aChoiceBeforeTheGunIsUsedUpByTheRace_data();
    void aChoiceBeforeTheGunIsUsedUpByTheRace();
    void theLastHeatChosenByHandIsRaced();
    void theHeatPickedByHandIsRaced_data();
    void theHeatPickedByHandIsRaced();
    void aRefreshKeepsTheHeatChosen_data();
    void aRefreshKeepsTheHeatChosen();
    void aHeatGoneFromTheServerIsTold();
    void athletesOfAHeatNoLongerShownAreDropped();
    void aRestartGoesOnAtTheHeatsNextStart();
    void athletesThatDidNotComeAreTold_data();
    void athletesThatDidNotComeAreTold();
    void aReadyWhileTheLastIsHandledIsDropped();
    void resultsTheServerMissedAreToldUntilTheNextRaceGetsThrough();

private:
    bool refreshed(const QString &button, int row, const QStringList &bibs);
    // A race at start 1 of the first heat, then one at that start of the second: their files, race-log
    // blocks and posts.
    void checkTwoRaces(const SampleHeat &first, const QMap<int, QString> &firstOdd, const SampleHeat &second,
                       int start);
    // The posts of the whole run so far, valid reactions read as R.
    QStringList postsSoFar() const { return plainReactions(posts(fixture->postLog)); }
    void runHardwareTest(int lanesTested);
    void runSynchronisationTest();

    QTemporaryDir folder;
    std::unique_ptr<MeetRaceFixture> fixture;
};

void TstRaceRunWindow::init()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    fixture = std::make_unique<MeetRaceFixture>(MeetRaceFixture::scenario(kLanes, 300), folder.path(),
                                                QStringLiteral(QUELLOR_MEETSIM_DATA_DIR));
    QVERIFY2(fixture->start(), "the simulators, the folders or the window did not come up");
    QCOMPARE(fixture->blockBibs(), kHeat1Bibs.join(u','));
}

void TstRaceRunWindow::cleanup()
{
    fixture.reset();
}

void TstRaceRunWindow::aSilentLaneIsARaceLikeAnyOther_data()
{
    QTest::addColumn<bool>("heatChosenInTheGraphs"); // heat 2, once the race's reaction file is written
    QTest::newRow("the next heat by itself") << false;
    QTest::newRow("the next heat chosen in the graphs") << true;
}

// Lane 3 never reacts: it is given up on, and its race is a race as any other.
void TstRaceRunWindow::aSilentLaneIsARaceLikeAnyOther()
{
    QFETCH(bool, heatChosenInTheGraphs);
    fixture->sim->setLaneReaction(2, std::nullopt);
    CSerialComThread *serial = fixture->window->serialComThread();
    bool picked = false;
    if (heatChosenInTheGraphs) {
        connect(serial, &CSerialComThread::save_results_file, this, [this, &picked](ResultsDataType type) {
            if (type == ResultsReactionGraphs)
                picked = fixture->pickEvent(MeetRaceFixture::kHeat2Row);
        });
    }
    QVERIFY(fixture->raceByF5());
    disconnect(serial, nullptr, this, nullptr);
    QVERIFY(fixture->window->lastRaceRun()->hasStarted());
    QCOMPARE(picked, heatChosenInTheGraphs);
    fixture->sim->setLaneReaction(2, 190);
    if (heatChosenInTheGraphs)
        QTRY_COMPARE_WITH_TIMEOUT(fixture->blockBibs(), kHeat2Bibs.join(u','), kWaitMs);
    QVERIFY(fixture->raceByF5());
    QCOMPARE(fixture->events()->currentIndex(), MeetRaceFixture::kHeat2Row);

    const QString first = fileOf(kHeat1, 1, 1);
    const QString second = fileOf(kHeat2, 2, 1);
    QCOMPARE(savedNames(fixture->resultsDir), filePair(first) + filePair(second));
    QCOMPARE(savedRace(fixture->resultsDir, first + "*.vq2", true),
             QStringList({kHeat1 + " h1 s1", " 1 150", "101 1 170", "102 1 -"}));
    QCOMPARE(savedRace(fixture->resultsDir, second + "*.vq2"), expectedRace(kHeat2 + " h2 s1", kHeat2Bibs));
    QCOMPARE(raceLogLines(), raceLogBlock(first.toLower(), kLanes) + raceLogBlock(second.toLower(), kLanes));
    QTRY_COMPARE_WITH_TIMEOUT(postsSoFar().size(), 6, kWaitMs);
    QCOMPARE(postsSoFar(),
             racePosts(kHeat1Posts, 1, kHeat1Ids, {{3, "-6"}}) + racePosts(kHeat2Posts, 1, kHeat2Ids));
}

void TstRaceRunWindow::aFalseStartStaysWithItsHeat_data()
{
    QTest::addColumn<int>("row");        // where the false start is raced
    QTest::addColumn<QString>("broken"); // what happens in the race: "", "reaction", "graphs"
    QTest::addColumn<QString>("then");   // before the re-start's Ready: "", "refresh", "again"
    QTest::newRow("heat 1, the lists refreshed") << MeetRaceFixture::kHeat1Row << ""
                                                 << "refresh";
    QTest::newRow("heat 1, chosen again by hand") << MeetRaceFixture::kHeat1Row << ""
                                                  << "again";
    QTest::newRow("Final, pulled once the false start is in") << MeetRaceFixture::kFinalRow << "reaction"
                                                              << "";
    QTest::newRow("Final, pulled in the graphs") << MeetRaceFixture::kFinalRow << "graphs"
                                                 << "";
    QTest::newRow("Final, pulled in the graphs, chosen again") << MeetRaceFixture::kFinalRow << "graphs"
                                                               << "again";
}

// Lane 2 starts 72 ms after the gun: the re-start is the heat's next start, posted as such.
void TstRaceRunWindow::aFalseStartStaysWithItsHeat()
{
    QFETCH(int, row);
    QFETCH(QString, broken);
    QFETCH(QString, then);
    const bool final = row == MeetRaceFixture::kFinalRow;
    if (final)
        QVERIFY(fixture->chooseEvent(row, kFinalBibs));
    fixture->sim->setLaneReaction(1, kFalseStartMs);
    CStartBlockMeasurement *lane2 = fixture->window->startBlocks().at(1)->measurement();
    bool pulled = false;
    const auto pullNow = [this, &pulled] {
        if (!pulled)
            QTimer::singleShot(0, this, [this] { fixture->sim->stop(); });
        pulled = true;
    };
    if (broken == "reaction")
        connect(lane2, &CStartBlockMeasurement::new_status_field, this, [lane2, pullNow] {
            if (lane2->reactionTimeMs() == kFalseStartMs)
                pullNow();
        });
    else if (broken == "graphs")
        connect(lane2, &CStartBlockMeasurement::new_graph, this, pullNow);
    QVERIFY(fixture->raceByF5());
    disconnect(lane2, nullptr, this, nullptr);
    QVERIFY(fixture->window->lastRaceRun()->falseStartSeen());
    fixture->sim->setLaneReaction(1, 170);
    if (pulled) {
        QTRY_VERIFY_WITH_TIMEOUT(fixture->window->linkLostNotice(), kWaitMs);
        QVERIFY(fixture->reconnect());
    }
    const QString heat = final ? kFinal : kHeat1;
    const QStringList bibs = final ? kFinalBibs : kHeat1Bibs;
    if (then == "refresh") {
        fixture->window->findChild<QPushButton *>("btnCompetitionsRefresh")->click();
        QTRY_VERIFY_WITH_TIMEOUT(fixture->events()->count() == 0, kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(fixture->events()->count() == 4 && fixture->blockBibs() == bibs.join(u','),
                                 kWaitMs);
    } else if (then == "again") {
        QVERIFY(fixture->chooseEvent(MeetRaceFixture::kRelayRow, {"", "", "401"}));
        QVERIFY(fixture->chooseEvent(row, bibs));
    }
    QVERIFY(fixture->raceByF5());

    const int heatNumber = 1;
    QCOMPARE(savedNames(fixture->resultsDir),
             filePair(fileOf(heat, heatNumber, 1)) + filePair(fileOf(heat, heatNumber, 2)));
    QCOMPARE(savedRace(fixture->resultsDir, fileOf(heat, 1, 2) + "*.vq2"),
             expectedRace(heat + " h1 s2", bibs));
    QCOMPARE(raceLogLines(), raceLogBlock(fileOf(heat, 1, 1).toLower(), kLanes) +
                                 raceLogBlock(fileOf(heat, 1, 2).toLower(), kLanes));
    const QStringList ids = final ? kFinalPosts : kHeat1Posts;
    const QString heatIds = final ? kFinalIds : kHeat1Ids;
    const int posted = final ? 8 : 6;
    QTRY_COMPARE_WITH_TIMEOUT(postsSoFar().size(), posted, kWaitMs);
    // a lane whose reaction had not come when the cable went is posted as having none
    QStringList first = postsSoFar().mid(0, posted / 2);
    for (QString &post : first)
        post.replace(QRegularExpression(" -6$"), " R");
    QCOMPARE(first, racePosts(ids, 1, heatIds, {{2, "0.072 false"}}));
    QCOMPARE(postsSoFar().mid(posted / 2), racePosts(ids, 2, heatIds));
}

void TstRaceRunWindow::quitLetsTheRaceUnderWayFinish_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<QDialogButtonBox::StandardButton>("answer");
    QTest::newRow("in the reaction graphs, Yes") << "graphs" << QDialogButtonBox::Yes;
    QTest::newRow("in the reaction graphs, No") << "graphs" << QDialogButtonBox::No;
    QTest::newRow("as soon as the start is in, Yes") << "gun" << QDialogButtonBox::Yes;
    QTest::newRow("right after the reaction file, No") << "reaction file" << QDialogButtonBox::No;
}

// Ctrl+Q in the middle of a race: the race is saved whole, then the devices go down and the program ends.
void TstRaceRunWindow::quitLetsTheRaceUnderWayFinish()
{
    QFETCH(QString, when);
    QFETCH(QDialogButtonBox::StandardButton, answer);
    MainWindow *window = fixture->window;
    ModalAnswerer answerer;
    bool quit = false;
    const auto quitNow = [&] {
        if (quit)
            return;
        quit = true;
        QTimer::singleShot(0, this, [&] {
            answerer.answer(answer);
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Q,
                            Qt::ControlModifier);
        });
    };
    if (when == "reaction file")
        connect(window->serialComThread(), &CSerialComThread::save_results_file, this, quitNow);
    else if (when == "graphs")
        connect(window->startBlocks().at(0)->measurement(), &CStartBlockMeasurement::new_graph, this,
                quitNow);

    // the devices are sent down only once both files are on disk
    QStringList filesAtPowerDown;
    connect(fixture->sim.get(), &DeviceSimulator::requestReceived, this, [&](const SimRequest &request) {
        if (request.frame.command == 0x0F && filesAtPowerDown.isEmpty())
            filesAtPowerDown = savedNames(fixture->resultsDir);
    });
    // the question comes while a device is known to answer: the program has polled for a while
    QTRY_VERIFY_WITH_TIMEOUT(window->chosenSet().anyDeviceReachable(), kWaitMs);
    QVERIFY(fixture->readyByF5());
    if (when == "gun") {
        QTRY_VERIFY_WITH_TIMEOUT(window->lastRaceRun() && window->lastRaceRun()->hasStarted(), kWaitMs);
        quitNow();
    }
    QTRY_VERIFY_WITH_TIMEOUT(quit && !window->serialComThread()->isRunning(), kWaitMs);
    disconnect(window->serialComThread(), nullptr, this, nullptr);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, QString("Do you want to shutdown all devices?"));

    const QString race = fileOf(kHeat1, 1, 1);
    QCOMPARE(savedNames(fixture->resultsDir), filePair(race));
    QCOMPARE(savedRace(fixture->resultsDir, race + "*.vq2", true),
             QStringList({kHeat1 + " h1 s1", " 1 150", "101 1 170", "102 1 190"}));
    QCOMPARE(raceLogLines(), raceLogBlock(race.toLower(), kLanes));
    QTRY_COMPARE_WITH_TIMEOUT(postsSoFar(), racePosts(kHeat1Posts, 1, kHeat1Ids), kWaitMs);
    if (answer == QDialogButtonBox::Yes)
        QTRY_COMPARE_WITH_TIMEOUT(filesAtPowerDown, filePair(race), kWaitMs);
    else
        QCOMPARE(filesAtPowerDown, QStringList());

    // started again, the program numbers on from the race it saved
    if (answer == QDialogButtonBox::Yes)
        QVERIFY(fixture->freshDevices());
    QVERIFY(fixture->openWindow());
    QCOMPARE(fixture->events()->currentIndex(), MeetRaceFixture::kHeat1Row);
    QCOMPARE(AppTestEnvironment::fileEntries().value("General/race_nr"), QString("2"));
}

void TstRaceRunWindow::runHardwareTest(int lanesTested)
{
    MainWindow *window = fixture->window;
    window->findChild<QAction *>("action_Test_Hardware")->trigger();
    TestHardwareDlg *test = window->testProcedures().hardwareTest();
    QVERIFY(test);
    test->findChild<QSlider *>("hslStartDelay")->setValue(1);
    QSignalSpy started(fixture->sim.get(), &DeviceSimulator::raceStarted);
    QSignalSpy saved(window->serialComThread(), &CSerialComThread::save_results_file);
    test->findChild<QPushButton *>("btnTest")->click(); // "ALL"
    QTRY_VERIFY_WITH_TIMEOUT(started.count() >= lanesTested && saved.count() >= 2 * lanesTested, 4 * kWaitMs);
    test->findChild<QPushButton *>("btnCancel")->click();
    QTRY_VERIFY(!window->testProcedures().hardwareTest());
}

void TstRaceRunWindow::runSynchronisationTest()
{
    MainWindow *window = fixture->window;
    window->findChild<QAction *>("action_Test_Synchronization")->trigger();
    TestSynchronisationDlg *test = window->testProcedures().synchronisationTest();
    QVERIFY(test);
    QSignalSpy saved(window->serialComThread(), &CSerialComThread::save_results_file);
    test->findChild<QPushButton *>("btnTest")->click();
    QTRY_VERIFY_WITH_TIMEOUT(saved.count() >= 2 && !test->isLoopRunning(), 2 * kWaitMs);
    test->findChild<QPushButton *>("btnCancel")->click();
    QTRY_VERIFY(!window->testProcedures().synchronisationTest());
}

// The built-in tests drive Ready and Start as a race does: what they run is shown and kept nowhere.
void TstRaceRunWindow::aTestRunIsNoRace()
{
    MainWindow *window = fixture->window;
    window->OnToggleApplicationMode(ModeAdministratorFull);
    QVERIFY(fixture->raceByF5());
    const QStringList fields = {window->findChild<QLineEdit *>("txtRaceInfo")->text(),
                                window->findChild<QLineEdit *>("txtHeatInfo")->text(),
                                window->findChild<QLineEdit *>("txtStartInfo")->text()};
    fixture->sim->setAutoStartDelayMs(-1); // the tests' own Start broadcast is the gun
    runHardwareTest(2);
    runSynchronisationTest();
    fixture->sim->setAutoStartDelayMs(300);
    QCOMPARE(QStringList({window->findChild<QLineEdit *>("txtRaceInfo")->text(),
                          window->findChild<QLineEdit *>("txtHeatInfo")->text(),
                          window->findChild<QLineEdit *>("txtStartInfo")->text()}),
             fields);
    QVERIFY(window->lastRaceRun()->isSaved());
    QVERIFY(fixture->raceByF5());

    const QString first = fileOf(kHeat1, 1, 1);
    const QString second = fileOf(kHeat2, 2, 1);
    const QStringList files = QDir(fixture->resultsDir).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files.size(), 6); // two races, each with its text file in the full administrator mode
    QCOMPARE(savedNames(fixture->resultsDir), filePair(first) + filePair(second));
    QCOMPARE(raceLogLines(), raceLogBlock(first.toLower(), kLanes) + raceLogBlock(second.toLower(), kLanes));
    QTRY_COMPARE_WITH_TIMEOUT(postsSoFar().size(), 6, kWaitMs);
    QCOMPARE(postsSoFar(), racePosts(kHeat1Posts, 1, kHeat1Ids) + racePosts(kHeat2Posts, 1, kHeat2Ids));
}

// After a race in heat 1 the official picks the relay, the last heat of the list: it is raced and posted as
// that heat, and only the step past it names races by their number.
void TstRaceRunWindow::theLastHeatChosenByHandIsRaced()
{
    QVERIFY(fixture->raceByF5());
    QVERIFY(fixture->chooseEvent(MeetRaceFixture::kRelayRow, {"", "", "401"}));
    QVERIFY(fixture->raceByF5());
    QVERIFY(fixture->raceByF5());
    QCOMPARE(savedNames(fixture->resultsDir),
             filePair(fileOf(kHeat1, 1, 1)) + filePair(fileOf(kRelay, 1, 1)) + filePair("race_2_h1_s1"));
    QCOMPARE(savedRace(fixture->resultsDir, "race_2_*.vq2").constFirst(), QString("2 h1 s1"));
    // the window names the race as it is saved, not the relay
    QCOMPARE(fixture->window->findChild<QLineEdit *>("txtRaceInfo")->text(), QString("2"));
    QCOMPARE(fixture->window->windowTitle(), QString("Wireless Quellor - Halvexa"));
    QCOMPARE(raceLogLines(), raceLogBlock(fileOf(kHeat1, 1, 1).toLower(), kLanes) +
                                 raceLogBlock(fileOf(kRelay, 1, 1).toLower(), kLanes) +
                                 raceLogBlock("race_2_h1_s1", kLanes));
    // a post sent would be in the log by the time the server answers a request made after it
    QSignalSpy asked(fixture->server.get(), &MeetSimServer::requestReceived);
    fixture->window->findChild<QPushButton *>("btnEventsRefresh")->click();
    QVERIFY(asked.wait(kWaitMs));
    QCOMPARE(postsSoFar(), racePosts(kHeat1Posts, 1, kHeat1Ids) + racePosts(kRelayPosts, 1, kRelayIds));
}

void TstRaceRunWindow::aChoiceBeforeTheGunIsUsedUpByTheRace_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("files");
    // the race is heat 2, and the next is the Final
    QTest::newRow("the wrong heat seen, heat 2 chosen")
        << "heat" << filePair(fileOf(kHeat2, 2, 1)) + filePair(fileOf(kFinal, 1, 1));
    // the race is race 1, and its false start is followed by race 1's next start, not skipped as a reset
    // would have the next Ready do
    QTest::newRow("the race counter reset, a false start")
        << "reset" << filePair("race_1_h1_s1") + filePair("race_1_h1_s2");
}

// F5, then a field changed before the gun: the choice names the readied race and is used up by it.
void TstRaceRunWindow::aChoiceBeforeTheGunIsUsedUpByTheRace()
{
    QFETCH(QString, choice);
    QFETCH(QStringList, files);
    MainWindow *window = fixture->window;
    CSerialComThread *serial = window->serialComThread();
    fixture->sim->setAutoStartDelayMs(-1);
    if (choice == "reset")
        fixture->sim->setLaneReaction(1, kFalseStartMs);
    QSignalSpy saved(serial, &CSerialComThread::save_results_file);
    QVERIFY(fixture->readyByF5());
    QTRY_VERIFY_WITH_TIMEOUT(serial->allReady, kWaitMs);
    if (choice == "heat") {
        QVERIFY(fixture->chooseEvent(MeetRaceFixture::kHeat2Row, kHeat2Bibs));
    } else {
        ModalAnswerer answerer;
        answerer.answer(QDialogButtonBox::Yes);
        window->findChild<QAction *>("action_RaceCounterReset")->trigger();
        QCOMPARE(answerer.seen.size(), 1);
    }
    fixture->sim->startRace();
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 2, kWaitMs);
    fixture->sim->setAutoStartDelayMs(300);
    fixture->sim->setLaneReaction(1, 170);
    QVERIFY(fixture->raceByF5());
    QCOMPARE(savedNames(fixture->resultsDir), files);
    if (choice != "heat")
        return;
    QCOMPARE(fixture->events()->currentIndex(), MeetRaceFixture::kFinalRow);
    QCOMPARE(savedRace(fixture->resultsDir, fileOf(kHeat2, 2, 1) + "*.vq2"),
             expectedRace(kHeat2 + " h2 s1", kHeat2Bibs));
    QTRY_COMPARE_WITH_TIMEOUT(postsSoFar().size(), 7, kWaitMs);
    QCOMPARE(postsSoFar(), racePosts(kHeat2Posts, 1, kHeat2Ids) + racePosts(kFinalPosts, 1, kFinalIds));
}

// The meet server is away for the first race: the status bar names the race and what it did not get, in the
// official's language, until the next race's posts all get through. Each post is sent once.
void TstRaceRunWindow::resultsTheServerMissedAreToldUntilTheNextRaceGetsThrough()
{
    MainWindow *window = fixture->window;
    window->LoadLanguage("de_Deutsch");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    fixture->server.reset();
    QVERIFY(fixture->raceByF5());
    auto *field = window->statusBar()->findChild<QLabel *>("lblPostsMissing");
    QTRY_VERIFY_WITH_TIMEOUT(field && field->isVisible() && field->text().contains("Laufmeldung"), kWaitMs);
    QCOMPARE(field->text(),
             QString("Rennen 100 m Men (Heats - Lauf 1), Lauf 1, Start 1: Der Wettkampfserver hat "
                     "die Ergebnisse der Bahnen 2, 3 und die Laufmeldung nicht bestätigt"));

    fixture->server = std::make_unique<MeetSimServer>(QStringLiteral(QUELLOR_MEETSIM_DATA_DIR));
    QVERIFY(fixture->server->listen());
    fixture->server->setPostLog(fixture->postLog);
    QVERIFY(fixture->raceByF5());
    QTRY_VERIFY_WITH_TIMEOUT(!field->isVisible(), kWaitMs);
    QCOMPARE(field->text(), QString());
    // the first race's results were not sent again
    QCOMPARE(postsSoFar(), racePosts(kHeat2Posts, 1, kHeat2Ids));
    window->LoadLanguage("en_English");
}

void TstRaceRunWindow::checkTwoRaces(const SampleHeat &first, const QMap<int, QString> &firstOdd,
                                     const SampleHeat &second, int start)
{
    const QString firstRace = fileOf(first.name, first.number, 1);
    const QString secondRace = fileOf(second.name, second.number, start);
    QCOMPARE(savedNames(fixture->resultsDir), filePair(firstRace) + filePair(secondRace));
    QCOMPARE(savedRace(fixture->resultsDir, secondRace + "*.vq2"),
             expectedRace(QStringLiteral("%1 h%2 s%3").arg(second.name).arg(second.number).arg(start),
                          second.bibs));
    QCOMPARE(raceLogLines(),
             raceLogBlock(firstRace.toLower(), kLanes) + raceLogBlock(secondRace.toLower(), kLanes));
    const QStringList expected =
        racePosts(first.posts, 1, first.ids, firstOdd) + racePosts(second.posts, start, second.ids);
    QTRY_COMPARE_WITH_TIMEOUT(postsSoFar().size(), expected.size(), kWaitMs);
    QCOMPARE(postsSoFar(), expected);
}

void TstRaceRunWindow::theHeatPickedByHandIsRaced_data()
{
    QTest::addColumn<int>("first");         // the row of the first race, picked before it
    QTest::addColumn<QStringList>("picks"); // after it: "row N" picked in the list, or F9 / F10
    QTest::addColumn<int>("second");        // the row of the second race
    QTest::addColumn<int>("start");         // and its start
    QTest::newRow("heat 1 raced, heat 2 and heat 1 picked") << 0 << QStringList{"row 1", "row 0"} << 0 << 2;
    QTest::newRow("the relay raced, heat 1 and the relay picked")
        << 3 << QStringList{"row 0", "row 3"} << 3 << 2;
    QTest::newRow("heat 1 raced, F10 and F9") << 0 << QStringList{"F10", "F9"} << 0 << 2;
    QTest::newRow("the row shown chosen again is no pick") << 0 << QStringList{"row 0"} << 1 << 1;
    QTest::newRow("the Final picked after heat 1") << 0 << QStringList{"row 2"} << 2 << 1;
}

// A heat picked by hand after a race is the next race's heat, at its next start: the heat just raced and
// the list's last too. The row already shown chosen again picks nothing.
void TstRaceRunWindow::theHeatPickedByHandIsRaced()
{
    QFETCH(int, first);
    QFETCH(QStringList, picks);
    QFETCH(int, second);
    QFETCH(int, start);
    const SampleHeat &before = sampleHeats()[first];
    const SampleHeat &after = sampleHeats()[second];
    if (first != 0)
        QVERIFY(fixture->chooseEvent(first, before.bibs));
    QVERIFY(fixture->raceByF5());
    for (const QString &pick : picks) {
        if (pick.startsWith("row")) {
            QVERIFY(fixture->pickEvent(pick.section(' ', 1).toInt()));
        } else {
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : fixture->window, pick == "F9" ? Qt::Key_F9 : Qt::Key_F10);
        }
    }
    QTRY_COMPARE_WITH_TIMEOUT(fixture->blockBibs(),
                              sampleHeats()[fixture->events()->currentIndex()].bibs.join(u','), kWaitMs);
    QVERIFY(fixture->raceByF5());
    QCOMPARE(fixture->events()->currentIndex(), second);

    checkTwoRaces(before, {}, after, start);
}

// A refresh button pressed, until the lists are back with that heat shown and its athletes in the lanes.
bool TstRaceRunWindow::refreshed(const QString &button, int row, const QStringList &bibs)
{
    QSignalSpy asked(fixture->server.get(), &MeetSimServer::requestReceived);
    fixture->window->findChild<QPushButton *>(button)->click();
    return asked.wait(kWaitMs) && QTest::qWaitFor(
                                      [&] {
                                          return fixture->events()->count() == 4 &&
                                                 fixture->events()->currentIndex() == row &&
                                                 fixture->blockBibs() == bibs.join(u',');
                                      },
                                      kWaitMs);
}

void TstRaceRunWindow::aRefreshKeepsTheHeatChosen_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("falseStart");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("inTheGraphs"); // refreshed once the race's reaction file is written
    QTest::newRow("a false start in the Final, the Race list refreshed")
        << MeetRaceFixture::kFinalRow << true << "btnEventsRefresh" << false;
    QTest::newRow("a false start in the Final, the competitions refreshed")
        << MeetRaceFixture::kFinalRow << true << "btnCompetitionsRefresh" << false;
    QTest::newRow("a false start in the Final, refreshed in its graphs")
        << MeetRaceFixture::kFinalRow << true << "btnCompetitionsRefresh" << true;
    QTest::newRow("a valid race in heat 2, the Race list refreshed")
        << MeetRaceFixture::kHeat2Row << false << "btnEventsRefresh" << false;
    QTest::newRow("a valid race in heat 2, refreshed in its graphs")
        << MeetRaceFixture::kHeat2Row << false << "btnEventsRefresh" << true;
}

// A refresh re-reads the lists and picks nothing: the heat shown stays, with its athletes; a false start's
// re-start is its next start, and after a valid race the next Ready steps on.
void TstRaceRunWindow::aRefreshKeepsTheHeatChosen()
{
    QFETCH(int, row);
    QFETCH(bool, falseStart);
    QFETCH(QString, button);
    QFETCH(bool, inTheGraphs);
    const SampleHeat &heat = sampleHeats()[row];
    QVERIFY(fixture->chooseEvent(row, heat.bibs));
    if (falseStart)
        fixture->sim->setLaneReaction(1, kFalseStartMs);
    CSerialComThread *serial = fixture->window->serialComThread();
    bool refreshedInTheGraphs = false;
    if (inTheGraphs) {
        connect(serial, &CSerialComThread::save_results_file, this, [&, this](ResultsDataType type) {
            if (type == ResultsReactionGraphs)
                refreshedInTheGraphs = refreshed(button, row, heat.bibs);
        });
    }
    QVERIFY(fixture->raceByF5());
    disconnect(serial, nullptr, this, nullptr);
    QCOMPARE(refreshedInTheGraphs, inTheGraphs);
    fixture->sim->setLaneReaction(1, 170);
    if (!inTheGraphs)
        QVERIFY(refreshed(button, row, heat.bibs));
    QVERIFY(fixture->raceByF5());

    const SampleHeat &next = sampleHeats()[falseStart ? row : row + 1];
    const int start = falseStart ? 2 : 1;
    QCOMPARE(fixture->events()->currentIndex(), falseStart ? row : row + 1);
    checkTwoRaces(heat, falseStart ? QMap<int, QString>{{2, "0.072 false"}} : QMap<int, QString>{}, next,
                  start);
}

// The Final false-starts, and the server no longer has it when the Race list is refreshed: the list lands
// on its first row and the status bar says so; the next race is heat 1's first start.
void TstRaceRunWindow::aHeatGoneFromTheServerIsTold()
{
    fixture.reset();
    const QString meet = folder.filePath("meet");
    for (const char *file :
         {"competitions.xml", "events/1.xml", "participations/10111.xml", "participations/10112.xml",
          "participations/10121.xml", "participations/10211.xml"}) {
        QVERIFY(QDir().mkpath(QFileInfo(QDir(meet).filePath(file)).path()));
        QVERIFY(QFile::copy(QDir(QUELLOR_MEETSIM_DATA_DIR).filePath(file), QDir(meet).filePath(file)));
    }
    SimScenario scenario = MeetRaceFixture::scenario(kLanes, 300);
    scenario.lanes[1].reactionMs = kFalseStartMs;
    fixture = std::make_unique<MeetRaceFixture>(scenario, folder.path(), meet);
    QVERIFY(fixture->start());
    QVERIFY(fixture->chooseEvent(MeetRaceFixture::kFinalRow, kFinalBibs));
    QVERIFY(fixture->raceByF5());
    fixture->sim->setLaneReaction(1, 170);

    // the Final's heat has another id on the server now
    QFile events(QDir(meet).filePath("events/1.xml"));
    QVERIFY(events.open(QIODevice::ReadOnly));
    const QByteArray xml = events.readAll().replace("<id>10121</id>", "<id>10129</id>");
    events.close();
    QVERIFY(events.open(QIODevice::WriteOnly | QIODevice::Truncate));
    events.write(xml);
    events.close();
    QVERIFY(refreshed("btnEventsRefresh", MeetRaceFixture::kHeat1Row, kHeat1Bibs));
    auto *gone = fixture->window->statusBar()->findChild<QLabel *>("lblHeatGone");
    QVERIFY(gone && gone->isVisible());
    QCOMPARE(gone->text(), QString("The heat chosen, %1, is no longer on the meet server").arg(kFinal));
    QVERIFY(fixture->raceByF5());

    QCOMPARE(savedNames(fixture->resultsDir),
             filePair(fileOf(kFinal, 1, 1)) + filePair(fileOf(kHeat1, 1, 1)));
    QTRY_COMPARE_WITH_TIMEOUT(postsSoFar().size(), 7, kWaitMs);
    QCOMPARE(postsSoFar(), racePosts(kFinalPosts, 1, kFinalIds, {{2, "0.072 false"}}) +
                               racePosts(kHeat1Posts, 1, kHeat1Ids));
    // a heat picked by hand is the official's answer: the note goes
    QVERIFY(fixture->chooseEvent(MeetRaceFixture::kHeat2Row, kHeat2Bibs));
    QVERIFY(!gone->isVisible());
}

// Heat 2 picked and heat 1 picked back before heat 2's athletes come: they come late, and are dropped.
void TstRaceRunWindow::athletesOfAHeatNoLongerShownAreDropped()
{
    fixture->server->setFaults({2000, 0, -1, "/participations/10112"});
    QSignalSpy replies(&fixture->window->meetConnection(), &ZXConnection::participations_received);
    QVERIFY(fixture->pickEvent(MeetRaceFixture::kHeat2Row));
    QVERIFY(fixture->chooseEvent(MeetRaceFixture::kHeat1Row, kHeat1Bibs));
    QTRY_VERIFY_WITH_TIMEOUT(
        std::any_of(replies.cbegin(), replies.cend(),
                    [](const QList<QVariant> &reply) { return reply[0].toUInt() == 10112; }),
        kWaitMs);
    QCOMPARE(fixture->blockBibs(), kHeat1Bibs.join(u','));
    QVERIFY(fixture->raceByF5());
    QCOMPARE(savedRace(fixture->resultsDir, fileOf(kHeat1, 1, 1) + "*.vq2"),
             expectedRace(kHeat1 + " h1 s1", kHeat1Bibs));
    QTRY_COMPARE_WITH_TIMEOUT(postsSoFar().size(), 3, kWaitMs);
    QCOMPARE(postsSoFar(), racePosts(kHeat1Posts, 1, kHeat1Ids));
}

// The program started again shows heat 1, as at every start, and remembers the heats raced: heat 1 goes on
// at its next start, and no start of it is posted twice.
void TstRaceRunWindow::aRestartGoesOnAtTheHeatsNextStart()
{
    QVERIFY(fixture->raceByF5());
    QVERIFY(fixture->chooseEvent(MeetRaceFixture::kHeat2Row, kHeat2Bibs));
    fixture->sim->setLaneReaction(1, kFalseStartMs);
    QVERIFY(fixture->raceByF5());
    fixture->sim->setLaneReaction(1, 170);
    for (const bool pickHeat2 : {false, true}) {
        ModalAnswerer answerer;
        answerer.answer(QDialogButtonBox::No);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : fixture->window,
                        Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!fixture->window->serialComThread()->isRunning(), kWaitMs);
        QVERIFY(fixture->openWindow());
        QCOMPARE(fixture->events()->currentIndex(), MeetRaceFixture::kHeat1Row);
        if (pickHeat2)
            QVERIFY(fixture->chooseEvent(MeetRaceFixture::kHeat2Row, kHeat2Bibs));
        QVERIFY(fixture->raceByF5());
    }
    QCOMPARE(savedNames(fixture->resultsDir),
             filePair(fileOf(kHeat1, 1, 1)) + filePair(fileOf(kHeat2, 2, 1)) +
                 filePair(fileOf(kHeat1, 1, 2)) + filePair(fileOf(kHeat2, 2, 2)));
    const QStringList expected = racePosts(kHeat1Posts, 1, kHeat1Ids) +
                                 racePosts(kHeat2Posts, 1, kHeat2Ids, {{2, "0.072 false"}}) +
                                 racePosts(kHeat1Posts, 2, kHeat1Ids) + racePosts(kHeat2Posts, 2, kHeat2Ids);
    QTRY_COMPARE_WITH_TIMEOUT(postsSoFar().size(), expected.size(), kWaitMs);
    QCOMPARE(postsSoFar(), expected);
}

void TstRaceRunWindow::athletesThatDidNotComeAreTold_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("note");
    QTest::newRow("the server answers 500")
        << "500"
        << "en_English"
        << "The athletes of 100 m Men (Final - heat 1) did not come from the meet server";
    QTest::newRow("the server is stopped, in German")
        << "stopped"
        << "de_Deutsch"
        << "Die Athleten von 100 m Men (Final - Lauf 1) kamen nicht vom Wettkampfserver";
}

// The Ready steps to the Final while the server cannot give its athletes: the starter is told until they
// come, the race is raced and saved as it was readied and posted nowhere, and the athletes are asked for
// again until they come.
void TstRaceRunWindow::athletesThatDidNotComeAreTold()
{
    QFETCH(QString, failure);
    MainWindow *window = fixture->window;
    QVERIFY(fixture->chooseEvent(MeetRaceFixture::kHeat2Row, kHeat2Bibs));
    QVERIFY(fixture->raceByF5());
    if (failure == "500")
        fixture->server->setFaults({0, 500, -1, "/participations/"});
    else
        fixture->server.reset();
    fixture->sim->setAutoStartDelayMs(-1);
    QVERIFY(fixture->readyByF5());
    QTRY_COMPARE_WITH_TIMEOUT(fixture->events()->currentIndex(), MeetRaceFixture::kFinalRow, kWaitMs);
    auto *missing = window->statusBar()->findChild<QLabel *>("lblAthletesMissing");
    QTRY_VERIFY_WITH_TIMEOUT(missing && missing->isVisible(), kWaitMs);
    // in the starter's language, following a switch
    for (const auto &[language, note] :
         {std::pair{"de_Deutsch",
                    "Die Athleten von 100 m Men (Final - Lauf 1) kamen nicht vom Wettkampfserver"},
          std::pair{"en_English",
                    "The athletes of 100 m Men (Final - heat 1) did not come from the meet server"}}) {
        window->LoadLanguage(language);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(missing->text(), QString(note));
    }
    QTRY_VERIFY_WITH_TIMEOUT(window->serialComThread()->allReady, kWaitMs);
    // the server back before the gun: the athletes come, and are the next race's
    if (failure == "500") {
        fixture->server->setFaults({});
    } else {
        fixture->server = std::make_unique<MeetSimServer>(QStringLiteral(QUELLOR_MEETSIM_DATA_DIR));
        QVERIFY(fixture->server->listen());
        fixture->server->setPostLog(fixture->postLog);
    }
    QTRY_COMPARE_WITH_TIMEOUT(fixture->blockBibs(), kFinalBibs.join(u','), kWaitMs);
    QVERIFY(!missing->isVisible());
    QSignalSpy saved(window->serialComThread(), &CSerialComThread::save_results_file);
    fixture->sim->startRace();
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 2, kWaitMs);

    const QString final = fileOf(kFinal, 1, 1);
    QCOMPARE(savedNames(fixture->resultsDir), filePair(fileOf(kHeat2, 2, 1)) + filePair(final));
    QCOMPARE(savedRace(fixture->resultsDir, final + "*.vq2"), expectedRace(kFinal + " h1 s1", {"", "", ""}));
    auto *posts = window->statusBar()->findChild<QLabel *>("lblPostsMissing");
    QTRY_VERIFY_WITH_TIMEOUT(posts && posts->isVisible(), kWaitMs);
    QCOMPARE(posts->text(), "Race " + kFinal +
                                ", heat 1, start 1: not posted to the meet server, its athletes had "
                                "not come");
    // nothing of the Final was posted: the posts of heat 2, then the server's answer to a later request
    QSignalSpy asked(fixture->server.get(), &MeetSimServer::requestReceived);
    window->findChild<QPushButton *>("btnEventsRefresh")->click();
    QVERIFY(asked.wait(kWaitMs));
    QCOMPARE(postsSoFar(), racePosts(kHeat2Posts, 1, kHeat2Ids));
}

// The GPS warning of an old start time holds the Ready while the coordinator asks for Ready once more: that
// second Ready is dropped, so the race before is closed once and the heat moves once.
void TstRaceRunWindow::aReadyWhileTheLastIsHandledIsDropped()
{
    MainWindow *window = fixture->window;
    QVERIFY(fixture->raceByF5());
    fixture->sim->setGpsLagSeconds(2 * 3600);
    // two status replies carry the old time: the previous one is what the warning reads
    QSignalSpy asked(window->serialComThread(), &CSerialComThread::data_request_sent);
    QTRY_VERIFY_WITH_TIMEOUT(asked.count() >= 40, kWaitMs);
    QStringList boxes;
    bool askedMeanwhile = false;
    whenModal<QMessageBox>(window, [&](QMessageBox *box) {
        boxes << box->text();
        // a second Ready taken meanwhile would warn again, inside this box
        QTimer another;
        connect(&another, &QTimer::timeout, &another, [&] {
            auto *again = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (again && again != box && again->isVisible()) {
                boxes << again->text();
                again->accept();
            }
        });
        another.start(10);
        QSignalSpy readies(window, &MainWindow::set_status_field_request);
        fixture->sim->requestReady();
        QSignalSpy polled(window->serialComThread(), &CSerialComThread::data_request_sent);
        askedMeanwhile = QTest::qWaitFor([&] { return polled.count() >= 20; }, kWaitMs) && readies.isEmpty();
        box->accept();
    });
    QSignalSpy saved(window->serialComThread(), &CSerialComThread::save_results_file);
    QVERIFY(fixture->readyByF5());
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 2, kWaitMs);
    fixture->sim->setGpsLagSeconds(0);
    QCOMPARE(boxes,
             QStringList{
                 "No GPS signal received for more then 1 hour. No wireless start will be send to Orvane!"});
    QVERIFY(askedMeanwhile);
    QCOMPARE(fixture->events()->currentIndex(), MeetRaceFixture::kHeat2Row);
    QCOMPARE(savedNames(fixture->resultsDir),
             filePair(fileOf(kHeat1, 1, 1)) + filePair(fileOf(kHeat2, 2, 1)));
    QTRY_COMPARE_WITH_TIMEOUT(postsSoFar().size(), 6, kWaitMs);
    QCOMPARE(postsSoFar(), racePosts(kHeat1Posts, 1, kHeat1Ids) + racePosts(kHeat2Posts, 1, kHeat2Ids));
}

int main(int argc, char **argv)
{
    AppTestEnvironment environment;
    if (!environment.isValid())
        return 1;
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    TstRaceRunWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_racerunwindow.moc"
