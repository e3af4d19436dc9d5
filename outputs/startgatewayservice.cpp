#include "outputs/startgatewayservice.h"

#include <algorithm>
#include <cstring>

#include <QDateTime>
#include <QDebug>
#include <QMutexLocker>
#include <QNetworkInterface>
#include <QtEndian>

#include "devices/ccoordinator.h"
#include "devices/serialclock.h"
#include "outputs/lanframe.h"

namespace
{

enum CoordinatorStatusItem : quint8 {
    kNumberOfStarts = 12,
    kGpsTime = 13,
    kFirstStartId = 20,
    kGpsState = 21,
    kLatitude = 22,
    kLatitudeFraction = 23,
    kLatitudeHemisphere = 24,
    kLongitude = 25,
    kLongitudeFraction = 26,
    kLongitudeHemisphere = 27,
};

enum StatusTag : quint8 {
    kTagGpsState = 1,
    kTagNumberOfStarts,
    kTagDate,
    kTagTimeOfDay,
    kTagLongitude,
    kTagLatitude,
    kTagGpsSeconds,
};

enum StartTag : quint8 {
    kTagStartId = 1,
    kTagStartDate,
    kTagStartTimeOfDay,
    kTagStartFraction,
    kTagUtcOffset,
    kTagStartSeconds,
};

enum InfoTag : quint8 { kTagMac = 1, kTagPanId, kTagConstant, kTagStarter };

constexpr quint8 kCounterWrapsFrom = 255; // the coordinator's one-byte start counter: 255 then 1
constexpr quint8 kCounterWrapsTo = 1;
constexpr qint64 kMsPerSecond = 1000;
constexpr int kSecondsPerMinute = 60;
constexpr int kDecimalShift2 = 100; // yyyymmdd and hhmmss are decimal numbers
constexpr int kDecimalShift4 = 10000;
constexpr double kMinutesPerDegree = 60.0;
constexpr double kFractionUnitsPerDegree = 600000.0; // fraction in 1/10000 minute
constexpr char kWest = 'W';
constexpr char kSouth = 'S';

// A date and a time of day in UTC as the decimal numbers yyyymmdd and hhmmss.
struct UtcStamp {
    quint32 date = 0;
    quint32 timeOfDay = 0;
};

UtcStamp utcStamp(quint32 secondsSinceEpoch)
{
    const QDateTime utc = QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, Qt::UTC);
    const QDate date = utc.date();
    const QTime time = utc.time();
    return {quint32(date.year() * kDecimalShift4 + date.month() * kDecimalShift2 + date.day()),
            quint32(time.hour() * kDecimalShift4 + time.minute() * kDecimalShift2 + time.second())};
}

// The PC's local time minus UTC at that moment, in minutes.
float localOffsetMinutes(quint32 secondsSinceEpoch)
{
    const QDateTime local = QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, Qt::LocalTime);
    return float(local.offsetFromUtc()) / float(kSecondsPerMinute);
}

// The value cut or zero-filled to the member's width: a short value fills only what it holds.
template<size_t N>
std::array<char, N> fixedWidth(const unsigned char *data, unsigned char length)
{
    std::array<char, N> value{};
    std::memcpy(value.data(), data, std::min<size_t>(length, N));
    return value;
}

// An NMEA 0183 ddmm.mmmm coordinate from its two big-endian halves, in decimal degrees.
double decimalDegrees(const std::array<char, 2> &degreesMinutes, const std::array<char, 2> &fraction,
                      bool negative)
{
    const quint16 v = qFromBigEndian<quint16>(degreesMinutes.data());
    const quint16 f = qFromBigEndian<quint16>(fraction.data());
    const double value =
        v / kDecimalShift2 + (v % kDecimalShift2) / kMinutesPerDegree + f / kFractionUnitsPerDegree;
    return negative ? -value : value;
}

} // namespace

StartGatewayService::StartGatewayService(QObject *parent, std::shared_ptr<SerialClock> clock,
                                         bool listenForClients)
    : QThread(parent), m_clock(clock ? std::move(clock) : std::make_shared<SerialClock>()), m_udp(this),
      m_server(this, listenForClients)
{
    m_lastGpsAdvanceMs = m_clock->steadyMs();
    m_lastStatusMs = m_lastGpsAdvanceMs;
    connect(&m_server, &GpsStartServer::new_orvane_alert, this, &StartGatewayService::OnNewOrvaneAlert);
    connect(&m_broadcastTimer, &QTimer::timeout, this, &StartGatewayService::OnBroadcastTimeout);
    connect(&m_linkTimer, &QTimer::timeout, this, &StartGatewayService::OnConnectionLostTimeout);
    m_broadcastTimer.start(kBroadcastIntervalMs);
    m_linkTimer.start(kLinkCheckIntervalMs);
}

