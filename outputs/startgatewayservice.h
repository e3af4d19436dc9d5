#pragma once

#include <array>
#include <memory>

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>
#include <QVariant>

#include "core/sharedtypes.h"
#include "outputs/gpsstartserver.h"

class CCoordinator;
class SerialClock;

// One start the coordinator reported, as received. Stale once the coordinator's start count began again
// or its id was given to a later start; entries are never removed.
struct StartEntry {
    HX_GPS_TIME time;
    bool stale = false;

    quint8 startId() const { return time.startId(); }
};

// Publishes what the coordinator says about its GPS receiver and its starts on the local network: a
// status frame every 500 ms once the coordinator has said anything and a frame for each new start, both
// broadcast to UDP port 1109 of every interface; asks the coordinator for start times it lacks, and owns
// the TCP start-time service, which answers from the same start list.
//
// The thread only runs an empty event loop: this object, its sockets and timers live in the caller's
// thread, and every connection to it is direct. Time is read from one clock that a test may replace.
class StartGatewayService : public QThread
{
    Q_OBJECT

public:
    static constexpr quint16 kBroadcastPort = 1109;
    static constexpr int kBroadcastIntervalMs = 500;
    static constexpr int kLinkCheckIntervalMs = 5000;
    static constexpr qint64 kLinkLostSeconds = 20;     // silent longer than this: letter "L"
    static constexpr qint64 kGpsStalledSeconds = 3600; // GPS time unchanged this long: starts not broadcast
    static constexpr quint8 kStartTimeRequestType = 1;
    static constexpr char kGpsUnknown = 'V';
    static constexpr char kGpsValid = 'A';
    static constexpr char kLinkLost = 'L';

    // Without listenForClients the TCP service answers only bytes handed to it (for fuzzing).
    explicit StartGatewayService(QObject *parent = nullptr, std::shared_ptr<SerialClock> clock = {},
                                 bool listenForClients = true);
    ~StartGatewayService() override;

    // Written by the caller when project settings are applied (an empty MAC and PAN id 0 when the set has
    // no coordinator) and, for the PAN id, whenever the coordinator reports another one.
    void setCoordinatorMac(const QString &macText); // kept upper-case
    QString coordinatorMac() const { return m_coordinatorMac; }
    void setStarterName(const QString &name) { m_starterName = name; }
    QString starterName() const { return m_starterName; }
    void setPanId(quint16 panId) { m_panId = panId; }
    quint16 panId() const { return m_panId; }

    QByteArray buildStatusPayload() const;
    QByteArray buildNewStartReply(const StartEntry &entry) const;
    QByteArray buildInfoPayload() const;
    // Broadcasts one frame with the next counter to every broadcast address of every interface.
    void SendFrame(const QByteArray &payload, quint8 type);

    // The start list; each call takes its lock.
    void appendStart(const HX_GPS_TIME &time);
    int startCount() const;
    bool hasStart(quint16 startId) const;
    StartEntry startForId(quint16 startId) const; // all zeros when no live entry has the id
    StartEntry lastStart() const;                 // all zeros when the list is empty
    void markStartsStale();
    int activeStartCount() const;

    char gpsState() const { return m_gpsState; }
    quint16 numberOfStarts() const { return m_numberOfStarts; }
    quint16 frameCounter() const { return m_frameCounter; }
    bool isStatusSeen() const { return m_statusSeen; }
    GpsStartServer &startServer() { return m_server; }

signals:
    // data holds the wanted start id (int). Connect directly: the coordinator object naming the coordinator
    // by its MAC lives only while the signal is emitted.
    void send_starttime_request(unsigned char type, QVariant data, CCoordinator *coordinator);
    // data points at the alert value and is valid only while the signal is emitted.
    void new_orvane_alert(unsigned char type, unsigned short length, unsigned char *data);

public slots:
    void OnNewGpsStart(HX_GPS_TIME time);
    void OnCoordinatorNewStatusField(unsigned char type, unsigned char length, unsigned char *data);
    void OnNewOrvaneAlert(unsigned char type, unsigned short length, unsigned char *data);
    void OnBroadcastTimeout();
    void OnConnectionLostTimeout();

protected:
    void run() override;

private:
    void takeNumberOfStarts(quint8 count);
    void requestMissingStarts();
    void takeGpsTime(const unsigned char *data, unsigned char length);
    // False when a live entry holds this very record; a live entry of the same id with other bytes is an
    // earlier start whose id the coordinator's one-byte counter gave out again, and becomes stale.
    bool takeAsNewStart(const HX_GPS_TIME &time);
    qint64 secondsSince(qint64 steadyMs) const;

    std::shared_ptr<SerialClock> m_clock;
    QUdpSocket m_udp;
    quint16 m_frameCounter = 1;
    GpsStartServer m_server;
    char m_gpsState = kGpsUnknown;
    quint16 m_numberOfStarts = 0;
    quint16 m_firstStartId = 0;
    quint32 m_gpsDate = 0;             // yyyymmdd, UTC
    quint32 m_gpsTimeOfDay = 0;        // hhmmss, UTC
    std::array<char, 2> m_longitude{}; // degrees * 100 + minutes, big-endian as received
    std::array<char, 2> m_longitudeFraction{};
    char m_longitudeHemisphere = 0;
    std::array<char, 2> m_latitude{};
    std::array<char, 2> m_latitudeFraction{};
    char m_latitudeHemisphere = 0;
    quint32 m_gpsSeconds = 0;
    qint64 m_lastGpsAdvanceMs = 0;
    quint32 m_previousGpsTimeOfDay = 0;
    QString m_coordinatorMac;
    quint16 m_panId = 0;
    QString m_starterName;
    quint8 m_infoConstant = 1;
    mutable QMutex m_startLock;
    QList<StartEntry> m_starts;
    QTimer m_broadcastTimer;
    QTimer m_linkTimer;
    bool m_statusSeen = false;
    qint64 m_lastStatusMs = 0;
    quint16 m_previousNumberOfStarts = 0;
};
