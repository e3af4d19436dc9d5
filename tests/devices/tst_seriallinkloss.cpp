// A port that fails after it opened: on the pseudo-terminal when the simulator goes away, on an in-memory
// port whose writes fail, in each phase of a race, and a block whose graph never comes. A live port whose
// read was woken up for nothing keeps reading. The race saved
// after a pull in the middle of its graphs is checked end to end in the main window's test.
#include <QElapsedTimer>
#include <QPointer>
#include <QSerialPort>
#include <QSocketNotifier>
#include <QSignalSpy>
#include <QTest>

#include "simlink.h"

using namespace SerialTest;

namespace
{

constexpr int kWaitMs = 15000;
constexpr int kPollingPeriodMs = 100; // wireless
constexpr int kQuietPeriods = 5;      // how long nothing may happen after a loss

// The real serial port, counting every write the serial object makes on it.
class CountingPort : public QSerialPort
{
public:
    CountingPort(const QString &name, int &writes) : QSerialPort(name), m_writes(writes) {}

protected:
    qint64 writeData(const char *data, qint64 size) override
    {
        ++m_writes;
        return QSerialPort::writeData(data, size);
    }

private:
    int &m_writes;
};

SimScenario scenario(int blocks)
{
    SimScenario s = SimScenario::standard(blocks);
    s.autoStartDelayMs = 300;
    return s;
}

bool allLinksLost(const CCoordinator *coordinator, const QList<CStartBlock *> &blocks)
{
    return coordinator->linkState() == LinkLost &&
           std::all_of(blocks.cbegin(), blocks.cend(),
                       [](const CStartBlock *b) { return b->measurement()->linkState() == LinkLost; });
}

} // namespace

class TstSerialLinkLoss : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void pulledTerminalIsClosedAtOnceAndNeverWrittenAgain();
    void errorsOfALivePortAreNoLoss_data();
    void errorsOfALivePortAreNoLoss();
    void readWokenForNothingLeavesThePortReading();
    void failedWriteOnAnyPortIsALoss();
    void onlyARaceUnderWayIsSavedOnALoss_data();
    void onlyARaceUnderWayIsSavedOnALoss();
    void blockWithoutGraphIsGivenUpAfterTheBound_data();
    void blockWithoutGraphIsGivenUpAfterTheBound();
    void aGraphOutsideTheFetchingIsNotKept_data();
    void aGraphOutsideTheFetchingIsNotKept();

private:
    bool startLink(int blocks);

    std::unique_ptr<SimLink> link;
    QPointer<CountingPort> port; // the port the serial object has open
    int writes = 0;
};

void TstSerialLinkLoss::cleanup()
{
    link.reset();
    writes = 0;
}

bool TstSerialLinkLoss::startLink(int blocks)
{
    link =
        std::make_unique<SimLink>(scenario(blocks), [this](const QString &name, qint32 baud) -> QIODevice * {
            auto *opened = new CountingPort(name, writes);
            if (!CSerialComThread::openAndConfigure(*opened, baud)) {
                delete opened;
                return nullptr;
            }
            port = opened;
            return opened;
        });
    if (!link->start())
        return false;
    link->serial.setUserSelectedOperationMode(OperationModeWireless);
    link->serial.SetOperationMode(OperationModeWireless);
    return true;
}

