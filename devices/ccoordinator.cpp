#include "devices/ccoordinator.h"

#include <algorithm>
#include <cstring>

#include <QDebug>

#include "devices/devicecommands.h"
#include "devices/deviceitems.h"
#include "devices/recordreader.h"
#include "devices/recordwriter.h"

namespace
{

enum InfoField : quint8 {
    kHeadsetVolume = 20,
    kPhotoFinishDevice = 25,
    kInfo26 = 26,
};
constexpr int kInfo26MaxWidth = 4;

enum StatusField : quint8 {
    kStatus7 = 7,
    kStatus8 = 8,
    kStatus9 = 9,
    kPhotoFinishReady = 10,
    kStatus12 = 12,
    kClock = 13,
    kErrorCode = 16,
    kStatus20 = 20,
    kStatus21 = 21,
    kStatus22 = 22,
    kStatus27 = 27,
};

constexpr quint8 kLastChannelItem = 16;
constexpr quint8 kCurrentChannelItem = 17;

enum StartItem : quint8 { kStartId = 1, kStartSeconds = 2, kStartFraction = 3 };
constexpr int kStartWordSize = 4;

constexpr quint64 kMsPerSecond = 1000;
constexpr quint32 kFixedRecordSize = 53; // without start times and log entries
constexpr int kFirstVersionWithProductVersion = 2;

} // namespace

CCoordinator::CCoordinator(QObject *parent) : QObject(parent) {}

CCoordinator::~CCoordinator() = default;

void CCoordinator::HandlePacket(unsigned char command, unsigned short length, unsigned char *data)
{
    switch (command) {
    case DeviceCommand::kInfoReply:
    case DeviceCommand::kIdentifierReply:
        SetInfoFields(length, data);
        break;
    case DeviceCommand::kStatusReply:
        SetStatusFields(length, data);
        break;
    case DeviceCommand::kSetStatus:
        SetSetStatusFields(length, data);
        break;
    case DeviceCommand::kStartIndication:
        SetStartIndication(length, data);
        break;
    case DeviceCommand::kSpectrumReply:
        SetSpectrum(length, data);
        break;
    case DeviceCommand::kPowerDownAck:
        qDebug().noquote() << GetMacAddress() + QStringLiteral(": power down ack received");
        m_powerDownAcknowledged = true;
        break;
    case DeviceCommand::kNewStart:
        SetNewStart(length, data);
        break;
    case DeviceCommand::kPowerDownAll:
        emit set_all_devices_power_down();
        break;
    default:
        break;
    }
}

void CCoordinator::SetInfoFields(unsigned short length, unsigned char *data)
{
    DeviceItems::forEach(data, length, [this](const DeviceItem &item) { storeInfoItem(item); });
    emit new_info_fields_set(this);
}

void CCoordinator::storeInfoItem(const DeviceItem &item)
{
    if (storeCommonInfoItem(item))
        return;
    switch (item.id) {
    case kHeadsetVolume:
        DeviceItems::store(item, m_headsetVolume);
        break;
    case kPhotoFinishDevice:
        DeviceItems::storeWidened(item, m_photoFinishDevice);
        break;
    case kInfo26:
        DeviceItems::storeUpTo(item, m_infoField26, kInfo26MaxWidth);
        break;
    default:
        break;
    }
}

float CCoordinator::calibration() const
{
    float value = 0;
    static_assert(sizeof(value) == sizeof(m_infoField26));
    std::memcpy(&value, &m_infoField26, sizeof(value));
    return value;
}

void CCoordinator::SetStatusFields(unsigned short length, unsigned char *data)
{
    DeviceItems::forEach(data, length, [this](const DeviceItem &item) {
        storeStatusItem(item.id, item.length, item.value);
        emit new_status_field(item.id, item.length, item.value);
    });
}

