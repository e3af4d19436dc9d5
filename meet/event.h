#pragma once

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>

#include "meet/eventtype.h"

class Round;

// One event of a competition with its rounds and heats. Travels by value: a copy is deep and has no
// QObject parent.
class Event : public QObject
{
    Q_OBJECT

public:
    explicit Event(QObject *parent = nullptr);
    Event(const Event &other);
    Event &operator=(const Event &) = delete;

    // Appends a deep copy of the round with its heats. A combined event (2 or more events in its type)
    // lets the copy keep the round's own event type; otherwise the copy takes the event's type.
    void addRound(const Round &source);

    quint32 id = 0; // the events model keeps events apart by it
    QString name;
    QString abbreviation;
    QString info;
    quint32 seqno = 0;
    quint32 status = 0;
    EventType eventtype;
    QList<Round *> rounds; // QObject children, in the order added
};

Q_DECLARE_METATYPE(Event)
