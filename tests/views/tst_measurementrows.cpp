// The lane row, the coordinator row and the two measurement status dialogs, offscreen, fed through the
// device objects' own setters with items as the devices send them.
#include <memory>

#include <QDateTimeEdit>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "../devices/serialtestkit.h"
#include "../devices/testbytes.h"
#include "core/projectsettings.h"
#include "views/coordinatormeasurementsstatusdlg.h"
#include "views/coordinatormeasurementwidget.h"
#include "views/startblockmeasurementsstatusdlg.h"
#include "views/startblockmeasurementwidget.h"
#include "views/viewhost.h"

using SerialTest::item;
using SerialTest::item16;
using SerialTest::item8;

namespace
{

constexpr char kBlockBadStyle[] =
    "QPushButton#btnMeasurements {background-color: rgb(192, 0, 0);} QPushButton#btnMeasurements:hover "
    "{background-color: rgb(255, 0, 0);} QPushButton#btnMeasurements:pressed {background-color: rgb(128, 0, "
    "0);}";
constexpr char kCoordinatorBadStyle[] =
    "QPushButton#btnMeasurementsStatus {background-color: rgb(192, 0, 0);} "
    "QPushButton#btnMeasurementsStatus:hover "
    "{background-color: rgb(255, 0, 0);} QPushButton#btnMeasurementsStatus:pressed {background-color: "
    "rgb(128, 0, 0);}";

class TestHost : public ViewHost
{
public:
    StyleSettings currentStyle() const override { return {}; }
    int accessLevel() const override { return 0; }
    CSerialComThread *serialComThread() const override { return nullptr; }
    const ProjectSettings &generalSettings() const override { return settings; }
    const StartBlockCommonSettings &startBlockSettings() const override { return blockSettings; }
    QString raceFileName() const override { return QStringLiteral("race_3_h1_s2"); }
    void noteParticipationChosen(int status) override { noted << status; }

    ProjectSettings settings;
    StartBlockCommonSettings blockSettings;
    QList<int> noted;
};

QByteArray u32(quint32 value)
{
    return QByteArray::fromHex(QByteArray::number(value, 16).rightJustified(8, '0'));
}

QByteArray reaction(qint16 ms)
{
    return item16(4, quint16(ms));
}

QByteArray battery(quint8 level)
{
    return item8(2, level);
}

QByteArray sync(qint32 offset)
{
    return item(19, u32(quint32(offset)));
}

void report(CStartBlockMeasurement &measurement, QByteArray items)
{
    measurement.SetStatusFields(quint16(items.size()), data(items));
}

void report(CCoordinator &coordinator, QByteArray items)
{
    coordinator.SetStatusFields(quint16(items.size()), data(items));
}

template<typename T = QWidget>
T *part(QObject *owner, const char *name)
{
    return owner->findChild<T *>(QString::fromLatin1(name));
}

// One live or read-only lane row of lane 2 with a false-start limit of 120 ms, wired as the window
// wires it, its watchdog on a clock the test moves.
struct Lane {
    explicit Lane(bool live = true) : row(&host, nullptr, live)
    {
        block.SetMacAddress(QStringLiteral("15:8d:00:00:00:02"));
        block.setLane(2);
        block.setMeasurement(&measurement);
        row.setStartBlock(&block);
        row.setMeasurement(&measurement);
        row.setClock(clock);
        row.SetLane(2, false);
        using Row = StartBlockMeasurementWidget;
        QObject::connect(&block, &CStartBlock::new_info_field, &row, &Row::OnStartBlockNewInfoField);
        QObject::connect(&measurement, &CStartBlockMeasurement::new_status_field, &row,
                         &Row::OnMeasurementNewStatusField);
        QObject::connect(&measurement, &CStartBlockMeasurement::check_measurements_status, &row,
                         &Row::checkMeasurementsStatus);
        QObject::connect(&measurement, &CStartBlockMeasurement::new_graph, &row, &Row::OnMeasurementNewGraph);
        info(item16(3, 120));
        measurement.setReactionAccepted(true);
    }
    void info(QByteArray items) { block.SetInfoFields(quint16(items.size()), data(items)); }
    QString reactionText() { return part<QLabel>(&row, "lblReactionTime")->text(); }
    bool alarm() { return part<QLabel>(&row, "lblReactionTime")->property("alarm").toBool(); }

