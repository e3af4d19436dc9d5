#include "sim/meetsimserver.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>

namespace
{
constexpr int kOk = 200;
constexpr int kBadRequest = 400;
constexpr int kNotFound = 404;
constexpr int kMaxRecordedRequests = 10000;
constexpr qint64 kMaxXmlFileBytes = 64 * 1024 * 1024;
const QByteArray kXmlType = QByteArrayLiteral("application/xml; charset=utf-8");
const QByteArray kTextType = QByteArrayLiteral("text/plain");

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 302:
        return "Found";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}
} // namespace

MeetSimServer::MeetSimServer(const QString &dataDir, QObject *parent) : QObject(parent), m_dataDir(dataDir)
{
    connect(&m_server, &QTcpServer::newConnection, this, &MeetSimServer::onNewConnection);
}

MeetSimServer::~MeetSimServer() = default;

bool MeetSimServer::listen(const QHostAddress &address, quint16 port)
{
    return m_server.listen(address, port);
}

void MeetSimServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        m_connections.insert(socket, Connection());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequests(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_connections.remove(socket);
            socket->deleteLater();
        });
    }
}

// One request at a time per connection: a delayed reply holds back the requests behind it.
void MeetSimServer::readRequests(QTcpSocket *socket)
{
    auto it = m_connections.find(socket);
    if (it == m_connections.end() || it->replyPending)
        return;
    MeetSimRequest request;
    switch (it->parser.feed(socket->readAll(), &request)) {
    case MeetSimRequestParser::Result::Incomplete:
        return;
    case MeetSimRequestParser::Result::Malformed:
        send(socket, Reply{kBadRequest, kTextType, "bad request\n", {}});
        socket->disconnectFromHost();
        return;
    case MeetSimRequestParser::Result::Complete:
        break;
    }
    it->replyPending = true;
    handle(socket, request);
}

void MeetSimServer::handle(QTcpSocket *socket, const MeetSimRequest &request)
{
    if (m_requests.size() < kMaxRecordedRequests)
        m_requests.append(request);
    emit requestReceived(request);
    const Reply reply = replyTo(request);
    const int delayMs = request.target.startsWith(m_faults.onlyTarget) ? m_faults.delayMs : 0;
    QTimer::singleShot(delayMs, socket, [this, socket, reply] {
        send(socket, reply);
        auto it = m_connections.find(socket);
        if (it == m_connections.end())
            return;
        it->replyPending = false;
        readRequests(socket); // a request that came in meanwhile
    });
}

MeetSimServer::Reply MeetSimServer::replyTo(const MeetSimRequest &request)
{
    Reply reply;
    if (request.method == "POST") {
        reply = postReply(request);
    } else if (request.method == "GET") {
        static const QRegularExpression listPath(QStringLiteral("^/(events|participations)/(\\d{1,10})$"));
        const QString path = QString::fromLatin1(request.target);
        const QRegularExpressionMatch match = listPath.match(path);
        if (path == QLatin1String("/competitions"))
            reply = fileReply(QStringLiteral("competitions.xml"));
        else if (match.hasMatch())
            reply = fileReply(QStringLiteral("%1/%2.xml").arg(match.captured(1), match.captured(2)));
        else
            reply = Reply{kNotFound, kTextType, "not found\n", {}};
    } else {
        reply = Reply{kBadRequest, kTextType, "unsupported method\n", {}};
    }

    if (!request.target.startsWith(m_faults.onlyTarget))
        return reply;
    if (reply.contentType == kXmlType && m_faults.cutXmlAt >= 0)
        reply.body.truncate(m_faults.cutXmlAt);
    if (m_faults.httpStatus > 0) {
        reply.status = m_faults.httpStatus;
        reply.contentType = kTextType;
        reply.body = reasonPhrase(reply.status) + '\n';
        if (reply.status / 100 == 3)
            reply.location = request.target;
    }
    return reply;
}

MeetSimServer::Reply MeetSimServer::fileReply(const QString &relativePath) const
{
    QFile file(QDir(m_dataDir).filePath(relativePath));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxXmlFileBytes)
        return Reply{kNotFound, kTextType, "not found\n", {}};
    return Reply{kOk, kXmlType, file.readAll(), {}};
}

MeetSimServer::Reply MeetSimServer::postReply(const MeetSimRequest &request)
{
    logPost(request);
    if (request.target == "/new_result")
        return Reply{kOk, kTextType, QByteArray::number(++m_resultNumber), {}};
    if (request.target == "/new_whatishappening")
        return Reply{kOk, kTextType, "OK", {}};
    return Reply{kNotFound, kTextType, "not found\n", {}};
}

void MeetSimServer::logPost(const MeetSimRequest &request) const
{
    if (m_postLogPath.isEmpty())
        return;
    QFile log(m_postLogPath);
    if (!log.open(QIODevice::Append))
        return;
    const QByteArray line = QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toLatin1() + '\t' +
                            request.target + '\t' + request.header("Session-Id").value_or("-") + '\t' +
                            request.body + '\n';
    log.write(line);
}

void MeetSimServer::send(QTcpSocket *socket, const Reply &reply)
{
    QByteArray bytes = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reasonPhrase(reply.status) +
                       "\r\nContent-Type: " + reply.contentType +
                       "\r\nContent-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    if (!reply.location.isEmpty())
        bytes += "Location: " + reply.location + "\r\n";
    bytes += "\r\n" + reply.body;
    socket->write(bytes);
}
