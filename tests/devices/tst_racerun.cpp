// What a run of the devices is, from its Ready to its last save, as the serial object moves it: one run per
// Ready from outside, of the kind asked for; started and false-started for good once it was; each save once
// and carrying its run; nothing after the run is saved, whatever the link, the lanes or the operator do.
#include <QSignalSpy>
#include <QTest>

#include "devices/racerun.h"
#include "serialtestkit.h"

using namespace SerialTest;

namespace
{
constexpr quint8 kIdle = 1;
constexpr quint8 kReady = 2;
constexpr quint8 kStarted = 3;
constexpr quint8 kStartIndication = 0x0B;
constexpr quint8 kInfoReply = 0x02;
constexpr quint8 kStatusReply = 0x05;
constexpr quint16 kLimit = 100;     // each block's false-start limit, info field 3
constexpr quint16 kFalseStart = 72; // below the limit
constexpr quint16 kReaction = 150;
constexpr quint16 kNone = 0x7FFF; // what a block stopped before its athlete moved reports

// "run type" per save, in order.
QStringList savesOf(const QSignalSpy &spy)
{
    QStringList saves;
    for (const QList<QVariant> &save : spy)
        saves
            << QStringLiteral("%1 %2").arg(save[2].toULongLong()).arg(int(save[0].value<ResultsDataType>()));
    return saves;
}
} // namespace

class TstRaceRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void phasesOnlyGoForwardAndEachSaveGoesOnce();
    void eachReadyFromOutsideBeginsARunOfItsKind();
    void aStartedRunStaysWhatItWasAndIsSavedOnce_data();
    void aStartedRunStaysWhatItWasAndIsSavedOnce();
    void aSavedRunIsNeitherFetchedNorSavedAgain();
    void aReadyWhileASaveIsHandledLeavesTheNextRunUnsaved();
    void aStartedRaceIsNotArmedAgain();
    void aReactionBeforeTheBlocksWereArmedIsNoFalseStart();
    void aLaneChangedAfterTheGunArmsNothing_data();
    void aLaneChangedAfterTheGunArmsNothing();

private:
    void ready();
    void arm();
    void start() { f->replyCoordinator(kStartIndication, item8(1, 1)); }
    void react(int block, quint16 reaction)
    {
        f->reply(f->blocks[block], kStatusReply, statusItems(kIdle, reaction));
    }
    // Graph ticks, each request answered at once, while graph polling goes on.
    void fetchGraphs();
    void pull();
    // Armed, started and both lanes in: the race's graphs are fetched now.
    RaceRunPointer raceToTheGraphs();

    std::unique_ptr<SerialFixture> f;
};

void TstRaceRun::init()
{
    f = std::make_unique<SerialFixture>(2);
    f->serial->setUserSelectedOperationMode(OperationModeWireless);
    f->open();
    for (CStartBlock *block : f->blocks)
        f->reply(block, kInfoReply, item16(3, kLimit));
}

void TstRaceRun::cleanup()
{
    f.reset();
}

void TstRaceRun::ready()
{
    f->serial->OnSetStatusRequest(1, kReady, f->serial->broadcastDevice());
}

void TstRaceRun::arm()
{
    ready();
    f->reportStates(kReady, kReady);
    f->tick();
    QVERIFY(f->serial->allReady);
}

void TstRaceRun::fetchGraphs()
{
    for (int tick = 0; tick < 12 && f->serial->isGraphPolling(); ++tick) {
        f->port->writes.clear();
        f->serial->OnGraphTimerTimeout();
        for (const Sent &request : f->sent()) {
            for (CStartBlock *block : f->blocks) {
                if (block->macBytes() == request.mac && (request.command == 0x07 || request.command == 0x09))
                    f->reply(block, quint8(request.command + 1), graphItems());
            }
        }
    }
}

RaceRunPointer TstRaceRun::raceToTheGraphs()
{
    arm();
    const RaceRunPointer run = f->serial->raceRun();
    start();
    react(0, kReaction);
    react(1, kReaction);
    f->tick();
    return run;
}

