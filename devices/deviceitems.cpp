#include "devices/deviceitems.h"

namespace DeviceItems
{

namespace
{
constexpr int kMaxValueBytes = 8;
}

quint64 bigEndian(const unsigned char *bytes, int width)
{
    quint64 value = 0;
    for (int i = 0; i < width && i < kMaxValueBytes; ++i)
        value = (value << 8) | bytes[i];
    return value;
}

bool storeWidened(const DeviceItem &item, quint32 &field)
{
    quint8 byte = 0;
    if (!store(item, byte))
        return false;
    field = byte;
    return true;
}

bool storeUpTo(const DeviceItem &item, quint32 &field, int maxWidth)
{
    if (item.length < 1 || item.length > maxWidth)
        return false;
    field = quint32(bigEndian(item.value, item.length));
    return true;
}

} // namespace DeviceItems
