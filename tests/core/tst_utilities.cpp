#include <cmath>

#include <QTemporaryDir>
#include <QTest>

#include "core/utilities.h"

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// a LAN frame: AA, counter (LE), type, payload, CRC of the payload, payload length (LE), 55
QByteArray lanFrame(quint16 counter, quint8 type, const QByteArray &payload)
{
    QByteArray frame;
    frame.append(char(0xAA)).append(char(counter & 0xFF)).append(char(counter >> 8)).append(char(type));
    frame.append(payload);
    frame.append(char(crc8(payload)));
    frame.append(char(payload.size() & 0xFF)).append(char(payload.size() >> 8)).append(char(0x55));
    return frame;
}

} // namespace

class TstUtilities : public QObject
{
    Q_OBJECT

private slots:
    void crcMatchesCheckValues_data();
    void crcMatchesCheckValues();
    void crcOverRawPointerCountsOnlyLength();

    void splitterReturnsWholeFrames_data();
    void splitterReturnsWholeFrames();
    void splitterKeepsUnfinishedFrame();
    void splitterDropsBadCrcAndKeepsGoing();
    void splitterBoundsItsBuffer();

    void discoveryValueIsEightToTheNModulo863();
    void discoveryValueIsDefinedForHugeExponents();

    void decryptTextOfEmptyTextIsEmpty();
    void textWrappersRoundTrip();

    void hiddenFileKeepsNameAndContent();
};

void TstUtilities::crcMatchesCheckValues_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("crc");
    QTest::newRow("empty") << QByteArray() << 0x00;
    QTest::newRow("abc") << QByteArray("abc") << 0xF5;
    QTest::newRow("123456789") << QByteArray("123456789") << 0xEA;
    QTest::newRow("zero bytes") << QByteArray(4, '\0') << 0x00;
    QTest::newRow("serial set-info item") << hex("060400000102") << int(crc8(hex("060400000102")));
}

void TstUtilities::crcMatchesCheckValues()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, crc);
    QCOMPARE(int(crc8(bytes)), crc);
}

void TstUtilities::crcOverRawPointerCountsOnlyLength()
{
    const QByteArray data("abcdef");
    QCOMPARE(crc8(reinterpret_cast<const unsigned char *>(data.constData()), 3), quint8(0xF5));
    QCOMPARE(crc8(reinterpret_cast<const unsigned char *>(data.constData()), 0), quint8(0));
}

void TstUtilities::splitterReturnsWholeFrames_data()
{
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<QList<QByteArray>>("frames");

    const QByteArray small = hex("aa01000201010512030055"); // counter 1, type 2, items 01 01 05
    const QByteArray withEndBytes = hex("aa020103550155f4030055"); // payload 55 01 55
    const QByteArray empty = lanFrame(7, 1, QByteArray());
    const QByteArray long200 = lanFrame(9, 4, QByteArray(200, '\x11'));

    QTest::newRow("one frame") << small << QList<QByteArray>{small};
    QTest::newRow("two frames in one chunk") << small + withEndBytes << QList<QByteArray>{small, withEndBytes};
    QTest::newRow("payload holding 0x55") << withEndBytes << QList<QByteArray>{withEndBytes};
    QTest::newRow("no payload") << empty << QList<QByteArray>{empty};
    QTest::newRow("length 200, low byte 0xC8") << long200 << QList<QByteArray>{long200};
    QTest::newRow("garbage before the frame") << hex("0055aa17") + small << QList<QByteArray>{small};
    QTest::newRow("only 0x55 bytes") << QByteArray(10, '\x55') << QList<QByteArray>{};
}

void TstUtilities::splitterReturnsWholeFrames()
{
    QFETCH(QByteArray, chunk);
    QFETCH(QList<QByteArray>, frames);
    QByteArray buffer;
    QCOMPARE(splitFrames(chunk, buffer), frames);
}

