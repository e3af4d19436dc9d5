#pragma once

#include <memory>
#include <vector>

#include <QAbstractTableModel>
#include <QStringList>

#include "core/projectsettings.h"

class CCoordinator;
class CStartBlock;

// What one flattened row of the set table holds.
struct SetTableItem {
    enum Kind { Coordinator = 0, StartBlock = 1, None = 2 };

    Kind kind = None;
    CCoordinator *coordinator = nullptr;
    CStartBlock *block = nullptr;
    int group = -1; // index of the set the device belongs to
};

// The devices of all sets as one flat list of rows (lane, serial number): per set, in list order, its
// coordinator's row and then one row per start block. The model works on the set manager's list of
// groups in place; the list owns the groups and their devices, so a device removed here is discarded.
class StartBlockSetTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using GroupList = std::vector<std::unique_ptr<StartBlockSetGroup>>;

    enum Column { ColumnLane = 0, ColumnSerial = 1, ColumnCount = 2 };

    explicit StartBlockSetTableModel(GroupList *groups, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    StartBlockSetGroup *GroupAt(int index) const;
    SetTableItem ItemAtRow(int row) const;

    void AppendGroup(std::unique_ptr<StartBlockSetGroup> group);
    void RemoveGroup(const StartBlockSetGroup *group);
    void SetCoordinator(int groupIndex, std::unique_ptr<CCoordinator> coordinator);
    void AddStartBlock(int groupIndex, std::unique_ptr<CStartBlock> block);
    void RemoveRow(int row);

private:
    static int rowsOf(const StartBlockSetGroup &group);
    int firstRowOf(int groupIndex) const;

    GroupList *m_groups;
    QStringList m_headers;
};
