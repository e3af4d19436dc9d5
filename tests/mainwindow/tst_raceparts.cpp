// The rules of race control, the settings waited on, the race log, the race text file and the result files,
// driven with plain values and device objects fed through their own setters.
#include <QDateTime>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "core/projectsettings.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "mainwindow/laneparticipant.h"
#include "mainwindow/raceevaluation.h"
#include "mainwindow/racefiles.h"
#include "mainwindow/racelog.h"
#include "mainwindow/racenumbering.h"
#include "mainwindow/settingsdistribution.h"
#include "meet/participant.h"
#include "meet/participation.h"
#include "meet/participationsmodel.h"

namespace
{

QByteArray item(quint8 id, quint64 value, int width)
{
    QByteArray bytes;
    bytes.append(char(id)).append(char(width));
    for (int i = width - 1; i >= 0; --i)
        bytes.append(char(value >> (8 * i)));
    return bytes;
}

unsigned char *bytes(QByteArray &items)
{
    return reinterpret_cast<unsigned char *>(items.data());
}

// A block in a lane that reported these info items.
CStartBlock *block(QObject *parent, quint8 lane, QByteArray info = {})
{
    auto *b = new CStartBlock(parent);
    b->setLane(lane);
    b->setMeasurement(new CStartBlockMeasurement(b));
    b->SetInfoFields(quint16(info.size()), bytes(info));
    return b;
}

// Status items as a block reports them after the race, its reaction kept.
void report(CStartBlock *b, QByteArray status)
{
    b->measurement()->setReactionAccepted(true);
    b->measurement()->SetStatusFields(quint16(status.size()), bytes(status));
}

void giveSound(CStartBlock *b, quint32 start, quint32 sound)
{
    QByteArray items =
        item(1, 1, 1) + item(3, 1, 2) + item(7, start, 4) + item(8, sound, 4) + item(16, 0x80, 1);
    b->measurement()->SetSoundGraph(quint16(items.size()), bytes(items));
}

// What the project expects of the blocks in these tests, and the info items of a block that agrees.
StartBlockCommonSettings expectedBlock()
{
    StartBlockCommonSettings s;
    s.audioChannel = 3;
    s.operationMode = 1;
    s.startSoundMode = 3;
    s.recallSoundMode = 1;
    s.recallBeepsMode = 1;
    s.audioVolume = 16;
    s.acceleroSensitivity = 512;
    s.stabilitySensitivity = 400;
    s.iaafTime = 100;
    s.startSensitivity = 170;
    return s;
}

QByteArray agreeingInfo(quint8 channel = 3, quint16 limit = 100)
{
    return item(16, channel, 1) + item(7, 1, 1) + item(17, 3, 1) + item(18, 1, 1) + item(21, 1, 1) +
           item(19, 16, 1) + item(4, 512, 2) + item(24, 400, 2) + item(3, limit, 2) + item(8, 170, 2);
}

QByteArray synchronised(qint32 offset)
{
    return item(19, quint32(offset), 4);
}

} // namespace

class TstRaceParts : public QObject
{
    Q_OBJECT

private slots:
    void numbersRaces_data();
    void numbersRaces();
    void findsFalseStarts_data();
    void findsFalseStarts();
    void participationAfterRace_data();
    void participationAfterRace();
    void namesTheDevicesWaitedOn();
    void waitsForSynchronisation_data();
    void waitsForSynchronisation();
    void raceLogLines_data();
    void raceLogLines();
    void raceLogHeaderOnceAndTextFile();
    void resultFilesNeverReplaceOthers();
    void laneTakesBibOfItsParticipation();
};

