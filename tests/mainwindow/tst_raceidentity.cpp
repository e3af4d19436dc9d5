// A race keeps the heat, start and athletes it was readied with, in the real window against the device and
// meet simulators in the private network namespace: a heat chosen while its graphs are fetched, a quick
// second Ready, a status chosen after a race, and F5 from a file tab. Each
// reads back the saved files by name and content, the race log and the server's posts.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "../core/apptestenvironment.h"
#include "core/projectsettings.h"
#include "core/quellorapp.h"
#include "devices/cserialcomthread.h"
#include "devices/cstartblock.h"
#include "devices/measurementfile.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/programpaths.h"
#include "sim/devicesimulator.h"
#include "sim/meetsimdiscovery.h"
#include "sim/meetsimserver.h"
#include "racerecords.h"
#include "simwindow.h"
#include "racelistkeys.h"
#include "testnetwork.h"
#include "views/opentabwidget.h"
#include "views/startblockmeasurementwidget.h"

using namespace RaceRecords;

namespace
{

constexpr int kWaitMs = 15000;
constexpr int kSetupMs = 40000;
constexpr int kRaceMs = 60000;
constexpr int kLanes = 7;
constexpr int kReadyState = 2; // status field 1
const QString kStadium = QStringLiteral("10.99.0.1");
const QString kHeat1 = QStringLiteral("100 m Men (Heats - heat 1)");
const QString kHeat2 = QStringLiteral("100 m Men (Heats - heat 2)");
const QString kFinal = QStringLiteral("100 m Men (Final - heat 1)");
const QString kRelay = QStringLiteral("4x100 m Relay Women (heat 1)");
// the rows of the events list
constexpr int kHeat1Row = 0;
constexpr int kFinalRow = 2;
constexpr int kRelayRow = 3;
QString s_results; // the results folder of the run

// The participations of the meet data, lanes 1 to 7.
const QStringList kHeat1Ids{"", "5001", "5002", "5003", "5004", "5005", "5006"};
const QStringList kHeat2Ids{"", "5007", "5008", "5009", "5010", "5011", "5012"};
const QStringList kFinalIds{"5013", "5014", "5015", "5016", "5017", "5018", "5019"};
const QStringList kRelayIds{"", "", "5021", "5022", "5023", "5024", ""};
const QStringList kHeat1Bibs{"", "101", "102", "103", "104", "105", "106"};
const QStringList kHeat2Bibs{"", "107", "108", "109", "110", "111", "112"};
const QStringList kFinalBibs{"101", "108", "103", "110", "105", "112", "102"};
const QStringList kRelayBibs{"", "", "401", "405", "409", "413", ""};

template<typename T>
T *part(QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

QStringList savedNames()
{
    return RaceRecords::savedNames(s_results);
}

QStringList savedRace(const QString &pattern)
{
    return RaceRecords::savedRace(s_results, pattern);
}

QStringList raceLogBlock(const QString &label)
{
    return RaceRecords::raceLogBlock(label, kLanes);
}

} // namespace

class TstRaceIdentity : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void heatChosenInTheGraphsStartsFromTheNextReady_data();
    void heatChosenInTheGraphsStartsFromTheNextReady();
    void secondReadyWithoutStartKeepsTheHeat();
    void statusAfterTheRaceStaysWithItsAthlete();
    void f5FromAFileTabReadies();

private:
    bool readyByF5();
    bool raceByF5(); // true once both saves of the race are done
    bool chooseEvent(int row, const QStringList &laneBibs);

    QTemporaryDir serverDir;
    QString postLog;
    std::unique_ptr<MeetSimServer> server;
    std::unique_ptr<MeetSimDiscovery> stadium;
    std::unique_ptr<DeviceSimulator> sim;
    MainWindow *window = nullptr;
    QComboBox *events = nullptr;
};

void TstRaceIdentity::init()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    for (const QString &earlier : QDir(s_results).entryList(QDir::Files))
        QVERIFY(QFile::remove(QDir(s_results).filePath(earlier)));
    QFile::remove(ProgramPaths::raceLogPath());
    QVERIFY(serverDir.isValid());
    postLog = serverDir.filePath(QStringLiteral("posts.log"));
    QFile::remove(postLog);
    server = std::make_unique<MeetSimServer>(QStringLiteral(QUELLOR_MEETSIM_DATA_DIR));
    QVERIFY2(server->listen(), qPrintable(server->errorString()));
    server->setPostLog(postLog);
    stadium = std::make_unique<MeetSimDiscovery>(QStringLiteral("Stadium"));
    QVERIFY(stadium->listen());

    // lane 3 starts 20 ms before the gun only where a row asks for it
    SimScenario scenario = SimScenario::standard(kLanes);
    scenario.autoStartDelayMs = 300;
    sim = std::make_unique<DeviceSimulator>(scenario);
    if (!sim->start())
        QSKIP("no pseudo-terminal");
    // each case is a meet of its own: no heat raced yet
    QuellorApp::Instance()->SetSetting(QStringLiteral("general"), QStringLiteral("raced_heats"),
                                       QStringList());
    window = MainWindow::instance();
    attachSimulatorToWindow(window, *sim);
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    events = part<QComboBox>(window, "cmbEvents");
    QTRY_COMPARE_WITH_TIMEOUT(bibs(window->startBlocks()), kHeat1Bibs.join(u','), kSetupMs);
    QCOMPARE(events->count(), 4);
    QCOMPARE(events->itemText(kRelayRow), kRelay);
}

