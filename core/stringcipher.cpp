#include "core/stringcipher.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDebug>
#include <QtEndian>

namespace {

constexpr char kCipherVersion = 3;
constexpr char kFlagCompressed = 0x01;
constexpr char kFlagChecksum = 0x02;
constexpr char kFlagHash = 0x04;
constexpr int kChecksumSize = 2;
constexpr int kHashSize = 20;
constexpr int kHeaderSize = 2;       // version and flags
constexpr int kMinimumCipherSize = 3; // header and the random byte
// cipher texts arrive from the network (discovery answers fit in one datagram): a compressed payload may
// not claim more than this
constexpr quint32 kMaxUncompressedSize = 64 * 1024;

quint16 checksumOf(const QByteArray &bytes)
{
    return qChecksum(QByteArrayView(bytes));
}

} // namespace

StringCipher::StringCipher()
    : m_random(quint32(QDateTime::currentSecsSinceEpoch() & 0xFFFF))
{
}

StringCipher::StringCipher(quint32 keyLow, quint32 keyHigh)
    : StringCipher()
{
    setKey(keyLow, keyHigh);
}

void StringCipher::setKey(quint32 keyLow, quint32 keyHigh)
{
    m_key = (quint64(keyHigh) << 32) | keyLow;
    m_keyParts.resize(8);
    for (int i = 0; i < 8; ++i)
        m_keyParts[i] = char((m_key >> (8 * i)) & 0xFF);
}

QString StringCipher::EncryptToString(const QString &plain)
{
    return QString::fromLatin1(Encrypt(plain.toUtf8()).toBase64());
}

QString StringCipher::DecryptToString(const QString &cipher)
{
    return QString::fromUtf8(Decrypt(QByteArray::fromBase64(cipher.toLatin1())));
}

QByteArray StringCipher::Encrypt(const QByteArray &plain)
{
    if (m_keyParts.isEmpty()) {
        qDebug() << "No key set.";
        return fail(ErrorNoKeySet);
    }

    QByteArray bytes = plain;
    char flags = 0;
    if (m_compressionMode == CompressionAlways) {
        bytes = qCompress(bytes, 9);
        flags |= kFlagCompressed;
    } else if (m_compressionMode == CompressionAuto) {
        const QByteArray compressed = qCompress(bytes, 9);
        if (compressed.size() < bytes.size()) {
            bytes = compressed;
            flags |= kFlagCompressed;
        }
    }

    if (m_protectionMode == ProtectionChecksum) {
        QByteArray checksum(kChecksumSize, 0);
        qToBigEndian<quint16>(checksumOf(bytes), checksum.data());
        bytes.prepend(checksum);
        flags |= kFlagChecksum;
    } else if (m_protectionMode == ProtectionHash) {
        bytes.prepend(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1));
        flags |= kFlagHash;
    }

    bytes.prepend(char(m_random.generate() & 0xFF));

    char previous = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        bytes[i] = char(bytes[i] ^ m_keyParts[i % 8] ^ previous);
        previous = bytes[i];
    }

    bytes.prepend(flags);
    bytes.prepend(kCipherVersion);
    m_lastError = ErrorNone;
    return bytes;
}

QByteArray StringCipher::Decrypt(const QByteArray &cipher)
{
    if (m_keyParts.isEmpty()) {
        qDebug() << "No key set.";
        return fail(ErrorNoKeySet);
    }
    if (cipher.size() < kMinimumCipherSize)
        return fail(ErrorIntegrityFailed);

    const char flags = cipher.at(1);
    QByteArray bytes = cipher.mid(kHeaderSize);
    char previous = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char current = bytes[i];
        bytes[i] = char(current ^ m_keyParts[i % 8] ^ previous);
        previous = current;
    }
    bytes.remove(0, 1); // the random byte

    if (flags & kFlagChecksum) {
        if (bytes.size() < kChecksumSize)
            return fail(ErrorIntegrityFailed);
        const quint16 stored = qFromBigEndian<quint16>(bytes.constData());
        bytes.remove(0, kChecksumSize);
        if (stored != checksumOf(bytes))
            return fail(ErrorIntegrityFailed);
    } else if (flags & kFlagHash) {
        if (bytes.size() < kHashSize)
            return fail(ErrorIntegrityFailed);
        const QByteArray stored = bytes.left(kHashSize);
        bytes.remove(0, kHashSize);
        if (stored != QCryptographicHash::hash(bytes, QCryptographicHash::Sha1))
            return fail(ErrorIntegrityFailed);
    }

    if (flags & kFlagCompressed) {
        bytes = uncompressBounded(bytes);
        if (m_lastError != ErrorNone)
            return QByteArray();
    }
    m_lastError = ErrorNone;
    return bytes;
}

QByteArray StringCipher::fail(int error)
{
    m_lastError = error;
    return QByteArray();
}

QByteArray StringCipher::uncompressBounded(const QByteArray &compressed)
{
    m_lastError = ErrorNone;
    // qCompress puts the uncompressed size in front, big-endian
    if (compressed.size() < 4)
        return fail(ErrorIntegrityFailed);
    const quint32 claimed = qFromBigEndian<quint32>(compressed.constData());
    if (claimed > kMaxUncompressedSize)
        return fail(ErrorIntegrityFailed);
    const QByteArray plain = qUncompress(compressed);
    if (quint32(plain.size()) != claimed)
        return fail(ErrorIntegrityFailed);
    return plain;
}
