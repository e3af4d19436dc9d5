#include "dialogs/starttimefiltermodel.h"

#include "dialogs/starttimemodel.h"

bool StartTimeFilterModel::filterAcceptsRow(int, const QModelIndex &) const
{
    return true;
}

bool StartTimeFilterModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const auto *model = qobject_cast<const StartTimeModel *>(sourceModel());
    if (!model)
        return QSortFilterProxyModel::lessThan(left, right);
    const StartTimeModel::Row a = model->rowAt(left.row());
    const StartTimeModel::Row b = model->rowAt(right.row());
    if (a.seconds != b.seconds)
        return a.seconds < b.seconds;
    return a.microseconds < b.microseconds;
}