void TstRaceParts::numbersRaces_data()
{
    QTest::addColumn<QStringList>(
        "steps"); // ready, false, reset, meet, last, type:<label>, heat:<n>, start:<n>
    QTest::addColumn<QString>("fileBase");
    QTest::addColumn<QString>("infoText");
    QTest::addColumn<QString>("nextEvents"); // one digit per Ready at a meet event
    QTest::newRow("incremental") << QStringList{"ready"} << "race_12_h1_s1"
                                 << "12"
                                 << "";
    QTest::newRow("false start raises the start") << QStringList{"ready", "false", "false"} << "race_12_h1_s3"
                                                  << "12"
                                                  << "";
    QTest::newRow("custom name, heat typed")
        << QStringList{"type:A/B:C", "ready", "ready"} << "race_ABC_h2_s1"
        << "A/B:C"
        << "";
    QTest::newRow("cleared custom name") << QStringList{"type:X", "type:", "ready"} << "race_12_h1_s1"
                                         << "12"
                                         << "";
    QTest::newRow("counter reset") << QStringList{"ready", "reset"} << "race_1_h1_s1"
                                   << "1"
                                   << "";
    QTest::newRow("Ready after a reset") << QStringList{"reset", "ready"} << "race_2_h1_s1"
                                         << "2"
                                         << "";
    QTest::newRow("meet: first stays") << QStringList{"meet", "meet", "false", "meet"} << "race_11_h1_s1"
                                       << ""
                                       << "011";
    QTest::newRow("meet: last event") << QStringList{"last"} << "race_12_h1_s1"
                                      << "12"
                                      << "0";
    QTest::newRow("typed numbers") << QStringList{"heat:65535", "start:7", "heat:0", "start:65536", "heat:x"}
                                   << "race_11_h65535_s7"
                                   << "11"
                                   << "";
}

void TstRaceParts::numbersRaces()
{
    QFETCH(QStringList, steps);
    RaceNumbering race(11);
    QString nextEvents;
    for (const QString &step : steps) {
        const QString value = step.section(':', 1);
        if (step == "reset")
            race.resetCounter();
        else if (step.startsWith("type:"))
            race.typeRaceLabel(value);
        else if (step.startsWith("heat:"))
            race.typeHeat(value);
        else if (step.startsWith("start:"))
            race.typeStart(value);
        else {
            const auto meet = step == "meet"   ? RaceNumbering::MeetEvent::InUse
                              : step == "last" ? RaceNumbering::MeetEvent::Last
                                               : RaceNumbering::MeetEvent::None;
            const bool next = race.closeRace(step == "false", meet);
            if (meet != RaceNumbering::MeetEvent::None)
                nextEvents += next ? '1' : '0';
            race.clearRaceFlags();
        }
    }
    QTEST(race.fileBaseName(), "fileBase");
    QTEST(race.raceInfoText(!nextEvents.isEmpty()), "infoText");
    QTEST(nextEvents, "nextEvents");
    QCOMPARE(race.skipsFalseStartCheck(), steps.last() == "reset");
}

void TstRaceParts::findsFalseStarts_data()
{
    QTest::addColumn<int>("reaction");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("falseStart");
    QTest::newRow("equal to the limit") << 120 << int(ParticipationActive) << false;
    QTest::newRow("one below") << 119 << int(ParticipationActive) << true;
    QTest::newRow("negative") << -3 << int(ParticipationRup) << true;
    QTest::newRow("DQ lane") << 50 << int(ParticipationDq) << true;
    QTest::newRow("DNS lane") << 50 << int(ParticipationDns) << false;
    QTest::newRow("INACTIVE lane") << 50 << int(ParticipationInactive) << false;
    QTest::newRow("no value") << 0x6FFF << int(ParticipationActive) << false;
    QTest::newRow("None") << 0x7FFF << int(ParticipationActive) << false;
}

void TstRaceParts::findsFalseStarts()
{
    QFETCH(int, reaction);
    QFETCH(int, status);
    QObject owner;
    CStartBlock *b = block(&owner, 4, item(3, 120, 2)); // its own limit: 120 ms
    report(b, item(4, quint16(reaction), 2));
    b->setParticipationStatus(status);
    QTEST(!RaceEvaluation::falseStartBlocks({b}).isEmpty(), "falseStart");
}

void TstRaceParts::participationAfterRace_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("dnsChosen");
    QTest::addColumn<bool>("dqChosen");
    QTest::addColumn<int>("after");
    QTest::newRow("RUP always") << int(ParticipationRup) << true << true << int(ParticipationActive);
    QTest::newRow("DNS") << int(ParticipationDns) << false << true << int(ParticipationActive);
    QTest::newRow("DNS chosen") << int(ParticipationDns) << true << false << int(ParticipationDns);
    QTest::newRow("DQ") << int(ParticipationDq) << true << false << int(ParticipationActive);
    QTest::newRow("DQ chosen") << int(ParticipationDq) << false << true << int(ParticipationDq);
    QTest::newRow("INACTIVE stays") << int(ParticipationInactive) << false << false
                                    << int(ParticipationInactive);
}

