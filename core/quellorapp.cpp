#include "core/quellorapp.h"

#include <algorithm>
#include <atomic>
#include <limits>

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QSettings>

#include "core/settingsgroup.h"
#include "core/sharedconstants.h"
#include "core/sharedtypes.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"

using namespace SettingsKeys;

namespace
{

constexpr char kResultsFolder[] = "/Results";
constexpr char kEventsFolder[] = "/Events";
constexpr char kDefaultStarterName[] = "Starter 1";
constexpr char kDebugOn[] = "1";

constexpr int kDefaultRaceNumber = 1;
constexpr int kPrintOff = 1;
constexpr int kPrintResultsAndGraphs = 3;
constexpr int kStartSoundOff = 1;
constexpr int kStartSoundBang = 3;
constexpr int kRecallAutomatic = 1;
constexpr int kRecallRemote = 2;
constexpr int kRecallBeepsOn = 1;
constexpr int kRecallBeepsOff = 4;
constexpr int kMinVolumeCode = 6;
constexpr int kMaxVolumeCode = 16;
constexpr int kPhotoFinishNone = 1;
constexpr int kPhotoFinishOrvane = 2;
constexpr int kMaxPrinters = std::numeric_limits<quint8>::max(); // the count is an 8-bit value

constexpr int kDefaultSensitivity = 512;
constexpr int kLowestMinSensitivity = 160;
constexpr int kHighestMinSensitivity = 512;
constexpr int kDefaultStabilitySensitivity = 400;
constexpr int kDefaultIaafTime = 100;
constexpr int kDefaultStartSensitivity = 170;
constexpr int kMaxUnsigned16 = std::numeric_limits<quint16>::max();
constexpr int kMinTxPower = std::numeric_limits<qint8>::min();
constexpr int kMaxTxPower = std::numeric_limits<qint8>::max();
constexpr int kMaxLane = std::numeric_limits<quint8>::max();
constexpr int kCoordinatorLane = 0;

std::atomic<QuellorApp *> s_instance{nullptr};

QString keyFor(const char *pattern, int index)
{
    return QString::fromLatin1(pattern).arg(index);
}

QString entryKey(const char *pattern, int set, int entry)
{
    return QString::fromLatin1(pattern).arg(set).arg(entry);
}

// The stored number, or 0 when it is missing, no number or outside [min, max]: all of these mean "not set".
int storedNumber(const SettingsGroup &group, const QString &key, int min, int max)
{
    bool ok = false;
    const qlonglong value = group.value(key).toLongLong(&ok);
    return ok && value >= min && value <= max ? int(value) : 0;
}

int numberOr(const SettingsGroup &group, const QString &key, int min, int max, int fallback)
{
    const int value = storedNumber(group, key, min, max);
    return value != 0 ? value : fallback;
}

// Like numberOr, but a value that is not set gets the fallback written into the store.
int numberOrWriteBack(SettingsGroup &group, const QString &key, int min, int max, int fallback)
{
    const int value = storedNumber(group, key, min, max);
    if (value != 0)
        return value;
    group.setValue(key, fallback);
    return fallback;
}

// A stored count can be no larger than the group's number of keys, whatever the file says.
int boundedCount(const SettingsGroup &group, const QString &key)
{
    bool ok = false;
    const qlonglong count = group.value(key).toLongLong(&ok);
    return ok ? int(std::clamp<qlonglong>(count, 0, group.keyCount())) : 0;
}

// A lane that is no 8-bit number reads as 0, the lane of no block.
quint8 storedLane(const SettingsGroup &group, int set, int entry)
{
    return quint8(storedNumber(group, entryKey(kSetBlockLane, set, entry), 0, kMaxLane));
}

QString storedMac(const SettingsGroup &group, int set, int entry)
{
    return group.value(entryKey(kSetBlockMac, set, entry)).toString();
}

bool isCoordinatorEntry(const QString &mac)
{
    return mac.endsWith(QLatin1String(kCoordinatorMarker));
}

void addStoredDevice(StartBlockSetGroup &set, const QString &setName, quint8 lane, const QString &mac)
{
    if (isCoordinatorEntry(mac)) {
        auto coordinator = std::make_unique<CCoordinator>();
        coordinator->SetMacAddress(QString(mac).remove(QLatin1String(kCoordinatorMarker)));
        coordinator->setStartBlockSetName(setName);
        set.coordinator = std::move(coordinator); // a later coordinator entry replaces an earlier one
        return;
    }
    auto block = std::make_unique<CStartBlock>();
    block->setLane(lane);
    block->SetMacAddress(mac);
    block->setStartBlockSetName(setName);
    set.blocks.push_back(std::move(block));
}

void writeEntry(SettingsGroup &group, int set, int entry, int lane, const QString &mac)
{
    group.setValue(entryKey(kSetBlockLane, set, entry), lane);
    group.setValue(entryKey(kSetBlockMac, set, entry), mac);
}

void writeSet(SettingsGroup &group, int index, const QString &name, const StartBlockSetGroup *set)
{
    group.setValue(keyFor(kSetName, index), name);
    int entry = 0;
    if (set && set->coordinator)
        writeEntry(group, index, entry++, kCoordinatorLane,
                   set->coordinator->GetMacAddress() + QLatin1String(kCoordinatorMarker));
    if (set) {
        for (const auto &block : set->blocks) {
            if (block)
                writeEntry(group, index, entry++, block->lane(), block->GetMacAddress());
        }
    }
    group.setValue(keyFor(kSetBlocks, index), entry);
}

int defaultAudioChannel()
{
    return QuellorApp::DefaultChannelIndex() + 1;
}

int audioChannelOf(const SettingsGroup &group)
{
    return numberOr(group, kAudioChannel, 1, int(SharedConstants::radioChannels().size()),
                    defaultAudioChannel());
}

// Creation failures are not reported here: the path is used all the same.
QString madeDirectory(const QString &path)
{
    QDir().mkpath(path);
    return path;
}

bool isDirectory(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

// The current modes that the coordinator and the start-block records both copy from the general settings.
template<typename DeviceSettings>
void copyCurrentModes(const ProjectSettings &general, DeviceSettings &record)
{
    record.operationMode = general.operationMode;
    record.startSoundMode = general.startSoundMode;
    record.recallSoundMode = general.recallSoundMode;
    record.recallBeepsMode = general.recallBeepsMode;
    record.audioVolume = general.audioVolume;
}

} // namespace

QuellorApp *QuellorApp::Create(int &argc, char **argv)
{
    if (QuellorApp *existing = s_instance.load())
        return existing;
    static QMutex creationMutex;
    const QMutexLocker lock(&creationMutex);
    if (!s_instance.load())
        s_instance.store(new QuellorApp(argc, argv));
    return s_instance.load();
}

QuellorApp *QuellorApp::Instance()
{
    return s_instance.load();
}

QuellorApp::QuellorApp(int &argc, char **argv)
    : QApplication(argc, argv),
      m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QLatin1String(SharedConstants::kMaker),
                                             QLatin1String(SharedConstants::kProgramName)))
{
    registerSharedMetaTypes(); // before any queued connection carries them
    LoadSettings();
    LoadCoordinatorSettings();
    LoadStartBlockSettings();
}

