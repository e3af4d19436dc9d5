#include <QTest>

#include "core/utilities.h"
#include "devices/serialframes.h"
#include "testbytes.h"

namespace
{
const QByteArray kMac = QByteArray::fromHex("a1b2c3d4e5f6");
}

class TstSerialFrames : public QObject
{
    Q_OBJECT

private slots:
    void requestWithoutItemsIsFourteenBytes();
    void sequenceIsLittleEndian_data();
    void sequenceIsLittleEndian();
    void setInfoUsesWidthTable_data();
    void setInfoUsesWidthTable();
    void setInfoRefusesUnsettableIds_data();
    void setInfoRefusesUnsettableIds();
    void setStatusSendsOnlyAllowedIds_data();
    void setStatusSendsOnlyAllowedIds();
    void startTimeRequestOnlyForTypeOne();
    void samplePacketsSplitTheSample();
    void forwardingKeepsCommandItemsAndCrc();
    void alarmIndicationIsEightRawBytes();
};

void TstSerialFrames::requestWithoutItemsIsFourteenBytes()
{
    QCOMPARE(SerialFrames::request(kMac, 0x0201, 0x04), payload("aa a1b2c3d4e5f6 0102 04 00 0000 55"));
    QVERIFY(SerialFrames::request(QByteArray(5, 'x'), 0, 0x04).isEmpty());
}

void TstSerialFrames::sequenceIsLittleEndian_data()
{
    QTest::addColumn<int>("sequence");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("0") << 0 << payload("0000");
    QTest::newRow("258") << 258 << payload("0201");
    QTest::newRow("65535") << 65535 << payload("ffff");
}

void TstSerialFrames::sequenceIsLittleEndian()
{
    QFETCH(int, sequence);
    QFETCH(QByteArray, bytes);
    QCOMPARE(SerialFrames::request(kMac, quint16(sequence), 0x01).mid(7, 2), bytes);
}

void TstSerialFrames::setInfoUsesWidthTable_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("items");
    QTest::newRow("hardware version 258") << 6 << 258 << payload("060400000102");
    QTest::newRow("lane") << 2 << 7 << payload("020107");
    QTest::newRow("one byte keeps the low byte") << 15 << -10 << payload("0f01f6");
    QTest::newRow("false-start limit") << 3 << 500 << payload("030201f4");
    QTest::newRow("PAN id") << 23 << 0xBEEF << payload("1702beef");
    QTest::newRow("id 28") << 28 << 1 << payload("1c0101");
}

void TstSerialFrames::setInfoUsesWidthTable()
{
    QFETCH(int, id);
    QFETCH(int, value);
    QFETCH(QByteArray, items);
    const QByteArray expected = TestBytes()
                                    .hex("aa a1b2c3d4e5f6 0500 03")
                                    .raw(items)
                                    .u8(crc8(items))
                                    .u8(0)
                                    .u8(quint8(items.size()))
                                    .hex("55")
                                    .bytes();
    QCOMPARE(SerialFrames::setInfo(kMac, 5, quint8(id), value), expected);
}

void TstSerialFrames::setInfoRefusesUnsettableIds_data()
{
    QTest::addColumn<int>("id");
    for (const int id : {0, 1, 5, 9, 26, 29, 30, 255})
        QTest::newRow(qPrintable(QString::number(id))) << id;
}

void TstSerialFrames::setInfoRefusesUnsettableIds()
{
    QFETCH(int, id);
    QVERIFY(SerialFrames::setInfo(kMac, 0, quint8(id), 1).isEmpty());
}

void TstSerialFrames::setStatusSendsOnlyAllowedIds_data()
{
    QTest::addColumn<bool>("coordinator");
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("sent");
    QTest::newRow("coordinator 9") << true << 9 << true;
    QTest::newRow("coordinator 10") << true << 10 << true;
    QTest::newRow("coordinator 28") << true << 28 << true;
    QTest::newRow("coordinator 1") << true << 1 << false;
    QTest::newRow("coordinator 11") << true << 11 << false;
    QTest::newRow("block 1") << false << 1 << true;
    QTest::newRow("block 11") << false << 11 << true;
    QTest::newRow("block 28") << false << 28 << true;
    QTest::newRow("block 9") << false << 9 << false;
    QTest::newRow("block 2") << false << 2 << false;
}

