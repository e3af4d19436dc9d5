#include "dialogs/starttimedlg.h"

#include <algorithm>

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>

#include "devices/ccoordinator.h"
#include "devices/cserialcomthread.h"
#include "ui_starttimedlg.h"

namespace
{

constexpr int kRefreshMs = 1000;
constexpr int kTimeColumn = 1;
constexpr unsigned char kStartTimeByNumber = 1;

} // namespace

StartTimeDlg::StartTimeDlg(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::StartTimeDlg>())
{
    ui->setupUi(this);
    setWindowTitle(tr("Central Unit GPS start time"));
    m_updateTimer = new QTimer(this);
    connect(m_updateTimer, &QTimer::timeout, this, &StartTimeDlg::OnUpdateTimerFired);
    m_updateTimer->start(kRefreshMs);
    ui->lblStartNr->hide();
    ui->txtStartNr->hide();
    ui->btnRequestSend->hide();

    m_startTimeFilterModel.setDynamicSortFilter(true);
    m_startTimeFilterModel.setSourceModel(&m_startTimeModel);
    ui->tblStartTimeList->setModel(&m_startTimeFilterModel);
    // a time is one line, whole: its column is as wide as the widest, and the list never narrower than that
    ui->tblStartTimeList->setWordWrap(false);
    ui->tblStartTimeList->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->tblStartTimeList->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->tblStartTimeList->horizontalHeader()->setStretchLastSection(true);
    ui->tblStartTimeList->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    connect(&m_startTimeModel, &StartTimeModel::dataChanged, this, &StartTimeDlg::sortOnDefaultColumn);
    connect(ui->btnRequestSend, &QPushButton::clicked, this, &StartTimeDlg::OnBtnRequestSendClicked);
    connect(ui->btnOk, &QPushButton::clicked, this, &StartTimeDlg::OnBtnOkClicked);
}

StartTimeDlg::~StartTimeDlg() = default;

void StartTimeDlg::SetCoordinator(CCoordinator *coordinator)
{
    m_coordinator = coordinator;
    OnUpdateTimerFired();
}

void StartTimeDlg::ConnectCoordinator(CSerialComThread *serialThread)
{
    m_serialThread = serialThread;
    if (serialThread)
        connect(this, &StartTimeDlg::send_starttime_request, serialThread,
                &CSerialComThread::OnStartTimeRequestCoordinator, Qt::UniqueConnection);
}

void StartTimeDlg::sortOnDefaultColumn()
{
    m_startTimeFilterModel.sort(kTimeColumn, Qt::DescendingOrder);
}

void StartTimeDlg::OnBtnRequestSendClicked()
{
    const quint8 startNumber = quint8(ui->txtStartNr->text().toUShort());
    if (m_serialThread)
        emit send_starttime_request(kStartTimeByNumber, int(startNumber), m_coordinator);
}

void StartTimeDlg::OnBtnOkClicked()
{
    done(Accepted);
}

void StartTimeDlg::OnUpdateTimerFired()
{
    if (m_coordinator)
        m_startTimeModel.Refresh(m_coordinator->startTimes());
    fitListToItsTimes();
}

// The dialog grows with the widest time rather than cut it or scroll it away. The stretched last column
// is only as wide as the room left beside the others, so each column's own need is added up here: its
// heading or its widest entry, whichever is wider, as a long heading of the first column takes room.
void StartTimeDlg::fitListToItsTimes()
{
    QTableView *list = ui->tblStartTimeList;
    const QHeaderView *header = list->horizontalHeader();
    const QHeaderView *rowHeader = list->verticalHeader();
    int width = 2 * list->frameWidth() + (rowHeader->isHidden() ? 0 : rowHeader->sizeHint().width()) +
                list->verticalScrollBar()->sizeHint().width();
    const QAbstractItemView *view = list; // the table hides the widest-entry measure the view offers
    for (int column = 0; column < header->count(); ++column)
        width += std::max(header->sectionSizeHint(column), view->sizeHintForColumn(column));
    list->setMinimumWidth(width);
}
