#pragma once

#include <QObject>
#include <QString>

#include "meet/competitorrecords.h"

class Participant;

// The person as entered in the meet; held by value inside a Participant.
class Competitor : public QObject
{
    Q_OBJECT

public:
    explicit Competitor(QObject *parent = nullptr);
    // copies bib, display name, club, team and athlete; the participant pointer stays as it was
    Competitor &operator=(const Competitor &other);

    void setAthlete(const Athlete &source);

    QString bib;
    QString displayname;
    Club club;
    Team team;
    Athlete athlete;
    Participant *participant = nullptr; // not owned
};
