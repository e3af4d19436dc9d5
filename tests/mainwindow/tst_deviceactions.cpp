// The window's device actions against the device simulator: Properties applied again, the common settings
// sent to every block with the busy notice up, one window per test procedure, and identification.
#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "../core/apptestenvironment.h"
#include "../dialogs/dialogtestkit.h"
#include "core/quellorapp.h"
#include "devices/cserialcomthread.h"
#include "dialogs/busyindicatordlg.h"
#include "dialogs/deviceidentificationdlg.h"
#include "dialogs/projectsettingsdlg.h"
#include "dialogs/startblockscommonsettingsdlg.h"
#include "dialogs/testhardwaredlg.h"
#include "dialogs/testsynchronisationdlg.h"
#include "mainwindow/mainwindow.h"
#include "modalanswerer.h"
#include "sim/devicesimulator.h"
#include "sim/simframe.h"
#include "sim/simulatorsettings.h"
#include "sim/startupautomation.h"
#include "testnetwork.h"
#include "views/startblockmeasurementwidget.h"

namespace
{

constexpr int kWaitMs = 20000;
const QString kTitle = "Wireless Quellor - Halvexa";
constexpr quint8 kSetInfo = 0x03;
constexpr quint8 kTxPowerItem = 15;

// The next polling round starts with the first block and asks every device for its info fields.
void askInfoFieldsNow(MainWindow *window)
{
    window->serialComThread()->OnStartBlockSetChanged();
    window->serialComThread()->setCycleCounter(4);
}

template<typename T = QObject>
T *part(MainWindow *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

} // namespace

class TstDeviceActions : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void propertiesRewriteTheKeysAndKeepTheLanes();
    void commonSettingsGoToEveryBlockBehindTheBusyNotice();
    void eachTestProcedureOpensOnce_data();
    void eachTestProcedureOpensOnce();
    void identificationShowsTheDeviceThatAnswers_data();
    void identificationShowsTheDeviceThatAnswers();

private:
    // The window with the simulator's set applied and its lanes live.
    MainWindow *attach(int identifyLane = 0);
    // The blocks that the simulator was sent the info item by a set-info request.
    QStringList blocksSentItem(quint8 item) const;

    std::unique_ptr<DeviceSimulator> sim;
    QTemporaryDir results;
};

MainWindow *TstDeviceActions::attach(int identifyLane)
{
    SimScenario scenario = SimScenario::standard(8);
    scenario.autoStartDelayMs = -1;
    scenario.identifyResponderLane = identifyLane;
    sim = std::make_unique<DeviceSimulator>(scenario);
    if (!sim->start())
        return nullptr;
    // the project expects what the simulated blocks report
    const SimulatorSettings::Entries expected = {{"general/race_nr", 7},
                                                 {"general/userselectedoperationmode", 2},
                                                 {"general/operationmode", 2},
                                                 {"StartBlockSettings/rftxPower", 0},
                                                 {"StartBlockSettings/audiochannel", 1}};
    AppTestEnvironment::writeFile(SimulatorSettings::iniText(
        SimulatorSettings::forSimulator(scenario, sim->devicePath(), "Sim", results.path()) + expected));
    // read before the window is made, as the program's start reads them
    QuellorApp::Instance()->SyncSettings();
    QuellorApp::Instance()->LoadSettings();
    MainWindow *window = MainWindow::instance();
    window->ApplyProjectSettings(false, true);
    window->show();
    return QTest::qWaitFor([window] { return StartupAutomation::lanesLive(*window); }, kWaitMs) ? window
                                                                                                : nullptr;
}

void TstDeviceActions::cleanup()
{
    delete MainWindow::instance();
    sim.reset();
}

QStringList TstDeviceActions::blocksSentItem(quint8 item) const
{
    QStringList macs;
    for (const SimRequest &request : sim->receivedRequests()) {
        for (const SimItem &sent : request.items) {
            if (request.frame.command == kSetInfo && sent.id == item)
                macs << simMacText(request.frame.mac);
        }
    }
    return macs;
}

