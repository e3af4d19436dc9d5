#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

// The one time source of the serial link: send and reply times, the repeat and probe clocks and the
// wired start time are all read here, so a test can put a clock it sets by hand in its place.
class SerialClock
{
public:
    SerialClock();
    virtual ~SerialClock();

    // Milliseconds on a steady clock; only differences between two readings mean something.
    virtual qint64 steadyMs() const;
    virtual qint64 msSinceEpoch() const;

private:
    QElapsedTimer m_timer;
};
