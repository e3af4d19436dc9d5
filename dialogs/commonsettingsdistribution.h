#pragma once

#include <QList>
#include <QObject>
#include <QVariant>

#include "core/projectsettings.h"

class BusyNotice;
class CCoordinator;
class CStartBlock;
class QWidget;

// The main window's Settings button: runs the common start-block settings dialog and, once the operator
// confirms, sends every block each value that differs from what a racing block reports, keeps the new
// values in the window's records and the settings store, and puts up the busy notice until the devices
// report them. The records are the main window's own; they must outlive this object.
class CommonSettingsDistribution : public QObject
{
    Q_OBJECT

public:
    CommonSettingsDistribution(StartBlockCommonSettings &blockSettings,
                               CoordinatorCommonSettings &coordinatorSettings, BusyNotice &busy,
                               QObject *parent = nullptr);

    // blocks: the lane list in its order. True when settings went out.
    bool Run(QWidget *parent, const QList<CStartBlock *> &blocks, CCoordinator *coordinator, int mode);
    // What follows an accepted dialog, given its edited record. True when settings went out.
    bool Distribute(QWidget *parent, const StartBlockCommonSettings &edited,
                    const QList<CStartBlock *> &blocks, CCoordinator *coordinator);

signals:
    void set_info_field_request(unsigned char type, QVariant data, CStartBlock *startBlock);
    void set_info_field_request_coordinator(unsigned char type, QVariant data, CCoordinator *coordinator);

private:
    StartBlockCommonSettings &m_blockSettings;
    CoordinatorCommonSettings &m_coordinatorSettings;
    BusyNotice &m_busy;
};
