// Requests written to the coordinator's port: their bytes, sequence numbers, request logs and signals.
#include <QSignalSpy>
#include <QTest>

#include "serialtestkit.h"

using namespace SerialTest;

namespace
{
enum Request {
    StatusBlock,
    StatusCoordinator,
    InfoBlock,
    GraphRequest,
    SoundGraphRequest,
    PowerDownBlock,
    PowerDownCoordinator,
    Identifier,
    ModeSelection,
    Calibration,
    Resync,
    Sync,
};

const QByteArray kBlockMac = QByteArray::fromHex("0b0000000001");
const QByteArray kCoordinatorMac = QByteArray::fromHex("0c0000000001");
} // namespace

class TstSerialRequests : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void requestHasNoItemsAndIsLoggedAsItShould_data();
    void requestHasNoItemsAndIsLoggedAsItShould();
    void coordinatorInfoIsASpectrumRequestUntilTheFirstSpectrum();
    void setInfoWritesTheIdsWidth_data();
    void setInfoWritesTheIdsWidth();
    void setStatusSendsOnlyItsIds_data();
    void setStatusSendsOnlyItsIds();
    void startTimeRequestOnlyForTypeOne();
    void sequenceNumberWrapsAfter65535();
    void linkStateCountsEveryBlockOfTheSet();
    void portTextOpensTheNamedPort_data();
    void portTextOpensTheNamedPort();
    void failedOpenLeavesNoPort();
    void reopeningKeepsTheRingAndRestartsTheClock();
    void powerDownAllWaitsForTheBlocks();
    void photoFinishAlertSetsStatusTenOnlyOnChange_data();
    void photoFinishAlertSetsStatusTenOnlyOnChange();
    void removingABlockRemovesEveryEntry();
    void alarmIndicationIsRawAndKeepsTheSequence();
    void nothingIsWrittenWithoutAPort();

private:
    void issue(Request request);

    std::unique_ptr<SerialFixture> f;
};

void TstSerialRequests::init()
{
    f = std::make_unique<SerialFixture>(1);
    f->open();
}

void TstSerialRequests::cleanup()
{
    f.reset();
}

void TstSerialRequests::issue(Request request)
{
    CSerialComThread *s = f->serial.get();
    CStartBlock *block = f->blocks[0];
    switch (request) {
    case StatusBlock:
        return s->SendStatusRequest(block);
    case StatusCoordinator:
        return s->SendStatusRequestCoordinator(f->coordinator);
    case InfoBlock:
        return s->SendInfoRequest(block);
    case GraphRequest:
        return s->OnGetGraphRequest(block, false);
    case SoundGraphRequest:
        return s->OnGetSoundGraphRequest(block, false);
    case PowerDownBlock:
        return s->setPowerDownRequest(block);
    case PowerDownCoordinator:
        return s->setPowerDownRequestCoordinator(f->coordinator);
    case Identifier:
        return s->OnIdentifierRequest(block);
    case ModeSelection:
        return s->SendOperationModeSelectionRequest(block);
    case Calibration:
        return s->OnSetCalibrationRequestCoordinator(f->coordinator);
    case Resync:
        return s->setResyncRequest(block);
    case Sync:
        return s->SendSyncRequest();
    }
}

void TstSerialRequests::requestHasNoItemsAndIsLoggedAsItShould_data()
{
    QTest::addColumn<int>("request");
    QTest::addColumn<QByteArray>("mac");
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("logged");
    QTest::addColumn<int>("reported"); // data_request_sent, -1 for none
    QTest::newRow("status block") << int(StatusBlock) << kBlockMac << 0x04 << true << 4;
    QTest::newRow("status coordinator") << int(StatusCoordinator) << kCoordinatorMac << 0x04 << true << 4;
    QTest::newRow("info block") << int(InfoBlock) << kBlockMac << 0x01 << true << 1;
    QTest::newRow("graph") << int(GraphRequest) << kBlockMac << 0x07 << true << 7;
    QTest::newRow("sound graph") << int(SoundGraphRequest) << kBlockMac << 0x09 << true << 9;
    QTest::newRow("power down block") << int(PowerDownBlock) << kBlockMac << 0x0F << true << 15;
    QTest::newRow("power down coordinator")
        << int(PowerDownCoordinator) << kCoordinatorMac << 0x0F << true << 15;
    QTest::newRow("identifier") << int(Identifier) << kBlockMac << 0xEB << false << 235;
    QTest::newRow("mode selection") << int(ModeSelection) << kBlockMac << 0xE9 << false << 233;
    QTest::newRow("calibration") << int(Calibration) << kCoordinatorMac << 0xE7 << false << -1;
    QTest::newRow("resync") << int(Resync) << kBlockMac << 0x13 << false << -1;
    QTest::newRow("sync") << int(Sync) << broadcastMac() << 0xF3 << false << -1;
}

