#include "meet/participationsmodel.h"

#include <memory>

#include "meet/participant.h"
#include "meet/participation.h"

namespace
{
const QString kBirthdateFormat = QStringLiteral("yyyy-MM-dd");
} // namespace

ParticipationsModel::ParticipationsModel(QObject *parent)
    : QAbstractTableModel(parent), m_columnKeys{QStringLiteral(QT_TR_NOOP("id")),
                                                QStringLiteral(QT_TR_NOOP("name")),
                                                QStringLiteral(QT_TR_NOOP("team")),
                                                QStringLiteral(QT_TR_NOOP("club")),
                                                QStringLiteral(QT_TR_NOOP("nationality")),
                                                QStringLiteral(QT_TR_NOOP("birthdate"))}
{
}

ParticipationsModel::~ParticipationsModel() = default;

int ParticipationsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_participations.size());
}

int ParticipationsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columnKeys.size());
}

QVariant ParticipationsModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || index.row() < 0 || index.row() >= m_participations.size())
        return QVariant();
    const Participation *participation = m_participations.at(index.row());
    if (index.column() == ColumnId)
        return participation->id;
    if (index.column() == ColumnName)
        return participation->displayText();
    if (participation->participants.isEmpty())
        return QVariant();
    const Competitor &competitor = participation->participants.constFirst()->competitor;
    switch (index.column()) {
    case ColumnTeam:
        return competitor.team.name;
    case ColumnClub:
        return competitor.club.name;
    case ColumnNationality:
        return competitor.athlete.nationality;
    case ColumnBirthdate:
        return competitor.athlete.birthdate.toString(kBirthdateFormat);
    default:
        return QVariant();
    }
}

QVariant ParticipationsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_columnKeys.size())
        return QVariant();
    return tr(qPrintable(m_columnKeys.at(section)));
}

Qt::ItemFlags ParticipationsModel::flags(const QModelIndex &index) const
{
    // the root is no item
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

bool ParticipationsModel::addParticipation(const Participation &participation)
{
    for (const Participation *listed : m_participations) {
        if (listed->id == participation.id)
            return false;
    }
    auto *copy = new Participation(this);
    copy->copyFieldsFrom(participation);
    for (const Participant *source : participation.participants)
        copy->appendParticipant(*source);
    const int row = int(m_participations.size());
    beginInsertRows(QModelIndex(), row, row);
    m_participations.append(copy);
    endInsertRows();
    return true;
}

void ParticipationsModel::clear()
{
    if (m_participations.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, int(m_participations.size()) - 1);
    while (!m_participations.isEmpty())
        std::unique_ptr<Participation> gone(m_participations.takeLast());
    endRemoveRows();
}
