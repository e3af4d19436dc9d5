// The gateway's broadcasts as a listener on UDP port 1109 receives them, its clock rules on a hand-set
// clock, the start-time requests it makes of the coordinator, and the gateway wired to the serial object
// as the main window wires it, against the simulator on a pseudo-terminal.
#include <cstring>

#include <QDateTime>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>

#include "lantestkit.h"
#include "tests/devices/simlink.h"

using namespace LanTest;

namespace
{
constexpr quint32 kGpsSeconds = 1700000000; // 2023-11-14 22:13:20 UTC, 6553f100

QByteArray status(char letter, quint16 starts, quint32 date, quint32 time, double lon, double lat,
                  quint32 seconds)
{
    quint64 lonBits = 0, latBits = 0;
    std::memcpy(&lonBits, &lon, 8);
    std::memcpy(&latBits, &lat, 8);
    return frame(1, 3,
                 item(1, QByteArray(1, letter)) + item(2, le(starts, 2)) + item(3, le(date, 4)) +
                     item(4, le(time, 4)) + item(5, le(lonBits, 8)) + item(6, le(latBits, 8)) +
                     item(7, le(seconds, 4)));
}
// The start record items for a record of the simulator, its UTC date and time read by QDateTime.
QByteArray payloadOf(const HX_GPS_TIME &start)
{
    const QDateTime utc = QDateTime::fromSecsSinceEpoch(start.seconds(), Qt::UTC);
    const float offset = float(QDateTime::fromSecsSinceEpoch(start.seconds()).offsetFromUtc() / 60);
    quint32 offsetBits = 0;
    std::memcpy(&offsetBits, &offset, 4);
    return startPayload(start.startId(), utc.date().toString("yyyyMMdd").toUInt(),
                        utc.time().toString("hhmmss").toUInt(), start.microseconds(), le(offsetBits, 4),
                        start.seconds());
}
} // namespace

class TstStartGateway : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useTestTimeZone(); }
    void init();
    void statusGoesOutEvery500ms_data();
    void statusGoesOutEvery500ms();
    void newStartGoesOutOnceWhileGpsRuns_data();
    void newStartGoesOutOnceWhileGpsRuns();
    void asksForEachMissingStartById_data();
    void asksForEachMissingStartById();
    void raceStartsReachListenersAndTheCounterWraps();

private:
    QByteArray startFrameFrom(quint16 counter); // the next new-start frame sent from then on

    std::shared_ptr<ManualClock> clock;
    std::unique_ptr<StartGatewayService> gateway;
    std::unique_ptr<BroadcastListener> listener;
};

void TstStartGateway::init()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    clock = std::make_shared<ManualClock>();
    gateway.reset(); // frees the port
    gateway = std::make_unique<StartGatewayService>(nullptr, clock);
    listener = std::make_unique<BroadcastListener>();
    QVERIFY(listener->bind());
}

void TstStartGateway::statusGoesOutEvery500ms_data()
{
    QTest::addColumn<QByteArray>("items"); // type, length, value
    QTest::addColumn<QByteArray>("first"); // with counter 1
    QTest::newRow("GPS letter only") << QByteArray("150156")
                                     << QByteArray::fromHex(
                                            "AA 01 00 03 01 01 00 56 02 02 00 00 00 03 04 00 00 00 00 00 "
                                            "04 04 00 00 00 00 00 05 08 00 00 00 00 00 00 00 00 00 "
                                            "06 08 00 00 00 00 00 00 00 00 00 07 04 00 00 00 00 00 "
                                            "08 34 00 55");
    QTest::newRow("whole report, west and north")
        << QByteArray("0c0103 0d046553f100 150141 1602145d 170211d7 18014e 190201c4 1a0204d2 1b0157")
        << status('A', 3, 20231114, 221320, -(4 + 52 / 60.0 + 1234 / 6e5), 52 + 13 / 60.0 + 4567 / 6e5,
                  kGpsSeconds);
    QTest::newRow("south and east, values cut to their members")
        << QByteArray("0d066553f100ffff 15024141 1603145dff 170111 180153 190201c4 1b0145")
        << status('A', 0, 20231114, 221320, 4 + 52 / 60.0, -(52 + 13 / 60.0 + 0x1100 / 6e5), kGpsSeconds);
}

