#include <QTest>
#include <QVariant>

#include "core/sharedconstants.h"
#include "core/sharedtypes.h"

using namespace SharedConstants;

class TstSharedConstants : public QObject
{
    Q_OBJECT

private slots:
    void radioChannelsRunInEighthSteps();
    void participationStatusOrders();
    void modeListsMatchTheirValues();
    void laneColoursRepeatEveryTenGraphs();
    void fixedTexts();
    void progressStylesAreFilled();
    void startTimesCompareAllThreeWords();
    void sharedTypesTravelInVariants();
};

void TstSharedConstants::radioChannelsRunInEighthSteps()
{
    const QStringList channels = radioChannels();
    QCOMPARE(channels.size(), 15);
    QCOMPARE(channels.first(), QStringLiteral("863.125"));
    QCOMPARE(channels.at(1), QStringLiteral("863.250"));
    QCOMPARE(channels.at(7), QStringLiteral("864.000"));
    QCOMPARE(channels.last(), QStringLiteral("864.875"));
    QCOMPARE(channels.indexOf(QLatin1String(kDefaultChannel)), 0); // audio channel 1
    QStringList unique = channels;
    QCOMPARE(unique.removeDuplicates(), 0);
}

void TstSharedConstants::participationStatusOrders()
{
    QCOMPARE(participationStatuses(),
             (QStringList{"ACTIVE", "DNS", "DQ", "INACTIVE", "RUP"}));
    QCOMPARE(participationStatusCombo(), (QStringList{"ACTIVE", "DNS", "DQ", "RUP", "INACTIVE"}));
    // each combo entry names the status of that value
    for (int index = 0; index < 5; ++index) {
        const int status = participationStatusFromComboIndex(index);
        QCOMPARE(participationStatuses().at(status - 1), participationStatusCombo().at(index));
        QCOMPARE(comboIndexFromParticipationStatus(status), index);
    }
    QCOMPARE(participationStatusFromComboIndex(3), int(ParticipationRup));
    QCOMPARE(participationStatusFromComboIndex(4), int(ParticipationInactive));
    QCOMPARE(comboIndexFromParticipationStatus(9), 0);
}

void TstSharedConstants::modeListsMatchTheirValues()
{
    QCOMPARE(moduleNames(), (QStringList{"Standard", "High Power", "ETSI High Power", ""}));
    QCOMPARE(operationModes(), (QStringList{"Wireless", "Wired"}));
    QCOMPARE(QString::fromLatin1(kAutomaticDetection), QStringLiteral("Automatic detection"));
    QCOMPARE(startSoundModes(), (QStringList{"Off", "Beep", "Bang"}));
    QCOMPARE(recallSoundModes(), (QStringList{"Automatic Recall", "Remote (Manual) Recall"}));
    QCOMPARE(recallBeepsModes(), (QStringList{"On", "Startblock ON Central unit OFF",
                                              "Startblock OFF Central unit ON", "Off"}));
    QCOMPARE(onOff(), (QStringList{"ON", "OFF"}));
    QCOMPARE(photoFinishChoices(), (QStringList{"None", "Orvane"}));
    QCOMPARE(printOptions(), (QStringList{"Off", "Results", "Results and graphs"}));
    QCOMPARE(printOptionsShort(), (QStringList{"Off", "Results"}));
    QCOMPARE(productVersions(), (QStringList{"Professional", "Club"}));
    QCOMPARE(kVolumePercentages.size(), kVolumeCodes.size());
    QCOMPARE(kVolumeCodes.back(), 16);
    QCOMPARE(kVolumePercentages.front(), 37);
}

void TstSharedConstants::laneColoursRepeatEveryTenGraphs()
{
    QCOMPARE(laneColour(1), QColor(255, 0, 0));
    QCOMPARE(laneColour(8), QColor(75, 0, 130));
    QCOMPARE(laneColour(10), QColor(255, 0, 255));
    QCOMPARE(laneColour(11), laneColour(1));
    QCOMPARE(laneColour(0), laneColour(10));
}

void TstSharedConstants::fixedTexts()
{
    QCOMPARE(QByteArray(kBroadcastMac), QByteArray("FF:FF:FF:FF:FF:FF"));
    QCOMPARE(QByteArray(kMacInputMask), QByteArray("HH:HH:HH:HH:HH:HH;"));
    QCOMPARE(QByteArray(kWindowTitle), QByteArray("Wireless Quellor - Halvexa"));
    QCOMPARE(QByteArray(kVersion), QByteArray("1.2.12"));
    QCOMPARE(QByteArray(kMeasurementFileMagic), QByteArray("VQDO05"));
    QCOMPARE(administratorCodeMode1().size(), 3);
    QCOMPARE(administratorCodeMode2().size(), 8);
    QCOMPARE(measurementProblems().first(),
             QStringLiteral("Central unit sync time loo long before start module sync time"));
    QCOMPARE(measurementProblems().size(), 3);
}

void TstSharedConstants::progressStylesAreFilled()
{
    QCOMPARE(redProgressStyle(),
             QStringLiteral("QProgressBar {margin: 0px; padding: 0px; border: 2px solid white;} "
                            "QProgressBar::chunk { background-color: rgb(255, 60, 0);}"));
    QVERIFY(greenProgressStyle().endsWith(QStringLiteral("rgb(0, 192, 20);}")));
}

void TstSharedConstants::startTimesCompareAllThreeWords()
{
    const unsigned char raw[12] = {7, 0, 0, 0, 0x00, 0x01, 0x51, 0x81, 0x00, 0x00, 0x03, 0xE8};
    const HX_GPS_TIME start = HX_GPS_TIME::fromBytes(raw);
    QCOMPARE(start.startId(), quint8(7));
    QCOMPARE(start.word(0), quint32(0x07000000));
    QCOMPARE(start.seconds(), quint32(86401));
    QCOMPARE(start.microseconds(), quint32(1000));
    HX_GPS_TIME other = start;
    QVERIFY(other == start);
    other.bytes[11] = 0xE9;
    QVERIFY(other != start);
}

void TstSharedConstants::sharedTypesTravelInVariants()
{
    registerSharedMetaTypes();
    registerSharedMetaTypes();
    const unsigned char raw[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const QVariant time = QVariant::fromValue(HX_GPS_TIME::fromBytes(raw));
    QCOMPARE(time.value<HX_GPS_TIME>(), HX_GPS_TIME::fromBytes(raw));
    const QVariant log = QVariant::fromValue(PACKET_LOG{65535, 100, 0});
    QCOMPARE(log.value<PACKET_LOG>().packetNumber, quint16(65535));
    QVERIFY(QMetaType::fromName("ResultsDataType").isValid());
    QVERIFY(QMetaType::fromName("OperationMode").isValid());
    QVERIFY(QMetaType::fromName("CommandType").isValid());
}

QTEST_GUILESS_MAIN(TstSharedConstants)
#include "tst_sharedconstants.moc"
