#pragma once

#include <QList>
#include <QPointer>

class CSerialComThread;
class CStartBlock;

// What the hardware and synchronisation tests need of the main window: its race commands, its lane rows
// and the serial protocol object. The main window implements it; a test implements it with plain
// values, so the procedures run without a whole window.
class TestProcedureHost
{
public:
    virtual ~TestProcedureHost() = default;

    // The window's Ready, Start and Idle broadcasts to every device.
    virtual void broadcastReady() = 0;
    virtual void broadcastStart() = 0;
    virtual void broadcastIdle() = 0;
    // The serial protocol object, whose all-ready flag the tests read and which resynchronises a block;
    // may be null.
    virtual CSerialComThread *serialComThread() const = 0;
    // The block of each lane row, in lane-layout order; empty lanes have no row.
    virtual QList<CStartBlock *> laneRowBlocks() const = 0;
    // Sets the participation status in the row of that block exactly as if the operator had picked it.
    virtual void setLaneRowParticipationStatus(CStartBlock *block, unsigned status) = 0;

    // The serial protocol object's all-ready flag: every device has followed the Ready broadcast.
    bool allDevicesReady() const;
};

// The procedures keep the set's blocks guarded, since the lanes may be rebuilt while they are open.
QList<QPointer<CStartBlock>> guardedBlocks(const QList<CStartBlock *> &blocks);
