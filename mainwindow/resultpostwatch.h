#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include "mainwindow/meetselection.h"

// The result posts of the races since the last one whose posts all reached the meet server, and which of
// them did not. A post is sent once; what is missing is told until a later race's posts all get through or
// another server is chosen. No widget header: the window shows what it says.
class ResultPostWatch
{
public:
    static constexpr int kMaxRaces = 50; // a server that never answers keeps no more

    struct Missing {
        QString race;           // as the window names it
        QList<quint8> lanes;    // whose results did not reach the server
        bool notice = false;    // the heat's what-is-happening post did not
        bool notPosted = false; // nothing of the race was sent: its heat's athletes had not come
    };

    // The race's posts went out.
    void racePosted(const QString &race, const RacePosts &posts);
    // A race of a heat was posted nowhere: its athletes had not come from the server.
    void raceNotPosted(const QString &race);
    // A post's reply came; true when what is missing changed.
    bool postFinished(quint64 post, bool reached);
    // Another server: what the last one missed is no longer told.
    bool forget();
    // Per race, oldest first; empty when every post got through.
    QList<Missing> missing() const;

private:
    struct Race {
        RacePosts pending;
        Missing missing;
    };

    QList<Race> m_races;
};
