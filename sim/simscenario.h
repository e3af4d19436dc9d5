#pragma once

#include <optional>

#include <QByteArray>
#include <QList>
#include <QString>

// The operation-mode question's answer: 0 wireless, 1 wired, 2 none.
enum class SimModeAnswer : quint8 { Wireless = 0, Wired = 1, None = 2 };

// One start block of a scenario.
struct SimLaneScenario {
    QByteArray mac; // six bytes
    quint8 lane = 1;
    std::optional<int> reactionMs = 150;     // none: the block never reacts; below the limit: a false start
    std::optional<SimModeAnswer> modeAnswer; // unset: follows the installation's wiring
    int ignoreReady = 0;                     // Ready commands this block lets pass before it follows
    bool synchronised = true;                // false: reports no synchronisation until resynchronised
    qint32 syncOffsetMs = 4;
    std::optional<int> soundDelayMs; // start to start sound in the sound graph; none: 1 ms per lane
    std::optional<int> linkQuality;  // status 6 as sent, 0..255; none: a good link that wanders a little
};

// Everything a simulator run is made of; every random choice follows from the seed.
struct SimScenario {
    static constexpr int kMaxBlocks = 10;

    QByteArray coordinatorMac;
    QList<SimLaneScenario> lanes;
    bool wired = false;
    double replyLossRate = 0.0;
    double corruptCrcRate = 0.0;
    bool splitReplies = false;
    quint32 seed = 1;
    int autoStartDelayMs = 3000; // below 0: the race starts only on command
    bool speedModel = true;      // bytes at the wrong link speed are lost
    int initialBaud = 9600;
    int replyDelayMs = 3;
    int readyWindowSeconds = 300;
    bool gpsFix = true;
    int identifyResponderLane = 0; // who answers a broadcast identifier request: 0 the coordinator

    // A coordinator and the given number of blocks in lanes 1..n with reactions 120 ms upwards.
    static SimScenario standard(int blocks = 8);

    // An empty text when the scenario can run, else what is wrong with it.
    QString validate() const;
};

// Reads a scenario from JSON text; the error text says what was wrong.
std::optional<SimScenario> parseSimScenario(const QByteArray &json, QString *error);
std::optional<SimScenario> loadSimScenario(const QString &path, QString *error);

// The file format, for the program's --help.
QString simScenarioFormatHelp();
