// The meet selection of the main window: servers, competitions and event heats in the three lists, the
// athletes of the chosen heat in the lanes, and the result posts after a race.
#include "mainwindow/mainwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "core/sharedconstants.h"
#include "meet/heat.h"
#include "ui_mainwindow.h"

namespace
{
constexpr int kAthletesRetryMs = 5000;

// The window title while a heat is chosen: the program's title and the heat's name.
QString meetEventTitle(const QString &name)
{
    return QString::fromLatin1(SharedConstants::kWindowTitle) + QStringLiteral(": ") + name;
}
} // namespace

void MainWindow::createMeetSelection()
{
    connect(&m_meetConnection, &ZXConnection::new_server, this, &MainWindow::OnZXConnectionNewServer);
    connect(&m_meetConnection, &ZXConnection::new_competition, this,
            &MainWindow::OnZXConnectionNewCompetition);
    connect(&m_meetConnection, &ZXConnection::new_event, this, &MainWindow::OnZXConnectionNewEvent);
    connect(&m_meetConnection, &ZXConnection::new_participation, this,
            &MainWindow::OnZXConnectionNewParticipation);
    connect(&m_meetConnection, &ZXConnection::post_finished, this, [this](quint64 post, bool reached) {
        if (m_postWatch.postFinished(post, reached))
            refreshPostsLabel();
    });

    m_meet.events().filterKind = EventsModel::FilterSprint;
    m_meet.events().showRoundsWithoutHeats = false;
    ui->cmbServers->setModel(&m_meet.servers());
    ui->cmbServers->setModelColumn(ZXServerModel::ColumnName);
    ui->cmbCompetitions->setModel(&m_meet.competitions());
    ui->cmbCompetitions->setModelColumn(CompetitionsModel::ColumnName);
    ui->cmbEvents->setModel(&m_meet.events());
    ui->cmbEvents->setModelColumn(EventsModel::ColumnName);
    ui->cmbEvents->setCurrentIndex(0);

    connect(ui->cmbServers, &QComboBox::currentIndexChanged, this, &MainWindow::onServerChanged);
    connect(ui->cmbCompetitions, &QComboBox::currentIndexChanged, this, &MainWindow::onCompetitionChanged);
    connect(ui->cmbEvents, &QComboBox::currentIndexChanged, this, &MainWindow::OnEventsCurrentIndexChanged);
    connect(ui->cmbEvents, &QComboBox::activated, this, &MainWindow::onEventActivated);
    // another competition chosen by hand ends the wait for the heat chosen before
    connect(ui->cmbCompetitions, &QComboBox::activated, this, [this](int row) {
        if (!m_refill)
            return;
        m_refill.reset();
        onCompetitionChanged(row);
    });
    connect(&m_meetConnection, &ZXConnection::competitions_received, this,
            &MainWindow::onCompetitionsReceived);
    connect(&m_meetConnection, &ZXConnection::events_received, this, &MainWindow::onEventsReceived);
    connect(&m_meetConnection, &ZXConnection::participations_received, this,
            &MainWindow::onParticipationsReceived);
    m_athletesRetry.setInterval(kAthletesRetryMs);
    connect(&m_athletesRetry, &QTimer::timeout, this, &MainWindow::askMissingAthletes);
    connect(ui->btnServersRefresh, &QPushButton::clicked, this, &MainWindow::OnBtnServersRefreshClicked);
    connect(ui->btnCompetitionsRefresh, &QPushButton::clicked, this,
            &MainWindow::OnBtnCompetitionsRefreshClicked);
    connect(ui->btnEventsRefresh, &QPushButton::clicked, this, &MainWindow::OnBtnEventsRefreshClicked);
}

void MainWindow::onServerChanged(int row)
{
    // another server is another meet: the heat chosen on this one is not looked for there
    if (m_refill && m_meet.serverAddress(row) != std::optional<QString>(m_refill->heat.heat.ip))
        m_refill.reset();
    // what another server missed is not this one's to tell
    if (m_meet.serverAddress(row) != m_meet.sessionServer() && m_postWatch.forget())
        refreshPostsLabel();
    m_meet.chooseServer(row);
}

void MainWindow::onCompetitionChanged(int row)
{
    // a refill asks only for the events of the competition that holds the heat chosen
    if (m_refill && m_meet.competitionIdAt(row) != m_refill->competitionId)
        return;
    m_meet.chooseCompetition(ui->cmbServers->currentIndex(), row, m_refill.has_value());
}

