// Race control and live device events of the main window: Ready closes the previous race and arms the
// next, the race fields, the activity indicators, and the settings sent again to devices that report
// others. The rules live in RaceNumbering, RaceEvaluation and SettingsDistribution.
#include "mainwindow/mainwindow.h"

#include <QDateTime>
#include <QDebug>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>

#include "core/quellorapp.h"
#include "core/sharedconstants.h"
#include "devices/cserialcomthread.h"
#include "devices/cstartblockmeasurement.h"
#include "mainwindow/raceevaluation.h"
#include "ui_mainwindow.h"
#include "views/lanerowsorting.h"
#include "views/startblockslayoutwidget.h"

namespace
{

constexpr int kStateIdle = 1;
constexpr int kStateReady = 2;
constexpr int kStateStarted = 3;
constexpr quint8 kStateField = 1;
constexpr quint8 kStartSensitivityField = 8;
constexpr char kGpsFix = 'A';
constexpr qint64 kGpsSilenceSeconds = 3600;
constexpr int kForceModeReady = 2;
// the coordinator's own request: 1 Ready, 2 Ready only while the operator could press it
constexpr quint8 kReadyRequested = 1;
constexpr quint8 kReadyIfEnabled = 2;

QString windowTitleText()
{
    return QString::fromLatin1(SharedConstants::kWindowTitle);
}

// A port path glued by word joiners: a line may break after its "/" and "-", which leaves half a path on
// each line; a path wider than the notice may be is broken anywhere by the notice itself.
QString unbroken(const QString &path)
{
    QString glued;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (i > 0 && !path.at(i).isLowSurrogate())
            glued += QChar(0x2060);
        glued += path.at(i);
    }
    return glued;
}

} // namespace

// ---------------------------------------------------------------------------------------------------
// Ready and the race that it closes

void MainWindow::on_btnReady_clicked(bool)
{
    // a Ready that comes while the last one waits on a box (the coordinator's own request) is dropped: it
    // would close the same race again, or go out as the Idle that calls the readied race off
    if (m_readyUnderWay) {
        qDebug() << "Ready dropped: the last one is still being handled";
        return;
    }
    const QScopedValueRollback<bool> underWay(m_readyUnderWay, true);
    // a race whose graphs are still coming is saved under its own name before the next one is named
    if (m_serial)
        m_serial->SaveRaceUnderWay();
    holdRaceLanes();
    closePreviousRace();
    warnOfOldGpsTime();
    activateWindow();
    setFocus();
    OnBroadcastReadyClicked();
}

// F5 readies from any tab, as the key assistant says; the live view comes to the front to show it.
void MainWindow::readyFromAnyTab()
{
    on_action_ShowLiveView_triggered();
    if (ui->btnReady->isEnabled())
        ui->btnReady->click();
}

// A Ready that follows a Ready with no start in between closes no race, so nothing moves on twice; the
// program's first Ready closes the race it was left at.
void MainWindow::closePreviousRace()
{
    if (!m_lastRace || m_lastRace->run->hasStarted())
        closeRaceRun();
    qDebug() << "Prepare for next race";
    UpdateRaceInfo();
    m_race.clearRaceFlags();
    m_selectedLane = kNoLaneSelected;
    relayLanes();
}

void MainWindow::closeRaceRun()
{
    const QList<CStartBlock *> blocks = startBlocks();
    // what the race was when it ran, not what the blocks show since
    const bool falseStart = !m_race.skipsFalseStartCheck() && m_lastRace && m_lastRace->run->falseStartSeen();
    for (CStartBlock *block : blocks) {
        if (falseStart && block->participationStatus() == ParticipationDq) {
            clearLaneReaction(block);
        } else if (!falseStart) {
            const int status =
                RaceEvaluation::participationAfterRace(block->participationStatus(), m_dnsChosen, m_dqChosen);
            if (status != block->participationStatus())
                setLaneParticipation(block, status);
        }
    }
    RaceNumbering::Closed closed = RaceNumbering::Closed::None;
    if (m_lastRace) {
        rememberRacedHeat(m_lastRace->identity);
        closed = falseStart ? RaceNumbering::Closed::FalseStart : RaceNumbering::Closed::Valid;
    }
    if (m_race.closeRace(closed, shownHeat()) == RaceNumbering::Step::NextHeat)
        moveToNextMeetEvent();
    else if (!m_race.namedAfterMeetEvent())
        setWindowTitle(windowTitleText()); // past the last heat the race is named by its number, not the heat
    m_dnsChosen = false;
    m_dqChosen = false;
}

