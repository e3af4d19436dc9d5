#include "mainwindow/racedheats.h"

namespace
{
constexpr int kFields = 5;
constexpr quint16 kMaxStart = 65535;
} // namespace

bool RacedHeats::names(const Raced &raced, const MeetHeat &heat)
{
    return raced.server == heat.serverName && raced.eventId == heat.eventId &&
           raced.roundId == heat.roundId && raced.heatId == heat.heatId;
}

quint16 RacedHeats::nextStart(const MeetHeat &heat) const
{
    for (const Raced &raced : m_heats) {
        if (names(raced, heat))
            return quint16(qMin<int>(raced.start + 1, kMaxStart));
    }
    return 1;
}

bool RacedHeats::raced(const MeetHeat &heat, quint16 start)
{
    for (Raced &raced : m_heats) {
        if (!names(raced, heat))
            continue;
        if (start <= raced.start)
            return false;
        raced.start = start;
        return true;
    }
    if (m_heats.size() >= kMaxHeats)
        m_heats.removeFirst();
    m_heats.append({heat.serverName, heat.eventId, heat.roundId, heat.heatId, start});
    return true;
}

QStringList RacedHeats::toSetting() const
{
    QStringList entries;
    for (const Raced &raced : m_heats)
        entries << QStringLiteral("%1;%2;%3;%4;%5")
                       .arg(raced.eventId)
                       .arg(raced.roundId)
                       .arg(raced.heatId)
                       .arg(raced.start)
                       .arg(raced.server);
    return entries;
}

RacedHeats RacedHeats::fromSetting(const QStringList &entries)
{
    RacedHeats heats;
    for (const QString &entry : entries.mid(qMax(0, int(entries.size()) - kMaxHeats))) {
        bool ok[kFields - 1] = {};
        Raced raced;
        raced.eventId = entry.section(u';', 0, 0).toUInt(&ok[0]);
        raced.roundId = entry.section(u';', 1, 1).toUInt(&ok[1]);
        raced.heatId = entry.section(u';', 2, 2).toUInt(&ok[2]);
        const uint start = entry.section(u';', 3, 3).toUInt(&ok[3]);
        raced.server = entry.section(u';', 4); // the name may hold any character, ";" too
        if (!ok[0] || !ok[1] || !ok[2] || !ok[3] || start < 1 || start > kMaxStart)
            continue;
        raced.start = quint16(start);
        heats.raced({QString(), raced.server, raced.eventId, raced.roundId, raced.heatId}, raced.start);
    }
    return heats;
}
