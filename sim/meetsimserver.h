#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>

#include "sim/meetsimrequest.h"

class QTcpSocket;

// What the meet simulator does wrong on demand.
struct MeetSimFaults {
    int delayMs = 0;       // every reply waits this long
    int httpStatus = 0;    // every reply has this status instead (a 3xx one also names a Location)
    int cutXmlAt = -1;     // XML replies end after this many bytes (a well-formed HTTP reply of cut XML)
    QByteArray onlyTarget; // when set, only requests whose target starts with it go wrong
};

// The HTTP side of the meet simulator: serves the competitions, events and participations of a meet
// folder ("competitions.xml", "events/<competition id>.xml", "participations/<heat id>.xml"), answers
// result and what-is-happening posts, and writes every post as one line to a log file.
class MeetSimServer : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 kHttpPort = 8090;

    explicit MeetSimServer(const QString &dataDir, QObject *parent = nullptr);
    ~MeetSimServer() override;

    bool listen(const QHostAddress &address = QHostAddress::Any, quint16 port = kHttpPort);
    QString errorString() const { return m_server.errorString(); }
    quint16 port() const { return m_server.serverPort(); }

    void setFaults(const MeetSimFaults &faults) { m_faults = faults; }
    // appends "<time>\t<path>\t<Session-Id or ->\t<body>" per post; empty keeps no log
    void setPostLog(const QString &path) { m_postLogPath = path; }
    const QList<MeetSimRequest> &requests() const { return m_requests; }

signals:
    void requestReceived(const MeetSimRequest &request);

private:
    struct Reply {
        int status = 200;
        QByteArray contentType;
        QByteArray body;
        QByteArray location;
    };
    struct Connection {
        MeetSimRequestParser parser;
        bool replyPending = false;
    };

    void onNewConnection();
    void readRequests(QTcpSocket *socket);
    void handle(QTcpSocket *socket, const MeetSimRequest &request);
    Reply replyTo(const MeetSimRequest &request);
    Reply fileReply(const QString &relativePath) const;
    Reply postReply(const MeetSimRequest &request);
    void logPost(const MeetSimRequest &request) const;
    void send(QTcpSocket *socket, const Reply &reply);

    QTcpServer m_server;
    QString m_dataDir;
    QString m_postLogPath;
    MeetSimFaults m_faults;
    QList<MeetSimRequest> m_requests;
    QHash<QTcpSocket *, Connection> m_connections;
    quint32 m_resultNumber = 0;
};
