#pragma once

#include <memory>

#include <QDialog>
#include <QPointer>

class CCoordinator;
class CStartBlock;
class QMouseEvent;

namespace Ui
{
class LoggingDlg;
}

// How a device answered the requests sent to it: a table row per request, the totals, the average
// delay and the picture of the delays. The caller sets the block or the coordinator, then fills.
class LoggingDlg : public QDialog
{
    Q_OBJECT

public:
    explicit LoggingDlg(QWidget *parent = nullptr);
    ~LoggingDlg() override;

    void setStartBlock(CStartBlock *startBlock);
    void setCoordinator(CCoordinator *coordinator);
    // Reads the block's log when a block is set, else the coordinator's.
    void fill();
    int packetsSent() const { return m_packetsSent; }

public slots:
    void OnOK();
    void MouseMoved(QMouseEvent *mouseEvent);

private:
    std::unique_ptr<Ui::LoggingDlg> ui;
    QPointer<CCoordinator> m_coordinator;
    QPointer<CStartBlock> m_startBlock;
    int m_packetsSent = 0;
};