void TstSerialRequests::requestHasNoItemsAndIsLoggedAsItShould()
{
    QFETCH(int, request);
    QFETCH(QByteArray, mac);
    QFETCH(int, command);
    QFETCH(bool, logged);
    QFETCH(int, reported);
    // two requests before, so the sequence number isn't 0
    f->serial->SendSyncRequest();
    f->serial->SendSyncRequest();
    f->port->writes.clear();
    f->manualClock->advance(123);
    QSignalSpy spy(f->serial.get(), &CSerialComThread::data_request_sent);

    issue(Request(request));

    QCOMPARE(f->port->writes.size(), 1);
    QCOMPARE(f->port->writes.first(), QByteArray::fromHex("aa") + mac + QByteArray::fromHex("0200") +
                                          QByteArray(1, char(command)) +
                                          QByteArray::fromHex("0000"
                                                              "0055"));
    const QList<PACKET_LOG> &log =
        mac == kCoordinatorMac ? f->coordinator->requestLog() : f->blocks[0]->requestLog();
    QCOMPARE(log.size(), logged ? 1 : 0);
    if (logged) {
        QCOMPARE(log.first().packetNumber, quint16(2));
        QCOMPARE(log.first().sendTime, 123u);
        QCOMPARE(log.first().replyTime, 0u);
    }
    QCOMPARE(spy.count(), reported < 0 ? 0 : 1);
    if (reported >= 0)
        QCOMPARE(int(spy.first().first().value<CommandType>()), reported);
    QCOMPARE(f->serial->sequenceCounter(), quint16(3));
}

void TstSerialRequests::coordinatorInfoIsASpectrumRequestUntilTheFirstSpectrum()
{
    QSignalSpy spy(f->serial.get(), &CSerialComThread::data_request_sent);
    f->serial->SendInfoRequestCoordinator(f->coordinator);
    f->serial->SendInfoRequestCoordinator(f->coordinator);
    f->serial->OnCoordinatorNewSpectrum();
    f->serial->SendInfoRequestCoordinator(f->coordinator);
    const QList<Sent> sent = f->sent();
    QCOMPARE(sent.size(), 3);
    QCOMPARE(sent[0].command, quint8(0x0D));
    QCOMPARE(sent[1].command, quint8(0x0D));
    QCOMPARE(sent[2].command, quint8(0x01));
    QCOMPARE(f->coordinator->requestLog().size(), 3);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(int(spy.first().first().value<CommandType>()), 1);
}

void TstSerialRequests::setInfoWritesTheIdsWidth_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("items"); // empty: nothing is sent
    QTest::newRow("lane, one byte") << 2 << 7 << QByteArray::fromHex("020107");
    QTest::newRow("limit, two bytes") << 3 << 0x1234 << QByteArray::fromHex("03021234");
    QTest::newRow("hardware version 258") << 6 << 258 << QByteArray::fromHex("060400000102");
    QTest::newRow("id 5 refused") << 5 << 1 << QByteArray();
    QTest::newRow("id 29 refused") << 29 << 1 << QByteArray();
}

void TstSerialRequests::setInfoWritesTheIdsWidth()
{
    QFETCH(int, id);
    QFETCH(int, value);
    QFETCH(QByteArray, items);
    f->serial->OnSetInfoRequest(quint8(id), value, f->blocks[0]);
    f->serial->OnSetInfoRequestCoordinator(quint8(id), value, f->coordinator);
    if (items.isEmpty()) {
        QVERIFY(f->port->writes.isEmpty());
        QCOMPARE(f->serial->sequenceCounter(), quint16(0));
        return;
    }
    QCOMPARE(f->port->writes.size(), 2);
    QCOMPARE(f->port->writes[0], frame(kBlockMac, 0, 0x03, items));
    QCOMPARE(f->port->writes[1], frame(kCoordinatorMac, 1, 0x03, items));
    QCOMPARE(f->blocks[0]->requestLog().size(), 1); // the block's is logged, the coordinator's not
    QCOMPARE(f->coordinator->requestLog().size(), 0);
}

void TstSerialRequests::setStatusSendsOnlyItsIds_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("toBlock");
    QTest::addColumn<bool>("toCoordinator");
    QTest::newRow("1 state") << 1 << true << false;
    QTest::newRow("9 ready indicator") << 9 << false << true;
    QTest::newRow("10 photo-finish") << 10 << false << true;
    QTest::newRow("11 measurement active") << 11 << true << false;
    QTest::newRow("28") << 28 << true << true;
    QTest::newRow("2 never") << 2 << false << false;
}

