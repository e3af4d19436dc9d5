#pragma once

#include <memory>
#include <vector>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QList>
#include <QMetaType>

#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "devices/devicecommands.h"
#include "devices/measurementfile.h"
#include "tests/devices/serialtestkit.h"

// Graph replies built by hand: header items, then the samples in chunks of at most 255 bytes under ids
// 16 and up.
namespace GraphItems
{

using SerialTest::item;
using SerialTest::item16;
using SerialTest::item8;

inline QByteArray be(quint32 value, int width)
{
    QByteArray bytes;
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
        bytes.append(char(value >> shift));
    return bytes;
}

inline QByteArray samples(const QList<quint32> &values, int width)
{
    QByteArray bytes;
    for (const quint32 value : values)
        bytes += be(value, width);
    QByteArray chunks;
    for (int pos = 0, id = 16; pos < bytes.size(); pos += 255, ++id)
        chunks += item(quint8(id), bytes.mid(pos, 255));
    return chunks;
}

struct Reaction {
    int width = 2;
    quint16 start = 200;
    quint16 offset = 400;
    quint16 sensitivity = 200;
    quint16 reaction = 150;
    quint16 raw = 150;
    quint8 source = 2;
    QList<quint32> values;
};

inline QByteArray reaction(const Reaction &graph)
{
    return item8(1, quint8(graph.width)) + item16(2, graph.start) + item16(3, quint16(graph.values.size())) +
           item16(4, graph.offset) + item16(5, graph.sensitivity) + item16(6, graph.reaction) +
           item8(7, graph.source) + item16(8, graph.raw) + samples(graph.values, graph.width);
}

struct Sound {
    int width = 1;
    quint16 start = 200;
    quint16 level = 200;
    quint32 times[4] = {1000, 1010, 1020, 1030}; // items 7 to 10
    QList<quint32> values;
};

inline QByteArray sound(const Sound &graph)
{
    QByteArray items = item8(1, quint8(graph.width)) + item16(2, graph.start) +
                       item16(3, quint16(graph.values.size())) + item16(5, graph.level);
    for (int i = 0; i < 4; ++i)
        items += item(quint8(7 + i), be(graph.times[i], 4));
    return items + samples(graph.values, graph.width);
}

// A flat curve of count samples with one value changed.
inline QList<quint32> flat(int count, quint32 level, int at = -1, quint32 value = 0)
{
    QList<quint32> values(count, level);
    if (at >= 0 && at < count)
        values[at] = value;
    return values;
}

} // namespace GraphItems

Q_DECLARE_METATYPE(GraphItems::Reaction)

// One block as the devices report it; written with the measurement-file writer and read back, so the
// graphs see exactly what a file holds.
struct BlockReport {
    quint8 lane = 1;
    quint16 falseStartLimit = 100;
    int participation = ParticipationActive;
    QByteArray graphItems;
    QByteArray soundItems;
    quint16 errorCode = 0;
};

// A lane of a saved race: what its block reported, with the reaction time of its status (field 4) and
// its athlete.
struct LaneReport {
    BlockReport block;
    quint16 reactionTime = CStartBlockMeasurement::kReactionNoValue;
    QString name;
};

namespace GraphItems
{

inline void feed(CStartBlock &block, quint8 command, QByteArray items)
{
    block.HandlePacket(command, quint16(items.size()), reinterpret_cast<unsigned char *>(items.data()));
}

inline std::unique_ptr<CStartBlock> reportedBlock(const LaneReport &lane)
{
    const BlockReport &report = lane.block;
    auto block = std::make_unique<CStartBlock>();
    block->setMeasurement(new CStartBlockMeasurement(block.get()));
    block->measurement()->setReactionAccepted(true);
    feed(*block, DeviceCommand::kInfoReply, item8(2, report.lane) + item16(3, report.falseStartLimit));
    feed(*block, DeviceCommand::kStatusReply, item16(16, report.errorCode) + item16(4, lane.reactionTime));
    if (!report.graphItems.isEmpty())
        feed(*block, DeviceCommand::kGraphReply, report.graphItems);
    if (!report.soundItems.isEmpty())
        feed(*block, DeviceCommand::kSoundGraphReply, report.soundItems);
    block->setParticipationStatus(report.participation);
    block->SetParticipantName(lane.name);
    return block;
}

// The file the writer makes of the reported blocks; empty when it fails.
inline QByteArray raceFile(const QList<LaneReport> &reports, const RaceHeader &header = RaceHeader(),
                           const CCoordinator *coordinator = nullptr)
{
    std::vector<std::unique_ptr<CStartBlock>> live;
    QList<CStartBlock *> written;
    for (const LaneReport &report : reports) {
        live.push_back(reportedBlock(report));
        written << live.back().get();
    }
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    return MeasurementFile::write(&file, header, coordinator, written) ? file.data() : QByteArray();
}

// A lane whose block sent a graph with its reaction (item 6) and status reaction time at ms, peaking
// 10 x lane above its baseline.
inline LaneReport racedLane(int number, quint16 ms, int participation = ParticipationActive,
                            bool sound = false)
{
    Reaction graph;
    graph.reaction = ms;
    graph.values = flat(30, graph.offset, 12, graph.offset + 10 * number);
    Sound soundGraph;
    soundGraph.values = flat(20, 50);
    LaneReport report;
    report.block.lane = quint8(number);
    report.block.participation = participation;
    report.block.graphItems = reaction(graph);
    report.block.soundItems = sound ? GraphItems::sound(soundGraph) : QByteArray();
    report.reactionTime = ms;
    report.name = QStringLiteral("Athlete %1").arg(number);
    return report;
}

// Ten lanes: a false start in 2, DNS in 4, no block in 6, no data in 7, no reaction in 8, a sound graph
// in 9.
inline QList<LaneReport> tenLaneRace()
{
    LaneReport silent;
    silent.block.lane = 7;
    silent.name = QStringLiteral("Athlete 7");
    return {racedLane(1, 190),
            racedLane(2, 85),
            racedLane(3, 170),
            racedLane(4, 140, ParticipationDns),
            racedLane(5, 150),
            silent,
            racedLane(8, CStartBlockMeasurement::kReactionNone),
            racedLane(9, 110, ParticipationActive, true),
            racedLane(10, 100)};
}

// The bytes as a file in the folder; its path, or empty when it cannot be written.
inline QString savedFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName() : QString();
}

} // namespace GraphItems

class GraphRace
{
public:
    bool load(const QList<BlockReport> &reports)
    {
        QList<LaneReport> lanes;
        for (const BlockReport &report : reports) {
            lanes.append(LaneReport());
            lanes.last().block = report;
        }
        MeasurementFile reader;
        if (!reader.read(GraphItems::raceFile(lanes)))
            return false;
        m_blocks = reader.takeBlocks();
        for (const auto &block : m_blocks) {
            blocks << block.get();
            measurements << block->measurement();
        }
        return true;
    }

    QList<CStartBlock *> blocks;
    QList<CStartBlockMeasurement *> measurements;

private:
    std::vector<std::unique_ptr<CStartBlock>> m_blocks;
};
