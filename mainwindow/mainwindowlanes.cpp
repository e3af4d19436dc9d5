// The lanes of the chosen set: the coordinator row and one row per lane, the devices registered with the
// serial protocol object and wired to their rows, torn down and built again whenever the set changes.
#include <memory>

#include <QComboBox>
#include <QLayoutItem>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/quellorapp.h"
#include "devices/cserialcomthread.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/stylesheets.h"
#include "outputs/startgatewayservice.h"
#include "ui_mainwindow.h"
#include "views/coordinatormeasurementwidget.h"
#include "views/opentabwidget.h"
#include "views/startblockmeasurementwidget.h"
#include "views/startblockslayoutwidget.h"
#include "views/widgetlook.h"

namespace
{

constexpr int kLaneStretch = 1;
const QString kInactiveName = QStringLiteral("INACTIVE");

bool isRacing(const CStartBlock *block)
{
    const int status = block->participationStatus();
    return status == ParticipationActive || status == ParticipationRup;
}

} // namespace

void MainWindow::ClearStartBlockWidgets()
{
    // the race under way goes with its blocks: it is saved with what arrived while they still exist
    if (m_serial)
        m_serial->SaveRaceUnderWay();
    // a running test procedure restores its rows while they and the devices still exist
    m_procedures.closeAll();
    QVBoxLayout *layout = m_laneLayout->measurementsLayout();
    for (int index = layout->count() - 1; index >= 0; --index) {
        const std::unique_ptr<QLayoutItem> item(layout->takeAt(index));
        if (QWidget *row = item->widget()) {
            // a row that is still on the stack of its own signal goes later, but says nothing more
            releaseRequests(row);
            row->hide();
            row->deleteLater();
        }
    }

    m_inactiveBlocks.clear();
    for (const CStartBlock *block : m_chosenSet.startBlocks()) {
        if (block->participationStatus() == ParticipationInactive)
            m_inactiveBlocks << block->GetMacAddress();
    }
    // the serial object lets go of the devices before they go
    if (m_serial) {
        m_serial->clearStartBlocks();
        m_serial->clearInactiveStartBlocks();
        m_serial->clearCoordinator();
    }
    m_chosenSet.clear();
    removeCoordinatorRow();
    m_laneRows.clear();
}

// Only the row's own requests: Qt's style keeps its watch on the row's destruction.
void MainWindow::releaseRequests(QObject *row)
{
    disconnect(row, nullptr, this, nullptr);
    if (m_serial)
        disconnect(row, nullptr, m_serial, nullptr);
}

void MainWindow::removeCoordinatorRow()
{
    if (!m_coordinatorRow)
        return;
    releaseRequests(m_coordinatorRow);
    ui->layoutCoordinator->removeWidget(m_coordinatorRow);
    m_coordinatorRow->hide();
    m_coordinatorRow->deleteLater();
    m_coordinatorRow = nullptr;
}

void MainWindow::SetupStartBlockSet(const QString &setName)
{
    if (const QuellorApp *app = QuellorApp::Instance()) {
        const std::unique_ptr<StartBlockSetGroup> set = app->LoadStartBlockSet(setName);
        m_chosenSet.adopt(std::move(*set));
    }
    if (CCoordinator *coordinator = m_chosenSet.coordinator())
        addCoordinatorRow(coordinator);

    const QList<CStartBlock *> blocks = m_chosenSet.startBlocks();
    const QList<CStartBlockMeasurement *> measurements = m_chosenSet.measurements();
    int next = 0; // the last lane placed
    for (qsizetype index = 0; index < blocks.size(); ++index) {
        CStartBlock *block = blocks.at(index);
        for (; next + 1 < block->lane(); ++next)
            addPlaceholderRow(next + 1, next);
        addLaneRow(block, measurements.at(index), next);
        next = block->lane();
    }

    ui->pgbResultsSaved->setMaximum(int(blocks.size()));
    ui->pgbResultsSaved->setValue(0);
    if (!blocks.isEmpty())
        emit startblockset_changed();
}

