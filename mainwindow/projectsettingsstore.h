#pragma once

#include <QString>
#include <QtGlobal>

#include "core/projectsettings.h"

class QuellorApp;

// What start-up and the Properties action do with the project settings dialog's answers: keep its records
// in the application object, write them to the settings store, and tell what applying them must redo.
namespace ProjectSettingsStore
{

// Start-up: the sensitivity, then "last_com", "last_set", "results_dir", "starter_name", the printers and
// the modes and volumes. The race number, paths and language are left as they are.
void storeAtStartUp(QuellorApp &app, const ProjectSettings &settings, const StartBlockCommonSettings &common);
// Properties: as at start-up, with the window's race number after "last_set" and the results folder last.
void storeFromProperties(QuellorApp &app, const ProjectSettings &settings,
                         const StartBlockCommonSettings &common, qint32 raceNumber);

// A value the devices hold differs: the sensitivity, the chosen operation mode, a sound or recall mode, a
// volume or the photo-finish device. Ports, paths, names and the operation mode in force do not count.
bool deviceSettingsChanged(const ProjectSettings &before, const StartBlockCommonSettings &commonBefore,
                           const ProjectSettings &after, const StartBlockCommonSettings &commonAfter);

// The lanes are built again unless no set is chosen, or the same set as before is chosen and the set
// manager changed no set.
bool lanesRebuilt(const QString &chosenSet, const QString &lastSetName, bool setsModified);

} // namespace ProjectSettingsStore
