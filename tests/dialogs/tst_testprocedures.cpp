// The hardware test, the synchronisation test and the calibration driven tick by tick on a hand-set
// clock: their timelines, every way of closing them in every state, a lane rebuild while they run, and
// the texts they build themselves in each language.
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "dialogs/calibratedevicedialog.h"
#include "dialogs/hardwaretestsequence.h"
#include "dialogs/synchronisationtestsequence.h"
#include "dialogs/testhardwaredlg.h"
#include "dialogs/testprocedurehost.h"
#include "dialogs/testprocedurewindows.h"
#include "dialogs/testsynchronisationdlg.h"
#include "modalanswerer.h"
#include "tests/dialogs/dialogtestkit.h"
#include "tests/devices/serialtestkit.h"

using namespace SerialTest;

namespace
{
// The window's race commands as the devices would follow them, on the test's clock.
class RecordingHost : public TestProcedureHost
{
public:
    explicit RecordingHost(SerialFixture &devices) : rows(devices.blocks), m_devices(devices) {}

    void broadcastReady() override
    {
        ++readies;
        m_devices.serial->allReady = devicesFollow;
        setStates(devicesFollow ? DeviceReady : DeviceIdle);
    }
    void broadcastStart() override
    {
        ++starts;
        m_devices.serial->allReady = false;
        setStates(DeviceStarted);
    }
    void broadcastIdle() override
    {
        ++idles;
        setStates(DeviceIdle);
    }
    CSerialComThread *serialComThread() const override { return m_devices.serial.get(); }
    QList<CStartBlock *> laneRowBlocks() const override { return rows; }
    void setLaneRowParticipationStatus(CStartBlock *block, unsigned status) override
    {
        block->setParticipationStatus(int(status));
    }

    // "A" for an ACTIVE row, "I" for an INACTIVE one, in row order.
    QString rowText() const
    {
        QString text;
        for (const CStartBlock *block : rows)
            text += block->participationStatus() == ParticipationActive ? u'A' : u'I';
        return text;
    }
    void setStates(quint8 state)
    {
        for (CStartBlock *block : rows)
            block->measurement()->setState(state);
    }

    qint64 now = 0;
    bool devicesFollow = true;
    int readies = 0;
    int starts = 0;
    int idles = 0;
    QList<CStartBlock *> rows;

private:
    SerialFixture &m_devices;
};

QList<CStartBlock *> laneBlocks(SerialFixture &devices, const QList<int> &lanes, const QList<int> &inactive)
{
    for (const int lane : lanes) {
        CStartBlock *block = devices.addBlock(quint8(lane));
        block->setParticipationStatus(inactive.contains(lane) ? ParticipationInactive : ParticipationActive);
    }
    return devices.blocks;
}

QString line(qint64 ms, const QString &text)
{
    return QStringLiteral("%1 %2").arg(ms).arg(text);
}

// Coordinator status field 18: its millisecond counter.
void reportCounter(SerialFixture &devices, quint64 ms)
{
    QByteArray value(8, '\0');
    qToBigEndian(ms, value.data());
    devices.replyCoordinator(0x05, item(18, value));
}

QPushButton *button(QWidget *dialog, const char *name)
{
    return dialog->findChild<QPushButton *>(QString::fromLatin1(name));
}
} // namespace

class TstTestProcedures : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hardwareTestTimeline_data();
    void hardwareTestTimeline();
    void synchronisationTestTimeline_data();
    void synchronisationTestTimeline();
    void repeatModeRestartsTheTestAndStopsOnClick();
    void everyWayOfClosingLeavesRowsAndPolling_data();
    void everyWayOfClosingLeavesRowsAndPolling();
    void laneRebuildWhileProceduresAreOpen();
    void builtTextsReadInTheLanguage_data();
    void builtTextsReadInTheLanguage();

private:
    std::unique_ptr<SerialFixture> devices;
    std::unique_ptr<RecordingHost> host;
};

void TstTestProcedures::init()
{
    devices = std::make_unique<SerialFixture>(0);
    host = std::make_unique<RecordingHost>(*devices);
}

void TstTestProcedures::cleanup()
{
    host.reset();
    devices.reset();
}