void TstRaceParts::participationAfterRace()
{
    QFETCH(int, status);
    QFETCH(bool, dnsChosen);
    QFETCH(bool, dqChosen);
    QTEST(RaceEvaluation::participationAfterRace(status, dnsChosen, dqChosen), "after");
}

void TstRaceParts::namesTheDevicesWaitedOn()
{
    QObject owner;
    const StartBlockCommonSettings expected = expectedBlock();
    CoordinatorCommonSettings unitExpected;
    unitExpected.audioChannel = 3;
    unitExpected.txPower = -4;
    auto *unit = new CCoordinator(&owner);
    QByteArray unitInfo = item(16, 3, 1) + item(15, 0, 1); // only the transmit power differs
    unit->SetInfoFields(quint16(unitInfo.size()), bytes(unitInfo));
    // lane 2 reports audio channel 5 and a false-start limit of 90; lane 4 channel 5
    CStartBlock *lane2 = block(&owner, 2, agreeingInfo(5, 90));
    CStartBlock *lane4 = block(&owner, 4, agreeingInfo(5));
    report(lane2, synchronised(1000));
    report(lane4, synchronised(-1000));
    const QList<CStartBlock *> blocks{lane2, lane4};
    const QString settings = "BUSY, wait until all settings are distributed.";

    SettingsDistribution distribution;
    QCOMPARE(SettingsDistribution::differingSettings(*lane2, expected),
             (QList<InfoFieldRequest>{{16, 3}, {3, 100}}));
    QCOMPARE(SettingsDistribution::differingSettings(*unit, unitExpected),
             (QList<InfoFieldRequest>{{15, -4}}));
    QCOMPARE(distribution.waitingStatus(blocks).notice, settings);
    distribution.reviewBlocks(blocks, expected);
    QCOMPARE(distribution.waitingStatus(blocks).notice, settings + "\nWaiting on SB 2");
    QByteArray fixed = agreeingInfo(3, 90); // the limit still differs: it holds up nobody
    lane2->SetInfoFields(quint16(fixed.size()), bytes(fixed));
    distribution.reviewBlocks(blocks, expected);
    QCOMPARE(distribution.pendingDevices(), QStringList{"4"});
    distribution.reviewCoordinator(*unit, unitExpected);
    QVERIFY(distribution.coordinatorConfirmed());
    QCOMPARE(distribution.waitingStatus(blocks).notice, settings + "\nWaiting on SB 4");
    lane4->setParticipationStatus(ParticipationDns);
    distribution.reviewBlocks(blocks, expected);
    QVERIFY(distribution.waitingStatus(blocks).ready);

    // a lane leaving the race is forgotten; the rest are named in the order they were found
    distribution.forgetLane(4);
    unitExpected.headsetVolume = 12;
    distribution.reviewCoordinator(*unit, unitExpected);
    lane4->setParticipationStatus(ParticipationActive);
    lane2->setParticipationStatus(ParticipationRup);
    fixed = agreeingInfo(7);
    lane2->SetInfoFields(quint16(fixed.size()), bytes(fixed));
    distribution.reviewBlocks(blocks, expected);
    lane2->setParticipationStatus(ParticipationDq);
    distribution.reviewBlocks(blocks, expected);
    QCOMPARE(distribution.waitingStatus(blocks).notice, settings + "\nWaiting on CU, SB 2, SB 4");
    distribution.forgetLane(2);
    distribution.clearConfirmations();
    QCOMPARE(distribution.pendingDevices(), (QStringList{"CU", "4"}));
    QVERIFY(!distribution.coordinatorConfirmed());
}

void TstRaceParts::waitsForSynchronisation_data()
{
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<int>("participation");
    QTest::addColumn<bool>("ready");
    QTest::newRow("1000") << synchronised(1000) << int(ParticipationActive) << true;
    QTest::newRow("-1000") << synchronised(-1000) << int(ParticipationRup) << true;
    QTest::newRow("1001") << synchronised(1001) << int(ParticipationActive) << false;
    QTest::newRow("not synchronised") << item(19, 0xFFFF0000, 4) << int(ParticipationActive) << false;
    QTest::newRow("never reported") << QByteArray() << int(ParticipationActive) << false;
    QTest::newRow("DNS lane is not waited on") << QByteArray() << int(ParticipationDns) << true;
}

