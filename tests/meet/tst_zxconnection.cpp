#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkDatagram>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

#include "core/utilities.h"
#include "debuglines.h"
#include "meet/competitionsmodel.h"
#include "meet/eventsmodel.h"
#include "meet/heat.h"
#include "meet/participation.h"
#include "meet/participationsmodel.h"
#include "meet/resultpost.h"
#include "meet/zxconnection.h"
#include "meet/zxserver.h"
#include "meet/zxservermodel.h"
#include "sim/meetsimdiscovery.h"
#include "sim/meetsimserver.h"
#include "testnetwork.h"

namespace
{

const QString kLocal = QStringLiteral("127.0.0.1");
constexpr int kWaitMs = 10000;

QByteArray answer(const QByteArray &statedKey, const QString &plain, quint32 keyLow, quint32 keyHigh = 0)
{
    return "ZXQUELLORANSWER;" + statedKey + ';' + encryptText(plain, keyLow, keyHigh).toLatin1();
}

void sendAnswer(const QByteArray &datagram)
{
    QUdpSocket socket;
    QCOMPARE(socket.writeDatagram(datagram, QHostAddress(kLocal), ZXConnection::kAnswerPort),
             datagram.size());
}

enum class Call { Competitions, Events, Participations, Result, WhatIsHappening };

} // namespace

Q_DECLARE_METATYPE(Call)

class TstZXConnection : public QObject
{
    Q_OBJECT

private slots:
    void discoveryDatagram_data();
    void discoveryDatagram();
    void answerCheck_data();
    void answerCheck();
    void resultPostTexts_data();
    void resultPostTexts();
    void discoveryFindsEarlyAndLateServers();
    void requestsOnTheWire_data();
    void requestsOnTheWire();
    void repliesThatFail_data();
    void repliesThatFail();
    void aPostIsToldSentBeforeItsAnswer();
    void sampleMeetFromTheSimulatorProgram();
};

void TstZXConnection::discoveryDatagram_data()
{
    QTest::addColumn<int>("exponent");
    QTest::addColumn<QByteArray>("datagram");
    // 8^n mod 863
    QTest::newRow("1") << 1 << QByteArray("ZXQUELLOR;8;");
    QTest::newRow("4") << 4 << QByteArray("ZXQUELLOR;644;");
    QTest::newRow("6") << 6 << QByteArray("ZXQUELLOR;655;");
}

void TstZXConnection::discoveryDatagram()
{
    QFETCH(int, exponent);
    QFETCH(QByteArray, datagram);
    QCOMPARE(ZXConnection::discoveryDatagram(exponent), datagram);
    const ZXConnection connection;
    QVERIFY(connection.exponent() >= 1 && connection.exponent() <= 6);
}

void TstZXConnection::answerCheck_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QString>("name"); // empty: dropped
    const QString plain = QStringLiteral("Stadium;8090;644;1");
    const QByteArray good = answer("644", plain, 644);
    QTest::newRow("good") << good << "Stadium";
    QTest::newRow("negative key") << answer("-5", plain, 0xFFFFFFFBu, 0xFFFFFFFFu) << "Stadium";
    QTest::newRow("key not a number deciphers with 0") << answer("abc", plain, 0) << "Stadium";
    QTest::newRow("empty fields count") << answer("1", QStringLiteral("Stadium;;;"), 1) << "Stadium";
    QTest::newRow("zero byte after the answer") << good + QByteArray("\0;junk", 6) << "Stadium";
    QTest::newRow("wrong key") << answer("644", plain, 645) << "";
    QTest::newRow("three fields") << answer("644", QStringLiteral("Stadium;8090;644"), 644) << "";
    QTest::newRow("prefix and key only") << QByteArray("ZXQUELLORANSWER;644") << "";
    QTest::newRow("zero byte inside the cipher") << QByteArray(good).insert(30, '\0') << "";
    QTest::newRow("other prefix") << QByteArray(good).replace(0, 15, "ZXQUELLORANSWEX") << "";
    QTest::newRow("cipher of 2 bytes") << QByteArray("ZXQUELLORANSWER;1;AwI=") << "";
    // a compressed text may not unpack to more than 64 KiB
    QTest::newRow("60000 characters") << answer("7", "Big;a;b;" + QString(60000, u'x'), 7) << "Big";
    QTest::newRow("70000 characters") << answer("7", "Big;a;b;" + QString(70000, u'x'), 7) << "";
}

