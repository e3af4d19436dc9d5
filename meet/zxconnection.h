#pragma once

#include <optional>

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTime>

#include "meet/event.h"
#include "meet/meetreplyreader.h"
#include "meet/participation.h"

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;
class QUdpSocket;

// The program's client of the meet-management servers on the local network: finds them by a UDP
// broadcast, asks one over HTTP for its competitions, events and participations (each object arrives as a
// signal) and posts race results to it. Everything runs asynchronously in the GUI thread.
class ZXConnection : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 kDiscoveryPort = 1217; // the servers listen here
    static constexpr quint16 kAnswerPort = 1218;    // and answer here
    static constexpr quint16 kHttpPort = 8090;
    // a reply body above this is cut off as a failed reply
    static constexpr qint64 kMaxReplyBytes = 32 * 1024 * 1024;
    // a server that accepts a request and then stays silent this long fails the request
    static constexpr int kTransferTimeoutMs = 15000;

    // With discoverNow, the first discovery goes out 500 ms after construction.
    explicit ZXConnection(QObject *parent = nullptr, bool discoverNow = false);
    ~ZXConnection() override;

    // GET http://<ip>:8090/competitions, /events/<competitionId>, /participations/<heatId>
    virtual void askCompetitions(const QString &ip);
    virtual void askEvents(const QString &ip, uint competitionId);
    void askParticipations(const QString &ip, uint heatId);

    // Sent as "Session-Id" with every request; empty sends no such header. A failed reply empties it.
    virtual QString sessionId() const;
    virtual void setSessionId(const QString &sessionId);

    // POST http://<ip>:8090/new_whatishappening with "unique=..&type=..&data=..&format=.."; returns the
    // post's number, which post_finished names.
    quint64 postWhatIsHappening(const QString &ip, const QString &unique, const QString &type,
                                const QString &data, const QString &format);
    // POST http://<ip>:8090/new_result with "participation=..&seqno=..&value=..&wind=0&metavalue=0&type=RCT&
    // info=..&timeperformed=hh:mm:ss"; returns the post's number.
    quint64 postResult(const QString &ip, uint participation, uchar seqno, const QString &value,
                       const QString &info, const QTime &timeperformed);

    // 1 to 6, drawn once: every discovery of this connection sends the same datagram
    int exponent() const { return m_exponent; }
    // never changed here: the main window raises it around each what-is-happening post
    int postCounter() const { return m_postCounter; }
    void setPostCounter(int counter) { m_postCounter = counter; }
    void setTransferTimeout(int ms) { m_transferTimeoutMs = ms; }
    // The heat whose participations are being read while new_participation is emitted; 0 otherwise.
    uint participationsHeat() const { return m_participationsHeat; }
    // Some post has not been written out whole yet and has no reply either.
    bool postsLeaving() const { return !m_leaving.isEmpty(); }

    // "ZXQUELLOR;<8^exponent mod 863>;"
    static QByteArray discoveryDatagram(int exponent);
    // The server's name from a discovery answer "ZXQUELLORANSWER;<key>;<cipher text>" whose deciphered
    // text has at least 4 fields separated by ";"; nothing for any other datagram.
    static std::optional<QString> serverNameFromAnswer(const QByteArray &datagram);

signals:
    void new_server(const QHostAddress &host, const QString &name);
    void new_competition(uint id, const QString &name, const QString &info);
    void new_event(const Event &event);
    void new_participation(const Participation &participation);
    // A post's reply came: reached is false when it failed (it is not sent again).
    void post_finished(quint64 post, bool reached);
    // A list's reply is done, after the objects it held; ok is false when it failed.
    void competitions_received(bool ok);
    void events_received(uint competitionId, bool ok);
    void participations_received(uint heatId, bool ok);
    // A post was written out whole; its reply is still to come.
    void post_sent(quint64 post);

public slots:
    // broadcasts the discovery datagram to port 1217 of every broadcast address
    void echoForServers();
    virtual void onAskCompetitions(const QString &ip);
    virtual void onAskEvents(const QString &ip, uint competitionId);
    void finishedSlot(QNetworkReply *reply);
    void ProcessPendingDatagram();

private:
    QNetworkRequest request(const QString &url) const;
    void get(const QString &url);
    quint64 post(const QString &url, const QByteArray &body);
    void limitReplySize(QNetworkReply *reply);
    void tellListReceived(const QString &path, bool ok);
    void postLeft(quint64 post);

    QNetworkAccessManager *m_manager = nullptr;
    QUdpSocket *m_socket = nullptr;
    QString m_sessionId;
    int m_exponent = 1;
    int m_postCounter = 0;
    quint64 m_posts = 0;     // numbers the posts
    QSet<quint64> m_leaving; // posts not yet written out whole, nor answered
    int m_transferTimeoutMs = kTransferTimeoutMs;
    uint m_participationsHeat = 0;
    MeetReplyReader m_reader;
};
