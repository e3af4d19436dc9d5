#include "meet/event.h"

#include <QDebug>

#include "meet/heat.h"
#include "meet/round.h"

namespace
{
constexpr quint32 kCombinedEventMinimum = 2;
} // namespace

Event::Event(QObject *parent) : QObject(parent) {}

Event::Event(const Event &other)
    : QObject(nullptr), id(other.id), name(other.name), abbreviation(other.abbreviation), info(other.info),
      seqno(other.seqno), status(other.status)
{
    eventtype = other.eventtype;
    for (const Round *round : other.rounds)
        addRound(*round);
}

void Event::addRound(const Round &source)
{
    auto *round = new Round(this);
    round->id = source.id;
    qDebug().noquote() << QStringLiteral("Round name \"%1\"").arg(source.name);
    round->name = source.name;
    round->abbreviation = source.abbreviation;
    round->info = source.info;
    round->seqno = source.seqno;
    round->scheduled = source.scheduled;
    round->status = source.status;
    round->setEventType(eventtype.combinedeventsquantity >= kCombinedEventMinimum ? source.eventtype
                                                                                  : eventtype);
    for (const Heat *heat : source.heats)
        round->addHeat(*heat);
    round->event = this;
    rounds.append(round);
}
