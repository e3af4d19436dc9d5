#pragma once

#include <optional>

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QtGlobal>

// One type-length-value item of a frame; the value is kept as it travels (big-endian).
struct SimItem {
    quint8 id = 0;
    QByteArray value;

    bool operator==(const SimItem &other) const { return id == other.id && value == other.value; }
};

// One frame of the serial link: AA, MAC, sequence (little-endian), command, items, CRC-8 of the items,
// item length (big-endian), 55. The MAC is the destination of a request and the source of a reply.
struct SimFrame {
    static constexpr int kOverhead = 14;
    static constexpr int kMacLength = 6;

    QByteArray mac;
    quint16 sequence = 0;
    quint8 command = 0;
    QByteArray items;

    bool operator==(const SimFrame &other) const
    {
        return mac == other.mac && sequence == other.sequence && command == other.command &&
               items == other.items;
    }
};

// A frame the simulator received from the program, with its items split up (itemsValid false when an
// item ran past the end; such a request is not obeyed).
struct SimRequest {
    SimFrame frame;
    QList<SimItem> items;
    bool itemsValid = true;
};

Q_DECLARE_METATYPE(SimItem)
Q_DECLARE_METATYPE(SimFrame)
Q_DECLARE_METATYPE(SimRequest)

// The bytes of a frame; with corruptCrc the CRC byte is inverted so the receiver must drop it.
QByteArray encodeSimFrame(const SimFrame &frame, bool corruptCrc = false);

// Appends one item; a value longer than an item can say is cut to 255 bytes.
void appendSimItem(QByteArray &items, quint8 id, const QByteArray &value);
void appendSimItem8(QByteArray &items, quint8 id, quint8 value);
void appendSimItem16(QByteArray &items, quint8 id, quint16 value);
void appendSimItem32(QByteArray &items, quint8 id, quint32 value);
void appendSimItem64(QByteArray &items, quint8 id, quint64 value);

// Splits item bytes into items; nothing when an item runs past the end.
std::optional<QList<SimItem>> parseSimItems(const QByteArray &items);

// Reads a big-endian unsigned value of up to eight bytes.
quint64 simBigEndianValue(const QByteArray &value);

// MAC text "aa:bb:cc:dd:ee:ff" <-> six bytes; an empty array for text that is no MAC.
QByteArray simMacFromText(const QString &text);
QString simMacText(const QByteArray &mac);
QByteArray simBroadcastMac();
