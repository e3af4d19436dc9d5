// A race is saved once: a start indication that comes again after its last save, and a Ready that comes
// while a box of its reaction save waits, neither save it a second time nor spill into the next race. The
// real window against the device simulator behind a link and the meet server simulator, in the private
// network namespace; each row reads back the saves, the files, the race log and the server's posts.
#include <algorithm>

#include <QDateTime>
#include <QMessageBox>
#include <QTemporaryDir>

#include "meetracefixture.h"
#include "samplemeet.h"
#include "sim/simprotocol.h"
#include "testnetwork.h"

using namespace RaceRecords;
using namespace SampleMeet;

namespace
{

constexpr int kLanes = 3;
constexpr int kWaitMs = MeetRaceFixture::kWaitMs;
const QString kFirstRace = QStringLiteral("race_%1_h1_s1").arg(kHeat1);
const QString kSecondRace = QStringLiteral("race_%1_h2_s1").arg(kHeat2);

// Each save as "run type", 0 for the reaction save and 1 for the sound save.
QStringList savesOf(const QSignalSpy &spy)
{
    QStringList saves;
    for (const QList<QVariant> &save : spy)
        saves
            << QStringLiteral("%1 %2").arg(save[2].toULongLong()).arg(int(save[0].value<ResultsDataType>()));
    return saves;
}

QStringList twoRaces(quint64 first, quint64 second)
{
    return {QStringLiteral("%1 0").arg(first), QStringLiteral("%1 1").arg(first),
            QStringLiteral("%1 0").arg(second), QStringLiteral("%1 1").arg(second)};
}

} // namespace

class TstSavedOnceWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aStartIndicationAfterTheLastSaveSavesNothing_data();
    void aStartIndicationAfterTheLastSaveSavesNothing();
    void aReadyWhileTheReactionSavesBoxWaits_data();
    void aReadyWhileTheReactionSavesBoxWaits();

private:
    QStringList postsSoFar() const { return plainReactions(posts(fixture->postLog)); }
    // The two races' files, race-log blocks and posts, once each.
    void compareTwoRaces(const QStringList &files);

    QTemporaryDir folder;
    std::unique_ptr<MeetRaceFixture> fixture;
};

void TstSavedOnceWindow::init()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    SimScenario scenario = SimScenario::standard(kLanes);
    scenario.autoStartDelayMs = 300;
    for (int i = 0; i < kLanes; ++i)
        scenario.lanes[i].reactionMs = 150 + 20 * i;
    fixture =
        std::make_unique<MeetRaceFixture>(scenario, folder.path(), QStringLiteral(QUELLOR_MEETSIM_DATA_DIR));
    QVERIFY2(fixture->start(), "the simulators, the folders or the window did not come up");
    QCOMPARE(fixture->blockBibs(), kHeat1Bibs.join(u','));
}

void TstSavedOnceWindow::cleanup()
{
    fixture.reset();
}

void TstSavedOnceWindow::compareTwoRaces(const QStringList &files)
{
    QCOMPARE(savedNames(fixture->resultsDir), files);
    QCOMPARE(savedRace(fixture->resultsDir, kSecondRace + "*.vq2"),
             expectedRace(kHeat2 + " h2 s1", kHeat2Bibs));
    QCOMPARE(raceLogLines(),
             raceLogBlock(kFirstRace.toLower(), kLanes) + raceLogBlock(kSecondRace.toLower(), kLanes));
    const QStringList expected = racePosts(kHeat1Posts, 1, kHeat1Ids) + racePosts(kHeat2Posts, 1, kHeat2Ids);
    QTRY_COMPARE_WITH_TIMEOUT(postsSoFar().size(), expected.size(), kWaitMs);
    QCOMPARE(postsSoFar(), expected);
}

void TstSavedOnceWindow::aStartIndicationAfterTheLastSaveSavesNothing_data()
{
    QTest::addColumn<bool>("anotherGun"); // a gun of its own, or the last indication heard once more
    QTest::newRow("the same indication again") << false;
    QTest::newRow("another gun with the blocks idle") << true;
}

