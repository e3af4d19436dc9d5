#include "devices/cserialcomthread.h"

#include <algorithm>
#include <limits>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QMutexLocker>
#include <QPointer>
#include <QProgressBar>
#include <QProgressDialog>
#include <QSerialPort>

#include "core/sharedconstants.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "devices/devicecommands.h"
#include "devices/serialclock.h"
#include "devices/serialframes.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <poll.h>
#endif

namespace
{
Q_LOGGING_CATEGORY(lcSerial, "quellor.serial")

constexpr int kPollIntervalWirelessMs = 100;
constexpr int kPollIntervalWiredMs = 200;
constexpr int kGraphIntervalWirelessMs = 750;
constexpr int kGraphIntervalWiredMs = 1100;
constexpr int kResyncIntervalMs = 300000;
constexpr int kPollRestartAfterGraphRequestMs = 1100;
constexpr int kPowerDownAllWaitMs = 2400;
constexpr int kWaitSliceMs = 100;
constexpr int kAckPollSliceMs = 10;
constexpr int kFlushTimeoutMs = 1000;
constexpr qint64 kForceRepeatMs = 10000;
constexpr qint64 kWiredGraphDelayMs = 2900; // the wired blocks need this long after the start header
constexpr int kEvaluateDelayMs = 100;
constexpr qint64 kProbeBase = 300;
constexpr qint64 kFastProbeBase = 75;
constexpr qint64 kFastProbingMs = 180000;
constexpr int kProbeTicksPerBlock = 6;
constexpr int kProbeExtraTicks = 4;
constexpr quint32 kQuestionsPerCycle = 5;
constexpr quint32 kInfoQuestion = 4; // Q % 5 == 4 asks for info, the rest for status
constexpr quint32 kSyncTickSlot = 4;
constexpr int kNoReactionTicksPerBlock = 9;
constexpr int kAnnounceRepeats = 3;
constexpr quint8 kBaudRetries = 3;
constexpr int kSamplePauseMs = 1001;
constexpr int kSampleAckWaitMs = 2000;
constexpr quint8 kMinHeaderRun = 3;
constexpr quint8 kMaxHeaderRun = 6;

// A block whose graph does not come is given up on, so that the race is saved without that graph. The
// longest reply a block sends (1749 item bytes and 14 frame bytes) takes 1.84 s on the wire at 9600 baud;
// four of them leave it seven wired (1100 ms) or ten wireless (750 ms) requests to answer one.
constexpr qint64 kBitsPerByte = 10; // start bit, 8 data bits, stop bit
constexpr qint64 kLongestReplyMs =
    qint64(SerialFrameRing::kMaxAcceptedLength + SerialFrameRing::kFrameOverhead) * kBitsPerByte * 1000 /
    CSerialComThread::kBaudWired;
constexpr int kGraphReplyTries = 4;
constexpr qint64 kGraphWaitMs = kGraphReplyTries * kLongestReplyMs;

// coordinator info field 22 chooses the link speed: 3 wireless (38400), 1 wired (9600)
constexpr quint8 kInfoLinkSpeed = 22;
constexpr int kLinkSpeedWireless = 3;
constexpr int kLinkSpeedWired = 1;

constexpr quint8 kStatusState = 1;
constexpr quint8 kStatusStartSystemReady = 9;
constexpr quint8 kStatusPhotoFinishReady = 10;
constexpr quint8 kStatusMeasurementActive = 11;
constexpr quint8 kStatusArmed = 28;

constexpr quint8 kOrvaneAlertType = 1;
constexpr quint8 kOrvaneNotReady = 1;

// software versions that understand the broadcast alarm: 3.00 on, or 2.02 to 2.99
constexpr quint16 kAlarmVersionAlways = 300;
constexpr quint16 kAlarmVersionMinor = 200;
constexpr quint16 kAlarmVersionMinorFrom = 2;

bool isAlarmCapable(quint16 softwareVersion)
{
    return softwareVersion >= kAlarmVersionAlways ||
           (softwareVersion >= kAlarmVersionMinor && softwareVersion % 100 >= kAlarmVersionMinorFrom);
}

bool isParticipating(int status)
{
    return status == ParticipationActive || status == ParticipationRup;
}

bool isLeftOut(int status)
{
    return status == ParticipationDns || status == ParticipationDq || status == ParticipationInactive;
}

// A read woken up for nothing reports a resource error too: only a hang-up or an error on the descriptor
// says that the device went away.
bool isHungUp(const QSerialPort &port)
{
#ifdef Q_OS_UNIX
    pollfd watched{int(port.handle()), POLLIN, 0};
    if (watched.fd < 0)
        return true;
    int ready = 0;
    do {
        ready = ::poll(&watched, 1, 0);
    } while (ready < 0 && errno == EINTR);
    return ready > 0 && (watched.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    Q_UNUSED(port);
    return true;
#endif
}

// The device is gone, or reads and writes fail as if it were; timeouts and the rest are left as they are.
bool isLinkLoss(const QSerialPort &port, QSerialPort::SerialPortError error)
{
    const bool failed = error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
                        error == QSerialPort::WriteError || error == QSerialPort::DeviceNotFoundError;
    return failed && isHungUp(port);
}

QString macTextOf(const QByteArray &mac)
{
    QStringList parts;
    for (const char byte : mac)
        parts << QStringLiteral("%1").arg(quint8(byte), 2, 16, QLatin1Char('0'));
    return parts.join(QLatin1Char(':'));
}

const char *boolText(bool value)
{
    return value ? "true" : "false";
}
} // namespace

CSerialComThread::CSerialComThread(QObject *parent, PortFactory portFactory,
                                   std::shared_ptr<SerialClock> clock)
    : QThread(parent), m_portFactory(std::move(portFactory)), m_clock(std::move(clock)),
      m_baudRetries(kBaudRetries)
{
    if (!m_portFactory)
        m_portFactory = &CSerialComThread::openSerialPort;
    if (!m_clock)
        m_clock = std::make_shared<SerialClock>();
    m_broadcast = new CStartBlock(this);
    m_broadcast->SetMacAddress(QString::fromLatin1(SharedConstants::kBroadcastMac));
    m_clockStart = now();
    m_sampleClockStart = now();
    m_probeClockStart = now();

    m_graphStartTimer.setSingleShot(true);
    connect(&m_pollTimer, &QTimer::timeout, this, &CSerialComThread::OnQuestionsTimer);
    connect(&m_graphTimer, &QTimer::timeout, this, &CSerialComThread::OnGraphTimerTimeout);
    connect(&m_resyncTimer, &QTimer::timeout, this, &CSerialComThread::OnReSynchronizationTimeout);
    connect(&m_graphStartTimer, &QTimer::timeout, this, &CSerialComThread::startGraphsTimerTimeout);
}

CSerialComThread::~CSerialComThread()
{
    quit();
    wait();
}

void CSerialComThread::run()
{
    exec();
}

QIODevice *CSerialComThread::openSerialPort(const QString &name, qint32 baudRate)
{
    auto port = std::make_unique<QSerialPort>(name);
    return openAndConfigure(*port, baudRate) ? port.release() : nullptr;
}

bool CSerialComThread::openAndConfigure(QSerialPort &port, qint32 baudRate)
{
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.setBaudRate(baudRate);
    port.setParity(QSerialPort::NoParity);
    port.setDataBits(QSerialPort::Data8);
    port.setFlowControl(QSerialPort::NoFlowControl);
    port.setStopBits(QSerialPort::OneStop);
    return true;
}

qint64 CSerialComThread::now() const
{
    return m_clock->steadyMs();
}

quint32 CSerialComThread::elapsedOnClock() const
{
    return quint32(now() - m_clockStart);
}

// ---------------------------------------------------------------------------------------------------
// port

void CSerialComThread::OpenPort(const QString &portText, qint32 baudRate)
{
    // the port list shows "name [description]"
    const QString name = portText.section(QLatin1Char('['), 0, 0).trimmed();
    m_pollTimer.stop();
    closePort();
    m_portName = name;
    QIODevice *port = m_portFactory(name, baudRate);
    m_clockStart = now();
    if (!port) {
        // nothing more can arrive for a race under way
        m_graphTimer.stop();
        m_graphStartTimer.stop();
        emit serial_port_opened(false);
        saveRaceWithWhatArrived();
        return;
    }
    port->setParent(this);
    {
        QMutexLocker lock(&m_writeLock);
        m_port = port;
        m_baudRate = baudRate;
    }
    m_portLost = false;
    connect(port, &QIODevice::readyRead, this, &CSerialComThread::onReadyRead);
    connectPortFailures(port);
    emit serial_port_opened(true);
    ResumeQuestions();
}

void CSerialComThread::closePort()
{
    QIODevice *old = nullptr;
    {
        QMutexLocker lock(&m_writeLock);
        old = m_port;
        m_port = nullptr;
        m_baudRate = 0;
    }
    if (!old)
        return;
    disconnect(old, nullptr, this, nullptr);
    // the frame written just before a speed change must still leave at the old speed; a lost port
    // takes nothing any more
    if (!m_portLost) {
        while (old->bytesToWrite() > 0 && old->waitForBytesWritten(kFlushTimeoutMs)) {
        }
        if (auto *serial = qobject_cast<QSerialPort *>(old))
            serial->flush();
    }
    old->close();
    old->deleteLater(); // we may be inside one of its signals
}

void CSerialComThread::connectPortFailures(QIODevice *port)
{
    auto *serial = qobject_cast<QSerialPort *>(port);
    if (!serial)
        return; // other devices report a failed write by its result (sendFrame)
    connect(serial, &QSerialPort::errorOccurred, this, [this, serial](QSerialPort::SerialPortError error) {
        if (isLinkLoss(*serial, error))
            onPortFailed(serial, serial->errorString());
        else if (error == QSerialPort::ResourceError)
            QMetaObject::invokeMethod(
                this, [this, port = QPointer<QSerialPort>(serial)] { readOn(port); }, Qt::QueuedConnection);
    });
}

// A read woken up for nothing switches the port's reading off along with its resource error, and only an
// explicit read switches it on again: whatever came meanwhile is read now, or no reply would ever be.
void CSerialComThread::readOn(QSerialPort *port)
{
    if (!port || port != m_port || m_portLost)
        return;
    port->clearError();
    onReadyRead();
}

// The port may be inside its own write or read notification: nothing more is written or asked from now
// on, and the port is closed once control is back in the event loop.
void CSerialComThread::onPortFailed(QIODevice *port, const QString &reason)
{
    if (m_portLost || port != m_port)
        return;
    m_portLost = true;
    stopWritingTimers();
    const QPointer<QIODevice> failed(port);
    QMetaObject::invokeMethod(
        this, [this, failed, reason] { closeLostPort(failed, reason); }, Qt::QueuedConnection);
}

void CSerialComThread::closeLostPort(QIODevice *port, const QString &reason)
{
    if (!port || port != m_port || !m_portLost)
        return; // another port was opened meanwhile
    closePort();
    qCDebug(lcSerial).nospace().noquote() << "Serial port lost: " << m_portName << " (" << reason << ")";
    markDevicesLinkLost();
    emit serial_port_lost(m_portName, reason);
    saveRaceWithWhatArrived();
}

void CSerialComThread::stopWritingTimers()
{
    m_pollTimer.stop();
    m_graphTimer.stop();
    m_graphStartTimer.stop();
    StopResyncTimer();
}

// no request can reach a device now: each shows its link as the link rule shows one that stopped answering
void CSerialComThread::markDevicesLinkLost()
{
    if (CCoordinator *c = coordinator())
        c->SetMeasurementsStatus(LinkLost);
    for (CStartBlock *block : polledBlocks() + inactiveBlocks())
        block->SetMeasurementsStatus(LinkLost);
}

bool CSerialComThread::waitForBytesWritten(int msecs)
{
    QPointer<QIODevice> port;
    {
        QMutexLocker lock(&m_writeLock);
        port = m_port;
    }
    // not under the lock: a reply read while waiting may be answered at once
    QDeadlineTimer deadline(msecs);
    while (port && port->bytesToWrite() > 0) {
        if (deadline.hasExpired() || !port->waitForBytesWritten(int(deadline.remainingTime())))
            return false;
    }
    return true;
}

void CSerialComThread::reopenPort(qint32 baudRate)
{
    OpenPort(m_portName, baudRate);
}

qint32 CSerialComThread::baudRate() const
{
    return m_port ? m_baudRate : 0;
}

void CSerialComThread::ApplyOperationModeBaudRate()
{
    const qint32 baud = isWired() ? kBaudWired : kBaudWireless;
    if (CCoordinator *c = coordinator()) {
        OnSetInfoRequestCoordinator(kInfoLinkSpeed, isWired() ? kLinkSpeedWired : kLinkSpeedWireless, c);
        if (canWrite() && baudRate() != baud)
            reopenPort(baud);
    }
    m_baudSwitchDone = false;
    m_switchCycle = cycleCounter();
}

void CSerialComThread::SetOperationMode(int mode)
{
    m_operationMode = mode;
    m_baudRetries = kBaudRetries;
    ApplyOperationModeBaudRate();
    // a running timer takes the new mode's period even when the port kept its speed
    if (m_pollTimer.isActive())
        m_pollTimer.start(pollingPeriodMs());
    if (m_graphTimer.isActive())
        m_graphTimer.start(graphPeriodMs());
}

int CSerialComThread::longestRunWaitMs() const
{
    const qint64 blocks = std::max(1, startBlockCount());
    const qint64 reactions = (kNoReactionTicksPerBlock * blocks + 1) * pollingPeriodMs();
    // a reaction graph and a sound graph per block, each asked for until given up
    const qint64 graphs = 2 * blocks * (kGraphWaitMs + graphPeriodMs());
    return int(reactions + kWiredGraphDelayMs + graphs);
}

int CSerialComThread::pollingPeriodMs() const
{
    return isWired() ? kPollIntervalWiredMs : kPollIntervalWirelessMs;
}

int CSerialComThread::graphPeriodMs() const
{
    return isWired() ? kGraphIntervalWiredMs : kGraphIntervalWirelessMs;
}

void CSerialComThread::StartFastModeProbing()
{
    m_probeClockStart = now();
}

void CSerialComThread::StopResyncTimer()
{
    m_resyncTimer.stop();
    m_resyncStopped = true;
}

void CSerialComThread::StopQuestionsTimer()
{
    m_pollTimer.stop();
    // a race's graphs wait as well, until ResumeQuestions()
    m_graphTimer.stop();
}

void CSerialComThread::Quit()
{
    quit();
}

quint32 CSerialComThread::cycleCounter() const
{
    QMutexLocker lock(&m_cycleLock);
    return m_cycle;
}

void CSerialComThread::setCycleCounter(quint32 value)
{
    QMutexLocker lock(&m_cycleLock);
    m_cycle = value;
}

void CSerialComThread::advanceCycle()
{
    QMutexLocker lock(&m_cycleLock);
    ++m_cycle;
}

void CSerialComThread::WaitMs(int ms)
{
    const qint64 end = now() + ms;
    for (qint64 left = ms; left > 0; left = end - now())
        processEventsFor(int(std::min<qint64>(left, kWaitSliceMs)));
}

void CSerialComThread::processEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// ---------------------------------------------------------------------------------------------------
// registration

void CSerialComThread::setCoordinator(CCoordinator *coordinator)
{
    QMutexLocker lock(&m_coordinatorLock);
    m_coordinator = coordinator;
}

void CSerialComThread::clearCoordinator()
{
    setCoordinator(nullptr);
}

CCoordinator *CSerialComThread::coordinator() const
{
    QMutexLocker lock(&m_coordinatorLock);
    return m_coordinator;
}

void CSerialComThread::setIdentifyStartBlock(CStartBlock *startBlock)
{
    QMutexLocker lock(&m_identifyLock);
    m_identifyTarget = startBlock;
}

void CSerialComThread::clearIdentifyStartBlock()
{
    setIdentifyStartBlock(nullptr);
}

void CSerialComThread::appendStartBlock(CStartBlock *startBlock)
{
    QMutexLocker lock(&m_polledLock);
    m_polledBlocks.append(startBlock);
}

void CSerialComThread::removeStartBlock(CStartBlock *startBlock)
{
    QMutexLocker lock(&m_polledLock);
    m_polledBlocks.removeAll(startBlock);
}

void CSerialComThread::clearStartBlocks()
{
    // the race's blocks go: it is saved with what they gave while they still exist, and nothing of
    // theirs is skipped, waited for or fetched any more
    SaveRaceUnderWay();
    {
        QMutexLocker lock(&m_polledLock);
        m_polledBlocks.clear();
    }
    m_skipList.clear();
    m_graphWait = {};
}

CStartBlock *CSerialComThread::startBlockAt(int index) const
{
    QMutexLocker lock(&m_polledLock);
    return m_polledBlocks.value(index, nullptr);
}

int CSerialComThread::startBlockCount() const
{
    QMutexLocker lock(&m_polledLock);
    return int(m_polledBlocks.size());
}

void CSerialComThread::appendInactiveStartBlock(CStartBlock *startBlock)
{
    QMutexLocker lock(&m_inactiveLock);
    m_inactiveBlocks.append(startBlock);
}

void CSerialComThread::removeInactiveStartBlock(CStartBlock *startBlock)
{
    QMutexLocker lock(&m_inactiveLock);
    m_inactiveBlocks.removeAll(startBlock);
}

void CSerialComThread::clearInactiveStartBlocks()
{
    QMutexLocker lock(&m_inactiveLock);
    m_inactiveBlocks.clear();
}

CStartBlock *CSerialComThread::inactiveStartBlockAt(int index) const
{
    QMutexLocker lock(&m_inactiveLock);
    return m_inactiveBlocks.value(index, nullptr);
}

int CSerialComThread::inactiveStartBlockCount() const
{
    QMutexLocker lock(&m_inactiveLock);
    return int(m_inactiveBlocks.size());
}

QList<CStartBlock *> CSerialComThread::polledBlocks() const
{
    QMutexLocker lock(&m_polledLock);
    return m_polledBlocks;
}

QList<CStartBlock *> CSerialComThread::inactiveBlocks() const
{
    QMutexLocker lock(&m_inactiveLock);
    return m_inactiveBlocks;
}

int CSerialComThread::blocksInSet() const
{
    return startBlockCount() + inactiveStartBlockCount();
}

quint8 CSerialComThread::stateOf(const CStartBlock *block)
{
    const CStartBlockMeasurement *measurement = block->measurement();
    return measurement ? measurement->state() : 0;
}

// ---------------------------------------------------------------------------------------------------
// sending

bool CSerialComThread::sendFrame(const FrameBuilder &build, const LogAppender &log)
{
    QMutexLocker lock(&m_writeLock);
    if (!canWrite())
        return false;
    const QByteArray frame = build(m_sequence);
    if (frame.isEmpty())
        return false;
    if (log)
        log(PACKET_LOG{m_sequence, elapsedOnClock(), 0});
    if (m_port->write(frame) < 0) {
        onPortFailed(m_port, m_port->errorString());
        return false;
    }
    ++m_sequence;
    return true;
}

bool CSerialComThread::sendRequest(const QByteArray &mac, quint8 command, const LogAppender &log)
{
    return sendFrame([&](quint16 sequence) { return SerialFrames::request(mac, sequence, command); }, log);
}

template<typename Device>
CSerialComThread::LogAppender CSerialComThread::logTo(Device *device)
{
    return [device](const PACKET_LOG &entry) { device->appendRequestLog(entry); };
}

void CSerialComThread::writeRaw(const QByteArray &bytes)
{
    QMutexLocker lock(&m_writeLock);
    if (canWrite() && m_port->write(bytes) < 0)
        onPortFailed(m_port, m_port->errorString());
}

void CSerialComThread::writeAlarmIndication()
{
    writeRaw(SerialFrames::alarmIndication());
}

void CSerialComThread::forwardToBlocks(int frameLength)
{
    const QByteArray received = m_ring.lastBytes(frameLength);
    const bool sent =
        sendFrame([&](quint16 sequence) { return SerialFrames::forwarded(received, sequence); });
    if (!sent)
        qCDebug(lcSerial) << "NULL";
}

void CSerialComThread::SendStatusRequest(CStartBlock *startBlock)
{
    if (!startBlock || !sendRequest(startBlock->macBytes(), DeviceCommand::kStatusRequest, logTo(startBlock)))
        return;
    startBlock->CheckMeasurementsStatus(blocksInSet());
    emit data_request_sent(CommandStatus);
}

void CSerialComThread::SendStatusRequestCoordinator(CCoordinator *coordinator)
{
    if (!coordinator ||
        !sendRequest(coordinator->macBytes(), DeviceCommand::kStatusRequest, logTo(coordinator)))
        return;
    coordinator->CheckMeasurementsStatus(blocksInSet());
    emit data_request_sent(CommandStatus);
}

void CSerialComThread::SendInfoRequest(CStartBlock *startBlock)
{
    if (startBlock && sendRequest(startBlock->macBytes(), DeviceCommand::kInfoRequest, logTo(startBlock)))
        emit data_request_sent(CommandInfo);
}

void CSerialComThread::SendInfoRequestCoordinator(CCoordinator *coordinator)
{
    // until the first spectrum has come the coordinator is asked for its spectrum instead
    const quint8 command = m_newSpectrum ? DeviceCommand::kInfoRequest : DeviceCommand::kSpectrumRequest;
    if (coordinator && sendRequest(coordinator->macBytes(), command, logTo(coordinator)))
        emit data_request_sent(CommandInfo);
}

void CSerialComThread::SendOperationModeSelectionRequest(CStartBlock *startBlock)
{
    if (startBlock && sendRequest(startBlock->macBytes(), DeviceCommand::kOperationModeRequest))
        emit data_request_sent(CommandOperationModeSelection);
}

void CSerialComThread::SendSyncRequest()
{
    sendRequest(SerialFrames::broadcastMac(), DeviceCommand::kSynchronise);
}

void CSerialComThread::OnReSynchronizationTimeout()
{
    SendSyncRequest();
}

void CSerialComThread::OnSetInfoRequest(unsigned char type, QVariant data, CStartBlock *startBlock)
{
    if (!startBlock)
        return;
    const QByteArray mac = startBlock->macBytes();
    sendFrame([&](quint16 sequence) { return SerialFrames::setInfo(mac, sequence, type, data); },
              logTo(startBlock));
}

void CSerialComThread::OnSetInfoRequestCoordinator(unsigned char type, QVariant data,
                                                   CCoordinator *coordinator)
{
    if (!coordinator)
        return;
    const QByteArray mac = coordinator->macBytes();
    sendFrame([&](quint16 sequence) { return SerialFrames::setInfo(mac, sequence, type, data); });
}

void CSerialComThread::OnSetStatusRequest(unsigned char type, QVariant data, CStartBlock *startBlock)
{
    if (!startBlock || !SerialFrames::isBlockSetStatusId(type))
        return;
    int value = data.toInt();
    if (type == kStatusState) {
        value = applyStateCommand(value, true);
        m_nextRunKind = RaceRun::Kind::Race;
    }
    const QByteArray mac = startBlock->macBytes();
    sendFrame([&](quint16 sequence) { return SerialFrames::setStatusBlock(mac, sequence, type, value); });
}

void CSerialComThread::OnSetStatusRequestCoordinator(unsigned char type, QVariant data,
                                                     CCoordinator *coordinator)
{
    if (!coordinator)
        return;
    const QByteArray mac = coordinator->macBytes();
    sendFrame(
        [&](quint16 sequence) { return SerialFrames::setStatusCoordinator(mac, sequence, type, data); });
}

void CSerialComThread::OnStartTimeRequestCoordinator(unsigned char type, QVariant data,
                                                     CCoordinator *coordinator)
{
    if (!coordinator)
        return;
    const QByteArray mac = coordinator->macBytes();
    sendFrame([&](quint16 sequence) { return SerialFrames::startTimeRequest(mac, sequence, type, data); });
}

void CSerialComThread::OnNewOrvaneAlert(unsigned char type, unsigned short length, unsigned char *data)
{
    CCoordinator *c = coordinator();
    if (type != kOrvaneAlertType || length == 0 || !data || !c)
        return;
    const quint8 ready = data[0] != kOrvaneNotReady ? 1 : 0;
    if (c->statusField10() != ready)
        OnSetStatusRequestCoordinator(kStatusPhotoFinishReady, ready, c);
}

void CSerialComThread::OnSetAllDevicesPowerDown()
{
    m_pollTimer.stop();
    m_graphTimer.stop();
    setPowerDownRequest(m_broadcast);
    // the blocks must be down before the coordinator that relays to them goes
    WaitMs(kPowerDownAllWaitMs);
    setPowerDownRequestCoordinator(coordinator());
    setCycleCounter(0);
    startQuestionsTimerTimeout();
}

void CSerialComThread::OnGetGraphRequest(CStartBlock *startBlock, bool stopTimer)
{
    if (startBlock && sendRequest(startBlock->macBytes(), DeviceCommand::kGraphRequest, logTo(startBlock)))
        emit data_request_sent(CommandGraph);
    if (stopTimer)
        restartPolling();
}

void CSerialComThread::OnGetSoundGraphRequest(CStartBlock *startBlock, bool stopTimer)
{
    if (startBlock &&
        sendRequest(startBlock->macBytes(), DeviceCommand::kSoundGraphRequest, logTo(startBlock)))
        emit data_request_sent(CommandSoundGraph);
    if (stopTimer)
        restartPolling();
}

void CSerialComThread::restartPolling()
{
    m_pollTimer.stop();
    m_graphTimer.stop();
    // leave the line to the graph reply before questions resume
    QTimer::singleShot(kPollRestartAfterGraphRequestMs, this, &CSerialComThread::startQuestionsTimerTimeout);
}

void CSerialComThread::OnAlarmAlertIndication(CStartBlock *)
{
    qCDebug(lcSerial) << "BC alarm indication";
    writeAlarmIndication();
}

void CSerialComThread::OnCoordinatorNewSpectrum()
{
    m_newSpectrum = true;
}

void CSerialComThread::OnIdentifierRequest(CStartBlock *startBlock)
{
    if (startBlock && sendRequest(startBlock->macBytes(), DeviceCommand::kIdentifierRequest))
        emit data_request_sent(CommandIdentifier);
}

void CSerialComThread::setPowerDownRequest(CStartBlock *startBlock)
{
    if (startBlock && sendRequest(startBlock->macBytes(), DeviceCommand::kPowerDown, logTo(startBlock)))
        emit data_request_sent(CommandPowerDown);
}

void CSerialComThread::setPowerDownRequestCoordinator(CCoordinator *coordinator)
{
    if (coordinator && sendRequest(coordinator->macBytes(), DeviceCommand::kPowerDown, logTo(coordinator)))
        emit data_request_sent(CommandPowerDown);
}

void CSerialComThread::OnSetCalibrationRequestCoordinator(CCoordinator *coordinator)
{
    if (coordinator)
        sendRequest(coordinator->macBytes(), DeviceCommand::kCalibrationRequest);
}

void CSerialComThread::setResyncRequest(CStartBlock *startBlock)
{
    if (!startBlock)
        return;
    qCDebug(lcSerial).nospace() << "Resync to lane " << startBlock->lane();
    sendRequest(startBlock->macBytes(), DeviceCommand::kResynchronise);
}

// ---------------------------------------------------------------------------------------------------
// reader

void CSerialComThread::onReadyRead()
{
    if (m_port)
        processReceivedBytes(m_port->readAll());
}

void CSerialComThread::processReceivedBytes(const QByteArray &bytes)
{
    for (const char byte : bytes)
        processByte(quint8(byte));
}

void CSerialComThread::processByte(quint8 byte)
{
    m_ring.push(byte);
    if (isWatchingWiredHeaders()) {
        if (byte == DeviceCommand::kAlarmHeaderByte) {
            onAlarmHeaderByte();
            return;
        }
        if (byte == DeviceCommand::kStartHeaderByte) {
            onStartHeaderByte();
            return;
        }
        m_alarmHeaderCount = 0;
        m_startHeaderCount = 0;
    }
    if (byte != SerialFrameRing::kEndByte)
        return;
    std::optional<RingFrame> frame = m_ring.frameEndingHere();
    if (frame)
        handleFrame(*frame);
}

bool CSerialComThread::isWatchingWiredHeaders() const
{
    return isWired() && allReady && isRunStarted();
}

void CSerialComThread::onAlarmHeaderByte()
{
    qCDebug(lcSerial) << "Read Wired alarm header";
    if (m_alarmHeaderCount < std::numeric_limits<quint8>::max())
        ++m_alarmHeaderCount;
    if (m_alarmHeaderCount < m_alarmThreshold)
        return;
    m_alarmHeaderReceived = true;
    qCDebug(lcSerial) << "Alarm header received";
    const CCoordinator *c = coordinator();
    if (c && isAlarmCapable(c->softwareVersion()) && !m_alarmBroadcastSent) {
        m_alarmBroadcastSent = true;
        writeAlarmIndication();
    }
}

void CSerialComThread::onStartHeaderByte()
{
    qCDebug(lcSerial) << "Read Wired start header";
    if (m_startHeaderCount < std::numeric_limits<quint8>::max())
        ++m_startHeaderCount;
    if (m_startHeaderCount < m_startThreshold || m_startHeaderReceived)
        return;
    qCDebug(lcSerial) << "Start header received";
    m_startHeaderReceived = true;
    m_startHeaderTime = m_clock->msSinceEpoch();
    if (m_alarmHeaderReceived && !m_alarmBroadcastSent) {
        qCDebug(lcSerial) << "Broadcast alarm";
        writeAlarmIndication();
        m_alarmBroadcastSent = true;
    }
    setCycleCounter(0);
    startQuestionsTimerTimeout();
}

void CSerialComThread::handleFrame(RingFrame &frame)
{
    if (frame.command == DeviceCommand::kSampleAck) {
        qCDebug(lcSerial) << "Read Demo ack";
        m_sampleAcknowledged = true;
    } else if (frame.command == DeviceCommand::kCalibrationAck) {
        qCDebug(lcSerial) << "Calibration request ack";
        emit calibration_request_ack_received();
    }

    CStartBlock *target = nullptr;
    {
        QMutexLocker lock(&m_identifyLock);
        target = m_identifyTarget;
    }
    // identifier replies reach the block being identified whatever their source
    if (target && frame.command == DeviceCommand::kIdentifierReply)
        target->HandlePacket(frame.command, quint16(frame.items.size()),
                             reinterpret_cast<unsigned char *>(frame.items.data()));
    dispatchToPolledBlock(frame);
    dispatchToCoordinator(frame);
}

void CSerialComThread::dispatchToPolledBlock(RingFrame &frame)
{
    for (CStartBlock *block : polledBlocks()) {
        if (block->macBytes() != frame.mac)
            continue;
        block->stampReplyTime(frame.sequence, elapsedOnClock());
        if (isStrayGraph(frame.command))
            return;
        block->HandlePacket(frame.command, quint16(frame.items.size()),
                            reinterpret_cast<unsigned char *>(frame.items.data()));
        return;
    }
}

// A graph that comes while no run's graphs are fetched, late after its race was saved, is in no file: the
// live view is not to show it, nor the next race to keep it as its own.
bool CSerialComThread::isStrayGraph(quint8 command) const
{
    const bool graph = command == DeviceCommand::kGraphReply || command == DeviceCommand::kSoundGraphReply;
    return graph && m_run && !m_run->isFetchingGraphs();
}

void CSerialComThread::dispatchToCoordinator(RingFrame &frame)
{
    CCoordinator *c = coordinator();
    if (!c || c->macBytes() != frame.mac)
        return;
    const int frameLength = int(frame.items.size()) + SerialFrameRing::kFrameOverhead;
    if (frame.command == DeviceCommand::kStartIndication) {
        // from now on the run is saved whatever happens to the link; one called off by Idle did not start
        if (m_run && m_forceMode == DeviceReady)
            m_run->markStarted();
        qCDebug(lcSerial) << "RX Start indication from CU";
        if (isWired()) {
            // wired blocks hear the start only from us
            forwardToBlocks(frameLength);
            qCDebug(lcSerial) << "redirect start indication";
            setHeaderThresholds(m_ring.lastBytes(frameLength));
            return;
        }
    } else if (frame.command == DeviceCommand::kForwardToBlocks) {
        forwardToBlocks(frameLength);
        return;
    }
    c->stampReplyTime(frame.sequence, elapsedOnClock());
    c->HandlePacket(frame.command, quint16(frame.items.size()),
                    reinterpret_cast<unsigned char *>(frame.items.data()));
}

namespace
{
// The blocks announce how long their wired headers are by runs inside the start indication.
quint8 headerThreshold(const QByteArray &frame, quint8 headerByte)
{
    int longest = 0;
    int run = 0;
    for (const char byte : frame) {
        run = quint8(byte) == headerByte ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    if (longest < kMinHeaderRun)
        return kMinHeaderRun;
    return quint8(std::min<int>(longest, kMaxHeaderRun) + 1);
}
} // namespace

void CSerialComThread::setHeaderThresholds(const QByteArray &frame)
{
    m_alarmThreshold = headerThreshold(frame, DeviceCommand::kAlarmHeaderByte);
    m_startThreshold = headerThreshold(frame, DeviceCommand::kStartHeaderByte);
}

// ---------------------------------------------------------------------------------------------------
// Ready, Idle and participation

int CSerialComThread::applyStateCommand(int value, bool newRun)
{
    // Ready on a system that is all ready takes everybody back to Idle; once the race has started (the
    // wired blocks keep the flag until polling resumes) it arms the next one
    if (value == DeviceReady && allReady && !isRunStarted())
        value = DeviceIdle;
    if (value == DeviceReady)
        beginReadyPhase(newRun);
    else if (value == DeviceIdle)
        beginIdlePhase();
    return value;
}

// Ready or Idle from the serial object itself, with the work of the command, to the run under way.
void CSerialComThread::sendStateCommand(int value, CStartBlock *target)
{
    if (!target)
        return;
    value = applyStateCommand(value, false);
    const QByteArray mac = target->macBytes();
    sendFrame(
        [&](quint16 sequence) { return SerialFrames::setStatusBlock(mac, sequence, kStatusState, value); });
}

void CSerialComThread::beginReadyPhase(bool newRun)
{
    // the race before is saved with what it has: the blocks are about to drop its graphs
    SaveRaceUnderWay();
    if (newRun || !m_run)
        m_run = std::make_shared<RaceRun>(++m_runCount, m_nextRunKind);
    m_wasReady = false;
    m_startHeaderReceived = false;
    m_everybodyReadySent = false;
    startForceClock(DeviceReady);
    // every block is asked for its graphs again, also one given up on in the last race
    m_skipList.clear();
    m_graphWait = {};
    for (CStartBlock *block : polledBlocks()) {
        if (CStartBlockMeasurement *measurement = block->measurement()) {
            measurement->setReactionAccepted(false);
            measurement->resetReactionTime();
            measurement->SetRacePhase(CStartBlockMeasurement::kRacePhaseReady);
        }
    }
    qCDebug(lcSerial) << "Set status ready";
}

void CSerialComThread::beginIdlePhase()
{
    // a run that has started stays started: it is still saved with what its blocks report
    m_startHeaderReceived = false;
    startForceClock(DeviceIdle);
    for (CStartBlock *block : polledBlocks()) {
        if (CStartBlockMeasurement *measurement = block->measurement())
            measurement->SetRacePhase(CStartBlockMeasurement::kRacePhaseIdle);
    }
    if (CCoordinator *c = coordinator())
        OnSetStatusRequestCoordinator(kStatusStartSystemReady, 0, c);
    // the blocks keep their graphs through Idle: a race whose graphs are being fetched is still saved
    if (!m_pollTimer.isActive())
        ResumeQuestions();
    if (m_resyncTimer.isActive())
        StopResyncTimer();
    qCDebug(lcSerial) << "Set status idle";
}

void CSerialComThread::startForceClock(int mode)
{
    m_forceMode = mode;
    m_forceClockStart = now();
}

void CSerialComThread::dropForceClock(const char *debugText)
{
    if (!m_forceClockStart)
        return;
    m_forceClockStart.reset();
    qCDebug(lcSerial) << debugText;
}

void CSerialComThread::OnParticipationStatusChanged(CStartBlock *startBlock)
{
    if (!startBlock)
        return;
    const int status = startBlock->participationStatus();
    if (isLeftOut(status)) {
        OnSetStatusRequest(kStatusMeasurementActive, 0, startBlock);
        qCDebug(lcSerial) << "Set measurement inactive";
        if (CStartBlockMeasurement *measurement = startBlock->measurement())
            measurement->setState(DeviceIdle);
        removeStartBlock(startBlock);
        if (inactiveBlocks().contains(startBlock)) {
            OnStartBlockSetChanged();
            return;
        }
        appendInactiveStartBlock(startBlock);
    } else if (isParticipating(status)) {
        OnSetStatusRequest(kStatusMeasurementActive, 1, startBlock);
        qCDebug(lcSerial) << "Set measurement active";
        // the new lane must be armed too before everybody counts as ready again; once the run has started
        // the flag may still stand (wired: until polling resumes), and a Ready then would close the run
        if (allReady && !isRunStarted()) {
            allReady = false;
            OnSetStatusRequestCoordinator(kStatusStartSystemReady, 0, coordinator());
            sendStateCommand(DeviceReady, startBlock);
            startQuestionsTimerTimeout();
        }
        if (!polledBlocks().contains(startBlock)) {
            if (isRunUnderWay())
                leaveOutOfRunUnderWay(startBlock);
            appendStartBlock(startBlock);
        }
        removeInactiveStartBlock(startBlock);
    } else {
        return;
    }
    OnStartBlockSetChanged();
}

// A lane that joins after the start did not race: the reaction and graphs it still holds are an earlier
// race's, and none it reports counts until the next Ready.
void CSerialComThread::leaveOutOfRunUnderWay(CStartBlock *startBlock)
{
    CStartBlockMeasurement *measurement = startBlock->measurement();
    if (!measurement)
        return;
    measurement->SetRacePhase(CStartBlockMeasurement::kRacePhaseIdle);
    measurement->setReactionAccepted(false);
    measurement->resetReactionTime();
    measurement->ResetGraphs();
}

void CSerialComThread::OnStartBlockSetChanged()
{
    m_polledIndex = 0;
    m_graphWait = {}; // a block given up on before is waited for afresh
    if (!m_pollTimer.isActive())
        return;
    m_pollTimer.stop();
    setCycleCounter(0);
    m_pollTimer.start();
}

// ---------------------------------------------------------------------------------------------------
// polling

void CSerialComThread::startQuestionsTimerTimeout()
{
    if (m_portLost)
        return; // nothing is asked until a port is opened again
    m_quiet = false;
    m_switchCycle = 0;
    m_graphTimer.stop();
    m_pollTimer.start(pollingPeriodMs());
}

void CSerialComThread::ResumeQuestions()
{
    if (!isFetchingRunGraphs() || m_portLost) {
        startQuestionsTimerTimeout();
        return;
    }
    // the blocks still hold the race's graphs: fetching goes on where it was
    m_pollTimer.stop();
    if (!m_graphTimer.isActive())
        m_graphTimer.start(graphPeriodMs());
}

void CSerialComThread::SaveRaceUnderWay()
{
    const bool fetching = isFetchingRunGraphs() || m_graphTimer.isActive() || m_graphStartTimer.isActive();
    saveRaceWithWhatArrived();
    m_graphStartTimer.stop();
    if (fetching && !m_portLost) {
        // an armed block must not be asked for graphs of a race already saved
        m_graphTimer.stop();
        setCycleCounter(0);
        startQuestionsTimerTimeout();
    }
}

void CSerialComThread::OnQuestionsTimer()
{
    if (m_portLost)
        return;
    CCoordinator *c = coordinator();
    const QList<CStartBlock *> blocks = polledBlocks();
    if (blocks.isEmpty()) {
        if (c)
            pollWithoutBlocks(c);
    } else {
        pollBlocks(blocks, c);
    }
    superviseLinkSpeed();
}

void CSerialComThread::pollWithoutBlocks(CCoordinator *coordinator)
{
    updateAllIdle(m_forceMode == DeviceIdle && coordinator->state() == DeviceIdle);
    if (!isRunStarted() && coordinator->state() == DeviceReady) {
        dropForceClock("Delete force ready timer");
        allReady = true;
        if (!m_everybodyReadySent) {
            qCDebug(lcSerial) << "Everybody ready!";
            sendCoordinatorStatusRepeatedly(kStatusStartSystemReady, coordinator);
            if (isWired())
                sendCoordinatorStatusRepeatedly(kStatusArmed, coordinator);
            qCDebug(lcSerial) << "Set VQR true";
            m_everybodyReadySent = true;
        }
    } else {
        allReady = false;
    }

    if (cycleCounter() % kQuestionsPerCycle < kInfoQuestion) {
        SendStatusRequestCoordinator(coordinator);
        advanceCycle();
        return;
    }
    askInactiveOrCoordinatorInfo(coordinator);
}

void CSerialComThread::askInactiveOrCoordinatorInfo(CCoordinator *coordinator)
{
    const QList<CStartBlock *> inactive = inactiveBlocks();
    if (m_inactiveIndex < quint32(inactive.size())) {
        SendStatusRequest(inactive.at(int(m_inactiveIndex)));
        ++m_inactiveIndex;
        return;
    }
    SendInfoRequestCoordinator(coordinator);
    m_polledIndex = 0;
    m_inactiveIndex = 0;
    advanceCycle();
}

void CSerialComThread::sendCoordinatorStatusRepeatedly(quint8 id, CCoordinator *coordinator)
{
    for (int i = 0; i < kAnnounceRepeats; ++i)
        OnSetStatusRequestCoordinator(id, 1, coordinator);
}

void CSerialComThread::pollBlocks(const QList<CStartBlock *> &blocks, CCoordinator *coordinator)
{
    if (m_quiet)
        m_pollTimer.stop(); // this tick still completes
    const BlockCounts counts = countBlockStates(blocks);
    repeatForcedState(counts, int(blocks.size()), coordinator);
    const bool reactionsIn = collectReactions(blocks);
    const int n = int(blocks.size());
    updateAllIdle(m_forceMode == DeviceIdle && counts.idle == n && coordinator &&
                  coordinator->state() == DeviceIdle);

    if (!isRunStarted() && counts.allReadyState && coordinator && coordinator->state() == DeviceReady) {
        if (!announceEverybodyReady(coordinator))
            return;
    } else {
        allReady = false;
        if (sendSyncInsteadOfQuestion(reactionsIn))
            return;
    }
    askNextQuestion(blocks, coordinator);
}

CSerialComThread::BlockCounts CSerialComThread::countBlockStates(const QList<CStartBlock *> &blocks)
{
    BlockCounts counts;
    for (CStartBlock *block : blocks) {
        const quint8 state = stateOf(block);
        counts.allReadyState = counts.allReadyState && state == DeviceReady;
        if (m_forceMode == DeviceReady && state == DeviceReady) {
            m_wasReady = true;
            // from now on the reaction times of the blocks armed for the run count
            for (CStartBlock *other : blocks) {
                CStartBlockMeasurement *measurement = other->measurement();
                if (measurement && measurement->racePhase() == CStartBlockMeasurement::kRacePhaseReady)
                    measurement->setReactionAccepted(true);
            }
            ++counts.ready;
        } else if (state == DeviceIdle) {
            ++counts.idle;
        }
    }
    return counts;
}

void CSerialComThread::repeatForcedState(const BlockCounts &counts, int blockCount, CCoordinator *coordinator)
{
    if (!m_forceClockStart || now() - *m_forceClockStart <= kForceRepeatMs)
        return;
    if (m_forceMode == DeviceReady) {
        // too late in the coordinator's window, or the race is run: arming again would wipe its reactions
        if (!coordinator || !coordinator->isTimeWindowOpen() || isRunStarted()) {
            m_forceClockStart.reset();
            return;
        }
        if (counts.ready == blockCount && coordinator->state() == DeviceReady)
            return;
        qCDebug(lcSerial) << "Force to ready";
        sendStateCommand(DeviceReady, m_broadcast);
    } else if (m_forceMode == DeviceIdle) {
        if (counts.idle != blockCount) {
            qCDebug(lcSerial) << "Force SB to idle";
            sendStateCommand(DeviceIdle, m_broadcast);
        }
        // the coordinator is never sent a state; it is only noted
        if (coordinator && coordinator->state() != DeviceIdle)
            qCDebug(lcSerial) << "Force CU to idle";
    }
}

bool CSerialComThread::collectReactions(const QList<CStartBlock *> &blocks)
{
    int counted = 0;
    const bool counting = countsReactions();
    for (CStartBlock *block : blocks) {
        const CStartBlockMeasurement *measurement = block->measurement();
        if (!m_wasReady || !measurement || measurement->reactionIsNoValue() || !counting ||
            measurement->state() != DeviceIdle)
            break;
        ++counted;
        if (m_resyncTimer.isActive())
            StopResyncTimer();
    }
    const int n = int(blocks.size());
    // what a block reports now belongs to no race: nothing is fetched or skipped
    if (!m_run || m_run->isSaved())
        return counted == n;
    if (counted == n) {
        m_run->markReactionsIn();
        noteFalseStarts(blocks);
        // fetched until its last save, also when something broke into the fetching
        startGraphsAfterReactions();
        return true;
    }
    if (!m_run->hasStarted()) {
        m_noReactionTicks = 0;
        return false;
    }
    noteFalseStarts(blocks);
    const quint16 ticksBefore = m_noReactionTicks;
    if (m_noReactionTicks < std::numeric_limits<quint16>::max())
        ++m_noReactionTicks;
    if (ticksBefore >= kNoReactionTicksPerBlock * n)
        skipBlocksWithoutReaction(blocks);
    return false;
}

// Reactions count under Ready, and for a run that has started also after an Idle: it is still saved.
bool CSerialComThread::countsReactions() const
{
    return m_forceMode == DeviceReady || isRunUnderWay();
}

// A false start stays with its run, whatever the blocks show later; a saved run takes none. A reaction
// that arrives before the blocks took the Ready is wiped as it comes, so it marks nothing.
void CSerialComThread::noteFalseStarts(const QList<CStartBlock *> &blocks)
{
    if (!m_run || m_run->falseStartSeen())
        return;
    for (const CStartBlock *block : blocks) {
        const CStartBlockMeasurement *measurement = block->measurement();
        if (!measurement || !RaceRun::isFalseStart(*block))
            continue;
        qCDebug(lcSerial).nospace() << "VQ by lane " << block->lane()
                                    << " time: " << measurement->reactionTimeMs();
        m_run->markFalseStart();
        return;
    }
}

void CSerialComThread::startGraphsAfterReactions()
{
    qCDebug(lcSerial) << "All reactions received, get graphs";
    if (!isWired()) {
        startGraphsTimerTimeout();
        return;
    }
    m_pollTimer.stop();
    const qint64 sinceHeader = m_clock->msSinceEpoch() - m_startHeaderTime;
    const qint64 delay = sinceHeader < kWiredGraphDelayMs ? kWiredGraphDelayMs - sinceHeader : 0;
    qCDebug(lcSerial).nospace() << "Wired Graph Delay " << delay;
    m_graphStartTimer.start(int(delay));
}

void CSerialComThread::skipBlocksWithoutReaction(const QList<CStartBlock *> &blocks)
{
    for (CStartBlock *block : blocks) {
        const CStartBlockMeasurement *measurement = block->measurement();
        if (measurement && !measurement->reactionIsNoValue())
            continue;
        sendStateCommand(DeviceIdle, block);
        if (!m_skipList.contains(block)) {
            m_skipList.append(block);
            qCDebug(lcSerial).nospace() << "Skipping lane " << block->lane();
        }
    }
    const bool getGraphs = std::any_of(blocks.cbegin(), blocks.cend(),
                                       [this](CStartBlock *block) { return !m_skipList.contains(block); });
    qCDebug(lcSerial).nospace() << "get Graphs " << boolText(getGraphs);
    if (getGraphs)
        startGraphsTimerTimeout();
    else
        saveRaceWithWhatArrived(); // no lane reacted: there is nothing to fetch, the race is done
}

void CSerialComThread::updateAllIdle(bool idle)
{
    if (idle)
        dropForceClock("Delete force idle timer");
    m_allIdle = idle;
}

bool CSerialComThread::announceEverybodyReady(CCoordinator *coordinator)
{
    dropForceClock("Delete force ready timer");
    allReady = true;
    if (!m_everybodyReadySent) {
        qCDebug(lcSerial) << "Everybody ready!";
        sendCoordinatorStatusRepeatedly(kStatusArmed, coordinator);
        sendCoordinatorStatusRepeatedly(kStatusStartSystemReady, coordinator);
        qCDebug(lcSerial) << "Set VQR true";
        m_everybodyReadySent = true;
        if (isWired())
            SendStatusRequestCoordinator(coordinator);
        for (int i = 0; i < kAnnounceRepeats; ++i)
            OnSetStatusRequest(kStatusArmed, 1, m_broadcast);
    }
    if (!isWired())
        return true;
    m_alarmHeaderCount = 0;
    m_startHeaderCount = 0;
    m_alarmHeaderReceived = false;
    m_alarmBroadcastSent = false;
    m_quiet = true;
    qCDebug(lcSerial) << "Wired mode and all ready, be quiet";
    if (m_resyncTimer.isActive())
        return true;
    qCDebug(lcSerial) << "Start resync timer";
    m_resyncTimer.start(kResyncIntervalMs);
    m_resyncStopped = false;
    return false;
}

bool CSerialComThread::sendSyncInsteadOfQuestion(bool reactionsIn)
{
    if (!isWired() || !m_resyncStopped)
        return false;
    // while a race is armed or running the blocks must not be disturbed
    if (m_forceMode == DeviceReady && (!isRunStarted() || !reactionsIn))
        return false;
    ++m_syncTicks;
    if (m_syncTicks % kQuestionsPerCycle != kSyncTickSlot)
        return false;
    SendSyncRequest();
    return true;
}

void CSerialComThread::askNextQuestion(const QList<CStartBlock *> &blocks, CCoordinator *coordinator)
{
    const quint32 n = quint32(blocks.size());
    if (cycleCounter() % kQuestionsPerCycle < kInfoQuestion) {
        if (m_polledIndex < n)
            SendStatusRequest(blocks.at(int(m_polledIndex)));
        else
            SendStatusRequestCoordinator(coordinator);
        ++m_polledIndex;
        if (m_polledIndex > n) {
            m_polledIndex = 0;
            advanceCycle();
        }
        return;
    }
    if (m_polledIndex < n) {
        SendInfoRequest(blocks.at(int(m_polledIndex)));
        ++m_polledIndex;
        return;
    }
    if (isProbeDue(blocks)) {
        probeOperationMode(blocks, coordinator);
        return;
    }
    askInactiveOrCoordinatorInfo(coordinator);
}

bool CSerialComThread::isProbeDue(const QList<CStartBlock *> &blocks)
{
    if (m_userSelectedOperationMode != OperationModeAutomatic)
        return false;
    if (std::any_of(blocks.cbegin(), blocks.cend(),
                    [](const CStartBlock *block) { return stateOf(block) == DeviceReady; }))
        return false;
    qint64 base = kProbeBase;
    if (m_probeClockStart) {
        base = kFastProbeBase;
        if (now() - *m_probeClockStart > kFastProbingMs)
            m_probeClockStart.reset(); // this tick still probes fast
    }
    const qint64 ticksPerRound = kProbeTicksPerBlock * blocks.size() + kProbeExtraTicks;
    const qint64 k = (base + ticksPerRound - 1) / ticksPerRound * kQuestionsPerCycle;
    return cycleCounter() % quint32(k - 1) == 0;
}

void CSerialComThread::probeOperationMode(const QList<CStartBlock *> &blocks, CCoordinator *coordinator)
{
    const quint32 n = quint32(blocks.size());
    if (m_probeIndex >= n) {
        ++m_probeIndex;
        if (m_probeIndex >= n)
            m_probeIndex = 0;
        return;
    }
    CStartBlock *block = blocks.at(int(m_probeIndex));
    if (block->isProbed()) {
        // the answer had a whole cycle to arrive
        block->setProbed(false);
        m_polledIndex = 0;
        advanceCycle();
        m_pollTimer.stop();
        QTimer::singleShot(kEvaluateDelayMs, this, &CSerialComThread::OnEvaluateOperationModeSelection);
        return;
    }
    if (baudRate() == kBaudWireless) {
        // a wired block can only answer at the wired speed
        if (coordinator)
            OnSetInfoRequestCoordinator(kInfoLinkSpeed, kLinkSpeedWired, coordinator);
        reopenPort(kBaudWired);
        return;
    }
    if (CStartBlockMeasurement *measurement = block->measurement())
        measurement->setOperationModeReply(CStartBlockMeasurement::kOperationModeNone);
    SendOperationModeSelectionRequest(block);
    block->setProbed(true);
}

void CSerialComThread::superviseLinkSpeed()
{
    CCoordinator *c = coordinator();
    if (c && c->linkState() == LinkLost && m_baudSwitchDone)
        ApplyOperationModeBaudRate();
    if (m_baudSwitchDone || !c || cycleCounter() < m_switchCycle + 2)
        return;
    const QList<PACKET_LOG> &log = c->requestLog();
    if (log.size() < 2)
        return;
    if (log.at(log.size() - 2).replyTime != 0) {
        m_baudSwitchDone = true;
        qCDebug(lcSerial) << "Baud rate switch successfull";
        return;
    }
    if (m_baudRetries > 0)
        --m_baudRetries;
    if (m_baudRetries == 0) {
        m_baudSwitchDone = true;
        reopenPort(kBaudWired);
        return;
    }
    reopenPort(baudRate() == kBaudWireless ? kBaudWired : kBaudWireless);
    ApplyOperationModeBaudRate();
}

// ---------------------------------------------------------------------------------------------------
// graph polling

void CSerialComThread::startGraphsTimerTimeout()
{
    if (m_portLost || (m_run && m_run->isSaved()))
        return;
    m_graphWait = {};
    if (m_run)
        m_run->markGraphs();
    m_pollTimer.stop();
    m_graphTimer.start(graphPeriodMs());
}

void CSerialComThread::OnGraphTimerTimeout()
{
    if (m_portLost)
        return;
    const QList<CStartBlock *> blocks = polledBlocks();
    if (blocks.isEmpty()) {
        endGraphPolling(); // nothing left to fetch
        return;
    }
    const std::shared_ptr<RaceRun> run = m_run;
    if (!requestNextGraph(blocks)) {
        qCDebug(lcSerial) << "All graphs received";
        emitReactionGraphsSaved(run);
        if (run != m_run)
            return; // the next race was readied while the save was handled; its blocks are polled now
        if (!requestNextSoundGraph(blocks)) {
            qCDebug(lcSerial) << "All sound graphs received";
            emitSoundGraphsSaved(run);
            endGraphPolling();
        }
    }
    if (!m_wasReady)
        endGraphPolling();
}

// Each save goes out once per run; graphs fetched without a Ready before them belong to no run. A box
// shown for a save may let the next Ready through: the caller holds on to the run it saves.
void CSerialComThread::emitReactionGraphsSaved(const std::shared_ptr<RaceRun> &run)
{
    if (!run)
        return;
    if (run == m_run)
        noteFalseStarts(polledBlocks());
    if (run->takeReactionSave())
        emit save_results_file(ResultsReactionGraphs, true, run->id());
}

void CSerialComThread::emitSoundGraphsSaved(const std::shared_ptr<RaceRun> &run)
{
    if (run && run->takeSoundSave())
        emit save_results_file(ResultsSoundGraphs, false, run->id());
}

// The graphs still missing can no longer come: the race is saved as graph polling would save it.
void CSerialComThread::saveRaceWithWhatArrived()
{
    // an Idle or a lane skipped on the way does not call off a race that has started
    if (!isRunUnderWay())
        return;
    qCDebug(lcSerial) << "Saving the race with the graphs received";
    const std::shared_ptr<RaceRun> run = m_run;
    emitReactionGraphsSaved(run);
    emitSoundGraphsSaved(run);
}

bool CSerialComThread::requestNextGraph(const QList<CStartBlock *> &blocks)
{
    for (CStartBlock *block : blocks) {
        if (m_skipList.contains(block)) {
            qCDebug(lcSerial).nospace() << "Graph request: Skipping lane " << block->lane();
            continue;
        }
        if (!block->measurement() || !block->measurement()->hasGraph()) {
            if (givesUpOnGraph(block, false))
                continue;
            OnGetGraphRequest(block, false);
            return true;
        }
    }
    return false;
}

bool CSerialComThread::requestNextSoundGraph(const QList<CStartBlock *> &blocks)
{
    for (CStartBlock *block : blocks) {
        if (m_skipList.contains(block)) {
            qCDebug(lcSerial).nospace() << "Sound Graph request: Skipping lane " << block->lane();
            continue;
        }
        if (!block->measurement() || !block->measurement()->hasSoundGraph()) {
            if (givesUpOnGraph(block, true))
                continue;
            OnGetSoundGraphRequest(block, false);
            return true;
        }
    }
    return false;
}

// True when the block has been asked for this graph for too long: it is skipped from now on, as a block
// that never reacted is.
bool CSerialComThread::givesUpOnGraph(CStartBlock *block, bool sound)
{
    const qint64 t = now();
    if (m_graphWait.block != block || m_graphWait.sound != sound) {
        m_graphWait = {block, sound, t};
        return false;
    }
    if (t - m_graphWait.sinceMs < kGraphWaitMs)
        return false;
    qCDebug(lcSerial).nospace() << (sound ? "No sound graph from lane " : "No graph from lane ")
                                << block->lane() << ", saving without it";
    m_skipList.append(block);
    m_graphWait = {};
    emit graph_given_up(block, sound);
    return true;
}

void CSerialComThread::endGraphPolling()
{
    m_graphTimer.stop();
    setCycleCounter(0);
    startQuestionsTimerTimeout();
}

// ---------------------------------------------------------------------------------------------------
// operation-mode vote

void CSerialComThread::OnEvaluateOperationModeSelection()
{
    const QList<CStartBlock *> blocks = polledBlocks();
    const quint32 n = quint32(blocks.size());
    if (m_probeIndex < n) {
        const CStartBlockMeasurement *measurement = blocks.at(int(m_probeIndex))->measurement();
        evaluateModeAnswer(measurement ? measurement->operationModeReply()
                                       : CStartBlockMeasurement::kOperationModeNone);
    }
    ++m_probeIndex;
    if (m_probeIndex >= n)
        m_probeIndex = 0;
    setCycleCounter(0);
    startQuestionsTimerTimeout();
}

void CSerialComThread::evaluateModeAnswer(int answer)
{
    if (answer == CStartBlockMeasurement::kOperationModeWired) {
        qCDebug(lcSerial) << "Eval mode: Wired";
        m_wiredCount = m_lastModeAnswer == CStartBlockMeasurement::kOperationModeWired ? m_wiredCount + 1 : 1;
        m_wirelessCount = 0;
        m_lastModeAnswer = answer;
        if (!isWired()) {
            // one wired answer is proof enough
            SetOperationMode(OperationModeWired);
            emit change_operation_mode(OperationModeWired);
        }
        return;
    }
    if (answer == CStartBlockMeasurement::kOperationModeWireless) {
        qCDebug(lcSerial) << "Eval mode: Wireless";
        m_wiredCount = 0;
        m_wirelessCount =
            m_lastModeAnswer == CStartBlockMeasurement::kOperationModeWired ? 1 : m_wirelessCount + 1;
        m_lastModeAnswer = answer;
        if (m_wirelessCount > 1)
            switchToWireless();
        return;
    }
    // no answer (or one we don't know) proves nothing; after a wireless answer both counts stay
    qCDebug(lcSerial) << "Eval mode: Unknown";
    if (m_lastModeAnswer == CStartBlockMeasurement::kOperationModeWired) {
        ++m_wiredCount;
        m_wirelessCount = 0;
    } else if (m_lastModeAnswer == CStartBlockMeasurement::kOperationModeNone) {
        m_wiredCount = 0;
        m_wirelessCount = 0;
    }
}

void CSerialComThread::switchToWireless()
{
    if (isWired())
        emit change_operation_mode(OperationModeWireless);
    SetOperationMode(OperationModeWireless);
}

// ---------------------------------------------------------------------------------------------------
// start-sound upload

void CSerialComThread::OnSetDemoSampleRequest(unsigned short sampleFrequency, QByteArray *data,
                                              QStringList macAddresses)
{
    if (!data)
        return;
    // our own copy: every named device gets the whole sample, whatever the caller does with its buffer
    const QByteArray sample = *data;
    if (sample.size() > kMaxSampleSize) {
        qCDebug(lcSerial) << "Sample too long:" << sample.size();
        return;
    }
    m_sampleClockStart = now();
    m_pollTimer.stop();
    bool blockNamed = false;
    for (const QString &mac : macAddresses) {
        CCoordinator *c = coordinator();
        if (c && mac.compare(c->GetMacAddress(), Qt::CaseInsensitive) == 0)
            LoadSamples(c->macBytes(), sampleFrequency, sample);
        for (CStartBlock *block : polledBlocks()) {
            if (mac.compare(block->GetMacAddress(), Qt::CaseInsensitive) != 0)
                continue;
            blockNamed = true;
            if (isWired())
                LoadSamples(block->macBytes(), sampleFrequency, sample);
        }
    }
    if (blockNamed && !isWired())
        showUploadImpossibleWarning();
    setCycleCounter(0);
    startQuestionsTimerTimeout();
}

bool CSerialComThread::LoadSamples(const QByteArray &mac, quint16 samplePeriod, const QByteArray &sample)
{
    if (sample.size() > kMaxSampleSize || mac.size() != SerialFrames::kMacSize)
        return false;
    m_sampleClockStart = now();
    openUploadProgress(macTextOf(mac), int(sample.size()));
    quint32 offset = 0;
    bool cutOff = false;
    while (offset < quint32(sample.size()) && !isUploadCanceled()) {
        // the device needs a pause between two packets
        const qint64 pause = kSamplePauseMs - (now() - m_sampleClockStart);
        if (pause > 0)
            WaitMs(int(pause));
        if (!sendSamplePacket(mac, samplePeriod, sample, offset)) {
            cutOff = true;
            break;
        }
        if (!waitForSampleAck())
            continue; // the same packet again
        setUploadProgress(int(offset));
        QCoreApplication::processEvents();
        offset += quint32(SerialFrames::samplePacketLength(sample.size(), offset));
    }
    const bool complete = !cutOff && offset >= quint32(sample.size());
    if (complete)
        setUploadProgress(int(sample.size()));
    closeUploadProgress();
    return complete;
}

bool CSerialComThread::sendSamplePacket(const QByteArray &mac, quint16 samplePeriod, const QByteArray &sample,
                                        quint32 offset)
{
    const QByteArray packet = SerialFrames::samplePacket(mac, samplePeriod, sample, offset);
    qCDebug(lcSerial).nospace() << "Data length: " << packet.size() - SerialFrameRing::kFrameOverhead;
    m_sampleAcknowledged = false;
    {
        QMutexLocker lock(&m_writeLock);
        if (!canWrite() || packet.isEmpty())
            return false;
        if (m_port->write(packet) < 0) {
            onPortFailed(m_port, m_port->errorString());
            return false;
        }
    }
    qCDebug(lcSerial).nospace() << "Sending packet address offset: " << offset;
    m_sampleClockStart = now();
    return true;
}

bool CSerialComThread::waitForSampleAck()
{
    while (!m_sampleAcknowledged && !isUploadCanceled() && now() - m_sampleClockStart < kSampleAckWaitMs) {
        if (canWrite() && m_port->bytesAvailable() > 0)
            onReadyRead();
        else
            processEventsFor(kAckPollSliceMs);
    }
    return m_sampleAcknowledged;
}

void CSerialComThread::showUploadImpossibleWarning()
{
    QMessageBox::warning(nullptr, tr("Loading samples"),
                         tr("Loading samples to a startblock is not possible in wireless mode"));
}

void CSerialComThread::openUploadProgress(const QString &macText, int total)
{
    m_progress = std::make_unique<QProgressDialog>();
    auto *bar = new QProgressBar(m_progress.get());
    bar->setAlignment(Qt::AlignCenter);
    m_progress->setBar(bar);
    m_progress->setLabelText(tr("Loading samples to %1").arg(macText));
    m_progress->setCancelButtonText(tr("Cancel"));
    m_progress->setRange(0, total);
    m_progress->setValue(0);
    m_progress->show();
}

void CSerialComThread::setUploadProgress(int value)
{
    if (m_progress)
        m_progress->setValue(value);
}

bool CSerialComThread::isUploadCanceled() const
{
    return m_progress && m_progress->wasCanceled();
}

void CSerialComThread::closeUploadProgress()
{
    m_progress.reset();
}
