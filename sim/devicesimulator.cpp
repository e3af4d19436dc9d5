#include "sim/devicesimulator.h"

#include <algorithm>

#include <QDateTime>

#include "sim/simdefaults.h"
#include "sim/simprotocol.h"

namespace
{

using namespace SimProtocol;

constexpr char kAlarmHeaderByte = char(0x68);
constexpr char kStartHeaderByte = char(0x8B);
constexpr qint64 kEarlierStartSpacingMs = 60000;

quint8 firstValueByte(const SimItem &item)
{
    return item.value.isEmpty() ? 0 : quint8(item.value.at(0));
}

template<typename T>
void appendCapped(QList<T> &log, const T &entry)
{
    if (log.size() >= SimDefaults::kMaxLoggedFrames)
        log.removeFirst();
    log.append(entry);
}

} // namespace

DeviceSimulator::DeviceSimulator(const SimScenario &scenario, QObject *parent)
    : QObject(parent), m_scenario(scenario),
      m_transmitter([this](const QByteArray &piece, int line) { transmit(piece, line); }),
      m_random(scenario.seed), m_coordinator(scenario)
{
    for (const SimLaneScenario &lane : scenario.lanes)
        m_blocks.emplace_back(lane, scenario.wired, scenario.seed + lane.lane);
    m_clock.start();
    m_autoStart.setSingleShot(true);
    connect(&m_autoStart, &QTimer::timeout, this, [this] {
        if (m_coordinator.state() == Ready)
            startRace();
    });
    connect(&m_pty, &SimPty::bytesReceived, this, &DeviceSimulator::onBytesReceived);
}

bool DeviceSimulator::start(const QString &linkPath)
{
    if (!m_pty.open(linkPath))
        return false;
    m_lastPortBaud = m_pty.baudRate();
    return true;
}

void DeviceSimulator::stop()
{
    m_pty.close();
    // half a frame cut off by the pull must not run into the first frame on the new terminal
    m_parser = SimFrameParser();
}

const SimStartBlock *DeviceSimulator::blockForLane(quint8 lane) const
{
    for (const SimStartBlock &block : m_blocks) {
        if (block.lane() == lane)
            return &block;
    }
    return nullptr;
}

void DeviceSimulator::setLaneReaction(int index, std::optional<int> reactionMs)
{
    if (index < 0 || index >= blockCount())
        return;
    m_scenario.lanes[index].reactionMs = reactionMs;
    m_blocks.at(size_t(index)).setReactionMs(reactionMs);
}

void DeviceSimulator::clearLogs()
{
    m_received.clear();
    m_sent.clear();
}

// --- receiving --------------------------------------------------------------------------------------------

void DeviceSimulator::onBytesReceived(const QByteArray &bytes)
{
    if (!incomingSpeedMatches(bytes.size()))
        return;
    for (const SimFrameParser::Event &event : m_parser.feed(bytes)) {
        switch (event.kind) {
        case SimFrameParser::Event::Frame:
            handleFrame(event.frame);
            break;
        case SimFrameParser::Event::BroadcastAlarm:
            ++m_broadcastAlarms;
            emit broadcastAlarmReceived();
            break;
        case SimFrameParser::Event::BadCrc:
            emit badFrameReceived();
            break;
        }
    }
}

bool DeviceSimulator::incomingSpeedMatches(qsizetype count)
{
    const int port = m_pty.baudRate();
    // bytes read together with a speed change may have been written before it, at the old speed
    const bool matches = port == m_coordinator.baudRate() ||
                         (port != m_lastPortBaud && m_lastPortBaud == m_coordinator.baudRate());
    m_lastPortBaud = port;
    if (matches || !m_scenario.speedModel)
        return true;
    m_droppedIncoming += count;
    emit bytesDropped(int(count), true);
    return false;
}

