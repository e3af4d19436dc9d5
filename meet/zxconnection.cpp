#include "meet/zxconnection.h"

#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRandomGenerator>
#include <QStringList>
#include <QTimer>
#include <QUdpSocket>

#include "core/utilities.h"

namespace
{

constexpr int kFirstDiscoveryDelayMs = 500;
constexpr int kDatagramWriteWaitMs = 30000;
constexpr int kExponents = 6;
constexpr int kAnswerMinimumParts = 3; // prefix, key, cipher text
constexpr int kAnswerMinimumFields = 4;
const QByteArray kDiscoveryPrefix = QByteArrayLiteral("ZXQUELLOR;");
const QByteArray kAnswerPrefix = QByteArrayLiteral("ZXQUELLORANSWER");
const QByteArray kSessionHeader = QByteArrayLiteral("Session-Id");
const QByteArray kFormContentType = QByteArrayLiteral("application/x-www-form-urlencoded");
const QString kTimeFormat = QStringLiteral("hh:mm:ss");
const QString kCompetitionsPath = QStringLiteral("/competitions");
const QString kEventsPath = QStringLiteral("/events/");
const QString kParticipationsPath = QStringLiteral("/participations/");
constexpr char kPostProperty[] = "quellorPost"; // the number of the post a reply answers

QByteArray upToZero(const QByteArray &bytes)
{
    const qsizetype zero = bytes.indexOf('\0');
    return zero < 0 ? bytes : bytes.left(zero);
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The id a list's path names after its prefix ("/participations/10111"); 0 for another path.
uint listId(const QString &path, const QString &prefix)
{
    return path.startsWith(prefix) ? path.mid(prefix.size()).toUInt() : 0;
}

QString url(const QString &ip, const QString &path)
{
    return QStringLiteral("http://%1:%2%3").arg(ip, QString::number(ZXConnection::kHttpPort), path);
}

// one body piece: the argument in its format, as Latin-1 (characters outside it become "?"), unescaped
QByteArray piece(const char *format, const QString &argument)
{
    return QString::fromLatin1(format).arg(argument).toLatin1();
}

} // namespace

ZXConnection::ZXConnection(QObject *parent, bool discoverNow)
    : QObject(parent), m_manager(new QNetworkAccessManager(this)), m_socket(new QUdpSocket(this)),
      m_exponent(int(QRandomGenerator::global()->generate() % kExponents) + 1)
{
    connect(m_manager, &QNetworkAccessManager::finished, this, &ZXConnection::finishedSlot);
    connect(m_socket, &QUdpSocket::readyRead, this, &ZXConnection::ProcessPendingDatagram);
    connect(&m_reader, &MeetReplyReader::new_competition, this, &ZXConnection::new_competition);
    connect(&m_reader, &MeetReplyReader::new_event, this, &ZXConnection::new_event);
    connect(&m_reader, &MeetReplyReader::new_participation, this, &ZXConnection::new_participation);
    if (discoverNow)
        QTimer::singleShot(kFirstDiscoveryDelayMs, this, &ZXConnection::echoForServers);
}

ZXConnection::~ZXConnection()
{
    // replies torn down with the manager must not reach a half-destroyed connection
    disconnect(m_manager, nullptr, this, nullptr);
    if (m_socket->isOpen())
        m_socket->close();
}

void ZXConnection::askCompetitions(const QString &ip)
{
    get(url(ip, kCompetitionsPath));
}

void ZXConnection::askEvents(const QString &ip, uint competitionId)
{
    get(url(ip, kEventsPath + QString::number(competitionId)));
}

void ZXConnection::askParticipations(const QString &ip, uint heatId)
{
    get(url(ip, kParticipationsPath + QString::number(heatId)));
}

QString ZXConnection::sessionId() const
{
    return m_sessionId;
}

void ZXConnection::setSessionId(const QString &sessionId)
{
    m_sessionId = sessionId;
}

void ZXConnection::onAskCompetitions(const QString &) {}

void ZXConnection::onAskEvents(const QString &, uint) {}

quint64 ZXConnection::postWhatIsHappening(const QString &ip, const QString &unique, const QString &type,
                                          const QString &data, const QString &format)
{
    const QByteArray body = piece("unique=%1&", unique) + piece("type=%1&", type) + piece("data=%1&", data) +
                            piece("format=%1", format);
    const quint64 number = post(url(ip, QStringLiteral("/new_whatishappening")), body);
    qDebug().noquote() << QStringLiteral("Post what is happening event: %1")
                              .arg(quoted(QString::fromLatin1(upToZero(body))));
    return number;
}

quint64 ZXConnection::postResult(const QString &ip, uint participation, uchar seqno, const QString &value,
                                 const QString &info, const QTime &timeperformed)
{
    const QByteArray body = piece("participation=%1&", QString::number(participation)) +
                            piece("seqno=%1&", QString::number(seqno)) + piece("value=%1&", value) +
                            piece("wind=%1&", QStringLiteral("0")) +
                            piece("metavalue=%1&", QStringLiteral("0")) +
                            piece("type=%1&", QStringLiteral("RCT")) + piece("info=%1&", info) +
                            piece("timeperformed=%1", timeperformed.toString(kTimeFormat));
    const quint64 number = post(url(ip, QStringLiteral("/new_result")), body);
    qDebug().noquote()
        << QStringLiteral("Post participation result: %1").arg(quoted(QString::fromLatin1(upToZero(body))));
    return number;
}

QByteArray ZXConnection::discoveryDatagram(int exponent)
{
    return kDiscoveryPrefix + QByteArray::number(discoveryPublicValue(quint32(exponent))) + ';';
}

std::optional<QString> ZXConnection::serverNameFromAnswer(const QByteArray &datagram)
{
    if (!datagram.startsWith(kAnswerPrefix))
        return std::nullopt;
    const QStringList parts = QString::fromLatin1(upToZero(datagram)).split(QLatin1Char(';'));
    if (parts.size() < kAnswerMinimumParts)
        return std::nullopt;
    const qint64 key = parts.at(1).toInt(); // 0 when not a number
    const QStringList fields = decryptText(parts.at(2), key).split(QLatin1Char(';'));
    if (fields.size() < kAnswerMinimumFields)
        return std::nullopt;
    return fields.at(0);
}

void ZXConnection::echoForServers()
{
    const QByteArray datagram = discoveryDatagram(m_exponent);
    // stays bound between searches, so that late answers are still heard; IPv4 only, so that senders
    // come as plain dotted addresses
    if (m_socket->state() != QAbstractSocket::BoundState || m_socket->localPort() != kAnswerPort) {
        m_socket->close();
        m_socket->bind(QHostAddress::AnyIPv4, kAnswerPort, QUdpSocket::ShareAddress);
    }
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const QList<QNetworkAddressEntry> entries = interface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            if (entry.broadcast().isNull())
                continue;
            m_socket->writeDatagram(datagram, entry.broadcast(), kDiscoveryPort);
            if (m_socket->isWritable())
                m_socket->waitForBytesWritten(kDatagramWriteWaitMs);
        }
    }
}

