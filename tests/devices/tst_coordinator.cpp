#include <QSignalSpy>
#include <QTest>

#include "devices/ccoordinator.h"
#include "testbytes.h"

namespace
{
// start id word, seconds, microseconds
const char *const kStart = "0104 07000000 0204 00015180 0304 000001f4";
} // namespace

class TstCoordinator : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void infoItemsAreStored();
    void infoField26TakesUpToFourBytes_data();
    void infoField26TakesUpToFourBytes();
    void statusItemsAreStoredAndSignalled();
    void clockKeepsPreviousValue();
    void photoFinishFlagLogsOnlyChanges();
    void errorCodeLogsOnlyChanges();
    void timeWindowComparesCounterWithLimit_data();
    void timeWindowComparesCounterWithLimit();

    void sameStartIsStoredOnce();
    void startWithoutThirdItemIsIgnored();
    void timeOfDayOverflowAboveOneDay_data();
    void timeOfDayOverflowAboveOneDay();

    void spectrumFillsChannelsInArrivalOrder();
    void spectrumNeverExceedsSixteenBytes();
    void unsolicitedFramesAreSignalled();
    void linkStateUsesOwnLog();

private:
    void feed(unsigned char command, const char *hexItems);
    CCoordinator *m_coordinator = nullptr;
};

void TstCoordinator::init()
{
    m_coordinator = new CCoordinator;
}

void TstCoordinator::cleanup()
{
    delete m_coordinator;
}

void TstCoordinator::feed(unsigned char command, const char *hexItems)
{
    QByteArray items = payload(hexItems);
    m_coordinator->HandlePacket(command, quint16(items.size()), data(items));
}

void TstCoordinator::infoItemsAreStored()
{
    QSignalSpy infoField(m_coordinator, &CCoordinator::new_info_field);
    QSignalSpy done(m_coordinator, &CCoordinator::new_info_fields_set);
    feed(0x02, "0106a1b2c3d4e5f6 0502012e 070102 0e0101 0f01f8 14010c 1703ab1200 1702ab12 190102 1b020421");
    QCOMPARE(m_coordinator->GetMacAddress(), QString("a1:b2:c3:d4:e5:f6"));
    QCOMPARE(m_coordinator->softwareVersion(), quint16(302));
    QCOMPARE(m_coordinator->operationMode(), 2u);
    QCOMPARE(m_coordinator->transmitPower(), qint8(-8));
    QCOMPARE(m_coordinator->module(), quint8(1));
    QCOMPARE(m_coordinator->headsetVolume(), quint8(12));
    QCOMPARE(m_coordinator->panId(), quint16(0xAB12));
    QCOMPARE(m_coordinator->photoFinishDevice(), 2u);
    QCOMPARE(m_coordinator->productVersion(), quint16(1057));
    QCOMPARE(infoField.count(), 0);
    QCOMPARE(done.count(), 1);
}

void TstCoordinator::infoField26TakesUpToFourBytes_data()
{
    QTest::addColumn<QByteArray>("items");
    QTest::addColumn<quint32>("value");
    QTest::newRow("one byte") << payload("1a0105") << 5u;
    QTest::newRow("four bytes") << payload("1a043f800000") << 0x3F800000u;
    QTest::newRow("five bytes refused") << payload("1a050102030405") << 0u;
}

void TstCoordinator::infoField26TakesUpToFourBytes()
{
    QFETCH(QByteArray, items);
    QFETCH(quint32, value);
    m_coordinator->SetInfoFields(quint16(items.size()), data(items));
    QCOMPARE(m_coordinator->infoField26(), value);
    if (value == 0x3F800000u)
        QCOMPARE(m_coordinator->calibration(), 1.0f);
}

