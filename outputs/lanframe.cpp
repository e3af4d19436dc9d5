#include "outputs/lanframe.h"

#include <algorithm>
#include <cstring>

#include <QDebug>
#include <QtEndian>

#include "core/utilities.h"

namespace
{

constexpr int kCounterOffset = 1;
constexpr int kTypeOffset = 3;

template<typename T>
QByteArray littleEndian(T value)
{
    QByteArray bytes(int(sizeof(T)), Qt::Uninitialized);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

quint16 u16At(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

} // namespace

QByteArray LanFrame::build(quint16 counter, quint8 type, const QByteArray &payload)
{
    if (payload.size() > kMaxLength)
        return {};
    QByteArray frame;
    frame.reserve(payload.size() + kOverhead);
    frame.append(char(kStartByte));
    frame.append(littleEndian(counter));
    frame.append(char(type));
    frame.append(payload);
    frame.append(char(crc8(payload)));
    frame.append(littleEndian(quint16(payload.size())));
    frame.append(char(kEndByte));
    return frame;
}

std::optional<LanFrame> LanFrame::parse(const QByteArray &bytes)
{
    const qsizetype size = bytes.size();
    if (size < kOverhead || quint8(bytes.front()) != kStartByte || quint8(bytes.back()) != kEndByte)
        return std::nullopt;
    if (u16At(bytes, size - 3) != size - kOverhead)
        return std::nullopt;
    const QByteArray payload = bytes.mid(kHeaderSize, size - kOverhead);
    if (crc8(payload) != quint8(bytes.at(size - 4)))
        return std::nullopt;
    return LanFrame(u16At(bytes, kCounterOffset), quint8(bytes.at(kTypeOffset)), payload);
}

QList<LanFrame::Item> LanFrame::items() const
{
    QList<Item> found;
    qsizetype pos = 0;
    while (pos + kItemHeaderSize <= m_payload.size()) {
        const quint16 length = u16At(m_payload, pos + 1);
        if (pos + kItemHeaderSize + length > m_payload.size())
            break; // the items before it still count
        found.append({quint8(m_payload.at(pos)), m_payload.mid(pos + kItemHeaderSize, length)});
        pos += kItemHeaderSize + length;
    }
    return found;
}

QList<LanFrame::Item> LanFrame::takeItems(std::initializer_list<ItemSpec> table,
                                          const char *unknownPartText) const
{
    QList<Item> taken;
    for (const Item &item : items()) {
        const auto spec = std::find_if(table.begin(), table.end(),
                                       [&item](const ItemSpec &s) { return s.tag == item.tag; });
        if (spec == table.end())
            qDebug() << unknownPartText;
        else if (item.value.size() == spec->length)
            taken.append(item);
    }
    return taken;
}

void LanFrame::appendItem(QByteArray &payload, quint8 tag, const QByteArray &value)
{
    const QByteArray cut = value.left(kMaxLength);
    payload.append(char(tag));
    payload.append(littleEndian(quint16(cut.size())));
    payload.append(cut);
}

void LanFrame::appendU8(QByteArray &payload, quint8 tag, quint8 value)
{
    appendItem(payload, tag, QByteArray(1, char(value)));
}

void LanFrame::appendU16(QByteArray &payload, quint8 tag, quint16 value)
{
    appendItem(payload, tag, littleEndian(value));
}

void LanFrame::appendU32(QByteArray &payload, quint8 tag, quint32 value)
{
    appendItem(payload, tag, littleEndian(value));
}

void LanFrame::appendFloat(QByteArray &payload, quint8 tag, float value)
{
    quint32 bits = 0;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    appendU32(payload, tag, bits);
}

void LanFrame::appendDouble(QByteArray &payload, quint8 tag, double value)
{
    quint64 bits = 0;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    appendItem(payload, tag, littleEndian(bits));
}

void LanFrame::appendText(QByteArray &payload, quint8 tag, const QString &text)
{
    appendItem(payload, tag, text.toLatin1());
}

quint16 LanFrame::readU16(const QByteArray &value)
{
    return value.size() == int(sizeof(quint16)) ? u16At(value, 0) : 0;
}
