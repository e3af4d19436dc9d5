#pragma once

#include <QByteArray>
#include <QList>

#include "sim/simframe.h"

// What the devices make of the byte stream the program writes: frames, and the raw broadcast alarm
// (eight 0x68 bytes outside any frame). The buffer never holds more than one frame can span.
class SimFrameParser
{
public:
    struct Event {
        enum Kind { Frame, BroadcastAlarm, BadCrc };
        Kind kind = Frame;
        SimFrame frame; // Frame only
    };

    static constexpr qsizetype kBufferLimit = 2033 + SimFrame::kOverhead;

    QList<Event> feed(const QByteArray &bytes);
    qsizetype bufferedBytes() const { return m_buffer.size(); }

private:
    void takeByte(char byte, QList<Event> &events);
    bool tryFrameEndingHere(QList<Event> &events);
    void releaseUnframed(qsizetype count, QList<Event> &events);
    void releaseBeforeFrameStart(QList<Event> &events);

    QByteArray m_buffer;
    int m_alarmRun = 0;
};