void MainWindow::addCoordinatorRow(CCoordinator *coordinator)
{
    m_coordinatorRow = new CoordinatorMeasurementWidget(this, this, true);
    CoordinatorMeasurementWidget *row = m_coordinatorRow;
    row->setCoordinator(coordinator);
    row->setApplicationMode(m_mode);
    row->setCoordinatorSettings(&m_coordinatorSettings);
    row->UpdateApplicationMode();
    row->SetLabelStyle(composeStyleSheets(currentStyle()).coordinatorLabel);

    connect(coordinator, &CCoordinator::new_status_field, row,
            &CoordinatorMeasurementWidget::OnCoordinatorNewStatusField);
    connect(coordinator, &CCoordinator::check_measurements_status, row,
            &CoordinatorMeasurementWidget::checkMeasurementsStatus);
    connect(coordinator, &CCoordinator::new_start_time, row,
            &CoordinatorMeasurementWidget::OnCoordinatorNewStartTimeField);
    connect(coordinator, &CCoordinator::new_set_status_field, this,
            &MainWindow::OnCoordinatorNewSetStatusField);
    connect(coordinator, &CCoordinator::new_info_fields_set, this,
            &MainWindow::OnCoordinatorNewInfoFieldsSet);

    ui->layoutCoordinator->insertWidget(0, row, 0);

    if (m_serial) {
        m_serial->setCoordinator(coordinator);
        connect(coordinator, &CCoordinator::new_spectrum, m_serial,
                &CSerialComThread::OnCoordinatorNewSpectrum);
        connect(row, &CoordinatorMeasurementWidget::set_info_field_request_coordinator, m_serial,
                &CSerialComThread::OnSetInfoRequestCoordinator);
        connect(coordinator, &CCoordinator::set_all_devices_power_down, m_serial,
                &CSerialComThread::OnSetAllDevicesPowerDown);
    }
    connectStartGateway(coordinator);
}

// Start times and the start system's status go out on the LAN; the LAN's requests come back to the link.
void MainWindow::connectStartGateway(CCoordinator *coordinator)
{
    if (!m_gateway)
        return;
    connect(coordinator, &CCoordinator::new_start_time, m_gateway, &StartGatewayService::OnNewGpsStart);
    connect(coordinator, &CCoordinator::new_status_field, m_gateway,
            &StartGatewayService::OnCoordinatorNewStatusField);
    if (!m_serial)
        return;
    // the gateway names the coordinator through an object that lives only during the call; the gateway
    // outlives every set, so one connection serves them all
    connect(m_gateway, &StartGatewayService::send_starttime_request, m_serial,
            &CSerialComThread::OnStartTimeRequestCoordinator,
            Qt::ConnectionType(Qt::DirectConnection | Qt::UniqueConnection));
    connect(m_gateway, &StartGatewayService::new_orvane_alert, m_serial, &CSerialComThread::OnNewOrvaneAlert,
            Qt::ConnectionType(Qt::DirectConnection | Qt::UniqueConnection));
}

// An empty lane: a row without a block whose participation stays INACTIVE.
void MainWindow::addPlaceholderRow(int lane, int position, bool locked)
{
    auto *row = new StartBlockMeasurementWidget(this, this, true);
    QComboBox *combo = row->participationStatusCombo();
    combo->setCurrentIndex(combo->findData(kInactiveName));
    combo->setEnabled(!locked);
    row->SetLane(quint8(lane), false);
    row->SetAccessLevel(m_mode);
    m_laneLayout->measurementsLayout()->insertWidget(position, row, kLaneStretch);
}

