#pragma once

#include <memory>

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include "core/utilities.h"
#include "devices/ccoordinator.h"
#include "devices/cserialcomthread.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "manualclock.h"
#include "memoryport.h"

// Frames written by hand from the link's layout: AA, MAC, sequence little-endian, command, items,
// CRC-8 of the items, item length big-endian, 55.
namespace SerialTest
{

inline QByteArray mac(quint8 first, quint8 last)
{
    QByteArray bytes(6, '\0');
    bytes[0] = char(first);
    bytes[5] = char(last);
    return bytes;
}

inline QByteArray broadcastMac()
{
    return QByteArray(6, char(0xFF));
}

inline QByteArray frame(const QByteArray &mac, quint16 sequence, quint8 command, const QByteArray &items = {})
{
    QByteArray bytes;
    bytes.append(char(0xAA));
    bytes.append(mac);
    bytes.append(char(sequence & 0xFF));
    bytes.append(char(sequence >> 8));
    bytes.append(char(command));
    bytes.append(items);
    bytes.append(char(crc8(items)));
    bytes.append(char(items.size() >> 8));
    bytes.append(char(items.size() & 0xFF));
    bytes.append(char(0x55));
    return bytes;
}

inline QByteArray item(quint8 id, const QByteArray &value)
{
    return QByteArray(1, char(id)) + QByteArray(1, char(value.size())) + value;
}

inline QByteArray item8(quint8 id, quint8 value)
{
    return item(id, QByteArray(1, char(value)));
}

inline QByteArray item16(quint8 id, quint16 value)
{
    return item(id, QByteArray(1, char(value >> 8)) + QByteArray(1, char(value & 0xFF)));
}

inline QByteArray withBadCrc(QByteArray frameBytes)
{
    const qsizetype crcAt = frameBytes.size() - 4;
    frameBytes[crcAt] = char(frameBytes.at(crcAt) ^ 0x5A);
    return frameBytes;
}

// One frame as the program wrote it.
struct Sent {
    QByteArray mac;
    quint16 sequence = 0;
    quint8 command = 0;
    QByteArray items;
    bool valid = false;
};

inline Sent decode(const QByteArray &bytes)
{
    Sent sent;
    if (bytes.size() < 14 || quint8(bytes.at(0)) != 0xAA || quint8(bytes.back()) != 0x55)
        return sent;
    const int n = quint8(bytes.at(bytes.size() - 3)) * 256 + quint8(bytes.at(bytes.size() - 2));
    if (n != bytes.size() - 14 || crc8(bytes.mid(10, n)) != quint8(bytes.at(bytes.size() - 4)))
        return sent;
    sent.mac = bytes.mid(1, 6);
    sent.sequence = quint16(quint8(bytes.at(7)) | (quint8(bytes.at(8)) << 8));
    sent.command = quint8(bytes.at(9));
    sent.items = bytes.mid(10, n);
    sent.valid = true;
    return sent;
}

// The status fields a block or the coordinator reports: state and, for a block, its reaction time.
inline QByteArray statusItems(quint8 state, quint16 reaction = 0x6FFF)
{
    return item8(1, state) + item16(4, reaction);
}

// A small reaction or sound graph: width 1, four samples.
inline QByteArray graphItems()
{
    return item8(1, 1) + item16(3, 4) + item(16, QByteArray::fromHex("10203040"));
}

} // namespace SerialTest

// The serial object with its dialogs replaced by records a test can read.
class TestSerial : public CSerialComThread
{
public:
    using CSerialComThread::CSerialComThread;

    int warnings = 0;
    QStringList progressLabels;
    QList<int> progressValues;
    bool cancelNow = false;

protected:
    void showUploadImpossibleWarning() override { ++warnings; }
    void openUploadProgress(const QString &macText, int) override
    {
        progressLabels << QStringLiteral("Loading samples to %1").arg(macText);
    }
    void setUploadProgress(int value) override { progressValues << value; }
    bool isUploadCanceled() const override { return cancelNow; }
    void closeUploadProgress() override {}
};

// A coordinator and n polled blocks (lanes 1..n) on an in-memory port with a hand-set clock.
class SerialFixture
{
public:
    explicit SerialFixture(int blockCount = 2, std::shared_ptr<SerialClock> clock = {})
        : manualClock(std::make_shared<ManualClock>())
    {
        serial = std::make_unique<TestSerial>(
            nullptr,
            [this](const QString &name, qint32 baud) -> QIODevice * {
                openedNames << name;
                openedBauds << baud;
                if (refuseOpen)
                    return nullptr;
                port = new MemoryPort;
                port->onWrite = [this](const QByteArray &bytes) {
                    written << bytes;
                    if (responder)
                        responder(bytes);
                };
                return port;
            },
            clock ? clock : std::static_pointer_cast<SerialClock>(manualClock));
        coordinator = new CCoordinator(&devices);
        coordinator->SetMacAddress(QStringLiteral("0c:00:00:00:00:01"));
        serial->setCoordinator(coordinator);
        for (int i = 0; i < blockCount; ++i)
            serial->appendStartBlock(addBlock(quint8(i + 1)));
    }