void TstZXConnection::answerCheck()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QString, name);
    QCOMPARE(ZXConnection::serverNameFromAnswer(datagram).value_or(QString()), name);
}

void TstZXConnection::resultPostTexts_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("reaction");
    QTest::addColumn<QString>("post"); // value|info, false-start limit 100 ms
    QTest::newRow("valid") << 1 << 123 << "0.123|";
    QTest::newRow("below the limit") << 1 << 95 << "0.095|false";
    QTest::newRow("before the gun") << 1 << 0xFFEC << "-0.020|false";
    QTest::newRow("none marker") << 1 << 0x7FFF << "-6|";
    QTest::newRow("no-value marker") << 1 << 0x6FFF << "-6|";
    QTest::newRow("DNS") << 2 << 123 << "-3|";
    QTest::newRow("DQ") << 3 << 50 << "-4|";
    QTest::newRow("INACTIVE") << 4 << 123 << "|";
    QTest::newRow("RUP") << 5 << 123 << "-5|";
}

void TstZXConnection::resultPostTexts()
{
    QFETCH(int, status);
    QFETCH(int, reaction);
    QFETCH(QString, post);
    const ResultPost result = resultPostFor(status, quint16(reaction), 100);
    QCOMPARE(result.value + '|' + result.info, post);
}

void TstZXConnection::discoveryFindsEarlyAndLateServers()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    MeetSimDiscovery early(QStringLiteral("Early"));
    MeetSimDiscovery late(QStringLiteral("Late"));
    QUdpSocket searches; // hears what the servers hear
    QVERIFY(early.listen());
    QVERIFY(late.listen());
    QVERIFY(late.setAnswerAddress(QHostAddress(QStringLiteral("127.0.0.2"))));
    late.setAnswerDelay(1500);
    QVERIFY(searches.bind(QHostAddress::AnyIPv4, ZXConnection::kDiscoveryPort, QUdpSocket::ShareAddress));

    const DebugLines debug;
    ZXConnection connection(nullptr, true);
    // the search also reaches the servers through the loopback's broadcast address, so each answers on
    // every address it was searched on
    QStringList found;
    connect(&connection, &ZXConnection::new_server, this,
            [&found](const QHostAddress &host, const QString &name) {
                QVERIFY(host.protocol() == QAbstractSocket::IPv4Protocol);
                found << name + '@' + host.toString();
            });
    QTRY_VERIFY_WITH_TIMEOUT(found.contains("Late@127.0.0.2"), kWaitMs);
    QVERIFY(found.contains("Early@10.99.0.1"));
    QCOMPARE(found.constFirst().section(u'@', 0, 0), QStringLiteral("Early"));
    QVERIFY(debug.lines().contains(QStringLiteral("IP: 174260225"))); // 10.99.0.1
    QVERIFY(debug.lines().contains(QStringLiteral("ZXCon IP \"127.0.0.2\"")));
    QVERIFY(searches.hasPendingDatagrams());
    while (searches.hasPendingDatagrams())
        QCOMPARE(searches.receiveDatagram().data(), ZXConnection::discoveryDatagram(connection.exponent()));

    // bad answers are dropped; the marker after them shows that they were read
    found.clear();
    sendAnswer(answer("644", QStringLiteral("Bad key;a;b;c"), 645));
    sendAnswer(answer("644", QStringLiteral("Three;a;b"), 644));
    sendAnswer(answer("644", QStringLiteral("Marker;a;b;c"), 644));
    QTRY_COMPARE_WITH_TIMEOUT(found, QStringList{"Marker@127.0.0.1"}, kWaitMs);

    // a second search hears the late server again: the socket stayed bound
    found.clear();
    connection.echoForServers();
    QTRY_VERIFY_WITH_TIMEOUT(found.contains("Late@127.0.0.2"), kWaitMs);
    QCOMPARE(searches.receiveDatagram().data(), ZXConnection::discoveryDatagram(connection.exponent()));
}

