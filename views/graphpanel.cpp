#include "views/graphpanel.h"

#include <QDebug>
#include <QMessageBox>
#include <QMouseEvent>
#include <QToolTip>
#include <QVBoxLayout>

#include "devices/cstartblock.h"
#include "views/curvedisplay.h"
#include "views/graphzoom.h"
#include "views/measurementsdisplayfilter.h"

GraphPanel::GraphPanel(QWidget *parent, const char *zoomLimitMessage)
    : QWidget(parent), m_zoomLimitMessage(zoomLimitMessage)
{
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &GraphPanel::ShowContextMenu);
}

void GraphPanel::setStartBlock(CStartBlock *startBlock)
{
    m_startBlock = startBlock;
}

void GraphPanel::setMeasurement(CStartBlockMeasurement *measurement)
{
    m_measurement = measurement;
}

CStartBlock *GraphPanel::startBlock() const
{
    return m_startBlock;
}

const CStartBlockMeasurement *GraphPanel::measurement() const
{
    return m_measurement;
}

void GraphPanel::addDisplay(CurveDisplay *display, QWidget *watched)
{
    display->setPrintMode(m_printMode);
    display->setTheme(m_theme);
    curveLayout()->addWidget(display);
    auto *filter = new MeasurementsDisplayFilter(this);
    watched->setMouseTracking(true);
    watched->installEventFilter(filter);
    connect(filter, &MeasurementsDisplayFilter::mouse_moved, this, &GraphPanel::MouseMoved);
}

void GraphPanel::ShowContextMenu(QPoint pos)
{
    const GraphZoom::Choice choice = GraphZoom::ask(this, pos, tr("Zoom in"), tr("Zoom out"), tr("Restore"));
    if (choice != GraphZoom::Choice::None)
        zoomBy(GraphZoom::factorFor(choice, m_zoom, kZoomIn, kZoomOut));
}

bool GraphPanel::zoomBy(double factor)
{
    if (GraphZoom::resizePanel(this, m_zoom, factor)) {
        emit resizeImage(factor);
        return true;
    }
    qDebug().noquote() << m_zoomLimitMessage;
    QMessageBox::information(this, tr("Graph zooming"), tr("Maximum graph zooming reached!"),
                             QMessageBox::Ok);
    return false;
}

void GraphPanel::MouseMoved(QMouseEvent *mouseEvent)
{
    const QList<CurveDisplay *> all = curves<CurveDisplay>();
    if (all.isEmpty())
        return;
    const CurveDisplay *first = all.first();
    const QPoint readout =
        GraphGeometry::cursorReadout(mouseEvent->position().toPoint(), first->size(), first->yRange(),
                                     first->sampleCount(), first->startX());
    QToolTip::showText(mouseEvent->globalPosition().toPoint(),
                       QStringLiteral("%1,%2").arg(readout.x()).arg(readout.y()));
}
