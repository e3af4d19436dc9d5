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

// A fresh load of everything, as at construction.
void reloadAll()
{
    app().LoadSettings();
    app().LoadCoordinatorSettings();
    app().LoadStartBlockSettings();
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
    void storeIsTheUsersHalvexaIniFile();
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
}

void TstAppInstance::storeIsTheUsersHalvexaIniFile()
{
    app().SetSetting(QStringLiteral("general"), QStringLiteral("language"), QStringLiteral("nl_Dutch"));
    app().SyncSettings();
    const QString path = AppTestEnvironment::settingsFilePath();
    QVERIFY(path.endsWith(QStringLiteral("/Halvexa/Wireless Quellor.ini")));
    QCOMPARE(AppTestEnvironment::fileEntries().value(QStringLiteral("General/language")),
             QStringLiteral("nl_Dutch"));
}

class TstSettingsDefaults : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void emptyStoreGivesDefaults();
    void emptyStoreWritesBackOnlyMarkedKeys();
    void unsetValueTakesDefault_data();
    void unsetValueTakesDefault();
    void storedValuesAreKept();
};

void TstSettingsDefaults::init()
{
    AppTestEnvironment::clearStore();
}

void TstSettingsDefaults::emptyStoreGivesDefaults()
{
    reloadAll();
    const ProjectSettings &general = app().projectSettings();
    QCOMPARE(general.starterName, QStringLiteral("Starter 1"));
    QCOMPARE(general.raceNumber, 1);
    QCOMPARE(general.printerOption, quint8(1));
    QCOMPARE(general.userSelectedOperationMode, 1);
    QCOMPARE(general.operationMode, 1);
    QCOMPARE(general.startSoundMode, 3);
    QCOMPARE(general.recallSoundMode, 1);
    QCOMPARE(general.recallBeepsMode, 1);
    QCOMPARE(general.audioVolume, quint8(16));
    QCOMPARE(general.headsetVolume, quint8(16));
    QCOMPARE(general.photoFinishDevice, 2);
    QVERIFY(general.debug);
    QVERIFY(general.printers.isEmpty());
    QVERIFY(general.lastCom.isEmpty());
    QVERIFY(general.lastSet.isEmpty());
    QCOMPARE(general.resultsDir, QDir::homePath() + QStringLiteral("/Results"));
    QCOMPARE(general.eventsDir, QDir::homePath() + QStringLiteral("/Events"));
    QVERIFY(QFileInfo(general.resultsDir).isDir());
    QVERIFY(QFileInfo(general.eventsDir).isDir());

    const StartBlockCommonSettings &blocks = app().startBlockCommonSettings();
    QCOMPARE(blocks.acceleroSensitivity, quint16(512));
    QCOMPARE(blocks.minAcceleroSensitivity, quint16(512));
    QCOMPARE(blocks.txPower, qint8(0));
    QCOMPARE(blocks.stabilitySensitivity, quint16(400));
    QCOMPARE(blocks.audioChannel, quint8(1));
    QCOMPARE(blocks.iaafTime, quint16(100));
    QCOMPARE(blocks.minIaafTime, quint16(100));
    QCOMPARE(blocks.maxIaafTime, quint16(100));
    QCOMPARE(blocks.startSensitivity, quint16(170));

    const CoordinatorCommonSettings &coordinator = app().coordinatorSettings();
    QCOMPARE(coordinator.txPower, qint8(0));
    QCOMPARE(coordinator.audioChannel, quint8(1));
    QCOMPARE(QuellorApp::DefaultChannelIndex(), 0);
}

void TstSettingsDefaults::emptyStoreWritesBackOnlyMarkedKeys()
{
    reloadAll();
    app().SyncSettings();
    const QMap<QString, QString> expected = {
        {QStringLiteral("General/debug"), QStringLiteral("1")},
        {QStringLiteral("StartBlockSettings/min_accelerosensitivity"), QStringLiteral("512")},
        {QStringLiteral("StartBlockSettings/min_iaaf"), QStringLiteral("100")},
        {QStringLiteral("StartBlockSettings/max_iaaf"), QStringLiteral("100")},
        {QStringLiteral("StartBlockSettings/startsensitivity"), QStringLiteral("170")},
    };
    QCOMPARE(AppTestEnvironment::fileEntries(), expected);
}

