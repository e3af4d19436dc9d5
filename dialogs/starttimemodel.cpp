#include "dialogs/starttimemodel.h"

#include <QDateTime>

namespace
{

enum Column { kStartNumberColumn, kTimeColumn, kColumnCount };
constexpr int kMicrosecondDigits = 6;

} // namespace

void StartTimeModel::Refresh(const QList<HX_GPS_TIME> &starts)
{
    if (starts.isEmpty()) {
        if (m_rows.isEmpty())
            return;
        beginRemoveRows(QModelIndex(), 0, int(m_rows.size()) - 1);
        m_rows.clear();
        endRemoveRows();
        return;
    }
    for (const HX_GPS_TIME &start : starts) {
        const Row row{start.startId(), start.seconds(), start.microseconds()};
        if (m_rows.contains(row))
            continue;
        const int at = int(m_rows.size());
        beginInsertRows(QModelIndex(), at, at);
        m_rows.append(row);
        endInsertRows();
        emit dataChanged(index(at, kStartNumberColumn), index(at, kTimeColumn));
    }
}

QString StartTimeModel::timeText(quint32 seconds, quint32 microseconds)
{
    const QDateTime time = QDateTime::fromSecsSinceEpoch(qint64(seconds), Qt::LocalTime);
    return time.toString(QStringLiteral("yyyy/MM/dd hh:mm:ss")) +
           QStringLiteral(".%1").arg(microseconds, kMicrosecondDigits, 10, QLatin1Char('0'));
}

int StartTimeModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int StartTimeModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant StartTimeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == kStartNumberColumn)
        return tr("Start number");
    if (section == kTimeColumn)
        return tr("Date/Time");
    return {};
}

QVariant StartTimeModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &row = m_rows.at(index.row());
    if (index.column() == kStartNumberColumn)
        return int(row.startNumber);
    if (index.column() == kTimeColumn)
        return timeText(row.seconds, row.microseconds);
    return {};
}

Qt::ItemFlags StartTimeModel::flags(const QModelIndex &) const
{
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}
