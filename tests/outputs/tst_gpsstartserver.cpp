// The start-time service over real TCP connections on loopback: answers byte for byte, silent cases,
// clients with their own receive buffers, and the photo-finish alert on its way to the coordinator.
#include "lantestkit.h"
#include "tests/devices/serialtestkit.h"

using namespace LanTest;

namespace
{
const QByteArray kInfoReply =
    QByteArray::fromHex("AA 34 12 01 01 11 00 30 30 3A 31 31 3A 32 32 3A 41 41 3A 42 42 3A "
                        "43 43 02 02 00 2A 0F 03 01 00 01 04 09 00 53 74 61 72 74 65 72 "
                        "20 31 E8 29 00 55");

QByteArray infoReply(quint16 counter)
{
    return kInfoReply.left(1) + le(counter, 2) + kInfoReply.mid(3);
}

// The reply for a start the gateway does not hold: the id with the time values of second 0.
QByteArray zeroRecord(quint16 counter, quint16 startId)
{
    return frame(counter, 7, startPayload(startId, 19700101, 0, 0, QByteArray::fromHex(kOneHourEast), 0));
}

QByteArray startRequest(quint16 counter, quint16 startId)
{
    return frame(counter, 6, item(1, le(startId, 2)));
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
    void initTestCase() { useTestTimeZone(); }
    void init();
    void answersEachRequest_data();
    void answersEachRequest();
    void clientsKeepTheirOwnPartialFrames();
    void aBurstIsReadInBoundedPieces();
    void alertReachesTheCoordinatorThroughTheSerialObject();

private:
    std::unique_ptr<StartGatewayService> gateway;
    std::unique_ptr<ServiceClient> client;
};

void TstGpsStartServer::init()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    client.reset();
    gateway.reset(); // frees the port
    gateway = std::make_unique<StartGatewayService>();
    gateway->start(); // as the main window does; the thread must end before the gateway goes
    gateway->setCoordinatorMac(QStringLiteral("00:11:22:aa:bb:cc"));
    gateway->setPanId(0x0F2A);
    gateway->setStarterName(QStringLiteral("Starter 1"));
    // start 7 held only as stale, start 3 live; the GPS letter is "V", so nothing is broadcast
    gateway->OnNewGpsStart(record(7, 1600000000, 0));
    gateway->markStartsStale();
    gateway->OnNewGpsStart(record(3, 1700000000, 123456));
    client = std::make_unique<ServiceClient>();
    QVERIFY(client->connectToService());
    QTRY_COMPARE_WITH_TIMEOUT(gateway->startServer().clientCount(), 1, kWaitMs);
}

void TstGpsStartServer::answersEachRequest_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("replies");
    const QByteArray start3 =
        startPayload(3, 20231114, 221320, 123456, QByteArray::fromHex(kOneHourEast), 1700000000);
    QTest::newRow("info") << QByteArray::fromHex("AA 34 12 00 00 00 00 55") << kInfoReply;
    QTest::newRow("known start") << startRequest(0x0102, 3) << frame(0x0102, 7, start3);
    QTest::newRow("unknown start") << startRequest(0x0203, 9) << zeroRecord(0x0203, 9);
    QTest::newRow("stale start") << startRequest(0x0304, 7) << zeroRecord(0x0304, 7);
    QTest::newRow("start id 0") << startRequest(0x0405, 0) << QByteArray();
    QTest::newRow("start id of one byte") << frame(0x0506, 6, item(1, "\x03")) << QByteArray();
    QTest::newRow("item past the payload")
        << frame(0x0607, 6, QByteArray::fromHex("010300 0300")) << QByteArray();
    QTest::newRow("number of starts") << frame(5, 8, item(1, le(1, 4)) + item(4, le(4, 4)))
                                      << QByteArray::fromHex("AA 05 00 09 00 00 00 55");
    QTest::newRow("number of starts, counter 0") << frame(0, 8) << QByteArray();
    QTest::newRow("types that are no requests, in one segment")
        << frame(1, 1) + frame(2, 2) + frame(3, 3) + frame(4, 4) + frame(5, 5) + frame(7, 7) + frame(9, 9) +
               frame(11, 11)
        << QByteArray();
    QTest::newRow("two requests in one segment")
        << startRequest(0x0A0B, 9) + frame(6, 8)
        << zeroRecord(0x0A0B, 9) + QByteArray::fromHex("AA 06 00 09 00 00 00 55");
    QTest::newRow("bad crc") << QByteArray::fromHex("AA 34 12 00 01 00 00 55") << QByteArray();
    QTest::newRow("alert") << alert(1) << QByteArray();
}

