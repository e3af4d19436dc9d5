#include "mainwindow/keycommands.h"

#include <array>

#include "core/sharedtypes.h"

namespace
{

struct Rule {
    KeyPressed key;
    bool liveViewOnly;
    int minimumMode;
};

const std::array<Rule, 18> kRules = {{
    {KeySelectRace, true, ModeOperator},
    {KeyLaneGraph, false, ModeOperator},
    {KeyFocusMain, false, ModeOperator},
    {KeyCloseTab, false, ModeOperator},
    {KeyTabSelector, false, ModeOperator},
    {KeyLaneUp, false, ModeOperator},
    {KeyLaneDown, false, ModeOperator},
    {KeyParticipation, true, ModeOperator},
    {KeyDeselect, false, ModeOperator},
    {KeyLiveTab, false, ModeOperator},
    {KeyLaneInfo, true, ModeAdministrator},
    {KeyLaneSoundGraph, true, ModeAdministrator},
    {KeyLaneMeasurements, true, ModeOperator},
    {KeyPreviousEvent, false, ModeOperator},
    {KeyNextEvent, false, ModeOperator},
    {KeyPreviousStart, false, ModeOperator},
    {KeyNextStart, false, ModeOperator},
    {KeyLaneLog, true, ModeAdministrator},
}};

} // namespace

namespace KeyCommands
{

bool allowed(KeyPressed key, bool liveViewCurrent, int mode)
{
    for (const Rule &rule : kRules) {
        if (rule.key == key)
            return (liveViewCurrent || !rule.liveViewOnly) && mode >= rule.minimumMode;
    }
    return false;
}

quint8 laneAbove(quint8 selected)
{
    if (selected == kNoLane)
        return 0;
    return selected > 0 ? quint8(selected - 1) : selected;
}

quint8 laneBelow(quint8 selected, int laneCount)
{
    if (selected == kNoLane)
        return 0;
    return selected < laneCount - 1 ? quint8(selected + 1) : selected;
}

int previousEventRow(int row)
{
    return row > 0 ? row - 1 : row;
}

int nextEventRow(int row, int rows)
{
    return row + 1 < rows ? row + 1 : 0;
}

} // namespace KeyCommands
