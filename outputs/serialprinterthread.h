#pragma once

#include <memory>

#include <QMutex>
#include <QString>
#include <QThread>

class QSerialPort;

// Owns the serial port of the ticket printer and writes tickets to it. The thread only runs an empty
// event loop: the object and its port live in the caller's thread.
class SerialPrinterThread : public QThread
{
    Q_OBJECT

public:
    static constexpr qint32 kDefaultBaudRate = 9600;
    static constexpr int kMaxWriteSize = 0xFFFF;  // one call writes at most this many bytes
    static constexpr int kDrainTimeoutMs = 30000; // a ticket still on its way when the port closes

    explicit SerialPrinterThread(QObject *parent = nullptr);
    ~SerialPrinterThread() override;

    // Opens the port named by the text before "[" (trimmed) at the given rate (9600 for 0), 8N1, no flow
    // control, and reports the outcome through serial_port_opened. A port that failed to open stays the
    // current port: writes to it come to nothing.
    void setPrinterPort(const QString &portText, qint32 baudRate);
    void clearPrinterPort();
    void writeData(const char *data, int size);
    // The port's rate; 0 without a port.
    qint32 baudRate() const;
    QString portName() const;
    bool isPortOpen() const;

signals:
    void serial_port_opened(bool ok);

public slots:
    void onReadyRead(); // whatever the printer sends is dropped

protected:
    void run() override;

private:
    void closePort();

    std::unique_ptr<QSerialPort> m_port;
    QMutex m_writeLock;
};
