#include "dialogs/testprocedurehost.h"

#include "devices/cserialcomthread.h"
#include "devices/cstartblock.h"

bool TestProcedureHost::allDevicesReady() const
{
    const CSerialComThread *serial = serialComThread();
    return serial && serial->allReady;
}

QList<QPointer<CStartBlock>> guardedBlocks(const QList<CStartBlock *> &blocks)
{
    QList<QPointer<CStartBlock>> guarded;
    for (CStartBlock *block : blocks)
        guarded.append(block);
    return guarded;
}
