#include "devices/recordreader.h"

#include <cstring>

RecordReader::RecordReader(const char *data, qint64 length)
    : m_data(data), m_length(data ? qMax<qint64>(length, 0) : 0)
{
}

const char *RecordReader::claim(qint64 count)
{
    if (!m_ok || count < 0 || count > m_length - m_pos) {
        m_ok = false;
        return nullptr;
    }
    const char *start = m_data + m_pos;
    m_pos += count;
    return start;
}

quint64 RecordReader::littleEndian(int width)
{
    const char *bytes = claim(width);
    quint64 value = 0;
    for (int i = width - 1; bytes && i >= 0; --i)
        value = (value << 8) | quint8(bytes[i]);
    return value;
}

quint64 RecordReader::bigEndian(int width)
{
    const char *bytes = claim(width);
    quint64 value = 0;
    for (int i = 0; bytes && i < width; ++i)
        value = (value << 8) | quint8(bytes[i]);
    return value;
}

quint8 RecordReader::u8()
{
    return quint8(littleEndian(sizeof(quint8)));
}

quint16 RecordReader::u16le()
{
    return quint16(littleEndian(sizeof(quint16)));
}

quint32 RecordReader::u32le()
{
    return quint32(littleEndian(sizeof(quint32)));
}

quint16 RecordReader::u16be()
{
    return quint16(bigEndian(sizeof(quint16)));
}

quint32 RecordReader::u32be()
{
    return quint32(bigEndian(sizeof(quint32)));
}

quint64 RecordReader::u64be()
{
    return bigEndian(sizeof(quint64));
}

QByteArray RecordReader::bytes(qint64 count)
{
    const char *start = claim(count);
    return start ? QByteArray(start, count) : QByteArray();
}

bool RecordReader::skip(qint64 count)
{
    return claim(count) != nullptr;
}

RecordReader RecordReader::take(qint64 count)
{
    const bool fits = m_ok && count >= 0 && count <= m_length - m_pos;
    RecordReader part(fits ? m_data + m_pos : nullptr, fits ? count : 0);
    part.m_ok = fits;
    if (fits)
        m_pos += count;
    else
        m_ok = false;
    return part;
}

QString RecordReader::lengthPrefixedText()
{
    const quint32 length = u32le();
    const char *start = claim(length);
    return start ? QString::fromLatin1(start, length) : QString();
}

QString RecordReader::zeroTerminatedText()
{
    if (!m_ok)
        return {};
    const qint64 left = m_length - m_pos;
    const char *start = m_data + m_pos;
    const auto *zero = left > 0 ? static_cast<const char *>(std::memchr(start, 0, size_t(left))) : nullptr;
    if (!zero) {
        m_ok = false;
        return {};
    }
    const qint64 length = zero - start;
    claim(length + 1);
    return QString::fromLatin1(start, length);
}
