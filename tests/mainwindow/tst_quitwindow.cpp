// Quit, as the program ends for real: the event loop left and the window deleted, the way main() ends it.
// What the meet server simulator received is read afterwards: the posts in flight are waited for, what the
// server did not confirm is named before the end, the busy notice offers a way out, and blocks armed for a
// start nobody would record are taken back to Idle. The real window against the device simulator and the
// meet server simulator, in the private network namespace.
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTemporaryDir>

#include "../common/modalanswerer.h"
#include "devices/cstartblockmeasurement.h"
#include "meetracefixture.h"
#include "testnetwork.h"

using namespace RaceRecords;

namespace
{

constexpr int kLanes = 3;
constexpr int kWaitMs = MeetRaceFixture::kWaitMs;
constexpr int kProgramHungMs = 120000;
constexpr int kExitCodeHung = 99;
constexpr quint8 kSetStatus = 0x06;
constexpr quint8 kPowerDown = 0x0F;
const QString kHeat1 = QStringLiteral("100 m Men (Heats - heat 1)");
const QString kHeat1Ids = QStringLiteral("101;1011;10111");
const QStringList kHeat1Posts{"", "5001", "5002"}; // the participations in lanes 1 to 3
const QString kNothingConfirmed =
    QStringLiteral("Race 100 m Men (Heats - heat 1), heat 1, start 1: the meet server has not confirmed the "
                   "results of lanes 2, 3 or the heat's notice");

// The broadcast Idle to every block.
bool isIdleCommand(const SimRequest &request)
{
    if (request.frame.command != kSetStatus || request.frame.mac != QByteArray(6, char(0xFF)))
        return false;
    return std::any_of(request.items.cbegin(), request.items.cend(), [](const SimItem &item) {
        return item.id == 1 && !item.value.isEmpty() && quint8(item.value.back()) == DeviceIdle;
    });
}

} // namespace

class TstQuitWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void quitWaitsForThePostsInFlight_data();
    void quitWaitsForThePostsInFlight();
    void theBusyNoticeOffersAWayOut_data();
    void theBusyNoticeOffersAWayOut();
    void aReadyNotStartedIsTakenBackToIdle_data();
    void aReadyNotStartedIsTakenBackToIdle();
    void aGunWhileTheQuestionIsOpenIsRaced();
    void theFieldSaysNotConfirmedInTheLanguageShown();

private:
    // Ctrl+Q where the system sends keys, now or when `quitWhen` is called; the program runs its event loop
    // until Quit leaves it, then the window is deleted, as main() ends. The boxes get these answers.
    void runUntilQuit(const QList<QDialogButtonBox::StandardButton> &answers,
                      const std::function<void(std::function<void()>)> &quitWhen = {});
    QStringList postsSoFar() const { return plainReactions(posts(fixture->postLog)); }
    // The failed-post field's text while it is shown.
    QString postsField() const
    {
        auto *field = fixture->window->statusBar()->findChild<QLabel *>("lblPostsMissing");
        return field && field->isVisible() ? field->text() : QString();
    }
    // The server takes each request at once and answers it only after this long.
    void stallServer(int replyDelayMs);

    QTemporaryDir folder;
    std::unique_ptr<MeetRaceFixture> fixture;
    QList<ModalAnswerer::Seen> boxes;
    int exitCode = -1;
    qint64 quitMs = 0; // from Ctrl+Q to the end of the event loop
};

void TstQuitWindow::init()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    fixture = std::make_unique<MeetRaceFixture>(MeetRaceFixture::scenario(kLanes, 300), folder.path(),
                                                QStringLiteral(QUELLOR_MEETSIM_DATA_DIR));
    QVERIFY2(fixture->start(), "the simulators, the folders or the window did not come up");
    // the question at Quit comes while a device is known to answer
    QTRY_VERIFY_WITH_TIMEOUT(fixture->window->chosenSet().anyDeviceReachable(), kWaitMs);
    boxes.clear();
    exitCode = -1;
}

void TstQuitWindow::cleanup()
{
    fixture.reset();
}