void TstSerialFrames::setStatusSendsOnlyAllowedIds()
{
    QFETCH(bool, coordinator);
    QFETCH(int, id);
    QFETCH(bool, sent);
    const QByteArray frame = coordinator ? SerialFrames::setStatusCoordinator(kMac, 1, quint8(id), 0x102)
                                         : SerialFrames::setStatusBlock(kMac, 1, quint8(id), 0x102);
    if (!sent) {
        QVERIFY(frame.isEmpty());
        return;
    }
    const QByteArray items = TestBytes().u8(quint8(id)).hex("0102").bytes();
    QCOMPARE(frame.size(), 17);
    QCOMPARE(frame.mid(9, 4), TestBytes().hex("06").raw(items).bytes());
    QCOMPARE(frame.mid(13), TestBytes().u8(crc8(items)).hex("0003 55").bytes());
}

void TstSerialFrames::startTimeRequestOnlyForTypeOne()
{
    const QByteArray frame = SerialFrames::startTimeRequest(kMac, 3, 1, 0x1234);
    QCOMPARE(frame.size(), 17);
    QCOMPARE(frame.mid(9, 4), payload("11 010134"));
    QVERIFY(SerialFrames::startTimeRequest(kMac, 3, 2, 0x1234).isEmpty());
}

void TstSerialFrames::samplePacketsSplitTheSample()
{
    QByteArray sample(2500, '\0');
    for (int i = 0; i < sample.size(); ++i)
        sample[i] = char(i);
    QCOMPARE(SerialFrames::samplePacketLength(sample.size(), 0), 1020);
    QCOMPARE(SerialFrames::samplePacketLength(sample.size(), 1020), 1020);
    QCOMPARE(SerialFrames::samplePacketLength(sample.size(), 2040), 460);
    QCOMPARE(SerialFrames::samplePacketLength(sample.size(), 2500), 0);

    const QByteArray first = SerialFrames::samplePacket(kMac, 125, sample, 0);
    QCOMPARE(first.left(10), payload("aa a1b2c3d4e5f6 0a00 ee"));
    QCOMPARE(first.mid(10, 21), payload("0102007d 020400000000 030101 040203fc 050209c4"));
    const QByteArray chunks = first.mid(31, 4 * 257);
    for (int chunk = 0; chunk < 4; ++chunk) {
        QCOMPARE(quint8(chunks[chunk * 257]), quint8(6 + chunk));
        QCOMPARE(quint8(chunks[chunk * 257 + 1]), quint8(255));
        QCOMPARE(chunks.mid(chunk * 257 + 2, 255), sample.mid(chunk * 255, 255));
    }
    QCOMPARE(first.size(), 14 + 21 + 4 * 257);

    const QByteArray last = SerialFrames::samplePacket(kMac, 125, sample, 2040);
    QCOMPARE(last.mid(10, 21), payload("0102007d 0204000007f8 030101 040201cc 050209c4"));
    QCOMPARE(last.mid(31, 2), payload("06ff"));
    QCOMPARE(last.mid(31 + 257, 2), payload("07cd"));
    QCOMPARE(last.mid(31 + 257 + 2, 205), sample.mid(2040 + 255));
    QCOMPARE(last.size(), 14 + 21 + 257 + 207);
    const QByteArray items = last.mid(10, last.size() - 14);
    QCOMPARE(quint8(last[last.size() - 4]), crc8(items));
}

void TstSerialFrames::forwardingKeepsCommandItemsAndCrc()
{
    const QByteArray received = payload("aa 010203040506 0700 0b 0201ff 5a 0003 55"); // CRC deliberately odd
    QCOMPARE(SerialFrames::forwarded(received, 0xABCD), payload("aa ffffffffffff cdab 0b 0201ff 5a 0003 55"));
    QVERIFY(SerialFrames::forwarded(received.left(13), 0).isEmpty());
}

void TstSerialFrames::alarmIndicationIsEightRawBytes()
{
    QCOMPARE(SerialFrames::alarmIndication(), payload("6868686868686868"));
}

QTEST_GUILESS_MAIN(TstSerialFrames)
#include "tst_serialframes.moc"