void TstCoordinator::statusItemsAreStoredAndSignalled()
{
    QSignalSpy fields(m_coordinator, &CCoordinator::new_status_field);
    QCOMPARE(m_coordinator->battery(), quint8(203));
    feed(0x05, "010102 020150 0c0103 1502 0a0b 150141 1b02ffee 2001 01");
    QCOMPARE(m_coordinator->state(), quint8(2));
    QCOMPARE(m_coordinator->battery(), quint8(0x50));
    QCOMPARE(m_coordinator->statusField12(), quint8(3));
    QCOMPARE(m_coordinator->statusField21(), quint8(0x41));
    QCOMPARE(m_coordinator->statusField27(), quint16(0xFFEE));
    QCOMPARE(fields.count(), 7);
    QCOMPARE(fields.at(6).at(0).value<unsigned char>(), 0x20);
}

void TstCoordinator::clockKeepsPreviousValue()
{
    feed(0x05, "0d0400000064");
    feed(0x05, "0d0400000065");
    QCOMPARE(m_coordinator->statusField13(), 101u);
    QCOMPARE(m_coordinator->previousStatusField13(), 100u);
}

void TstCoordinator::photoFinishFlagLogsOnlyChanges()
{
    DebugCapture capture;
    feed(0x05, "0a0100");
    feed(0x05, "0a0101");
    feed(0x05, "0a0101");
    feed(0x05, "0a0102");
    feed(0x05, "0a0100");
    QCOMPARE(capture.count("set OVR true"), 1);
    QCOMPARE(capture.count("set OVR false"), 1);
    QCOMPARE(m_coordinator->statusField10(), quint8(0));
}

void TstCoordinator::errorCodeLogsOnlyChanges()
{
    DebugCapture capture;
    feed(0x05, "10020009");
    feed(0x05, "10020009");
    QCOMPARE(capture.count("ERROR CU , Code 9"), 1);
}

void TstCoordinator::timeWindowComparesCounterWithLimit_data()
{
    QTest::addColumn<QByteArray>("items");
    QTest::addColumn<bool>("open");
    QTest::newRow("9.999 s of 10 s") << payload("11040000000a 1208000000000000270f") << true;
    QTest::newRow("10 s of 10 s") << payload("11040000000a 12080000000000002710") << false;
    QTest::newRow("no limit") << payload("12080000000000000000") << false;
}

void TstCoordinator::timeWindowComparesCounterWithLimit()
{
    QFETCH(QByteArray, items);
    QFETCH(bool, open);
    m_coordinator->SetStatusFields(quint16(items.size()), data(items));
    QCOMPARE(m_coordinator->isTimeWindowOpen(), open);
}

void TstCoordinator::sameStartIsStoredOnce()
{
    QSignalSpy starts(m_coordinator, &CCoordinator::new_start_time);
    feed(0x12, kStart);
    feed(0x12, kStart);
    QCOMPARE(m_coordinator->startTimes().size(), 1);
    QCOMPARE(starts.count(), 1);
    const auto start = starts.at(0).at(0).value<HX_GPS_TIME>();
    QCOMPARE(start.startId(), quint8(7));
    QCOMPARE(start.seconds(), 86400u);
    QCOMPARE(start.microseconds(), 500u);
    feed(0x12, "0104 07000000 0204 00015180 0304 000001f5");
    QCOMPARE(m_coordinator->startTimes().size(), 2);
}

void TstCoordinator::startWithoutThirdItemIsIgnored()
{
    QSignalSpy starts(m_coordinator, &CCoordinator::new_start_time);
    feed(0x12, "0104 07000000 0204 00015180");
    feed(0x12, "0204 00015180 0304 000001f4"); // no record was begun
    QVERIFY(m_coordinator->startTimes().isEmpty());
    QCOMPARE(starts.count(), 0);
}

void TstCoordinator::timeOfDayOverflowAboveOneDay_data()
{
    QTest::addColumn<QByteArray>("items");
    QTest::addColumn<bool>("overflow");
    QTest::newRow("86400") << payload("0104 01000000 0204 00015180 0304 00000000") << false;
    QTest::newRow("86401") << payload("0104 01000000 0204 00015181 0304 00000000") << true;
    QTest::newRow("negative when signed") << payload("0104 01000000 0204 80000000 0304 00000000") << false;
}

