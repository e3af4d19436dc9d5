#include <memory>

#include <QDateTime>
#include <QSignalSpy>
#include <QTest>

#include "sim/devicesimulator.h"
#include "tests/sim/simtestport.h"

namespace
{

constexpr int kWaitMs = 10000;

// Length of the longest run of one byte value.
int longestRun(const QByteArray &data, char value)
{
    int longest = 0;
    int run = 0;
    for (const char byte : data) {
        run = byte == value ? run + 1 : 0;
        longest = qMax(longest, run);
    }
    return longest;
}

QByteArray graphSamples(const TestFrame &reply)
{
    QByteArray samples;
    qsizetype pos = 0;
    const QByteArray &items = reply.items;
    while (pos + 2 <= items.size()) {
        const int id = quint8(items.at(pos));
        const int length = quint8(items.at(pos + 1));
        if (id >= 16 && id <= 24)
            samples.append(items.mid(pos + 2, length));
        pos += 2 + length;
    }
    return samples;
}

int sampleAt(const QByteArray &samples, int index)
{
    return int(testValue(samples.mid(index * 2, 2)));
}

} // namespace

class TstSimRace : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void broadcastReadyMovesEveryDeviceToReady();
    void broadcastIdleMovesEveryDeviceToIdle();
    void blockIgnoringReadyFollowsLaterReady();
    void everybodyReadyStartsRaceAfterDelay();
    void blocksReportStartedThenReactionAndIdle();
    void graphHoldsReactionCurve();
    void soundGraphHoldsTimesAndSamples();
    void nextReadyDropsGraphs();
    void startTimesAreCountedAndReturned();
    void broadcastStartCommandFiresRace();
    void wirelessFalseStartSendsAlarmFrame();
    void wiredRaceSendsRawHeadersAfterIndication();
    void programsBroadcastAlarmIsRecognised();
    void blockThatNeverReactsStaysStartedUntilIdle();
    void coordinatorSendsItsOwnRequests_data();
    void coordinatorSendsItsOwnRequests();
    void forwardedFramesAreRecognised();
    void resyncBringsBackSynchronisation_data();
    void resyncBringsBackSynchronisation();

private:
    void startWith(const SimScenario &scenario);
    SimScenario twoLanes(bool wired = false) const;
    std::optional<TestFrame> exchange(const QByteArray &request, quint8 replyCommand);
    QMap<int, QByteArray> statusOf(const QByteArray &mac);
    void broadcastState(quint8 state);
    void runRace();

    std::unique_ptr<DeviceSimulator> m_sim;
    std::unique_ptr<TestPort> m_port;
    quint16 m_sequence = 0;
};

void TstSimRace::init()
{
    startWith(twoLanes());
}

void TstSimRace::cleanup()
{
    m_port.reset();
    m_sim.reset();
}

SimScenario TstSimRace::twoLanes(bool wired) const
{
    SimScenario scenario = SimScenario::standard(2);
    scenario.lanes[0].reactionMs = 140;
    scenario.lanes[1].reactionMs = 165;
    scenario.wired = wired;
    scenario.autoStartDelayMs = 50;
    scenario.replyDelayMs = 0;
    return scenario;
}

void TstSimRace::startWith(const SimScenario &scenario)
{
    m_port.reset();
    m_sim = std::make_unique<DeviceSimulator>(scenario);
    if (!m_sim->start())
        QSKIP("no pseudo-terminal on this machine");
    m_port = std::make_unique<TestPort>();
    QVERIFY(m_port->open(m_sim->devicePath()));
}

std::optional<TestFrame> TstSimRace::exchange(const QByteArray &request, quint8 replyCommand)
{
    const quint16 sequence = quint16(quint8(request.at(7)) | quint8(request.at(8)) << 8);
    m_port->write(request);
    if (!QTest::qWaitFor([&] { return m_port->replyTo(replyCommand, sequence).has_value(); }, kWaitMs))
        return std::nullopt;
    return m_port->replyTo(replyCommand, sequence);
}

QMap<int, QByteArray> TstSimRace::statusOf(const QByteArray &mac)
{
    const std::optional<TestFrame> reply = exchange(testRequest(mac, ++m_sequence, 0x04), 0x05);
    return reply ? reply->itemMap() : QMap<int, QByteArray>();
}

void TstSimRace::broadcastState(quint8 state)
{
    m_port->write(testRequest(kBroadcast, ++m_sequence, 0x06, testItem(1, QByteArray(1, char(state)))));
}

// Ready, everybody ready announced, and both reactions in.
void TstSimRace::runRace()
{
    QSignalSpy finished(m_sim.get(), &DeviceSimulator::measurementFinished);
    broadcastState(2);
    m_port->write(testRequest(kCoordinator, ++m_sequence, 0x06, bytes("1c0101")));
    m_port->write(testRequest(kCoordinator, ++m_sequence, 0x06, bytes("090101")));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), m_sim->blockCount(), kWaitMs);
}

