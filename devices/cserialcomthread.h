#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <QVariant>

#include "core/sharedtypes.h"
#include "devices/racerun.h"
#include "devices/serialframering.h"

class QIODevice;
class QProgressDialog;
class QSerialPort;
class CCoordinator;
class CStartBlock;
class SerialClock;

// Owns the serial port to the coordinator and everything that goes over it: builds and writes every
// request, reads and dispatches the replies, polls the devices in rotation, runs a race from Ready to the
// saved graphs, uploads start-sound samples and detects wired or wireless operation.
//
// The thread only runs an empty event loop: this object, its timers and its port live in the GUI thread.
// The port is opened through a factory and time is read from one clock, so tests can put an in-memory
// device and a clock of their own in their place.
class CSerialComThread : public QThread
{
    Q_OBJECT

public:
    // Opens the named port read-write at the given speed (8 data bits, no parity, 1 stop bit, no flow
    // control); nullptr when it cannot be opened. The caller takes ownership.
    using PortFactory = std::function<QIODevice *(const QString &name, qint32 baudRate)>;

    static constexpr qint32 kBaudWired = 9600;
    static constexpr qint32 kBaudWireless = 38400;
    static constexpr int kMaxSampleSize = 65534; // the total-length item has two bytes

    explicit CSerialComThread(QObject *parent = nullptr, PortFactory portFactory = {},
                              std::shared_ptr<SerialClock> clock = {});
    ~CSerialComThread() override;

    static QIODevice *openSerialPort(const QString &name, qint32 baudRate);
    // Opens a port made elsewhere (a subclass, say) as openSerialPort() does; false when it cannot.
    static bool openAndConfigure(QSerialPort &port, qint32 baudRate);
    // The port failed after it had opened (the device went away): it is closed, nothing is polled or
    // written until a port is opened again.
    bool isPortLost() const { return m_portLost; }

    // Every device has followed Ready and the race has not started; read directly by the test dialogs.
    bool allReady = false;

    void OpenPort(const QString &portText, qint32 baudRate);
    void ApplyOperationModeBaudRate();
    void SetOperationMode(int mode);
    qint32 baudRate() const;
    // Waits until every byte written so far has left the port; false when they did not within the time.
    bool waitForBytesWritten(int msecs);
    int operationMode() const { return m_operationMode; }
    int userSelectedOperationMode() const { return m_userSelectedOperationMode; }
    void setUserSelectedOperationMode(int mode) { m_userSelectedOperationMode = mode; }
    void StartFastModeProbing();
    void StopResyncTimer();
    // Also pauses the fetching of a race's graphs.
    void StopQuestionsTimer();
    // Polling again, or, while a race's graphs are being fetched, their fetching where it stopped; opening
    // the port does this.
    void ResumeQuestions();
    // A race started or being fetched is saved now with what arrived, and its fetching ends: the lanes
    // are about to be rebuilt or armed for the next race.
    void SaveRaceUnderWay();
    // The run that the last Ready began (null before the first). Each Ready makes a new one; the old one
    // keeps what it was for whoever still holds it.
    RaceRunPointer raceRun() const { return m_run; }
    // The kind of run the next Ready from outside begins; any state command from outside uses it up.
    void setNextRunKind(RaceRun::Kind kind) { m_nextRunKind = kind; }
    // How long a run that has started may take, at most, until its last save by the usual waits: every
    // reaction, then every graph and sound graph asked for until given up.
    int longestRunWaitMs() const;
    void Quit();
    // The polling round counter; 4 makes the next round ask every device for its info fields.
    quint32 cycleCounter() const;
    void setCycleCounter(quint32 value);

    void setCoordinator(CCoordinator *coordinator);
    void clearCoordinator();
    CCoordinator *coordinator() const;
    void setIdentifyStartBlock(CStartBlock *startBlock);
    void clearIdentifyStartBlock();

    void appendStartBlock(CStartBlock *startBlock);
    void removeStartBlock(CStartBlock *startBlock);
    void clearStartBlocks();
    CStartBlock *startBlockAt(int index) const;
    int startBlockCount() const;
    void appendInactiveStartBlock(CStartBlock *startBlock);
    void removeInactiveStartBlock(CStartBlock *startBlock);
    void clearInactiveStartBlocks();
    CStartBlock *inactiveStartBlockAt(int index) const;
    int inactiveStartBlockCount() const;