void TstZXConnection::requestsOnTheWire_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<QString>("session");
    QTest::addColumn<QByteArray>("requestLine");
    QTest::addColumn<QByteArray>("body");
    const QString sid = QStringLiteral("SID:ZX:127.0.0.1:quellor:tok:0f3c");
    QTest::newRow("competitions without a session")
        << Call::Competitions << "" << QByteArray("GET /competitions HTTP/1.1") << QByteArray();
    QTest::newRow("events of competition 0")
        << Call::Events << sid << QByteArray("GET /events/0 HTTP/1.1") << QByteArray();
    QTest::newRow("participations of the largest heat id")
        << Call::Participations << sid << QByteArray("GET /participations/4294967295 HTTP/1.1")
        << QByteArray();
    QTest::newRow("result") << Call::Result << sid << QByteArray("POST /new_result HTTP/1.1")
                            << QByteArray("participation=1234&seqno=3&value=0.123&wind=0&metavalue=0&type="
                                          "RCT&info=&timeperformed=09:05:07");
    QTest::newRow("result with 255, unescaped value, no time")
        << Call::Result << "" << QByteArray("POST /new_result HTTP/1.1")
        << QByteArray("participation=4294967295&seqno=255&value=1&2?&wind=0&metavalue=0&type=RCT&info=false&"
                      "timeperformed=");
    QTest::newRow("what is happening")
        << Call::WhatIsHappening << sid << QByteArray("POST /new_whatishappening HTTP/1.1")
        << QByteArray("unique=1&type=Quellor reaction times&data=101;1011;10111;4&format=xml");
}

void TstZXConnection::requestsOnTheWire()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    QFETCH(Call, call);
    QFETCH(QString, session);
    QFETCH(QByteArray, requestLine);
    QFETCH(QByteArray, body);

    MeetSimServer server(QStringLiteral(QUELLOR_MEETSIM_DATA_DIR));
    QVERIFY2(server.listen(), qPrintable(server.errorString()));
    QSignalSpy received(&server, &MeetSimServer::requestReceived);
    ZXConnection connection;
    connection.setSessionId(session);
    const DebugLines debug;
    switch (call) {
    case Call::Competitions:
        connection.askCompetitions(kLocal);
        break;
    case Call::Events:
        connection.askEvents(kLocal, 0);
        break;
    case Call::Participations:
        connection.askParticipations(kLocal, 4294967295u);
        break;
    case Call::Result:
        if (session.isEmpty())
            connection.postResult(kLocal, 4294967295u, 255, QStringLiteral("1&2") + QChar(0x3A9),
                                  QStringLiteral("false"), QTime());
        else
            connection.postResult(kLocal, 1234, 3, QStringLiteral("0.123"), QString(), QTime(9, 5, 7));
        break;
    case Call::WhatIsHappening:
        connection.postWhatIsHappening(kLocal, QStringLiteral("1"), QStringLiteral("Quellor reaction times"),
                                       QStringLiteral("101;1011;10111;4"), QStringLiteral("xml"));
        break;
    }
    QTRY_COMPARE_WITH_TIMEOUT(received.count(), 1, kWaitMs);
    const MeetSimRequest request = server.requests().constFirst();
    QVERIFY2(request.head.startsWith(requestLine + "\r\n"), request.head.constData());
    QCOMPARE(request.header("Host"), std::optional<QByteArray>("127.0.0.1:8090"));
    QCOMPARE(request.header("Session-Id"),
             session.isEmpty() ? std::nullopt : std::optional<QByteArray>(session.toLatin1()));
    QCOMPARE(request.body, body);
    if (body.isEmpty())
        return;
    QCOMPARE(request.header("Content-Length"), QByteArray::number(body.size()));
    if (call == Call::Result && !session.isEmpty())
        QCOMPARE(body.size(), 95);
    const QString prefix = call == Call::Result ? QStringLiteral("Post participation result: ")
                                                : QStringLiteral("Post what is happening event: ");
    QVERIFY(debug.lines().contains(prefix + '"' + QString::fromLatin1(body) + '"'));
}

