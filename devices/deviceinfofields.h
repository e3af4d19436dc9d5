#pragma once

#include <QtGlobal>

struct DeviceItem;

// The info fields a start block and the coordinator report alike, in host order.
struct DeviceInfoFields {
    quint16 softwareVersion = 0; // shown as value / 100 and value % 100
    quint32 hardwareVersion = 0;
    quint32 operationMode = 0; // one byte widened: 1 wireless, 2 wired
    quint8 module = 0;         // radio module type
    quint8 transmitPower = 0;  // signed dBm
    quint8 audioChannel = 0;   // 1-based index into the radio channel list
    quint32 startSoundMode = 0;
    quint32 recallSoundMode = 0;
    quint8 audioVolume = 0;
    quint32 recallBeepsMode = 0;
    quint16 panId = 0;
    quint16 productVersion = 0;

    // Stores an item of one of these fields; false for any other id.
    bool store(const DeviceItem &item);
};
