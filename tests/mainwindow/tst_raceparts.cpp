// The rules of race control, the settings waited on, the race log, the race text file and the result files,
// with plain values and device objects fed through their own setters. Whole races are in tst_racewindow.
#include <QDateTime>
#include <QHash>
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
#include "mainwindow/racegapsnote.h"
#include "mainwindow/racelog.h"
#include "mainwindow/racedheats.h"
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
    void keepsTheHeatsRaced_data();
    void keepsTheHeatsRaced();
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
    void namesWhatTheSavedRaceLacks_data();
    void namesWhatTheSavedRaceLacks();
};

void TstRaceParts::numbersRaces_data()
{
    // steps: ready (a Ready after a valid race, no heat in use), false (after a false start), first (the
    // program's first Ready), reset, type:, heat:, start:, rename:; with a list of four heats ("Heat 1" to
    // "Heat 4", the 4th the last): show:N (the program shows heat N), pick:N (the official picks it), gun
    // (a race had its gun at the fields), used (Ready and the gun use the choices up), meet / meetfalse (a
    // Ready after a valid race or a false start at the heat shown; a step shows the next heat, as the
    // window does), restart (the program started again with the heats raced it stored)
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("fileBase");
    QTest::addColumn<QString>("infoText");
    QTest::addColumn<QString>("nextEvents"); // one digit per Ready at a heat of the list
    numberingRow("incremental", {"ready"}, "race_12_h1_s1", "12");
    numberingRow("false starts raise the start", {"ready", "false", "false"}, "race_12_h1_s3", "12");
    numberingRow("custom name, heat typed", {"type:A/B:C", "ready", "ready"}, "race_ABC_h2_s1", "A/B:C");
    numberingRow("custom name cleared", {"type:X", "type:", "ready"}, "race_12_h1_s1", "12");
    numberingRow("counter reset", {"ready", "reset"}, "race_1_h1_s1", "1");
    numberingRow("Ready after a reset", {"reset", "ready"}, "race_2_h1_s1", "2");
    numberingRow("typed numbers", {"heat:65535", "start:7", "heat:0", "start:65536", "heat:x"},
                 "race_11_h65535_s7", "11");
    numberingRow("meet: the first race stays at the heat shown", {"show:2", "first"}, "race_Heat 2_h2_s1",
                 "Heat 2", "0");
    numberingRow("meet: a valid race steps to the next heat",
                 {"show:1", "first", "gun", "meet", "gun", "meet"}, "race_Heat 3_h3_s1", "Heat 3", "011");
    numberingRow("meet: a false start stays in its heat",
                 {"show:1", "first", "gun", "meetfalse", "gun", "meetfalse"}, "race_Heat 1_h1_s3", "Heat 1",
                 "000");
    numberingRow("meet: the heat just raced picked again",
                 {"show:1", "first", "gun", "pick:2", "pick:1", "meet"}, "race_Heat 1_h1_s2", "Heat 1", "00");
    numberingRow("meet: the last heat picked again", {"pick:4", "first", "gun", "pick:1", "pick:4", "meet"},
                 "race_Heat 4_h4_s2", "Heat 4", "00");
    numberingRow("meet: past the last heat", {"show:4", "first", "gun", "meet", "meet"}, "race_13_h1_s1",
                 "13", "000");
    numberingRow("meet: a false start past the last heat", {"show:4", "first", "gun", "meet", "meetfalse"},
                 "race_12_h1_s2", "12", "000");
    numberingRow("meet: another heat picked after a false start",
                 {"show:1", "first", "gun", "pick:3", "meetfalse"}, "race_Heat 3_h3_s1", "Heat 3", "00");
    numberingRow("meet: a heat raced before picked again",
                 {"show:1", "first", "gun", "meetfalse", "gun", "meet", "gun", "pick:1", "meet"},
                 "race_Heat 1_h1_s3", "Heat 1", "0010");
    numberingRow("meet: a pick before the gun is used up by its race",
                 {"show:1", "first", "pick:2", "used", "gun", "meet"}, "race_Heat 3_h3_s1", "Heat 3", "01");
    numberingRow("meet: the heat shown again by a step goes on",
                 {"show:1", "first", "gun", "meetfalse", "gun", "show:2", "show:1", "meet"},
                 "race_Heat 2_h2_s1", "Heat 2", "001");
    numberingRow("meet: a restart goes on at the heat's next start",
                 {"show:1", "first", "gun", "meetfalse", "gun", "restart", "show:1", "first"},
                 "race_Heat 1_h1_s3", "Heat 1", "000");
    numberingRow("meet: a reset forgets the heats raced",
                 {"show:1", "first", "gun", "reset", "restart", "show:1", "first"}, "race_Heat 1_h1_s1",
                 "Heat 1", "00");
    numberingRow("meet: renamed", {"show:3", "first", "rename:Lauf 3"}, "race_Lauf 3_h3_s1", "Lauf 3", "0");
    numberingRow("meet: a typed name stays", {"show:3", "type:Mine", "rename:Lauf 3"}, "race_Mine_h1_s1",
                 "Mine");
    numberingRow("meet: the number past the last stays", {"show:4", "first", "meet", "rename:Lauf 3"},
                 "race_12_h1_s1", "12", "00");
}