    TestHost host;
    CStartBlock block;
    CStartBlockMeasurement measurement;
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    StartBlockMeasurementWidget row;
};

} // namespace

class TstLaneRow : public QObject
{
    Q_OBJECT

private slots:
    void showsStatusInputs_data();
    void showsStatusInputs();
    void buttonsFollowLevelAndParticipation_data();
    void buttonsFollowLevelAndParticipation();
    void watchdogAsksOnceAfterThirtySecondsOutOfTolerance();
    void participationClearsTheLaneAndOnlyALiveRowTellsTheRace();
    void reportedLaneThatDiffersShowsTheMismatchButton();
    void aLongNameIsCutShortBesideItsClub();
};

void TstLaneRow::showsStatusInputs_data()
{
    QTest::addColumn<QList<QByteArray>>("reports");
    QTest::addColumn<int>("link");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("alarm");
    QTest::addColumn<QString>("stops"); // "bad", "first second" of the green fill, or "" when not styled
    QTest::addColumn<QString>("quality");
    const QByteArray fine = sync(0) + battery(234);
    using L = QList<QByteArray>;
    QTest::newRow("119 against 120 is false") << L{reaction(119)} << 1 << 0 << "119ms" << true << ""
                                              << "";
    QTest::newRow("120 is valid") << L{reaction(120)} << 1 << 0 << "120ms" << false << ""
                                  << "";
    QTest::newRow("negative is false") << L{reaction(-5)} << 1 << 0 << "-5ms" << true << ""
                                       << "";
    QTest::newRow("None keeps the alarm")
        << L{reaction(119), reaction(0x7FFF)} << 1 << 0 << "None" << true << ""
        << "";
    QTest::newRow("no value is empty") << L{reaction(119), reaction(0x6FFF)} << 1 << 0 << "" << false << ""
                                       << "";
    QTest::newRow("battery 203 red") << L{sync(0) + battery(203)} << 1 << 0 << "" << false << "bad"
                                     << "";
    QTest::newRow("battery 204 thin green")
        << L{sync(0) + battery(204)} << 1 << 0 << "" << false << "0.0322581 0.0422581"
        << "";
    QTest::newRow("battery 234 full green") << L{fine} << 1 << 0 << "" << false << "1 1"
                                            << "";
    QTest::newRow("battery 250 full green") << L{sync(0) + battery(250)} << 2 << 0 << "" << false << "1 1"
                                            << "";
    QTest::newRow("no reply red") << L{fine} << 0 << 0 << "" << false << "bad"
                                  << "";
    QTest::newRow("sync 1000 ok") << L{sync(1000) + battery(234)} << 1 << 0 << "" << false << "1 1"
                                  << "";
    QTest::newRow("sync -1000 ok") << L{sync(-1000) + battery(234)} << 1 << 0 << "" << false << "1 1"
                                   << "";
    QTest::newRow("sync 1001 red") << L{sync(1001) + battery(234)} << 1 << 0 << "" << false << "bad"
                                   << "";
    QTest::newRow("not synchronised red")
        << L{item(19, QByteArray::fromHex("ffff0000")) + battery(234)} << 1 << 0 << "" << false << "bad"
        << "";
    QTest::newRow("quality 40 at level 2") << L{item8(6, 40) + fine} << 1 << 2 << "" << false << "1 1"
                                           << "0";
    QTest::newRow("quality 255 at level 2") << L{item8(6, 255) + fine} << 1 << 2 << "" << false << "1 1"
                                            << "255";
    QTest::newRow("no number at level 1") << L{item8(6, 255) + fine} << 1 << 1 << "" << false << "1 1"
                                          << "";
}