void TstCoordinator::timeOfDayOverflowAboveOneDay()
{
    QFETCH(QByteArray, items);
    QFETCH(bool, overflow);
    QVERIFY(!m_coordinator->HasTimeOfDayOverflow());
    m_coordinator->SetNewStart(quint16(items.size()), data(items));
    QCOMPARE(m_coordinator->HasTimeOfDayOverflow(), overflow);
}

void TstCoordinator::spectrumFillsChannelsInArrivalOrder()
{
    QSignalSpy spectrum(m_coordinator, &CCoordinator::new_spectrum);
    QVERIFY(!m_coordinator->hasSpectrum());
    QByteArray items;
    for (int channel = 16; channel >= 1; --channel)
        items.append(char(channel)).append(char(1)).append(char(0x40 + channel));
    items.append(payload("11010f 000105 120101"));
    m_coordinator->HandlePacket(0x0E, quint16(items.size()), data(items));
    QCOMPARE(m_coordinator->spectrum(), payload("504f4e4d4c4b4a494847464544434241"));
    QCOMPARE(m_coordinator->spectrumCurrentChannel(), quint8(15));
    QCOMPARE(spectrum.count(), 1);
}

void TstCoordinator::spectrumNeverExceedsSixteenBytes()
{
    feed(0x0E, "010a00010203040506070809 020a0a0b0c0d0e0f10111213");
    QCOMPARE(m_coordinator->spectrum(), payload("000102030405060708090a0b0c0d0e0f"));
    feed(0x0E, "0101aa");
    QCOMPARE(m_coordinator->spectrum(), payload("aa000000000000000000000000000000"));
}

void TstCoordinator::unsolicitedFramesAreSignalled()
{
    QSignalSpy setStatus(m_coordinator, &CCoordinator::new_set_status_field);
    QSignalSpy started(m_coordinator, &CCoordinator::new_start_indication);
    QSignalSpy powerDown(m_coordinator, &CCoordinator::set_all_devices_power_down);
    QSignalSpy status(m_coordinator, &CCoordinator::new_status_field);
    feed(0x06, "010102 1c0101");
    feed(0x0B, "0201ff");
    feed(0x14, "");
    QCOMPARE(setStatus.count(), 2);
    QCOMPARE(setStatus.at(1).at(0).value<unsigned char>(), 28);
    QCOMPARE(m_coordinator->state(), quint8(0)); // set-status items store nothing
    QCOMPARE(started.count(), 1);
    QCOMPARE(powerDown.count(), 1);
    QCOMPARE(status.count(), 0);

    m_coordinator->SetMacAddress("01:02:03:04:05:06");
    QTest::ignoreMessage(QtDebugMsg, "01:02:03:04:05:06: power down ack received");
    feed(0x10, "");
    QVERIFY(m_coordinator->isPowerDownAcknowledged());
}

void TstCoordinator::linkStateUsesOwnLog()
{
    QSignalSpy checked(m_coordinator, &CCoordinator::check_measurements_status);
    for (int i = 0; i < 40; ++i)
        m_coordinator->appendRequestLog(PACKET_LOG{quint16(i), quint32(i), 0});
    m_coordinator->CheckMeasurementsStatus(1);
    QCOMPARE(m_coordinator->linkState(), 0);
    QVERIFY(m_coordinator->stampReplyTime(39, 1000));
    m_coordinator->CheckMeasurementsStatus(1);
    QCOMPARE(m_coordinator->linkState(), 1);
    QCOMPARE(checked.count(), 2);
    m_coordinator->ClearQuestionLog();
    m_coordinator->CheckMeasurementsStatus(1);
    QCOMPARE(m_coordinator->linkState(), 2);
}

QTEST_GUILESS_MAIN(TstCoordinator)
#include "tst_coordinator.moc"