void TstRaceParts::numbersRaces()
{
    QFETCH(QStringList, steps);
    // the list of four heats, as the Race list shows them
    const auto heatOfList = [](int number) {
        return ShownHeat{MeetHeat{"10.0.0.2", "Stadium", 1, 1, quint32(10 + number)},
                         QStringLiteral("Heat %1").arg(number), quint16(number), number == 4};
    };
    RaceNumbering race(11);
    int shown = 0; // none
    QString nextEvents;
    for (const QString &step : steps) {
        const QString value = step.section(':', 1);
        const std::optional<ShownHeat> heat =
            shown ? std::optional<ShownHeat>(heatOfList(shown)) : std::nullopt;
        if (step == "reset") {
            race.resetCounter();
        } else if (step.startsWith("type:")) {
            race.typeRaceLabel(value);
        } else if (step.startsWith("heat:")) {
            race.typeHeat(value);
        } else if (step.startsWith("start:")) {
            race.typeStart(value);
        } else if (step.startsWith("rename:")) {
            race.renameMeetEvent(value);
        } else if (step.startsWith("show:") || step.startsWith("pick:")) {
            shown = value.toInt();
            race.showHeat(heatOfList(shown));
            if (step.startsWith("pick:"))
                race.pickHeat();
        } else if (step == "gun") {
            race.heatRaced(heat->heat, race.start());
        } else if (step == "used") {
            race.clearRaceFlags();
        } else if (step == "restart") {
            race = RaceNumbering(race.raceNumber(), RacedHeats::fromSetting(race.racedHeats().toSetting()));
        } else {
            const auto closed = step == "first"                          ? RaceNumbering::Closed::None
                                : step == "false" || step == "meetfalse" ? RaceNumbering::Closed::FalseStart
                                                                         : RaceNumbering::Closed::Valid;
            const bool meet = step == "first" || step.startsWith("meet");
            const RaceNumbering::Step next = race.closeRace(closed, meet ? heat : std::nullopt);
            if (meet)
                nextEvents += next == RaceNumbering::Step::NextHeat ? '1' : '0';
            race.clearRaceFlags();
            if (next == RaceNumbering::Step::NextHeat)
                race.showHeat(heatOfList(++shown));
        }
    }
    QTEST(race.fileBaseName(), "fileBase");
    QTEST(race.raceInfoText(!nextEvents.isEmpty()), "infoText");
    QTEST(nextEvents, "nextEvents");
    QCOMPARE(race.skipsFalseStartCheck(), steps.last() == "reset");
}

