#pragma once

#include <QtGlobal>

// Command bytes of the serial frames. A reply is always the request's command plus one.
namespace DeviceCommand
{

inline constexpr quint8 kInfoRequest = 0x01;
inline constexpr quint8 kInfoReply = 0x02;
inline constexpr quint8 kSetInfo = 0x03;
inline constexpr quint8 kStatusRequest = 0x04;
inline constexpr quint8 kStatusReply = 0x05;
inline constexpr quint8 kSetStatus = 0x06; // also sent by the coordinator: fields it asks us to set
inline constexpr quint8 kGraphRequest = 0x07;
inline constexpr quint8 kGraphReply = 0x08;
inline constexpr quint8 kSoundGraphRequest = 0x09;
inline constexpr quint8 kSoundGraphReply = 0x0A;
inline constexpr quint8 kStartIndication = 0x0B;
inline constexpr quint8 kSpectrumRequest = 0x0D;
inline constexpr quint8 kSpectrumReply = 0x0E;
inline constexpr quint8 kPowerDown = 0x0F;
inline constexpr quint8 kPowerDownAck = 0x10;
inline constexpr quint8 kStartTimeRequest = 0x11;
inline constexpr quint8 kNewStart = 0x12;
inline constexpr quint8 kResynchronise = 0x13;
inline constexpr quint8 kPowerDownAll = 0x14;
inline constexpr quint8 kCalibrationRequest = 0xE7;
inline constexpr quint8 kCalibrationAck = 0xE8;
inline constexpr quint8 kOperationModeRequest = 0xE9;
inline constexpr quint8 kOperationModeReply = 0xEA;
inline constexpr quint8 kIdentifierRequest = 0xEB;
inline constexpr quint8 kIdentifierReply = 0xEC;
inline constexpr quint8 kSampleAck = 0xED;
inline constexpr quint8 kSamplePacket = 0xEE;
inline constexpr quint8 kAlarm = 0xF0; // from a block; also kept as a request frame that is never sent
inline constexpr quint8 kForwardToBlocks = 0xF2;
inline constexpr quint8 kSynchronise = 0xF3;

// Raw bytes on the wire outside the frames (wired operation).
inline constexpr quint8 kAlarmHeaderByte = 0x68;
inline constexpr quint8 kStartHeaderByte = 0x8B;
inline constexpr int kAlarmIndicationLength = 8;

} // namespace DeviceCommand