void TstSimRace::broadcastReadyMovesEveryDeviceToReady()
{
    broadcastState(2);
    QCOMPARE(statusOf(kCoordinator).value(1), bytes("02"));
    QCOMPARE(statusOf(kLane1).value(1), bytes("02"));
    QCOMPARE(statusOf(kLane2).value(1), bytes("02"));
    QCOMPARE(statusOf(kLane2).value(4), bytes("6fff")); // no reaction yet
}

void TstSimRace::broadcastIdleMovesEveryDeviceToIdle()
{
    broadcastState(2);
    QCOMPARE(statusOf(kLane1).value(1), bytes("02"));
    broadcastState(1);
    QCOMPARE(statusOf(kCoordinator).value(1), bytes("01"));
    QCOMPARE(statusOf(kLane1).value(1), bytes("01"));
    QCOMPARE(statusOf(kLane2).value(1), bytes("01"));
}

void TstSimRace::blockIgnoringReadyFollowsLaterReady()
{
    SimScenario scenario = twoLanes();
    scenario.lanes[1].ignoreReady = 1;
    startWith(scenario);
    broadcastState(2);
    QCOMPARE(statusOf(kLane1).value(1), bytes("02"));
    QCOMPARE(statusOf(kLane2).value(1), bytes("01"));
    broadcastState(2);
    QCOMPARE(statusOf(kLane2).value(1), bytes("02"));
}

void TstSimRace::everybodyReadyStartsRaceAfterDelay()
{
    QSignalSpy started(m_sim.get(), &DeviceSimulator::raceStarted);
    broadcastState(2);
    QCOMPARE(statusOf(kCoordinator).value(1), bytes("02"));
    m_port->write(testRequest(kCoordinator, ++m_sequence, 0x06, bytes("090101")));
    QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, kWaitMs);

    QTRY_VERIFY_WITH_TIMEOUT(!m_port->frames().isEmpty() && m_port->frames().constLast().command == 0x0B,
                             kWaitMs);
    const TestFrame indication = m_port->frames().constLast();
    QCOMPARE(indication.mac, kCoordinator);
    QVERIFY(indication.crcOk);
    // runs from which the program takes its wired header thresholds
    QVERIFY(longestRun(indication.items, char(0x68)) >= 3);
    QVERIFY(longestRun(indication.items, char(0x8B)) >= 3);
}

void TstSimRace::blocksReportStartedThenReactionAndIdle()
{
    QSignalSpy started(m_sim.get(), &DeviceSimulator::raceStarted);
    QSignalSpy finished(m_sim.get(), &DeviceSimulator::measurementFinished);
    broadcastState(2);
    m_port->write(testRequest(kCoordinator, ++m_sequence, 0x06, bytes("090101")));
    QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, kWaitMs);
    QCOMPARE(statusOf(kLane1).value(1), bytes("03"));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, kWaitMs);
    const QMap<int, QByteArray> lane1 = statusOf(kLane1);
    QCOMPARE(lane1.value(1), bytes("01"));
    QCOMPARE(lane1.value(4), bytes("008c")); // 140 ms
    QCOMPARE(statusOf(kLane2).value(4), bytes("00a5"));
}

void TstSimRace::graphHoldsReactionCurve()
{
    runRace();
    const std::optional<TestFrame> reply = exchange(testRequest(kLane1, ++m_sequence, 0x07), 0x08);
    QVERIFY(reply);
    QVERIFY(reply->crcOk);
    QVERIFY(reply->items.size() <= 1749);
    const QMap<int, QByteArray> items = reply->itemMap();
    const int width = int(testValue(items.value(1)));
    const int startIndex = int(testValue(items.value(2)));
    const int count = int(testValue(items.value(3)));
    const int offset = int(testValue(items.value(4)));
    const int trigger = int(testValue(items.value(5)));
    QCOMPARE(width, 2);
    QCOMPARE(items.value(6), bytes("008c"));
    QCOMPARE(items.value(8), bytes("008c"));
    for (const int id : reply->itemIds()) {
        if (id >= 16)
            QVERIFY(items.value(id).size() <= 255);
    }
    const QByteArray samples = graphSamples(*reply);
    QCOMPARE(samples.size(), count * width);
    // at rest before the reaction, above the trigger level from the reaction on
    const int reactionIndex = startIndex + 140;
    QVERIFY(qAbs(sampleAt(samples, startIndex) - offset) < trigger / 4);
    QVERIFY(sampleAt(samples, reactionIndex - 15) < offset + trigger);
    QVERIFY(sampleAt(samples, reactionIndex + 2) >= offset + trigger);
}

