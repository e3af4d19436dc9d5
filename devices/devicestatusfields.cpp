#include "devices/devicestatusfields.h"

#include "devices/deviceitems.h"

namespace
{

enum StatusField : quint8 {
    kState = 1,
    kBattery = 2,
    kStatus3 = 3,
    kStatus14 = 14,
    kStatus15 = 15,
    kStatus17 = 17,
    kStatus18 = 18,
};

} // namespace

bool DeviceStatusFields::store(const DeviceItem &item)
{
    switch (item.id) {
    case kState:
        DeviceItems::store(item, state);
        return true;
    case kBattery:
        DeviceItems::store(item, battery);
        return true;
    case kStatus3:
        DeviceItems::store(item, statusField3);
        return true;
    case kStatus14:
        DeviceItems::store(item, statusField14);
        return true;
    case kStatus15:
        DeviceItems::store(item, statusField15);
        return true;
    case kStatus17:
        DeviceItems::store(item, statusField17);
        return true;
    case kStatus18:
        DeviceItems::store(item, statusField18);
        return true;
    default:
        return false;
    }
}