// Each request is followed by an info request of its own counter, whose reply closes what the request got
// and shows that the connection still works.
void TstGpsStartServer::answersEachRequest()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, replies);
    client->send(request + frame(0xBEEF, 0));
    QCOMPARE(client->receivedBefore(infoReply(0xBEEF)).toHex(' '), replies.toHex(' '));
}

void TstGpsStartServer::clientsKeepTheirOwnPartialFrames()
{
    ServiceClient other;
    QVERIFY(other.connectToService());
    const QByteArray first = frame(0x0A01, 0);
    const QByteArray second = startRequest(0x0B02, 9);
    client->send(first.left(5));
    other.send(frame(0x0B01, 8) + second.left(4));
    QCOMPARE(other.receivedBefore(frame(0x0B01, 9)), QByteArray()); // the half above is read by now
    client->send(first.mid(5));
    QCOMPARE(client->receivedBefore(infoReply(0x0A01)), QByteArray());
    other.send(second.mid(4));
    QCOMPARE(other.receivedBefore(zeroRecord(0x0B02, 9)), QByteArray());
    other.socket.disconnectFromHost();
    QTRY_COMPARE_WITH_TIMEOUT(gateway->startServer().clientCount(), 1, kWaitMs); // the other one is forgotten
}

// The client's socket on our side announces a burst piece by piece, none larger than the read buffer, so
// the burst never sits whole in memory: there are at least as many pieces as the buffer size divides it into.
void TstGpsStartServer::aBurstIsReadInBoundedPieces()
{
    const QList<QTcpSocket *> sockets = gateway->startServer().findChildren<QTcpSocket *>();
    QCOMPARE(sockets.size(), 1);
    int pieces = 0;
    const QObject counting; // the count ends with this test
    connect(sockets.first(), &QTcpSocket::readyRead, &counting, [&pieces] { ++pieces; });
    // a mebibyte of frames that ask for nothing, cut anywhere by the pieces, then two requests
    const QByteArray silent = frame(0x0C00, 1);
    const QByteArray burst =
        silent.repeated(1024 * 1024 / int(silent.size())) + startRequest(0x0C01, 9) + frame(0x0C02, 0);
    client->send(burst);
    QCOMPARE(client->receivedBefore(infoReply(0x0C02)).toHex(' '), zeroRecord(0x0C01, 9).toHex(' '));
    const int fewest =
        int((burst.size() + GpsStartServer::kReadBufferSize - 1) / GpsStartServer::kReadBufferSize);
    QVERIFY2(pieces >= fewest, qPrintable(QStringLiteral("%1 pieces, %2 at least").arg(pieces).arg(fewest)));
}

void TstGpsStartServer::alertReachesTheCoordinatorThroughTheSerialObject()
{
    SerialFixture serial(0);
    serial.open();
    connect(gateway.get(), &StartGatewayService::new_orvane_alert, serial.serial.get(),
            &CSerialComThread::OnNewOrvaneAlert);
    client->send(alert(0)); // ready, which the coordinator (field 10 = 0) does not know yet
    QTRY_COMPARE_WITH_TIMEOUT(serial.described(), QStringList{"C:06=0a0101"}, kWaitMs);
    serial.replyCoordinator(0x05, SerialTest::item8(10, 1));
    serial.port->writes.clear();
    client->send(alert(1));
    QTRY_COMPARE_WITH_TIMEOUT(serial.described(), QStringList{"C:06=0a0100"}, kWaitMs);
}

QTEST_GUILESS_MAIN(TstGpsStartServer)
#include "tst_gpsstartserver.moc"
