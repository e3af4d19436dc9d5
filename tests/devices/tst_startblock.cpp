#include <QSignalSpy>
#include <QTest>

#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "testbytes.h"

class TstStartBlock : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void infoItemsAreStoredInHostOrder_data();
    void infoItemsAreStoredInHostOrder();
    void everyInfoItemIsSignalled();
    void emptyInfoPayloadOnlyEndsTheSet();
    void itemOfWrongWidthIsSignalledButNotStored();
    void itemRunningPastPayloadEndsTheWalk();
    void identifierReplyIsTakenAsInfo();

    void macTextIsCheckedAndLowerCase_data();
    void macTextIsCheckedAndLowerCase();

    void linkStateFollowsNewestRequests_data();
    void linkStateFollowsNewestRequests();
    void linkWindowShrinksWithTheSet_data();
    void linkWindowShrinksWithTheSet();
    void replyTimeStampsOnlyTheNewestRequest();
    void packetStatisticsCountAnsweredRequests();

    void participantSettersSignalTheText();
    void repliesReachTheMeasurement();
    void powerDownAckOnlyWritesDebugLine();

private:
    CStartBlock *m_block = nullptr;
    CStartBlockMeasurement *m_measurement = nullptr;
};

void TstStartBlock::init()
{
    m_block = new CStartBlock;
    m_measurement = new CStartBlockMeasurement(m_block);
    m_block->setMeasurement(m_measurement);
}

void TstStartBlock::cleanup()
{
    delete m_block;
}

void TstStartBlock::infoItemsAreStoredInHostOrder_data()
{
    QTest::addColumn<QByteArray>("items");
    QTest::addColumn<QString>("field");
    QTest::addColumn<qint64>("value");
    QTest::newRow("lane") << payload("020107") << "lane" << qint64(7);
    QTest::newRow("false-start limit") << payload("030201f4") << "falseStartLimit" << qint64(500);
    QTest::newRow("hardware version") << payload("060400000102") << "hardwareVersion" << qint64(258);
    QTest::newRow("operation mode widened") << payload("070102") << "operationMode" << qint64(2);
    QTest::newRow("start sensitivity") << payload("08020123") << "startSensitivity" << qint64(0x123);
    QTest::newRow("transmit power is signed") << payload("0f01f6") << "transmitPower" << qint64(-10);
    QTest::newRow("recall beeps mode") << payload("150104") << "recallBeepsMode" << qint64(4);
    QTest::newRow("PAN id") << payload("1702beef") << "panId" << qint64(0xBEEF);
    QTest::newRow("product version") << payload("1b020421") << "productVersion" << qint64(1057);
}

void TstStartBlock::infoItemsAreStoredInHostOrder()
{
    QFETCH(QByteArray, items);
    QFETCH(QString, field);
    QFETCH(qint64, value);
    m_block->HandlePacket(0x02, quint16(items.size()), data(items));
    const QHash<QString, qint64> fields = {
        {"lane", m_block->lane()},
        {"falseStartLimit", m_block->falseStartLimit()},
        {"hardwareVersion", m_block->hardwareVersion()},
        {"operationMode", m_block->operationMode()},
        {"startSensitivity", m_block->startSensitivity()},
        {"transmitPower", m_block->transmitPower()},
        {"recallBeepsMode", m_block->recallBeepsMode()},
        {"panId", m_block->panId()},
        {"productVersion", m_block->productVersion()},
    };
    QCOMPARE(fields.value(field), value);
}

void TstStartBlock::everyInfoItemIsSignalled()
{
    QSignalSpy fields(m_block, &CStartBlock::new_info_field);
    QSignalSpy done(m_block, &CStartBlock::new_info_fields_set);
    QList<QByteArray> values;
    connect(m_block, &CStartBlock::new_info_field, this,
            [&values](unsigned char, unsigned char length, unsigned char *value) {
                values << QByteArray(reinterpret_cast<const char *>(value), length);
            });
    QByteArray items = payload("140105 0106a1b2c3d4e5f6");
    m_block->SetInfoFields(quint16(items.size()), data(items));
    QCOMPARE(fields.count(), 2);
    QCOMPARE(fields.at(0).at(0).value<unsigned char>(), 20);
    QCOMPARE(values, QList<QByteArray>({payload("05"), payload("a1b2c3d4e5f6")}));
    QCOMPARE(m_block->GetMacAddress(), QString("a1:b2:c3:d4:e5:f6"));
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.at(0).at(0).value<CStartBlock *>(), m_block);
}