void TstRaceRun::pull()
{
    QSignalSpy lost(f->serial.get(), &CSerialComThread::serial_port_lost);
    f->port->failWritesWith = QStringLiteral("Input/output error");
    f->serial->SendStatusRequest(f->blocks[0]);
    QTRY_COMPARE(lost.count(), 1);
}

void TstRaceRun::phasesOnlyGoForwardAndEachSaveGoesOnce()
{
    RaceRun run(7, RaceRun::Kind::Race);
    run.markGraphs();
    run.markStarted(); // late news of the start moves nothing back
    QCOMPARE(run.phase(), RaceRun::Phase::Graphs);
    QVERIFY(run.hasStarted() && run.isUnderWay() && run.isFetchingGraphs());
    QVERIFY(run.takeReactionSave());
    QVERIFY(!run.takeReactionSave());
    run.markFalseStart();
    QVERIFY(run.takeSoundSave());
    QVERIFY(!run.takeSoundSave());
    QVERIFY(!run.takeReactionSave());
    run.markReactionsIn();
    QCOMPARE(run.phase(), RaceRun::Phase::Saved);
    QVERIFY(run.falseStartSeen() && !run.isUnderWay());

    // saved by a loss before its reaction save went out: nothing goes out after it
    RaceRun cut(8, RaceRun::Kind::TestRun);
    QVERIFY(cut.isTestRun() && !cut.hasStarted());
    cut.markStarted();
    QVERIFY(cut.takeSoundSave());
    QVERIFY(!cut.takeReactionSave());
    cut.markFalseStart();
    QVERIFY(!cut.falseStartSeen());
}

void TstRaceRun::eachReadyFromOutsideBeginsARunOfItsKind()
{
    QVERIFY(!f->serial->raceRun());
    ready();
    const RaceRunPointer first = f->serial->raceRun();
    QVERIFY(first && first->kind() == RaceRun::Kind::Race && first->phase() == RaceRun::Phase::Readied);
    f->serial->setNextRunKind(RaceRun::Kind::TestRun);
    ready();
    const RaceRunPointer test = f->serial->raceRun();
    QVERIFY(test != first && test->isTestRun() && test->id() > first->id());
    ready(); // the kind was used up
    const RaceRunPointer race = f->serial->raceRun();
    QVERIFY(!race->isTestRun() && race->id() > test->id());
    f->serial->setNextRunKind(RaceRun::Kind::TestRun);
    f->serial->OnSetStatusRequest(1, kIdle, f->serial->broadcastDevice()); // Idle uses it up too
    QCOMPARE(f->serial->raceRun(), race);
    ready();
    QVERIFY(!f->serial->raceRun()->isTestRun());

    // a Ready on an all-ready system goes out as Idle and begins nothing
    f->reportStates(kIdle, kIdle);
    f->tick();
    arm();
    const RaceRunPointer armed = f->serial->raceRun();
    f->port->writes.clear();
    ready();
    QVERIFY(f->described().contains("all:06=010101") && !f->described().contains("all:06=010102"));
    QCOMPARE(f->serial->raceRun(), armed);

    // the serial object's own Ready, ten seconds on, repeats for the run it has
    f->reportStates(kIdle, kIdle);
    f->tick();
    ready();
    const RaceRunPointer repeated = f->serial->raceRun();
    f->setReadyWindow(true);
    f->reportStates(kIdle, kReady);
    f->manualClock->advance(10001);
    QVERIFY(f->tick().contains("all:06=010102"));
    QCOMPARE(f->serial->raceRun(), repeated);
}

void TstRaceRun::aStartedRunStaysWhatItWasAndIsSavedOnce_data()
{
    QTest::addColumn<QString>("what"); // after the start, lane 1's false start and before lane 2's reaction
    QTest::addColumn<bool>("savedByIt");
    QTest::newRow("lane 2 given up and sent Idle") << "silent" << false;
    QTest::newRow("Idle to every block") << "idle" << false;
    QTest::newRow("the port reopened") << "reopen" << false;
    QTest::newRow("the port reopened, refused") << "refused" << true;
    QTest::newRow("the port pulled") << "pull" << true;
    QTest::newRow("the lanes rebuilt") << "rebuilt" << true;
    QTest::newRow("the next Ready") << "ready" << true;
}

