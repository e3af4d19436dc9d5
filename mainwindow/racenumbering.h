#pragma once

#include <optional>

#include <QString>
#include <QtGlobal>

// The label, heat and start number of the running race and the flags that decide how the next Ready numbers
// the next one. No widget header: the window shows what it keeps here.
class RaceNumbering
{
public:
    // Where the meet selection stands when Ready closes a race.
    enum class MeetEvent { None, InUse, Last };

    static constexpr quint32 kMaxRaceNumber = 2147483647; // the settings store keeps a signed number
    static constexpr quint16 kMaxCount = 65535;

    explicit RaceNumbering(quint32 raceNumber = 1);

    quint32 raceNumber() const { return m_raceNumber; }
    QString customRaceName() const { return m_customName; }
    bool hasCustomName() const { return m_customNameInUse; }
    quint16 heat() const { return m_heat; }
    quint16 start() const { return m_start; }
    bool skipsFalseStartCheck() const { return m_counterReset; }
    // The race is named after the chosen meet event (not numbered or named by hand).
    bool namedAfterMeetEvent() const { return m_nameFromMeetEvent; }

    // Numbers the race that Ready begins; true when the meet selection moves on to the next event. A false
    // start's re-start takes the next start, unless another event was chosen since: that begins at start 1.
    // The closed race's own event chosen again (startInChosenHeat: the start it was raced at) counts as no
    // choice. An event chosen by hand is raced, the last one too; only the step past the last one numbers
    // the races.
    bool closeRace(bool falseStart, MeetEvent meet, std::optional<quint16> startInChosenHeat = std::nullopt);
    // Ready is done with the flags of the race it closed.
    void clearRaceFlags();
    // The race-counter reset: race 1, heat 1, start 1, and the next Ready checks no false start.
    void resetCounter();

    // Another meet event was chosen: the race is named after it (empty when it holds no heat) and takes
    // its heat number, from start 1; the next Ready keeps this event.
    void chooseMeetEvent(const QString &name, quint16 heat);
    // The chosen event's name in another language; a name typed or numbered since stays.
    void renameMeetEvent(const QString &name);
    // The start number one down (not below 1) or one up (not above 65535).
    void previousStart();
    void nextStart();
    // The chosen event was raced before, up to that start: it goes on from the next one.
    void continueAfter(quint16 start);

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

    quint32 m_raceNumber = 1;
    QString m_customName;
    bool m_customNameInUse = false;
    bool m_nameFromMeetEvent = false; // the custom name is the chosen event's
    quint16 m_heat = 1;
    quint16 m_start = 1;
    bool m_eventChanged = true; // the first race stays at the event chosen before it
    bool m_heatTyped = false;
    bool m_counterReset = false;
};
