#pragma once

#include <array>

#include <QByteArray>
#include <QObject>

#include "core/sharedtypes.h"
#include "devices/devicestatusfields.h"

class QIODevice;

// The reaction graph of the last race as the block sent it.
struct ReactionGraph {
    quint8 sampleWidth = 0; // bytes per sample: 1, 2 or 4
    quint16 startIndex = 0; // sample index of the start signal
    quint16 sampleCount = 0;
    quint16 offset = 0; // baseline
    quint16 sensitivity = 0;
    quint16 reactionPosition = 0; // samples from the start index to the reaction
    quint8 startSource = 0;       // 0 sound, 1 pulse, 2 wireless data, 3 training
    quint16 item8 = 0;            // 0x7FFF = none
    quint32 peak = 0;             // highest sample minus the baseline, computed on receipt
    QByteArray samples;           // sampleCount x sampleWidth bytes, big-endian samples; empty when none held
};

// The sound graph of the last race.
struct SoundGraph {
    quint8 sampleWidth = 0;
    quint16 item2 = 0;
    quint16 sampleCount = 0;
    quint16 item5 = 0;
    std::array<quint32, 4> items7To10{};
    QByteArray samples; // empty when none held
};

// The live state and last measurement of one start block: its status fields, link status, graphs and
// the answer to the operation-mode question. Its block hands it the replies.
//
// The unsigned char* of new_status_field points into the reply's payload and is valid only while the
// signal is emitted: receivers that keep the value copy it.
class CStartBlockMeasurement : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 kReactionNoValue = 0x6FFF;
    static constexpr quint16 kReactionNone = 0x7FFF;
    static constexpr quint32 kNotSynchronised = 0xFFFF0000;
    static constexpr quint8 kInitialBattery = DeviceStatusFields::kInitialBattery;
    static constexpr int kRacePhaseIdle = 1;
    static constexpr int kRacePhaseReady = 2;
    static constexpr int kOperationModeWireless = 0;
    static constexpr int kOperationModeWired = 1;
    static constexpr int kOperationModeNone = 2;

    explicit CStartBlockMeasurement(QObject *parent = nullptr);
    ~CStartBlockMeasurement() override;

    void SetStatusFields(unsigned short length, unsigned char *data);
    void SetGraph(unsigned short length, unsigned char *data);
    void SetSoundGraph(unsigned short length, unsigned char *data);
    void SetOperationModeReply(unsigned short length, unsigned char *data);
    // 2 (ready) also drops both graphs.
    void SetRacePhase(int phase);
    void ResetGraphs();
    void SetMeasurementsStatus(int status);
    void ClearSyncFlag() { m_newSyncValue = false; }

    int ComputeGraphPeak() const;

    // Status fields; multi-byte values were received big-endian.
    quint8 state() const { return m_status.state; }
    void setState(quint8 state) { m_status.state = state; }
    quint8 previousState() const { return m_previousState; }
    quint8 battery() const { return m_status.battery; }
    quint8 statusField3() const { return m_status.statusField3; }
    quint16 reactionTimeRaw() const { return m_reactionTime; }
    qint16 reactionTimeMs() const { return qint16(m_reactionTime); }
    bool reactionIsNoValue() const { return m_reactionTime == kReactionNoValue; }
    // No reaction any more, told through new_status_field as a status reply with no value would be.
    void resetReactionTime();
    quint16 statusField5() const { return m_statusField5; }
    quint8 statusField6() const { return m_statusField6; }
    quint8 measurementActive() const { return m_measurementActive; }
    quint16 statusField14() const { return m_status.statusField14; }
    quint16 statusField15() const { return m_status.statusField15; }
    quint16 errorCode() const { return m_errorCode; }
    quint32 statusField17() const { return m_status.statusField17; }
    quint64 statusField18() const { return m_status.statusField18; }
    quint32 synchronisationValue() const { return m_syncValue; }
    quint32 statusField29() const { return m_statusField29; }
    bool hasNewSyncValue() const { return m_newSyncValue; }

    int linkState() const { return m_linkState; }
    int racePhase() const { return m_racePhase; }
    bool isReactionAccepted() const { return m_reactionAccepted; }
    void setReactionAccepted(bool accepted) { m_reactionAccepted = accepted; }
    bool isBackToIdle() const { return m_backToIdle; }
    int operationModeReply() const { return m_operationModeReply; }
    void setOperationModeReply(int reply) { m_operationModeReply = reply; }

    const ReactionGraph &graph() const { return m_graph; }
    const SoundGraph &soundGraph() const { return m_soundGraph; }
    bool hasGraph() const { return !m_graph.samples.isEmpty(); }
    bool hasSoundGraph() const { return !m_soundGraph.samples.isEmpty(); }

    quint32 GetSavedSize() const;
    bool SaveToDevice(QIODevice *device) const;
    bool LoadFromBuffer(int version, const char *data, qint64 length);

signals:
    void new_status_field(unsigned char type, unsigned char length, unsigned char *data);
    void new_graph();
    void graph_reset();
    void new_sound_graph();
    void alarm();
    void check_measurements_status();

private:
    void storeStatusItem(quint8 id, quint8 length, unsigned char *value);
    void storeErrorCode(quint8 length, unsigned char *value);
    void applyReactionReset();
    void updateBackToIdle();
    void storeGraphItem(quint8 id, quint8 length, unsigned char *value, int &chunkOffset);
    void storeSoundItem(quint8 id, quint8 length, unsigned char *value, int &chunkOffset);

    DeviceStatusFields m_status;
    quint8 m_previousState = 0;
    quint16 m_reactionTime = 0;
    quint16 m_statusField5 = 0;
    quint8 m_statusField6 = 0;
    quint8 m_measurementActive = 0;
    quint16 m_errorCode = 0;
    quint32 m_syncValue = 0;
    quint32 m_statusField29 = 0;
    int m_linkState = LinkUnknown;
    int m_racePhase = 0;
    bool m_reactionAccepted = false;
    bool m_backToIdle = false;
    int m_operationModeReply = kOperationModeNone;
    bool m_newSyncValue = false;
    ReactionGraph m_graph;
    SoundGraph m_soundGraph;
};
