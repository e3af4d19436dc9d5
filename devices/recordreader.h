#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Record layouts read back: file versions 0 to 5.
inline constexpr int kNewestRecordVersion = 5;

inline bool isKnownRecordVersion(int version)
{
    return version >= 0 && version <= kNewestRecordVersion;
}

// Reads one record of a measurement file. Every read is checked against the bytes that remain; the
// first one that would run past the end fails the reader, and every later read returns zeros.
class RecordReader
{
public:
    RecordReader(const char *data, qint64 length);

    bool ok() const { return m_ok; }
    qint64 remaining() const { return m_ok ? m_length - m_pos : 0; }
    bool atEnd() const { return remaining() == 0; }
    // The bytes this reader covers, for handing a part on to another reader.
    const char *begin() const { return m_data; }
    qint64 size() const { return m_length; }

    quint8 u8();
    quint16 u16le();
    quint32 u32le();
    quint16 u16be();
    quint32 u32be();
    quint64 u64be();
    QByteArray bytes(qint64 count);
    bool skip(qint64 count);
    // A reader over the next count bytes; this one moves past them.
    RecordReader take(qint64 count);
    // 32-bit length, then that many Latin-1 bytes.
    QString lengthPrefixedText();
    // Latin-1 bytes up to a zero byte, which must be there.
    QString zeroTerminatedText();

private:
    const char *claim(qint64 count);
    quint64 littleEndian(int width);
    quint64 bigEndian(int width);

    const char *m_data = nullptr;
    qint64 m_length = 0;
    qint64 m_pos = 0;
    bool m_ok = true;
};
