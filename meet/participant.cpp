#include "meet/participant.h"

#include "meet/participation.h"

Participant::Participant(QObject *parent) : QObject(parent) {}

Participant::Participant(const Participant &other) : QObject(nullptr), seqno(other.seqno)
{
    competitor = other.competitor;
    competitor.participant = this;
}

void Participant::setCompetitor(const Competitor &source)
{
    competitor = source;
    competitor.participant = this;
}

QString Participant::displayText() const
{
    if (participation && participation->participants.size() >= 2)
        return QStringLiteral("%1 (%2)").arg(competitor.displayname, QString::number(seqno));
    return competitor.displayname;
}
