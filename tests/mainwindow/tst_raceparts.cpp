// The rules of race control, the settings waited on, the race log, the race text file and the result files,
// with plain values and device objects fed through their own setters. Whole races are in tst_racewindow.
#include <QDateTime>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "core/projectsettings.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "devices/racerun.h"
#include "mainwindow/meetselection.h"
#include "mainwindow/raceevaluation.h"
#include "mainwindow/racefiles.h"
#include "mainwindow/racelog.h"
#include "mainwindow/racenumbering.h"
#include "mainwindow/resultpostwatch.h"
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

void setInfo(CStartBlock *b, QByteArray items)
{
    b->SetInfoFields(quint16(items.size()), reinterpret_cast<unsigned char *>(items.data()));
}

// Status items as a block reports them after the race, its reaction kept.
void report(CStartBlock *b, QByteArray items)
{
    b->measurement()->setReactionAccepted(true);
    b->measurement()->SetStatusFields(quint16(items.size()), reinterpret_cast<unsigned char *>(items.data()));
}

CStartBlock *block(QObject *parent, quint8 lane, const QByteArray &info = {})
{
    auto *b = new CStartBlock(parent);
    b->setLane(lane);
    b->setMeasurement(new CStartBlockMeasurement(b));
    setInfo(b, info);
    return b;
}

// The info items of a block that agrees with expectedBlock() but for its channel and false-start limit.
QByteArray blockInfo(quint8 channel = 3, quint16 limit = 100)
{
    return item(16, channel, 1) + item(7, 1, 1) + item(17, 3, 1) + item(18, 1, 1) + item(21, 1, 1) +
           item(19, 16, 1) + item(4, 512, 2) + item(24, 400, 2) + item(3, limit, 2) + item(8, 170, 2);
}

StartBlockCommonSettings expectedBlock()
{
    StartBlockCommonSettings s;
    s.audioChannel = 3;
    s.operationMode = s.recallSoundMode = s.recallBeepsMode = 1;
    s.startSoundMode = 3;
    s.audioVolume = 16;
    s.acceleroSensitivity = 512;
    s.stabilitySensitivity = 400;
    s.iaafTime = 100;
    s.startSensitivity = 170;
    return s;
}

QByteArray syncItem(quint32 offset)
{
    return item(19, offset, 4);
}

void numberingRow(const char *name, const QStringList &steps, const char *fileBase, const char *infoText,
                  const char *nextEvents = "")
{
    QTest::newRow(name) << steps << QString(fileBase) << QString(infoText) << QString(nextEvents);
}

} // namespace

class TstRaceParts : public QObject
{
    Q_OBJECT

private slots:
    void numbersRaces_data();
    void numbersRaces();
    void findsFalseStartsAndResetsParticipations();
    void namesTheDevicesWaitedOn();
    void noticeIsInTheLanguage_data();
    void noticeIsInTheLanguage();
    void waitsForSynchronisation_data();
    void waitsForSynchronisation();
    void raceLogResults_data();
    void raceLogResults();
    void listsRacingLanesAndKeepsFiles();
    void laneTakesBibOfItsParticipation();
    void tellsTheResultsTheServerMissed_data();
    void tellsTheResultsTheServerMissed();
};