    CStartBlock *addBlock(quint8 lane)
    {
        auto *block = new CStartBlock(&devices);
        block->SetMacAddress(QStringLiteral("0b:00:00:00:00:%1").arg(lane, 2, 16, QLatin1Char('0')));
        block->setLane(lane);
        block->setMeasurement(new CStartBlockMeasurement(block));
        blocks << block;
        return block;
    }

    // Opens the port at 38400 baud and stops the polling timer, so ticks are the test's to give.
    void open(qint32 baud = CSerialComThread::kBaudWireless)
    {
        serial->OpenPort(QStringLiteral("ttyTEST"), baud);
        serial->StopQuestionsTimer();
        port->writes.clear();
    }

    QList<SerialTest::Sent> sent() const
    {
        QList<SerialTest::Sent> frames;
        for (const QByteArray &bytes : port->writes)
            frames << SerialTest::decode(bytes);
        return frames;
    }

    QList<SerialTest::Sent> sentTo(const QByteArray &mac) const
    {
        QList<SerialTest::Sent> frames;
        for (const SerialTest::Sent &frame : sent()) {
            if (frame.mac == mac)
                frames << frame;
        }
        return frames;
    }

    // Short text of a written frame, such as "B1:04" or "all:06=010102".
    QString describe(const SerialTest::Sent &sent) const
    {
        QString target = QStringLiteral("?");
        if (sent.mac == SerialTest::broadcastMac())
            target = QStringLiteral("all");
        else if (sent.mac == coordinator->macBytes())
            target = QStringLiteral("C");
        for (int i = 0; i < blocks.size(); ++i) {
            if (sent.mac == blocks[i]->macBytes())
                target = QStringLiteral("B%1").arg(i + 1);
        }
        QString text = QStringLiteral("%1:%2").arg(target).arg(sent.command, 2, 16, QLatin1Char('0'));
        if (!sent.items.isEmpty())
            text += QLatin1Char('=') + QString::fromLatin1(sent.items.toHex());
        return text;
    }

    // The run that the last Ready began has started.
    bool runStarted() const
    {
        const RaceRunPointer run = serial->raceRun();
        return run && run->hasStarted();
    }

    QStringList described() const
    {
        QStringList frames;
        for (const SerialTest::Sent &frame : sent())
            frames << describe(frame);
        return frames;
    }

    // Runs polling ticks and returns what they wrote. The coordinator answers its questions (with no
    // items, 1 ms later) unless told not to, so its link stays good and no speed change interferes.
    QStringList tick(int ticks = 1)
    {
        port->writes.clear();
        const qsizetype first = written.size();
        for (int i = 0; i < ticks; ++i) {
            const qsizetype before = written.size();
            serial->OnQuestionsTimer();
            for (qsizetype w = before; w < written.size(); ++w) {
                const SerialTest::Sent frame = SerialTest::decode(written[w]);
                const bool question = frame.command == 0x01 || frame.command == 0x04 || frame.command == 0x0D;
                if (coordinatorAnswers && frame.mac == coordinator->macBytes() && question) {
                    manualClock->advance(1); // a reply time of 0 would read as no reply
                    replyCoordinator(quint8(frame.command + 1), {}, frame.sequence);
                }
            }
        }
        QStringList frames;
        for (qsizetype w = first; w < written.size(); ++w)
            frames << describe(SerialTest::decode(written[w]));
        return frames;
    }

    // Replies as the devices would send them, read at once.
    void reply(CStartBlock *block, quint8 command, const QByteArray &items, quint16 sequence = 0)
    {
        port->feed(SerialTest::frame(block->macBytes(), sequence, command, items));
    }
    void replyCoordinator(quint8 command, const QByteArray &items, quint16 sequence = 0)
    {
        port->feed(SerialTest::frame(coordinator->macBytes(), sequence, command, items));
    }
    void reportStates(quint8 blockState, quint8 coordinatorState, quint16 reaction = 0x6FFF)
    {
        for (CStartBlock *block : blocks)
            reply(block, 0x05, SerialTest::statusItems(blockState, reaction));
        replyCoordinator(0x05, SerialTest::item8(1, coordinatorState));
    }
    // Coordinator status 17 (seconds limit) and 18 (ms counter): the window for repeating Ready.
    void setReadyWindow(bool open)
    {
        const QByteArray counter = QByteArray::fromHex("00000000000186a0"); // 100000 ms
        const QByteArray limit = open ? QByteArray::fromHex("000000c8") : QByteArray::fromHex("00000064");
        replyCoordinator(0x05, SerialTest::item(17, limit) + SerialTest::item(18, counter));
    }

    std::shared_ptr<ManualClock> manualClock;
    QObject devices;
    CCoordinator *coordinator = nullptr;
    QList<CStartBlock *> blocks;
    std::unique_ptr<TestSerial> serial;
    QPointer<MemoryPort> port;
    QList<QByteArray> written;                                // every write on every port opened, in order
    std::function<void(const QByteArray &written)> responder; // answers through port->feedLater
    QStringList openedNames;
    QList<qint32> openedBauds;
    bool refuseOpen = false;
    bool coordinatorAnswers = true;
};
