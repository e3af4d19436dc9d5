// The serial object against the simulator on a real pseudo-terminal: requests as the devices receive
// them, replies in any cut, damaged and foreign frames, power down, forwarding, the wired alarm and the
// polling period of each operation mode.
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include "simlink.h"

using namespace SerialTest;

namespace
{
constexpr int kWaitMs = 15000;

SimScenario scenario(int blocks = 2)
{
    SimScenario s = SimScenario::standard(blocks);
    s.autoStartDelayMs = -1;
    return s;
}
} // namespace

class TstSerialLink : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void portTextWithDescriptionOpensTheTerminal();
    void requestsArriveAsWritten_data();
    void requestsArriveAsWritten();
    void repliesAreStampedAndReachTheirDevices();
    void splitRepliesAreReadWhole();
    void injectedFramesAreCheckedAsOnTheWire_data();
    void injectedFramesAreCheckedAsOnTheWire();
    void powerDownAllReachesBlocksThenCoordinator();
    void relayFrameIsForwardedToAllBlocks();
    void speedChangeReachesTheCoordinator();
    void pollingPeriodFollowsTheOperationMode_data();
    void pollingPeriodFollowsTheOperationMode();

private:
    std::unique_ptr<SimLink> link;
};

void TstSerialLink::init()
{
    link = std::make_unique<SimLink>(scenario());
    if (!link->start())
        QSKIP("no pseudo-terminal");
    link->serial.StopQuestionsTimer();
}

void TstSerialLink::cleanup()
{
    link.reset();
}

void TstSerialLink::portTextWithDescriptionOpensTheTerminal()
{
    QCOMPARE(link->serial.baudRate(), 9600);
    QCOMPARE(link->sim.portBaudRate(), 9600);
    link->serial.SendStatusRequest(link->blocks[0]);
    QTRY_COMPARE_WITH_TIMEOUT(link->requests(0x04).size(), 1, kWaitMs);
}

void TstSerialLink::requestsArriveAsWritten_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("items");
    QTest::newRow("status") << 0 << 0x04 << QByteArray();
    QTest::newRow("info") << 1 << 0x01 << QByteArray();
    QTest::newRow("graph") << 2 << 0x07 << QByteArray();
    QTest::newRow("set info lane") << 3 << 0x03 << QByteArray::fromHex("020105");
    QTest::newRow("set status measurement active") << 4 << 0x06 << QByteArray::fromHex("0b0101");
    QTest::newRow("identifier") << 5 << 0xEB << QByteArray();
}

void TstSerialLink::requestsArriveAsWritten()
{
    QFETCH(int, kind);
    QFETCH(int, command);
    QFETCH(QByteArray, items);
    CStartBlock *block = link->blocks[1];
    link->serial.SendSyncRequest(); // sequence 0 went to everybody
    switch (kind) {
    case 0:
        link->serial.SendStatusRequest(block);
        break;
    case 1:
        link->serial.SendInfoRequest(block);
        break;
    case 2:
        link->serial.OnGetGraphRequest(block, false);
        break;
    case 3:
        link->serial.OnSetInfoRequest(2, 5, block);
        break;
    case 4:
        link->serial.OnSetStatusRequest(11, 1, block);
        break;
    case 5:
        link->serial.OnIdentifierRequest(block);
        break;
    }
    QTRY_COMPARE_WITH_TIMEOUT(link->requests(quint8(command)).size(), 1, kWaitMs);
    const SimFrame frame = link->requests(quint8(command)).first().frame;
    QCOMPARE(frame.mac, block->macBytes());
    QCOMPARE(frame.sequence, quint16(1));
    QCOMPARE(frame.items, items);
    const bool logged = kind <= 3;
    QCOMPARE(block->requestLog().size(), logged ? 1 : 0);
    if (logged)
        QCOMPARE(block->requestLog().first().packetNumber, quint16(1));
}

