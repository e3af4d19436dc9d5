// The meet selection of the real window against the meet simulator, in the private network namespace:
// discovery, competition, event and heat, the athletes in the lanes, the session id, the result posts
// and the what-is-happening post byte for byte in the server's log, and a server that goes away.
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QTest>

#include "../core/apptestenvironment.h"
#include "../meet/debuglines.h"
#include "core/projectsettings.h"
#include "core/quellorapp.h"
#include "core/utilities.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/meetselection.h"
#include "sim/meetsimdiscovery.h"
#include "sim/meetsimserver.h"
#include "testnetwork.h"

namespace
{

constexpr int kWaitMs = 15000;
constexpr int kLanes = 7;
const QString kStadium = QStringLiteral("10.99.0.1");
const QString kSecond = QStringLiteral("127.0.0.2");
const QString kTitle = QStringLiteral("Wireless Quellor - Halvexa");
const QRegularExpression kSession(QStringLiteral("^SID:ZX:([0-9.]+):quellor:([^:]+):(\\{[0-9a-f-]{36}\\})$"));

quint32 digitSum(const QString &text)
{
    quint32 sum = 0;
    for (const QChar c : text)
        sum += c.isDigit() ? quint32(c.digitValue()) : 0;
    return sum;
}

// lanes 1 to 7, each with a false-start limit of 100 ms as the block reports it (info item 3)
StartBlockSetGroup sevenLanes()
{
    StartBlockSetGroup set;
    for (int lane = 1; lane <= kLanes; ++lane) {
        auto block = std::make_unique<CStartBlock>();
        block->SetMacAddress(QStringLiteral("00:11:22:33:44:%1").arg(lane, 2, 10, QLatin1Char('0')));
        block->setLane(quint8(lane));
        unsigned char limit[] = {0x03, 0x02, 0x00, 0x64};
        block->SetInfoFields(sizeof limit, limit);
        set.blocks.push_back(std::move(block));
    }
    return set;
}

// the reaction as the block's status reply carries it (status item 4, big-endian)
void setReaction(CStartBlock *block, int status, quint16 reaction)
{
    block->setParticipationStatus(status);
    block->measurement()->setReactionAccepted(true);
    unsigned char item[] = {0x04, 0x02, quint8(reaction >> 8), quint8(reaction & 0xFF)};
    block->measurement()->SetStatusFields(sizeof item, item);
}

QString lanes(const QList<CStartBlock *> &blocks)
{
    QStringList texts;
    for (const CStartBlock *block : blocks)
        texts << QStringLiteral("%1:%2 %3 %4")
                     .arg(block->lane())
                     .arg(block->participantId(), block->participantName(), block->participantInfo())
                     .trimmed();
    return texts.join(u'|');
}

// the log's lines after the first `skip`, sorted, without their time stamps; a valid time performed reads T
QStringList posts(const QString &path, int skip = 0)
{
    QFile log(path);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression performed(QStringLiteral("=([01]\\d|2[0-3])(:[0-5]\\d){2}$"));
    QStringList lines = QString::fromLatin1(log.readAll()).split(u'\n', Qt::SkipEmptyParts).mid(skip);
    for (QString &line : lines)
        line = line.section(u'\t', 1).replace(performed, QStringLiteral("=T"));
    lines.sort();
    return lines;
}

int serverRow(MainWindow *window, const QString &address)
{
    ZXServerModel &servers = window->meetSelection().servers();
    const QModelIndexList found = servers.match(servers.index(0, ZXServerModel::ColumnAddress),
                                                Qt::DisplayRole, address, 1, Qt::MatchExactly);
    return found.isEmpty() ? -1 : found.constFirst().row();
}

} // namespace

class TstMeetSelection : public QObject
{
    Q_OBJECT

private slots:
    void heatToLanesToPostedResults();
};

