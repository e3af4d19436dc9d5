#pragma once

#include <QtGlobal>

#include "mainwindow/keyfilter.h"

// The rules of the keyboard commands that need no window: where a command may act, and how the lane
// and event selections move. The main window carries the commands out.
namespace KeyCommands
{

inline constexpr quint8 kNoLane = 255;

// A command acts only where it may: some only on the live view, some only in an administrator mode.
// The commands that do nothing (0, 1, 9, 10, 15, 16 and unknown values) are never allowed.
bool allowed(KeyPressed key, bool liveViewCurrent, int mode);

// Up: none selected -> lane 0; a lane above 0 -> the one before; lane 0 stays.
quint8 laneAbove(quint8 selected);
// Down: none selected -> lane 0; a lane before the last -> the next one; any other stays.
quint8 laneBelow(quint8 selected, int laneCount);
// F9: one entry up, except at the first entry (or with none).
int previousEventRow(int row);
// F10: one entry down, and from the last entry back to the first.
int nextEventRow(int row, int rows);

} // namespace KeyCommands
