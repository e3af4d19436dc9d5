// From process start to the main window shown with live lanes: the program (quellor-demo, which presses OK
// in the project settings for the operator) started ten times against the device simulator, a coordinator
// and 8 blocks, offscreen; median and extremes. Goal: under 1 s. The program broadcasts: run the bench
// through scripts/in-netns.sh.
#include <algorithm>
#include <cstdio>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include "simprogramenvironment.h"

namespace
{

constexpr int kRuns = 10;
constexpr int kRunTimeoutMs = 60000;
constexpr double kGoalMs = 1000.0;

struct Times {
    double shown = -1.0; // the main window on the screen
    double live = -1.0;  // and every lane showing its device's state
};

double median(QList<double> times)
{
    std::sort(times.begin(), times.end());
    return (times[kRuns / 2 - 1] + times[kRuns / 2]) / 2.0;
}

// One start of the program: milliseconds until it reports its window shown and its lanes live.
Times startOnce(const QProcessEnvironment &environment)
{
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setStandardErrorFile(QProcess::nullDevice());
    QEventLoop loop; // the simulator answers from this loop meanwhile
    QElapsedTimer timer;
    Times times;
    QObject::connect(&program, &QProcess::readyReadStandardOutput, &loop, [&] {
        while (program.canReadLine()) {
            const QByteArray line = program.readLine();
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            if (line.startsWith("window shown"))
                times.shown = ms;
            if (line.startsWith("lanes live")) {
                times.live = ms;
                loop.quit();
            }
        }
    });
    QObject::connect(&program, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kRunTimeoutMs, &loop, &QEventLoop::quit);
    timer.start();
    program.start(QStringLiteral(QUELLOR_DEMO_PROGRAM), {});
    loop.exec();
    if (!program.waitForFinished(kRunTimeoutMs))
        program.kill();
    return times;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (qgetenv("QUELLOR_TEST_NETNS") != "1") {
        std::printf("start-up: the program broadcasts; run this bench through scripts/in-netns.sh\n");
        return 1;
    }
    QTemporaryDir dir;
    SimScenario scenario = SimScenario::standard(8);
    scenario.autoStartDelayMs = -1;
    DeviceSimulator sim(scenario);
    if (!dir.isValid() || !sim.start()) {
        std::printf("start-up: no folder or no pseudo-terminal for the simulator\n");
        return 1;
    }
    const QProcessEnvironment environment = simProgramEnvironment(dir, sim);

    QList<double> shown;
    QList<double> live;
    for (int run = 0; run < kRuns; ++run) {
        const Times times = startOnce(environment);
        if (times.shown < 0 || times.live < 0) {
            std::printf("start-up: the lanes were not live within %d ms\n", kRunTimeoutMs);
            return 1;
        }
        shown << times.shown;
        live << times.live;
    }
    const double liveMedian = median(live);
    std::printf("process start to the main window with live lanes (coordinator and 8 blocks): median %.1f ms "
                "(min %.1f, max %.1f) over %d runs; goal < %.0f ms: %s\n",
                liveMedian, *std::min_element(live.cbegin(), live.cend()),
                *std::max_element(live.cbegin(), live.cend()), kRuns, kGoalMs,
                liveMedian < kGoalMs ? "met" : "missed");
    std::printf(
        "  of which process start to the window shown: median %.1f ms; the rest is the devices' first "
        "polling rounds\n",
        median(shown));
    return 0;
}
