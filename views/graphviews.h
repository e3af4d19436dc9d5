#pragma once

#include <QList>
#include <QString>

#include "views/graphtheme.h"

class CStartBlock;
class CStartBlockMeasurement;
class MeasurementGraphDlg;
class MeasurementGraphWidget;
class MeasurementSoundGraphDlg;
class MeasurementSoundGraphWidget;
class QWidget;

// Building and running the graph views for their callers: the all-lanes panels (also rendered into the
// printed page), the all-graphs and all-sounds dialogs and one lane's graph dialogs. Nothing here
// needs the main window: it hands in its lists, folders, race file name and theme.
namespace GraphViews
{

inline constexpr char kImageFormat[] = "png";

// "<results folder>/<race file name>_all_lanes" and "<results folder>/<race file name>_lane<L>", the
// screenshot names without extension.
QString allLanesScreenshotName(const QString &resultsDir, const QString &raceFileName);
QString laneScreenshotName(const QString &resultsDir, const QString &raceFileName, int lane);

// One curve per racing block (participation ACTIVE or RUP), numbered 1..n in list order, the value
// labels hidden. The lists are parallel: null, and nothing created, when their lengths differ. The
// caller owns the panel.
MeasurementGraphWidget *CreateMeasurementGraphWidget(QWidget *parent, const QList<CStartBlock *> &blocks,
                                                     const QList<CStartBlockMeasurement *> &measurements,
                                                     int printMode, const GraphTheme &theme = GraphTheme());
MeasurementSoundGraphWidget *CreateSoundGraphWidget(QWidget *parent, const QList<CStartBlock *> &blocks,
                                                    const QList<CStartBlockMeasurement *> &measurements,
                                                    int printMode, const GraphTheme &theme = GraphTheme());

// Puts the all-lanes panel into a dialog (which keeps its own empty panel when the lists differ) and
// names its screenshot; the run functions below build, fill and exec the dialog.
void fillAllGraphsDialog(MeasurementGraphDlg &dialog, const QList<CStartBlock *> &blocks,
                         const QList<CStartBlockMeasurement *> &measurements, const QString &screenshotName,
                         const GraphTheme &theme = GraphTheme());
void fillAllSoundsDialog(MeasurementSoundGraphDlg &dialog, const QList<CStartBlock *> &blocks,
                         const QList<CStartBlockMeasurement *> &measurements,
                         const GraphTheme &theme = GraphTheme());
int runAllGraphsDialog(QWidget *parent, const QList<CStartBlock *> &blocks,
                       const QList<CStartBlockMeasurement *> &measurements, const QString &screenshotName,
                       const GraphTheme &theme = GraphTheme());
int runAllSoundsDialog(QWidget *parent, const QList<CStartBlock *> &blocks,
                       const QList<CStartBlockMeasurement *> &measurements,
                       const GraphTheme &theme = GraphTheme());

// One lane: its reaction graph dialog at the given access level (an empty screenshot name saves
// nothing) and its sound graph dialog.
void fillLaneGraphDialog(MeasurementGraphDlg &dialog, CStartBlock *block, CStartBlockMeasurement *measurement,
                         const QString &screenshotName, const GraphTheme &theme = GraphTheme());
void fillLaneSoundGraphDialog(MeasurementSoundGraphDlg &dialog, CStartBlock *block,
                              CStartBlockMeasurement *measurement, const GraphTheme &theme = GraphTheme());
int runLaneGraphDialog(QWidget *parent, CStartBlock *block, CStartBlockMeasurement *measurement, int level,
                       const QString &screenshotName, const GraphTheme &theme = GraphTheme());
int runLaneSoundGraphDialog(QWidget *parent, CStartBlock *block, CStartBlockMeasurement *measurement,
                            const GraphTheme &theme = GraphTheme());

} // namespace GraphViews
