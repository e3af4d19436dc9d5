// The start-time service over real TCP connections on loopback: answers byte for byte, silent cases,
// clients with their own receive buffers, and the photo-finish alert on its way to the coordinator.
#include <QSignalSpy>
#include <QTest>

#include "lantestkit.h"
#include "tests/devices/serialtestkit.h"

using namespace LanTest;

namespace
{

const QByteArray kInfoReply = QByteArray::fromHex("aa34120101110030303a31313a32323a41413a42423a4343020200"
                                                  "2a0f03010001040900537461727465722031e8290055");

constexpr quint32 kStartSeconds = 1700000000; // 2023-11-14 22:13:20 UTC
constexpr quint32 kStartMicroseconds = 123456;

QByteArray startRecordPayload(quint16 startId, quint32 date, quint32 timeOfDay, quint32 word, quint32 seconds)
{
    return item(1, le(startId, 2)) + item(2, le(date, 4)) + item(3, le(timeOfDay, 4)) + item(4, le(word, 4)) +
           item(5, QByteArray::fromHex(kOneHourEast)) + item(6, le(seconds, 4));
}

// The reply for a start the gateway does not hold: the id with the time values of second 0.
QByteArray zeroRecord(quint16 counter, quint16 startId)
{
    return frame(counter, 7, startRecordPayload(startId, 19700101, 0, 0, 0));
}

QByteArray startRequest(quint16 counter, const QByteArray &startIdValue)
{
    return frame(counter, 6, item(1, startIdValue));
}

QByteArray alert(quint8 value)
{
    return frame(0x0777, 10, item(1, QByteArray(1, char(value))));
}

} // namespace

class TstGpsStartServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void answersEachRequest_data();
    void answersEachRequest();
    void clientsKeepTheirOwnPartialFrames();
    void alertReachesTheCoordinatorThroughTheSerialObject();

private:
    std::unique_ptr<StartGatewayService> gateway;
    std::unique_ptr<ServiceClient> client;
};

void TstGpsStartServer::initTestCase()
{
    useTestTimeZone();
}

void TstGpsStartServer::init()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    gateway = std::make_unique<StartGatewayService>();
    QVERIFY(gateway->startServer().isListening());
    gateway->setCoordinatorMac(QStringLiteral("00:11:22:aa:bb:cc"));
    gateway->setPanId(0x0F2A);
    gateway->setStarterName(QStringLiteral("Starter 1"));
    // start 7 held only as stale, start 3 live; the GPS letter is "V", so nothing is broadcast
    gateway->OnNewGpsStart(record(7, kStartSeconds - 60, 0));
    gateway->markStartsStale();
    gateway->OnNewGpsStart(record(3, kStartSeconds, kStartMicroseconds));
    client = std::make_unique<ServiceClient>();
    QVERIFY(client->connectToService());
    QTRY_COMPARE_WITH_TIMEOUT(gateway->startServer().clientCount(), 1, kWaitMs);
}

void TstGpsStartServer::cleanup()
{
    if (client) {
        client->socket.disconnectFromHost();
        QTRY_COMPARE_WITH_TIMEOUT(gateway->startServer().clientCount(), 0, kWaitMs);
    }
    client.reset();
    gateway.reset();
}

