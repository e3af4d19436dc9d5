#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QtGlobal>

class CStartBlock;

// What a race's last file lacks in the lanes that raced, and the status bar note that names it. Whatever
// kept a reaction or a graph away (a stalled link, devices shut down, a lane that never reacted), the file
// is the only record: the note is made from what it holds, once it is written. No widget header.
class RaceGapsNote
{
    Q_DECLARE_TR_FUNCTIONS(RaceGapsNote)

public:
    // One lane's missing parts.
    struct Lane {
        quint8 lane = 0;
        bool reaction = false;
        bool reactionGraph = false;
        bool soundGraph = false;
        bool operator==(const Lane &other) const
        {
            return lane == other.lane && reaction == other.reaction && reactionGraph == other.reactionGraph &&
                   soundGraph == other.soundGraph;
        }
    };

    // The lanes that raced (ACTIVE or RUP) and lack something, in the blocks' order; lanes set DNS, DQ or
    // INACTIVE and empty lanes raced nothing to lack.
    static QList<Lane> lacking(const QList<CStartBlock *> &blocks);

    // The race's last save went out with these lanes missing parts; the race is named as the window names
    // it at its Ready.
    void settle(const QString &raceInfoText, quint16 heat, quint16 start, const QList<Lane> &lanes);
    void clear();
    const QList<Lane> &lanes() const { return m_lanes; }
    // In the language at hand; empty when the race lacks nothing.
    QString text() const;

private:
    QString m_raceInfoText;
    quint16 m_heat = 0;
    quint16 m_start = 0;
    QList<Lane> m_lanes;
};
