#include "sim/simconsole.h"

#include <unistd.h>

#include "sim/devicesimulator.h"
#include "sim/simframe.h"

namespace
{

constexpr int kReadChunk = 1024;
constexpr qsizetype kMaxLine = 4096;

} // namespace

SimConsole::SimConsole(DeviceSimulator *simulator, QTextStream *out, QObject *parent)
    : QObject(parent), m_simulator(simulator), m_out(out), m_notifier(STDIN_FILENO, QSocketNotifier::Read)
{
    connect(&m_notifier, &QSocketNotifier::activated, this, [this] { readInput(); });
}

QString SimConsole::helpText()
{
    return QStringLiteral("Commands on standard input:\n"
                          "  start      fire the start now\n"
                          "  ready      the coordinator asks the program for Ready\n"
                          "  powerdown  the coordinator asks the program to power everything down\n"
                          "  relay      the coordinator sends a relay frame (0xF2)\n"
                          "  on         power every device on again\n"
                          "  status     show the devices' states\n"
                          "  quit       end the simulator\n");
}

void SimConsole::readInput()
{
    char buffer[kReadChunk];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n <= 0) {
        m_notifier.setEnabled(false); // end of input: keep simulating until a signal ends us
        return;
    }
    m_pending.append(buffer, qsizetype(n));
    qsizetype end = 0;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const QString line = QString::fromLocal8Bit(m_pending.left(end)).trimmed();
        m_pending.remove(0, end + 1);
        runCommand(line);
    }
    if (m_pending.size() > kMaxLine)
        m_pending.clear();
}

void SimConsole::runCommand(const QString &line)
{
    if (line == QLatin1String("start"))
        m_simulator->startRace();
    else if (line == QLatin1String("ready"))
        m_simulator->requestReady();
    else if (line == QLatin1String("powerdown"))
        m_simulator->requestPowerDownAll();
    else if (line == QLatin1String("relay"))
        m_simulator->sendRelayFrame();
    else if (line == QLatin1String("on"))
        m_simulator->powerOnAll();
    else if (line == QLatin1String("status"))
        printStatus();
    else if (line == QLatin1String("quit"))
        emit quitRequested();
    else if (!line.isEmpty())
        *m_out << helpText();
    m_out->flush();
}

void SimConsole::printStatus()
{
    const SimCoordinator &coordinator = m_simulator->coordinator();
    *m_out << QStringLiteral("coordinator %1: state %2, %3 baud (port %4), %5 starts%6\n")
                  .arg(simMacText(coordinator.mac()))
                  .arg(coordinator.state())
                  .arg(coordinator.baudRate())
                  .arg(m_simulator->portBaudRate())
                  .arg(coordinator.starts().size())
                  .arg(coordinator.isPoweredDown() ? QStringLiteral(", off") : QString());
    for (int i = 0; i < m_simulator->blockCount(); ++i) {
        const SimStartBlock &block = m_simulator->block(i);
        *m_out << QStringLiteral("lane %1 %2: state %3%4\n")
                      .arg(block.lane())
                      .arg(simMacText(block.mac()))
                      .arg(block.state())
                      .arg(block.isPoweredDown() ? QStringLiteral(", off") : QString());
    }
}
