// The frame reader: frames found in the receive ring, checked and handed to the devices that sent them.
#include <QSignalSpy>
#include <QTest>

#include "serialtestkit.h"

using namespace SerialTest;

namespace
{
constexpr quint8 kStatusReply = 0x05;
constexpr quint8 kInfoReply = 0x02;
constexpr quint8 kStartIndication = 0x0B;

// A status reply whose items add up to exactly `length` bytes, all of an id the block doesn't store.
QByteArray itemsOfLength(int length)
{
    QByteArray items;
    while (length > 0) {
        const int value = std::min(length - 2, 255);
        items += item(40, QByteArray(value, char(0x11)));
        length -= value + 2;
    }
    return items;
}

int itemCount(int length)
{
    return (length + 256) / 257;
}
} // namespace

class TstSerialReader : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void replyReachesItsBlock();
    void replyTimeStampsOnlyTheLastLoggedRequest();
    void emptyFrameWithZeroCrcIsAccepted();
    void twoRepliesInOneReadAreHandledInOrder();
    void frameSplitAcrossReadsIsHandledOnce_data();
    void frameSplitAcrossReadsIsHandledOnce();
    void frameWrappingTheRingEndIsRead();
    void itemsContaining55DoNotEndTheFrame();
    void itemLengthLimit_data();
    void itemLengthLimit();
    void wrongCrcIsDroppedAndReadingGoesOn();
    void unknownMacIsDropped();
    void inactiveBlocksGetNoReplies();
    void identifierReplyReachesTheTargetWhateverItsMac_data();
    void identifierReplyReachesTheTargetWhateverItsMac();
    void coordinatorReplyIsStampedAndDispatched();
    void calibrationAckNeedsAGoodCrc_data();
    void calibrationAckNeedsAGoodCrc();
    void wirelessStartIndicationGoesToTheCoordinator();
    void wiredStartIndicationIsForwardedToAllBlocks();
    void wiredHeaderThresholdsComeFromTheStartIndication_data();
    void wiredHeaderThresholdsComeFromTheStartIndication();
    void forwardFrameF2GoesToAllBlocks();
    void wiredAlarmHeaderBroadcastsOncePerRace_data();
    void wiredAlarmHeaderBroadcastsOncePerRace();
    void wiredStartHeaderRestartsPollingOnce();
    void startHeaderSendsAPendingAlarm();

private:
    void armWiredRace(const QByteArray &indicationItems, quint16 softwareVersion = 302);
    int alarmWrites() const;

    std::unique_ptr<SerialFixture> f;
};

void TstSerialReader::init()
{
    f = std::make_unique<SerialFixture>(2);
    f->open();
}

void TstSerialReader::cleanup()
{
    f.reset();
}

void TstSerialReader::replyReachesItsBlock()
{
    QSignalSpy first(f->blocks[0]->measurement(), &CStartBlockMeasurement::new_status_field);
    QSignalSpy second(f->blocks[1]->measurement(), &CStartBlockMeasurement::new_status_field);
    f->reply(f->blocks[1], kStatusReply, item8(1, 5) + item8(2, 180));
    QCOMPARE(first.count(), 0);
    QCOMPARE(second.count(), 2);
    QCOMPARE(f->blocks[1]->measurement()->state(), quint8(5));
    QCOMPARE(f->blocks[1]->measurement()->battery(), quint8(180));
}

