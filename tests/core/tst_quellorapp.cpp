#include <memory>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "apptestenvironment.h"
#include "core/projectsettings.h"
#include "core/quellorapp.h"

namespace
{

QuellorApp &app()
{
    return *QuellorApp::Instance();
}

void reloadAll()
{
    app().LoadSettings();
    app().LoadCoordinatorSettings();
    app().LoadStartBlockSettings();
}

// The loaded value of every numeric setting, by "group/key".
QMap<QString, int> loadedNumbers()
{
    const ProjectSettings &general = app().projectSettings();
    const StartBlockCommonSettings &blocks = app().startBlockCommonSettings();
    const CoordinatorCommonSettings &coordinator = app().coordinatorSettings();
    return {
        {"general/race_nr", general.raceNumber},
        {"general/printer_option", general.printerOption},
        {"general/startsoundmode", general.startSoundMode},
        {"general/recallsoundmode", general.recallSoundMode},
        {"general/recallbeepsmode", general.recallBeepsMode},
        {"general/audiovolume", general.audioVolume},
        {"general/headsetvolume", general.headsetVolume},
        {"general/photofinishdevice", general.photoFinishDevice},
        {"StartBlockSettings/accelerosensitivity", blocks.acceleroSensitivity},
        {"StartBlockSettings/min_accelerosensitivity", blocks.minAcceleroSensitivity},
        {"StartBlockSettings/stabilitysensitivity", blocks.stabilitySensitivity},
        {"StartBlockSettings/iaaf", blocks.iaafTime},
        {"StartBlockSettings/min_iaaf", blocks.minIaafTime},
        {"StartBlockSettings/max_iaaf", blocks.maxIaafTime},
        {"StartBlockSettings/startsensitivity", blocks.startSensitivity},
        {"StartBlockSettings/audiochannel", blocks.audioChannel},
        {"StartBlockSettings/rftxPower", blocks.txPower},
        {"CoordinatorSettings/audiochannel", coordinator.audioChannel},
        {"CoordinatorSettings/rftxPower", coordinator.txPower},
    };
}

QByteArray fileText()
{
    QFile file(AppTestEnvironment::settingsFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TstAppInstance : public QObject
{
    Q_OBJECT

private slots:
    void createTwiceGivesTheSameInstance();
};

void TstAppInstance::createTwiceGivesTheSameInstance()
{
    int argc = 1;
    char name[] = "second";
    char *argv[] = {name, nullptr};
    QuellorApp *const first = QuellorApp::Instance();
    QVERIFY(first);
    QCOMPARE(QuellorApp::Create(argc, argv), first);
    QCOMPARE(qApp, first);
    QVERIFY(AppTestEnvironment::settingsFilePath().endsWith("/Halvexa/Wireless Quellor.ini"));
}

class TstSettingsDefaults : public QObject
{
    Q_OBJECT

private slots:
    void init() { AppTestEnvironment::clearStore(); }
    void emptyStoreGivesDefaultsAndWritesBackMarkedKeys();
    void storedValueIsUsedUnlessNotSet_data();
    void storedValueIsUsedUnlessNotSet();
    void minimumSensitivityIsBoundedButKeptInFile_data();
    void minimumSensitivityIsBoundedButKeptInFile();
    void eventsLiveBesideTheResults();
};

void TstSettingsDefaults::emptyStoreGivesDefaultsAndWritesBackMarkedKeys()
{
    reloadAll();
    const QMap<QString, int> expected = {
        {"general/race_nr", 1},
        {"general/printer_option", 1},
        {"general/startsoundmode", 3},
        {"general/recallsoundmode", 1},
        {"general/recallbeepsmode", 1},
        {"general/audiovolume", 16},
        {"general/headsetvolume", 16},
        {"general/photofinishdevice", 2},
        {"StartBlockSettings/accelerosensitivity", 512},
        {"StartBlockSettings/min_accelerosensitivity", 512},
        {"StartBlockSettings/stabilitysensitivity", 400},
        {"StartBlockSettings/iaaf", 100},
        {"StartBlockSettings/min_iaaf", 100},
        {"StartBlockSettings/max_iaaf", 100},
        {"StartBlockSettings/startsensitivity", 170},
        {"StartBlockSettings/audiochannel", 1},
        {"StartBlockSettings/rftxPower", 0},
        {"CoordinatorSettings/audiochannel", 1},
        {"CoordinatorSettings/rftxPower", 0},
    };
    QCOMPARE(loadedNumbers(), expected);
    const ProjectSettings &general = app().projectSettings();
    QCOMPARE(general.starterName, QStringLiteral("Starter 1"));
    QCOMPARE(general.userSelectedOperationMode, 1);
    QCOMPARE(general.operationMode, 1);
    QVERIFY(general.debug);
    QVERIFY(general.printers.isEmpty());
    QCOMPARE(general.resultsDir, QDir::homePath() + "/Results");
    QCOMPARE(general.eventsDir, QDir::homePath() + "/Events");
    QVERIFY(QFileInfo(general.resultsDir).isDir());
    QVERIFY(QFileInfo(general.eventsDir).isDir());
    QCOMPARE(QuellorApp::DefaultChannelIndex(), 0);

    app().SyncSettings();
    const QMap<QString, QString> written = {
        {"General/debug", "1"},
        {"StartBlockSettings/min_accelerosensitivity", "512"},
        {"StartBlockSettings/min_iaaf", "100"},
        {"StartBlockSettings/max_iaaf", "100"},
        {"StartBlockSettings/startsensitivity", "170"},
    };
    QCOMPARE(AppTestEnvironment::fileEntries(), written);
}

void TstSettingsDefaults::storedValueIsUsedUnlessNotSet_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("loaded");
    const QString general = "general";
    const QString blocks = "StartBlockSettings";
    QTest::newRow("race 12") << general << "race_nr" << QVariant(12) << 12;
    QTest::newRow("race 0") << general << "race_nr" << QVariant(0) << 1;
    QTest::newRow("race negative") << general << "race_nr" << QVariant(-4) << 1;
    QTest::newRow("printer option 3") << general << "printer_option" << QVariant(3) << 3;
    QTest::newRow("printer option 4") << general << "printer_option" << QVariant(4) << 1;
    QTest::newRow("start sound 2") << general << "startsoundmode" << QVariant(2) << 2;
    QTest::newRow("start sound 0") << general << "startsoundmode" << QVariant(0) << 3;
    QTest::newRow("recall beeps 4") << general << "recallbeepsmode" << QVariant(4) << 4;
    QTest::newRow("recall beeps text") << general << "recallbeepsmode" << QVariant("loud") << 1;
    QTest::newRow("volume 7") << general << "audiovolume" << QVariant(7) << 7;
    QTest::newRow("volume beyond 8 bits") << general << "audiovolume" << QVariant(262) << 16;
    QTest::newRow("photo-finish 1") << general << "photofinishdevice" << QVariant(1) << 1;
    QTest::newRow("sensitivity 1600") << blocks << "accelerosensitivity" << QVariant(1600) << 1600;
    QTest::newRow("sensitivity beyond 16 bits") << blocks << "accelerosensitivity" << QVariant(70000) << 512;
    QTest::newRow("min iaaf 80") << blocks << "min_iaaf" << QVariant(80) << 80;
    QTest::newRow("power -12") << blocks << "rftxPower" << QVariant(-12) << -12;
    QTest::newRow("power beyond 8 bits") << blocks << "rftxPower" << QVariant(-200) << 0;
    QTest::newRow("channel 15") << blocks << "audiochannel" << QVariant(15) << 15;
    QTest::newRow("channel past the list") << blocks << "audiochannel" << QVariant(16) << 1;
    QTest::newRow("coordinator channel 4") << "CoordinatorSettings"
                                           << "audiochannel" << QVariant(4) << 4;
    QTest::newRow("coordinator channel 0") << "CoordinatorSettings"
                                           << "audiochannel" << QVariant(0) << 1;
}

void TstSettingsDefaults::storedValueIsUsedUnlessNotSet()
{
    QFETCH(QString, group);
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(int, loaded);
    AppTestEnvironment::storeValue(group, key, stored);
    reloadAll();
    const QString name = group + '/' + key;
    QVERIFY2(loadedNumbers().contains(name), qPrintable(name));
    QCOMPARE(loadedNumbers().value(name), loaded);
}

void TstSettingsDefaults::minimumSensitivityIsBoundedButKeptInFile_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("used");
    QTest::addColumn<QString>("inFile");
    QTest::newRow("100 below the range") << 100 << 512 << "100";
    QTest::newRow("160 lowest") << 160 << 160 << "160";
    QTest::newRow("513 above the range") << 513 << 512 << "513";
    QTest::newRow("0 not set, written back") << 0 << 512 << "512";
}

void TstSettingsDefaults::minimumSensitivityIsBoundedButKeptInFile()
{
    QFETCH(int, stored);
    QFETCH(int, used);
    QFETCH(QString, inFile);
    AppTestEnvironment::storeValue("StartBlockSettings", "min_accelerosensitivity", stored);
    app().LoadStartBlockSettings();
    QCOMPARE(int(app().startBlockCommonSettings().minAcceleroSensitivity), used);
    app().SyncSettings();
    QCOMPARE(AppTestEnvironment::fileEntries().value("StartBlockSettings/min_accelerosensitivity"), inFile);
}

void TstSettingsDefaults::eventsLiveBesideTheResults()
{
    QTemporaryDir dir;
    const QString results = dir.filePath("club/Results/2024");
    QVERIFY(QDir().mkpath(results) && QDir().mkpath(dir.filePath("club/Events")));
    AppTestEnvironment::storeValue("general", "results_dir", results);
    app().LoadSettings();
    QCOMPARE(app().projectSettings().resultsDir, results);
    QCOMPARE(app().projectSettings().eventsDir, dir.filePath("club/Events"));

    AppTestEnvironment::storeValue("general", "results_dir", dir.filePath("gone"));
    app().LoadSettings();
    QCOMPARE(app().projectSettings().resultsDir, QDir::homePath() + "/Results");
    app().SyncSettings();
    QCOMPARE(AppTestEnvironment::fileEntries().value("General/results_dir"), dir.filePath("gone"));
}

class TstOperationModes : public QObject
{
    Q_OBJECT

private slots:
    void init() { AppTestEnvironment::clearStore(); }
    void userSelectedModeDecides_data();
    void userSelectedModeDecides();
    void restoreCopiesModesIntoDeviceRecords();
};

void TstOperationModes::userSelectedModeDecides_data()
{
    QTest::addColumn<QVariant>("userStored");
    QTest::addColumn<QVariant>("modeStored");
    QTest::addColumn<int>("userMode");
    QTest::addColumn<int>("mode");
    QTest::newRow("0: wireless") << QVariant(0) << QVariant(2) << 1 << 1;
    QTest::newRow("wireless ignores stored mode") << QVariant(1) << QVariant(2) << 1 << 1;
    QTest::newRow("wired ignores stored mode") << QVariant(2) << QVariant(1) << 2 << 2;
    QTest::newRow("automatic takes stored wired") << QVariant(3) << QVariant(2) << 3 << 2;
    QTest::newRow("automatic with mode 0") << QVariant(3) << QVariant(0) << 3 << 1;
    QTest::newRow("unknown choice: wireless") << QVariant(7) << QVariant(2) << 1 << 1;
}

void TstOperationModes::userSelectedModeDecides()
{
    QFETCH(QVariant, userStored);
    QFETCH(QVariant, modeStored);
    QFETCH(int, userMode);
    QFETCH(int, mode);
    AppTestEnvironment::storeValue("general", "userselectedoperationmode", userStored);
    AppTestEnvironment::storeValue("general", "operationmode", modeStored);
    app().LoadSettings();
    QCOMPARE(app().projectSettings().userSelectedOperationMode, userMode);
    QCOMPARE(app().projectSettings().operationMode, mode);
    QCOMPARE(app().startBlockCommonSettings().operationMode, mode);
    QCOMPARE(app().coordinatorSettings().operationMode, mode);
}

void TstOperationModes::restoreCopiesModesIntoDeviceRecords()
{
    reloadAll();
    ProjectSettings general = app().projectSettings();
    general.operationMode = 2;
    general.startSoundMode = 1;
    general.recallSoundMode = 2;
    general.recallBeepsMode = 3;
    general.audioVolume = 10;
    general.headsetVolume = 12;
    general.photoFinishDevice = 1;
    app().setProjectSettings(general);
    app().RestoreCurrentModes();

    const StartBlockCommonSettings &blocks = app().startBlockCommonSettings();
    QCOMPARE((QList<int>{blocks.operationMode, blocks.startSoundMode, blocks.recallSoundMode,
                         blocks.recallBeepsMode, blocks.audioVolume}),
             (QList<int>{2, 1, 2, 3, 10}));
    QCOMPARE(blocks.acceleroSensitivity, quint16(512));
    const CoordinatorCommonSettings &coordinator = app().coordinatorSettings();
    QCOMPARE((QList<int>{coordinator.operationMode, coordinator.startSoundMode, coordinator.recallSoundMode,
                         coordinator.recallBeepsMode, coordinator.audioVolume, coordinator.headsetVolume,
                         coordinator.photoFinishDevice, coordinator.audioChannel}),
             (QList<int>{2, 1, 2, 3, 10, 12, 1, 1}));
}

class TstSettingKeys : public QObject
{
    Q_OBJECT

private slots:
    void init() { AppTestEnvironment::clearStore(); }
    void transmitPowerKeyMatchesRegardlessOfCase_data();
    void transmitPowerKeyMatchesRegardlessOfCase();
    void generalGroupSurvivesARestart();
    void clearingRemovesOnlyThatGroup();
};

void TstSettingKeys::transmitPowerKeyMatchesRegardlessOfCase_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("storedBefore");
    QTest::newRow("coordinator, key present") << "CoordinatorSettings" << true;
    QTest::newRow("coordinator, key new") << "CoordinatorSettings" << false;
    QTest::newRow("start blocks, key present") << "StartBlockSettings" << true;
    QTest::newRow("start blocks, key new") << "StartBlockSettings" << false;
}

