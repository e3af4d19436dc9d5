#pragma once

#include <optional>

#include <QMetaType>
#include <QObject>
#include <QString>

class QEvent;

// A keyboard command of the operator, decoded by the keyboard filter. 0, 1, 15 and 16 are never sent.
enum KeyPressed : int {
    KeySelectRace = 2,
    KeyLaneGraph = 3,
    KeyFocusMain = 4,
    KeyCloseTab = 5,
    KeyTabSelector = 6,
    KeyLaneUp = 7,
    KeyLaneDown = 8,
    KeyLeft = 9,
    KeyRight = 10,
    KeyParticipation = 11,
    KeyDeselect = 12,
    KeyLiveTab = 13,
    KeyLaneInfo = 14,
    KeyLaneSoundGraph = 17,
    KeyLaneMeasurements = 18,
    KeyPreviousEvent = 19,
    KeyNextEvent = 20,
    KeyPreviousStart = 21,
    KeyNextStart = 22,
    KeyLaneLog = 23,
};
Q_DECLARE_METATYPE(KeyPressed)

// The event filter that turns the operator's keys into commands for the main window. It watches the main
// window, its events list, the opened measurement tabs and the key assistant. Key releases and the
// presses of Alt, Shift and Control are consumed; a key press that maps to a command is consumed after
// send_key; everything else passes on. On a button of the window it takes only Up and Down.
class KeyFilter : public QObject
{
    Q_OBJECT

public:
    explicit KeyFilter(QObject *parent = nullptr);

    // The command of a key press, from the key and the modifiers the press itself carries (never from
    // presses seen earlier: the release of a modifier may have gone to another window).
    static std::optional<KeyPressed> commandFor(int key, Qt::KeyboardModifiers modifiers);
    // The letters of the Alt+letter commands, upper case: no menu-bar title may claim one of them.
    static QString altLetters();

    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void send_key(KeyPressed item);

private:
    bool buttonArrow(QEvent *event);
};
