#include "mainwindow/racenumbering.h"

#include <QDebug>
#include <QRegularExpression>

RaceNumbering::RaceNumbering(quint32 raceNumber, const RacedHeats &raced)
    : m_raceNumber(qBound(1u, raceNumber, kMaxRaceNumber)), m_racedHeats(raced)
{
}

RaceNumbering::Step RaceNumbering::closeRace(Closed closed, const std::optional<ShownHeat> &shown)
{
    Step step = Step::Stay;
    if (shown) {
        closeMeetRace(closed, *shown, step);
        return step;
    }
    if (closed == Closed::FalseStart) {
        qDebug() << "VQ: Only increment start nr";
        m_start = quint16(qMin<int>(m_start + 1, kMaxCount));
    } else if (m_customNameInUse) {
        qDebug() << "Working with custom race name";
        m_start = 1;
        if (!m_heatTyped)
            m_heat = quint16(qMin<int>(m_heat + 1, kMaxCount));
    } else {
        qDebug() << "Working with incremental racenr";
        m_start = 1;
        m_raceNumber = qMin(m_raceNumber + 1, kMaxRaceNumber);
        m_heat = 1;
    }
    return step;
}

void RaceNumbering::closeMeetRace(Closed closed, const ShownHeat &shown, Step &step)
{
    qDebug() << "Working with ZX";
    // a heat picked by hand is raced, the one just raced and the list's last too; so is the heat shown
    // when the program starts
    const bool stays = m_pickedByHand || closed == Closed::None;
    if (closed == Closed::FalseStart && !stays)
        qDebug() << "VQ: Only increment start nr";
    if (stays) {
        // the heat's next start: no start of a heat is raced twice
        if (m_nameFromMeetEvent)
            m_start = m_racedHeats.nextStart(shown.heat);
        return;
    }
    if (closed == Closed::FalseStart) {
        // the false start's own heat, unless the list no longer shows it (a refresh that did not find it)
        m_start = m_nameFromMeetEvent ? m_racedHeats.nextStart(shown.heat)
                                      : quint16(qMin<int>(m_start + 1, kMaxCount));
        return;
    }
    m_start = 1;
    if (shown.last) {
        qDebug() << "End of ZX events";
        numberPastTheLastHeat();
        return;
    }
    qDebug() << "Next ZX event";
    step = Step::NextHeat;
}

void RaceNumbering::numberPastTheLastHeat()
{
    m_raceNumber = qMin(m_raceNumber + 1, kMaxRaceNumber);
    m_heat = 1;
    m_customName = QString::number(m_raceNumber);
    m_nameFromMeetEvent = false;
}

void RaceNumbering::clearRaceFlags()
{
    m_pickedByHand = false;
    m_heatTyped = false;
    m_counterReset = false;
}

void RaceNumbering::resetCounter()
{
    m_customName.clear();
    m_nameFromMeetEvent = false;
    m_customNameInUse = false;
    m_raceNumber = 1;
    m_heat = 1;
    m_start = 1;
    m_counterReset = true;
    m_racedHeats.clear();
}

void RaceNumbering::showHeat(const std::optional<ShownHeat> &shown)
{
    m_customName = shown ? shown->name : QString();
    m_nameFromMeetEvent = !m_customName.isEmpty();
    m_heat = shown ? qMax<quint16>(shown->number, 1) : quint16(1);
    m_start = shown ? m_racedHeats.nextStart(shown->heat) : quint16(1);
    m_heatTyped = false;
    m_counterReset = false;
}

void RaceNumbering::pickHeat()
{
    m_pickedByHand = true;
}

bool RaceNumbering::heatRaced(const MeetHeat &heat, quint16 start)
{
    return m_racedHeats.raced(heat, start);
}

void RaceNumbering::previousStart()
{
    if (m_start > 1)
        --m_start;
}

void RaceNumbering::nextStart()
{
    if (m_start < kMaxCount)
        ++m_start;
}

void RaceNumbering::renameMeetEvent(const QString &name)
{
    if (m_nameFromMeetEvent)
        m_customName = name;
}

void RaceNumbering::typeRaceLabel(const QString &text)
{
    m_nameFromMeetEvent = false;
    if (text.isEmpty()) {
        qDebug() << "Clear custom race name";
        m_customName.clear();
        m_customNameInUse = false;
        return;
    }
    qDebug() << " Text changed to custom name " << text;
    m_customName = text;
    m_customNameInUse = true;
    m_heat = 1;
    m_heatTyped = true;
}

bool RaceNumbering::parseCount(const QString &text, quint16 &target)
{
    bool ok = false;
    const uint value = text.toUInt(&ok, 10);
    if (!ok || value < 1 || value > kMaxCount)
        return false;
    target = quint16(value);
    return true;
}

bool RaceNumbering::typeHeat(const QString &text)
{
    return parseCount(text, m_heat);
}

bool RaceNumbering::typeStart(const QString &text)
{
    return parseCount(text, m_start);
}

QString RaceNumbering::raceInfoText(bool meetEventInUse) const
{
    if (meetEventInUse || m_customNameInUse)
        return m_customName;
    return m_customName + QString::number(m_raceNumber);
}

QString RaceNumbering::raceLabel() const
{
    return m_customName.isEmpty() ? QString::number(m_raceNumber) : m_customName;
}

QString RaceNumbering::fileBaseName() const
{
    static const QRegularExpression forbidden(QStringLiteral(R"(\\|/|:|\*|\?|"|<|>|\|)"));
    return QStringLiteral("race_%1_h%2_s%3").arg(raceLabel()).arg(m_heat).arg(m_start).remove(forbidden);
}

QString RaceNumbering::raceLogLabel(const QString &raceInfoText, quint16 heat, quint16 start)
{
    return QStringLiteral("race_%1_h%2_s%3").arg(raceInfoText.toLower()).arg(heat).arg(start);
}