void TstStartGateway::statusGoesOutEvery500ms()
{
    QFETCH(QByteArray, items);
    QFETCH(QByteArray, first);
    QSignalSpy datagrams(&listener->socket, &QUdpSocket::readyRead);
    LanTest::status(*gateway, "1500"); // an item without a value says nothing
    QVERIFY(!datagrams.wait(1200));    // more than two periods
    LanTest::status(*gateway, items.constData());
    QCOMPARE(listener->next().toHex(' '), first.toHex(' '));
    QElapsedTimer period;
    period.start();
    QCOMPARE(listener->next().toHex(' '), (first.left(1) + le(2, 2) + first.mid(3)).toHex(' '));
    QVERIFY(period.elapsed() >= 400);
    // once per broadcast address, with the same counter: 10.99.0.255, and 127.255.255.255 of loopback
    QCOMPARE(listener->copies.value(first), 2);
}

void TstStartGateway::newStartGoesOutOnceWhileGpsRuns_data()
{
    QTest::addColumn<QByteArray>("letter"); // status item 21
    QTest::addColumn<int>("gpsStalledSeconds");
    QTest::addColumn<int>("silentMs");
    QTest::addColumn<char>("statusLetter");
    QTest::addColumn<int>("broadcasts");
    QTest::newRow("GPS valid") << QByteArray("150141") << 0 << 0 << 'A' << 1;
    QTest::newRow("GPS time unchanged for 3599 s") << QByteArray("150141") << 3599 << 0 << 'A' << 1;
    QTest::newRow("GPS time unchanged for an hour") << QByteArray("150141") << 3600 << 0 << 'A' << 0;
    QTest::newRow("no GPS fix") << QByteArray("150156") << 0 << 0 << 'V' << 0;
    QTest::newRow("coordinator silent for 20.999 s") << QByteArray("150141") << 0 << 20999 << 'A' << 1;
    QTest::newRow("coordinator silent for 21 s") << QByteArray("150141") << 0 << 21000 << 'L' << 0;
}

void TstStartGateway::newStartGoesOutOnceWhileGpsRuns()
{
    QFETCH(QByteArray, letter);
    QFETCH(int, gpsStalledSeconds);
    QFETCH(int, silentMs);
    QFETCH(char, statusLetter);
    QFETCH(int, broadcasts);
    LanTest::status(*gateway, "0d046553f100");
    clock->advance(gpsStalledSeconds * 1000LL);
    LanTest::status(*gateway, letter.constData());
    clock->advance(silentMs);
    gateway->OnConnectionLostTimeout();
    const QByteArray expected =
        startPayload(3, 20231114, 221320, 123456, QByteArray::fromHex(kOneHourEast), kGpsSeconds);

    for (int time = 0; time < 2; ++time) { // the same start twice
        gateway->OnNewGpsStart(record(3, kGpsSeconds, 123456));
        const QList<QByteArray> frames = listener->upToStatusFrom(gateway->frameCounter());
        QCOMPARE(frames.last().at(7), statusLetter); // broadcasting goes on
        QList<QByteArray> starts;
        for (const QByteArray &f : frames)
            if (f.at(3) == 5)
                starts << f;
        QCOMPARE(starts.size(), time == 0 ? broadcasts : 0);
        if (!starts.isEmpty())
            QCOMPARE(starts[0].toHex(' '), frame(counterOf(starts[0]), 5, expected).toHex(' '));
        QCOMPARE(gateway->startCount(), 1);
    }
}

void TstStartGateway::asksForEachMissingStartById_data()
{
    QTest::addColumn<QList<int>>("known");
    QTest::addColumn<QByteArray>("items");
    QTest::addColumn<QList<int>>("requested");
    QTest::addColumn<int>("live");
    QTest::newRow("three unknown starts") << QList<int>{} << QByteArray("0c0103") << QList<int>{1, 2, 3} << 0;
    QTest::newRow("from the first start id")
        << QList<int>{} << QByteArray("1401020c0104") << QList<int>{2, 3, 4} << 0;
    QTest::newRow("known starts are not asked for")
        << QList<int>{1, 2} << QByteArray("0c0103") << QList<int>{3} << 2;
    QTest::newRow("count begins again: 3 then 2")
        << QList<int>{1, 2, 3} << QByteArray("0c01030c0102") << QList<int>{1, 2} << 0;
    QTest::newRow("counter wraps: 255 then 1")
        << QList<int>{1, 255} << QByteArray("1401ff0c01ff0c0101") << QList<int>{} << 2;
}

