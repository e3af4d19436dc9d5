#pragma once

#include <memory>
#include <vector>

#include <QList>
#include <QString>
#include <QtGlobal>

class CCoordinator;
class CStartBlock;

// Groups and keys of the settings file. Keys are matched without regard to case when read or rewritten.
namespace SettingsKeys
{

inline constexpr char kGroupGeneral[] = "general";
inline constexpr char kGroupCoordinator[] = "CoordinatorSettings";
inline constexpr char kGroupStartBlock[] = "StartBlockSettings";
inline constexpr char kGroupSets[] = "sets";
inline constexpr char kGroupPrinters[] = "printers";

// group "general"
inline constexpr char kSavePath[] = "save_path";
inline constexpr char kOpenPath[] = "open_path";
inline constexpr char kLoadPath[] = "load_path";
inline constexpr char kLastCom[] = "last_com";
inline constexpr char kLastSet[] = "last_set";
inline constexpr char kResultsDir[] = "results_dir";
inline constexpr char kStarterName[] = "starter_name";
inline constexpr char kLanguage[] = "language";
inline constexpr char kOperationMode[] = "operationmode";
inline constexpr char kUserSelectedOperationMode[] = "userselectedoperationmode";
inline constexpr char kStartSoundMode[] = "startsoundmode";
inline constexpr char kRecallSoundMode[] = "recallsoundmode";
inline constexpr char kRecallBeepsMode[] = "recallbeepsmode";
inline constexpr char kAudioVolume[] = "audiovolume";
inline constexpr char kHeadsetVolume[] = "headsetvolume";
inline constexpr char kPhotoFinishDevice[] = "photofinishdevice";
inline constexpr char kRaceNumber[] = "race_nr";
inline constexpr char kRacedHeats[] = "raced_heats"; // each heat that had a gun, with its highest start
inline constexpr char kDebug[] = "debug";
inline constexpr char kPrinterOption[] = "printer_option";

// groups "CoordinatorSettings" and "StartBlockSettings"
inline constexpr char kTxPower[] = "rftxPower";
inline constexpr char kAudioChannel[] = "audiochannel";
inline constexpr char kAcceleroSensitivity[] = "accelerosensitivity";
inline constexpr char kMinAcceleroSensitivity[] = "min_accelerosensitivity";
inline constexpr char kStabilitySensitivity[] = "stabilitysensitivity";
inline constexpr char kStartSensitivity[] = "startsensitivity";
inline constexpr char kIaaf[] = "iaaf";
inline constexpr char kMinIaaf[] = "min_iaaf";
inline constexpr char kMaxIaaf[] = "max_iaaf";

// group "sets"; %1 is the set index, %2 the entry index
inline constexpr char kSetsCount[] = "sets.count";
inline constexpr char kSetName[] = "set %1.name";
inline constexpr char kSetBlocks[] = "set %1.blocks";
inline constexpr char kSetBlockLane[] = "set %1.block %2.lane";
inline constexpr char kSetBlockMac[] = "set %1.block %2.mac";
inline constexpr char kCoordinatorMarker[] = "*"; // appended to the MAC text of a set's coordinator entry

// group "printers"; %1 is the entry index
inline constexpr char kPrintersCount[] = "printers.count";
inline constexpr char kPrinterType[] = "printer%1.type";
inline constexpr char kPrinterCom[] = "printer%1.com";

} // namespace SettingsKeys

enum PrinterType : int {
    PrinterTicket = 2, // the ticket printer installed as the system's default printer
    PrinterSerial = 3, // the ticket printer on a serial port
};

struct PrinterEntry {
    int type = PrinterTicket;
    QString port; // serial port text "%1 [%2]"; only the serial printer has one

    bool operator==(const PrinterEntry &other) const { return type == other.type && port == other.port; }
};

// The general settings (group "general" and the printer list).
struct ProjectSettings {
    QString savePath;
    QString openPath;
    QString loadPath;
    QString lastCom;
    QString lastSet;
    QString resultsDir;
    QString eventsDir; // derived from the results directory, never stored
    QString starterName;
    QString language;
    qint32 operationMode = 0;             // the mode in force: 1 wireless, 2 wired
    qint32 userSelectedOperationMode = 0; // 1 wireless, 2 wired, 3 automatic detection
    qint32 startSoundMode = 0;            // 1 Off, 2 Beep, 3 Bang
    qint32 recallSoundMode = 0;           // 1 automatic, 2 remote (manual) recall
    qint32 recallBeepsMode = 0;           // 1..4
    quint8 audioVolume = 0;               // device volume code 6..16
    quint8 headsetVolume = 0;             // device volume code 6..16
    qint32 photoFinishDevice = 0;         // 1 None, 2 Orvane
    qint32 raceNumber = 0;
    bool debug = false;
    QList<PrinterEntry> printers;
    quint8 printerOption = 0; // 1 Off, 2 Results, 3 Results and graphs
};

// The coordinator settings the project expects (group "CoordinatorSettings" plus copies of the current
// modes of the general settings).
struct CoordinatorCommonSettings {
    qint8 txPower = 0;
    qint32 operationMode = 0;
    qint32 startSoundMode = 0;
    qint32 recallSoundMode = 0;
    qint32 recallBeepsMode = 0;
    quint8 audioVolume = 0;
    quint8 audioChannel = 0; // 1-based index into the radio channel list
    quint8 headsetVolume = 0;
    qint32 photoFinishDevice = 0;
};

// The settings common to all start blocks (group "StartBlockSettings" plus copies of the current modes of
// the general settings).
struct StartBlockCommonSettings {
    qint8 txPower = 0;
    quint16 acceleroSensitivity = 0; // AD units
    quint16 stabilitySensitivity = 0;
    quint16 startSensitivity = 0;
    quint16 iaafTime = 0; // false-start limit in ms
    quint16 minIaafTime = 0;
    quint16 maxIaafTime = 0;
    qint32 operationMode = 0;
    qint32 startSoundMode = 0;
    qint32 recallSoundMode = 0;
    qint32 recallBeepsMode = 0;
    quint8 audioVolume = 0;
    quint8 audioChannel = 0; // 1-based index into the radio channel list
    quint16 minAcceleroSensitivity = 0;
};

// The devices of one stored start-block set. The group owns them (they have no Qt parent) and deletes them
// with itself; a caller that hands a device to a Qt parent releases it from the group first.
struct StartBlockSetGroup {
    StartBlockSetGroup();
    ~StartBlockSetGroup();
    StartBlockSetGroup(StartBlockSetGroup &&other) noexcept;
    StartBlockSetGroup &operator=(StartBlockSetGroup &&other) noexcept;

    std::unique_ptr<CCoordinator> coordinator; // null when the set has none
    std::vector<std::unique_ptr<CStartBlock>> blocks;
};
