#pragma once

#include <memory>

#include <QDialog>

#include "dialogs/deviceidentification.h"

class QEvent;

namespace Ui
{
class DeviceIdentificationDlg;
}

// What an identified device says of itself: its serial number, PAN id and lane, or "CU" for the
// coordinator. OK closes it.
class DeviceIdentificationDlg : public QDialog
{
    Q_OBJECT

public:
    DeviceIdentificationDlg(QWidget *parent, const DeviceIdentification::Reply &reply);
    ~DeviceIdentificationDlg() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void showReply();

    std::unique_ptr<Ui::DeviceIdentificationDlg> ui;
    DeviceIdentification::Reply m_reply;
};
