// quellor-demo: the program as its users start it, with the project settings accepted for them; once the
// lanes of the chosen set are live it prints how long that took and saves a picture of the main window when
// asked, in English and in each language asked for. With a device simulator of its own it then runs three
// races as a starter would and prints each race's lanes and where their files, the race log and the
// pictures are; otherwise it ends there. Its console shows only that: the debug output of the program and
// of the simulator can go to a log file. Used by scripts/demo.sh where there is no display, and by the
// start-up bench.
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPixmap>
#include <QTimer>

#include "core/quellorapp.h"
#include "mainwindow/languagecatalog.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/programpaths.h"
#include "mainwindow/programstartup.h"
#include "sim/demolog.h"
#include "sim/devicesimulator.h"
#include "sim/raceautomation.h"
#include "sim/startupautomation.h"

namespace
{

constexpr int kGiveUpMs = 90000; // for the lanes to be live, and again for each race
constexpr int kFalseStartMs = 60;
constexpr int kLanguageSettleMs = 300; // the relabelled window lays itself out again before its picture
constexpr int kFailed = 1;
constexpr int kUsage = 2;

struct Options {
    QString screenshot;
    QString scenario;
    QString link;
    QString log;
    QStringList languages;
};

void printUsage()
{
    std::printf("usage: quellor-demo [--screenshot FILE.png [--language LANGUAGE]...]\n"
                "                    [--scenario FILE.json --link PATH] [--log LOG]\n"
                "Starts the program with its stored settings, presses OK in the project settings and waits\n"
                "until every lane of the chosen set is live, saving a picture of the main window to FILE.\n"
                "Each --language (a translation as the Language menu names it, such as de_Deutsch) saves\n"
                "the window in that language as well, beside FILE as FILE-de.png; then the window goes\n"
                "back to its own language.\n"
                "With --scenario it runs the device simulator itself, reached at PATH (the port the stored\n"
                "settings name), and then runs three races: a normal one, one with a false start in lane 2\n"
                "and one in which lane 3 never reacts; a picture of the window after each race is saved\n"
                "beside FILE.\n"
                "With --log the debug output of the program and of the simulator is appended to LOG instead\n"
                "of the console.\n");
}

// nullopt: print the usage and end with the code given
std::optional<Options> parseOptions(int argc, char **argv, int *exitCode)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        QString *value = std::strcmp(argv[i], "--screenshot") == 0 ? &options.screenshot
                         : std::strcmp(argv[i], "--scenario") == 0 ? &options.scenario
                         : std::strcmp(argv[i], "--link") == 0     ? &options.link
                         : std::strcmp(argv[i], "--log") == 0      ? &options.log
                                                                   : nullptr;
        if (value && i + 1 < argc) {
            *value = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strcmp(argv[i], "--language") == 0 && i + 1 < argc) {
            options.languages << QString::fromLocal8Bit(argv[++i]);
        } else if (argv[i][0] == '-' && std::strcmp(argv[i], "-platform") != 0) {
            *exitCode = std::strcmp(argv[i], "--help") == 0 ? 0 : kUsage;
            return std::nullopt;
        }
    }
    if (options.scenario.isEmpty() != options.link.isEmpty() ||
        (options.screenshot.isEmpty() && !options.languages.isEmpty())) {
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
    std::printf("device simulator: a coordinator and %d start blocks, at %s\n", int(scenario->lanes.size()),
                qPrintable(options.link));
    std::fflush(stdout);
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

// "main-window.png" in de_Deutsch: "main-window-de.png"
QString languagePicture(const QString &picture, const QString &language)
{
    const QFileInfo file(picture);
    return file.dir().filePath(
        QStringLiteral("%1-%2.%3")
            .arg(file.completeBaseName(), LanguageCatalog::languageCode(language), file.suffix()));
}

// Saves the window in each language beside the picture, one after the other, then shows it in the
// language it had before and runs next.
void savePicturesInLanguages(MainWindow *window, const QString &picture, QStringList languages,
                             const QString &ownLanguage, const std::function<void()> &next)
{
    if (languages.isEmpty()) {
        window->LoadLanguage(ownLanguage);
        QTimer::singleShot(kLanguageSettleMs, window, next);
        return;
    }
    const QString language = languages.takeFirst();
    if (!QFileInfo::exists(LanguageCatalog::translationFile(ProgramPaths::languagesFolder(), language))) {
        std::printf("no translation %s in %s\n", qPrintable(language),
                    qPrintable(ProgramPaths::languagesFolder()));
        QCoreApplication::exit(kFailed);
        return;
    }
    window->LoadLanguage(language);
    QTimer::singleShot(kLanguageSettleMs, window, [=] {
        if (!savePicture(window, languagePicture(picture, language)))
            QCoreApplication::exit(kFailed);
        else
            savePicturesInLanguages(window, picture, languages, ownLanguage, next);
    });
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

    DemoLog log; // before anything speaks, and ended after everything else
    if (!options->log.isEmpty() && !log.open(options->log)) {
        std::printf("cannot write the log %s\n", qPrintable(options->log));
        return kFailed;
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
        const auto afterPictures = [&, window] {
            if (simulator) {
                const QString pictures =
                    options->screenshot.isEmpty() ? QString() : QFileInfo(options->screenshot).absolutePath();
                giveUp.start();
                runRaces(window, simulator.get(), pictures, &giveUp);
            } else {
                QCoreApplication::exit(0);
            }
        };
        if (!options->screenshot.isEmpty() && !savePicture(window, options->screenshot))
            QCoreApplication::exit(kFailed);
        else if (options->languages.isEmpty())
            afterPictures();
        else
            savePicturesInLanguages(window, options->screenshot, options->languages,
                                    window->currentLanguage(), afterPictures);
    });
    giveUp.start();
    const int result = ProgramStartup::run(argc, argv);
    // the program keeps its window to the end; here the end is now, and the window goes first
    delete MainWindow::instance();
    return result;
}