void TstSerialLink::repliesAreStampedAndReachTheirDevices()
{
    CStartBlock *block = link->blocks[0];
    QSignalSpy info(block, &CStartBlock::new_info_fields_set);
    QSignalSpy spectrum(link->coordinator, &CCoordinator::new_spectrum);
    link->serial.SendStatusRequest(block);
    link->serial.SendInfoRequest(block);
    link->serial.SendInfoRequestCoordinator(link->coordinator);
    QVERIFY(info.wait(kWaitMs));
    QTRY_COMPARE_WITH_TIMEOUT(spectrum.count(), 1, kWaitMs);
    QCOMPARE(block->lane(), quint8(1));
    QCOMPARE(block->softwareVersion(), quint16(302));
    QCOMPARE(block->measurement()->state(), quint8(1));
    // the status reply came after the info request was logged: only the info request is stamped
    QCOMPARE(block->requestLog().size(), 2);
    QCOMPARE(block->requestLog().at(0).replyTime, 0u);
    QTRY_VERIFY_WITH_TIMEOUT(block->requestLog().at(1).replyTime > block->requestLog().at(1).sendTime,
                             kWaitMs);
    QCOMPARE(link->requests(0x0D).size(), 1);

    // once the spectrum is in, the coordinator is asked for its info
    link->serial.SendInfoRequestCoordinator(link->coordinator);
    QTRY_COMPARE_WITH_TIMEOUT(link->requests(0x01).size(), 2, kWaitMs);
}

void TstSerialLink::splitRepliesAreReadWhole()
{
    link->sim.setSplitReplies(true);
    CStartBlock *block = link->blocks[1];
    for (int i = 0; i < 10; ++i) {
        QSignalSpy spy(block->measurement(), &CStartBlockMeasurement::new_status_field);
        link->serial.SendStatusRequest(block);
        QVERIFY(spy.wait(kWaitMs));
        QTRY_VERIFY_WITH_TIMEOUT(block->requestLog().last().replyTime > 0, kWaitMs);
    }
    QCOMPARE(block->requestLog().size(), 10);
}

void TstSerialLink::injectedFramesAreCheckedAsOnTheWire_data()
{
    const QByteArray lane1 = QByteArray::fromHex("158d00000001");
    const QByteArray good = frame(lane1, 0, 0x05, item8(2, 77));
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("handled"); // status items that reached the block
    QTest::newRow("two replies in one piece")
        << good + frame(lane1, 1, 0x05, item8(2, 78) + item8(3, 1)) << 3;
    QTest::newRow("wrong crc") << withBadCrc(good) << 0;
    QTest::newRow("unknown mac") << frame(QByteArray::fromHex("158d00000077"), 0, 0x05, item8(2, 77)) << 0;
    QByteArray items1749;
    while (items1749.size() < 1749 - 257)
        items1749 += item(40, QByteArray(255, char(0x55)));
    items1749 += item(41, QByteArray(1749 - items1749.size() - 2, char(0x68)));
    QTest::newRow("1749 item bytes") << frame(lane1, 0, 0x05, items1749) << 7;
    QTest::newRow("1750 item bytes") << frame(lane1, 0, 0x05, items1749 + QByteArray(1, '\0')) << 0;
    QTest::newRow("wrapping the ring") << QByteArray(2040, '\0') + good << 1;
}

void TstSerialLink::injectedFramesAreCheckedAsOnTheWire()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, handled);
    CStartBlock *block = link->blocks[0];
    QCOMPARE(block->macBytes(), QByteArray::fromHex("158d00000001"));
    QSignalSpy spy(block->measurement(), &CStartBlockMeasurement::new_status_field);
    link->sim.injectRaw(bytes);
    // a good frame behind it shows that everything before has been read
    link->sim.injectRaw(frame(block->macBytes(), 0, 0x05, item8(14, 1)));
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), handled + 1, kWaitMs);
    QTest::qWait(50);
    QCOMPARE(spy.count(), handled + 1);
}

