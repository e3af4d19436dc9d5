#include <memory>

#include <QSignalSpy>
#include <QTest>

#include "sim/devicesimulator.h"
#include "tests/sim/simtestport.h"

namespace
{

constexpr int kWaitMs = 5000;
constexpr quint16 kSampleSequence = 10; // every sample packet carries it

QByteArray bigEndian(quint64 value, int width)
{
    QByteArray bytes(width, '\0');
    for (int i = width - 1; i >= 0; --i, value >>= 8)
        bytes[i] = char(value & 0xFF);
    return bytes;
}

// A sample packet as the program builds it: period, offset, 1, packet length, total, chunks of 255.
QByteArray samplePacket(const QByteArray &mac, const QByteArray &sample, int offset, int length)
{
    QByteArray items = testItem(1, bigEndian(125, 2)) + testItem(2, bigEndian(quint64(offset), 4)) +
                       testItem(3, QByteArray(1, '\x01')) + testItem(4, bigEndian(quint64(length), 2)) +
                       testItem(5, bigEndian(quint64(sample.size()), 2));
    const QByteArray data = sample.mid(offset, length);
    quint8 id = 6;
    for (qsizetype pos = 0; pos < data.size(); pos += 255, ++id)
        items += testItem(id, data.mid(pos, 255));
    return testRequest(mac, kSampleSequence, 0xEE, items);
}

QByteArray sampleOf(int size)
{
    QByteArray sample(size, '\0');
    for (int i = 0; i < size; ++i)
        sample[i] = char((i * 7 + 3) & 0xFF);
    return sample;
}

} // namespace

class TstSimSample : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void packetsAreAcknowledgedAndSampleKept_data();
    void packetsAreAcknowledgedAndSampleKept();
    void repeatedPacketIsAcknowledgedAgain();
    void malformedPacketIsNotAcknowledged_data();
    void malformedPacketIsNotAcknowledged();

private:
    int acknowledgements() const;
    bool sendAndAwaitAck(const QByteArray &packet);

    std::unique_ptr<DeviceSimulator> m_sim;
    std::unique_ptr<TestPort> m_port;
};

void TstSimSample::init()
{
    SimScenario scenario = SimScenario::standard(1);
    scenario.wired = true;
    scenario.replyDelayMs = 0;
    m_sim = std::make_unique<DeviceSimulator>(scenario);
    if (!m_sim->start())
        QSKIP("no pseudo-terminal on this machine");
    m_port = std::make_unique<TestPort>();
    QVERIFY(m_port->open(m_sim->devicePath()));
}

void TstSimSample::cleanup()
{
    m_port.reset();
    m_sim.reset();
}

int TstSimSample::acknowledgements() const
{
    const QList<TestFrame> frames = m_port->frames();
    return int(std::count_if(frames.cbegin(), frames.cend(), [](const TestFrame &frame) {
        return frame.command == 0xED && frame.sequence == kSampleSequence && frame.crcOk;
    }));
}

bool TstSimSample::sendAndAwaitAck(const QByteArray &packet)
{
    const int before = acknowledgements();
    m_port->write(packet);
    return QTest::qWaitFor([&] { return acknowledgements() > before; }, kWaitMs);
}

void TstSimSample::packetsAreAcknowledgedAndSampleKept_data()
{
    QTest::addColumn<QByteArray>("mac");
    QTest::addColumn<int>("size");

    QTest::newRow("block, three packets") << kLane1 << 2500;
    QTest::newRow("block, one short packet") << kLane1 << 300;
    QTest::newRow("coordinator") << kCoordinator << 1020;
}

void TstSimSample::packetsAreAcknowledgedAndSampleKept()
{
    QFETCH(QByteArray, mac);
    QFETCH(int, size);

    QSignalSpy completed(m_sim.get(), &DeviceSimulator::sampleCompleted);
    const QByteArray sample = sampleOf(size);
    for (int offset = 0; offset < size; offset += 1020)
        QVERIFY(sendAndAwaitAck(samplePacket(mac, sample, offset, qMin(1020, size - offset))));
    QCOMPARE(completed.count(), 1);
    QCOMPARE(completed.at(0).at(0).toByteArray(), mac);
    QCOMPARE(completed.at(0).at(1).toByteArray(), sample);
    QCOMPARE(m_port->frames().constLast().mac, mac);
}

void TstSimSample::repeatedPacketIsAcknowledgedAgain()
{
    QSignalSpy completed(m_sim.get(), &DeviceSimulator::sampleCompleted);
    const QByteArray sample = sampleOf(1500);
    QVERIFY(sendAndAwaitAck(samplePacket(kLane1, sample, 0, 1020)));
    QVERIFY(sendAndAwaitAck(samplePacket(kLane1, sample, 0, 1020)));
    QVERIFY(sendAndAwaitAck(samplePacket(kLane1, sample, 1020, 480)));
    QVERIFY(sendAndAwaitAck(samplePacket(kLane1, sample, 1020, 480))); // its acknowledgement was lost
    QCOMPARE(completed.count(), 1);
    QCOMPARE(m_sim->block(0).samples().completedSample(), sample);
}

void TstSimSample::malformedPacketIsNotAcknowledged_data()
{
    QTest::addColumn<QByteArray>("packet");

    const QByteArray sample = sampleOf(600);
    // a packet whose length item promises more bytes than its chunks carry
    const QByteArray shortItems = testItem(1, bigEndian(125, 2)) + testItem(2, bigEndian(0, 4)) +
                                  testItem(3, QByteArray(1, '\x01')) + testItem(4, bigEndian(600, 2)) +
                                  testItem(5, bigEndian(600, 2)) + testItem(6, sample.left(255));
    QTest::newRow("chunks shorter than announced") << testRequest(kLane1, kSampleSequence, 0xEE, shortItems);
    const QByteArray pastEnd = testItem(1, bigEndian(125, 2)) + testItem(2, bigEndian(500, 4)) +
                               testItem(3, QByteArray(1, '\x01')) + testItem(4, bigEndian(200, 2)) +
                               testItem(5, bigEndian(600, 2)) + testItem(6, sample.left(200));
    QTest::newRow("past the announced total") << testRequest(kLane1, kSampleSequence, 0xEE, pastEnd);
    QTest::newRow("gap before the packet") << samplePacket(kLane1, sampleOf(3000), 2040, 960);
}

void TstSimSample::malformedPacketIsNotAcknowledged()
{
    QFETCH(QByteArray, packet);
    m_port->write(packet);
    m_port->write(testRequest(kLane1, 77, 0x04)); // replies come in order: this one marks the end
    QTRY_VERIFY_WITH_TIMEOUT(m_port->replyTo(0x05, 77).has_value(), kWaitMs);
    QCOMPARE(acknowledgements(), 0);
}

QTEST_GUILESS_MAIN(TstSimSample)
#include "tst_simsample.moc"