// callers store a new transmit power as "rftxpower"; the loaders read "rftxPower"
void TstSettingKeys::transmitPowerKeyMatchesRegardlessOfCase()
{
    QFETCH(QString, group);
    QFETCH(bool, storedBefore);
    if (storedBefore)
        AppTestEnvironment::storeValue(group, "rftxPower", 3);
    app().SetSetting(group, "rftxpower", -7);
    QCOMPARE(app().GetSetting(group, "rftxPower").toInt(), -7);
    reloadAll();
    QCOMPARE(loadedNumbers().value(group + "/rftxPower"), -7);

    app().SyncSettings();
    const QMap<QString, QString> file = AppTestEnvironment::fileEntries();
    QCOMPARE(file.size(), 6); // the key and the five written-back defaults
    QCOMPARE(file.value(group + (storedBefore ? "/rftxPower" : "/rftxpower")), QStringLiteral("-7"));
}

// the INI writer stores the group "general" under a section that reads back as "General"
void TstSettingKeys::generalGroupSurvivesARestart()
{
    app().SetSetting("general", "race_nr", 7);
    app().SyncSettings();
    AppTestEnvironment::writeFile(fileText()); // the store forgets, then reads the file afresh
    app().SyncSettings();
    app().LoadSettings();
    QCOMPARE(app().projectSettings().raceNumber, 7);
    app().SetSetting("general", "race_nr", 8);
    app().SyncSettings();
    QCOMPARE(AppTestEnvironment::fileEntries().value("General/race_nr"), QStringLiteral("8"));
    QVERIFY(!app().GetSetting("general", "absent").isValid());
}

