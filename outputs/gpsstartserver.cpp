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

GpsStartServer::GpsStartServer(StartGatewayService *gateway) : QTcpServer(gateway), m_gateway(gateway)
{
    if (!listen(QHostAddress::AnyIPv4, kPort))
        qDebug() << "Could not listen on port" << kPort;
    connect(this, &QTcpServer::newConnection, this, &GpsStartServer::OnNewConnection);
}

GpsStartServer::~GpsStartServer() = default;

void GpsStartServer::OnNewConnection()
{
    while (QTcpSocket *socket = nextPendingConnection()) {
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
    const QByteArray received = socket->readAll();
    if (received.isEmpty())
        return;
    // what stands before a start byte is no frame; after a whole frame the splitter leaves that frame's
    // end byte in front of the next one, which must not cost the next one its start
    QByteArray pending = m_clients.value(socket);
    const qsizetype start = pending.indexOf(char(LanFrame::kStartByte));
    pending = start < 0 ? QByteArray() : pending.mid(start);
    const QList<QByteArray> frames = splitFrames(received, pending);
    m_clients[socket] = pending;
    for (const QByteArray &frame : frames) {
        if (!m_clients.contains(socket))
            return; // an answer cost the client its connection
        HandlePacket(frame, socket);
    }
}

void GpsStartServer::HandlePacket(const QByteArray &bytes, QTcpSocket *socket)
{
    const std::optional<LanFrame> frame = LanFrame::parse(bytes);
    if (!frame)
        return;
    switch (frame->type()) {
    case LanFrame::InfoRequest:
        qDebug() << "handle info request";
        handleInfoRequest(*frame, socket);
        break;
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
        handleStartRequest(*frame, socket);
        break;
    case LanFrame::StartReply:
        qDebug() << "a start reply should not arrive at the TCP server";
        break;
    case LanFrame::NumberOfStartsRequest:
        qDebug() << "handle number of starts request";
        handleNumberOfStartsRequest(*frame, socket);
        break;
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
}

void GpsStartServer::sendFrame(quint16 counter, const QByteArray &payload, quint8 type, QTcpSocket *socket)
{
    socket->write(LanFrame::build(counter, type, payload)); // a failed write is not retried
    if (socket->bytesToWrite() > kMaxUnsentBytes)
        socket->abort();
}

void GpsStartServer::handleInfoRequest(const LanFrame &frame, QTcpSocket *socket)
{
    sendFrame(frame.counter(), m_gateway->buildInfoPayload(), LanFrame::InfoReply, socket);
}

void GpsStartServer::handleStartRequest(const LanFrame &frame, QTcpSocket *socket)
{
    quint16 startId = 0;
    for (const LanFrame::Item &item :
         frame.takeItems({{kStartIdTag, kStartIdLength}}, "Unknown part in start request data"))
        startId = LanFrame::readU16(item.value);
    if (startId == 0)
        return;
    qDebug() << "Start request for startid" << startId;
    StartEntry entry = m_gateway->startForId(startId);
    if (entry.startId() != startId) {
        entry = StartEntry(); // a start we do not hold: its id with the time values of second 0
        entry.time.bytes[0] = quint8(startId);
    }
    sendFrame(frame.counter(), m_gateway->buildNewStartReply(entry), LanFrame::StartReply, socket);
}

void GpsStartServer::handleNumberOfStartsRequest(const LanFrame &frame, QTcpSocket *socket)
{
    frame.takeItems({{1, kNumberOfStartsItemLength},
                     {2, kNumberOfStartsItemLength},
                     {3, kNumberOfStartsItemLength},
                     {4, kNumberOfStartsItemLength}},
                    "Unknown part in number of starts request data");
    if (frame.counter() != 0)
        sendFrame(frame.counter(), QByteArray(), LanFrame::NumberOfStartsReply, socket);
}

void GpsStartServer::handleOrvaneAlert(const LanFrame &frame)
{
    for (const LanFrame::Item &item :
         frame.takeItems({{kAlertTag, kAlertLength}}, "Unknown part in orvane alert data")) {
        m_alertValue = quint8(item.value.at(0));
        emit new_orvane_alert(kAlertType, kAlertLength, &m_alertValue);
    }
}
