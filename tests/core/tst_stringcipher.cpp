#include <QTest>

#include "core/stringcipher.h"

namespace {

constexpr quint32 kKeyLow = 0x04030201u;  // key bytes 01 02 03 04 ...
constexpr quint32 kKeyHigh = 0x08070605u; // ... 05 06 07 08

} // namespace

class TstStringCipher : public QObject
{
    Q_OBJECT

private slots:
    void roundTripsInEveryMode_data();
    void roundTripsInEveryMode();
    void compressesOnlyWhenItHelps();
    void decryptsTheWireFormat_data();
    void decryptsTheWireFormat();
    void rejectsTamperedCipherText_data();
    void rejectsTamperedCipherText();
    void rejectsShortOrOversizedInput();
    void needsAKey();
    void differentKeyDoesNotDecrypt();
};

void TstStringCipher::roundTripsInEveryMode_data()
{
    QTest::addColumn<int>("compression");
    QTest::addColumn<int>("protection");
    QTest::addColumn<QString>("plain");

    const QString shortText = QStringLiteral("Starter 1");
    const QString longText = QStringLiteral("lane;").repeated(200);
    const QString unicode = QStringLiteral("Jürgen Øster – 100 m");
    for (int compression : {0, 1, 2}) {
        for (int protection : {0, 1, 2}) {
            const QByteArray tag = "c" + QByteArray::number(compression) + "p" + QByteArray::number(protection);
            QTest::newRow(tag + " short") << compression << protection << shortText;
            QTest::newRow(tag + " long") << compression << protection << longText;
            QTest::newRow(tag + " unicode") << compression << protection << unicode;
            QTest::newRow(tag + " empty") << compression << protection << QString();
        }
    }
}

void TstStringCipher::roundTripsInEveryMode()
{
    QFETCH(int, compression);
    QFETCH(int, protection);
    QFETCH(QString, plain);

    StringCipher cipher(kKeyLow, kKeyHigh);
    cipher.setCompressionMode(compression);
    cipher.setProtectionMode(protection);
    const QString encrypted = cipher.EncryptToString(plain);
    QCOMPARE(cipher.lastError(), 0);

    StringCipher reader(kKeyLow, kKeyHigh);
    QCOMPARE(reader.DecryptToString(encrypted), plain);
    QCOMPARE(reader.lastError(), 0);
}

void TstStringCipher::compressesOnlyWhenItHelps()
{
    StringCipher cipher(kKeyLow, kKeyHigh);
    const QByteArray repetitive(400, 'x');
    const QByteArray automatic = cipher.Encrypt(repetitive);
    QCOMPARE(automatic.at(0), char(3));
    QCOMPARE(automatic.at(1) & 0x07, 0x03); // compressed, checksum
    QVERIFY(automatic.size() < 100);

    const QByteArray tiny = cipher.Encrypt("ab");
    QCOMPARE(tiny.at(1) & 0x07, 0x02); // compressing two bytes would only grow them
    QCOMPARE(tiny.size(), 2 + 1 + 2 + 2);

    cipher.setCompressionMode(StringCipher::CompressionAlways);
    QCOMPARE(cipher.Encrypt("ab").at(1) & 0x01, 0x01);
    cipher.setCompressionMode(StringCipher::CompressionNever);
    cipher.setProtectionMode(StringCipher::ProtectionHash);
    const QByteArray hashed = cipher.Encrypt(repetitive);
    QCOMPARE(hashed.at(1) & 0x07, 0x04);
    QCOMPARE(hashed.size(), 2 + 1 + 20 + 400);
}

void TstStringCipher::decryptsTheWireFormat_data()
{
    // cipher texts built by hand from the format: version 3, flags, then each byte xor the key byte xor the
    // previous cipher byte; the first plain byte is the random byte 0x5A
    QTest::addColumn<QString>("cipherText");
    QTest::addColumn<QString>("plain");
    QTest::newRow("unprotected") << QStringLiteral("AwBbMVc/Vj8=") << QStringLiteral("hello");
    QTest::newRow("with checksum") << QStringLiteral("AwJbbdO/37XeuQ==") << QStringLiteral("hello");
}

