#pragma once

#include <functional>
#include <memory>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QString>
#include <QTimer>

#include "core/quellorapp.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "sim/devicesimulator.h"

// What the benches that build the main window against the device simulator share: the simulator's devices
// stored as a set, and the event loop run for a while or until something is done.
namespace BenchSimSet
{

inline const QString kSetName = QStringLiteral("bench");

inline void store(QuellorApp &app, const SimScenario &scenario)
{
    StartBlockSetGroup set;
    set.coordinator = std::make_unique<CCoordinator>();
    set.coordinator->SetMacAddress(simMacText(scenario.coordinatorMac));
    for (const SimLaneScenario &lane : scenario.lanes) {
        auto block = std::make_unique<CStartBlock>();
        block->SetMacAddress(simMacText(lane.mac));
        block->setLane(lane.lane);
        set.blocks.push_back(std::move(block));
    }
    app.SaveStartBlockSets({kSetName}, {&set});
}

inline void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until done() holds or ms have passed; done() at the end.
inline bool waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    return done();
}

} // namespace BenchSimSet
