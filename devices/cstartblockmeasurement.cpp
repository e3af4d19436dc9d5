#include "devices/cstartblockmeasurement.h"

#include <algorithm>
#include <cstring>

#include <QDebug>

#include "devices/deviceitems.h"
#include "devices/recordreader.h"
#include "devices/recordwriter.h"

namespace
{

enum StatusField : quint8 {
    kReactionTime = 4,
    kStatus5 = 5,
    kStatus6 = 6,
    kMeasurementActive = 11,
    kErrorCode = 16,
    kSyncValue = 19,
    kStatus29 = 29,
};

enum GraphItem : quint8 {
    kGraphWidth = 1,
    kGraphStartIndex = 2,
    kGraphCount = 3,
    kGraphOffset = 4,
    kGraphSensitivity = 5,
    kGraphReactionPosition = 6,
    kGraphStartSource = 7,
    kGraphItem8 = 8,
};

enum SoundItem : quint8 {
    kSoundWidth = 1,
    kSoundItem2 = 2,
    kSoundCount = 3,
    kSoundItem5 = 5,
    kSoundItem7 = 7,
    kSoundItem10 = 10,
};

constexpr quint8 kFirstChunkItem = 16;
constexpr quint8 kLastChunkItem = 24;
constexpr quint8 kOperationModeItem = 1;
constexpr int kOperationModeMaxWidth = 4;
constexpr int kMaxSampleBytes = 4;
constexpr int kNarrowBaselineShift = 4; // one-byte samples carry the baseline's high bits only

// Record layout
constexpr quint32 kFixedSize = 36;
constexpr quint32 kGraphHeaderSize = 16;
constexpr quint32 kGraphTrailerSize = 2;
constexpr quint32 kSoundHeaderSize = 23;
constexpr int kFirstVersionWithStatus = 3;
constexpr int kFirstVersionWithField29 = 5;
constexpr int kFirstVersionWithGraphItem8 = 5;

bool isChunk(quint8 id)
{
    return id >= kFirstChunkItem && id <= kLastChunkItem;
}

// Once width and count are known the buffer exists; chunks before that are dropped, chunks beyond
// its end are cut.
void appendChunk(QByteArray &samples, int &offset, const DeviceItem &item)
{
    const int room = int(samples.size()) - offset;
    const int count = std::min<int>(room, item.length);
    if (count <= 0)
        return;
    std::memcpy(samples.data() + offset, item.value, size_t(count));
    offset += count;
}

void allocateWhenKnown(QByteArray &samples, quint8 width, quint16 count)
{
    if (samples.isEmpty() && width != 0 && count != 0)
        samples = QByteArray(qsizetype(width) * count, '\0');
}

quint32 sampleAt(const QByteArray &samples, int index, int width)
{
    const auto *bytes =
        reinterpret_cast<const unsigned char *>(samples.constData()) + qsizetype(index) * width;
    return quint32(DeviceItems::bigEndian(bytes, std::min(width, kMaxSampleBytes)));
}

quint32 graphPartSize(const ReactionGraph &graph)
{
    return graph.samples.isEmpty() ? 0 : kGraphHeaderSize + quint32(graph.samples.size()) + kGraphTrailerSize;
}

quint32 soundPartSize(const SoundGraph &sound)
{
    return sound.samples.isEmpty() ? 0 : kSoundHeaderSize + quint32(sound.samples.size());
}

bool readGraphPart(RecordReader part, int version, ReactionGraph &graph)
{
    graph.sampleWidth = part.u8();
    graph.startIndex = part.u16le();
    graph.sampleCount = part.u16le();
    graph.offset = part.u16be();
    graph.sensitivity = part.u16be();
    graph.reactionPosition = part.u16be();
    graph.startSource = part.u8();
    graph.peak = part.u32le();
    graph.samples = part.bytes(qint64(graph.sampleWidth) * graph.sampleCount);
    if (version >= kFirstVersionWithGraphItem8)
        graph.item8 = part.u16be();
    return part.ok();
}

bool readSoundPart(RecordReader part, SoundGraph &sound)
{
    sound.sampleWidth = part.u8();
    sound.item2 = part.u16le();
    sound.sampleCount = part.u16le();
    sound.item5 = part.u16be();
    for (quint32 &value : sound.items7To10)
        value = part.u32be();
    sound.samples = part.bytes(qint64(sound.sampleWidth) * sound.sampleCount);
    return part.ok();
}

} // namespace

CStartBlockMeasurement::CStartBlockMeasurement(QObject *parent) : QObject(parent) {}

CStartBlockMeasurement::~CStartBlockMeasurement() = default;

void CStartBlockMeasurement::SetStatusFields(unsigned short length, unsigned char *data)
{
    m_previousState = m_status.state;
    DeviceItems::forEach(data, length, [this](const DeviceItem &item) {
        storeStatusItem(item.id, item.length, item.value);
        applyReactionReset();
        emit new_status_field(item.id, item.length, item.value);
    });
    updateBackToIdle();
}

