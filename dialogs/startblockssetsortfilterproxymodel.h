#pragma once

#include <QSortFilterProxyModel>
#include <QString>

// Keeps the rows of one set of the set table and sorts them by the clicked column: lanes as numbers (the
// coordinator's mark counts as 0), serial numbers as text without regard to case.
class StartBlocksSetSortFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit StartBlocksSetSortFilterProxyModel(QObject *parent = nullptr);

    QString setName() const { return m_setName; }
    // Shows the devices whose set name is exactly this one; re-runs the filter.
    void setSetName(const QString &name);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    QString m_setName;
};
