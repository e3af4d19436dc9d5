// Seeded random sequences of what an official and the link do at any phase of a race, in the real window
// against the device simulator behind a link and the meet server simulator: Ready, a second Ready, a heat
// chosen, the lists refreshed, a lane's status changed, a lane silent, a false start, Properties held open
// and closed with OK or Escape, a pull and a replug, a refused open, the built-in tests, Quit and a new
// start, a heat whose athletes the server does not give. The test keeps its own model of which heat and
// start each race gets (the heats of the list in order, picks by hand, refreshes, restarts, the last heat and
// false starts) and never reads the window's race fields. After each sequence: every started race is saved
// once, as one pair of files with its reactions as raced, one race-log block and one set of posts with the
// values it raced, all under the heat and start the model gives it; no heat is posted twice with one start; a
// test run leaves nothing and moves no number.
//
// Seeds: "--seeds 0-4" (or one: "--seeds 17") before Qt Test's own options; QUELLOR_SEQUENCES=n runs n
// more after them. A failure names its seed and the steps that led to it.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSlider>
#include <QTemporaryDir>

#include "../common/modalanswerer.h"
#include "devices/cstartblockmeasurement.h"
#include "dialogs/testhardwaredlg.h"
#include "dialogs/testsynchronisationdlg.h"
#include "meetracefixture.h"
#include "sim/simpty.h"
#include "testnetwork.h"
#include "views/startblockmeasurementwidget.h"

using namespace RaceRecords;

namespace
{

constexpr int kLanes = 3;
constexpr int kWaitMs = MeetRaceFixture::kWaitMs;
constexpr int kFalseStartMs = 72;
constexpr int kFalseStartLimitMs = 100;
constexpr int kEventRows = 4;
int s_firstSeed = 0;
int s_lastSeed = 4;

// The sample meet's heats in list order: ids as posted, participations of lanes 1 to 3, bibs as shown.
struct MeetHeatRow {
    QString name;
    int number;
    QString ids;
    QStringList participations;
    QString bibs;
};
const QList<MeetHeatRow> kHeats{
    {"100 m Men (Heats - heat 1)", 1, "101;1011;10111", {"", "5001", "5002"}, ",101,102"},
    {"100 m Men (Heats - heat 2)", 2, "101;1011;10112", {"", "5007", "5008"}, ",107,108"},
    {"100 m Men (Final - heat 1)", 1, "101;1012;10121", {"5013", "5014", "5015"}, "101,108,103"},
    {"4x100 m Relay Women (heat 1)", 1, "102;1021;10211", {"", "", "5021"}, ",,401"}};

// Which heat and start the next race gets, as an official expects it: a Ready that closes a started race
// stays at a heat picked by hand since its gun, else stays in the heat after a false start and steps to the
// list's next heat after a valid one; past the last heat races are named by their number. Every heat goes on
// at its next start, across restarts too.
struct Numbering {
    int row = 0;           // the row the Race list shows
    bool picked = false;   // by hand, since the last race's gun
    bool pastLast = false; // races are named by their number
    int raceNumber = 1;
    int start = 1;
    QMap<int, int> racedStarts; // per row the highest start that had a gun
    bool faulted = false;       // the server does not give athletes
    bool athletesMissing = false;

