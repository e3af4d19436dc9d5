// Speed figures of the race outputs: the delay from the coordinator's start record on the serial line to
// the new-start datagram at a LAN listener, and the answers per second of the TCP start-time service for
// one and for 50 clients on loopback. It broadcasts, so it runs only in the private network namespace:
// bash scripts/in-netns.sh build/plain/bench/bench_outputs [seconds per client count, default 5]
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

#include "devices/ccoordinator.h"
#include "devices/cserialcomthread.h"
#include "devices/serialframes.h"
#include "outputs/lanframe.h"
#include "outputs/startgatewayservice.h"
#include "sim/simpty.h"

namespace
{
constexpr int kStarts = 200;
constexpr int kStartGapMs = 5;
constexpr int kStartTimeoutMs = 1000;
constexpr int kDefaultSeconds = 5;
constexpr int kManyClients = 50;
constexpr quint8 kNewStart = 0x12;
constexpr quint8 kStatusReply = 0x05;
constexpr quint32 kFirstStartSeconds = 1700000000;
constexpr int kStartReplySize = 48;
const QByteArray kCoordinatorMac = QByteArray::fromHex("0c0000000001");

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QByteArray bigEndian32(quint32 value)
{
    return SerialFrames::bigEndianBytes(value, 4);
}

// The coordinator's new-start reply for one start, as it stands on the serial line.
QByteArray startRecordFrame(quint16 sequence, quint8 startId, quint32 seconds)
{
    const QByteArray items = SerialFrames::item(1, bigEndian32(quint32(startId) << 24)) +
                             SerialFrames::item(2, bigEndian32(seconds)) +
                             SerialFrames::item(3, bigEndian32(quint32(sequence) * 1000));
    return SerialFrames::frame(kCoordinatorMac, sequence, kNewStart, items);
}

// The coordinator's status with a valid GPS fix and the GPS time running.
QByteArray gpsStatusFrame(quint32 seconds)
{
    const QByteArray items = SerialFrames::item(13, bigEndian32(seconds)) + SerialFrames::item(21, "A");
    return SerialFrames::frame(kCoordinatorMac, 0, kStatusReply, items);
}

void printPercentiles(const char *what, QList<qint64> nanoseconds, int of)
{
    std::sort(nanoseconds.begin(), nanoseconds.end());
    const auto at = [&nanoseconds](double share) {
        const qsizetype index =
            std::min<qsizetype>(nanoseconds.size() - 1, qsizetype(share * nanoseconds.size()));
        return double(nanoseconds.at(index)) / 1000.0;
    };
    std::printf("%s, %lld of %d:\n  median %.1f us, 99th percentile %.1f us\n", what,
                static_cast<long long>(nanoseconds.size()), of, at(0.5), at(0.99));
}
} // namespace