void TstDeviceActions::propertiesRewriteTheKeysAndKeepTheLanes()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    MainWindow *window = attach();
    QVERIFY(window);
    const QPointer<StartBlockMeasurementWidget> row = window->laneRows().first();
    AppTestEnvironment::storeValue("general", "starter_name", "Somebody else");
    QuellorApp::Instance()->SyncSettings();
    int tab = -1;
    whenModal<ProjectSettingsDlg>(this, [&](ProjectSettingsDlg *dialog) {
        tab = dialog->findChild<QTabWidget *>("tabWidget")->currentIndex();
        dialog->findChild<QPushButton *>("btnOK")->click();
    });
    part<QAction>(window, "action_ProjectProperties")->trigger();
    QCOMPARE(tab, 1);
    // the dialog was filled from the window's settings, which are written back whole
    const QMap<QString, QString> file = AppTestEnvironment::fileEntries();
    QCOMPARE(file.value("General/starter_name"), QString("Starter 1"));
    QCOMPARE(file.value("General/race_nr"), QString("7"));
    QCOMPARE(file.value("StartBlockSettings/accelerosensitivity"), QString("512"));
    QCOMPARE(window->lastSetName(), QString("Sim"));
    QVERIFY(row && window->laneRows().first() == row);
    // the devices are sent to IDLE once the settings are applied again
    QTRY_VERIFY_WITH_TIMEOUT(std::any_of(sim->receivedRequests().cbegin(), sim->receivedRequests().cend(),
                                         [](const SimRequest &r) {
                                             return r.frame.command == 0x06 &&
                                                    r.frame.mac == simBroadcastMac();
                                         }),
                             kWaitMs);
}

void TstDeviceActions::commonSettingsGoToEveryBlockBehindTheBusyNotice()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    MainWindow *window = attach();
    QVERIFY(window);
    // one block is set apart, as its info dialog would do
    CStartBlock *odd = window->startBlocks().at(2);
    emit window->set_info_field_request(kTxPowerItem, -5, odd);
    askInfoFieldsNow(window);
    QTRY_COMPARE_WITH_TIMEOUT(int(odd->transmitPower()), -5, kWaitMs);
    const int sentBefore = int(blocksSentItem(kTxPowerItem).size());

    window->OnToggleApplicationMode(ModeAdministrator);
    ModalAnswerer answerer;
    whenModal<StartBlocksCommonSettingsDlg>(this, [&](StartBlocksCommonSettingsDlg *dialog) {
        answerer.answer(QDialogButtonBox::Yes);
        dialog->findChild<QPushButton *>("btnOK")->click();
    });
    part<QPushButton>(window, "btnSettings")->click();
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].title, QString("Change setting of startblocks"));
    QCOMPARE(answerer.seen[0].text,
             QString("Are you sure you want to change the settings for all starting blocks"));
    QVERIFY(window->busyIndicator());
    QCOMPARE(window->busyIndicator()->windowTitle(), kTitle + ": Busy");
    QCOMPARE(window->busyIndicator()->text(), QString("BUSY, wait until all settings are distributed."));
    QVERIFY(!part<QPushButton>(window, "btnReady")->isEnabled());
    QVERIFY(!part<QPushButton>(window, "btnBroadcastIdle")->isEnabled());

    // every block of the set is sent the project's value, and all of them take it
    QStringList expected;
    for (const CStartBlock *block : window->startBlocks())
        expected << block->GetMacAddress();
    QTRY_COMPARE_WITH_TIMEOUT(blocksSentItem(kTxPowerItem).mid(sentBefore), expected, kWaitMs);
    askInfoFieldsNow(window);
    QTRY_COMPARE_WITH_TIMEOUT(int(odd->transmitPower()), 0, kWaitMs);
    window->ShowBusy(true, QString());
    QVERIFY(!window->busyIndicator());
    QVERIFY(part<QPushButton>(window, "btnReady")->isEnabled());
}

void TstDeviceActions::eachTestProcedureOpensOnce_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("language"); // the texts above are then its translations
    QTest::newRow("hardware") << "action_Test_Hardware" << kTitle + ": Built in test"
                              << "Testing hardware"
                              << "There is already an open window for testing the hardware"
                              << "";
    QTest::newRow("synchronisation") << "action_Test_Synchronization" << kTitle + ": Testing synchronization"
                                     << "Testing synchronization"
                                     << "There is already an open window for testing synchronization"
                                     << "";
    QTest::newRow("synchronisation, Dutch")
        << "action_Test_Synchronization" << kTitle + ": Testing synchronization"
        << "Testing synchronization"
        << "There is already an open window for testing synchronization"
        << "nl_Nederlands";
}

