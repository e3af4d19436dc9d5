// A meet day in short: the program (bench_soak_program, the program with OK pressed for the operator)
// against the device simulator with ten wireless lanes, left alone for a while, then run through races.
// Every 5 s it samples the program's resident memory and CPU time from /proc and asks the program for its
// paint counts. It prints the memory slope from the second minute on (KiB per hour, with and without the
// devices' request logs, the one list that may grow until the next saved race), the CPU share of one core
// idle and during the races, the paints per second of the live page while idle, and what the races left
// over. The program broadcasts: run the bench through scripts/in-netns.sh.
#include <algorithm>
#include <cstdio>
#include <optional>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <unistd.h>

#include "simprogramenvironment.h"

namespace
{

constexpr int kLanes = 10;
constexpr int kDefaultIdleMinutes = 10;
constexpr int kDefaultRaces = 20;
constexpr int kSampleMs = 5000;
constexpr int kLiveTimeoutMs = 90000;
constexpr int kRaceTimeoutMs = 120000;
constexpr int kAnswerTimeoutMs = 10000;
constexpr int kSettleMs = 30000;
constexpr qint64 kSlopeFromMs = 60000;
constexpr int kLeftoverSamples = 3;
// goals
constexpr double kSlopeGoalKiBh = 1024.0;
constexpr double kLeftoverGoalKiB = 2048.0;
constexpr double kIdleCpuGoal = 2.0;

struct Sample {
    qint64 ms = 0;
    double rssKiB = 0;
    qint64 cpuTicks = 0;
    QList<qint64> stats; // whole page, page, live, combos, requests, log entries, log bytes, races
};

enum Stat { kPage, kPageArea, kLive, kCombos, kRequests, kLogEntries, kLogBytes, kRaces, kStatCount };

void printUsage()
{
    std::printf("Usage: bench_soak [idle minutes (2 or more, default %d) [races (default %d)]]\n",
                kDefaultIdleMinutes, kDefaultRaces);
}

std::optional<int> positive(const char *text, int minimum)
{
    bool ok = false;
    const int value = QByteArray(text).toInt(&ok);
    return ok && value >= minimum ? std::optional<int>(value) : std::nullopt;
}

double rssKiB(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/status").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble();
    }
    return -1;
}

// user and system time, in clock ticks
qint64 cpuTicks(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = file.readAll();
    // the fields after the command name, which may hold blanks, start at the state (field 3)
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    constexpr int kUtime = 14 - 3;
    constexpr int kStime = 15 - 3;
    return fields.size() > kStime ? fields.at(kUtime).toLongLong() + fields.at(kStime).toLongLong() : -1;
}

// Least-squares slope of the resident memory over the samples, KiB per hour.
double slopeKiBPerHour(const QList<Sample> &samples, qint64 fromMs, qint64 toMs,
                       double (*value)(const Sample &))
{
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const Sample &s : samples) {
        if (s.ms < fromMs || s.ms > toMs)
            continue;
        const double x = double(s.ms) / 3.6e6;
        const double y = value(s);
        n += 1;
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
    }
    const double d = n * sxx - sx * sx;
    return n < 2 || d == 0 ? 0.0 : (n * sxy - sx * sy) / d;
}

double medianRss(QList<Sample> samples)
{
    std::sort(samples.begin(), samples.end(),
              [](const Sample &a, const Sample &b) { return a.rssKiB < b.rssKiB; });
    return samples.isEmpty() ? 0.0 : samples.at(samples.size() / 2).rssKiB;
}

// The program's process, its answer lines and the samples taken of it.
class Soak : public QObject
{
public:
    QProcess program;
    QElapsedTimer clock;
    QList<Sample> samples;
    QList<QByteArray> lines;
    qint64 clkTck = sysconf(_SC_CLK_TCK);

    Soak()
    {
        connect(&program, &QProcess::readyReadStandardOutput, this, [this] {
            while (program.canReadLine())
                lines.append(program.readLine().trimmed());
        });
    }

