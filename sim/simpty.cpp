#include "sim/simpty.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

namespace
{

constexpr int kReadChunk = 4096;

int baudFromSpeed(speed_t speed)
{
    switch (speed) {
    case B1200:
        return 1200;
    case B2400:
        return 2400;
    case B4800:
        return 4800;
    case B9600:
        return 9600;
    case B19200:
        return 19200;
    case B38400:
        return 38400;
    case B57600:
        return 57600;
    case B115200:
        return 115200;
    default:
        return 0;
    }
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

SimPty::SimPty(QObject *parent) : QObject(parent) {}

SimPty::~SimPty()
{
    close();
}

bool SimPty::open(const QString &linkPath)
{
    close();
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0)
        return fail(QStringLiteral("posix_openpt"));
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        return fail(QStringLiteral("grantpt/unlockpt"));
    const char *name = ptsname(m_master);
    if (!name)
        return fail(QStringLiteral("ptsname"));
    m_devicePath = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_slave < 0)
        return fail(QStringLiteral("open %1").arg(m_devicePath));
    termios settings{};
    if (tcgetattr(m_slave, &settings) != 0)
        return fail(QStringLiteral("tcgetattr"));
    cfmakeraw(&settings);
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    if (tcsetattr(m_slave, TCSANOW, &settings) != 0)
        return fail(QStringLiteral("tcsetattr"));
    if (!linkPath.isEmpty()) {
        // an old link of ours may be left after a crash; anything else at that path is not ours to remove
        if (QFileInfo(linkPath).isSymLink())
            QFile::remove(linkPath);
        if (!QFile::link(m_devicePath, linkPath)) {
            m_error = QStringLiteral("cannot create the link %1").arg(linkPath);
            close();
            return false;
        }
        m_linkPath = linkPath;
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] { readAvailable(); });
    return true;
}

int SimPty::baudRate() const
{
    // the device end's settings are the program's; our own descriptor of it reads them reliably
    termios settings{};
    if (m_slave < 0 || tcgetattr(m_slave, &settings) != 0)
        return 0;
    return baudFromSpeed(cfgetospeed(&settings));
}

void SimPty::write(const QByteArray &bytes)
{
    qsizetype written = 0;
    while (m_master >= 0 && written < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // the terminal is full: like a line nobody listens to, the rest is lost
        written += n;
    }
}

void SimPty::readAvailable()
{
    QByteArray received;
    char buffer[kReadChunk];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            received.append(buffer, qsizetype(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // EAGAIN: drained; EIO cannot happen while our own descriptor keeps the device end open
    }
    if (!received.isEmpty())
        emit bytesReceived(received);
}

bool SimPty::fail(const QString &what)
{
    m_error = QStringLiteral("%1: %2").arg(what, systemError());
    close();
    return false;
}

void SimPty::close()
{
    m_notifier.reset();
    if (!m_linkPath.isEmpty()) {
        QFile::remove(m_linkPath);
        m_linkPath.clear();
    }
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = -1;
    m_master = -1;
}