void TstDeviceActions::eachTestProcedureOpensOnce()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    QFETCH(QString, action);
    QFETCH(QString, title);
    QFETCH(QString, warning);
    QFETCH(QString, text);
    QFETCH(QString, language);
    MainWindow *window = attach();
    QVERIFY(window);
    if (!language.isEmpty()) {
        window->LoadLanguage(language);
        const auto translated = [](const QString &source) {
            return QCoreApplication::translate("MainWindow", qPrintable(source));
        };
        QVERIFY(translated(warning) != warning);
        title = kTitle + translated(title.mid(kTitle.size()));
        warning = translated(warning);
        text = translated(text);
    }
    auto opened = [window]() -> QDialog * {
        if (QDialog *hardware = window->testProcedures().hardwareTest())
            return hardware;
        return window->testProcedures().synchronisationTest();
    };
    auto *trigger = part<QAction>(window, qPrintable(action));
    trigger->trigger();
    const QPointer<QDialog> first = opened();
    QVERIFY(first && first->isVisible() && !first->isModal());
    QCOMPARE(first->windowTitle(), title);
    ModalAnswerer answerer;
    answerer.answer(QDialogButtonBox::Ok);
    trigger->trigger();
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].title, warning);
    QCOMPARE(answerer.seen[0].text, text);
    QCOMPARE(opened(), first.data());
    // a new set closes the window while its lanes still exist
    window->ApplyProjectSettings(true, false);
    QTRY_VERIFY(!first);
    QVERIFY(!opened());
    trigger->trigger();
    QVERIFY(opened() && opened()->isVisible());
}

void TstDeviceActions::identificationShowsTheDeviceThatAnswers_data()
{
    QTest::addColumn<int>("responder");
    QTest::addColumn<QStringList>("shown"); // serial number, PAN id, lane; or the box's title and text
    QTest::newRow("coordinator") << 0 << QStringList{"15:8d:00:01:00:00", "1234", "CU"};
    QTest::newRow("lane 3") << 3 << QStringList{"15:8d:00:00:00:03", "1234", "3"};
    QTest::newRow("nobody") << 99
                            << QStringList{"Device Identification",
                                           "The system was unable to identify the device. "
                                           "Please check the power and cabling of the device"};
}

void TstDeviceActions::identificationShowsTheDeviceThatAnswers()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    QFETCH(int, responder);
    QFETCH(QStringList, shown);
    MainWindow *window = attach(responder);
    QVERIFY(window);
    window->OnToggleApplicationMode(ModeAdministrator);
    QStringList seen;
    ModalAnswerer answerer;
    if (shown.size() == 2)
        answerer.answer(QDialogButtonBox::Ok);
    whenModal<DeviceIdentificationDlg>(this, [&](DeviceIdentificationDlg *dialog) {
        seen << dialog->windowTitle();
        for (const char *label : {"lblSerialNumber", "lblPanId", "lblLane"})
            seen << dialog->findChild<QLabel *>(label)->text();
        dialog->findChild<QPushButton *>("btnOK")->click();
    });
    part<QAction>(window, "actionDevice_Identification")->trigger();
    if (shown.size() == 2) {
        // four attempts of a second each
        QTRY_COMPARE_WITH_TIMEOUT(answerer.seen.size(), 1, kWaitMs);
        QCOMPARE((QStringList{answerer.seen[0].title, answerer.seen[0].text}), shown);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(seen, QStringList{kTitle + ": Device Identification"} + shown, kWaitMs);
    }
    // polling goes on at the speed it had
    QTRY_VERIFY(window->serialComThread()->isPolling());
    QCOMPARE(window->serialComThread()->baudRate(), 9600);
}

int main(int argc, char **argv)
{
    AppTestEnvironment environment;
    if (!environment.isValid())
        return 1;
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    TstDeviceActions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_deviceactions.moc"
