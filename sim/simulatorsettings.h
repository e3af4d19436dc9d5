#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

struct SimScenario;

// Settings that put the program in front of the device simulator: the simulator's coordinator and blocks
// as a stored set, the set chosen, the simulator's device as the coordinator's port and a results folder.
namespace SimulatorSettings
{

// "group/key" and value, as the settings store keeps them.
using Entries = QList<QPair<QString, QVariant>>;

Entries forSimulator(const SimScenario &scenario, const QString &devicePath, const QString &setName,
                     const QString &resultsDir);
// The text of a settings file holding exactly these entries, as the settings store writes it.
QByteArray iniText(const Entries &entries);
// Writes them into the file at path, replacing what it held.
bool writeFile(const QString &path, const Entries &entries);

} // namespace SimulatorSettings
