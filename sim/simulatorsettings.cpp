#include "sim/simulatorsettings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "sim/simframe.h"
#include "sim/simscenario.h"

namespace SimulatorSettings
{

Entries forSimulator(const SimScenario &scenario, const QString &devicePath, const QString &setName,
                     const QString &resultsDir)
{
    Entries entries{{"general/last_com", devicePath + QStringLiteral(" [Quellor simulator]")},
                    {"general/last_set", setName},
                    {"general/results_dir", resultsDir},
                    {"sets/sets.count", 1},
                    {"sets/set 0.name", setName},
                    {"sets/set 0.blocks", int(scenario.lanes.size()) + 1},
                    {"sets/set 0.block 0.lane", 0},
                    {"sets/set 0.block 0.mac", simMacText(scenario.coordinatorMac) + QLatin1Char('*')}};
    for (int index = 0; index < scenario.lanes.size(); ++index) {
        const QString entry = QStringLiteral("sets/set 0.block %1.").arg(index + 1);
        entries.append({entry + QStringLiteral("lane"), int(scenario.lanes.at(index).lane)});
        entries.append({entry + QStringLiteral("mac"), simMacText(scenario.lanes.at(index).mac)});
    }
    return entries;
}

bool writeFile(const QString &path, const Entries &entries)
{
    QFile::remove(path);
    QSettings store(path, QSettings::IniFormat);
    for (const auto &[key, value] : entries)
        store.setValue(key, value);
    store.sync();
    return store.status() == QSettings::NoError;
}

QByteArray iniText(const Entries &entries)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    QFile file(path);
    if (!dir.isValid() || !writeFile(path, entries) || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace SimulatorSettings