void DeviceSimulator::handleFrame(const SimFrame &frame)
{
    const std::optional<QList<SimItem>> items = parseSimItems(frame.items);
    const SimRequest request{frame, items.value_or(QList<SimItem>()), items.has_value()};
    appendCapped(m_received, request);
    emit requestReceived(request);
    // every request passes through the coordinator: while it is off nobody hears anything
    if (m_coordinator.isPoweredDown() || !request.itemsValid)
        return;
    if (frame.mac == simBroadcastMac())
        handleBroadcast(request);
    else if (frame.mac == m_coordinator.mac())
        handleCoordinatorRequest(request);
    else if (SimStartBlock *block = blockForMac(frame.mac); block && !block->isPoweredDown())
        handleBlockRequest(*block, request);
}

void DeviceSimulator::handleCoordinatorRequest(const SimRequest &request)
{
    const QByteArray mac = m_coordinator.mac();
    switch (request.frame.command) {
    case InfoRequest:
    case IdentifierRequest:
        reply(mac, request, request.frame.command + 1, m_coordinator.infoItems());
        break;
    case SpectrumRequest:
        reply(mac, request, SpectrumReply, m_coordinator.spectrumItems());
        break;
    case StatusRequest:
        reply(mac, request, StatusReply,
              m_coordinator.statusItems(clockMs(),
                                        quint32(QDateTime::currentSecsSinceEpoch() - m_gpsLagSeconds)));
        break;
    case SetInfo:
        applyCoordinatorSettings(request);
        break;
    case SetStatus:
        applyCoordinatorStatus(request);
        break;
    case PowerDown:
        reply(mac, request, PowerDownAck, {});
        m_coordinator.powerDown();
        break;
    case StartTimeRequest: {
        quint8 startId = 0;
        for (const SimItem &item : request.items) {
            if (item.id == kStartNumberItem)
                startId = firstValueByte(item);
        }
        reply(mac, request, StartTimeReply, m_coordinator.startTimeItems(startId));
        break;
    }
    case CalibrationRequest:
        reply(mac, request, CalibrationAck, {});
        m_coordinator.calibrate();
        break;
    case SamplePacket:
        handleSample(m_coordinator.samples(), mac, request);
        break;
    default:
        break;
    }
}

void DeviceSimulator::handleBlockRequest(SimStartBlock &block, const SimRequest &request)
{
    const QByteArray mac = block.mac();
    switch (request.frame.command) {
    case InfoRequest:
    case IdentifierRequest:
        reply(mac, request, request.frame.command + 1, block.infoItems());
        break;
    case StatusRequest:
        reply(mac, request, StatusReply, block.statusItems());
        break;
    case GraphRequest:
        reply(mac, request, GraphReply, block.graphItems());
        break;
    case SoundGraphRequest:
        reply(mac, request, SoundGraphReply, block.soundGraphItems());
        break;
    case OperationModeRequest:
        reply(mac, request, OperationModeReply, block.operationModeItems());
        break;
    case SetInfo:
        for (const SimItem &item : request.items)
            block.setInfo(item.id, item.value);
        break;
    case SetStatus:
        for (const SimItem &item : request.items)
            applyBlockStatus(block, item.id, firstValueByte(item));
        break;
    case PowerDown:
        reply(mac, request, PowerDownAck, {});
        block.powerDown();
        break;
    case Resync:
        block.resynchronise();
        break;
    case SamplePacket:
        handleSample(block.samples(), mac, request);
        break;
    default:
        break;
    }
}

void DeviceSimulator::handleBroadcast(const SimRequest &request)
{
    switch (request.frame.command) {
    case SetInfo:
        for (SimStartBlock &block : m_blocks) {
            for (const SimItem &item : request.items)
                block.setInfo(item.id, item.value);
        }
        break;
    case SetStatus:
        for (const SimItem &item : request.items)
            applyBroadcastStatus(item.id, firstValueByte(item));
        break;
    case PowerDown:
        for (SimStartBlock &block : m_blocks)
            block.powerDown();
        break;
    case Resync:
    case Sync:
        for (SimStartBlock &block : m_blocks)
            block.resynchronise();
        break;
    case IdentifierRequest:
        answerIdentification(request);
        break;
    case StartIndication:
    case Relay:
        emit forwardedFrameReceived(request.frame);
        break;
    default:
        break; // a broadcast question has no single device to answer it
    }
}