void TstSettingKeys::clearingRemovesOnlyThatGroup()
{
    AppTestEnvironment::storeValue("printers", "printers.count", 1);
    AppTestEnvironment::storeValue("printers", "printer0.type", 2);
    AppTestEnvironment::storeValue("general", "race_nr", 9);
    app().ClearSettingsGroup("printers");
    app().SyncSettings();
    QCOMPARE(AppTestEnvironment::fileEntries().keys(), QStringList{"General/race_nr"});
}

class TstPrinters : public QObject
{
    Q_OBJECT

private slots:
    void init() { AppTestEnvironment::clearStore(); }
    void onlyTheSerialPrinterKeepsItsPort();
    void unknownTypesAndCountsAreSkipped_data();
    void unknownTypesAndCountsAreSkipped();
};

void TstPrinters::onlyTheSerialPrinterKeepsItsPort()
{
    AppTestEnvironment::storeValue("printers", "printer5.type", 2); // an earlier, longer list
    app().SavePrinters({{PrinterTicket, "ignored"}, {PrinterSerial, "ttyS1 [Printer port]"}});
    app().SyncSettings();
    const QMap<QString, QString> expected = {
        {"printers/printers.count", "2"},
        {"printers/printer0.type", "2"},
        {"printers/printer1.type", "3"},
        {"printers/printer1.com", "ttyS1 [Printer port]"},
    };
    QCOMPARE(AppTestEnvironment::fileEntries(), expected);
    app().LoadSettings();
    const QList<PrinterEntry> loaded = {{PrinterTicket, {}}, {PrinterSerial, "ttyS1 [Printer port]"}};
    QCOMPARE(app().projectSettings().printers, loaded);
}

