#pragma once

#include <ctime>
#include <memory>

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QNetworkInterface>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>

#include "core/utilities.h"
#include "devices/ccoordinator.h"
#include "outputs/startgatewayservice.h"
#include "testnetwork.h"

// LAN frames written by hand from the layout: AA, counter little-endian, type, items, CRC-8 of the items,
// item length little-endian, 55; an item is tag, value length little-endian, value.
namespace LanTest
{

constexpr int kWaitMs = 10000;
constexpr quint16 kBroadcastPort = 1109;
constexpr quint16 kServicePort = 1110;
// Local time of the test: Central European, from a rule that needs no time zone files.
constexpr char kTimeZone[] = "CET-1CEST,M3.5.0,M10.5.0/3";
constexpr char kOneHourEast[] = "00007042"; // 60.0 minutes as a little-endian float

// Local times of the test follow that rule; set before the first local time is read.
inline void useTestTimeZone()
{
    qputenv("TZ", kTimeZone);
    tzset();
}

inline QByteArray le(quint64 value, int width)
{
    QByteArray bytes;
    for (int i = 0; i < width; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
    return bytes;
}

inline QByteArray frame(quint16 counter, quint8 type, const QByteArray &payload = {})
{
    return QByteArray(1, char(0xAA)) + le(counter, 2) + QByteArray(1, char(type)) + payload +
           QByteArray(1, char(crc8(payload))) + le(quint64(payload.size()), 2) + QByteArray(1, char(0x55));
}

inline QByteArray item(quint8 tag, const QByteArray &value)
{
    return QByteArray(1, char(tag)) + le(quint64(value.size()), 2) + value;
}

// A coordinator start time record: start id in the first byte, then seconds and microseconds, big-endian.
inline HX_GPS_TIME record(quint8 startId, quint32 seconds, quint32 microseconds)
{
    QByteArray bytes(4, '\0');
    bytes[0] = char(startId);
    for (const quint32 word : {seconds, microseconds}) {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.append(char((word >> shift) & 0xFF));
    }
    return HX_GPS_TIME::fromBytes(reinterpret_cast<const unsigned char *>(bytes.constData()));
}

// Feeds one coordinator status item as the coordinator object signals it.
inline void status(StartGatewayService &gateway, quint8 type, QByteArray value)
{
    gateway.OnCoordinatorNewStatusField(type, quint8(value.size()),
                                        reinterpret_cast<unsigned char *>(value.data()));
}

} // namespace LanTest

// Every frame that reaches UDP port 1109, in order. The gateway sends each frame once per broadcast
// address, and here each copy reaches the listener: copies are counted, not returned twice.
class BroadcastListener
{
public:
    bool bind()
    {
        return socket.bind(QHostAddress::AnyIPv4, LanTest::kBroadcastPort,
                           QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint);
    }
    // The next frame not yet returned; empty when none comes in time.
    QByteArray next(int timeoutMs = LanTest::kWaitMs)
    {
        if (!QTest::qWaitFor([this] { return take() > m_read; }, timeoutMs))
            return {};
        return m_frames.value(m_read++);
    }
    // How often the frame came.
    int copies(const QByteArray &frame) const { return m_copies.value(frame); }

    QUdpSocket socket;

private:
    qsizetype take()
    {
        while (socket.hasPendingDatagrams()) {
            QByteArray datagram(int(socket.pendingDatagramSize()), Qt::Uninitialized);
            socket.readDatagram(datagram.data(), datagram.size());
            if (m_copies[datagram]++ == 0)
                m_frames << datagram;
        }
        return m_frames.size();
    }

    QList<QByteArray> m_frames;
    QHash<QByteArray, int> m_copies;
    qsizetype m_read = 0;
};

// The broadcast addresses the gateway sends to: those of every address entry that has one.
inline int broadcastAddressCount()
{
    int count = 0;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        for (const QNetworkAddressEntry &entry : interface.addressEntries())
            count += entry.broadcast().isNull() ? 0 : 1;
    }
    return count;
}

// A client of the start-time service on loopback; replies are cut into frames by the test's own reading.
class ServiceClient
{
public:
    bool connectToService()
    {
        socket.connectToHost(QHostAddress::LocalHost, LanTest::kServicePort);
        return socket.waitForConnected(LanTest::kWaitMs);
    }
    void send(const QByteArray &bytes)
    {
        socket.write(bytes);
        socket.flush();
    }
    // The next whole frame; empty when none comes in time.
    QByteArray nextFrame(int timeoutMs = LanTest::kWaitMs)
    {
        if (!QTest::qWaitFor([this] { return frameSize() > 0; }, timeoutMs))
            return {};
        const qsizetype size = frameSize();
        const QByteArray frame = m_buffer.left(size);
        m_buffer.remove(0, size);
        return frame;
    }

    QTcpSocket socket;

private:
    // Size of the frame at the buffer's start: its length field stands just before its end byte.
    qsizetype frameSize()
    {
        m_buffer += socket.readAll();
        for (qsizetype end = 7; end < m_buffer.size(); ++end) {
            const qsizetype length = quint8(m_buffer.at(end - 2)) | (quint8(m_buffer.at(end - 1)) << 8);
            if (quint8(m_buffer.at(end)) == 0x55 && length + 7 == end)
                return end + 1;
        }
        return 0;
    }

    QByteArray m_buffer;
};
