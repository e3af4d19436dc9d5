#pragma once

#include <QByteArray>
#include <QHash>
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

    // Listens at once; the gateway is the parent and the source of every answer.
    explicit GpsStartServer(StartGatewayService *gateway);
    ~GpsStartServer() override;

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
    void HandlePacket(const QByteArray &frame, QTcpSocket *socket);
    void sendFrame(quint16 counter, const QByteArray &payload, quint8 type, QTcpSocket *socket);
    void handleInfoRequest(const LanFrame &frame, QTcpSocket *socket);
    void handleStartRequest(const LanFrame &frame, QTcpSocket *socket);
    void handleNumberOfStartsRequest(const LanFrame &frame, QTcpSocket *socket);
    void handleOrvaneAlert(const LanFrame &frame);

    StartGatewayService *m_gateway;            // the parent
    QHash<QTcpSocket *, QByteArray> m_clients; // each client with its unfinished frame
    unsigned char m_alertValue = 1;
};