void TstRaceParts::numbersRaces_data()
{
    // steps: ready, false (a Ready after a false start), reset, meet, last (meet event), type:, heat:,
    // start:, event: (heat 3 of a meet event chosen), rename: (its name in another language), again:
    // and same: (a Ready after a false start, or after a valid race, raced at that start of the heat chosen
    // again)
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("fileBase");
    QTest::addColumn<QString>("infoText");
    QTest::addColumn<QString>("nextEvents"); // one digit per Ready at a meet event
    numberingRow("incremental", {"ready"}, "race_12_h1_s1", "12");
    numberingRow("false starts raise the start", {"ready", "false", "false"}, "race_12_h1_s3", "12");
    numberingRow("custom name, heat typed", {"type:A/B:C", "ready", "ready"}, "race_ABC_h2_s1", "A/B:C");
    numberingRow("custom name cleared", {"type:X", "type:", "ready"}, "race_12_h1_s1", "12");
    numberingRow("counter reset", {"ready", "reset"}, "race_1_h1_s1", "1");
    numberingRow("Ready after a reset", {"reset", "ready"}, "race_2_h1_s1", "2");
    numberingRow("meet: the first stays", {"meet", "meet", "false", "meet"}, "race_11_h1_s1", "", "011");
    numberingRow("meet: past the last event", {"meet", "last"}, "race_12_h1_s1", "12", "00");
    numberingRow("meet: the last event chosen by hand", {"event:Heat 3", "last"}, "race_Heat 3_h3_s1",
                 "Heat 3", "0");
    numberingRow("meet: false start, its heat chosen again", {"event:Heat 3", "meet", "false", "event:Heat 3",
                 "again:2"}, "race_Heat 3_h3_s3", "Heat 3", "00");
    numberingRow("meet: false start, another heat chosen", {"event:Heat 3", "meet", "event:Heat 4", "false"},
                 "race_Heat 4_h3_s1", "Heat 4", "0");
    numberingRow("meet: a valid race, its heat chosen again", {"event:Heat 3", "meet", "event:Heat 3", "same:1"},
                 "race_Heat 3_h3_s1", "Heat 3", "01");
    numberingRow("typed numbers", {"heat:65535", "start:7", "heat:0", "start:65536", "heat:x"},
                 "race_11_h65535_s7", "11");
    numberingRow("meet: event renamed", {"event:Heat 3", "meet", "rename:Lauf 3"}, "race_Lauf 3_h3_s1",
                 "Lauf 3", "0");
    numberingRow("meet: a typed name stays", {"event:Heat 3", "type:Mine", "rename:Lauf 3"},
                 "race_Mine_h1_s1", "Mine");
    numberingRow("meet: the number after the last stays", {"event:Heat 3", "last", "last", "rename:Lauf 3"},
                 "race_12_h1_s1", "12", "00");
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
        else if (step.startsWith("event:"))
            race.chooseMeetEvent(value, 3);
        else if (step.startsWith("rename:"))
            race.renameMeetEvent(value);
        else if (step.startsWith("again:") || step.startsWith("same:"))
            nextEvents += race.closeRace(step.startsWith("again:"), RaceNumbering::MeetEvent::InUse,
                                         quint16(value.toUInt())) ? '1' : '0';
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

void TstRaceParts::findsFalseStartsAndResetsParticipations()
{
    const auto isFalseStart = [](quint16 reaction, quint16 limit, int status) {
        return RaceRun::isFalseStart(reaction, limit, status);
    };
    const QList<bool> falseStarts{
        isFalseStart(120, 120, ParticipationActive),      isFalseStart(119, 120, ParticipationActive),
        isFalseStart(quint16(-3), 120, ParticipationRup), isFalseStart(50, 120, ParticipationDq),
        isFalseStart(50, 120, ParticipationDns),          isFalseStart(0x6FFF, 120, ParticipationActive),
        isFalseStart(0x7FFF, 120, ParticipationActive)};
    QCOMPARE(falseStarts, (QList<bool>{false, true, true, true, false, false, false}));
    QObject owner;
    CStartBlock *b = block(&owner, 4, item(3, 120, 2)); // the block's own limit decides
    report(b, item(4, 119, 2));
    QVERIFY(RaceRun::isFalseStart(*b));
    report(b, item(4, 120, 2));
    QVERIFY(!RaceRun::isFalseStart(*b));

    using RaceEvaluation::participationAfterRace;
    const QList<int> after{participationAfterRace(ParticipationRup, true, true),
                           participationAfterRace(ParticipationDns, false, true),
                           participationAfterRace(ParticipationDns, true, false),
                           participationAfterRace(ParticipationDq, true, false),
                           participationAfterRace(ParticipationDq, false, true),
                           participationAfterRace(ParticipationInactive, false, false)};
    QCOMPARE(after, (QList<int>{ParticipationActive, ParticipationActive, ParticipationDns,
                                ParticipationActive, ParticipationDq, ParticipationInactive}));
}

void TstRaceParts::namesTheDevicesWaitedOn()
{
    QObject owner;
    const StartBlockCommonSettings expected = expectedBlock();
    CoordinatorCommonSettings unitExpected;
    unitExpected.txPower = -4; // differs, but holds up nobody
    auto *unit = new CCoordinator(&owner);
    // lanes 2 and 4 report audio channel 5; lane 2 also a false-start limit of 90, which holds up nobody
    CStartBlock *lane2 = block(&owner, 2, blockInfo(5, 90));
    CStartBlock *lane4 = block(&owner, 4, blockInfo(5));
    report(lane2, syncItem(4));
    report(lane4, syncItem(4));
    const QList<CStartBlock *> blocks{lane2, lane4};
    const QString busy = "BUSY, wait until all settings are distributed.";
    QCOMPARE(SettingsDistribution::differingSettings(*lane2, expected),
             (QList<InfoFieldRequest>{{16, 3}, {3, 100}}));
    QCOMPARE(SettingsDistribution::differingSettings(*unit, unitExpected),
             (QList<InfoFieldRequest>{{15, -4}}));

    SettingsDistribution distribution;
    QCOMPARE(distribution.waitingStatus(blocks).notice, busy);
    distribution.reviewBlocks(blocks, expected);
    QCOMPARE(distribution.waitingStatus(blocks).notice, busy + "\nWaiting on SB 2");
    setInfo(lane2, blockInfo(3, 90));
    distribution.reviewBlocks(blocks, expected);
    distribution.reviewCoordinator(*unit, unitExpected);
    QCOMPARE(distribution.waitingStatus(blocks).notice, busy + "\nWaiting on SB 4");
    setInfo(lane4, blockInfo());
    distribution.reviewBlocks(blocks, expected);
    QVERIFY(distribution.waitingStatus(blocks).ready);

    // a lane that stops racing stays named until it is forgotten; the coordinator is "CU"
    unitExpected.headsetVolume = 12;
    distribution.reviewCoordinator(*unit, unitExpected);
    setInfo(lane2, blockInfo(7));
    distribution.reviewBlocks(blocks, expected);
    lane2->setParticipationStatus(ParticipationDq);
    setInfo(lane4, blockInfo(7));
    distribution.reviewBlocks(blocks, expected);
    QCOMPARE(distribution.waitingStatus(blocks).notice, busy + "\nWaiting on CU, SB 2, SB 4");
    distribution.forgetLane(2);
    distribution.clearConfirmations();
    QCOMPARE(distribution.pendingDevices(), (QStringList{"CU", "4"}));
    QVERIFY(!distribution.coordinatorConfirmed() && !distribution.blocksConfirmed());
}

void TstRaceParts::noticeIsInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("notice");
    QTest::newRow("built-in") << QString()
                              << "BUSY, wait until all settings are distributed.\nWaiting on CU, SB 2";
    QTest::newRow("German")
        << "de_Deutsch"
        << "BESCHÄFTIGT, bitte warten, bis alle Einstellungen verteilt sind.\nWarten auf ZE, SB 2";
    QTest::newRow("Dutch") << "nl_Nederlands"
                           << "BEZIG, wacht tot alle instellingen verstuurd zijn.\nWachten op CE, SB 2";
}

