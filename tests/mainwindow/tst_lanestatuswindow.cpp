// A lane's status changed through its row just after the gun, while the serial object still counts
// everybody as ready: the race under way goes on and is saved once, whole, with the lane's new status. The
// real window against the device simulator behind a link and the meet server simulator, in the private
// network namespace; each row reads back both files, the race log and the server's posts.
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include "meetracefixture.h"
#include "testnetwork.h"
#include "views/startblockmeasurementwidget.h"

using namespace RaceRecords;

namespace
{

constexpr int kLanes = 3;
constexpr int kWaitMs = MeetRaceFixture::kWaitMs;
// the rows of the participation combo
constexpr int kActiveRow = 0;
constexpr int kDnsRow = 1;
constexpr int kRupRow = 3;
// The heats of the sample meet in the order the window steps through them, lanes 1 to 3.
struct RacedHeat {
    QString name;
    int number;
    QStringList bibs;
    QStringList participations; // as posted
    QString ids;                // of the happening posted
    QString file() const { return QStringLiteral("race_%1_h%2_s1").arg(name).arg(number); }
};
const QList<RacedHeat> kHeats{
    {"100 m Men (Heats - heat 1)", 1, {"", "101", "102"}, {"", "5001", "5002"}, "101;1011;10111"},
    {"100 m Men (Heats - heat 2)", 2, {"", "107", "108"}, {"", "5007", "5008"}, "101;1011;10112"},
    {"100 m Men (Final - heat 1)", 1, {"101", "108", "103"}, {"5013", "5014", "5015"}, "101;1012;10121"}};
const QList<int> kReactions{150, 170, 190};

// What a saved file of the heat holds: the heat, and per lane "bib status reaction" ("-" for none).
QStringList heatRace(const RacedHeat &heat, int lane3Status = 1, bool lane3Reacted = true)
{
    QStringList race{QStringLiteral("%1 h%2 s1").arg(heat.name).arg(heat.number)};
    for (int lane = 1; lane <= 3; ++lane) {
        const bool reacted = lane < 3 || lane3Reacted;
        race << QStringLiteral("%1 %2 %3")
                    .arg(heat.bibs[lane - 1])
                    .arg(lane < 3 ? 1 : lane3Status)
                    .arg(reacted ? QString::number(kReactions[lane - 1]) : QStringLiteral("-"));
    }
    return race;
}

QStringList filePair(const QString &base)
{
    return {base + ".vq1", base + ".vq2"};
}

// The race log's lines as "label Lane Result"; the result is empty for a lane logged without data.
QStringList raceLogResults()
{
    QFile log(ProgramPaths::raceLogPath());
    if (!log.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    for (const QByteArray &line : log.readAll().split('\n').mid(1)) {
        const QList<QByteArray> cells = line.chopped(line.endsWith('\r') ? 1 : 0).split('\t');
        if (cells.size() > 5)
            lines << QString::fromUtf8(cells[2] + ' ' + cells[3] + ' ' + cells[5]).trimmed();
    }
    return lines;
}

} // namespace

class TstLaneStatusWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aLaneChangedAfterTheGunLosesNothing_data();
    void aLaneChangedAfterTheGunLosesNothing();

private:
    QStringList postsSoFar() const { return plainReactions(posts(fixture->postLog)); }
    // The window and the serial object taken to wired operation, as the mode detection does.
    bool goWired();

    QTemporaryDir folder;
    std::unique_ptr<MeetRaceFixture> fixture;
};

void TstLaneStatusWindow::init()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
}

void TstLaneStatusWindow::cleanup()
{
    fixture.reset();
}

bool TstLaneStatusWindow::goWired()
{
    CSerialComThread *serial = fixture->window->serialComThread();
    serial->setUserSelectedOperationMode(OperationModeWired);
    serial->SetOperationMode(OperationModeWired);
    emit serial->change_operation_mode(OperationModeWired);
    return QTest::qWaitFor([serial] { return serial->isBaudSwitchDone(); }, kWaitMs) &&
           fixture->waitUntilReady();
}

void TstLaneStatusWindow::aLaneChangedAfterTheGunLosesNothing_data()
{
    QTest::addColumn<bool>("wired");
    QTest::addColumn<int>("afterMs"); // after the gun
    QTest::addColumn<int>("from");    // lane 3's status at the Ready, as a combo row
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("ranBefore"); // lane 3 ran the race before and still holds its reaction
    const QList<std::pair<bool, int>> moments{{false, 50}, {true, 50}, {true, 150}};
    for (const auto &[wired, afterMs] : moments) {
        const char *mode = wired ? "wired" : "wireless";
        QTest::addRow("%s, %d ms, DNS to ACTIVE", mode, afterMs)
            << wired << afterMs << kDnsRow << kActiveRow << false;
        QTest::addRow("%s, %d ms, ACTIVE to RUP", mode, afterMs)
            << wired << afterMs << kActiveRow << kRupRow << false;
    }
    QTest::newRow("wireless, 50 ms, DNS to ACTIVE, ran the race before")
        << false << 50 << kDnsRow << kActiveRow << true;
}