    // Waits for a line that starts with prefix, dropping those before it.
    std::optional<QByteArray> waitFor(const QByteArray &prefix, int timeoutMs)
    {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            while (!lines.isEmpty()) {
                const QByteArray line = lines.takeFirst();
                if (line.startsWith(prefix))
                    return line;
            }
            if (program.state() != QProcess::Running || waited.elapsed() > timeoutMs)
                return std::nullopt;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
    }

    std::optional<QByteArray> ask(const QByteArray &command, const QByteArray &answer)
    {
        program.write(command + '\n');
        return waitFor(answer, kAnswerTimeoutMs);
    }

    bool sample()
    {
        const std::optional<QByteArray> stats = ask("stats", "stats ");
        if (!stats)
            return false;
        Sample s;
        s.ms = clock.elapsed();
        s.rssKiB = rssKiB(program.processId());
        s.cpuTicks = cpuTicks(program.processId());
        for (const QByteArray &field : stats->split(' ').mid(1))
            s.stats << field.toLongLong();
        if (s.stats.size() != kStatCount || s.rssKiB < 0 || s.cpuTicks < 0)
            return false;
        samples << s;
        return true;
    }

    // Samples every 5 s for ms, the simulator answering meanwhile.
    bool sampleFor(qint64 ms, DeviceSimulator &sim)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < ms) {
            QEventLoop loop;
            QTimer::singleShot(int(std::min<qint64>(kSampleMs, ms - waited.elapsed())), &loop,
                               &QEventLoop::quit);
            loop.exec();
            sim.clearLogs(); // the simulator's own record of the exchange is of no use here
            if (!sample())
                return false;
        }
        return true;
    }

    double cpuShare(const Sample &from, const Sample &to) const
    {
        const double seconds = double(to.ms - from.ms) / 1000.0;
        return seconds <= 0 ? 0.0 : 100.0 * double(to.cpuTicks - from.cpuTicks) / double(clkTck) / seconds;
    }
};

const Sample &firstFrom(const QList<Sample> &samples, qint64 ms)
{
    for (const Sample &s : samples) {
        if (s.ms >= ms)
            return s;
    }
    return samples.last();
}

double perSecond(const Sample &from, const Sample &to, Stat stat)
{
    const double seconds = double(to.ms - from.ms) / 1000.0;
    return seconds <= 0 ? 0.0 : double(to.stats.at(stat) - from.stats.at(stat)) / seconds;
}

