#include <memory>
#include <vector>

#include <QBuffer>
#include <QFile>
#include <QTest>

#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "devices/measurementfile.h"
#include "testbytes.h"

namespace
{

void feed(CStartBlock &block, unsigned char command, const char *hexItems)
{
    QByteArray items = payload(hexItems);
    block.HandlePacket(command, quint16(items.size()), data(items));
}

void feed(CCoordinator &coordinator, unsigned char command, const char *hexItems)
{
    QByteArray items = payload(hexItems);
    coordinator.HandlePacket(command, quint16(items.size()), data(items));
}

QByteArray written(const RaceHeader &header, const CCoordinator *coordinator,
                   const QList<CStartBlock *> &blocks)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!MeasurementFile::write(&buffer, header, coordinator, blocks))
        return {};
    return buffer.data();
}

QList<CStartBlock *> pointers(const std::vector<std::unique_ptr<CStartBlock>> &blocks)
{
    QList<CStartBlock *> list;
    for (const auto &block : blocks)
        list << block.get();
    return list;
}

// A file of the given version built byte by byte: header, coordinator with one start and one log
// entry, one block "A" in lane 3 with a two-sample graph and one log entry.
QByteArray handBuiltFile(int version)
{
    const bool productVersion = version >= 2;
    TestBytes coordinator;
    coordinator.hex("0a0b0c0d0e0f").u16le(0x1234).u8(1).u16le(302).u32le(3501).u8(0xF8).u8(2);
    coordinator.u32le(1).u32le(2).u32le(1).u32le(3).u8(12).u8(10).u32le(2).u8(80).u8(0);
    coordinator.u32le(12)
        .hex("07000000 00015180 000001f4")
        .hex("0009")
        .u32le(10)
        .u16le(5)
        .u32le(100)
        .u32le(130);
    if (productVersion)
        coordinator.u16le(1057);

    TestBytes measurement;
    measurement.hex("0003");
    if (version >= 3)
        measurement.hex("50 00c8 0000000a 0000000000002710 00 01 01 00000010");
    if (version >= 5)
        measurement.hex("00000020");
    measurement.u32le(version >= 5 ? 20 : 18).u8(1).u16le(0).u16le(2).hex("0030 0040 0001").u8(0).u32le(6);
    measurement.hex("0509");
    if (version >= 5)
        measurement.hex("7fff");
    measurement.u32le(0);

    TestBytes block;
    block.hex("a1b2c3d4e5f6").u32le(5).hex("41 00 00 00").u8(3).hex("0000").u16le(120).u16le(16).u16le(210);
    block.u32le(4000).u32le(1).u16le(8).u16le(10).u8(11).u16le(12).u16le(13).u8(1).u8(0xFC).u8(4);
    block.u32le(2).u32le(1).u32le(4).u8(12).u16le(24).u16le(0x1234);
    if (productVersion)
        block.u16le(1054);
    block.u32le(quint32(measurement.bytes().size())).raw(measurement.bytes());
    block.u32le(10).u16le(9).u32le(200).u32le(0);

    TestBytes file;
    file.raw("VQDO0" + QByteArray::number(version));
    if (version >= 3) // race label "12", heat 1, start 2, no starter, limit 100, no comment
        file.u32le(20).u32le(2).raw("12").u16le(1).u16le(2).u32le(0).u16le(100).u32le(0);
    else // older files held only the comment, ending at a zero byte
        file.u32le(13).raw(QByteArray("wind +0.4\0\x01\x02\x03", 13));
    file.raw("1").u32le(quint32(coordinator.bytes().size())).raw(coordinator.bytes());
    file.raw("01").u32le(quint32(block.bytes().size())).raw(block.bytes());
    return file.bytes();
}

} // namespace

Q_DECLARE_METATYPE(MeasurementFile::ReadError)

class TstMeasurementFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void roundTripIsByteIdentical();
    void textsAreLatin1();
    void handBuiltVersionsAreRead_data();
    void handBuiltVersionsAreRead();
    void everyTruncationFails();
    void damagedFilesFail_data();
    void damagedFilesFail();
    void readsWhatOlderReadersTolerated();
    void versionZeroBlockMayHoldNoMeasurement();
    void setWithoutCoordinatorWritesZeroThenDigits_data();
    void setWithoutCoordinatorWritesZeroThenDigits();
    void blockWithoutGraphsHasShortRecord();
    void writerReportsFailure_data();
    void writerReportsFailure();
    void openCheckLooksAtFourBytes_data();
    void openCheckLooksAtFourBytes();

private:
    RaceHeader m_header;
    std::unique_ptr<CCoordinator> m_coordinator;
    std::vector<std::unique_ptr<CStartBlock>> m_blocks;
};

void TstMeasurementFile::init()
{
    m_header = RaceHeader{"Final A", 2, 3, QStringLiteral("Jürgen Größ"), 100, "wind +0.4"};
    m_coordinator = std::make_unique<CCoordinator>();
    feed(*m_coordinator, 0x02,
         "01060a0b0c0d0e0f 0502012e 0604000006dd 070102 0f01f8 14010c 1702beef 190102 1b020421");
    feed(*m_coordinator, 0x05, "020150 030107 10020009");
    feed(*m_coordinator, 0x12, "0104 07000000 0204 00015180 0304 000001f4");
    feed(*m_coordinator, 0x12, "0104 08000000 0204 00015190 0304 00000000");
    m_coordinator->appendRequestLog(PACKET_LOG{65535, 100000, 100040});
    m_coordinator->appendRequestLog(PACKET_LOG{0, 100100, 0});
    m_blocks.clear();
    for (int lane = 1; lane <= 3; ++lane) {
        auto block = std::make_unique<CStartBlock>();
        auto *measurement = new CStartBlockMeasurement(block.get());
        block->setMeasurement(measurement);
        block->SetMacAddress(QStringLiteral("a1:b2:c3:d4:e5:%1").arg(lane, 2, 10, QLatin1Char('0')));
        feed(*block, 0x02, "020100 030200c8 060400001000 0f01fc 1b02041e");
        block->setLane(quint8(lane));
        block->setParticipationStatus(lane == 2 ? 5 : 1);
        block->appendRequestLog(PACKET_LOG{quint16(lane), 10, 20});
        m_blocks.push_back(std::move(block));
    }
    m_blocks[0]->SetParticipantName(QStringLiteral("Jürgen"));
    m_blocks[0]->SetParticipantId("41");
    m_blocks[0]->SetParticipantInfo("GER");
    CStartBlockMeasurement *measurement = m_blocks[0]->measurement();
    measurement->setReactionAccepted(true);
    feed(*m_blocks[0], 0x05, "010101 020160 040200a0 1304fffffff0 1d0400000004 120800000000000003e8");
    feed(*m_blocks[0], 0x08, "010102 02020001 03020003 04020010 06020002 070101 08027fff 1006 010003000200");
    feed(*m_blocks[0], 0x0A, "010101 02020005 03020004 05021234 070400000001 0a0400000004 1004 01020304");
    feed(*m_blocks[1], 0x08, "010101 03020002 1002 0a0b");
}

void TstMeasurementFile::cleanup()
{
    m_coordinator.reset();
    m_blocks.clear();
}