    int nextStart(int r) const { return racedStarts.value(r, 0) + 1; }
    void show(int r)
    {
        row = r;
        pastLast = false;
        start = nextStart(r);
        athletesMissing = faulted;
    }
    // the row already shown chosen again is no pick
    void pick(int r)
    {
        if (r == row)
            return;
        show(r);
        picked = true;
    }
    void gun()
    {
        if (!pastLast)
            racedStarts[row] = qMax(racedStarts.value(row), start);
    }
    void close(bool falseStart)
    {
        if (picked)
            start = nextStart(row);
        else if (falseStart)
            start = pastLast ? start + 1 : nextStart(row);
        else if (row == int(kHeats.size()) - 1 || pastLast)
            pastLast = true, ++raceNumber, start = 1;
        else
            show(row + 1);
        picked = false;
    }
    // the program's first Ready stays at the heat it shows
    void first()
    {
        if (!pastLast)
            start = nextStart(row);
        picked = false;
    }
    void restart(bool raceSaved)
    {
        raceNumber += raceSaved ? 1 : 0;
        show(0);
        picked = false;
    }
    QString label() const { return pastLast ? QString::number(raceNumber) : kHeats[row].name; }
    int heat() const { return pastLast ? 1 : kHeats[row].number; }
    int eventRow() const { return pastLast ? -1 : row; }
};

// Where in a race something happens.
enum class Phase { Armed, Started, InTheGraphs, ReactionFile, Saved };
enum class Act {
    None,
    SecondReady,
    ChooseHeat,
    Refresh,
    Status,
    PropertiesOk,
    PropertiesEscape,
    Pull,
    Refused,
    Quit,
    PickAgain
};

const char *phaseName(Phase phase)
{
    static const char *names[] = {"armed", "started", "in the graphs", "after the reaction file", "saved"};
    return names[int(phase)];
}

const char *actName(Act act)
{
    static const char *names[] = {"nothing",
                                  "a second Ready",
                                  "a heat chosen",
                                  "the lists refreshed",
                                  "a status",
                                  "Properties > OK",
                                  "Properties > Escape",
                                  "a pull and a replug",
                                  "a refused open",
                                  "Quit and a new start",
                                  "the heat raced picked again"};
    return names[int(act)];
}

// A race as the official readied it and the devices ran it.
struct Raced {
    QString label; // the race field at the gun
    int heat = 0;
    int start = 0;
    int eventRow = -1;                   // the heat it is posted to; -1: posted nowhere
    QList<std::optional<int>> reactions; // per lane as the simulator ran it; none: silent
    bool cut = false;                    // broken off before every reaction could come
    bool ticketPrinter = true;           // the ticket printer was set when its reactions were in
    bool ticketMaybe = false;            // Properties > OK came about when its reactions did
    bool blind = false;                  // its heat's athletes had not come: posted nowhere
    QString baseName() const { return QStringLiteral("race_%1_h%2_s%3").arg(label).arg(heat).arg(start); }
};

} // namespace

class TstRaceSequence : public QObject
{
    Q_OBJECT

private slots:
    void sequencesKeepOneRecordPerRace_data();
    void sequencesKeepOneRecordPerRace();

private:
    bool runSequence(int seed);
    bool runRace(bool last);
    bool act(Act what, Phase phase);
    int unracedRows() const;
    bool waitFor(Phase phase, const RaceRunPointer &run);
    bool armRace();
    bool chooseHeat(int row);
    bool quitAndStartAgain();
    bool runTest();
    int nextUnracedRow() const;
    bool athletesShown(bool missing, int row);
    void readyTaken();
    bool fail(const QString &why);
    void step(const QString &text) { m_steps << text; }
    bool checkRecords();
    // A racing lane (ACTIVE, DQ or RUP) of the race's saved file holds a reaction below the limit.
    bool savedFalseStart(const Raced &race) const;

    std::unique_ptr<MeetRaceFixture> m_fixture;
    QRandomGenerator m_random;
    QStringList m_steps;
    QString m_failure;
    QList<Raced> m_raced;
    QSet<int> m_rowsRaced;
    QByteArray m_tickets;      // what the ticket printer received
    bool m_printerKept = true; // Properties > OK puts the first port listed in place of the terminal
    bool m_readied = false;    // the next race is readied already (an F5 in the race before)
    Numbering m_model;
    bool m_lastStarted = false; // the race readied last had its gun
    bool m_firstReady = true;   // the program has taken no Ready yet
    bool m_savedInProgram = false;
};

