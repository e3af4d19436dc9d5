// The polling ticks: the question rotation, Ready and Idle with their repeats, "everybody ready", the
// reactions of a race, skipping silent blocks, the wired quiet, resynchronisation and sync frames, and the
// round counter set from outside.
#include <QSignalSpy>
#include <QThread>
#include <QTest>

#include "serialtestkit.h"

using namespace SerialTest;

namespace
{
constexpr quint8 kIdle = 1;
constexpr quint8 kReady = 2;
constexpr quint8 kStarted = 3;
constexpr quint8 kSetStatus = 0x06;
constexpr quint16 kReaction = 0x0096; // 150 ms

} // namespace

class TstSerialPolling : public QObject
{
    Q_OBJECT

private slots:
    void rotationTakesFiveSweepsAndTheInactiveBlocks_data();
    void rotationTakesFiveSweepsAndTheInactiveBlocks();
    void rotationAsksBlocksCoordinatorAndInactiveInOrder();
    void withoutBlocksTheCoordinatorAlternatesWithInactiveBlocks();
    void roundCounterOfFourAsksEveryDeviceForInfoNext();
    void readySetsTheRaceUpAndArmsTheBlocks();
    void everybodyReadyIsAnnouncedOncePerRace();
    void readyWhileEverybodyIsReadySendsIdle();
    void wirelessRaceRunsFromReadyToSavedGraphs();
    void readyIsRepeatedAfterTenSecondsWhileTheWindowIsOpen_data();
    void readyIsRepeatedAfterTenSecondsWhileTheWindowIsOpen();
    void idleIsRepeatedToBlocksButNeverSentToTheCoordinator();
    void allIdleNeedsEveryBlockAndTheCoordinator();
    void silentBlockIsSetIdleAndSkippedAfterNineTicksPerBlock();
    void wiredReadyGoesQuietAndStartsTheResyncTimer();
    void wiredGraphPollingWaitsForTheBlocks_data();
    void wiredGraphPollingWaitsForTheBlocks();
    void wiredIdleSendsASyncFrameEveryFifthTick();
    void leavingTheRaceMovesABlockToTheInactiveList();
    void rejoiningWhileEverybodyIsReadyArmsTheBlock();

private:
    void bringToEverybodyReady(SerialFixture &f);
};

void TstSerialPolling::bringToEverybodyReady(SerialFixture &f)
{
    f.serial->OnSetStatusRequest(1, kReady, f.serial->broadcastDevice());
    f.reportStates(kReady, kReady);
    f.tick();
    QVERIFY(f.serial->allReady);
}

void TstSerialPolling::rotationTakesFiveSweepsAndTheInactiveBlocks_data()
{
    QTest::addColumn<int>("polled");
    QTest::addColumn<int>("inactive");
    QTest::newRow("1 + 0") << 1 << 0;
    QTest::newRow("2 + 1") << 2 << 1;
    QTest::newRow("3 + 2") << 3 << 2;
    QTest::newRow("8 + 2") << 8 << 2;
    QTest::newRow("10 + 0") << 10 << 0;
}

void TstSerialPolling::rotationTakesFiveSweepsAndTheInactiveBlocks()
{
    QFETCH(int, polled);
    QFETCH(int, inactive);
    SerialFixture f(polled);
    for (int i = 0; i < inactive; ++i)
        f.serial->appendInactiveStartBlock(f.addBlock(quint8(polled + i + 1)));
    f.serial->setUserSelectedOperationMode(OperationModeWireless);
    f.open();
    int writes = 0;
    for (int cycle = 1; cycle <= 2; ++cycle) {
        int ticks = 0;
        while (f.serial->cycleCounter() < quint32(5 * cycle)) {
            f.tick();
            writes += f.port->writes.size();
            ++ticks;
        }
        QCOMPARE(ticks, 5 * (polled + 1) + inactive);
    }
    QCOMPARE(writes, 2 * (5 * (polled + 1) + inactive)); // one question per tick
}

void TstSerialPolling::rotationAsksBlocksCoordinatorAndInactiveInOrder()
{
    SerialFixture f(2);
    f.serial->appendInactiveStartBlock(f.addBlock(3));
    f.serial->setUserSelectedOperationMode(OperationModeWireless);
    f.open();
    const QStringList sweep = {"B1:04", "B2:04", "C:04"};
    QCOMPARE(f.tick(12), sweep + sweep + sweep + sweep);
    QCOMPARE(f.tick(4), QStringList({"B1:01", "B2:01", "B3:04", "C:0d"}));
    QCOMPARE(f.tick(3), sweep);
}

