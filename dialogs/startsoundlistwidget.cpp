#include "dialogs/startsoundlistwidget.h"

#include <QButtonGroup>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "core/sharedtypes.h"
#include "devices/ccoordinator.h"
#include "devices/cserialcomthread.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "dialogs/testprocedurehost.h"
#include "ui_startsoundlistwidget.h"

namespace
{
constexpr int kHeaderRows = 1;
constexpr int kTimeCells = 3;
enum SoundTime { kStartTime, kStartSoundTime };
} // namespace

StartSoundListWidget::StartSoundListWidget(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::StartSoundListWidget>())
{
    ui->setupUi(this);
}

StartSoundListWidget::~StartSoundListWidget() = default;

void StartSoundListWidget::setSerialComThread(CSerialComThread *serial)
{
    m_serial = serial;
}

void StartSoundListWidget::SetCoordinator(CCoordinator *coordinator)
{
    m_coordinator = coordinator;
    m_coordinatorLabel = appendLabels(nextGridRow(), tr("CU")).constFirst();
}

void StartSoundListWidget::SetStartBlocks(const QList<CStartBlock *> &blocks)
{
    m_startBlocks = guardedBlocks(blocks);
    for (int position = 0; position < blocks.size(); ++position) {
        const CStartBlock *block = blocks.at(position);
        if (!block || block->participationStatus() != ParticipationActive)
            continue;
        if (!m_buttons) {
            m_buttons = new QButtonGroup(this);
            connect(m_buttons, &QButtonGroup::idClicked, this, &StartSoundListWidget::OnButtonResyncPressed);
        }
        BlockRow row;
        row.listPosition = position;
        row.gridRow = nextGridRow();
        row.cells = appendLabels(row.gridRow, QStringLiteral("%1").arg(block->lane()));
        row.resync = new QPushButton(tr("Resync"), this);
        row.resync->hide();
        ui->gridLayout->addWidget(row.resync, row.gridRow, kColumnResync);
        m_buttons->addButton(row.resync, position);
        m_rows.push_back(row);
    }
}

void StartSoundListWidget::SetResyncEnabled(bool enabled)
{
    for (const BlockRow &row : m_rows)
        row.resync->setVisible(enabled);
}

void StartSoundListWidget::RefreshTimes()
{
    for (const BlockRow &row : m_rows) {
        const CStartBlock *block = m_startBlocks.value(row.listPosition);
        if (block && block->measurement()) {
            const auto &times = block->measurement()->soundGraph().items7To10;
            const quint32 start = times[kStartTime];
            const quint32 sound = times[kStartSoundTime];
            row.cells[kColumnStartTime]->setText(QString::number(qint32(start)));
            row.cells[kColumnSoundTime]->setText(QString::number(sound));
            row.cells[kColumnDifference]->setText(QString::number(qint32(start - sound)));
        }
        row.resync->show();
    }
}

int StartSoundListWidget::rowOfBlock(int listPosition) const
{
    for (const BlockRow &row : m_rows) {
        if (row.listPosition == listPosition)
            return row.gridRow;
    }
    return -1;
}

QString StartSoundListWidget::cellText(int row, int column) const
{
    const QLayoutItem *item = ui->gridLayout->itemAtPosition(row, column);
    const auto *label = item ? qobject_cast<const QLabel *>(item->widget()) : nullptr;
    return label ? label->text() : QString();
}

QPushButton *StartSoundListWidget::resyncButton(int listPosition) const
{
    return m_buttons ? qobject_cast<QPushButton *>(m_buttons->button(listPosition)) : nullptr;
}

void StartSoundListWidget::OnButtonResyncPressed(int id)
{
    CStartBlock *block = m_startBlocks.value(id);
    if (block && m_serial)
        m_serial->setResyncRequest(block);
}

QList<QLabel *> StartSoundListWidget::appendLabels(int gridRow, const QString &first)
{
    QList<QLabel *> cells;
    cells << new QLabel(first, this);
    for (int i = 0; i < kTimeCells; ++i)
        cells << new QLabel(this);
    for (int column = 0; column < cells.size(); ++column)
        ui->gridLayout->addWidget(cells.at(column), gridRow, column);
    return cells;
}

int StartSoundListWidget::nextGridRow() const
{
    return kHeaderRows + (m_coordinatorLabel ? 1 : 0) + int(m_rows.size());
}

void StartSoundListWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        labelRows();
    }
    QWidget::changeEvent(event);
}

void StartSoundListWidget::labelRows()
{
    if (m_coordinatorLabel)
        m_coordinatorLabel->setText(tr("CU"));
    for (const BlockRow &row : m_rows)
        row.resync->setText(tr("Resync"));
}
