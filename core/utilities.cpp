#include "core/utilities.h"

#include <QDebug>

#include "core/stringcipher.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

constexpr unsigned char kFrameStart = 0xAA;
constexpr unsigned char kFrameEnd = 0x55;
constexpr quint8 kCrcPolynomial = 0x9B;
constexpr quint64 kDiscoveryBase = 8;
constexpr quint64 kDiscoveryModulus = 863;

} // namespace

quint8 crc8(const unsigned char *data, qsizetype length)
{
    quint8 crc = 0;
    for (qsizetype i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80) ? quint8((crc << 1) ^ kCrcPolynomial) : quint8(crc << 1);
    }
    return crc;
}

quint8 crc8(const QByteArray &data)
{
    return crc8(reinterpret_cast<const unsigned char *>(data.constData()), data.size());
}

QList<QByteArray> splitFrames(const QByteArray &received, QByteArray &buffer)
{
    QList<QByteArray> frames;
    buffer.append(received);

    qsizetype from = 0;
    for (;;) {
        const qsizetype pos = buffer.indexOf(char(kFrameEnd), from);
        if (pos < 0)
            break;
        const auto *bytes = reinterpret_cast<const unsigned char *>(buffer.constData());
        if (pos > 2) {
            const qsizetype length = bytes[pos - 2] | (bytes[pos - 1] << 8);
            if (length + 6 < pos) {
                const qsizetype start = pos - length - 7;
                if (bytes[start] == kFrameStart) {
                    if (crc8(bytes + start + 4, length) == bytes[pos - 3])
                        frames.append(buffer.mid(start, length + 8));
                    else
                        qDebug() << "CRC error";
                    buffer.remove(0, pos);
                    from = 1;
                    continue;
                }
            }
        }
        from = pos + 1;
    }

    if (buffer.size() > kSplitBufferLimit)
        buffer.clear();
    return frames;
}

quint64 discoveryPublicValue(quint32 exponent)
{
    // square and multiply: exact for every exponent, equal to the plain power while that fits in 64 bits
    quint64 result = 1;
    quint64 base = kDiscoveryBase % kDiscoveryModulus;
    while (exponent > 0) {
        if (exponent & 1u)
            result = result * base % kDiscoveryModulus;
        base = base * base % kDiscoveryModulus;
        exponent >>= 1;
    }
    return result;
}

QString encryptText(const QString &text, quint32 keyLow, quint32 keyHigh)
{
    StringCipher cipher(keyLow, keyHigh);
    return cipher.EncryptToString(text);
}

QString decryptText(const QString &text, quint32 keyLow, quint32 keyHigh)
{
    if (text.isEmpty())
        return QString();
    StringCipher cipher(keyLow, keyHigh);
    return cipher.DecryptToString(text);
}

QString decryptText(const QString &text, qint64 key)
{
    const auto bits = quint64(key);
    return decryptText(text, quint32(bits & 0xFFFFFFFFu), quint32(bits >> 32));
}

void SetFileHidden(const QString &path)
{
#ifdef Q_OS_WIN
    const auto *name = reinterpret_cast<const wchar_t *>(path.utf16());
    const DWORD attributes = GetFileAttributesW(name);
    if (attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesW(name, attributes | FILE_ATTRIBUTE_HIDDEN);
#else
    Q_UNUSED(path) // no hidden attribute here; the file keeps its name
#endif
}
