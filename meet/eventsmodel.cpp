#include "meet/eventsmodel.h"

#include <memory>

#include <QTime>

#include "meet/event.h"
#include "meet/heat.h"
#include "meet/round.h"

namespace
{
constexpr quint32 kSprintDistancePerAthlete = 400;
constexpr QChar kHorizontal(u'H');
constexpr QChar kVertical(u'V');
} // namespace

EventsModel::EventsModel(QObject *parent)
    : QAbstractTableModel(parent), m_headers{tr("ID"), tr("Time"), tr("Name")}
{
}

EventsModel::~EventsModel() = default;

int EventsModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0; // a table: no row has children
    int rows = 0;
    for (const Event *event : m_events)
        rows += visibleRowsOf(*event);
    return rows;
}

int EventsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant EventsModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    const RowRef ref = rowAt(index.row());
    if (!ref.round)
        return QVariant();
    switch (index.column()) {
    case ColumnId:
        return ref.heat ? ref.heat->id : ref.round->id;
    case ColumnTime:
        return ref.heat ? ref.heat->timescheduled : ref.round->scheduled;
    case ColumnName:
        return ref.heat ? ref.heat->displayText() : ref.round->displayText();
    default:
        return QVariant();
    }
}

bool EventsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole && role != Qt::DisplayRole)
        return false;
    const RowRef ref = rowAt(index.row());
    if (!ref.round)
        return false;
    quint32 &id = ref.heat ? ref.heat->id : ref.round->id;
    QTime &time = ref.heat ? ref.heat->timescheduled : ref.round->scheduled;
    switch (index.column()) {
    case ColumnId:
        id = value.toUInt();
        break;
    case ColumnTime:
        time = value.toTime();
        break;
    case ColumnName:
        return true; // the name is made from the event, round and heat; nothing to store
    default:
        return false;
    }
    emit dataChanged(index, index, {role});
    return true;
}

QVariant EventsModel::headerData(int section, Qt::Orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0 || section >= m_headers.size())
        return QVariant();
    return m_headers.at(section);
}

bool EventsModel::setItemData(const QModelIndex &, const QMap<int, QVariant> &roles)
{
    return roles.contains(Qt::EditRole) || roles.contains(Qt::DisplayRole);
}

bool EventsModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int,
                               const QModelIndex &parent)
{
    if (row == -1)
        row = rowCount();
    return QAbstractTableModel::dropMimeData(data, action, row, 0, parent);
}

Qt::DropActions EventsModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

// Rows come only from addEvent and clear; announcing rows that never appear would break the views.
bool EventsModel::insertRows(int, int, const QModelIndex &)
{
    return false;
}

bool EventsModel::removeRows(int, int, const QModelIndex &)
{
    return false;
}

Qt::ItemFlags EventsModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || !rowAt(index.row()).heat)
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

bool EventsModel::addEvent(const Event &event)
{
    for (const Event *listed : m_events) {
        if (listed->id == event.id)
            return false;
    }

    auto copy = std::make_unique<Event>(event); // deep, rounds and heats with it
    copy->setParent(this);

    if (unfilteredRowsOf(*copy) == 0)
        return true; // not listed: the event may come again once its rounds have heats

    // announce only the rows that the filter lets through
    const int visible = visibleRowsOf(*copy);
    const int first = rowCount();
    if (visible > 0)
        beginInsertRows(QModelIndex(), first, first + visible - 1);
    m_events.append(copy.release());
    if (visible > 0)
        endInsertRows();
    return true;
}

bool EventsModel::clear()
{
    if (m_events.isEmpty())
        return true;
    const int rows = rowCount();
    if (rows > 0)
        beginRemoveRows(QModelIndex(), 0, rows - 1);
    while (!m_events.isEmpty())
        std::unique_ptr<Event> gone(m_events.takeLast());
    if (rows > 0)
        endRemoveRows();
    return true;
}

Heat *EventsModel::heatAtRow(int row) const
{
    return rowAt(row).heat;
}

Round *EventsModel::roundAtRow(int row) const
{
    return rowAt(row).round;
}

Event *EventsModel::eventAtRow(int row) const
{
    return rowAt(row).event;
}

bool EventsModel::roundPassesFilter(const Round &round) const
{
    const EventType &type = round.eventtype;
    const quint32 perAthlete = type.distance / qMax<quint32>(type.athletesquantity, 1);
    switch (filterKind) {
    case FilterHorizontal:
        return type.fieldtype == kHorizontal;
    case FilterVertical:
        return type.fieldtype == kVertical;
    case FilterField:
        return type.fieldtype == kHorizontal || type.fieldtype == kVertical;
    case FilterSprint:
        return type.distance != 0 && perAthlete <= kSprintDistancePerAthlete;
    case FilterLong:
        return type.distance != 0 && perAthlete > kSprintDistancePerAthlete;
    case FilterWithDistance:
        return type.distance != 0;
    case FilterAll:
        return true;
    default:
        return false;
    }
}

EventsModel::RowRef EventsModel::rowAt(int row) const
{
    if (row < 0)
        return RowRef();
    int next = 0;
    for (Event *event : m_events) {
        for (Round *round : event->rounds) {
            if (!roundPassesFilter(*round))
                continue;
            const int rows = roundRows(*round);
            if (row < next + rows)
                return RowRef{event, round, round->heats.isEmpty() ? nullptr : round->heats.at(row - next)};
            next += rows;
        }
    }
    return RowRef();
}

int EventsModel::visibleRowsOf(const Event &event) const
{
    int rows = 0;
    for (const Round *round : event.rounds) {
        if (roundPassesFilter(*round))
            rows += roundRows(*round);
    }
    return rows;
}

int EventsModel::unfilteredRowsOf(const Event &event) const
{
    int rows = 0;
    for (const Round *round : event.rounds)
        rows += roundRows(*round);
    return rows;
}

int EventsModel::roundRows(const Round &round) const
{
    if (!round.heats.isEmpty())
        return int(round.heats.size());
    return showRoundsWithoutHeats ? 1 : 0;
}
