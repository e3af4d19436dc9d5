// The coordinator's port pulled while the main window runs against the device simulator on a
// pseudo-terminal: idle, and in the middle of a race's graphs; then the simulator back behind the same link,
// reconnected through Properties and OK. The port reopened by Properties while a race's graphs are fetched,
// and a lane whose graph was given up shown to the operator.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include "../core/apptestenvironment.h"
#include "../dialogs/dialogtestkit.h"
#include "core/quellorapp.h"
#include "devices/cserialcomthread.h"
#include "devices/measurementfile.h"
#include "dialogs/projectsettingsdlg.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/programpaths.h"
#include "sim/devicesimulator.h"
#include "sim/simulatorsettings.h"
#include "sim/startupautomation.h"
#include "testnetwork.h"
#include "views/coordinatormeasurementwidget.h"
#include "views/opentabwidget.h"
#include "views/startblockmeasurementwidget.h"

namespace
{

constexpr int kWaitMs = 40000;
const QList<int> kReactions{150, 170, 190};
const QString kNoticeTitle = "Wireless Quellor - Halvexa: Connection lost";

template<typename T>
T *part(QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

QList<QMessageBox *> shownNotices(MainWindow *window)
{
    QList<QMessageBox *> shown;
    for (QMessageBox *box : window->findChildren<QMessageBox *>()) {
        if (box->isVisible())
            shown << box;
    }
    return shown;
}

} // namespace

class TstLinkLossWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void idlePullShowsOneNoticeAndEveryLinkLost();
    void pullInTheGraphsSavesTheRaceAndTheNextRaceItsNumber();
    void propertiesInTheGraphsSaveBothFiles_data();
    void propertiesInTheGraphsSaveBothFiles();
    void givenUpGraphsAreShownUntilTheNextRace();

private:
    bool attach();
    bool waitUntilReady();
    bool allLinks(int state) const;
    QStringList linkStyles() const;
    // The simulator back behind the same link, then Properties and OK, until the lanes answer again.
    bool reconnect();
    QStringList resultFiles(const QString &pattern) const
    {
        return QDir(results.path()).entryList({pattern}, QDir::Files, QDir::Name);
    }

    QTemporaryDir results;
    QString linkPath;
    std::unique_ptr<DeviceSimulator> sim;
    MainWindow *window = nullptr;
};

void TstLinkLossWindow::init()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    QVERIFY(results.isValid());
    QFile::remove(ProgramPaths::raceLogPath());
    linkPath = QDir(results.path()).filePath("coordinator");
    SimScenario scenario = SimScenario::standard(3);
    scenario.autoStartDelayMs = 300;
    for (int i = 0; i < 3; ++i)
        scenario.lanes[i].reactionMs = kReactions[i];
    sim = std::make_unique<DeviceSimulator>(scenario);
    if (!sim->start(linkPath))
        QSKIP("no pseudo-terminal");
    QVERIFY(attach());
}

void TstLinkLossWindow::cleanup()
{
    delete window;
    window = nullptr;
    sim.reset();
}

bool TstLinkLossWindow::attach()
{
    const SimulatorSettings::Entries wireless = {
        {"general/race_nr", 11}, {"general/userselectedoperationmode", 1}, {"general/operationmode", 1}};
    AppTestEnvironment::writeFile(SimulatorSettings::iniText(
        SimulatorSettings::forSimulator(sim->scenario(), linkPath, "Sim", results.path()) + wireless));
    QuellorApp::Instance()->SyncSettings();
    QuellorApp::Instance()->LoadSettings();
    window = MainWindow::instance();
    window->ApplyProjectSettings(false, true);
    window->show();
    return QTest::qWaitFor([this] { return StartupAutomation::lanesLive(*window); }, kWaitMs) &&
           waitUntilReady();
}

bool TstLinkLossWindow::waitUntilReady()
{
    return QTest::qWaitFor(
        [this] {
            return window->busyNotice().isEmpty() && part<QPushButton>(window, "btnReady")->isEnabled();
        },
        kWaitMs);
}

bool TstLinkLossWindow::allLinks(int state) const
{
    const QList<CStartBlockMeasurement *> lanes = window->chosenSet().measurements();
    return window->coordinator()->linkState() == state &&
           std::all_of(lanes.cbegin(), lanes.cend(),
                       [state](const CStartBlockMeasurement *m) { return m->linkState() == state; });
}

