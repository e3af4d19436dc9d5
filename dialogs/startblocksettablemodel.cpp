#include "dialogs/startblocksettablemodel.h"

#include <algorithm>

#include <QColor>

#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"

namespace
{

const QColor kCoordinatorBackground(128, 0, 0);
const QColor kCoordinatorForeground(255, 255, 255);

} // namespace

StartBlockSetTableModel::StartBlockSetTableModel(GroupList *groups, QObject *parent)
    : QAbstractTableModel(parent), m_groups(groups), m_headers{tr("Lane"), tr("Serial number")}
{
}

int StartBlockSetTableModel::rowsOf(const StartBlockSetGroup &group)
{
    return (group.coordinator ? 1 : 0) + int(group.blocks.size());
}

int StartBlockSetTableModel::firstRowOf(int groupIndex) const
{
    int row = 0;
    for (int index = 0; index < groupIndex; ++index)
        row += rowsOf(*m_groups->at(size_t(index)));
    return row;
}

int StartBlockSetTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    int rows = 0;
    for (const auto &group : *m_groups)
        rows += rowsOf(*group);
    return rows;
}

int StartBlockSetTableModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

QVariant StartBlockSetTableModel::data(const QModelIndex &index, int role) const
{
    const SetTableItem item = ItemAtRow(index.row());
    if (item.kind == SetTableItem::None)
        return {};
    const bool isCoordinator = item.kind == SetTableItem::Coordinator;
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == ColumnLane)
            return isCoordinator ? QVariant(tr("CU")) : QVariant(int(item.block->lane()));
        if (index.column() == ColumnSerial)
            return isCoordinator ? item.coordinator->GetMacAddress() : item.block->GetMacAddress();
        return {};
    case Qt::BackgroundRole:
        return isCoordinator ? QVariant(kCoordinatorBackground) : QVariant();
    case Qt::ForegroundRole:
        return isCoordinator ? QVariant(kCoordinatorForeground) : QVariant();
    default:
        return {};
    }
}

bool StartBlockSetTableModel::setData(const QModelIndex &index, const QVariant &value, int)
{
    const SetTableItem item = ItemAtRow(index.row());
    const QVariant before = data(index);
    if (item.kind == SetTableItem::Coordinator && index.column() == ColumnSerial)
        item.coordinator->SetMacAddress(value.toString());
    else if (item.kind == SetTableItem::StartBlock && index.column() == ColumnLane)
        item.block->setLane(quint8(value.toInt()));
    else if (item.kind == SetTableItem::StartBlock && index.column() == ColumnSerial)
        item.block->SetMacAddress(value.toString());
    else
        return false;
    // an address that is not six hexadecimal pairs is ignored: nothing changed, nothing to announce
    if (data(index) == before)
        return false;
    emit dataChanged(index, index);
    return true;
}

QVariant StartBlockSetTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_headers.size())
        return {};
    return m_headers.at(section);
}

Qt::ItemFlags StartBlockSetTableModel::flags(const QModelIndex &) const
{
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
}

StartBlockSetGroup *StartBlockSetTableModel::GroupAt(int index) const
{
    return index >= 0 && size_t(index) < m_groups->size() ? m_groups->at(size_t(index)).get() : nullptr;
}

SetTableItem StartBlockSetTableModel::ItemAtRow(int row) const
{
    SetTableItem item;
    if (row < 0)
        return item;
    for (size_t index = 0; index < m_groups->size(); ++index) {
        const StartBlockSetGroup &group = *m_groups->at(index);
        if (group.coordinator) {
            if (row == 0)
                return {SetTableItem::Coordinator, group.coordinator.get(), nullptr, int(index)};
            --row;
        }
        if (size_t(row) < group.blocks.size())
            return {SetTableItem::StartBlock, nullptr, group.blocks.at(size_t(row)).get(), int(index)};
        row -= int(group.blocks.size());
    }
    return item;
}

void StartBlockSetTableModel::AppendGroup(std::unique_ptr<StartBlockSetGroup> group)
{
    const int rows = rowsOf(*group);
    const int first = rowCount();
    if (rows > 0)
        beginInsertRows(QModelIndex(), first, first + rows - 1);
    m_groups->push_back(std::move(group));
    if (rows > 0)
        endInsertRows();
}

void StartBlockSetTableModel::RemoveGroup(const StartBlockSetGroup *group)
{
    const auto found = std::find_if(m_groups->begin(), m_groups->end(),
                                    [group](const auto &candidate) { return candidate.get() == group; });
    if (found == m_groups->end())
        return;
    const int first = firstRowOf(int(found - m_groups->begin()));
    const int rows = rowsOf(**found);
    if (rows > 0)
        beginRemoveRows(QModelIndex(), first, first + rows - 1);
    // its devices go once the views have let go of the rows
    const std::unique_ptr<StartBlockSetGroup> removed = std::move(*found);
    m_groups->erase(found);
    if (rows > 0)
        endRemoveRows();
}

void StartBlockSetTableModel::SetCoordinator(int groupIndex, std::unique_ptr<CCoordinator> coordinator)
{
    StartBlockSetGroup *group = GroupAt(groupIndex);
    if (!group || !coordinator)
        return;
    const int row = firstRowOf(groupIndex);
    if (group->coordinator)
        RemoveRow(row);
    beginInsertRows(QModelIndex(), row, row);
    group->coordinator = std::move(coordinator);
    endInsertRows();
}

void StartBlockSetTableModel::AddStartBlock(int groupIndex, std::unique_ptr<CStartBlock> block)
{
    StartBlockSetGroup *group = GroupAt(groupIndex);
    if (!group || !block)
        return;
    const int row = firstRowOf(groupIndex) + rowsOf(*group);
    beginInsertRows(QModelIndex(), row, row);
    group->blocks.push_back(std::move(block));
    endInsertRows();
}

void StartBlockSetTableModel::RemoveRow(int row)
{
    const SetTableItem item = ItemAtRow(row);
    if (item.kind == SetTableItem::None)
        return;
    StartBlockSetGroup &group = *m_groups->at(size_t(item.group));
    std::unique_ptr<QObject> removed; // discarded once the views have let go of the row
    beginRemoveRows(QModelIndex(), row, row);
    if (item.kind == SetTableItem::Coordinator) {
        removed = std::move(group.coordinator);
    } else {
        const auto found = std::find_if(group.blocks.begin(), group.blocks.end(),
                                        [&item](const auto &block) { return block.get() == item.block; });
        removed = std::move(*found);
        group.blocks.erase(found);
    }
    endRemoveRows();
}
