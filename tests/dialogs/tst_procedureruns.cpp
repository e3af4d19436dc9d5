// One real-time run of each test procedure against the simulator on a pseudo-terminal, with the real
// serial protocol object taking the race commands as the main window sends them.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include "dialogs/calibratedevicedialog.h"
#include "dialogs/startsoundlistwidget.h"
#include "dialogs/testhardwaredlg.h"
#include "dialogs/testprocedurehost.h"
#include "dialogs/testsynchronisationdlg.h"
#include "sim/simdefaults.h"
#include "tests/devices/simlink.h"

namespace
{
constexpr int kRunMs = 60000;
constexpr int kLinkMs = 15000;

// The main window's race commands: status field 1 to every device through the broadcast device.
class SimHost : public TestProcedureHost
{
public:
    explicit SimHost(SimLink &link) : m_link(link) {}

    void broadcastReady() override
    {
        m_link.serial.OnSetStatusRequest(1, DeviceReady, m_link.serial.broadcastDevice());
    }
    void broadcastStart() override
    {
        m_link.serial.OnSetStatusRequest(1, DeviceStarted, m_link.serial.broadcastDevice());
    }
    void broadcastIdle() override
    {
        m_link.serial.OnSetStatusRequest(1, DeviceIdle, m_link.serial.broadcastDevice());
    }
    CSerialComThread *serialComThread() const override { return &m_link.serial; }
    QList<CStartBlock *> laneRowBlocks() const override { return m_link.blocks; }
    void setLaneRowParticipationStatus(CStartBlock *block, unsigned status) override
    {
        block->setParticipationStatus(int(status));
        m_link.serial.OnParticipationStatusChanged(block);
    }

private:
    SimLink &m_link;
};

SimScenario scenario()
{
    SimScenario s = SimScenario::standard(2);
    s.autoStartDelayMs = -1; // the race starts on the Start broadcast only
    return s;
}
} // namespace

class TstProcedureRuns : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hardwareTestRacesTheChosenLane();
    void synchronisationTestShowsEveryBlocksTimes();
    void calibrationReachesTheCoordinator();

private:
    std::unique_ptr<SimLink> link;
    std::unique_ptr<SimHost> host;
};

void TstProcedureRuns::init()
{
    link = std::make_unique<SimLink>(scenario());
    if (!link->start())
        QSKIP("no pseudo-terminal");
    host = std::make_unique<SimHost>(*link);
    QTRY_VERIFY_WITH_TIMEOUT(link->serial.isBaudSwitchDone(), kLinkMs);
}

void TstProcedureRuns::cleanup()
{
    host.reset();
    link.reset();
}

void TstProcedureRuns::hardwareTestRacesTheChosenLane()
{
    QSignalSpy raced(&link->sim, &DeviceSimulator::raceStarted);
    QSignalSpy saved(&link->serial, &CSerialComThread::save_results_file);
    TestHardwareDlg dialog(nullptr, *host);
    dialog.SetStartBlocks(link->blocks);
    dialog.findChild<QComboBox *>("cmbLane")->setCurrentText("2");
    dialog.findChild<QSlider *>("hslStartDelay")->setValue(1);
    dialog.findChild<QPushButton *>("btnTest")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isLoopRunning(), kRunMs);
    QCOMPARE(dialog.findChild<QLabel *>("lblAction")->text(),
             QStringLiteral("Press test button to start built in test"));
    QCOMPARE(raced.count(), 1);
    // lane 1 was left out of the race, then both lanes take part again
    const QStringList requests = link->setStatusRequests();
    QCOMPARE(requests.mid(0, 2), (QStringList{"B:11=0", "B:11=1"}));
    QCOMPARE(requests.count("all:1=3"), 1);
    QVERIFY(requests.indexOf("all:1=2") < requests.indexOf("all:1=3"));
    QCOMPARE(link->blocks[0]->participationStatus(), int(ParticipationActive));
    QCOMPARE(link->blocks[1]->participationStatus(), int(ParticipationActive));
    QTRY_VERIFY_WITH_TIMEOUT(!saved.isEmpty(), kRunMs); // a real race: its results are saved
    QCOMPARE(int(link->blocks[1]->measurement()->reactionTimeMs()),
             *link->sim.scenario().lanes[1].reactionMs);
}