void TstSerialReader::replyTimeStampsOnlyTheLastLoggedRequest()
{
    CStartBlock *block = f->blocks[0];
    f->manualClock->advance(40);
    f->serial->SendStatusRequest(block); // sequence 0, sent at 40 ms
    f->manualClock->advance(10);
    f->serial->SendStatusRequest(block); // sequence 1, sent at 50 ms
    f->manualClock->advance(25);

    f->reply(block, kStatusReply, item8(1, 1), 0); // an answer to the older request
    QCOMPARE(block->requestLog().at(0).replyTime, 0u);
    QCOMPARE(block->requestLog().at(1).replyTime, 0u);
    QCOMPARE(block->measurement()->state(), quint8(1)); // still handled

    f->reply(block, kStatusReply, item8(1, 2), 1);
    QCOMPARE(block->requestLog().at(0).sendTime, 40u);
    QCOMPARE(block->requestLog().at(1).sendTime, 50u);
    QCOMPARE(block->requestLog().at(1).replyTime, 75u);
    QCOMPARE(block->requestLog().at(0).replyTime, 0u);
}

void TstSerialReader::emptyFrameWithZeroCrcIsAccepted()
{
    f->serial->SendStatusRequest(f->blocks[0]);
    f->manualClock->advance(7);
    f->port->feed(QByteArray::fromHex("aa0b000000000100000500000055"));
    QCOMPARE(f->blocks[0]->requestLog().last().replyTime, 7u);
}

void TstSerialReader::twoRepliesInOneReadAreHandledInOrder()
{
    QList<int> values; // the value pointer is valid only while the signal is emitted
    connect(f->blocks[0]->measurement(), &CStartBlockMeasurement::new_status_field, this,
            [&values](unsigned char, unsigned char, unsigned char *data) { values << data[0]; });
    f->port->feed(frame(f->blocks[0]->macBytes(), 0, kStatusReply, item8(2, 101)) +
                  frame(f->blocks[0]->macBytes(), 1, kStatusReply, item8(2, 102)));
    QCOMPARE(values, QList<int>({101, 102}));
}

void TstSerialReader::frameSplitAcrossReadsIsHandledOnce_data()
{
    QTest::addColumn<int>("splitAt");
    QTest::newRow("after start byte") << 1;
    QTest::newRow("inside MAC") << 4;
    QTest::newRow("before items") << 10;
    QTest::newRow("before length") << 17;
    QTest::newRow("before end byte") << 19;
}

void TstSerialReader::frameSplitAcrossReadsIsHandledOnce()
{
    QFETCH(int, splitAt);
    const QByteArray bytes = frame(f->blocks[0]->macBytes(), 0, kStatusReply, item8(1, 2) + item8(2, 77));
    QCOMPARE(bytes.size(), 20);
    QSignalSpy spy(f->blocks[0]->measurement(), &CStartBlockMeasurement::new_status_field);
    f->port->feed(bytes.left(splitAt));
    QCOMPARE(spy.count(), 0);
    f->port->feed(bytes.mid(splitAt));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(f->blocks[0]->measurement()->battery(), quint8(77));
}

void TstSerialReader::frameWrappingTheRingEndIsRead()
{
    const QByteArray bytes = frame(f->blocks[0]->macBytes(), 0, kStatusReply, item8(2, 99) + item8(1, 4));
    // the frame starts ten bytes before the end of the 2048-byte ring
    f->port->feed(QByteArray(2048 - 10, '\0'));
    f->port->feed(bytes);
    QCOMPARE(f->blocks[0]->measurement()->battery(), quint8(99));
    QCOMPARE(f->blocks[0]->measurement()->state(), quint8(4));
}

void TstSerialReader::itemsContaining55DoNotEndTheFrame()
{
    // inside the items: a length of 0 before a 0x55, and a 0x55 closing a would-be frame
    const QByteArray items = item(41, QByteArray::fromHex("55aa00000055")) + item8(2, 0x55);
    QSignalSpy spy(f->blocks[0]->measurement(), &CStartBlockMeasurement::new_status_field);
    f->reply(f->blocks[0], kStatusReply, items);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(f->blocks[0]->measurement()->battery(), quint8(0x55));
}

void TstSerialReader::itemLengthLimit_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("1749 accepted") << 1749 << true;
    QTest::newRow("1750 dropped") << 1750 << false;
    QTest::newRow("2033 dropped") << 2033 << false;
}