// How the coordinator row and each lane row draw their link.
QStringList TstLinkLossWindow::linkStyles() const
{
    QStringList styles{part<QPushButton>(window->coordinatorRow(), "btnMeasurementsStatus")->styleSheet()};
    for (StartBlockMeasurementWidget *row : window->laneRows())
        styles << part<QPushButton>(row, "btnMeasurements")->styleSheet();
    return styles;
}

bool TstLinkLossWindow::reconnect()
{
    if (!sim->start(linkPath))
        return false;
    whenModal<ProjectSettingsDlg>(
        this, [](ProjectSettingsDlg *dialog) { part<QPushButton>(dialog, "btnOK")->click(); });
    part<QAction>(window, "action_ProjectProperties")->trigger();
    return QTest::qWaitFor([this] { return !window->serialComThread()->isPortLost() && allLinks(LinkGood); },
                           kWaitMs) &&
           waitUntilReady();
}

void TstLinkLossWindow::idlePullShowsOneNoticeAndEveryLinkLost()
{
    QTRY_VERIFY_WITH_TIMEOUT(allLinks(LinkGood), kWaitMs);
    const QStringList goodStyles = linkStyles();
    sim->stop();
    QTRY_VERIFY_WITH_TIMEOUT(window->linkLostNotice(), kWaitMs);
    QMessageBox *notice = window->linkLostNotice();
    QVERIFY(allLinks(LinkLost));
    // every row draws its link as the link rule draws a device that stopped answering
    const QStringList lostStyles = linkStyles();
    for (int i = 0; i < lostStyles.size(); ++i)
        QVERIFY2(lostStyles[i] != goodStyles[i], qPrintable(QString::number(i)));
    QCOMPARE(QSet<QString>(lostStyles.cbegin() + 1, lostStyles.cend()).size(), 1);

    QCOMPARE(notice->windowTitle(), kNoticeTitle);
    // the system's reason after a hang-up is a stale error in English: the notice says what happened
    QCOMPARE(notice->text(), QString("The connection to the coordinator on port %1 was lost: the port was "
                                     "removed or stopped answering.")
                                 .arg(linkPath));
    QCOMPARE(
        notice->informativeText(),
        QString("Once the coordinator is connected again, open Properties and press OK to reconnect it."));
    QVERIFY(notice->isVisible() && !notice->isModal());
    QVERIFY(!QApplication::activeModalWidget());                  // the window goes on working
    QVERIFY(!part<QPushButton>(window, "btnReady")->isEnabled()); // until the port is back
    QTest::qWait(500);
    QCOMPARE(shownNotices(window), QList<QMessageBox *>({notice}));

    // reconnected: the notice of the loss goes; pulled again: one notice again
    QVERIFY(reconnect());
    QVERIFY(linkStyles() != lostStyles);
    QTRY_VERIFY(!window->linkLostNotice());
    QCOMPARE(shownNotices(window), QList<QMessageBox *>());
    sim->stop();
    QTRY_VERIFY_WITH_TIMEOUT(window->linkLostNotice() && allLinks(LinkLost), kWaitMs);
    notice = window->linkLostNotice();
    QTest::qWait(500);
    QCOMPARE(shownNotices(window), QList<QMessageBox *>({notice}));

    // the open notice speaks the language chosen meanwhile, all of it, and the busy notice ending leaves
    // Ready off
    window->LoadLanguage("de_Deutsch");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(notice->windowTitle(), QString("Wireless Quellor - Halvexa: Verbindung unterbrochen"));
    QCOMPARE(notice->text(),
             QString("Die Verbindung zur Zentraleinheit am Anschluss %1 ist unterbrochen: Der Port "
                     "wurde entfernt oder antwortet nicht mehr.")
                 .arg(linkPath));
    window->LoadLanguage("en_English");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(notice->windowTitle(), kNoticeTitle);
    window->ShowBusy(false, "BUSY");
    window->ShowBusy(true, QString());
    QVERIFY(!part<QPushButton>(window, "btnReady")->isEnabled());
}