// A race had its gun in its heat: the heat goes on at its next start, after a restart too.
void MainWindow::rememberRacedHeat(const RaceIdentity &race)
{
    if (race.meetHeat && m_race.heatRaced(*race.meetHeat, race.start))
        storeRacedHeats();
}

void MainWindow::storeRacedHeats()
{
    QuellorApp *app = QuellorApp::Instance();
    if (!app)
        return;
    app->SetSetting(QString::fromLatin1(SettingsKeys::kGroupGeneral),
                    QString::fromLatin1(SettingsKeys::kRacedHeats), m_race.racedHeats().toSetting());
    app->SyncSettings();
}

// ---------------------------------------------------------------------------------------------------
// the identity of the readied race

RaceIdentity MainWindow::raceIdentity() const
{
    return m_lastRace ? m_lastRace->identity : identityOfFields();
}

std::optional<RaceIdentity> MainWindow::identityOfRun(quint64 run) const
{
    if (m_lastRace && m_lastRace->run->id() == run)
        return m_lastRace->identity;
    const RaceRunPointer current = m_serial ? m_serial->raceRun() : nullptr;
    if (current && current->id() == run && current->isTestRun())
        return std::nullopt;
    return identityOfFields(); // readied past the window: named as the fields show it
}

RaceIdentity MainWindow::identityOfFields() const
{
    RaceIdentity race;
    race.raceNumber = m_race.raceNumber();
    race.customRaceName = m_race.customRaceName();
    race.raceLabel = m_race.raceLabel();
    race.raceInfoText = ui->txtRaceInfo->text();
    race.heat = m_race.heat();
    race.start = m_race.start();
    race.fileBaseName = m_race.fileBaseName();
    race.raceLogLabel = RaceNumbering::raceLogLabel(race.raceInfoText, race.heat, race.start);
    // a race named by its number after the last heat, or by hand, belongs to no heat
    if (m_race.namedAfterMeetEvent())
        race.meetHeat = chosenHeat();
    // a heat whose athletes did not come is raced as it is; athletes that come later are the next race's
    if (race.meetHeat && m_athletesMissing) {
        race.held = HeldLanes{RaceIdentity::lanesOf(startBlocks()), {}};
        race.athletesMissing = true;
    }
    return race;
}

// The run that a Ready of a race began is named after the fields as they stand; a Ready that became Idle
// began none, and a test's run is no race.
void MainWindow::takeRaceRun()
{
    const RaceRunPointer run = m_serial ? m_serial->raceRun() : nullptr;
    if (!run || run->isTestRun())
        return;
    if (!m_lastRace || m_lastRace->run != run)
        m_lastRace = NamedRun{run, identityOfFields()};
    else if (!run->hasStarted())
        m_lastRace->identity = identityOfFields();
}

// The lanes are about to get other participants, or statuses for the next race: the race readied last
// keeps its own, once it has started.
void MainWindow::holdRaceLanes()
{
    if (!m_lastRace || m_lastRace->identity.held || !m_lastRace->run->hasStarted())
        return;
    m_lastRace->identity.held = HeldLanes{RaceIdentity::lanesOf(startBlocks()), m_meet.laneParticipations()};
}

// Fields changed before the readied race has started name that race, and what was chosen is used up by
// it; once it has started, they name the next one.
void MainWindow::followFieldsBeforeStart()
{
    if (!m_lastRace || m_lastRace->run->hasStarted())
        return;
    m_lastRace->identity = identityOfFields();
    m_race.clearRaceFlags();
}

// The lanes got other participants: a status chosen for the former ones is not theirs.
void MainWindow::releaseChosenStatuses()
{
    for (CStartBlock *block : startBlocks()) {
        const int status = RaceEvaluation::participationAfterRace(block->participationStatus(), false, false);
        if (status != block->participationStatus())
            setLaneParticipation(block, status);
    }
    m_dnsChosen = false;
    m_dqChosen = false;
}

void MainWindow::warnOfOldGpsTime()
{
    const CCoordinator *unit = coordinator();
    if (!unit || unit->statusField21() != quint8(kGpsFix) || unit->previousStatusField13() == 0)
        return;
    // whole UTC date-times: an hour's margin must not wrap at midnight
    const QDateTime lastFix = QDateTime::fromSecsSinceEpoch(unit->previousStatusField13(), Qt::UTC);
    if (lastFix.addSecs(kGpsSilenceSeconds) < QDateTime::currentDateTimeUtc())
        QMessageBox::warning(
            this, tr("Warning"),
            tr("No GPS signal received for more then 1 hour. No wireless start will be send to Orvane!"));
}

