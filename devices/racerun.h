#pragma once

#include <memory>

#include <QMetaType>
#include <QtGlobal>

class CStartBlock;

// One run of the devices from a Ready to its last save: a race, or a run that a test procedure drives.
// The serial protocol object makes a new one at each Ready and moves it on; everything that names, saves,
// logs, prints or posts a race reads it. Its phase only goes forward, and once started or false-started it
// stays so: an Idle, a pull, a replug or rebuilt lanes never change what the run was.
class RaceRun
{
public:
    enum class Kind { Race, TestRun };
    enum class Phase { Readied, Started, ReactionsIn, Graphs, Saved };

    RaceRun(quint64 id, Kind kind) : m_id(id), m_kind(kind) {}

    // A reaction below the lane's limit in a lane that races (ACTIVE, DQ or RUP); equal to the limit is
    // valid, and the two no-value markers are no reaction.
    static bool isFalseStart(quint16 reaction, quint16 falseStartLimit, int participationStatus);
    static bool isFalseStart(const CStartBlock &block);

    quint64 id() const { return m_id; }
    Kind kind() const { return m_kind; }
    bool isTestRun() const { return m_kind == Kind::TestRun; }
    Phase phase() const { return m_phase; }
    // The devices raced: the start came, or results did.
    bool hasStarted() const { return m_phase >= Phase::Started; }
    bool isSaved() const { return m_phase == Phase::Saved; }
    // Raced and its last save is still to come.
    bool isUnderWay() const { return hasStarted() && !isSaved(); }
    bool isFetchingGraphs() const { return m_phase == Phase::Graphs; }
    bool falseStartSeen() const { return m_falseStart; }
    bool reactionSaveSent() const { return m_reactionSave; }
    bool soundSaveSent() const { return isSaved(); } // the sound save is what saves a run

    void markStarted() { advanceTo(Phase::Started); }
    void markReactionsIn() { advanceTo(Phase::ReactionsIn); }
    void markGraphs() { advanceTo(Phase::Graphs); }
    void markFalseStart();
    // True once, when the reaction save may go out now; never after the run is saved.
    bool takeReactionSave();
    // True once, when the sound save may go out now: the run is saved by it.
    bool takeSoundSave();

private:
    void advanceTo(Phase phase);

    quint64 m_id = 0;
    Kind m_kind = Kind::Race;
    Phase m_phase = Phase::Readied;
    bool m_falseStart = false;
    bool m_reactionSave = false;
};

using RaceRunPointer = std::shared_ptr<const RaceRun>;
