#pragma once

#include <ctime>

#include <QHash>
#include <QNetworkInterface>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>

#include "core/utilities.h"
#include "devices/ccoordinator.h"
#include "outputs/startgatewayservice.h"
#include "testnetwork.h"

// LAN frames written by hand from the layout: AA, counter, type, items, CRC-8 of the items, item length,
// 55; an item is tag, value length, value; every number little-endian.
namespace LanTest
{

constexpr int kWaitMs = 10000;
constexpr char kOneHourEast[] = "00007042"; // 60.0 minutes, a little-endian float

// Central European local time, from a rule that needs no time zone files.
inline void useTestTimeZone()
{
    qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
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

inline quint16 counterOf(const QByteArray &frame)
{
    return quint16(quint8(frame.at(1)) | (quint8(frame.at(2)) << 8));
}

// The six items of a start record: date yyyymmdd and time hhmmss in UTC, offset a little-endian float.
inline QByteArray startPayload(quint16 id, quint32 date, quint32 time, quint32 word, const QByteArray &offset,
                               quint32 seconds)
{
    return item(1, le(id, 2)) + item(2, le(date, 4)) + item(3, le(time, 4)) + item(4, le(word, 4)) +
           item(5, offset) + item(6, le(seconds, 4));
}

// A coordinator start record: the start id in the first byte, then seconds and microseconds, big-endian.
inline HX_GPS_TIME record(quint8 startId, quint32 seconds, quint32 microseconds)
{
    HX_GPS_TIME start;
    start.bytes[0] = startId;
    qToBigEndian(seconds, start.bytes.data() + 4);
    qToBigEndian(microseconds, start.bytes.data() + 8);
    return start;
}

// Coordinator status items as the coordinator object signals them, from their serial form: type, value
// length, value.
inline void status(StartGatewayService &gateway, const char *hexItems)
{
    QByteArray items = QByteArray::fromHex(hexItems);
    for (qsizetype p = 0; p + 1 < items.size(); p += 2 + quint8(items.at(p + 1)))
        gateway.OnCoordinatorNewStatusField(quint8(items.at(p)), quint8(items.at(p + 1)),
                                            reinterpret_cast<unsigned char *>(items.data() + p + 2));
}

} // namespace LanTest

// Frames reaching UDP port 1109, in order. The gateway sends each frame once per broadcast address and
// here every copy arrives: copies are counted, a frame is returned once.
class BroadcastListener
{
public:
    bool bind() { return socket.bind(QHostAddress::AnyIPv4, 1109, QUdpSocket::ShareAddress); }
    // The next frame not yet returned; empty when none comes in time.
    QByteArray next()
    {
        const auto arrived = [this] {
            while (socket.hasPendingDatagrams()) {
                QByteArray datagram(int(socket.pendingDatagramSize()), Qt::Uninitialized);
                socket.readDatagram(datagram.data(), datagram.size());
                if (copies[datagram]++ == 0)
                    frames << datagram;
            }
            return frames.size() > read;
        };
        return QTest::qWaitFor(arrived, LanTest::kWaitMs) ? frames.at(read++) : QByteArray();
    }
    // The frames up to the first status frame whose counter is at least the given one: one sent later.
    QList<QByteArray> upToStatusFrom(quint16 counter)
    {
        QList<QByteArray> got;
        for (QByteArray f = next(); !f.isEmpty(); f = next()) {
            got << f;
            if (f.at(3) == 3 && LanTest::counterOf(f) >= counter)
                break;
        }
        return got;
    }

    QUdpSocket socket;
    QList<QByteArray> frames;
    QHash<QByteArray, int> copies;
    qsizetype read = 0;
};

// A client of the start-time service on loopback.
class ServiceClient
{
public:
    bool connectToService()
    {
        socket.connectToHost(QHostAddress::LocalHost, 1110);
        return socket.waitForConnected(LanTest::kWaitMs);
    }
    void send(const QByteArray &bytes)
    {
        socket.write(bytes);
        socket.flush();
    }
    // What arrived before the given bytes, once they have; "missing" when they do not come in time.
    QByteArray receivedBefore(const QByteArray &end)
    {
        if (!QTest::qWaitFor([&] { return (buffer += socket.readAll()).contains(end); }, LanTest::kWaitMs))
            return "missing";
        const QByteArray before = buffer.left(buffer.indexOf(end));
        buffer.remove(0, before.size() + end.size());
        return before;
    }

    QTcpSocket socket;
    QByteArray buffer;
};
