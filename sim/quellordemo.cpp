// quellor-demo: the program as its users start it, with the project settings accepted for them; once the
// lanes of the chosen set are live it prints how long that took, saves a picture of the main window when
// asked, and ends. Used by scripts/demo.sh where there is no display, and by the start-up bench.
#include <cstdio>
#include <cstring>
#include <memory>

#include <QElapsedTimer>
#include <QPixmap>
#include <QTimer>

#include "core/quellorapp.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/programstartup.h"
#include "sim/startupautomation.h"

namespace
{

constexpr int kGiveUpMs = 60000;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

void printUsage()
{
    std::printf("usage: quellor-demo [--screenshot FILE.png]\n"
                "Starts the program with its stored settings, presses OK in the project settings and ends\n"
                "once every lane of the chosen set is live, saving a picture of the main window to FILE.\n");
}

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QString screenshot;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            screenshot = QString::fromLocal8Bit(argv[++i]);
        } else if (argv[i][0] == '-' && std::strcmp(argv[i], "-platform") != 0) {
            printUsage();
            return std::strcmp(argv[i], "--help") == 0 ? 0 : kUsage;
        }
    }

    const std::unique_ptr<QuellorApp> app(QuellorApp::Create(argc, argv));
    StartupAutomation automation(StartupAutomation::Answer::Ok);
    bool saved = screenshot.isEmpty();
    QObject::connect(&automation, &StartupAutomation::window_shown, &automation, [&] {
        std::printf("window shown after %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
        std::fflush(stdout);
    });
    QObject::connect(&automation, &StartupAutomation::lanes_live, &automation, [&](MainWindow *window) {
        std::printf("lanes live after %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
        if (!screenshot.isEmpty()) {
            saved = window->grab().save(screenshot, "PNG");
            std::printf(saved ? "screenshot: %s\n" : "cannot save the screenshot to %s\n",
                        qPrintable(screenshot));
        }
        std::fflush(stdout);
        QCoreApplication::exit(saved ? 0 : kFailed);
    });
    QTimer::singleShot(kGiveUpMs, &automation, [] {
        std::printf("the lanes were not live within %d ms\n", kGiveUpMs);
        QCoreApplication::exit(kFailed);
    });
    const int result = ProgramStartup::run(argc, argv);
    // the program keeps its window to the end; here the end is now, and the window goes first
    delete MainWindow::instance();
    return result;
}
