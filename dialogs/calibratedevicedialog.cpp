#include "dialogs/calibratedevicedialog.h"

#include <QEvent>

#include "devices/ccoordinator.h"
#include "devices/cserialcomthread.h"
#include "ui_calibratedevicedialog.h"

CalibrateDeviceDialog::CalibrateDeviceDialog(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CalibrateDeviceDialog>())
{
    ui->setupUi(this);
    ui->pgbUpdate->setRange(0, CalibrationCountdown::kSeconds);
    ui->pgbUpdate->setValue(0);
    ui->btnStart->setEnabled(false);
    m_updateTimer.setInterval(CalibrationCountdown::kTickMs);
    connect(&m_updateTimer, &QTimer::timeout, this, &CalibrateDeviceDialog::OnUpdateTimerTimeout);
    connect(ui->btnStart, &QPushButton::clicked, this, &CalibrateDeviceDialog::OnBtnStartClicked);
    connect(ui->btnCancel, &QPushButton::clicked, this, &CalibrateDeviceDialog::OnBtnCancelClicked);
}

CalibrateDeviceDialog::~CalibrateDeviceDialog() = default;

void CalibrateDeviceDialog::SetCoordinator(CCoordinator *coordinator)
{
    m_coordinator = coordinator;
    ui->btnStart->setEnabled(coordinator != nullptr);
}

void CalibrateDeviceDialog::ConnectCoordinator(CSerialComThread *serialThread)
{
    m_serialThread = serialThread;
    m_countdown.setSerialComThread(serialThread);
    if (!serialThread)
        return;
    connect(this, &CalibrateDeviceDialog::set_calibration_request_coordinator, serialThread,
            &CSerialComThread::OnSetCalibrationRequestCoordinator);
    connect(serialThread, &CSerialComThread::calibration_request_ack_received, this,
            &CalibrateDeviceDialog::OnCalibrationRequestAckReceived);
}

void CalibrateDeviceDialog::OnBtnStartClicked()
{
    if (!m_coordinator || !m_serialThread)
        return;
    m_countdown.request();
    emit set_calibration_request_coordinator(m_coordinator);
}

void CalibrateDeviceDialog::OnBtnCancelClicked()
{
    reject();
}

void CalibrateDeviceDialog::OnUpdateTimerTimeout()
{
    const bool finished = m_countdown.tick();
    ui->pgbUpdate->setValue(m_countdown.progress());
    if (!finished) {
        showInfo(Info::Progress);
        return;
    }
    m_updateTimer.stop();
    m_result = m_coordinator ? m_coordinator->calibration() : 0.0f;
    showInfo(Info::Result);
}

void CalibrateDeviceDialog::OnCalibrationRequestAckReceived()
{
    m_countdown.acknowledge();
    showInfo(Info::Progress);
    ui->pgbUpdate->setValue(0);
    m_updateTimer.start();
}

void CalibrateDeviceDialog::reject()
{
    // Escape and the close button land here too: none of them may leave the devices unpolled
    m_updateTimer.stop();
    m_countdown.giveUp();
    QDialog::reject();
}

void CalibrateDeviceDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        if (m_info != Info::Form)
            showInfo(m_info);
    }
    QDialog::changeEvent(event);
}

void CalibrateDeviceDialog::showInfo(Info info)
{
    m_info = info;
    // once finished, Cancel is the way out: it closes the window, the calibration is kept
    ui->lblInfo->setText(info == Info::Progress ? m_countdown.progressText()
                                                : CalibrationCountdown::resultText(m_result) +
                                                      QLatin1Char('\n') + tr("Cancel closes the window."));
}
