#include <QNetworkInterface>
#include <QTest>
#include <QUdpSocket>

#include "testnetwork.h"

// Checks the namespace that broadcasting tests rely on: a private subnet with its own broadcast
// address, and datagrams to both broadcast addresses reaching a listener inside it.
class TstIsolatedNetwork : public QObject
{
    Q_OBJECT

private slots:
    void hasOnlyThePrivateSubnet();
    void broadcastsReachListenersInside_data();
    void broadcastsReachListenersInside();
};

void TstIsolatedNetwork::hasOnlyThePrivateSubnet()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    QStringList broadcasts;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            if (!entry.broadcast().isNull() && interface.flags().testFlag(QNetworkInterface::CanBroadcast))
                broadcasts << entry.broadcast().toString();
        }
    }
    broadcasts.removeDuplicates();
    QCOMPARE(broadcasts, QStringList{QStringLiteral("10.99.0.255")});
}

void TstIsolatedNetwork::broadcastsReachListenersInside_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("limited broadcast") << QStringLiteral("255.255.255.255");
    QTest::newRow("subnet broadcast") << QStringLiteral("10.99.0.255");
}

void TstIsolatedNetwork::broadcastsReachListenersInside()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    QFETCH(QString, address);

    QUdpSocket listener;
    QVERIFY(listener.bind(QHostAddress::AnyIPv4, 0, QUdpSocket::ShareAddress));
    QUdpSocket sender;
    const QByteArray datagram("quellor namespace check");
    QCOMPARE(sender.writeDatagram(datagram, QHostAddress(address), listener.localPort()), datagram.size());

    QTRY_VERIFY_WITH_TIMEOUT(listener.hasPendingDatagrams(), 5000);
    QByteArray received(int(listener.pendingDatagramSize()), Qt::Uninitialized);
    listener.readDatagram(received.data(), received.size());
    QCOMPARE(received, datagram);
}

QTEST_GUILESS_MAIN(TstIsolatedNetwork)
#include "tst_isolatednetwork.moc"
