#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QTcpServer>

class QTcpSocket;
class LanFrame;
class StartGatewayService;

// The request side of the LAN start services: listens on TCP port 1110 and answers info, start and
// number-of-starts requests from the gateway's data; a photo-finish alert travels on as new_orvane_alert.
// Each client has its own receive buffer, so pieces of two clients' frames never mix.
class GpsStartServer : public QTcpServer
{
    Q_OBJECT

public:
    static constexpr quint16 kPort = 1110;
    // A client that stops reading loses its connection rather than growing our send buffer.
    static constexpr qint64 kMaxUnsentBytes = 64 * 1024;
    // What a client's socket holds before it waits for us: a burst is read in pieces of this size, never
    // as one allocation. Far above a request frame.
    static constexpr qint64 kReadBufferSize = 4096;

    // Listens at once unless told not to; the gateway is the parent and the source of every answer.
    explicit GpsStartServer(StartGatewayService *gateway, bool listenForClients = true);
    ~GpsStartServer() override;

    // The answers to bytes one client sent, in order; pending is that client's unfinished frame.
    QList<QByteArray> answer(QByteArray &pending, const QByteArray &received);
    int clientCount() const { return int(m_clients.size()); }
    // Closes every client connection; the sockets go with the next event loop turn or with the server.
    void clearClients();

signals:
    // data points at the alert value and is valid only while the signal is emitted.
    void new_orvane_alert(unsigned char type, unsigned short length, unsigned char *data);

public slots:
    void OnNewConnection();
    void readyRead();    // of the sending client
    void disconnected(); // of the sending client

private:
    QTcpSocket *sendingClient() const;
    // Each returns the whole reply frame, or nothing when the frame is not answered.
    QByteArray HandlePacket(const QByteArray &frame);
    QByteArray handleInfoRequest(const LanFrame &frame);
    QByteArray handleStartRequest(const LanFrame &frame);
    QByteArray handleNumberOfStartsRequest(const LanFrame &frame);
    void handleOrvaneAlert(const LanFrame &frame);
    // False when the client lost its connection because it does not read its answers.
    bool sendFrame(const QByteArray &frame, QTcpSocket *socket);

    StartGatewayService *m_gateway;            // the parent
    QHash<QTcpSocket *, QByteArray> m_clients; // each client with its unfinished frame
    unsigned char m_alertValue = 1;
};
