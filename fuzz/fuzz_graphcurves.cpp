// Feeds arbitrary graph and sound-graph replies to a measurement and turns them into curves, and
// arbitrary request logs into the packet log picture: the arithmetic must stay inside its buffers and
// its ranges whatever the headers say.
#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QImage>
#include <QList>

#include "devices/cstartblockmeasurement.h"
#include "views/graphcurves.h"
#include "views/packetlog.h"

namespace
{

constexpr int kLogEntrySize = 10;
constexpr int kMaxPictureWidth = 512;
constexpr int kMaxRange = 500;

void checkCurve(const QList<QPoint> &points, const GraphGeometry::CurveScale &scale)
{
    if (scale.yRange < 0 || scale.yRange > kMaxRange || !(scale.factor >= 1.0f))
        __builtin_trap();
    for (const QPoint &point : points) {
        if (point.y() < 0 || point.y() > scale.yRange) // a sample never rises above the scaled peak
            __builtin_trap();
    }
}

void curves(QByteArray items, quint8 lane, quint16 limit)
{
    CStartBlockMeasurement measurement;
    auto *data = reinterpret_cast<unsigned char *>(items.data());
    const auto length = quint16(qMin<qsizetype>(items.size(), 0xFFFF));
    measurement.SetGraph(length, data);
    measurement.SetSoundGraph(length, data);
    const ReactionCurve reaction = GraphCurves::reactionCurve(measurement.graph(), lane, limit);
    checkCurve(reaction.points, reaction.scale);
    const SoundCurve sound = GraphCurves::soundCurve(measurement.soundGraph(), lane);
    checkCurve(sound.points, sound.scale);
}

void picture(const QByteArray &bytes)
{
    QList<PACKET_LOG> log;
    for (qsizetype pos = 0; pos + kLogEntrySize <= bytes.size() && log.size() < kMaxPictureWidth;
         pos += kLogEntrySize) {
        const auto *b = reinterpret_cast<const uchar *>(bytes.constData() + pos);
        log.append({quint16(b[0] | b[1] << 8), quint32(b[2] | b[3] << 8 | b[4] << 16 | quint32(b[5]) << 24),
                    quint32(b[6] | b[7] << 8 | b[8] << 16 | quint32(b[9]) << 24)});
    }
    const PacketLog::Summary summary = PacketLog::summarise(log);
    if (summary.sent() != log.size() || PacketLog::pictureHeight(summary) > PacketLog::kMaxPictureHeight)
        __builtin_trap();
    if (log.isEmpty() || summary.maxDelay == 0)
        return;
    QImage image(int(log.size()), int(PacketLog::pictureHeight(summary)), QImage::Format_ARGB32);
    PacketLog::drawPicture(image, log, summary.averageDelay());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    const QByteArray rest(reinterpret_cast<const char *>(data + 3), qsizetype(size - 3));
    curves(rest, data[0], quint16(data[1] << 8 | data[2]));
    picture(rest);
    return 0;
}
