#include "sim/simtransmitter.h"

SimTransmitter::SimTransmitter(Sink sink, QObject *parent) : QObject(parent), m_sink(std::move(sink))
{
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SimTransmitter::sendDue);
}

void SimTransmitter::enqueue(const QByteArray &piece, int delayMs, int tag)
{
    const qint64 now = m_clock.elapsed();
    const qint64 after = m_queue.isEmpty() ? now : qMax(now, m_queue.constLast().dueMs);
    m_queue.append({piece, after + qMax(0, delayMs), tag});
    schedule();
}

void SimTransmitter::sendDue()
{
    while (!m_queue.isEmpty() && m_queue.constFirst().dueMs <= m_clock.elapsed()) {
        const Piece piece = m_queue.takeFirst();
        m_sink(piece.bytes, piece.tag);
    }
    schedule();
}

void SimTransmitter::schedule()
{
    if (m_queue.isEmpty()) {
        m_timer.stop();
        return;
    }
    m_timer.start(int(qMax<qint64>(0, m_queue.constFirst().dueMs - m_clock.elapsed())));
}
