#include "mainwindow/racenumbering.h"

#include <QDebug>
#include <QRegularExpression>

RaceNumbering::RaceNumbering(quint32 raceNumber) : m_raceNumber(qBound(1u, raceNumber, kMaxRaceNumber)) {}

bool RaceNumbering::closeRace(bool falseStart, MeetEvent meet, std::optional<quint16> startInChosenHeat)
{
    // the closed race's own heat chosen again (the lists refreshed, say) is no other event: its re-start
    // is its next start, and after a valid race the next event follows
    if (m_eventChanged && startInChosenHeat) {
        m_eventChanged = false;
        m_start = *startInChosenHeat;
    }
    bool nextEvent = false;
    if (falseStart) {
        qDebug() << "VQ: Only increment start nr";
        if (!m_eventChanged)
            m_start = quint16(qMin<int>(m_start + 1, kMaxCount));
    } else {
        m_start = 1;
        if (meet != MeetEvent::None) {
            qDebug() << "Working with ZX";
            // a heat chosen by hand is raced as that heat, the last one too
            if (m_eventChanged) {
                qDebug() << "Chosen ZX event";
            } else if (meet == MeetEvent::Last) {
                qDebug() << "End of ZX events";
                m_raceNumber = qMin(m_raceNumber + 1, kMaxRaceNumber);
                m_heat = 1;
                m_customName = QString::number(m_raceNumber);
                m_nameFromMeetEvent = false;
            } else {
                qDebug() << "Next ZX event";
                nextEvent = true;
            }
        } else if (m_customNameInUse) {
            qDebug() << "Working with custom race name";
            if (!m_heatTyped)
                m_heat = quint16(qMin<int>(m_heat + 1, kMaxCount));
        } else {
            qDebug() << "Working with incremental racenr";
            m_raceNumber = qMin(m_raceNumber + 1, kMaxRaceNumber);
            m_heat = 1;
        }
    }
    return nextEvent;
}

void RaceNumbering::clearRaceFlags()
{
    m_eventChanged = false;
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
}

void RaceNumbering::chooseMeetEvent(const QString &name, quint16 heat)
{
    m_customName = name;
    m_nameFromMeetEvent = !name.isEmpty();
    m_heat = qMax<quint16>(heat, 1);
    m_start = 1;
    m_eventChanged = true;
    m_heatTyped = false;
    m_counterReset = false;
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

void RaceNumbering::continueAfter(quint16 start)
{
    m_start = quint16(qMin<int>(start + 1, kMaxCount));
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