void TstZXConnection::repliesThatFail_data()
{
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("cutXmlAt");
    QTest::addColumn<bool>("sessionKept");
    QTest::addColumn<QStringList>("competitions");
    QTest::newRow("200") << 0 << 0 << -1 << true
                         << QStringList{"1 Quellor Spring Meet Sample meet of quellor-meet-sim"};
    QTest::newRow("500") << 0 << 500 << -1 << false << QStringList{};
    QTest::newRow("404") << 0 << 404 << -1 << false << QStringList{};
    QTest::newRow("302 is not followed") << 0 << 302 << -1 << true << QStringList{};
    // the reply ends after the competition's name: it comes without its info
    QTest::newRow("XML cut after the name") << 0 << 0 << 121 << true << QStringList{"1 Quellor Spring Meet "};
    QTest::newRow("silent past the transfer timeout") << 3000 << 0 << -1 << false << QStringList{};
}

void TstZXConnection::repliesThatFail()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    QFETCH(int, delayMs);
    QFETCH(int, status);
    QFETCH(int, cutXmlAt);
    QFETCH(bool, sessionKept);
    QFETCH(QStringList, competitions);

    MeetSimServer server(QStringLiteral(QUELLOR_MEETSIM_DATA_DIR));
    QVERIFY2(server.listen(), qPrintable(server.errorString()));
    server.setFaults(MeetSimFaults{delayMs, status, cutXmlAt, {}});
    ZXConnection connection;
    connection.setTransferTimeout(1000);
    QStringList read;
    connect(&connection, &ZXConnection::new_competition, this,
            [&read](uint id, const QString &name, const QString &info) {
                read << QStringLiteral("%1 %2 %3").arg(QString::number(id), name, info);
            });
    auto *manager = connection.findChild<QNetworkAccessManager *>();
    QVERIFY(manager);
    QSignalSpy finished(manager, &QNetworkAccessManager::finished);
    connection.setSessionId(QStringLiteral("SID:1"));
    connection.askCompetitions(kLocal);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kWaitMs);
    QCOMPARE(connection.sessionId(), sessionKept ? QStringLiteral("SID:1") : QString());
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(read, competitions);
}

// A program about to end waits for its posts to leave: a post is told sent once the server has it whole,
// while the server still holds its answer back.
void TstZXConnection::aPostIsToldSentBeforeItsAnswer()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    MeetSimServer server(QStringLiteral(QUELLOR_MEETSIM_DATA_DIR));
    QVERIFY2(server.listen(), qPrintable(server.errorString()));
    server.setFaults(MeetSimFaults{kWaitMs, 0, -1, {}});
    ZXConnection connection;
    QSignalSpy sent(&connection, &ZXConnection::post_sent);
    QSignalSpy finished(&connection, &ZXConnection::post_finished);
    QSignalSpy received(&server, &MeetSimServer::requestReceived);
    QVERIFY(!connection.postsLeaving());
    const quint64 post =
        connection.postResult(kLocal, 5001, 1, QStringLiteral("0.150"), QString(), QTime(9, 5, 7));
    QVERIFY(connection.postsLeaving());
    QTRY_COMPARE_WITH_TIMEOUT(sent.count(), 1, kWaitMs);
    QCOMPARE(sent.at(0).at(0).toULongLong(), post);
    QVERIFY(!connection.postsLeaving());
    QTRY_COMPARE_WITH_TIMEOUT(received.count(), 1, kWaitMs);
    QCOMPARE(finished.count(), 0);
}