void TstSettingsDefaults::unsetValueTakesDefault_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("expected");
    const QString general = QStringLiteral("general");
    const QString blocks = QStringLiteral("StartBlockSettings");
    const QString coordinator = QStringLiteral("CoordinatorSettings");
    QTest::newRow("race 0") << general << "race_nr" << QVariant(0) << 1;
    QTest::newRow("race negative") << general << "race_nr" << QVariant(-4) << 1;
    QTest::newRow("printer option 0") << general << "printer_option" << QVariant(0) << 1;
    QTest::newRow("printer option 4") << general << "printer_option" << QVariant(4) << 1;
    QTest::newRow("start sound 0") << general << "startsoundmode" << QVariant(0) << 3;
    QTest::newRow("start sound 9") << general << "startsoundmode" << QVariant(9) << 3;
    QTest::newRow("recall sound 0") << general << "recallsoundmode" << QVariant(0) << 1;
    QTest::newRow("recall beeps text") << general << "recallbeepsmode" << QVariant("loud") << 1;
    QTest::newRow("volume 0") << general << "audiovolume" << QVariant(0) << 16;
    QTest::newRow("volume beyond 8 bits") << general << "audiovolume" << QVariant(262) << 16;
    QTest::newRow("headset volume 0") << general << "headsetvolume" << QVariant(0) << 16;
    QTest::newRow("photo-finish 0") << general << "photofinishdevice" << QVariant(0) << 2;
    QTest::newRow("sensitivity 0") << blocks << "accelerosensitivity" << QVariant(0) << 512;
    QTest::newRow("sensitivity beyond 16 bits") << blocks << "accelerosensitivity" << QVariant(70000) << 512;
    QTest::newRow("stability 0") << blocks << "stabilitysensitivity" << QVariant(0) << 400;
    QTest::newRow("iaaf 0") << blocks << "iaaf" << QVariant(0) << 100;
    QTest::newRow("start sensitivity 0") << blocks << "startsensitivity" << QVariant(0) << 170;
    QTest::newRow("block channel 0") << blocks << "audiochannel" << QVariant(0) << 1;
    QTest::newRow("block channel past the list") << blocks << "audiochannel" << QVariant(16) << 1;
    QTest::newRow("block power beyond 8 bits") << blocks << "rftxPower" << QVariant(-200) << 0;
    QTest::newRow("coordinator channel 0") << coordinator << "audiochannel" << QVariant(0) << 1;
    QTest::newRow("coordinator channel past the list") << coordinator << "audiochannel" << QVariant(99) << 1;
}

void TstSettingsDefaults::unsetValueTakesDefault()
{
    QFETCH(QString, group);
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(int, expected);
    AppTestEnvironment::storeValue(group, key, stored);
    reloadAll();

    const ProjectSettings &general = app().projectSettings();
    const StartBlockCommonSettings &blocks = app().startBlockCommonSettings();
    const CoordinatorCommonSettings &coordinator = app().coordinatorSettings();
    const QMap<QString, int> loaded = {
        {"general/race_nr", general.raceNumber},
        {"general/printer_option", general.printerOption},
        {"general/startsoundmode", general.startSoundMode},
        {"general/recallsoundmode", general.recallSoundMode},
        {"general/recallbeepsmode", general.recallBeepsMode},
        {"general/audiovolume", general.audioVolume},
        {"general/headsetvolume", general.headsetVolume},
        {"general/photofinishdevice", general.photoFinishDevice},
        {"StartBlockSettings/accelerosensitivity", blocks.acceleroSensitivity},
        {"StartBlockSettings/stabilitysensitivity", blocks.stabilitySensitivity},
        {"StartBlockSettings/iaaf", blocks.iaafTime},
        {"StartBlockSettings/startsensitivity", blocks.startSensitivity},
        {"StartBlockSettings/audiochannel", blocks.audioChannel},
        {"StartBlockSettings/rftxPower", blocks.txPower},
        {"CoordinatorSettings/audiochannel", coordinator.audioChannel},
    };
    const QString name = group + QLatin1Char('/') + key;
    QVERIFY2(loaded.contains(name), qPrintable(name));
    QCOMPARE(loaded.value(name), expected);
}

