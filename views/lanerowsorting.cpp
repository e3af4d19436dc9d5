#include "views/lanerowsorting.h"

#include <memory>

#include <QLayoutItem>
#include <QVBoxLayout>

#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "views/startblockmeasurementwidget.h"

namespace LaneRowSorting
{

QList<int> takeRows(QVBoxLayout *layout)
{
    QList<int> formerLanes;
    for (int position = layout->count() - 1; position >= 0; --position) {
        const std::unique_ptr<QLayoutItem> item(layout->takeAt(position));
        auto *row = qobject_cast<Row *>(item->widget());
        if (!row)
            continue;
        if (const CStartBlock *block = row->startBlock()) {
            formerLanes << block->lane();
            continue;
        }
        formerLanes << row->DisplayedLane();
        row->hide();
        row->deleteLater();
    }
    return formerLanes;
}

QList<LaneOrder::RowKey> reactionKeys(const QList<Row *> &rows)
{
    QList<LaneOrder::RowKey> keys;
    for (const Row *row : rows) {
        LaneOrder::RowKey key{row->startBlock() ? row->startBlock()->lane() : 0,
                              row->measurement() != nullptr, std::nullopt};
        if (const CStartBlockMeasurement *measurement = row->measurement()) {
            if (measurement->hasGraph())
                key.reaction = qint16(measurement->graph().reactionPosition);
        }
        keys << key;
    }
    return keys;
}

QList<int> lanes(const QList<Row *> &rows)
{
    QList<int> result;
    for (const Row *row : rows)
        result << (row->startBlock() ? row->startBlock()->lane() : 0);
    return result;
}

QList<Row *> placeRows(QVBoxLayout *layout, const QList<Row *> &rows, const QList<LaneOrder::Place> &places,
                       int stretch, const PlaceholderMaker &addPlaceholder)
{
    QList<Row *> placed;
    for (int position = 0; position < places.size(); ++position) {
        const LaneOrder::Place &place = places.at(position);
        if (place.isPlaceholder()) {
            addPlaceholder(place.lane, position);
            continue;
        }
        placed << rows.at(place.row);
        layout->insertWidget(position, placed.constLast(), stretch);
    }
    return placed;
}

} // namespace LaneRowSorting
