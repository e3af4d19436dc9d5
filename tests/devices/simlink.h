#pragma once

#include <QObject>
#include <QString>

#include "serialtestkit.h"
#include "sim/devicesimulator.h"

// The program's serial object on a real pseudo-terminal, with the simulator answering on the other end
// in the same thread, and device objects for the simulator's coordinator and blocks.
class SimLink
{
public:
    explicit SimLink(const SimScenario &scenario, CSerialComThread::PortFactory portFactory = {})
        : sim(scenario), serial(nullptr, std::move(portFactory))
    {
        coordinator = new CCoordinator(&devices);
        coordinator->SetMacAddress(simMacText(scenario.coordinatorMac));
        serial.setCoordinator(coordinator);
        for (const SimLaneScenario &lane : scenario.lanes) {
            auto *block = new CStartBlock(&devices);
            block->SetMacAddress(simMacText(lane.mac));
            block->setLane(lane.lane);
            block->setMeasurement(new CStartBlockMeasurement(block));
            blocks << block;
            serial.appendStartBlock(block);
        }
        QObject::connect(coordinator, &CCoordinator::new_spectrum, &serial,
                         &CSerialComThread::OnCoordinatorNewSpectrum);
    }

    // Opens the terminal's device end at 9600 baud, as the program does at start; false without a pty.
    bool start()
    {
        if (!sim.start())
            return false;
        serial.OpenPort(sim.devicePath() + QStringLiteral(" [Quellor simulator]"),
                        CSerialComThread::kBaudWired);
        return serial.baudRate() == CSerialComThread::kBaudWired;
    }

    QList<SimRequest> requests(quint8 command) const
    {
        QList<SimRequest> found;
        for (const SimRequest &request : sim.receivedRequests()) {
            if (request.frame.command == command)
                found << request;
        }
        return found;
    }

    // Set-status requests as "target:id=value" in the order the simulator received them.
    QStringList setStatusRequests() const
    {
        QStringList found;
        for (const SimRequest &request : requests(0x06)) {
            QString target = QStringLiteral("B");
            if (request.frame.mac == sim.scenario().coordinatorMac)
                target = QStringLiteral("C");
            else if (request.frame.mac == simBroadcastMac())
                target = QStringLiteral("all");
            for (const SimItem &item : request.items)
                found << QStringLiteral("%1:%2=%3")
                             .arg(target)
                             .arg(item.id)
                             .arg(item.value.isEmpty() ? 0 : quint8(item.value.at(0)));
        }
        return found;
    }

    DeviceSimulator sim;
    QObject devices;
    CCoordinator *coordinator = nullptr;
    QList<CStartBlock *> blocks;
    TestSerial serial;
};
