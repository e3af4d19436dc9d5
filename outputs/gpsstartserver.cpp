#include "outputs/gpsstartserver.h"

#include <QDebug>
#include <QHostAddress>
#include <QTcpSocket>

#include "core/utilities.h"
#include "outputs/lanframe.h"
#include "outputs/startgatewayservice.h"

namespace
{

constexpr quint8 kStartIdTag = 1;
constexpr int kStartIdLength = 2;
constexpr int kNumberOfStartsItemLength = 4;
constexpr quint8 kAlertTag = 1;
constexpr int kAlertLength = 1;
constexpr unsigned char kAlertType = 1;

QString peerText(const QTcpSocket *socket)
{
    return socket->peerAddress().toString();
}

} // namespace

GpsStartServer::GpsStartServer(StartGatewayService *gateway, bool listenForClients)
    : QTcpServer(gateway), m_gateway(gateway)
{
    if (listenForClients && !listen(QHostAddress::AnyIPv4, kPort))
        qDebug() << "Could not listen on port" << kPort;
    connect(this, &QTcpServer::newConnection, this, &GpsStartServer::OnNewConnection);
}

GpsStartServer::~GpsStartServer() = default;

void GpsStartServer::OnNewConnection()
{
    while (QTcpSocket *socket = nextPendingConnection()) {
        socket->setReadBufferSize(kReadBufferSize);
        connect(socket, &QTcpSocket::readyRead, this, &GpsStartServer::readyRead);
        connect(socket, &QTcpSocket::disconnected, this, &GpsStartServer::disconnected);
        qDebug() << "New client from:" << peerText(socket);
        m_clients.insert(socket, QByteArray());
    }
}

QTcpSocket *GpsStartServer::sendingClient() const
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    return m_clients.contains(socket) ? socket : nullptr;
}

void GpsStartServer::disconnected()
{
    QTcpSocket *socket = sendingClient();
    if (!socket)
        return;
    qDebug() << "Client disconnected:" << peerText(socket);
    m_clients.remove(socket);
    socket->deleteLater();
}

void GpsStartServer::clearClients()
{
    for (auto it = m_clients.cbegin(); it != m_clients.cend(); ++it) {
        QTcpSocket *socket = it.key();
        socket->disconnect(this);
        if (socket->isOpen())
            socket->close();
        socket->deleteLater(); // or with the server, its parent
    }
    m_clients.clear();
}

void GpsStartServer::readyRead()
{
    QTcpSocket *socket = sendingClient();
    if (!socket)
        return;
    qDebug() << "read data from" << peerText(socket);
    while (socket->bytesAvailable() > 0) {
        const QByteArray received = socket->read(kReadBufferSize);
        if (received.isEmpty())
            return;
        QByteArray pending = m_clients.value(socket);
        const QList<QByteArray> replies = answer(pending, received);
        m_clients[socket] = pending;
        for (const QByteArray &reply : replies) {
            if (!sendFrame(reply, socket))
                return;
        }
    }
}

QList<QByteArray> GpsStartServer::answer(QByteArray &pending, const QByteArray &received)
{
    // what stands before a start byte is no frame; after a whole frame the splitter leaves that frame's
    // end byte in front of the next one, which must not cost the next one its start
    const qsizetype start = pending.indexOf(char(LanFrame::kStartByte));
    pending = start < 0 ? QByteArray() : pending.mid(start);
    QList<QByteArray> replies;
    for (const QByteArray &frame : splitFrames(received, pending)) {
        const QByteArray reply = HandlePacket(frame);
        if (!reply.isEmpty())
            replies << reply;
    }
    return replies;
}

QByteArray GpsStartServer::HandlePacket(const QByteArray &bytes)
{
    const std::optional<LanFrame> frame = LanFrame::parse(bytes);
    if (!frame)
        return {};
    switch (frame->type()) {
    case LanFrame::InfoRequest:
        qDebug() << "handle info request";
        return handleInfoRequest(*frame);
    case LanFrame::InfoReply:
        break;
    case LanFrame::StatusRequest:
        qDebug() << "a status request is not used";
        break;
    case LanFrame::Status:
        qDebug() << "a status reply should not arrive at the TCP server";
        break;
    case LanFrame::NewStartRequest:
        qDebug() << "a new start is not used";
        break;
    case LanFrame::NewStart:
        qDebug() << "a new start reply should not arrive at the TCP server";
        break;
    case LanFrame::StartRequest:
        qDebug() << "handle start request";
        return handleStartRequest(*frame);
    case LanFrame::StartReply:
        qDebug() << "a start reply should not arrive at the TCP server";
        break;
    case LanFrame::NumberOfStartsRequest:
        qDebug() << "handle number of starts request";
        return handleNumberOfStartsRequest(*frame);
    case LanFrame::NumberOfStartsReply:
        qDebug() << "a number of starts reply should not arrive at the TCP server";
        break;
    case LanFrame::PhotoFinishAlert:
        qDebug() << "handle Orvane alert message";
        handleOrvaneAlert(*frame);
        break;
    default:
        qDebug() << "Unknown packet" << frame->type();
        break;
    }
    return {};
}

bool GpsStartServer::sendFrame(const QByteArray &frame, QTcpSocket *socket)
{
    socket->write(frame); // a failed write is not retried
    if (socket->bytesToWrite() <= kMaxUnsentBytes)
        return true;
    socket->abort();
    return false;
}

QByteArray GpsStartServer::handleInfoRequest(const LanFrame &frame)
{
    return LanFrame::build(frame.counter(), LanFrame::InfoReply, m_gateway->buildInfoPayload());
}

QByteArray GpsStartServer::handleStartRequest(const LanFrame &frame)
{
    quint16 startId = 0;
    for (const LanFrame::Item &item :
         frame.takeItems({{kStartIdTag, kStartIdLength}}, "Unknown part in start request data"))
        startId = LanFrame::readU16(item.value);
    if (startId == 0)
        return {};
    qDebug() << "Start request for startid" << startId;
    StartEntry entry = m_gateway->startForId(startId);
    if (entry.startId() != startId) {
        entry = StartEntry(); // a start we do not hold: its id with the time values of second 0
        entry.time.bytes[0] = quint8(startId);
    }
    return LanFrame::build(frame.counter(), LanFrame::StartReply, m_gateway->buildNewStartReply(entry));
}

QByteArray GpsStartServer::handleNumberOfStartsRequest(const LanFrame &frame)
{
    frame.takeItems({{1, kNumberOfStartsItemLength},
                     {2, kNumberOfStartsItemLength},
                     {3, kNumberOfStartsItemLength},
                     {4, kNumberOfStartsItemLength}},
                    "Unknown part in number of starts request data");
    if (frame.counter() == 0)
        return {};
    return LanFrame::build(frame.counter(), LanFrame::NumberOfStartsReply, QByteArray());
}

void GpsStartServer::handleOrvaneAlert(const LanFrame &frame)
{
    for (const LanFrame::Item &item :
         frame.takeItems({{kAlertTag, kAlertLength}}, "Unknown part in orvane alert data")) {
        m_alertValue = quint8(item.value.at(0));
        emit new_orvane_alert(kAlertType, kAlertLength, &m_alertValue);
    }
}