void TstSerialLink::powerDownAllReachesBlocksThenCoordinator()
{
    QElapsedTimer timer;
    QList<QPair<QByteArray, qint64>> powerDowns;
    connect(&link->sim, &DeviceSimulator::requestReceived, this, [&](const SimRequest &request) {
        if (request.frame.command == 0x0F)
            powerDowns << qMakePair(request.frame.mac, timer.elapsed());
    });
    timer.start();
    link->serial.OnSetAllDevicesPowerDown();
    QTRY_COMPARE_WITH_TIMEOUT(powerDowns.size(), 2, kWaitMs);
    QCOMPARE(powerDowns[0].first, simBroadcastMac());
    QCOMPARE(powerDowns[1].first, link->sim.scenario().coordinatorMac);
    QVERIFY2(powerDowns[1].second - powerDowns[0].second >= 2300,
             qPrintable(QString::number(powerDowns[1].second)));
    QTRY_VERIFY_WITH_TIMEOUT(link->coordinator->isPowerDownAcknowledged(), kWaitMs);
    QVERIFY(link->serial.isPolling());
    const int statusBefore = int(link->requests(0x04).size());
    QTRY_VERIFY_WITH_TIMEOUT(link->requests(0x04).size() > statusBefore + 3, kWaitMs);
}

void TstSerialLink::relayFrameIsForwardedToAllBlocks()
{
    QSignalSpy forwarded(&link->sim, &DeviceSimulator::forwardedFrameReceived);
    link->serial.SendSyncRequest();
    const QByteArray items = item8(3, 9);
    link->sim.sendRelayFrame(items);
    QVERIFY(forwarded.wait(kWaitMs));
    const SimFrame frame = forwarded.first().first().value<SimFrame>();
    QCOMPARE(frame.command, quint8(0xF2));
    QCOMPARE(frame.mac, simBroadcastMac());
    QCOMPARE(frame.sequence, quint16(1));
    QCOMPARE(frame.items, items);
}

void TstSerialLink::speedChangeReachesTheCoordinator()
{
    QSignalSpy speed(&link->sim, &DeviceSimulator::linkSpeedChanged);
    link->serial.SetOperationMode(OperationModeWireless);
    QCOMPARE(link->serial.baudRate(), 38400);
    QTRY_COMPARE_WITH_TIMEOUT(link->sim.coordinatorBaudRate(), 38400, kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(link->sim.portBaudRate(), 38400, kWaitMs);
    link->serial.StopQuestionsTimer();
    QSignalSpy status(link->coordinator, &CCoordinator::new_status_field);
    link->serial.SendStatusRequestCoordinator(link->coordinator);
    QVERIFY(status.wait(kWaitMs));
    QCOMPARE(link->sim.droppedIncomingBytes(), 0);
}

void TstSerialLink::pollingPeriodFollowsTheOperationMode_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("periodMs");
    QTest::newRow("wireless to wired") << int(OperationModeWireless) << int(OperationModeWired) << 200;
    QTest::newRow("wired to wireless") << int(OperationModeWired) << int(OperationModeWireless) << 100;
}

void TstSerialLink::pollingPeriodFollowsTheOperationMode()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, periodMs);
    constexpr int kQuestions = 11;
    // one frame per polling tick: status, info, spectrum or the wired sync frame
    const QList<quint8> tickCommands = {0x04, 0x01, 0x0D, 0xF3};
    QElapsedTimer clock;
    clock.start();
    QList<qint64> arrivals;
    connect(&link->sim, &DeviceSimulator::requestReceived, this, [&](const SimRequest &request) {
        if (tickCommands.contains(request.frame.command))
            arrivals << clock.elapsed();
    });

    link->serial.setUserSelectedOperationMode(to); // no automatic probe in between
    if (from == OperationModeWired)
        link->serial.SetOperationMode(OperationModeWired);
    link->serial.startQuestionsTimerTimeout();
    QTRY_VERIFY_WITH_TIMEOUT(arrivals.size() >= 3, kWaitMs);

    link->serial.SetOperationMode(to);
    arrivals.clear();
    QTRY_VERIFY_WITH_TIMEOUT(arrivals.size() >= kQuestions, kWaitMs);
    link->serial.StopQuestionsTimer();

    // the mean over ten intervals: one late tick makes the next one early, not the round longer
    const double mean = double(arrivals[kQuestions - 1] - arrivals[0]) / (kQuestions - 1);
    QVERIFY2(qAbs(mean - periodMs) <= 0.2 * periodMs, qPrintable(QString::number(mean)));
}

QTEST_MAIN(TstSerialLink)
#include "tst_seriallink.moc"
