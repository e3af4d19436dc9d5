#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

#include "core/sharedtypes.h"
#include "sim/simcoordinator.h"
#include "sim/simframe.h"
#include "sim/simframeparser.h"
#include "sim/simpty.h"
#include "sim/simrandom.h"
#include "sim/simscenario.h"
#include "sim/simstartblock.h"
#include "sim/simtransmitter.h"

// One coordinator and up to ten start blocks answering on a pseudo-terminal as the real installation
// would. Runs in the caller's thread and event loop; tests watch its signals and drive it directly.
class DeviceSimulator : public QObject
{
    Q_OBJECT

public:
    explicit DeviceSimulator(const SimScenario &scenario, QObject *parent = nullptr);

    // Opens the pseudo-terminal (and the link, when a path is given); false with errorString() set.
    bool start(const QString &linkPath = QString());
    // Drops the terminal as a pulled cable would; the devices keep their state, and start() with the same
    // link path puts them back on a new terminal behind it.
    void stop();
    bool isRunning() const { return m_pty.isOpen(); }
    QString devicePath() const { return m_pty.devicePath(); }
    QString errorString() const { return m_pty.errorString(); }
    const SimScenario &scenario() const { return m_scenario; }

    // Fault switches; they start as the scenario says.
    void setSpeedModelEnabled(bool enabled) { m_scenario.speedModel = enabled; }
    bool speedModelEnabled() const { return m_scenario.speedModel; }
    void setReplyLossRate(double rate) { m_scenario.replyLossRate = rate; }
    void setCorruptCrcRate(double rate) { m_scenario.corruptCrcRate = rate; }
    void setSplitReplies(bool split) { m_scenario.splitReplies = split; }
    void setAutoStartDelayMs(int delayMs) { m_scenario.autoStartDelayMs = delayMs; }
    // The coordinator's GPS time lags this far behind the clock, as when it lost its signal.
    void setGpsLagSeconds(int seconds) { m_gpsLagSeconds = seconds; }
    void setCoordinatorBaudRate(int baud) { m_coordinator.setBaudRate(baud); }
    // The reaction of the block at that index in the races to come; none: it never reacts.
    void setLaneReaction(int index, std::optional<int> reactionMs);

    int coordinatorBaudRate() const { return m_coordinator.baudRate(); }
    int portBaudRate() const { return m_pty.baudRate(); }
    const SimCoordinator &coordinator() const { return m_coordinator; }
    int blockCount() const { return int(m_blocks.size()); }
    const SimStartBlock &block(int index) const { return m_blocks.at(size_t(index)); }
    const SimStartBlock *blockForLane(quint8 lane) const;

    QList<SimRequest> receivedRequests() const { return m_received; }
    QList<SimFrame> sentFrames() const { return m_sent; }
    void clearLogs();
    int broadcastAlarmCount() const { return m_broadcastAlarms; }
    qint64 droppedIncomingBytes() const { return m_droppedIncoming; }
    qint64 droppedOutgoingBytes() const { return m_droppedOutgoing; }
    quint64 clockMs() const { return quint64(m_clock.elapsed()); }

    // What a test or the console may make the installation do.
    void startRace();
    // The last start indication sent again as it was, as a coordinator heard twice; nothing starts.
    void repeatStartIndication();
    // Starts the coordinator recorded before the program connected, a minute apart; no race runs.
    void recordEarlierStarts(int count, qint64 firstMsSinceEpoch);
    void requestReady();
    void requestPowerDownAll();
    void sendRelayFrame(const QByteArray &items = QByteArray());
    void powerOnAll();
    // Bytes written exactly as given, past every fault model, in turn with the replies.
    void injectRaw(const QByteArray &bytes);
    void injectFrame(const SimFrame &frame, bool corruptCrc = false);

signals:
    void requestReceived(const SimRequest &request);
    void frameSent(const SimFrame &frame, bool corruptCrc);
    void replyLost(const SimFrame &frame);
    void bytesDropped(int count, bool incoming);
    void badFrameReceived();
    void broadcastAlarmReceived();
    void forwardedFrameReceived(const SimFrame &frame);
    void sampleCompleted(const QByteArray &mac, const QByteArray &sample);
    void linkSpeedChanged(int baud);
    void raceStarted(const HX_GPS_TIME &start);
    void measurementFinished(quint8 lane);

private:
    // How the bytes of one piece travel, for the speed model.
    enum class Line { Unchecked, CoordinatorSpeed, WiredSpeed };

    void onBytesReceived(const QByteArray &bytes);
    bool incomingSpeedMatches(qsizetype count);
    void transmit(const QByteArray &piece, int line);
    void handleFrame(const SimFrame &frame);
    void handleCoordinatorRequest(const SimRequest &request);
    void handleBlockRequest(SimStartBlock &block, const SimRequest &request);
    void handleBroadcast(const SimRequest &request);
    void handleSample(SimSampleAssembler &samples, const QByteArray &mac, const SimRequest &request);
    void applyCoordinatorSettings(const SimRequest &request);
    void applyCoordinatorStatus(const SimRequest &request);
    void applyBlockStatus(SimStartBlock &block, quint8 id, quint8 value);
    void applyBroadcastStatus(quint8 id, quint8 value);
    void answerIdentification(const SimRequest &request);

    void readyAll();
    void idleAll();
    void startBlock(int index, quint32 startClockMs);
    void finishBlock(int index, quint64 generation);
    void sendWiredHeaders();
    void sendBlockAlarm(int index, quint64 generation);
    SimFrame startIndication(const HX_GPS_TIME &start) const;

    void reply(const QByteArray &source, const SimRequest &request, quint8 command, const QByteArray &items);
    void sendUnsolicited(const QByteArray &source, quint8 command, const QByteArray &items);
    void send(const SimFrame &frame, bool faultsApply);
    void queueFrameBytes(const QByteArray &bytes);
    SimStartBlock *blockForMac(const QByteArray &mac);

    SimScenario m_scenario;
    int m_gpsLagSeconds = 0;
    SimPty m_pty;
    SimFrameParser m_parser;
    SimTransmitter m_transmitter;
    SimRandom m_random;
    SimCoordinator m_coordinator;
    std::vector<SimStartBlock> m_blocks;
    QElapsedTimer m_clock;
    QTimer m_autoStart;
    quint64 m_raceGeneration = 0; // timers of an earlier race find a newer number and do nothing
    std::optional<HX_GPS_TIME> m_lastStart;
    quint16 m_ownSequence = 0;
    int m_lastPortBaud = 0;
    QList<SimRequest> m_received;
    QList<SimFrame> m_sent;
    int m_broadcastAlarms = 0;
    qint64 m_droppedIncoming = 0;
    qint64 m_droppedOutgoing = 0;
};