void TstStartBlock::emptyInfoPayloadOnlyEndsTheSet()
{
    QSignalSpy fields(m_block, &CStartBlock::new_info_field);
    QSignalSpy done(m_block, &CStartBlock::new_info_fields_set);
    m_block->SetInfoFields(0, nullptr);
    QCOMPARE(fields.count(), 0);
    QCOMPARE(done.count(), 1);
}

void TstStartBlock::itemOfWrongWidthIsSignalledButNotStored()
{
    QSignalSpy fields(m_block, &CStartBlock::new_info_field);
    QByteArray items = payload("020109 02020007 0103aabbcc 0608000000000000ffff");
    m_block->SetInfoFields(quint16(items.size()), data(items));
    QCOMPARE(fields.count(), 4);
    QCOMPARE(m_block->lane(), quint8(9));
    QCOMPARE(m_block->GetMacAddress(), QString("00:00:00:00:00:00"));
    QCOMPARE(m_block->hardwareVersion(), quint32(0));
}

void TstStartBlock::itemRunningPastPayloadEndsTheWalk()
{
    QSignalSpy fields(m_block, &CStartBlock::new_info_field);
    // the second item claims 255 bytes; the payload is cut just after its length byte
    QByteArray items = payload("020107 03ff01");
    m_block->SetInfoFields(quint16(items.size()), data(items));
    QCOMPARE(fields.count(), 1);
    QCOMPARE(m_block->lane(), quint8(7));
    QCOMPARE(m_block->falseStartLimit(), quint16(0));
    QByteArray lone = payload("02");
    m_block->SetInfoFields(1, data(lone));
    QCOMPARE(fields.count(), 1);
}

void TstStartBlock::identifierReplyIsTakenAsInfo()
{
    QByteArray items = payload("020104");
    m_block->HandlePacket(0xEC, quint16(items.size()), data(items));
    QCOMPARE(m_block->lane(), quint8(4));
}

void TstStartBlock::macTextIsCheckedAndLowerCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("upper case accepted") << "0A:1B:2C:3D:4E:5F"
                                         << "0a:1b:2c:3d:4e:5f";
    QTest::newRow("leading zero kept") << "00:01:02:03:04:05"
                                       << "00:01:02:03:04:05";
    QTest::newRow("five groups refused") << "0a:1b:2c:3d:4e"
                                         << "11:22:33:44:55:66";
    QTest::newRow("dashes refused") << "0a-1b-2c-3d-4e-5f"
                                    << "11:22:33:44:55:66";
    QTest::newRow("trailing text refused") << "0a:1b:2c:3d:4e:5f:"
                                           << "11:22:33:44:55:66";
    QTest::newRow("not hexadecimal refused") << "0g:1b:2c:3d:4e:5f"
                                             << "11:22:33:44:55:66";
    QTest::newRow("line feed after it refused") << "0a:1b:2c:3d:4e:5f\n"
                                                << "11:22:33:44:55:66";
}

void TstStartBlock::macTextIsCheckedAndLowerCase()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    m_block->SetMacAddress("11:22:33:44:55:66");
    m_block->SetMacAddress(text);
    QCOMPARE(m_block->GetMacAddress(), stored);
    QCOMPARE(m_block->macBytes().toHex(':'), stored.toLatin1());
}

void TstStartBlock::linkStateFollowsNewestRequests_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("state");
    // four blocks look at the newest 15 requests; only the oldest request was answered
    QTest::newRow("14 entries: unknown") << 14 << 2;
    QTest::newRow("15 entries: answer in window") << 15 << 1;
    QTest::newRow("16 entries: answer fell out") << 16 << 0;
}

void TstStartBlock::linkStateFollowsNewestRequests()
{
    QFETCH(int, entries);
    QFETCH(int, state);
    QSignalSpy checked(m_measurement, &CStartBlockMeasurement::check_measurements_status);
    for (int i = 0; i < entries; ++i)
        m_block->appendRequestLog(PACKET_LOG{quint16(i), quint32(100 * i), i == 0 ? 50u : 0u});
    m_block->CheckMeasurementsStatus(4);
    QCOMPARE(m_block->linkState(), state);
    QCOMPARE(m_measurement->linkState(), state);
    QCOMPARE(checked.count(), 1);
}

void TstStartBlock::linkWindowShrinksWithTheSet_data()
{
    QTest::addColumn<int>("blocks");
    QTest::addColumn<int>("window");
    QTest::newRow("1") << 1 << 40;
    QTest::newRow("2") << 2 << 25;
    QTest::newRow("3") << 3 << 20;
    QTest::newRow("4") << 4 << 15;
    QTest::newRow("5") << 5 << 10;
    QTest::newRow("7") << 7 << 10;
    QTest::newRow("8") << 8 << 5;
    QTest::newRow("15") << 15 << 5;
    QTest::newRow("16") << 16 << 0;
    QTest::newRow("255 wraps without dividing by zero") << 255 << 0;
}

