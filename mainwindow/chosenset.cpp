#include "mainwindow/chosenset.h"

#include "core/projectsettings.h"
#include "core/sharedtypes.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"

ChosenSet::ChosenSet() = default;

ChosenSet::~ChosenSet()
{
    clear();
}

void ChosenSet::adopt(StartBlockSetGroup &&set)
{
    clear();
    m_coordinator = std::move(set.coordinator);
    for (std::unique_ptr<CStartBlock> &block : set.blocks) {
        auto measurement = std::make_unique<CStartBlockMeasurement>();
        block->setMeasurement(measurement.get());
        m_measurements.push_back(std::move(measurement));
        m_blocks.push_back(std::move(block));
    }
    set.blocks.clear();
}

void ChosenSet::clear()
{
    // blocks first: they point to their measurements
    m_blocks.clear();
    m_measurements.clear();
    m_coordinator.reset();
}

QList<CStartBlock *> ChosenSet::startBlocks() const
{
    QList<CStartBlock *> blocks;
    for (const std::unique_ptr<CStartBlock> &block : m_blocks)
        blocks << block.get();
    return blocks;
}

QList<CStartBlockMeasurement *> ChosenSet::measurements() const
{
    QList<CStartBlockMeasurement *> list;
    for (const std::unique_ptr<CStartBlockMeasurement> &measurement : m_measurements)
        list << measurement.get();
    return list;
}

bool ChosenSet::anyDeviceReachable() const
{
    if (m_coordinator && m_coordinator->linkState() == LinkGood)
        return true;
    for (const std::unique_ptr<CStartBlockMeasurement> &measurement : m_measurements) {
        if (measurement->linkState() == LinkGood)
            return true;
    }
    return false;
}
