#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>

class CSerialComThread;

// The coordinator's calibration without its window: polling stops while the coordinator works, a
// countdown of 185 one-second ticks runs from its acknowledgement, and polling starts again when the
// countdown ends or when the calibration is given up.
class CalibrationCountdown
{
    Q_DECLARE_TR_FUNCTIONS(CalibrateDeviceDialog)

public:
    static constexpr int kSeconds = 185;
    static constexpr int kTickMs = 1000;

    enum class Phase { Idle, Requested, Counting, Finished };

    void setSerialComThread(CSerialComThread *serial);

    // Start: polling stops until the countdown ends; the caller sends the request.
    void request();
    // The coordinator acknowledged: the countdown starts again from 0.
    void acknowledge();
    // One second; true when the countdown just ended, upon which polling runs again.
    bool tick();
    // Cancel, Escape or close: polling runs again if this calibration stopped it.
    void giveUp();

    Phase phase() const { return m_phase; }
    int progress() const { return m_progress; }
    int secondsLeft() const { return kSeconds - m_progress; }
    bool isPollingStopped() const { return m_pollingStopped; }

    // The texts of the countdown and its result, in the language chosen.
    QString progressText() const;
    static QString resultText(float calibration);

private:
    void restartPolling();

    QPointer<CSerialComThread> m_serial;
    Phase m_phase = Phase::Idle;
    int m_progress = 0;
    bool m_pollingStopped = false;
};
