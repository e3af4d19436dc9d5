// The gateway's broadcasts as a listener on UDP port 1109 receives them, its clock rules on a hand-set
// clock, and the start-time requests it makes of the coordinator.
#include <cstring>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include "lantestkit.h"
#include "tests/devices/manualclock.h"

using namespace LanTest;

namespace
{

constexpr quint32 kGpsSeconds = 1700000000; // 2023-11-14 22:13:20 UTC
constexpr int kSilenceMs = 1200;            // more than two broadcast periods
constexpr int kMinPeriodMs = 400;

using StatusItems = QList<QPair<int, QByteArray>>;

QByteArray le64(double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return le(bits, 8);
}

QByteArray statusPayload(char letter, quint16 starts, quint32 date, quint32 timeOfDay, double longitude,
                         double latitude, quint32 seconds)
{
    return item(1, QByteArray(1, letter)) + item(2, le(starts, 2)) + item(3, le(date, 4)) +
           item(4, le(timeOfDay, 4)) + item(5, le64(longitude)) + item(6, le64(latitude)) +
           item(7, le(seconds, 4));
}

quint8 typeOf(const QByteArray &frame)
{
    return frame.size() > 3 ? quint8(frame.at(3)) : 0xFF;
}

quint16 counterOf(const QByteArray &frame)
{
    return quint16(quint8(frame.at(1)) | (quint8(frame.at(2)) << 8));
}

} // namespace

class TstStartGateway : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void silentUntilTheCoordinatorSpeaks();
    void statusGoesOutEvery500ms_data();
    void statusGoesOutEvery500ms();
    void silentCoordinatorTurnsTheLetterToL();
    void newStartGoesOutOnceWhileGpsRuns_data();
    void newStartGoesOutOnceWhileGpsRuns();
    void asksForEachMissingStartById_data();
    void asksForEachMissingStartById();

private:
    // The new-start frames among the datagrams sent before the gateway's counter reached `counter`.
    QList<QByteArray> startFramesBefore(quint16 counter);
    // The GPS letter of the first status frame sent from now on.
    char nextStatusLetter();

    std::shared_ptr<ManualClock> clock;
    std::unique_ptr<StartGatewayService> gateway;
    std::unique_ptr<BroadcastListener> listener;
};

void TstStartGateway::initTestCase()
{
    useTestTimeZone();
}

void TstStartGateway::init()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    clock = std::make_shared<ManualClock>();
    gateway = std::make_unique<StartGatewayService>(nullptr, clock);
    listener = std::make_unique<BroadcastListener>();
    QVERIFY(listener->bind());
}

void TstStartGateway::cleanup()
{
    gateway.reset();
    listener.reset();
}

QList<QByteArray> TstStartGateway::startFramesBefore(quint16 counter)
{
    QList<QByteArray> starts;
    for (QByteArray next = listener->next(); !next.isEmpty(); next = listener->next()) {
        if (typeOf(next) == 5 && counterOf(next) < counter)
            starts << next;
        if (typeOf(next) == 3 && counterOf(next) >= counter)
            break; // a status sent after them: every earlier datagram is in
    }
    return starts;
}

char TstStartGateway::nextStatusLetter()
{
    const quint16 counter = gateway->frameCounter();
    for (QByteArray next = listener->next(); !next.isEmpty(); next = listener->next()) {
        if (typeOf(next) == 3 && counterOf(next) >= counter)
            return next.at(7);
    }
    return 0;
}

void TstStartGateway::silentUntilTheCoordinatorSpeaks()
{
    QSignalSpy datagrams(&listener->socket, &QUdpSocket::readyRead);
    QVERIFY(!datagrams.wait(kSilenceMs));
    status(*gateway, 21, QByteArray()); // an item without a value says nothing
    QVERIFY(!datagrams.wait(kSilenceMs));
    status(*gateway, 99, "x");
    QVERIFY(datagrams.wait(kWaitMs));
}

void TstStartGateway::statusGoesOutEvery500ms_data()
{
    QTest::addColumn<StatusItems>("items");
    QTest::addColumn<QByteArray>("first"); // the first frame, counter 1

    QTest::newRow("GPS letter only")
        << StatusItems{{21, "V"}}
        << QByteArray::fromHex("aa010003010100560202000000030400000000000404000000000005080000000000000000"
                               "00060800000000000000000007040000000000083400"
                               "55");
    const double longitude = -(4 + 52 / 60.0 + 1234 / 600000.0);
    const double latitude = 52 + 13 / 60.0 + 4567 / 600000.0;
    QTest::newRow("whole report, west and north")
        << StatusItems{{12, QByteArray::fromHex("03")},   {13, QByteArray::fromHex("6553f100")}, {21, "A"},
                       {22, QByteArray::fromHex("145d")}, {23, QByteArray::fromHex("11d7")},     {24, "N"},
                       {25, QByteArray::fromHex("01c4")}, {26, QByteArray::fromHex("04d2")},     {27, "W"}}
        << frame(1, 3, statusPayload('A', 3, 20231114, 221320, longitude, latitude, kGpsSeconds));
    QTest::newRow("south and east, values cut to their members")
        << StatusItems{{13, QByteArray::fromHex("6553f100ffff")},
                       {21, "AL"},
                       {22, QByteArray::fromHex("145dff")},
                       {23, QByteArray::fromHex("11")},
                       {24, "S"},
                       {25, QByteArray::fromHex("01c4")},
                       {27, "E"}}
        << frame(1, 3,
                 statusPayload('A', 0, 20231114, 221320, 4 + 52 / 60.0, -(52 + 13 / 60.0 + 0x1100 / 600000.0),
                               kGpsSeconds));
}

