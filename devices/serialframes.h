#pragma once

#include <QByteArray>
#include <QVariant>
#include <QtGlobal>

// Builds the frames written to the coordinator's serial port:
// AA, MAC (6), sequence (little-endian), command, items, CRC-8 of the items, item length (big-endian), 55.
// The caller owns the sequence counter and passes the number to use. Every builder returns an empty
// array when the request must not be sent (refused id, malformed MAC).
namespace SerialFrames
{

inline constexpr quint8 kStartByte = 0xAA;
inline constexpr quint8 kEndByte = 0x55;
inline constexpr int kMacSize = 6;
inline constexpr int kOverhead = 14; // frame bytes besides the items
inline constexpr int kMacOffset = 1;
inline constexpr int kSequenceOffset = 7;
inline constexpr int kCommandOffset = 9;
inline constexpr int kItemsOffset = 10;
inline constexpr int kMaxItemValue = 255;

// Start-sound sample packets
inline constexpr quint16 kSamplePacketSequence = 10;
inline constexpr int kSampleChunkSize = 255;
inline constexpr int kSampleChunksPerPacket = 4;
inline constexpr int kSampleBytesPerPacket = kSampleChunkSize * kSampleChunksPerPacket;

QByteArray broadcastMac();

// One item: id, value length, value. Values longer than an item can hold give an empty array.
QByteArray item(quint8 id, const QByteArray &value);
// The low `width` bytes of value, most significant first.
QByteArray bigEndianBytes(quint64 value, int width);

QByteArray frame(const QByteArray &mac, quint16 sequence, quint8 command, const QByteArray &items = {});
// The fixed 14-byte request without items.
QByteArray request(const QByteArray &mac, quint16 sequence, quint8 command);

// Width of a set-info value by field id; 0 for ids that are never sent.
int setInfoWidth(quint8 id);
QByteArray setInfo(const QByteArray &mac, quint16 sequence, quint8 id, const QVariant &value);

bool isCoordinatorSetStatusId(quint8 id);
bool isBlockSetStatusId(quint8 id); // also for the broadcast device
QByteArray setStatusCoordinator(const QByteArray &mac, quint16 sequence, quint8 id, const QVariant &value);
QByteArray setStatusBlock(const QByteArray &mac, quint16 sequence, quint8 id, const QVariant &value);

// Only type 1 asks for a start time; the item carries the low byte of the start number.
QByteArray startTimeRequest(const QByteArray &mac, quint16 sequence, quint8 type,
                            const QVariant &startNumber);

// Bytes of the sample packet that starts at offset: at most kSampleBytesPerPacket.
int samplePacketLength(qsizetype sampleSize, qsizetype offset);
// The packet of the sample that starts at offset; empty when offset is past the sample.
QByteArray samplePacket(const QByteArray &mac, quint16 periodMicroseconds, const QByteArray &sample,
                        quint32 offset);

// A received frame sent on to every block: broadcast MAC and our sequence number, the rest untouched.
QByteArray forwarded(const QByteArray &received, quint16 sequence);

QByteArray alarmIndication();

} // namespace SerialFrames