    void SendStatusRequest(CStartBlock *startBlock);
    void SendStatusRequestCoordinator(CCoordinator *coordinator);
    void SendInfoRequest(CStartBlock *startBlock);
    void SendInfoRequestCoordinator(CCoordinator *coordinator);
    void SendOperationModeSelectionRequest(CStartBlock *startBlock);
    void SendSyncRequest();
    // Uploads a sample to one device in acknowledged packets; false when refused, cancelled or cut off.
    bool LoadSamples(const QByteArray &mac, quint16 samplePeriod, const QByteArray &sample);
    void WaitMs(int ms);

    // The reader's work on bytes from the port, byte by byte.
    void processReceivedBytes(const QByteArray &bytes);

    // State the polling works on, for the views and for tests.
    quint16 sequenceCounter() const { return m_sequence; }
    quint32 polledIndex() const { return m_polledIndex; }
    quint32 probeIndex() const { return m_probeIndex; }
    int forceMode() const { return m_forceMode; }
    bool isAllIdle() const { return m_allIdle; }
    bool isQuiet() const { return m_quiet; }
    bool isPolling() const { return m_pollTimer.isActive(); }
    int pollingInterval() const { return m_pollTimer.interval(); }
    bool isGraphPolling() const { return m_graphTimer.isActive(); }
    int graphInterval() const { return m_graphTimer.interval(); }
    bool isResyncTimerRunning() const { return m_resyncTimer.isActive(); }
    int resyncInterval() const { return m_resyncTimer.interval(); }
    bool isGraphStartPending() const { return m_graphStartTimer.isActive(); }
    int graphStartDelay() const { return m_graphStartTimer.interval(); }
    bool isBaudSwitchDone() const { return m_baudSwitchDone; }
    int baudRetriesLeft() const { return m_baudRetries; }
    quint8 alarmThreshold() const { return m_alarmThreshold; }
    quint8 startThreshold() const { return m_startThreshold; }
    int wiredVotes() const { return m_wiredCount; }
    int wirelessVotes() const { return m_wirelessCount; }
    QList<CStartBlock *> skippedBlocks() const { return m_skipList; }
    CStartBlock *broadcastDevice() const { return m_broadcast; }

signals:
    void serial_port_opened(bool ok);
    // Once per loss of an open port; reason is the system's text.
    void serial_port_lost(const QString &port, const QString &reason);
    // run: the id of the run whose results these are (RaceRun::id()).
    void save_results_file(ResultsDataType type, bool printing_allowed, quint64 run);
    // The block's graph (or sound graph) did not come in time: this race is saved without it.
    void graph_given_up(CStartBlock *startBlock, bool sound);
    void change_operation_mode(OperationMode mode);
    void data_request_sent(CommandType type);
    void calibration_request_ack_received();

public slots:
    void onReadyRead();
    void OnQuestionsTimer();
    void OnGraphTimerTimeout();
    void OnReSynchronizationTimeout();
    void OnSetInfoRequest(unsigned char type, QVariant data, CStartBlock *startBlock);
    void OnSetInfoRequestCoordinator(unsigned char type, QVariant data, CCoordinator *coordinator);
    void OnSetStatusRequest(unsigned char type, QVariant data, CStartBlock *startBlock);
    void OnSetStatusRequestCoordinator(unsigned char type, QVariant data, CCoordinator *coordinator);
    void OnSetDemoSampleRequest(unsigned short sampleFrequency, QByteArray *data, QStringList macAddresses);
    void OnStartTimeRequestCoordinator(unsigned char type, QVariant data, CCoordinator *coordinator);
    void OnNewOrvaneAlert(unsigned char type, unsigned short length, unsigned char *data);
    void OnSetAllDevicesPowerDown();
    void OnGetGraphRequest(CStartBlock *startBlock, bool stopTimer);
    void OnGetSoundGraphRequest(CStartBlock *startBlock, bool stopTimer);
    void OnAlarmAlertIndication(CStartBlock *startBlock);
    void OnParticipationStatusChanged(CStartBlock *startBlock);
    void OnCoordinatorNewSpectrum();
    void OnStartBlockSetChanged();
    void OnIdentifierRequest(CStartBlock *startBlock);
    void setPowerDownRequest(CStartBlock *startBlock);
    void setPowerDownRequestCoordinator(CCoordinator *coordinator);
    void OnSetCalibrationRequestCoordinator(CCoordinator *coordinator);
    void setResyncRequest(CStartBlock *startBlock);
    void startQuestionsTimerTimeout();
    void startGraphsTimerTimeout();
    void OnEvaluateOperationModeSelection();

protected:
    void run() override;