const char *verdict(bool met)
{
    return met ? "met" : "missed";
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::optional<int> idleMinutes = kDefaultIdleMinutes;
    std::optional<int> races = kDefaultRaces;
    if (argc > 1)
        idleMinutes = positive(argv[1], 2);
    if (argc > 2)
        races = positive(argv[2], 0);
    if (argc > 3 || !idleMinutes || !races) {
        printUsage();
        return 2;
    }
    if (qgetenv("QUELLOR_TEST_NETNS") != "1") {
        std::printf("soak: the program broadcasts; run this bench through scripts/in-netns.sh\n");
        return 1;
    }
    QTemporaryDir dir;
    const SimScenario scenario = SimScenario::standard(kLanes);
    DeviceSimulator sim(scenario);
    if (!dir.isValid() || !sim.start()) {
        std::printf("soak: no folder or no pseudo-terminal for the simulator\n");
        return 1;
    }
    const QProcessEnvironment environment = simProgramEnvironment(dir, sim);

    Soak soak;
    soak.program.setProcessEnvironment(environment);
    soak.program.setStandardErrorFile(QProcess::nullDevice());
    soak.program.start(QStringLiteral(QUELLOR_SOAK_PROGRAM), {});
    if (!soak.program.waitForStarted() || !soak.waitFor("lanes live", kLiveTimeoutMs)) {
        std::printf("soak: the lanes were not live within %d ms\n", kLiveTimeoutMs);
        return 1;
    }
    soak.clock.start();
    std::printf("%d lanes, wireless: idle for %d minutes, then %d races\n", kLanes, *idleMinutes, *races);
    std::fflush(stdout);

    const qint64 idleMs = qint64(*idleMinutes) * 60000;
    if (!soak.sample() || !soak.sampleFor(idleMs, sim)) {
        std::printf("soak: the program stopped answering while idle\n");
        return 1;
    }
    const std::optional<QByteArray> painted = soak.ask("paints", "paints");
    const QList<Sample> idle = soak.samples;
    const Sample &idleFrom = firstFrom(idle, kSlopeFromMs);
    const Sample &idleTo = idle.last();

    soak.program.write("races " + QByteArray::number(*races) + '\n');
    const Sample racesFrom = idleTo;
    bool raced = true;
    for (int race = 1; race <= *races && raced; ++race)
        raced = soak.waitFor("race " + QByteArray::number(race) + " saved", kRaceTimeoutMs).has_value();
    raced = raced && soak.waitFor("races done", kRaceTimeoutMs) && soak.sample();
    if (!raced) {
        std::printf("soak: the races did not finish\n");
        return 1;
    }
    const Sample racesTo = soak.samples.last();
    const qsizetype settledFrom = soak.samples.size();
    if (!soak.sampleFor(kSettleMs, sim)) {
        std::printf("soak: the program stopped answering after the races\n");
        return 1;
    }
    soak.program.closeWriteChannel();
    soak.program.waitForFinished(kAnswerTimeoutMs);
    if (soak.program.state() != QProcess::NotRunning)
        soak.program.kill();

    const double hours = double(idleTo.ms - idleFrom.ms) / 3.6e6;
    const double slope =
        slopeKiBPerHour(idle, kSlopeFromMs, idleTo.ms, [](const Sample &s) { return s.rssKiB; });
    const double logSlope = slopeKiBPerHour(idle, kSlopeFromMs, idleTo.ms, [](const Sample &s) {
        return double(s.stats.at(kLogBytes)) / 1024.0;
    });
    const double logEntriesPerHour =
        hours <= 0 ? 0.0 : double(idleTo.stats.at(kLogEntries) - idleFrom.stats.at(kLogEntries)) / hours;
    const double idleCpu = soak.cpuShare(idleFrom, idleTo);
    const double raceCpu = soak.cpuShare(racesFrom, racesTo);
    const QList<Sample> settled = soak.samples.mid(settledFrom);
    const double leftover =
        medianRss(settled.mid(std::max<qsizetype>(0, settled.size() - kLeftoverSamples))) -
        medianRss(idle.mid(std::max<qsizetype>(0, idle.size() - kLeftoverSamples)));

    std::printf("resident memory: %.0f KiB at minute 1, %.0f KiB after %d minutes idle\n", idleFrom.rssKiB,
                idleTo.rssKiB, *idleMinutes);
    std::printf("  slope from the second minute: %.0f KiB/h; request logs %.0f KiB/h (%.0f entries/h, %d "
                "requests/s); the rest %.0f KiB/h; goal < %.0f KiB/h: %s\n",
                slope, logSlope, logEntriesPerHour, int(perSecond(idleFrom, idleTo, kRequests) + 0.5),
                slope - logSlope, kSlopeGoalKiBh, verdict(slope - logSlope < kSlopeGoalKiBh));
    std::printf(
        "CPU share of one core: idle %.2f %% (goal < %.0f %%: %s), during %d races %.2f %% (%.0f s)\n",
        idleCpu, kIdleCpuGoal, verdict(idleCpu < kIdleCpuGoal), *races, raceCpu,
        double(racesTo.ms - racesFrom.ms) / 1000.0);
    std::printf(
        "live page paints per second while idle: all of the page %.2f, part of the page %.2f, all its "
        "widgets %.2f, combo boxes %.2f; goal no whole-page repaint: %s\n",
        perSecond(idleFrom, idleTo, kPage), perSecond(idleFrom, idleTo, kPageArea),
        perSecond(idleFrom, idleTo, kLive), perSecond(idleFrom, idleTo, kCombos),
        verdict(idleTo.stats.at(kPage) == idleFrom.stats.at(kPage)));
    if (painted)
        std::printf("  most painted while idle (count, class#object): %s\n", painted->mid(7).constData());
    std::printf("left over after %d races (30 s later, against the end of the idle time): %.0f KiB; goal <= "
                "%.0f KiB: %s\n",
                *races, leftover, kLeftoverGoalKiB, verdict(leftover <= kLeftoverGoalKiB));
    return 0;
}
