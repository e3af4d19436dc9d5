#pragma once

#include <QItemDelegate>

struct SetTableItem;
class StartBlockSetTableModel;

// Editors of the set table: a spin box for a start block's lane (the coordinator's "CU" has none) and a
// masked line edit for a serial number. A lane or serial number that another device of the shown set
// already has is refused with a box, and the editor goes back to the old value.
class StartBlocksSetDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    static constexpr int kMinLane = 1;
    static constexpr int kMaxLane = 20;

    explicit StartBlocksSetDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

private:
    void setLane(QWidget *editor, const QModelIndex &index) const;
    void setSerialNumber(QWidget *editor, const QModelIndex &index, const SetTableItem &item) const;
    static bool shownSetHas(const QModelIndex &index, int column, const QString &value);
};
