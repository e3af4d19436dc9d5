#pragma once

#include <array>
#include <optional>

#include <QByteArray>
#include <QtGlobal>

// One frame found in the receive ring, its CRC already checked.
struct RingFrame {
    QByteArray mac; // six bytes, the sender
    quint16 sequence = 0;
    quint8 command = 0;
    QByteArray items; // a copy of its own
};

// The receive ring of the coordinator link: the last 2048 bytes received, addressed modulo its size so
// that frames are found at their closing 0x55 without moving bytes. The count of received bytes is never
// cleared; the newest byte sits at count & 0x7FF.
class SerialFrameRing
{
public:
    static constexpr quint32 kSize = 2048;
    static constexpr int kFrameOverhead = 14;
    static constexpr int kMaxItemLength = 2033;     // the largest frame that still fits the ring
    static constexpr int kMaxAcceptedLength = 1749; // longer frames are never sent by the devices
    static constexpr quint8 kStartByte = 0xAA;
    static constexpr quint8 kEndByte = 0x55;

    void push(quint8 byte);
    quint32 count() const { return m_count; }

    // The frame that the newest byte closes: the length before it and the 0xAA at the start it points to
    // must fit, the length must be acceptable and the CRC must match; otherwise nothing.
    std::optional<RingFrame> frameEndingHere() const;
    // The newest `length` bytes in arrival order; length is at most the ring's size.
    QByteArray lastBytes(int length) const;

private:
    static constexpr quint32 kMask = kSize - 1;

    quint8 at(quint32 position) const { return m_ring[position & kMask]; }
    QByteArray copy(quint32 first, int length) const;

    std::array<quint8, kSize> m_ring{};
    quint32 m_count = 0;
};
