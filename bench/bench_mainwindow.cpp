// The time to construct the main window and show it, offscreen, with its serial object opened on the
// device simulator's pseudo-terminal: median and extremes of 10 runs. Goal: under 300 ms.
#include <algorithm>
#include <cstdio>
#include <memory>

#include <QElapsedTimer>
#include <QWindow>

#include "benchapp.h"
#include "core/quellorapp.h"
#include "devices/cserialcomthread.h"
#include "mainwindow/mainwindow.h"
#include "sim/devicesimulator.h"

namespace
{
constexpr int kRuns = 10;
constexpr int kExposeTimeoutMs = 5000;
constexpr double kGoalMs = 300.0;

// Constructs, attaches and shows one window; the milliseconds until it is exposed, or -1.
double constructAndShow(const QString &devicePath)
{
    QElapsedTimer timer;
    timer.start();
    MainWindow *window = MainWindow::instance();
    window->serialComThread()->OpenPort(devicePath + QStringLiteral(" [Quellor simulator]"),
                                        CSerialComThread::kBaudWired);
    window->show();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) &&
           timer.elapsed() < kExposeTimeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const bool exposed = window->windowHandle() && window->windowHandle()->isExposed();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    delete window;
    return exposed ? ms : -1.0;
}
} // namespace

int main(int argc, char **argv)
{
    const BenchApp bench(argc, argv);
    if (!bench.app())
        return 1;

    SimScenario scenario = SimScenario::standard(8);
    scenario.autoStartDelayMs = -1;
    DeviceSimulator sim(scenario);
    if (!sim.start()) {
        std::printf("main window: no pseudo-terminal for the simulator\n");
        return 1;
    }
    QList<double> times;
    for (int run = 0; run < kRuns; ++run) {
        const double ms = constructAndShow(sim.devicePath());
        if (ms < 0) {
            std::printf("main window: not exposed within %d ms\n", kExposeTimeoutMs);
            return 1;
        }
        times << ms;
    }
    std::sort(times.begin(), times.end());
    const double median = (times[kRuns / 2 - 1] + times[kRuns / 2]) / 2.0;
    std::printf(
        "main window construct and show: median %.1f ms (min %.1f, max %.1f) over %d runs; goal < %.0f ms: "
        "%s\n",
        median, times.first(), times.last(), kRuns, kGoalMs, median < kGoalMs ? "met" : "missed");
    return 0;
}
