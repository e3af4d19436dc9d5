#pragma once

#include <memory>

#include <QDialog>
#include <QList>
#include <QStringListModel>
#include <QTimer>

#include "dialogs/hardwaretestsequence.h"

class QEvent;
class CStartBlock;
class TestProcedureHost;

namespace Ui
{
class TestHardwareDlg;
}

// The built-in test of the start blocks, a non-modal window: the operator picks a lane or "ALL" and a
// start delay, and the loop timer runs the test sequence. Cancel, Escape and the close button all
// restore the rows and send every device to IDLE before the window is rejected.
class TestHardwareDlg : public QDialog
{
    Q_OBJECT

public:
    TestHardwareDlg(QWidget *parent, TestProcedureHost &host);
    ~TestHardwareDlg() override;

    // Fills the lane choice: "ALL", then each block's lane once.
    void SetStartBlocks(const QList<CStartBlock *> &blocks);
    const HardwareTestSequence &sequence() const { return m_sequence; }
    bool isLoopRunning() const { return m_loopTimer.isActive(); }
    int loopInterval() const { return m_loopTimer.interval(); }

public slots:
    void OnLoopEventFired();
    void OnHslStartDelayValueChanged(int value);
    void OnBtnTestClicked();
    void OnBtnCancelClicked();
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void showTexts();
    bool isAllChosen() const;

    std::unique_ptr<Ui::TestHardwareDlg> ui;
    HardwareTestSequence m_sequence;
    QTimer m_loopTimer;
    QStringListModel m_laneModel;
    bool m_cancelled = false;
};