QuellorApp::~QuellorApp()
{
    static QMutex destructionMutex;
    const QMutexLocker lock(&destructionMutex);
    s_instance.store(nullptr);
}

QVariant QuellorApp::GetSetting(const QString &group, const QString &key) const
{
    const SettingsGroup settingsGroup(*m_settings, group);
    return settingsGroup.value(key);
}

void QuellorApp::SetSetting(const QString &group, const QString &key, const QVariant &value)
{
    SettingsGroup settingsGroup(*m_settings, group);
    settingsGroup.setValue(key, value);
}

void QuellorApp::SyncSettings()
{
    m_settings->sync();
}

void QuellorApp::ClearSettingsGroup(const QString &group)
{
    SettingsGroup settingsGroup(*m_settings, group);
    settingsGroup.clear();
}

void QuellorApp::LoadSettings()
{
    QString storedResultsDir;
    {
        SettingsGroup general(*m_settings, QLatin1String(kGroupGeneral));
        loadTexts(general);
        m_projectSettings.raceNumber =
            numberOr(general, kRaceNumber, 1, std::numeric_limits<int>::max(), kDefaultRaceNumber);
        m_projectSettings.printerOption =
            quint8(numberOr(general, kPrinterOption, kPrintOff, kPrintResultsAndGraphs, kPrintOff));
        loadOperationModes(general);
        loadSoundSettings(general);
        loadDebugFlag(general);
        storedResultsDir = general.value(kResultsDir).toString();
    }
    m_projectSettings.printers = LoadPrinters();
    loadResultsDirectories(storedResultsDir);
    RestoreCurrentModes();
}

