#include "dialogs/startblockssetsortfilterproxymodel.h"

#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "dialogs/startblocksettablemodel.h"

StartBlocksSetSortFilterProxyModel::StartBlocksSetSortFilterProxyModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

void StartBlocksSetSortFilterProxyModel::setSetName(const QString &name)
{
    m_setName = name;
    invalidateFilter();
}

bool StartBlocksSetSortFilterProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const auto *table = qobject_cast<const StartBlockSetTableModel *>(sourceModel());
    if (!table)
        return false;
    const SetTableItem item = table->ItemAtRow(sourceRow);
    switch (item.kind) {
    case SetTableItem::Coordinator:
        return item.coordinator->startBlockSetName() == m_setName;
    case SetTableItem::StartBlock:
        return item.block->startBlockSetName() == m_setName;
    case SetTableItem::None:
        break;
    }
    return false;
}

bool StartBlocksSetSortFilterProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QVariant leftValue = sourceModel()->data(left, Qt::DisplayRole);
    const QVariant rightValue = sourceModel()->data(right, Qt::DisplayRole);
    switch (left.column()) {
    case StartBlockSetTableModel::ColumnLane:
        return leftValue.toInt() < rightValue.toInt(); // the coordinator's mark reads as 0
    case StartBlockSetTableModel::ColumnSerial:
        return leftValue.toString().toLower() < rightValue.toString().toLower();
    default:
        return false;
    }
}
