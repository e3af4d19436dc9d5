#include "views/graphzoom.h"

#include <QAction>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>

#include "views/graphgeometry.h"

namespace GraphZoom
{

Choice ask(QWidget *owner, const QPoint &pos, const QString &zoomIn, const QString &zoomOut,
           const QString &restore)
{
    QMenu menu(owner);
    const QAction *in = menu.addAction(zoomIn);
    const QAction *out = menu.addAction(zoomOut);
    const QAction *back = menu.addAction(restore);
    const QAction *chosen = menu.exec(owner->mapToGlobal(pos));
    if (!chosen)
        return Choice::None;
    if (chosen == in)
        return Choice::In;
    if (chosen == out)
        return Choice::Out;
    return chosen == back ? Choice::Restore : Choice::None;
}

double factorFor(Choice choice, double zoomValue, double inFactor, double outFactor)
{
    switch (choice) {
    case Choice::In:
        return inFactor;
    case Choice::Out:
        return outFactor;
    case Choice::Restore:
        return zoomValue;
    case Choice::None:
        break;
    }
    return 1.0;
}

bool resizePanel(QWidget *panel, double &zoomValue, double factor)
{
    const GraphGeometry::ZoomStep step = GraphGeometry::zoomStep(zoomValue, factor);
    if (!step.allowed)
        return false;
    zoomValue = step.zoom;
    panel->resize(qRound(panel->width() * factor), qRound(panel->height() * factor));
    return true;
}

void keepCentred(QScrollArea *area, double factor)
{
    for (QScrollBar *bar : {area->horizontalScrollBar(), area->verticalScrollBar()})
        bar->setValue(GraphGeometry::scrollAfterZoom(bar->value(), bar->pageStep(), factor));
}

void fitToView(QScrollArea *area, double zoomValue)
{
    QWidget *panel = area->widget();
    if (!panel || zoomValue <= 0.0)
        return;
    const QSize view = area->viewport()->size();
    panel->resize(qRound(view.width() / zoomValue), qRound(view.height() / zoomValue));
}

} // namespace GraphZoom
