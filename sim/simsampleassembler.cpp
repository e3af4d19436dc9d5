#include "sim/simsampleassembler.h"

#include "sim/simprotocol.h"

namespace
{

constexpr int kPeriodBytes = 2;
constexpr int kOffsetBytes = 4;
constexpr int kLengthBytes = 2;

bool hasWidth(const SimItem &item, int width)
{
    return item.value.size() == width;
}

} // namespace

bool SimSampleAssembler::readPacket(const QList<SimItem> &items, Packet &packet)
{
    using namespace SimProtocol;
    int headerItems = 0;
    for (const SimItem &item : items) {
        if (item.id == SamplePeriod && hasWidth(item, kPeriodBytes)) {
            packet.periodUs = quint16(simBigEndianValue(item.value));
            ++headerItems;
        } else if (item.id == SampleOffset && hasWidth(item, kOffsetBytes)) {
            packet.offset = quint32(simBigEndianValue(item.value));
            ++headerItems;
        } else if (item.id == SampleBytes && hasWidth(item, kLengthBytes)) {
            packet.length = quint16(simBigEndianValue(item.value));
            ++headerItems;
        } else if (item.id == SampleTotal && hasWidth(item, kLengthBytes)) {
            packet.total = quint16(simBigEndianValue(item.value));
            ++headerItems;
        } else if (item.id >= SampleFirstChunk && item.id <= SampleLastChunk) {
            packet.data.append(item.value);
        }
    }
    constexpr int kHeaderItems = 4;
    return headerItems == kHeaderItems && packet.total <= kMaxSampleBytes &&
           packet.data.size() == packet.length && qint64(packet.offset) + packet.length <= packet.total;
}

bool SimSampleAssembler::repeatsCompletedSample(const Packet &packet) const
{
    return m_building.isEmpty() && packet.offset > 0 && m_completed.size() == packet.total &&
           m_completed.mid(packet.offset, packet.length) == packet.data;
}

SimSampleAssembler::Outcome SimSampleAssembler::takePacket(const QList<SimItem> &items)
{
    Packet packet;
    if (!readPacket(items, packet))
        return Outcome::Refused;
    if (repeatsCompletedSample(packet))
        return Outcome::Accepted; // the acknowledgement of the last packet was lost
    if (packet.offset == 0 || m_building.size() != packet.total) {
        m_building = QByteArray(packet.total, '\0');
        m_contiguous = 0;
    }
    // a repeated packet (its acknowledgement was lost) simply lands on the same bytes again
    if (qsizetype(packet.offset) > m_contiguous)
        return Outcome::Refused;
    m_building.replace(packet.offset, packet.length, packet.data);
    m_contiguous = qMax(m_contiguous, qsizetype(packet.offset) + packet.length);
    m_periodUs = packet.periodUs;
    if (m_contiguous < m_building.size())
        return Outcome::Accepted;
    m_completed = m_building;
    m_building.clear();
    m_contiguous = 0;
    return Outcome::Completed;
}