void TstSerialLinkLoss::pulledTerminalIsClosedAtOnceAndNeverWrittenAgain()
{
    if (!startLink(2))
        QSKIP("no pseudo-terminal");
    QTRY_VERIFY_WITH_TIMEOUT(link->serial.isBaudSwitchDone() && link->coordinator->linkState() == LinkGood,
                             kWaitMs);
    QSignalSpy lost(&link->serial, &CSerialComThread::serial_port_lost);
    QSignalSpy requests(&link->serial, &CSerialComThread::data_request_sent);
    const QString terminal = link->sim.devicePath();
    link->sim.stop();
    QVERIFY(lost.wait(kWaitMs));
    // one polling period: the loss is seen before a second question goes out
    QVERIFY2(requests.count() <= 1, qPrintable(QString::number(requests.count())));
    QCOMPARE(lost[0][0].toString(), terminal);
    QVERIFY(!lost[0][1].toString().isEmpty());
    QVERIFY(link->serial.isPortLost());
    QCOMPARE(link->serial.baudRate(), 0);
    QVERIFY(!port || !port->isOpen());
    QVERIFY(allLinksLost(link->coordinator, link->blocks));

    // nothing runs that could write: not polling, not a request from the window, not Idle
    const int writesAtLoss = writes;
    link->serial.OnSetStatusRequest(1, DeviceIdle, link->serial.broadcastDevice());
    link->serial.SendStatusRequest(link->blocks[0]);
    link->serial.OnAlarmAlertIndication(nullptr);
    QTest::qWait(kQuietPeriods * kPollingPeriodMs);
    QCOMPARE(writes, writesAtLoss);
    QVERIFY(!link->serial.isPolling() && !link->serial.isGraphPolling() &&
            !link->serial.isResyncTimerRunning());
    QCOMPARE(lost.count(), 1);
    QVERIFY(allLinksLost(link->coordinator, link->blocks));

    // the simulator back on a terminal of its own: opening it works as before
    QVERIFY(link->sim.start());
    link->serial.OpenPort(link->sim.devicePath(), CSerialComThread::kBaudWired);
    QVERIFY(!link->serial.isPortLost());
    QVERIFY(link->serial.isPolling());
    QTRY_COMPARE_WITH_TIMEOUT(link->coordinator->linkState(), int(LinkGood), kWaitMs);
}

void TstSerialLinkLoss::errorsOfALivePortAreNoLoss_data()
{
    QTest::addColumn<int>("error");
    // a read woken up for nothing reports a resource error; the terminal itself is still there
    QTest::newRow("resource") << int(QSerialPort::ResourceError);
    QTest::newRow("read") << int(QSerialPort::ReadError);
    QTest::newRow("write") << int(QSerialPort::WriteError);
    QTest::newRow("timeout") << int(QSerialPort::TimeoutError);
    QTest::newRow("unsupported") << int(QSerialPort::UnsupportedOperationError);
}

void TstSerialLinkLoss::errorsOfALivePortAreNoLoss()
{
    QFETCH(int, error);
    if (!startLink(1))
        QSKIP("no pseudo-terminal");
    QSignalSpy lost(&link->serial, &CSerialComThread::serial_port_lost);
    QVERIFY(port);
    emit port->errorOccurred(QSerialPort::SerialPortError(error));
    QTest::qWait(kQuietPeriods * kPollingPeriodMs);
    QCOMPARE(lost.count(), 0);
    QVERIFY(port && port->isOpen() && link->serial.isPolling() && !link->serial.isPortLost());
    // the same error once the terminal is gone is the loss
    link->sim.stop();
    QVERIFY(lost.wait(kWaitMs));
}

void TstSerialLinkLoss::readWokenForNothingLeavesThePortReading()
{
    if (!startLink(1))
        QSKIP("no pseudo-terminal");
    QTRY_VERIFY_WITH_TIMEOUT(link->coordinator->linkState() == LinkGood, kWaitMs);
    link->serial.StopQuestionsTimer();
    QVERIFY(port);
    QSocketNotifier *reader = nullptr;
    for (QSocketNotifier *notifier : port->findChildren<QSocketNotifier *>()) {
        if (notifier->type() == QSocketNotifier::Read)
            reader = notifier;
    }
    QVERIFY(reader && reader->isEnabled());
    // the event loop wakes the port's reader with nothing on the line (the last replies may still come
    // first): the port reports a resource error
    QSignalSpy errors(port.data(), &QSerialPort::errorOccurred);
    const auto resourceErrors = [&errors] {
        return std::count_if(errors.cbegin(), errors.cend(), [](const QList<QVariant> &error) {
            return error[0].value<QSerialPort::SerialPortError>() == QSerialPort::ResourceError;
        });
    };
    QVERIFY(QTest::qWaitFor(
        [&] {
            QEvent activated(QEvent::SockAct);
            QCoreApplication::sendEvent(reader, &activated);
            return resourceErrors() > 0;
        },
        kWaitMs));
    // the replies to the next questions are read from the same port, not from one opened anew because the
    // coordinator seemed to have gone quiet
    const CountingPort *woken = port;
    QSignalSpy lost(&link->serial, &CSerialComThread::serial_port_lost);
    QSignalSpy replies(link->coordinator, &CCoordinator::new_status_field);
    link->serial.startQuestionsTimerTimeout();
    QVERIFY(replies.wait(kWaitMs));
    QVERIFY(port && port.data() == woken);
    QCOMPARE(port->error(), QSerialPort::NoError);
    QCOMPARE(resourceErrors(), 1); // reading on raised no error of its own
    QCOMPARE(lost.count(), 0);
}

