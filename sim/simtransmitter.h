#pragma once

#include <functional>

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

// Hands bytes to the line in the order they were queued, each piece not before its own delay has passed,
// so a split reply arrives in pieces and never overtakes or is overtaken by another.
class SimTransmitter : public QObject
{
    Q_OBJECT

public:
    using Sink = std::function<void(const QByteArray &piece, int tag)>;

    explicit SimTransmitter(Sink sink, QObject *parent = nullptr);

    // Queues one piece to leave delayMs after the piece queued before it (or after now, if later); the
    // tag goes back to the sink with it.
    void enqueue(const QByteArray &piece, int delayMs, int tag = 0);
    bool isIdle() const { return m_queue.isEmpty(); }

private:
    struct Piece {
        QByteArray bytes;
        qint64 dueMs = 0;
        int tag = 0;
    };

    void sendDue();
    void schedule();

    Sink m_sink;
    QList<Piece> m_queue;
    QElapsedTimer m_clock;
    QTimer m_timer;
};