void TstLaneRow::showsStatusInputs()
{
    QFETCH(QList<QByteArray>, reports);
    QFETCH(int, link);
    QFETCH(int, level);
    Lane lane;
    lane.row.SetAccessLevel(level);
    lane.measurement.SetMeasurementsStatus(link);
    for (const QByteArray &items : reports)
        report(lane.measurement, items);

    QTEST(lane.reactionText(), "text");
    QTEST(lane.alarm(), "alarm");
    QFETCH(QString, stops);
    const QString style = part<QPushButton>(&lane.row, "btnMeasurements")->styleSheet();
    if (stops == "bad") {
        QCOMPARE(style, QString(kBlockBadStyle));
    } else if (!stops.isEmpty()) {
        const QStringList at = stops.split(' ');
        for (const char *green : {"0, 192, 20", "0, 255, 20", "0, 128, 20"})
            QVERIFY(style.contains(QString("stop: 0 rgb(%1), stop: %2 rgb(%1), stop: %3 white, stop: 1 white")
                                       .arg(green, at[0], at[1])));
    }
    QTEST(part<QPushButton>(&lane.row, "btnMeasurements")->text(), "quality");
}

void TstLaneRow::buttonsFollowLevelAndParticipation_data()
{
    QTest::addColumn<bool>("live");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("participation");
    QTest::addColumn<QString>("visible");
    QTest::addColumn<QString>("enabled");
    const QString all = "Info Logging SoundGraph Resync Measurements";
    QTest::newRow("operator") << true << 0 << 1 << "Measurements"
                              << "Measurements Resync";
    QTest::newRow("level 1") << true << 1 << 1 << "Info Logging Measurements"
                             << "Info Logging Measurements Resync";
    QTest::newRow("level 2 RUP") << true << 2 << 5 << all << all.section(' ', 0, 1) + " Measurements Resync";
    QTest::newRow("DNS") << true << 2 << 2 << all << "";
    QTest::newRow("DQ") << true << 2 << 3 << all << "";
    QTest::newRow("INACTIVE") << true << 2 << 4 << all << "";
    QTest::newRow("read-only") << false << 2 << 1 << "Info Logging SoundGraph Resync"
                               << "Info Logging";
}

void TstLaneRow::buttonsFollowLevelAndParticipation()
{
    QFETCH(bool, live);
    QFETCH(int, level);
    QFETCH(int, participation);
    QFETCH(QString, visible);
    QFETCH(QString, enabled);
    Lane lane(live);
    lane.row.SetAccessLevel(level);
    lane.row.SetParticipationStatus(unsigned(participation));
    for (const QString &name : QStringList{"Info", "Logging", "SoundGraph", "Resync", "Measurements"}) {
        const QPushButton *button = lane.row.findChild<QPushButton *>("btn" + name);
        QVERIFY2(button->isHidden() != visible.split(' ').contains(name), qPrintable(name));
        QVERIFY2(button->isEnabled() == enabled.split(' ').contains(name), qPrintable(name));
    }
}

void TstLaneRow::watchdogAsksOnceAfterThirtySecondsOutOfTolerance()
{
    Lane lane;
    QSignalSpy resync(&lane.row, &StartBlockMeasurementWidget::set_resync_request);
    report(lane.measurement, sync(5000)); // out of tolerance: the watchdog starts
    lane.clock->advance(20000);
    report(lane.measurement, sync(0)); // back within: the count starts again
    lane.clock->advance(25000);
    report(lane.measurement, sync(5000));
    QCOMPARE(resync.count(), 0);
    lane.clock->advance(5000);
    report(lane.measurement, sync(5000)); // 30000 ms since the last good value
    QCOMPARE(resync.count(), 1);
    QCOMPARE(resync.at(0).at(0).value<CStartBlock *>(), &lane.block);
    QVERIFY(!lane.measurement.hasNewSyncValue());
    lane.clock->advance(60000);
    report(lane.measurement, battery(234)); // the watchdog is gone: no second request
    QCOMPARE(resync.count(), 1);
    QVERIFY(!lane.row.isSyncWatchdogRunning());
    report(lane.measurement, sync(5000)); // a fresh report starts it again
    QVERIFY(lane.row.isSyncWatchdogRunning());
    QCOMPARE(resync.count(), 1);
}