void TstRaceSequence::sequencesKeepOneRecordPerRace_data()
{
    QTest::addColumn<int>("seed");
    const int more = qEnvironmentVariableIntValue("QUELLOR_SEQUENCES");
    for (int seed = s_firstSeed; seed <= s_lastSeed + more; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void TstRaceSequence::sequencesKeepOneRecordPerRace()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    QFETCH(int, seed);
    qInfo("sequence seed %d (replay: --seeds %d)", seed, seed);
    QTemporaryDir folder;
    SimScenario scenario = SimScenario::standard(kLanes);
    scenario.autoStartDelayMs = -1; // the gun is the sequence's
    for (int i = 0; i < kLanes; ++i)
        scenario.lanes[i].reactionMs = 150 + 20 * i;
    m_fixture =
        std::make_unique<MeetRaceFixture>(scenario, folder.path(), QStringLiteral(QUELLOR_MEETSIM_DATA_DIR));
    SimPty ticketPrinter;
    QVERIFY(ticketPrinter.open());
    m_tickets.clear();
    m_printerKept = true;
    connect(&ticketPrinter, &SimPty::bytesReceived, this,
            [this](const QByteArray &bytes) { m_tickets += bytes; });
    m_fixture->ticketPort = ticketPrinter.devicePath();
    m_steps.clear();
    m_raced.clear();
    m_rowsRaced.clear();
    m_readied = false;
    m_model = Numbering();
    m_lastStarted = false;
    m_firstReady = true;
    m_savedInProgram = false;
    const bool ok = m_fixture->start() && runSequence(seed) && checkRecords();
    qInfo("%s", qPrintable(m_steps.join(QStringLiteral("; "))));
    const QString report = QStringLiteral("seed %1: %2\nsteps:\n  %3")
                               .arg(seed)
                               .arg(m_failure.isEmpty() ? QStringLiteral("setting up failed") : m_failure,
                                    m_steps.join(QStringLiteral("\n  ")));
    m_fixture.reset();
    if (!ok)
        qWarning("%s", qPrintable(report)); // in full: a failure message is cut short
    QVERIFY2(ok, qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(m_failure.section(u'\n', 0, 0))));
}

bool TstRaceSequence::fail(const QString &why)
{
    if (m_failure.isEmpty())
        m_failure = why;
    return false;
}

bool TstRaceSequence::runSequence(int seed)
{
    m_random.seed(quint32(seed));
    const int races = 3 + int(m_random.bounded(2));
    for (int race = 0; race < races; ++race) {
        if (m_random.bounded(6) == 0 && !runTest())
            return false;
        if (!runRace(race == races - 1))
            return false;
    }
    return true;
}

int TstRaceSequence::unracedRows() const
{
    return kEventRows - int(m_rowsRaced.size());
}

int TstRaceSequence::nextUnracedRow() const
{
    for (int row = 0; row < kEventRows; ++row) {
        if (!m_rowsRaced.contains(row))
            return row;
    }
    return -1;
}

// The heat at the row picked by hand, until its athletes are in the lanes (or told missing).
bool TstRaceSequence::chooseHeat(int row)
{
    step(QStringLiteral("pick heat row %1").arg(row));
    if (!m_fixture->pickEvent(row))
        return fail(QStringLiteral("heat row %1 could not be picked").arg(row));
    m_model.pick(row);
    if (!athletesShown(m_model.athletesMissing, row))
        return fail(QStringLiteral("heat row %1 brought no athletes").arg(row));
    return true;
}

// The heat's athletes in the lanes, or the note that they did not come.
bool TstRaceSequence::athletesShown(bool missing, int row)
{
    MainWindow *window = m_fixture->window;
    return QTest::qWaitFor(
        [&] {
            if (!missing)
                return m_fixture->blockBibs() == kHeats[row].bibs;
            auto *note = window->findChild<QLabel *>("lblAthletesMissing");
            return note && note->isVisible() && m_fixture->blockBibs().remove(u',').isEmpty();
        },
        kWaitMs);
}

// The program took a Ready: it closes the race readied last when that one had its gun.
void TstRaceSequence::readyTaken()
{
    if (m_lastStarted)
        m_model.close(savedFalseStart(m_raced.last()));
    else if (m_firstReady)
        m_model.first();
    m_lastStarted = false;
    m_firstReady = false;
}

// F5 until every device is armed: the program has begun a new run, says everybody is ready, and the
// simulator's devices are so (the flag alone may still tell of the race before, until polling resumes).
bool TstRaceSequence::armRace()
{
    CSerialComThread *serial = m_fixture->window->serialComThread();
    const auto armed = [this, serial](const RaceRunPointer &before) {
        const DeviceSimulator &sim = *m_fixture->sim;
        bool devicesReady = sim.coordinator().state() == DeviceReady;
        for (const CStartBlock *block : m_fixture->window->startBlocks()) {
            const int status = block->participationStatus();
            const SimStartBlock *device = sim.blockForLane(block->lane());
            if (status == ParticipationActive || status == ParticipationRup)
                devicesReady = devicesReady && device && device->state() == DeviceReady;
        }
        const RaceRunPointer run = m_fixture->window->lastRaceRun();
        return run && run != before && !run->hasStarted() && serial->allReady && devicesReady;
    };
    for (int tries = 0; tries < 3; ++tries) {
        const RaceRunPointer before = m_readied ? nullptr : m_fixture->window->lastRaceRun();
        if (!m_readied) {
            if (m_random.bounded(6) == 0 && m_fixture->waitUntilReady()) {
                step(QStringLiteral("Ready asked by the coordinator"));
                m_fixture->sim->requestReady();
            } else {
                step(QStringLiteral("F5"));
                if (!m_fixture->readyByF5())
                    return fail(QStringLiteral("Ready stayed off"));
            }
            readyTaken();
        }
        m_readied = false;
        if (!QTest::qWaitFor([&] { return armed(before); }, kWaitMs))
            continue;
        return true;
    }
    return fail(QStringLiteral("the devices never became ready"));
}