void CCoordinator::storeStatusItem(quint8 id, quint8 length, unsigned char *value)
{
    const DeviceItem item{id, length, value};
    if (m_status.store(item))
        return;
    switch (id) {
    case kStatus7:
        DeviceItems::store(item, m_statusField7);
        break;
    case kStatus8:
        DeviceItems::store(item, m_statusField8);
        break;
    case kStatus9:
        DeviceItems::store(item, m_statusField9);
        break;
    case kPhotoFinishReady:
        storePhotoFinishReady(length, value);
        break;
    case kStatus12:
        DeviceItems::store(item, m_statusField12);
        break;
    case kClock:
        storeClock(length, value);
        break;
    case kErrorCode:
        storeErrorCode(length, value);
        break;
    case kStatus20:
        DeviceItems::store(item, m_statusField20);
        break;
    case kStatus21:
        DeviceItems::store(item, m_statusField21);
        break;
    default:
        if (id >= kStatus22 && id <= kStatus27)
            DeviceItems::store(item, m_statusFields22To27[id - kStatus22]);
        break;
    }
}

void CCoordinator::storePhotoFinishReady(quint8 length, unsigned char *value)
{
    quint8 ready = 0;
    if (!DeviceItems::store(DeviceItem{kPhotoFinishReady, length, value}, ready))
        return;
    if ((ready != 0) != (m_statusField10 != 0))
        qDebug().noquote() << QStringLiteral("set OVR %1").arg(ready != 0 ? "true" : "false");
    m_statusField10 = ready;
}

void CCoordinator::storeErrorCode(quint8 length, unsigned char *value)
{
    quint16 code = 0;
    if (!DeviceItems::store(DeviceItem{kErrorCode, length, value}, code))
        return;
    if (code != 0 && code != m_errorCode)
        qDebug().noquote() << QStringLiteral("ERROR CU , Code %1").arg(code);
    m_errorCode = code;
}

void CCoordinator::storeClock(quint8 length, unsigned char *value)
{
    quint32 seconds = 0;
    if (!DeviceItems::store(DeviceItem{kClock, length, value}, seconds))
        return;
    m_previousStatusField13 = m_statusField13;
    m_statusField13 = seconds;
}

bool CCoordinator::isTimeWindowOpen() const
{
    return m_status.statusField18 / kMsPerSecond < m_status.statusField17;
}

void CCoordinator::SetSetStatusFields(unsigned short length, unsigned char *data)
{
    DeviceItems::forEach(data, length, [this](const DeviceItem &item) {
        emit new_set_status_field(item.id, item.length, item.value);
    });
}

void CCoordinator::SetStartIndication(unsigned short length, unsigned char *data)
{
    DeviceItems::forEach(data, length, [](const DeviceItem &) {}); // the items carry nothing we keep
    emit new_start_indication();
}

void CCoordinator::SetSpectrum(unsigned short length, unsigned char *data)
{
    m_spectrum = QByteArray(kSpectrumChannels, '\0');
    int filled = 0;
    DeviceItems::forEach(data, length, [this, &filled](const DeviceItem &item) {
        if (item.id >= 1 && item.id <= kLastChannelItem)
            appendSpectrumBytes(item.length, item.value, filled);
        else if (item.id == kCurrentChannelItem)
            DeviceItems::store(item, m_spectrumCurrentChannel);
    });
    emit new_spectrum();
}

void CCoordinator::appendSpectrumBytes(quint8 length, const unsigned char *value, int &filled)
{
    const int count = std::min<int>(length, kSpectrumChannels - filled); // bytes past 16 are dropped
    if (count <= 0)
        return;
    std::memcpy(m_spectrum.data() + filled, value, size_t(count));
    filled += count;
}

void CCoordinator::SetNewStart(unsigned short length, unsigned char *data)
{
    HX_GPS_TIME start;
    bool begun = false;
    DeviceItems::forEach(data, length, [this, &start, &begun](const DeviceItem &item) {
        if (item.id == kStartId) {
            start = HX_GPS_TIME();
            begun = true;
        }
        if (!begun || item.id < kStartId || item.id > kStartFraction)
            return;
        if (item.length == kStartWordSize)
            std::memcpy(start.bytes.data() + kStartWordSize * (item.id - kStartId), item.value,
                        kStartWordSize);
        if (item.id == kStartFraction)
            addStartIfNew(start);
    });
}

