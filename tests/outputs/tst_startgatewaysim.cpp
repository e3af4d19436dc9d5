// The gateway wired to the serial object as the main window wires it, against the simulator on a
// pseudo-terminal: a race's start reaches LAN listeners with the simulator's time, start-time requests
// name the starts they ask for, and a start whose id the one-byte counter gave out again is a new start.
#include <QDateTime>
#include <QTest>
#include <QTimer>

#include "lantestkit.h"
#include "tests/devices/simlink.h"

using namespace LanTest;

namespace
{

constexpr int kPollMs = 100;
constexpr int kLongWaitMs = 60000;
constexpr int kStartsHeld = 255;
constexpr qint64 kMsPerDay = 86400000;

// The start record items as the LAN frame carries them, read from the simulator's record.
QByteArray startPayload(const HX_GPS_TIME &start)
{
    const QDateTime utc = QDateTime::fromSecsSinceEpoch(start.seconds(), Qt::UTC);
    const quint32 date = quint32(utc.date().year() * 10000 + utc.date().month() * 100 + utc.date().day());
    const quint32 time = quint32(utc.time().hour() * 10000 + utc.time().minute() * 100 + utc.time().second());
    const QDateTime local = QDateTime::fromSecsSinceEpoch(start.seconds(), Qt::LocalTime);
    const float offsetMinutes = float(local.offsetFromUtc() / 60);
    quint32 offsetBits = 0;
    std::memcpy(&offsetBits, &offsetMinutes, sizeof offsetBits);
    return item(1, le(start.startId(), 2)) + item(2, le(date, 4)) + item(3, le(time, 4)) +
           item(4, le(start.microseconds(), 4)) + item(5, le(offsetBits, 4)) +
           item(6, le(start.seconds(), 4));
}

SimScenario scenario()
{
    SimScenario s = SimScenario::standard(0);
    s.autoStartDelayMs = -1;
    return s;
}

} // namespace

class TstStartGatewaySim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void raceStartReachesListenersWithTheSimulatorsTime();
    void startWhoseIdCameAgainIsANewStart();

private:
    bool startLink();
    // The next new-start frame a listener receives.
    QByteArray nextStartFrame();
    QList<int> requestedStartIds() const;

    std::unique_ptr<SimLink> link;
    std::unique_ptr<StartGatewayService> gateway;
    std::unique_ptr<BroadcastListener> listener;
    QTimer poll;
};

void TstStartGatewaySim::initTestCase()
{
    useTestTimeZone();
}

void TstStartGatewaySim::init()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    link = std::make_unique<SimLink>(scenario());
    gateway = std::make_unique<StartGatewayService>();
    gateway->setCoordinatorMac(link->coordinator->GetMacAddress());
    connect(link->coordinator, &CCoordinator::new_start_time, gateway.get(),
            &StartGatewayService::OnNewGpsStart);
    connect(link->coordinator, &CCoordinator::new_status_field, gateway.get(),
            &StartGatewayService::OnCoordinatorNewStatusField);
    connect(gateway.get(), &StartGatewayService::send_starttime_request, &link->serial,
            &CSerialComThread::OnStartTimeRequestCoordinator);
    listener = std::make_unique<BroadcastListener>();
    QVERIFY(listener->bind());
    poll.setInterval(kPollMs);
    connect(&poll, &QTimer::timeout, this,
            [this] { link->serial.SendStatusRequestCoordinator(link->coordinator); });
}

void TstStartGatewaySim::cleanup()
{
    poll.stop();
    gateway.reset();
    link.reset();
    listener.reset();
}

bool TstStartGatewaySim::startLink()
{
    if (!link->start())
        return false;
    link->serial.StopQuestionsTimer(); // the coordinator alone is asked, on the test's own timer
    poll.start();
    return true;
}

QByteArray TstStartGatewaySim::nextStartFrame()
{
    for (QByteArray next = listener->next(); !next.isEmpty(); next = listener->next()) {
        if (quint8(next.at(3)) == 5)
            return next;
    }
    return {};
}

QList<int> TstStartGatewaySim::requestedStartIds() const
{
    QList<int> ids;
    for (const SimRequest &request : link->requests(0x11))
        ids << (request.items.size() == 1 && request.items[0].id == 1 ? quint8(request.items[0].value.at(0))
                                                                      : -1);
    return ids;
}

void TstStartGatewaySim::raceStartReachesListenersWithTheSimulatorsTime()
{
    if (!startLink())
        QSKIP("no pseudo-terminal");
    QTRY_COMPARE_WITH_TIMEOUT(gateway->gpsState(), 'A', kWaitMs);

    link->sim.startRace();
    const HX_GPS_TIME start = link->sim.coordinator().starts().constLast();
    const QByteArray received = nextStartFrame();
    QVERIFY(!received.isEmpty());
    QCOMPARE(received.toHex(' '),
             frame(quint16(received.at(1) | received.at(2) << 8), 5, startPayload(start)).toHex(' '));
    QCOMPARE(requestedStartIds().value(0), 1);
}

void TstStartGatewaySim::startWhoseIdCameAgainIsANewStart()
{
    link->sim.recordEarlierStarts(kStartsHeld, QDateTime::currentMSecsSinceEpoch() - kMsPerDay);
    if (!startLink())
        QSKIP("no pseudo-terminal");
    QTRY_COMPARE_WITH_TIMEOUT(gateway->activeStartCount(), kStartsHeld, kLongWaitMs);
    QList<int> expected;
    for (int id = 1; id <= kStartsHeld; ++id)
        expected << id;
    QCOMPARE(requestedStartIds().mid(0, kStartsHeld), expected); // each request names its start

    // the counter goes 255, 1: the earlier starts stay live, and start 1 is known
    link->sim.startRace();
    const HX_GPS_TIME again = link->sim.coordinator().starts().constLast();
    QCOMPARE(again.startId(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(gateway->numberOfStarts(), 1, kWaitMs);
    QCOMPARE(gateway->activeStartCount(), kStartsHeld);

    // reported, as the start times dialog asks for it, its other bytes make it a new start
    const quint16 counter = gateway->frameCounter();
    link->serial.OnStartTimeRequestCoordinator(1, 1, link->coordinator);
    QByteArray received = nextStartFrame();
    while (!received.isEmpty() && quint16(quint8(received.at(1)) | quint8(received.at(2)) << 8) < counter)
        received = nextStartFrame(); // broadcasts of the earlier starts
    QCOMPARE(received.mid(4, received.size() - 8).toHex(' '), startPayload(again).toHex(' '));
    QCOMPARE(gateway->startCount(), kStartsHeld + 1);
    QCOMPARE(gateway->activeStartCount(), kStartsHeld);

    ServiceClient client;
    QVERIFY(client.connectToService());
    client.send(frame(0x0101, 6, item(1, le(1, 2))));
    QCOMPARE(client.nextFrame().toHex(' '), frame(0x0101, 7, startPayload(again)).toHex(' '));

    gateway->OnNewGpsStart(again); // the identical record stays the known start
    QCOMPARE(gateway->startCount(), kStartsHeld + 1);
}

QTEST_GUILESS_MAIN(TstStartGatewaySim)
#include "tst_startgatewaysim.moc"
