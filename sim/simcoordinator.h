#pragma once

#include <QByteArray>
#include <QList>

#include "core/sharedtypes.h"
#include "sim/siminfofields.h"
#include "sim/simsampleassembler.h"
#include "sim/simscenario.h"

// The simulated coordinator: its settings, link speed, race state, flags and the starts it recorded.
class SimCoordinator
{
public:
    explicit SimCoordinator(const SimScenario &scenario);

    QByteArray mac() const { return m_mac; }
    quint8 state() const { return m_state; }
    int baudRate() const;
    bool isPoweredDown() const { return m_poweredDown; }
    quint8 everybodyReady() const { return m_everybodyReady; }
    quint8 photoFinishReady() const { return m_photoFinishReady; }
    quint8 readyAnnounced() const { return m_readyAnnounced; }
    QList<HX_GPS_TIME> starts() const { return m_starts; }
    float calibration() const;

    QByteArray infoItems() const { return m_info.items(); }
    QByteArray statusItems(quint64 clockMs, quint32 gpsSeconds) const;
    QByteArray spectrumItems() const;
    // The record of the held start with this id; no items when none has it.
    QByteArray startTimeItems(quint8 startId) const;

    // Returns true when the value changed the link speed.
    bool setInfo(quint8 id, const QByteArray &value);
    // Ids 9, 10 and 28; false for any other id.
    bool setStatus(quint8 id, quint8 value);
    void setBaudRate(int baud);

    void commandReady(quint64 clockMs);
    void commandIdle();
    HX_GPS_TIME recordStart(qint64 msSinceEpoch);
    // A start recorded without a race, as one from before the program connected.
    HX_GPS_TIME appendStart(qint64 msSinceEpoch);
    void finishRace();
    void calibrate();
    void powerDown() { m_poweredDown = true; }
    void powerOn() { m_poweredDown = false; }

    SimSampleAssembler &samples() { return m_samples; }
    const SimSampleAssembler &samples() const { return m_samples; }

private:
    void defineInfoFields(const SimScenario &scenario);
    quint8 firstStartId() const;

    QByteArray m_mac;
    SimInfoFields m_info;
    quint8 m_state;
    quint8 m_everybodyReady = 0;
    quint8 m_photoFinishReady = 0;
    quint8 m_readyAnnounced = 0;
    quint32 m_readyLimitSeconds = 0;
    int m_readyWindowSeconds;
    bool m_gpsFix;
    bool m_poweredDown = false;
    quint32 m_startCounter = 0;
    QList<HX_GPS_TIME> m_starts;
    SimSampleAssembler m_samples;
};
