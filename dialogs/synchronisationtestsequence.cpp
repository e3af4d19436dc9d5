#include "dialogs/synchronisationtestsequence.h"

#include "core/sharedtypes.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "dialogs/testprocedurehost.h"

SynchronisationTestSequence::SynchronisationTestSequence(TestProcedureHost &host) : m_host(host) {}

void SynchronisationTestSequence::setCoordinator(CCoordinator *coordinator)
{
    m_coordinator = coordinator;
}

void SynchronisationTestSequence::setStartBlocks(const QList<CStartBlock *> &blocks)
{
    m_startBlocks = guardedBlocks(blocks);
}

void SynchronisationTestSequence::start()
{
    m_state = BroadcastReady;
    m_running = true;
    m_action = Action::Testing;
}

SynchronisationTestSequence::ListStep SynchronisationTestSequence::tick()
{
    m_progress = m_state;
    ListStep step = ListStep::None;
    switch (m_state) {
    case BroadcastReady:
        step = ListStep::HideResync;
        m_host.broadcastReady();
        m_action = Action::ReadyBroadcast;
        m_state = WaitReady;
        break;
    case WaitReady:
        m_action = Action::WaitReady;
        if (m_host.allDevicesReady())
            m_state = BroadcastStart;
        break;
    case BroadcastStart:
        m_host.broadcastStart();
        m_action = Action::Started;
        if (m_coordinator)
            m_startReference = m_coordinator->statusField18();
        m_state = WaitResults;
        break;
    case WaitResults:
        m_action = Action::WaitResults;
        m_state = WaitCoordinator;
        break;
    case WaitCoordinator:
        m_action = Action::WaitCoordinator;
        // without a coordinator there is no reference to wait for
        if (!m_coordinator || m_coordinator->statusField18() != m_startReference)
            m_state = DisplayResults;
        break;
    case DisplayResults:
        step = ListStep::RefreshTimes;
        m_action = Action::DisplayResults;
        m_state = Idle;
        break;
    default:
        m_action = Action::PressTest;
        m_running = false;
        break;
    }
    return step;
}

bool SynchronisationTestSequence::cancel()
{
    m_running = false;
    if (!anyParticipantAwake())
        return false;
    m_host.broadcastIdle();
    return true;
}

QString SynchronisationTestSequence::actionText() const
{
    switch (m_action) {
    case Action::Testing:
        return tr("Testing synchronization");
    case Action::ReadyBroadcast:
        return tr("Broadcast ready to all starting blocks");
    case Action::WaitReady:
        return tr("Wait until all startblocks are ready");
    case Action::Started:
        return tr("Started");
    case Action::WaitResults:
        return tr("Wait for all startblock results");
    case Action::WaitCoordinator:
        return tr("Wait for central unit result");
    case Action::DisplayResults:
        return tr("Display results");
    case Action::PressTest:
        break;
    }
    return m_repeating ? tr("Running automatic synchronization test")
                       : tr("Press test button to start synchronization test");
}

bool SynchronisationTestSequence::anyParticipantAwake() const
{
    for (const QPointer<CStartBlock> &block : m_startBlocks) {
        if (!block || !block->measurement())
            continue;
        const int status = block->participationStatus();
        const bool participates = status == ParticipationActive || status == ParticipationRup;
        if (participates && block->measurement()->state() != DeviceIdle)
            return true;
    }
    return false;
}