void TstLaneStatusWindow::aLaneChangedAfterTheGunLosesNothing()
{
    QFETCH(bool, wired);
    QFETCH(int, afterMs);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, ranBefore);
    SimScenario scenario = SimScenario::standard(kLanes);
    scenario.wired = wired;
    scenario.autoStartDelayMs = 300;
    for (int i = 0; i < kLanes; ++i)
        scenario.lanes[i].reactionMs = kReactions[i];
    fixture =
        std::make_unique<MeetRaceFixture>(scenario, folder.path(), QStringLiteral(QUELLOR_MEETSIM_DATA_DIR));
    QVERIFY2(fixture->start(), "the simulators, the folders or the window did not come up");
    if (wired)
        QVERIFY2(goWired(), "the window did not take wired operation");
    MainWindow *window = fixture->window;
    CSerialComThread *serial = window->serialComThread();
    if (ranBefore) {
        // heat 1 raced whole, then heat 2 chosen, so that lane 3's status is its athlete's
        QVERIFY(fixture->raceByF5());
        QVERIFY(fixture->chooseEvent(MeetRaceFixture::kHeat2Row, kHeats[1].bibs));
    }
    const int first = ranBefore ? 1 : 0; // the heat of the race under test
    const RacedHeat &heat = kHeats[first];
    QComboBox *lane3 = window->laneRows().at(2)->participationStatusCombo();
    lane3->setCurrentIndex(from);

    fixture->sim->setAutoStartDelayMs(-1); // the gun is the test's
    QSignalSpy saved(serial, &CSerialComThread::save_results_file);
    QVERIFY(fixture->readyByF5());
    QTRY_VERIFY_WITH_TIMEOUT(serial->allReady, kWaitMs);
    bool changed = false;
    bool flagStood = false;
    qint64 changedAfterMs = -1;
    QElapsedTimer sinceGun;
    const auto gun = [&] {
        fixture->sim->startRace();
        sinceGun.start();
        QTimer::singleShot(afterMs, Qt::PreciseTimer, this, [&] {
            // the moment that counts: the start is in and everybody still counts as ready
            flagStood = serial->allReady && serial->raceRun()->hasStarted();
            changedAfterMs = sinceGun.elapsed();
            lane3->setCurrentIndex(to);
            changed = true;
        });
    };
    // wireless: the gun right after a polling tick, so that the change comes before the next one clears the
    // flag; wired: polling is quiet until the start header
    if (wired)
        gun();
    else
        connect(serial, &CSerialComThread::data_request_sent, this, gun, Qt::SingleShotConnection);
    QTRY_VERIFY_WITH_TIMEOUT(changed, kWaitMs);
    QVERIFY2(flagStood, qPrintable(QStringLiteral("changed %1 ms after the gun").arg(changedAfterMs)));
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 2, kWaitMs);

    // both files hold every lane that ran with its reaction, and lane 3 with its new status; a lane that
    // joined after the gun has no reaction of this race
    const bool joined = from == kDnsRow;
    const QStringList expected = heatRace(heat, to == kRupRow ? 5 : 1, !joined);
    QCOMPARE(savedRace(fixture->resultsDir, heat.file() + "*.vq1", true), expected);
    QCOMPARE(savedRace(fixture->resultsDir, heat.file() + "*.vq2", true), expected);
    const QString label = heat.file().toLower();
    const QStringList logged = raceLogResults();
    QCOMPARE(logged.mid(logged.size() - kLanes),
             QStringList({label + " L1 OK", label + " L2 OK", label + (joined ? " L3" : " L3 OK")}));
    QStringList posted = ranBefore ? racePosts(kHeats[0].participations, 1, kHeats[0].ids) : QStringList();
    posted += racePosts(heat.participations, 1, heat.ids, {{3, to == kRupRow ? "-5" : "-6"}});
    QTRY_COMPARE_WITH_TIMEOUT(postsSoFar().size(), posted.size(), kWaitMs);
    QCOMPARE(postsSoFar(), posted);

    // the next Ready races lane 3 as the lane rules say, with its reaction
    fixture->sim->setAutoStartDelayMs(300);
    QVERIFY(fixture->raceByF5());
    const RacedHeat &next = kHeats[first + 1];
    QStringList files = filePair(heat.file()) + filePair(next.file());
    if (ranBefore)
        files = filePair(kHeats[0].file()) + files;
    QCOMPARE(savedNames(fixture->resultsDir), files);
    QCOMPARE(savedRace(fixture->resultsDir, next.file() + "*.vq2", true), heatRace(next));
    posted += racePosts(next.participations, 1, next.ids);
    QTRY_COMPARE_WITH_TIMEOUT(postsSoFar().size(), posted.size(), kWaitMs);
    QCOMPARE(postsSoFar(), posted);
}

int main(int argc, char **argv)
{
    AppTestEnvironment environment;
    if (!environment.isValid())
        return 1;
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    TstLaneStatusWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lanestatuswindow.moc"
