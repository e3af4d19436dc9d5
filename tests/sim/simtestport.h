#pragma once

#include <memory>

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSocketNotifier>
#include <QString>

// A reply as the test reads it off the line, decoded by the test's own reading of the frame layout:
// AA, MAC, sequence little-endian, command, items, CRC-8 of the items, length big-endian, 55.
struct TestFrame {
    QByteArray mac;
    quint16 sequence = 0;
    quint8 command = 0;
    QByteArray items;
    bool crcOk = false;

    // item id -> value of the first item with that id
    QMap<int, QByteArray> itemMap() const;
    QList<int> itemIds() const;
};

// Builds a request frame by hand from the layout, independent of the simulator's encoder.
QByteArray testRequest(const QByteArray &mac, quint16 sequence, quint8 command,
                       const QByteArray &items = QByteArray());
QByteArray testItem(quint8 id, const QByteArray &value);
QByteArray testMac(const char *hex);
// Every frame in a stream of received bytes, good CRC or not.
QList<TestFrame> testFramesIn(const QByteArray &received);
quint64 testValue(const QByteArray &bigEndian);

inline QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

// Devices of the standard scenario.
inline const QByteArray kCoordinator = QByteArray::fromHex("158d00010000");
inline const QByteArray kLane1 = QByteArray::fromHex("158d00000001");
inline const QByteArray kLane2 = QByteArray::fromHex("158d00000002");
inline const QByteArray kBroadcast = QByteArray::fromHex("ffffffffffff");

// The program's end of the pseudo-terminal opened as a plain descriptor, read through the event loop.
class TestPort : public QObject
{
    Q_OBJECT

public:
    explicit TestPort(QObject *parent = nullptr);
    ~TestPort() override;

    bool open(const QString &path, int baud = 9600);
    void close();
    bool setBaudRate(int baud);
    void write(const QByteArray &bytes);

    QByteArray received() const { return m_received; }
    QList<TestFrame> frames() const { return m_frames; }
    int readCount() const { return m_reads; }
    void clear();
    // The first frame with this command and sequence, if one came.
    std::optional<TestFrame> replyTo(quint8 command, quint16 sequence) const;

private:
    void readAvailable();

    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QByteArray m_received;
    QList<TestFrame> m_frames;
    int m_reads = 0;
};