void TstSerialPolling::withoutBlocksTheCoordinatorAlternatesWithInactiveBlocks()
{
    SerialFixture f(0);
    f.serial->appendInactiveStartBlock(f.addBlock(1));
    f.serial->appendInactiveStartBlock(f.addBlock(2));
    f.open();
    const QStringList cycle = {"C:04", "C:04", "C:04", "C:04", "B1:04", "B2:04", "C:0d"};
    QCOMPARE(f.tick(14), cycle + cycle);
    QCOMPARE(f.serial->cycleCounter(), 10u);
}

void TstSerialPolling::roundCounterOfFourAsksEveryDeviceForInfoNext()
{
    SerialFixture f(2);
    f.serial->appendInactiveStartBlock(f.addBlock(3));
    f.serial->setUserSelectedOperationMode(OperationModeWireless);
    f.open();
    f.tick(6);
    // as the main window does after applying the settings, here from another thread
    std::unique_ptr<QThread> caller(QThread::create([&f] { f.serial->setCycleCounter(4); }));
    caller->start();
    QVERIFY(caller->wait(5000));
    QCOMPARE(f.tick(5), QStringList({"B1:01", "B2:01", "B3:04", "C:0d", "B1:04"}));
    QCOMPARE(f.serial->cycleCounter(), 5u);
}

void TstSerialPolling::readySetsTheRaceUpAndArmsTheBlocks()
{
    SerialFixture f(2);
    f.open();
    f.replyCoordinator(0x0B, item8(1, 1)); // a previous race had started
    f.reply(f.blocks[0], 0x05, statusItems(kIdle, kReaction));
    f.serial->OnSetStatusRequest(1, kReady, f.serial->broadcastDevice());
    QCOMPARE(f.port->writes, QList<QByteArray>({frame(broadcastMac(), 0, kSetStatus, item8(1, kReady))}));
    QCOMPARE(f.serial->forceMode(), int(kReady));
    QVERIFY(!f.runStarted());
    for (CStartBlock *block : f.blocks) {
        QCOMPARE(block->measurement()->racePhase(), 2);
        QVERIFY(!block->measurement()->isReactionAccepted());
        QVERIFY(block->measurement()->reactionIsNoValue());
    }
    // a READY block arms every block's measurement on the next tick
    f.reply(f.blocks[0], 0x05, statusItems(kReady));
    f.tick();
    for (CStartBlock *block : f.blocks)
        QVERIFY(block->measurement()->isReactionAccepted());
}

void TstSerialPolling::everybodyReadyIsAnnouncedOncePerRace()
{
    SerialFixture f(2);
    f.serial->setUserSelectedOperationMode(OperationModeWireless);
    f.open();
    f.serial->OnSetStatusRequest(1, kReady, f.serial->broadcastDevice());
    f.reportStates(kReady, kIdle);
    QCOMPARE(f.tick(), QStringList({"B1:04"})); // the coordinator isn't ready yet
    QVERIFY(!f.serial->allReady);

    f.replyCoordinator(0x05, item8(1, kReady));
    const QStringList announce = {"C:06=1c0101",   "C:06=1c0101", "C:06=1c0101",   "C:06=090101",
                                  "C:06=090101",   "C:06=090101", "all:06=1c0101", "all:06=1c0101",
                                  "all:06=1c0101", "B2:04"};
    QCOMPARE(f.tick(), announce);
    QVERIFY(f.serial->allReady);
    QCOMPARE(f.tick(30).filter(QStringLiteral(":06")), QStringList());

    // the next race announces again
    f.serial->allReady = false;
    f.serial->OnSetStatusRequest(1, kReady, f.serial->broadcastDevice());
    f.reportStates(kReady, kReady);
    QCOMPARE(f.tick().filter(QStringLiteral(":06")).size(), 9);
}

void TstSerialPolling::readyWhileEverybodyIsReadySendsIdle()
{
    SerialFixture f(2);
    f.open();
    bringToEverybodyReady(f);
    f.port->writes.clear();
    f.serial->OnSetStatusRequest(1, kReady, f.serial->broadcastDevice());
    QCOMPARE(f.port->writes.size(), 2);
    QCOMPARE(f.port->writes[0],
             frame(f.coordinator->macBytes(), f.serial->sequenceCounter() - 2, kSetStatus, item8(9, 0)));
    QCOMPARE(decode(f.port->writes[1]).items, item8(1, kIdle));
    QCOMPARE(decode(f.port->writes[1]).mac, broadcastMac());
    QCOMPARE(f.serial->forceMode(), int(kIdle));
    QCOMPARE(f.blocks[0]->measurement()->racePhase(), 1);
}

