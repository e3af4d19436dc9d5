#include <QTest>

#include "sim/simframe.h"
#include "sim/simframeparser.h"

namespace
{

QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

// Frames written out by hand from the layout: AA, MAC, sequence LE, command, items, CRC, length BE, 55.
QByteArray statusRequest()
{
    return bytes("aa158d0000000134120400000055");
}

QList<SimFrameParser::Event::Kind> kinds(const QList<SimFrameParser::Event> &events)
{
    QList<SimFrameParser::Event::Kind> result;
    for (const SimFrameParser::Event &event : events)
        result.append(event.kind);
    return result;
}

} // namespace

class TstSimFrameParser : public QObject
{
    Q_OBJECT

private slots:
    void encodesFrameLayout_data();
    void encodesFrameLayout();
    void readsFrameFields();
    void findsFramesInAnyPieces_data();
    void findsFramesInAnyPieces();
    void dropsFrameWithBadCrc();
    void recognisesBroadcastAlarmOutsideFrames_data();
    void recognisesBroadcastAlarmOutsideFrames();
    void bufferStaysBounded();
    void splitsItemsAndRejectsOverruns_data();
    void splitsItemsAndRejectsOverruns();
};

void TstSimFrameParser::encodesFrameLayout_data()
{
    QTest::addColumn<SimFrame>("frame");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("no items") << SimFrame{bytes("158d00000001"), 0x1234, 0x04, {}} << statusRequest();
    // set info 6 := 258: items 06 04 00 00 01 02, length 00 06
    QByteArray items;
    appendSimItem32(items, 6, 258);
    QTest::newRow("set info 6") << SimFrame{bytes("ffffffffffff"), 1, 0x03, items}
                                << bytes(
                                       "aaffffffffffff010003060400000102ba000655"); // CRC-8 0x9B of the items
}

void TstSimFrameParser::encodesFrameLayout()
{
    QFETCH(SimFrame, frame);
    QFETCH(QByteArray, expected);
    QCOMPARE(encodeSimFrame(frame), expected);
}

void TstSimFrameParser::readsFrameFields()
{
    SimFrameParser parser;
    const QList<SimFrameParser::Event> events = parser.feed(statusRequest());
    QCOMPARE(events.size(), 1);
    QCOMPARE(events.at(0).kind, SimFrameParser::Event::Frame);
    QCOMPARE(events.at(0).frame.mac, bytes("158d00000001"));
    QCOMPARE(events.at(0).frame.sequence, quint16(0x1234));
    QCOMPARE(events.at(0).frame.command, quint8(0x04));
    QVERIFY(events.at(0).frame.items.isEmpty());
    QCOMPARE(parser.bufferedBytes(), 0);
}

void TstSimFrameParser::findsFramesInAnyPieces_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("pieceSize");
    QTest::addColumn<int>("frames");

    const QByteArray with55 = encodeSimFrame({bytes("158d00000001"), 9, 0x03, bytes("030200552255")});
    QTest::newRow("one byte at a time") << statusRequest() << 1 << 1;
    QTest::newRow("two frames in one piece") << statusRequest() + statusRequest() << 100 << 2;
    QTest::newRow("0x55 inside the items") << with55 << 3 << 1;
    QTest::newRow("noise before and between")
        << bytes("0055aa") + statusRequest() + bytes("1299") + with55 << 5 << 2;
    QTest::newRow("largest frame") << encodeSimFrame({bytes("158d00000001"), 1, 0xEE, QByteArray(2033, 'x')})
                                   << 700 << 1;
}

void TstSimFrameParser::findsFramesInAnyPieces()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, pieceSize);
    QFETCH(int, frames);

    SimFrameParser parser;
    QList<SimFrameParser::Event> events;
    for (qsizetype pos = 0; pos < stream.size(); pos += pieceSize)
        events += parser.feed(stream.mid(pos, pieceSize));
    QCOMPARE(kinds(events).count(SimFrameParser::Event::Frame), frames);
}

void TstSimFrameParser::dropsFrameWithBadCrc()
{
    SimFrameParser parser;
    const QByteArray bad = encodeSimFrame({bytes("158d00000001"), 1, 0x06, bytes("010102")}, true);
    QCOMPARE(kinds(parser.feed(bad)), QList{SimFrameParser::Event::BadCrc});
    QCOMPARE(kinds(parser.feed(statusRequest())), QList{SimFrameParser::Event::Frame});
}

void TstSimFrameParser::recognisesBroadcastAlarmOutsideFrames_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("alarms");

    const QByteArray alarm(8, char(0x68));
    QTest::newRow("alone") << alarm << 1;
    QTest::newRow("before a frame") << alarm + statusRequest() << 1;
    QTest::newRow("after a frame") << statusRequest() + alarm << 1;
    QTest::newRow("twice") << alarm + alarm << 2;
    QTest::newRow("seven only") << QByteArray(7, char(0x68)) << 0;
    QTest::newRow("inside a frame's items")
        << encodeSimFrame({bytes("158d00000001"), 1, 0xEE, QByteArray(12, char(0x68))}) << 0;
}

void TstSimFrameParser::recognisesBroadcastAlarmOutsideFrames()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, alarms);
    SimFrameParser parser;
    QCOMPARE(kinds(parser.feed(stream)).count(SimFrameParser::Event::BroadcastAlarm), alarms);
}

void TstSimFrameParser::bufferStaysBounded()
{
    SimFrameParser parser;
    // a start byte that never gets its frame must not hold the buffer forever
    parser.feed(QByteArray(1, char(0xAA)) + QByteArray(5000, '\x01'));
    QVERIFY(parser.bufferedBytes() <= SimFrameParser::kBufferLimit);
    QCOMPARE(kinds(parser.feed(statusRequest())), QList{SimFrameParser::Event::Frame});
}

void TstSimFrameParser::splitsItemsAndRejectsOverruns_data()
{
    QTest::addColumn<QByteArray>("items");
    QTest::addColumn<int>("count");

    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("two items") << bytes("0101020302abcd") << 2;
    QTest::newRow("zero length item") << bytes("0700") << 1;
    QTest::newRow("value past the end") << bytes("010302") << -1;
    QTest::newRow("lone id byte") << bytes("010102"
                                           "05")
                                  << -1;
}

void TstSimFrameParser::splitsItemsAndRejectsOverruns()
{
    QFETCH(QByteArray, items);
    QFETCH(int, count);
    const std::optional<QList<SimItem>> parsed = parseSimItems(items);
    QCOMPARE(parsed.has_value(), count >= 0);
    if (parsed)
        QCOMPARE(parsed->size(), count);
}

QTEST_GUILESS_MAIN(TstSimFrameParser)
#include "tst_simframeparser.moc"
