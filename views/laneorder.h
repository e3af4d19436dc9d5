#pragma once

#include <optional>

#include <QList>
#include <QtGlobal>

// The order of a lane view after its header buttons sort it: the rows that show a block, and a
// placeholder row for each lane that the order leaves empty. Plain values, so a file tab and the live
// view sort alike and a test needs no widget.
namespace LaneOrder
{

// One place of the sorted view, top to bottom.
struct Place {
    int row = -1; // index into the caller's row list; -1 for a placeholder
    int lane = 0; // the placeholder's lane

    bool isPlaceholder() const { return row < 0; }
    bool operator==(const Place &other) const { return row == other.row && lane == other.lane; }
};

// What the sort by reaction time sees of a row.
struct RowKey {
    int lane = 0;
    bool hasMeasurement = false;
    std::optional<qint16> reaction; // graph item 6; none while no reaction graph is held
};

// Rows by lane, ascending; each lane below a row's lane that no row holds gets a placeholder before it.
QList<Place> byLane(const QList<int> &rowLanes);

// Rows by reaction, ascending and signed, so the no-reaction marker 0x7FFF follows every real time;
// rows without a reaction graph after those, rows without a measurement last. formerLanes are the lanes
// of the view before sorting, from its last place to its first: each one that no row takes back
// becomes a placeholder, in that order, after the rows.
QList<Place> byReactionTime(const QList<RowKey> &rows, QList<int> formerLanes);

} // namespace LaneOrder
