#pragma once

#include <QDir>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "sim/devicesimulator.h"
#include "sim/simulatorsettings.h"

// What a bench gives the program it starts against the device simulator: a home, settings that choose
// the simulator's devices and its terminal, and a results folder, all in dir; offscreen unless told
// otherwise, debug output off.
inline QProcessEnvironment simProgramEnvironment(const QTemporaryDir &dir, const DeviceSimulator &sim)
{
    const QString config = dir.filePath(QStringLiteral("config"));
    QDir().mkpath(dir.filePath(QStringLiteral("home")));
    QDir().mkpath(dir.filePath(QStringLiteral("results")));
    SimulatorSettings::writeFile(config + QStringLiteral("/Halvexa/Wireless Quellor.ini"),
                                 SimulatorSettings::forSimulator(sim.scenario(), sim.devicePath(),
                                                                 QStringLiteral("Sim"),
                                                                 dir.filePath(QStringLiteral("results"))));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.debug=false"));
    return environment;
}
