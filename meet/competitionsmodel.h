#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

class Competition;

// The competitions of the chosen server, in the order received.
class CompetitionsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ColumnId = 0, ColumnName = 1 };

    explicit CompetitionsModel(QObject *parent = nullptr);
    ~CompetitionsModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // appends a competition unless one of that id is listed (which keeps its first name and info)
    void addCompetition(quint32 id, const QString &name, const QString &info);
    void clear();

    const QList<Competition *> &competitions() const { return m_competitions; }

private:
    QList<Competition *> m_competitions;
    QStringList m_headers;
};
