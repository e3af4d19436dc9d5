#pragma once

#include <functional>

#include <QList>

#include "views/laneorder.h"

class QVBoxLayout;
class StartBlockMeasurementWidget;

// The moves of a lane view's rows when its header buttons sort it, shared by the live view and the
// measurement tabs: the rows leave the layout, the placeholders of empty lanes go for good, and the rows
// come back in the order LaneOrder gives with new placeholders where it leaves a lane empty.
namespace LaneRowSorting
{

using Row = StartBlockMeasurementWidget;
// Makes a placeholder row for a lane and puts it at a position of the layout.
using PlaceholderMaker = std::function<void(int lane, int position)>;

// Takes every row out of the layout, last first; the placeholders are deleted. Gives the lanes of the
// former places in that order.
QList<int> takeRows(QVBoxLayout *layout);
// What the sort by reaction time sees of each row.
QList<LaneOrder::RowKey> reactionKeys(const QList<Row *> &rows);
// The rows' lanes, for the sort by lane.
QList<int> lanes(const QList<Row *> &rows);
// Puts the rows back in the order of places; returns the rows in their new order.
QList<Row *> placeRows(QVBoxLayout *layout, const QList<Row *> &rows, const QList<LaneOrder::Place> &places,
                       int stretch, const PlaceholderMaker &addPlaceholder);

} // namespace LaneRowSorting