void TstSettingsDefaults::storedValuesAreKept()
{
    const QString general = QStringLiteral("general");
    const QString blocks = QStringLiteral("StartBlockSettings");
    const QString coordinator = QStringLiteral("CoordinatorSettings");
    AppTestEnvironment::storeValue(general, "starter_name", "Ann");
    AppTestEnvironment::storeValue(general, "race_nr", 12);
    AppTestEnvironment::storeValue(general, "printer_option", 3);
    AppTestEnvironment::storeValue(general, "startsoundmode", 2);
    AppTestEnvironment::storeValue(general, "recallsoundmode", 2);
    AppTestEnvironment::storeValue(general, "recallbeepsmode", 4);
    AppTestEnvironment::storeValue(general, "audiovolume", 7);
    AppTestEnvironment::storeValue(general, "headsetvolume", 8);
    AppTestEnvironment::storeValue(general, "photofinishdevice", 1);
    AppTestEnvironment::storeValue(general, "debug", "0");
    AppTestEnvironment::storeValue(general, "last_set", "Track (8)");
    AppTestEnvironment::storeValue(general, "last_com", "ttyUSB0 [FT232R]");
    AppTestEnvironment::storeValue(general, "save_path", "/saved");
    AppTestEnvironment::storeValue(general, "open_path", "/opened");
    AppTestEnvironment::storeValue(general, "load_path", "/samples");
    AppTestEnvironment::storeValue(general, "language", "de_Deutsch");
    AppTestEnvironment::storeValue(blocks, "accelerosensitivity", 1600);
    AppTestEnvironment::storeValue(blocks, "rftxPower", -12);
    AppTestEnvironment::storeValue(blocks, "stabilitysensitivity", 320);
    AppTestEnvironment::storeValue(blocks, "audiochannel", 15);
    AppTestEnvironment::storeValue(blocks, "iaaf", 120);
    AppTestEnvironment::storeValue(blocks, "min_iaaf", 80);
    AppTestEnvironment::storeValue(blocks, "max_iaaf", 200);
    AppTestEnvironment::storeValue(blocks, "startsensitivity", 150);
    AppTestEnvironment::storeValue(coordinator, "rftxPower", 8);
    AppTestEnvironment::storeValue(coordinator, "audiochannel", 4);
    reloadAll();

    const ProjectSettings &loaded = app().projectSettings();
    QCOMPARE(loaded.starterName, QStringLiteral("Ann"));
    QCOMPARE(loaded.raceNumber, 12);
    QCOMPARE(loaded.printerOption, quint8(3));
    QCOMPARE(loaded.startSoundMode, 2);
    QCOMPARE(loaded.recallSoundMode, 2);
    QCOMPARE(loaded.recallBeepsMode, 4);
    QCOMPARE(loaded.audioVolume, quint8(7));
    QCOMPARE(loaded.headsetVolume, quint8(8));
    QCOMPARE(loaded.photoFinishDevice, 1);
    QVERIFY(!loaded.debug);
    QCOMPARE(loaded.lastSet, QStringLiteral("Track (8)"));
    QCOMPARE(loaded.lastCom, QStringLiteral("ttyUSB0 [FT232R]"));
    QCOMPARE(loaded.savePath, QStringLiteral("/saved"));
    QCOMPARE(loaded.openPath, QStringLiteral("/opened"));
    QCOMPARE(loaded.loadPath, QStringLiteral("/samples"));
    QCOMPARE(loaded.language, QStringLiteral("de_Deutsch"));

    const StartBlockCommonSettings &common = app().startBlockCommonSettings();
    QCOMPARE(common.acceleroSensitivity, quint16(1600));
    QCOMPARE(common.txPower, qint8(-12));
    QCOMPARE(common.stabilitySensitivity, quint16(320));
    QCOMPARE(common.audioChannel, quint8(15));
    QCOMPARE(common.iaafTime, quint16(120));
    QCOMPARE(common.minIaafTime, quint16(80));
    QCOMPARE(common.maxIaafTime, quint16(200));
    QCOMPARE(common.startSensitivity, quint16(150));
    QCOMPARE(app().coordinatorSettings().txPower, qint8(8));
    QCOMPARE(app().coordinatorSettings().audioChannel, quint8(4));

    app().SyncSettings();
    const QMap<QString, QString> file = AppTestEnvironment::fileEntries();
    QCOMPARE(file.value(QStringLiteral("General/debug")), QStringLiteral("0"));
    QCOMPARE(file.value(QStringLiteral("StartBlockSettings/min_iaaf")), QStringLiteral("80"));
}