void TstStringCipher::decryptsTheWireFormat()
{
    QFETCH(QString, cipherText);
    QFETCH(QString, plain);
    StringCipher cipher(kKeyLow, kKeyHigh);
    QCOMPARE(cipher.DecryptToString(cipherText), plain);
    QCOMPARE(cipher.lastError(), 0);
}

void TstStringCipher::rejectsTamperedCipherText_data()
{
    QTest::addColumn<int>("protection");
    QTest::addColumn<int>("position");
    for (int protection : {1, 2}) {
        for (int position : {2, 3, 6, 10}) {
            QTest::newRow(qPrintable(QStringLiteral("p%1 byte %2").arg(protection).arg(position)))
                << protection << position;
        }
    }
}

void TstStringCipher::rejectsTamperedCipherText()
{
    QFETCH(int, protection);
    QFETCH(int, position);
    StringCipher cipher(kKeyLow, kKeyHigh);
    cipher.setProtectionMode(protection);
    cipher.setCompressionMode(StringCipher::CompressionNever);
    QByteArray bytes = cipher.Encrypt("meet results for heat 3");
    bytes[position] = char(bytes[position] ^ 0x10);

    QVERIFY(cipher.Decrypt(bytes).isEmpty());
    QCOMPARE(cipher.lastError(), 3);
    QVERIFY(cipher.DecryptToString(QString::fromLatin1(bytes.toBase64())).isEmpty());
    QCOMPARE(cipher.lastError(), 3);
}

void TstStringCipher::rejectsShortOrOversizedInput()
{
    StringCipher cipher(kKeyLow, kKeyHigh);
    for (const QByteArray &tooShort : {QByteArray(), QByteArray("\x03"), QByteArray("\x03\x02")}) {
        QVERIFY(cipher.Decrypt(tooShort).isEmpty());
        QCOMPARE(cipher.lastError(), 3);
    }
    // protection flag set but the bytes end before the checksum or the hash
    QVERIFY(cipher.Decrypt(QByteArray::fromHex("030299")).isEmpty());
    QCOMPARE(cipher.lastError(), 3);
    QVERIFY(cipher.Decrypt(QByteArray::fromHex("0304990102")).isEmpty());
    QCOMPARE(cipher.lastError(), 3);

    // a compressed payload whose size claim is raised above 64 KiB: flipping a cipher byte changes that
    // plain byte and the next one, so the claim's first byte becomes 0x01 (16 MiB)
    cipher.setProtectionMode(StringCipher::ProtectionNone);
    cipher.setCompressionMode(StringCipher::CompressionAlways);
    QByteArray bytes = cipher.Encrypt(QByteArray(64, 'z'));
    QVERIFY(!cipher.Decrypt(bytes).isEmpty());
    bytes[3] = char(bytes[3] ^ 0x01);
    QVERIFY(cipher.Decrypt(bytes).isEmpty());
    QCOMPARE(cipher.lastError(), 3);
}

void TstStringCipher::needsAKey()
{
    StringCipher cipher;
    QVERIFY(cipher.Encrypt("abc").isEmpty());
    QCOMPARE(cipher.lastError(), 1);
    QVERIFY(cipher.Decrypt(QByteArray::fromHex("0300112233")).isEmpty());
    QCOMPARE(cipher.lastError(), 1);
    cipher.setKey(kKeyLow, kKeyHigh);
    QCOMPARE(cipher.Decrypt(cipher.Encrypt("abc")), QByteArray("abc"));
}

void TstStringCipher::differentKeyDoesNotDecrypt()
{
    StringCipher writer(kKeyLow, kKeyHigh);
    writer.setProtectionMode(StringCipher::ProtectionHash);
    const QString text = writer.EncryptToString(QStringLiteral("session"));
    StringCipher reader(kKeyLow + 1, kKeyHigh);
    QVERIFY(reader.DecryptToString(text).isEmpty());
    QCOMPARE(reader.lastError(), 3);
}

QTEST_GUILESS_MAIN(TstStringCipher)
#include "tst_stringcipher.moc"
