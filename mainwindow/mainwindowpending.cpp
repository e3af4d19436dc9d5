// Handlers the window already connects, whose work is built with the concerns named beside them. Each
// does nothing until then; none of them is finished.
#include "mainwindow/mainwindow.h"

void MainWindow::OnRaceInfoTextEdited(QString)
{
    // custom race name: with race control
}

void MainWindow::OnHeatInfoTextEdited(QString)
{
    // heat number: with race control
}

void MainWindow::OnStartInfoTextEdited(QString)
{
    // start number: with race control
}

void MainWindow::OnDataRequestSent(CommandType)
{
    // serial activity indicator: with race control
}

void MainWindow::onBtnAllGraphsClicked()
{
    // graphs of all lanes: with the graphs
}

void MainWindow::onBtnAllSoundsClicked()
{
    // sound graphs of all lanes: with the graphs
}

void MainWindow::OnSaveResultsFile(ResultsDataType, bool)
{
    // measurement files, race log, printing and posts: with saving
}

void MainWindow::OnBtnCommentAddClicked()
{
    // race comment: with saving
}

void MainWindow::OnTabCloseRequested(int)
{
    // closing a measurement tab: with the keyboard commands
}

void MainWindow::OnItemSelectedKeyPressed(KeyPressed)
{
    // keyboard commands: with the keyboard filter
}

QString MainWindow::raceFileName() const
{
    // race, heat and start numbering: with race control
    return QString();
}

void MainWindow::OnCoordinatorNewSetStatusField(unsigned char, unsigned char, unsigned char *)
{
    // the coordinator asks for Ready: with race control
}

void MainWindow::OnSortByLaneClicked(bool)
{
    // rows sorted by lane: with race control
}

void MainWindow::OnSortByReactionTimeClicked(bool)
{
    // rows sorted by reaction time: with race control
}

void MainWindow::OnMeasurementNewGraphReceived()
{
    // results progress: with race control
}

void MainWindow::OnStartBlockNewInfoFieldsSet(CStartBlock *)
{
    // settings re-sent and the waiting status: with the live device events
}

void MainWindow::OnCoordinatorNewInfoFieldsSet(CCoordinator *)
{
    // settings re-sent and the waiting status: with the live device events
}
