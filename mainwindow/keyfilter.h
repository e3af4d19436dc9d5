#pragma once

#include <QMetaType>
#include <QObject>

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

// The event filter that turns the operator's keys into commands for the main window. It is installed
// on the main window and its events list; until it decodes keys, every event passes on unfiltered.
class KeyFilter : public QObject
{
    Q_OBJECT

public:
    explicit KeyFilter(QObject *parent = nullptr);

signals:
    void send_key(KeyPressed item);
};
