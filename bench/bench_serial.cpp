// Speed figures of the serial link: the frame reader on a long stream of valid and corrupt frames, next to
// what the link itself can carry; with the simulator, the CPU share of idle polling and the delay from a
// reaction frame on the wire to its signal. Arguments: [seconds of idle polling, default 30]; anything
// else prints the usage and exits 2.
#include <cstdio>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QStringList>

#include "core/utilities.h"
#include "devices/ccoordinator.h"
#include "devices/cserialcomthread.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#ifdef QUELLOR_BENCH_WITH_SIM
#include "bench_serial_sim.h"
#endif

namespace
{
constexpr int kBlocks = 10;
constexpr int kFrames = 200000;
constexpr int kCorruptEvery = 10; // one frame in ten has a bad CRC
constexpr int kReadSize = 64;     // bytes per readyRead, as a USB serial adapter delivers them
constexpr double kLinkBytesPerSecond = 38400.0 / 10.0;
constexpr int kIdleSeconds = 30;
constexpr int kDelayFrames = 1000;
constexpr int kUsageExit = 2;

void printUsage()
{
    std::fprintf(stderr,
                 "Usage: bench_serial [seconds]\n"
                 "Prints the frame reader's throughput and, against the simulator, the CPU share of idle\n"
                 "polling of %d blocks for the given seconds (default %d) and the delay from a reaction\n"
                 "frame to its signal.\n",
                 kBlocks, kIdleSeconds);
}

// Seconds of idle polling from the arguments; 0 when they are anything but one positive whole number.
int idleSecondsFrom(const QStringList &arguments)
{
    if (arguments.size() == 1)
        return kIdleSeconds;
    bool ok = false;
    const int seconds = arguments.size() == 2 ? arguments.at(1).toInt(&ok) : 0;
    return ok && seconds > 0 ? seconds : 0;
}

QByteArray blockMac(int lane)
{
    return QByteArray::fromHex("0b0000000000").replace(5, 1, QByteArray(1, char(lane)));
}

QByteArray frame(const QByteArray &mac, quint16 sequence, quint8 command, const QByteArray &items,
                 bool corrupt)
{
    QByteArray bytes = QByteArray(1, char(0xAA)) + mac;
    bytes.append(char(sequence & 0xFF));
    bytes.append(char(sequence >> 8));
    bytes.append(char(command));
    bytes.append(items);
    bytes.append(char(crc8(items) ^ (corrupt ? 0x01 : 0x00)));
    bytes.append(char(items.size() >> 8));
    bytes.append(char(items.size() & 0xFF));
    bytes.append(char(0x55));
    return bytes;
}

// Status replies with state, battery, reaction time and synchronisation value, and now and then a graph.
QByteArray stream(int *frameCount)
{
    QRandomGenerator random(42);
    const QByteArray status = QByteArray::fromHex("010101020199040200960a0400000004");
    QByteArray graph = QByteArray::fromHex("010101030200ff10ff");
    graph.append(QByteArray(255, char(0x55))); // sample bytes that look like frame ends
    QByteArray bytes;
    for (int i = 0; i < kFrames; ++i) {
        const bool isGraph = i % 50 == 0;
        bytes += frame(blockMac(1 + int(random.bounded(kBlocks))), quint16(i), isGraph ? 0x08 : 0x05,
                       isGraph ? graph : status, i % kCorruptEvery == 0);
    }
    *frameCount = kFrames;
    return bytes;
}
} // namespace

void benchReader()
{
    QObject devices;
    CSerialComThread serial;
    for (int lane = 1; lane <= kBlocks; ++lane) {
        auto *block = new CStartBlock(&devices);
        block->SetMacAddress(QString::fromLatin1(blockMac(lane).toHex(':')));
        block->setMeasurement(new CStartBlockMeasurement(block));
        serial.appendStartBlock(block);
    }

    int frames = 0;
    const QByteArray bytes = stream(&frames);
    QElapsedTimer timer;
    timer.start();
    for (qsizetype pos = 0; pos < bytes.size(); pos += kReadSize)
        serial.processReceivedBytes(bytes.mid(pos, kReadSize));
    const double seconds = double(timer.nsecsElapsed()) / 1e9;

    const double bytesPerSecond = double(bytes.size()) / seconds;
    std::printf("frame reader: %d frames (%d%% corrupt), %lld bytes in %.3f s\n", frames, 100 / kCorruptEvery,
                static_cast<long long>(bytes.size()), seconds);
    std::printf("  %.0f bytes/s, %.2f us per frame\n", bytesPerSecond, seconds * 1e6 / frames);
    std::printf("  link at 38400 baud: %.0f bytes/s, so the reader is %.0f times faster than the line\n",
                kLinkBytesPerSecond, bytesPerSecond / kLinkBytesPerSecond);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int seconds = idleSecondsFrom(QCoreApplication::arguments());
    if (seconds == 0) {
        printUsage();
        return kUsageExit;
    }
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    benchReader();
#ifdef QUELLOR_BENCH_WITH_SIM
    benchIdlePolling(seconds);
    benchReactionDelay(kDelayFrames);
#endif
    return 0;
}