void TstQuitWindow::runUntilQuit(const QList<QDialogButtonBox::StandardButton> &answers,
                                 const std::function<void(std::function<void()>)> &quitWhen)
{
    MainWindow *window = fixture->window;
    ModalAnswerer answerer;
    QElapsedTimer clock;
    bool pressed = false;
    const auto pressCtrlQ = [&] {
        if (pressed)
            return;
        pressed = true;
        QTimer::singleShot(0, window, [&] {
            for (const QDialogButtonBox::StandardButton answer : answers)
                answerer.answer(answer);
            clock.start();
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : window, Qt::Key_Q, Qt::ControlModifier);
        });
    };
    if (quitWhen)
        quitWhen(pressCtrlQ);
    else
        pressCtrlQ();
    QTimer hung;
    hung.setSingleShot(true);
    connect(&hung, &QTimer::timeout, qApp, [] { QCoreApplication::exit(kExitCodeHung); });
    hung.start(kProgramHungMs);
    exitCode = QApplication::exec();
    quitMs = clock.isValid() ? clock.elapsed() : -1;
    boxes = answerer.seen;
    delete fixture->window;
    fixture->window = nullptr;
}

void TstQuitWindow::stallServer(int replyDelayMs)
{
    MeetSimFaults faults;
    faults.delayMs = replyDelayMs;
    fixture->server->setFaults(faults);
}

void TstQuitWindow::quitWaitsForThePostsInFlight_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QStringList>("posted");
    QTest::addColumn<QString>("box"); // empty: none besides the shutdown question
    const QStringList silent = racePosts(kHeat1Posts, 1, kHeat1Ids, {{2, "-6"}, {3, "-6"}});
    const QStringList raced = racePosts(kHeat1Posts, 1, kHeat1Ids);
    // every lane silent: the race is saved, and its results posted, just before the program ends
    QTest::newRow("the server answers") << "answers" << silent << "";
    QTest::newRow("the server takes them and fails them") << "fails" << silent << kNothingConfirmed;
    QTest::newRow("the server answers after the bound") << "late" << raced << kNothingConfirmed;
    QTest::newRow("failures stand in the status bar") << "away" << QStringList() << kNothingConfirmed;
}

// Ctrl+Q once the gun is in, answered No: the race is saved, its posts are waited for, and what the server
// did not confirm is named in a box before the program ends. Each post reaches the server once.
void TstQuitWindow::quitWaitsForThePostsInFlight()
{
    QFETCH(QString, server);
    QFETCH(QStringList, posted);
    QFETCH(QString, box);
    MainWindow *window = fixture->window;
    if (server != "late") {
        for (int lane = 0; lane < kLanes; ++lane)
            fixture->sim->setLaneReaction(lane, std::nullopt);
    }
    if (server == "fails") {
        stallServer(60000);
        window->meetConnection().setTransferTimeout(3000);
    } else if (server == "late") {
        stallServer(50000); // after Quit's bound of 30 s
        window->meetConnection().setTransferTimeout(60000);
    }
    if (server == "away") {
        fixture->server.reset();
        QVERIFY(fixture->raceByF5());
        QTRY_COMPARE_WITH_TIMEOUT(postsField(), kNothingConfirmed, kWaitMs);
        runUntilQuit({QDialogButtonBox::No, QDialogButtonBox::Ok});
    } else {
        QVERIFY(fixture->readyByF5());
        runUntilQuit({QDialogButtonBox::No, QDialogButtonBox::Ok}, [&](std::function<void()> quit) {
            QTimer *gun = new QTimer(window);
            connect(gun, &QTimer::timeout, window, [window, gun, quit] {
                if (window->lastRaceRun() && window->lastRaceRun()->hasStarted()) {
                    gun->stop();
                    quit();
                }
            });
            gun->start(10);
        });
    }
    QCOMPARE(exitCode, 0);
    QVERIFY2(quitMs < 45000, qPrintable(QString::number(quitMs)));
    QStringList texts;
    for (const ModalAnswerer::Seen &seen : std::as_const(boxes))
        texts << seen.text;
    QStringList expected{"Do you want to shutdown all devices?"};
    if (!box.isEmpty())
        expected << box;
    QCOMPARE(texts, expected);
    if (!box.isEmpty())
        QVERIFY(boxes.last().title.endsWith(": Results not confirmed"));

    // what left before the end reaches the server, once
    if (server == "away")
        return;
    QTRY_COMPARE_WITH_TIMEOUT(postsSoFar(), posted, kWaitMs);
    QCOMPARE(savedNames(fixture->resultsDir).size(), 2);
}

