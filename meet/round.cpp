#include "meet/round.h"

#include "meet/event.h"
#include "meet/heat.h"

Round::Round(QObject *parent) : QObject(parent) {}

void Round::setEventType(const EventType &type)
{
    eventtype = type;
}

void Round::addHeat(const Heat &source)
{
    auto *heat = new Heat(this);
    heat->id = source.id;
    heat->seqno = source.seqno;
    heat->info = source.info;
    heat->timescheduled = source.timescheduled;
    heat->status = source.status;
    heat->round = this;
    heats.append(heat);
}

QString Round::displayText() const
{
    if (!event)
        return QString();
    if (name == kUnnamed)
        return event->name;
    return QStringLiteral("%1 (%2)").arg(event->name, name);
}
