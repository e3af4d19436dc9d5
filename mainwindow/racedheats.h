#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "mainwindow/meetselection.h"

// The heats that have had a gun, with the highest start raced in each, kept across program starts: a heat
// raced before goes on at its next start, so no start of a heat is posted twice. A heat is known by what
// names it on the server: the server's name and the event, round and heat ids.
class RacedHeats
{
public:
    static constexpr int kMaxHeats = 2000; // a long meet's worth; the oldest go first

    // The start that follows the highest one raced in the heat; 1 for a heat never raced.
    quint16 nextStart(const MeetHeat &heat) const;
    // True when the heat's highest start raced went up.
    bool raced(const MeetHeat &heat, quint16 start);
    void clear() { m_heats.clear(); }
    bool isEmpty() const { return m_heats.isEmpty(); }

    // One text per heat, "event;round;heat;start;server name", for the settings file.
    QStringList toSetting() const;
    // Entries that do not read as a heat are skipped.
    static RacedHeats fromSetting(const QStringList &entries);

private:
    struct Raced {
        QString server;
        quint32 eventId = 0;
        quint32 roundId = 0;
        quint32 heatId = 0;
        quint16 start = 0;
    };
    static bool names(const Raced &raced, const MeetHeat &heat);

    QList<Raced> m_heats;
};
