#include "views/loggingdlg.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QToolTip>

#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "dialogs/widgetwidths.h"
#include "ui_loggingdlg.h"
#include "views/measurementsdisplayfilter.h"
#include "views/packetlog.h"

namespace
{
enum Column { kPacket, kSent, kReceived, kDelay, kColumns };

void setCell(QTableWidget *table, int row, int column, quint64 value)
{
    table->setItem(row, column, new QTableWidgetItem(QStringLiteral("%1").arg(value)));
}
} // namespace

LoggingDlg::LoggingDlg(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::LoggingDlg>())
{
    ui->setupUi(this);
    connect(ui->btnOK, &QPushButton::clicked, this, &LoggingDlg::OnOK);
}

LoggingDlg::~LoggingDlg() = default;

void LoggingDlg::setStartBlock(CStartBlock *startBlock)
{
    m_startBlock = startBlock;
}

void LoggingDlg::setCoordinator(CCoordinator *coordinator)
{
    m_coordinator = coordinator;
}

void LoggingDlg::fill()
{
    QList<PACKET_LOG> log;
    if (m_startBlock)
        log = m_startBlock->requestLog();
    else if (m_coordinator)
        log = m_coordinator->requestLog();

    ui->tblLogging->clear();
    ui->tblLogging->setColumnCount(kColumns);
    ui->tblLogging->setHorizontalHeaderLabels(
        {tr("Packet nr"), tr("Sent (ms)"), tr("Received (ms)"), tr("Delay (ms)")});
    ui->tblLogging->setRowCount(int(log.size()));
    ui->tblLogging->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    WidgetWidths::fitTableToColumns(ui->tblLogging);
    for (int row = 0; row < log.size(); ++row) {
        const PACKET_LOG &entry = log.at(row);
        setCell(ui->tblLogging, row, kPacket, entry.packetNumber);
        setCell(ui->tblLogging, row, kSent, entry.sendTime);
        setCell(ui->tblLogging, row, kReceived, entry.replyTime);
        setCell(ui->tblLogging, row, kDelay, PacketLog::delay(entry));
    }

    const PacketLog::Summary summary = PacketLog::summarise(log);
    m_packetsSent = summary.sent();
    ui->lblCounters->setText(tr("Packets sent: %1 ; received: %2 ; no reply: %3")
                                 .arg(summary.sent())
                                 .arg(summary.received)
                                 .arg(summary.noReply));
    if (summary.received > 0) {
        ui->wdgLoggingGraph->setAverageRow(summary.averageDelay());
        ui->lblDelay->setText(tr("Average delay: %1ms").arg(summary.averageDelay()));
    }
    ui->wdgLoggingGraph->setLogs(log);

    auto *filter = new MeasurementsDisplayFilter(this);
    ui->wdgLoggingGraph->setMouseTracking(true);
    ui->wdgLoggingGraph->installEventFilter(filter);
    connect(filter, &MeasurementsDisplayFilter::mouse_moved, this, &LoggingDlg::MouseMoved);
}

void LoggingDlg::OnOK()
{
    done(1);
}

void LoggingDlg::MouseMoved(QMouseEvent *mouseEvent)
{
    const LoggingGraphDisplay *picture = ui->wdgLoggingGraph;
    const QPoint value = PacketLog::readout(mouseEvent->position().toPoint(), picture->size(), m_packetsSent,
                                            picture->imageHeight() * picture->zoomValue());
    QToolTip::showText(mouseEvent->globalPosition().toPoint(),
                       QStringLiteral("%1,%2").arg(value.x()).arg(value.y()));
}