void TstRaceParts::noticeIsInTheLanguage()
{
    QFETCH(QString, language);
    QTranslator translator;
    if (!language.isEmpty()) {
        QVERIFY(translator.load(QCoreApplication::applicationDirPath() + "/languages/quellor_" + language));
        QCoreApplication::installTranslator(&translator);
    }
    QObject owner;
    CCoordinator unit;
    CoordinatorCommonSettings unitExpected;
    unitExpected.headsetVolume = 12;
    CStartBlock *lane2 = block(&owner, 2, blockInfo(5));
    SettingsDistribution distribution;
    distribution.reviewCoordinator(unit, unitExpected);
    distribution.reviewBlocks({lane2}, expectedBlock());
    QTEST(distribution.waitingStatus({lane2}).notice, "notice");
}

void TstRaceParts::waitsForSynchronisation_data()
{
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<int>("participation");
    QTest::addColumn<bool>("ready");
    QTest::newRow("1000") << syncItem(1000) << int(ParticipationActive) << true;
    QTest::newRow("-1000") << syncItem(quint32(-1000)) << int(ParticipationRup) << true;
    QTest::newRow("1001") << syncItem(1001) << int(ParticipationActive) << false;
    QTest::newRow("not synchronised") << syncItem(0xFFFF0000) << int(ParticipationActive) << false;
    QTest::newRow("never reported") << QByteArray() << int(ParticipationActive) << false;
    QTest::newRow("a DNS lane is not waited on") << QByteArray() << int(ParticipationDns) << true;
}