void CStartBlockMeasurement::storeStatusItem(quint8 id, quint8 length, unsigned char *value)
{
    const DeviceItem item{id, length, value};
    if (m_status.store(item))
        return;
    switch (id) {
    case kReactionTime:
        DeviceItems::store(item, m_reactionTime);
        break;
    case kStatus5:
        DeviceItems::store(item, m_statusField5);
        break;
    case kStatus6:
        DeviceItems::store(item, m_statusField6);
        break;
    case kMeasurementActive:
        DeviceItems::store(item, m_measurementActive);
        break;
    case kErrorCode:
        storeErrorCode(length, value);
        break;
    case kSyncValue:
        if (DeviceItems::store(item, m_syncValue))
            m_newSyncValue = m_syncValue != kNotSynchronised;
        break;
    case kStatus29:
        DeviceItems::store(item, m_statusField29);
        break;
    default:
        break;
    }
}

void CStartBlockMeasurement::storeErrorCode(quint8 length, unsigned char *value)
{
    quint16 code = 0;
    if (!DeviceItems::store(DeviceItem{kErrorCode, length, value}, code))
        return;
    if (code != 0 && code != m_errorCode)
        qDebug().noquote() << QStringLiteral("ERROR SB, Code:%1").arg(code);
    m_errorCode = code;
}

void CStartBlockMeasurement::resetReactionTime()
{
    if (m_reactionTime == kReactionNoValue)
        return;
    m_reactionTime = kReactionNoValue;
    unsigned char noValue[] = {kReactionNoValue >> 8, kReactionNoValue & 0xFF};
    emit new_status_field(kReactionTime, sizeof(noValue), noValue);
}

void CStartBlockMeasurement::applyReactionReset()
{
    if ((m_racePhase == kRacePhaseReady && m_status.state == DeviceReady) || !m_reactionAccepted)
        m_reactionTime = kReactionNoValue;
}

void CStartBlockMeasurement::updateBackToIdle()
{
    if (m_status.state == DeviceReady) {
        SetRacePhase(kRacePhaseReady);
        m_backToIdle = false;
    } else if (m_racePhase == kRacePhaseReady && m_status.state == DeviceIdle &&
               (m_previousState == DeviceReady || m_previousState == DeviceStarted)) {
        m_backToIdle = true;
    }
}

void CStartBlockMeasurement::SetGraph(unsigned short length, unsigned char *data)
{
    m_graph.samples = QByteArray();
    m_graph.sampleWidth = 0;
    m_graph.startIndex = 0;
    m_graph.sampleCount = 0;
    int chunkOffset = 0;
    DeviceItems::forEach(data, length, [this, &chunkOffset](const DeviceItem &item) {
        storeGraphItem(item.id, item.length, item.value, chunkOffset);
        allocateWhenKnown(m_graph.samples, m_graph.sampleWidth, m_graph.sampleCount);
    });
    m_graph.peak = quint32(ComputeGraphPeak());
    emit new_graph();
}

void CStartBlockMeasurement::storeGraphItem(quint8 id, quint8 length, unsigned char *value, int &chunkOffset)
{
    const DeviceItem item{id, length, value};
    const bool sized = !m_graph.samples.isEmpty(); // the buffer's shape is fixed once it exists
    switch (id) {
    case kGraphWidth:
        if (!sized)
            DeviceItems::store(item, m_graph.sampleWidth);
        break;
    case kGraphStartIndex:
        DeviceItems::store(item, m_graph.startIndex);
        break;
    case kGraphCount:
        if (!sized)
            DeviceItems::store(item, m_graph.sampleCount);
        break;
    case kGraphOffset:
        DeviceItems::store(item, m_graph.offset);
        break;
    case kGraphSensitivity:
        DeviceItems::store(item, m_graph.sensitivity);
        break;
    case kGraphReactionPosition:
        DeviceItems::store(item, m_graph.reactionPosition);
        break;
    case kGraphStartSource:
        DeviceItems::store(item, m_graph.startSource);
        break;
    case kGraphItem8:
        DeviceItems::store(item, m_graph.item8);
        break;
    default:
        if (isChunk(id))
            appendChunk(m_graph.samples, chunkOffset, item);
        break;
    }
}

void CStartBlockMeasurement::SetSoundGraph(unsigned short length, unsigned char *data)
{
    m_soundGraph = SoundGraph();
    int chunkOffset = 0;
    DeviceItems::forEach(data, length, [this, &chunkOffset](const DeviceItem &item) {
        storeSoundItem(item.id, item.length, item.value, chunkOffset);
        allocateWhenKnown(m_soundGraph.samples, m_soundGraph.sampleWidth, m_soundGraph.sampleCount);
    });
    emit new_sound_graph();
}

