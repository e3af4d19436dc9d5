#pragma once

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QTextStream>

class DeviceSimulator;

// Reads commands for the simulated installation from standard input, one a line.
class SimConsole : public QObject
{
    Q_OBJECT

public:
    SimConsole(DeviceSimulator *simulator, QTextStream *out, QObject *parent = nullptr);

    static QString helpText();

signals:
    void quitRequested();

private:
    void readInput();
    void runCommand(const QString &line);
    void printStatus();

    DeviceSimulator *m_simulator;
    QTextStream *m_out;
    QSocketNotifier m_notifier;
    QByteArray m_pending;
};
