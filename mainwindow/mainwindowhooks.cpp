// What race control, live device events and saving ask of the parts built beside them: the lane rows, the
// graphs, printing, the meet selection, the start gateway and the busy dialog. Each is one small function
// here, so that those parts take their place in one spot.
#include "mainwindow/mainwindow.h"

#include <QComboBox>
#include <QPushButton>

#include "devices/cserialcomthread.h"
#include "devices/cstartblockmeasurement.h"
#include "ui_mainwindow.h"

void MainWindow::showBusyNotice(bool hide, const QString &text)
{
    // the busy dialog shows m_busyNotice; Ready waits while it is up
    m_busyNotice = hide ? QString() : text;
    ui->btnReady->setEnabled(hide);
}

void MainWindow::setLaneParticipation(CStartBlock *block, int status)
{
    // the lane row's participation box does this, and tells the serial object as its own choice does
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
    // the lanes are laid out again with no lane selected
}

void MainWindow::showRowsInOrder(const QList<int> &)
{
    // the lane rows of the live view take this order
}

void MainWindow::printRaceResults()
{
    // one print job per configured printer
}

void MainWindow::postRaceResults()
{
    // the results of the lanes go to the meet server
}

void MainWindow::addMeasurementTab(const QString &)
{
    // the file opens as a read-only measurement tab
}

void MainWindow::updateGatewayPanId(const CCoordinator &)
{
    // the start gateway keeps the coordinator's PAN id
}

RaceNumbering::MeetEvent MainWindow::meetEvent() const
{
    const int server = ui->cmbServers->currentIndex();
    const int event = ui->cmbEvents->currentIndex();
    if (server < 0 || server >= ui->cmbServers->count() || event < 0 || event >= ui->cmbEvents->count())
        return RaceNumbering::MeetEvent::None;
    return event == ui->cmbEvents->count() - 1 ? RaceNumbering::MeetEvent::Last
                                               : RaceNumbering::MeetEvent::InUse;
}

void MainWindow::moveToNextMeetEvent()
{
    ui->cmbEvents->setCurrentIndex(ui->cmbEvents->currentIndex() + 1);
}