void TstSerialLinkLoss::failedWriteOnAnyPortIsALoss()
{
    SerialFixture f(2);
    f.open();
    QSignalSpy lost(f.serial.get(), &CSerialComThread::serial_port_lost);
    QSignalSpy saved(f.serial.get(), &CSerialComThread::save_results_file);
    f.serial->startQuestionsTimerTimeout();
    f.port->failWritesWith = QStringLiteral("Input/output error");
    f.serial->SendStatusRequest(f.blocks[0]);
    QVERIFY(!f.serial->isPolling());
    QTRY_COMPARE(lost.count(), 1);
    QCOMPARE(lost[0], QVariantList({QStringLiteral("ttyTEST"), QStringLiteral("Input/output error")}));
    QTRY_VERIFY(!f.port); // closed and gone
    QVERIFY(allLinksLost(f.coordinator, f.blocks));
    QCOMPARE(saved.count(), 0); // no race was running

    const qsizetype written = f.written.size();
    for (int i = 0; i < 10; ++i)
        f.serial->OnQuestionsTimer();
    f.serial->OnGraphTimerTimeout();
    f.serial->startGraphsTimerTimeout();
    f.serial->startQuestionsTimerTimeout();
    QCOMPARE(f.written.size(), written);
    QVERIFY(!f.serial->isPolling() && !f.serial->isGraphPolling());
    QCOMPARE(f.openedNames.size(), 1); // nothing reopens by itself
    QCOMPARE(lost.count(), 1);

    f.open();
    QVERIFY(!f.serial->isPortLost());
    QVERIFY(!f.tick().isEmpty());
}

void TstSerialLinkLoss::onlyARaceUnderWayIsSavedOnALoss_data()
{
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QList<int>>("saves"); // result types saved on the loss, in order
    QTest::newRow("armed, no start yet") << "armed" << QList<int>();
    QTest::newRow("started, reactions coming") << "started" << QList<int>({0, 1});
    QTest::newRow("reaction graphs in, sound graphs coming") << "graphs" << QList<int>({1});
    QTest::newRow("saved already") << "saved" << QList<int>();
    QTest::newRow("Idle after the start") << "idle" << QList<int>({0, 1});
    QTest::newRow("started, nobody reacted: saved when given up") << "silent" << QList<int>();
    QTest::newRow("one lane reacted, one given up") << "one silent" << QList<int>({0, 1});
    QTest::newRow("a start after Idle") << "late start" << QList<int>();
}

