#include <algorithm>

#include <QFile>
#include <QTest>

// The default start sound: 4004 raw 8-bit samples around the midpoint 128.
class TstStartSound : public QObject
{
    Q_OBJECT

private slots:
    void isFourThousandAndFourBytes();
    void isALoudSound();
    void beginsAndEndsAtRest();

private:
    static QByteArray readSound();
};

QByteArray TstStartSound::readSound()
{
    QFile sound(QStringLiteral(":/samples/bang.raw"));
    return sound.open(QIODevice::ReadOnly) ? sound.readAll() : QByteArray();
}

void TstStartSound::isFourThousandAndFourBytes()
{
    QCOMPARE(QFile(QStringLiteral(":/samples/bang.raw")).size(), 4004);
    QCOMPARE(readSound().size(), 4004);
}

void TstStartSound::isALoudSound()
{
    const QByteArray sound = readSound();
    QVERIFY(!sound.isEmpty());
    const auto [low, high] = std::minmax_element(sound.cbegin(), sound.cend(),
                                                 [](char a, char b) { return quint8(a) < quint8(b); });
    // a bang swings far to both sides of the midpoint
    QVERIFY(quint8(*high) > 128 + 64);
    QVERIFY(quint8(*low) < 128 - 64);
}

void TstStartSound::beginsAndEndsAtRest()
{
    const QByteArray sound = readSound();
    QVERIFY(!sound.isEmpty());
    // no click when the device starts and stops playing
    QCOMPARE(quint8(sound.front()), 128);
    QCOMPARE(quint8(sound.back()), 128);
}

QTEST_GUILESS_MAIN(TstStartSound)
#include "tst_startsound.moc"
