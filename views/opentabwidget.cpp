#include "views/opentabwidget.h"

#include <algorithm>

#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLayoutItem>
#include <QPushButton>
#include <QVBoxLayout>

#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "ui_opentabwidget.h"
#include "views/coordinatormeasurementwidget.h"
#include "views/graphtheme.h"
#include "views/graphviews.h"
#include "views/laneorder.h"
#include "views/lanerowsorting.h"
#include "views/startblockmeasurementwidget.h"
#include "views/startblockslayoutwidget.h"
#include "views/viewhost.h"

namespace
{

using Row = StartBlockMeasurementWidget;

constexpr int kRowStretch = 0;
constexpr int kPlaceholderStretch = 1;
constexpr int kFirstVersionWithRaceFields = 3;
const QString kUntitled = QStringLiteral("untitled");
const QString kAllLanesSuffix = QStringLiteral("_all_lanes");

bool isRacing(int participation)
{
    return participation == ParticipationActive || participation == ParticipationRup;
}

// Files named on either system: both separators count.
qsizetype lastSeparator(const QString &fileName)
{
    return std::max(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\')));
}

// The last path component cut at its first ".".
QString baseNameOf(const QString &fileName)
{
    const QString name = fileName.mid(lastSeparator(fileName) + 1).section(QLatin1Char('.'), 0, 0);
    return name.isEmpty() ? kUntitled : name;
}

// The size is checked before anything is allocated for the contents.
bool readWholeFile(const QString &fileName, QByteArray &bytes, QString &reason)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return false;
    }
    if (file.size() > OpenTabWidget::kMaxFileBytes) {
        reason = OpenTabWidget::tr("it is larger than any measurement file");
        return false;
    }
    bytes = file.read(file.size());
    if (bytes.size() != file.size()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace

OpenTabWidget *OpenTabWidget::open(ViewHost *host, QWidget *parent, const QString &fileName,
                                   PossibleModes mode, QString &reason)
{
    QByteArray bytes;
    if (!readWholeFile(fileName, bytes, reason))
        return nullptr;
    MeasurementFile file;
    if (!file.read(bytes)) {
        reason = readErrorText(file);
        return nullptr;
    }
    return new OpenTabWidget(host, parent, fileName, file, mode);
}

QString OpenTabWidget::readErrorText(const MeasurementFile &file)
{
    switch (file.error()) {
    case MeasurementFile::ReadError::None:
        return QString();
    case MeasurementFile::ReadError::NotMeasurementFile:
        return tr("it is not a measurement file");
    case MeasurementFile::ReadError::UnknownVersion:
        return tr("its version is unknown");
    case MeasurementFile::ReadError::RaceHeader:
        return tr("the race header is cut short or damaged");
    case MeasurementFile::ReadError::Coordinator:
        return tr("the coordinator's record is cut short or damaged");
    case MeasurementFile::ReadError::BlockCount:
        return tr("the number of start blocks is damaged");
    case MeasurementFile::ReadError::Block:
        return tr("the record of start block %1 is cut short or damaged").arg(file.errorEntry());
    case MeasurementFile::ReadError::MissingBlocks:
        return tr("the file ends before start block %1").arg(file.errorEntry());
    }
    return QString();
}

OpenTabWidget::OpenTabWidget(ViewHost *host, QWidget *parent, const QString &fileName, MeasurementFile &file,
                             PossibleModes mode)
    : QWidget(parent), ui(std::make_unique<Ui::OpenTabWidget>()), m_host(host), m_mode(mode),
      m_fileName(fileName), m_baseName(baseNameOf(fileName)), m_header(file.raceHeader()),
      m_version(file.version())
{
    ui->setupUi(this);
    m_laneLayout = new StartBlocksLayoutWidget(this);
    m_laneLayout->SetAccessLevel(m_mode);
    showComment();
    addCoordinatorRow(file.takeCoordinator());

    m_ownedBlocks = file.takeBlocks();
    bool soundGraphs = false;
    int position = 0; // rows placed so far
    for (const std::unique_ptr<CStartBlock> &owned : m_ownedBlocks) {
        CStartBlock *block = owned.get();
        for (; position + 1 < block->lane(); ++position)
            addPlaceholderRow(position + 1, position);
        soundGraphs = soundGraphs || block->measurement()->hasSoundGraph();
        addLaneRow(block, position++);
    }

    m_laneLayout->allSoundsButton()->setEnabled(soundGraphs);
    ui->verticalLayout->addWidget(m_laneLayout);
    connect(m_laneLayout->laneHeaderButton(), &QPushButton::clicked, this,
            &OpenTabWidget::OnSortByLaneClicked);
    connect(m_laneLayout->reactionTimeHeaderButton(), &QPushButton::clicked, this,
            &OpenTabWidget::OnSortByReactionTimeClicked);
    connect(m_laneLayout->allGraphsButton(), &QPushButton::clicked, this,
            &OpenTabWidget::OnBtnAllGraphsClicked);
    connect(m_laneLayout->allSoundsButton(), &QPushButton::clicked, this,
            &OpenTabWidget::OnBtnAllSoundsClicked);
}

// The rows go with the tab, after the devices they point to (they hold guarded pointers only).
OpenTabWidget::~OpenTabWidget() = default;

// Files before version 3 hold only the comment, shown even when empty.
void OpenTabWidget::showComment()
{
    if (m_version >= kFirstVersionWithRaceFields && m_header.comment.isEmpty())
        return;
    ui->lblComment->setText(tr("Comment: %1").arg(m_header.comment));
    ui->lblComment->show();
}

void OpenTabWidget::addCoordinatorRow(std::unique_ptr<CCoordinator> coordinator)
{
    if (!coordinator)
        return;
    m_coordinator = std::move(coordinator);
    m_coordinatorRow = new CoordinatorMeasurementWidget(m_host, this, false);
    m_coordinatorRow->setCoordinator(m_coordinator.get());
    m_coordinatorRow->SetApplicationMode(m_mode);
    m_coordinatorRow->setStyleSheet(themedRowStyleSheet(currentStyle()));
    ui->verticalLayout->addWidget(m_coordinatorRow);
}

void OpenTabWidget::addLaneRow(CStartBlock *block, int position)
{
    CStartBlockMeasurement *measurement = block->measurement();
    auto *row = new Row(m_host, m_laneLayout, false);
    m_laneLayout->statusHeaderLabel()->hide();
    m_laneLayout->measurementsStatusHeaderLabel()->hide();
    row->setStartBlock(block);
    row->SetParticipationStatus(unsigned(block->participationStatus()));
    row->SetLane(block->lane(), false);
    // only a racing lane shows what its block measured; the file's time is shown as saved, unmarked
    if (isRacing(block->participationStatus())) {
        const bool graph = measurement->hasGraph();
        // a race saved after its link was lost may hold a reaction whose graph never came
        const quint16 reaction = measurement->reactionTimeRaw();
        const bool reacted = reaction != CStartBlockMeasurement::kReactionNoValue &&
                             reaction != CStartBlockMeasurement::kReactionNone;
        row->ShowReactionTime(short(graph || reacted ? reaction : CStartBlockMeasurement::kReactionNone));
        row->setMeasurement(measurement);
        row->ShowSignal(graph ? int(measurement->graph().peak) : 0);
        row->ShowErrorCode();
        row->UpdateGraphButtons();
    }
    row->SetAthleteNameText(block->participantName());
    row->SetAthleteIdText(block->participantId());
    row->SetAthleteInfoText(block->participantInfo());
    row->SetAccessLevel(m_mode);
    row->setFileName(screenshotBaseName());
    m_laneLayout->measurementsLayout()->insertWidget(position, row, kRowStretch);
    m_blocks << block;
    m_measurements << measurement;
    m_rows << row;
}

void OpenTabWidget::addPlaceholderRow(int lane, int position)
{
    auto *row = new Row(m_host, m_laneLayout, false);
    QComboBox *combo = row->participationStatusCombo();
    combo->setCurrentIndex(combo->findData(QStringLiteral("INACTIVE")));
    row->SetLane(quint8(lane), false);
    row->SetAccessLevel(m_mode);
    m_laneLayout->measurementsLayout()->insertWidget(position, row, kPlaceholderStretch);
}

QString OpenTabWidget::screenshotBaseName() const
{
    if (m_fileName.isEmpty())
        return kUntitled;
    const qsizetype dot = m_fileName.lastIndexOf(QLatin1Char('.'));
    return dot > lastSeparator(m_fileName) ? m_fileName.left(dot) : m_fileName;
}

QList<StartBlockMeasurementWidget *> OpenTabWidget::displayedRows() const
{
    QList<Row *> rows;
    const QVBoxLayout *layout = m_laneLayout->measurementsLayout();
    for (int position = 0; position < layout->count(); ++position) {
        if (auto *row = qobject_cast<Row *>(layout->itemAt(position)->widget()))
            rows << row;
    }
    return rows;
}

StyleSettings OpenTabWidget::currentStyle() const
{
    return m_host ? m_host->currentStyle() : StyleThemes::defaults().value(StyleThemes::kDefaultThemeIndex);
}

// ---------------------------------------------------------------------------------------------------
// sorting

void OpenTabWidget::placeRows(const QList<LaneOrder::Place> &places)
{
    m_rows = LaneRowSorting::placeRows(m_laneLayout->measurementsLayout(), m_rows, places, kRowStretch,
                                       [this](int lane, int position) { addPlaceholderRow(lane, position); });
}

void OpenTabWidget::OnSortByLaneClicked(bool)
{
    LaneRowSorting::takeRows(m_laneLayout->measurementsLayout());
    placeRows(LaneOrder::byLane(LaneRowSorting::lanes(m_rows)));
}

void OpenTabWidget::OnSortByReactionTimeClicked(bool)
{
    const QList<int> formerLanes = LaneRowSorting::takeRows(m_laneLayout->measurementsLayout());
    placeRows(LaneOrder::byReactionTime(LaneRowSorting::reactionKeys(m_rows), formerLanes));
}

// ---------------------------------------------------------------------------------------------------
// graphs, mode and colours

void OpenTabWidget::OnBtnAllGraphsClicked()
{
    GraphViews::runAllGraphsDialog(this, m_blocks, m_measurements, screenshotBaseName() + kAllLanesSuffix,
                                   graphThemeOf(currentStyle()));
}

void OpenTabWidget::OnBtnAllSoundsClicked()
{
    GraphViews::runAllSoundsDialog(this, m_blocks, m_measurements, graphThemeOf(currentStyle()));
}

void OpenTabWidget::OnToggleApplicationModeWidgets(PossibleModes mode)
{
    m_mode = mode;
    if (m_coordinatorRow)
        m_coordinatorRow->SetApplicationMode(mode);
    m_laneLayout->SetAccessLevel(mode);
    for (Row *row : displayedRows())
        row->SetAccessLevel(mode);
}

void OpenTabWidget::ApplyColourTheme()
{
    const QString selectedStyle = selectedLaneStyleSheet(currentStyle());
    const QList<Row *> rows = displayedRows();
    for (int position = 0; position < rows.size(); ++position) {
        Row *row = rows.at(position);
        const bool selected = position == m_selectedLane && row->startBlock() && row->measurement();
        row->setStyleSheet(selected ? selectedStyle : QString());
    }
}

int OpenTabWidget::CountActiveLanes() const
{
    int count = 0;
    for (const Row *row : m_rows) {
        const QString shown = row->participationStatusCombo()->currentData().toString();
        if (shown == QLatin1String("ACTIVE") || shown == QLatin1String("RUP"))
            ++count;
    }
    return count;
}

void OpenTabWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
}