void TstLaneRow::participationClearsTheLaneAndOnlyALiveRowTellsTheRace()
{
    Lane lane;
    QPushButton *graph = part<QPushButton>(&lane.row, "btnGraph");
    QByteArray samples = SerialTest::graphItems();
    lane.measurement.SetGraph(quint16(samples.size()), data(samples));
    report(lane.measurement, reaction(100));
    QVERIFY(graph->isEnabled());
    QSignalSpy changed(&lane.row, &StartBlockMeasurementWidget::participation_status_changed);

    lane.row.SetParticipationStatus(ParticipationDns);
    QCOMPARE(lane.block.participationStatus(), int(ParticipationDns));
    QCOMPARE(lane.reactionText(), QString());
    QVERIFY(!graph->isEnabled());
    QCOMPARE(changed.count(), 1);
    lane.row.SetParticipationStatus(ParticipationActive); // the samples are still there
    QVERIFY(graph->isEnabled());
    lane.row.SetParticipationStatus(ParticipationDq);
    QCOMPARE(lane.host.noted, QList<int>({ParticipationDns, ParticipationDq}));
    QCOMPARE(changed.count(), 3);

    Lane readOnly(false);
    readOnly.row.SetParticipationStatus(ParticipationDns);
    readOnly.row.SetParticipationStatus(ParticipationDq);
    QVERIFY(readOnly.host.noted.isEmpty());
    QCOMPARE(readOnly.block.participationStatus(), int(ParticipationDq));
    QCOMPARE(readOnly.row.graphImageFileName(), QString());
    lane.host.settings.resultsDir = "/results";
    QCOMPARE(lane.row.graphImageFileName(), QString("/results/race_3_h1_s2_lane2"));
}

void TstLaneRow::reportedLaneThatDiffersShowsTheMismatchButton()
{
    Lane lane;
    QPushButton *button = part<QPushButton>(&lane.row, "btnLane");
    lane.info(item8(2, 3));
    QVERIFY(!button->isHidden());
    QVERIFY(part<QLabel>(&lane.row, "lblLane")->isHidden());
    QCOMPARE(button->property("mismatch").toBool(), true);
    QCOMPARE(button->text(), QString("2")); // the set's lane stays on the button
    lane.info(item8(2, 2));
    QVERIFY(button->isHidden());
    QCOMPARE(button->property("mismatch").toBool(), false);
    QCOMPARE(lane.row.DisplayedLane(), 2);
}

// A relay's participation lists its four athletes: the name ends in "…" where its column ends, the whole of
// it in the tooltip, and the club beside it keeps all its room.
void TstLaneRow::aLongNameIsCutShortBesideItsClub()
{
    Lane lane;
    const QString relay("BRANDT Anna (1) ; HOLM Berit (10) ; KADE Jolien (100) ; CASTELL Maud (1000)");
    const QString club("Harbour Athletics");
    lane.row.OnParticipantNameSet(relay);
    lane.row.OnParticipantInfoSet(club);
    lane.row.resize(lane.row.minimumSizeHint().width() + 60, lane.row.sizeHint().height());
    lane.row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lane.row));
    auto *name = part<QLabel>(&lane.row, "lblAthleteName");
    auto *info = part<QLabel>(&lane.row, "lblAthleteInfo");
    QVERIFY2(name->geometry().right() < info->geometry().left(),
             qPrintable(QStringLiteral("%1 %2").arg(name->geometry().right()).arg(info->geometry().left())));
    QVERIFY2(info->contentsRect().width() >= info->fontMetrics().horizontalAdvance(club),
             qPrintable(QString::number(info->contentsRect().width())));
    QCOMPARE(info->text(), club);
    QVERIFY2(name->text().endsWith(QChar(0x2026)) && relay.startsWith(name->text().chopped(1)),
             qPrintable(name->text()));
    QVERIFY(name->fontMetrics().horizontalAdvance(name->text()) <= name->contentsRect().width());
    QCOMPARE(name->toolTip(), relay);
    // with room enough the whole name, and no tooltip
    lane.row.resize(lane.row.width() + name->fontMetrics().horizontalAdvance(relay), lane.row.height());
    QTRY_COMPARE(name->text(), relay);
    QCOMPARE(name->toolTip(), QString());
}

class TstCoordinatorRow : public QObject
{
    Q_OBJECT

private slots:
    void linkButtonFollowsStatus_data();
    void linkButtonFollowsStatus();
    void startCountKeepsItsMarkWhileTheCountStays();
    void readOnlyRowAndModesShowTheirParts();
};

