#include <memory>

#include <QFileInfo>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>

#include "sim/devicesimulator.h"
#include "sim/simframe.h"
#include "tests/sim/simtestport.h"

namespace
{

constexpr int kWaitMs = 5000;
constexpr int kRequests = 60;

SimScenario quickScenario()
{
    SimScenario scenario = SimScenario::standard(1);
    scenario.autoStartDelayMs = -1;
    scenario.replyDelayMs = 0;
    return scenario;
}

} // namespace

class TstSimFaults : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void replyLossFollowsTheSeed();
    void corruptCrcFollowsTheSeed();
    void splitRepliesArriveInPiecesAndWhole();
    void wrongSpeedDropsRequests();
    void wrongSpeedDropsReplies();
    void speedModelCanBeSwitchedOff();
    void programMayCloseAndReopenThePort();
    void speedSwitchSurvivesReopeningAtNewSpeed();
    void injectedBytesArriveUnchanged_data();
    void injectedBytesArriveUnchanged();
    void linkReachesDeviceAndGoesWithSimulator();
    void linkNeverReplacesOrdinaryFile();

private:
    bool startWith(const SimScenario &scenario);
    // For each of kRequests status requests: whether its reply came, and with a good CRC.
    QList<int> replyOutcomes();

    std::unique_ptr<DeviceSimulator> m_sim;
    std::unique_ptr<TestPort> m_port;
};

void TstSimFaults::cleanup()
{
    m_port.reset();
    m_sim.reset();
}

bool TstSimFaults::startWith(const SimScenario &scenario)
{
    m_port.reset();
    m_sim = std::make_unique<DeviceSimulator>(scenario);
    if (!m_sim->start())
        return false;
    m_port = std::make_unique<TestPort>();
    return m_port->open(m_sim->devicePath());
}

QList<int> TstSimFaults::replyOutcomes()
{
    enum Outcome { Lost = 0, Corrupt = 1, Good = 2 };
    QSignalSpy lost(m_sim.get(), &DeviceSimulator::replyLost);
    QList<int> outcomes;
    for (quint16 sequence = 1; sequence <= kRequests; ++sequence) {
        const qsizetype lostBefore = lost.count();
        m_port->write(testRequest(kCoordinator, sequence, 0x04));
        const bool settled = QTest::qWaitFor(
            [&] { return lost.count() > lostBefore || m_port->replyTo(0x05, sequence).has_value(); },
            kWaitMs);
        if (!settled)
            return {};
        const std::optional<TestFrame> reply = m_port->replyTo(0x05, sequence);
        outcomes.append(!reply ? Lost : reply->crcOk ? Good : Corrupt);
    }
    return outcomes;
}

void TstSimFaults::replyLossFollowsTheSeed()
{
    SimScenario scenario = quickScenario();
    scenario.replyLossRate = 0.3;
    scenario.seed = 7;
    if (!startWith(scenario))
        QSKIP("no pseudo-terminal on this machine");
    const QList<int> first = replyOutcomes();
    QCOMPARE(first.size(), kRequests);
    const qsizetype losses = first.count(0);
    QVERIFY2(losses >= 6 && losses <= 30, qPrintable(QString::number(losses)));
    QCOMPARE(first.count(1), 0);

    QVERIFY(startWith(scenario));
    QCOMPARE(replyOutcomes(), first);

    scenario.seed = 8;
    QVERIFY(startWith(scenario));
    QVERIFY(replyOutcomes() != first);
}

void TstSimFaults::corruptCrcFollowsTheSeed()
{
    SimScenario scenario = quickScenario();
    scenario.corruptCrcRate = 0.25;
    scenario.seed = 11;
    if (!startWith(scenario))
        QSKIP("no pseudo-terminal on this machine");
    QSignalSpy sent(m_sim.get(), &DeviceSimulator::frameSent);
    const QList<int> first = replyOutcomes();
    QCOMPARE(first.size(), kRequests);
    const qsizetype corrupt = first.count(1);
    QVERIFY2(corrupt >= 4 && corrupt <= 28, qPrintable(QString::number(corrupt)));
    QCOMPARE(first.count(0), 0);
    for (int i = 0; i < kRequests; ++i)
        QCOMPARE(sent.at(i).at(1).toBool(), first.at(i) == 1);

    QVERIFY(startWith(scenario));
    QCOMPARE(replyOutcomes(), first);
}