void TstRaceParts::keepsTheHeatsRaced_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("server");
    QTest::addColumn<int>("nextStart"); // of heat 1;1;11 on that server
    QTest::newRow("raced") << QStringList{"1;1;11;3;Stadium"} << "Stadium" << 4;
    QTest::newRow("another server of that name is another heat")
        << QStringList{"1;1;11;3;Stadium"} << "Track" << 1;
    QTest::newRow("a name with the separator") << QStringList{"1;1;11;7;Hall; east"} << "Hall; east" << 8;
    QTest::newRow("the highest start counts") << QStringList{"1;1;11;5;S", "1;1;11;2;S"} << "S" << 6;
    QTest::newRow("never raced") << QStringList{"1;1;12;3;S"} << "S" << 1;
    QTest::newRow("not numbers") << QStringList{"x;1;11;3;S", "1;1;11;;S", "1;1;11"} << "S" << 1;
    QTest::newRow("starts out of range") << QStringList{"1;1;11;0;S", "1;1;11;65536;S"} << "S" << 1;
    QTest::newRow("the last start has no next") << QStringList{"1;1;11;65535;S"} << "S" << 65535;
}

// What the settings file holds of the heats raced is read back as far as it makes sense, and kept so again.
void TstRaceParts::keepsTheHeatsRaced()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, server);
    const RacedHeats heats = RacedHeats::fromSetting(stored);
    const MeetHeat heat{"10.0.0.9", server, 1, 1, 11};
    QTEST(int(heats.nextStart(heat)), "nextStart");
    QCOMPARE(int(RacedHeats::fromSetting(heats.toSetting()).nextStart(heat)), int(heats.nextStart(heat)));

    // a day of heats keeps the newest
    RacedHeats many;
    for (quint32 id = 1; id <= RacedHeats::kMaxHeats + 5; ++id)
        many.raced(MeetHeat{"", "S", 1, 1, id}, 2);
    const RacedHeats kept = RacedHeats::fromSetting(many.toSetting());
    QCOMPARE(kept.toSetting().size(), RacedHeats::kMaxHeats);
    QCOMPARE(int(kept.nextStart(MeetHeat{"", "S", 1, 1, 5})), 1);
    QCOMPARE(int(kept.nextStart(MeetHeat{"", "S", 1, 1, RacedHeats::kMaxHeats + 5})), 3);
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
             QByteArray("# r\t09-12-2025 - "
                        "14:03:07\n\tCU\tSM2\tSM3\t\nStart:\t\t\t\t\nSound:\t\t\t\t\nDifference:\t\t\t\t\n"));

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
    QTest::newRow("two lanes lost, out of order")
        << QStringList{"A:1=2,2=3,3=4,4", "-3", "+1", "-2", "+4"} << "A 3,4";
    QTest::newRow("the heat's notice lost") << QStringList{"A:1=2,2", "+1", "-2"} << "A  notice";
    QTest::newRow("told until the next race gets through")
        << QStringList{"A:1=2,2=3,3", "-2", "+1", "+3", "B:4=2,5", "+4"} << "A 3";
    QTest::newRow("the next race through")
        << QStringList{"A:1=2,2=3,3", "-2", "+1", "+3", "B:4=2,5", "+4", "+5"} << "";
    QTest::newRow("the next race loses too")
        << QStringList{"A:1=2,2", "-1", "+2", "B:3=2,4=5,5", "+3", "-4", "+5"} << "A 2 | B 5";
    QTest::newRow("a later race through first")
        << QStringList{"A:1=2,2", "B:3=2,4", "+3", "+4", "-1", "-2"} << "";
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
                    posts.results.append(
                        {item.section('=', 0, 0).toULongLong(), quint8(item.section('=', 1).toUInt())});
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
void TstRaceParts::namesWhatTheSavedRaceLacks_data()
{
    // each lane as "<status>:<held>", held of r a reaction, n "None" reported, g a reaction graph, s a sound
    // graph; lanes 1, 2, ... in that order
    QTest::addColumn<QStringList>("lanes");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");
    QTest::newRow("every racing lane whole") << QStringList{"ACTIVE:rgs", "RUP:rgs"} << ""
                                             << "";
    QTest::newRow("a lane that never reacted")
        << QStringList{"ACTIVE:rgs", "ACTIVE:"}
        << "R/%2, heat 2, start 3 is saved without: lane 2 (reaction time, reaction graph, sound graph)"
        << "R/%2, Lauf 2, Start 3 wurde gespeichert ohne: Bahn 2 (Reaktionszeit, Reaktionsgrafik, Tongrafik)";
    QTest::newRow("graphs given up, a reaction that came late")
        << QStringList{"ACTIVE:r", "RUP:rg", "ACTIVE:gs"}
        << "R/%2, heat 2, start 3 is saved without: lane 1 (reaction graph, sound graph); lane 2 (sound "
           "graph); "
           "lane 3 (reaction time)"
        << "R/%2, Lauf 2, Start 3 wurde gespeichert ohne: Bahn 1 (Reaktionsgrafik, Tongrafik); Bahn 2 "
           "(Tongrafik); Bahn 3 (Reaktionszeit)";
    QTest::newRow("lanes that did not race are not named")
        << QStringList{"DNS:", "DQ:", "INACTIVE:", "ACTIVE:rg"}
        << "R/%2, heat 2, start 3 is saved without: lane 4 (sound graph)"
        << "R/%2, Lauf 2, Start 3 wurde gespeichert ohne: Bahn 4 (Tongrafik)";
    QTest::newRow("None is what the block measured") << QStringList{"ACTIVE:ngs"} << ""
                                                     << "";
}

