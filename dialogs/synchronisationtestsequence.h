#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QString>

class CCoordinator;
class CStartBlock;
class TestProcedureHost;

// The loop of the synchronisation test without its window: one Ready and Start of the whole
// installation, then a wait until the coordinator's status field 18 moves on from its value at the
// start. Its owner calls tick() every kLoopIntervalMs while isRunning() and acts on the list step.
// Without a coordinator the test does not wait for it.
class SynchronisationTestSequence
{
    Q_DECLARE_TR_FUNCTIONS(TestSynchronisationDlg)

public:
    static constexpr int kLoopIntervalMs = 2000;
    static constexpr int kRepeatIntervalMs = 300000;
    static constexpr int kLastState = 6;

    enum State {
        Idle = 0,
        BroadcastReady = 1,
        WaitReady = 2,
        BroadcastStart = 3,
        WaitResults = 4,
        WaitCoordinator = 5,
        DisplayResults = 6
    };
    // What the start and sound time list does after a tick.
    enum class ListStep { None, HideResync, RefreshTimes };

    explicit SynchronisationTestSequence(TestProcedureHost &host);

    void setCoordinator(CCoordinator *coordinator);
    void setStartBlocks(const QList<CStartBlock *> &blocks);
    // Repeat mode only changes the text shown when a test ends.
    void setRepeating(bool repeating) { m_repeating = repeating; }

    // A new test from state 1, replacing one in progress.
    void start();
    ListStep tick();
    // Sends every device to IDLE when a participating block is not IDLE; true when it did.
    bool cancel();

    bool isRunning() const { return m_running; }
    int state() const { return m_state; }
    // The progress bar shows the state a tick started in.
    int progress() const { return m_progress; }
    QString actionText() const;

private:
    enum class Action {
        PressTest,
        Testing,
        ReadyBroadcast,
        WaitReady,
        Started,
        WaitResults,
        WaitCoordinator,
        DisplayResults
    };

    bool anyParticipantAwake() const;

    TestProcedureHost &m_host;
    QPointer<CCoordinator> m_coordinator;
    QList<QPointer<CStartBlock>> m_startBlocks;
    int m_state = Idle;
    int m_progress = 0;
    bool m_running = false;
    bool m_repeating = false;
    quint64 m_startReference = 0;
    Action m_action = Action::PressTest;
};
