#include <algorithm>
#include <memory>

#include <QSignalSpy>
#include <QTest>

#include "sim/devicesimulator.h"
#include "tests/sim/simtestport.h"

namespace
{

constexpr int kWaitMs = 5000;

QByteArray withBadCrc(QByteArray frame)
{
    frame[frame.size() - 4] = char(frame.at(frame.size() - 4) ^ 0x01);
    return frame;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<SimModeAnswer>)

class TstSimRequests : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void replyIsCommandPlusOneWithSequenceAndSource_data();
    void replyIsCommandPlusOneWithSequenceAndSource();
    void infoNamesMacAndLane();
    void setInfoShowsInNextInfoReply_data();
    void setInfoShowsInNextInfoReply();
    void coordinatorInfo22SwitchesLinkSpeed();
    void blockSetStatusChangesReportedFields_data();
    void blockSetStatusChangesReportedFields();
    void coordinatorTakesOnlyIds9_10_28();
    void spectrumHasSixteenChannelsAndCurrentOne();
    void readyOpensRepeatWindow();
    void operationModeAnswerFollowsScenario_data();
    void operationModeAnswerFollowsScenario();
    void linkQualityIsGoodAndWandersUnlessSet();
    void requestsNobodyAnswersGetNoReply_data();
    void requestsNobodyAnswersGetNoReply();
    void poweredDownDeviceIsSilentUntilPoweredOn();
    void broadcastPowerDownReachesEveryBlock();
    void broadcastIdentifierIsAnsweredByOneDevice();
    void everyRequestIsReported();

private:
    void startWith(const SimScenario &scenario);
    std::optional<TestFrame> exchange(const QByteArray &request, quint8 replyCommand, quint16 sequence);
    QMap<int, QByteArray> statusOf(const QByteArray &mac);
    QMap<int, QByteArray> infoOf(const QByteArray &mac);
    bool onlyMarkerAnswered(const QByteArray &request);

    std::unique_ptr<DeviceSimulator> m_sim;
    std::unique_ptr<TestPort> m_port;
    quint16 m_sequence = 100;
};

void TstSimRequests::init()
{
    SimScenario scenario = SimScenario::standard(2);
    scenario.autoStartDelayMs = -1;
    scenario.replyDelayMs = 0;
    startWith(scenario);
}

void TstSimRequests::cleanup()
{
    m_port.reset();
    m_sim.reset();
}

void TstSimRequests::startWith(const SimScenario &scenario)
{
    m_port.reset();
    m_sim = std::make_unique<DeviceSimulator>(scenario);
    if (!m_sim->start())
        QSKIP("no pseudo-terminal on this machine");
    m_port = std::make_unique<TestPort>();
    QVERIFY(m_port->open(m_sim->devicePath()));
}

std::optional<TestFrame> TstSimRequests::exchange(const QByteArray &request, quint8 replyCommand,
                                                  quint16 sequence)
{
    m_port->write(request);
    if (!QTest::qWaitFor([&] { return m_port->replyTo(replyCommand, sequence).has_value(); }, kWaitMs))
        return std::nullopt;
    return m_port->replyTo(replyCommand, sequence);
}

QMap<int, QByteArray> TstSimRequests::statusOf(const QByteArray &mac)
{
    const quint16 sequence = ++m_sequence;
    const std::optional<TestFrame> reply = exchange(testRequest(mac, sequence, 0x04), 0x05, sequence);
    return reply ? reply->itemMap() : QMap<int, QByteArray>();
}

QMap<int, QByteArray> TstSimRequests::infoOf(const QByteArray &mac)
{
    const quint16 sequence = ++m_sequence;
    const std::optional<TestFrame> reply = exchange(testRequest(mac, sequence, 0x01), 0x02, sequence);
    return reply ? reply->itemMap() : QMap<int, QByteArray>();
}

// Replies come in order, so once the coordinator has answered a later request nothing else is coming.
bool TstSimRequests::onlyMarkerAnswered(const QByteArray &request)
{
    m_port->clear();
    m_port->write(request);
    const quint16 marker = ++m_sequence;
    if (!exchange(testRequest(kCoordinator, marker, 0x04), 0x05, marker))
        return false;
    return m_port->frames().size() == 1;
}

