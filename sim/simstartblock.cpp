#include "sim/simstartblock.h"

#include "sim/simdefaults.h"
#include "sim/simframe.h"
#include "sim/simprotocol.h"

namespace
{

using namespace SimProtocol;

constexpr quint16 kReactionNoValue = 0x6FFF;

} // namespace

SimStartBlock::SimStartBlock(const SimLaneScenario &scenario, bool wired, quint32 seed)
    : m_scenario(scenario), m_mac(scenario.mac), m_wired(wired), m_state(Idle), m_reaction(kReactionNoValue),
      m_readiesToIgnore(scenario.ignoreReady), m_synchronised(scenario.synchronised), m_linkRandom(seed),
      m_linkQuality(SimDefaults::kLinkQuality)
{
    defineInfoFields(wired);
}

void SimStartBlock::defineInfoFields(bool wired)
{
    using namespace SimDefaults;
    m_info.defineCommon(m_mac, wired);
    m_info.define(InfoLane, kOneByte, m_scenario.lane);
    m_info.define(InfoFalseStartLimit, kTwoBytes, kDefaultFalseStartLimitMs);
    m_info.define(InfoSensitivity, kTwoBytes, kSensitivity);
    m_info.define(InfoHardwareVersion, kFourBytes, kBlockHardwareVersion);
    m_info.define(InfoStartSensitivity, kTwoBytes, kStartSensitivity);
    m_info.define(InfoField10, kTwoBytes, 0);
    m_info.define(InfoField11, kOneByte, 0);
    m_info.define(InfoField12, kTwoBytes, 0);
    m_info.define(InfoField13, kTwoBytes, 0);
    m_info.define(InfoStabilitySensitivity, kTwoBytes, kStabilitySensitivity);
    m_info.define(InfoProductVersion, kTwoBytes, kBlockProductVersion);
}

quint8 SimStartBlock::lane() const
{
    return quint8(m_info.value(InfoLane));
}

bool SimStartBlock::isFalseStart() const
{
    return m_scenario.reactionMs && *m_scenario.reactionMs < int(m_info.value(InfoFalseStartLimit));
}

quint8 SimStartBlock::nextLinkQuality()
{
    using namespace SimDefaults;
    if (m_scenario.linkQuality)
        return quint8(*m_scenario.linkQuality);
    m_linkQuality = qBound(kLinkQuality - kLinkQualitySwing,
                           m_linkQuality + m_linkRandom.between(-kLinkQualityStep, kLinkQualityStep),
                           kLinkQuality + kLinkQualitySwing);
    return quint8(m_linkQuality);
}

QByteArray SimStartBlock::statusItems()
{
    QByteArray items;
    appendSimItem8(items, StatusState, m_state);
    appendSimItem8(items, StatusBattery, SimDefaults::kBattery);
    appendSimItem8(items, StatusField3, 0);
    appendSimItem16(items, StatusReaction, m_reaction);
    appendSimItem8(items, StatusLinkQuality, nextLinkQuality());
    appendSimItem8(items, StatusMeasurementActive, m_measurementActive ? 1 : 0);
    appendSimItem16(items, StatusErrorCode, 0);
    appendSimItem32(items, StatusSync,
                    m_synchronised ? quint32(m_scenario.syncOffsetMs) : SimDefaults::kNotSynchronised);
    appendSimItem8(items, StatusReadyAnnounced, m_readyAnnounced);
    return items;
}

QByteArray SimStartBlock::graphItems() const
{
    return m_record ? simReactionGraphItems(*m_record) : QByteArray();
}

QByteArray SimStartBlock::soundGraphItems() const
{
    return m_record ? simSoundGraphItems(*m_record) : QByteArray();
}

QByteArray SimStartBlock::operationModeItems() const
{
    const SimModeAnswer answer =
        m_scenario.modeAnswer.value_or(m_wired ? SimModeAnswer::Wired : SimModeAnswer::Wireless);
    QByteArray items;
    appendSimItem8(items, kOperationModeAnswerItem, quint8(answer));
    return items;
}

void SimStartBlock::setInfo(quint8 id, const QByteArray &value)
{
    if (id != InfoMac)
        m_info.set(id, value);
}

void SimStartBlock::setMeasurementActive(bool active)
{
    m_measurementActive = active;
    if (!active)
        commandIdle();
}

bool SimStartBlock::commandReady()
{
    if (!m_measurementActive)
        return false;
    if (m_readiesToIgnore > 0) {
        --m_readiesToIgnore;
        return false;
    }
    m_state = Ready;
    m_reaction = kReactionNoValue;
    m_record.reset();
    return true;
}

void SimStartBlock::commandIdle()
{
    // a block told to stop while still waiting for the athlete closes its record without a reaction
    if (m_state == Started) {
        m_record = SimRaceRecord{lane(), m_wired, std::nullopt, m_startClockMs, m_scenario.soundDelayMs};
        m_reaction = SimDefaults::kNoReaction;
    }
    m_state = Idle;
}

bool SimStartBlock::startRace(quint32 startClockMs)
{
    if (m_state != Ready)
        return false;
    m_state = Started;
    m_startClockMs = startClockMs;
    return true;
}

void SimStartBlock::finishMeasurement()
{
    if (m_state != Started)
        return;
    m_record = SimRaceRecord{lane(), m_wired, m_scenario.reactionMs, m_startClockMs, m_scenario.soundDelayMs};
    m_reaction = m_scenario.reactionMs ? quint16(qint16(*m_scenario.reactionMs)) : SimDefaults::kNoReaction;
    m_state = Idle;
}

void SimStartBlock::resynchronise()
{
    m_synchronised = true;
    ++m_resyncs;
}
