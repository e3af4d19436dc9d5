#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

class Participation;

// The participations of the chosen heat: the model's own copies, in the order received. Columns id, name,
// team, club, nationality, birthdate; the last four read the first participant's competitor.
class ParticipationsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        ColumnId = 0,
        ColumnName = 1,
        ColumnTeam = 2,
        ColumnClub = 3,
        ColumnNationality = 4,
        ColumnBirthdate = 5,
    };

    explicit ParticipationsModel(QObject *parent = nullptr);
    ~ParticipationsModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // false, and nothing changes, when a participation of that id is listed: it is never updated
    bool addParticipation(const Participation &participation);
    void clear();

    const QList<Participation *> &participations() const { return m_participations; }

private:
    QList<Participation *> m_participations;
    QStringList m_columnKeys;
};