void TstSimRequests::replyIsCommandPlusOneWithSequenceAndSource_data()
{
    QTest::addColumn<QByteArray>("mac");
    QTest::addColumn<quint8>("command");
    QTest::addColumn<QByteArray>("items");
    QTest::addColumn<quint8>("reply");
    QTest::addColumn<QList<int>>("someItems");

    QTest::newRow("coordinator info") << kCoordinator << quint8(0x01) << QByteArray() << quint8(0x02)
                                      << QList<int>{1, 5, 6, 7, 22, 23, 26, 27};
    QTest::newRow("coordinator spectrum")
        << kCoordinator << quint8(0x0D) << QByteArray() << quint8(0x0E) << QList<int>{1, 16, 17};
    QTest::newRow("coordinator status")
        << kCoordinator << quint8(0x04) << QByteArray() << quint8(0x05)
        << QList<int>{1, 2, 9, 10, 12, 13, 14, 16, 17, 18, 20, 21, 22, 23, 24, 25, 26, 27};
    QTest::newRow("coordinator power down")
        << kCoordinator << quint8(0x0F) << QByteArray() << quint8(0x10) << QList<int>{};
    QTest::newRow("coordinator start time")
        << kCoordinator << quint8(0x11) << bytes("010101") << quint8(0x12) << QList<int>{};
    QTest::newRow("coordinator calibration")
        << kCoordinator << quint8(0xE7) << QByteArray() << quint8(0xE8) << QList<int>{};
    QTest::newRow("coordinator identifier")
        << kCoordinator << quint8(0xEB) << QByteArray() << quint8(0xEC) << QList<int>{1, 27};
    QTest::newRow("block info") << kLane2 << quint8(0x01) << QByteArray() << quint8(0x02)
                                << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 14, 15, 16, 17, 18, 19, 21, 23, 24, 27};
    QTest::newRow("block status") << kLane2 << quint8(0x04) << QByteArray() << quint8(0x05)
                                  << QList<int>{1, 2, 4, 16, 19};
    QTest::newRow("block graph") << kLane2 << quint8(0x07) << QByteArray() << quint8(0x08) << QList<int>{};
    QTest::newRow("block sound graph")
        << kLane2 << quint8(0x09) << QByteArray() << quint8(0x0A) << QList<int>{};
    QTest::newRow("block operation mode")
        << kLane2 << quint8(0xE9) << QByteArray() << quint8(0xEA) << QList<int>{1};
    QTest::newRow("block identifier")
        << kLane2 << quint8(0xEB) << QByteArray() << quint8(0xEC) << QList<int>{1, 2, 27};
    QTest::newRow("block power down")
        << kLane2 << quint8(0x0F) << QByteArray() << quint8(0x10) << QList<int>{};
}

void TstSimRequests::replyIsCommandPlusOneWithSequenceAndSource()
{
    QFETCH(QByteArray, mac);
    QFETCH(quint8, command);
    QFETCH(QByteArray, items);
    QFETCH(quint8, reply);
    QFETCH(QList<int>, someItems);

    const quint16 sequence = 0xBE01; // both bytes differ, so a swapped sequence would not match
    const std::optional<TestFrame> frame =
        exchange(testRequest(mac, sequence, command, items), reply, sequence);
    QVERIFY(frame);
    QCOMPARE(frame->mac, mac);
    QVERIFY(frame->crcOk);
    const QList<int> ids = frame->itemIds();
    for (const int id : someItems)
        QVERIFY2(ids.contains(id), qPrintable(QStringLiteral("item %1 missing").arg(id)));
}

void TstSimRequests::infoNamesMacAndLane()
{
    const QMap<int, QByteArray> info = infoOf(kLane2);
    QCOMPARE(info.value(1), kLane2);
    QCOMPARE(info.value(2), bytes("02"));
    QCOMPARE(info.value(3), bytes("0064")); // false-start limit 100 ms
    QCOMPARE(infoOf(kCoordinator).value(1), kCoordinator);
}

