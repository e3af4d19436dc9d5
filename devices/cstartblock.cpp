#include "devices/cstartblock.h"

#include <QDebug>

#include "devices/devicecommands.h"
#include "devices/deviceitems.h"
#include "devices/recordreader.h"
#include "devices/recordwriter.h"

namespace
{

enum InfoField : quint8 {
    kLane = 2,
    kFalseStartLimit = 3,
    kSensitivity = 4,
    kStartSensitivity = 8,
    kInfo10 = 10,
    kInfo11 = 11,
    kInfo12 = 12,
    kInfo13 = 13,
    kStabilitySensitivity = 24,
};

constexpr quint32 kFixedRecordSize = 69; // without texts, log entries and measurement
constexpr int kFirstVersionWithProductVersion = 2;

} // namespace

CStartBlock::CStartBlock(QObject *parent) : QObject(parent) {}

CStartBlock::~CStartBlock() = default;

void CStartBlock::HandlePacket(unsigned char command, unsigned short length, unsigned char *data)
{
    switch (command) {
    case DeviceCommand::kInfoReply:
    case DeviceCommand::kIdentifierReply:
        SetInfoFields(length, data);
        return;
    case DeviceCommand::kPowerDownAck:
        qDebug().noquote() << QStringLiteral("\"%1\" power down ack received").arg(GetMacAddress());
        return;
    default:
        break;
    }
    if (!m_measurement)
        return;
    switch (command) {
    case DeviceCommand::kStatusReply:
        m_measurement->SetStatusFields(length, data);
        break;
    case DeviceCommand::kGraphReply:
        m_measurement->SetGraph(length, data);
        break;
    case DeviceCommand::kSoundGraphReply:
        m_measurement->SetSoundGraph(length, data);
        break;
    case DeviceCommand::kOperationModeReply:
        m_measurement->SetOperationModeReply(length, data);
        break;
    case DeviceCommand::kAlarm:
        emit m_measurement->alarm();
        break;
    default:
        break;
    }
}

void CStartBlock::SetInfoFields(unsigned short length, unsigned char *data)
{
    DeviceItems::forEach(data, length, [this](const DeviceItem &item) {
        storeInfoItem(item);
        emit new_info_field(item.id, item.length, item.value);
    });
    emit new_info_fields_set(this);
}

void CStartBlock::storeInfoItem(const DeviceItem &item)
{
    if (storeCommonInfoItem(item))
        return;
    switch (item.id) {
    case kLane:
        DeviceItems::store(item, m_lane);
        break;
    case kFalseStartLimit:
        DeviceItems::store(item, m_falseStartLimit);
        break;
    case kSensitivity:
        DeviceItems::store(item, m_sensitivity);
        break;
    case kStartSensitivity:
        DeviceItems::store(item, m_startSensitivity);
        break;
    case kInfo10:
        DeviceItems::store(item, m_infoField10);
        break;
    case kInfo11:
        DeviceItems::store(item, m_infoField11);
        break;
    case kInfo12:
        DeviceItems::store(item, m_infoField12);
        break;
    case kInfo13:
        DeviceItems::store(item, m_infoField13);
        break;
    case kStabilitySensitivity:
        DeviceItems::store(item, m_stabilitySensitivity);
        break;
    default: // signalled only
        break;
    }
}

void CStartBlock::SetParticipantId(const QString &id)
{
    m_participantId = id;
    emit participant_id_set(m_participantId);
}

void CStartBlock::SetParticipantName(const QString &name)
{
    m_participantName = name;
    emit participant_name_set(m_participantName);
}

void CStartBlock::SetParticipantInfo(const QString &info)
{
    m_participantInfo = info;
    emit participant_info_set(m_participantInfo);
}

void CStartBlock::CheckMeasurementsStatus(int blockCount)
{
    m_linkState = m_link.linkState(blockCount);
    if (m_measurement)
        m_measurement->SetMeasurementsStatus(m_linkState);
}

void CStartBlock::SetMeasurementsStatus(int status)
{
    m_linkState = status;
    if (m_measurement)
        m_measurement->SetMeasurementsStatus(m_linkState);
}

void CStartBlock::CountAnsweredQuestions()
{
    m_requestsSent = int(m_link.requestLog().size());
    m_requestsAnswered = m_link.answeredRequests();
}

quint32 CStartBlock::measurementSize() const
{
    return m_measurement ? m_measurement->GetSavedSize() : 0;
}

