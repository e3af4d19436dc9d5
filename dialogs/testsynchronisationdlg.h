#pragma once

#include <memory>

#include <QDialog>
#include <QList>
#include <QTimer>

#include "dialogs/synchronisationtestsequence.h"

class QEvent;
class CCoordinator;
class CStartBlock;
class StartSoundListWidget;
class TestProcedureHost;

namespace Ui
{
class TestSynchronisationDlg;
}

// The synchronisation test, a non-modal window: a single test or one every five minutes, with the start
// and sound times of the blocks shown when a test ends. Cancel, Escape and the close button all send the
// devices to IDLE when a participating block is not idle.
class TestSynchronisationDlg : public QDialog
{
    Q_OBJECT

public:
    TestSynchronisationDlg(QWidget *parent, TestProcedureHost &host);
    ~TestSynchronisationDlg() override;

    void SetCoordinator(CCoordinator *coordinator);
    void SetStartBlocks(const QList<CStartBlock *> &blocks);
    // Runs on a click of btnRepeatTest; not a slot of its own, since no widget bears its name.
    void on_RepeatTest_clicked();

    const SynchronisationTestSequence &sequence() const { return m_sequence; }
    StartSoundListWidget *startSoundList() const;
    bool isLoopRunning() const { return m_loopTimer.isActive(); }
    bool isRepeating() const { return m_repeatTimer.isActive(); }

public slots:
    void on_btnCancel_clicked();
    void on_btnTest_clicked();
    void OnLoopEventFired();
    void OnRepeatTestTimerFired();
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::TestSynchronisationDlg> ui;
    SynchronisationTestSequence m_sequence;
    QTimer m_loopTimer;
    QTimer m_repeatTimer;
    bool m_cancelled = false;
};
