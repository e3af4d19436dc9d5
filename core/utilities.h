#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

// CRC-8 of the serial and LAN frames: polynomial 0x9B, initial 0, MSB first, no reflection, no final xor.
quint8 crc8(const unsigned char *data, qsizetype length);
quint8 crc8(const QByteArray &data);

// Largest receive buffer splitFrames keeps; a peer sending no valid frames cannot grow it further.
inline constexpr qsizetype kSplitBufferLimit = 500;

// Appends a received chunk to a connection's buffer and returns every complete LAN frame found in it
// (0xAA ... CRC, 16-bit little-endian payload length, 0x55), framing included, in order. Frames with a
// bad CRC are dropped; an unfinished frame stays in the buffer for the next call.
QList<QByteArray> splitFrames(const QByteArray &received, QByteArray &buffer);

// 8 to the power n, modulo 863.
quint64 discoveryPublicValue(quint32 exponent);

QString encryptText(const QString &text, quint32 keyLow, quint32 keyHigh);
QString decryptText(const QString &text, quint32 keyLow, quint32 keyHigh);
QString decryptText(const QString &text, qint64 key);

// Marks a file hidden where the file system has such an attribute; elsewhere nothing happens.
void SetFileHidden(const QString &path);
