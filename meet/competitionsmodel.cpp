#include "meet/competitionsmodel.h"

#include <memory>

#include "meet/competition.h"

CompetitionsModel::CompetitionsModel(QObject *parent)
    : QAbstractTableModel(parent), m_headers{QStringLiteral(QT_TR_NOOP("id")),
                                             QStringLiteral(QT_TR_NOOP("name"))}
{
}

CompetitionsModel::~CompetitionsModel() = default;

int CompetitionsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_competitions.size());
}

int CompetitionsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant CompetitionsModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || index.row() < 0 || index.row() >= m_competitions.size())
        return QVariant();
    const Competition *competition = m_competitions.at(index.row());
    switch (index.column()) {
    case ColumnId:
        return competition->id;
    case ColumnName:
        return competition->name;
    default:
        return QVariant();
    }
}

QVariant CompetitionsModel::headerData(int section, Qt::Orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0 || section >= m_headers.size())
        return QVariant();
    return tr(qPrintable(m_headers.at(section)));
}

Qt::ItemFlags CompetitionsModel::flags(const QModelIndex &index) const
{
    // the root is no item
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void CompetitionsModel::addCompetition(quint32 id, const QString &name, const QString &info)
{
    for (const Competition *listed : m_competitions) {
        if (listed->id == id)
            return;
    }
    auto *competition = new Competition(this);
    competition->id = id;
    competition->name = name;
    competition->info = info;
    const int row = int(m_competitions.size());
    beginInsertRows(QModelIndex(), row, row);
    m_competitions.append(competition);
    endInsertRows();
}

void CompetitionsModel::clear()
{
    if (m_competitions.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, int(m_competitions.size()) - 1);
    while (!m_competitions.isEmpty())
        std::unique_ptr<Competition> gone(m_competitions.takeLast());
    endRemoveRows();
}