void TstRaceRun::aStartedRunStaysWhatItWasAndIsSavedOnce()
{
    QFETCH(QString, what);
    QFETCH(bool, savedByIt);
    arm();
    const RaceRunPointer run = f->serial->raceRun();
    QSignalSpy saved(f->serial.get(), &CSerialComThread::save_results_file);
    start();
    react(0, kFalseStart);
    f->reply(f->blocks[1], kStatusReply, statusItems(kStarted));
    f->tick();
    QVERIFY(run->hasStarted() && run->falseStartSeen());

    if (what == "silent") {
        f->tick(9 * 2 + 1);
        QCOMPARE(f->serial->skippedBlocks(), QList<CStartBlock *>({f->blocks[1]}));
        react(1, kNone);
    } else if (what == "idle") {
        f->serial->OnSetStatusRequest(1, kIdle, f->serial->broadcastDevice());
        react(0, kNone); // a block stopped shows no false start any more
        react(1, kNone);
    } else if (what == "reopen" || what == "refused") {
        f->refuseOpen = what == "refused";
        f->serial->OpenPort(QStringLiteral("ttyTEST"), CSerialComThread::kBaudWireless);
    } else if (what == "pull") {
        pull();
    } else if (what == "rebuilt") {
        f->serial->clearStartBlocks();
    } else {
        ready();
    }
    QCOMPARE(saved.count(), savedByIt ? 2 : 0);
    if (!savedByIt) {
        if (what == "reopen") {
            f->serial->StopQuestionsTimer();
            react(1, kReaction);
        }
        f->tick();
        QVERIFY(f->serial->isGraphPolling());
        fetchGraphs();
    }
    const QString id = QString::number(run->id());
    QCOMPARE(savesOf(saved), QStringList({id + " 0", id + " 1"}));
    QVERIFY(run->isSaved() && run->hasStarted() && run->falseStartSeen());
}

void TstRaceRun::aSavedRunIsNeitherFetchedNorSavedAgain()
{
    const RaceRunPointer run = raceToTheGraphs();
    fetchGraphs();
    QVERIFY(run->isSaved() && f->serial->isPolling());
    QSignalSpy saved(f->serial.get(), &CSerialComThread::save_results_file);

    // the blocks still report the race: nothing is skipped, fetched or saved for it
    f->serial->StopQuestionsTimer();
    for (CStartBlock *block : f->blocks)
        block->measurement()->ResetGraphs();
    const QStringList asked = f->tick(40);
    for (const QString &frame : asked)
        QVERIFY2(!frame.startsWith("B2:06"), qPrintable(frame));
    QVERIFY(!f->serial->isGraphPolling());
    f->serial->startGraphsTimerTimeout();
    QVERIFY(!f->serial->isGraphPolling());
    f->serial->OpenPort(QStringLiteral("ttyTEST"), CSerialComThread::kBaudWireless);
    QVERIFY(f->serial->isPolling() && !f->serial->isGraphPolling());
    f->serial->OnSetStatusRequest(1, kIdle, f->serial->broadcastDevice());
    f->serial->SaveRaceUnderWay();
    pull();
    f->serial->clearStartBlocks();
    QCOMPARE(saved.count(), 0);
}