void QuellorApp::loadTexts(const SettingsGroup &general)
{
    ProjectSettings &settings = m_projectSettings;
    settings.savePath = general.value(kSavePath).toString();
    settings.openPath = general.value(kOpenPath).toString();
    settings.loadPath = general.value(kLoadPath).toString();
    settings.lastCom = general.value(kLastCom).toString();
    settings.lastSet = general.value(kLastSet).toString();
    settings.language = general.value(kLanguage).toString();
    settings.starterName = general.value(kStarterName).toString();
    if (settings.starterName.isEmpty())
        settings.starterName = QLatin1String(kDefaultStarterName);
}

void QuellorApp::loadOperationModes(const SettingsGroup &general)
{
    const int userMode =
        storedNumber(general, kUserSelectedOperationMode, OperationModeWireless, OperationModeAutomatic);
    if (userMode == 0) {
        m_projectSettings.userSelectedOperationMode = OperationModeWireless;
        m_projectSettings.operationMode = OperationModeWireless;
    } else if (userMode == OperationModeAutomatic) {
        m_projectSettings.userSelectedOperationMode = userMode;
        m_projectSettings.operationMode = numberOr(general, kOperationMode, OperationModeWireless,
                                                   OperationModeWired, OperationModeWireless);
    } else {
        m_projectSettings.userSelectedOperationMode = userMode;
        m_projectSettings.operationMode = userMode;
    }
}

void QuellorApp::loadSoundSettings(const SettingsGroup &general)
{
    ProjectSettings &settings = m_projectSettings;
    settings.startSoundMode =
        numberOr(general, kStartSoundMode, kStartSoundOff, kStartSoundBang, kStartSoundBang);
    settings.recallSoundMode =
        numberOr(general, kRecallSoundMode, kRecallAutomatic, kRecallRemote, kRecallAutomatic);
    settings.recallBeepsMode =
        numberOr(general, kRecallBeepsMode, kRecallBeepsOn, kRecallBeepsOff, kRecallBeepsOn);
    settings.audioVolume =
        quint8(numberOr(general, kAudioVolume, kMinVolumeCode, kMaxVolumeCode, kMaxVolumeCode));
    settings.headsetVolume =
        quint8(numberOr(general, kHeadsetVolume, kMinVolumeCode, kMaxVolumeCode, kMaxVolumeCode));
    settings.photoFinishDevice =
        numberOr(general, kPhotoFinishDevice, kPhotoFinishNone, kPhotoFinishOrvane, kPhotoFinishOrvane);
}

void QuellorApp::loadDebugFlag(SettingsGroup &general)
{
    const QString debug = general.value(kDebug).toString();
    if (debug.isEmpty())
        general.setValue(kDebug, QLatin1String(kDebugOn));
    m_projectSettings.debug = debug.isEmpty() || debug == QLatin1String(kDebugOn);
}

