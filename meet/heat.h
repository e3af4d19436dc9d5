#pragma once

#include <QObject>
#include <QString>
#include <QTime>

class Round;

// One heat of a round; owned by its round.
class Heat : public QObject
{
    Q_OBJECT

public:
    explicit Heat(QObject *parent = nullptr);

    // "<event> (heat <seqno>)" for a round named "*", else "<event> (<round> - heat <seqno>)"; empty
    // while the heat has no round or the round no event
    QString displayText() const;

    quint32 id = 0;    // the participations of the heat are asked for by this id
    quint32 seqno = 0; // the heat number
    QString info;
    QTime timescheduled;
    quint32 status = 0;
    Round *round = nullptr; // not owned
};