void TstLinkLossWindow::pullInTheGraphsSavesTheRaceAndTheNextRaceItsNumber()
{
    // the cable goes as soon as the second lane's graph is in
    CStartBlockMeasurement *second = window->startBlocks().at(1)->measurement();
    connect(second, &CStartBlockMeasurement::new_graph, sim.get(),
            [this] { QTimer::singleShot(0, sim.get(), [this] { sim->stop(); }); });
    QSignalSpy saved(window->serialComThread(), &CSerialComThread::save_results_file);
    part<QPushButton>(window, "btnReady")->click();
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 2, kWaitMs);
    QVERIFY(window->serialComThread()->isPortLost());
    QCOMPARE(part<QLabel>(window, "lblResultsSaved")->text(), QString("Results Saved"));

    const QStringList files = resultFiles("race_12_h1_s1_*");
    QCOMPARE(files.size(), 2);
    QVERIFY(files[0].endsWith(".vq1") && files[1].endsWith(".vq2"));
    for (const QString &name : files) {
        QFile file(QDir(results.path()).filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        MeasurementFile measurement;
        QVERIFY(measurement.read(file.readAll()));
        QCOMPARE(measurement.raceHeader().raceLabel, QString("12"));
        const auto blocks = measurement.takeBlocks();
        QCOMPARE(int(blocks.size()), 3);
        for (int i = 0; i < 3; ++i) {
            const CStartBlockMeasurement *lane = blocks[i]->measurement();
            QCOMPARE(int(lane->reactionTimeMs()), kReactions[i]);
            QCOMPARE(lane->hasGraph(), i < 2);
            QVERIFY(!lane->hasSoundGraph());
        }
    }
    QFile raceLog(ProgramPaths::raceLogPath());
    QVERIFY(raceLog.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = raceLog.readAll().split('\n');
    QCOMPARE(lines.size(), 1 + 3 + 1);
    for (int i = 1; i <= 3; ++i)
        QVERIFY2(lines[i].contains(QString("\trace_12_h1_s1\tL%1\t\t\t\t\t\t\r").arg(i).toUtf8()), lines[i]);

    // the saved race opened as a tab shows each lane's reaction, also the one whose graph never came
    OpenTabWidget *tab = window->OpenMeasurementFile(QDir(results.path()).filePath(files[1]));
    QVERIFY(tab);
    QStringList shown;
    for (StartBlockMeasurementWidget *row : tab->findChildren<StartBlockMeasurementWidget *>()) {
        if (row->startBlock())
            shown << part<QLabel>(row, "lblReactionTime")->text();
    }
    QCOMPARE(shown, QStringList({"150ms", "170ms", "190ms"}));

    QVERIFY(reconnect());
    saved.clear();
    part<QPushButton>(window, "btnReady")->click();
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 2, kWaitMs);
    QCOMPARE(resultFiles("race_13_h1_s1_*").size(), 2);
    QCOMPARE(resultFiles("*.vq1").size(), 2);
}

void TstLinkLossWindow::propertiesInTheGraphsSaveBothFiles_data()
{
    QTest::addColumn<bool>("afterReactionFile"); // or as soon as the first lane's reaction graph is in
    QTest::addColumn<bool>("ok");                // or Escape
    QTest::newRow("after the reaction file, Escape") << true << false;
    QTest::newRow("after the reaction file, OK") << true << true;
    QTest::newRow("in the reaction graphs, Escape") << false << false;
    QTest::newRow("in the reaction graphs, OK") << false << true;
}