// The row shown changed, by the official's hand or the program's: the heat's athletes go into the lanes,
// the race readied last keeps its own, and no status chosen for the former ones stays with the new ones.
// While the lists refill, the heat chosen stays until it is found again.
void MainWindow::OnEventsCurrentIndexChanged(int row)
{
    if (m_refill)
        return;
    // a user's choice of this row follows at once (activated); anything later is no choice of it
    m_rowJustChanged = row;
    QTimer::singleShot(0, this, [this] { m_rowJustChanged = -1; });
    holdRaceLanes();
    setWindowTitle(QString::fromLatin1(SharedConstants::kWindowTitle));
    MeetSelection::clearParticipants(startBlocks());
    releaseChosenStatuses();
    m_athletesMissing = false;
    m_meet.chooseHeat(ui->cmbServers->currentIndex(), row);
    const std::optional<ShownHeat> shown = shownHeat();
    m_race.showHeat(shown);
    if (shown)
        setWindowTitle(meetEventTitle(shown->name));
    refreshMeetNotes();
    UpdateRaceInfo();
}

// The official chose a row of the Race list with the mouse or the keys; the row already shown chosen again
// changes nothing.
void MainWindow::onEventActivated(int row)
{
    if (m_refill) {
        m_refill.reset(); // the official's choice ends the wait for the heat chosen before
        OnEventsCurrentIndexChanged(row);
    } else if (row != m_rowJustChanged) {
        return;
    }
    pickShownHeat();
}

// A heat picked by hand is the next race's heat, or the readied race's before its gun.
void MainWindow::pickShownHeat()
{
    m_heatGone.clear();
    refreshMeetNotes();
    m_race.pickHeat();
    followFieldsBeforeStart();
}

// The heat the Race list shows; while the lists refill, the heat chosen before (taken as the list's last:
// the heats after it are not known yet).
std::optional<ShownHeat> MainWindow::shownHeat() const
{
    if (m_refill) {
        ShownHeat kept = m_refill->heat;
        kept.last = true;
        return kept;
    }
    return m_meet.shownHeatAt(ui->cmbServers->currentIndex(), ui->cmbEvents->currentIndex(),
                              ui->cmbEvents->currentText());
}

std::optional<MeetHeat> MainWindow::chosenHeat() const
{
    const std::optional<ShownHeat> shown = shownHeat();
    return shown ? std::optional<MeetHeat>(shown->heat) : std::nullopt;
}

// A refresh re-reads the lists: the heat shown stays the next race's until it is found again by its ids.
void MainWindow::beginRefill()
{
    const std::optional<ShownHeat> shown = shownHeat();
    const std::optional<quint32> competition = m_meet.competitionIdAt(ui->cmbCompetitions->currentIndex());
    if (m_refill || !shown || !competition)
        return;
    m_refill = Refill{*shown, *competition};
}

void MainWindow::onCompetitionsReceived(bool ok)
{
    if (!m_refill || !ok)
        return;
    const int row = m_meet.rowOfCompetition(m_refill->competitionId);
    if (row < 0) {
        endRefill(false);
        onCompetitionChanged(ui->cmbCompetitions->currentIndex());
    } else if (row != ui->cmbCompetitions->currentIndex()) {
        ui->cmbCompetitions->setCurrentIndex(row); // its events are asked for then
    }
}

void MainWindow::onEventsReceived(uint competitionId, bool ok)
{
    if (!m_refill || !ok || competitionId != m_refill->competitionId)
        return;
    const int row = m_meet.rowOfHeat(m_refill->heat.heat);
    if (row < 0) {
        endRefill(false);
        return;
    }
    ui->cmbEvents->setCurrentIndex(row);
    endRefill(true);
}

// Found again, the heat keeps its athletes (asked once more when they had not come); gone from the server,
// the list stays on its first row, and the official is told.
void MainWindow::endRefill(bool found)
{
    const ShownHeat kept = m_refill->heat;
    m_refill.reset();
    if (!found) {
        m_heatGone = kept.name;
        OnEventsCurrentIndexChanged(ui->cmbEvents->currentIndex());
        return;
    }
    m_race.renameMeetEvent(ui->cmbEvents->currentText());
    UpdateRaceInfo();
    if (m_athletesMissing)
        m_meet.askParticipationsAgain(ui->cmbServers->currentIndex(), ui->cmbEvents->currentIndex());
}

