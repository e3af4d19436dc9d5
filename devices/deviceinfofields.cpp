#include "devices/deviceinfofields.h"

#include "devices/deviceitems.h"

namespace
{

enum InfoField : quint8 {
    kSoftwareVersion = 5,
    kHardwareVersion = 6,
    kOperationMode = 7,
    kModule = 14,
    kTransmitPower = 15,
    kAudioChannel = 16,
    kStartSoundMode = 17,
    kRecallSoundMode = 18,
    kAudioVolume = 19,
    kRecallBeepsMode = 21,
    kPanId = 23,
    kProductVersion = 27,
};

} // namespace

bool DeviceInfoFields::store(const DeviceItem &item)
{
    switch (item.id) {
    case kSoftwareVersion:
        DeviceItems::store(item, softwareVersion);
        return true;
    case kHardwareVersion:
        DeviceItems::store(item, hardwareVersion);
        return true;
    case kOperationMode:
        DeviceItems::storeWidened(item, operationMode);
        return true;
    case kModule:
        DeviceItems::store(item, module);
        return true;
    case kTransmitPower:
        DeviceItems::store(item, transmitPower);
        return true;
    case kAudioChannel:
        DeviceItems::store(item, audioChannel);
        return true;
    case kStartSoundMode:
        DeviceItems::storeWidened(item, startSoundMode);
        return true;
    case kRecallSoundMode:
        DeviceItems::storeWidened(item, recallSoundMode);
        return true;
    case kAudioVolume:
        DeviceItems::store(item, audioVolume);
        return true;
    case kRecallBeepsMode:
        DeviceItems::storeWidened(item, recallBeepsMode);
        return true;
    case kPanId:
        DeviceItems::store(item, panId);
        return true;
    case kProductVersion:
        DeviceItems::store(item, productVersion);
        return true;
    default:
        return false;
    }
}
