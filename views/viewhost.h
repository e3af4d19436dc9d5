#pragma once

#include <QString>

#include "views/stylesettings.h"

class CSerialComThread;
struct ProjectSettings;
struct StartBlockCommonSettings;

// What the live rows, graphs and measurement tabs need of the window that holds them. The main window
// implements it; a test implements it with plain values, so a row is built without a whole window.
class ViewHost
{
public:
    virtual ~ViewHost() = default;

    // A copy of the chosen colour theme.
    virtual StyleSettings currentStyle() const = 0;
    // The application mode (PossibleModes): the access level the views show.
    virtual int accessLevel() const = 0;
    // The serial protocol object, for the dialogs that ask the devices themselves; may be null.
    virtual CSerialComThread *serialComThread() const = 0;
    // The general settings in force (the results directory names the saved graph pictures).
    virtual const ProjectSettings &generalSettings() const = 0;
    // The common start-block settings the project expects (the block info dialog marks what differs).
    virtual const StartBlockCommonSettings &startBlockSettings() const = 0;
    // The base name of the running race's files, which also names a lane's graph picture.
    virtual QString raceFileName() const = 0;
    // A lane row tells that the operator chose DNS or DQ during the running race, so the next Ready
    // keeps that status. Other values are ignored.
    virtual void noteParticipationChosen(int participationStatus) = 0;
};