void ZXConnection::ProcessPendingDatagram()
{
    while (m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram();
        if (!datagram.isValid())
            break;
        const std::optional<QString> name = serverNameFromAnswer(datagram.data());
        if (!name)
            continue;
        QHostAddress sender = datagram.senderAddress();
        bool isIPv4 = false;
        const quint32 ipv4 = sender.toIPv4Address(&isIPv4);
        if (isIPv4)
            sender = QHostAddress(ipv4); // an IPv4-mapped IPv6 address would not fit in a URL as it is
        qDebug().noquote() << QStringLiteral("IP: %1").arg(ipv4);
        qDebug().noquote() << QStringLiteral("ZXCon IP %1").arg(quoted(sender.toString()));
        emit new_server(sender, *name);
    }
}

void ZXConnection::finishedSlot(QNetworkReply *reply)
{
    reply->deleteLater();
    const bool failed = reply->error() != QNetworkReply::NoError;
    const QVariant post = reply->property(kPostProperty);
    if (failed) {
        // a lost post is not sent again; the operator is told which results are missing
        qDebug().noquote() << QStringLiteral("Meet server request %1 failed: %2")
                                  .arg(reply->url().path(), reply->errorString());
        setSessionId(QString());
    } else {
        const QString path = reply->url().path();
        // the athletes of a heat that is no longer chosen are known by the heat they came for
        m_participationsHeat = listId(path, kParticipationsPath);
        m_reader.readReply(path, reply->readAll());
        m_participationsHeat = 0;
    }
    if (post.isValid()) {
        m_leaving.remove(post.toULongLong());
        emit post_finished(post.toULongLong(), !failed);
    } else {
        tellListReceived(reply->url().path(), !failed);
    }
}

void ZXConnection::tellListReceived(const QString &path, bool ok)
{
    if (path == kCompetitionsPath)
        emit competitions_received(ok);
    else if (path.startsWith(kEventsPath))
        emit events_received(listId(path, kEventsPath), ok);
    else if (path.startsWith(kParticipationsPath))
        emit participations_received(listId(path, kParticipationsPath), ok);
}

QNetworkRequest ZXConnection::request(const QString &url) const
{
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(m_transferTimeoutMs);
    if (!m_sessionId.isEmpty())
        request.setRawHeader(kSessionHeader, m_sessionId.toLatin1());
    return request;
}

void ZXConnection::get(const QString &url)
{
    limitReplySize(m_manager->get(request(url)));
}

quint64 ZXConnection::post(const QString &url, const QByteArray &body)
{
    QNetworkRequest postRequest = request(url);
    // what the network library would add anyway, set here to spare its warning
    postRequest.setHeader(QNetworkRequest::ContentTypeHeader, kFormContentType);
    QNetworkReply *reply = m_manager->post(postRequest, body);
    const quint64 number = ++m_posts;
    reply->setProperty(kPostProperty, number);
    m_leaving.insert(number);
    // a program about to end needs to know its posts have left, even with no answer yet
    connect(reply, &QNetworkReply::uploadProgress, this, [this, number](qint64 sent, qint64 total) {
        if (total > 0 && sent == total)
            postLeft(number);
    });
    limitReplySize(reply);
    return number;
}

void ZXConnection::postLeft(quint64 post)
{
    if (m_leaving.remove(post))
        emit post_sent(post);
}

void ZXConnection::limitReplySize(QNetworkReply *reply)
{
    connect(reply, &QNetworkReply::readyRead, this, [reply] {
        if (reply->bytesAvailable() > kMaxReplyBytes)
            reply->abort(); // finishes as a failed reply
    });
}
