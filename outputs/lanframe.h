#pragma once

#include <initializer_list>
#include <optional>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

// One frame of the LAN start services, on UDP and TCP alike: AA, 16-bit counter, type, payload of items,
// CRC-8 of the payload, 16-bit payload length, 55. Every number is little-endian; an item is a tag, a
// 16-bit value length and the value.
class LanFrame
{
public:
    enum Type : quint8 {
        InfoRequest = 0,
        InfoReply = 1,
        StatusRequest = 2,
        Status = 3,
        NewStartRequest = 4,
        NewStart = 5,
        StartRequest = 6,
        StartReply = 7,
        NumberOfStartsRequest = 8,
        NumberOfStartsReply = 9,
        PhotoFinishAlert = 10,
    };

    static constexpr quint8 kStartByte = 0xAA;
    static constexpr quint8 kEndByte = 0x55;
    static constexpr int kHeaderSize = 4; // start byte, counter, type
    static constexpr int kOverhead = 8;
    static constexpr int kItemHeaderSize = 3;
    static constexpr int kMaxLength = 0xFFFF; // of a payload and of an item's value

    struct Item {
        quint8 tag = 0;
        QByteArray value;
    };
    // A tag a frame type knows and the value length it takes.
    struct ItemSpec {
        quint8 tag = 0;
        int length = 0;
    };

    // The whole frame; empty when the payload is longer than its length field can say.
    static QByteArray build(quint16 counter, quint8 type, const QByteArray &payload);
    // A received frame; none when its framing bytes, length field or CRC do not agree with its bytes.
    static std::optional<LanFrame> parse(const QByteArray &bytes);

    quint16 counter() const { return m_counter; }
    quint8 type() const { return m_type; }
    const QByteArray &payload() const { return m_payload; }

    // The payload's items in order, up to the first one that would run past the payload.
    QList<Item> items() const;
    // The items whose tag and length the table names; a known tag of another length is passed over
    // silently, a tag the table lacks gives the debug text.
    QList<Item> takeItems(std::initializer_list<ItemSpec> table, const char *unknownPartText) const;

    // Payload writers; a value longer than an item can carry is cut.
    static void appendItem(QByteArray &payload, quint8 tag, const QByteArray &value);
    static void appendU8(QByteArray &payload, quint8 tag, quint8 value);
    static void appendU16(QByteArray &payload, quint8 tag, quint16 value);
    static void appendU32(QByteArray &payload, quint8 tag, quint32 value);
    static void appendFloat(QByteArray &payload, quint8 tag, float value);
    static void appendDouble(QByteArray &payload, quint8 tag, double value);
    static void appendText(QByteArray &payload, quint8 tag, const QString &text); // Latin-1

    // A little-endian value of exactly 2 bytes.
    static quint16 readU16(const QByteArray &value);

private:
    LanFrame(quint16 counter, quint8 type, const QByteArray &payload)
        : m_counter(counter), m_type(type), m_payload(payload)
    {
    }

    quint16 m_counter = 0;
    quint8 m_type = 0;
    QByteArray m_payload;
};
