#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class CCoordinator;
class CStartBlock;
struct CoordinatorCommonSettings;
struct StartBlockCommonSettings;

// One setting to send again: the info field and the value the project expects.
struct InfoFieldRequest {
    quint8 field = 0;
    int value = 0;

    bool operator==(const InfoFieldRequest &other) const
    {
        return field == other.field && value == other.value;
    }
};

// Keeps the devices at the project's settings: which settings a device reports differently, which
// devices are still waited on ("CU" and lane numbers, in the order found), whether the coordinator and
// the racing blocks have confirmed, and the busy notice that keeps Ready disabled meanwhile.
class SettingsDistribution
{
    Q_DECLARE_TR_FUNCTIONS(SettingsDistribution)

public:
    struct WaitingStatus {
        bool ready = false;
        QString notice; // empty when ready
    };

    // The settings that differ, in the order they are sent.
    static QList<InfoFieldRequest> differingSettings(const CStartBlock &block,
                                                     const StartBlockCommonSettings &expected);
    static QList<InfoFieldRequest> differingSettings(const CCoordinator &coordinator,
                                                     const CoordinatorCommonSettings &expected);

    // The walk over the racing blocks after any block's info reply: it stops at the first that differs.
    void reviewBlocks(const QList<CStartBlock *> &blocks, const StartBlockCommonSettings &expected);
    void reviewCoordinator(const CCoordinator &coordinator, const CoordinatorCommonSettings &expected);
    // After a change of the project's device settings: both confirmations are due again.
    void clearConfirmations();
    // A lane that no longer races is not waited on.
    void forgetLane(quint8 lane);

    const QStringList &pendingDevices() const { return m_pending; }
    bool coordinatorConfirmed() const { return m_coordinatorConfirmed; }
    bool blocksConfirmed() const { return m_blocksConfirmed; }

    // Ready when the coordinator confirmed and every racing block confirmed and is synchronised.
    WaitingStatus waitingStatus(const QList<CStartBlock *> &blocks) const;

private:
    void markPending(const QString &device, bool pending);
    QString settingsNotice() const;

    QStringList m_pending;
    bool m_coordinatorConfirmed = false;
    bool m_blocksConfirmed = false;
};