class TstOperationModes : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void userSelectedModeDecides_data();
    void userSelectedModeDecides();
    void restoreCopiesModesIntoDeviceRecords();
};

void TstOperationModes::init()
{
    AppTestEnvironment::clearStore();
}

void TstOperationModes::userSelectedModeDecides_data()
{
    QTest::addColumn<QVariant>("userStored");
    QTest::addColumn<QVariant>("modeStored");
    QTest::addColumn<int>("userMode");
    QTest::addColumn<int>("mode");
    QTest::newRow("not set: wireless") << QVariant() << QVariant(2) << 1 << 1;
    QTest::newRow("0: wireless") << QVariant(0) << QVariant(2) << 1 << 1;
    QTest::newRow("wireless ignores stored mode") << QVariant(1) << QVariant(2) << 1 << 1;
    QTest::newRow("wired ignores stored mode") << QVariant(2) << QVariant(1) << 2 << 2;
    QTest::newRow("wired without stored mode") << QVariant(2) << QVariant() << 2 << 2;
    QTest::newRow("automatic takes stored wired") << QVariant(3) << QVariant(2) << 3 << 2;
    QTest::newRow("automatic takes stored wireless") << QVariant(3) << QVariant(1) << 3 << 1;
    QTest::newRow("automatic with mode 0") << QVariant(3) << QVariant(0) << 3 << 1;
    QTest::newRow("automatic with mode 3") << QVariant(3) << QVariant(3) << 3 << 1;
    QTest::newRow("unknown choice: wireless") << QVariant(7) << QVariant(2) << 1 << 1;
}

void TstOperationModes::userSelectedModeDecides()
{
    QFETCH(QVariant, userStored);
    QFETCH(QVariant, modeStored);
    QFETCH(int, userMode);
    QFETCH(int, mode);
    if (userStored.isValid())
        AppTestEnvironment::storeValue("general", "userselectedoperationmode", userStored);
    if (modeStored.isValid())
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
    QCOMPARE(blocks.operationMode, 2);
    QCOMPARE(blocks.startSoundMode, 1);
    QCOMPARE(blocks.recallSoundMode, 2);
    QCOMPARE(blocks.recallBeepsMode, 3);
    QCOMPARE(blocks.audioVolume, quint8(10));
    QCOMPARE(blocks.acceleroSensitivity, quint16(512)); // stored settings stay
    const CoordinatorCommonSettings &coordinator = app().coordinatorSettings();
    QCOMPARE(coordinator.operationMode, 2);
    QCOMPARE(coordinator.startSoundMode, 1);
    QCOMPARE(coordinator.recallSoundMode, 2);
    QCOMPARE(coordinator.recallBeepsMode, 3);
    QCOMPARE(coordinator.audioVolume, quint8(10));
    QCOMPARE(coordinator.headsetVolume, quint8(12));
    QCOMPARE(coordinator.photoFinishDevice, 1);
    QCOMPARE(coordinator.audioChannel, quint8(1));
}

class TstMinimumSensitivity : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void boundedButKeptInFile_data();
    void boundedButKeptInFile();
};

void TstMinimumSensitivity::init()
{
    AppTestEnvironment::clearStore();
}