void TstSerialLinkLoss::onlyARaceUnderWayIsSavedOnALoss()
{
    QFETCH(QString, phase);
    QFETCH(QList<int>, saves);
    SerialFixture f(phase == "one silent" ? 2 : 1);
    f.serial->setUserSelectedOperationMode(OperationModeWireless);
    f.open();
    f.serial->OnSetStatusRequest(1, DeviceReady, f.serial->broadcastDevice());
    f.reportStates(DeviceReady, DeviceReady);
    f.tick();
    if (phase == "late start")
        f.serial->OnSetStatusRequest(1, DeviceIdle, f.serial->broadcastDevice());
    if (phase != "armed")
        f.replyCoordinator(0x0B, item8(1, 1));
    if (phase == "silent" || phase == "one silent") {
        // nine polling ticks per block without a reaction, then the silent block is given up
        CStartBlock *silent = f.blocks.last();
        if (f.blocks.size() > 1)
            f.reply(f.blocks[0], 0x05, statusItems(DeviceIdle, 150));
        f.reply(silent, 0x05, statusItems(DeviceStarted));
        f.tick(9 * int(f.blocks.size()) + 1);
        QCOMPARE(f.serial->skippedBlocks(), QList<CStartBlock *>({silent}));
    }
    if (phase == "graphs" || phase == "saved") {
        f.reply(f.blocks[0], 0x05, statusItems(DeviceIdle, 150));
        f.serial->startGraphsTimerTimeout();
        f.serial->OnGraphTimerTimeout();
        f.reply(f.blocks[0], 0x08, graphItems());
        f.serial->OnGraphTimerTimeout();
    }
    if (phase == "saved") {
        f.reply(f.blocks[0], 0x0A, graphItems());
        f.serial->OnGraphTimerTimeout();
    }
    if (phase == "idle")
        f.serial->OnSetStatusRequest(1, DeviceIdle, f.serial->broadcastDevice());
    QSignalSpy saved(f.serial.get(), &CSerialComThread::save_results_file);
    QSignalSpy lost(f.serial.get(), &CSerialComThread::serial_port_lost);
    f.port->failWritesWith = QStringLiteral("Input/output error");
    f.serial->SendStatusRequest(f.blocks[0]);
    QTRY_COMPARE(lost.count(), 1);
    QList<int> types;
    for (const QList<QVariant> &save : saved)
        types << int(save[0].value<ResultsDataType>());
    QCOMPARE(types, saves);
}

void TstSerialLinkLoss::blockWithoutGraphIsGivenUpAfterTheBound_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("graphPeriodMs");
    // the longest reply, 1749 item and 14 frame bytes of 10 bits, at 9600 baud, four times over: 7344 ms
    QTest::newRow("wireless") << int(OperationModeWireless) << 750;
    QTest::newRow("wired") << int(OperationModeWired) << 1100;
}

void TstSerialLinkLoss::blockWithoutGraphIsGivenUpAfterTheBound()
{
    QFETCH(int, mode);
    QFETCH(int, graphPeriodMs);
    const int bound = (1749 + 14) * 10 * 1000 / 9600 * 4;
    const int requestsBeforeGivingUp = (bound + graphPeriodMs - 1) / graphPeriodMs;

    SerialFixture f(2);
    f.serial->setUserSelectedOperationMode(mode);
    f.serial->SetOperationMode(mode);
    f.open();
    f.serial->OnSetStatusRequest(1, DeviceReady, f.serial->broadcastDevice());
    f.reportStates(DeviceReady, DeviceReady);
    f.tick();
    QSignalSpy saved(f.serial.get(), &CSerialComThread::save_results_file);
    qRegisterMetaType<CStartBlock *>();
    QSignalSpy givenUp(f.serial.get(), &CSerialComThread::graph_given_up);
    f.serial->startGraphsTimerTimeout();
    f.port->writes.clear();
    // lane 1 never answers; lane 2 answers each request at once
    const auto graphTick = [&] {
        f.serial->OnGraphTimerTimeout();
        f.manualClock->advance(graphPeriodMs);
        const Sent last = f.sent().isEmpty() ? Sent() : f.sent().last();
        if (last.mac == f.blocks[1]->macBytes() && (last.command == 0x07 || last.command == 0x09))
            f.reply(f.blocks[1], quint8(last.command + 1), graphItems());
    };
    for (int i = 0; i < requestsBeforeGivingUp; ++i)
        graphTick();
    QCOMPARE(f.described(), QStringList(requestsBeforeGivingUp, QStringLiteral("B1:07")));
    QCOMPARE(saved.count(), 0);
    QCOMPARE(givenUp.count(), 0);

    graphTick(); // lane 1 given up: lane 2's graph is asked for and arrives
    graphTick(); // every graph in or given up: the reaction file, then lane 2's sound graph
    graphTick();
    QCOMPARE(f.described().mid(requestsBeforeGivingUp), QStringList({"B2:07", "B2:09"}));
    QCOMPARE(saved.count(), 2);
    QCOMPARE(saved[0][0].value<ResultsDataType>(), ResultsReactionGraphs);
    QCOMPARE(saved[1][0].value<ResultsDataType>(), ResultsSoundGraphs);
    QVERIFY(!f.blocks[0]->measurement()->hasGraph());
    QVERIFY(f.blocks[1]->measurement()->hasSoundGraph());
    QCOMPARE(f.serial->skippedBlocks(), QList<CStartBlock *>({f.blocks[0]}));
    QVERIFY(f.serial->isPolling() && !f.serial->isGraphPolling());
    // the window is told which lane's graph was given up
    QCOMPARE(givenUp.count(), 1);
    QCOMPARE(givenUp[0], QVariantList({QVariant::fromValue(f.blocks[0]), false}));

    // every reaction in and lane 1 still without its graph: the race is not fetched and saved again
    f.reportStates(DeviceIdle, DeviceIdle, 150);
    f.tick(3);
    QVERIFY(f.serial->isPolling() && !f.serial->isGraphPolling());
    QCOMPARE(saved.count(), 2);

    // the next race asks lane 1 again, and a change of the set of blocks restarts its wait
    f.serial->OnSetStatusRequest(1, DeviceReady, f.serial->broadcastDevice());
    f.reportStates(DeviceReady, DeviceReady);
    f.tick();
    QVERIFY(f.serial->skippedBlocks().isEmpty());
    f.serial->startGraphsTimerTimeout();
    f.port->writes.clear();
    for (int i = 0; i < requestsBeforeGivingUp / 2; ++i)
        graphTick();
    f.serial->OnStartBlockSetChanged();
    for (int i = 0; i < requestsBeforeGivingUp; ++i)
        graphTick();
    QCOMPARE(f.described(), QStringList(requestsBeforeGivingUp / 2 + requestsBeforeGivingUp, "B1:07"));
    QCOMPARE(givenUp.count(), 1);
    graphTick();
    QCOMPARE(givenUp.count(), 2);
    QCOMPARE(givenUp[1], QVariantList({QVariant::fromValue(f.blocks[0]), false}));
}

