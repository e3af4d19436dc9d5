#pragma once

#include <memory>
#include <vector>

#include <QList>
#include <QString>
#include <QWidget>

#include "core/sharedtypes.h"
#include "devices/measurementfile.h"
#include "views/laneorder.h"
#include "views/stylesettings.h"

class CCoordinator;
class CStartBlock;
class CStartBlockMeasurement;
class CoordinatorMeasurementWidget;
class QEvent;
class StartBlockMeasurementWidget;
class StartBlocksLayoutWidget;
class ViewHost;

namespace Ui
{
class OpenTabWidget;
}

// A saved race opened again beside the live view: the header's comment, the coordinator row and one
// read-only lane row per start block of the file, with placeholder rows for the lanes it does not hold;
// sortable by lane or reaction time, with the graphs of all lanes. The tab owns the device objects it
// read; they are never registered with the serial protocol object, so nothing in a tab changes after
// reading but order, mode and colours.
class OpenTabWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr quint8 kNoLaneSelected = 255;
    // More than twice what 99 blocks with full reaction and sound graphs write.
    static constexpr qint64 kMaxFileBytes = 128 * 1024 * 1024;

    // Reads the whole file through the measurement-file reader and builds its tab. A file that cannot be
    // read whole gives null and the reason, and nothing of it is shown.
    static OpenTabWidget *open(ViewHost *host, QWidget *parent, const QString &fileName, PossibleModes mode,
                               QString &reason);
    // Why the reader refused a file, for the operator.
    static QString readErrorText(const MeasurementFile &file);

    // host gives the colour theme; it may be null. The tab takes the file's device objects.
    OpenTabWidget(ViewHost *host, QWidget *parent, const QString &fileName, MeasurementFile &file,
                  PossibleModes mode);
    ~OpenTabWidget() override;

    QString fileName() const { return m_fileName; }
    // The tab's title: the file's name up to its first ".", or "untitled".
    QString baseName() const { return m_baseName; }
    // The file's path without its extension, which names the screenshots of its graphs.
    QString screenshotBaseName() const;
    const RaceHeader &raceHeader() const { return m_header; }

    CCoordinator *coordinator() const { return m_coordinator.get(); }
    QList<CStartBlock *> startBlocks() const { return m_blocks; }
    QList<CStartBlockMeasurement *> measurements() const { return m_measurements; }
    // The rows that show a block, in their last sorted order.
    QList<StartBlockMeasurementWidget *> laneRows() const { return m_rows; }
    // Every row top to bottom, placeholders included.
    QList<StartBlockMeasurementWidget *> displayedRows() const;
    CoordinatorMeasurementWidget *coordinatorRow() const { return m_coordinatorRow; }
    StartBlocksLayoutWidget *laneLayout() const { return m_laneLayout; }
    PossibleModes applicationMode() const { return m_mode; }

    // The highlighted row's position, set by the keyboard commands; kNoLaneSelected for none.
    quint8 selectedLane() const { return m_selectedLane; }
    void setSelectedLane(quint8 lane) { m_selectedLane = lane; }
    void ApplyColourTheme();
    // Rows whose participation shows ACTIVE or RUP.
    int CountActiveLanes() const;

public slots:
    void OnToggleApplicationModeWidgets(PossibleModes mode);
    void OnBtnAllGraphsClicked();
    void OnBtnAllSoundsClicked();
    void OnSortByLaneClicked(bool clicked);
    void OnSortByReactionTimeClicked(bool clicked);

protected:
    void changeEvent(QEvent *event) override;

private:
    void showComment();
    void addCoordinatorRow(std::unique_ptr<CCoordinator> coordinator);
    void addLaneRow(CStartBlock *block, int position);
    void addPlaceholderRow(int lane, int position);
    void placeRows(const QList<LaneOrder::Place> &places);
    StyleSettings currentStyle() const;

    std::unique_ptr<Ui::OpenTabWidget> ui;
    ViewHost *m_host;
    CoordinatorMeasurementWidget *m_coordinatorRow = nullptr; // child; null without a coordinator
    StartBlocksLayoutWidget *m_laneLayout = nullptr;          // child
    std::unique_ptr<CCoordinator> m_coordinator;
    std::vector<std::unique_ptr<CStartBlock>> m_ownedBlocks; // each carries its measurement
    QList<CStartBlock *> m_blocks;
    QList<CStartBlockMeasurement *> m_measurements;
    QList<StartBlockMeasurementWidget *> m_rows; // children
    PossibleModes m_mode;
    QString m_fileName;
    QString m_baseName;
    RaceHeader m_header;
    int m_version = 0;
    quint8 m_selectedLane = kNoLaneSelected;
};