// The block enters the polled list before its row's requests can reach the serial object.
void MainWindow::addLaneRow(CStartBlock *block, CStartBlockMeasurement *measurement, int position)
{
    auto *row = new StartBlockMeasurementWidget(this, this, true);
    row->setStartBlock(block);
    if (m_serial) {
        if (isRacing(block))
            m_serial->appendStartBlock(block);
        connect(row, &StartBlockMeasurementWidget::set_info_field_request, m_serial,
                &CSerialComThread::OnSetInfoRequest);
        connect(row, &StartBlockMeasurementWidget::set_status_field_request, m_serial,
                &CSerialComThread::OnSetStatusRequest);
        connect(row, &StartBlockMeasurementWidget::participation_status_changed, m_serial,
                &CSerialComThread::OnParticipationStatusChanged);
        connect(row, &StartBlockMeasurementWidget::set_resync_request, m_serial,
                &CSerialComThread::setResyncRequest);
    }
    row->SetLane(block->lane(), false);
    row->setMeasurement(measurement);
    row->SetAccessLevel(m_mode);
    // an INACTIVE choice survives the rebuild
    if (m_inactiveBlocks.contains(block->GetMacAddress(), Qt::CaseInsensitive)) {
        block->setParticipationStatus(ParticipationInactive);
        row->SetParticipationStatus(ParticipationInactive);
    }
    connect(m_laneLayout->laneHeaderButton(), &QPushButton::clicked, this, &MainWindow::OnSortByLaneClicked,
            Qt::UniqueConnection);
    connect(m_laneLayout->reactionTimeHeaderButton(), &QPushButton::clicked, this,
            &MainWindow::OnSortByReactionTimeClicked, Qt::UniqueConnection);

    const int count = m_laneLayout->measurementsLayout()->count();
    m_laneLayout->measurementsLayout()->insertWidget(qBound(0, position, count), row, kLaneStretch);
    row->participationStatusCombo()->installEventFilter(m_keyFilter);
    connectLaneRow(row, block, measurement);
    m_laneRows << row;
}

void MainWindow::connectLaneRow(StartBlockMeasurementWidget *row, CStartBlock *block,
                                CStartBlockMeasurement *measurement)
{
    using Row = StartBlockMeasurementWidget;
    connect(row, &Row::update_lane_in_set, this, &MainWindow::OnUpdateLaneInSet);
    connect(row, &Row::participation_status_changed, this, &MainWindow::OnParticipationStatusChanged);

    connect(block, &CStartBlock::new_info_field, row, &Row::OnStartBlockNewInfoField);
    connect(block, &CStartBlock::participant_id_set, row, &Row::OnParticipantIDSet);
    connect(block, &CStartBlock::participant_name_set, row, &Row::OnParticipantNameSet);
    connect(block, &CStartBlock::participant_info_set, row, &Row::OnParticipantInfoSet);
    connect(block, &CStartBlock::new_info_fields_set, this, &MainWindow::OnStartBlockNewInfoFieldsSet);

    connect(measurement, &CStartBlockMeasurement::new_status_field, row, &Row::OnMeasurementNewStatusField);
    connect(measurement, &CStartBlockMeasurement::new_graph, row, &Row::OnMeasurementNewGraph);
    connect(measurement, &CStartBlockMeasurement::graph_reset, row, &Row::OnMeasurementGraphReset);
    connect(measurement, &CStartBlockMeasurement::new_sound_graph, row,
            &Row::OnMeasurementSoundGraphReceived);
    connect(measurement, &CStartBlockMeasurement::alarm, row, &Row::OnAlarmReceived);
    connect(measurement, &CStartBlockMeasurement::check_measurements_status, row,
            &Row::checkMeasurementsStatus);
    connect(measurement, &CStartBlockMeasurement::new_graph, this,
            &MainWindow::OnMeasurementNewGraphReceived);
}

// The block keeps the lane it reports: the stored set follows it and the lanes are built again.
void MainWindow::OnUpdateLaneInSet(QString mac, unsigned char oldLane, unsigned char newLane)
{
    if (QuellorApp *app = QuellorApp::Instance()) {
        app->ChangeStartBlockLane(mac, oldLane, newLane);
        ClearStartBlockWidgets();
        SetupStartBlockSet(app->projectSettings().lastSet);
    }
    ApplyStyleSheets();
}

// The highlighted row of the live view wears the theme's colours; a measurement tab colours its own.
void MainWindow::ApplyColourStyleSheets()
{
    if (OpenTabWidget *tab = currentMeasurementTab()) {
        tab->ApplyColourTheme();
        return;
    }
    if (ui->tabCentral->currentWidget() != ui->tabLive)
        return;
    QVBoxLayout *layout = m_laneLayout->measurementsLayout();
    const QString selectedStyle = selectedLaneStyleSheet(currentStyle());
    for (int position = 0; position < layout->count(); ++position) {
        auto *row = qobject_cast<StartBlockMeasurementWidget *>(layout->itemAt(position)->widget());
        if (!row)
            continue;
        const bool selected = position == m_selectedLane && row->startBlock() && row->measurement();
        WidgetLook::setStyleSheet(row, selected ? selectedStyle : QString());
    }
}
