#pragma once

#include <optional>

#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QTimer>

#include "core/sharedtypes.h"

class DeviceSimulator;
class MainWindow;

// Plays the starter through races against the device simulator, once the lanes are live: sets what the
// blocks will do, waits until the program takes Ready, lets the coordinator ask for it, and reports each
// race when both of its saves are done. For the headless demo.
class RaceAutomation : public QObject
{
    Q_OBJECT

public:
    struct Race {
        QString title;
        // block index and its reaction in this race (none: it never reacts); other blocks keep theirs
        QList<QPair<int, std::optional<int>>> reactions;
    };

    RaceAutomation(MainWindow *window, DeviceSimulator *simulator, const QList<Race> &races,
                   QObject *parent = nullptr);

    void start();
    // What each lane row shows of the last race: "L2 60ms false start", one lane a line.
    QStringList laneTexts() const;

signals:
    // fileBase: the race's file name without its time stamp, as in "race_12_h1_s1"
    void race_saved(int index, const QString &title, const QString &fileBase);
    void finished();

private:
    void onSaved(ResultsDataType type);
    void poll();
    bool readyAccepted() const;

    static constexpr int kPollMs = 50;
    QPointer<MainWindow> m_window;
    QPointer<DeviceSimulator> m_simulator;
    QList<Race> m_races;
    int m_current = -1;
    bool m_requested = false;
    int m_saves = 0;
    QString m_fileBase;
    QTimer m_poll;
};
