#include "sim/simframeparser.h"

#include "core/utilities.h"
#include "sim/simdefaults.h"

namespace
{

constexpr char kFrameStart = char(0xAA);
constexpr char kFrameEnd = char(0x55);
constexpr char kAlarmByte = char(0x68);
constexpr int kMacOffset = 1;
constexpr int kSequenceOffset = 7;
constexpr int kCommandOffset = 9;
constexpr int kItemsOffset = 10;
constexpr int kTrailer = 4; // CRC, two length bytes, end byte

quint8 byteAt(const QByteArray &bytes, qsizetype index)
{
    return quint8(bytes.at(index));
}

} // namespace

QList<SimFrameParser::Event> SimFrameParser::feed(const QByteArray &bytes)
{
    QList<Event> events;
    for (const char byte : bytes)
        takeByte(byte, events);
    return events;
}

void SimFrameParser::takeByte(char byte, QList<Event> &events)
{
    m_buffer.append(byte);
    if (byte == kFrameEnd && tryFrameEndingHere(events))
        return;
    releaseBeforeFrameStart(events);
    // an 0xAA this far back can no longer start a frame
    while (m_buffer.size() > kBufferLimit) {
        releaseUnframed(1, events);
        releaseBeforeFrameStart(events);
    }
}

bool SimFrameParser::tryFrameEndingHere(QList<Event> &events)
{
    const qsizetype size = m_buffer.size();
    if (size < SimFrame::kOverhead)
        return false;
    const int length = byteAt(m_buffer, size - 3) * 256 + byteAt(m_buffer, size - 2);
    const qsizetype start = size - SimFrame::kOverhead - length;
    if (length > SimDefaults::kMaxItemBytes || start < 0 || m_buffer.at(start) != kFrameStart)
        return false;
    const QByteArray items = m_buffer.mid(start + kItemsOffset, length);
    if (crc8(items) != byteAt(m_buffer, size - kTrailer)) {
        events.append(Event{Event::BadCrc, {}});
        return false;
    }
    releaseUnframed(start, events);
    Event event{Event::Frame, {}};
    event.frame.mac = m_buffer.mid(kMacOffset, SimFrame::kMacLength);
    event.frame.sequence =
        quint16(byteAt(m_buffer, kSequenceOffset) | byteAt(m_buffer, kSequenceOffset + 1) << 8);
    event.frame.command = byteAt(m_buffer, kCommandOffset);
    event.frame.items = items;
    events.append(event);
    m_buffer.clear();
    m_alarmRun = 0;
    return true;
}

void SimFrameParser::releaseBeforeFrameStart(QList<Event> &events)
{
    if (m_buffer.isEmpty() || m_buffer.at(0) == kFrameStart)
        return;
    const qsizetype start = m_buffer.indexOf(kFrameStart);
    releaseUnframed(start < 0 ? m_buffer.size() : start, events);
}

void SimFrameParser::releaseUnframed(qsizetype count, QList<Event> &events)
{
    for (qsizetype i = 0; i < count; ++i) {
        if (m_buffer.at(i) != kAlarmByte) {
            m_alarmRun = 0;
            continue;
        }
        if (++m_alarmRun == SimDefaults::kBroadcastAlarmLength) {
            events.append(Event{Event::BroadcastAlarm, {}});
            m_alarmRun = 0;
        }
    }
    m_buffer.remove(0, count);
}
