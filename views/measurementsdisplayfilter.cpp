#include "views/measurementsdisplayfilter.h"

#include <QMouseEvent>

MeasurementsDisplayFilter::MeasurementsDisplayFilter(QObject *parent) : QObject(parent) {}

bool MeasurementsDisplayFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        emit mouse_moved(static_cast<QMouseEvent *>(event));
        return true;
    }
    return QObject::eventFilter(watched, event);
}