quint32 CStartBlock::GetSavedSize() const
{
    const qsizetype texts = RecordWriter::latin1(m_participantId).size() +
                            RecordWriter::latin1(m_participantName).size() +
                            RecordWriter::latin1(m_participantInfo).size();
    // the log's own byte count is part of the fixed size
    return kFixedRecordSize + quint32(texts) + m_link.savedLogSize() - sizeof(quint32) + measurementSize();
}

bool CStartBlock::SaveToDevice(QIODevice *device) const
{
    RecordWriter record;
    m_link.writeMac(record);
    record.u32le(quint32(m_participationStatus));
    record.zeroTerminatedText(m_participantId);
    record.zeroTerminatedText(m_participantName);
    record.zeroTerminatedText(m_participantInfo);
    record.u8(m_lane);
    record.u8(m_reserved[0]);
    record.u8(m_reserved[1]);
    record.u16le(m_falseStartLimit);
    record.u16le(m_sensitivity);
    record.u16le(m_info.softwareVersion);
    record.u32le(m_info.hardwareVersion);
    record.u32le(m_info.operationMode);
    record.u16le(m_startSensitivity);
    record.u16le(m_infoField10);
    record.u8(m_infoField11);
    record.u16le(m_infoField12);
    record.u16le(m_infoField13);
    record.u8(m_info.module);
    record.u8(m_info.transmitPower);
    record.u8(m_info.audioChannel);
    record.u32le(m_info.startSoundMode);
    record.u32le(m_info.recallSoundMode);
    record.u32le(m_info.recallBeepsMode);
    record.u8(m_info.audioVolume);
    record.u16le(m_stabilitySensitivity);
    record.u16le(m_info.panId);
    record.u16le(m_info.productVersion);
    record.u32le(measurementSize());
    // the measurement goes out between the block's fields and its log
    if (!record.writeTo(device) || (m_measurement && !m_measurement->SaveToDevice(device)))
        return false;
    RecordWriter log;
    m_link.writeRequestLog(log);
    return log.writeTo(device);
}

void CStartBlock::ensureMeasurement()
{
    if (!m_measurement)
        m_measurement = new CStartBlockMeasurement(this);
}

bool CStartBlock::LoadFromBuffer(int version, const char *data, qint64 length)
{
    if (!isKnownRecordVersion(version))
        return false;
    ensureMeasurement();
    if (version == 0) {
        RecordReader record(data, length);
        const RecordReader measurement = record.take(record.u32le());
        if (!measurement.ok() || measurement.size() == 0) // an empty measurement reads nothing
            return measurement.ok();
        return m_measurement->LoadFromBuffer(version, measurement.begin(), measurement.size());
    }
    return readRecord(version, data, length);
}

bool CStartBlock::readRecord(int version, const char *data, qint64 length)
{
    RecordReader record(data, length);
    m_link.readMac(record);
    m_participationStatus = int(record.u32le());
    m_participantId = record.zeroTerminatedText();
    m_participantName = record.zeroTerminatedText();
    m_participantInfo = record.zeroTerminatedText();
    m_lane = record.u8();
    m_reserved[0] = record.u8();
    m_reserved[1] = record.u8();
    m_falseStartLimit = record.u16le();
    m_sensitivity = record.u16le();
    m_info.softwareVersion = record.u16le();
    m_info.hardwareVersion = record.u32le();
    m_info.operationMode = record.u32le();
    m_startSensitivity = record.u16le();
    m_infoField10 = record.u16le();
    m_infoField11 = record.u8();
    m_infoField12 = record.u16le();
    m_infoField13 = record.u16le();
    m_info.module = record.u8();
    m_info.transmitPower = record.u8();
    m_info.audioChannel = record.u8();
    m_info.startSoundMode = record.u32le();
    m_info.recallSoundMode = record.u32le();
    m_info.recallBeepsMode = record.u32le();
    m_info.audioVolume = record.u8();
    m_stabilitySensitivity = record.u16le();
    m_info.panId = record.u16le();
    if (version >= kFirstVersionWithProductVersion)
        m_info.productVersion = record.u16le();
    const RecordReader measurement = record.take(record.u32le());
    if (!measurement.ok())
        return false;
    if (measurement.size() != 0 &&
        !m_measurement->LoadFromBuffer(version, measurement.begin(), measurement.size()))
        return false;
    m_link.readRequestLog(record);
    return record.ok();
}
