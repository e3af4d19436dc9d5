// The program's start against the device simulator, through the function main runs: Cancel in the project
// settings ends it with -1 and leaves the settings file as it was; OK writes exactly the keys of the start,
// applies them, and shows the window with the chosen set's lanes live.
#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include "../core/apptestenvironment.h"
#include "core/quellorapp.h"
#include "devices/cserialcomthread.h"
#include "dialogs/projectsettingsdlg.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/programstartup.h"
#include "outputs/startgatewayservice.h"
#include "sim/devicesimulator.h"
#include "sim/simulatorsettings.h"
#include "sim/startupautomation.h"
#include "testnetwork.h"
#include "views/palettesharingstyle.h"

namespace
{

constexpr int kWaitMs = 30000;
using Entries = SimulatorSettings::Entries;

// What the application object wrote back on its first start, so that a start writes nothing new by itself.
const Entries kWrittenBack = {{"general/debug", "1"},
                              {"StartBlockSettings/min_accelerosensitivity", 512},
                              {"StartBlockSettings/min_iaaf", 100},
                              {"StartBlockSettings/max_iaaf", 100},
                              {"StartBlockSettings/startsensitivity", 170}};

// The INI text's sections, each with its lines, in name order: the store keeps sections in the order they
// were first written.
QStringList sections(const QByteArray &text)
{
    QStringList found = QString::fromUtf8(text).split(QStringLiteral("\n["), Qt::SkipEmptyParts);
    for (QString &section : found)
        section = section.trimmed().remove(QRegularExpression(QStringLiteral("^\\[")));
    found.sort();
    return found;
}

QByteArray settingsFileText()
{
    QuellorApp::Instance()->SyncSettings();
    QFile file(AppTestEnvironment::settingsFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The application's style beneath the window's style sheets: the program's own, and the one it draws with.
QString styleText()
{
    const QString sheet = qApp->styleSheet();
    qApp->setStyleSheet(QString());
    const QStyle *style = QApplication::style();
    QString text = style->name();
    if (const auto *sharing = dynamic_cast<const PaletteSharingStyle *>(style))
        text = QStringLiteral("palette sharing over ") + sharing->baseStyle()->name();
    qApp->setStyleSheet(sheet);
    return text;
}

} // namespace

class TstStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void cancelEndsWithMinusOneAndWritesNothing();
    void okWritesTheStartKeysAndShowsLiveLanes();

private:
    // The program's start with the operator's answer; the window's state is checked by check once its lanes
    // are live, and the program then ends.
    int start(StartupAutomation::Answer answer, const std::function<void(MainWindow *)> &check = {});

    std::unique_ptr<DeviceSimulator> sim;
    Entries stored;
    QTemporaryDir results;
    QString dialogTitle;
};

void TstStartup::init()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    SimScenario scenario = SimScenario::standard(8);
    scenario.autoStartDelayMs = -1;
    sim = std::make_unique<DeviceSimulator>(scenario);
    if (!sim->start())
        QSKIP("no pseudo-terminal");
    stored = SimulatorSettings::forSimulator(scenario, sim->devicePath(), "Sim", results.path()) +
             kWrittenBack +
             Entries{{"general/race_nr", 7},
                     {"general/language", "de_Deutsch"},
                     {"general/userselectedoperationmode", 2},
                     {"general/operationmode", 2}};
    AppTestEnvironment::writeFile(SimulatorSettings::iniText(stored));
    QuellorApp::Instance()->SyncSettings();
}

void TstStartup::cleanup()
{
    delete MainWindow::instance(); // the program keeps it; the next start makes a new one
    sim.reset();
}

int TstStartup::start(StartupAutomation::Answer answer, const std::function<void(MainWindow *)> &check)
{
    StartupAutomation automation(answer);
    connect(&automation, &StartupAutomation::dialog_shown, this,
            [this](ProjectSettingsDlg *dialog) { dialogTitle = dialog->windowTitle(); });
    connect(&automation, &StartupAutomation::lanes_live, this, [&](MainWindow *window) {
        if (check)
            check(window);
        QCoreApplication::exit(0);
    });
    QTimer::singleShot(kWaitMs, this, [] { QCoreApplication::exit(1); });
    int argc = 1;
    char name[] = "quellor";
    char *argv[] = {name, nullptr};
    return ProgramStartup::run(argc, argv);
}

void TstStartup::cancelEndsWithMinusOneAndWritesNothing()
{
    const QByteArray before = settingsFileText();
    QCOMPARE(start(StartupAutomation::Answer::Cancel), -1);
    // the stored language was loaded before the dialog was made
    QCOMPARE(dialogTitle, QString("Wireless Quellor - Halvexa: Eigenschaften"));
    QVERIFY(!MainWindow::instance()->isVisible());
    QVERIFY(MainWindow::instance()->startBlocks().isEmpty());
    QCOMPARE(settingsFileText(), before);
}

void TstStartup::okWritesTheStartKeysAndShowsLiveLanes()
{
    QStringList shown;
    const int result = start(StartupAutomation::Answer::Ok, [&](MainWindow *window) {
        shown << QString::number(window->laneRows().size())
              << QString::number(window->coordinatorRow() != nullptr)
              << QString::number(window->isMaximized()) << styleText()
              << window->startGateway()->coordinatorMac() << QString::number(window->startGateway()->panId())
              << window->startGateway()->starterName()
              << QString::number(window->serialComThread()->baudRate());
    });
    QCOMPARE(result, 0);
    QCOMPARE(shown, (QStringList{"8", "1", "1", "palette sharing over fusion", "15:8D:00:01:00:00", "0",
                                 "Starter 1", "9600"}));
    // the dialog's values as it showed them: the stored ones, and the defaults of the keys not stored
    const Entries written = {{"StartBlockSettings/accelerosensitivity", 512},
                             {"general/starter_name", "Starter 1"},
                             {"printers/printers.count", 0},
                             {"general/printer_option", 1},
                             {"general/startsoundmode", 3},
                             {"general/recallsoundmode", 1},
                             {"general/recallbeepsmode", 1},
                             {"general/audiovolume", 16},
                             {"general/headsetvolume", 16},
                             {"general/photofinishdevice", 2}};
    QCOMPARE(sections(settingsFileText()), sections(SimulatorSettings::iniText(stored + written)));
}

int main(int argc, char **argv)
{
    AppTestEnvironment environment;
    if (!environment.isValid())
        return 1;
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    TstStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