bool TstRaceSequence::runRace(bool last)
{
    Raced race;
    for (int lane = 0; lane < kLanes; ++lane)
        race.reactions << std::optional<int>(150 + 20 * lane);
    const quint32 dice = m_random.bounded(10);
    if (dice < 2) {
        const int lane = int(m_random.bounded(kLanes));
        race.reactions[lane] = kFalseStartMs;
    } else if (dice < 3) {
        const int lane = int(m_random.bounded(kLanes));
        race.reactions[lane] = std::nullopt;
    }
    for (int lane = 0; lane < kLanes; ++lane)
        m_fixture->sim->setLaneReaction(lane, race.reactions[lane]);
    step(QStringLiteral("race: reactions %1, %2, %3")
             .arg(race.reactions[0] ? QString::number(*race.reactions[0]) : "silent",
                  race.reactions[1] ? QString::number(*race.reactions[1]) : "silent",
                  race.reactions[2] ? QString::number(*race.reactions[2]) : "silent"));

    static const QList<Act> acts{Act::None,    Act::None,    Act::SecondReady,  Act::ChooseHeat,
                                 Act::Refresh, Act::Status,  Act::PropertiesOk, Act::PropertiesEscape,
                                 Act::Pull,    Act::Refused, Act::Quit,         Act::PickAgain};
    Act what = acts[int(m_random.bounded(acts.size()))];
    Phase phase = Phase(m_random.bounded(5));
    if (what == Act::SecondReady && phase >= Phase::Saved)
        phase = Phase::Armed;
    // a status changed while the reactions come would race them
    if (what == Act::Status && phase != Phase::Armed)
        phase = Phase::Saved;
    // the heat whose athletes the server does not give, until the race is saved
    const bool unreachable = m_random.bounded(8) == 0;
    if ((what == Act::Quit && last) || (unreachable && (what == Act::Quit || what == Act::SecondReady)))
        what = Act::None;
    step(QStringLiteral("%1 when %2%3")
             .arg(actName(what), phaseName(phase), unreachable ? ", athletes not given" : ""));
    if (unreachable) {
        m_fixture->server->setFaults({0, 500, -1, "/participations/"});
        m_model.faulted = true;
    }

    if (!armRace())
        return false;
    if (phase == Phase::Armed && what != Act::None) {
        if (!act(what, phase))
            return false;
        // a choice before the gun is the readied race's, and used up by it
        m_model.picked = false;
        // a race called off before the gun is armed again, as the official would
        const CSerialComThread *serial = m_fixture->window->serialComThread();
        if ((serial->forceMode() != DeviceReady || !serial->allReady) && !armRace())
            return false;
    }
    // the race as the model names it when the gun goes
    race.label = m_model.label();
    race.heat = m_model.heat();
    race.start = m_model.start;
    race.eventRow = m_model.eventRow();
    race.blind = race.eventRow >= 0 && m_model.athletesMissing;
    MainWindow *window = m_fixture->window;
    const RaceRunPointer run = window->lastRaceRun();
    step(QStringLiteral("the gun: %1").arg(race.baseName()));
    m_fixture->sim->startRace();
    if (!QTest::qWaitFor([&] { return run->hasStarted(); }, kWaitMs))
        return fail(QStringLiteral("the start never reached the program"));
    m_model.gun();
    m_lastStarted = true;
    m_savedInProgram = true;
    if (race.eventRow >= 0)
        m_rowsRaced.insert(race.eventRow);
    race.cut = what == Act::Pull || what == Act::Refused || what == Act::PropertiesOk ||
               (what == Act::SecondReady && phase > Phase::Armed);
    race.ticketPrinter = m_printerKept && !(what == Act::PropertiesOk && phase < Phase::ReactionFile);
    // Properties is held open over several polls: the reaction file may come before its OK or after
    race.ticketMaybe = m_printerKept && what == Act::PropertiesOk && phase == Phase::InTheGraphs;
    m_raced << race;
    if (phase > Phase::Armed && what != Act::None) {
        if (!waitFor(phase, run) || !act(what, phase))
            return false;
    }
    if (!QTest::qWaitFor([&] { return run->isSaved(); }, kWaitMs * 2))
        return fail(QStringLiteral("%1 was never saved").arg(race.baseName()));
    // every save of the race is on disk before the next step
    if (!QTest::qWaitFor([&] { return savedNames(m_fixture->resultsDir).size() >= 2 * m_raced.size(); },
                         kWaitMs))
        return fail(QStringLiteral("%1 has not both files").arg(race.baseName()));
    if (!unreachable)
        return true;
    // the server gives the athletes again: they come by themselves
    m_fixture->server->setFaults({});
    m_model.faulted = false;
    const bool missing = m_model.athletesMissing;
    m_model.athletesMissing = false;
    return !missing || athletesShown(false, m_model.row) || fail(QStringLiteral("the athletes never came"));
}

