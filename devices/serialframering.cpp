#include "devices/serialframering.h"

#include "core/utilities.h"

namespace
{
constexpr int kMacLength = 6;
// positions before the first item byte
constexpr quint32 kCommandBefore = 1;
constexpr quint32 kSequenceBefore = 3;
constexpr quint32 kMacBefore = 9;
// positions before the closing byte
constexpr quint32 kLengthLowBefore = 1;
constexpr quint32 kLengthHighBefore = 2;
constexpr quint32 kCrcBefore = 3;
constexpr quint32 kStartBeforeItems = 13;
} // namespace

void SerialFrameRing::push(quint8 byte)
{
    ++m_count;
    m_ring[m_count & kMask] = byte;
}

std::optional<RingFrame> SerialFrameRing::frameEndingHere() const
{
    const quint32 c = m_count;
    if (at(c) != kEndByte)
        return std::nullopt;
    const int length = at(c - kLengthHighBefore) * 256 + at(c - kLengthLowBefore);
    if (length > kMaxItemLength || at(c - quint32(length) - kStartBeforeItems) != kStartByte)
        return std::nullopt;
    if (length > kMaxAcceptedLength)
        return std::nullopt;

    const quint32 itemStart = c - quint32(length) - kCrcBefore;
    RingFrame frame;
    frame.items = copy(itemStart, length);
    if (crc8(frame.items) != at(c - kCrcBefore))
        return std::nullopt;
    frame.command = at(itemStart - kCommandBefore);
    frame.sequence = quint16(at(itemStart - kSequenceBefore) | (at(itemStart - kSequenceBefore + 1) << 8));
    frame.mac = copy(itemStart - kMacBefore, kMacLength);
    return frame;
}

QByteArray SerialFrameRing::lastBytes(int length) const
{
    if (length <= 0 || quint32(length) > kSize)
        return {};
    return copy(m_count - quint32(length) + 1, length);
}

QByteArray SerialFrameRing::copy(quint32 first, int length) const
{
    QByteArray bytes(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        bytes[i] = char(at(first + quint32(i)));
    return bytes;
}