// The race is saved; before the next Ready the coordinator tells of a start once more. The blocks still
// hold the race's reactions, but the race is not fetched, saved, logged or posted again, and the next
// Ready races the next heat as usual.
void TstSavedOnceWindow::aStartIndicationAfterTheLastSaveSavesNothing()
{
    QFETCH(bool, anotherGun);
    MainWindow *window = fixture->window;
    CSerialComThread *serial = window->serialComThread();
    QSignalSpy saved(serial, &CSerialComThread::save_results_file);
    QVERIFY(fixture->raceByF5());
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 2, kWaitMs);
    const RaceRunPointer first = window->lastRaceRun();
    QVERIFY(first && first->isSaved());

    QSignalSpy indicated(window->coordinator(), &CCoordinator::new_start_indication);
    if (anotherGun)
        fixture->sim->startRace();
    else
        fixture->sim->repeatStartIndication();
    QVERIFY(indicated.wait(kWaitMs));
    // a save would follow within a few polling rounds: the blocks' reactions are all there to be fetched
    QSignalSpy polled(serial, &CSerialComThread::data_request_sent);
    QVERIFY(QTest::qWaitFor([&] { return saved.count() > 2 || polled.count() >= 60; }, 2 * kWaitMs));
    QCOMPARE(saved.count(), 2);
    QCOMPARE(window->lastRaceRun(), first);
    QCOMPARE(savedNames(fixture->resultsDir), filePair(kFirstRace));

    QVERIFY(fixture->raceByF5());
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 4, kWaitMs);
    QCOMPARE(fixture->events()->currentIndex(), MeetRaceFixture::kHeat2Row);
    QCOMPARE(savesOf(saved), twoRaces(first->id(), window->lastRaceRun()->id()));
    compareTwoRaces(filePair(kFirstRace) + filePair(kSecondRace));
    QCOMPARE(savedRace(fixture->resultsDir, kFirstRace + "*.vq2"),
             expectedRace(kHeat1 + " h1 s1", kHeat1Bibs));
}

void TstSavedOnceWindow::aReadyWhileTheReactionSavesBoxWaits_data()
{
    QTest::addColumn<bool>("folderGone"); // or the planned reaction file already there
    QTest::newRow("the reaction file already exists") << false;
    QTest::newRow("the results folder is gone") << true;
}