void TstRaceParts::waitsForSynchronisation()
{
    QFETCH(QByteArray, status);
    QFETCH(int, participation);
    QFETCH(bool, ready);
    QObject owner;
    CStartBlock *b = block(&owner, 1, blockInfo());
    report(b, status);
    b->setParticipationStatus(participation);
    SettingsDistribution distribution;
    QVERIFY(!distribution.waitingStatus({}).ready); // nobody is ready before the coordinator confirmed
    distribution.reviewBlocks({b}, expectedBlock());
    distribution.reviewCoordinator(CCoordinator(), CoordinatorCommonSettings());
    QCOMPARE(distribution.waitingStatus({b}).ready, ready);
    QCOMPARE(distribution.waitingStatus({b}).notice,
             ready ? QString() : QString("BUSY, wait until all systems are synchronized."));
}

void TstRaceParts::raceLogResults_data()
{
    QTest::addColumn<int>("difference");
    QTest::addColumn<QString>("result");
    for (const auto &[difference, result] : QList<std::pair<int, QString>>{
             {-5, "OK"}, {-6, "FALSE"}, {800, "FALSE"}, {-200, "FALSE"}, {801, "NONE"}, {-201, "NONE"}})
        QTest::addRow("%d", difference) << difference << result;
}

void TstRaceParts::raceLogResults()
{
    QFETCH(int, difference);
    QFETCH(QString, result);
    const RaceLogLane lane{7, true, 0xFFFFFFF0u, quint32(0xFFFFFFF0u + difference), -3, 40, 38};
    const QDateTime when(QDate(2025, 12, 9), QTime(14, 3, 7));
    QCOMPARE(RaceLog::lines({lane}, when, "race_a_h1_s1"),
             QString("Tue Dec 9 2025\t14:03:07\trace_a_h1_s1\tL7\t%1\t%2\t-3\t40\t38\t\r\n")
                 .arg(difference)
                 .arg(result));
}

