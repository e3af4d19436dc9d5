#pragma once

#include <memory>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "../core/apptestenvironment.h"
#include "../dialogs/dialogtestkit.h"
#include "core/quellorapp.h"
#include "devices/cserialcomthread.h"
#include "dialogs/projectsettingsdlg.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/programpaths.h"
#include "racelistkeys.h"
#include "racerecords.h"
#include "sim/devicesimulator.h"
#include "sim/meetsimdiscovery.h"
#include "sim/meetsimserver.h"
#include "sim/simulatorsettings.h"
#include "sim/startupautomation.h"

// The window as an official has it at a meet: the device simulator behind a link that can be pulled and
// plugged back as a cable is, the meet server simulator with the sample meet, and the lanes live with the
// athletes of the first heat. Everything lives in the run's own folders; the window is the program's one.
class MeetRaceFixture
{
public:
    static constexpr int kWaitMs = 40000;

    // The rows of the sample meet's events list.
    static constexpr int kHeat1Row = 0;
    static constexpr int kHeat2Row = 1;
    static constexpr int kFinalRow = 2;
    static constexpr int kRelayRow = 3;

    MeetRaceFixture(const SimScenario &scenario, const QString &folder, const QString &meetData)
        : m_scenario(scenario), m_folder(folder), m_meetData(meetData)
    {
        resultsDir = QDir(folder).filePath(QStringLiteral("results"));
        postLog = QDir(folder).filePath(QStringLiteral("posts.log"));
        linkPath = QDir(folder).filePath(QStringLiteral("coordinator"));
    }

    ~MeetRaceFixture() { stop(); }

    // Lanes reacting 150, 170, 190 ms ... after a gun that comes autoStartMs after everybody is ready (-1:
    // the test's own gun).
    static SimScenario scenario(int lanes, int autoStartMs)
    {
        SimScenario scenario = SimScenario::standard(lanes);
        scenario.autoStartDelayMs = autoStartMs;
        for (int i = 0; i < lanes; ++i)
            scenario.lanes[i].reactionMs = 150 + 20 * i;
        return scenario;
    }

    // Empty folders, the servers, the devices and the window; false when one of them cannot be had.
    bool start(int raceNumber = 1)
    {
        QDir(resultsDir).removeRecursively();
        QFile::remove(postLog);
        QFile::remove(ProgramPaths::raceLogPath());
        if (!QDir().mkpath(resultsDir))
            return false;
        server = std::make_unique<MeetSimServer>(m_meetData);
        if (!server->listen())
            return false;
        server->setPostLog(postLog);
        stadium = std::make_unique<MeetSimDiscovery>(QStringLiteral("Stadium"));
        sim = std::make_unique<DeviceSimulator>(m_scenario);
        return stadium->listen() && sim->start(linkPath) && openWindow(raceNumber);
    }

    void stop()
    {
        delete window;
        window = nullptr;
        sim.reset();
        stadium.reset();
        server.reset();
    }

    // The program started again, as after Quit: the settings it stored, the devices as they are.
    bool openWindow(int raceNumber = 0)
    {
        delete window;
        SimulatorSettings::Entries entries =
            SimulatorSettings::forSimulator(m_scenario, linkPath, QStringLiteral("Sim"), resultsDir);
        entries << qMakePair(QStringLiteral("general/userselectedoperationmode"), QVariant(1))
                << qMakePair(QStringLiteral("general/operationmode"), QVariant(1));
        // the ticket printer on a serial port, printing after every race
        if (!ticketPort.isEmpty())
            entries << qMakePair(QStringLiteral("printers/printers.count"), QVariant(1))
                    << qMakePair(QStringLiteral("printers/printer0.type"), QVariant(int(PrinterSerial)))
                    << qMakePair(QStringLiteral("printers/printer0.com"), QVariant(ticketPort))
                    << qMakePair(QStringLiteral("general/printer_option"), QVariant(2));
        if (raceNumber > 0) {
            entries << qMakePair(QStringLiteral("general/race_nr"), QVariant(raceNumber));
        } else {
            // started again: what the program stored stays
            entries << qMakePair(
                QStringLiteral("general/race_nr"),
                QVariant(AppTestEnvironment::fileEntries().value("General/race_nr").toInt()));
            const QVariant raced =
                QuellorApp::Instance()->GetSetting(QStringLiteral("general"), QStringLiteral("raced_heats"));
            if (raced.isValid())
                entries << qMakePair(QStringLiteral("general/raced_heats"), raced);
        }
        AppTestEnvironment::writeFile(SimulatorSettings::iniText(entries));
        QuellorApp::Instance()->SyncSettings();
        QuellorApp::Instance()->LoadSettings();
        window = MainWindow::instance();
        window->ApplyProjectSettings(false, true);
        window->show();
        QApplication::setActiveWindow(window);
        return QTest::qWaitForWindowActive(window) &&
               QTest::qWaitFor([this] { return StartupAutomation::lanesLive(*window); }, kWaitMs) &&
               QTest::qWaitFor(
                   [this] { return events()->count() == 4 && !blockBibs().remove(u',').isEmpty(); },
                   kWaitMs) &&
               waitUntilReady();
    }

