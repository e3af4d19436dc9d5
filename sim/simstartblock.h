#pragma once

#include <optional>

#include <QByteArray>

#include "sim/simgraphs.h"
#include "sim/siminfofields.h"
#include "sim/simrandom.h"
#include "sim/simsampleassembler.h"
#include "sim/simscenario.h"

// One simulated start block: its settings, its state in the race and what it measured.
class SimStartBlock
{
public:
    // seed: where the block's own chance (its link quality) starts.
    SimStartBlock(const SimLaneScenario &scenario, bool wired, quint32 seed = 1);

    QByteArray mac() const { return m_mac; }
    quint8 lane() const;
    quint8 state() const { return m_state; }
    bool isPoweredDown() const { return m_poweredDown; }
    bool isFalseStart() const;
    std::optional<int> reactionMs() const { return m_scenario.reactionMs; }
    // What the athlete does in the next race.
    void setReactionMs(std::optional<int> reactionMs) { m_scenario.reactionMs = reactionMs; }
    bool holdsGraphs() const { return m_record.has_value(); }
    int resyncCount() const { return m_resyncs; }
    quint8 readyAnnounced() const { return m_readyAnnounced; }

    QByteArray infoItems() const { return m_info.items(); }
    // Each status reply reports the link quality anew.
    QByteArray statusItems();
    QByteArray graphItems() const;
    QByteArray soundGraphItems() const;
    QByteArray operationModeItems() const;

    void setInfo(quint8 id, const QByteArray &value);
    void setMeasurementActive(bool active);
    void setReadyAnnounced(quint8 value) { m_readyAnnounced = value; }

    // Ready: true when the block followed (it may still be letting Ready commands pass).
    bool commandReady();
    void commandIdle();
    // The gun: a READY block starts measuring; true when it takes part.
    bool startRace(quint32 startClockMs);
    // The athlete has left the block (or the record ended): back to IDLE with the reaction and graphs.
    void finishMeasurement();
    void resynchronise();
    void powerDown() { m_poweredDown = true; }
    void powerOn() { m_poweredDown = false; }

    SimSampleAssembler &samples() { return m_samples; }
    const SimSampleAssembler &samples() const { return m_samples; }

private:
    void defineInfoFields(bool wired);
    quint8 nextLinkQuality();

    SimLaneScenario m_scenario;
    QByteArray m_mac;
    bool m_wired = false;
    SimInfoFields m_info;
    quint8 m_state;
    quint16 m_reaction;
    bool m_measurementActive = true;
    quint8 m_readyAnnounced = 0;
    int m_readiesToIgnore = 0;
    bool m_synchronised = false;
    int m_resyncs = 0;
    bool m_poweredDown = false;
    std::optional<SimRaceRecord> m_record;
    quint32 m_startClockMs = 0;
    SimSampleAssembler m_samples;
    SimRandom m_linkRandom;
    int m_linkQuality;
};