void CStartBlockMeasurement::storeSoundItem(quint8 id, quint8 length, unsigned char *value, int &chunkOffset)
{
    const DeviceItem item{id, length, value};
    const bool sized = !m_soundGraph.samples.isEmpty();
    switch (id) {
    case kSoundWidth:
        if (!sized)
            DeviceItems::store(item, m_soundGraph.sampleWidth);
        break;
    case kSoundItem2:
        DeviceItems::store(item, m_soundGraph.item2);
        break;
    case kSoundCount:
        if (!sized)
            DeviceItems::store(item, m_soundGraph.sampleCount);
        break;
    case kSoundItem5:
        DeviceItems::store(item, m_soundGraph.item5);
        break;
    default:
        if (id >= kSoundItem7 && id <= kSoundItem10)
            DeviceItems::store(item, m_soundGraph.items7To10[id - kSoundItem7]);
        else if (isChunk(id))
            appendChunk(m_soundGraph.samples, chunkOffset, item);
        break;
    }
}

void CStartBlockMeasurement::SetOperationModeReply(unsigned short length, unsigned char *data)
{
    DeviceItems::forEach(data, length, [this](const DeviceItem &item) {
        quint32 reply = 0;
        if (item.id == kOperationModeItem && DeviceItems::storeUpTo(item, reply, kOperationModeMaxWidth))
            m_operationModeReply = int(reply);
    });
}

void CStartBlockMeasurement::SetRacePhase(int phase)
{
    m_racePhase = phase;
    if (phase == kRacePhaseReady)
        ResetGraphs();
}

void CStartBlockMeasurement::ResetGraphs()
{
    m_graph = ReactionGraph();
    m_soundGraph = SoundGraph();
    emit graph_reset();
}

void CStartBlockMeasurement::SetMeasurementsStatus(int status)
{
    m_linkState = status;
    emit check_measurements_status();
}

int CStartBlockMeasurement::ComputeGraphPeak() const
{
    const int width = m_graph.sampleWidth;
    quint32 baseline = m_graph.offset;
    if (width == 1)
        baseline >>= kNarrowBaselineShift;
    quint32 highest = 0;
    const int count = width == 0 ? 0 : int(m_graph.samples.size() / width);
    for (int i = 0; i < count; ++i)
        highest = std::max(highest, sampleAt(m_graph.samples, i, width));
    return int(highest - baseline);
}

quint32 CStartBlockMeasurement::GetSavedSize() const
{
    return kFixedSize + graphPartSize(m_graph) + soundPartSize(m_soundGraph);
}

bool CStartBlockMeasurement::SaveToDevice(QIODevice *device) const
{
    RecordWriter record;
    record.u16be(m_errorCode);
    record.u8(m_status.battery);
    record.u16be(m_reactionTime);
    record.u32be(m_status.statusField17);
    record.u64be(m_status.statusField18);
    record.u8(m_statusField6);
    record.u8(m_measurementActive);
    record.u8(m_status.state);
    record.u32be(m_syncValue);
    record.u32be(m_statusField29);
    record.u32le(graphPartSize(m_graph));
    if (hasGraph()) {
        record.u8(m_graph.sampleWidth);
        record.u16le(m_graph.startIndex);
        record.u16le(m_graph.sampleCount);
        record.u16be(m_graph.offset);
        record.u16be(m_graph.sensitivity);
        record.u16be(m_graph.reactionPosition);
        record.u8(m_graph.startSource);
        record.u32le(m_graph.peak);
        record.bytes(m_graph.samples);
        record.u16be(m_graph.item8);
    }
    record.u32le(soundPartSize(m_soundGraph));
    if (hasSoundGraph()) {
        record.u8(m_soundGraph.sampleWidth);
        record.u16le(m_soundGraph.item2);
        record.u16le(m_soundGraph.sampleCount);
        record.u16be(m_soundGraph.item5);
        for (const quint32 value : m_soundGraph.items7To10)
            record.u32be(value);
        record.bytes(m_soundGraph.samples);
    }
    return record.writeTo(device);
}

bool CStartBlockMeasurement::LoadFromBuffer(int version, const char *data, qint64 length)
{
    if (!isKnownRecordVersion(version))
        return false;
    RecordReader record(data, length);
    m_errorCode = record.u16be();
    if (version == 0)
        return record.ok();
    if (version >= kFirstVersionWithStatus) {
        m_status.battery = record.u8();
        m_reactionTime = record.u16be();
        m_status.statusField17 = record.u32be();
        m_status.statusField18 = record.u64be();
        m_statusField6 = record.u8();
        m_measurementActive = record.u8();
        m_status.state = record.u8();
        m_syncValue = record.u32be();
        if (version >= kFirstVersionWithField29)
            m_statusField29 = record.u32be();
    }
    m_graph = ReactionGraph();
    m_soundGraph = SoundGraph();
    const quint32 graphSize = record.u32le();
    if (graphSize != 0 && !readGraphPart(record.take(graphSize), version, m_graph))
        return false;
    const quint32 soundSize = record.u32le();
    if (soundSize != 0 && !readSoundPart(record.take(soundSize), m_soundGraph))
        return false;
    return record.ok();
}