void TstSimFaults::splitRepliesArriveInPiecesAndWhole()
{
    SimScenario scenario = quickScenario();
    scenario.splitReplies = true;
    if (!startWith(scenario))
        QSKIP("no pseudo-terminal on this machine");
    constexpr int kReplies = 5;
    for (quint16 sequence = 1; sequence <= kReplies; ++sequence) {
        m_port->write(testRequest(kLane1, sequence, 0x01));
        QTRY_VERIFY_WITH_TIMEOUT(m_port->replyTo(0x02, sequence).has_value(), kWaitMs);
        QVERIFY(m_port->replyTo(0x02, sequence)->crcOk);
    }
    QCOMPARE(m_port->frames().size(), kReplies);
    QVERIFY(m_port->readCount() > kReplies);
}

void TstSimFaults::wrongSpeedDropsRequests()
{
    if (!startWith(quickScenario()))
        QSKIP("no pseudo-terminal on this machine");
    m_sim->setCoordinatorBaudRate(38400);
    QSignalSpy dropped(m_sim.get(), &DeviceSimulator::bytesDropped);
    QSignalSpy received(m_sim.get(), &DeviceSimulator::requestReceived);
    const QByteArray request = testRequest(kCoordinator, 1, 0x04);
    m_port->write(request);
    QTRY_COMPARE_WITH_TIMEOUT(dropped.count(), 1, kWaitMs);
    QCOMPARE(dropped.at(0).at(0).toInt(), request.size());
    QCOMPARE(dropped.at(0).at(1).toBool(), true);
    QCOMPARE(received.count(), 0);

    QVERIFY(m_port->setBaudRate(38400));
    m_port->write(testRequest(kCoordinator, 2, 0x04));
    QTRY_VERIFY_WITH_TIMEOUT(m_port->replyTo(0x05, 2).has_value(), kWaitMs);
    QVERIFY(!m_port->replyTo(0x05, 1).has_value());
}

void TstSimFaults::wrongSpeedDropsReplies()
{
    SimScenario scenario = quickScenario();
    scenario.replyDelayMs = 200; // time to change the port's speed while the reply is on its way
    if (!startWith(scenario))
        QSKIP("no pseudo-terminal on this machine");
    QSignalSpy received(m_sim.get(), &DeviceSimulator::requestReceived);
    QSignalSpy dropped(m_sim.get(), &DeviceSimulator::bytesDropped);
    m_port->write(testRequest(kCoordinator, 1, 0x04));
    QTRY_COMPARE_WITH_TIMEOUT(received.count(), 1, kWaitMs);
    QVERIFY(m_port->setBaudRate(38400));
    QTRY_COMPARE_WITH_TIMEOUT(dropped.count(), 1, kWaitMs);
    QCOMPARE(dropped.at(0).at(1).toBool(), false);
    QVERIFY(m_port->received().isEmpty());
    QVERIFY(m_sim->droppedOutgoingBytes() > 0);
}

void TstSimFaults::speedModelCanBeSwitchedOff()
{
    SimScenario scenario = quickScenario();
    scenario.speedModel = false;
    scenario.initialBaud = 38400;
    if (!startWith(scenario))
        QSKIP("no pseudo-terminal on this machine");
    m_port->write(testRequest(kCoordinator, 1, 0x04));
    QTRY_VERIFY_WITH_TIMEOUT(m_port->replyTo(0x05, 1).has_value(), kWaitMs);
    QCOMPARE(m_sim->droppedIncomingBytes(), 0);
}

// The program closes and reopens its port, for instance to switch speed; the simulator carries on.
void TstSimFaults::programMayCloseAndReopenThePort()
{
    if (!startWith(quickScenario()))
        QSKIP("no pseudo-terminal on this machine");
    m_port.reset();
    QSerialPort port;
    port.setPortName(m_sim->devicePath());
    QByteArray received;
    connect(&port, &QSerialPort::readyRead, this, [&] { received += port.readAll(); });
    for (quint16 sequence = 1; sequence <= 3; ++sequence) {
        QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
        QVERIFY(port.setBaudRate(9600));
        port.write(testRequest(kLane1, sequence, 0x04));
        QTRY_COMPARE_WITH_TIMEOUT(testFramesIn(received).size(), int(sequence), kWaitMs);
        QCOMPARE(testFramesIn(received).constLast().sequence, sequence);
        port.close();
    }
}