// The reaction save of heat 1 shows a box. While it waits, the official presses F5 where the keys go (the
// box) and the coordinator asks for Ready, which the program honours; then the box is answered. Heat 1 is
// saved once, with what it had, and the race readied meanwhile is heat 2's, saved on its own.
void TstSavedOnceWindow::aReadyWhileTheReactionSavesBoxWaits()
{
    QFETCH(bool, folderGone);
    MainWindow *window = fixture->window;
    CSerialComThread *serial = window->serialComThread();
    QSignalSpy saved(serial, &CSerialComThread::save_results_file);
    QDir results(fixture->resultsDir);

    // the planned reaction file's name carries the clock's second: each second about then is taken
    QStringList taken;
    const auto takeNames = [&] {
        const QDateTime now = QDateTime::currentDateTime();
        for (int second = -1; second <= 3; ++second) {
            const QDateTime at = now.addSecs(second);
            const QString path =
                results.filePath(QStringLiteral("%1_%2_%3.vq1")
                                     .arg(kFirstRace, at.toString("dd-MM-yyyy"), at.toString("hh-mm-ss")));
            QFile file(path);
            if (!taken.contains(path) && file.open(QIODevice::WriteOnly))
                taken << path;
        }
    };
    if (folderGone) {
        QVERIFY(results.removeRecursively());
    } else {
        for (CStartBlock *block : window->startBlocks())
            connect(block->measurement(), &CStartBlockMeasurement::new_graph, this, takeNames);
    }

    QObject boxes;
    QStringList texts;
    RaceRunPointer first;
    bool readiedInTheBox = false;
    QStringList savesInTheBox;
    std::function<void(QMessageBox *)> answer = [&](QMessageBox *box) {
        texts << box->text();
        if (texts.size() == 1) {
            first = window->lastRaceRun();
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : box, Qt::Key_F5);
            fixture->sim->setAutoStartDelayMs(-1);
            fixture->sim->requestReady();
            // the Ready saves heat 1 with what it has: the reaction save is the one the box holds up
            readiedInTheBox =
                QTest::qWaitFor([&] { return serial->raceRun() != first && !saved.isEmpty(); }, kWaitMs);
            savesInTheBox = savesOf(saved);
        }
        box->accept();
        whenModal<QMessageBox>(&boxes, answer);
    };
    // once heat 2 is readied its blocks hold no graph of heat 1: none is asked of them before its gun
    int soundGraphsAskedOfHeat2 = 0;
    bool gun = false;
    connect(fixture->sim.get(), &DeviceSimulator::requestReceived, &boxes, [&](const SimRequest &request) {
        if (readiedInTheBox && !gun && request.frame.command == SimProtocol::SoundGraphRequest)
            ++soundGraphsAskedOfHeat2;
    });
    whenModal<QMessageBox>(&boxes, answer);
    QVERIFY(fixture->readyByF5());
    QTRY_VERIFY_WITH_TIMEOUT(readiedInTheBox, 2 * kWaitMs);
    QVERIFY(first);
    QCOMPARE(savesInTheBox, QStringList{QStringLiteral("%1 1").arg(first->id())});
    for (CStartBlock *block : window->startBlocks())
        disconnect(block->measurement(), nullptr, this, nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(window->lastRaceRun() == serial->raceRun(), kWaitMs);
    QVERIFY(window->lastRaceRun() != first);
    QTRY_VERIFY_WITH_TIMEOUT(serial->allReady, kWaitMs);
    QCOMPARE(fixture->events()->currentIndex(), MeetRaceFixture::kHeat2Row);
    QTRY_COMPARE_WITH_TIMEOUT(fixture->blockBibs(), kHeat2Bibs.join(u','), kWaitMs);
    if (folderGone)
        QVERIFY(QDir().mkpath(fixture->resultsDir));
    QSignalSpy polled(serial, &CSerialComThread::data_request_sent);
    QTRY_VERIFY_WITH_TIMEOUT(polled.count() >= 20, kWaitMs);
    QCOMPARE(soundGraphsAskedOfHeat2, 0);
    gun = true;
    fixture->sim->startRace();
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 4, kWaitMs);
    // in the order they were written, which the box changed
    QStringList saves = savesOf(saved);
    QStringList expected = twoRaces(first->id(), window->lastRaceRun()->id());
    std::sort(saves.begin(), saves.end());
    std::sort(expected.begin(), expected.end());
    QCOMPARE(saves, expected);

    if (folderGone) {
        const QString lost = QStringLiteral("Unable to open file %1_").arg(results.filePath(kFirstRace));
        QCOMPARE(texts.size(), 2);
        QVERIFY2(texts[0].startsWith(lost) && texts[0].endsWith(".vq1."), qPrintable(texts[0]));
        QVERIFY2(texts[1].startsWith(lost) && texts[1].endsWith(".vq2."), qPrintable(texts[1]));
        compareTwoRaces(filePair(kSecondRace));
        return;
    }
    // the box names a taken name, and the file is saved beside it under a free one
    QCOMPARE(texts.size(), 1);
    static const QRegularExpression exists(QStringLiteral("^File (.+) already exists, save as (.+)$"));
    const QRegularExpressionMatch match = exists.match(texts[0]);
    QVERIFY2(match.hasMatch() && taken.contains(match.captured(1)), qPrintable(texts[0]));
    QVERIFY(!taken.contains(match.captured(2)) && QFileInfo::exists(match.captured(2)));
    for (const QString &path : std::as_const(taken))
        QVERIFY(QFile::remove(path));
    compareTwoRaces(filePair(kFirstRace) + filePair(kSecondRace));
    QCOMPARE(savedRace(fixture->resultsDir, kFirstRace + "*.vq2"),
             expectedRace(kHeat1 + " h1 s1", kHeat1Bibs));
}

int main(int argc, char **argv)
{
    AppTestEnvironment environment;
    if (!environment.isValid())
        return 1;
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    TstSavedOnceWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_savedoncewindow.moc"