void TstSerialReader::itemLengthLimit()
{
    QFETCH(int, length);
    QFETCH(bool, accepted);
    const QByteArray items = itemsOfLength(length);
    QCOMPARE(items.size(), length);
    QSignalSpy spy(f->blocks[0]->measurement(), &CStartBlockMeasurement::new_status_field);
    f->reply(f->blocks[0], kStatusReply, items);
    QCOMPARE(spy.count(), accepted ? itemCount(length) : 0);
    // the reader goes on with the next frame
    f->reply(f->blocks[0], kStatusReply, item8(2, 12));
    QCOMPARE(f->blocks[0]->measurement()->battery(), quint8(12));
}

void TstSerialReader::wrongCrcIsDroppedAndReadingGoesOn()
{
    CStartBlock *block = f->blocks[0];
    f->serial->SendStatusRequest(block);
    f->manualClock->advance(3);
    QSignalSpy spy(block->measurement(), &CStartBlockMeasurement::new_status_field);
    f->port->feed(withBadCrc(frame(block->macBytes(), 0, kStatusReply, item8(2, 50))));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(block->requestLog().last().replyTime, 0u);
    f->port->feed(frame(block->macBytes(), 0, kStatusReply, item8(2, 51)));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(block->measurement()->battery(), quint8(51));
}

void TstSerialReader::unknownMacIsDropped()
{
    QSignalSpy blockSpy(f->blocks[0]->measurement(), &CStartBlockMeasurement::new_status_field);
    QSignalSpy coordinatorSpy(f->coordinator, &CCoordinator::new_status_field);
    f->port->feed(frame(mac(0x0b, 0x77), 0, kStatusReply, item8(2, 50)));
    QCOMPARE(blockSpy.count(), 0);
    QCOMPARE(coordinatorSpy.count(), 0);
}

void TstSerialReader::inactiveBlocksGetNoReplies()
{
    CStartBlock *block = f->blocks[1];
    f->serial->removeStartBlock(block);
    f->serial->appendInactiveStartBlock(block);
    QSignalSpy spy(block->measurement(), &CStartBlockMeasurement::new_status_field);
    f->reply(block, kStatusReply, item8(2, 50));
    QCOMPARE(spy.count(), 0);
}

void TstSerialReader::identifierReplyReachesTheTargetWhateverItsMac_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("handled");
    QTest::newRow("unknown device") << mac(0x0b, 0x77) << 1;
    QTest::newRow("the polled target itself") << QByteArray::fromHex("0b0000000001") << 2;
}

void TstSerialReader::identifierReplyReachesTheTargetWhateverItsMac()
{
    QFETCH(QByteArray, source);
    QFETCH(int, handled);
    CStartBlock *target = f->blocks[0];
    f->serial->setIdentifyStartBlock(target);
    QSignalSpy spy(target, &CStartBlock::new_info_field);
    f->port->feed(frame(source, 0, 0xEC, item8(2, 7)));
    QCOMPARE(spy.count(), handled);
    QCOMPARE(target->lane(), quint8(7));

    f->serial->clearIdentifyStartBlock();
    f->port->feed(frame(mac(0x0b, 0x77), 0, 0xEC, item8(2, 8)));
    QCOMPARE(target->lane(), quint8(7));
}

void TstSerialReader::coordinatorReplyIsStampedAndDispatched()
{
    f->serial->SendStatusRequestCoordinator(f->coordinator);
    f->manualClock->advance(12);
    f->replyCoordinator(kStatusReply, item8(1, 2) + item8(12, 4), 0);
    QCOMPARE(f->coordinator->state(), quint8(2));
    QCOMPARE(f->coordinator->statusField12(), quint8(4));
    QCOMPARE(f->coordinator->requestLog().last().replyTime, 12u);
}

void TstSerialReader::calibrationAckNeedsAGoodCrc_data()
{
    QTest::addColumn<bool>("corrupt");
    QTest::newRow("good") << false;
    QTest::newRow("bad crc") << true;
}