void TstRaceParts::namesWhatTheSavedRaceLacks()
{
    QFETCH(QStringList, lanes);
    QFETCH(QString, english);
    QFETCH(QString, german);
    const QHash<QString, int> statuses{{"ACTIVE", ParticipationActive},
                                       {"DNS", ParticipationDns},
                                       {"DQ", ParticipationDq},
                                       {"INACTIVE", ParticipationInactive},
                                       {"RUP", ParticipationRup}};
    QObject owner;
    QList<CStartBlock *> blocks;
    QByteArray graph = QByteArray::fromHex("01010103020004100410203040");
    for (const QString &lane : lanes) {
        CStartBlock *b = block(&owner, quint8(blocks.size() + 1));
        b->setParticipationStatus(statuses.value(lane.section(':', 0, 0)));
        const QString held = lane.section(':', 1);
        b->measurement()->resetReactionTime(); // as the Ready leaves it
        if (held.contains('r'))
            report(b, item(4, 150, 2));
        if (held.contains('n'))
            report(b, item(4, 0x7FFF, 2));
        if (held.contains('g'))
            b->measurement()->SetGraph(quint16(graph.size()),
                                       reinterpret_cast<unsigned char *>(graph.data()));
        if (held.contains('s'))
            b->measurement()->SetSoundGraph(quint16(graph.size()),
                                            reinterpret_cast<unsigned char *>(graph.data()));
        blocks << b;
    }
    RaceGapsNote note;
    QCOMPARE(note.text(), QString());
    note.settle("R/%2", 2, 3, RaceGapsNote::lacking(blocks));
    QCOMPARE(note.text(), english);
    // the note follows the language; the race keeps its name
    QTranslator translator;
    QVERIFY(translator.load(QCoreApplication::applicationDirPath() + "/languages/quellor_de_Deutsch"));
    QCoreApplication::installTranslator(&translator);
    const QString inGerman = note.text();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(inGerman, german);
    note.clear();
    QCOMPARE(note.text(), QString());
}

#include "tst_raceparts.moc"
