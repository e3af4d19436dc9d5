#pragma once

#include <utility>

#include "core/projectsettings.h"
#include "devices/ccoordinator.h"
#include "devices/cserialcomthread.h"
#include "devices/cstartblock.h"
#include "mainwindow/mainwindow.h"
#include "sim/devicesimulator.h"

// Gives the main window the simulator's coordinator and blocks with the wiring that building the lanes
// makes, opens the simulator's terminal in wireless operation and shows the waiting status, as applying the
// project settings does.
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
    window->chosenSet().adopt(std::move(set));
    CSerialComThread *serial = window->serialComThread();
    CCoordinator *unit = window->coordinator();
    serial->setCoordinator(unit);
    QObject::connect(unit, &CCoordinator::new_set_status_field, window,
                     &MainWindow::OnCoordinatorNewSetStatusField);
    QObject::connect(unit, &CCoordinator::new_info_fields_set, window,
                     &MainWindow::OnCoordinatorNewInfoFieldsSet);
    QObject::connect(unit, &CCoordinator::new_spectrum, serial, &CSerialComThread::OnCoordinatorNewSpectrum);
    for (CStartBlock *block : window->startBlocks()) {
        serial->appendStartBlock(block);
        QObject::connect(block, &CStartBlock::new_info_fields_set, window,
                         &MainWindow::OnStartBlockNewInfoFieldsSet);
        QObject::connect(block->measurement(), &CStartBlockMeasurement::new_graph, window,
                         &MainWindow::OnMeasurementNewGraphReceived);
    }
    serial->OpenPort(sim.devicePath() + QStringLiteral(" [Quellor simulator]"), CSerialComThread::kBaudWired);
    serial->setUserSelectedOperationMode(OperationModeWireless);
    serial->SetOperationMode(OperationModeWireless);
    window->UpdateWaitingStatus();
}