void TstQuitWindow::theBusyNoticeOffersAWayOut_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("infoReplies"); // the notice is read while the devices answer this many times
    QTest::newRow("while the race is saved") << "graphs"
                                             << "Save and end now" << 0;
    QTest::newRow("while the posts are waited for") << "sound file"
                                                    << "End now" << 2;
}

// The server takes the posts and stays silent: the busy notice's button ends the program at once, long
// before Quit's bound, with the race saved and its posts sent; the box names them as not confirmed.
void TstQuitWindow::theBusyNoticeOffersAWayOut()
{
    QFETCH(QString, when);
    QFETCH(QString, button);
    QFETCH(int, infoReplies);
    MainWindow *window = fixture->window;
    stallServer(60000);
    window->meetConnection().setTransferTimeout(60000);
    int answeredMeanwhile = -1; // from the moment the button shows
    for (CStartBlock *block : window->startBlocks()) {
        connect(block, &CStartBlock::new_info_fields_set, this, [&] {
            if (answeredMeanwhile >= 0)
                ++answeredMeanwhile;
        });
    }
    QStringList offered;
    QTimer wayOut; // the official's eye on the notice
    connect(&wayOut, &QTimer::timeout, this, [&] {
        BusyIndicatorDlg *notice = fixture->window ? fixture->window->busyIndicator() : nullptr;
        auto *end = notice ? notice->findChild<QPushButton *>("btnWayOut") : nullptr;
        if (!end || !end->isVisible())
            return;
        answeredMeanwhile = qMax(answeredMeanwhile, 0);
        if (answeredMeanwhile < infoReplies)
            return;
        offered << end->text();
        wayOut.stop();
        end->click();
    });
    wayOut.start(10);
    QVERIFY(fixture->readyByF5());
    runUntilQuit({QDialogButtonBox::No, QDialogButtonBox::Ok}, [&](std::function<void()> quit) {
        if (when == "graphs") {
            connect(window->startBlocks().at(0)->measurement(), &CStartBlockMeasurement::new_graph, this,
                    [quit] { quit(); });
        } else {
            connect(window->serialComThread(), &CSerialComThread::save_results_file, this,
                    [quit](ResultsDataType type) {
                        if (type == ResultsSoundGraphs)
                            quit();
                    });
        }
    });
    QCOMPARE(exitCode, 0);
    QCOMPARE(offered, QStringList{button});
    // well within the bound of the wait for the answers
    QVERIFY2(quitMs < 15000, qPrintable(QString::number(quitMs)));
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes[1].text, kNothingConfirmed);
    QCOMPARE(savedNames(fixture->resultsDir).size(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(postsSoFar(), racePosts(kHeat1Posts, 1, kHeat1Ids), kWaitMs);
}

void TstQuitWindow::aReadyNotStartedIsTakenBackToIdle_data()
{
    QTest::addColumn<QDialogButtonBox::StandardButton>("answer");
    QTest::newRow("No") << QDialogButtonBox::No;
    QTest::newRow("Yes") << QDialogButtonBox::Yes;
}

// Ctrl+Q between Ready and the gun: the blocks are sent back to Idle before the program ends, whatever the
// answer; for No they stay on and nothing is saved.
void TstQuitWindow::aReadyNotStartedIsTakenBackToIdle()
{
    QFETCH(QDialogButtonBox::StandardButton, answer);
    fixture->sim->setAutoStartDelayMs(-1); // no gun
    QVERIFY(fixture->readyByF5());
    QTRY_VERIFY_WITH_TIMEOUT(fixture->window->serialComThread()->allReady, kWaitMs);
    for (int i = 0; i < kLanes; ++i)
        QCOMPARE(fixture->sim->block(i).state(), quint8(DeviceReady));
    QList<quint8> commands; // Idle as 1, power-down as 15
    connect(fixture->sim.get(), &DeviceSimulator::requestReceived, this, [&](const SimRequest &request) {
        if (isIdleCommand(request))
            commands << quint8(DeviceIdle);
        else if (request.frame.command == kPowerDown && commands.value(commands.size() - 1) != kPowerDown)
            commands << kPowerDown;
    });
    runUntilQuit({answer});
    QCOMPARE(exitCode, 0);
    QCOMPARE(boxes.size(), 1);
    const auto stopListening =
        qScopeGuard([this] { disconnect(fixture->sim.get(), nullptr, this, nullptr); });
    if (answer == QDialogButtonBox::No) {
        for (int i = 0; i < kLanes; ++i)
            QTRY_COMPARE_WITH_TIMEOUT(fixture->sim->block(i).state(), quint8(DeviceIdle), kWaitMs);
        QCOMPARE(commands, QList<quint8>{quint8(DeviceIdle)});
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(commands.value(1), kPowerDown, kWaitMs);
        QCOMPARE(commands.first(), quint8(DeviceIdle));
    }
    QCOMPARE(savedNames(fixture->resultsDir), QStringList());
}

// Ctrl+Q between Ready and the gun, and the gun comes while the shutdown question is open: the race is
// raced, saved and posted as any other before the program ends.
void TstQuitWindow::aGunWhileTheQuestionIsOpenIsRaced()
{
    fixture->sim->setAutoStartDelayMs(-1);
    QVERIFY(fixture->readyByF5());
    QTRY_VERIFY_WITH_TIMEOUT(fixture->window->serialComThread()->allReady, kWaitMs);
    MainWindow *window = fixture->window;
    bool started = false;
    const auto gunMeanwhile = [&] {
        fixture->sim->startRace();
        started = QTest::qWaitFor([window] { return window->lastRaceRun()->hasStarted(); }, kWaitMs);
    };
    ModalAnswerer answerer;
    answerer.answer(QDialogButtonBox::No, QString(), gunMeanwhile);
    runUntilQuit({});
    QVERIFY(started);
    QCOMPARE(exitCode, 0);
    const QString race = "race_" + kHeat1 + "_h1_s1";
    QCOMPARE(savedNames(fixture->resultsDir), QStringList({race + ".vq1", race + ".vq2"}));
    QTRY_COMPARE_WITH_TIMEOUT(postsSoFar(), racePosts(kHeat1Posts, 1, kHeat1Ids), kWaitMs);
}

// The failed-post field says what the program knows, with the heat named plainly in the language shown and
// following a switch; the box at Quit says the same.
void TstQuitWindow::theFieldSaysNotConfirmedInTheLanguageShown()
{
    MainWindow *window = fixture->window;
    fixture->server.reset();
    QVERIFY(fixture->raceByF5());
    QTRY_COMPARE_WITH_TIMEOUT(postsField(), kNothingConfirmed, kWaitMs);

    const QString german = "Rennen 100 m Men (Heats - Lauf 1), Lauf 1, Start 1: Der Wettkampfserver hat die "
                           "Ergebnisse der Bahnen 2, 3 und die Laufmeldung nicht bestätigt";
    const QString dutch = "Race 100 m Men (Heats - serie 1), serie 1, start 1: de wedstrijdserver heeft de "
                          "resultaten van de banen 2, 3 en de seriemelding niet bevestigd";
    window->LoadLanguage("de_Deutsch");
    QTRY_COMPARE_WITH_TIMEOUT(postsField(), german, kWaitMs);
    window->LoadLanguage("nl_Nederlands");
    QTRY_COMPARE_WITH_TIMEOUT(postsField(), dutch, kWaitMs);

    runUntilQuit({QDialogButtonBox::No, QDialogButtonBox::Ok});
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes[1].text, dutch);
    QVERIFY(boxes[1].title.endsWith(": Resultaten niet bevestigd"));
}

int main(int argc, char **argv)
{
    AppTestEnvironment environment;
    if (!environment.isValid())
        return 1;
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    TstQuitWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_quitwindow.moc"
