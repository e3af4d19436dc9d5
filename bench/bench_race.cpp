// Saving a race of 10 lanes in the main window against the device simulator: the time from the last sound
// graph's last byte (read and handed to its measurement) to both measurement files, the race log and the race
// text file committed on disk, median and 99th percentile over the races. The graph ticks follow each graph
// at once instead of every 750 ms, so the races run at full speed. Usage: bench_race [races] (default 50);
// run it through scripts/in-netns.sh like the tests.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include <QDir>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include "../tests/mainwindow/simwindow.h"
#include "benchsimset.h"
#include "core/quellorapp.h"
#include "devices/cstartblockmeasurement.h"

namespace
{
constexpr int kLanes = 10;
constexpr int kDefaultRaces = 50;
constexpr int kSetupMs = 60000;
constexpr int kRaceMs = 60000;

double percentile(QList<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values.at(std::min<qsizetype>(values.size() - 1, qsizetype(p * double(values.size()))));
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir; // settings, home and results of this run only
    if (!dir.isValid())
        return 1;
    qputenv("HOME", dir.path().toLocal8Bit());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath(QStringLiteral("config")));
    const std::unique_ptr<QuellorApp> app(QuellorApp::Create(argc, argv));
    const int races = argc > 1 ? qBound(1, QString::fromLocal8Bit(argv[1]).toInt(), 10000) : kDefaultRaces;
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    ProjectSettings settings = app->projectSettings();
    settings.resultsDir = dir.filePath(QStringLiteral("results"));
    QDir().mkpath(settings.resultsDir);
    app->setProjectSettings(settings);

    SimScenario scenario = SimScenario::standard(kLanes);
    scenario.autoStartDelayMs = 100;
    DeviceSimulator sim(scenario);
    if (!sim.start()) {
        std::printf("race saving: no pseudo-terminal for the simulator\n");
        return 1;
    }
    MainWindow *window = MainWindow::instance();
    window->OnToggleApplicationMode(ModeAdministratorFull); // the race text file is written too
    attachSimulatorToWindow(window, sim);
    CSerialComThread *serial = window->serialComThread();
    QElapsedTimer clock;
    clock.start();
    qint64 lastGraphAt = 0;
    for (CStartBlockMeasurement *measurement : window->chosenSet().measurements()) {
        for (auto graph : {&CStartBlockMeasurement::new_graph, &CStartBlockMeasurement::new_sound_graph}) {
            QObject::connect(measurement, graph, serial, [&, serial] {
                lastGraphAt = clock.nsecsElapsed();
                QTimer::singleShot(0, serial, [serial] {
                    if (serial->isGraphPolling())
                        serial->OnGraphTimerTimeout();
                });
            });
        }
    }
    QList<double> delays;
    int saves = 0;
    QObject::connect(serial, &CSerialComThread::save_results_file, serial, [&](ResultsDataType type) {
        ++saves; // the window's own slot, connected first, has written everything by now
        if (type == ResultsSoundGraphs)
            delays << double(clock.nsecsElapsed() - lastGraphAt) / 1e6;
    });
    if (!BenchSimSet::waitFor([window] { return window->busyNotice().isEmpty(); }, kSetupMs)) {
        std::printf("race saving: the devices never took the project's settings\n");
        return 1;
    }
    for (int race = 0; race < races; ++race) {
        const int before = saves;
        window->on_btnReady_clicked(false);
        if (!BenchSimSet::waitFor([&] { return saves >= before + 2; }, kRaceMs)) {
            std::printf("race saving: race %d was not saved within %d ms\n", race + 1, kRaceMs);
            return 1;
        }
    }
    std::printf("race of %d lanes, last graph's last byte to both files committed, %lld races:\n", kLanes,
                static_cast<long long>(delays.size()));
    std::printf("  median %.2f ms, 99th percentile %.2f ms\n", percentile(delays, 0.5),
                percentile(delays, 0.99));
    delete window;
    return 0;
}