StartGatewayService::~StartGatewayService()
{
    quit();
    wait();
    m_server.clearClients();
    m_server.close();
    m_udp.close();
}

void StartGatewayService::run()
{
    exec();
}

void StartGatewayService::setCoordinatorMac(const QString &macText)
{
    m_coordinatorMac = macText.toUpper();
}

qint64 StartGatewayService::secondsSince(qint64 steadyMs) const
{
    return (m_clock->steadyMs() - steadyMs) / kMsPerSecond;
}

// --- coordinator status -----------------------------------------------------------------------------------

void StartGatewayService::OnCoordinatorNewStatusField(unsigned char type, unsigned char length,
                                                      unsigned char *data)
{
    if (length == 0 || !data)
        return; // no value to take
    switch (type) {
    case kNumberOfStarts:
        takeNumberOfStarts(data[0]);
        break;
    case kGpsTime:
        takeGpsTime(data, length);
        break;
    case kFirstStartId:
        m_firstStartId = data[0];
        break;
    case kGpsState:
        m_gpsState = char(data[0]);
        break;
    case kLatitude:
        m_latitude = fixedWidth<2>(data, length);
        break;
    case kLatitudeFraction:
        m_latitudeFraction = fixedWidth<2>(data, length);
        break;
    case kLatitudeHemisphere:
        m_latitudeHemisphere = char(data[0]);
        break;
    case kLongitude:
        m_longitude = fixedWidth<2>(data, length);
        break;
    case kLongitudeFraction:
        m_longitudeFraction = fixedWidth<2>(data, length);
        break;
    case kLongitudeHemisphere:
        m_longitudeHemisphere = char(data[0]);
        break;
    default:
        break;
    }
    m_statusSeen = true;
    m_lastStatusMs = m_clock->steadyMs();
}

void StartGatewayService::takeNumberOfStarts(quint8 count)
{
    const quint16 previous = m_previousNumberOfStarts;
    if (count < previous && !(previous == kCounterWrapsFrom && count == kCounterWrapsTo))
        markStartsStale(); // the coordinator began counting again
    m_numberOfStarts = count;
    m_previousNumberOfStarts = count;
    requestMissingStarts();
}

void StartGatewayService::requestMissingStarts()
{
    // id 0 names no start
    for (int id = std::max<int>(m_firstStartId, 1); id <= m_numberOfStarts; ++id) {
        if (hasStart(quint16(id)))
            continue;
        CCoordinator coordinator;
        coordinator.SetMacAddress(m_coordinatorMac);
        emit send_starttime_request(kStartTimeRequestType, QVariant(id), &coordinator);
    }
}

void StartGatewayService::takeGpsTime(const unsigned char *data, unsigned char length)
{
    const std::array<char, 4> bytes = fixedWidth<4>(data, length);
    m_previousGpsTimeOfDay = m_gpsTimeOfDay;
    m_gpsSeconds = qFromBigEndian<quint32>(bytes.data());
    const UtcStamp stamp = utcStamp(m_gpsSeconds);
    m_gpsDate = stamp.date;
    m_gpsTimeOfDay = stamp.timeOfDay;
    if (m_gpsTimeOfDay != m_previousGpsTimeOfDay)
        m_lastGpsAdvanceMs = m_clock->steadyMs();
}

void StartGatewayService::OnConnectionLostTimeout()
{
    if (secondsSince(m_lastStatusMs) > kLinkLostSeconds)
        m_gpsState = kLinkLost;
}

// --- broadcasts -------------------------------------------------------------------------------------------

void StartGatewayService::OnBroadcastTimeout()
{
    if (m_statusSeen)
        SendFrame(buildStatusPayload(), LanFrame::Status);
}

void StartGatewayService::OnNewGpsStart(HX_GPS_TIME time)
{
    if (!takeAsNewStart(time))
        return;
    qDebug() << "New GPS start";
    appendStart(time);
    if (m_gpsState != kGpsValid)
        return;
    if (secondsSince(m_lastGpsAdvanceMs) >= kGpsStalledSeconds)
        return; // no GPS time for an hour: no wireless start goes out
    qDebug() << "Broadcast to Orvane";
    SendFrame(buildNewStartReply(lastStart()), LanFrame::NewStart);
}

void StartGatewayService::SendFrame(const QByteArray &payload, quint8 type)
{
    const QByteArray frame = LanFrame::build(m_frameCounter, type, payload);
    ++m_frameCounter;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const QList<QNetworkAddressEntry> entries = interface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            if (!entry.broadcast().isNull())
                m_udp.writeDatagram(frame, entry.broadcast(), kBroadcastPort); // not retried
        }
    }
}

