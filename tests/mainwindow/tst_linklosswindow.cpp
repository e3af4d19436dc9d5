// The coordinator's port pulled while the main window runs against the device simulator on a
// pseudo-terminal: idle, and in the middle of a race's graphs; then the simulator back behind the same link,
// reconnected through Properties and OK. The port reopened by Properties while a race's graphs are fetched,
// and what a saved race lacks, however it was lost, shown to the operator.
#include <QAction>
#include <QApplication>
#include <QDateTimeEdit>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBoundaryFinder>

#include "../core/apptestenvironment.h"
#include "../dialogs/dialogtestkit.h"
#include "core/quellorapp.h"
#include "devices/cserialcomthread.h"
#include "devices/measurementfile.h"
#include "dialogs/loadsampledlg.h"
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
    void theNoteNamesWhatTheSavedRaceLacks_data();
    void theNoteNamesWhatTheSavedRaceLacks();
    void aRaceIsSavedOnce_data();
    void aRaceIsSavedOnce();
    void upDownSelectLanesWhicheverButtonHasTheFocus_data();
    void upDownSelectLanesWhicheverButtonHasTheFocus();

private:
    bool attach();
    bool waitUntilReady();
    bool allLinks(int state) const;
    QStringList linkStyles() const;
    // The simulator back behind the same link, then Properties and OK, until the lanes answer again.
    bool reconnect();
    // Every lane answers and Ready can be pressed, within the given time.
    bool lanesLiveWithin(int ms);
    // The race's two files read back: each lane's reaction as raced, and the graphs it holds.
    void checkRaceFiles(const QString &race, bool allGraphs);
    // The status bar note of what the saved race lacks, as shown; empty while it is not.
    QString lackingNote() const
    {
        const auto *note = part<QLabel>(window->statusBar(), "lblGivenUpGraphs");
        return note && !note->isHidden() ? note->text() : QString();
    }
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

bool TstLinkLossWindow::lanesLiveWithin(int ms)
{
    // answered after this call: a lane polled before Properties > OK is not live on the reopened port
    const auto newest = [](const QList<PACKET_LOG> &log) {
        quint32 sent = 0;
        for (const PACKET_LOG &entry : log)
            sent = std::max(sent, entry.sendTime);
        return sent;
    };
    QHash<const void *, quint32> before;
    before.insert(window->coordinator(), newest(window->coordinator()->requestLog()));
    for (CStartBlock *block : window->startBlocks())
        before.insert(block, newest(block->requestLog()));
    const auto answered = [&](const void *device, const QList<PACKET_LOG> &log) {
        return std::any_of(log.cbegin(), log.cend(), [&](const PACKET_LOG &entry) {
            return entry.replyTime != 0 && entry.sendTime > before.value(device);
        });
    };
    return QTest::qWaitFor(
        [&] {
            const QList<CStartBlock *> blocks = window->startBlocks();
            return !window->serialComThread()->isPortLost() &&
                   answered(window->coordinator(), window->coordinator()->requestLog()) &&
                   std::all_of(blocks.cbegin(), blocks.cend(),
                               [&](CStartBlock *block) {
                                   return answered(block, block->requestLog()) &&
                                          block->measurement()->linkState() != LinkLost;
                               }) &&
                   window->busyNotice().isEmpty() && part<QPushButton>(window, "btnReady")->isEnabled();
        },
        ms);
}

