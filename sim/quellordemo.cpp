// quellor-demo: the program as its users start it, with the project settings accepted for them; once the
// lanes of the chosen set are live it prints how long that took and saves a picture of the main window when
// asked. With a device simulator of its own it then runs three races as a starter would and prints where
// their files, the race log and the pictures are; otherwise it ends there. Used by scripts/demo.sh where
// there is no display, and by the start-up bench.
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPixmap>
#include <QTimer>

#include "core/quellorapp.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/programpaths.h"
#include "mainwindow/programstartup.h"
#include "sim/devicesimulator.h"
#include "sim/raceautomation.h"
#include "sim/startupautomation.h"

namespace
{

constexpr int kGiveUpMs = 90000; // for the lanes to be live, and again for each race
constexpr int kFalseStartMs = 60;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

struct Options {
    QString screenshot;
    QString scenario;
    QString link;
};

void printUsage()
{
    std::printf("usage: quellor-demo [--screenshot FILE.png] [--scenario FILE.json --link PATH]\n"
                "Starts the program with its stored settings, presses OK in the project settings and waits\n"
                "until every lane of the chosen set is live, saving a picture of the main window to FILE.\n"
                "With --scenario it runs the device simulator itself, reached at PATH (the port the stored\n"
                "settings name), and then runs three races: a normal one, one with a false start in lane 2\n"
                "and one in which lane 3 never reacts; a picture of the window after each race is saved\n"
                "beside FILE.\n");
}

// nullopt: print the usage and end with the code given
std::optional<Options> parseOptions(int argc, char **argv, int *exitCode)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        QString *value = std::strcmp(argv[i], "--screenshot") == 0 ? &options.screenshot
                         : std::strcmp(argv[i], "--scenario") == 0 ? &options.scenario
                         : std::strcmp(argv[i], "--link") == 0     ? &options.link
                                                                   : nullptr;
        if (value && i + 1 < argc) {
            *value = QString::fromLocal8Bit(argv[++i]);
        } else if (argv[i][0] == '-' && std::strcmp(argv[i], "-platform") != 0) {
            *exitCode = std::strcmp(argv[i], "--help") == 0 ? 0 : kUsage;
            return std::nullopt;
        }
    }
    if (options.scenario.isEmpty() != options.link.isEmpty()) {
        *exitCode = kUsage;
        return std::nullopt;
    }
    return options;
}

// The simulator of the scenario at the link, or null after saying why not.
std::unique_ptr<DeviceSimulator> startSimulator(const Options &options)
{
    QString error;
    const std::optional<SimScenario> scenario = loadSimScenario(options.scenario, &error);
    if (scenario && scenario->lanes.size() < 3)
        error = QStringLiteral("the races need at least 3 start blocks");
    if (!scenario || !error.isEmpty()) {
        std::printf("scenario %s: %s\n", qPrintable(options.scenario), qPrintable(error));
        return nullptr;
    }
    auto simulator = std::make_unique<DeviceSimulator>(*scenario);
    if (!simulator->start(options.link)) {
        std::printf("the device simulator did not start: %s\n", qPrintable(simulator->errorString()));
        return nullptr;
    }
    return simulator;
}

// Lane 2 false-starts, then lane 3 never leaves its block.
QList<RaceAutomation::Race> threeRaces(const SimScenario &scenario)
{
    return {
        {QStringLiteral("a normal start"), {}},
        {QStringLiteral("a false start in lane 2"), {{1, kFalseStartMs}}},
        {QStringLiteral("lane 3 never reacts"), {{1, scenario.lanes.at(1).reactionMs}, {2, std::nullopt}}}};
}

bool savePicture(MainWindow *window, const QString &path)
{
    const bool saved = window->grab().save(path, "PNG");
    std::printf(saved ? "screenshot: %s\n" : "cannot save the screenshot to %s\n", qPrintable(path));
    std::fflush(stdout);
    return saved;
}

// Runs the races once the lanes are live; the end of the event loop says how they went.
void runRaces(MainWindow *window, DeviceSimulator *simulator, const QString &pictureFolder, QTimer *giveUp)
{
    auto *races = new RaceAutomation(window, simulator, threeRaces(simulator->scenario()), window);
    QObject::connect(
        races, &RaceAutomation::race_saved, races,
        [=](int index, const QString &title, const QString &fileBase) {
            std::printf("race %d, %s: saved as %s\n", index + 1, qPrintable(title), qPrintable(fileBase));
            for (const QString &lane : races->laneTexts())
                std::printf("  %s\n", qPrintable(lane));
            if (!pictureFolder.isEmpty() &&
                !savePicture(window, QDir(pictureFolder).filePath(fileBase + QStringLiteral(".png"))))
                QCoreApplication::exit(kFailed);
            giveUp->start();
        });
    QObject::connect(races, &RaceAutomation::finished, races, [=] {
        std::printf("race files: %s\nrace log: %s\n",
                    qPrintable(QDir::cleanPath(QuellorApp::Instance()->projectSettings().resultsDir)),
                    qPrintable(ProgramPaths::raceLogPath()));
        if (!pictureFolder.isEmpty())
            std::printf("screenshots: %s\n", qPrintable(pictureFolder));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    std::printf("three races against the device simulator; the coordinator asks for Ready\n");
    std::fflush(stdout);
    races->start();
}

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    int exitCode = 0;
    const std::optional<Options> options = parseOptions(argc, argv, &exitCode);
    if (!options) {
        printUsage();
        return exitCode;
    }

    const std::unique_ptr<QuellorApp> app(QuellorApp::Create(argc, argv));
    std::unique_ptr<DeviceSimulator> simulator;
    if (!options->scenario.isEmpty() && !(simulator = startSimulator(*options)))
        return kFailed;
    StartupAutomation automation(StartupAutomation::Answer::Ok);
    QTimer giveUp;
    giveUp.setSingleShot(true);
    giveUp.setInterval(kGiveUpMs);
    QObject::connect(&giveUp, &QTimer::timeout, &automation, [] {
        const MainWindow *window = MainWindow::instance();
        std::printf("nothing happened within %d ms%s%s\n", kGiveUpMs,
                    window->busyNotice().isEmpty() ? "" : ": ", qPrintable(window->busyNotice()));
        QCoreApplication::exit(kFailed);
    });
    QObject::connect(&automation, &StartupAutomation::window_shown, &automation, [&] {
        std::printf("window shown after %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
        std::fflush(stdout);
    });
    QObject::connect(&automation, &StartupAutomation::lanes_live, &automation, [&](MainWindow *window) {
        std::printf("lanes live after %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
        std::fflush(stdout);
        if (!options->screenshot.isEmpty() && !savePicture(window, options->screenshot)) {
            QCoreApplication::exit(kFailed);
        } else if (simulator) {
            const QString pictures =
                options->screenshot.isEmpty() ? QString() : QFileInfo(options->screenshot).absolutePath();
            giveUp.start();
            runRaces(window, simulator.get(), pictures, &giveUp);
        } else {
            QCoreApplication::exit(0);
        }
    });
    giveUp.start();
    const int result = ProgramStartup::run(argc, argv);
    // the program keeps its window to the end; here the end is now, and the window goes first
    delete MainWindow::instance();
    return result;
}