void TstTestProcedures::hardwareTestTimeline_data()
{
    QTest::addColumn<QList<int>>("lanes");
    QTest::addColumn<QList<int>>("inactive");
    QTest::addColumn<QString>("chosen"); // "ALL" or a lane
    QTest::addColumn<bool>("devicesFollow");
    QTest::addColumn<QStringList>("timeline");
    const QString ready = QStringLiteral("Broadcast ready to starting module %1 | %2");
    const QString finished = QStringLiteral("Test finished | %1");
    const QString stopped = QStringLiteral("Press test button to start built in test | stopped");

    QTest::newRow("one lane") << QList<int>{1, 2} << QList<int>{} << "1" << true
                              << QStringList{line(2000, ready.arg(1).arg("AI")), line(9000, "Started"),
                                             line(13000, finished.arg("AA")), line(15000, stopped)};
    QTest::newRow("never ready") << QList<int>{1, 2} << QList<int>{} << "2" << false
                                 << QStringList{line(2000, ready.arg(2).arg("IA")),
                                                line(14000, ready.arg(2).arg("IA")),
                                                line(26000, ready.arg(2).arg("IA"))};
    QTest::newRow("ALL skips the inactive lane") << QList<int>{1, 2, 3, 5} << QList<int>{2} << "ALL" << true
                                                 << QStringList{line(2000, ready.arg(1).arg("AIII")),
                                                                line(9000, "Started"),
                                                                line(13000, finished.arg("AIAA")),
                                                                line(17000, ready.arg(3).arg("IIAI")),
                                                                line(24000, "Started"),
                                                                line(28000, finished.arg("AIAA")),
                                                                line(32000, ready.arg(5).arg("IIIA")),
                                                                line(39000, "Started"),
                                                                line(43000, finished.arg("AIAA")),
                                                                line(45000, stopped)};
    QTest::newRow("ALL visits lanes 0 and 255 once") << QList<int>{255, 0} << QList<int>{} << "ALL" << true
                                                     << QStringList{line(2000, ready.arg(0).arg("IA")),
                                                                    line(9000, "Started"),
                                                                    line(13000, finished.arg("AA")),
                                                                    line(17000, ready.arg(255).arg("AI")),
                                                                    line(24000, "Started"),
                                                                    line(28000, finished.arg("AA")),
                                                                    line(30000, stopped)};
}

void TstTestProcedures::hardwareTestTimeline()
{
    QFETCH(QList<int>, lanes);
    QFETCH(QList<int>, inactive);
    QFETCH(QString, chosen);
    QFETCH(bool, devicesFollow);
    QFETCH(QStringList, timeline);
    host->rows = laneBlocks(*devices, lanes, inactive);
    host->devicesFollow = devicesFollow;
    const bool all = chosen == QLatin1String("ALL");
    HardwareTestSequence sequence(*host);
    sequence.setStartBlocks(host->rows);
    QVERIFY(sequence.start(all, chosen));
    QStringList seen;
    while (sequence.isRunning() && host->now < 30000 + 15000 * int(all)) {
        const int readies = host->readies;
        const int starts = host->starts;
        host->now += sequence.intervalMs();
        sequence.tick(all);
        const QString text = sequence.actionText();
        if (host->readies > readies || text == QLatin1String("Test finished"))
            seen << line(host->now, text + QStringLiteral(" | ") + host->rowText());
        else if (host->starts > starts)
            seen << line(host->now, text);
        if (!sequence.isRunning())
            seen << line(host->now, text + QStringLiteral(" | stopped"));
    }
    QCOMPARE(seen, timeline);
    QCOMPARE(host->idles, 0); // a finished test leaves the devices as Start left them
}

void TstTestProcedures::synchronisationTestTimeline_data()
{
    QTest::addColumn<bool>("withCoordinator");
    QTest::addColumn<int>("counterMovesAtMs"); // field 18 counts from then on; -1 never
    QTest::addColumn<bool>("devicesFollow");
    QTest::addColumn<bool>("repeating");
    QTest::addColumn<QStringList>("timeline");
    const QStringList prompt = {line(2000, "[1] Broadcast ready to all starting blocks"),
                                line(6000, "[3] Started")};
    const QString end = QStringLiteral("[0] Press test button to start synchronization test | stopped");

    QTest::newRow("coordinator at once")
        << true << 0 << true << false
        << prompt + QStringList{line(12000, "[6] Display results"), line(14000, end)};
    QTest::newRow("coordinator late")
        << true << 15000 << true << false
        << prompt + QStringList{line(18000, "[6] Display results"), line(20000, end)};
    QTest::newRow("no coordinator") << false << -1 << true << false
                                    << prompt +
                                           QStringList{line(12000, "[6] Display results"), line(14000, end)};
    QTest::newRow("coordinator silent") << true << -1 << true << false << prompt;
    QTest::newRow("never ready") << true << 0 << false << false << prompt.mid(0, 1);
    QTest::newRow("repeat mode")
        << true << 0 << true << true
        << prompt + QStringList{line(12000, "[6] Display results"),
                                line(14000, "[0] Running automatic synchronization test | stopped")};
}

