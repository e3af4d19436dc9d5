#pragma once

#include <cstring>
#include <functional>

#include <QByteArray>
#include <QElapsedTimer>
#include <QIODevice>
#include <QList>
#include <QTimer>

// An in-memory stand-in for the coordinator's serial port: records every write as one chunk and hands
// the reader whatever the test feeds it.
class MemoryPort : public QIODevice
{
public:
    MemoryPort() { open(QIODevice::ReadWrite | QIODevice::Unbuffered); }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_input.size() + QIODevice::bytesAvailable(); }

    // Bytes from the devices, delivered at once as one read.
    void feed(const QByteArray &bytes)
    {
        m_input.append(bytes);
        emit readyRead();
    }
    // As a real port would: only after control has gone back to the event loop.
    void feedLater(const QByteArray &bytes)
    {
        QTimer::singleShot(0, this, [this, bytes] { feed(bytes); });
    }

    QList<QByteArray> writes;
    QList<qint64> writeTimes; // ms on a steady clock, for order and spacing checks
    std::function<void(const QByteArray &written)> onWrite;
    QString failWritesWith; // set: every write fails with this text, as on a device that went away

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 n = std::min<qint64>(maxSize, m_input.size());
        std::memcpy(data, m_input.constData(), size_t(n));
        m_input.remove(0, n);
        return n;
    }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (!failWritesWith.isEmpty()) {
            setErrorString(failWritesWith);
            return -1;
        }
        writes.append(QByteArray(data, size));
        writeTimes.append(m_started.elapsed());
        if (onWrite)
            onWrite(writes.last());
        return size;
    }

private:
    QByteArray m_input;
    QElapsedTimer m_started = startedTimer();

    static QElapsedTimer startedTimer()
    {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }
};
