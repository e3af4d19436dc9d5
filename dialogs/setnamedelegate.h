#pragma once

#include <functional>

#include <QStyledItemDelegate>

// In-place editing of a set name in the set manager's list: the edited name reaches the list only when
// the manager accepts the rename.
class SetNameDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // Called with the row and the new name; true lets the name into the list.
    using RenameCheck = std::function<bool(int row, const QString &name)>;

    SetNameDelegate(RenameCheck check, QObject *parent = nullptr);

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    RenameCheck m_check;
};