void TstSerialRequests::setStatusSendsOnlyItsIds()
{
    QFETCH(int, id);
    QFETCH(bool, toBlock);
    QFETCH(bool, toCoordinator);
    f->serial->OnSetStatusRequest(quint8(id), 0x105, f->blocks[0]);
    f->serial->OnSetStatusRequestCoordinator(quint8(id), 0x105, f->coordinator);
    const QByteArray items = QByteArray(1, char(id)) + QByteArray::fromHex("0105");
    QList<QByteArray> expected;
    if (toBlock)
        expected << frame(kBlockMac, 0, 0x06, items);
    if (toCoordinator)
        expected << frame(kCoordinatorMac, toBlock ? 1 : 0, 0x06, items);
    QCOMPARE(f->port->writes, expected);
    QCOMPARE(f->blocks[0]->requestLog().size(), 0);
}

void TstSerialRequests::startTimeRequestOnlyForTypeOne()
{
    f->serial->OnStartTimeRequestCoordinator(2, 7, f->coordinator);
    QVERIFY(f->port->writes.isEmpty());
    f->serial->OnStartTimeRequestCoordinator(1, 263, f->coordinator);
    QCOMPARE(f->port->writes,
             QList<QByteArray>({frame(kCoordinatorMac, 0, 0x11, QByteArray::fromHex("010107"))}));
}

void TstSerialRequests::sequenceNumberWrapsAfter65535()
{
    for (int i = 0; i < 65536; ++i)
        f->serial->SendSyncRequest();
    QCOMPARE(decode(f->port->writes.at(65535)).sequence, quint16(65535));
    QCOMPARE(f->port->writes.at(65535).mid(7, 2), QByteArray::fromHex("ffff"));
    f->serial->SendSyncRequest();
    QCOMPARE(f->port->writes.last().mid(7, 2), QByteArray::fromHex("0000"));
}

void TstSerialRequests::linkStateCountsEveryBlockOfTheSet()
{
    // one polled and three inactive blocks: four in the set, so 15 unanswered requests mean a lost link
    for (quint8 lane = 2; lane <= 4; ++lane)
        f->serial->appendInactiveStartBlock(f->addBlock(lane));
    CStartBlock *block = f->blocks[0];
    for (int i = 0; i < 14; ++i)
        f->serial->SendStatusRequest(block);
    QCOMPARE(block->measurement()->linkState(), int(LinkUnknown));
    f->serial->SendStatusRequest(block);
    QCOMPARE(block->measurement()->linkState(), int(LinkLost));
}

void TstSerialRequests::portTextOpensTheNamedPort_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::newRow("with description") << "ttyUSB0 [USB serial converter]"
                                      << "ttyUSB0";
    QTest::newRow("padded path") << "  /dev/pts/5 "
                                 << "/dev/pts/5";
    QTest::newRow("bare name") << "COM3"
                               << "COM3";
    QTest::newRow("nested brackets") << "ttyS1 [port [1]]"
                                     << "ttyS1";
}

void TstSerialRequests::portTextOpensTheNamedPort()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QSignalSpy opened(f->serial.get(), &CSerialComThread::serial_port_opened);
    f->serial->OpenPort(text, 9600);
    QCOMPARE(f->openedNames.last(), name);
    QCOMPARE(f->openedBauds.last(), 9600);
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.first().first().toBool(), true);
    QCOMPARE(f->serial->baudRate(), 9600);
    QVERIFY(f->serial->isPolling());
    QCOMPARE(f->serial->pollingInterval(), 100);
}

void TstSerialRequests::failedOpenLeavesNoPort()
{
    f->refuseOpen = true;
    QSignalSpy opened(f->serial.get(), &CSerialComThread::serial_port_opened);
    f->serial->OpenPort(QStringLiteral("ttyGONE"), 38400);
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.first().first().toBool(), false);
    QCOMPARE(f->serial->baudRate(), 0);
    QVERIFY(!f->serial->isPolling());
    f->serial->SendStatusRequest(f->blocks[0]);
    QVERIFY(f->blocks[0]->requestLog().isEmpty());
}

void TstSerialRequests::reopeningKeepsTheRingAndRestartsTheClock()
{
    const QByteArray bytes = frame(kBlockMac, 0, 0x05, item8(2, 66));
    f->port->feed(bytes.left(8));
    f->manualClock->advance(500);
    f->serial->OpenPort(QStringLiteral("ttyTEST"), 9600);
    f->serial->SendStatusRequest(f->blocks[0]);
    QCOMPARE(f->blocks[0]->requestLog().last().sendTime, 0u);
    f->port->feed(bytes.mid(8));
    QCOMPARE(f->blocks[0]->measurement()->battery(), quint8(66));
}