void TstUtilities::splitterKeepsUnfinishedFrame()
{
    const QByteArray frame = lanFrame(0x1234, 5, hex("0102030455aa"));
    QByteArray buffer;
    for (qsizetype cut = 1; cut < frame.size(); ++cut) {
        buffer.clear();
        QVERIFY2(splitFrames(frame.left(cut), buffer).isEmpty(), qPrintable(QString::number(cut)));
        QCOMPARE(splitFrames(frame.mid(cut), buffer), QList<QByteArray>{frame});
    }
    // the consumed frame leaves only its end byte behind, which starts no frame
    QVERIFY(buffer.size() <= 1);
}

void TstUtilities::splitterDropsBadCrcAndKeepsGoing()
{
    QByteArray bad = lanFrame(1, 2, hex("010105"));
    bad[7] = char(bad[7] ^ 0xFF); // the CRC byte
    const QByteArray good = lanFrame(2, 2, hex("020106"));

    QByteArray buffer;
    QCOMPARE(splitFrames(bad + good, buffer), QList<QByteArray>{good});
    QByteArray again;
    QVERIFY(splitFrames(bad, again).isEmpty());
    QVERIFY(!again.contains(char(0xAA)));
}

void TstUtilities::splitterBoundsItsBuffer()
{
    QByteArray buffer;
    QVERIFY(splitFrames(QByteArray(600, '\x01'), buffer).isEmpty());
    QVERIFY(buffer.isEmpty());

    // 500 bytes are kept, a frame completed afterwards is still found
    const QByteArray frame = lanFrame(3, 3, hex("0a0b"));
    QVERIFY(splitFrames(QByteArray(400, '\x01') + frame.left(5), buffer).isEmpty());
    QCOMPARE(buffer.size(), 405);
    QCOMPARE(splitFrames(frame.mid(5), buffer), QList<QByteArray>{frame});
}

void TstUtilities::discoveryValueIsEightToTheNModulo863()
{
    // while 8^n fits in 64 bits the value is the plain power taken modulo 863
    for (quint32 n = 0; n <= 21; ++n) {
        const auto plain = quint64(std::pow(8.0, double(n)));
        QCOMPARE(discoveryPublicValue(n), plain % 863);
    }
    QCOMPARE(discoveryPublicValue(0), quint64(1));
    QCOMPARE(discoveryPublicValue(1), quint64(8));
    QCOMPARE(discoveryPublicValue(4), quint64(4096 % 863));
}

void TstUtilities::discoveryValueIsDefinedForHugeExponents()
{
    // 863 is prime, so 8^n = 8^(n mod 862) modulo 863
    const quint32 exponents[] = {22, 23, 64, 100, 862, 863, 1000000, 0xFFFFFFFFu};
    for (quint32 n : exponents) {
        quint64 expected = 1;
        for (quint32 i = 0; i < n % 862; ++i)
            expected = expected * 8 % 863;
        QCOMPARE(discoveryPublicValue(n), expected);
    }
}

void TstUtilities::decryptTextOfEmptyTextIsEmpty()
{
    QVERIFY(decryptText(QString(), 1u, 2u).isEmpty());
    QVERIFY(decryptText(QString(), qint64(-5)).isEmpty());
}

void TstUtilities::textWrappersRoundTrip()
{
    const QString plain = QStringLiteral("SID:ZX:10.99.0.1:quellor:Jürgen");
    const QString cipher = encryptText(plain, 0x89ABCDEFu, 0x01234567u);
    QVERIFY(cipher != plain);
    QCOMPARE(decryptText(cipher, 0x89ABCDEFu, 0x01234567u), plain);
    // the one-key form splits the key into its low and high halves
    QCOMPARE(decryptText(cipher, qint64(0x0123456789ABCDEFLL)), plain);
    const qint64 negative = qint64(0xFEDCBA9876543210ULL);
    QCOMPARE(decryptText(encryptText(plain, 0x76543210u, 0xFEDCBA98u), negative), plain);
}

void TstUtilities::hiddenFileKeepsNameAndContent()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("race.vq1"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("VQDO05");
    file.close();

    SetFileHidden(path);
    SetFileHidden(dir.filePath(QStringLiteral("missing.vq2"))); // errors are ignored

    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("VQDO05"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("race.vq1")});
}

QTEST_GUILESS_MAIN(TstUtilities)
#include "tst_utilities.moc"
