// The meet selection of the real window against the meet and device simulators, in the private network
// namespace: discovery, competition, event and heat, the athletes in the lanes, the session id, a race run
// on the simulator whose result posts and what-is-happening post reach the server's log byte for byte, and
// a server that goes away mid-meet while the races go on.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "../core/apptestenvironment.h"
#include "../meet/debuglines.h"
#include "core/projectsettings.h"
#include "core/quellorapp.h"
#include "core/utilities.h"
#include "devices/cserialcomthread.h"
#include "devices/cstartblock.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/meetselection.h"
#include "sim/devicesimulator.h"
#include "sim/meetsimdiscovery.h"
#include "sim/meetsimserver.h"
#include "simwindow.h"
#include "testnetwork.h"
#include "views/startblockmeasurementwidget.h"

namespace
{

constexpr int kWaitMs = 15000;
constexpr int kSetupMs = 40000;
constexpr int kRaceMs = 60000;
constexpr int kLanes = 7;
const QString kStadium = QStringLiteral("10.99.0.1");
const QString kSecond = QStringLiteral("127.0.0.2");
const QString kTitle = QStringLiteral("Wireless Quellor - Halvexa");
const QRegularExpression kSession(QStringLiteral("^SID:ZX:([0-9.]+):quellor:([^:]+):(\\{[0-9a-f-]{36}\\})$"));
QString s_results; // the results folder of the run

quint32 digitSum(const QString &text)
{
    quint32 sum = 0;
    for (const QChar c : text)
        sum += c.isDigit() ? quint32(c.digitValue()) : 0;
    return sum;
}

// lanes 1 to 7 against the simulator: a valid reaction equal to the blocks' false-start limit of 100 ms in
// lane 2, a start 20 ms before the gun in lane 3, none in lane 4; lanes 5 to 7 are marked during the race
SimScenario sevenLanes()
{
    SimScenario scenario = SimScenario::standard(kLanes);
    scenario.autoStartDelayMs = 300;
    scenario.lanes[1].reactionMs = 100;
    scenario.lanes[2].reactionMs = -20;
    scenario.lanes[3].reactionMs.reset();
    return scenario;
}

int raceFiles()
{
    return int(
        QDir(s_results).entryList({QStringLiteral("*.vq1"), QStringLiteral("*.vq2")}, QDir::Files).size());
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

// Ready once the program takes it, the given lane rows (index, status) marked as the starter marks them while
// the race runs; true once both saves of the race are done.
bool race(MainWindow *window, const QList<QPair<int, QString>> &marks = {})
{
    auto *ready = window->findChild<QPushButton *>(QStringLiteral("btnReady"));
    if (!QTest::qWaitFor([&] { return window->busyNotice().isEmpty() && ready->isEnabled(); }, kSetupMs))
        return false;
    QSignalSpy saved(window->serialComThread(), &CSerialComThread::save_results_file);
    ready->click();
    for (const auto &[row, status] : marks) {
        auto *combo =
            window->laneRows().at(row)->findChild<QComboBox *>(QStringLiteral("cmbParticipationStatus"));
        combo->setCurrentIndex(combo->findData(status));
    }
    return QTest::qWaitFor([&] { return saved.count() >= 2; }, kRaceMs);
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
    DeviceSimulator sim(sevenLanes());
    if (!sim.start())
        QSKIP("no pseudo-terminal");
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
    attachSimulatorToWindow(window.get(), sim);
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

    // a race on the simulator: a reaction equal to the limit, a false start before the gun, no reaction,
    // and DNS, DQ and RUP marked meanwhile; lane 1 has no athlete and posts nothing
    const DebugLines debug;
    QVERIFY(race(window.get(), {{4, "DNS"}, {5, "DQ"}, {6, "RUP"}}));
    QCOMPARE(raceFiles(), 2);
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
    QCOMPARE(posts(log, 0), (QStringList{result(5007, 1, "0.100"), result(5008, 1, "-0.020", "false"),
                                         result(5009, 1, "-6"), result(5010, 1, "-3"), result(5011, 1, "-4"),
                                         result(5012, 1, "-5"), happening(1, 1)}));
    const QStringList said = debug.lines();
    QVERIFY(said.contains("Post results of participant 5012"));
    QCOMPARE(said.mid(said.indexOf("Post whats happening"), 4),
             (QStringList{"Post whats happening", "Event: 101", "Round: 1011", "Heat: 10112"}));

    // another language names the chosen heat anew in the title and the race field; the numbers, the athletes
    // and the files already saved stay
    const auto raceFields = [&window] {
        return QStringList({window->findChild<QLineEdit *>("txtRaceInfo")->text(),
                            window->findChild<QLineEdit *>("txtHeatInfo")->text(),
                            window->findChild<QLineEdit *>("txtStartInfo")->text()});
    };
    const QStringList numbered = raceFields();
    const QStringList saved = QDir(s_results).entryList(QDir::Files);
    for (const auto &[language, heat] : {std::pair{"de_Deutsch", "100 m Men (Heats - Lauf 2)"},
                                         std::pair{"en_English", "100 m Men (Heats - heat 2)"}}) {
        window->LoadLanguage(QString::fromLatin1(language));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(window->windowTitle(), kTitle + ": " + heat);
        QCOMPARE(raceFields(), QStringList({heat}) + numbered.mid(1));
    }
    QCOMPARE(lanes(blocks), heat2);
    QCOMPARE(QDir(s_results).entryList(QDir::Files), saved);

    // start 300 goes out as its low byte, and the what-is-happening post counts on by two
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

    // the server goes away mid-meet: the next race runs and saves, and its posts fail, say so and end the
    // session
    server.reset();
    QVERIFY(race(window.get()));
    QCOMPARE(raceFiles(), 4);
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
    QTemporaryDir results;
    if (!environment.isValid() || !results.isValid())
        return 1;
    s_results = results.path();
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    ProjectSettings settings = QuellorApp::Instance()->projectSettings();
    settings.resultsDir = s_results;
    QuellorApp::Instance()->setProjectSettings(settings);
    TstMeetSelection test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_meetselection.moc"