void TstSerialReader::calibrationAckNeedsAGoodCrc()
{
    QFETCH(bool, corrupt);
    QSignalSpy spy(f->serial.get(), &CSerialComThread::calibration_request_ack_received);
    const QByteArray ack = frame(f->coordinator->macBytes(), 0, 0xE8, item8(1, 1));
    f->port->feed(corrupt ? withBadCrc(ack) : ack);
    QCOMPARE(spy.count(), corrupt ? 0 : 1);
}

void TstSerialReader::wirelessStartIndicationGoesToTheCoordinator()
{
    QSignalSpy spy(f->coordinator, &CCoordinator::new_start_indication);
    f->serial->OnSetStatusRequest(1, 2, f->serial->broadcastDevice());
    f->port->writes.clear();
    f->replyCoordinator(kStartIndication, item8(1, 1));
    QCOMPARE(spy.count(), 1);
    QVERIFY(f->runStarted());
    QVERIFY(f->port->writes.isEmpty());
}

void TstSerialReader::wiredStartIndicationIsForwardedToAllBlocks()
{
    f->serial->SetOperationMode(OperationModeWired);
    f->serial->OnSetStatusRequest(1, 2, f->serial->broadcastDevice());
    f->port->writes.clear();
    const quint16 sequence = f->serial->sequenceCounter();
    QSignalSpy spy(f->coordinator, &CCoordinator::new_start_indication);
    const QByteArray items = item(1, QByteArray::fromHex("6868680a")) + item8(2, 3);
    f->replyCoordinator(kStartIndication, items, 0x4321);
    QCOMPARE(spy.count(), 0);
    QVERIFY(f->runStarted());
    QCOMPARE(f->port->writes.size(), 1);
    QCOMPARE(f->port->writes.first(), frame(broadcastMac(), sequence, kStartIndication, items));
    QCOMPARE(f->serial->sequenceCounter(), quint16(sequence + 1));
}

void TstSerialReader::wiredHeaderThresholdsComeFromTheStartIndication_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("alarmThreshold");
    QTest::addColumn<int>("startThreshold");
    QTest::newRow("no runs") << QByteArray::fromHex("68680a8b8b0a") << 3 << 3;
    QTest::newRow("runs of three") << QByteArray::fromHex("6868680a8b8b8b0a") << 4 << 4;
    QTest::newRow("runs of five and four") << QByteArray::fromHex("68686868680a8b8b8b8b0a") << 6 << 5;
    QTest::newRow("run of six") << QByteArray::fromHex("6868686868680a") << 7 << 3;
    QTest::newRow("run of nine") << QByteArray::fromHex("0a8b8b8b8b8b8b8b8b8b0a") << 3 << 7;
}

void TstSerialReader::wiredHeaderThresholdsComeFromTheStartIndication()
{
    QFETCH(QByteArray, value);
    QFETCH(int, alarmThreshold);
    QFETCH(int, startThreshold);
    f->serial->SetOperationMode(OperationModeWired);
    f->replyCoordinator(kStartIndication, item(1, value));
    QCOMPARE(int(f->serial->alarmThreshold()), alarmThreshold);
    QCOMPARE(int(f->serial->startThreshold()), startThreshold);
}

void TstSerialReader::forwardFrameF2GoesToAllBlocks()
{
    QSignalSpy spy(f->coordinator, &CCoordinator::new_status_field);
    const quint16 sequence = f->serial->sequenceCounter();
    const QByteArray items = item8(5, 9);
    f->replyCoordinator(0xF2, items, 77);
    QCOMPARE(f->port->writes.size(), 1);
    QCOMPARE(f->port->writes.first(), frame(broadcastMac(), sequence, 0xF2, items));
    QCOMPARE(spy.count(), 0);
}

