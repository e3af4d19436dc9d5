#include "sim/meetsimdiscovery.h"

#include <QNetworkDatagram>
#include <QTimer>

#include "core/utilities.h"

namespace
{
const QByteArray kSearchPrefix = QByteArrayLiteral("ZXQUELLOR;");
const QByteArray kAnswerPrefix = QByteArrayLiteral("ZXQUELLORANSWER;");
const QString kHttpPort = QStringLiteral("8090");
const QString kVersion = QStringLiteral("1");
constexpr qsizetype kMaxNumberDigits = 9; // the number is below 863; anything longer is no search
} // namespace

MeetSimDiscovery::MeetSimDiscovery(const QString &serverName, QObject *parent)
    : QObject(parent), m_serverName(serverName)
{
    connect(&m_listener, &QUdpSocket::readyRead, this, &MeetSimDiscovery::readSearches);
}

bool MeetSimDiscovery::listen()
{
    return m_listener.bind(QHostAddress::AnyIPv4, kDiscoveryPort, QUdpSocket::ShareAddress);
}

bool MeetSimDiscovery::setAnswerAddress(const QHostAddress &address)
{
    m_answerer.close();
    return m_answerer.bind(address, 0);
}

QByteArray MeetSimDiscovery::answerTo(const QByteArray &search) const
{
    if (!search.startsWith(kSearchPrefix) || !search.endsWith(';'))
        return QByteArray();
    const QByteArray digits = search.mid(kSearchPrefix.size()).chopped(1);
    bool ok = false;
    const int number = digits.toInt(&ok);
    if (!ok || digits.size() > kMaxNumberDigits || number < 0)
        return QByteArray();
    const QString plain = QStringList{m_serverName, kHttpPort, QString::number(number), kVersion}.join(u';');
    return kAnswerPrefix + QByteArray::number(number) + ';' +
           encryptText(plain, quint32(number), 0).toLatin1();
}

void MeetSimDiscovery::readSearches()
{
    while (m_listener.hasPendingDatagrams()) {
        const QNetworkDatagram search = m_listener.receiveDatagram();
        if (!search.isValid())
            break;
        const QByteArray answer = answerTo(search.data());
        if (answer.isEmpty())
            continue;
        QHostAddress searcher = search.senderAddress();
        QTimer::singleShot(m_answerDelayMs, this, [this, answer, searcher] {
            QUdpSocket &socket = m_answerer.state() == QAbstractSocket::BoundState ? m_answerer : m_listener;
            socket.writeDatagram(answer, searcher, kAnswerPort);
            emit answered(searcher);
        });
    }
}