    QComboBox *events() const { return window->findChild<QComboBox *>(QStringLiteral("cmbEvents")); }
    QPushButton *readyButton() const { return window->findChild<QPushButton *>(QStringLiteral("btnReady")); }
    QString blockBibs() const { return RaceRecords::bibs(window->startBlocks()); }

    bool waitUntilReady(int ms = kWaitMs) const
    {
        return QTest::qWaitFor(
            [this] { return window->busyNotice().isEmpty() && readyButton()->isEnabled(); }, ms);
    }

    // F5 where the system sends keys, once the program takes Ready.
    bool readyByF5() const
    {
        if (!waitUntilReady())
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

    // True once both saves of the race are done.
    bool raceByF5() const
    {
        QSignalSpy saved(window->serialComThread(), &CSerialComThread::save_results_file);
        return readyByF5() && QTest::qWaitFor([&] { return saved.count() >= 2; }, kWaitMs);
    }

    // The heat at that row picked by hand, until its athletes are in the lanes.
    bool chooseEvent(int row, const QStringList &laneBibs) const
    {
        return pickEvent(row) && QTest::qWaitFor([&] { return blockBibs() == laneBibs.join(u','); }, kWaitMs);
    }

    bool pickEvent(int row) const { return pickRaceListRow(window, events(), row, kWaitMs); }

    // Devices switched on afresh behind the same link, as after they were powered down.
    bool freshDevices()
    {
        sim = std::make_unique<DeviceSimulator>(m_scenario);
        return sim->start(linkPath);
    }

    // The cable pulled, until the window has seen it.
    bool pull() const
    {
        sim->stop();
        return QTest::qWaitFor([this] { return window->linkLostNotice() != nullptr; }, kWaitMs);
    }

    // The simulator back behind the same link, then Properties held open over several polling rounds (as
    // an official reads it) and OK, until Ready can be pressed again.
    bool reconnect()
    {
        if (!sim->isRunning() && !sim->start(linkPath))
            return false;
        return properties(true) && waitUntilReady();
    }

    // Properties opened from its menu entry, held open while the serial object polls a few times, then OK
    // or Escape where the system sends the key.
    bool properties(bool ok)
    {
        bool answered = false;
        bool polledMeanwhile = false;
        whenModal<ProjectSettingsDlg>(window, [&](ProjectSettingsDlg *dialog) {
            QSignalSpy asked(window->serialComThread(), &CSerialComThread::data_request_sent);
            polledMeanwhile = QTest::qWaitFor([&] { return asked.count() >= 6; }, kWaitMs);
            if (ok) {
                dialog->findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
            } else {
                QWidget *focus = QApplication::focusWidget();
                QTest::keyClick(focus && dialog->isAncestorOf(focus) ? focus : dialog, Qt::Key_Escape);
                if (dialog->isVisible())
                    dialog->reject();
            }
            answered = true;
        });
        window->findChild<QAction *>(QStringLiteral("action_ProjectProperties"))->trigger();
        return answered && polledMeanwhile;
    }

    MainWindow *window = nullptr;
    std::unique_ptr<MeetSimServer> server;
    std::unique_ptr<MeetSimDiscovery> stadium;
    std::unique_ptr<DeviceSimulator> sim;
    QString resultsDir;
    QString postLog;
    QString linkPath;
    QString ticketPort; // set before start(): the serial ticket printer's port

private:
    SimScenario m_scenario;
    QString m_folder;
    QString m_meetData;
};
