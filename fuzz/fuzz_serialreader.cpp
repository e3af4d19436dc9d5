// Feeds arbitrary byte streams from the coordinator's port to the serial reader, with a coordinator, two
// polled blocks and an identification target registered; the first byte chooses wired operation, an
// armed race and how the stream is cut into reads.
#include <cstddef>
#include <cstdint>

#include <QBuffer>
#include <QCoreApplication>

#include "core/utilities.h"
#include "devices/ccoordinator.h"
#include "devices/cserialcomthread.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "quietdebug.h"

namespace
{
constexpr uint8_t kWiredBit = 0x01;
constexpr uint8_t kArmedBit = 0x02;
constexpr uint8_t kStartedBit = 0x04;

QCoreApplication &application()
{
    static int argc = 1;
    static char name[] = "fuzz_serialreader";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    silenceDebugOutput();
    return app;
}

QByteArray startIndication(const QByteArray &mac)
{
    const QByteArray items = QByteArray::fromHex("0104686868680a0203") + QByteArray::fromHex("8b8b8b0a");
    QByteArray frame = QByteArray(1, char(0xAA)) + mac + QByteArray::fromHex("00000b") + items;
    frame.append(char(crc8(items)));
    frame.append(char(0));
    frame.append(char(items.size()));
    frame.append(char(0x55));
    return frame;
}

CStartBlock *newBlock(QObject *parent, const char *mac)
{
    auto *block = new CStartBlock(parent);
    block->SetMacAddress(QString::fromLatin1(mac));
    block->setMeasurement(new CStartBlockMeasurement(block));
    return block;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    application();
    if (size < 2)
        return 0;
    const uint8_t flags = data[0];
    const size_t chunk = size_t(data[1]) + 1;
    data += 2;
    size -= 2;

    QObject devices;
    auto *coordinator = new CCoordinator(&devices);
    coordinator->SetMacAddress(QStringLiteral("0c:00:00:00:00:01"));
    CSerialComThread serial(nullptr, [](const QString &, qint32) -> QIODevice * {
        auto *port = new QBuffer;
        port->open(QIODevice::ReadWrite);
        return port;
    });
    serial.setCoordinator(coordinator);
    serial.appendStartBlock(newBlock(&devices, "0b:00:00:00:00:01"));
    serial.appendStartBlock(newBlock(&devices, "0b:00:00:00:00:02"));
    serial.setIdentifyStartBlock(newBlock(&devices, "0b:00:00:00:00:03"));
    serial.OpenPort(QStringLiteral("fuzz"), CSerialComThread::kBaudWireless);
    if (flags & kWiredBit)
        serial.SetOperationMode(OperationModeWired);
    serial.StopQuestionsTimer();
    serial.allReady = (flags & kArmedBit) != 0;
    if (flags & kStartedBit)
        serial.processReceivedBytes(startIndication(coordinator->macBytes()));

    for (size_t pos = 0; pos < size; pos += chunk) {
        const size_t length = std::min(chunk, size - pos);
        serial.processReceivedBytes(
            QByteArray(reinterpret_cast<const char *>(data + pos), qsizetype(length)));
    }
    return 0;
}
