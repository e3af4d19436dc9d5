#include "mainwindow/racegapsnote.h"

#include <QStringList>

#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "outputs/raceresults.h"

QList<RaceGapsNote::Lane> RaceGapsNote::lacking(const QList<CStartBlock *> &blocks)
{
    QList<Lane> lanes;
    for (const CStartBlock *block : blocks) {
        if (!RaceResults::isRacing(block))
            continue;
        const CStartBlockMeasurement *measurement = block->measurement();
        Lane lane;
        lane.lane = block->lane();
        // "None" is what the block measured; only a reaction that never came is missing
        lane.reaction = !measurement || measurement->reactionIsNoValue();
        lane.reactionGraph = !measurement || !measurement->hasGraph();
        lane.soundGraph = !measurement || !measurement->hasSoundGraph();
        if (lane.reaction || lane.reactionGraph || lane.soundGraph)
            lanes << lane;
    }
    return lanes;
}

void RaceGapsNote::settle(const QString &raceInfoText, quint16 heat, quint16 start, const QList<Lane> &lanes)
{
    m_raceInfoText = raceInfoText;
    m_heat = heat;
    m_start = start;
    m_lanes = lanes;
}

void RaceGapsNote::clear()
{
    *this = RaceGapsNote();
}

QString RaceGapsNote::text() const
{
    if (m_lanes.isEmpty())
        return QString();
    QStringList lanes;
    for (const Lane &lane : m_lanes) {
        QStringList parts;
        if (lane.reaction)
            parts << tr("reaction time");
        if (lane.reactionGraph)
            parts << tr("reaction graph");
        if (lane.soundGraph)
            parts << tr("sound graph");
        lanes << tr("lane %1 (%2)").arg(QString::number(lane.lane), parts.join(QStringLiteral(", ")));
    }
    const QString race =
        tr("%1, heat %2, start %3").arg(m_raceInfoText, QString::number(m_heat), QString::number(m_start));
    return tr("%1 is saved without: %2").arg(race, lanes.join(QStringLiteral("; ")));
}