    // The only widgets of the serial link, kept apart so the logic runs headless.
    virtual void showUploadImpossibleWarning();
    virtual void openUploadProgress(const QString &macText, int total);
    virtual void setUploadProgress(int value);
    virtual bool isUploadCanceled() const;
    virtual void closeUploadProgress();

private:
    using FrameBuilder = std::function<QByteArray(quint16 sequence)>;
    using LogAppender = std::function<void(const PACKET_LOG &entry)>;

    // Counts of one polling tick over the polled blocks.
    struct BlockCounts {
        int ready = 0; // READY while Ready is commanded
        int idle = 0;
        bool allReadyState = true; // every block reports READY
    };

    qint64 now() const;
    quint32 elapsedOnClock() const;
    bool isWired() const { return m_operationMode == OperationModeWired; }
    int blocksInSet() const;
    QList<CStartBlock *> polledBlocks() const;
    QList<CStartBlock *> inactiveBlocks() const;
    static quint8 stateOf(const CStartBlock *block);

    // port
    void closePort();
    bool canWrite() const { return m_port && !m_portLost; }
    void connectPortFailures(QIODevice *port);
    void onPortFailed(QIODevice *port, const QString &reason);
    void readOn(QSerialPort *port);
    void closeLostPort(QIODevice *port, const QString &reason);
    void stopWritingTimers();
    void markDevicesLinkLost();
    void flushPort();
    void reopenPort(qint32 baudRate);
    void processEventsFor(int ms);

    // sending
    bool sendFrame(const FrameBuilder &build, const LogAppender &log = {});
    bool sendRequest(const QByteArray &mac, quint8 command, const LogAppender &log = {});
    void writeRaw(const QByteArray &bytes);
    void forwardToBlocks(int frameLength);
    void writeAlarmIndication();
    template<typename Device>
    static LogAppender logTo(Device *device);

    // reader
    void processByte(quint8 byte);
    bool isWatchingWiredHeaders() const;
    void onAlarmHeaderByte();
    void onStartHeaderByte();
    void handleFrame(RingFrame &frame);
    void dispatchToPolledBlock(RingFrame &frame);
    bool isStrayGraph(quint8 command) const;
    void dispatchToCoordinator(RingFrame &frame);
    void setHeaderThresholds(const QByteArray &frame);

    // state commands and participation
    // newRun: a Ready from outside; the serial object's own repeats keep the run they repeat for.
    int applyStateCommand(int value, bool newRun);
    void sendStateCommand(int value, CStartBlock *target);
    void beginReadyPhase(bool newRun);
    void beginIdlePhase();
    void startForceClock(int mode);
    void dropForceClock(const char *debugText);

    // polling
    void pollWithoutBlocks(CCoordinator *coordinator);
    void pollBlocks(const QList<CStartBlock *> &blocks, CCoordinator *coordinator);
    BlockCounts countBlockStates(const QList<CStartBlock *> &blocks);
    void repeatForcedState(const BlockCounts &counts, int blockCount, CCoordinator *coordinator);
    bool collectReactions(const QList<CStartBlock *> &blocks);
    bool countsReactions() const;
    void noteFalseStarts(const QList<CStartBlock *> &blocks);
    bool isRunUnderWay() const { return m_run && m_run->isUnderWay(); }
    bool isRunStarted() const { return m_run && m_run->hasStarted(); }
    bool isFetchingRunGraphs() const { return m_run && m_run->isFetchingGraphs(); }
    void startGraphsAfterReactions();
    void skipBlocksWithoutReaction(const QList<CStartBlock *> &blocks);
    void leaveOutOfRunUnderWay(CStartBlock *startBlock);
    void updateAllIdle(bool idle);
    bool announceEverybodyReady(CCoordinator *coordinator);
    bool sendSyncInsteadOfQuestion(bool reactionsIn);
    void askNextQuestion(const QList<CStartBlock *> &blocks, CCoordinator *coordinator);
    void askInactiveOrCoordinatorInfo(CCoordinator *coordinator);
    bool isProbeDue(const QList<CStartBlock *> &blocks);
    void probeOperationMode(const QList<CStartBlock *> &blocks, CCoordinator *coordinator);
    void superviseLinkSpeed();
    void advanceCycle();
    int pollingPeriodMs() const;
    int graphPeriodMs() const;
    void restartPolling();
    void sendCoordinatorStatusRepeatedly(quint8 id, CCoordinator *coordinator);

