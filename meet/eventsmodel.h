#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

class Event;
class Heat;
class Round;

// The events of the chosen competition as a flat list: one row per heat of each round that passes the
// filter (and one per round without heats while showRoundsWithoutHeats is set). Keeps deep copies of the
// events as its children; the row lookups return pointers into them, valid until the next clear().
class EventsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ColumnId = 0, ColumnTime = 1, ColumnName = 2 };
    // which rounds are listed, by their event type
    enum FilterKind {
        FilterHorizontal = 0,   // field type 'H'
        FilterVertical = 1,     // field type 'V'
        FilterField = 2,        // 'H' or 'V'
        FilterSprint = 3,       // distance per athlete 1 to 400
        FilterLong = 4,         // distance per athlete above 400
        FilterWithDistance = 5, // any distance
        FilterAll = 6,
    };

    explicit EventsModel(QObject *parent = nullptr);
    ~EventsModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setItemData(const QModelIndex &index, const QMap<int, QVariant> &roles) override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;
    Qt::DropActions supportedDropActions() const override;
    bool insertRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // false (and nothing changes) when an event of that id is listed
    bool addEvent(const Event &event);
    bool clear();
    Heat *heatAtRow(int row) const;
    Round *roundAtRow(int row) const;
    Event *eventAtRow(int row) const;
    bool roundPassesFilter(const Round &round) const;

    const QList<Event *> &events() const { return m_events; }
    const QStringList &headers() const { return m_headers; }

    bool showRoundsWithoutHeats = true;
    int filterKind = FilterHorizontal;

private:
    struct RowRef {
        Event *event = nullptr;
        Round *round = nullptr;
        Heat *heat = nullptr; // null on the row of a round without heats
    };

    RowRef rowAt(int row) const;
    int visibleRowsOf(const Event &event) const;
    int unfilteredRowsOf(const Event &event) const;
    int roundRows(const Round &round) const;

    QList<Event *> m_events;
    QStringList m_headers;
};
