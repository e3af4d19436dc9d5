#include "meet/participation.h"

#include "meet/participant.h"

namespace
{
constexpr quint32 kBibSeqnoLimit = 1000; // participants numbered from here on never give the bib
} // namespace

Participation::Participation(QObject *parent) : QObject(parent) {}

Participation::Participation(const Participation &other) : QObject(nullptr)
{
    copyFieldsFrom(other);
    for (const Participant *source : other.participants) {
        auto *participant = new Participant(*source);
        participant->participation = this;
        participants.append(participant);
    }
}

Participation::~Participation()
{
    qDeleteAll(participants);
}

void Participation::copyFieldsFrom(const Participation &other)
{
    id = other.id;
    teamname = other.teamname;
    info = other.info;
    category = other.category;
    initialorder = other.initialorder;
    currentorder = other.currentorder;
    currentorder_round = other.currentorder_round;
    currentorder_combinedevent = other.currentorder_combinedevent;
    outofcompetition_combinedevent = other.outofcompetition_combinedevent;
    qualified = other.qualified;
    points = other.points;
    teampoints = other.teampoints;
    transponder = other.transponder;
}

void Participation::appendParticipant(const Participant &source)
{
    auto *participant = new Participant(this);
    participant->participation = this;
    participant->seqno = source.seqno;
    participant->setCompetitor(source.competitor);
    participants.append(participant);
}

QString Participation::displayText() const
{
    if (!teamname.isEmpty())
        return teamname;
    QString text;
    for (const Participant *participant : participants) {
        if (text.isEmpty())
            text = participant->displayText();
        else
            text += QStringLiteral(" ; %1").arg(participant->displayText());
    }
    return text;
}

QString Participation::firstBib() const
{
    const Participant *first = nullptr;
    for (const Participant *participant : participants) {
        if (participant->seqno < kBibSeqnoLimit && (!first || participant->seqno < first->seqno))
            first = participant;
    }
    return first ? first->competitor.bib : QString();
}