void TstRaceParts::waitsForSynchronisation()
{
    QFETCH(QByteArray, status);
    QFETCH(int, participation);
    QFETCH(bool, ready);
    QObject owner;
    CStartBlock *b = block(&owner, 1, agreeingInfo());
    report(b, status);
    b->setParticipationStatus(participation);
    auto *unit = new CCoordinator(&owner);
    SettingsDistribution distribution;
    distribution.reviewBlocks({b}, expectedBlock());
    distribution.reviewCoordinator(*unit, CoordinatorCommonSettings());
    const SettingsDistribution::WaitingStatus waiting = distribution.waitingStatus({b});
    QCOMPARE(waiting.ready, ready);
    QCOMPARE(waiting.notice, ready ? QString() : QString("BUSY, wait until all systems are synchronized."));
    // without a confirmed coordinator nobody is ready
    QVERIFY(!SettingsDistribution().waitingStatus({}).ready);
}

void TstRaceParts::raceLogLines_data()
{
    QTest::addColumn<int>("difference");
    QTest::addColumn<QByteArray>("cells");
    QTest::newRow("10") << 10 << QByteArray("10\tOK\t-3\t40\t38\t");
    QTest::newRow("-5") << -5 << QByteArray("-5\tOK\t-3\t40\t38\t");
    QTest::newRow("11") << 11 << QByteArray("11\tFALSE\t-3\t40\t38\t");
    QTest::newRow("-6") << -6 << QByteArray("-6\tFALSE\t-3\t40\t38\t");
    QTest::newRow("800") << 800 << QByteArray("800\tFALSE\t-3\t40\t38\t");
    QTest::newRow("-200") << -200 << QByteArray("-200\tFALSE\t-3\t40\t38\t");
    QTest::newRow("801") << 801 << QByteArray("801\tNONE\t-3\t40\t38\t");
    QTest::newRow("-201") << -201 << QByteArray("-201\tNONE\t-3\t40\t38\t");
    QTest::newRow("no sound graph") << 0 << QByteArray("\t\t\t\t\t");
}

void TstRaceParts::raceLogLines()
{
    QFETCH(int, difference);
    QFETCH(QByteArray, cells);
    const RaceLogLane lane{7, !cells.startsWith('\t'), 0xFFFFFFF0u, quint32(0xFFFFFFF0u + difference), -3, 40,
                           38};
    const QDateTime when(QDate(2025, 12, 9), QTime(14, 3, 7));
    QCOMPARE(RaceLog::lines({lane}, when, "race_12_h1_s1"),
             "Tue Dec 9 2025\t14:03:07\trace_12_h1_s1\tL7\t" + cells + "\r\n");
}

void TstRaceParts::raceLogHeaderOnceAndTextFile()
{
    QObject owner;
    CStartBlock *lane1 = block(&owner, 1);
    CStartBlock *lane2 = block(&owner, 2);
    CStartBlock *lane3 = block(&owner, 3);
    CStartBlock *lane5 = block(&owner, 5);
    lane3->setParticipationStatus(ParticipationDns);
    lane5->setParticipationStatus(ParticipationRup);
    giveSound(lane1, 4000000000u, 4000000012u);
    giveSound(lane5, 100, 90);
    const QList<RaceLogLane> lanes = RaceLog::listedLanes({lane1, lane2, lane3, lane5});
    QCOMPARE(lanes.size(), 3);

    QTemporaryDir dir;
    const QString log = dir.filePath("quellor_debug.log");
    const QDateTime when(QDate(2025, 12, 9), QTime(14, 3, 7));
    QString error;
    QVERIFY(RaceLog::append(log, lanes, when, "race_a_h1_s1", &error));
    QVERIFY(RaceLog::append(log, lanes.mid(1, 1), when, "race_a_h1_s2", &error));
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[0],
             QByteArray("Date\tHour\tRace Name\tLane\tDiff(ms)\tResult\tSync Diff\tPacket TX\tPacket RX\r"));
    QCOMPARE(lines[3], QByteArray("Tue Dec 9 2025\t14:03:07\trace_a_h1_s1\tL5\t-10\tFALSE\t0\t0\t0\t\r"));
    QCOMPARE(lines[4], QByteArray("Tue Dec 9 2025\t14:03:07\trace_a_h1_s2\tL2\t\t\t\t\t\t\r"));
    QVERIFY(!RaceLog::append(dir.filePath("no/such/folder/log"), lanes, when, "x", &error));
    QVERIFY(!error.isEmpty());

    QCOMPARE(RaceLog::raceTextFile("race_a_h1_s1_09-12-2025_14-03-07", when, 123456789, lanes),
             QByteArray("# race_a_h1_s1_09-12-2025_14-03-07\t09-12-2025 - 14:03:07\n"
                        "\tCU\tSM1\tSM2\tSM5\t\n"
                        "Start:\t123456\t4000000000\t\t100\t\n"
                        "Sound:\t\t4000000012\t\t90\t\n"
                        "Difference:\t\t-12\t\t10\t\n"));
    QVERIFY(RaceLog::raceTextFile("x", when, std::nullopt, {}).contains("\nStart:\t\t\n"));
}

