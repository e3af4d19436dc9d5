#include "dialogs/hardwaretestsequence.h"

#include <optional>

#include <QDebug>

#include "core/sharedtypes.h"
#include "devices/cstartblock.h"
#include "dialogs/testprocedurehost.h"

namespace
{
constexpr int kReadyWaitTicks = 4; // Ready goes out again after the fifth tick without all ready
constexpr int kMsPerSecond = 1000;
constexpr unsigned kLargestLane = 255;

QString laneText(quint8 lane)
{
    return QStringLiteral("%1").arg(lane);
}
} // namespace

HardwareTestSequence::HardwareTestSequence(TestProcedureHost &host) : m_host(host) {}

void HardwareTestSequence::setStartBlocks(const QList<CStartBlock *> &blocks)
{
    m_startBlocks = guardedBlocks(blocks);
}

QStringList HardwareTestSequence::laneTexts() const
{
    QStringList lanes;
    for (const CStartBlock *block : liveBlocks()) {
        const QString lane = laneText(block->lane());
        if (!lanes.contains(lane))
            lanes.append(lane);
    }
    return lanes;
}

bool HardwareTestSequence::start(bool all, const QString &chosenText)
{
    m_running = true;
    m_intervalMs = kLoopIntervalMs;
    QString lane;
    if (all && !liveBlocks().isEmpty()) {
        m_excludedStartBlocks.clear();
        for (CStartBlock *block : liveBlocks()) {
            if (block->participationStatus() == ParticipationInactive)
                m_excludedStartBlocks.append(block);
        }
        m_currentLane = 0;
        m_laneChosen = false;
        lane = nextLane();
    } else {
        bool isNumber = false;
        const uint number = chosenText.toUInt(&isNumber);
        m_laneChosen = isNumber && number <= kLargestLane;
        m_currentLane = m_laneChosen ? quint8(number) : 0;
        lane = chosenText;
    }
    if (lane.isEmpty())
        m_running = false;
    else
        selectLane(lane);
    return m_running;
}

void HardwareTestSequence::tick(bool allChosen)
{
    switch (m_state) {
    case BroadcastReady:
        m_host.broadcastReady();
        m_action = Action::ReadyBroadcast;
        m_actionLane = m_currentLane;
        m_readyWaitCount = 0;
        m_state = WaitReady;
        break;
    case WaitReady:
        m_action = Action::WaitReady;
        if (++m_readyWaitCount > kReadyWaitTicks)
            m_state = BroadcastReady;
        if (m_host.allDevicesReady()) {
            m_state = BroadcastStart;
            m_intervalMs = m_startDelaySeconds * kMsPerSecond;
        }
        break;
    case BroadcastStart:
        m_host.broadcastStart();
        m_action = Action::Started;
        m_state = WaitResults;
        m_intervalMs = kLoopIntervalMs;
        break;
    case WaitResults:
        m_action = Action::WaitResults;
        m_state = Restore;
        break;
    case Restore:
        m_action = Action::Finished;
        restoreRows();
        m_state = Idle;
        break;
    default: {
        m_action = Action::PressTest;
        const QString lane = allChosen ? nextLane() : QString();
        if (lane.isEmpty())
            m_running = false;
        else
            selectLane(lane);
        break;
    }
    }
}

void HardwareTestSequence::cancel()
{
    m_running = false;
    restoreRows();
    m_host.broadcastIdle();
}

QString HardwareTestSequence::actionText() const
{
    switch (m_action) {
    case Action::ReadyBroadcast:
        return tr("Broadcast ready to starting module %1").arg(m_actionLane);
    case Action::WaitReady:
        return tr("Wait until all startblocks are ready");
    case Action::Started:
        return tr("Started");
    case Action::WaitResults:
        return tr("Wait for all startblock results");
    case Action::Finished:
        return tr("Test finished");
    case Action::PressTest:
        return tr("Press test button to start built in test");
    case Action::None:
        break;
    }
    return QString();
}

QList<CStartBlock *> HardwareTestSequence::liveBlocks() const
{
    QList<CStartBlock *> blocks;
    for (const QPointer<CStartBlock> &block : m_startBlocks) {
        if (block)
            blocks.append(block);
    }
    return blocks;
}

bool HardwareTestSequence::isExcluded(const CStartBlock *block) const
{
    for (const QPointer<CStartBlock> &excluded : m_excludedStartBlocks) {
        if (excluded == block)
            return true;
    }
    return false;
}

QString HardwareTestSequence::nextLane()
{
    const QList<CStartBlock *> blocks = liveBlocks();
    if (blocks.isEmpty())
        return QString();
    std::optional<quint8> next;
    for (const CStartBlock *block : blocks) {
        const quint8 lane = block->lane();
        if (isExcluded(block) || (m_laneChosen && lane <= m_currentLane))
            continue;
        if (!next || lane < *next)
            next = lane;
    }
    if (!next) {
        m_currentLane = 0;
        m_laneChosen = false;
        qDebug() << "No lane found in built in test";
        return QString();
    }
    m_currentLane = *next;
    m_laneChosen = true;
    qDebug().nospace() << "Next lane in built in test: " << m_currentLane;
    return laneText(m_currentLane);
}

void HardwareTestSequence::selectLane(const QString &chosenLane)
{
    m_state = BroadcastReady;
    for (CStartBlock *block : m_host.laneRowBlocks()) {
        if (!block)
            continue;
        const bool tested = laneText(block->lane()) == chosenLane;
        m_host.setLaneRowParticipationStatus(block, tested ? ParticipationActive : ParticipationInactive);
    }
}

void HardwareTestSequence::restoreRows()
{
    for (CStartBlock *block : m_host.laneRowBlocks()) {
        if (!block)
            continue;
        m_host.setLaneRowParticipationStatus(block,
                                             isExcluded(block) ? ParticipationInactive : ParticipationActive);
    }
}
