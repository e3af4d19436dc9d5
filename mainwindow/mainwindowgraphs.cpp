// The reaction and sound graphs of all racing lanes in one panel, and the Live View action.
#include "mainwindow/mainwindow.h"

#include <QTabWidget>

#include "ui_mainwindow.h"
#include "views/graphtheme.h"
#include "views/graphviews.h"
#include "views/measurementgraphwidget.h"
#include "views/measurementsoundgraphwidget.h"

MeasurementGraphWidget *
MainWindow::CreateMeasurementGraphWidget(QWidget *parent, const QList<CStartBlock *> &blocks,
                                         const QList<CStartBlockMeasurement *> &measurements, int printMode)
{
    return GraphViews::CreateMeasurementGraphWidget(parent, blocks, measurements, printMode);
}

MeasurementSoundGraphWidget *
MainWindow::CreateSoundGraphWidget(QWidget *parent, const QList<CStartBlock *> &blocks,
                                   const QList<CStartBlockMeasurement *> &measurements, int printMode)
{
    return GraphViews::CreateSoundGraphWidget(parent, blocks, measurements, printMode);
}

void MainWindow::onBtnAllGraphsClicked()
{
    GraphViews::runAllGraphsDialog(
        this, startBlocks(), m_chosenSet.measurements(),
        GraphViews::allLanesScreenshotName(m_settings.resultsDir, BuildRaceFileName()),
        graphThemeOf(currentStyle()));
}

void MainWindow::onBtnAllSoundsClicked()
{
    GraphViews::runAllSoundsDialog(this, startBlocks(), m_chosenSet.measurements(),
                                   graphThemeOf(currentStyle()));
}

void MainWindow::on_action_ShowLiveView_triggered()
{
    ui->tabCentral->setCurrentWidget(ui->tabLive);
}
