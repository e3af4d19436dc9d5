// Whole races against the simulator on a pseudo-terminal with the real timers: wireless and wired, a block
// that ignores Ready, one that never reacts, the wired alarm, and a sample upload.
#include <QElapsedTimer>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include "simlink.h"

using namespace SerialTest;

namespace
{
constexpr int kRaceMs = 40000;
constexpr int kShortMs = 15000;

SimScenario scenario(int blocks, bool wired)
{
    SimScenario s = SimScenario::standard(blocks);
    s.wired = wired;
    s.autoStartDelayMs = 300;
    return s;
}
} // namespace

class TstSerialRace : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void wirelessRaceRunsFromReadyToSavedResults();
    void wiredRaceGoesQuietWaitsForTheHeaderAndResynchronises();
    void wiredFalseStartBroadcastsOneAlarm_data();
    void wiredFalseStartBroadcastsOneAlarm();
    void blockIgnoringReadyGetsItAgainAfterTenSeconds();
    void silentBlockIsSkippedAndTheOthersAreSaved();
    void sampleReachesAWiredBlockWhole();

private:
    bool startLink(const SimScenario &s, int mode);
    void ready();

    std::unique_ptr<SimLink> link;
};

void TstSerialRace::cleanup()
{
    link.reset();
}

bool TstSerialRace::startLink(const SimScenario &s, int mode)
{
    link = std::make_unique<SimLink>(s);
    if (!link->start())
        return false;
    link->serial.setUserSelectedOperationMode(mode);
    link->serial.SetOperationMode(mode);
    return true;
}

void TstSerialRace::ready()
{
    link->serial.OnSetStatusRequest(1, 2, link->serial.broadcastDevice());
}

void TstSerialRace::wirelessRaceRunsFromReadyToSavedResults()
{
    if (!startLink(scenario(3, false), OperationModeWireless))
        QSKIP("no pseudo-terminal");
    QSignalSpy saved(&link->serial, &CSerialComThread::save_results_file);
    QElapsedTimer clock;
    clock.start();
    QList<qint64> graphRequestTimes;
    connect(&link->sim, &DeviceSimulator::requestReceived, this, [&](const SimRequest &request) {
        if (request.frame.command == 0x07 || request.frame.command == 0x09)
            graphRequestTimes << clock.elapsed();
    });
    QTRY_VERIFY_WITH_TIMEOUT(link->serial.isBaudSwitchDone(), kShortMs);
    ready();
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 2, kRaceMs);
    QCOMPARE(saved[0][0].value<ResultsDataType>(), ResultsReactionGraphs);
    QCOMPARE(saved[0][1].toBool(), true);
    QCOMPARE(saved[1][0].value<ResultsDataType>(), ResultsSoundGraphs);
    QCOMPARE(saved[1][1].toBool(), false);

    const QStringList announce = {"C:28=1", "C:28=1",   "C:28=1",   "C:9=1",   "C:9=1",
                                  "C:9=1",  "all:28=1", "all:28=1", "all:28=1"};
    const QStringList setStatus = link->setStatusRequests();
    QCOMPARE(setStatus.first(), QStringLiteral("all:1=2"));
    QCOMPARE(setStatus.mid(setStatus.indexOf(QStringLiteral("C:28=1")), announce.size()), announce);
    QCOMPARE(setStatus.count(QStringLiteral("C:9=1")), 3);
    // every block asked for both graphs, one request per 750 ms graph tick
    QSet<QByteArray> asked;
    for (const SimRequest &request : link->requests(0x07) + link->requests(0x09))
        asked << request.frame.mac + QByteArray(1, char(request.frame.command));
    QCOMPARE(asked.size(), 6);
    for (qsizetype i = 1; i < graphRequestTimes.size(); ++i)
        QVERIFY2(graphRequestTimes[i] - graphRequestTimes[i - 1] > 600,
                 qPrintable(QString::number(graphRequestTimes[i] - graphRequestTimes[i - 1])));
    for (int i = 0; i < 3; ++i) {
        const CStartBlockMeasurement *measurement = link->blocks[i]->measurement();
        QCOMPARE(int(measurement->reactionTimeMs()), *link->sim.scenario().lanes[i].reactionMs);
        QVERIFY(measurement->hasGraph());
        QVERIFY(measurement->hasSoundGraph());
    }
    QVERIFY(link->serial.isPolling());
    QVERIFY(!link->serial.isGraphPolling());
    QTest::qWait(2000);
    QCOMPARE(link->setStatusRequests().count(QStringLiteral("C:9=1")), 3); // once per race
    QCOMPARE(saved.count(), 2);
}