void TstCoordinatorRow::linkButtonFollowsStatus_data()
{
    QTest::addColumn<int>("link");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("startSignal");
    QTest::addColumn<int>("battery");
    QTest::addColumn<QString>("stops");
    QTest::newRow("203 red with a good link") << 1 << 1 << 2000 << 203 << "bad";
    QTest::newRow("204 thin green at 1535")
        << 1 << 1 << 1535 << 204 << "0.030303030303030304 0.040303030303030306";
    QTest::newRow("1534 while ready red") << 1 << 2 << 1534 << 236 << "bad";
    QTest::newRow("2730 while idle red") << 1 << 1 << 2730 << 236 << "bad";
    QTest::newRow("1534 when started green") << 1 << 3 << 1534 << 236 << "1 1";
    QTest::newRow("above 236 carries the value")
        << 2 << 3 << 0 << 250 << "1.4242424242424243 1.4242424242424243";
    QTest::newRow("no reply red") << 0 << 3 << 2000 << 236 << "bad";
}

void TstCoordinatorRow::linkButtonFollowsStatus()
{
    QFETCH(int, link);
    QFETCH(QString, stops);
    CCoordinator coordinator;
    TestHost host;
    CoordinatorMeasurementWidget row(&host, nullptr, true);
    row.setCoordinator(&coordinator);
    QObject::connect(&coordinator, &CCoordinator::new_status_field, &row,
                     &CoordinatorMeasurementWidget::OnCoordinatorNewStatusField);
    coordinator.SetMeasurementsStatus(link);
    QFETCH(int, state);
    QFETCH(int, startSignal);
    QFETCH(int, battery);
    report(coordinator,
           item8(1, quint8(state)) + item16(14, quint16(startSignal)) + item8(2, quint8(battery)));

    const QString style = part<QPushButton>(&row, "btnMeasurementsStatus")->styleSheet();
    if (stops == "bad") {
        QCOMPARE(style, QString(kCoordinatorBadStyle));
        return;
    }
    const QStringList at = stops.split(' ');
    for (const char *green : {"0, 192, 20", "0, 255, 20", "0, 128, 20"})
        QVERIFY(style.contains(QString("stop: 0 rgb(%1), stop: %2 rgb(%1), stop: %3 white, stop: 1 white")
                                   .arg(green, at[0], at[1])));
}

void TstCoordinatorRow::startCountKeepsItsMarkWhileTheCountStays()
{
    CCoordinator coordinator;
    CoordinatorMeasurementWidget row(nullptr, nullptr, true);
    row.setCoordinator(&coordinator);
    QObject::connect(&coordinator, &CCoordinator::new_status_field, &row,
                     &CoordinatorMeasurementWidget::OnCoordinatorNewStatusField);
    QPushButton *starts = part<QPushButton>(&row, "btnNrStarts");
    auto *gps = part<QDateTimeEdit>(&row, "dtGps");
    constexpr quint32 kSeconds = 1700000000;
    report(coordinator, item(13, u32(kSeconds)) + item8(12, 3));
    QVERIFY(!gps->isHidden());
    const QDateTime local = QDateTime::fromSecsSinceEpoch(kSeconds).toLocalTime();
    QCOMPARE(gps->dateTime().time(), local.time());
    QCOMPARE(gps->dateTime().date(), local.date());
    QCOMPARE(starts->text(), QString("3"));
    QVERIFY(!starts->isHidden());

    row.OnCoordinatorNewStartTimeField(HX_GPS_TIME());
    row.OnCoordinatorNewStartTimeField(HX_GPS_TIME());
    QCOMPARE(starts->text(), QString("3*"));
    report(coordinator, item8(12, 3));
    QCOMPARE(starts->text(), QString("3*"));
    report(coordinator, item8(12, 4));
    QCOMPARE(starts->text(), QString("4"));
    report(coordinator, item(13, u32(0)));
    QVERIFY(gps->isHidden());
    QVERIFY(!starts->isHidden());
    report(coordinator, item8(12, 4));
    QVERIFY(starts->isHidden());
    QCOMPARE(row.spectrumLevels(), QByteArray(16, '\0')); // before the first spectrum reply
}