void benchStartDelay()
{
    SimPty line;
    if (!line.open()) {
        std::printf("start delay: no pseudo-terminal, skipped\n");
        return;
    }
    CSerialComThread serial;
    CCoordinator coordinator;
    coordinator.SetMacAddress(QString::fromLatin1(kCoordinatorMac.toHex(':')));
    serial.setCoordinator(&coordinator);
    StartGatewayService gateway;
    QObject::connect(&coordinator, &CCoordinator::new_start_time, &gateway,
                     &StartGatewayService::OnNewGpsStart);
    QObject::connect(&coordinator, &CCoordinator::new_status_field, &gateway,
                     &StartGatewayService::OnCoordinatorNewStatusField);
    serial.OpenPort(line.devicePath(), CSerialComThread::kBaudWireless);
    serial.StopQuestionsTimer();
    QUdpSocket listener;
    if (!listener.bind(QHostAddress::AnyIPv4, StartGatewayService::kBroadcastPort,
                       QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
        std::printf("start delay: cannot listen on UDP port %d, skipped\n",
                    StartGatewayService::kBroadcastPort);
        return;
    }

    line.write(gpsStatusFrame(kFirstStartSeconds));
    QElapsedTimer clock;
    clock.start();
    qint64 writtenAt = 0;
    QList<qint64> delays;
    QEventLoop waiting;
    QObject::connect(&listener, &QUdpSocket::readyRead, &waiting, [&] {
        while (listener.hasPendingDatagrams()) {
            QByteArray datagram(int(listener.pendingDatagramSize()), Qt::Uninitialized);
            listener.readDatagram(datagram.data(), datagram.size());
            const std::optional<LanFrame> frame = LanFrame::parse(datagram);
            if (frame && frame->type() == LanFrame::NewStart && writtenAt > 0) {
                delays << clock.nsecsElapsed() - writtenAt; // the first copy; others are drained
                writtenAt = 0;
                waiting.quit();
            }
        }
    });
    for (int i = 0; i < kStarts; ++i) {
        runFor(kStartGapMs);
        line.write(startRecordFrame(quint16(i + 1), quint8(i + 1), kFirstStartSeconds + quint32(i)));
        writtenAt = clock.nsecsElapsed(); // the whole record is in the terminal now
        QTimer::singleShot(kStartTimeoutMs, &waiting, &QEventLoop::quit);
        if (delays.size() <= i)
            waiting.exec();
    }
    if (delays.isEmpty()) {
        std::printf("start delay: no new-start datagram arrived\n");
        return;
    }
    printPercentiles("start record's last byte on the serial line to the new-start datagram at a listener",
                     delays, kStarts);
}

// Clients in a thread of their own, each asking for a start again as soon as the answer is in.
void benchAnswers(int clients, int seconds)
{
    StartGatewayService gateway;
    if (!gateway.startServer().isListening()) {
        std::printf("TCP answers: cannot listen on port %d, skipped\n", GpsStartServer::kPort);
        return;
    }
    HX_GPS_TIME start;
    start.bytes[0] = 1;
    gateway.OnNewGpsStart(start);
    const QByteArray request = LanFrame::build(1, LanFrame::StartRequest,
                                               QByteArray::fromHex("01020001"
                                                                   "00"));
    std::atomic<long long> answers{0};
    std::atomic<bool> stop{false};

    std::unique_ptr<QThread> thread(QThread::create([&] {
        std::vector<std::unique_ptr<QTcpSocket>> sockets;
        QList<QByteArray> buffers(clients);
        for (int i = 0; i < clients; ++i) {
            auto socket = std::make_unique<QTcpSocket>();
            QTcpSocket *raw = socket.get();
            QObject::connect(raw, &QTcpSocket::connected, raw, [raw, &request] { raw->write(request); });
            QObject::connect(raw, &QTcpSocket::readyRead, raw, [raw, i, &buffers, &request, &answers, &stop] {
                buffers[i] += raw->readAll();
                while (buffers[i].size() >= kStartReplySize) {
                    buffers[i].remove(0, kStartReplySize);
                    ++answers;
                    if (!stop)
                        raw->write(request);
                }
            });
            raw->connectToHost(QHostAddress::LocalHost, GpsStartServer::kPort);
            sockets.push_back(std::move(socket));
        }
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (stop)
                loop.quit();
        });
        poll.start(10);
        loop.exec();
    }));
    thread->start();
    runFor(500); // connect and warm up
    const long long before = answers;
    QElapsedTimer timer;
    timer.start();
    runFor(seconds * 1000);
    const long long counted = answers - before;
    const double elapsed = double(timer.nsecsElapsed()) / 1e9;
    stop = true;
    thread->wait();
    std::printf("TCP start-time service, %d client%s on loopback: %.0f answers/s (%lld in %.1f s)\n", clients,
                clients == 1 ? "" : "s", double(counted) / elapsed, counted, elapsed);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    if (qgetenv("QUELLOR_TEST_NETNS") != "1") {
        std::printf("bench_outputs broadcasts: run it through scripts/in-netns.sh\n");
        return 0;
    }
    const int seconds = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : kDefaultSeconds;
    benchStartDelay();
    benchAnswers(1, seconds);
    benchAnswers(kManyClients, seconds);
    return 0;
}