void MainWindow::onParticipationsReceived(uint heatId, bool ok)
{
    const std::optional<MeetHeat> shown = chosenHeat();
    if (!shown || shown->heatId != heatId)
        return;
    m_athletesMissing = !ok;
    if (!ok)
        keepReadiedLanesWithoutAthletes(*shown);
    refreshMeetNotes();
}

// The readied race of a heat whose athletes did not come is raced as it was readied; athletes that come
// later are the next race's.
void MainWindow::keepReadiedLanesWithoutAthletes(const MeetHeat &heat)
{
    const std::optional<MeetHeat> &raced = m_lastRace ? m_lastRace->identity.meetHeat : std::nullopt;
    if (!raced || !(*raced == heat) || m_lastRace->run->isSaved() || m_lastRace->identity.held)
        return;
    m_lastRace->identity.held = HeldLanes{RaceIdentity::lanesOf(startBlocks()), {}};
    m_lastRace->identity.athletesMissing = true;
}

// Asked again while they are missing.
void MainWindow::askMissingAthletes()
{
    if (m_athletesMissing && !m_refill)
        m_meet.askParticipationsAgain(ui->cmbServers->currentIndex(), ui->cmbEvents->currentIndex());
}

// The notes of the Race list in the status bar, in the official's language: athletes that did not come,
// and a heat chosen that is no longer on the server.
void MainWindow::refreshMeetNotes()
{
    const std::optional<ShownHeat> shown = shownHeat();
    QLabel *athletes = statusField(QStringLiteral("lblAthletesMissing"));
    const bool missing = m_athletesMissing && shown;
    athletes->setText(missing ? tr("The athletes of %1 did not come from the meet server").arg(shown->name)
                              : QString());
    athletes->setVisible(missing);
    if (missing && !m_athletesRetry.isActive())
        m_athletesRetry.start();
    else if (!missing)
        m_athletesRetry.stop();
    QLabel *gone = statusField(QStringLiteral("lblHeatGone"));
    gone->setText(m_heatGone.isEmpty()
                      ? QString()
                      : tr("The heat chosen, %1, is no longer on the meet server").arg(m_heatGone));
    gone->setVisible(!m_heatGone.isEmpty());
}

// The heat's name is made in the language at hand: the title and the race field follow a language change,
// while the numbers, the athletes and the files already saved stay as they are.
void MainWindow::relabelMeetEvent()
{
    refreshMeetNotes();
    if (m_refill || !shownHeat() || !m_race.namedAfterMeetEvent())
        return;
    const QString name = ui->cmbEvents->currentText();
    setWindowTitle(meetEventTitle(name));
    m_race.renameMeetEvent(name);
    UpdateRaceInfo();
}

// The races whose results the meet server did not confirm, in the operator's language.
void MainWindow::refreshPostsLabel()
{
    const QStringList races = postsNotConfirmed();
    QLabel *label = statusField(QStringLiteral("lblPostsMissing"));
    label->setText(races.join(QStringLiteral("   ")));
    label->setVisible(!races.isEmpty());
}

void MainWindow::OnBtnServersRefreshClicked()
{
    askMissingAthletes();
    m_meetConnection.echoForServers();
}

void MainWindow::OnBtnCompetitionsRefreshClicked()
{
    beginRefill();
    askMissingAthletes();
    onServerChanged(ui->cmbServers->currentIndex());
}

void MainWindow::OnBtnEventsRefreshClicked()
{
    beginRefill();
    askMissingAthletes();
    onCompetitionChanged(ui->cmbCompetitions->currentIndex());
}

void MainWindow::OnZXConnectionNewServer(const QHostAddress &host, const QString &name)
{
    m_meet.servers().serverForAddress(host, name);
}

void MainWindow::OnZXConnectionNewCompetition(uint id, const QString &name, const QString &info)
{
    m_meet.competitions().addCompetition(id, name, info);
}

void MainWindow::OnZXConnectionNewEvent(const Event &event)
{
    m_meet.events().addEvent(event);
}

// Athletes of a heat no longer shown are dropped.
void MainWindow::OnZXConnectionNewParticipation(const Participation &participation)
{
    const std::optional<MeetHeat> shown = chosenHeat();
    if (!shown || shown->heatId != m_meetConnection.participationsHeat())
        return;
    m_meet.addParticipation(participation, startBlocks());
}

void MainWindow::PostResults(quint16 startNumber)
{
    m_meet.postResults(ui->cmbServers->currentIndex(), ui->cmbEvents->currentIndex(), startBlocks(),
                       startNumber);
}