void TstRaceParts::resultFilesNeverReplaceOthers()
{
    QTemporaryDir dir;
    const QDateTime when(QDate(2025, 12, 9), QTime(14, 3, 7));
    const QString first =
        RaceFiles::measurementPath(dir.path(), "race_12_h1_s1", when, ResultsReactionGraphs);
    QCOMPARE(first, dir.filePath("race_12_h1_s1_09-12-2025_14-03-07.vq1"));
    QCOMPARE(RaceFiles::measurementPath(dir.path(), "r", when, ResultsSoundGraphs),
             dir.filePath("r_09-12-2025_14-03-07.vq2"));
    QCOMPARE(RaceFiles::textFilePath(first), dir.filePath("race_12_h1_s1_09-12-2025_14-03-07.vqt"));
    QString error;
    QCOMPARE(RaceFiles::freePath(first), first);
    QVERIFY(RaceFiles::write(first, "one", false, &error));
    const QString second = RaceFiles::freePath(first);
    QCOMPARE(second, dir.filePath("race_12_h1_s1_09-12-2025_14-03-07_1.vq1"));
    QVERIFY(RaceFiles::write(second, "two", false, &error));
    QCOMPARE(RaceFiles::freePath(first), dir.filePath("race_12_h1_s1_09-12-2025_14-03-07_2.vq1"));
    // a name taken meanwhile keeps its file; replacing is for the operator's own choice
    QVERIFY(!RaceFiles::write(first, "three", false, &error));
    QVERIFY(RaceFiles::write(first, "four", true, &error));
    QFile file(first);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("four"));
    QVERIFY(!RaceFiles::write(dir.filePath("race/x.vq1"), "five", false, &error));
    QVERIFY(!QFileInfo::exists(dir.filePath("race/x.vq1")));
}

void TstRaceParts::laneTakesBibOfItsParticipation()
{
    ParticipationsModel model;
    Participation team;
    team.id = 9911;
    team.initialorder = 3;
    team.teamname = "Relay";
    team.info = "club";
    for (quint32 seqno : {2u, 1u}) {
        Participant runner;
        runner.seqno = seqno;
        runner.competitor.bib = QString::number(400 + seqno);
        team.appendParticipant(runner);
    }
    QVERIFY(model.addParticipation(team));
    QObject owner;
    CStartBlock *lane3 = block(&owner, 3);
    CStartBlock *lane4 = block(&owner, 4);
    CStartBlock *named = block(&owner, 3);
    named->SetParticipantName("Kept");
    QSignalSpy ids(lane3, &CStartBlock::participant_id_set);
    for (CStartBlock *b : {lane3, lane4, named})
        LaneParticipant::fillFromMeet(*b, model);
    QCOMPARE(ids.count(), 1);
    QCOMPARE(QStringList({lane3->participantId(), lane3->participantName(), lane3->participantInfo()}),
             QStringList({"401", "Relay", "club"}));
    QCOMPARE(lane4->participantName(), QString());
    QCOMPARE(QStringList({named->participantId(), named->participantName()}), QStringList({"", "Kept"}));
}

QTEST_MAIN(TstRaceParts)
#include "tst_raceparts.moc"
