// The dialogs the lane and coordinator rows open whose classes come with the device dialogs and the graph
// views. Each call does nothing until then; none of them is finished.
#include "views/coordinatormeasurementwidget.h"
#include "views/startblockmeasurementwidget.h"

void StartBlockMeasurementWidget::runGraphDialog()
{
    // reaction graph dialog at the access level, saving graphImageFileName(): with the graph views
}

void StartBlockMeasurementWidget::runSoundGraphDialog()
{
    // sound graph dialog of the block and its measurement: with the graph views
}

void StartBlockMeasurementWidget::runLogDialog()
{
    // packet log dialog of the block: with the graph views
}

void StartBlockMeasurementWidget::runInfoDialog()
{
    // start block info dialog; a live row emits the confirmed items 2, 15, 23, 6, 27: with the device dialogs
}

void CoordinatorMeasurementWidget::runLogDialog()
{
    // packet log dialog of the coordinator on the parent window: with the graph views
}

void CoordinatorMeasurementWidget::runSpectrumDialog()
{
    // radio spectrum dialog with spectrumLevels() and the current channel: with the device dialogs
}

void CoordinatorMeasurementWidget::runInfoDialog()
{
    // coordinator info dialog; the confirmed items 15, 23, 6, 27 go out: with the device dialogs
}

bool CoordinatorMeasurementWidget::runStartTimesDialog()
{
    // start times dialog, asking the serial protocol object only in a live row: with the device dialogs
    return false;
}
