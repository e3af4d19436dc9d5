#pragma once

#include "devices/serialclock.h"

// A clock that moves only when the test says so.
class ManualClock : public SerialClock
{
public:
    static constexpr qint64 kEpochAtStart = 1700000000000;

    qint64 steadyMs() const override { return m_ms; }
    qint64 msSinceEpoch() const override { return kEpochAtStart + m_ms; }
    void advance(qint64 ms) { m_ms += ms; }

private:
    qint64 m_ms = 1000;
};
