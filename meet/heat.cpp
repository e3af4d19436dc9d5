#include "meet/heat.h"

#include "meet/event.h"
#include "meet/round.h"

Heat::Heat(QObject *parent) : QObject(parent) {}

QString Heat::displayText() const
{
    if (!round || !round->event)
        return QString();
    const QString heatNumber = QString::number(seqno);
    if (round->name == Round::kUnnamed)
        return tr("%1 (heat %2)").arg(round->event->name, heatNumber);
    return tr("%1 (%2 - heat %3)").arg(round->event->name, round->name, heatNumber);
}
