// What race control, live device events and saving ask of the parts built beside them: the lane rows, the
// graphs, printing, the meet selection, the start gateway and the busy dialog. Each is one small function
// here, so that those parts take their place in one spot.
#include "mainwindow/mainwindow.h"

#include <QComboBox>
#include <QPushButton>

#include "devices/cserialcomthread.h"
#include "devices/cstartblockmeasurement.h"
#include "outputs/printjobs.h"
#include "outputs/startgatewayservice.h"
#include "ui_mainwindow.h"
#include "views/opentabwidget.h"
#include "views/startblockmeasurementwidget.h"

void MainWindow::showBusyNotice(bool hide, const QString &text)
{
    // the devices' replies go on while Quit waits: Quit's notice stays until Quit is done with it
    if (m_quitNoticeShown)
        return;
    m_busyNotice = hide ? QString() : text;
    ShowBusy(hide, text);
}

// Quit's own notice with a way out; an empty text releases it.
void MainWindow::showQuitNotice(const QString &text, const QString &wayOut)
{
    m_quitNoticeShown = !text.isEmpty();
    m_busyNotice = text;
    ShowBusy(text.isEmpty(), text);
    if (m_quitNoticeShown)
        m_busy.offerWayOut(wayOut);
}

void MainWindow::setLaneParticipation(CStartBlock *block, int status)
{
    // as if the operator chose it in the lane's row: the block, the serial object and the row follow
    for (StartBlockMeasurementWidget *row : std::as_const(m_laneRows)) {
        if (row->startBlock() == block) {
            row->SetParticipationStatus(unsigned(status));
            return;
        }
    }
    block->setParticipationStatus(status);
    m_serial->OnParticipationStatusChanged(block);
}

void MainWindow::clearLaneReaction(CStartBlock *block)
{
    // the lane row shows no reaction and resets its graph view
    if (CStartBlockMeasurement *measurement = block->measurement())
        measurement->resetReactionTime();
}

void MainWindow::relayLanes()
{
    ApplyColourStyleSheets();
}

// The race last readied, or the saved race of the tab shown.
void MainWindow::on_action_Print_triggered()
{
    printRace(raceIdentity(), currentMeasurementTab());
}

void MainWindow::printRace(const RaceIdentity &identity, const OpenTabWidget *tab)
{
    PrintRecord race;
    race.blocks = startBlocks();
    race.raceNumber = identity.raceNumber;
    race.raceName = identity.customRaceName;
    race.heatNumber = identity.heat;
    race.startNumber = identity.start;
    race.falseStartLimit = m_startBlockSettings.iaafTime;
    race.starterName = m_settings.starterName;
    // a saved race shown in its tab prints as it was saved
    race.measurements = PrintJobs::measurementsOf(race.blocks);
    if (tab) {
        race.blocks = tab->startBlocks();
        race.measurements = tab->measurements();
        PrintJobs::takeRaceFromFile(race, tab->raceHeader());
    }
    race.raceInfo = PrintJobs::raceInfoField(identity.raceInfoText);
    race.printOption = m_settings.printerOption;
    const HeldLanesInPlace lanes(tab ? std::nullopt : identity.held, startBlocks());
    PrintJobs::printOnAll(m_settings.printers, race, m_printer);
}

// To the heat the race was readied for, with its own start number; a race of no heat is posted nowhere.
void MainWindow::postRaceResults(const RaceIdentity &race)
{
    if (!race.meetHeat)
        return;
    if (race.athletesMissing) {
        m_postWatch.raceNotPosted({race.raceInfoText, race.heat, race.start, *race.meetHeat});
        refreshPostsLabel();
        return;
    }
    const HeldLanesInPlace lanes(race.held, startBlocks());
    const RacePosts posts = m_meet.postResults(
        *race.meetHeat, race.held ? race.held->participations : m_meet.laneParticipations(), startBlocks(),
        race.start);
    m_postWatch.racePosted({race.raceInfoText, race.heat, race.start, *race.meetHeat}, posts);
}

// The races whose posts the meet server did not confirm, one sentence each in the language at hand; a heat
// the events list still holds is named as the list names it now.
QStringList MainWindow::postsNotConfirmed() const
{
    QStringList sentences;
    const EventsModel &events = m_meet.events();
    for (const ResultPostWatch::Missing &missing : m_postWatch.missing()) {
        const int row = m_meet.rowOfHeat(missing.race.meetHeat);
        const QString name =
            row < 0 ? missing.race.name : events.index(row, EventsModel::ColumnName).data().toString();
        sentences << ResultPostWatch::describe(missing, name);
    }
    return sentences;
}

void MainWindow::updateGatewayPanId(const CCoordinator &coordinator)
{
    if (m_gateway && m_gateway->panId() != coordinator.panId())
        m_gateway->setPanId(coordinator.panId());
}

// The program's own step, no choice of the official's.
void MainWindow::moveToNextMeetEvent()
{
    ui->cmbEvents->setCurrentIndex(ui->cmbEvents->currentIndex() + 1);
    m_rowJustChanged = -1;
}