void TstStartBlock::linkWindowShrinksWithTheSet()
{
    QFETCH(int, blocks);
    QFETCH(int, window);
    QCOMPARE(int(DeviceLinkData::linkWindow(blocks)), window);
    m_block->appendRequestLog(PACKET_LOG{1, 10, 20});
    m_block->CheckMeasurementsStatus(blocks);
    if (window == 0)
        QCOMPARE(m_block->linkState(), 0);
}

void TstStartBlock::replyTimeStampsOnlyTheNewestRequest()
{
    m_block->appendRequestLog(PACKET_LOG{7, 100, 0});
    m_block->appendRequestLog(PACKET_LOG{8, 200, 0});
    QVERIFY(!m_block->stampReplyTime(7, 250));
    QVERIFY(m_block->stampReplyTime(8, 260));
    QCOMPARE(m_block->requestLog().at(0).replyTime, 0u);
    QCOMPARE(m_block->requestLog().at(1).replyTime, 260u);
}

void TstStartBlock::packetStatisticsCountAnsweredRequests()
{
    m_block->appendRequestLog(PACKET_LOG{1, 100, 120});
    m_block->appendRequestLog(PACKET_LOG{2, 200, 0});
    m_block->appendRequestLog(PACKET_LOG{3, 300, 330});
    m_block->CountAnsweredQuestions();
    QCOMPARE(m_block->requestsSent(), 3);
    QCOMPARE(m_block->requestsAnswered(), 2);
    m_block->ClearQuestionLog();
    QVERIFY(m_block->requestLog().isEmpty());
}

void TstStartBlock::participantSettersSignalTheText()
{
    QSignalSpy id(m_block, &CStartBlock::participant_id_set);
    QSignalSpy name(m_block, &CStartBlock::participant_name_set);
    QSignalSpy info(m_block, &CStartBlock::participant_info_set);
    m_block->SetParticipantId("112");
    m_block->SetParticipantName("Jürgen");
    m_block->SetParticipantInfo("GER");
    QCOMPARE(id.takeFirst().at(0).toString(), QString("112"));
    QCOMPARE(name.takeFirst().at(0).toString(), QString("Jürgen"));
    QCOMPARE(info.takeFirst().at(0).toString(), QString("GER"));
}

void TstStartBlock::repliesReachTheMeasurement()
{
    QSignalSpy status(m_measurement, &CStartBlockMeasurement::new_status_field);
    QSignalSpy alarm(m_measurement, &CStartBlockMeasurement::alarm);
    QSignalSpy graph(m_measurement, &CStartBlockMeasurement::new_graph);
    QSignalSpy sound(m_measurement, &CStartBlockMeasurement::new_sound_graph);
    QByteArray items = payload("020155");
    m_block->HandlePacket(0x05, quint16(items.size()), data(items));
    m_block->HandlePacket(0xF0, 0, nullptr);
    m_block->HandlePacket(0x08, 0, nullptr);
    m_block->HandlePacket(0x0A, 0, nullptr);
    QByteArray mode = payload("010101");
    m_block->HandlePacket(0xEA, quint16(mode.size()), data(mode));
    QCOMPARE(status.count(), 1);
    QCOMPARE(m_measurement->battery(), quint8(0x55));
    QCOMPARE(alarm.count(), 1);
    QCOMPARE(graph.count(), 1);
    QCOMPARE(sound.count(), 1);
    QCOMPARE(m_measurement->operationModeReply(), 1);

    m_block->setMeasurement(nullptr); // without a measurement these replies are dropped
    m_block->HandlePacket(0x05, quint16(items.size()), data(items));
    QCOMPARE(status.count(), 1);
}

void TstStartBlock::powerDownAckOnlyWritesDebugLine()
{
    m_block->SetMacAddress("a1:b2:c3:d4:e5:f6");
    QSignalSpy info(m_block, &CStartBlock::new_info_fields_set);
    QTest::ignoreMessage(QtDebugMsg, "\"a1:b2:c3:d4:e5:f6\" power down ack received");
    m_block->HandlePacket(0x10, 0, nullptr);
    QCOMPARE(info.count(), 0);
}

QTEST_GUILESS_MAIN(TstStartBlock)
#include "tst_startblock.moc"
