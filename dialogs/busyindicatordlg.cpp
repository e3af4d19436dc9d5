#include "dialogs/busyindicatordlg.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include "ui_busyindicatordlg.h"

namespace
{

constexpr int kRightOfCentre = 150; // keeps the window clear of the lanes' centre

} // namespace

BusyIndicatorDlg::BusyIndicatorDlg(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::BusyIndicatorDlg>())
{
    ui->setupUi(this);
    m_scene = new QGraphicsScene(this);
    ui->graphicsView->setScene(m_scene);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center() + QPoint(kRightOfCentre, 0));
        move(frame.topLeft());
    }
    ui->btnWayOut->hide(); // shown with the text its caller gives
    connect(ui->btnWayOut, &QPushButton::clicked, this, &BusyIndicatorDlg::way_out_chosen);
    connect(&m_progressTimer, &QTimer::timeout, this, &BusyIndicatorDlg::onProgressTimer);
    m_progressTimer.start(kFrameMs);
}

BusyIndicatorDlg::~BusyIndicatorDlg() = default;

void BusyIndicatorDlg::SetText(const QString &text)
{
    ui->lblText->setText(text);
    resize(sizeHint());
}

void BusyIndicatorDlg::SetWayOut(const QString &text)
{
    ui->btnWayOut->setText(text);
    ui->btnWayOut->setVisible(true);
    resize(sizeHint());
}

QString BusyIndicatorDlg::text() const
{
    return ui->lblText->text();
}

void BusyIndicatorDlg::onProgressTimer()
{
    m_scene->clear(); // frees the previous frame
    ++m_frameCount;
    const QPixmap frame(QStringLiteral(":/images/progress_indicator_%1").arg(m_frameCount % kFrames + 1));
    m_frameItem = m_scene->addPixmap(frame);
    m_frameItem->setPos(0, 0);
    m_scene->update();
    ui->graphicsView->viewport()->update();
}

// The window keeps its size hint's layout: the base class's resize handling is left out on purpose.
void BusyIndicatorDlg::resizeEvent(QResizeEvent *) {}

void BusyIndicatorDlg::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
}