void DeviceSimulator::handleSample(SimSampleAssembler &samples, const QByteArray &mac,
                                   const SimRequest &request)
{
    const SimSampleAssembler::Outcome outcome = samples.takePacket(request.items);
    if (outcome == SimSampleAssembler::Outcome::Refused)
        return;
    reply(mac, request, SampleAck, {});
    if (outcome == SimSampleAssembler::Outcome::Completed)
        emit sampleCompleted(mac, samples.completedSample());
}

void DeviceSimulator::applyCoordinatorSettings(const SimRequest &request)
{
    for (const SimItem &item : request.items) {
        if (m_coordinator.setInfo(item.id, item.value))
            emit linkSpeedChanged(m_coordinator.baudRate());
    }
}

void DeviceSimulator::applyCoordinatorStatus(const SimRequest &request)
{
    for (const SimItem &item : request.items) {
        const quint8 value = firstValueByte(item);
        if (!m_coordinator.setStatus(item.id, value) || item.id != StatusEverybodyReady)
            continue;
        if (value == 0)
            m_autoStart.stop();
        else if (m_scenario.autoStartDelayMs >= 0 && !m_autoStart.isActive() &&
                 m_coordinator.state() == Ready)
            m_autoStart.start(m_scenario.autoStartDelayMs);
    }
}

void DeviceSimulator::applyBlockStatus(SimStartBlock &block, quint8 id, quint8 value)
{
    if (id == StatusState && value == Ready)
        block.commandReady();
    else if (id == StatusState && value == Idle)
        block.commandIdle();
    else if (id == StatusMeasurementActive)
        block.setMeasurementActive(value != 0);
    else if (id == StatusReadyAnnounced)
        block.setReadyAnnounced(value);
}

void DeviceSimulator::applyBroadcastStatus(quint8 id, quint8 value)
{
    if (id == StatusState && value == Ready) {
        readyAll();
    } else if (id == StatusState && value == Idle) {
        idleAll();
    } else if (id == StatusState && value == Started) {
        startRace();
    } else {
        for (SimStartBlock &block : m_blocks)
            applyBlockStatus(block, id, value);
    }
}

void DeviceSimulator::answerIdentification(const SimRequest &request)
{
    const quint8 lane = quint8(m_scenario.identifyResponderLane);
    if (lane == 0) {
        reply(m_coordinator.mac(), request, IdentifierReply, m_coordinator.infoItems());
        return;
    }
    for (SimStartBlock &block : m_blocks) {
        if (block.lane() == lane && !block.isPoweredDown()) {
            reply(block.mac(), request, IdentifierReply, block.infoItems());
            return;
        }
    }
}

// --- the race
// -----------------------------------------------------------------------------------------------

void DeviceSimulator::readyAll()
{
    ++m_raceGeneration;
    m_autoStart.stop();
    m_coordinator.commandReady(clockMs());
    for (SimStartBlock &block : m_blocks) {
        if (!block.isPoweredDown())
            block.commandReady();
    }
}

void DeviceSimulator::idleAll()
{
    ++m_raceGeneration;
    m_autoStart.stop();
    m_coordinator.commandIdle();
    for (SimStartBlock &block : m_blocks) {
        if (!block.isPoweredDown())
            block.commandIdle();
    }
}