void TstMinimumSensitivity::boundedButKeptInFile_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("used");
    QTest::addColumn<QString>("inFile");
    QTest::newRow("100 below the range") << 100 << 512 << "100";
    QTest::newRow("159 below the range") << 159 << 512 << "159";
    QTest::newRow("160 lowest") << 160 << 160 << "160";
    QTest::newRow("300") << 300 << 300 << "300";
    QTest::newRow("512 highest") << 512 << 512 << "512";
    QTest::newRow("513 above the range") << 513 << 512 << "513";
    QTest::newRow("0 not set, written back") << 0 << 512 << "512";
}

void TstMinimumSensitivity::boundedButKeptInFile()
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

class TstResultsDirectory : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void existingResultsDirectoryIsUsed();
    void eventsLiveBesideResults();
    void missingResultsDirectoryFallsBackToHome();
    void resultsWithoutResultsFolderGiveHomeEvents();

private:
    QTemporaryDir m_dir;
};

void TstResultsDirectory::init()
{
    AppTestEnvironment::clearStore();
    QVERIFY(m_dir.isValid());
}

void TstResultsDirectory::existingResultsDirectoryIsUsed()
{
    const QString results = m_dir.filePath("meet");
    QVERIFY(QDir().mkpath(results));
    AppTestEnvironment::storeValue("general", "results_dir", results);
    app().LoadSettings();
    QCOMPARE(app().projectSettings().resultsDir, results);
}

void TstResultsDirectory::eventsLiveBesideResults()
{
    const QString results = m_dir.filePath("club/Results/2024");
    QVERIFY(QDir().mkpath(results));
    QVERIFY(QDir().mkpath(m_dir.filePath("club/Events")));
    AppTestEnvironment::storeValue("general", "results_dir", results);
    app().LoadSettings();
    QCOMPARE(app().projectSettings().eventsDir, m_dir.filePath("club/Events"));
}

void TstResultsDirectory::missingResultsDirectoryFallsBackToHome()
{
    AppTestEnvironment::storeValue("general", "results_dir", m_dir.filePath("gone/Results"));
    app().LoadSettings();
    QCOMPARE(app().projectSettings().resultsDir, QDir::homePath() + "/Results");
    QCOMPARE(app().projectSettings().eventsDir, QDir::homePath() + "/Events");
    app().SyncSettings();
    // the fallback is not written back
    QCOMPARE(AppTestEnvironment::fileEntries().value("General/results_dir"), m_dir.filePath("gone/Results"));
}

void TstResultsDirectory::resultsWithoutResultsFolderGiveHomeEvents()
{
    const QString results = m_dir.filePath("plain");
    QVERIFY(QDir().mkpath(results));
    AppTestEnvironment::storeValue("general", "results_dir", results);
    app().LoadSettings();
    QCOMPARE(app().projectSettings().eventsDir, QDir::homePath() + "/Events");

    QVERIFY(QDir().mkpath(results + "/Events"));
    app().LoadSettings();
    QCOMPARE(app().projectSettings().eventsDir, results + "/Events");
}

class TstSettingKeys : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void keyIsFoundRegardlessOfCase_data();
    void keyIsFoundRegardlessOfCase();
    void writeKeepsTheStoredSpelling();
    void newKeyIsWrittenAsGiven();
    void absentKeyGivesInvalidValue();
    void doubledSpellingsCollapseOnWrite();
    void clearingRemovesOnlyThatGroup();
};

void TstSettingKeys::init()
{
    AppTestEnvironment::clearStore();
}

void TstSettingKeys::keyIsFoundRegardlessOfCase_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("storedBefore");
    QTest::newRow("coordinator, key present") << "CoordinatorSettings" << true;
    QTest::newRow("coordinator, key new") << "CoordinatorSettings" << false;
    QTest::newRow("start blocks, key present") << "StartBlockSettings" << true;
    QTest::newRow("start blocks, key new") << "StartBlockSettings" << false;
}