void TstSerialPolling::wirelessRaceRunsFromReadyToSavedGraphs()
{
    SerialFixture f(2);
    f.serial->setUserSelectedOperationMode(OperationModeWireless);
    f.open();
    QSignalSpy saved(f.serial.get(), &CSerialComThread::save_results_file);
    bringToEverybodyReady(f);
    f.replyCoordinator(0x0B, item8(1, 1));
    QVERIFY(f.runStarted());
    f.reportStates(kStarted, kStarted);
    f.tick();
    QVERIFY(!f.serial->isGraphPolling());

    f.reportStates(kIdle, kIdle, kReaction);
    QCOMPARE(f.blocks[0]->measurement()->reactionTimeMs(), qint16(150));
    f.tick();
    QVERIFY(f.serial->isGraphPolling());
    QVERIFY(!f.serial->isPolling());
    QCOMPARE(f.serial->graphInterval(), 750);

    const QList<QPair<QStringList, CStartBlock *>> steps = {{{"B1:07"}, f.blocks[0]},
                                                            {{"B2:07"}, f.blocks[1]},
                                                            {{"B1:09"}, f.blocks[0]},
                                                            {{"B2:09"}, f.blocks[1]}};
    for (int i = 0; i < steps.size(); ++i) {
        f.port->writes.clear();
        f.serial->OnGraphTimerTimeout();
        QCOMPARE(f.described(), steps[i].first);
        QCOMPARE(saved.count(), i < 2 ? 0 : 1);
        f.reply(steps[i].second, i < 2 ? 0x08 : 0x0A, graphItems());
    }
    f.serial->OnGraphTimerTimeout();
    QCOMPARE(saved.count(), 2);
    QCOMPARE(saved[0][0].value<ResultsDataType>(), ResultsReactionGraphs);
    QCOMPARE(saved[0][1].toBool(), true);
    QCOMPARE(saved[1][0].value<ResultsDataType>(), ResultsSoundGraphs);
    QCOMPARE(saved[1][1].toBool(), false);
    QVERIFY(!f.serial->isGraphPolling());
    QVERIFY(f.serial->isPolling());
    QCOMPARE(f.serial->cycleCounter(), 0u);
}

void TstSerialPolling::readyIsRepeatedAfterTenSecondsWhileTheWindowIsOpen_data()
{
    QTest::addColumn<bool>("windowOpen");
    QTest::newRow("window open") << true;
    QTest::newRow("window closed") << false;
}

void TstSerialPolling::readyIsRepeatedAfterTenSecondsWhileTheWindowIsOpen()
{
    QFETCH(bool, windowOpen);
    SerialFixture f(2);
    f.serial->setUserSelectedOperationMode(OperationModeWireless);
    f.open();
    f.setReadyWindow(windowOpen);
    f.serial->OnSetStatusRequest(1, kReady, f.serial->broadcastDevice());
    f.reply(f.blocks[0], 0x05, statusItems(kReady));
    f.reply(f.blocks[1], 0x05, statusItems(kIdle)); // ignores Ready
    f.replyCoordinator(0x05, item8(1, kReady));
    const QString readyAgain = QStringLiteral("all:06=010102");
    f.manualClock->advance(10000);
    QVERIFY(!f.tick().contains(readyAgain));
    f.manualClock->advance(1);
    QCOMPARE(f.tick().contains(readyAgain), windowOpen);
    f.manualClock->advance(5000);
    QVERIFY(!f.tick().contains(readyAgain)); // the repeat restarted the clock
    f.setReadyWindow(true);
    f.manualClock->advance(5001);
    QCOMPARE(f.tick().contains(readyAgain), windowOpen); // a closed window ended the repeats for good
}

void TstSerialPolling::idleIsRepeatedToBlocksButNeverSentToTheCoordinator()
{
    SerialFixture f(2);
    f.serial->setUserSelectedOperationMode(OperationModeWireless);
    f.open();
    f.serial->OnSetStatusRequest(1, kIdle, f.serial->broadcastDevice());
    f.reportStates(kReady, kReady);
    f.manualClock->advance(10001);
    const QStringList frames = f.tick();
    QVERIFY(frames.contains(QStringLiteral("all:06=010101")));
    QCOMPARE(frames.filter(QRegularExpression(QStringLiteral("^C:06=01"))), QStringList());

    f.reportStates(kIdle, kReady);
    f.manualClock->advance(10001);
    QCOMPARE(f.tick().filter(QStringLiteral(":06")), QStringList());
}

