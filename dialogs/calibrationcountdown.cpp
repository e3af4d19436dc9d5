#include "dialogs/calibrationcountdown.h"

#include "devices/cserialcomthread.h"

namespace
{
constexpr int kResultDecimals = 8;
}

void CalibrationCountdown::setSerialComThread(CSerialComThread *serial)
{
    m_serial = serial;
}

void CalibrationCountdown::request()
{
    if (m_serial)
        m_serial->StopQuestionsTimer();
    m_pollingStopped = true;
    m_phase = Phase::Requested;
}

void CalibrationCountdown::acknowledge()
{
    m_progress = 0;
    m_phase = Phase::Counting;
}

bool CalibrationCountdown::tick()
{
    if (m_phase != Phase::Counting)
        return false;
    ++m_progress;
    if (m_progress < kSeconds)
        return false;
    m_phase = Phase::Finished;
    restartPolling();
    return true;
}

void CalibrationCountdown::giveUp()
{
    if (m_phase == Phase::Requested || m_phase == Phase::Counting)
        m_phase = Phase::Idle;
    restartPolling();
}

QString CalibrationCountdown::progressText() const
{
    return tr("Calibration in progress: wait %1 seconds").arg(secondsLeft());
}

QString CalibrationCountdown::resultText(float calibration)
{
    return tr("Calibration finished: %1").arg(double(calibration), 0, 'f', kResultDecimals);
}

void CalibrationCountdown::restartPolling()
{
    if (!m_pollingStopped)
        return;
    m_pollingStopped = false;
    if (m_serial)
        m_serial->startQuestionsTimerTimeout();
}
