#pragma once

#include <QByteArray>
#include <QList>

#include "sim/simframe.h"

// Puts a start-sound sample together from the program's acknowledged packets. A packet that does not
// fit (lengths that disagree, data past the announced total) is refused and so not acknowledged.
class SimSampleAssembler
{
public:
    static constexpr int kMaxSampleBytes = 65534;

    enum class Outcome { Refused, Accepted, Completed };

    Outcome takePacket(const QList<SimItem> &items);

    QByteArray completedSample() const { return m_completed; }
    quint16 samplePeriodUs() const { return m_periodUs; }

private:
    struct Packet {
        quint16 periodUs = 0;
        quint32 offset = 0;
        quint16 length = 0;
        quint16 total = 0;
        QByteArray data;
    };

    static bool readPacket(const QList<SimItem> &items, Packet &packet);
    bool repeatsCompletedSample(const Packet &packet) const;

    QByteArray m_building;
    qsizetype m_contiguous = 0;
    quint16 m_periodUs = 0;
    QByteArray m_completed;
};