void QuellorApp::loadResultsDirectories(const QString &storedResultsDir)
{
    const QString home = QDir::homePath();
    m_projectSettings.resultsDir =
        isDirectory(storedResultsDir) ? storedResultsDir : madeDirectory(home + kResultsFolder);
    // meet event files live beside the results: ".../Results/..." gives ".../Events"
    const QString &resultsDir = m_projectSettings.resultsDir;
    const qsizetype resultsAt = resultsDir.indexOf(QLatin1String(kResultsFolder));
    const QString besideResults = (resultsAt < 0 ? resultsDir : resultsDir.left(resultsAt)) + kEventsFolder;
    m_projectSettings.eventsDir =
        isDirectory(besideResults) ? besideResults : madeDirectory(home + kEventsFolder);
}

void QuellorApp::LoadCoordinatorSettings()
{
    const SettingsGroup group(*m_settings, QLatin1String(kGroupCoordinator));
    m_coordinatorSettings.txPower = qint8(numberOr(group, kTxPower, kMinTxPower, kMaxTxPower, 0));
    m_coordinatorSettings.audioChannel = quint8(audioChannelOf(group));
}

void QuellorApp::LoadStartBlockSettings()
{
    SettingsGroup group(*m_settings, QLatin1String(kGroupStartBlock));
    StartBlockCommonSettings &settings = m_startBlockSettings;
    settings.acceleroSensitivity =
        quint16(numberOr(group, kAcceleroSensitivity, 1, kMaxUnsigned16, kDefaultSensitivity));
    const int minSensitivity =
        numberOrWriteBack(group, kMinAcceleroSensitivity, 1, kMaxUnsigned16, kDefaultSensitivity);
    settings.minAcceleroSensitivity =
        quint16(minSensitivity >= kLowestMinSensitivity && minSensitivity <= kHighestMinSensitivity
                    ? minSensitivity
                    : kDefaultSensitivity);
    settings.txPower = qint8(numberOr(group, kTxPower, kMinTxPower, kMaxTxPower, 0));
    settings.stabilitySensitivity =
        quint16(numberOr(group, kStabilitySensitivity, 1, kMaxUnsigned16, kDefaultStabilitySensitivity));
    settings.audioChannel = quint8(audioChannelOf(group));
    settings.iaafTime = quint16(numberOr(group, kIaaf, 1, kMaxUnsigned16, kDefaultIaafTime));
    settings.minIaafTime = quint16(numberOrWriteBack(group, kMinIaaf, 1, kMaxUnsigned16, kDefaultIaafTime));
    settings.maxIaafTime = quint16(numberOrWriteBack(group, kMaxIaaf, 1, kMaxUnsigned16, kDefaultIaafTime));
    settings.startSensitivity =
        quint16(numberOrWriteBack(group, kStartSensitivity, 1, kMaxUnsigned16, kDefaultStartSensitivity));
}

void QuellorApp::RestoreCurrentModes()
{
    copyCurrentModes(m_projectSettings, m_coordinatorSettings);
    m_coordinatorSettings.headsetVolume = m_projectSettings.headsetVolume;
    m_coordinatorSettings.photoFinishDevice = m_projectSettings.photoFinishDevice;
    copyCurrentModes(m_projectSettings, m_startBlockSettings);
}

int QuellorApp::DefaultChannelIndex()
{
    return int(SharedConstants::radioChannels().indexOf(QLatin1String(SharedConstants::kDefaultChannel)));
}

QStringList QuellorApp::GetStartBlockSetNames() const
{
    const SettingsGroup group(*m_settings, QLatin1String(kGroupSets));
    const int count = boundedCount(group, kSetsCount);
    QStringList names;
    for (int index = 0; index < count; ++index) {
        const QVariant name = group.value(keyFor(kSetName, index));
        if (name.isValid()) // a count that overstates the sets lists no phantoms
            names.append(name.toString());
    }
    return names;
}

