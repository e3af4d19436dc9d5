// The program's CPU share in the 10 s after the coordinator's port is pulled: the main window offscreen
// with the 8 lanes of a set against the device simulator on a pseudo-terminal, pulled once while idle and
// once while a race's graphs are being fetched (the simulator drops its terminal, as a pulled USB serial
// adapter does). The simulator runs in the same process but has nothing left to do after the pull, so the
// process's CPU time is the program's. Goal: below 5 % of one core.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <sys/resource.h>

#include <QElapsedTimer>
#include <QTemporaryDir>

#include "benchapp.h"
#include "benchsimset.h"
#include "core/quellorapp.h"
#include "devices/ccoordinator.h"
#include "devices/cserialcomthread.h"
#include "devices/cstartblockmeasurement.h"
#include "mainwindow/mainwindow.h"
#include "sim/devicesimulator.h"

namespace
{

constexpr int kLanes = 8;
constexpr int kMeasureMs = 10000;
constexpr int kSettleMs = 1500;
constexpr int kLiveTimeoutMs = 30000;
constexpr double kGoalPercent = 5.0;

qint64 cpuMicroseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000 + usage.ru_utime.tv_usec +
           usage.ru_stime.tv_usec;
}

// Percent of one core the whole process used while the event loop ran for the measuring time.
double cpuShareOverMeasure()
{
    const qint64 before = cpuMicroseconds();
    QElapsedTimer wall;
    wall.start();
    BenchSimSet::runFor(kMeasureMs);
    return 100.0 * double(cpuMicroseconds() - before) / (double(wall.nsecsElapsed()) / 1000.0);
}

void openPort(CSerialComThread *serial, const QString &path)
{
    serial->setUserSelectedOperationMode(OperationModeWireless);
    serial->OpenPort(path, CSerialComThread::kBaudWired);
    serial->SetOperationMode(OperationModeWireless);
}

bool linkGood(const MainWindow &window)
{
    const QList<CStartBlock *> blocks = window.startBlocks();
    return window.coordinator()->linkState() == LinkGood &&
           std::all_of(blocks.cbegin(), blocks.cend(), [](const CStartBlock *block) {
               return block->measurement()->state() != 0 && block->measurement()->linkState() == LinkGood;
           });
}

void printShare(const char *when, double percent)
{
    std::printf("  %s: %.1f %% of one core in the %d s after the pull; goal < %.0f %%: %s\n", when, percent,
                kMeasureMs / 1000, kGoalPercent, percent < kGoalPercent ? "met" : "missed");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1) {
        std::printf("usage: bench_linkloss\n");
        return 2;
    }
    const BenchApp bench(argc, argv);
    QTemporaryDir folder;
    if (!bench.app() || !folder.isValid())
        return 1;
    SimScenario scenario = SimScenario::standard(kLanes);
    scenario.autoStartDelayMs = 300;
    const QString link = folder.filePath(QStringLiteral("coordinator"));
    DeviceSimulator sim(scenario);
    if (!sim.start(link)) {
        std::printf("link loss: no pseudo-terminal for the simulator\n");
        return 1;
    }
    BenchSimSet::store(*bench.app(), scenario);
    const std::unique_ptr<MainWindow> window(MainWindow::instance());
    window->SetupStartBlockSet(BenchSimSet::kSetName);
    CSerialComThread *serial = window->serialComThread();
    openPort(serial, link);
    window->show();
    if (!BenchSimSet::waitFor([&] { return linkGood(*window); }, kLiveTimeoutMs)) {
        std::printf("link loss: the lanes did not come live within %d ms\n", kLiveTimeoutMs);
        return 1;
    }
    BenchSimSet::runFor(kSettleMs);

    std::printf("CPU share after the coordinator's port is pulled, %d lanes, wireless:\n", kLanes);
    sim.stop();
    printShare("idle", cpuShareOverMeasure());

    if (!sim.start(link)) {
        std::printf("link loss: the simulator's terminal could not be made again\n");
        return 1;
    }
    openPort(serial, link);
    if (!BenchSimSet::waitFor([&] { return linkGood(*window); }, kLiveTimeoutMs)) {
        std::printf("link loss: the lanes did not come back within %d ms\n", kLiveTimeoutMs);
        return 1;
    }
    BenchSimSet::runFor(kSettleMs);
    // the cable goes as soon as the first graph of the race is in
    bool graphIn = false;
    for (CStartBlock *block : window->startBlocks())
        QObject::connect(block->measurement(), &CStartBlockMeasurement::new_graph, &sim,
                         [&graphIn] { graphIn = true; });
    window->on_btnReady_clicked(false);
    if (!BenchSimSet::waitFor([&] { return graphIn; }, kLiveTimeoutMs)) {
        std::printf("link loss: no graph arrived within %d ms\n", kLiveTimeoutMs);
        return 1;
    }
    sim.stop();
    printShare("while fetching graphs", cpuShareOverMeasure());
    return 0;
}