void TstMeasurementFile::roundTripIsByteIdentical()
{
    const QByteArray first = written(m_header, m_coordinator.get(), pointers(m_blocks));
    QVERIFY(!first.isEmpty());
    MeasurementFile file;
    QVERIFY(file.read(first));
    QCOMPARE(file.version(), 5);
    QCOMPARE(file.raceHeader().starterName, m_header.starterName);
    QCOMPARE(file.raceHeader().comment, m_header.comment);
    QCOMPARE(file.raceHeader().heat, quint16(2));
    const std::unique_ptr<CCoordinator> coordinator = file.takeCoordinator();
    const std::vector<std::unique_ptr<CStartBlock>> blocks = file.takeBlocks();
    QVERIFY(coordinator);
    QCOMPARE(blocks.size(), size_t(3));

    QCOMPARE(coordinator->GetMacAddress(), QString("0a:0b:0c:0d:0e:0f"));
    QCOMPARE(coordinator->panId(), quint16(0xBEEF));
    QCOMPARE(coordinator->startTimes(), m_coordinator->startTimes());
    QCOMPARE(coordinator->requestLog(), m_coordinator->requestLog());
    QCOMPARE(coordinator->errorCode(), quint16(9));
    QCOMPARE(coordinator->productVersion(), quint16(1057));
    const CStartBlock &block = *blocks[0];
    QCOMPARE(block.participantName(), QStringLiteral("Jürgen"));
    QCOMPARE(block.transmitPower(), qint8(-4));
    QCOMPARE(block.hardwareVersion(), 0x1000u);
    QCOMPARE(block.requestLog(), m_blocks[0]->requestLog());
    QCOMPARE(blocks[1]->participationStatus(), 5);
    const CStartBlockMeasurement &measurement = *block.measurement();
    QCOMPARE(measurement.reactionTimeRaw(), quint16(0xA0));
    QCOMPARE(measurement.synchronisationValue(), 0xFFFFFFF0u);
    QCOMPARE(measurement.statusField18(), quint64(1000));
    QCOMPARE(measurement.graph().samples, payload("010003000200"));
    QCOMPARE(measurement.graph().peak, quint32(0x300 - 0x10));
    QCOMPARE(measurement.graph().item8, quint16(0x7FFF));
    QCOMPARE(measurement.soundGraph().samples, payload("01020304"));
    QCOMPARE(measurement.soundGraph().items7To10, (std::array<quint32, 4>{1, 0, 0, 4}));
    QVERIFY(blocks[1]->measurement()->hasGraph());
    QVERIFY(!blocks[2]->measurement()->hasGraph());

    QCOMPARE(written(file.raceHeader(), coordinator.get(), pointers(blocks)), first);
}

void TstMeasurementFile::textsAreLatin1()
{
    m_header = RaceHeader{"12", 0, 0, QStringLiteral("Jürgen"), 0, QStringLiteral("Łódź")};
    QCOMPARE(MeasurementFile::RaceHeaderSize(m_header), 18u + 2 + 6 + 4);
    m_blocks[1]->SetParticipantName(QStringLiteral("Żaneta"));
    const QByteArray bytes = written(m_header, nullptr, pointers(m_blocks));
    QCOMPARE(bytes.mid(6, 4), TestBytes().u32le(30).bytes());
    QCOMPARE(bytes.mid(10 + 10, 4 + 6), TestBytes().u32le(6).raw("J\xFCrgen").bytes());
    QVERIFY(bytes.contains(TestBytes()
                               .u32le(4)
                               .raw("?\xF3"
                                    "d?")
                               .bytes()));
    QVERIFY(bytes.contains(QByteArray("?aneta", 7)));
    MeasurementFile file;
    QVERIFY(file.read(bytes));
    QCOMPARE(file.raceHeader().starterName, QStringLiteral("Jürgen"));
    QCOMPARE(file.takeBlocks()[1]->participantName(), QStringLiteral("?aneta"));
}

void TstMeasurementFile::handBuiltVersionsAreRead_data()
{
    QTest::addColumn<int>("version");
    QTest::newRow("version 1") << 1;
    QTest::newRow("version 2") << 2;
    QTest::newRow("version 3") << 3;
    QTest::newRow("version 5") << 5;
}

