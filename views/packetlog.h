#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QtGlobal>

#include "core/sharedtypes.h"

// The arithmetic of the packet log view: delays, counts and the picture with one column per request
// and one row per ms, delays growing upward from the bottom edge.
namespace PacketLog
{

// Delays above this many ms are cut at the picture's top edge, which keeps its memory bounded.
inline constexpr quint32 kMaxPictureHeight = 2000;

bool isAnswered(const PACKET_LOG &entry);
// Reply - send; 0 without a reply, and 0 when the reply time is below the send time (the clock
// restarts when the port reopens).
quint32 delay(const PACKET_LOG &entry);

struct Summary {
    int received = 0;
    int noReply = 0;
    quint64 delaySum = 0; // over the received entries
    quint32 maxDelay = 0;
    int sent() const { return received + noReply; }
    // Integer average over the received entries; 0 without any.
    quint32 averageDelay() const { return received > 0 ? quint32(delaySum / quint64(received)) : 0; }
};
Summary summarise(const QList<PACKET_LOG> &log);

// Cursor read-out "packet,delay" over a picture widget of the given size showing packetsSent requests
// and an image height in ms (the stored height times the zoom value, whatever the zoom).
QPoint readout(const QPoint &mouse, const QSize &widget, int packetsSent, double imageHeightMs);

// The picture's height for a log: its largest delay, capped.
quint32 pictureHeight(const Summary &summary);
// Colours every pixel of image (one column per entry): the ruler in the left columns, the delay bars,
// the average row; transparent above. Rows past the image's height are not drawn.
void drawPicture(QImage &image, const QList<PACKET_LOG> &log, quint32 averageRow);

} // namespace PacketLog
