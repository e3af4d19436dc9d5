#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QUdpSocket>

// The discovery side of the meet simulator: answers "ZXQUELLOR;<number>;" on UDP port 1217 with
// "ZXQUELLORANSWER;<key>;<cipher text of name;port;number;version>" to port 1218 of the sender, the key
// being the number that the search sent.
class MeetSimDiscovery : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 kDiscoveryPort = 1217;
    static constexpr quint16 kAnswerPort = 1218;

    explicit MeetSimDiscovery(const QString &serverName, QObject *parent = nullptr);

    // listens on every IPv4 address, sharing the port with other servers on the same machine
    bool listen();
    QString errorString() const { return m_listener.errorString(); }
    // answers only after this long
    void setAnswerDelay(int ms) { m_answerDelayMs = ms; }
    // answers from this address instead of the one the system picks
    bool setAnswerAddress(const QHostAddress &address);

    // the answer to one search datagram; empty when it is no search
    QByteArray answerTo(const QByteArray &search) const;

signals:
    void answered(const QHostAddress &searcher);

private:
    void readSearches();

    QString m_serverName;
    QUdpSocket m_listener;
    QUdpSocket m_answerer;
    int m_answerDelayMs = 0;
};