void DeviceSimulator::startRace()
{
    if (m_coordinator.isPoweredDown())
        return;
    m_autoStart.stop();
    const quint64 generation = ++m_raceGeneration;
    const HX_GPS_TIME start = m_coordinator.recordStart(QDateTime::currentMSecsSinceEpoch());
    m_lastStart = start;
    const quint32 startClock = quint32(clockMs());
    sendUnsolicited(m_coordinator.mac(), StartIndication, startIndication(start).items);
    for (int i = 0; i < blockCount(); ++i)
        startBlock(i, startClock);
    if (m_scenario.wired)
        sendWiredHeaders();
    QTimer::singleShot(SimDefaults::kCoordinatorStartedMs, this, [this, generation] {
        if (generation == m_raceGeneration)
            m_coordinator.finishRace();
    });
    emit raceStarted(start);
}

void DeviceSimulator::repeatStartIndication()
{
    if (m_lastStart && !m_coordinator.isPoweredDown())
        sendUnsolicited(m_coordinator.mac(), StartIndication, startIndication(*m_lastStart).items);
}

void DeviceSimulator::recordEarlierStarts(int count, qint64 firstMsSinceEpoch)
{
    for (int i = 0; i < count; ++i)
        m_coordinator.appendStart(firstMsSinceEpoch + i * kEarlierStartSpacingMs);
}

SimFrame DeviceSimulator::startIndication(const HX_GPS_TIME &start) const
{
    // the runs tell the program how long the wired start and alarm headers are
    QByteArray items;
    appendSimItem32(items, StartId, start.word(0));
    appendSimItem32(items, StartSeconds, start.word(1));
    appendSimItem32(items, StartMicroseconds, start.word(2));
    appendSimItem(items, SimDefaults::kIndicationAlarmRunItem,
                  QByteArray(SimDefaults::kIndicationRunLength, kAlarmHeaderByte));
    appendSimItem(items, SimDefaults::kIndicationStartRunItem,
                  QByteArray(SimDefaults::kIndicationRunLength, kStartHeaderByte));
    return {m_coordinator.mac(), 0, StartIndication, items};
}

void DeviceSimulator::startBlock(int index, quint32 startClockMs)
{
    SimStartBlock &block = m_blocks.at(size_t(index));
    if (block.isPoweredDown() || !block.startRace(startClockMs) || !block.reactionMs())
        return;
    const quint64 generation = m_raceGeneration;
    const int reaction = qMax(0, *block.reactionMs());
    QTimer::singleShot(reaction + SimDefaults::kReactionReportDelayMs, this,
                       [this, index, generation] { finishBlock(index, generation); });
    if (block.isFalseStart() && !m_scenario.wired)
        QTimer::singleShot(reaction, this, [this, index, generation] { sendBlockAlarm(index, generation); });
}

void DeviceSimulator::finishBlock(int index, quint64 generation)
{
    if (generation != m_raceGeneration)
        return;
    SimStartBlock &block = m_blocks.at(size_t(index));
    block.finishMeasurement();
    emit measurementFinished(block.lane());
}

void DeviceSimulator::sendBlockAlarm(int index, quint64 generation)
{
    const SimStartBlock &block = m_blocks.at(size_t(index));
    if (generation != m_raceGeneration || block.isPoweredDown())
        return;
    QByteArray items;
    appendSimItem8(items, SimDefaults::kAlarmItemId, block.lane());
    sendUnsolicited(block.mac(), Alarm, items);
}

void DeviceSimulator::sendWiredHeaders()
{
    const QByteArray startHeader(SimDefaults::kWiredHeaderLength, kStartHeaderByte);
    m_transmitter.enqueue(startHeader, SimDefaults::kWiredHeaderDelayMs, int(Line::WiredSpeed));
    std::optional<int> firstFalseStart;
    for (const SimStartBlock &block : m_blocks) {
        if (block.state() == Started && block.isFalseStart())
            firstFalseStart = qMin(firstFalseStart.value_or(*block.reactionMs()), *block.reactionMs());
    }
    if (!firstFalseStart)
        return;
    const quint64 generation = m_raceGeneration;
    QTimer::singleShot(qMax(0, *firstFalseStart), this, [this, generation] {
        if (generation == m_raceGeneration)
            m_transmitter.enqueue(QByteArray(SimDefaults::kWiredHeaderLength, kAlarmHeaderByte), 0,
                                  int(Line::WiredSpeed));
    });
}

