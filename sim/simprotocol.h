#pragma once

#include <QtGlobal>

// Command bytes and item ids as they travel on the serial link.
namespace SimProtocol
{

enum Command : quint8 {
    InfoRequest = 0x01,
    InfoReply = 0x02,
    SetInfo = 0x03,
    StatusRequest = 0x04,
    StatusReply = 0x05,
    SetStatus = 0x06, // also the coordinator's own request to the program
    GraphRequest = 0x07,
    GraphReply = 0x08,
    SoundGraphRequest = 0x09,
    SoundGraphReply = 0x0A,
    StartIndication = 0x0B,
    SpectrumRequest = 0x0D,
    SpectrumReply = 0x0E,
    PowerDown = 0x0F,
    PowerDownAck = 0x10,
    StartTimeRequest = 0x11,
    StartTimeReply = 0x12,
    Resync = 0x13,
    PowerDownAll = 0x14,
    CalibrationRequest = 0xE7,
    CalibrationAck = 0xE8,
    OperationModeRequest = 0xE9,
    OperationModeReply = 0xEA,
    IdentifierRequest = 0xEB,
    IdentifierReply = 0xEC,
    SampleAck = 0xED,
    SamplePacket = 0xEE,
    Alarm = 0xF0,
    Relay = 0xF2,
    Sync = 0xF3,
};

enum InfoField : quint8 {
    InfoMac = 1,
    InfoLane = 2,
    InfoFalseStartLimit = 3,
    InfoSensitivity = 4,
    InfoSoftwareVersion = 5,
    InfoHardwareVersion = 6,
    InfoOperationMode = 7,
    InfoStartSensitivity = 8,
    InfoField10 = 10,
    InfoField11 = 11,
    InfoField12 = 12,
    InfoField13 = 13,
    InfoModule = 14,
    InfoTxPower = 15,
    InfoAudioChannel = 16,
    InfoStartSoundMode = 17,
    InfoRecallSoundMode = 18,
    InfoVolume = 19,
    InfoHeadsetVolume = 20,
    InfoRecallBeepsMode = 21,
    InfoLinkSpeed = 22,
    InfoPanId = 23,
    InfoStabilitySensitivity = 24,
    InfoPhotoFinish = 25,
    InfoCalibration = 26,
    InfoProductVersion = 27,
};

enum StatusField : quint8 {
    StatusState = 1,
    StatusBattery = 2,
    StatusField3 = 3,
    StatusReaction = 4,
    StatusLinkQuality = 6,
    StatusEverybodyReady = 9,
    StatusPhotoFinishReady = 10,
    StatusMeasurementActive = 11,
    StatusStarts = 12,
    StatusGpsSeconds = 13,
    StatusStartSignal = 14,
    StatusErrorCode = 16,
    StatusReadyLimitSeconds = 17,
    StatusClockMs = 18,
    StatusSync = 19,
    StatusFirstStartId = 20,
    StatusGpsState = 21,
    StatusLatitude = 22,
    StatusLatitudeFraction = 23,
    StatusLatitudeHemisphere = 24,
    StatusLongitude = 25,
    StatusLongitudeFraction = 26,
    StatusLongitudeHemisphere = 27,
    StatusReadyAnnounced = 28,
};

// Device states of status field 1; the program commands 3 to fire the start.
enum State : quint8 { Idle = 1, Ready = 2, Started = 3 };

enum GraphItem : quint8 {
    GraphWidth = 1,
    GraphStartIndex = 2,
    GraphCount = 3,
    GraphOffset = 4,
    GraphSensitivity = 5,
    GraphReaction = 6,
    GraphSource = 7,
    GraphRawReaction = 8,
    SoundLevel = 5,
    SoundStartTime = 7,
    SoundStartSoundTime = 8,
    SoundWirelessTime = 9,
    SoundPulseTime = 10,
};

enum SampleItem : quint8 {
    SamplePeriod = 1,
    SampleOffset = 2,
    SampleFlag = 3,
    SampleBytes = 4,
    SampleTotal = 5,
    SampleFirstChunk = 6,
    SampleLastChunk = 9,
};

enum StartTimeItem : quint8 { StartId = 1, StartSeconds = 2, StartMicroseconds = 3 };

inline constexpr quint8 kSpectrumChannels = 16;
inline constexpr quint8 kSpectrumCurrentChannel = 17;
inline constexpr quint8 kOperationModeAnswerItem = 1;
inline constexpr quint8 kStartNumberItem = 1;

// Widths of item values, and the values of info field 7 (operation mode).
inline constexpr int kOneByte = 1;
inline constexpr int kTwoBytes = 2;
inline constexpr int kFourBytes = 4;
inline constexpr quint8 kOperationWireless = 1;
inline constexpr quint8 kOperationWired = 2;

} // namespace SimProtocol