void TstCoordinatorRow::readOnlyRowAndModesShowTheirParts()
{
    CCoordinator coordinator;
    CoordinatorCommonSettings settings;
    settings.operationMode = OperationModeWireless;
    settings.photoFinishDevice = 2;
    CoordinatorMeasurementWidget live(nullptr, nullptr, true);
    CoordinatorMeasurementWidget readOnly(nullptr, nullptr, false);
    for (CoordinatorMeasurementWidget *row : {&live, &readOnly}) {
        row->setCoordinator(&coordinator);
        row->setApplicationMode(ModeAdministrator);
        row->setCoordinatorSettings(&settings);
        row->UpdateApplicationMode();
        QVERIFY(!part<QPushButton>(row, "btnLogging")->isHidden());
        QVERIFY(!part<QPushButton>(row, "btnInfo")->isHidden());
        const bool live = row->isLive();
        for (const char *name : {"btnSpectrum", "btnMeasurementsStatus", "lblStatusIcon", "lblVQR", "lblOVR"})
            QVERIFY2(part(row, name)->isHidden() != live, name);
    }
    live.SetApplicationMode(ModeOperator);
    for (const char *name : {"btnSpectrum", "btnLogging", "btnInfo"})
        QVERIFY2(part(&live, name)->isHidden(), name);
}

class TstMeasurementStatusDialogs : public QObject
{
    Q_OBJECT

private slots:
    void showFieldsAsTexts_data();
    void showFieldsAsTexts();
    void followTheDeviceEverySecond();
    void linkPercentageStaysOffTheFrame_data();
    void linkPercentageStaysOffTheFrame();
};

void TstMeasurementStatusDialogs::showFieldsAsTexts_data()
{
    QTest::addColumn<bool>("coordinator");
    QTest::addColumn<QByteArray>("items");
    QTest::addColumn<int>("link");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("block battery 203") << false << battery(203) << 2 << "lblBatteryLevel"
                                       << "10.89V";
    QTest::newRow("block battery 234") << false << battery(234) << 2 << "lblBatteryLevel"
                                       << "12.55V";
    QTest::newRow("block battery 0") << false << battery(0) << 2 << "lblBatteryLevel"
                                     << "10.89V";
    QTest::newRow("block battery 255") << false << battery(255) << 2 << "lblBatteryLevel"
                                       << "12.55V";
    QTest::newRow("block no link") << false << QByteArray() << 0 << "lblConnection"
                                   << "No";
    QTest::newRow("block link") << false << QByteArray() << 1 << "lblConnection"
                                << "Yes";
    QTest::newRow("block too few") << false << QByteArray() << 2 << "lblConnection"
                                   << "Unknown";
    QTest::newRow("block not synchronised")
        << false << item(19, QByteArray::fromHex("ffff0000")) << 1 << "lblSynchronization"
        << "Not synchronized";
    QTest::newRow("block offset") << false << sync(-42) << 1 << "lblSynchronization"
                                  << "-42";
    QTest::newRow("coordinator battery 203") << true << battery(203) << 1 << "lblBatteryLevel"
                                             << "10.99V";
    QTest::newRow("coordinator battery 234") << true << battery(234) << 1 << "lblBatteryLevel"
                                             << "12.66V";
    QTest::newRow("coordinator battery 0") << true << battery(0) << 1 << "lblBatteryLevel"
                                           << "10.99V";
    QTest::newRow("coordinator battery 255") << true << battery(255) << 1 << "lblBatteryLevel"
                                             << "13.80V";
    QTest::newRow("start input 1535") << true << item16(14, 1535) << 1 << "lblStartInput"
                                      << "Unknown: 0.90V";
    QTest::newRow("start input 1536") << true << item16(14, 1536) << 1 << "lblStartInput"
                                      << "Connected: 0.90V";
    QTest::newRow("start input 3072") << true << item16(14, 3072) << 1 << "lblStartInput"
                                      << "Not connected: 1.80V";
    QTest::newRow("start input 4095") << true << item16(14, 4095) << 1 << "lblStartInput"
                                      << "Not connected: 2.40V";
    QTest::newRow("start input 5000") << true << item16(14, 5000) << 1 << "lblStartInput"
                                      << "Unknown: 2.93V";
    QTest::newRow("coordinator no link") << true << QByteArray() << 0 << "lblConnection"
                                         << "No";
}