bool TstRaceSequence::waitFor(Phase phase, const RaceRunPointer &run)
{
    switch (phase) {
    case Phase::Armed:
    case Phase::Started:
        return true;
    case Phase::InTheGraphs:
        return QTest::qWaitFor([&] { return run->isFetchingGraphs() || run->isSaved(); }, kWaitMs);
    case Phase::ReactionFile:
        return QTest::qWaitFor([&] { return run->reactionSaveSent(); }, kWaitMs);
    case Phase::Saved:
        return QTest::qWaitFor([&] { return run->isSaved(); }, kWaitMs * 2);
    }
    return false;
}

bool TstRaceSequence::act(Act what, Phase phase)
{
    MainWindow *window = m_fixture->window;
    const int own = m_raced.isEmpty() ? -1 : m_raced.last().eventRow; // the heat raced last, or now
    switch (what) {
    case Act::None:
        return true;
    case Act::SecondReady: {
        CSerialComThread *serial = window->serialComThread();
        if (!m_fixture->readyByF5())
            return fail(QStringLiteral("the second Ready stayed off"));
        // on an armed system it goes out as Idle; in the race it saves the race with what came and readies
        // the next one
        m_readied = phase > Phase::Armed;
        if (m_readied &&
            !QTest::qWaitFor([&] { return savedNames(m_fixture->resultsDir).size() >= 2 * m_raced.size(); },
                             kWaitMs))
            return fail(QStringLiteral("the race under way was not saved at the second Ready"));
        readyTaken();
        return m_readied || QTest::qWaitFor([serial] { return !serial->allReady; }, kWaitMs) ||
               fail(QStringLiteral("the second Ready armed on"));
    }
    case Act::ChooseHeat: {
        // a heat not raced yet, or the heat raced last again
        const int row = nextUnracedRow();
        if (row < 0 && own < 0)
            return true;
        return chooseHeat((m_random.bounded(2) && own >= 0) || row < 0 ? own : row);
    }
    case Act::Refresh: {
        // a refresh picks nothing: the heat shown comes back with its athletes
        static const QStringList buttons{"btnCompetitionsRefresh", "btnEventsRefresh"};
        const QString button = buttons[int(m_random.bounded(2))];
        step(QStringLiteral("%1 pressed").arg(button));
        QSignalSpy asked(m_fixture->server.get(), &MeetSimServer::requestReceived);
        window->findChild<QPushButton *>(button)->click();
        const bool refreshed = asked.wait(kWaitMs) &&
                               QTest::qWaitFor(
                                   [&] {
                                       return m_fixture->events()->count() == kEventRows &&
                                              m_fixture->events()->currentIndex() == m_model.row;
                                   },
                                   kWaitMs) &&
                               athletesShown(m_model.athletesMissing, m_model.row);
        return refreshed || fail(QStringLiteral("the lists did not come back at the heat shown"));
    }
    case Act::PickAgain: {
        // another heat, then the heat raced last again
        if (own < 0)
            return true;
        return chooseHeat((own + 1) % kEventRows) && chooseHeat(own);
    }
    case Act::Status: {
        const int lane = int(m_random.bounded(kLanes));
        auto *status = window->laneRows().at(lane)->findChild<QComboBox *>("cmbParticipationStatus");
        const QString chosen = m_random.bounded(2) ? "DNS" : "DQ";
        step(QStringLiteral("lane %1 %2").arg(lane + 1).arg(chosen));
        status->setCurrentIndex(status->findData(chosen));
        return true;
    }
    case Act::PropertiesOk:
    case Act::PropertiesEscape:
        m_printerKept = m_printerKept && what == Act::PropertiesEscape;
        return (m_fixture->properties(what == Act::PropertiesOk) && m_fixture->waitUntilReady()) ||
               fail(QStringLiteral("Properties left the lanes dead"));
    case Act::Pull:
        m_printerKept = false; // Properties > OK reconnects
        return (m_fixture->pull() && m_fixture->reconnect()) ||
               fail(QStringLiteral("no reconnect after the pull"));
    case Act::Refused: {
        CSerialComThread *serial = window->serialComThread();
        const qint32 baud = serial->baudRate();
        serial->OpenPort(m_fixture->linkPath + "-gone", baud);
        serial->OpenPort(m_fixture->linkPath, baud);
        return m_fixture->waitUntilReady() || fail(QStringLiteral("the port did not come back"));
    }
    case Act::Quit:
        return quitAndStartAgain();
    }
    return false;
}