void TstSimRequests::setInfoShowsInNextInfoReply_data()
{
    QTest::addColumn<QByteArray>("mac");
    QTest::addColumn<QByteArray>("item");
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("block false-start limit") << kLane1 << bytes("03020078") << 3 << bytes("0078");
    QTest::newRow("block audio channel") << kLane1 << bytes("100104") << 16 << bytes("04");
    QTest::newRow("block hardware version") << kLane1 << bytes("060400000102") << 6 << bytes("00000102");
    QTest::newRow("block lane") << kLane1 << bytes("020107") << 2 << bytes("07");
    QTest::newRow("broadcast volume") << kBroadcast << bytes("130108") << 19 << bytes("08");
    QTest::newRow("coordinator headset volume") << kCoordinator << bytes("14010a") << 20 << bytes("0a");
    QTest::newRow("coordinator PAN id") << kCoordinator << bytes("1702abcd") << 23 << bytes("abcd");
}

void TstSimRequests::setInfoShowsInNextInfoReply()
{
    QFETCH(QByteArray, mac);
    QFETCH(QByteArray, item);
    QFETCH(int, id);
    QFETCH(QByteArray, expected);

    m_port->write(testRequest(mac, ++m_sequence, 0x03, item));
    const QByteArray target = mac == kBroadcast ? kLane2 : mac;
    QCOMPARE(infoOf(target).value(id), expected);
}

void TstSimRequests::coordinatorInfo22SwitchesLinkSpeed()
{
    QSignalSpy speed(m_sim.get(), &DeviceSimulator::linkSpeedChanged);
    m_port->write(testRequest(kCoordinator, ++m_sequence, 0x03, bytes("160103")));
    QTRY_COMPARE_WITH_TIMEOUT(speed.count(), 1, kWaitMs);
    QCOMPARE(speed.at(0).at(0).toInt(), 38400);

    // the port still runs at 9600: the coordinator hears nothing
    m_port->clear();
    m_port->write(testRequest(kCoordinator, ++m_sequence, 0x04));
    QTRY_VERIFY_WITH_TIMEOUT(m_sim->droppedIncomingBytes() > 0, kWaitMs);
    QVERIFY(m_port->frames().isEmpty());
    QVERIFY(m_port->setBaudRate(38400));
    QCOMPARE(infoOf(kCoordinator).value(22), bytes("03"));

    m_port->write(testRequest(kCoordinator, ++m_sequence, 0x03, bytes("160101")));
    QTRY_COMPARE_WITH_TIMEOUT(speed.count(), 2, kWaitMs);
    QCOMPARE(m_sim->coordinatorBaudRate(), 9600);
}

void TstSimRequests::blockSetStatusChangesReportedFields_data()
{
    QTest::addColumn<QByteArray>("item");
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("state ready") << bytes("010102") << 1 << bytes("02");
    QTest::newRow("measurement inactive") << bytes("0b0100") << 11 << bytes("00");
    QTest::newRow("ready announced") << bytes("1c0101") << 28 << bytes("01");
}

void TstSimRequests::blockSetStatusChangesReportedFields()
{
    QFETCH(QByteArray, item);
    QFETCH(int, id);
    QFETCH(QByteArray, expected);

    m_port->write(testRequest(kLane1, ++m_sequence, 0x06, item));
    QCOMPARE(statusOf(kLane1).value(id), expected);
    QCOMPARE(statusOf(kLane2).value(1), bytes("01")); // the other block is untouched
}

void TstSimRequests::coordinatorTakesOnlyIds9_10_28()
{
    m_port->write(testRequest(kCoordinator, ++m_sequence, 0x06, bytes("090101")));
    m_port->write(testRequest(kCoordinator, ++m_sequence, 0x06, bytes("0a0101")));
    m_port->write(testRequest(kCoordinator, ++m_sequence, 0x06, bytes("1c0101")));
    m_port->write(testRequest(kCoordinator, ++m_sequence, 0x06, bytes("010102")));
    const QMap<int, QByteArray> status = statusOf(kCoordinator);
    QCOMPARE(status.value(9), bytes("01"));
    QCOMPARE(status.value(10), bytes("01"));
    QCOMPARE(status.value(28), bytes("01"));
    QCOMPARE(status.value(1), bytes("01")); // state is only set through the broadcast device
}