// The box of a first save lets the coordinator's Ready through: the graph tick that made the save goes no
// further with the run the Ready began.
void TstRaceRun::aReadyWhileASaveIsHandledLeavesTheNextRunUnsaved()
{
    const RaceRunPointer run = raceToTheGraphs();
    QVERIFY(f->serial->isGraphPolling());
    for (CStartBlock *block : f->blocks) {
        f->serial->OnGraphTimerTimeout();
        f->reply(block, 0x08, graphItems());
    }
    QSignalSpy saved(f->serial.get(), &CSerialComThread::save_results_file);
    qsizetype readied = -1;
    connect(f->serial.get(), &CSerialComThread::save_results_file, this, [&](ResultsDataType type) {
        if (type != ResultsReactionGraphs)
            return;
        ready();
        readied = f->port->writes.size();
    });
    f->serial->OnGraphTimerTimeout();
    QVERIFY(readied >= 0);
    // the armed blocks are asked for no sound graph of the race before
    for (const QByteArray &frame : f->port->writes.mid(readied))
        QVERIFY2(decode(frame).command != 0x09, frame.toHex().constData());
    const RaceRunPointer next = f->serial->raceRun();
    QVERIFY(next != run && !next->reactionSaveSent() && !next->soundSaveSent() && !next->hasStarted());
    const QString id = QString::number(run->id());
    QCOMPARE(savesOf(saved), QStringList({id + " 0", id + " 1"}));
    QVERIFY(!f->serial->isGraphPolling());
}

// Ready goes out again while the blocks have not all followed; once the gun has gone it would wipe the
// race's reactions.
void TstRaceRun::aStartedRaceIsNotArmedAgain()
{
    ready();
    f->setReadyWindow(true);
    f->reply(f->blocks[0], kStatusReply, statusItems(kReady));
    f->reply(f->blocks[1], kStatusReply, statusItems(kIdle));
    f->replyCoordinator(kStatusReply, item8(1, kReady));
    f->tick();
    start();
    react(0, kReaction);
    f->manualClock->advance(10001);
    const QStringList sent = f->tick(3);
    QVERIFY2(!sent.contains("all:06=010102"), qPrintable(sent.join(' ')));
    QCOMPARE(f->blocks[0]->measurement()->reactionTimeMs(), qint16(kReaction));
}

// A reply on its way before the blocks took the Ready still carries the last race's false start.
void TstRaceRun::aReactionBeforeTheBlocksWereArmedIsNoFalseStart()
{
    ready();
    const RaceRunPointer run = f->serial->raceRun();
    react(0, kFalseStart);
    f->reply(f->blocks[1], kStatusReply, statusItems(kIdle, kReaction));
    f->tick(3);
    QVERIFY(!run->hasStarted() && !run->falseStartSeen());
    // the gun before any block was seen armed: what they still show is the race before's
    start();
    react(0, kFalseStart);
    f->tick();
    QVERIFY(run->hasStarted() && !run->falseStartSeen());
    f->reportStates(kReady, kReady);
    f->tick();
    start();
    react(0, kReaction);
    react(1, kFalseStart);
    f->tick();
    QVERIFY(run->falseStartSeen());
}

void TstRaceRun::aLaneChangedAfterTheGunArmsNothing_data()
{
    QTest::addColumn<bool>("wired");
    QTest::addColumn<int>("from"); // lane 3's status at the Ready
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("afterGun");
    QTest::addColumn<bool>("ranBefore"); // lane 3 ran the race before, and still shows its reaction
    for (const bool wired : {false, true}) {
        const char *mode = wired ? "wired" : "wireless";
        QTest::addRow("%s, DNS to ACTIVE after the gun", mode)
            << wired << int(ParticipationDns) << int(ParticipationActive) << true << false;
        QTest::addRow("%s, ACTIVE to RUP after the gun", mode)
            << wired << int(ParticipationActive) << int(ParticipationRup) << true << false;
    }
    QTest::newRow("wireless, DNS to ACTIVE after the gun, ran the race before")
        << false << int(ParticipationDns) << int(ParticipationActive) << true << true;
    // before the gun the lane joins the race: it is armed, and the race waits for it
    QTest::newRow("wireless, DNS to ACTIVE before the gun")
        << false << int(ParticipationDns) << int(ParticipationActive) << false << false;
}