void TstSerialRequests::powerDownAllWaitsForTheBlocks()
{
    SerialFixture real(1, std::make_shared<SerialClock>());
    real.open();
    real.serial->startGraphsTimerTimeout();
    real.serial->OnSetAllDevicesPowerDown();
    QCOMPARE(real.port->writes.size(), 2);
    QCOMPARE(real.port->writes[0], frame(broadcastMac(), 0, 0x0F));
    QCOMPARE(real.port->writes[1], frame(kCoordinatorMac, 1, 0x0F));
    QVERIFY2(real.port->writeTimes[1] - real.port->writeTimes[0] >= 2390,
             qPrintable(QString::number(real.port->writeTimes[1] - real.port->writeTimes[0])));
    QCOMPARE(real.coordinator->requestLog().size(), 1);
    QCOMPARE(real.serial->broadcastDevice()->requestLog().size(), 1);
    QVERIFY(real.serial->isPolling());
    QVERIFY(!real.serial->isGraphPolling());
    QCOMPARE(real.serial->cycleCounter(), 0u);
}

void TstSerialRequests::photoFinishAlertSetsStatusTenOnlyOnChange_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("registered");
    QTest::addColumn<QByteArray>("items"); // empty: nothing sent
    QTest::newRow("camera ready, flag off")
        << 0 << 1 << QByteArray::fromHex("00") << true << QByteArray::fromHex("0a0101");
    QTest::newRow("camera not ready, flag on")
        << 1 << 1 << QByteArray::fromHex("01") << true << QByteArray::fromHex("0a0100");
    QTest::newRow("camera ready, flag on") << 1 << 1 << QByteArray::fromHex("02") << true << QByteArray();
    QTest::newRow("camera not ready, flag off")
        << 0 << 1 << QByteArray::fromHex("01") << true << QByteArray();
    QTest::newRow("other type") << 0 << 2 << QByteArray::fromHex("00") << true << QByteArray();
    QTest::newRow("no data") << 0 << 1 << QByteArray() << true << QByteArray();
    QTest::newRow("no coordinator") << 0 << 1 << QByteArray::fromHex("00") << false << QByteArray();
}

void TstSerialRequests::photoFinishAlertSetsStatusTenOnlyOnChange()
{
    QFETCH(int, current);
    QFETCH(int, type);
    QFETCH(QByteArray, data);
    QFETCH(bool, registered);
    QFETCH(QByteArray, items);
    f->replyCoordinator(0x05, item8(10, quint8(current)));
    if (!registered)
        f->serial->clearCoordinator();
    f->serial->OnNewOrvaneAlert(quint8(type), quint16(data.size()),
                                data.isEmpty() ? nullptr : reinterpret_cast<unsigned char *>(data.data()));
    if (items.isEmpty())
        QVERIFY(f->port->writes.isEmpty());
    else
        QCOMPARE(f->port->writes, QList<QByteArray>({frame(kCoordinatorMac, 0, 0x06, items)}));
}

void TstSerialRequests::removingABlockRemovesEveryEntry()
{
    CStartBlock *block = f->blocks[0];
    CStartBlock *other = f->addBlock(2);
    f->serial->appendStartBlock(other);
    f->serial->appendStartBlock(block);
    QCOMPARE(f->serial->startBlockCount(), 3);
    f->serial->removeStartBlock(block);
    QCOMPARE(f->serial->startBlockCount(), 1);
    QCOMPARE(f->serial->startBlockAt(0), other);
    QCOMPARE(f->serial->startBlockAt(1), nullptr);
    f->serial->appendInactiveStartBlock(block);
    f->serial->appendInactiveStartBlock(block);
    f->serial->removeInactiveStartBlock(block);
    QCOMPARE(f->serial->inactiveStartBlockCount(), 0);
    QCOMPARE(f->serial->inactiveStartBlockAt(0), nullptr);
}

void TstSerialRequests::alarmIndicationIsRawAndKeepsTheSequence()
{
    f->serial->OnAlarmAlertIndication(nullptr);
    QCOMPARE(f->port->writes, QList<QByteArray>({QByteArray::fromHex("6868686868686868")}));
    QCOMPARE(f->serial->sequenceCounter(), quint16(0));
}

void TstSerialRequests::nothingIsWrittenWithoutAPort()
{
    SerialFixture closed(1);
    closed.serial->SendStatusRequest(closed.blocks[0]);
    closed.serial->OnAlarmAlertIndication(nullptr);
    QVERIFY(closed.blocks[0]->requestLog().isEmpty());
    QCOMPARE(closed.serial->sequenceCounter(), quint16(0));
    QCOMPARE(closed.serial->baudRate(), 0);
}

QTEST_MAIN(TstSerialRequests)
#include "tst_serialrequests.moc"
