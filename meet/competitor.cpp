#include "meet/competitor.h"

Competitor::Competitor(QObject *parent) : QObject(parent) {}

Competitor &Competitor::operator=(const Competitor &other)
{
    bib = other.bib;
    displayname = other.displayname;
    club = other.club;
    team = other.team;
    athlete = other.athlete;
    return *this;
}

void Competitor::setAthlete(const Athlete &source)
{
    athlete = source;
}