void TstSimRace::soundGraphHoldsTimesAndSamples()
{
    runRace();
    const std::optional<TestFrame> reply = exchange(testRequest(kLane2, ++m_sequence, 0x09), 0x0A);
    QVERIFY(reply);
    const QMap<int, QByteArray> items = reply->itemMap();
    for (const int id : {1, 2, 3, 5})
        QVERIFY(items.contains(id));
    for (const int id : {7, 8, 9, 10})
        QCOMPARE(items.value(id).size(), 4);
    QCOMPARE(graphSamples(*reply).size(), int(testValue(items.value(1)) * testValue(items.value(3))));
    // the sound reaches the block a few ms after the gun
    const qint64 difference = qint64(testValue(items.value(8))) - qint64(testValue(items.value(7)));
    QVERIFY(difference >= -5 && difference <= 10);
}

void TstSimRace::nextReadyDropsGraphs()
{
    runRace();
    QVERIFY(!exchange(testRequest(kLane1, ++m_sequence, 0x07), 0x08)->items.isEmpty());
    broadcastState(2);
    QVERIFY(exchange(testRequest(kLane1, ++m_sequence, 0x07), 0x08)->items.isEmpty());
    QVERIFY(exchange(testRequest(kLane1, ++m_sequence, 0x09), 0x0A)->items.isEmpty());
}

void TstSimRace::startTimesAreCountedAndReturned()
{
    QCOMPARE(statusOf(kCoordinator).value(12), bytes("00"));
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    runRace();
    runRace();
    const QMap<int, QByteArray> status = statusOf(kCoordinator);
    QCOMPARE(status.value(12), bytes("02"));
    QCOMPARE(status.value(20), bytes("01"));

    // the request names the start it asks for
    std::optional<TestFrame> reply =
        exchange(testRequest(kCoordinator, ++m_sequence, 0x11, bytes("010102")), 0x12);
    QVERIFY(reply);
    QCOMPARE(reply->itemIds(), (QList<int>{1, 2, 3}));
    const QMap<int, QByteArray> items = reply->itemMap();
    QCOMPARE(items.value(1), bytes("02000000"));
    const qint64 seconds = qint64(testValue(items.value(2)));
    QVERIFY(seconds >= before && seconds <= QDateTime::currentSecsSinceEpoch());
    QVERIFY(testValue(items.value(3)) < 1000000);

    reply = exchange(testRequest(kCoordinator, ++m_sequence, 0x11, bytes("010101")), 0x12);
    QVERIFY(reply);
    QCOMPARE(reply->itemIds(), (QList<int>{1, 2, 3}));
    QCOMPARE(reply->itemMap().value(1), bytes("01000000"));

    reply = exchange(testRequest(kCoordinator, ++m_sequence, 0x11, bytes("010103")), 0x12);
    QVERIFY(reply);
    QVERIFY(reply->items.isEmpty()); // no start 3 yet
}

void TstSimRace::broadcastStartCommandFiresRace()
{
    m_sim->setAutoStartDelayMs(-1);
    QSignalSpy started(m_sim.get(), &DeviceSimulator::raceStarted);
    broadcastState(2);
    m_port->write(testRequest(kCoordinator, ++m_sequence, 0x06, bytes("090101")));
    QCOMPARE(statusOf(kCoordinator).value(9), bytes("01"));
    QCOMPARE(started.count(), 0);
    broadcastState(3);
    QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, kWaitMs);
    QCOMPARE(statusOf(kLane1).value(1), bytes("03"));
}

void TstSimRace::wirelessFalseStartSendsAlarmFrame()
{
    SimScenario scenario = twoLanes();
    scenario.lanes[1].reactionMs = 60; // under the 100 ms limit
    startWith(scenario);
    runRace();
    QTRY_VERIFY_WITH_TIMEOUT(
        std::any_of(m_port->frames().cbegin(), m_port->frames().cend(),
                    [](const TestFrame &frame) { return frame.command == 0xF0 && frame.mac == kLane2; }),
        kWaitMs);
    QCOMPARE(longestRun(m_port->received(), char(0x68)) < 8, true); // no wired header in wireless
}

void TstSimRace::wiredRaceSendsRawHeadersAfterIndication()
{
    SimScenario scenario = twoLanes(true);
    scenario.lanes[0].reactionMs = -20; // moved before the gun
    startWith(scenario);
    runRace();
    QTRY_VERIFY_WITH_TIMEOUT(longestRun(m_port->received(), char(0x68)) >= 8, kWaitMs);
    const QByteArray received = m_port->received();
    const qsizetype startHeader = received.indexOf(QByteArray(8, char(0x8B)));
    const qsizetype alarmHeader = received.indexOf(QByteArray(8, char(0x68)));
    QVERIFY(startHeader >= 0);
    QVERIFY(alarmHeader > startHeader);
    QVERIFY(std::none_of(m_port->frames().cbegin(), m_port->frames().cend(),
                         [](const TestFrame &frame) { return frame.command == 0xF0; }));
}