// Ctrl+Q, either answer; the program then starts again and the official goes on where the meet is.
bool TstRaceSequence::quitAndStartAgain()
{
    ModalAnswerer answerer;
    const bool down = m_random.bounded(2);
    answerer.answer(down ? QDialogButtonBox::Yes : QDialogButtonBox::No);
    MainWindow *window = m_fixture->window;
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Q,
                    Qt::ControlModifier);
    if (!QTest::qWaitFor([window] { return !window->serialComThread()->isRunning(); }, kWaitMs))
        return fail(QStringLiteral("Quit did not end the program"));
    const RaceRunPointer run = window->lastRaceRun();
    if (run && run->hasStarted() && !run->isSaved())
        return fail(QStringLiteral("Quit ended the program before the race was saved"));
    if (down && !m_fixture->freshDevices())
        return fail(QStringLiteral("the devices did not come back"));
    if (!m_fixture->openWindow())
        return fail(QStringLiteral("the program did not start again"));
    m_printerKept = true; // the settings are stored anew
    // the program shows heat 1 again and remembers the heats raced; the official may pick the heat where the
    // meet is
    m_model.restart(m_savedInProgram);
    m_savedInProgram = false;
    m_lastStarted = false;
    m_firstReady = true;
    if (m_raced.isEmpty() || m_random.bounded(2))
        return true;
    const int row =
        m_random.bounded(2) && m_raced.last().eventRow >= 0 ? m_raced.last().eventRow : nextUnracedRow();
    return row < 0 || chooseHeat(row);
}

// The built-in test of one lane, or a synchronisation test; the race fields stay as they were.
bool TstRaceSequence::runTest()
{
    MainWindow *window = m_fixture->window;
    window->OnToggleApplicationMode(ModeAdministratorFull);
    auto *race = window->findChild<QLineEdit *>("txtRaceInfo");
    auto *heat = window->findChild<QLineEdit *>("txtHeatInfo");
    auto *start = window->findChild<QLineEdit *>("txtStartInfo");
    const QString before = race->text() + heat->text() + start->text();
    QSignalSpy saved(window->serialComThread(), &CSerialComThread::save_results_file);
    if (m_random.bounded(2)) {
        step(QStringLiteral("built-in test of lane 2"));
        window->findChild<QAction *>("action_Test_Hardware")->trigger();
        TestHardwareDlg *test = window->testProcedures().hardwareTest();
        test->findChild<QSlider *>("hslStartDelay")->setValue(1);
        test->findChild<QComboBox *>("cmbLane")->setCurrentText("2");
        test->findChild<QPushButton *>("btnTest")->click();
        if (!QTest::qWaitFor([&] { return saved.count() >= 2 && !test->isLoopRunning(); }, kWaitMs * 2))
            return fail(QStringLiteral("the built-in test did not end"));
        test->findChild<QPushButton *>("btnCancel")->click();
    } else {
        step(QStringLiteral("synchronisation test"));
        window->findChild<QAction *>("action_Test_Synchronization")->trigger();
        TestSynchronisationDlg *test = window->testProcedures().synchronisationTest();
        test->findChild<QPushButton *>("btnTest")->click();
        if (!QTest::qWaitFor([&] { return saved.count() >= 2 && !test->isLoopRunning(); }, kWaitMs * 2))
            return fail(QStringLiteral("the synchronisation test did not end"));
        test->findChild<QPushButton *>("btnCancel")->click();
    }
    window->OnToggleApplicationMode(ModeOperator);
    if (race->text() + heat->text() + start->text() != before)
        return fail(QStringLiteral("the test moved the race fields"));
    return m_fixture->waitUntilReady() || fail(QStringLiteral("Ready stayed off after the test"));
}