void TstTestProcedures::synchronisationTestTimeline()
{
    QFETCH(bool, withCoordinator);
    QFETCH(int, counterMovesAtMs);
    QFETCH(bool, devicesFollow);
    QFETCH(bool, repeating);
    QFETCH(QStringList, timeline);
    host->rows = laneBlocks(*devices, {1, 2}, {});
    host->devicesFollow = devicesFollow;
    SynchronisationTestSequence sequence(*host);
    sequence.setCoordinator(withCoordinator ? devices->coordinator : nullptr);
    sequence.setStartBlocks(host->rows);
    sequence.setRepeating(repeating);
    devices->open();
    sequence.start();
    QCOMPARE(sequence.actionText(), QStringLiteral("Testing synchronization"));
    QStringList seen;
    while (sequence.isRunning() && host->now < 30000) {
        host->now += SynchronisationTestSequence::kLoopIntervalMs;
        if (counterMovesAtMs >= 0 && host->now >= counterMovesAtMs)
            reportCounter(*devices, quint64(host->now));
        const int readies = host->readies;
        const int starts = host->starts;
        const SynchronisationTestSequence::ListStep step = sequence.tick();
        QCOMPARE(step == SynchronisationTestSequence::ListStep::HideResync, host->readies > readies);
        const QString text = QStringLiteral("[%1] %2").arg(sequence.progress()).arg(sequence.actionText());
        if (host->readies > readies || host->starts > starts ||
            step == SynchronisationTestSequence::ListStep::RefreshTimes)
            seen << line(host->now, text);
        if (!sequence.isRunning())
            seen << line(host->now, text + QStringLiteral(" | stopped"));
    }
    QCOMPARE(seen, timeline);
    QCOMPARE(host->readies, 1); // Ready is not repeated
}

void TstTestProcedures::repeatModeRestartsTheTestAndStopsOnClick()
{
    host->rows = laneBlocks(*devices, {1}, {});
    TestSynchronisationDlg dialog(nullptr, *host);
    dialog.SetCoordinator(devices->coordinator);
    dialog.SetStartBlocks(host->rows);
    QPushButton *repeat = button(&dialog, "btnRepeatTest");
    repeat->click();
    QVERIFY(dialog.isRepeating());
    QCOMPARE(repeat->text(), QStringLiteral("Stop"));
    for (int tick = 0; tick < 3; ++tick)
        dialog.OnLoopEventFired();
    QCOMPARE(dialog.sequence().state(), int(SynchronisationTestSequence::WaitResults));
    QCOMPARE(dialog.findChild<QProgressBar *>("pgbActions")->value(), 3);
    dialog.OnRepeatTestTimerFired(); // five minutes on: a new test replaces the running one
    QCOMPARE(dialog.sequence().state(), int(SynchronisationTestSequence::BroadcastReady));
    QCOMPARE(dialog.findChild<QLabel *>("lblAction")->text(), QStringLiteral("Testing synchronization"));
    repeat->click();
    QVERIFY(!dialog.isRepeating());
    QVERIFY(dialog.isLoopRunning()); // the running test goes on to its end
    QCOMPARE(repeat->text(), QStringLiteral("Repeat Test"));
}

void TstTestProcedures::everyWayOfClosingLeavesRowsAndPolling_data()
{
    QTest::addColumn<QString>("procedure");
    QTest::addColumn<int>("ticks"); // -1: never started
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("idles");
    const QList<std::pair<QString, QList<int>>> states = {
        {"hardware", {-1, 1, 2, 3}}, {"synchronisation", {-1, 1, 4}}, {"calibration", {-1, 0, 1, 185}}};
    for (const auto &[procedure, ticks] : states) {
        for (const int tick : ticks) {
            for (const char *way : {"Cancel", "Escape", "close"}) {
                const int idles = procedure == "hardware" || (procedure == "synchronisation" && tick > 0);
                QTest::addRow("%s after %d, %s", qPrintable(procedure), tick, way)
                    << procedure << tick << QString::fromLatin1(way) << idles;
            }
        }
    }
}

