#include "mainwindow/projectsettingsstore.h"

#include <functional>

#include <QVariant>

#include "core/quellorapp.h"

using namespace SettingsKeys;

namespace ProjectSettingsStore
{

namespace
{

using Value = std::function<QVariant(const ProjectSettings &)>;

struct GeneralKey {
    const char *key;
    Value value;
};

const GeneralKey kPort{kLastCom, [](const ProjectSettings &s) { return QVariant(s.lastCom); }};
const GeneralKey kSet{kLastSet, [](const ProjectSettings &s) { return QVariant(s.lastSet); }};
const GeneralKey kResults{kResultsDir, [](const ProjectSettings &s) { return QVariant(s.resultsDir); }};
const GeneralKey kStarter{kStarterName, [](const ProjectSettings &s) { return QVariant(s.starterName); }};

// after the printer list, in this order
const GeneralKey kModes[] = {
    {kPrinterOption, [](const ProjectSettings &s) { return QVariant(int(s.printerOption)); }},
    {kUserSelectedOperationMode,
     [](const ProjectSettings &s) { return QVariant(s.userSelectedOperationMode); }},
    {kOperationMode, [](const ProjectSettings &s) { return QVariant(s.operationMode); }},
    {kStartSoundMode, [](const ProjectSettings &s) { return QVariant(s.startSoundMode); }},
    {kRecallSoundMode, [](const ProjectSettings &s) { return QVariant(s.recallSoundMode); }},
    {kRecallBeepsMode, [](const ProjectSettings &s) { return QVariant(s.recallBeepsMode); }},
    {kAudioVolume, [](const ProjectSettings &s) { return QVariant(int(s.audioVolume)); }},
    {kHeadsetVolume, [](const ProjectSettings &s) { return QVariant(int(s.headsetVolume)); }},
    {kPhotoFinishDevice, [](const ProjectSettings &s) { return QVariant(s.photoFinishDevice); }},
};

void write(QuellorApp &app, const ProjectSettings &settings, const GeneralKey &key)
{
    app.SetSetting(QLatin1String(kGroupGeneral), QLatin1String(key.key), key.value(settings));
}

// The dialog's records become the application's, with the working copies of the modes following them.
void keepRecords(QuellorApp &app, const ProjectSettings &settings, const StartBlockCommonSettings &common)
{
    app.setStartBlockCommonSettings(common);
    app.SetSetting(QLatin1String(kGroupStartBlock), QLatin1String(kAcceleroSensitivity),
                   int(common.acceleroSensitivity));
    app.setProjectSettings(settings);
    app.RestoreCurrentModes();
}

void writePrintersAndModes(QuellorApp &app, const ProjectSettings &settings)
{
    app.SavePrinters(settings.printers);
    for (const GeneralKey &key : kModes)
        write(app, settings, key);
}

} // namespace

void storeAtStartUp(QuellorApp &app, const ProjectSettings &settings, const StartBlockCommonSettings &common)
{
    keepRecords(app, settings, common);
    for (const GeneralKey *key : {&kPort, &kSet, &kResults, &kStarter})
        write(app, settings, *key);
    writePrintersAndModes(app, settings);
}

void storeFromProperties(QuellorApp &app, const ProjectSettings &settings,
                         const StartBlockCommonSettings &common, qint32 raceNumber)
{
    keepRecords(app, settings, common);
    write(app, settings, kPort);
    write(app, settings, kSet);
    app.SetSetting(QLatin1String(kGroupGeneral), QLatin1String(kRaceNumber), raceNumber);
    write(app, settings, kStarter);
    writePrintersAndModes(app, settings);
    write(app, settings, kResults);
}

bool deviceSettingsChanged(const ProjectSettings &before, const StartBlockCommonSettings &commonBefore,
                           const ProjectSettings &after, const StartBlockCommonSettings &commonAfter)
{
    return commonBefore.acceleroSensitivity != commonAfter.acceleroSensitivity ||
           before.userSelectedOperationMode != after.userSelectedOperationMode ||
           before.startSoundMode != after.startSoundMode || before.recallSoundMode != after.recallSoundMode ||
           before.recallBeepsMode != after.recallBeepsMode || before.audioVolume != after.audioVolume ||
           before.headsetVolume != after.headsetVolume || before.photoFinishDevice != after.photoFinishDevice;
}

bool lanesRebuilt(const QString &chosenSet, const QString &lastSetName, bool setsModified)
{
    return !chosenSet.isEmpty() && (chosenSet != lastSetName || setsModified);
}

} // namespace ProjectSettingsStore