void TstSerialRace::wiredRaceGoesQuietWaitsForTheHeaderAndResynchronises()
{
    SimScenario s = scenario(2, true);
    s.autoStartDelayMs = 1500;
    if (!startLink(s, OperationModeWired))
        QSKIP("no pseudo-terminal");
    QSignalSpy saved(&link->serial, &CSerialComThread::save_results_file);
    QSignalSpy forwarded(&link->sim, &DeviceSimulator::forwardedFrameReceived);
    ready();
    QTRY_VERIFY_WITH_TIMEOUT(link->serial.isResyncTimerRunning(), kShortMs);
    QCOMPARE(link->serial.resyncInterval(), 300000);
    QTRY_VERIFY_WITH_TIMEOUT(!link->serial.isPolling(), kShortMs); // quiet until the start header

    QTRY_COMPARE_WITH_TIMEOUT(forwarded.count(), 1, kShortMs);
    const SimFrame indication = forwarded.first().first().value<SimFrame>();
    QCOMPARE(indication.command, quint8(0x0B));
    QCOMPARE(indication.mac, simBroadcastMac());
    QCOMPARE(int(link->serial.startThreshold()), 5); // the simulator's runs of four
    QTRY_VERIFY_WITH_TIMEOUT(link->serial.isGraphStartPending(), kShortMs);
    QVERIFY(!link->serial.isResyncTimerRunning());
    QVERIFY(link->serial.graphStartDelay() > 0);
    QVERIFY(link->serial.graphStartDelay() <= 2900);
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 2, kRaceMs);
    QVERIFY(link->serial.isPolling());
    QCOMPARE(link->sim.broadcastAlarmCount(), 0);
}

void TstSerialRace::wiredFalseStartBroadcastsOneAlarm_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("alarms");
    QTest::newRow("3.02 qualifies") << 302 << 1;
    QTest::newRow("1.50 does not") << 150 << 0;
}

void TstSerialRace::wiredFalseStartBroadcastsOneAlarm()
{
    QFETCH(int, version);
    QFETCH(int, alarms);
    SimScenario s = scenario(2, true);
    s.lanes[0].reactionMs = 60; // under the false-start limit
    s.autoStartDelayMs = 1000;
    if (!startLink(s, OperationModeWired))
        QSKIP("no pseudo-terminal");
    QSignalSpy saved(&link->serial, &CSerialComThread::save_results_file);
    link->serial.SendInfoRequestCoordinator(link->coordinator);
    link->serial.OnCoordinatorNewSpectrum();
    link->serial.SendInfoRequestCoordinator(link->coordinator);
    QTRY_COMPARE_WITH_TIMEOUT(int(link->coordinator->softwareVersion()), 302, kShortMs);
    ready();
    QTRY_VERIFY_WITH_TIMEOUT(link->serial.allReady, kShortMs);
    link->sim.injectRaw(frame(link->coordinator->macBytes(), 0, 0x02, item16(5, quint16(version))));
    QTRY_COMPARE_WITH_TIMEOUT(int(link->coordinator->softwareVersion()), version, kShortMs);
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 2, kRaceMs);
    QCOMPARE(link->sim.broadcastAlarmCount(), alarms);
}

void TstSerialRace::blockIgnoringReadyGetsItAgainAfterTenSeconds()
{
    SimScenario s = scenario(2, false);
    s.lanes[1].ignoreReady = 1;
    s.autoStartDelayMs = -1;
    if (!startLink(s, OperationModeWireless))
        QSKIP("no pseudo-terminal");
    ready();
    QTest::qWait(3000);
    QVERIFY(!link->serial.allReady);
    QCOMPARE(link->setStatusRequests().count(QStringLiteral("all:1=2")), 1);
    QTRY_VERIFY_WITH_TIMEOUT(link->serial.allReady, kShortMs);
    QCOMPARE(link->setStatusRequests().count(QStringLiteral("all:1=2")), 2);
    QCOMPARE(link->setStatusRequests().count(QStringLiteral("C:9=1")), 3);
}

void TstSerialRace::silentBlockIsSkippedAndTheOthersAreSaved()
{
    SimScenario s = scenario(2, false);
    s.lanes[1].reactionMs.reset(); // never reacts
    if (!startLink(s, OperationModeWireless))
        QSKIP("no pseudo-terminal");
    QSignalSpy saved(&link->serial, &CSerialComThread::save_results_file);
    ready();
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 2, kRaceMs);
    QCOMPARE(link->serial.skippedBlocks(), QList<CStartBlock *>({link->blocks[1]}));
    QVERIFY(link->blocks[0]->measurement()->hasSoundGraph());
    QVERIFY(!link->blocks[1]->measurement()->hasGraph());
    for (const SimRequest &request : link->requests(0x07) + link->requests(0x09))
        QCOMPARE(request.frame.mac, link->blocks[0]->macBytes());
    bool idleToSilentBlock = false;
    for (const SimRequest &request : link->requests(0x06)) {
        idleToSilentBlock = idleToSilentBlock || (request.frame.mac == link->blocks[1]->macBytes() &&
                                                  request.items.value(0).id == 1 &&
                                                  request.items.value(0).value == QByteArray(1, '\1'));
    }
    QVERIFY(idleToSilentBlock);
}

void TstSerialRace::sampleReachesAWiredBlockWhole()
{
    SimScenario s = scenario(2, true);
    s.autoStartDelayMs = -1;
    if (!startLink(s, OperationModeWired))
        QSKIP("no pseudo-terminal");
    QSignalSpy completed(&link->sim, &DeviceSimulator::sampleCompleted);
    QByteArray sample(2500, Qt::Uninitialized);
    for (int i = 0; i < sample.size(); ++i)
        sample[i] = char(i * 13);
    link->serial.OnSetDemoSampleRequest(125, &sample, {link->blocks[1]->GetMacAddress()});
    QCOMPARE(completed.count(), 1);
    QCOMPARE(completed.first().at(0).toByteArray(), link->blocks[1]->macBytes());
    QCOMPARE(completed.first().at(1).toByteArray(), sample);
    QVERIFY(link->serial.isPolling());
}

QTEST_MAIN(TstSerialRace)
#include "tst_serialrace.moc"