// callers store a new transmit power as "rftxpower"; the loaders read "rftxPower"
void TstSettingKeys::keyIsFoundRegardlessOfCase()
{
    QFETCH(QString, group);
    QFETCH(bool, storedBefore);
    if (storedBefore)
        AppTestEnvironment::storeValue(group, "rftxPower", 3);
    app().SetSetting(group, "rftxpower", -7);
    QCOMPARE(app().GetSetting(group, "rftxPower").toInt(), -7);
    app().LoadCoordinatorSettings();
    app().LoadStartBlockSettings();
    const int loaded = group == "CoordinatorSettings" ? app().coordinatorSettings().txPower
                                                      : app().startBlockCommonSettings().txPower;
    QCOMPARE(loaded, -7);
}

void TstSettingKeys::writeKeepsTheStoredSpelling()
{
    AppTestEnvironment::storeValue("CoordinatorSettings", "rftxPower", 3);
    app().SetSetting("CoordinatorSettings", "rftxpower", -7);
    app().SyncSettings();
    const QMap<QString, QString> file = AppTestEnvironment::fileEntries();
    QCOMPARE(file.value("CoordinatorSettings/rftxPower"), QStringLiteral("-7"));
    QVERIFY(!file.contains("CoordinatorSettings/rftxpower"));
}

void TstSettingKeys::newKeyIsWrittenAsGiven()
{
    app().SetSetting("general", "Race_NR", 5);
    app().SyncSettings();
    QCOMPARE(AppTestEnvironment::fileEntries().value("General/Race_NR"), QStringLiteral("5"));
    app().LoadSettings();
    QCOMPARE(app().projectSettings().raceNumber, 5);
}

void TstSettingKeys::absentKeyGivesInvalidValue()
{
    QVERIFY(!app().GetSetting("general", "nothing_here").isValid());
    QVERIFY(!app().GetSetting("nogroup", "race_nr").isValid());
}

void TstSettingKeys::doubledSpellingsCollapseOnWrite()
{
    AppTestEnvironment::storeValue("StartBlockSettings", "rftxPower", 3);
    AppTestEnvironment::storeValue("StartBlockSettings", "RFTXPOWER", 4);
    app().SetSetting("StartBlockSettings", "rftxpower", -2);
    app().SyncSettings();
    const QMap<QString, QString> file = AppTestEnvironment::fileEntries();
    QCOMPARE(file.size(), 1);
    QCOMPARE(file.firstKey().toLower(), QStringLiteral("startblocksettings/rftxpower"));
    QCOMPARE(file.first(), QStringLiteral("-2"));
    app().LoadStartBlockSettings();
    QCOMPARE(app().startBlockCommonSettings().txPower, qint8(-2));
}

void TstSettingKeys::clearingRemovesOnlyThatGroup()
{
    AppTestEnvironment::storeValue("printers", "printers.count", 1);
    AppTestEnvironment::storeValue("printers", "printer0.type", 2);
    AppTestEnvironment::storeValue("general", "race_nr", 9);
    app().ClearSettingsGroup("printers");
    app().SyncSettings();
    const QMap<QString, QString> file = AppTestEnvironment::fileEntries();
    QCOMPARE(file.keys(), QStringList{"General/race_nr"});
}

class TstStoredFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void generalGroupSurvivesARestart();
    void fileOfAnEarlierRunIsRead();
};

void TstStoredFile::init()
{
    AppTestEnvironment::clearStore();
}

// the INI writer stores the group "general" under a section that reads back as "General"
void TstStoredFile::generalGroupSurvivesARestart()
{
    app().SetSetting("general", "race_nr", 7);
    app().SetSetting("general", "starter_name", "Cleo");
    app().SyncSettings();
    AppTestEnvironment::writeFile(fileText());
    app().SyncSettings();
    app().LoadSettings();
    QCOMPARE(app().projectSettings().raceNumber, 7);
    QCOMPARE(app().projectSettings().starterName, QStringLiteral("Cleo"));
    app().SetSetting("general", "race_nr", 8);
    app().SyncSettings();
    QCOMPARE(AppTestEnvironment::fileEntries().value("General/race_nr"), QStringLiteral("8"));
}

