#pragma once

#include <optional>

#include <QString>
#include <QtGlobal>

#include "mainwindow/meetselection.h"
#include "mainwindow/racedheats.h"

// The label, heat and start number of the running race and the flags that decide how the next Ready numbers
// the next one, and the heats raced. No widget header: the window shows what it keeps here.
class RaceNumbering
{
public:
    // What the race that a Ready closes was: none before the program's first race.
    enum class Closed { None, Valid, FalseStart };
    // What the Race list does once a Ready has closed a race: stay, or step to its next heat.
    enum class Step { Stay, NextHeat };

    static constexpr quint32 kMaxRaceNumber = 2147483647; // the settings store keeps a signed number
    static constexpr quint16 kMaxCount = 65535;

    explicit RaceNumbering(quint32 raceNumber = 1, const RacedHeats &raced = {});

    quint32 raceNumber() const { return m_raceNumber; }
    QString customRaceName() const { return m_customName; }
    bool hasCustomName() const { return m_customNameInUse; }
    quint16 heat() const { return m_heat; }
    quint16 start() const { return m_start; }
    bool skipsFalseStartCheck() const { return m_counterReset; }
    // The race is named after the heat the Race list shows (not numbered or named by hand).
    bool namedAfterMeetEvent() const { return m_nameFromMeetEvent; }
    bool pickedByHand() const { return m_pickedByHand; }
    const RacedHeats &racedHeats() const { return m_racedHeats; }

    // The one rule of which heat and start the next race gets, from the race that the Ready closes, the
    // heat the list shows (none: no heat in use) and whether the official picked it by hand since that
    // race's gun. Picked: that heat at its next start, no step. Not picked: a false start stays in its
    // heat at the next start; a valid race steps to the list's next heat (NextHeat: the window moves the
    // list and shows that heat), and past the last heat races are named by their number. The program's
    // first race stays at the heat shown.
    Step closeRace(Closed closed, const std::optional<ShownHeat> &shown);
    // Ready is done with the flags of the race it closed; a choice between Ready and the gun is used up
    // by the readied race.
    void clearRaceFlags();
    // The race-counter reset: race 1, heat 1, start 1, no heat raced, and the next Ready checks no false
    // start.
    void resetCounter();

    // The heat the list shows now, by the program's doing or the official's (none: a row without a heat):
    // the race is named after it and goes on at its next start.
    void showHeat(const std::optional<ShownHeat> &shown);
    // The official picked the heat shown by hand: the next Ready does not step on.
    void pickHeat();
    // A race had its gun in the heat at that start; true when the heats raced changed.
    bool heatRaced(const MeetHeat &heat, quint16 start);
    // The shown heat's name in another language; a name typed or numbered since stays.
    void renameMeetEvent(const QString &name);
    // The start number one down (not below 1) or one up (not above 65535).
    void previousStart();
    void nextStart();

    // Typed by hand in the race fields; heat and start take whole numbers 1 to 65535 only.
    void typeRaceLabel(const QString &text);
    bool typeHeat(const QString &text);
    bool typeStart(const QString &text);

    // The race field's text: the custom name, followed by the race number when neither a meet event
    // nor a custom name is in use.
    QString raceInfoText(bool meetEventInUse) const;
    // The race as files name it: the custom name, or the race number.
    QString raceLabel() const;
    // "race_12_h1_s1", without the characters a file name cannot hold.
    QString fileBaseName() const;
    // The race log's label from the race field's text: "race_12_h1_s1".
    static QString raceLogLabel(const QString &raceInfoText, quint16 heat, quint16 start);

private:
    static bool parseCount(const QString &text, quint16 &target);
    void closeMeetRace(Closed closed, const ShownHeat &shown, Step &step);
    void numberPastTheLastHeat();

    quint32 m_raceNumber = 1;
    QString m_customName;
    bool m_customNameInUse = false;
    bool m_nameFromMeetEvent = false; // the custom name is the shown heat's
    quint16 m_heat = 1;
    quint16 m_start = 1;
    bool m_pickedByHand = false;
    bool m_heatTyped = false;
    bool m_counterReset = false;
    RacedHeats m_racedHeats;
};
