#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Builds expected bytes by hand, independent of the code under test.
class TestBytes
{
public:
    TestBytes &hex(const char *text)
    {
        m_bytes.append(QByteArray::fromHex(text));
        return *this;
    }
    TestBytes &raw(const QByteArray &bytes)
    {
        m_bytes.append(bytes);
        return *this;
    }
    TestBytes &u8(quint8 value)
    {
        m_bytes.append(char(value));
        return *this;
    }
    TestBytes &u16le(quint16 value) { return u8(quint8(value)).u8(quint8(value >> 8)); }
    TestBytes &u32le(quint32 value) { return u16le(quint16(value)).u16le(quint16(value >> 16)); }
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// A writable copy of a hex payload, as the serial reader hands it to the devices.
inline QByteArray payload(const char *hexText)
{
    return QByteArray::fromHex(hexText);
}

inline unsigned char *data(QByteArray &bytes)
{
    return reinterpret_cast<unsigned char *>(bytes.data());
}

// Collects debug output while alive, to count messages.
class DebugCapture
{
public:
    DebugCapture() { s_messages.clear(), m_previous = qInstallMessageHandler(&DebugCapture::handle); }
    ~DebugCapture() { qInstallMessageHandler(m_previous); }
    int count(const QString &message) const { return int(s_messages.count(message)); }

private:
    static void handle(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        s_messages << message;
    }
    static inline QStringList s_messages;
    QtMessageHandler m_previous = nullptr;
};