void MainWindow::OnCoordinatorNewSetStatusField(unsigned char, unsigned char length, unsigned char *data)
{
    if (!data || length == 0)
        return;
    const quint8 request = data[0];
    if (request != kReadyRequested && request != kReadyIfEnabled)
        return;
    // out of the serial object's frame dispatch before a whole Ready (and maybe a box) runs
    QMetaObject::invokeMethod(
        this,
        [this, request] {
            if (request == kReadyRequested || ui->btnReady->isEnabled())
                on_btnReady_clicked(false);
        },
        Qt::QueuedConnection);
}

void MainWindow::OnBroadcastReadyClicked()
{
    broadcastReadyFor(RaceRun::Kind::Race);
}

void MainWindow::broadcastReadyFor(RaceRun::Kind kind)
{
    qDebug() << "OnBroadcastReadyClicked";
    showReadingResults();
    OnSortByLaneClicked(true);
    if (m_serial)
        m_serial->setNextRunKind(kind);
    emit set_status_field_request(kStateField, QVariant(kStateReady), &m_broadcast);
    takeRaceRun();
}

void MainWindow::showReadingResults()
{
    m_laneLayout->allGraphsButton()->setEnabled(false);
    m_laneLayout->allSoundsButton()->setEnabled(false);
    m_resultsSavedShown = false;
    m_gapsNote.clear();
    m_gapsSettled = false;
    refreshResultsLabel();
    ui->pgbResultsSaved->setValue(0);
    ui->pgbResultsSaved->setStyleSheet(SharedConstants::redProgressStyle());
}

void MainWindow::OnBroadcastIdleClicked()
{
    bool dataHeld = false;
    for (CStartBlockMeasurement *measurement : m_chosenSet.measurements()) {
        measurement->SetRacePhase(CStartBlockMeasurement::kRacePhaseIdle);
        dataHeld = dataHeld || measurement->hasGraph();
    }
    if (dataHeld) {
        m_laneLayout->allGraphsButton()->setEnabled(true);
        m_laneLayout->allSoundsButton()->setEnabled(true);
    }
    emit set_status_field_request(kStateField, QVariant(kStateIdle), &m_broadcast);
}

void MainWindow::OnBroadcastStartClicked()
{
    emit set_status_field_request(kStateField, QVariant(kStateStarted), &m_broadcast);
}

void MainWindow::OnUnicastReady(CCoordinator *, CStartBlock *) {}

void MainWindow::on_action_RaceCounterReset_triggered()
{
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, windowTitleText() + tr(": Reset race counter"), tr("Do you want to reset the race counter?"),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    m_race.resetCounter();
    storeRacedHeats();
    UpdateRaceInfo();
    followFieldsBeforeStart();
}

// ---------------------------------------------------------------------------------------------------
// race fields and indicators

void MainWindow::UpdateRaceInfo()
{
    ui->txtRaceInfo->setText(m_race.raceInfoText(shownHeat().has_value()));
    ui->txtHeatInfo->setText(QString::number(m_race.heat()));
    ui->txtStartInfo->setText(QString::number(m_race.start()));
}

void MainWindow::OnRaceInfoTextEdited(QString text)
{
    m_race.typeRaceLabel(text);
    ui->txtHeatInfo->setText(QString::number(m_race.heat()));
    followFieldsBeforeStart();
}

void MainWindow::OnHeatInfoTextEdited(QString text)
{
    m_race.typeHeat(text);
    followFieldsBeforeStart();
}

void MainWindow::OnStartInfoTextEdited(QString text)
{
    m_race.typeStart(text);
    followFieldsBeforeStart();
}

// The live view sorts as a measurement tab does; its placeholders keep their status list shut only in
// lane order.
void MainWindow::OnSortByLaneClicked(bool)
{
    LaneRowSorting::takeRows(m_laneLayout->measurementsLayout());
    placeLaneRows(LaneOrder::byLane(LaneRowSorting::lanes(m_laneRows)), true);
}

void MainWindow::OnSortByReactionTimeClicked(bool)
{
    const QList<int> formerLanes = LaneRowSorting::takeRows(m_laneLayout->measurementsLayout());
    placeLaneRows(LaneOrder::byReactionTime(LaneRowSorting::reactionKeys(m_laneRows), formerLanes), false);
}

void MainWindow::placeLaneRows(const QList<LaneOrder::Place> &places, bool placeholdersLocked)
{
    m_laneRows = LaneRowSorting::placeRows(m_laneLayout->measurementsLayout(), m_laneRows, places, 0,
                                           [this, placeholdersLocked](int lane, int position) {
                                               addPlaceholderRow(lane, position, placeholdersLocked);
                                           });
}