void TstMeasurementFile::handBuiltVersionsAreRead()
{
    QFETCH(int, version);
    MeasurementFile file;
    QVERIFY(file.read(handBuiltFile(version)));
    QCOMPARE(file.version(), version);
    QCOMPARE(file.raceHeader().raceLabel, QString(version >= 3 ? "12" : ""));
    QCOMPARE(file.raceHeader().falseStartLimit, quint16(version >= 3 ? 100 : 0));
    QCOMPARE(file.raceHeader().comment, QString(version >= 3 ? "" : "wind +0.4"));
    QVERIFY(file.raceHeader().starterName.isEmpty());
    const std::unique_ptr<CCoordinator> coordinator = file.takeCoordinator();
    QCOMPARE(coordinator->GetMacAddress(), QString("0a:0b:0c:0d:0e:0f"));
    QCOMPARE(coordinator->hardwareVersion(), 3501u);
    QCOMPARE(coordinator->transmitPower(), qint8(-8));
    QCOMPARE(coordinator->photoFinishDevice(), 2u);
    QCOMPARE(coordinator->battery(), quint8(80));
    QCOMPARE(coordinator->startTimes().size(), 1);
    QCOMPARE(coordinator->startTimes().at(0).seconds(), 86400u);
    QCOMPARE(coordinator->errorCode(), quint16(9));
    QCOMPARE(coordinator->requestLog(), QList<PACKET_LOG>({PACKET_LOG{5, 100, 130}}));
    QCOMPARE(coordinator->productVersion(), quint16(version >= 2 ? 1057 : 0));

    const std::vector<std::unique_ptr<CStartBlock>> blocks = file.takeBlocks();
    QCOMPARE(blocks.size(), size_t(1));
    const CStartBlock &block = *blocks[0];
    QCOMPARE(block.GetMacAddress(), QString("a1:b2:c3:d4:e5:f6"));
    QCOMPARE(block.participationStatus(), 5);
    QCOMPARE(block.participantId(), QString("A"));
    QVERIFY(block.participantName().isEmpty());
    QCOMPARE(block.lane(), quint8(3));
    QCOMPARE(block.softwareVersion(), quint16(210));
    QCOMPARE(block.hardwareVersion(), 4000u);
    QCOMPARE(block.infoField13(), quint16(13));
    QCOMPARE(block.transmitPower(), qint8(-4));
    QCOMPARE(block.panId(), quint16(0x1234));
    QCOMPARE(block.productVersion(), quint16(version >= 2 ? 1054 : 0));
    QCOMPARE(block.requestLog(), QList<PACKET_LOG>({PACKET_LOG{9, 200, 0}}));
    const CStartBlockMeasurement &measurement = *block.measurement();
    QCOMPARE(measurement.errorCode(), quint16(3));
    QCOMPARE(measurement.reactionTimeRaw(), quint16(version >= 3 ? 0xC8 : 0));
    QCOMPARE(measurement.synchronisationValue(), version >= 3 ? 0x10u : 0u);
    QCOMPARE(measurement.statusField29(), version >= 5 ? 0x20u : 0u);
    QCOMPARE(measurement.graph().samples, payload("0509"));
    QCOMPARE(measurement.graph().offset, quint16(0x30));
    QCOMPARE(measurement.graph().peak, 6u);
    QCOMPARE(measurement.graph().item8, quint16(version >= 5 ? 0x7FFF : 0));
    QVERIFY(!measurement.hasSoundGraph());
}

void TstMeasurementFile::everyTruncationFails()
{
    const QByteArray bytes = written(m_header, m_coordinator.get(), pointers(m_blocks));
    MeasurementFile file;
    for (qsizetype length = 0; length < bytes.size(); ++length) {
        if (file.read(bytes.left(length)))
            QFAIL(qPrintable(QString("a file cut to %1 bytes was read").arg(length)));
    }
    QVERIFY(file.read(bytes));
}

