// Handlers the window already connects, whose work is built with the concerns named beside them. Each
// does nothing until then; none of them is finished.
#include "mainwindow/mainwindow.h"

void MainWindow::OnBtnSettingsClicked()
{
    // common start-block settings dialog: with the project settings
}

void MainWindow::OnOperationModeChanged(OperationMode)
{
    // operation mode icon and settings: with the project settings
}