void TstRaceParts::listsRacingLanesAndKeepsFiles()
{
    QObject owner;
    QList<CStartBlock *> blocks;
    for (int status : {ParticipationDns, ParticipationRup, ParticipationDq, ParticipationInactive}) {
        blocks << block(&owner, quint8(blocks.size() + 1));
        blocks.last()->setParticipationStatus(status);
    }
    // the lanes that raced: RUP, and DQ, whose athlete started too
    QCOMPARE(RaceLog::listedLanes(blocks).size(), 2);
    const QDateTime when(QDate(2025, 12, 9), QTime(14, 3, 7));
    // without a coordinator the start stays empty
    QCOMPARE(RaceLog::raceTextFile("r", when, std::nullopt, RaceLog::listedLanes(blocks)),
             QByteArray(
                 "# r\t09-12-2025 - 14:03:07\n\tCU\tSM2\tSM3\t\nStart:\t\t\t\t\nSound:\t\t\t\t\nDifference:\t\t\t\t\n"));

    QTemporaryDir dir;
    const QString path = dir.filePath("r.vq1");
    QString error;
    QVERIFY(RaceFiles::write(path, "one", false, &error));
    QVERIFY(!RaceFiles::write(path, "two", false, &error)); // a name taken meanwhile keeps its file
    QVERIFY(RaceFiles::write(path, "three", true, &error)); // replacing is for the operator's own choice
    QCOMPARE(RaceFiles::freePath(path), dir.filePath("r_1.vq1"));
    QVERIFY(!RaceFiles::write(dir.filePath("r.vq1/x.vq1"), "four", false, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!RaceLog::append(dir.filePath("r.vq1/log"), {}, when, "x", &error));
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
        MeetSelection::fillEmptyLane(*b, model);
    QCOMPARE(ids.count(), 1);
    QCOMPARE(QStringList({lane3->participantId(), lane3->participantName(), lane3->participantInfo()}),
             QStringList({"401", "Relay", "club"}));
    QCOMPARE(lane4->participantName() + named->participantId() + named->participantName(), QString("Kept"));
}

void TstRaceParts::tellsTheResultsTheServerMissed_data()
{
    // steps: "A:1=2,2=3,3" a race A posted with post 1 for lane 2, post 2 for lane 3 and post 3 its notice;
    // "+1" post 1 reached the server, "-1" it did not; "other" another server chosen
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("missing"); // per race "name lanes[ notice]", joined by " | "
    QTest::newRow("all through") << QStringList{"A:1=2,2=3,3", "+2", "+1", "+3"} << "";
    QTest::newRow("two lanes lost, out of order") << QStringList{"A:1=2,2=3,3=4,4", "-3", "+1", "-2", "+4"}
                                                  << "A 3,4";
    QTest::newRow("the heat's notice lost") << QStringList{"A:1=2,2", "+1", "-2"} << "A  notice";
    QTest::newRow("told until the next race gets through")
        << QStringList{"A:1=2,2=3,3", "-2", "+1", "+3", "B:4=2,5", "+4"} << "A 3";
    QTest::newRow("the next race through")
        << QStringList{"A:1=2,2=3,3", "-2", "+1", "+3", "B:4=2,5", "+4", "+5"} << "";
    QTest::newRow("the next race loses too")
        << QStringList{"A:1=2,2", "-1", "+2", "B:3=2,4=5,5", "+3", "-4", "+5"} << "A 2 | B 5";
    QTest::newRow("a later race through first") << QStringList{"A:1=2,2", "B:3=2,4", "+3", "+4", "-1", "-2"}
                                                 << "";
    QTest::newRow("another server") << QStringList{"A:1=2,2", "-1", "-2", "other"} << "";
    QTest::newRow("nothing posted") << QStringList{"A:", "+1"} << "";
}

void TstRaceParts::tellsTheResultsTheServerMissed()
{
    QFETCH(QStringList, steps);
    ResultPostWatch watch;
    for (const QString &step : steps) {
        if (step == "other") {
            watch.forget();
        } else if (step.startsWith('+') || step.startsWith('-')) {
            watch.postFinished(step.mid(1).toULongLong(), step.startsWith('+'));
        } else {
            RacePosts posts;
            const QStringList items = step.section(':', 1).split(',', Qt::SkipEmptyParts);
            for (const QString &item : items) {
                if (item.contains('='))
                    posts.results.append({item.section('=', 0, 0).toULongLong(), quint8(item.section('=', 1).toUInt())});
                else
                    posts.notice = item.toULongLong();
            }
            watch.racePosted({step.section(':', 0, 0), 1, 1, {}}, posts);
        }
    }
    QStringList missing;
    for (const ResultPostWatch::Missing &race : watch.missing()) {
        QStringList lanes;
        for (const quint8 lane : race.lanes)
            lanes << QString::number(lane);
        lanes.sort();
        missing << QStringLiteral("%1 %2%3").arg(race.race.name, lanes.join(','),
                                                 race.notice ? " notice" : "");
    }
    QTEST(missing.join(" | "), "missing");
}

QTEST_MAIN(TstRaceParts)
#include "tst_raceparts.moc"