void TstSerialLinkLoss::aGraphOutsideTheFetchingIsNotKept_data()
{
    QTest::addColumn<bool>("nextReady");
    QTest::newRow("after the race is saved") << false;
    QTest::newRow("after the next Ready") << true;
}

// A graph reply that a stalled link delivers late belongs to no file: not to the race saved without it, and
// not to the next race, whose own graph would then never be asked for.
void TstSerialLinkLoss::aGraphOutsideTheFetchingIsNotKept()
{
    QFETCH(bool, nextReady);
    SerialFixture f(1);
    f.serial->setUserSelectedOperationMode(OperationModeWireless);
    f.serial->SetOperationMode(OperationModeWireless);
    f.open();
    f.serial->OnSetStatusRequest(1, DeviceReady, f.serial->broadcastDevice());
    f.reportStates(DeviceReady, DeviceReady);
    f.tick();
    QSignalSpy saved(f.serial.get(), &CSerialComThread::save_results_file);
    f.serial->startGraphsTimerTimeout();
    // the block answers neither request until it is given up on
    for (int tick = 0; tick < 100 && saved.count() < 2; ++tick) {
        f.serial->OnGraphTimerTimeout();
        f.manualClock->advance(750);
    }
    QCOMPARE(saved.count(), 2);
    CStartBlockMeasurement *measurement = f.blocks[0]->measurement();
    QVERIFY(!measurement->hasGraph() && !measurement->hasSoundGraph());
    if (nextReady) {
        f.serial->OnSetStatusRequest(1, DeviceReady, f.serial->broadcastDevice());
        f.reportStates(DeviceReady, DeviceReady);
        f.tick();
    }
    QSignalSpy newGraph(measurement, &CStartBlockMeasurement::new_graph);
    f.reply(f.blocks[0], 0x08, graphItems());
    f.reply(f.blocks[0], 0x0A, graphItems());
    f.reportStates(nextReady ? DeviceReady : DeviceIdle, DeviceIdle);
    QCOMPARE(int(measurement->state()), int(nextReady ? DeviceReady : DeviceIdle));
    QCOMPARE(newGraph.count(), 0);
    QVERIFY(!measurement->hasGraph() && !measurement->hasSoundGraph());
}

QTEST_MAIN(TstSerialLinkLoss)
#include "tst_seriallinkloss.moc"