void TstSerialReader::armWiredRace(const QByteArray &indicationItems, quint16 softwareVersion)
{
    f->serial->SetOperationMode(OperationModeWired);
    f->serial->StopQuestionsTimer();
    f->replyCoordinator(kInfoReply, item16(5, softwareVersion));
    f->serial->OnSetStatusRequest(1, 2, f->serial->broadcastDevice());
    f->reportStates(2, 2);
    f->serial->OnQuestionsTimer(); // everybody ready: quiet, resync timer started
    QVERIFY(f->serial->allReady);
    f->replyCoordinator(kStartIndication, indicationItems);
    QVERIFY(f->runStarted());
    f->port->writes.clear();
}

int TstSerialReader::alarmWrites() const
{
    return int(f->port->writes.count(QByteArray(8, char(0x68))));
}

void TstSerialReader::wiredAlarmHeaderBroadcastsOncePerRace_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("broadcasts");
    QTest::newRow("1.99") << 199 << false;
    QTest::newRow("2.01") << 201 << false;
    QTest::newRow("2.02") << 202 << true;
    QTest::newRow("2.50") << 250 << true;
    QTest::newRow("3.00") << 300 << true;
    QTest::newRow("3.01") << 301 << true;
}

void TstSerialReader::wiredAlarmHeaderBroadcastsOncePerRace()
{
    QFETCH(int, version);
    QFETCH(bool, broadcasts);
    armWiredRace(item(1, QByteArray::fromHex("686868680a")), quint16(version)); // threshold 5
    const quint16 sequence = f->serial->sequenceCounter();

    f->port->feed(QByteArray(4, char(0x68)) + QByteArray(1, '\0') + QByteArray(4, char(0x68)));
    QCOMPARE(alarmWrites(), 0); // two runs of four: below the threshold
    f->port->feed(QByteArray(5, char(0x68)));
    QCOMPARE(alarmWrites(), broadcasts ? 1 : 0);
    f->port->feed(QByteArray(1, '\0') + QByteArray(6, char(0x68)));
    QCOMPARE(alarmWrites(), broadcasts ? 1 : 0);
    QCOMPARE(f->serial->sequenceCounter(), sequence); // raw bytes, no frame

    // a new race allows one more
    armWiredRace(item(1, QByteArray::fromHex("686868680a")), quint16(version));
    f->port->feed(QByteArray(5, char(0x68)));
    QCOMPARE(alarmWrites(), broadcasts ? 1 : 0);
}

void TstSerialReader::wiredStartHeaderRestartsPollingOnce()
{
    armWiredRace(item(1, QByteArray::fromHex("8b8b8b0a"))); // start threshold 4
    QVERIFY(!f->serial->isPolling() || f->serial->isQuiet());
    f->serial->StopQuestionsTimer();
    f->port->feed(QByteArray(3, char(0x8B)));
    QVERIFY(!f->serial->isPolling());
    f->port->feed(QByteArray(1, char(0x8B)));
    QVERIFY(f->serial->isPolling());
    QCOMPARE(f->serial->pollingInterval(), 200);
    QCOMPARE(f->serial->cycleCounter(), 0u);
    QVERIFY(!f->serial->isQuiet());

    f->serial->StopQuestionsTimer();
    f->port->feed(QByteArray(1, '\0') + QByteArray(6, char(0x8B)));
    QVERIFY(!f->serial->isPolling()); // one start header per race
}

void TstSerialReader::startHeaderSendsAPendingAlarm()
{
    // the coordinator's version doesn't allow the alarm at the header, the start header sends it anyway
    armWiredRace(item(1, QByteArray::fromHex("6868680a8b8b8b0a")), 150);
    f->port->feed(QByteArray(4, char(0x68)) + QByteArray(1, '\0'));
    QCOMPARE(alarmWrites(), 0);
    f->port->feed(QByteArray(4, char(0x8B)));
    QCOMPARE(alarmWrites(), 1);
}

QTEST_MAIN(TstSerialReader)
#include "tst_serialreader.moc"