// Lane 3's status is changed while the everybody-ready flag still stands: after the gun (wired: before
// polling resumes) that arms nothing, and the race is saved once with the reactions of the lanes that ran.
void TstRaceRun::aLaneChangedAfterTheGunArmsNothing()
{
    QFETCH(bool, wired);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, afterGun);
    QFETCH(bool, ranBefore);
    f = std::make_unique<SerialFixture>(3);
    const int mode = wired ? OperationModeWired : OperationModeWireless;
    f->serial->setUserSelectedOperationMode(mode);
    f->open(wired ? CSerialComThread::kBaudWired : CSerialComThread::kBaudWireless);
    f->serial->SetOperationMode(mode);
    for (CStartBlock *block : f->blocks)
        f->reply(block, kInfoReply, item16(3, kLimit));
    CStartBlock *lane3 = f->blocks[2];
    const quint16 lane3Reaction = kReaction + 40;
    const auto setLane3 = [&](int status) {
        lane3->setParticipationStatus(status);
        f->serial->OnParticipationStatusChanged(lane3);
    };
    const auto gun = [&] {
        f->replyCoordinator(kStartIndication, item(1, QByteArray::fromHex("8b8b8b0a")));
        if (wired) {
            f->port->feed(QByteArray(4, char(0x8B))); // the start header: polling resumes
            f->serial->StopQuestionsTimer();
        }
    };
    if (ranBefore) {
        arm();
        gun();
        for (int block = 0; block < 3; ++block)
            react(block, lane3Reaction);
        f->tick();
        fetchGraphs();
        QVERIFY(f->serial->raceRun()->isSaved() && lane3->measurement()->hasGraph());
    }
    if (from != ParticipationActive)
        setLane3(from);
    arm();
    const RaceRunPointer run = f->serial->raceRun();
    QSignalSpy saved(f->serial.get(), &CSerialComThread::save_results_file);
    if (afterGun) {
        gun();
        QVERIFY(run->hasStarted());
    }
    QVERIFY(f->serial->allReady);
    f->port->writes.clear();
    setLane3(to);
    const QStringList sent = f->described();
    QCOMPARE(saved.count(), 0);
    QCOMPARE(f->serial->raceRun(), run);
    QVERIFY(!run->isSaved());
    if (!afterGun) {
        QVERIFY2(sent.contains("B3:06=010102"), qPrintable(sent.join(' ')));
        return;
    }
    QCOMPARE(sent, QStringList({"B3:06=0b0101"})); // measurement active, and nothing else
    f->tick(); // the lanes that ran still show READY: their replies since the gun are on their way
    QCOMPARE(saved.count(), 0);

    // the lanes that ran report their reactions; one that joined after the gun shows none of this race
    const bool joined = from == ParticipationDns;
    f->manualClock->advance(3000);
    react(0, kReaction);
    react(1, kReaction + 20);
    react(2, joined && !ranBefore ? quint16(0x6FFF) : lane3Reaction);
    f->tick(joined ? 9 * 3 + 2 : 1);
    QTRY_VERIFY(f->serial->isGraphPolling());
    fetchGraphs();
    const QString id = QString::number(run->id());
    QCOMPARE(savesOf(saved), QStringList({id + " 0", id + " 1"}));
    QCOMPARE(f->blocks[0]->measurement()->reactionTimeMs(), qint16(kReaction));
    QCOMPARE(f->blocks[1]->measurement()->reactionTimeMs(), qint16(kReaction + 20));
    QVERIFY(f->blocks[0]->measurement()->hasSoundGraph() && f->blocks[1]->measurement()->hasSoundGraph());
    QCOMPARE(lane3->participationStatus(), to);
    if (joined) {
        QVERIFY(lane3->measurement()->reactionIsNoValue());
        QVERIFY(!lane3->measurement()->hasGraph());
    } else {
        QCOMPARE(lane3->measurement()->reactionTimeMs(), qint16(lane3Reaction));
        QVERIFY(lane3->measurement()->hasSoundGraph());
    }

    // the next Ready keeps the lane in: everybody is ready only once it is
    ready();
    QVERIFY(f->serial->raceRun() != run);
    f->reportStates(kReady, kReady);
    f->reply(lane3, kStatusReply, statusItems(kIdle));
    f->tick();
    QVERIFY(!f->serial->allReady);
    f->reply(lane3, kStatusReply, statusItems(kReady));
    f->tick();
    QVERIFY(f->serial->allReady);
}

QTEST_MAIN(TstRaceRun)
#include "tst_racerun.moc"