void TstSimRace::programsBroadcastAlarmIsRecognised()
{
    QSignalSpy alarm(m_sim.get(), &DeviceSimulator::broadcastAlarmReceived);
    m_port->write(QByteArray(8, char(0x68)));
    QTRY_COMPARE_WITH_TIMEOUT(alarm.count(), 1, kWaitMs);
    m_port->write(QByteArray(7, char(0x68)) + testRequest(kLane1, ++m_sequence, 0x04));
    QVERIFY(!statusOf(kLane1).isEmpty());
    QCOMPARE(alarm.count(), 1); // seven bytes are no alarm
    QCOMPARE(m_sim->broadcastAlarmCount(), 1);
}

void TstSimRace::blockThatNeverReactsStaysStartedUntilIdle()
{
    SimScenario scenario = twoLanes();
    scenario.lanes[1].reactionMs.reset();
    startWith(scenario);
    QSignalSpy finished(m_sim.get(), &DeviceSimulator::measurementFinished);
    broadcastState(2);
    m_port->write(testRequest(kCoordinator, ++m_sequence, 0x06, bytes("090101")));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kWaitMs);
    QCOMPARE(statusOf(kLane2).value(1), bytes("03"));
    m_port->write(testRequest(kLane2, ++m_sequence, 0x06, bytes("010101")));
    const QMap<int, QByteArray> status = statusOf(kLane2);
    QCOMPARE(status.value(1), bytes("01"));
    QCOMPARE(status.value(4), bytes("7fff"));
    QCOMPARE(exchange(testRequest(kLane2, ++m_sequence, 0x07), 0x08)->itemMap().value(6), bytes("7fff"));
}

void TstSimRace::coordinatorSendsItsOwnRequests_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<quint8>("command");
    QTest::addColumn<QByteArray>("items");

    QTest::newRow("ready request") << 0 << quint8(0x06) << bytes("010101");
    QTest::newRow("power down all") << 1 << quint8(0x14) << QByteArray();
    QTest::newRow("relay") << 2 << quint8(0xF2) << bytes("010105");
}

void TstSimRace::coordinatorSendsItsOwnRequests()
{
    QFETCH(int, action);
    QFETCH(quint8, command);
    QFETCH(QByteArray, items);

    if (action == 0)
        m_sim->requestReady();
    else if (action == 1)
        m_sim->requestPowerDownAll();
    else
        m_sim->sendRelayFrame(items);
    QTRY_COMPARE_WITH_TIMEOUT(m_port->frames().size(), 1, kWaitMs);
    const TestFrame frame = m_port->frames().constFirst();
    QCOMPARE(frame.command, command);
    QCOMPARE(frame.mac, kCoordinator);
    QCOMPARE(frame.items, items);
    QVERIFY(frame.crcOk);
}

void TstSimRace::forwardedFramesAreRecognised()
{
    QSignalSpy forwarded(m_sim.get(), &DeviceSimulator::forwardedFrameReceived);
    m_port->write(testRequest(kBroadcast, 0x0304, 0x0B, bytes("01040100000004046868686805048b8b8b8b")));
    m_port->write(testRequest(kBroadcast, 0x0305, 0xF2, bytes("010105")));
    QTRY_COMPARE_WITH_TIMEOUT(forwarded.count(), 2, kWaitMs);
    QCOMPARE(forwarded.at(0).at(0).value<SimFrame>().command, quint8(0x0B));
    QCOMPARE(forwarded.at(1).at(0).value<SimFrame>().command, quint8(0xF2));
}

void TstSimRace::resyncBringsBackSynchronisation_data()
{
    QTest::addColumn<QByteArray>("request");

    QTest::newRow("resync to lane") << testRequest(kLane2, 50, 0x13);
    QTest::newRow("broadcast resync") << testRequest(kBroadcast, 51, 0x13);
    QTest::newRow("synchronisation") << testRequest(kBroadcast, 52, 0xF3);
}

void TstSimRace::resyncBringsBackSynchronisation()
{
    QFETCH(QByteArray, request);

    SimScenario scenario = twoLanes();
    scenario.lanes[1].synchronised = false;
    scenario.lanes[1].syncOffsetMs = -12;
    startWith(scenario);
    QCOMPARE(statusOf(kLane2).value(19), bytes("ffff0000"));
    m_port->write(request);
    QCOMPARE(statusOf(kLane2).value(19), bytes("fffffff4"));
}

QTEST_GUILESS_MAIN(TstSimRace)
#include "tst_simrace.moc"
