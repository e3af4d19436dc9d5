#include "sim/raceautomation.h"

#include <utility>

#include <QLabel>
#include <QPushButton>

#include "devices/cserialcomthread.h"
#include "devices/cstartblock.h"
#include "mainwindow/mainwindow.h"
#include "sim/devicesimulator.h"
#include "views/startblockmeasurementwidget.h"

namespace
{

constexpr int kSavesPerRace = 2; // the reaction graphs' file, then the sound graphs'

} // namespace

RaceAutomation::RaceAutomation(MainWindow *window, DeviceSimulator *simulator, const QList<Race> &races,
                               QObject *parent)
    : QObject(parent), m_window(window), m_simulator(simulator), m_races(races)
{
    connect(&m_poll, &QTimer::timeout, this, &RaceAutomation::poll);
}

void RaceAutomation::start()
{
    if (!m_window || !m_simulator || m_races.isEmpty()) {
        emit finished();
        return;
    }
    connect(m_window->serialComThread(), &CSerialComThread::save_results_file, this,
            &RaceAutomation::onSaved);
    m_current = 0;
    for (const auto &[index, reaction] : std::as_const(m_races.first().reactions))
        m_simulator->setLaneReaction(index, reaction);
    m_poll.start(kPollMs);
}

bool RaceAutomation::readyAccepted() const
{
    const auto *ready = m_window->findChild<QPushButton *>(QStringLiteral("btnReady"));
    return m_window->busyNotice().isEmpty() && ready && ready->isEnabled();
}

void RaceAutomation::onSaved(ResultsDataType type)
{
    if (!m_requested)
        return;
    // the window has saved before this connection runs: the name is the race's own
    if (type == ResultsReactionGraphs)
        m_fileBase = m_window->BuildRaceFileName();
    ++m_saves;
}

void RaceAutomation::poll()
{
    if (!m_window || !m_simulator) {
        m_poll.stop();
        emit finished();
        return;
    }
    if (!m_requested) {
        if (!readyAccepted())
            return;
        m_saves = 0;
        m_requested = true;
        m_simulator->requestReady();
        return;
    }
    if (m_saves < kSavesPerRace)
        return;
    m_requested = false;
    emit race_saved(m_current, m_races.at(m_current).title, m_fileBase);
    if (++m_current == m_races.size()) {
        m_poll.stop();
        emit finished();
        return;
    }
    for (const auto &[index, reaction] : std::as_const(m_races.at(m_current).reactions))
        m_simulator->setLaneReaction(index, reaction);
}

QStringList RaceAutomation::laneTexts() const
{
    QStringList lanes;
    if (!m_window)
        return lanes;
    for (const StartBlockMeasurementWidget *row : m_window->laneRows()) {
        const auto *time = row->findChild<QLabel *>(QStringLiteral("lblReactionTime"));
        QString text = time && !time->text().isEmpty() ? time->text() : QStringLiteral("no reaction");
        if (time && time->property("alarm").toBool())
            text += QStringLiteral(" false start");
        lanes << QStringLiteral("L%1 %2").arg(row->startBlock()->lane()).arg(text);
    }
    return lanes;
}