void TstRaceIdentity::cleanup()
{
    delete window;
    window = nullptr;
    sim.reset();
    stadium.reset();
    server.reset();
}

// F5 where the system sends keys, once the program takes Ready.
bool TstRaceIdentity::readyByF5()
{
    auto *ready = part<QPushButton>(window, "btnReady");
    if (!QTest::qWaitFor([&] { return window->busyNotice().isEmpty() && ready->isEnabled(); }, kSetupMs))
        return false;
    if (!window->isActiveWindow()) {
        QApplication::setActiveWindow(window);
        if (!QTest::qWaitForWindowActive(window))
            return false;
    }
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : window, Qt::Key_F5);
    return true;
}

bool TstRaceIdentity::raceByF5()
{
    QSignalSpy saved(window->serialComThread(), &CSerialComThread::save_results_file);
    return readyByF5() && QTest::qWaitFor([&] { return saved.count() >= 2; }, kRaceMs);
}

bool TstRaceIdentity::chooseEvent(int row, const QStringList &laneBibs)
{
    return pickRaceListRow(window, events, row) &&
           QTest::qWaitFor([&] { return bibs(window->startBlocks()) == laneBibs.join(u','); }, kWaitMs);
}

void TstRaceIdentity::heatChosenInTheGraphsStartsFromTheNextReady_data()
{
    QTest::addColumn<bool>("falseStart");
    QTest::newRow("valid race") << false;
    QTest::newRow("false start in lane 3") << true;
}

void TstRaceIdentity::heatChosenInTheGraphsStartsFromTheNextReady()
{
    QFETCH(bool, falseStart);
    if (falseStart)
        sim->setLaneReaction(2, -20);
    // the official picks heat 2 as soon as the race's reaction file is written
    CSerialComThread *serial = window->serialComThread();
    connect(serial, &CSerialComThread::save_results_file, this, [this](ResultsDataType type) {
        if (type == ResultsReactionGraphs && events->currentIndex() == kHeat1Row)
            QVERIFY(pickRaceListRow(window, events, kHeat1Row + 1));
    });
    QVERIFY(raceByF5());
    disconnect(serial, nullptr, this, nullptr);
    QTRY_COMPARE_WITH_TIMEOUT(bibs(window->startBlocks()), kHeat2Bibs.join(u','), kWaitMs);
    QVERIFY(raceByF5());

    const QString first = "race_" + kHeat1 + "_h1_s1";
    const QString second = "race_" + kHeat2 + "_h2_s1";
    QCOMPARE(savedNames(), QStringList({first + ".vq1", first + ".vq2", second + ".vq1", second + ".vq2"}));
    for (const char *extension : {"*.vq1", "*.vq2"}) {
        QCOMPARE(savedRace("race_*heat 1*" + QString(extension)),
                 expectedRace(kHeat1 + " h1 s1", kHeat1Bibs));
        QCOMPARE(savedRace("race_*heat 2*" + QString(extension)),
                 expectedRace(kHeat2 + " h2 s1", kHeat2Bibs));
    }
    QCOMPARE(raceLogLines(), raceLogBlock(first.toLower()) + raceLogBlock(second.toLower()));
    const QMap<int, QString> lane3 =
        falseStart ? QMap<int, QString>{{3, "-0.020 false"}} : QMap<int, QString>{};
    QTRY_COMPARE_WITH_TIMEOUT(posts(postLog).size(), 14, kWaitMs);
    QCOMPARE(plainReactions(posts(postLog)), racePosts(kHeat1Ids, 1, "101;1011;10111", lane3) +
                                                 racePosts(kHeat2Ids, 1, "101;1011;10112", lane3));
}

