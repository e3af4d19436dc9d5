#pragma once

#include <array>
#include <cstring>

#include <QMetaType>
#include <QtEndian>
#include <QtGlobal>

// One start time as the coordinator reports it: three 32-bit words kept big-endian exactly as received
// (a start id word whose first byte is the start id, the start's time in seconds since 1970-01-01 UTC, and
// the fraction of that second in microseconds). Stored in measurement files as received.
struct HX_GPS_TIME {
    static constexpr int kSize = 12;

    std::array<unsigned char, kSize> bytes{};

    static HX_GPS_TIME fromBytes(const unsigned char *data)
    {
        HX_GPS_TIME t;
        std::memcpy(t.bytes.data(), data, kSize);
        return t;
    }

    // word 0, 1 or 2, read big-endian
    quint32 word(int index) const { return qFromBigEndian<quint32>(bytes.data() + 4 * index); }
    quint8 startId() const { return bytes[0]; }
    quint32 seconds() const { return word(1); }
    quint32 microseconds() const { return word(2); }

    // two records are the same start when all three words are equal
    bool operator==(const HX_GPS_TIME &other) const { return bytes == other.bytes; }
    bool operator!=(const HX_GPS_TIME &other) const { return !(*this == other); }
};

// One entry of a device's request log; times in ms on the serial object's clock, reply 0 while unanswered.
struct PACKET_LOG {
    quint16 packetNumber = 0;
    quint32 sendTime = 0;
    quint32 replyTime = 0;

    bool operator==(const PACKET_LOG &other) const
    {
        return packetNumber == other.packetNumber && sendTime == other.sendTime &&
               replyTime == other.replyTime;
    }
};

// Command of a request as reported by data_request_sent after it was written.
enum CommandType : quint8 {
    CommandInfo = 1, // also the coordinator's spectrum request
    CommandStatus = 4,
    CommandGraph = 7,
    CommandSoundGraph = 9,
    CommandPowerDown = 15,
    CommandOperationModeSelection = 233,
    CommandIdentifier = 235,
};

// The mode in force is 1 or 2; the operator's choice may also be 3, automatic detection.
enum OperationMode : int {
    OperationModeWireless = 1,
    OperationModeWired = 2,
    OperationModeAutomatic = 3,
};

enum ResultsDataType : int {
    ResultsReactionGraphs = 0, // all reaction graphs received
    ResultsSoundGraphs = 1,    // all sound graphs received
};

// The application mode; never stored, 0 at every start.
enum PossibleModes : int {
    ModeOperator = 0,
    ModeAdministrator = 1,
    ModeAdministratorFull = 2,
};

// Participation of a start block in the current race.
enum ParticipationStatus : int {
    ParticipationActive = 1,
    ParticipationDns = 2,
    ParticipationDq = 3,
    ParticipationInactive = 4,
    ParticipationRup = 5,
};

// Status field 1 of a device.
enum DeviceState : quint8 {
    DeviceIdle = 1,
    DeviceReady = 2,
    DeviceStarted = 3,
    DeviceActive = 4,
    DeviceInactive = 5,
};

// Link state of a device, computed from its request log.
enum LinkState : int {
    LinkLost = 0,    // no reply among its last status requests
    LinkGood = 1,    // a reply among them
    LinkUnknown = 2, // too few requests to tell
};

Q_DECLARE_METATYPE(HX_GPS_TIME)
Q_DECLARE_METATYPE(PACKET_LOG)
Q_DECLARE_METATYPE(CommandType)
Q_DECLARE_METATYPE(OperationMode)
Q_DECLARE_METATYPE(ResultsDataType)
Q_DECLARE_METATYPE(PossibleModes)
Q_DECLARE_METATYPE(ParticipationStatus)
Q_DECLARE_METATYPE(DeviceState)
Q_DECLARE_METATYPE(LinkState)

// Registers the types above for queued connections and QVariant; safe to call more than once.
void registerSharedMetaTypes();
