#pragma once

#include <memory>

#include <QDialog>
#include <QPointer>
#include <QTimer>

class CStartBlockMeasurement;

namespace Ui
{
class StartBlockMeasurementsStatusDlg;
}

// The live link and power state of one start block: battery, connection, link quality and
// synchronisation, read again from the measurement every second. It sends nothing.
class StartBlockMeasurementsStatusDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kRefreshMs = 1000;

    explicit StartBlockMeasurementsStatusDlg(QWidget *parent = nullptr);
    ~StartBlockMeasurementsStatusDlg() override;

    void SetStartBlock(CStartBlockMeasurement *measurement);

public slots:
    void OnUpdateTimerFired();
    void OnBtnOKClicked();

private:
    void showBattery();
    void showLink();
    void showSynchronisation();

    std::unique_ptr<Ui::StartBlockMeasurementsStatusDlg> ui;
    QPointer<CStartBlockMeasurement> m_measurement;
    QTimer *m_timer; // child
};