void TstRaceIdentity::secondReadyWithoutStartKeepsTheHeat()
{
    QVERIFY(raceByF5());
    QCOMPARE(events->currentIndex(), kHeat1Row);
    // two F5 right after the race, as a bounce or an impatient starter gives them: the second once every
    // device has followed the first, which takes them back to Idle; a third arms them again
    CSerialComThread *serial = window->serialComThread();
    QSignalSpy saved(serial, &CSerialComThread::save_results_file);
    QSignalSpy commands(window, &MainWindow::set_status_field_request);
    const auto readies = [&commands] {
        return std::count_if(commands.cbegin(), commands.cend(), [](const QList<QVariant> &command) {
            return command[1].toInt() == kReadyState;
        });
    };
    sim->setAutoStartDelayMs(-1); // no gun meanwhile
    QVERIFY(readyByF5());
    QTRY_COMPARE_WITH_TIMEOUT(readies(), 1, kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(serial->allReady, kWaitMs);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
    QTRY_COMPARE_WITH_TIMEOUT(readies(), 2, kWaitMs);
    QCOMPARE(serial->forceMode(), int(DeviceIdle));
    QTRY_VERIFY_WITH_TIMEOUT(!serial->allReady, kWaitMs);
    sim->setAutoStartDelayMs(300);
    QVERIFY(readyByF5());
    QTRY_COMPARE_WITH_TIMEOUT(readies(), 3, kWaitMs);
    QCOMPARE(events->currentIndex(), kHeat1Row + 1);
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 2, kRaceMs);

    const QString second = "race_" + kHeat2 + "_h2_s1";
    QCOMPARE(savedNames().mid(2), QStringList({second + ".vq1", second + ".vq2"}));
    QCOMPARE(savedRace("race_*heat 2*.vq2"), expectedRace(kHeat2 + " h2 s1", kHeat2Bibs));
    QTRY_COMPARE_WITH_TIMEOUT(posts(postLog).size(), 14, kWaitMs);
    QCOMPARE(plainReactions(posts(postLog, 7)), racePosts(kHeat2Ids, 1, "101;1011;10112"));
}

void TstRaceIdentity::statusAfterTheRaceStaysWithItsAthlete()
{
    QVERIFY(chooseEvent(kFinalRow, kFinalBibs));
    // lane 3 disqualified once the Final's results are posted, while its sound graphs are fetched
    QComboBox *lane3 = part<QComboBox>(window->laneRows().at(2), "cmbParticipationStatus");
    CSerialComThread *serial = window->serialComThread();
    connect(serial, &CSerialComThread::save_results_file, this, [lane3](ResultsDataType type) {
        if (type == ResultsReactionGraphs)
            lane3->setCurrentIndex(lane3->findData("DQ"));
    });
    QVERIFY(raceByF5());
    disconnect(serial, nullptr, this, nullptr);
    QCOMPARE(savedRace("*Final*.vq2"), expectedRace(kFinal + " h1 s1", kFinalBibs, {{3, ParticipationDq}}));

    // the next Ready moves to the relay, whose lane-3 team races as any other
    QVERIFY(raceByF5());
    QCOMPARE(events->currentIndex(), kRelayRow);
    QCOMPARE(window->startBlocks().at(2)->participationStatus(), int(ParticipationActive));
    QCOMPARE(savedRace("*Relay*.vq2"), expectedRace(kRelay + " h1 s1", kRelayBibs));
    const QString final = ("race_" + kFinal + "_h1_s1").toLower();
    const QString relay = ("race_" + kRelay + "_h1_s1").toLower();
    QCOMPARE(raceLogLines(), raceLogBlock(final) + raceLogBlock(relay));
    QTRY_COMPARE_WITH_TIMEOUT(posts(postLog).size(), 13, kWaitMs);
    QCOMPARE(plainReactions(posts(postLog)),
             racePosts(kFinalIds, 1, "101;1012;10121") + racePosts(kRelayIds, 1, "102;1021;10211"));
}

void TstRaceIdentity::f5FromAFileTabReadies()
{
    const QString path = QDir(s_results).filePath(QStringLiteral("before.vq1"));
    QVERIFY(window->SaveMeasurementFile(path));
    OpenTabWidget *tab = window->OpenMeasurementFile(path);
    QVERIFY(tab);
    auto *tabs = part<QTabWidget>(window, "tabCentral");
    tabs->setCurrentWidget(tab);
    QVERIFY(QFile::remove(path));
    QVERIFY(raceByF5());
    QCOMPARE(tabs->currentWidget(), part<QWidget>(window, "tabLive"));
    const QString race = "race_" + kHeat1 + "_h1_s1";
    QCOMPARE(savedNames(), QStringList({race + ".vq1", race + ".vq2"}));
    QTRY_COMPARE_WITH_TIMEOUT(posts(postLog).size(), 7, kWaitMs);
    QCOMPARE(plainReactions(posts(postLog)), racePosts(kHeat1Ids, 1, "101;1011;10111"));
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
    TstRaceIdentity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_raceidentity.moc"