std::unique_ptr<StartBlockSetGroup> QuellorApp::LoadStartBlockSet(const QString &name) const
{
    auto set = std::make_unique<StartBlockSetGroup>();
    const SettingsGroup group(*m_settings, QLatin1String(kGroupSets));
    const int count = boundedCount(group, kSetsCount);
    for (int index = 0; index < count; ++index) {
        if (group.value(keyFor(kSetName, index)).toString() != name)
            continue;
        const int entries = boundedCount(group, keyFor(kSetBlocks, index));
        for (int entry = 0; entry < entries; ++entry) {
            const QVariant mac = group.value(entryKey(kSetBlockMac, index, entry));
            if (mac.isValid()) // a count that overstates the entries adds no phantom blocks
                addStoredDevice(*set, name, storedLane(group, index, entry), mac.toString());
        }
    }
    std::stable_sort(set->blocks.begin(), set->blocks.end(),
                     [](const auto &left, const auto &right) { return left->lane() < right->lane(); });
    return set;
}

void QuellorApp::SaveStartBlockSets(const QStringList &names, const QList<const StartBlockSetGroup *> &groups)
{
    SettingsGroup group(*m_settings, QLatin1String(kGroupSets));
    group.clear();
    group.setValue(kSetsCount, int(names.size()));
    for (int index = 0; index < names.size(); ++index)
        writeSet(group, index, names.at(index), index < groups.size() ? groups.at(index) : nullptr);
}

// Only the lane keys of matching entries change: reloading the sets by name would merge same-named sets
// and write their blocks twice.
void QuellorApp::ChangeStartBlockLane(const QString &mac, quint8 oldLane, quint8 newLane)
{
    {
        SettingsGroup group(*m_settings, QLatin1String(kGroupSets));
        const int count = boundedCount(group, kSetsCount);
        for (int index = 0; index < count; ++index) {
            if (group.value(keyFor(kSetName, index)).toString() == m_projectSettings.lastSet)
                changeLaneInSet(group, index, mac, oldLane, newLane);
        }
    }
    SyncSettings();
}

void QuellorApp::changeLaneInSet(SettingsGroup &group, int set, const QString &mac, quint8 oldLane,
                                 quint8 newLane)
{
    const int entries = boundedCount(group, keyFor(kSetBlocks, set));
    for (int entry = 0; entry < entries; ++entry) {
        // stored MAC texts may carry upper-case digits; the devices report lower case
        const bool sameBlock = storedMac(group, set, entry).compare(mac, Qt::CaseInsensitive) == 0;
        if (sameBlock && storedLane(group, set, entry) == oldLane)
            group.setValue(entryKey(kSetBlockLane, set, entry), newLane);
    }
}

QList<PrinterEntry> QuellorApp::LoadPrinters() const
{
    const SettingsGroup group(*m_settings, QLatin1String(kGroupPrinters));
    const int count = storedNumber(group, kPrintersCount, 1, kMaxPrinters);
    QList<PrinterEntry> printers;
    for (int index = 0; index < count; ++index) {
        PrinterEntry entry;
        entry.type = storedNumber(group, keyFor(kPrinterType, index), PrinterTicket, PrinterSerial);
        if (entry.type == 0)
            continue; // a kind of printer this program does not know
        if (entry.type == PrinterSerial)
            entry.port = group.value(keyFor(kPrinterCom, index)).toString();
        printers.append(entry);
    }
    return printers;
}

void QuellorApp::SavePrinters(const QList<PrinterEntry> &printers)
{
    SettingsGroup group(*m_settings, QLatin1String(kGroupPrinters));
    group.clear();
    group.setValue(kPrintersCount, int(printers.size()));
    for (int index = 0; index < printers.size(); ++index) {
        const PrinterEntry &entry = printers.at(index);
        group.setValue(keyFor(kPrinterType, index), entry.type);
        if (entry.type == PrinterSerial)
            group.setValue(keyFor(kPrinterCom, index), entry.port);
    }
}
