#pragma once

#include <memory>

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QString>

// The pseudo-terminal the program opens as its serial port. The simulator holds the master end and keeps
// one descriptor of the device end open itself, so the program may close and reopen the port without the
// master seeing a hang-up; the device end is raw from the start, so nothing is echoed.
class SimPty : public QObject
{
    Q_OBJECT

public:
    explicit SimPty(QObject *parent = nullptr);
    ~SimPty() override;

    // Creates the terminal (and the symbolic link, when a path is given); false with errorString() set.
    bool open(const QString &linkPath = QString());
    bool isOpen() const { return m_master >= 0; }
    QString devicePath() const { return m_devicePath; }
    QString linkPath() const { return m_linkPath; }
    QString errorString() const { return m_error; }

    // The speed the program last set on the device end (0 when unknown).
    int baudRate() const;

    // Writes everything or, when the program does not read, what the terminal still takes.
    void write(const QByteArray &bytes);

    // Closes both ends and removes the link: the program's end of the terminal hangs up, as a serial
    // adapter does when it is pulled out. open() makes a new terminal.
    void close();

signals:
    void bytesReceived(const QByteArray &bytes);

private:
    void readAvailable();
    bool fail(const QString &what);

    int m_master = -1;
    int m_slave = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QString m_devicePath;
    QString m_linkPath;
    QString m_error;
};
