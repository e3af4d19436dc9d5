#include "devices/recordwriter.h"

#include <QIODevice>

namespace
{
constexpr char32_t kLastLatin1 = 0xFF;
constexpr char kUnrepresentable = '?';
} // namespace

QByteArray RecordWriter::latin1(const QString &text)
{
    QByteArray bytes;
    for (const char32_t codePoint : text.toUcs4())
        bytes.append(codePoint <= kLastLatin1 ? char(codePoint) : kUnrepresentable);
    return bytes;
}

void RecordWriter::u16le(quint16 value)
{
    appendLittleEndian(value, sizeof(value));
}

void RecordWriter::u32le(quint32 value)
{
    appendLittleEndian(value, sizeof(value));
}

void RecordWriter::u16be(quint16 value)
{
    appendBigEndian(value, sizeof(value));
}

void RecordWriter::u32be(quint32 value)
{
    appendBigEndian(value, sizeof(value));
}

void RecordWriter::u64be(quint64 value)
{
    appendBigEndian(value, sizeof(value));
}

void RecordWriter::lengthPrefixedText(const QString &text)
{
    const QByteArray bytes = latin1(text);
    u32le(quint32(bytes.size()));
    m_bytes.append(bytes);
}

void RecordWriter::zeroTerminatedText(const QString &text)
{
    QByteArray bytes = latin1(text);
    bytes.replace('\0', kUnrepresentable); // an inner zero would end the text early when read back
    m_bytes.append(bytes).append('\0');
}

bool RecordWriter::writeTo(QIODevice *device) const
{
    return device && device->isWritable() && device->write(m_bytes) == m_bytes.size();
}

void RecordWriter::appendBigEndian(quint64 value, int width)
{
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
        m_bytes.append(char((value >> shift) & 0xFF));
}

void RecordWriter::appendLittleEndian(quint64 value, int width)
{
    for (int i = 0; i < width; ++i, value >>= 8)
        m_bytes.append(char(value & 0xFF));
}