void TstSimRequests::spectrumHasSixteenChannelsAndCurrentOne()
{
    const quint16 sequence = ++m_sequence;
    const std::optional<TestFrame> reply =
        exchange(testRequest(kCoordinator, sequence, 0x0D), 0x0E, sequence);
    QVERIFY(reply);
    QList<int> expected;
    for (int id = 1; id <= 17; ++id)
        expected.append(id);
    QCOMPARE(reply->itemIds(), expected);
    for (const QByteArray &value : reply->itemMap())
        QCOMPARE(value.size(), 1);
    const int channel = quint8(reply->itemMap().value(17).at(0));
    QVERIFY(channel >= 11 && channel <= 26);
}

void TstSimRequests::readyOpensRepeatWindow()
{
    auto windowOpen = [](const QMap<int, QByteArray> &status) {
        return testValue(status.value(18)) / 1000 < testValue(status.value(17));
    };
    const QMap<int, QByteArray> before = statusOf(kCoordinator);
    QCOMPARE(before.value(17).size(), 4);
    QCOMPARE(before.value(18).size(), 8);
    QVERIFY(!windowOpen(before));

    m_port->write(testRequest(kBroadcast, ++m_sequence, 0x06, bytes("010102")));
    QVERIFY(windowOpen(statusOf(kCoordinator)));
}

void TstSimRequests::operationModeAnswerFollowsScenario_data()
{
    QTest::addColumn<bool>("wired");
    QTest::addColumn<std::optional<SimModeAnswer>>("answer");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("wireless installation") << false << std::optional<SimModeAnswer>() << bytes("00");
    QTest::newRow("wired installation") << true << std::optional<SimModeAnswer>() << bytes("01");
    QTest::newRow("no answer") << true << std::optional(SimModeAnswer::None) << bytes("02");
    QTest::newRow("wired answer in wireless") << false << std::optional(SimModeAnswer::Wired) << bytes("01");
}

void TstSimRequests::operationModeAnswerFollowsScenario()
{
    QFETCH(bool, wired);
    QFETCH(std::optional<SimModeAnswer>, answer);
    QFETCH(QByteArray, expected);

    SimScenario scenario = SimScenario::standard(1);
    scenario.wired = wired;
    scenario.lanes[0].modeAnswer = answer;
    scenario.replyDelayMs = 0;
    startWith(scenario);
    const quint16 sequence = ++m_sequence;
    const std::optional<TestFrame> reply = exchange(testRequest(kLane1, sequence, 0xE9), 0xEA, sequence);
    QVERIFY(reply);
    QCOMPARE(reply->itemMap().value(1), expected);
}

// Status 6: the program shows 51..255 as 0..255, so an unset block must report well above 51, move a
// little between replies and stay in its band; a block the scenario sets reports exactly that byte.
void TstSimRequests::linkQualityIsGoodAndWandersUnlessSet()
{
    SimScenario scenario = SimScenario::standard(2);
    scenario.lanes[1].linkQuality = 60;
    scenario.replyDelayMs = 0;
    startWith(scenario);
    QList<int> wandering;
    for (int i = 0; i < 40; ++i) {
        const QByteArray quality = statusOf(kLane1).value(6);
        QCOMPARE(quality.size(), 1);
        wandering << quint8(quality.at(0));
        QCOMPARE(statusOf(kLane2).value(6), bytes("3c"));
    }
    const auto [lowest, highest] = std::minmax_element(wandering.cbegin(), wandering.cend());
    QVERIFY2(*lowest >= 228 && *highest <= 252,
             qPrintable(QStringLiteral("%1..%2").arg(*lowest).arg(*highest)));
    QVERIFY(*highest > *lowest);
    for (qsizetype i = 1; i < wandering.size(); ++i)
        QVERIFY(qAbs(wandering.at(i) - wandering.at(i - 1)) <= 3);
}