    // graphs, samples, mode vote
    bool requestNextGraph(const QList<CStartBlock *> &blocks);
    bool requestNextSoundGraph(const QList<CStartBlock *> &blocks);
    bool givesUpOnGraph(CStartBlock *block, bool sound);
    void emitReactionGraphsSaved(const std::shared_ptr<RaceRun> &run);
    void emitSoundGraphsSaved(const std::shared_ptr<RaceRun> &run);
    void saveRaceWithWhatArrived();
    void endGraphPolling();
    void evaluateModeAnswer(int answer);
    void switchToWireless();
    bool sendSamplePacket(const QByteArray &mac, quint16 samplePeriod, const QByteArray &sample,
                          quint32 offset);
    bool waitForSampleAck();

    PortFactory m_portFactory;
    std::shared_ptr<SerialClock> m_clock;
    QIODevice *m_port = nullptr; // child of this object
    QString m_portName;
    qint32 m_baudRate = 0;
    bool m_portLost = false;

    QList<CStartBlock *> m_polledBlocks;
    QList<CStartBlock *> m_inactiveBlocks;
    mutable QMutex m_polledLock;
    mutable QMutex m_inactiveLock;
    CStartBlock *m_identifyTarget = nullptr;
    mutable QMutex m_identifyLock;
    CCoordinator *m_coordinator = nullptr;
    mutable QMutex m_coordinatorLock;
    QMutex m_writeLock;
    CStartBlock *m_broadcast = nullptr; // child: the pseudo-device that addresses every block

    SerialFrameRing m_ring;
    QTimer m_pollTimer;
    QTimer m_graphTimer;
    QTimer m_resyncTimer;
    QTimer m_graphStartTimer; // single shot: wired graph polling waits for the blocks to finish
    qint64 m_sampleClockStart = 0;
    qint64 m_clockStart = 0;
    quint16 m_sequence = 0;
    quint32 m_polledIndex = 0;
    quint32 m_inactiveIndex = 0;
    bool m_newSpectrum = false;
    bool m_sampleAcknowledged = false;
    quint8 m_alarmHeaderCount = 0;
    quint8 m_startHeaderCount = 0;
    bool m_alarmHeaderReceived = false;
    bool m_alarmBroadcastSent = false;
    bool m_resyncStopped = true;
    quint32 m_cycle = 0;
    mutable QMutex m_cycleLock;
    bool m_wasReady = false;
    int m_operationMode = OperationModeWireless;
    int m_userSelectedOperationMode = OperationModeAutomatic;
    bool m_allIdle = false;
    bool m_startHeaderReceived = false;
    bool m_baudSwitchDone = true;
    quint8 m_baudRetries = 0;
    quint32 m_switchCycle = 0;
    bool m_everybodyReadySent = false;
    quint32 m_probeIndex = 0;
    int m_wiredCount = 0;
    int m_wirelessCount = 0;
    int m_lastModeAnswer = 2;
    std::optional<qint64> m_probeClockStart;
    int m_forceMode = 0; // neither Idle nor Ready before the first command
    std::optional<qint64> m_forceClockStart;
    bool m_quiet = false;
    quint32 m_syncTicks = 0;
    quint8 m_alarmThreshold = 0;
    quint8 m_startThreshold = 0;
    QList<CStartBlock *> m_skipList;
    std::shared_ptr<RaceRun> m_run; // what the last Ready began
    quint64 m_runCount = 0;
    RaceRun::Kind m_nextRunKind = RaceRun::Kind::Race;
    // the block whose graph (or sound graph) is being asked for, since when
    struct GraphWait {
        CStartBlock *block = nullptr;
        bool sound = false;
        qint64 sinceMs = 0;
    } m_graphWait;
    quint16 m_noReactionTicks = 0;
    qint64 m_startHeaderTime = 0;

    std::unique_ptr<QProgressDialog> m_progress;
};