void TstMeetSelection::heatToLanesToPostedResults()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("posts.log"));
    auto server = std::make_unique<MeetSimServer>(QStringLiteral(QUELLOR_MEETSIM_DATA_DIR));
    QVERIFY2(server->listen(), qPrintable(server->errorString()));
    server->setPostLog(log);
    MeetSimDiscovery stadium(QStringLiteral("Stadium"));
    MeetSimDiscovery second(QStringLiteral("Second"));
    QVERIFY(stadium.listen() && second.listen());
    QVERIFY(second.setAnswerAddress(QHostAddress(kSecond)));

    const std::unique_ptr<MainWindow> window(MainWindow::instance());
    window->chosenSet().adopt(sevenLanes());
    const QList<CStartBlock *> blocks = window->startBlocks();
    auto *servers = window->findChild<QComboBox *>(QStringLiteral("cmbServers"));
    ZXConnection &connection = window->meetConnection();

    // discovery lists both servers; choosing one asks for its competitions, the first competition for
    // its events, and the first heat for its athletes
    QTRY_VERIFY_WITH_TIMEOUT(serverRow(window.get(), kStadium) >= 0 && serverRow(window.get(), kSecond) >= 0,
                             kWaitMs);
    QCOMPARE(servers->itemText(serverRow(window.get(), kStadium)), QString("Stadium"));
    const QString heat1 = "1:|2:101 BRANDT Tomas Harbour Athletics|3:102 OKAFOR Jaro Northgate Runners|"
                          "4:103 LINDQVIST Elias Valley Sprint Club|5:104 MOREAU Marten Riverside AC|"
                          "6:105 CASTELL Oskar Harbour Athletics|7:106 VERHOEF Ruben Northgate Runners";
    // the first server found is chosen by itself; its athletes arrive before the stadium is chosen, so
    // that no late reply of it mixes with the stadium's
    QTRY_COMPARE_WITH_TIMEOUT(lanes(blocks), heat1, kWaitMs);
    servers->setCurrentIndex(serverRow(window.get(), kStadium));
    QTRY_COMPARE_WITH_TIMEOUT(lanes(blocks), heat1, kWaitMs);
    QCOMPARE(window->windowTitle(), kTitle + ": 100 m Men (Heats - heat 1)");
    // the session id: the server, the product, the token enciphered under the sum of the UUID's digits
    const QString firstSession = connection.sessionId();
    const QRegularExpressionMatch session = kSession.match(firstSession);
    QCOMPARE(session.captured(1), kStadium);
    const QString token = decryptText(session.captured(2), digitSum(session.captured(3)), 0);
    QVERIFY(token.size() == 4 && token != token.toLower() && token != token.toUpper());
    QCOMPARE(server->requests().constLast().target, QByteArray("/participations/10111"));
    QCOMPARE(server->requests().constLast().header("Session-Id"),
             std::optional<QByteArray>(firstSession.toLatin1()));

    // F10: the next heat; the lanes are emptied at once and filled when its athletes arrive
    QTest::keyClick(window.get(), Qt::Key_F10);
    QCOMPARE(lanes(blocks), QString("1:|2:|3:|4:|5:|6:|7:"));
    QCOMPARE(window->windowTitle(), kTitle + ": 100 m Men (Heats - heat 2)");
    // the race is named after the event and numbered by its heat
    QCOMPARE(QStringList({window->findChild<QLineEdit *>("txtRaceInfo")->text(),
                          window->findChild<QLineEdit *>("txtHeatInfo")->text(),
                          window->findChild<QLineEdit *>("txtStartInfo")->text()}),
             QStringList({"100 m Men (Heats - heat 2)", "2", "1"}));
    const QString heat2 = "1:|2:107 NAKAMURA Pieter Valley Sprint Club|3:108 DORSEY Lukas Riverside AC|"
                          "4:109 KOVAC Anton Harbour Athletics|5:110 ALMEIDA Felix Northgate Runners|"
                          "6:111 HENDRIKS Jonas Valley Sprint Club|7:112 SAUER Milan Riverside AC";
    QTRY_COMPARE_WITH_TIMEOUT(lanes(blocks), heat2, kWaitMs);

    // a race: a reaction equal to the limit, a false start before the gun, no reaction, DNS, DQ, RUP;
    // lane 1 has no athlete and posts nothing
    setReaction(blocks[0], ParticipationActive, 0x0080);
    setReaction(blocks[1], ParticipationActive, 0x0064);
    setReaction(blocks[2], ParticipationActive, 0xFFEC);
    setReaction(blocks[3], ParticipationActive, 0x7FFF);
    setReaction(blocks[4], ParticipationDns, 0x0078);
    setReaction(blocks[5], ParticipationDq, 0x0050);
    setReaction(blocks[6], ParticipationRup, 0x0078);
    const DebugLines debug;
    window->PostResults(3);
    QTRY_COMPARE_WITH_TIMEOUT(posts(log).size(), 7, kWaitMs);
    const auto result = [&firstSession](int participation, int seqno, const char *value,
                                        const char *info = "") {
        return QStringLiteral(
                   "/new_result\t%1\tparticipation=%2&seqno=%3&value=%4&wind=0&metavalue=0&type=RCT&"
                   "info=%5&timeperformed=T")
            .arg(firstSession)
            .arg(participation)
            .arg(seqno)
            .arg(QString::fromLatin1(value), QString::fromLatin1(info));
    };
    const auto happening = [&firstSession](int unique, int start) {
        return QStringLiteral("/new_whatishappening\t%1\tunique=%2&type=Quellor reaction times&"
                              "data=101;1011;10112;%3&format=xml")
            .arg(firstSession)
            .arg(unique)
            .arg(start);
    };
    QCOMPARE(posts(log, 0), (QStringList{result(5007, 3, "0.100"), result(5008, 3, "-0.020", "false"),
                                         result(5009, 3, "-6"), result(5010, 3, "-3"), result(5011, 3, "-4"),
                                         result(5012, 3, "-5"), happening(1, 3)}));
    const QStringList said = debug.lines();
    QVERIFY(said.contains("Post results of participant 5012"));
    QCOMPARE(said.mid(said.indexOf("Post whats happening"), 4),
             (QStringList{"Post whats happening", "Event: 101", "Round: 1011", "Heat: 10112"}));

    // the next race: start 300 goes out as its low byte, and the what-is-happening post counts on by two
    window->PostResults(300);
    QTRY_COMPARE_WITH_TIMEOUT(posts(log).size(), 14, kWaitMs);
    QVERIFY(posts(log, 7).contains(result(5009, 44, "-6")));
    QVERIFY(posts(log, 7).contains(happening(3, 300)));

    // the same server again keeps the session; another server makes a new one, and so does the way back
    window->findChild<QPushButton *>(QStringLiteral("btnCompetitionsRefresh"))->click();
    QCOMPARE(connection.sessionId(), firstSession);
    servers->setCurrentIndex(serverRow(window.get(), kSecond));
    QCOMPARE(kSession.match(connection.sessionId()).captured(1), kSecond);
    servers->setCurrentIndex(serverRow(window.get(), kStadium));
    const QString backSession = connection.sessionId();
    QCOMPARE(kSession.match(backSession).captured(1), kStadium);
    QVERIFY(backSession != firstSession);
    QTRY_COMPARE_WITH_TIMEOUT(lanes(blocks), heat1, kWaitMs);

    // the server goes away mid-meet: the posts fail, say so, and end the session
    server.reset();
    window->PostResults(4);
    QTRY_VERIFY_WITH_TIMEOUT(connection.sessionId().isEmpty(), kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(
        debug.lines().filter(QRegularExpression("^Meet server request /new_result failed: ")).size() == 6,
        kWaitMs);
    QCOMPARE(posts(log).size(), 14);

    // back again: the next choice of the server opens a new session, and its requests carry it
    server = std::make_unique<MeetSimServer>(QStringLiteral(QUELLOR_MEETSIM_DATA_DIR));
    QVERIFY2(server->listen(), qPrintable(server->errorString()));
    window->findChild<QPushButton *>(QStringLiteral("btnCompetitionsRefresh"))->click();
    const QString renewed = connection.sessionId();
    QCOMPARE(kSession.match(renewed).captured(1), kStadium);
    QVERIFY(renewed != backSession);
    QTRY_VERIFY_WITH_TIMEOUT(!server->requests().isEmpty(), kWaitMs);
    QCOMPARE(server->requests().constFirst().target, QByteArray("/competitions"));
    QCOMPARE(server->requests().constFirst().header("Session-Id"),
             std::optional<QByteArray>(renewed.toLatin1()));
}

int main(int argc, char **argv)
{
    AppTestEnvironment environment;
    if (!environment.isValid())
        return 1;
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    TstMeetSelection test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_meetselection.moc"
