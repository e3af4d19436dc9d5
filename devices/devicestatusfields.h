#pragma once

#include <QtGlobal>

struct DeviceItem;

// The status fields a start block and the coordinator report alike, in host order.
struct DeviceStatusFields {
    static constexpr quint8 kInitialBattery = 203;

    quint8 state = 0; // 1 IDLE, 2 READY, 3 STARTED, 4 ACTIVE, 5 INACTIVE
    quint8 battery = kInitialBattery;
    quint8 statusField3 = 0;
    quint16 statusField14 = 0;
    quint16 statusField15 = 0;
    quint32 statusField17 = 0;
    quint64 statusField18 = 0;

    // Stores an item of one of these fields; false for any other id.
    bool store(const DeviceItem &item);
};