void TstLinkLossWindow::checkRaceFiles(const QString &race, bool allGraphs)
{
    const QStringList files = resultFiles(race + "_h1_s1_*");
    QCOMPARE(files.size(), 2);
    QVERIFY(files[0].endsWith(".vq1") && files[1].endsWith(".vq2"));
    for (const QString &name : files) {
        QFile file(QDir(results.path()).filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        MeasurementFile measurement;
        QVERIFY(measurement.read(file.readAll()));
        QCOMPARE(measurement.raceHeader().raceLabel, race.mid(5));
        const auto blocks = measurement.takeBlocks();
        QCOMPARE(int(blocks.size()), 3);
        for (int i = 0; i < 3; ++i) {
            const CStartBlockMeasurement *lane = blocks[i]->measurement();
            QCOMPARE(int(lane->reactionTimeMs()), kReactions[i]);
            if (allGraphs) {
                QVERIFY(lane->hasGraph());
                QCOMPARE(lane->hasSoundGraph(), name.endsWith(".vq2"));
            }
        }
    }
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
    // the port's path is glued, so the notice breaks no line inside it
    const QChar joiner(0x2060);
    QCOMPARE(QString(notice->text()).remove(joiner),
             QString("The connection to the coordinator on port %1 was lost: the port was "
                     "removed or stopped answering.")
                 .arg(linkPath));
    {
        const QString shown = notice->text();
        const qsizetype from = shown.indexOf(linkPath.front());
        const qsizetype to = from + 2 * linkPath.size() - 1;
        QCOMPARE(shown.mid(from, to - from).remove(joiner), linkPath);
        QTextBoundaryFinder lines(QTextBoundaryFinder::Line, shown);
        lines.setPosition(int(from));
        QVERIFY(lines.toNextBoundary() >= to);
    }
    QCOMPARE(
        notice->informativeText(),
        QString("Once the coordinator is connected again, open Properties and press OK to reconnect it."));
    QVERIFY(notice->isVisible() && !notice->isModal());
    QVERIFY(!QApplication::activeModalWidget());                  // the window goes on working
    QVERIFY(!part<QPushButton>(window, "btnReady")->isEnabled()); // until the port is back
    QTest::qWait(500);
    QCOMPARE(shownNotices(window), QList<QMessageBox *>({notice}));
    // the notice tells to open Properties: Ctrl+P does so while the notice has the keys
    notice->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(notice));
    bool propertiesOpened = false;
    whenModal<ProjectSettingsDlg>(this, [&](ProjectSettingsDlg *dialog) {
        propertiesOpened = true;
        dialog->reject();
    });
    QVERIFY(notice->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    QTRY_VERIFY(propertiesOpened);

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
    QCOMPARE(QString(notice->text()).remove(joiner),
             QString("Die Verbindung zur Zentraleinheit am Anschluss %1 ist unterbrochen: Der Anschluss "
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

// What a race file lacks, for the lanes that raced, read from the file: the note's rule, modelled apart.
QString lackingInFile(const QString &path)
{
    QFile file(path);
    MeasurementFile measurement;
    if (!file.open(QIODevice::ReadOnly) || !measurement.read(file.readAll()))
        return "unreadable " + path;
    QStringList lanes;
    for (const auto &block : measurement.takeBlocks()) {
        if (block->participationStatus() != ParticipationActive &&
            block->participationStatus() != ParticipationRup)
            continue;
        const CStartBlockMeasurement *m = block->measurement();
        QStringList parts;
        if (m->reactionIsNoValue())
            parts << "reaction time";
        if (!m->hasGraph())
            parts << "reaction graph";
        if (!m->hasSoundGraph())
            parts << "sound graph";
        if (!parts.isEmpty())
            lanes << QString("lane %1 (%2)").arg(block->lane()).arg(parts.join(", "));
    }
    return lanes.isEmpty() ? QString() : "12, heat 1, start 1 is saved without: " + lanes.join("; ");
}

void TstLinkLossWindow::givenUpGraphsAreShownUntilTheNextRace()
{
    // lane 2 never reacts: the race is saved without anything of it
    sim->setLaneReaction(1, std::nullopt);
    QSignalSpy saved(window->serialComThread(), &CSerialComThread::save_results_file);
    part<QPushButton>(window, "btnReady")->click();
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 2, kWaitMs);
    auto *note = part<QLabel>(window->statusBar(), "lblGivenUpGraphs");
    QVERIFY(note);
    const QString english(
        "12, heat 1, start 1 is saved without: lane 2 (reaction time, reaction graph, sound graph)");
    QCOMPARE(note->text(), english);
    QTRY_VERIFY(note->isVisible());
    // the pointer over a menu entry shows the entry's status tip, an empty one here; the note stays
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QMenu *menu = nullptr;
    for (QAction *title : window->menuBar()->actions()) {
        if (title->menu() && title->menu()->actions().contains(part<QAction>(window, "action_ProjectProperties")))
            menu = title->menu();
    }
    QVERIFY(menu);
    QAction *entry = part<QAction>(window, "action_ProjectProperties");
    QSignalSpy hovered(entry, &QAction::hovered);
    menu->popup(window->mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::mouseMove(menu, menu->actionGeometry(entry).center());
    QTRY_VERIFY(hovered.count() > 0);
    menu->close();
    QCOMPARE(note->text(), english);
    QVERIFY(note->isVisible());
    // in the operator's language
    window->LoadLanguage("de_Deutsch");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(note->text(), QString("12, Lauf 1, Start 1 wurde gespeichert ohne: Bahn 2 (Reaktionszeit, "
                                   "Reaktionsgrafik, Tongrafik)"));
    window->LoadLanguage("en_English");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(note->text(), english);
    // the next race starts without it
    QVERIFY(waitUntilReady());
    part<QPushButton>(window, "btnReady")->click();
    QVERIFY(note->text().isEmpty() && !note->isVisible());
}

enum class Loss { Stall, Shutdown, SilentLane, LateGraph };
Q_DECLARE_METATYPE(Loss)

void TstLinkLossWindow::theNoteNamesWhatTheSavedRaceLacks_data()
{
    QTest::addColumn<Loss>("loss");
    QTest::addColumn<QString>("lacking"); // what the note names at least
    // lane 1's graph is asked for in the stall, or lanes 2 and 3 are skipped in it
    QTest::newRow("a stall of 10 s during the reactions") << Loss::Stall << "reaction graph";
    QTest::newRow("Shutdown Devices at the reaction file") << Loss::Shutdown << "lane 3 (sound graph)";
    QTest::newRow("a racing lane that never reacts")
        << Loss::SilentLane << "is saved without: lane 2 (reaction time, reaction graph, sound graph)";
    QTest::newRow("a graph that arrives after the save")
        << Loss::LateGraph << "is saved without: lane 3 (reaction graph, sound graph)";
}

// Whatever keeps a reaction or a graph from the race's file, the note names what the file lacks in every
// lane that raced, with the race, once the race's last file is written and not before.
void TstLinkLossWindow::theNoteNamesWhatTheSavedRaceLacks()
{
    QFETCH(Loss, loss);
    QFETCH(QString, lacking);
    for (const QString &earlier : resultFiles("race_*"))
        QVERIFY(QFile::remove(QDir(results.path()).filePath(earlier)));
    CSerialComThread *serial = window->serialComThread();
    const QList<CStartBlock *> lanes = window->startBlocks();
    constexpr int kLossWaitMs = 120000; // three sound graphs given up on, one after the other
    // what the note shows before the race's last file: nothing
    QStringList notesBefore;
    qRegisterMetaType<CStartBlock *>();
    connect(serial, &CSerialComThread::graph_given_up, this, [&] { notesBefore << lackingNote(); });
    connect(serial, &CSerialComThread::save_results_file, this, [&](ResultsDataType type) {
        if (type == ResultsReactionGraphs)
            notesBefore << lackingNote();
    });
    bool stalled = false;
    SimFrame lateGraph;
    switch (loss) {
    case Loss::Stall:
        // nothing gets through for 10 s from the moment lane 1's reaction is in
        connect(lanes[0]->measurement(), &CStartBlockMeasurement::new_status_field, this, [&] {
            const RaceRunPointer run = serial->raceRun();
            if (stalled || !run || !run->hasStarted() || lanes[0]->measurement()->reactionIsNoValue())
                return;
            stalled = true;
            sim->setReplyLossRate(1.0);
            QTimer::singleShot(10000, sim.get(), [this] { sim->setReplyLossRate(0.0); });
        });
        break;
    case Loss::Shutdown:
        connect(serial, &CSerialComThread::save_results_file, this, [&](ResultsDataType type) {
            if (type != ResultsReactionGraphs || stalled)
                return;
            stalled = true;
            QTimer::singleShot(0, this, [this] {
                whenModal<LoadSampleDlg>(this, [](LoadSampleDlg *dialog) {
                    part<QPushButton>(dialog, "btnSelectAll")->click();
                    part<QPushButton>(dialog, "btnOK")->click();
                });
                part<QAction>(window, "actionShutdown_Devices")->trigger();
            });
        });
        break;
    case Loss::SilentLane:
        sim->setLaneReaction(1, std::nullopt);
        stalled = true;
        break;
    case Loss::LateGraph: {
        // lane 3's reaction graph replies are lost on the way until the race is saved without it
        const QByteArray third = sim->scenario().lanes[2].mac;
        connect(sim.get(), &DeviceSimulator::requestReceived, this, [this, third](const SimRequest &request) {
            if (request.frame.command == 0x07 && request.frame.mac == third)
                sim->setReplyLossRate(1.0);
        });
        connect(sim.get(), &DeviceSimulator::replyLost, this, [&, third](const SimFrame &frame) {
            if (frame.command != 0x08 || frame.mac != third)
                return;
            lateGraph = frame;
            stalled = true;
            sim->setReplyLossRate(0.0);
        });
        break;
    }
    }
    QSignalSpy saved(serial, &CSerialComThread::save_results_file);
    part<QPushButton>(window, "btnReady")->click();
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 2, kLossWaitMs);
    QVERIFY(stalled);
    QCOMPARE(saved[1][0].value<ResultsDataType>(), ResultsSoundGraphs);
    QCOMPARE(notesBefore, QStringList(notesBefore.size(), QString()));

    const QStringList files = resultFiles("race_12_h1_s1_*.vq2");
    QCOMPARE(files.size(), 1);
    const QString expected = lackingInFile(QDir(results.path()).filePath(files[0]));
    QVERIFY2(expected.contains(lacking), qPrintable(expected));
    QCOMPARE(lackingNote(), expected);

    if (loss == Loss::LateGraph) {
        // lane 3's graph comes after all: the file is without it, and so is the live view
        QSignalSpy polled(lanes[2]->measurement(), &CStartBlockMeasurement::new_status_field);
        sim->injectFrame(lateGraph);
        QTRY_VERIFY_WITH_TIMEOUT(polled.count() >= 2, kWaitMs);
        QVERIFY(!lanes[2]->measurement()->hasGraph());
        for (StartBlockMeasurementWidget *row : window->laneRows()) {
            if (row->startBlock() == lanes[2])
                QVERIFY(!part<QPushButton>(row, "btnGraph")->isEnabled());
        }
        QCOMPARE(lackingNote(), expected);
    }
    disconnect(serial, nullptr, this, nullptr);
    disconnect(sim.get(), nullptr, this, nullptr);
}

enum class GraphsBroken { Pulled, PulledForAFreshSimulator, RefusedThenGoodOpen, Ready, LanesRebuilt };
Q_DECLARE_METATYPE(GraphsBroken)

void TstLinkLossWindow::aRaceIsSavedOnce_data()
{
    QTest::addColumn<GraphsBroken>("what");
    QTest::addColumn<bool>("inSoundGraphs"); // or as soon as the first lane's reaction graph is in
    QTest::newRow("pulled in the reaction graphs, plugged back") << GraphsBroken::Pulled << false;
    QTest::newRow("pulled in the sound graphs, plugged back") << GraphsBroken::Pulled << true;
    QTest::newRow("pulled in the reaction graphs, a fresh simulator")
        << GraphsBroken::PulledForAFreshSimulator << false;
    QTest::newRow("pulled in the sound graphs, a fresh simulator")
        << GraphsBroken::PulledForAFreshSimulator << true;
    QTest::newRow("a refused open, then a good one") << GraphsBroken::RefusedThenGoodOpen << false;
    QTest::newRow("Ready in the reaction graphs") << GraphsBroken::Ready << false;
    QTest::newRow("Ready in the sound graphs") << GraphsBroken::Ready << true;
    QTest::newRow("lanes rebuilt in the graphs") << GraphsBroken::LanesRebuilt << false;
}

// Whatever breaks into a race's graphs, the race has one pair of files with every reaction, one block of
// race-log lines, and the lanes are live again at once; the next race is saved whole under the next number.
void TstLinkLossWindow::aRaceIsSavedOnce()
{
    QFETCH(GraphsBroken, what);
    QFETCH(bool, inSoundGraphs);
    for (const QString &earlier : resultFiles("race_*"))
        QVERIFY(QFile::remove(QDir(results.path()).filePath(earlier)));
    CSerialComThread *serial = window->serialComThread();
    const qint32 baud = serial->baudRate();
    bool broken = false;
    const auto breakIn = [&] {
        if (broken)
            return;
        broken = true;
        QTimer::singleShot(0, this, [&] {
            switch (what) {
            case GraphsBroken::Pulled:
            case GraphsBroken::PulledForAFreshSimulator:
                sim->stop();
                break;
            case GraphsBroken::RefusedThenGoodOpen:
                serial->OpenPort(QDir(results.path()).filePath("no-such-port"), baud);
                serial->OpenPort(linkPath, baud);
                break;
            case GraphsBroken::Ready:
                part<QPushButton>(window, "btnReady")->click();
                break;
            case GraphsBroken::LanesRebuilt:
                // as Properties > OK after the set was edited: the lanes are built anew, the port reopened
                window->ApplyProjectSettings(true, false);
                break;
            }
        });
    };
    if (inSoundGraphs)
        connect(serial, &CSerialComThread::save_results_file, this, breakIn);
    else
        connect(window->startBlocks().at(0)->measurement(), &CStartBlockMeasurement::new_graph, this, breakIn);
    QSignalSpy saved(serial, &CSerialComThread::save_results_file);
    qRegisterMetaType<CStartBlock *>();
    QSignalSpy givenUp(serial, &CSerialComThread::graph_given_up);
    part<QPushButton>(window, "btnReady")->click();
    QTRY_VERIFY_WITH_TIMEOUT(broken && saved.count() >= 2, kWaitMs);
    disconnect(serial, nullptr, this, nullptr);

    const bool pulled = what == GraphsBroken::Pulled || what == GraphsBroken::PulledForAFreshSimulator;
    if (pulled) {
        QTRY_VERIFY_WITH_TIMEOUT(window->linkLostNotice(), kWaitMs);
        // the same devices, which still hold the race's graphs, or fresh ones that hold none
        if (what == GraphsBroken::PulledForAFreshSimulator)
            sim = std::make_unique<DeviceSimulator>(sim->scenario());
        QVERIFY(sim->start(linkPath));
        // the official reads the dialog while the serial object polls the port it reopened
        bool polledMeanwhile = false;
        whenModal<ProjectSettingsDlg>(this, [&](ProjectSettingsDlg *dialog) {
            QSignalSpy asked(serial, &CSerialComThread::data_request_sent);
            polledMeanwhile = QTest::qWaitFor([&] { return asked.count() >= 6; }, kWaitMs);
            part<QPushButton>(dialog, "btnOK")->click();
        });
        part<QAction>(window, "action_ProjectProperties")->trigger();
        QVERIFY(polledMeanwhile);
    }
    if (what != GraphsBroken::Ready) {
        QVERIFY(lanesLiveWithin(5000));
        saved.clear();
        part<QPushButton>(window, "btnReady")->click();
    } else {
        saved.removeFirst();
        saved.removeFirst();
    }
    // the next race: both files, and not one save more of the race before
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 2, kWaitMs);
    QCOMPARE(saved[0][0].value<ResultsDataType>(), ResultsReactionGraphs);
    QCOMPARE(saved[1][0].value<ResultsDataType>(), ResultsSoundGraphs);
    QCOMPARE(givenUp.count(), 0);
    checkRaceFiles("race_12", false);
    QVERIFY(!QTest::currentTestFailed());
    checkRaceFiles("race_13", true);
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(resultFiles("*.vq1").size(), 2);
    QCOMPARE(resultFiles("*.vq2").size(), 2);
    QFile raceLog(ProgramPaths::raceLogPath());
    QVERIFY(raceLog.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = raceLog.readAll().split('\n');
    QCOMPARE(lines.size(), 1 + 3 + 3 + 1);
    for (int i = 1; i <= 6; ++i)
        QVERIFY2(lines[i].contains(QString("\trace_%1_h1_s1\tL%2\t").arg(i <= 3 ? 12 : 13).arg((i - 1) % 3 + 1).toUtf8()),
                 lines[i]);
}

void TstLinkLossWindow::upDownSelectLanesWhicheverButtonHasTheFocus_data()
{
    QTest::addColumn<QString>("button"); // clicked with the mouse
    QTest::addColumn<bool>("reconnect"); // then the link pulled, the simulator back, Properties and OK
    QTest::newRow("settings toggle") << "btnToggleSettings" << false;
    QTest::newRow("lane header") << "btnHeaderLane" << false;
    QTest::newRow("settings toggle, given back after Properties") << "btnToggleSettings" << true;
}

// Down walked a button's focus on through the buttons into the GPS date field, where one more changed the
// date. The keys go to the focus widget, as the window system sends them.
void TstLinkLossWindow::upDownSelectLanesWhicheverButtonHasTheFocus()
{
    QFETCH(QString, button);
    QFETCH(bool, reconnect);
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto *gps = part<QDateTimeEdit>(window->coordinatorRow(), "dtGps");
    QTRY_VERIFY_WITH_TIMEOUT(gps->isVisible(), kWaitMs);
    auto *clicked = part<QPushButton>(window, qPrintable(button));
    QTest::mouseClick(clicked, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), clicked);
    if (reconnect) {
        sim->stop();
        QTRY_VERIFY_WITH_TIMEOUT(window->linkLostNotice(), kWaitMs);
        QVERIFY(this->reconnect());
        QTRY_COMPARE(QApplication::focusWidget(), clicked);
    }
    QStringList walk; // the lane selected after each key, and where the focus went
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        walk << QString::number(window->selectedLane()) + ' ' + QApplication::focusWidget()->objectName();
    }
    const QString focus = ' ' + button;
    QCOMPARE(walk, QStringList({"0" + focus, "1" + focus, "2" + focus, "2" + focus, "1" + focus}));
    // the button's own keys stay its own
    QSignalSpy pressed(clicked, &QPushButton::clicked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(pressed.count(), 1);
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
