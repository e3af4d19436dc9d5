#include "views/laneorder.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace LaneOrder
{

namespace
{

QList<int> indexes(qsizetype count)
{
    QList<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

// Smaller sorts first: real reactions, then rows without a graph, then rows without a measurement.
std::tuple<int, int> reactionRank(const RowKey &row)
{
    if (!row.hasMeasurement)
        return {2, 0};
    if (!row.reaction)
        return {1, 0};
    return {0, *row.reaction};
}

} // namespace

QList<Place> byLane(const QList<int> &rowLanes)
{
    QList<int> order = indexes(rowLanes.size());
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return rowLanes[a] < rowLanes[b]; });
    QList<Place> places;
    for (const int row : std::as_const(order)) {
        while (places.size() + 1 < rowLanes[row])
            places.append({-1, int(places.size()) + 1});
        places.append({row, 0});
    }
    return places;
}

QList<Place> byReactionTime(const QList<RowKey> &rows, QList<int> formerLanes)
{
    QList<int> order = indexes(rows.size());
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return reactionRank(rows[a]) < reactionRank(rows[b]); });
    QList<Place> places;
    for (const int row : std::as_const(order)) {
        formerLanes.removeOne(rows[row].lane);
        places.append({row, 0});
    }
    for (const int lane : std::as_const(formerLanes))
        places.append({-1, lane});
    return places;
}

} // namespace LaneOrder