void TstStartGateway::asksForEachMissingStartById()
{
    QFETCH(QList<int>, known);
    QFETCH(QByteArray, items);
    QFETCH(QList<int>, requested);
    QFETCH(int, live);
    gateway->setCoordinatorMac(QStringLiteral("0c:00:00:00:00:01"));
    for (const int id : known)
        gateway->OnNewGpsStart(record(quint8(id), kGpsSeconds + quint32(id), 0));
    QStringList asked;
    connect(
        gateway.get(), &StartGatewayService::send_starttime_request, this,
        [&asked](unsigned char type, const QVariant &id, CCoordinator *coordinator) {
            asked << QStringLiteral("%1 %2 %3").arg(type).arg(id.toInt()).arg(coordinator->GetMacAddress());
        });
    LanTest::status(*gateway, items.constData());
    QStringList expected;
    for (const int id : requested)
        expected << QStringLiteral("1 %1 0c:00:00:00:00:01").arg(id);
    QCOMPARE(asked, expected);
    QCOMPARE(gateway->activeStartCount(), live);
}

QByteArray TstStartGateway::startFrameFrom(quint16 counter)
{
    for (QByteArray f = listener->next(); !f.isEmpty(); f = listener->next()) {
        if (f.at(3) == 5 && counterOf(f) >= counter)
            return f;
    }
    return {};
}

void TstStartGateway::raceStartsReachListenersAndTheCounterWraps()
{
    SimScenario scenario = SimScenario::standard(0);
    scenario.autoStartDelayMs = -1;
    SimLink link(scenario);
    gateway->setCoordinatorMac(link.coordinator->GetMacAddress());
    connect(link.coordinator, &CCoordinator::new_start_time, gateway.get(),
            &StartGatewayService::OnNewGpsStart);
    connect(link.coordinator, &CCoordinator::new_status_field, gateway.get(),
            &StartGatewayService::OnCoordinatorNewStatusField);
    connect(gateway.get(), &StartGatewayService::send_starttime_request, &link.serial,
            &CSerialComThread::OnStartTimeRequestCoordinator);
    // the coordinator recorded starts 1 to 254 before the program came
    link.sim.recordEarlierStarts(254, QDateTime::currentMSecsSinceEpoch() - 86400000);
    if (!link.start())
        QSKIP("no pseudo-terminal");
    link.serial.StopQuestionsTimer(); // only the coordinator is asked, on the test's timer
    QTimer poll;
    connect(&poll, &QTimer::timeout, this,
            [&link] { link.serial.SendStatusRequestCoordinator(link.coordinator); });
    poll.start(100);

    QTRY_COMPARE_WITH_TIMEOUT(gateway->activeStartCount(), 254, 60000);
    const QList<SimRequest> asked = link.requests(0x11);
    for (int id = 1; id <= 254; ++id) // each request names its start
        QCOMPARE(asked.value(id - 1).frame.items, QByteArray::fromHex("0101") + char(id));

    quint16 counter = gateway->frameCounter();
    link.sim.startRace();
    const HX_GPS_TIME last = link.sim.coordinator().starts().constLast();
    QCOMPARE(last.startId(), 255);
    QCOMPARE(startFrameFrom(counter).mid(4, 40).toHex(' '), payloadOf(last).toHex(' '));

    // the counter goes 255, 1: the earlier starts stay live and start 1 is known, so not asked for
    link.sim.startRace();
    const HX_GPS_TIME again = link.sim.coordinator().starts().constLast();
    QCOMPARE(again.startId(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(gateway->numberOfStarts(), 1, kWaitMs);
    QCOMPARE(gateway->activeStartCount(), 255);
    // once reported (the start times dialog asks for it), its other bytes make it a new start
    counter = gateway->frameCounter();
    link.serial.OnStartTimeRequestCoordinator(1, 1, link.coordinator);
    QCOMPARE(startFrameFrom(counter).mid(4, 40).toHex(' '), payloadOf(again).toHex(' '));
    QCOMPARE(gateway->startCount(), 256);
    QCOMPARE(gateway->activeStartCount(), 255);
    ServiceClient client;
    QVERIFY(client.connectToService());
    client.send(frame(0x0101, 6, item(1, le(1, 2))));
    QCOMPARE(client.receivedBefore(frame(0x0101, 7, payloadOf(again))), QByteArray());
    gateway->OnNewGpsStart(again); // the identical record stays the known start
    QCOMPARE(gateway->startCount(), 256);
}

QTEST_GUILESS_MAIN(TstStartGateway)
#include "tst_startgateway.moc"