void TstZXConnection::sampleMeetFromTheSimulatorProgram()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("posts.log"));
    QProcess sim;
    sim.start(QStringLiteral(QUELLOR_MEETSIM_EXE), {"--name", "Sample", "--log", log});
    QByteArray output; // gathered: the macro reads its condition once more after the wait
    QTRY_VERIFY_WITH_TIMEOUT((output += sim.readAllStandardOutput()).contains("ready"), kWaitMs);

    ZXConnection connection(nullptr, true);
    ZXServerModel servers;
    CompetitionsModel competitions;
    EventsModel events;
    events.showRoundsWithoutHeats = false;
    events.filterKind = EventsModel::FilterSprint;
    ParticipationsModel participations;
    connect(
        &connection, &ZXConnection::new_server, this,
        [&servers](const QHostAddress &host, const QString &name) { servers.serverForAddress(host, name); });
    connect(&connection, &ZXConnection::new_competition, &competitions, &CompetitionsModel::addCompetition);
    connect(&connection, &ZXConnection::new_event, this, [&events](const Event &e) { events.addEvent(e); });
    connect(&connection, &ZXConnection::new_participation, this,
            [&participations](const Participation &p) { participations.addParticipation(p); });

    const QString ip = QStringLiteral("10.99.0.1");
    const auto row = [&servers, &ip] {
        const QModelIndexList hits =
            servers.match(servers.index(0, 0), Qt::DisplayRole, ip, 1, Qt::MatchExactly);
        return hits.isEmpty() ? -1 : hits.constFirst().row();
    };
    QTRY_VERIFY_WITH_TIMEOUT(row() >= 0, kWaitMs);
    QCOMPARE(servers.index(row(), 1).data().toString(), QStringLiteral("Sample"));
    connection.setSessionId(QStringLiteral("SID:ZX:10.99.0.1:quellor"));
    connection.askCompetitions(ip);
    QTRY_COMPARE_WITH_TIMEOUT(competitions.rowCount(), 1, kWaitMs);
    connection.askEvents(ip, competitions.index(0, 0).data().toUInt());
    QTRY_COMPARE_WITH_TIMEOUT(events.rowCount(), 4, kWaitMs);
    QStringList rows;
    for (int row = 0; row < events.rowCount(); ++row)
        rows << events.index(row, EventsModel::ColumnName).data().toString();
    QCOMPARE(rows, QStringList({"100 m Men (Heats - heat 1)", "100 m Men (Heats - heat 2)",
                                "100 m Men (Final - heat 1)", "4x100 m Relay Women (heat 1)"}));

    connection.askParticipations(ip, events.heatAtRow(3)->id);
    QTRY_COMPARE_WITH_TIMEOUT(participations.rowCount(), 4, kWaitMs);
    const Participation *lane3 = participations.participations().constFirst();
    QCOMPARE(lane3->initialorder, 3u);
    QCOMPARE(lane3->displayText(), QStringLiteral("BRANDT Anna (1) ; MOREAU Lotte (2) ; NAKAMURA Mira (3) ; "
                                                  "ALMEIDA Sanne (4) ; CASTELL Maud (1000)"));
    QCOMPARE(lane3->firstBib(), QStringLiteral("401"));
    QCOMPARE(participations.index(1, 1).data().toString(), QStringLiteral("Northgate Runners Women"));

    const ResultPost result = resultPostFor(1, 0x7FFF, 100);
    connection.postResult(ip, lane3->id, 1, result.value, result.info, QTime(16, 0, 12));
    QFile file(log);
    QTRY_VERIFY_WITH_TIMEOUT(file.exists() && file.size() > 0, kWaitMs);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith(
        "\t/new_result\tSID:ZX:10.99.0.1:quellor\tparticipation=" + QByteArray::number(lane3->id) +
        "&seqno=1&value=-6&wind=0&metavalue=0&type=RCT&info=&timeperformed=16:00:12\n"));
    QCOMPARE(connection.sessionId(), QStringLiteral("SID:ZX:10.99.0.1:quellor"));
    sim.terminate();
    QVERIFY(sim.waitForFinished(kWaitMs));
}

QTEST_GUILESS_MAIN(TstZXConnection)
#include "tst_zxconnection.moc"
