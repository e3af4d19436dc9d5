// Wired or wireless: the operation-mode probe, the vote over the blocks' answers and the supervision of
// the link-speed switch that follows.
#include <QSignalSpy>
#include <QTest>

#include "serialtestkit.h"

using namespace SerialTest;

class TstSerialModes : public QObject
{
    Q_OBJECT

private slots:
    void probeIsDueEveryKMinusOneCycles_data();
    void probeIsDueEveryKMinusOneCycles();
    void probeAtTheWirelessSpeedSwitchesToTheWiredSpeedFirst();
    void noProbeWhileABlockIsReadyOrTheModeIsChosen();
    void voteOverTheAnswers_data();
    void voteOverTheAnswers();
    void evaluationWithoutTheProbedBlockEvaluatesNothing();
    void speedSwitchEndsWhenTheCoordinatorAnswers();
    void silentCoordinatorIsTriedThreeTimesThenLeftAtTheWiredSpeed();

private:
    static void tickUntilProbe(SerialFixture &f, int maxTicks = 5000);
};

void TstSerialModes::tickUntilProbe(SerialFixture &f, int maxTicks)
{
    for (int i = 0; i < maxTicks; ++i) {
        if (f.tick().contains(QStringLiteral("B1:e9")))
            return;
    }
    QFAIL("no probe");
}

void TstSerialModes::probeIsDueEveryKMinusOneCycles_data()
{
    QTest::addColumn<bool>("fast");
    QTest::addColumn<int>("cycle");
    QTest::newRow("fast: K = 10") << true << 9;
    QTest::newRow("after 180 s: K = 30") << false << 29;
}

void TstSerialModes::probeIsDueEveryKMinusOneCycles()
{
    QFETCH(bool, fast);
    QFETCH(int, cycle);
    SerialFixture f(8);
    f.open(CSerialComThread::kBaudWired);
    f.serial->SetOperationMode(OperationModeWired);
    if (!fast)
        f.manualClock->advance(180001);
    tickUntilProbe(f);
    QCOMPARE(f.serial->cycleCounter(), quint32(cycle));
    QVERIFY(f.blocks[0]->isProbed());
    QCOMPARE(f.blocks[0]->measurement()->operationModeReply(), CStartBlockMeasurement::kOperationModeNone);

    // the next due tick ends the probe and evaluates 100 ms later
    f.reply(f.blocks[0], 0xEA, item8(1, 1));
    f.serial->startQuestionsTimerTimeout();
    QCOMPARE(f.tick(), QStringList());
    QVERIFY(!f.blocks[0]->isProbed());
    QVERIFY(!f.serial->isPolling());
    QCOMPARE(f.serial->cycleCounter(), quint32(cycle + 1));
    QCOMPARE(f.serial->polledIndex(), 0u);
    QTRY_VERIFY_WITH_TIMEOUT(f.serial->isPolling(), 5000);
    QCOMPARE(f.serial->probeIndex(), 1u);
    QCOMPARE(f.serial->cycleCounter(), 0u);
    QCOMPARE(f.serial->wiredVotes(), 1);
}

void TstSerialModes::probeAtTheWirelessSpeedSwitchesToTheWiredSpeedFirst()
{
    SerialFixture f(1);
    f.open(CSerialComThread::kBaudWireless);
    QStringList frames;
    for (int i = 0; i < 5000 && !frames.contains(QStringLiteral("C:03=160101")); ++i)
        frames = f.tick();
    QCOMPARE(frames, QStringList({"C:03=160101"}));
    QCOMPARE(f.openedBauds.last(), CSerialComThread::kBaudWired);
    QCOMPARE(f.serial->cycleCounter(), 39u); // K = 40 for one block
    f.serial->StopQuestionsTimer();
    QCOMPARE(f.tick(), QStringList({"B1:e9"}));
}

void TstSerialModes::noProbeWhileABlockIsReadyOrTheModeIsChosen()
{
    SerialFixture f(1);
    f.open(CSerialComThread::kBaudWired);
    f.serial->SetOperationMode(OperationModeWired);
    f.reply(f.blocks[0], 0x05, statusItems(2));
    QVERIFY(!f.tick(400).contains(QStringLiteral("B1:e9")));
    f.reply(f.blocks[0], 0x05, statusItems(1));
    f.serial->setUserSelectedOperationMode(OperationModeWireless);
    QVERIFY(!f.tick(400).contains(QStringLiteral("B1:e9")));
    f.serial->setUserSelectedOperationMode(OperationModeAutomatic);
    QVERIFY(f.tick(400).contains(QStringLiteral("B1:e9")));
}

