#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

class CStartBlock;
class TestProcedureHost;

// The loop of the built-in hardware test without its window: for each tested lane it makes that lane's
// row the only active one, broadcasts Ready until every device is ready, waits the start delay,
// broadcasts Start, waits for the results and restores the rows. Its owner calls tick() every
// intervalMs() while isRunning(), so a test drives it with a clock of its own.
class HardwareTestSequence
{
    Q_DECLARE_TR_FUNCTIONS(TestHardwareDlg)

public:
    static constexpr int kLoopIntervalMs = 2000;
    static constexpr int kDefaultStartDelaySeconds = 5;

    enum State {
        Idle = 0,
        BroadcastReady = 1,
        WaitReady = 2,
        BroadcastStart = 3,
        WaitResults = 4,
        Restore = 5
    };

    explicit HardwareTestSequence(TestProcedureHost &host);

    // The blocks of the chosen set; the lane choice lists each of their lanes once, in list order.
    void setStartBlocks(const QList<CStartBlock *> &blocks);
    QStringList laneTexts() const;
    // Read when every device is ready, so a change during a test applies to the next lane.
    void setStartDelaySeconds(int seconds) { m_startDelaySeconds = seconds; }

    // Test pressed with "ALL" (all) or with one lane's text; false when no lane is left to test.
    bool start(bool all, const QString &laneText);
    // One step of the loop; allChosen: the lane choice shows "ALL" now.
    void tick(bool allChosen);
    // Cancel: the rows are restored and every device is sent to IDLE.
    void cancel();

    bool isRunning() const { return m_running; }
    int intervalMs() const { return m_intervalMs; }
    int state() const { return m_state; }
    quint8 currentLane() const { return m_currentLane; }
    // The progress text of the last step, in the current language.
    QString actionText() const;

private:
    enum class Action { None, ReadyBroadcast, WaitReady, Started, WaitResults, Finished, PressTest };

    QList<CStartBlock *> liveBlocks() const;
    bool isExcluded(const CStartBlock *block) const;
    QString nextLane();
    void selectLane(const QString &laneText);
    void restoreRows();

    TestProcedureHost &m_host;
    QList<QPointer<CStartBlock>> m_startBlocks;
    QList<QPointer<CStartBlock>> m_excludedStartBlocks; // INACTIVE when an "ALL" test started
    int m_state = Idle;
    bool m_running = false;
    int m_intervalMs = kLoopIntervalMs;
    int m_startDelaySeconds = kDefaultStartDelaySeconds;
    quint8 m_currentLane = 0;
    bool m_laneChosen = false; // lane 0 is a lane like any other, so "none" needs its own flag
    quint8 m_readyWaitCount = 0;
    Action m_action = Action::None;
    quint8 m_actionLane = 0;
};
