#include "devices/deviceimage.h"

#include "devices/deviceitems.h"

namespace
{
constexpr quint8 kMacItem = 1;
} // namespace

bool DeviceImage::storeCommonInfoItem(const DeviceItem &item)
{
    if (item.id != kMacItem)
        return m_info.store(item);
    if (item.length == DeviceLinkData::kMacSize)
        m_link.setMacBytes(item.value);
    return true;
}
