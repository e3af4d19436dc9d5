#pragma once

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>
#include <QtGlobal>

// The program's text cipher with a 64-bit key. Cipher bytes: version 3, a flags byte (bit 0 compressed,
// bit 1 checksum, bit 2 SHA-1 hash), then the chained bytes of one random byte, the protection value and
// the (possibly compressed) plain bytes.
class StringCipher
{
public:
    enum CompressionMode { CompressionAuto = 0, CompressionAlways = 1, CompressionNever = 2 };
    enum ProtectionMode { ProtectionNone = 0, ProtectionChecksum = 1, ProtectionHash = 2 };
    enum Error { ErrorNone = 0, ErrorNoKeySet = 1, ErrorIntegrityFailed = 3 };

    StringCipher();
    StringCipher(quint32 keyLow, quint32 keyHigh);

    void setKey(quint32 keyLow, quint32 keyHigh);
    void setCompressionMode(int mode) { m_compressionMode = mode; }
    int compressionMode() const { return m_compressionMode; }
    void setProtectionMode(int mode) { m_protectionMode = mode; }
    int protectionMode() const { return m_protectionMode; }
    int lastError() const { return m_lastError; }

    QString EncryptToString(const QString &plain);
    QString DecryptToString(const QString &cipher);
    QByteArray Encrypt(const QByteArray &plain);
    QByteArray Decrypt(const QByteArray &cipher);

private:
    QByteArray fail(int error);
    QByteArray uncompressBounded(const QByteArray &compressed);

    quint64 m_key = 0;
    QByteArray m_keyParts;
    int m_compressionMode = CompressionAuto;
    int m_protectionMode = ProtectionChecksum;
    int m_lastError = ErrorNone;
    QRandomGenerator m_random;
};