void TstSerialPolling::allIdleNeedsEveryBlockAndTheCoordinator()
{
    SerialFixture f(2);
    f.open();
    f.serial->OnSetStatusRequest(1, kIdle, f.serial->broadcastDevice());
    f.reportStates(kIdle, kReady);
    f.tick();
    QVERIFY(!f.serial->isAllIdle());
    f.replyCoordinator(0x05, item8(1, kIdle));
    f.tick();
    QVERIFY(f.serial->isAllIdle());
    // Idle isn't repeated once all are idle
    f.reply(f.blocks[1], 0x05, statusItems(kReady));
    f.manualClock->advance(20000);
    QCOMPARE(f.tick().filter(QStringLiteral(":06")), QStringList());
}

void TstSerialPolling::silentBlockIsSetIdleAndSkippedAfterNineTicksPerBlock()
{
    SerialFixture f(2);
    f.serial->setUserSelectedOperationMode(OperationModeWireless);
    f.open();
    QSignalSpy saved(f.serial.get(), &CSerialComThread::save_results_file);
    bringToEverybodyReady(f);
    f.replyCoordinator(0x0B, item8(1, 1));
    f.reply(f.blocks[0], 0x05, statusItems(kIdle, kReaction));
    f.reply(f.blocks[1], 0x05, statusItems(kStarted));
    for (int i = 0; i < 18; ++i)
        QCOMPARE(f.tick().filter(QStringLiteral("B2:06")), QStringList());
    QVERIFY(!f.serial->isGraphPolling());
    const QStringList frames = f.tick(); // the counter was 18 = 9n before this tick
    QVERIFY(frames.contains(QStringLiteral("B2:06=010101")));
    QCOMPARE(f.serial->skippedBlocks(), QList<CStartBlock *>({f.blocks[1]}));
    QVERIFY(f.serial->isGraphPolling());

    for (const int command : {0x08, 0x0A}) {
        f.port->writes.clear();
        f.serial->OnGraphTimerTimeout();
        QCOMPARE(f.sent().size(), 1);
        QCOMPARE(f.sent().first().mac, f.blocks[0]->macBytes());
        f.reply(f.blocks[0], quint8(command), graphItems());
    }
    f.serial->OnGraphTimerTimeout();
    QCOMPARE(saved.count(), 2);
    QVERIFY(f.serial->isPolling());
}

void TstSerialPolling::wiredReadyGoesQuietAndStartsTheResyncTimer()
{
    SerialFixture f(2);
    f.serial->setUserSelectedOperationMode(OperationModeWired);
    f.open(CSerialComThread::kBaudWired);
    f.serial->SetOperationMode(OperationModeWired);
    f.serial->OnSetStatusRequest(1, kReady, f.serial->broadcastDevice());
    f.reportStates(kReady, kReady);
    f.serial->startQuestionsTimerTimeout();
    const QStringList announce = {"C:06=1c0101",   "C:06=1c0101",  "C:06=1c0101", "C:06=090101",
                                  "C:06=090101",   "C:06=090101",  "C:04",        "all:06=1c0101",
                                  "all:06=1c0101", "all:06=1c0101"};
    QCOMPARE(f.tick(), announce); // no question on this tick
    QVERIFY(f.serial->isQuiet());
    QVERIFY(f.serial->isResyncTimerRunning());
    QCOMPARE(f.serial->resyncInterval(), 300000);
    QVERIFY(f.serial->isPolling());
    QCOMPARE(f.tick(), QStringList({"B1:04"})); // stops the timer, still asks its question
    QVERIFY(!f.serial->isPolling());

    // the first reaction stops the resynchronisation timer
    f.replyCoordinator(0x0B, item8(1, 1));
    f.reply(f.blocks[0], 0x05, statusItems(kIdle, kReaction));
    f.tick();
    QVERIFY(!f.serial->isResyncTimerRunning());
}

