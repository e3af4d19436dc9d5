#include "dialogs/setnamedelegate.h"

#include <QLineEdit>

SetNameDelegate::SetNameDelegate(RenameCheck check, QObject *parent)
    : QStyledItemDelegate(parent), m_check(std::move(check))
{
}

void SetNameDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const auto *edit = qobject_cast<QLineEdit *>(editor);
    if (!edit || edit->text() == index.data(Qt::DisplayRole).toString())
        return;
    if (m_check && m_check(index.row(), edit->text()))
        QStyledItemDelegate::setModelData(editor, model, index);
}
