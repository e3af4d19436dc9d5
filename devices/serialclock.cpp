#include "devices/serialclock.h"

#include <QDateTime>

SerialClock::SerialClock()
{
    m_timer.start();
}

SerialClock::~SerialClock() = default;

qint64 SerialClock::steadyMs() const
{
    return m_timer.elapsed();
}

qint64 SerialClock::msSinceEpoch() const
{
    return QDateTime::currentMSecsSinceEpoch();
}
