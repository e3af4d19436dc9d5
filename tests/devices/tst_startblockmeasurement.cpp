#include <QSignalSpy>
#include <QTest>

#include "devices/cstartblockmeasurement.h"
#include "testbytes.h"

class TstStartBlockMeasurement : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void constructorDefaults();
    void reactionIsKeptOnlyWhenAcceptedOutsideReady_data();
    void reactionIsKeptOnlyWhenAcceptedOutsideReady();
    void readyReplyEntersReadyPhaseAndDropsGraphs();
    void fallingBackToIdleDuringReadyIsFlagged();
    void sameErrorCodeIsLoggedOnce();
    void syncMarkerClearsNewSyncFlag();
    void statusItemOfWrongWidthIsSignalledButNotStored();
    void clearedReactionIsSignalledAsNoValue();

    void graphIsAssembledFromChunks();
    void chunksBeforeHeaderAreDropped();
    void graphPeakUsesBaseline_data();
    void graphPeakUsesBaseline();
    void graphWithoutCountAllocatesNothing();
    void oversizeChunksStopAtBufferEnd();
    void headerCannotReshapeHeldBuffer();
    void soundGraphIsAssembled();
    void operationModeReplyTakesItemOne();

private:
    void feedStatus(const char *hexItems);
    CStartBlockMeasurement *m_measurement = nullptr;
};

void TstStartBlockMeasurement::init()
{
    m_measurement = new CStartBlockMeasurement;
}

void TstStartBlockMeasurement::cleanup()
{
    delete m_measurement;
}

void TstStartBlockMeasurement::feedStatus(const char *hexItems)
{
    QByteArray items = payload(hexItems);
    m_measurement->SetStatusFields(quint16(items.size()), data(items));
}

void TstStartBlockMeasurement::constructorDefaults()
{
    QCOMPARE(m_measurement->battery(), quint8(203));
    QCOMPARE(m_measurement->linkState(), 2);
    QCOMPARE(m_measurement->operationModeReply(), 2);
    QVERIFY(!m_measurement->hasGraph());
    QVERIFY(!m_measurement->hasSoundGraph());
    QVERIFY(!m_measurement->isReactionAccepted());
    QVERIFY(!m_measurement->isBackToIdle());
}

void TstStartBlockMeasurement::reactionIsKeptOnlyWhenAcceptedOutsideReady_data()
{
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("phase");
    QTest::addColumn<QByteArray>("items");
    QTest::addColumn<int>("reaction");
    QTest::newRow("accepted, idle after start") << true << 2 << payload("010101 040200c8") << 0x00C8;
    QTest::newRow("READY during ready phase") << true << 2 << payload("040200c8 010102") << 0x6FFF;
    QTest::newRow("READY, item 4 after state") << true << 2 << payload("010102 040200c8") << 0x6FFF;
    QTest::newRow("not accepted") << false << 1 << payload("010101 040200c8") << 0x6FFF;
    QTest::newRow("none marker kept") << true << 1 << payload("010101 04027fff") << 0x7FFF;
}

void TstStartBlockMeasurement::reactionIsKeptOnlyWhenAcceptedOutsideReady()
{
    QFETCH(bool, accepted);
    QFETCH(int, phase);
    QFETCH(QByteArray, items);
    QFETCH(int, reaction);
    m_measurement->SetRacePhase(phase);
    m_measurement->setReactionAccepted(accepted);
    m_measurement->SetStatusFields(quint16(items.size()), data(items));
    QCOMPARE(int(m_measurement->reactionTimeRaw()), reaction);
    QCOMPARE(m_measurement->reactionIsNoValue(), reaction == 0x6FFF);
}

void TstStartBlockMeasurement::readyReplyEntersReadyPhaseAndDropsGraphs()
{
    QByteArray graph = payload("010101 03020002 10020102");
    m_measurement->SetGraph(quint16(graph.size()), data(graph));
    QVERIFY(m_measurement->hasGraph());
    QSignalSpy reset(m_measurement, &CStartBlockMeasurement::graph_reset);
    feedStatus("010102");
    QCOMPARE(m_measurement->racePhase(), 2);
    QVERIFY(!m_measurement->hasGraph());
    QCOMPARE(reset.count(), 1);
}