void TstMeasurementFile::damagedFilesFail_data()
{
    using Error = MeasurementFile::ReadError;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Error>("error");
    QTest::addColumn<int>("entry");
    const QByteArray good = handBuiltFile(5);
    const int countAt = good.indexOf("01\x88");
    QByteArray digits = good;
    digits[countAt + 1] = 'a';
    QTest::newRow("count not digits") << digits << Error::BlockCount << 0;
    QByteArray fewer = good;
    fewer[countAt + 1] = '2';
    QTest::newRow("fewer records than counted") << fewer << Error::MissingBlocks << 2;
    QTest::newRow("unknown version") << QByteArray("VQDO06") + good.mid(6) << Error::UnknownVersion << 0;
    QTest::newRow("other magic") << QByteArray("VQDA05") + good.mid(6) << Error::NotMeasurementFile << 0;
    QByteArray header = good;
    header[10] = char(0x7F); // race label longer than the header
    QTest::newRow("label past header") << header << Error::RaceHeader << 0;
    QTest::newRow("coordinator cut") << good.left(countAt - 1) << Error::Coordinator << 0;
    QByteArray log = good;
    log[log.size() - 10 - 4] = char(11); // block log claims 11 bytes, 10 remain
    QTest::newRow("log past record") << log << Error::Block << 1;
}

void TstMeasurementFile::damagedFilesFail()
{
    QFETCH(QByteArray, bytes);
    QFETCH(MeasurementFile::ReadError, error);
    QFETCH(int, entry);
    QVERIFY(handBuiltFile(5) != bytes);
    MeasurementFile file;
    QVERIFY(!file.read(bytes));
    QVERIFY(!file.hasCoordinator());
    QCOMPARE(file.blockCount(), 0);
    QCOMPARE(file.error(), error);
    QCOMPARE(file.errorEntry(), entry);
}

void TstMeasurementFile::readsWhatOlderReadersTolerated()
{
    const QByteArray good = handBuiltFile(5);
    MeasurementFile file;

    // entries after the counted ones, and a few stray bytes too short for a size
    QVERIFY(file.read(good + TestBytes().u32le(0).bytes() + "\x01\x02"));
    QCOMPARE(file.blockCount(), 1);

    // a marker other than "1" means no coordinator; the count digits follow at once
    TestBytes noCoordinator;
    noCoordinator.raw("VQDO05").u32le(0).raw("x").raw("00");
    QVERIFY(file.read(noCoordinator.bytes()));
    QVERIFY(!file.hasCoordinator());

    // header texts end at their first zero byte
    TestBytes header;
    header.raw("VQDO05").u32le(24).u32le(4).raw(QByteArray("12\0z", 4)).u16le(1).u16le(1);
    header.u32le(2).raw(QByteArray("A\0", 2)).u16le(90).u32le(0).raw("0").raw("00");
    QVERIFY(file.read(header.bytes()));
    QCOMPARE(file.raceHeader().raceLabel, QString("12"));
    QCOMPARE(file.raceHeader().starterName, QString("A"));
    QCOMPARE(file.raceHeader().falseStartLimit, quint16(90));
}

void TstMeasurementFile::versionZeroBlockMayHoldNoMeasurement()
{
    // version 0 blocks are a measurement length and the measurement: the error code only
    TestBytes file;
    file.raw("VQDOxx").u32le(0).raw("0").raw("02");
    file.u32le(4).u32le(0);
    file.u32le(6).u32le(2).hex("0102");
    MeasurementFile reader;
    QVERIFY(reader.read(file.bytes()));
    QCOMPARE(reader.version(), 0);
    const std::vector<std::unique_ptr<CStartBlock>> blocks = reader.takeBlocks();
    QCOMPARE(blocks.size(), size_t(2));
    QCOMPARE(blocks[0]->measurement()->errorCode(), quint16(0));
    QCOMPARE(blocks[1]->measurement()->errorCode(), quint16(0x0102));
}

