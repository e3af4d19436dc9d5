// quellor-sim: a coordinator and its start blocks on a pseudo-terminal, for demonstrations without the
// hardware. Prints the device path the program should open, then answers until it is told to stop.
#include <csignal>
#include <cstdio>
#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>

#include "sim/devicesimulator.h"
#include "sim/simconsole.h"
#include "sim/simscenario.h"

namespace
{

int g_signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(g_signalPipe[1], &byte, 1);
}

// SIGINT and SIGTERM end the event loop, so the simulator can remove its link on the way out.
bool catchTerminationSignals()
{
    if (::pipe(g_signalPipe) != 0)
        return false;
    std::signal(SIGINT, onTerminationSignal);
    std::signal(SIGTERM, onTerminationSignal);
    return true;
}

QString helpText(const QCommandLineParser &parser)
{
    return parser.helpText() + QLatin1Char('\n') + simScenarioFormatHelp() + QLatin1Char('\n') +
           SimConsole::helpText();
}

std::optional<SimScenario> scenarioFrom(const QCommandLineParser &parser, const QCommandLineOption &option,
                                        QTextStream &err)
{
    if (!parser.isSet(option))
        return SimScenario::standard();
    QString error;
    std::optional<SimScenario> scenario = loadSimScenario(parser.value(option), &error);
    if (!scenario)
        err << "quellor-sim: " << error << Qt::endl;
    return scenario;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quellor-sim"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulates the coordinator and up to 10 start blocks on a "
                       "pseudo-terminal and prints its device path."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help."));
    const QCommandLineOption scenarioOption(
        QStringLiteral("scenario"), QStringLiteral("Read the scenario from FILE."), QStringLiteral("FILE"));
    const QCommandLineOption linkOption(QStringLiteral("link"),
                                        QStringLiteral("Also reach the device at PATH (removed on exit)."),
                                        QStringLiteral("PATH"));
    parser.addOption(helpOption);
    parser.addOption(scenarioOption);
    parser.addOption(linkOption);
    if (!parser.parse(app.arguments())) {
        err << "quellor-sim: " << parser.errorText() << Qt::endl;
        return 2;
    }
    if (parser.isSet(helpOption)) {
        out << helpText(parser);
        return 0;
    }
    const std::optional<SimScenario> scenario = scenarioFrom(parser, scenarioOption, err);
    if (!scenario)
        return 2;

    DeviceSimulator simulator(*scenario);
    if (!simulator.start(parser.value(linkOption))) {
        err << "quellor-sim: " << simulator.errorString() << Qt::endl;
        return 1;
    }
    out << simulator.devicePath() << Qt::endl;

    if (!catchTerminationSignals()) {
        err << "quellor-sim: cannot watch for signals" << Qt::endl;
        return 1;
    }
    QSocketNotifier signalNotifier(g_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    SimConsole console(&simulator, &out);
    QObject::connect(&console, &SimConsole::quitRequested, &app, &QCoreApplication::quit);
    return app.exec();
}
