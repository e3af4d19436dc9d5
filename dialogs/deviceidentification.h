#pragma once

#include <memory>

#include <QString>
#include <QtGlobal>

class CSerialComThread;
class CStartBlock;

// Identification of the device whose button was pressed: polling stops, the coordinator's port runs at the
// identification speed, a stand-in block takes the identifier reply for a second, and then the port and
// polling are as they were. The window sends the request and shows the result.
class DeviceIdentification
{
public:
    static constexpr int kReplyWaitMs = 1000;
    static constexpr int kMaxAttempts = 4;
    static constexpr qint32 kIdentifyBaudRate = 38400;
    static constexpr qint32 kPlainBaudRate = 9600;

    enum class Outcome { Identified, RetryDue, GaveUp };

    // What the device that answered reports of itself.
    struct Reply {
        QString mac;
        quint16 panId = 0;
        quint8 lane = 0;
        bool coordinator = false; // a coordinator's product version
    };

    DeviceIdentification();
    ~DeviceIdentification();

    // An attempt is running from begin() to restore().
    bool isRunning() const { return m_target != nullptr; }
    // Stops polling, reopens the port (38400 baud when fast, else 9600) and registers the stand-in that the
    // identifier reply reaches. The caller then sends the request.
    void begin(CSerialComThread &serial, const QString &portText, bool fast);
    // Counts the attempt and takes the stand-in back from the serial object.
    Outcome collect(CSerialComThread &serial, Reply *reply);
    // The port at the speed it had before, polling from the first round again; the stand-in goes.
    void restore(CSerialComThread &serial, const QString &portText);

    int failedAttempts() const { return m_failedAttempts; }

private:
    std::unique_ptr<CStartBlock> m_target;
    int m_failedAttempts = 0;
    qint32 m_baudRate = 0;
};