void TstSerialPolling::wiredGraphPollingWaitsForTheBlocks_data()
{
    QTest::addColumn<int>("sinceHeader");
    QTest::addColumn<int>("delay");
    QTest::newRow("1000 ms after the header") << 1000 << 1900;
    QTest::newRow("2899 ms after") << 2899 << 1;
    QTest::newRow("3000 ms after") << 3000 << 0;
}

void TstSerialPolling::wiredGraphPollingWaitsForTheBlocks()
{
    QFETCH(int, sinceHeader);
    QFETCH(int, delay);
    SerialFixture f(2);
    f.serial->setUserSelectedOperationMode(OperationModeWired);
    f.open(CSerialComThread::kBaudWired);
    f.serial->SetOperationMode(OperationModeWired);
    bringToEverybodyReady(f);
    f.replyCoordinator(0x0B, item(1, QByteArray::fromHex("8b8b8b0a")));
    f.port->feed(QByteArray(4, char(0x8B)));
    QVERIFY(f.serial->isPolling());
    f.manualClock->advance(sinceHeader);
    f.reportStates(kIdle, kIdle, kReaction);
    f.tick();
    QVERIFY(!f.serial->isPolling());
    QVERIFY(f.serial->isGraphStartPending());
    QCOMPARE(f.serial->graphStartDelay(), delay);
    QTRY_VERIFY_WITH_TIMEOUT(f.serial->isGraphPolling(), 10000);
    QCOMPARE(f.serial->graphInterval(), 1100);
}

void TstSerialPolling::wiredIdleSendsASyncFrameEveryFifthTick()
{
    SerialFixture f(1);
    f.serial->setUserSelectedOperationMode(OperationModeWired);
    f.open(CSerialComThread::kBaudWired);
    f.serial->SetOperationMode(OperationModeWired);
    f.serial->OnSetStatusRequest(1, kIdle, f.serial->broadcastDevice());
    QStringList frames = f.tick(10);
    QCOMPARE(frames.size(), 10);
    QCOMPARE(frames[3], QStringLiteral("all:f3"));
    QCOMPARE(frames[8], QStringLiteral("all:f3"));
    QCOMPARE(frames.count(QStringLiteral("all:f3")), 2);

    // an armed race is left alone
    f.serial->OnSetStatusRequest(1, kReady, f.serial->broadcastDevice());
    QCOMPARE(f.tick(10).count(QStringLiteral("all:f3")), 0);
}

void TstSerialPolling::leavingTheRaceMovesABlockToTheInactiveList()
{
    SerialFixture f(3);
    f.open();
    f.serial->startQuestionsTimerTimeout();
    f.tick(7);
    QVERIFY(f.serial->polledIndex() != 0);
    CStartBlock *block = f.blocks[1];
    f.reply(block, 0x05, statusItems(kReady));
    f.port->writes.clear();
    block->setParticipationStatus(ParticipationDns);
    f.serial->OnParticipationStatusChanged(block);
    QCOMPARE(f.port->writes,
             QList<QByteArray>({frame(block->macBytes(), quint16(f.serial->sequenceCounter() - 1), kSetStatus,
                                      item8(11, 0))}));
    QCOMPARE(block->measurement()->state(), quint8(kIdle));
    QCOMPARE(f.serial->startBlockCount(), 2);
    QCOMPARE(f.serial->inactiveStartBlockAt(0), block);
    QCOMPARE(f.serial->polledIndex(), 0u);
    QCOMPARE(f.serial->cycleCounter(), 0u);

    block->setParticipationStatus(ParticipationDq);
    f.serial->OnParticipationStatusChanged(block);
    QCOMPARE(f.serial->inactiveStartBlockCount(), 1);
}

void TstSerialPolling::rejoiningWhileEverybodyIsReadyArmsTheBlock()
{
    SerialFixture f(2);
    CStartBlock *block = f.addBlock(3);
    block->setParticipationStatus(ParticipationInactive);
    f.serial->appendInactiveStartBlock(block);
    f.open();
    bringToEverybodyReady(f);
    f.port->writes.clear();
    block->setParticipationStatus(ParticipationRup);
    f.serial->OnParticipationStatusChanged(block);
    QCOMPARE(f.described(), QStringList({"B3:06=0b0101", "C:06=090100", "B3:06=010102"}));
    QVERIFY(!f.serial->allReady);
    QVERIFY(f.serial->isPolling());
    QCOMPARE(f.serial->startBlockAt(2), block);
    QCOMPARE(f.serial->inactiveStartBlockCount(), 0);
}

QTEST_MAIN(TstSerialPolling)
#include "tst_serialpolling.moc"
