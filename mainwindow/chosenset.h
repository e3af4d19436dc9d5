#pragma once

#include <memory>
#include <vector>

#include <QList>

class CCoordinator;
class CStartBlock;
class CStartBlockMeasurement;
struct StartBlockSetGroup;

// The device objects of the chosen start-block set, owned by the main window from one build of the
// lanes to the next: the coordinator (none when the set has none), the blocks in the set's order and
// one measurement per block.
class ChosenSet
{
public:
    ChosenSet();
    ~ChosenSet();
    ChosenSet(const ChosenSet &) = delete;
    ChosenSet &operator=(const ChosenSet &) = delete;

    // Takes over the devices of a loaded set, replacing the ones held; each block gets a new measurement.
    void adopt(StartBlockSetGroup &&set);
    // Deletes every device and measurement.
    void clear();

    CCoordinator *coordinator() const { return m_coordinator.get(); }
    QList<CStartBlock *> startBlocks() const;
    QList<CStartBlockMeasurement *> measurements() const;

    // The coordinator or a block answered among its last requests: powering them down makes sense.
    bool anyDeviceReachable() const;

private:
    std::unique_ptr<CCoordinator> m_coordinator;
    std::vector<std::unique_ptr<CStartBlock>> m_blocks;
    std::vector<std::unique_ptr<CStartBlockMeasurement>> m_measurements;
};