void TstStartGateway::statusGoesOutEvery500ms()
{
    QFETCH(StatusItems, items);
    QFETCH(QByteArray, first);
    for (const auto &[type, value] : items)
        status(*gateway, quint8(type), value);

    const QByteArray received = listener->next();
    QElapsedTimer period;
    period.start();
    const QByteArray next = listener->next();
    QVERIFY(period.elapsed() >= kMinPeriodMs);
    QCOMPARE(received.toHex(' '), first.toHex(' '));
    QCOMPARE(received.size(), 60);
    QCOMPARE(next.toHex(' '), (first.left(1) + le(2, 2) + first.mid(3)).toHex(' '));
    QCOMPARE(listener->copies(received), broadcastAddressCount()); // same frame, same counter
}

void TstStartGateway::silentCoordinatorTurnsTheLetterToL()
{
    status(*gateway, 21, "A");
    clock->advance(20999);
    gateway->OnConnectionLostTimeout();
    QCOMPARE(gateway->gpsState(), 'A'); // 20 whole seconds are not more than 20
    clock->advance(1);
    gateway->OnConnectionLostTimeout();
    QCOMPARE(nextStatusLetter(), 'L');
    QCOMPARE(nextStatusLetter(), 'L'); // broadcasting goes on
    status(*gateway, 21, "A");
    QCOMPARE(nextStatusLetter(), 'A');
}

void TstStartGateway::newStartGoesOutOnceWhileGpsRuns_data()
{
    QTest::addColumn<QByteArray>("letter");
    QTest::addColumn<int>("gpsStalledSeconds");
    QTest::addColumn<bool>("broadcast");
    QTest::newRow("GPS valid") << QByteArray("A") << 0 << true;
    QTest::newRow("GPS time unchanged for 3599 s") << QByteArray("A") << 3599 << true;
    QTest::newRow("GPS time unchanged for an hour") << QByteArray("A") << 3600 << false;
    QTest::newRow("no GPS fix") << QByteArray("V") << 0 << false;
}

void TstStartGateway::newStartGoesOutOnceWhileGpsRuns()
{
    QFETCH(QByteArray, letter);
    QFETCH(int, gpsStalledSeconds);
    QFETCH(bool, broadcast);
    status(*gateway, 13, QByteArray::fromHex("6553f100"));
    clock->advance(qint64(gpsStalledSeconds) * 1000);
    status(*gateway, 21, letter); // the coordinator is still there

    gateway->OnNewGpsStart(record(3, kGpsSeconds, 123456));
    QCOMPARE(gateway->startCount(), 1);
    const QList<QByteArray> starts = startFramesBefore(gateway->frameCounter());
    QCOMPARE(starts.size(), broadcast ? 1 : 0);
    if (broadcast) {
        const QByteArray payload = item(1, le(3, 2)) + item(2, le(20231114, 4)) + item(3, le(221320, 4)) +
                                   item(4, le(123456, 4)) + item(5, QByteArray::fromHex(kOneHourEast)) +
                                   item(6, le(kGpsSeconds, 4));
        QCOMPARE(starts[0].toHex(' '), frame(counterOf(starts[0]), 5, payload).toHex(' '));
        QCOMPARE(starts[0].size(), 48);
    }
    gateway->OnNewGpsStart(record(3, kGpsSeconds, 123456)); // the same start again
    QCOMPARE(startFramesBefore(gateway->frameCounter()).size(), 0);
    QCOMPARE(gateway->startCount(), 1);
}

void TstStartGateway::asksForEachMissingStartById_data()
{
    QTest::addColumn<QList<int>>("known");
    QTest::addColumn<StatusItems>("items");
    QTest::addColumn<QList<int>>("requested");
    QTest::addColumn<int>("live");

    const auto byte = [](int value) { return QByteArray(1, char(value)); };
    QTest::newRow("three unknown starts")
        << QList<int>{} << StatusItems{{12, byte(3)}} << QList<int>{1, 2, 3} << 0;
    QTest::newRow("from the first start id")
        << QList<int>{} << StatusItems{{20, byte(2)}, {12, byte(4)}} << QList<int>{2, 3, 4} << 0;
    QTest::newRow("known starts are not asked for")
        << QList<int>{1, 2} << StatusItems{{12, byte(3)}} << QList<int>{3} << 2;
    QTest::newRow("count begins again: 3 then 2")
        << QList<int>{1, 2, 3} << StatusItems{{12, byte(3)}, {12, byte(2)}} << QList<int>{1, 2} << 0;
    QTest::newRow("counter wraps: 255 then 1")
        << QList<int>{1, 255} << StatusItems{{20, byte(255)}, {12, byte(255)}, {12, byte(1)}} << QList<int>{}
        << 2;
}

void TstStartGateway::asksForEachMissingStartById()
{
    QFETCH(QList<int>, known);
    QFETCH(StatusItems, items);
    QFETCH(QList<int>, requested);
    QFETCH(int, live);
    gateway->setCoordinatorMac(QStringLiteral("0c:00:00:00:00:01"));
    for (const int id : known)
        gateway->OnNewGpsStart(record(quint8(id), kGpsSeconds + quint32(id), 0));

    QList<int> asked;
    connect(gateway.get(), &StartGatewayService::send_starttime_request, this,
            [&asked](unsigned char type, const QVariant &data, CCoordinator *coordinator) {
                QCOMPARE(int(type), 1);
                QCOMPARE(coordinator->GetMacAddress(), QStringLiteral("0c:00:00:00:00:01"));
                asked << data.toInt();
            });
    for (const auto &[type, value] : items)
        status(*gateway, quint8(type), value);
    QCOMPARE(asked, requested);
    QCOMPARE(gateway->activeStartCount(), live);
}

QTEST_GUILESS_MAIN(TstStartGateway)
#include "tst_startgateway.moc"