void TstTestProcedures::everyWayOfClosingLeavesRowsAndPolling()
{
    QFETCH(QString, procedure);
    QFETCH(int, ticks);
    QFETCH(QString, way);
    QFETCH(int, idles);
    host->rows = laneBlocks(*devices, {1, 2, 3}, {});
    host->setStates(DeviceIdle);
    devices->open();
    devices->serial->startQuestionsTimerTimeout();
    std::unique_ptr<QDialog> dialog;
    std::function<bool()> timersRun;
    if (procedure == QLatin1String("hardware")) {
        auto *hardware = new TestHardwareDlg(nullptr, *host);
        dialog.reset(hardware);
        hardware->SetStartBlocks(host->rows);
        if (ticks >= 0)
            hardware->OnBtnTestClicked();
        for (int i = 0; i < ticks; ++i)
            hardware->OnLoopEventFired();
        QCOMPARE(hardware->isLoopRunning(), ticks >= 0); // "ALL" is chosen at first
        timersRun = [hardware] { return hardware->isLoopRunning(); };
    } else if (procedure == QLatin1String("synchronisation")) {
        auto *sync = new TestSynchronisationDlg(nullptr, *host);
        dialog.reset(sync);
        sync->SetCoordinator(devices->coordinator);
        sync->SetStartBlocks(host->rows);
        if (ticks >= 0)
            button(sync, "btnRepeatTest")->click();
        for (int i = 0; i < ticks; ++i)
            sync->OnLoopEventFired();
        timersRun = [sync] { return sync->isLoopRunning() || sync->isRepeating(); };
    } else {
        auto *calibration = new CalibrateDeviceDialog;
        dialog.reset(calibration);
        calibration->SetCoordinator(devices->coordinator);
        calibration->ConnectCoordinator(devices->serial.get());
        if (ticks >= 0)
            button(calibration, "btnStart")->click();
        if (ticks > 0)
            devices->replyCoordinator(0xE8, {});
        for (int i = 0; i < ticks; ++i)
            calibration->OnUpdateTimerTimeout();
        timersRun = [calibration] { return calibration->isCountdownRunning(); };
    }
    dialog->show();
    QSignalSpy rejected(dialog.get(), &QDialog::rejected);
    if (way == QLatin1String("Cancel"))
        button(dialog.get(), "btnCancel")->click();
    else if (way == QLatin1String("Escape"))
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
    else
        dialog->close();
    QCOMPARE(rejected.count(), 1);
    QVERIFY(!dialog->isVisible());
    QVERIFY(!timersRun());
    QCOMPARE(host->rowText(), QStringLiteral("AAA"));
    QVERIFY(devices->serial->isPolling());
    QCOMPARE(host->idles, idles);
}