void TstStartBlockMeasurement::fallingBackToIdleDuringReadyIsFlagged()
{
    feedStatus("010102");
    feedStatus("010103");
    QVERIFY(!m_measurement->isBackToIdle());
    feedStatus("010101");
    QVERIFY(m_measurement->isBackToIdle());
    QCOMPARE(m_measurement->previousState(), quint8(3));
    feedStatus("010102");
    QVERIFY(!m_measurement->isBackToIdle());
}

void TstStartBlockMeasurement::sameErrorCodeIsLoggedOnce()
{
    DebugCapture capture;
    feedStatus("10020007");
    feedStatus("10020007");
    feedStatus("10020000");
    QCOMPARE(capture.count("ERROR SB, Code:7"), 1);
    QCOMPARE(m_measurement->errorCode(), quint16(0));
}

void TstStartBlockMeasurement::syncMarkerClearsNewSyncFlag()
{
    feedStatus("130400000010");
    QVERIFY(m_measurement->hasNewSyncValue());
    QCOMPARE(qint32(m_measurement->synchronisationValue()), 16);
    feedStatus("1304ffff0000");
    QVERIFY(!m_measurement->hasNewSyncValue());
    QCOMPARE(m_measurement->synchronisationValue(), 0xFFFF0000u);
    feedStatus("1304fffffff0");
    QCOMPARE(qint32(m_measurement->synchronisationValue()), -16);
    m_measurement->ClearSyncFlag();
    QVERIFY(!m_measurement->hasNewSyncValue());
}

void TstStartBlockMeasurement::statusItemOfWrongWidthIsSignalledButNotStored()
{
    QSignalSpy fields(m_measurement, &CStartBlockMeasurement::new_status_field);
    feedStatus("0202aabb 1204000000ff 1208000000000000ffff 1d0400000001");
    QCOMPARE(fields.count(), 4);
    QCOMPARE(m_measurement->battery(), quint8(203));
    QCOMPARE(m_measurement->statusField18(), quint64(0xFFFF));
    QCOMPARE(m_measurement->statusField29(), 1u);
}

// what follows the status fields sees a cleared reaction as a reply without a value, and only once
void TstStartBlockMeasurement::clearedReactionIsSignalledAsNoValue()
{
    m_measurement->setReactionAccepted(true);
    feedStatus("010101 04020096");
    QStringList signalled; // id:value, copied while the signal runs
    connect(m_measurement, &CStartBlockMeasurement::new_status_field, this,
            [&](unsigned char type, unsigned char length, unsigned char *value) {
                signalled << QString::number(type) + ':' +
                                 QByteArray(reinterpret_cast<const char *>(value), length).toHex();
            });
    m_measurement->resetReactionTime();
    m_measurement->resetReactionTime();
    QCOMPARE(signalled, QStringList{"4:6fff"});
    QVERIFY(m_measurement->reactionIsNoValue());
}

void TstStartBlockMeasurement::graphIsAssembledFromChunks()
{
    QSignalSpy graphs(m_measurement, &CStartBlockMeasurement::new_graph);
    QByteArray items = payload("010102 02020001 03020003 04020010 05020020 06020002 070101 08027fff "
                               "1004 01000300 1102 0200");
    m_measurement->SetGraph(quint16(items.size()), data(items));
    const ReactionGraph &graph = m_measurement->graph();
    QCOMPARE(graph.samples, payload("010003000200"));
    QCOMPARE(graph.startIndex, quint16(1));
    QCOMPARE(graph.sampleCount, quint16(3));
    QCOMPARE(graph.sensitivity, quint16(0x20));
    QCOMPARE(graph.reactionPosition, quint16(2));
    QCOMPARE(graph.startSource, quint8(1));
    QCOMPARE(graph.item8, quint16(0x7FFF));
    QCOMPARE(graph.peak, quint32(0x300 - 0x10));
    QCOMPARE(graphs.count(), 1);
}