void TstSerialModes::voteOverTheAnswers_data()
{
    QTest::addColumn<int>("startMode");
    QTest::addColumn<QList<int>>("answers");   // 0 wireless, 1 wired, 2 none
    QTest::addColumn<QList<int>>("signalled"); // mode signalled after each answer, 0 for none
    QTest::addColumn<int>("finalMode");
    QTest::addColumn<int>("wirelessVotes");
    const int wireless = OperationModeWireless;
    const int wired = OperationModeWired;
    QTest::newRow("wired switches at once") << wireless << QList<int>{1} << QList<int>{wired} << wired << 0;
    QTest::newRow("wireless then wired")
        << wireless << QList<int>{0, 1} << QList<int>{0, wired} << wired << 0;
    QTest::newRow("wired while wired") << wired << QList<int>{1, 1} << QList<int>{0, 0} << wired << 0;
    QTest::newRow("two wireless") << wired << QList<int>{0, 0} << QList<int>{0, wireless} << wireless << 2;
    QTest::newRow("wireless, none") << wired << QList<int>{0, 2} << QList<int>{0, 0} << wired << 1;
    QTest::newRow("wireless, none, wireless")
        << wired << QList<int>{0, 2, 0} << QList<int>{0, 0, wireless} << wireless << 2;
    QTest::newRow("wired, wireless, wireless")
        << wired << QList<int>{1, 0, 0} << QList<int>{0, 0, wireless} << wireless << 2;
    QTest::newRow("none, wireless") << wired << QList<int>{2, 0} << QList<int>{0, 0} << wired << 1;
    QTest::newRow("wireless, wired, wireless")
        << wired << QList<int>{0, 1, 0} << QList<int>{0, 0, 0} << wired << 1;
    QTest::newRow("wired, none") << wireless << QList<int>{1, 2} << QList<int>{wired, 0} << wired << 0;
    QTest::newRow("unknown answer counts as none")
        << wired << QList<int>{0, 7, 0} << QList<int>{0, 0, wireless} << wireless << 2;
}

void TstSerialModes::voteOverTheAnswers()
{
    QFETCH(int, startMode);
    QFETCH(QList<int>, answers);
    QFETCH(QList<int>, signalled);
    QFETCH(int, finalMode);
    QFETCH(int, wirelessVotes);
    SerialFixture f(1);
    f.open(startMode == OperationModeWired ? CSerialComThread::kBaudWired : CSerialComThread::kBaudWireless);
    f.serial->SetOperationMode(startMode);
    QSignalSpy spy(f.serial.get(), &CSerialComThread::change_operation_mode);
    for (int i = 0; i < answers.size(); ++i) {
        f.blocks[0]->measurement()->setOperationModeReply(answers[i]);
        f.serial->OnEvaluateOperationModeSelection();
        if (signalled[i] == 0) {
            QCOMPARE(spy.count(), 0);
            continue;
        }
        QCOMPARE(spy.count(), 1);
        QCOMPARE(int(spy.takeFirst().first().value<OperationMode>()), signalled[i]);
    }
    QCOMPARE(f.serial->operationMode(), finalMode);
    QCOMPARE(f.serial->wirelessVotes(), wirelessVotes);
    QCOMPARE(f.serial->baudRate(), finalMode == OperationModeWired ? CSerialComThread::kBaudWired
                                                                   : CSerialComThread::kBaudWireless);
    QVERIFY(f.serial->isPolling());
    QCOMPARE(f.serial->cycleCounter(), 0u);
}

void TstSerialModes::evaluationWithoutTheProbedBlockEvaluatesNothing()
{
    SerialFixture f(1);
    f.open(CSerialComThread::kBaudWired);
    f.serial->SetOperationMode(OperationModeWired);
    f.blocks[0]->measurement()->setOperationModeReply(0);
    f.serial->OnEvaluateOperationModeSelection();
    QCOMPARE(f.serial->wirelessVotes(), 1);
    f.serial->clearStartBlocks();
    f.serial->OnEvaluateOperationModeSelection();
    QCOMPARE(f.serial->wirelessVotes(), 1);
    QCOMPARE(f.serial->operationMode(), int(OperationModeWired));
    QCOMPARE(f.serial->probeIndex(), 0u);
    QVERIFY(f.serial->isPolling());
}

void TstSerialModes::speedSwitchEndsWhenTheCoordinatorAnswers()
{
    SerialFixture f(0);
    f.open(CSerialComThread::kBaudWired);
    f.serial->SetOperationMode(OperationModeWireless);
    // the coordinator hears the new speed at the old one, then the port follows
    QCOMPARE(f.written.size(), 1);
    QCOMPARE(f.describe(decode(f.written.first())), QStringLiteral("C:03=160103"));
    QCOMPARE(f.openedBauds, QList<qint32>({9600, 38400}));
    QVERIFY(f.port->writes.isEmpty());
    QVERIFY(!f.serial->isBaudSwitchDone());
    f.tick(10);
    QVERIFY(f.serial->isBaudSwitchDone());
    QCOMPARE(f.openedBauds, QList<qint32>({9600, 38400}));
    QCOMPARE(f.serial->baudRetriesLeft(), 3);
}

void TstSerialModes::silentCoordinatorIsTriedThreeTimesThenLeftAtTheWiredSpeed()
{
    SerialFixture f(0);
    f.coordinatorAnswers = false;
    f.open(CSerialComThread::kBaudWired);
    f.serial->SetOperationMode(OperationModeWireless);
    for (int i = 0; i < 30 && !f.serial->isBaudSwitchDone(); ++i)
        f.tick();
    QVERIFY(f.serial->isBaudSwitchDone());
    QCOMPARE(f.openedBauds, QList<qint32>({9600, 38400, 9600, 38400, 9600, 38400, 9600}));
    QCOMPARE(f.serial->baudRate(), CSerialComThread::kBaudWired);
    QCOMPARE(f.serial->baudRetriesLeft(), 0);

    // once the link counts as lost the speed is applied again; the countdown stays at 0
    for (int i = 0; i < 300; ++i) {
        f.tick();
        QCOMPARE(f.serial->baudRetriesLeft(), 0);
    }
    QVERIFY(f.openedBauds.size() > 7);
    for (int i = 0; i < 30 && !f.serial->isBaudSwitchDone(); ++i)
        f.tick();
    QVERIFY(f.serial->isBaudSwitchDone());
    QCOMPARE(f.openedBauds.last(), CSerialComThread::kBaudWired);
}

QTEST_MAIN(TstSerialModes)
#include "tst_serialmodes.moc"