void MainWindow::OnMeasurementNewGraphReceived()
{
    ui->pgbResultsSaved->setValue(ui->pgbResultsSaved->value() + 1);
}

void MainWindow::OnDataRequestSent(CommandType)
{
    QProgressBar *bar = ui->pgbSerialActivity;
    bar->setValue(m_activity.next(bar->value(), bar->minimum(), bar->maximum()));
}

QMessageBox *MainWindow::linkLostNotice() const
{
    return m_linkLostNotice;
}

// A port open again gives Ready back, unless the busy notice holds it; a notice of the lost link would
// now tell of a link that works.
void MainWindow::OnSerialPortOpened(bool ok)
{
    if (!ok)
        return;
    ui->btnReady->setEnabled(!m_busy.indicator());
    if (m_linkLostNotice)
        m_linkLostNotice->close();
}

// The serial object has closed the port and shows every device's link as lost; a race under way is saved
// right after, with what arrived. The operator is told without stopping the window: Properties reconnects.
// The system's reason stays in the serial object's debug output: after a hang-up it is whatever error the
// last call left behind, in English.
void MainWindow::OnSerialPortLost(const QString &port, const QString &)
{
    ui->btnReady->setEnabled(false); // a race armed now could never run, yet would take a race number
    m_lostPort = port;
    if (!m_linkLostNotice) {
        m_linkLostNotice = new QMessageBox(this);
        m_linkLostNotice->setIcon(QMessageBox::Warning);
        m_linkLostNotice->setStandardButtons(QMessageBox::Ok);
        m_linkLostNotice->setModal(false);
        m_linkLostNotice->setAttribute(Qt::WA_DeleteOnClose);
        // the notice says to open Properties: its Ctrl+P works while the notice has the focus
        m_linkLostNotice->addAction(ui->action_ProjectProperties);
    }
    // a later loss while the notice is open says so in the same box
    labelLinkLostNotice();
    m_linkLostNotice->show();
    m_linkLostNotice->raise();
}

void MainWindow::labelLinkLostNotice()
{
    if (!m_linkLostNotice)
        return;
    m_linkLostNotice->setWindowTitle(windowTitleText() + tr(": Connection lost"));
    m_linkLostNotice->setText(tr("The connection to the coordinator on port %1 was lost: the port was "
                                 "removed or stopped answering.")
                                  .arg(unbroken(m_lostPort)));
    m_linkLostNotice->setInformativeText(
        tr("Once the coordinator is connected again, open Properties and press OK to reconnect it."));
}

// ---------------------------------------------------------------------------------------------------
// live device events: the project's settings, sent again while a device reports others

void MainWindow::OnStartBlockNewInfoFieldsSet(CStartBlock *startBlock)
{
    if (!startBlock)
        return;
    for (const InfoFieldRequest &request :
         SettingsDistribution::differingSettings(*startBlock, m_startBlockSettings)) {
        if (request.field == kStartSensitivityField)
            qDebug() << "StartSensitivity of lane: " << startBlock->lane() << " on "
                     << startBlock->startSensitivity();
        emit set_info_field_request(request.field, QVariant(request.value), startBlock);
    }
    MeetSelection::fillEmptyLane(*startBlock, m_meet.participations());
    m_distribution.reviewBlocks(startBlocks(), m_startBlockSettings);
    UpdateWaitingStatus();
}

void MainWindow::OnCoordinatorNewInfoFieldsSet(CCoordinator *coordinator)
{
    if (!coordinator)
        return;
    updateGatewayPanId(*coordinator);
    for (const InfoFieldRequest &request :
         SettingsDistribution::differingSettings(*coordinator, m_coordinatorSettings))
        emit set_info_field_request_coordinator(request.field, QVariant(request.value), coordinator);
    m_distribution.reviewCoordinator(*coordinator, m_coordinatorSettings);
    UpdateWaitingStatus();
}

void MainWindow::OnParticipationStatusChanged(CStartBlock *startblock)
{
    // a lane that no longer races is not waited on
    const int status = startblock ? startblock->participationStatus() : ParticipationActive;
    if (status == ParticipationDns || status == ParticipationDq || status == ParticipationInactive)
        m_distribution.forgetLane(startblock->lane());
}

void MainWindow::UpdateWaitingStatus()
{
    const SettingsDistribution::WaitingStatus status = m_distribution.waitingStatus(startBlocks());
    ui->btnBroadcastIdle->setEnabled(status.ready);
    showBusyNotice(status.ready, status.notice);
    if (!status.ready && m_serial->forceMode() == kForceModeReady)
        OnBroadcastIdleClicked();
}