void TstStartBlockMeasurement::chunksBeforeHeaderAreDropped()
{
    QByteArray items = payload("1002aaaa 010101 03020002 10020506");
    m_measurement->SetGraph(quint16(items.size()), data(items));
    QCOMPARE(m_measurement->graph().samples, payload("0506"));
}

void TstStartBlockMeasurement::graphPeakUsesBaseline_data()
{
    QTest::addColumn<QByteArray>("items");
    QTest::addColumn<int>("peak");
    QTest::newRow("width 1 shifts the baseline") << payload("010101 03020002 04020030 10020906") << 9 - 3;
    QTest::newRow("width 2") << payload("010102 03020002 04020030 100401000080") << 0x100 - 0x30;
    QTest::newRow("width 4") << payload("010104 03020001 04020001 100400010000") << 0x10000 - 1;
}

void TstStartBlockMeasurement::graphPeakUsesBaseline()
{
    QFETCH(QByteArray, items);
    QFETCH(int, peak);
    m_measurement->SetGraph(quint16(items.size()), data(items));
    QCOMPARE(m_measurement->ComputeGraphPeak(), peak);
    QCOMPARE(m_measurement->graph().peak, quint32(peak));
}

void TstStartBlockMeasurement::graphWithoutCountAllocatesNothing()
{
    QByteArray items = payload("010102 04020005 10020102");
    m_measurement->SetGraph(quint16(items.size()), data(items));
    QVERIFY(!m_measurement->hasGraph());
    QCOMPARE(m_measurement->graph().peak, quint32(-5));
}

void TstStartBlockMeasurement::oversizeChunksStopAtBufferEnd()
{
    // two one-byte samples, but chunks of 4 and 3 bytes arrive
    QByteArray items = payload("010101 03020002 100401020304 1103050607");
    m_measurement->SetGraph(quint16(items.size()), data(items));
    QCOMPARE(m_measurement->graph().samples, payload("0102"));
    QByteArray sound = payload("010102 03020001 1003aabbcc");
    m_measurement->SetSoundGraph(quint16(sound.size()), data(sound));
    QCOMPARE(m_measurement->soundGraph().samples, payload("aabb"));
}

void TstStartBlockMeasurement::headerCannotReshapeHeldBuffer()
{
    QByteArray items = payload("010101 03020002 0302ffff 010104 1002aabb");
    m_measurement->SetGraph(quint16(items.size()), data(items));
    QCOMPARE(m_measurement->graph().sampleCount, quint16(2));
    QCOMPARE(m_measurement->graph().sampleWidth, quint8(1));
    QCOMPARE(m_measurement->graph().samples, payload("aabb"));
}

void TstStartBlockMeasurement::soundGraphIsAssembled()
{
    QSignalSpy sounds(m_measurement, &CStartBlockMeasurement::new_sound_graph);
    QByteArray items = payload("010101 02020005 03020003 05021234 070400000001 080400000002 090400000003 "
                               "0a0400000004 1001aa 1102bbcc");
    m_measurement->SetSoundGraph(quint16(items.size()), data(items));
    const SoundGraph &sound = m_measurement->soundGraph();
    QCOMPARE(sound.samples, payload("aabbcc"));
    QCOMPARE(sound.item2, quint16(5));
    QCOMPARE(sound.item5, quint16(0x1234));
    QCOMPARE(sound.items7To10, (std::array<quint32, 4>{1, 2, 3, 4}));
    QCOMPARE(sounds.count(), 1);
}

void TstStartBlockMeasurement::operationModeReplyTakesItemOne()
{
    QByteArray items = payload("020101 010100");
    m_measurement->SetOperationModeReply(quint16(items.size()), data(items));
    QCOMPARE(m_measurement->operationModeReply(), 0);
}

QTEST_GUILESS_MAIN(TstStartBlockMeasurement)
#include "tst_startblockmeasurement.moc"
