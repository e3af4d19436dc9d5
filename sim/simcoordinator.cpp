#include "sim/simcoordinator.h"

#include <cstring>

#include <QtEndian>

#include "sim/simdefaults.h"
#include "sim/simframe.h"
#include "sim/simprotocol.h"

namespace
{

using namespace SimProtocol;

constexpr int kStartIdShift = 24; // the start number is the first byte of the start id word
constexpr qint64 kMsPerSecond = 1000;
constexpr qint64 kUsPerMs = 1000;

quint32 floatBits(float value)
{
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float floatFromBits(quint32 bits)
{
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QByteArray hemisphere(char letter)
{
    return QByteArray(1, letter).append('\0');
}

} // namespace

SimCoordinator::SimCoordinator(const SimScenario &scenario)
    : m_mac(scenario.coordinatorMac), m_state(Idle), m_readyWindowSeconds(scenario.readyWindowSeconds),
      m_gpsFix(scenario.gpsFix)
{
    defineInfoFields(scenario);
    setBaudRate(scenario.initialBaud);
}

void SimCoordinator::defineInfoFields(const SimScenario &scenario)
{
    using namespace SimDefaults;
    m_info.defineCommon(m_mac, scenario.wired);
    m_info.define(InfoHardwareVersion, kFourBytes, kCoordinatorHardwareVersion);
    m_info.define(InfoHeadsetVolume, kOneByte, kVolume);
    m_info.define(InfoLinkSpeed, kOneByte, kLinkCodeWired);
    m_info.define(InfoPhotoFinish, kOneByte, kPhotoFinishDevice);
    m_info.define(InfoCalibration, kFourBytes, floatBits(kCalibration));
    m_info.define(InfoProductVersion, kTwoBytes, kCoordinatorProductVersion);
}

int SimCoordinator::baudRate() const
{
    return m_info.value(InfoLinkSpeed) == SimDefaults::kLinkCodeWireless ? SimDefaults::kBaudWireless
                                                                         : SimDefaults::kBaudWired;
}

void SimCoordinator::setBaudRate(int baud)
{
    m_info.define(InfoLinkSpeed, kOneByte,
                  baud == SimDefaults::kBaudWireless ? SimDefaults::kLinkCodeWireless
                                                     : SimDefaults::kLinkCodeWired);
}

float SimCoordinator::calibration() const
{
    return floatFromBits(quint32(m_info.value(InfoCalibration)));
}

quint8 SimCoordinator::firstStartId() const
{
    return m_starts.isEmpty() ? 0 : m_starts.constFirst().startId();
}

QByteArray SimCoordinator::statusItems(quint64 clockMs, quint32 gpsSeconds) const
{
    using namespace SimDefaults;
    QByteArray items;
    appendSimItem8(items, StatusState, m_state);
    appendSimItem8(items, StatusBattery, kBattery);
    appendSimItem8(items, StatusField3, 0);
    appendSimItem8(items, StatusEverybodyReady, m_everybodyReady);
    appendSimItem8(items, StatusPhotoFinishReady, m_photoFinishReady);
    appendSimItem8(items, StatusStarts, m_starts.isEmpty() ? 0 : m_starts.constLast().startId());
    appendSimItem32(items, StatusGpsSeconds, gpsSeconds);
    appendSimItem16(items, StatusStartSignal, kStartSignalLevel);
    appendSimItem16(items, StatusErrorCode, 0);
    appendSimItem32(items, StatusReadyLimitSeconds, m_readyLimitSeconds);
    appendSimItem64(items, StatusClockMs, clockMs);
    appendSimItem8(items, StatusFirstStartId, firstStartId());
    appendSimItem8(items, StatusGpsState, quint8(m_gpsFix ? kGpsFix : kGpsNoFix));
    appendSimItem16(items, StatusLatitude, kLatitude);
    appendSimItem16(items, StatusLatitudeFraction, kLatitudeFraction);
    appendSimItem(items, StatusLatitudeHemisphere, hemisphere(kLatitudeHemisphere));
    appendSimItem16(items, StatusLongitude, kLongitude);
    appendSimItem16(items, StatusLongitudeFraction, kLongitudeFraction);
    appendSimItem(items, StatusLongitudeHemisphere, hemisphere(kLongitudeHemisphere));
    appendSimItem8(items, StatusReadyAnnounced, m_readyAnnounced);
    return items;
}

QByteArray SimCoordinator::spectrumItems() const
{
    using namespace SimDefaults;
    constexpr quint8 kFirstChannel = 11;
    QByteArray items;
    for (quint8 item = 1; item <= kSpectrumChannels; ++item) {
        const quint8 channel = quint8(kFirstChannel + item - 1);
        // a little energy everywhere, more on neighbours of the channel in use, most on it
        const int distance = qAbs(int(channel) - int(kRadioChannel));
        const int spill = qMax(0, kSpectrumSpillWidth - distance) * kSpectrumSpill;
        const int energy =
            distance == 0 ? kSpectrumBusy : kSpectrumFloor + spill + item % kSpectrumSpillWidth;
        appendSimItem8(items, item, quint8(energy));
    }
    appendSimItem8(items, kSpectrumCurrentChannel, kRadioChannel);
    return items;
}

QByteArray SimCoordinator::startTimeItems(quint8 startId) const
{
    QByteArray items;
    for (const HX_GPS_TIME &start : m_starts) {
        if (start.startId() != startId)
            continue;
        appendSimItem32(items, StartId, start.word(0));
        appendSimItem32(items, StartSeconds, start.word(1));
        appendSimItem32(items, StartMicroseconds, start.word(2));
    }
    return items;
}

bool SimCoordinator::setInfo(quint8 id, const QByteArray &value)
{
    if (id == InfoMac)
        return false;
    const int before = baudRate();
    m_info.set(id, value);
    return baudRate() != before;
}

bool SimCoordinator::setStatus(quint8 id, quint8 value)
{
    switch (id) {
    case StatusEverybodyReady:
        m_everybodyReady = value;
        return true;
    case StatusPhotoFinishReady:
        m_photoFinishReady = value;
        return true;
    case StatusReadyAnnounced:
        m_readyAnnounced = value;
        return true;
    default:
        return false;
    }
}

void SimCoordinator::commandReady(quint64 clockMs)
{
    m_state = Ready;
    m_readyLimitSeconds = quint32(clockMs / kMsPerSecond) + quint32(m_readyWindowSeconds);
}

void SimCoordinator::commandIdle()
{
    m_state = Idle;
    m_everybodyReady = 0;
    m_readyAnnounced = 0;
}

HX_GPS_TIME SimCoordinator::recordStart(qint64 msSinceEpoch)
{
    const HX_GPS_TIME start = appendStart(msSinceEpoch);
    m_state = Started;
    return start;
}

HX_GPS_TIME SimCoordinator::appendStart(qint64 msSinceEpoch)
{
    // start numbers run 1..255 and wrap to 1, as the one-byte counter of the program expects
    const quint8 number = quint8(m_startCounter % SimDefaults::kMaxStartsHeld + 1);
    ++m_startCounter;
    HX_GPS_TIME start;
    qToBigEndian(quint32(number) << kStartIdShift, start.bytes.data());
    qToBigEndian(quint32(msSinceEpoch / kMsPerSecond), start.bytes.data() + kFourBytes);
    qToBigEndian(quint32(msSinceEpoch % kMsPerSecond * kUsPerMs), start.bytes.data() + 2 * kFourBytes);
    m_starts.append(start);
    if (m_starts.size() > SimDefaults::kMaxStartsHeld)
        m_starts.removeFirst();
    return start;
}

void SimCoordinator::finishRace()
{
    if (m_state == Started)
        m_state = Idle;
}

void SimCoordinator::calibrate()
{
    m_info.define(InfoCalibration, kFourBytes, floatBits(calibration() + SimDefaults::kCalibrationStep));
}
