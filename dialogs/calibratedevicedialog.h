#pragma once

#include <memory>

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QTimer>

#include "dialogs/calibrationcountdown.h"

class QEvent;
class CCoordinator;
class CSerialComThread;

namespace Ui
{
class CalibrateDeviceDialog;
}

// Calibrates the coordinator: Start stops polling and asks for the calibration, the acknowledgement
// starts a countdown of 185 seconds, and then the calibration value is shown and polling runs again.
// Start is disabled without a coordinator; Cancel, Escape and the close button restart polling.
class CalibrateDeviceDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CalibrateDeviceDialog(QWidget *parent = nullptr);
    ~CalibrateDeviceDialog() override;

    void SetCoordinator(CCoordinator *coordinator);
    // Requests go to the serial protocol object and its acknowledgement comes back here.
    void ConnectCoordinator(CSerialComThread *serialThread);

    const CalibrationCountdown &countdown() const { return m_countdown; }
    bool isCountdownRunning() const { return m_updateTimer.isActive(); }

signals:
    void set_calibration_request_coordinator(CCoordinator *coordinator);

public slots:
    void OnBtnStartClicked();
    void OnBtnCancelClicked();
    void OnUpdateTimerTimeout();
    void OnCalibrationRequestAckReceived();
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    enum class Info { Form, Progress, Result };
    void showInfo(Info info);

    std::unique_ptr<Ui::CalibrateDeviceDialog> ui;
    QTimer m_updateTimer;
    QPointer<CSerialComThread> m_serialThread;
    QPointer<CCoordinator> m_coordinator;
    CalibrationCountdown m_countdown;
    Info m_info = Info::Form; // what the info line shows, written anew in a new language
    float m_result = 0.0f;
};
