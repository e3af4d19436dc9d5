// The meet selection of the main window: servers, competitions and event heats in the three lists, the
// athletes of the chosen heat in the lanes, and the result posts after a race.
#include "mainwindow/mainwindow.h"

#include <algorithm>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "core/sharedconstants.h"
#include "meet/heat.h"
#include "ui_mainwindow.h"

namespace
{
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
    connect(ui->btnServersRefresh, &QPushButton::clicked, this, &MainWindow::OnBtnServersRefreshClicked);
    connect(ui->btnCompetitionsRefresh, &QPushButton::clicked, this,
            &MainWindow::OnBtnCompetitionsRefreshClicked);
    connect(ui->btnEventsRefresh, &QPushButton::clicked, this, &MainWindow::OnBtnEventsRefreshClicked);
}

void MainWindow::onServerChanged(int row)
{
    // what another server missed is not this one's to tell
    if (m_meet.serverAddress(row) != m_meet.sessionServer() && m_postWatch.forget())
        refreshPostsLabel();
    m_meet.chooseServer(row);
}

void MainWindow::onCompetitionChanged(int row)
{
    m_meet.chooseCompetition(ui->cmbServers->currentIndex(), row);
}

// Another heat's athletes go into the lanes: the race readied last keeps its own, and no status chosen for
// the former ones stays with the new ones.
void MainWindow::OnEventsCurrentIndexChanged(int)
{
    holdRaceLanes();
    setWindowTitle(QString::fromLatin1(SharedConstants::kWindowTitle));
    m_race.chooseMeetEvent(QString(), 1);
    MeetSelection::clearParticipants(startBlocks());
    releaseChosenStatuses();
    if (const Heat *heat = m_meet.chooseHeat(ui->cmbServers->currentIndex(), ui->cmbEvents->currentIndex())) {
        m_race.chooseMeetEvent(ui->cmbEvents->currentText(), quint16(qMin<quint32>(heat->seqno, 65535)));
        continueRacedHeat();
        setWindowTitle(meetEventTitle(ui->cmbEvents->currentText()));
    }
    UpdateRaceInfo();
    followFieldsBeforeStart();
}

// The heat's name is made in the language at hand: the title and the race field follow a language change,
// while the numbers, the athletes and the files already saved stay as they are.
void MainWindow::relabelMeetEvent()
{
    if (meetEvent() == RaceNumbering::MeetEvent::None)
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
    m_meetConnection.echoForServers();
}

void MainWindow::OnBtnCompetitionsRefreshClicked()
{
    onServerChanged(ui->cmbServers->currentIndex());
}

void MainWindow::OnBtnEventsRefreshClicked()
{
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

void MainWindow::OnZXConnectionNewParticipation(const Participation &participation)
{
    m_meet.addParticipation(participation, startBlocks());
}

void MainWindow::PostResults(quint16 startNumber)
{
    m_meet.postResults(ui->cmbServers->currentIndex(), ui->cmbEvents->currentIndex(), startBlocks(),
                       startNumber);
}
