#include "devices/serialframes.h"

#include <algorithm>
#include <limits>

#include <QtEndian>

#include "core/utilities.h"
#include "devices/devicecommands.h"

namespace SerialFrames
{

namespace
{

constexpr int kLengthBytes = 2;
constexpr int kSetStatusWidth = 1;
constexpr quint8 kStartTimeItem = 1;
constexpr quint8 kStartTimeRequestType = 1;

enum SampleItem : quint8 {
    kSamplePeriodItem = 1,
    kSampleOffsetItem = 2,
    kSampleFlagItem = 3,
    kSamplePacketLengthItem = 4,
    kSampleTotalLengthItem = 5,
    kFirstSampleChunkItem = 6,
};
constexpr quint8 kSampleFlag = 1;

void putSequence(QByteArray &bytes, quint16 sequence)
{
    bytes[kSequenceOffset] = char(sequence & 0xFF);
    bytes[kSequenceOffset + 1] = char(sequence >> 8);
}

QByteArray setStatus(const QByteArray &mac, quint16 sequence, quint8 id, const QVariant &value)
{
    const QByteArray value1 = bigEndianBytes(value.toULongLong(), kSetStatusWidth);
    return frame(mac, sequence, DeviceCommand::kSetStatus, item(id, value1));
}

} // namespace

QByteArray broadcastMac()
{
    return QByteArray(kMacSize, char(0xFF));
}

QByteArray item(quint8 id, const QByteArray &value)
{
    if (value.size() > kMaxItemValue)
        return {};
    QByteArray bytes;
    bytes.append(char(id)).append(char(value.size())).append(value);
    return bytes;
}

QByteArray bigEndianBytes(quint64 value, int width)
{
    QByteArray bytes(width, '\0');
    for (int i = width - 1; i >= 0; --i) {
        bytes[i] = char(value & 0xFF);
        value >>= 8;
    }
    return bytes;
}

QByteArray frame(const QByteArray &mac, quint16 sequence, quint8 command, const QByteArray &items)
{
    if (mac.size() != kMacSize || items.size() > std::numeric_limits<quint16>::max())
        return {};
    QByteArray bytes;
    bytes.reserve(kOverhead + items.size());
    bytes.append(char(kStartByte)).append(mac).append(kLengthBytes, '\0').append(char(command));
    putSequence(bytes, sequence);
    bytes.append(items);
    bytes.append(char(crc8(items)));
    bytes.append(bigEndianBytes(quint64(items.size()), kLengthBytes));
    bytes.append(char(kEndByte));
    return bytes;
}

QByteArray request(const QByteArray &mac, quint16 sequence, quint8 command)
{
    return frame(mac, sequence, command);
}

int setInfoWidth(quint8 id)
{
    switch (id) {
    case 2:
    case 7:
    case 11:
    case 14:
    case 15:
    case 16:
    case 17:
    case 18:
    case 19:
    case 20:
    case 21:
    case 22:
    case 25:
    case 28:
        return 1;
    case 3:
    case 4:
    case 8:
    case 10:
    case 12:
    case 13:
    case 23:
    case 24:
    case 27:
        return 2;
    case 6:
        return 4;
    default: // the address, the software version and unknown ids are never set
        return 0;
    }
}

QByteArray setInfo(const QByteArray &mac, quint16 sequence, quint8 id, const QVariant &value)
{
    const int width = setInfoWidth(id);
    if (width == 0)
        return {};
    return frame(mac, sequence, DeviceCommand::kSetInfo,
                 item(id, bigEndianBytes(value.toULongLong(), width)));
}

bool isCoordinatorSetStatusId(quint8 id)
{
    return id == 9 || id == 10 || id == 28;
}

bool isBlockSetStatusId(quint8 id)
{
    return id == 1 || id == 11 || id == 28;
}

QByteArray setStatusCoordinator(const QByteArray &mac, quint16 sequence, quint8 id, const QVariant &value)
{
    if (!isCoordinatorSetStatusId(id))
        return {};
    return setStatus(mac, sequence, id, value);
}

QByteArray setStatusBlock(const QByteArray &mac, quint16 sequence, quint8 id, const QVariant &value)
{
    if (!isBlockSetStatusId(id))
        return {};
    return setStatus(mac, sequence, id, value);
}

QByteArray startTimeRequest(const QByteArray &mac, quint16 sequence, quint8 type, const QVariant &startNumber)
{
    if (type != kStartTimeRequestType)
        return {};
    const QByteArray value = bigEndianBytes(startNumber.toULongLong(), 1);
    return frame(mac, sequence, DeviceCommand::kStartTimeRequest, item(kStartTimeItem, value));
}

int samplePacketLength(qsizetype sampleSize, qsizetype offset)
{
    if (offset < 0 || offset >= sampleSize)
        return 0;
    return int(std::min<qsizetype>(sampleSize - offset, kSampleBytesPerPacket));
}

QByteArray samplePacket(const QByteArray &mac, quint16 periodMicroseconds, const QByteArray &sample,
                        quint32 offset)
{
    const int length = samplePacketLength(sample.size(), offset);
    if (length == 0)
        return {};
    QByteArray items;
    items.append(item(kSamplePeriodItem, bigEndianBytes(periodMicroseconds, 2)));
    items.append(item(kSampleOffsetItem, bigEndianBytes(offset, 4)));
    items.append(item(kSampleFlagItem, QByteArray(1, char(kSampleFlag))));
    items.append(item(kSamplePacketLengthItem, bigEndianBytes(quint64(length), 2)));
    items.append(item(kSampleTotalLengthItem, bigEndianBytes(quint64(sample.size()), 2)));
    quint8 chunkId = kFirstSampleChunkItem;
    for (int done = 0; done < length; done += kSampleChunkSize)
        items.append(item(chunkId++, sample.mid(offset + done, std::min(kSampleChunkSize, length - done))));
    return frame(mac, kSamplePacketSequence, DeviceCommand::kSamplePacket, items);
}

QByteArray forwarded(const QByteArray &received, quint16 sequence)
{
    if (received.size() < kOverhead)
        return {};
    QByteArray bytes = received;
    bytes.replace(kMacOffset, kMacSize, broadcastMac());
    putSequence(bytes, sequence);
    return bytes;
}

QByteArray alarmIndication()
{
    return QByteArray(DeviceCommand::kAlarmIndicationLength, char(DeviceCommand::kAlarmHeaderByte));
}

} // namespace SerialFrames
