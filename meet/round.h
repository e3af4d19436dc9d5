#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTime>

#include "meet/eventtype.h"

class Event;
class Heat;

// One round of an event; owned by its event, owns its heats.
class Round : public QObject
{
    Q_OBJECT

public:
    // a round of this name is shown by its event's name alone
    static inline const QString kUnnamed = QStringLiteral("*");

    explicit Round(QObject *parent = nullptr);

    void setEventType(const EventType &type);
    // appends a copy of the heat, owned by this round
    void addHeat(const Heat &source);
    // "<event>" for a round named "*", else "<event> (<round>)"; empty while the round has no event
    QString displayText() const;

    quint32 id = 0;
    QString name;
    QString abbreviation;
    QString info;
    quint32 seqno = 0;
    QTime scheduled;
    quint32 status = 0;
    EventType eventtype;
    QList<Heat *> heats;    // QObject children, in the order added
    Event *event = nullptr; // not owned; set by Event::addRound
};
