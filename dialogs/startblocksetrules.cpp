#include "dialogs/startblocksetrules.h"

#include "core/projectsettings.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "devices/devicelinkdata.h"

namespace StartBlockSetRules
{

bool isCompleteSerialNumber(const QString &serial)
{
    DeviceLinkData probe;
    return probe.setMacText(serial);
}

bool hasSerialNumber(const StartBlockSetGroup &group, const QString &serial)
{
    if (group.coordinator && group.coordinator->GetMacAddress().contains(serial, Qt::CaseInsensitive))
        return true;
    for (const auto &block : group.blocks) {
        if (block->GetMacAddress().contains(serial, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool hasLane(const StartBlockSetGroup &group, quint8 lane)
{
    for (const auto &block : group.blocks) {
        if (block->lane() == lane)
            return true;
    }
    return false;
}

quint8 laneFromText(const QString &text)
{
    return quint8(text.trimmed().toUInt() & 0xFF);
}

bool isAcceptableSetName(const QStringList &names, const QString &name, int ownRow)
{
    if (name.isEmpty())
        return false;
    for (int row = 0; row < names.size(); ++row) {
        if (row != ownRow && names.at(row) == name)
            return false;
    }
    return true;
}

} // namespace StartBlockSetRules
