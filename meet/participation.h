#pragma once

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>

class Participant;

// One entry of a heat: a single athlete or a team. Travels by value: a copy is deep, has no QObject
// parent and owns copies of the participants.
class Participation : public QObject
{
    Q_OBJECT

public:
    explicit Participation(QObject *parent = nullptr);
    Participation(const Participation &other);
    Participation &operator=(const Participation &) = delete;
    ~Participation() override; // deletes the participants, children or not

    // every member but the participants
    void copyFieldsFrom(const Participation &other);
    // appends a copy of the participant as this participation's child
    void appendParticipant(const Participant &source);

    // the team name, else the participants' texts joined by " ; "
    QString displayText() const;
    // the bib of the participant with the lowest seqno below 1000 (the earlier one on a tie)
    QString firstBib() const;

    quint32 id = 0; // sent back with each result; the participations model keeps entries apart by it
    QString teamname;
    QString info;
    QString category;
    quint32 initialorder = 0; // the lane
    quint32 currentorder = 0;
    quint32 currentorder_round = 0;
    quint32 currentorder_combinedevent = 0;
    bool outofcompetition_combinedevent = false;
    bool qualified = false;
    double points = 0.0;
    double teampoints = 0.0;
    QString transponder;
    QList<Participant *> participants; // owned, in the order added
};

Q_DECLARE_METATYPE(Participation)