void TstMeasurementFile::setWithoutCoordinatorWritesZeroThenDigits_data()
{
    QTest::addColumn<int>("blocks");
    QTest::addColumn<QByteArray>("digits");
    QTest::newRow("none") << 0 << QByteArray("00");
    QTest::newRow("nine") << 9 << QByteArray("09");
    QTest::newRow("twelve") << 12 << QByteArray("12");
}

void TstMeasurementFile::setWithoutCoordinatorWritesZeroThenDigits()
{
    QFETCH(int, blocks);
    QFETCH(QByteArray, digits);
    std::vector<std::unique_ptr<CStartBlock>> set;
    for (int i = 0; i < blocks; ++i)
        set.push_back(std::make_unique<CStartBlock>());
    const QByteArray bytes = written(m_header, nullptr, pointers(set));
    const int headerEnd = 10 + int(MeasurementFile::RaceHeaderSize(m_header));
    QCOMPARE(bytes.mid(headerEnd, 3), "0" + digits);
    MeasurementFile file;
    QVERIFY(file.read(bytes));
    QVERIFY(!file.hasCoordinator());
    QCOMPARE(file.blockCount(), blocks);
}

void TstMeasurementFile::blockWithoutGraphsHasShortRecord()
{
    CStartBlock block;
    CStartBlockMeasurement measurement;
    block.setMeasurement(&measurement);
    QCOMPARE(measurement.GetSavedSize(), 36u);
    QCOMPARE(block.GetSavedSize(), 69u + 36u);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(block.SaveToDevice(&buffer));
    const QByteArray record = buffer.data();
    QCOMPARE(record.size(), 69 + 36);
    QCOMPARE(record.mid(10, 3), QByteArray(3, '\0'));
    QCOMPARE(record.mid(61, 4), TestBytes().u32le(36).bytes());
    const QByteArray measurementBytes = record.mid(65, 36);
    QCOMPARE(measurementBytes.mid(3, 2), payload("0000"));
    QCOMPARE(measurementBytes.mid(28), QByteArray(8, '\0'));
    QCOMPARE(record.right(4), QByteArray(4, '\0'));
}

void TstMeasurementFile::writerReportsFailure_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("blocks");
    QTest::newRow("read-only device") << "readonly" << 1;
    QTest::newRow("closed device") << "closed" << 1;
    QTest::newRow("100 blocks") << "buffer" << 100;
    QTest::newRow("full disk") << "/dev/full" << 1;
}

void TstMeasurementFile::writerReportsFailure()
{
    QFETCH(QString, device);
    QFETCH(int, blocks);
    std::vector<std::unique_ptr<CStartBlock>> set;
    for (int i = 0; i < blocks; ++i)
        set.push_back(std::make_unique<CStartBlock>());
    QBuffer buffer;
    QFile full(device);
    QIODevice *target = &buffer;
    if (device == "readonly")
        buffer.open(QIODevice::ReadOnly);
    else if (device == "buffer")
        buffer.open(QIODevice::WriteOnly);
    else if (device.startsWith('/')) {
        if (!full.open(QIODevice::WriteOnly))
            QSKIP("no /dev/full here");
        target = &full;
    }
    QVERIFY(!MeasurementFile::write(target, m_header, m_coordinator.get(), pointers(set)));
    QVERIFY(buffer.data().isEmpty());
}

void TstMeasurementFile::openCheckLooksAtFourBytes_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("current") << QByteArray("VQDO05") << true;
    QTest::newRow("other digits") << QByteArray("VQDOxx") << true;
    QTest::newRow("four bytes") << QByteArray("VQDO") << true;
    QTest::newRow("three bytes") << QByteArray("VQD") << false;
    QTest::newRow("other magic") << QByteArray("VQDX05") << false;
}

void TstMeasurementFile::openCheckLooksAtFourBytes()
{
    QFETCH(QByteArray, start);
    QFETCH(bool, accepted);
    QCOMPARE(MeasurementFile::hasMagic(start), accepted);
}

QTEST_GUILESS_MAIN(TstMeasurementFile)
#include "tst_measurementfile.moc"