void CCoordinator::addStartIfNew(const HX_GPS_TIME &start)
{
    if (m_startTimes.contains(start))
        return;
    qDebug() << "Coord new start received";
    m_startTimes.append(start);
    emit new_start_time(start);
}

bool CCoordinator::HasTimeOfDayOverflow() const
{
    return std::any_of(m_startTimes.cbegin(), m_startTimes.cend(),
                       [](const HX_GPS_TIME &start) { return qint32(start.seconds()) > kSecondsPerDay; });
}

void CCoordinator::CheckMeasurementsStatus(int blockCount)
{
    SetMeasurementsStatus(m_link.linkState(blockCount));
}

void CCoordinator::SetMeasurementsStatus(int status)
{
    m_linkState = status;
    emit check_measurements_status();
}

quint32 CCoordinator::GetSavedSize() const
{
    // the log's own byte count is part of the fixed size
    return kFixedRecordSize + quint32(HX_GPS_TIME::kSize * m_startTimes.size()) + m_link.savedLogSize() -
           sizeof(quint32);
}

bool CCoordinator::SaveToDevice(QIODevice *device) const
{
    RecordWriter record;
    m_link.writeMac(record);
    record.u16le(m_info.panId);
    record.u8(m_info.module);
    record.u16le(m_info.softwareVersion);
    record.u32le(m_info.hardwareVersion);
    record.u8(m_info.transmitPower);
    record.u8(m_info.audioChannel);
    record.u32le(m_info.operationMode);
    record.u32le(m_info.startSoundMode);
    record.u32le(m_info.recallSoundMode);
    record.u32le(m_info.recallBeepsMode);
    record.u8(m_info.audioVolume);
    record.u8(m_headsetVolume);
    record.u32le(m_photoFinishDevice);
    record.u8(m_status.battery);
    record.u8(m_status.statusField3);
    record.u32le(quint32(HX_GPS_TIME::kSize * m_startTimes.size()));
    for (const HX_GPS_TIME &start : m_startTimes)
        record.bytes(QByteArray(reinterpret_cast<const char *>(start.bytes.data()), HX_GPS_TIME::kSize));
    record.u16be(m_errorCode);
    m_link.writeRequestLog(record);
    record.u16le(m_info.productVersion);
    return record.writeTo(device);
}

bool CCoordinator::LoadFromBuffer(int version, const char *data, qint64 length)
{
    if (!isKnownRecordVersion(version))
        return false;
    return version == 0 || readRecord(version, data, length);
}

bool CCoordinator::readRecord(int version, const char *data, qint64 length)
{
    RecordReader record(data, length);
    m_link.readMac(record);
    m_info.panId = record.u16le();
    m_info.module = record.u8();
    m_info.softwareVersion = record.u16le();
    m_info.hardwareVersion = record.u32le();
    m_info.transmitPower = record.u8();
    m_info.audioChannel = record.u8();
    m_info.operationMode = record.u32le();
    m_info.startSoundMode = record.u32le();
    m_info.recallSoundMode = record.u32le();
    m_info.recallBeepsMode = record.u32le();
    m_info.audioVolume = record.u8();
    m_headsetVolume = record.u8();
    m_photoFinishDevice = record.u32le();
    m_status.battery = record.u8();
    m_status.statusField3 = record.u8();
    RecordReader starts = record.take(record.u32le());
    while (starts.remaining() >= HX_GPS_TIME::kSize) {
        const QByteArray bytes = starts.bytes(HX_GPS_TIME::kSize);
        m_startTimes.append(
            HX_GPS_TIME::fromBytes(reinterpret_cast<const unsigned char *>(bytes.constData())));
    }
    m_errorCode = record.u16be();
    m_link.readRequestLog(record);
    if (version >= kFirstVersionWithProductVersion)
        m_info.productVersion = record.u16le();
    return record.ok();
}