void TstTestProcedures::laneRebuildWhileProceduresAreOpen()
{
    host->rows = laneBlocks(*devices, {1, 2}, {});
    QWidget window;
    TestProcedureWindows windows(&window, *host);
    QPointer<TestHardwareDlg> hardware = windows.openHardwareTest(host->rows);
    QPointer<TestSynchronisationDlg> sync = windows.openSynchronisationTest(devices->coordinator, host->rows);
    QVERIFY(hardware && sync);
    QCOMPARE(sync->windowTitle(), QStringLiteral("Wireless Quellor - Halvexa: Testing synchronization"));
    QCOMPARE(hardware->windowTitle(), QStringLiteral("Wireless Quellor - Halvexa: Built in test"));
    hardware->findChild<QComboBox *>("cmbLane")->setCurrentIndex(2); // "ALL", "1", "2"
    hardware->OnBtnTestClicked();
    sync->on_btnTest_clicked();
    for (int i = 0; i < 3; ++i) {
        hardware->OnLoopEventFired();
        sync->OnLoopEventFired();
    }
    ModalAnswerer answerer;
    answerer.answer(QDialogButtonBox::Ok);
    answerer.answer(QDialogButtonBox::Ok);
    QVERIFY(!windows.openHardwareTest(host->rows));
    QVERIFY(!windows.openSynchronisationTest(devices->coordinator, host->rows));
    QCOMPARE(answerer.seen.size(), 2);
    QCOMPARE(answerer.seen[0].title + '|' + answerer.seen[0].text,
             QStringLiteral("Testing hardware|There is already an open window for testing the hardware"));
    QCOMPARE(answerer.seen[1].title + '|' + answerer.seen[1].text,
             QStringLiteral(
                 "Testing synchronization|There is already an open window for testing synchronization"));

    // a dialog the window forgot to close survives its devices
    TestSynchronisationDlg forgotten(nullptr, *host);
    forgotten.SetCoordinator(devices->coordinator);
    forgotten.SetStartBlocks(host->rows);
    forgotten.on_btnTest_clicked();

    windows.closeAll();       // as the window does before it rebuilds the lanes
    QCOMPARE(host->idles, 1); // after the hardware test's Idle no block is left for the other to idle
    QCOMPARE(host->rowText(), QStringLiteral("AA"));
    devices->serial->clearStartBlocks();
    devices->serial->clearCoordinator();
    host->rows.clear();
    qDeleteAll(devices->devices.children());
    devices->blocks.clear();
    for (int i = 0; i < 8; ++i)
        forgotten.OnLoopEventFired();
    QCOMPARE(forgotten.sequence().state(), int(SynchronisationTestSequence::Idle));
    QTRY_VERIFY(!hardware && !sync);
    QVERIFY(windows.openHardwareTest({})); // released: a new one may open
}

void TstTestProcedures::builtTextsReadInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    // the hardware test's Ready to lane 2, the calibration's first and last countdown lines, its result with
    // the way out, named as its button reads
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("English") << QString()
                             << QStringList{"Broadcast ready to starting module 2",
                                            "Calibration in progress: wait 185 seconds",
                                            "Calibration in progress: wait 1 seconds",
                                            "Calibration finished: 1.50000000\nCancel closes the window."};
    QTest::newRow("German") << "de_Deutsch"
                            << QStringList{"Bereit an Startblock 2 gesendet",
                                           "Kalibrierung läuft: bitte 185 s warten",
                                           "Kalibrierung läuft: bitte 1 s warten",
                                           "Kalibrierung abgeschlossen: 1.50000000\n"
                                           "Abbrechen schließt das Fenster."};
    QTest::newRow("Dutch") << "nl_Nederlands"
                           << QStringList{"Gereed naar startblok 2 verzonden",
                                          "Kalibratie bezig: wacht 185 s", "Kalibratie bezig: wacht 1 s",
                                          "Kalibratie voltooid: 1.50000000\nAnnuleren sluit het venster."};
}

void TstTestProcedures::builtTextsReadInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, texts);
    auto translation = std::make_unique<Language>(language);
    QCOMPARE(translation->loaded(), !language.isEmpty());
    host->rows = laneBlocks(*devices, {1, 2}, {});
    devices->open();
    report(*devices->coordinator, "1a043fc00000"); // calibration 1.5
    QStringList seen;

    TestHardwareDlg hardware(nullptr, *host);
    hardware.SetStartBlocks(host->rows);
    hardware.findChild<QComboBox *>("cmbLane")->setCurrentIndex(2); // "ALL", "1", "2"
    hardware.OnBtnTestClicked();
    for (int tick = 0; tick < 3 && host->readies == 0; ++tick)
        hardware.OnLoopEventFired();
    seen << hardware.findChild<QLabel *>("lblAction")->text();

    CalibrateDeviceDialog calibration;
    calibration.SetCoordinator(devices->coordinator);
    calibration.ConnectCoordinator(devices->serial.get());
    button(&calibration, "btnStart")->click();
    devices->replyCoordinator(0xE8, {});
    const auto *info = calibration.findChild<QLabel *>("lblInfo");
    seen << info->text();
    for (int tick = 1; tick < CalibrationCountdown::kSeconds; ++tick)
        calibration.OnUpdateTimerTimeout();
    seen << info->text();
    calibration.OnUpdateTimerTimeout();
    seen << info->text();
    QCOMPARE(seen, texts);

    // back to English, the shown result follows
    translation.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(info->text(), QStringLiteral("Calibration finished: 1.50000000\nCancel closes the window."));
    hardware.reject();
}

QTEST_MAIN(TstTestProcedures)
#include "tst_testprocedures.moc"