void TstSimRequests::requestsNobodyAnswersGetNoReply_data()
{
    QTest::addColumn<QByteArray>("request");

    QTest::newRow("broadcast status") << testRequest(kBroadcast, 1, 0x04);
    QTest::newRow("broadcast info") << testRequest(kBroadcast, 2, 0x01);
    QTest::newRow("broadcast graph") << testRequest(kBroadcast, 3, 0x07);
    QTest::newRow("unknown MAC") << testRequest(testMac("158d00000009"), 4, 0x04);
    QTest::newRow("set info") << testRequest(kLane1, 5, 0x03, bytes("100102"));
    QTest::newRow("set status") << testRequest(kLane1, 6, 0x06, bytes("0b0101"));
    QTest::newRow("resync") << testRequest(kLane1, 7, 0x13);
    QTest::newRow("sync") << testRequest(kBroadcast, 8, 0xF3);
    QTest::newRow("item past the end") << testRequest(kLane1, 9, 0x01, bytes("0305"));
    QTest::newRow("bad CRC") << withBadCrc(testRequest(kLane1, 10, 0x01, bytes("010100")));
}

void TstSimRequests::requestsNobodyAnswersGetNoReply()
{
    QFETCH(QByteArray, request);
    QVERIFY(onlyMarkerAnswered(request));
}

void TstSimRequests::poweredDownDeviceIsSilentUntilPoweredOn()
{
    const quint16 sequence = ++m_sequence;
    QVERIFY(exchange(testRequest(kLane1, sequence, 0x0F), 0x10, sequence));
    QVERIFY(onlyMarkerAnswered(testRequest(kLane1, ++m_sequence, 0x04)));
    QVERIFY(!statusOf(kLane2).isEmpty());
    m_sim->powerOnAll();
    QVERIFY(!statusOf(kLane1).isEmpty());
}

void TstSimRequests::broadcastPowerDownReachesEveryBlock()
{
    QVERIFY(onlyMarkerAnswered(testRequest(kBroadcast, ++m_sequence, 0x0F)));
    QVERIFY(onlyMarkerAnswered(testRequest(kLane1, ++m_sequence, 0x04)));
    QVERIFY(onlyMarkerAnswered(testRequest(kLane2, ++m_sequence, 0x04)));
}

void TstSimRequests::broadcastIdentifierIsAnsweredByOneDevice()
{
    const quint16 sequence = ++m_sequence;
    std::optional<TestFrame> reply = exchange(testRequest(kBroadcast, sequence, 0xEB), 0xEC, sequence);
    QVERIFY(reply);
    QCOMPARE(reply->mac, kCoordinator);
    QCOMPARE(reply->itemMap().value(27), bytes("041e")); // product version 1054: a coordinator

    SimScenario scenario = SimScenario::standard(2);
    scenario.identifyResponderLane = 2;
    scenario.replyDelayMs = 0;
    startWith(scenario);
    reply = exchange(testRequest(kBroadcast, sequence, 0xEB), 0xEC, sequence);
    QVERIFY(reply);
    QCOMPARE(reply->mac, kLane2);
    QCOMPARE(reply->itemMap().value(2), bytes("02"));
}

void TstSimRequests::everyRequestIsReported()
{
    QSignalSpy received(m_sim.get(), &DeviceSimulator::requestReceived);
    QSignalSpy sent(m_sim.get(), &DeviceSimulator::frameSent);
    m_port->write(testRequest(kLane2, 0x0102, 0x03, bytes("100103")));
    statusOf(kLane1);
    QTRY_COMPARE_WITH_TIMEOUT(received.count(), 2, kWaitMs);
    const SimRequest first = received.at(0).at(0).value<SimRequest>();
    QCOMPARE(first.frame.mac, kLane2);
    QCOMPARE(first.frame.sequence, quint16(0x0102));
    QCOMPARE(first.frame.command, quint8(0x03));
    QCOMPARE(first.items.size(), 1);
    QCOMPARE(first.items.at(0).id, quint8(16));
    QCOMPARE(first.items.at(0).value, bytes("03"));
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.at(0).at(0).value<SimFrame>().command, quint8(0x05));
    QCOMPARE(m_sim->receivedRequests().size(), 2);
    QCOMPARE(m_sim->sentFrames().size(), 1);
}

QTEST_GUILESS_MAIN(TstSimRequests)
#include "tst_simrequests.moc"
