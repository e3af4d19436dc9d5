#include "devices/devicelinkdata.h"

#include <algorithm>

#include <QRegularExpression>
#include <QStringList>

#include "devices/recordreader.h"
#include "devices/recordwriter.h"

namespace
{
constexpr int kHexBase = 16;
constexpr int kMsPerCycle = 10000;
constexpr int kMsPerDevice = 600;
constexpr int kRequestsPerCycle = 5;
constexpr quint32 kLogEntrySize = 10;
} // namespace

QString DeviceLinkData::macText() const
{
    QStringList parts;
    for (const unsigned char byte : m_mac)
        parts << QStringLiteral("%1").arg(byte, 2, kHexBase, QLatin1Char('0'));
    return parts.join(QLatin1Char(':'));
}

bool DeviceLinkData::setMacText(const QString &text)
{
    // anchored at the very end: "$" alone would also take a text ending in a line feed
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QStringLiteral("([0-9a-fA-F][0-9a-fA-F]:){5}([0-9a-fA-F][0-9a-fA-F])")));
    if (!pattern.match(text).hasMatch())
        return false;
    const QStringList parts = text.split(QLatin1Char(':'));
    for (int i = 0; i < kMacSize; ++i)
        m_mac[i] = static_cast<unsigned char>(parts[i].toUInt(nullptr, kHexBase));
    return true;
}

QByteArray DeviceLinkData::macBytes() const
{
    return QByteArray(reinterpret_cast<const char *>(m_mac.data()), kMacSize);
}

void DeviceLinkData::setMacBytes(const unsigned char *bytes)
{
    std::copy(bytes, bytes + kMacSize, m_mac.begin());
}

bool DeviceLinkData::stampReplyTime(quint16 sequence, quint32 ms)
{
    if (m_requestLog.isEmpty() || m_requestLog.last().packetNumber != sequence)
        return false;
    m_requestLog.last().replyTime = ms;
    return true;
}

int DeviceLinkData::answeredRequests() const
{
    return int(std::count_if(m_requestLog.cbegin(), m_requestLog.cend(),
                             [](const PACKET_LOG &entry) { return entry.replyTime != 0; }));
}

qint8 DeviceLinkData::linkWindow(int blockCount)
{
    const auto devices = static_cast<qint8>(blockCount + 1);
    if (devices == 0) // 255 blocks wrap to 0 in eight bits: no window instead of a division by zero
        return 0;
    return static_cast<qint8>(kRequestsPerCycle * (kMsPerCycle / (kMsPerDevice * devices)));
}

LinkState DeviceLinkData::linkState(int blockCount) const
{
    const int window = linkWindow(blockCount);
    if (m_requestLog.size() < window)
        return LinkUnknown;
    if (window <= 0)
        return LinkLost;
    const bool answered = std::any_of(m_requestLog.cend() - window, m_requestLog.cend(),
                                      [](const PACKET_LOG &entry) { return entry.replyTime != 0; });
    return answered ? LinkGood : LinkLost;
}

quint32 DeviceLinkData::savedLogSize() const
{
    return sizeof(quint32) + kLogEntrySize * quint32(m_requestLog.size());
}

void DeviceLinkData::writeRequestLog(RecordWriter &record) const
{
    record.u32le(kLogEntrySize * quint32(m_requestLog.size()));
    for (const PACKET_LOG &entry : m_requestLog) {
        record.u16le(entry.packetNumber);
        record.u32le(entry.sendTime);
        record.u32le(entry.replyTime);
    }
}

void DeviceLinkData::readRequestLog(RecordReader &record)
{
    const quint32 bytes = record.u32le();
    RecordReader entries = record.take(bytes);
    while (entries.remaining() >= kLogEntrySize) {
        PACKET_LOG entry;
        entry.packetNumber = entries.u16le();
        entry.sendTime = entries.u32le();
        entry.replyTime = entries.u32le();
        m_requestLog.append(entry);
    }
}

void DeviceLinkData::writeMac(RecordWriter &record) const
{
    record.bytes(macBytes());
}

void DeviceLinkData::readMac(RecordReader &record)
{
    const QByteArray bytes = record.bytes(kMacSize);
    if (bytes.size() == kMacSize)
        setMacBytes(reinterpret_cast<const unsigned char *>(bytes.constData()));
}
