#pragma once

#include <QObject>
#include <QString>

#include "meet/competitor.h"

class Participation;

// One member of a participation: its single athlete, or one runner of a team.
class Participant : public QObject
{
    Q_OBJECT

public:
    explicit Participant(QObject *parent = nullptr);
    // copies seqno and competitor; the copy belongs to no participation yet
    Participant(const Participant &other);
    Participant &operator=(const Participant &) = delete;

    // copies the competitor with club, team and athlete, and points it back at this participant
    void setCompetitor(const Competitor &source);
    // "<displayname> (<seqno>)" inside a participation of two or more, else the display name alone
    QString displayText() const;

    quint32 seqno = 0;
    Competitor competitor;
    Participation *participation = nullptr; // not owned
};