void TstGpsStartServer::answersEachRequest_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("replies");

    QTest::newRow("info") << QByteArray::fromHex("aa341200000000"
                                                 "55")
                          << kInfoReply;
    QTest::newRow("info ignores its payload") << frame(0x1234, 0, item(9, "x")) << kInfoReply;
    QTest::newRow("known start") << startRequest(0x0102, le(3, 2))
                                 << frame(0x0102, 7,
                                          startRecordPayload(3, 20231114, 221320, kStartMicroseconds,
                                                             kStartSeconds));
    QTest::newRow("unknown start") << startRequest(0x0203, le(9, 2)) << zeroRecord(0x0203, 9);
    QTest::newRow("stale start") << startRequest(0x0304, le(7, 2)) << zeroRecord(0x0304, 7);
    QTest::newRow("id above 255 keeps its low byte")
        << startRequest(0x0405, le(256 + 3, 2)) << zeroRecord(0x0405, 3);
    QTest::newRow("unknown tag beside the id")
        << frame(0x0506, 6, item(9, "ab") + item(1, le(9, 2))) << zeroRecord(0x0506, 9);
    QTest::newRow("start id 0") << startRequest(0x0607, le(0, 2)) << QByteArray();
    QTest::newRow("start id of one byte") << startRequest(0x0708, QByteArray(1, char(3))) << QByteArray();
    QTest::newRow("start request without items") << frame(0x0809, 6) << QByteArray();
    QTest::newRow("item past the payload")
        << frame(0x090A, 6, QByteArray::fromHex("010300") + le(3, 2)) << QByteArray();
    QTest::newRow("number of starts")
        << frame(5, 8, item(1, le(1, 4)) + item(2, le(2, 4)) + item(3, le(3, 4)) + item(4, le(4, 4)))
        << QByteArray::fromHex("aa050009000000"
                               "55");
    QTest::newRow("number of starts with counter 0") << frame(0, 8) << QByteArray();
    QTest::newRow("types that are not requests, in one segment")
        << frame(1, 1) + frame(2, 2) + frame(3, 3) + frame(4, 4) + frame(5, 5) + frame(7, 7) + frame(9, 9) +
               frame(11, 11)
        << QByteArray();
    QTest::newRow("two requests in one segment")
        << startRequest(0x0A0B, le(9, 2)) + frame(6, 8)
        << zeroRecord(0x0A0B, 9) + QByteArray::fromHex("aa060009000000"
                                                       "55");
    QByteArray badCrc = QByteArray::fromHex("aa341200000000"
                                            "55");
    badCrc[4] = char(0x01);
    QTest::newRow("bad crc") << badCrc << QByteArray();
    QTest::newRow("alert") << alert(1) << QByteArray();
}

// Each request is followed by an info request with its own counter: its reply closes what the request
// got, and shows the connection still works.
void TstGpsStartServer::answersEachRequest()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, replies);
    const QByteArray closingReply = kInfoReply.left(1) + QByteArray::fromHex("efbe") + kInfoReply.mid(3);

    client->send(request + frame(0xBEEF, 0));
    QByteArray received;
    for (QByteArray next = client->nextFrame(); next != closingReply; next = client->nextFrame()) {
        QVERIFY2(!next.isEmpty(), "the closing info reply never came");
        received += next;
    }
    QCOMPARE(received.toHex(' '), replies.toHex(' '));
}

void TstGpsStartServer::clientsKeepTheirOwnPartialFrames()
{
    ServiceClient other;
    QVERIFY(other.connectToService());
    const QByteArray first = frame(0x0A01, 0);
    const QByteArray second = frame(0x0B02, 6, item(1, le(9, 2)));

    client->send(first.left(5));
    other.send(frame(0x0B01, 8) + second.left(4));
    QCOMPARE(other.nextFrame().toHex(), frame(0x0B01, 9).toHex()); // the first half above is read by now
    client->send(first.mid(5));
    QCOMPARE(client->nextFrame().toHex(), (kInfoReply.left(1) + le(0x0A01, 2) + kInfoReply.mid(3)).toHex());
    other.send(second.mid(4));
    QCOMPARE(other.nextFrame().toHex(), zeroRecord(0x0B02, 9).toHex());

    other.socket.disconnectFromHost();
    QTRY_COMPARE_WITH_TIMEOUT(gateway->startServer().clientCount(), 1, kWaitMs);
}

void TstGpsStartServer::alertReachesTheCoordinatorThroughTheSerialObject()
{
    SerialFixture serial(0);
    serial.open();
    connect(gateway.get(), &StartGatewayService::new_orvane_alert, serial.serial.get(),
            &CSerialComThread::OnNewOrvaneAlert);

    // alert 0: the photo-finish device is ready, which the coordinator (field 10 = 0) does not know yet
    client->send(alert(0));
    QTRY_COMPARE_WITH_TIMEOUT(serial.described(), QStringList{QStringLiteral("C:06=0a0101")}, kWaitMs);
    serial.replyCoordinator(0x05, SerialTest::item8(10, 1));
    serial.port->writes.clear();
    client->send(alert(1) + alert(1));
    QTRY_COMPARE_WITH_TIMEOUT(serial.described(),
                              QStringList({QStringLiteral("C:06=0a0100"), QStringLiteral("C:06=0a0100")}),
                              kWaitMs);
}

QTEST_GUILESS_MAIN(TstGpsStartServer)
#include "tst_gpsstartserver.moc"
