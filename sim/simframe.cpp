#include "sim/simframe.h"

#include <QRegularExpression>
#include <QString>
#include <QtEndian>

#include "core/utilities.h"

namespace
{

constexpr char kFrameStart = char(0xAA);
constexpr char kFrameEnd = char(0x55);
constexpr int kMaxItemValue = 255;
constexpr int kItemHeader = 2;
constexpr int kMaxBigEndianBytes = 8;
constexpr unsigned char kBroadcastByte = 0xFF;

template<typename T>
QByteArray bigEndianBytes(T value)
{
    QByteArray bytes(int(sizeof(T)), Qt::Uninitialized);
    qToBigEndian(value, bytes.data());
    return bytes;
}

} // namespace

QByteArray encodeSimFrame(const SimFrame &frame, bool corruptCrc)
{
    const quint16 length = quint16(frame.items.size());
    quint8 crc = crc8(frame.items);
    if (corruptCrc)
        crc = quint8(~crc);
    QByteArray bytes;
    bytes.reserve(SimFrame::kOverhead + frame.items.size());
    bytes.append(kFrameStart);
    bytes.append(frame.mac.left(SimFrame::kMacLength).leftJustified(SimFrame::kMacLength, '\0'));
    bytes.append(char(frame.sequence & 0xFF)).append(char(frame.sequence >> 8));
    bytes.append(char(frame.command));
    bytes.append(frame.items);
    bytes.append(char(crc));
    bytes.append(char(length >> 8)).append(char(length & 0xFF));
    bytes.append(kFrameEnd);
    return bytes;
}

void appendSimItem(QByteArray &items, quint8 id, const QByteArray &value)
{
    const QByteArray cut = value.left(kMaxItemValue);
    items.append(char(id)).append(char(cut.size())).append(cut);
}

void appendSimItem8(QByteArray &items, quint8 id, quint8 value)
{
    appendSimItem(items, id, QByteArray(1, char(value)));
}

void appendSimItem16(QByteArray &items, quint8 id, quint16 value)
{
    appendSimItem(items, id, bigEndianBytes(value));
}

void appendSimItem32(QByteArray &items, quint8 id, quint32 value)
{
    appendSimItem(items, id, bigEndianBytes(value));
}

void appendSimItem64(QByteArray &items, quint8 id, quint64 value)
{
    appendSimItem(items, id, bigEndianBytes(value));
}

std::optional<QList<SimItem>> parseSimItems(const QByteArray &items)
{
    QList<SimItem> parsed;
    qsizetype pos = 0;
    while (pos < items.size()) {
        if (pos + kItemHeader > items.size())
            return std::nullopt;
        const quint8 id = quint8(items.at(pos));
        const int length = quint8(items.at(pos + 1));
        if (pos + kItemHeader + length > items.size())
            return std::nullopt;
        parsed.append({id, items.mid(pos + kItemHeader, length)});
        pos += kItemHeader + length;
    }
    return parsed;
}

quint64 simBigEndianValue(const QByteArray &value)
{
    quint64 result = 0;
    for (const char byte : value.right(kMaxBigEndianBytes))
        result = (result << 8) | quint8(byte);
    return result;
}

QByteArray simMacFromText(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9a-fA-F]{2}:){5}[0-9a-fA-F]{2}$"));
    if (!pattern.match(text).hasMatch())
        return {};
    return QByteArray::fromHex(text.toLatin1().replace(':', ""));
}

QString simMacText(const QByteArray &mac)
{
    return QString::fromLatin1(mac.toHex(':'));
}

QByteArray simBroadcastMac()
{
    return QByteArray(SimFrame::kMacLength, char(kBroadcastByte));
}
