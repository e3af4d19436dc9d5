#pragma once

#include <memory>

#include <QDialog>
#include <QPointer>
#include <QVariant>

#include "dialogs/starttimefiltermodel.h"
#include "dialogs/starttimemodel.h"

class CCoordinator;
class CSerialComThread;
class QTimer;

namespace Ui
{
class StartTimeDlg;
}

// The start times the coordinator reported, newest first, kept current every second while open.
class StartTimeDlg : public QDialog
{
    Q_OBJECT

public:
    explicit StartTimeDlg(QWidget *parent = nullptr);
    ~StartTimeDlg() override;

    void SetCoordinator(CCoordinator *coordinator);
    // The live coordinator row passes the serial protocol object, the row of an opened file null.
    void ConnectCoordinator(CSerialComThread *serialThread);

signals:
    void send_starttime_request(unsigned char type, QVariant data, CCoordinator *coordinator);

public slots:
    void sortOnDefaultColumn();
    void OnBtnRequestSendClicked();
    void OnBtnOkClicked();
    void OnUpdateTimerFired();

private:
    void fitListToItsTimes();

    std::unique_ptr<Ui::StartTimeDlg> ui;
    QPointer<CCoordinator> m_coordinator;
    QPointer<CSerialComThread> m_serialThread;
    QTimer *m_updateTimer = nullptr;
    StartTimeModel m_startTimeModel;
    StartTimeFilterModel m_startTimeFilterModel;
};