void TstMeasurementStatusDialogs::showFieldsAsTexts()
{
    QFETCH(bool, coordinator);
    QFETCH(QByteArray, items);
    QFETCH(int, link);
    QFETCH(QString, label);
    std::unique_ptr<QDialog> dialog;
    CCoordinator central;
    CStartBlockMeasurement measurement;
    if (coordinator) {
        report(central, items);
        central.SetMeasurementsStatus(link);
        auto *shown = new CoordinatorMeasurementsStatusDlg;
        shown->SetCoordinator(&central);
        dialog.reset(shown);
        QCOMPARE(dialog->windowTitle(), QString("Central Unit measurements"));
    } else {
        report(measurement, items);
        measurement.SetMeasurementsStatus(link);
        auto *shown = new StartBlockMeasurementsStatusDlg;
        shown->SetStartBlock(&measurement);
        dialog.reset(shown);
        QCOMPARE(dialog->windowTitle(), QString("Startblock measurements"));
    }
    QTEST(dialog->findChild<QLabel *>(label)->text(), "text");
}

void TstMeasurementStatusDialogs::followTheDeviceEverySecond()
{
    CStartBlockMeasurement measurement;
    report(measurement, battery(203) + item8(6, 255));
    measurement.SetMeasurementsStatus(0);
    StartBlockMeasurementsStatusDlg dialog;
    dialog.SetStartBlock(&measurement);
    auto *link = part<QProgressBar>(&dialog, "pgbLink");
    QCOMPARE(link->value(), 51); // no link: empty, whatever field 6 says
    QVERIFY(link->styleSheet().contains("stop: 0 rgb(255, 0, 20)"));
    QVERIFY(part(&dialog, "lblHeaderStartLevel")->isHidden());

    report(measurement, battery(234));
    measurement.SetMeasurementsStatus(1);
    QTRY_COMPARE_WITH_TIMEOUT(part<QLabel>(&dialog, "lblBatteryLevel")->text(), QString("12.55V"), 5000);
    QCOMPARE(link->value(), 255);
    QVERIFY(part<QProgressBar>(&dialog, "pgbBattery")->styleSheet().contains("stop: 0 rgb(0, 255, 20)"));
    QPushButton *ok = part<QPushButton>(&dialog, "btnOK");
    QTimer::singleShot(0, ok, &QPushButton::click);
    QCOMPARE(dialog.exec(), 1);
}

void TstMeasurementStatusDialogs::linkPercentageStaysOffTheFrame_data()
{
    QTest::addColumn<int>("quality"); // field 6 of the block's status
    QTest::newRow("lowest") << 51;
    QTest::newRow("half") << 150;
    QTest::newRow("full") << 255;
}

// The bar's frame is one grey line all round (its rounded corners aside): no pixel of the text lies on it.
void TstMeasurementStatusDialogs::linkPercentageStaysOffTheFrame()
{
    QFETCH(int, quality);
    CStartBlockMeasurement measurement;
    report(measurement, battery(234) + item8(6, quint8(quality)));
    measurement.SetMeasurementsStatus(1);
    StartBlockMeasurementsStatusDlg dialog;
    dialog.SetStartBlock(&measurement);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *link = part<QProgressBar>(&dialog, "pgbLink");
    QVERIFY(link->isTextVisible() && !link->text().isEmpty());
    const QImage bar = link->grab().toImage();
    const QColor frame(QStringLiteral("gray")); // as a style sheet names it
    constexpr int kCorner = 3;                  // the frame's radius
    QStringList onTheFrame;
    const auto probe = [&](int x, int y) {
        if (bar.pixelColor(x, y) != frame)
            onTheFrame << QStringLiteral("%1,%2 %3").arg(x).arg(y).arg(bar.pixelColor(x, y).name());
    };
    for (int x = kCorner; x < bar.width() - kCorner; ++x) {
        probe(x, 0);
        probe(x, bar.height() - 1);
    }
    for (int y = kCorner; y < bar.height() - kCorner; ++y) {
        probe(0, y);
        probe(bar.width() - 1, y);
    }
    QVERIFY2(onTheFrame.isEmpty(), qPrintable(link->text() + ": " + onTheFrame.join(u' ')));
}

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    registerSharedMetaTypes();
    TstLaneRow lane;
    TstCoordinatorRow coordinator;
    TstMeasurementStatusDialogs dialogs;
    int failed = 0;
    for (QObject *test : std::initializer_list<QObject *>{&lane, &coordinator, &dialogs})
        failed += QTest::qExec(test, argc, argv);
    return failed;
}

#include "tst_measurementrows.moc"