void TstLinkLossWindow::propertiesInTheGraphsSaveBothFiles()
{
    QFETCH(bool, afterReactionFile);
    QFETCH(bool, ok);
    for (const QString &earlier : resultFiles("race_*"))
        QVERIFY(QFile::remove(QDir(results.path()).filePath(earlier)));
    CSerialComThread *serial = window->serialComThread();
    // filling the dialog reopens the coordinator's port; OK reopens it again and sends Idle
    int reopened = 0;
    connect(serial, &CSerialComThread::serial_port_opened, this,
            [&reopened](bool opened) { reopened += opened; });
    bool shown = false;
    bool escapedInTheDialog = false; // the key went where the system sends it, inside the dialog
    const auto openProperties = [this, ok, &shown, &escapedInTheDialog] {
        if (shown)
            return;
        shown = true;
        QTimer::singleShot(0, this, [this, ok, &escapedInTheDialog] {
            whenModal<ProjectSettingsDlg>(this, [ok, &escapedInTheDialog](ProjectSettingsDlg *dialog) {
                if (ok) {
                    part<QPushButton>(dialog, "btnOK")->click();
                    return;
                }
                QApplication::setActiveWindow(dialog);
                const bool active = QTest::qWaitForWindowActive(dialog);
                QWidget *focus = QApplication::focusWidget();
                escapedInTheDialog = active && focus && dialog->isAncestorOf(focus);
                QTest::keyClick(escapedInTheDialog ? focus : dialog, Qt::Key_Escape);
                if (dialog->isVisible())
                    dialog->reject(); // no hang when Escape was not taken; the test fails below
            });
            part<QAction>(window, "action_ProjectProperties")->trigger();
        });
    };
    if (afterReactionFile)
        connect(serial, &CSerialComThread::save_results_file, this, openProperties);
    else
        connect(window->startBlocks().at(0)->measurement(), &CStartBlockMeasurement::new_graph, this,
                openProperties);
    QSignalSpy saved(serial, &CSerialComThread::save_results_file);
    part<QPushButton>(window, "btnReady")->click();
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 2, kWaitMs);
    QVERIFY(shown && reopened > 0);
    QVERIFY(ok || escapedInTheDialog);
    QCOMPARE(saved[1][0].value<ResultsDataType>(), ResultsSoundGraphs);

    const QStringList files = resultFiles("race_12_h1_s1_*");
    QCOMPARE(files.size(), 2);
    QVERIFY(files[0].endsWith(".vq1") && files[1].endsWith(".vq2"));
    for (const QString &name : files) {
        QFile file(QDir(results.path()).filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        MeasurementFile measurement;
        QVERIFY(measurement.read(file.readAll()));
        const auto blocks = measurement.takeBlocks();
        QCOMPARE(int(blocks.size()), 3);
        for (int i = 0; i < 3; ++i) {
            const CStartBlockMeasurement *lane = blocks[i]->measurement();
            QCOMPARE(int(lane->reactionTimeMs()), kReactions[i]);
            QVERIFY(lane->hasGraph());
            QCOMPARE(lane->hasSoundGraph(), name.endsWith(".vq2"));
        }
    }
    QFile raceLog(ProgramPaths::raceLogPath());
    QVERIFY(raceLog.open(QIODevice::ReadOnly));
    QCOMPARE(raceLog.readAll().count('\n'), 1 + 3);

    // the next race saves under the next number
    disconnect(serial, nullptr, this, nullptr);
    disconnect(window->startBlocks().at(0)->measurement(), nullptr, this, nullptr);
    QVERIFY(waitUntilReady());
    saved.clear();
    part<QPushButton>(window, "btnReady")->click();
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 2, kWaitMs);
    QCOMPARE(resultFiles("race_13_h1_s1_*").size(), 2);
    QCOMPARE(resultFiles("*.vq2").size(), 2);
}

void TstLinkLossWindow::givenUpGraphsAreShownUntilTheNextRace()
{
    CSerialComThread *serial = window->serialComThread();
    const QList<CStartBlock *> lanes = window->startBlocks();
    emit serial->graph_given_up(lanes[1], false);
    emit serial->graph_given_up(lanes[2], true);
    QStatusBar *bar = window->statusBar();
    QCOMPARE(bar->currentMessage(), QString("No reaction graph from lane 2: the race is saved without it   "
                                            "No sound graph from lane 3: the race is saved without it"));
    // in the operator's language
    window->LoadLanguage("de_Deutsch");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QVERIFY2(bar->currentMessage().contains("2") && !bar->currentMessage().startsWith("No reaction"),
             qPrintable(bar->currentMessage()));
    window->LoadLanguage("en_English");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QVERIFY(bar->currentMessage().startsWith("No reaction graph from lane 2"));
    // the next race starts without them
    part<QPushButton>(window, "btnReady")->click();
    QCOMPARE(bar->currentMessage(), QString());
}

int main(int argc, char **argv)
{
    AppTestEnvironment environment;
    if (!environment.isValid())
        return 1;
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    TstLinkLossWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_linklosswindow.moc"