void DeviceSimulator::requestReady()
{
    QByteArray items;
    appendSimItem8(items, StatusState, SimDefaults::kReadyRequestValue);
    sendUnsolicited(m_coordinator.mac(), SetStatus, items);
}

void DeviceSimulator::requestPowerDownAll()
{
    sendUnsolicited(m_coordinator.mac(), PowerDownAll, {});
}

void DeviceSimulator::sendRelayFrame(const QByteArray &items)
{
    sendUnsolicited(m_coordinator.mac(), Relay, items);
}

void DeviceSimulator::powerOnAll()
{
    m_coordinator.powerOn();
    for (SimStartBlock &block : m_blocks)
        block.powerOn();
}

// --- sending
// ------------------------------------------------------------------------------------------------

void DeviceSimulator::reply(const QByteArray &source, const SimRequest &request, quint8 command,
                            const QByteArray &items)
{
    send({source, request.frame.sequence, command, items}, true);
}

void DeviceSimulator::sendUnsolicited(const QByteArray &source, quint8 command, const QByteArray &items)
{
    if (m_coordinator.isPoweredDown())
        return;
    send({source, m_ownSequence++, command, items}, false);
}

void DeviceSimulator::send(const SimFrame &frame, bool faultsApply)
{
    if (faultsApply && m_random.chance(m_scenario.replyLossRate)) {
        emit replyLost(frame);
        return;
    }
    const bool corrupt = faultsApply && m_random.chance(m_scenario.corruptCrcRate);
    appendCapped(m_sent, frame);
    emit frameSent(frame, corrupt);
    queueFrameBytes(encodeSimFrame(frame, corrupt));
}

void DeviceSimulator::queueFrameBytes(const QByteArray &bytes)
{
    const int line = int(Line::CoordinatorSpeed);
    if (!m_scenario.splitReplies) {
        m_transmitter.enqueue(bytes, m_scenario.replyDelayMs, line);
        return;
    }
    const int pieces = m_random.between(SimDefaults::kMinSplitPieces, SimDefaults::kMaxSplitPieces);
    QList<int> cuts;
    for (int i = 1; i < pieces; ++i)
        cuts.append(m_random.between(1, int(bytes.size()) - 1));
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    cuts.append(int(bytes.size()));
    int from = 0;
    for (const int cut : cuts) {
        const int delay = from == 0 ? m_scenario.replyDelayMs : SimDefaults::kSplitGapMs;
        m_transmitter.enqueue(bytes.mid(from, cut - from), delay, line);
        from = cut;
    }
}

void DeviceSimulator::injectRaw(const QByteArray &bytes)
{
    m_transmitter.enqueue(bytes, 0, int(Line::Unchecked));
}

void DeviceSimulator::injectFrame(const SimFrame &frame, bool corruptCrc)
{
    injectRaw(encodeSimFrame(frame, corruptCrc));
}

void DeviceSimulator::transmit(const QByteArray &piece, int line)
{
    const int port = m_pty.baudRate();
    const bool wrongSpeed = (line == int(Line::CoordinatorSpeed) && port != m_coordinator.baudRate()) ||
                            (line == int(Line::WiredSpeed) && port != SimDefaults::kBaudWired);
    if (wrongSpeed && m_scenario.speedModel) {
        m_droppedOutgoing += piece.size();
        emit bytesDropped(int(piece.size()), false);
        return;
    }
    m_pty.write(piece);
}

SimStartBlock *DeviceSimulator::blockForMac(const QByteArray &mac)
{
    for (SimStartBlock &block : m_blocks) {
        if (block.mac() == mac)
            return &block;
    }
    return nullptr;
}
