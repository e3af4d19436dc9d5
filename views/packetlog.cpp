#include "views/packetlog.h"

#include <algorithm>

namespace PacketLog
{

namespace
{
constexpr QRgb kBar = 0xFFFF0000;
constexpr QRgb kMark = 0xFFFFFFFF;
constexpr QRgb kEmpty = 0x00000000;
constexpr quint32 kFineStep = 10;
constexpr int kFineColumns = 10;
constexpr quint32 kCoarseStep = 100;
constexpr int kCoarseColumns = 20;

QRgb pixel(quint32 row, int column, quint32 entryDelay, quint32 averageRow)
{
    if ((row % kFineStep == 0 && column < kFineColumns) ||
        (row % kCoarseStep == 0 && column < kCoarseColumns))
        return kMark;
    if (row <= entryDelay)
        return kBar;
    return row == averageRow ? kMark : kEmpty;
}
} // namespace

bool isAnswered(const PACKET_LOG &entry)
{
    return entry.replyTime != 0;
}

quint32 delay(const PACKET_LOG &entry)
{
    if (!isAnswered(entry) || entry.replyTime < entry.sendTime)
        return 0;
    return entry.replyTime - entry.sendTime;
}

Summary summarise(const QList<PACKET_LOG> &log)
{
    Summary summary;
    for (const PACKET_LOG &entry : log) {
        if (!isAnswered(entry)) {
            ++summary.noReply;
            continue;
        }
        ++summary.received;
        summary.delaySum += delay(entry);
        summary.maxDelay = std::max(summary.maxDelay, delay(entry));
    }
    return summary;
}

QPoint readout(const QPoint &mouse, const QSize &widget, int packetsSent, double imageHeightMs)
{
    if (widget.width() <= 0 || widget.height() <= 0)
        return {};
    const int packet = int(double(mouse.x()) / widget.width() * packetsSent);
    const int delayMs = int(double(widget.height() - mouse.y()) / widget.height() * imageHeightMs);
    return QPoint(packet, delayMs);
}

quint32 pictureHeight(const Summary &summary)
{
    return std::min(summary.maxDelay, kMaxPictureHeight);
}

void drawPicture(QImage &image, const QList<PACKET_LOG> &log, quint32 averageRow)
{
    if (image.isNull() || image.format() != QImage::Format_ARGB32)
        return;
    const int height = image.height();
    const int columns = int(std::min<qsizetype>(log.size(), image.width()));
    for (int line = 0; line < height; ++line) {
        auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(line));
        const quint32 row = quint32(height - 1 - line);
        for (int column = 0; column < columns; ++column)
            pixels[column] = pixel(row, column, delay(log.at(column)), averageRow);
    }
}

} // namespace PacketLog