bool TstRaceSequence::savedFalseStart(const Raced &race) const
{
    const QStringList saved = savedRace(m_fixture->resultsDir, race.baseName() + "_*.vq2", true);
    for (int lane = 0; lane < kLanes; ++lane) {
        const QStringList parts = saved.value(lane + 1).split(u' ');
        if (QStringList({"1", "3", "5"}).contains(parts.value(1)) && parts.value(2) != "-" &&
            parts.value(2).toInt() < kFalseStartLimitMs)
            return true;
    }
    return false;
}

bool TstRaceSequence::checkRecords()
{
    const QString results = m_fixture->resultsDir;
    // one pair of files per race under its own name, nothing else
    QStringList expectedFiles;
    QStringList expectedLog;
    for (const Raced &race : std::as_const(m_raced)) {
        expectedFiles << race.baseName() + ".vq1" << race.baseName() + ".vq2";
        // the log lists the lanes that raced (ACTIVE, DQ or RUP) when the race is saved
        const QStringList saved = savedRace(results, race.baseName() + "_*.vq2");
        for (int lane = 1; lane <= kLanes; ++lane) {
            const QString status = saved.value(lane).section(u' ', 1, 1);
            if (status == "1" || status == "3" || status == "5")
                expectedLog << QStringLiteral("%1 L%2").arg(race.baseName().toLower()).arg(lane);
        }
    }
    QStringList files = savedNames(results);
    QStringList sortedFiles = files;
    QStringList sortedExpected = expectedFiles;
    sortedFiles.sort();
    sortedExpected.sort();
    if (sortedFiles != sortedExpected || QDir(results).entryList(QDir::Files).size() != files.size())
        return fail(QStringLiteral("files\n    %1\nexpected\n    %2")
                        .arg(files.join("\n    "), expectedFiles.join("\n    ")));
    if (raceLogLines() != expectedLog)
        return fail(QStringLiteral("race log\n    %1\nexpected\n    %2")
                        .arg(raceLogLines().join("\n    "), expectedLog.join("\n    ")));

    // each race's file as raced: its header, and every racing lane's reaction or none
    for (const Raced &race : std::as_const(m_raced)) {
        const QStringList saved = savedRace(results, race.baseName() + "_*.vq2", true);
        if (saved.value(0) != QStringLiteral("%1 h%2 s%3").arg(race.label).arg(race.heat).arg(race.start))
            return fail(QStringLiteral("%1 reads %2").arg(race.baseName(), saved.join(" | ")));
        for (int lane = 0; lane < kLanes; ++lane) {
            const QStringList parts = saved.value(lane + 1).split(u' ');
            if (parts.value(1) != "1")
                continue; // not raced
            const QString reaction = parts.value(2);
            const std::optional<int> ran = race.reactions[lane];
            const bool asRaced = ran ? reaction == QString::number(*ran) : reaction == "-";
            if (!asRaced && !(race.cut && reaction == "-"))
                return fail(
                    QStringLiteral("%1 lane %2 holds %3").arg(race.baseName()).arg(lane + 1).arg(reaction));
        }
    }

    // one set of posts per race of a heat whose athletes came, with its own start and the values it raced;
    // no heat twice with one start
    QList<Raced> posted;
    for (const Raced &race : std::as_const(m_raced)) {
        if (race.eventRow >= 0 && !race.blind)
            posted << race;
    }
    qsizetype expectedPosts = 0;
    for (const Raced &race : std::as_const(posted))
        expectedPosts += kLanes - kHeats[race.eventRow].participations.count(QString()) + 1;
    QStringList sent;
    const bool allIn =
        QTest::qWaitFor([&] { return (sent = posts(m_fixture->postLog)).size() >= expectedPosts; }, kWaitMs);
    QStringList expected;
    QStringList shown;
    QSet<QString> heatStarts;
    for (const Raced &race : std::as_const(posted)) {
        const MeetHeatRow &heat = kHeats[race.eventRow];
        // the statuses the race was saved with; the values from the reactions as the simulator ran them
        const QStringList saved = savedRace(results, race.baseName() + "_*.vq1", true);
        for (int lane = 0; lane < kLanes; ++lane) {
            const QString participation = heat.participations[lane];
            if (participation.isEmpty())
                continue;
            const QString status = saved.value(lane + 1).section(u' ', 1, 1);
            const std::optional<int> ran = race.reactions[lane];
            QString value =
                status == "2"   ? "-3"
                : status == "3" ? "-4"
                : status == "5" ? "-5"
                : !ran          ? "-6"
                       : QString::number(*ran / 1000.0, 'f', 3) + (*ran < kFalseStartLimitMs ? " false" : "");
            const QString line = QStringLiteral("%1 %2 %3").arg(participation).arg(race.start).arg(value);
            const QString actual = sent.value(int(expected.size()));
            // a race broken off may have lost a reaction on the way
            expected << (race.cut && status == "1" && actual.endsWith(" -6") ? actual : line);
        }
        expected << QStringLiteral("happening %1;%2").arg(heat.ids).arg(race.start);
        const QString heatStart = heat.ids + ';' + QString::number(race.start);
        if (heatStarts.contains(heatStart))
            return fail(QStringLiteral("heat %1 posted twice with start %2").arg(heat.ids).arg(race.start));
        heatStarts.insert(heatStart);
    }
    shown = sent;
    if (!allIn || shown != expected)
        return fail(QStringLiteral("posts\n    %1\nexpected\n    %2")
                        .arg(shown.join("\n    "), expected.join("\n    ")));

    // a ticket per race with a reaction, naming its race and heat; one that may or may not have been printed
    // is taken when it is there
    QStringList expectedTickets;
    QList<bool> optional;
    for (const Raced &race : std::as_const(m_raced)) {
        const QStringList saved = savedRace(results, race.baseName() + "_*.vq1", true);
        bool reacted = false;
        for (int lane = 1; lane <= kLanes; ++lane) {
            const QStringList parts = saved.value(lane).split(u' ');
            reacted = reacted || ((parts.value(1) == "1" || parts.value(1) == "5") && parts.value(2) != "-");
        }
        if (reacted && (race.ticketPrinter || race.ticketMaybe)) {
            expectedTickets << QStringLiteral("%1|%2").arg(race.label.left(10).trimmed()).arg(race.heat);
            optional << !race.ticketPrinter;
        }
    }
    static const QRegularExpression ticketRace(QStringLiteral("Race name   : (.{10})"));
    static const QRegularExpression ticketHeat(QStringLiteral("Heat number :(\\d+)"));
    QStringList tickets;
    const bool printed = QTest::qWaitFor(
        [&] {
            tickets.clear();
            for (const QByteArray &ticket : m_tickets.split('\x02').mid(1)) {
                const QString text = QString::fromLatin1(ticket);
                tickets << QStringLiteral("%1|%2").arg(ticketRace.match(text).captured(1).trimmed(),
                                                       ticketHeat.match(text).captured(1));
            }
            return tickets.size() >= int(optional.count(false));
        },
        kWaitMs);
    int next = 0;
    for (int i = 0; i < expectedTickets.size() && printed; ++i) {
        if (next < tickets.size() && tickets[next] == expectedTickets[i])
            ++next;
        else if (!optional[i])
            next = -1;
        if (next < 0)
            break;
    }
    if (!printed || next != tickets.size())
        return fail(QStringLiteral("tickets\n    %1\nexpected\n    %2")
                        .arg(tickets.join("\n    "), expectedTickets.join("\n    ")));

    return true;
}

int main(int argc, char **argv)
{
    // the seeds are ours; the rest goes to Qt Test
    QList<char *> arguments;
    for (int i = 0; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--seeds" && i + 1 < argc) {
            const QList<QByteArray> range = QByteArray(argv[++i]).split('-');
            s_firstSeed = range.value(0).toInt();
            s_lastSeed = range.value(range.size() - 1).toInt();
            continue;
        }
        arguments << argv[i];
    }
    int count = int(arguments.size());
    AppTestEnvironment environment;
    if (!environment.isValid())
        return 1;
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(count, arguments.data()));
    TstRaceSequence test;
    return QTest::qExec(&test, count, arguments.data());
}

#include "tst_racesequence.moc"
