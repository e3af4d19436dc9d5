#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QIODevice;

// Builds one record of a measurement file in memory: converted numbers little-endian, device values
// big-endian as received, texts in Latin-1 (one byte per character, "?" for characters outside it).
class RecordWriter
{
public:
    static QByteArray latin1(const QString &text);

    void u8(quint8 value) { m_bytes.append(char(value)); }
    void u16le(quint16 value);
    void u32le(quint32 value);
    void u16be(quint16 value);
    void u32be(quint32 value);
    void u64be(quint64 value);
    void bytes(const QByteArray &data) { m_bytes.append(data); }
    void lengthPrefixedText(const QString &text);
    void zeroTerminatedText(const QString &text);

    const QByteArray &data() const { return m_bytes; }
    // Writes the record; false when the device took less than all of it.
    bool writeTo(QIODevice *device) const;

private:
    void appendBigEndian(quint64 value, int width);
    void appendLittleEndian(quint64 value, int width);

    QByteArray m_bytes;
};
