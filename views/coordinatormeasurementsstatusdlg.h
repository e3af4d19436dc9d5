#pragma once

#include <memory>

#include <QDialog>
#include <QPointer>
#include <QTimer>

class CCoordinator;

namespace Ui
{
class CoordinatorMeasurementsStatusDlg;
}

// The live power and start-input state of the coordinator and its link, read again from the coordinator
// every second. It sends nothing.
class CoordinatorMeasurementsStatusDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kRefreshMs = 1000;

    explicit CoordinatorMeasurementsStatusDlg(QWidget *parent = nullptr);
    ~CoordinatorMeasurementsStatusDlg() override;

    void SetCoordinator(CCoordinator *coordinator);

public slots:
    void OnUpdateTimerFired();
    void OnBtnOKClicked();

private:
    void showBattery();
    void showStartInput();

    std::unique_ptr<Ui::CoordinatorMeasurementsStatusDlg> ui;
    QPointer<CCoordinator> m_coordinator;
    QTimer *m_timer; // child
};
