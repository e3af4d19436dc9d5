#pragma once

#include <QtGlobal>

// How the simulated coordinator and start blocks work inside. The program only relies on the frames they
// exchange; everything below is this simulator's own choice and lives here so it is found in one place.
namespace SimDefaults
{

// --- link ---------------------------------------------------------------------------------------------
inline constexpr int kBaudWired = 9600;     // coordinator info 22 = 1
inline constexpr int kBaudWireless = 38400; // coordinator info 22 = 3
inline constexpr quint8 kLinkCodeWired = 1;
inline constexpr quint8 kLinkCodeWireless = 3;
inline constexpr int kInitialBaud = kBaudWired; // a coordinator wakes up at the slow speed
inline constexpr int kReplyDelayMs = 3;         // device turnaround before a reply leaves
inline constexpr int kSplitGapMs = 2;           // pause between the pieces of a split reply
inline constexpr int kMinSplitPieces = 2;
inline constexpr int kMaxSplitPieces = 4;

// --- frames -------------------------------------------------------------------------------------------
inline constexpr int kMaxItemBytes = 2033;  // the largest length field a frame may carry
inline constexpr int kMaxChunkBytes = 255;  // one graph sample chunk item
inline constexpr quint8 kFirstChunkId = 16; // graph and sound chunks use item ids 16..24
inline constexpr quint8 kLastChunkId = 24;
inline constexpr int kBroadcastAlarmLength = 8; // raw 0x68 bytes the program writes as recall alarm
inline constexpr int kMaxLoggedFrames = 20000;  // what the simulator keeps for inspection

// --- race ---------------------------------------------------------------------------------------------
inline constexpr int kAutoStartDelayMs = 3000;       // from "everybody ready" (status 9 := 1) to the gun
inline constexpr int kReactionReportDelayMs = 400;   // the block keeps recording after the reaction
inline constexpr int kCoordinatorStartedMs = 2000;   // coordinator shows STARTED this long after the gun
inline constexpr int kReadyWindowSeconds = 300;      // Ready may be repeated this long after Ready
inline constexpr int kWiredHeaderDelayMs = 10;       // wired start header follows the start indication
inline constexpr int kWiredHeaderLength = 8;         // bytes in a wired start or alarm header run
inline constexpr int kIndicationRunLength = 4;       // runs in the start indication: thresholds become 5
inline constexpr quint8 kIndicationAlarmRunItem = 4; // start indication items that carry the runs
inline constexpr quint8 kIndicationStartRunItem = 5;
inline constexpr int kDefaultFalseStartLimitMs = 100;
inline constexpr int kMaxStartsHeld = 255; // the start counter is one byte
inline constexpr int kMaxStartsPerReply = 32;

// --- reaction graph: 800 samples of 1 ms, 12-bit force sensor, two bytes per sample -------------------
inline constexpr int kGraphSamples = 800;
inline constexpr int kGraphWidth = 2;
inline constexpr int kGraphStartIndex = 200;     // samples recorded before the gun
inline constexpr int kGraphBaseline = 2000;      // sensor rest level (graph item 4)
inline constexpr int kGraphTrigger = 200;        // trigger level above the baseline (graph item 5)
inline constexpr int kGraphNoise = 6;            // peak-to-peak rest noise
inline constexpr int kGraphRiseSlope = 20;       // force units per ms while the athlete pushes off
inline constexpr int kGraphPushAmplitude = 1500; // push plateau above the baseline
inline constexpr int kGraphDecayMs = 250;        // the push fades as the athlete leaves the block
inline constexpr quint16 kNoReaction = 0x7FFF;

// --- sound graph: 800 samples of 1 ms, 8-bit microphone centred at 128 ---------------------------------
inline constexpr int kSoundSamples = 800;
inline constexpr int kSoundWidth = 1;
inline constexpr int kSoundStartIndex = 200;
inline constexpr int kSoundCentre = 128;
inline constexpr int kSoundAmplitude = 110;
inline constexpr int kSoundDecayMs = 60;
inline constexpr int kSoundPeriodMs = 3;
inline constexpr int kSoundLevel = 80;         // trigger level (sound item 5)
inline constexpr int kSoundDelayPerLaneMs = 1; // the sound reaches outer lanes a little later
inline constexpr int kWirelessLatencyMs = 3;   // radio start packet after the gun (sound item 9)

// --- values the devices report ------------------------------------------------------------------------
inline constexpr quint8 kBattery = 228; // comfortably above the program's 203 "empty" mark
// Status 6, the radio link's quality: the program shows 51 and below as 0 and 255 as 255. A block
// reports a good link that wanders a little from one status reply to the next.
inline constexpr int kLinkQuality = 240;
inline constexpr int kLinkQualitySwing = 12;     // the wandering stays this close to kLinkQuality
inline constexpr int kLinkQualityStep = 3;       // the most it moves between two replies
inline constexpr quint16 kSoftwareVersion = 302; // 3.02: qualifies for the wired broadcast alarm
inline constexpr quint32 kBlockHardwareVersion = 3500;
inline constexpr quint32 kCoordinatorHardwareVersion = 3501;
inline constexpr quint16 kBlockProductVersion = 1055;       // "Professional" block
inline constexpr quint16 kCoordinatorProductVersion = 1054; // "Professional" coordinator
inline constexpr quint16 kSensitivity = 512;
inline constexpr quint16 kStartSensitivity = 170;
inline constexpr quint16 kStabilitySensitivity = 400;
inline constexpr quint8 kModule = 1; // high-power radio module
inline constexpr quint8 kTxPower = 0;
inline constexpr quint8 kAudioChannel = 1;
inline constexpr quint8 kStartSoundMode = 3;
inline constexpr quint8 kRecallSoundMode = 1;
inline constexpr quint8 kRecallBeepsMode = 1;
inline constexpr quint8 kVolume = 16;
inline constexpr quint8 kPhotoFinishDevice = 2;
inline constexpr quint16 kPanId = 0x1234;
inline constexpr float kCalibration = 1.5f;
inline constexpr float kCalibrationStep = 0.015625f; // each calibration nudges the value
inline constexpr qint32 kSyncOffsetMs = 4;           // a synchronised block's clock difference
inline constexpr quint32 kNotSynchronised = 0xFFFF0000;
inline constexpr quint16 kStartSignalLevel = 2048; // coordinator status 14, inside the program's band
inline constexpr quint8 kRadioChannel = 15;        // spectrum item 17
inline constexpr quint8 kSpectrumFloor = 20;       // quiet channel energy
inline constexpr quint8 kSpectrumBusy = 90;        // energy on the channel in use
inline constexpr int kSpectrumSpill = 10;          // per channel of closeness to the one in use
inline constexpr int kSpectrumSpillWidth = 3;      // channels this close still hear it
inline constexpr char kGpsFix = 'A';
inline constexpr char kGpsNoFix = 'V';
inline constexpr quint16 kLatitude = 5213;         // 52 degrees 13 minutes
inline constexpr quint16 kLatitudeFraction = 4567; // 1/10000 minute
inline constexpr quint16 kLongitude = 452;         // 4 degrees 52 minutes
inline constexpr quint16 kLongitudeFraction = 1234;
inline constexpr char kLatitudeHemisphere = 'N';
inline constexpr char kLongitudeHemisphere = 'E';
inline constexpr quint8 kAlarmItemId = 1;       // a block's alarm frame names its lane in item 1
inline constexpr quint8 kReadyRequestValue = 1; // the coordinator's set-status request asks for Ready

} // namespace SimDefaults
