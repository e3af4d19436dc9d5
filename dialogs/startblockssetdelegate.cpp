#include "dialogs/startblockssetdelegate.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QSortFilterProxyModel>
#include <QSpinBox>

#include "core/sharedconstants.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "dialogs/startblocksettablemodel.h"

namespace
{

// The table model behind a cell of the view and the cell's index in it.
struct SourceCell {
    StartBlockSetTableModel *table = nullptr;
    QModelIndex index;
};

SourceCell sourceCell(const QModelIndex &index)
{
    auto *model = const_cast<QAbstractItemModel *>(index.model());
    if (auto *proxy = qobject_cast<QSortFilterProxyModel *>(model))
        return {qobject_cast<StartBlockSetTableModel *>(proxy->sourceModel()), proxy->mapToSource(index)};
    return {qobject_cast<StartBlockSetTableModel *>(model), index};
}

SetTableItem itemAt(const QModelIndex &index)
{
    const SourceCell cell = sourceCell(index);
    return cell.table ? cell.table->ItemAtRow(cell.index.row()) : SetTableItem();
}

} // namespace

StartBlocksSetDelegate::StartBlocksSetDelegate(QObject *parent) : QItemDelegate(parent) {}

QWidget *StartBlocksSetDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                              const QModelIndex &index) const
{
    const SetTableItem item = itemAt(index);
    if (item.kind == SetTableItem::StartBlock && index.column() == StartBlockSetTableModel::ColumnLane) {
        auto *spin = new QSpinBox(parent);
        spin->setRange(kMinLane, kMaxLane);
        return spin;
    }
    if (item.kind != SetTableItem::None && index.column() == StartBlockSetTableModel::ColumnSerial) {
        auto *edit = new QLineEdit(parent);
        edit->setInputMask(QLatin1String(SharedConstants::kMacInputMask));
        return edit;
    }
    return nullptr;
}

void StartBlocksSetDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const SetTableItem item = itemAt(index);
    if (auto *spin = qobject_cast<QSpinBox *>(editor); spin && item.block)
        spin->setValue(item.block->lane());
    else if (auto *edit = qobject_cast<QLineEdit *>(editor); edit && item.kind != SetTableItem::None)
        edit->setText(item.coordinator ? item.coordinator->GetMacAddress() : item.block->GetMacAddress());
}

void StartBlocksSetDelegate::setModelData(QWidget *editor, QAbstractItemModel *,
                                          const QModelIndex &index) const
{
    const SetTableItem item = itemAt(index);
    if (item.kind == SetTableItem::None)
        return;
    if (index.column() == StartBlockSetTableModel::ColumnLane)
        setLane(editor, index);
    else if (index.column() == StartBlockSetTableModel::ColumnSerial)
        setSerialNumber(editor, index, item);
}

void StartBlocksSetDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                                  const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}

void StartBlocksSetDelegate::setLane(QWidget *editor, const QModelIndex &index) const
{
    auto *spin = qobject_cast<QSpinBox *>(editor);
    if (!spin)
        return;
    const int oldLane = index.data(Qt::DisplayRole).toInt();
    spin->interpretText();
    const int newLane = spin->value();
    // a lane outside the spin box's range was only shown clamped: leaving it so changes nothing
    if (newLane == qBound(spin->minimum(), oldLane, spin->maximum()))
        return;
    if (shownSetHas(index, StartBlockSetTableModel::ColumnLane, QString::number(newLane))) {
        QMessageBox::critical(editor, tr("Error in the lane of the new starting block"),
                              tr("You have to fill in a unique lane for the starting block"));
        spin->setValue(oldLane);
        return;
    }
    const SourceCell cell = sourceCell(index);
    cell.table->setData(cell.index, newLane, Qt::EditRole);
}

void StartBlocksSetDelegate::setSerialNumber(QWidget *editor, const QModelIndex &index,
                                             const SetTableItem &item) const
{
    auto *edit = qobject_cast<QLineEdit *>(editor);
    if (!edit)
        return;
    const QString oldSerial = index.data(Qt::DisplayRole).toString();
    const QString newSerial = edit->text();
    if (newSerial.compare(oldSerial, Qt::CaseInsensitive) == 0)
        return;
    if (shownSetHas(index, StartBlockSetTableModel::ColumnSerial, newSerial)) {
        if (item.kind == SetTableItem::Coordinator)
            QMessageBox::critical(editor, tr("Error in the serial number of the coordinator"),
                                  tr("You have to fill in a unique serial number for the coordinator"));
        else
            QMessageBox::critical(editor, tr("Error in the serial number of the starting block"),
                                  tr("You have to fill in a unique serial number for the starting block"));
        edit->setText(oldSerial);
        return;
    }
    // an incomplete serial number leaves the device's address as it was
    const SourceCell cell = sourceCell(index);
    cell.table->setData(cell.index, newSerial, Qt::EditRole);
}

// Whether another row of the shown set has this text in the column: lanes as numbers (the coordinator has
// no lane), serial numbers without regard to case.
bool StartBlocksSetDelegate::shownSetHas(const QModelIndex &index, int column, const QString &value)
{
    const QAbstractItemModel *shown = index.model();
    for (int row = 0; row < shown->rowCount(); ++row) {
        const QModelIndex cell = shown->index(row, column);
        const QString text = cell.data(Qt::DisplayRole).toString();
        if (column == StartBlockSetTableModel::ColumnLane && itemAt(cell).kind == SetTableItem::StartBlock &&
            text.toInt() == value.toInt())
            return true;
        if (column == StartBlockSetTableModel::ColumnSerial && text.compare(value, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
