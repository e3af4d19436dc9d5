#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QtGlobal>

#include "mainwindow/meetselection.h"

// The result posts of the races since the last one whose posts all reached the meet server, and which of
// them the server did not confirm. A post is sent once; what is missing is told until a later race's posts
// all get through or another server is chosen. No widget header: the window shows what it says.
class ResultPostWatch
{
    Q_DECLARE_TR_FUNCTIONS(ResultPostWatch)

public:
    static constexpr int kMaxRaces = 50; // a server that never answers keeps no more

    // The race whose results were posted, by what names it.
    struct PostedRace {
        QString name; // the race field at Ready, in the language of that moment
        quint16 heat = 1;
        quint16 start = 1;
        MeetHeat meetHeat; // finds the heat's name in the language at hand
    };

    struct Missing {
        PostedRace race;
        QList<quint8> lanes; // whose results the server did not confirm
        bool notice = false; // nor the heat's what-is-happening post
        bool notPosted = false; // nothing of the race was sent: its heat's athletes had not come
    };

    // The race's posts went out.
    void racePosted(const PostedRace &race, const RacePosts &posts);
    // A race of a heat was posted nowhere: its athletes had not come from the server.
    void raceNotPosted(const PostedRace &race);
    // A post's reply came; true when what is missing changed.
    bool postFinished(quint64 post, bool reached);
    // Another server: what the last one missed is no longer told.
    bool forget();
    // Per race, oldest first; empty when every post got through.
    QList<Missing> missing() const;

    // Some post has no reply yet.
    bool awaitingReplies() const;
    // No more replies are waited for: the posts still without one are not confirmed. True when that changed
    // what is missing.
    bool giveUpReplies();

    // One whole sentence per race in the language at hand: the race by the given name, its heat and start,
    // and what the server did not confirm.
    static QString describe(const Missing &missing, const QString &raceName);

private:
    struct Race {
        RacePosts pending;
        Missing missing;
    };

    QList<Race> m_races;
};