void TstPrinters::unknownTypesAndCountsAreSkipped_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("firstType");
    QTest::addColumn<int>("loaded");
    QTest::newRow("type 7") << 2 << 7 << 1;
    QTest::newRow("count past the entries") << 5 << 2 << 2;
    QTest::newRow("count beyond 8 bits") << 100000 << 2 << 0;
}

void TstPrinters::unknownTypesAndCountsAreSkipped()
{
    QFETCH(int, count);
    QFETCH(int, firstType);
    QFETCH(int, loaded);
    AppTestEnvironment::storeValue("printers", "printers.count", count);
    AppTestEnvironment::storeValue("printers", "printer0.type", firstType);
    AppTestEnvironment::storeValue("printers", "printer1.type", 3);
    AppTestEnvironment::storeValue("printers", "printer1.com", "ttyS2 [x]");
    const QList<PrinterEntry> printers = app().LoadPrinters();
    QCOMPARE(printers.size(), loaded);
    if (loaded > 0)
        QCOMPARE(printers.last(), (PrinterEntry{PrinterSerial, "ttyS2 [x]"}));
}

int main(int argc, char **argv)
{
    AppTestEnvironment environment;
    if (!environment.isValid())
        return 1;
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    TstAppInstance instance;
    TstSettingsDefaults defaults;
    TstOperationModes modes;
    TstSettingKeys keys;
    TstPrinters printers;
    int failed = 0;
    for (QObject *test : std::initializer_list<QObject *>{&instance, &defaults, &modes, &keys, &printers})
        failed += QTest::qExec(test, argc, argv);
    return failed;
}

#include "tst_quellorapp.moc"
