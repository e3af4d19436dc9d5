#pragma once

#include <QtGlobal>

// One type-length-value item of a device payload: id, value length, value (big-endian).
// value points into the payload it was read from.
struct DeviceItem {
    quint8 id = 0;
    quint8 length = 0;
    unsigned char *value = nullptr;
};

// The walk over a payload and the one storing rule shared by every device object:
// an item is stored only when its length equals the field's width; a field given as "up to N" bytes
// takes 1..N bytes, right-aligned big-endian. Any other item is still signalled but stores nothing,
// so a value never reaches past its field.
namespace DeviceItems
{

// Calls visit(item) for each item in order. Stops at the first item that would run past the payload.
template<typename Visit>
void forEach(unsigned char *data, quint16 length, Visit &&visit)
{
    if (!data)
        return;
    int p = 0;
    while (p + 2 <= length) {
        const int n = data[p + 1];
        if (p + 2 + n > length)
            return;
        visit(DeviceItem{data[p], quint8(n), data + p + 2});
        p += 2 + n;
    }
}

// Big-endian value of the first `width` bytes (at most 8).
quint64 bigEndian(const unsigned char *bytes, int width);

// Stores the item into a field of exactly sizeof(T) bytes; returns whether it did.
template<typename T>
bool store(const DeviceItem &item, T &field)
{
    if (item.length != sizeof(T))
        return false;
    field = T(bigEndian(item.value, item.length));
    return true;
}

// Stores a one-byte item widened into a 32-bit field.
bool storeWidened(const DeviceItem &item, quint32 &field);

// Stores an item of 1..maxWidth bytes, right-aligned.
bool storeUpTo(const DeviceItem &item, quint32 &field, int maxWidth);

} // namespace DeviceItems