QByteArray StartGatewayService::buildStatusPayload() const
{
    QByteArray payload;
    LanFrame::appendU8(payload, kTagGpsState, quint8(m_gpsState));
    LanFrame::appendU16(payload, kTagNumberOfStarts, m_numberOfStarts);
    LanFrame::appendU32(payload, kTagDate, m_gpsDate);
    LanFrame::appendU32(payload, kTagTimeOfDay, m_gpsTimeOfDay);
    LanFrame::appendDouble(payload, kTagLongitude,
                           decimalDegrees(m_longitude, m_longitudeFraction, m_longitudeHemisphere == kWest));
    LanFrame::appendDouble(payload, kTagLatitude,
                           decimalDegrees(m_latitude, m_latitudeFraction, m_latitudeHemisphere == kSouth));
    LanFrame::appendU32(payload, kTagGpsSeconds, m_gpsSeconds);
    return payload;
}

QByteArray StartGatewayService::buildNewStartReply(const StartEntry &entry) const
{
    const quint32 seconds = entry.time.seconds();
    qDebug() << "Make new start reply:" << seconds;
    const UtcStamp stamp = utcStamp(seconds);
    const quint32 word = entry.time.microseconds();
    qDebug().nospace() << "Make new start reply(UTC): " << stamp.date << " " << stamp.timeOfDay << ":"
                       << word;

    QByteArray payload;
    LanFrame::appendU16(payload, kTagStartId, entry.startId());
    LanFrame::appendU32(payload, kTagStartDate, stamp.date);
    LanFrame::appendU32(payload, kTagStartTimeOfDay, stamp.timeOfDay);
    LanFrame::appendU32(payload, kTagStartFraction, word);
    LanFrame::appendFloat(payload, kTagUtcOffset, localOffsetMinutes(seconds));
    LanFrame::appendU32(payload, kTagStartSeconds, seconds);
    return payload;
}

QByteArray StartGatewayService::buildInfoPayload() const
{
    QByteArray payload;
    LanFrame::appendText(payload, kTagMac, m_coordinatorMac);
    LanFrame::appendU16(payload, kTagPanId, m_panId);
    LanFrame::appendU8(payload, kTagConstant, m_infoConstant);
    LanFrame::appendText(payload, kTagStarter, m_starterName);
    return payload;
}

void StartGatewayService::OnNewOrvaneAlert(unsigned char type, unsigned short length, unsigned char *data)
{
    const bool set = length > 0 && data && data[0] != 0;
    qDebug() << "TCP: set OVR" << (set ? "true" : "false");
    emit new_orvane_alert(type, length, data);
}

// --- start list -------------------------------------------------------------------------------------------

bool StartGatewayService::takeAsNewStart(const HX_GPS_TIME &time)
{
    QMutexLocker locker(&m_startLock);
    bool known = false;
    for (StartEntry &entry : m_starts) {
        if (entry.stale || entry.startId() != time.startId())
            continue;
        if (entry.time == time)
            known = true;
        else
            entry.stale = true;
    }
    return !known;
}

void StartGatewayService::appendStart(const HX_GPS_TIME &time)
{
    QMutexLocker locker(&m_startLock);
    m_starts.append({time, false});
}

int StartGatewayService::startCount() const
{
    QMutexLocker locker(&m_startLock);
    return int(m_starts.size());
}

bool StartGatewayService::hasStart(quint16 startId) const
{
    QMutexLocker locker(&m_startLock);
    return std::any_of(m_starts.cbegin(), m_starts.cend(), [startId](const StartEntry &entry) {
        return !entry.stale && entry.startId() == startId;
    });
}

StartEntry StartGatewayService::startForId(quint16 startId) const
{
    QMutexLocker locker(&m_startLock);
    for (const StartEntry &entry : m_starts) {
        if (!entry.stale && entry.startId() == startId)
            return entry;
    }
    return {};
}

StartEntry StartGatewayService::lastStart() const
{
    QMutexLocker locker(&m_startLock);
    return m_starts.isEmpty() ? StartEntry() : m_starts.constLast();
}

void StartGatewayService::markStartsStale()
{
    QMutexLocker locker(&m_startLock);
    for (StartEntry &entry : m_starts)
        entry.stale = true;
}

int StartGatewayService::activeStartCount() const
{
    QMutexLocker locker(&m_startLock);
    return int(
        std::count_if(m_starts.cbegin(), m_starts.cend(), [](const StartEntry &e) { return !e.stale; }));
}