void TstSimFaults::speedSwitchSurvivesReopeningAtNewSpeed()
{
    if (!startWith(quickScenario()))
        QSKIP("no pseudo-terminal on this machine");
    m_port.reset();
    QSerialPort port;
    port.setPortName(m_sim->devicePath());
    QByteArray received;
    connect(&port, &QSerialPort::readyRead, this, [&] { received += port.readAll(); });
    QVERIFY(port.open(QIODevice::ReadWrite));
    QVERIFY(port.setBaudRate(9600));
    // as the program switches: tell the coordinator, then reopen at the new speed at once
    port.write(testRequest(kCoordinator, 1, 0x03, bytes("160103")));
    QVERIFY(port.waitForBytesWritten(kWaitMs));
    port.close();
    QVERIFY(port.open(QIODevice::ReadWrite));
    QVERIFY(port.setBaudRate(38400));
    port.write(testRequest(kCoordinator, 2, 0x04));
    QTRY_COMPARE_WITH_TIMEOUT(testFramesIn(received).size(), 1, kWaitMs);
    QCOMPARE(testFramesIn(received).constFirst().sequence, quint16(2));
    QCOMPARE(m_sim->coordinatorBaudRate(), 38400);
}

void TstSimFaults::injectedBytesArriveUnchanged_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");

    const SimFrame small{kLane1, 5, 0x05, bytes("0101020455")};
    const QByteArray frame = encodeSimFrame(small);
    QTest::newRow("frame with 55 in its items") << QList<QByteArray>{frame};
    QTest::newRow("two frames back to back") << QList<QByteArray>{frame + frame};
    QTest::newRow("frame in three writes")
        << QList<QByteArray>{frame.left(6), frame.mid(6, 5), frame.mid(11)};
    QTest::newRow("bad CRC") << QList<QByteArray>{encodeSimFrame(small, true)};
    QTest::newRow("1749 item bytes") << QList<QByteArray>{
        encodeSimFrame({kLane1, 6, 0x08, QByteArray(1749, '\x11')})};
    QTest::newRow("1750 item bytes") << QList<QByteArray>{
        encodeSimFrame({kLane1, 7, 0x08, QByteArray(1750, '\x11')})};
    QTest::newRow("noise") << QList<QByteArray>{bytes("00ff55aa6868688b8b")};
}

void TstSimFaults::injectedBytesArriveUnchanged()
{
    QFETCH(QList<QByteArray>, pieces);
    SimScenario scenario = quickScenario();
    scenario.initialBaud = 38400; // the speed model must not touch injected bytes
    scenario.corruptCrcRate = 1.0;
    if (!startWith(scenario))
        QSKIP("no pseudo-terminal on this machine");
    for (const QByteArray &piece : pieces)
        m_sim->injectRaw(piece);
    const QByteArray injected = pieces.join();
    QTRY_COMPARE_WITH_TIMEOUT(m_port->received().size(), injected.size(), kWaitMs);
    QCOMPARE(m_port->received(), injected);
}

void TstSimFaults::linkReachesDeviceAndGoesWithSimulator()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("coordinator"));
    m_sim = std::make_unique<DeviceSimulator>(quickScenario());
    if (!m_sim->start(link))
        QSKIP("no pseudo-terminal on this machine");
    m_port = std::make_unique<TestPort>();
    QVERIFY(m_port->open(link));
    m_port->write(testRequest(kCoordinator, 1, 0x04));
    QTRY_VERIFY_WITH_TIMEOUT(m_port->replyTo(0x05, 1).has_value(), kWaitMs);
    m_port.reset();
    m_sim.reset();
    QVERIFY(!QFileInfo(link).isSymLink());
}

void TstSimFaults::linkNeverReplacesOrdinaryFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("notes.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    DeviceSimulator simulator(quickScenario());
    QVERIFY(!simulator.start(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep me"));
}

QTEST_GUILESS_MAIN(TstSimFaults)
#include "tst_simfaults.moc"