void TstStoredFile::fileOfAnEarlierRunIsRead()
{
    AppTestEnvironment::writeFile("[%General]\nrace_nr=5\nuserselectedoperationmode=2\n\n"
                                  "[CoordinatorSettings]\nrftxpower=-3\nAudioChannel=6\n\n"
                                  "[StartBlockSettings]\nRFTXPOWER=4\n");
    app().SyncSettings();
    reloadAll();
    QCOMPARE(app().projectSettings().raceNumber, 5);
    QCOMPARE(app().projectSettings().operationMode, 2);
    QCOMPARE(app().coordinatorSettings().txPower, qint8(-3));
    QCOMPARE(app().coordinatorSettings().audioChannel, quint8(6));
    QCOMPARE(app().startBlockCommonSettings().txPower, qint8(4));
}

class TstPrinters : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void printersRoundTrip();
    void onlyTheSerialPrinterStoresAPort();
    void savingReplacesTheOldList();
    void unknownTypesAndCountsAreSkipped_data();
    void unknownTypesAndCountsAreSkipped();
};

void TstPrinters::init()
{
    AppTestEnvironment::clearStore();
}

void TstPrinters::printersRoundTrip()
{
    const QList<PrinterEntry> printers = {{PrinterSerial, "ttyS1 [Printer port]"}, {PrinterTicket, {}}};
    app().SavePrinters(printers);
    QCOMPARE(app().LoadPrinters(), printers);
    app().LoadSettings();
    QCOMPARE(app().projectSettings().printers, printers);
}

void TstPrinters::onlyTheSerialPrinterStoresAPort()
{
    app().SavePrinters({{PrinterTicket, "ignored"}, {PrinterSerial, "ttyS1 [Printer port]"}});
    app().SyncSettings();
    const QMap<QString, QString> expected = {
        {"printers/printers.count", "2"},
        {"printers/printer0.type", "2"},
        {"printers/printer1.type", "3"},
        {"printers/printer1.com", "ttyS1 [Printer port]"},
    };
    QCOMPARE(AppTestEnvironment::fileEntries(), expected);
    const QList<PrinterEntry> loaded = app().LoadPrinters();
    QCOMPARE(loaded.size(), 2);
    QVERIFY(loaded.at(0).port.isEmpty());
}

void TstPrinters::savingReplacesTheOldList()
{
    app().SavePrinters({{PrinterTicket, {}}, {PrinterSerial, "ttyS0 [a]"}});
    app().SavePrinters({{PrinterTicket, {}}});
    app().SyncSettings();
    const QMap<QString, QString> file = AppTestEnvironment::fileEntries();
    QVERIFY(!file.contains("printers/printer1.type"));
    QVERIFY(!file.contains("printers/printer1.com"));
    QCOMPARE(app().LoadPrinters(), (QList<PrinterEntry>{{PrinterTicket, {}}}));
}

void TstPrinters::unknownTypesAndCountsAreSkipped_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("firstType");
    QTest::addColumn<int>("loaded");
    QTest::newRow("type 0") << 2 << 0 << 1;
    QTest::newRow("type 7") << 2 << 7 << 1;
    QTest::newRow("count past the entries") << 5 << 2 << 2;
    QTest::newRow("count beyond 8 bits") << 100000 << 2 << 0;
    QTest::newRow("negative count") << -1 << 2 << 0;
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
    int failed = 0;
    TstAppInstance instance;
    failed += QTest::qExec(&instance, argc, argv);
    TstSettingsDefaults defaults;
    failed += QTest::qExec(&defaults, argc, argv);
    TstOperationModes modes;
    failed += QTest::qExec(&modes, argc, argv);
    TstMinimumSensitivity sensitivity;
    failed += QTest::qExec(&sensitivity, argc, argv);
    TstResultsDirectory results;
    failed += QTest::qExec(&results, argc, argv);
    TstSettingKeys keys;
    failed += QTest::qExec(&keys, argc, argv);
    TstStoredFile storedFile;
    failed += QTest::qExec(&storedFile, argc, argv);
    TstPrinters printers;
    failed += QTest::qExec(&printers, argc, argv);
    return failed;
}

#include "tst_quellorapp.moc"