void TstProcedureRuns::synchronisationTestShowsEveryBlocksTimes()
{
    QSignalSpy sounds(&link->serial, &CSerialComThread::save_results_file);
    TestSynchronisationDlg dialog(nullptr, *host);
    dialog.SetCoordinator(link->coordinator);
    dialog.SetStartBlocks(link->blocks);
    StartSoundListWidget *list = dialog.startSoundList();
    dialog.findChild<QPushButton *>("btnTest")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isLoopRunning(), kRunMs);
    QCOMPARE(sounds.count(), 2); // the sound graphs were in before the times were shown
    QCOMPARE(list->cellText(1, 0), QStringLiteral("CU"));
    for (int i = 0; i < 2; ++i) {
        const int row = list->rowOfBlock(i);
        QCOMPARE(row, i + 2);
        QCOMPARE(list->cellText(row, 0), QString::number(i + 1));
        const qint64 start = list->cellText(row, 1).toLongLong();
        const qint64 sound = list->cellText(row, 2).toLongLong();
        QVERIFY(start > 0);
        QCOMPARE(sound - start, qint64(SimDefaults::kSoundDelayPerLaneMs * (i + 1)));
        QCOMPARE(list->cellText(row, 3), QString::number(start - sound));
        QVERIFY(list->resyncButton(i)->isVisible() || !dialog.isVisible());
    }
    list->resyncButton(1)->click();
    QTRY_COMPARE_WITH_TIMEOUT(link->sim.block(1).resyncCount(), 1, kLinkMs);
    QCOMPARE(link->sim.block(0).resyncCount(), 0);
}

void TstProcedureRuns::calibrationReachesTheCoordinator()
{
    link->serial.SendInfoRequestCoordinator(link->coordinator);
    QTRY_COMPARE_WITH_TIMEOUT(link->coordinator->calibration(), SimDefaults::kCalibration, kLinkMs);
    CalibrateDeviceDialog dialog;
    QVERIFY(!dialog.findChild<QPushButton *>("btnStart")->isEnabled()); // nothing to calibrate yet
    dialog.SetCoordinator(link->coordinator);
    dialog.ConnectCoordinator(&link->serial);
    auto *info = dialog.findChild<QLabel *>("lblInfo");
    dialog.findChild<QPushButton *>("btnStart")->click();
    QVERIFY(!link->serial.isPolling());
    QTRY_COMPARE_WITH_TIMEOUT(info->text(), QStringLiteral("Calibration in progress: wait 184 seconds"),
                              kLinkMs);
    QCOMPARE(link->requests(0xE7).size(), 1);
    for (int second = 2; second <= 184; ++second) // the remaining ticks on the test's clock
        dialog.OnUpdateTimerTimeout();
    QCOMPARE(info->text(), QStringLiteral("Calibration in progress: wait 1 seconds"));
    QVERIFY(!link->serial.isPolling());
    dialog.OnUpdateTimerTimeout();
    QCOMPARE(info->text(), QStringLiteral("Calibration finished: 1.50000000\nCancel closes the window."));
    QVERIFY(link->serial.isPolling());
    QVERIFY(!dialog.isCountdownRunning());
    link->serial.SendInfoRequestCoordinator(link->coordinator);
    QTRY_COMPARE_WITH_TIMEOUT(link->coordinator->calibration(),
                              SimDefaults::kCalibration + SimDefaults::kCalibrationStep, kLinkMs);
}

QTEST_MAIN(TstProcedureRuns)
#include "tst_procedureruns.moc"
