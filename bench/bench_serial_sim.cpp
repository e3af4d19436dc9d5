#include "bench_serial_sim.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <future>
#include <memory>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include "core/utilities.h"
#include "devices/ccoordinator.h"
#include "devices/cserialcomthread.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "sim/devicesimulator.h"
#include "sim/simpty.h"

namespace
{
constexpr int kIdleBlocks = 10;
constexpr quint8 kStatusReply = 0x05;
constexpr quint8 kReactionItem = 4;
constexpr int kFrameGapMs = 5;
constexpr int kFrameTimeoutMs = 1000;

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The simulator with its own event loop in a thread of its own; its device path comes back at once.
class SimulatorThread
{
public:
    explicit SimulatorThread(const SimScenario &scenario)
    {
        std::promise<QString> path;
        std::future<QString> started = path.get_future();
        m_thread.reset(QThread::create([this, scenario, &path] {
            DeviceSimulator simulator(scenario);
            path.set_value(simulator.start() ? simulator.devicePath() : QString());
            QEventLoop loop;
            m_loop = &loop;
            m_ready.set_value();
            loop.exec();
        }));
        std::future<void> ready = m_ready.get_future();
        m_thread->start();
        m_path = started.get();
        ready.wait();
    }
    ~SimulatorThread()
    {
        QMetaObject::invokeMethod(m_loop, &QEventLoop::quit, Qt::QueuedConnection);
        m_thread->wait();
    }
    QString devicePath() const { return m_path; }

private:
    std::unique_ptr<QThread> m_thread;
    std::promise<void> m_ready;
    QEventLoop *m_loop = nullptr;
    QString m_path;
};

QByteArray reactionFrame(const QByteArray &mac, quint16 sequence, quint16 reaction)
{
    const QByteArray items = QByteArray::fromHex("010101") + QByteArray::fromHex("0402") +
                             QByteArray(1, char(reaction >> 8)) + QByteArray(1, char(reaction & 0xFF));
    QByteArray frame = QByteArray(1, char(0xAA)) + mac;
    frame.append(char(sequence & 0xFF));
    frame.append(char(sequence >> 8));
    frame.append(char(kStatusReply));
    frame.append(items);
    frame.append(char(crc8(items)));
    frame.append(char(0));
    frame.append(char(items.size()));
    frame.append(char(0x55));
    return frame;
}
} // namespace

void benchIdlePolling(int seconds)
{
    const SimScenario scenario = SimScenario::standard(kIdleBlocks);
    SimulatorThread simulator(scenario);
    if (simulator.devicePath().isEmpty()) {
        std::printf("idle polling: no pseudo-terminal, skipped\n");
        return;
    }
    QObject devices;
    CSerialComThread serial;
    auto *coordinator = new CCoordinator(&devices);
    coordinator->SetMacAddress(simMacText(scenario.coordinatorMac));
    serial.setCoordinator(coordinator);
    for (const SimLaneScenario &lane : scenario.lanes) {
        auto *block = new CStartBlock(&devices);
        block->SetMacAddress(simMacText(lane.mac));
        block->setMeasurement(new CStartBlockMeasurement(block));
        serial.appendStartBlock(block);
    }
    serial.setUserSelectedOperationMode(OperationModeWireless);
    serial.OpenPort(simulator.devicePath(), CSerialComThread::kBaudWired);
    serial.SetOperationMode(OperationModeWireless);
    int requests = 0;
    QObject::connect(&serial, &CSerialComThread::data_request_sent, &devices, [&requests] { ++requests; });

    const double cpuBefore = threadCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    runFor(seconds * 1000);
    const double cpu = threadCpuSeconds() - cpuBefore;
    const double elapsed = double(wall.elapsed()) / 1000.0;
    std::printf("idle polling of %d blocks against the simulator for %.1f s: %d requests\n", kIdleBlocks,
                elapsed, requests);
    std::printf("  program thread CPU %.3f s = %.2f %% of one core\n", cpu, 100.0 * cpu / elapsed);
}

void benchReactionDelay(int frames)
{
    SimPty pty;
    if (!pty.open()) {
        std::printf("reaction delay: no pseudo-terminal, skipped\n");
        return;
    }
    QObject devices;
    CSerialComThread serial;
    auto *block = new CStartBlock(&devices);
    block->SetMacAddress(QStringLiteral("15:8d:00:00:00:01"));
    auto *measurement = new CStartBlockMeasurement(block);
    block->setMeasurement(measurement);
    serial.appendStartBlock(block);
    serial.OpenPort(pty.devicePath(), CSerialComThread::kBaudWireless);
    serial.StopQuestionsTimer();

    QElapsedTimer clock;
    clock.start();
    qint64 writtenAt = 0;
    QList<qint64> delays;
    QEventLoop waiting; // sleeps in the event loop as the program does between frames
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &waiting, &QEventLoop::quit);
    QObject::connect(measurement, &CStartBlockMeasurement::new_status_field, &devices,
                     [&](unsigned char type, unsigned char, unsigned char *) {
                         if (type != kReactionItem)
                             return;
                         delays << clock.nsecsElapsed() - writtenAt;
                         waiting.quit();
                     });
    for (int i = 0; i < frames; ++i) {
        runFor(kFrameGapMs);
        pty.write(reactionFrame(block->macBytes(), quint16(i), quint16(100 + i % 200)));
        writtenAt = clock.nsecsElapsed(); // the whole frame is in the terminal now
        timeout.start(kFrameTimeoutMs);
        if (delays.size() <= i)
            waiting.exec();
        timeout.stop();
    }
    if (delays.isEmpty()) {
        std::printf("reaction delay: no frame arrived\n");
        return;
    }
    std::sort(delays.begin(), delays.end());
    const auto percentile = [&delays](double p) {
        return double(delays.at(std::min<qsizetype>(delays.size() - 1, qsizetype(p * delays.size())))) /
               1000.0;
    };
    std::printf("reaction frame's last byte to new_status_field, %lld of %d frames:\n",
                static_cast<long long>(delays.size()), frames);
    std::printf("  median %.1f us, 99th percentile %.1f us\n", percentile(0.5), percentile(0.99));
}
