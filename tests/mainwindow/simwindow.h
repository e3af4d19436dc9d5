#pragma once

#include <utility>

#include "core/projectsettings.h"
#include "core/quellorapp.h"
#include "devices/ccoordinator.h"
#include "devices/cserialcomthread.h"
#include "devices/cstartblock.h"
#include "mainwindow/mainwindow.h"
#include "sim/devicesimulator.h"

// Stores the simulator's coordinator and blocks as a set and builds the window's lanes of it, opens the
// simulator's terminal in wireless operation and shows the waiting status, as applying the project settings
// does.
inline void attachSimulatorToWindow(MainWindow *window, const DeviceSimulator &sim)
{
    StartBlockSetGroup set;
    set.coordinator = std::make_unique<CCoordinator>();
    set.coordinator->SetMacAddress(simMacText(sim.scenario().coordinatorMac));
    for (const SimLaneScenario &lane : sim.scenario().lanes) {
        set.blocks.push_back(std::make_unique<CStartBlock>());
        set.blocks.back()->SetMacAddress(simMacText(lane.mac));
        set.blocks.back()->setLane(lane.lane);
    }
    const QString setName = QStringLiteral("simulator");
    QuellorApp::Instance()->SaveStartBlockSets({setName}, {&set});
    window->ClearStartBlockWidgets();
    window->SetupStartBlockSet(setName);
    CSerialComThread *serial = window->serialComThread();
    serial->OpenPort(sim.devicePath() + QStringLiteral(" [Quellor simulator]"), CSerialComThread::kBaudWired);
    serial->setUserSelectedOperationMode(OperationModeWireless);
    serial->SetOperationMode(OperationModeWireless);
    window->UpdateWaitingStatus();
}
