#include "views/graphviews.h"

#include <algorithm>

#include <QDir>

#include "core/sharedtypes.h"
#include "devices/cstartblock.h"
#include "views/measurementgraphdlg.h"
#include "views/measurementgraphwidget.h"
#include "views/measurementsoundgraphdlg.h"
#include "views/measurementsoundgraphwidget.h"

namespace GraphViews
{

namespace
{

bool isRacing(const CStartBlock *block)
{
    return block && (block->participationStatus() == ParticipationActive ||
                     block->participationStatus() == ParticipationRup);
}

// Curve k of n for each racing block in list order; addCurve(panel, k, n) draws it.
template<typename Panel, typename AddCurve>
Panel *allLanesPanel(Panel *panel, const QList<CStartBlock *> &blocks,
                     const QList<CStartBlockMeasurement *> &measurements, int printMode,
                     const GraphTheme &theme, AddCurve addCurve)
{
    panel->setTheme(theme);
    const auto racing = static_cast<unsigned short>(std::count_if(blocks.cbegin(), blocks.cend(), isRacing));
    unsigned short k = 0;
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        if (!isRacing(blocks.at(i)))
            continue;
        panel->setStartBlock(blocks.at(i));
        panel->setMeasurement(measurements.at(i));
        panel->setPrintMode(printMode);
        addCurve(*panel, ++k, racing);
    }
    return panel;
}

} // namespace

QString allLanesScreenshotName(const QString &resultsDir, const QString &raceFileName)
{
    return QDir(resultsDir).filePath(raceFileName + QStringLiteral("_all_lanes"));
}

QString laneScreenshotName(const QString &resultsDir, const QString &raceFileName, int lane)
{
    return QDir(resultsDir).filePath(QStringLiteral("%1_lane%2").arg(raceFileName).arg(lane));
}

MeasurementGraphWidget *CreateMeasurementGraphWidget(QWidget *parent, const QList<CStartBlock *> &blocks,
                                                     const QList<CStartBlockMeasurement *> &measurements,
                                                     int printMode, const GraphTheme &theme)
{
    if (blocks.size() != measurements.size())
        return nullptr;
    auto *panel = allLanesPanel(
        new MeasurementGraphWidget(parent, ModeOperator), blocks, measurements, printMode, theme,
        [](MeasurementGraphWidget &p, unsigned short k, unsigned short n) { p.DrawGraph(k, n); });
    panel->HideControls();
    return panel;
}

MeasurementSoundGraphWidget *CreateSoundGraphWidget(QWidget *parent, const QList<CStartBlock *> &blocks,
                                                    const QList<CStartBlockMeasurement *> &measurements,
                                                    int printMode, const GraphTheme &theme)
{
    if (blocks.size() != measurements.size())
        return nullptr;
    auto *panel = allLanesPanel(
        new MeasurementSoundGraphWidget(parent), blocks, measurements, printMode, theme,
        [](MeasurementSoundGraphWidget &p, unsigned short k, unsigned short n) { p.SetStartBlock(k, n); });
    panel->HideDetails();
    return panel;
}

void fillAllGraphsDialog(MeasurementGraphDlg &dialog, const QList<CStartBlock *> &blocks,
                         const QList<CStartBlockMeasurement *> &measurements, const QString &screenshotName,
                         const GraphTheme &theme)
{
    dialog.setImageFormat(QString::fromLatin1(kImageFormat));
    dialog.setFileName(screenshotName);
    MeasurementGraphWidget *panel = CreateMeasurementGraphWidget(&dialog, blocks, measurements, 0, theme);
    if (!panel)
        return;
    QObject::connect(panel, &MeasurementGraphWidget::resizeImage, &dialog,
                     &MeasurementGraphDlg::onResizeImage);
    dialog.setGraphWidget(panel);
}

void fillAllSoundsDialog(MeasurementSoundGraphDlg &dialog, const QList<CStartBlock *> &blocks,
                         const QList<CStartBlockMeasurement *> &measurements, const GraphTheme &theme)
{
    MeasurementSoundGraphWidget *panel = CreateSoundGraphWidget(&dialog, blocks, measurements, 0, theme);
    if (!panel)
        return;
    QObject::connect(panel, &MeasurementSoundGraphWidget::resizeImage, &dialog,
                     &MeasurementSoundGraphDlg::onResizeImage);
    dialog.setGraphWidget(panel);
}

int runAllGraphsDialog(QWidget *parent, const QList<CStartBlock *> &blocks,
                       const QList<CStartBlockMeasurement *> &measurements, const QString &screenshotName,
                       const GraphTheme &theme)
{
    MeasurementGraphDlg dialog(parent, ModeOperator);
    dialog.setModal(true);
    fillAllGraphsDialog(dialog, blocks, measurements, screenshotName, theme);
    return dialog.exec();
}

int runAllSoundsDialog(QWidget *parent, const QList<CStartBlock *> &blocks,
                       const QList<CStartBlockMeasurement *> &measurements, const GraphTheme &theme)
{
    MeasurementSoundGraphDlg dialog(parent);
    dialog.setModal(true);
    fillAllSoundsDialog(dialog, blocks, measurements, theme);
    return dialog.exec();
}

void fillLaneGraphDialog(MeasurementGraphDlg &dialog, CStartBlock *block, CStartBlockMeasurement *measurement,
                         const QString &screenshotName, const GraphTheme &theme)
{
    dialog.setImageFormat(QString::fromLatin1(kImageFormat));
    dialog.setFileName(screenshotName);
    MeasurementGraphWidget *panel = dialog.graphWidget();
    panel->setTheme(theme);
    panel->setStartBlock(block);
    panel->setMeasurement(measurement);
    panel->DrawGraph(1, 1);
    panel->update();
    QObject::connect(panel, &MeasurementGraphWidget::resizeImage, &dialog,
                     &MeasurementGraphDlg::onResizeImage);
}

void fillLaneSoundGraphDialog(MeasurementSoundGraphDlg &dialog, CStartBlock *block,
                              CStartBlockMeasurement *measurement, const GraphTheme &theme)
{
    MeasurementSoundGraphWidget *panel = dialog.graphWidget();
    panel->setTheme(theme);
    panel->setStartBlock(block);
    panel->setMeasurement(measurement);
    panel->SetStartBlock(1, 1);
}

int runLaneGraphDialog(QWidget *parent, CStartBlock *block, CStartBlockMeasurement *measurement, int level,
                       const QString &screenshotName, const GraphTheme &theme)
{
    MeasurementGraphDlg dialog(parent, level);
    dialog.setModal(true);
    fillLaneGraphDialog(dialog, block, measurement, screenshotName, theme);
    return dialog.exec();
}

int runLaneSoundGraphDialog(QWidget *parent, CStartBlock *block, CStartBlockMeasurement *measurement,
                            const GraphTheme &theme)
{
    MeasurementSoundGraphDlg dialog(parent);
    dialog.setModal(true);
    fillLaneSoundGraphDialog(dialog, block, measurement, theme);
    return dialog.exec();
}

} // namespace GraphViews
