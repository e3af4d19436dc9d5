#include "tests/sim/simtestport.h"

#include <cerrno>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include "core/utilities.h"

namespace
{

constexpr int kOverhead = 14;
constexpr int kMaxItems = 2033;

speed_t speedFor(int baud)
{
    return baud == 38400 ? B38400 : B9600;
}

} // namespace

QMap<int, QByteArray> TestFrame::itemMap() const
{
    QMap<int, QByteArray> map;
    qsizetype pos = 0;
    while (pos + 2 <= items.size()) {
        const int id = quint8(items.at(pos));
        const int length = quint8(items.at(pos + 1));
        if (!map.contains(id))
            map.insert(id, items.mid(pos + 2, length));
        pos += 2 + length;
    }
    return map;
}

QList<int> TestFrame::itemIds() const
{
    QList<int> ids;
    qsizetype pos = 0;
    while (pos + 2 <= items.size()) {
        ids.append(quint8(items.at(pos)));
        pos += 2 + quint8(items.at(pos + 1));
    }
    return ids;
}

QByteArray testRequest(const QByteArray &mac, quint16 sequence, quint8 command, const QByteArray &items)
{
    QByteArray frame;
    frame.append(char(0xAA)).append(mac);
    frame.append(char(sequence & 0xFF)).append(char(sequence >> 8));
    frame.append(char(command)).append(items);
    frame.append(char(items.isEmpty() ? 0 : crc8(items)));
    frame.append(char(items.size() >> 8)).append(char(items.size() & 0xFF));
    frame.append(char(0x55));
    return frame;
}

QByteArray testItem(quint8 id, const QByteArray &value)
{
    return QByteArray(1, char(id)).append(char(value.size())).append(value);
}

QByteArray testMac(const char *hex)
{
    return QByteArray::fromHex(hex);
}

quint64 testValue(const QByteArray &bigEndian)
{
    quint64 value = 0;
    for (const char byte : bigEndian)
        value = (value << 8) | quint8(byte);
    return value;
}

// Every 0x55 may end a frame: its length field and an 0xAA at the computed start must agree.
QList<TestFrame> testFramesIn(const QByteArray &received)
{
    QList<TestFrame> frames;
    for (qsizetype end = kOverhead - 1; end < received.size(); ++end) {
        if (quint8(received.at(end)) != 0x55)
            continue;
        const int length = quint8(received.at(end - 2)) * 256 + quint8(received.at(end - 1));
        const qsizetype start = end + 1 - kOverhead - length;
        if (length > kMaxItems || start < 0 || quint8(received.at(start)) != 0xAA)
            continue;
        TestFrame frame;
        frame.mac = received.mid(start + 1, 6);
        frame.sequence = quint16(quint8(received.at(start + 7)) | quint8(received.at(start + 8)) << 8);
        frame.command = quint8(received.at(start + 9));
        frame.items = received.mid(start + 10, length);
        frame.crcOk = quint8(received.at(end - 3)) == (length == 0 ? 0 : crc8(frame.items));
        frames.append(frame);
    }
    return frames;
}

TestPort::TestPort(QObject *parent) : QObject(parent) {}

TestPort::~TestPort()
{
    close();
}

bool TestPort::open(const QString &path, int baud)
{
    close();
    m_fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_fd < 0 || !setBaudRate(baud))
        return false;
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] { readAvailable(); });
    return true;
}

void TestPort::close()
{
    m_notifier.reset();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool TestPort::setBaudRate(int baud)
{
    termios settings{};
    if (tcgetattr(m_fd, &settings) != 0)
        return false;
    cfmakeraw(&settings);
    cfsetispeed(&settings, speedFor(baud));
    cfsetospeed(&settings, speedFor(baud));
    return tcsetattr(m_fd, TCSANOW, &settings) == 0;
}

void TestPort::write(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0 && errno != EINTR && errno != EAGAIN)
            return;
        done += n > 0 ? n : 0;
    }
}

void TestPort::clear()
{
    m_received.clear();
    m_frames.clear();
}

std::optional<TestFrame> TestPort::replyTo(quint8 command, quint16 sequence) const
{
    for (const TestFrame &frame : m_frames) {
        if (frame.command == command && frame.sequence == sequence)
            return frame;
    }
    return std::nullopt;
}

void TestPort::readAvailable()
{
    char buffer[4096];
    ssize_t n = 0;
    bool any = false;
    while ((n = ::read(m_fd, buffer, sizeof buffer)) > 0) {
        m_received.append(buffer, qsizetype(n));
        any = true;
    }
    if (any) {
        ++m_reads;
        m_frames = testFramesIn(m_received);
    }
}
