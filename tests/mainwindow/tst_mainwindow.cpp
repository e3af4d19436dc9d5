// The main window itself, offscreen (it broadcasts the meet discovery: inside the private network
// namespace only): its form against the table of widgets, actions and menus, the
// language menu and switching, the application modes, the colour dialog, and exit against the device
// simulator on a pseudo-terminal.
#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "../core/apptestenvironment.h"
#include "core/quellorapp.h"
#include "devices/ccoordinator.h"
#include "devices/cserialcomthread.h"
#include "devices/cstartblock.h"
#include "mainwindow/colorsetdlg.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/stylesheets.h"
#include "modalanswerer.h"
#include "simwindow.h"
#include "sim/devicesimulator.h"
#include "testnetwork.h"
#include "views/startblockslayoutwidget.h"

namespace
{

constexpr int kWaitMs = 15000;
const QString kTitle = "Wireless Quellor - Halvexa";

// Messages of the run, to catch threads destroyed while running.
QStringList s_messages;

void recordMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    s_messages << message;
}

template<typename T = QObject>
T *part(MainWindow *window, const QString &name)
{
    return window->findChild<T *>(name);
}

// A fresh window; the accessor makes it, and deleting it clears the accessor.
struct WindowFixture {
    WindowFixture() { window = MainWindow::instance(); }
    ~WindowFixture() { delete window; }
    MainWindow *window = nullptr;
};

} // namespace

class TstMainWindowForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QUELLOR_REQUIRE_ISOLATED_NETWORK();
        fixture = std::make_unique<WindowFixture>();
    }
    void cleanup() { fixture.reset(); }

    void accessorGivesTheOneWindow();
    void widgetsAndActionsHaveTheirTexts_data();
    void widgetsAndActionsHaveTheirTexts();
    void menusListTheirActions_data();
    void menusListTheirActions();
    void layoutHoldsTheLiveViewAndTheLanes();

private:
    std::unique_ptr<WindowFixture> fixture;
};

void TstMainWindowForm::accessorGivesTheOneWindow()
{
    MainWindow *window = fixture->window;
    QCOMPARE(MainWindow::instance(), window);
    QCOMPARE(window->objectName(), QString("MainWindow"));
    QCOMPARE(window->windowTitle(), kTitle);
    QCOMPARE(window->size(), QSize(1038, 678));
    QCOMPARE(window->broadcastDevice()->GetMacAddress().toUpper(), QString("FF:FF:FF:FF:FF:FF"));
    QVERIFY(window->serialComThread()->isRunning());
    QVERIFY(!window->coordinator());
    QCOMPARE(window->styleThemeIndex(), 3);
    QCOMPARE(qApp->styleSheet(), composeStyleSheets(StyleThemes::defaults().at(3)).application);
    QCOMPARE(window->eventsDirectory(), QDir::home().filePath("Events"));
    QVERIFY(QFileInfo(window->eventsDirectory()).isDir());
}

namespace
{
void textRow(const char *name, const char *text, const char *toolTip = "", const char *shortcut = "",
             bool icon = false)
{
    QTest::newRow(name) << QString(name) << QString(text) << QString(toolTip) << QString(shortcut) << icon;
}
} // namespace

void TstMainWindowForm::widgetsAndActionsHaveTheirTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("icon");
    textRow("lblServer", "Server:");
    textRow("lblCompetition", "Competition:");
    textRow("lblRaceName", "Race:");
    textRow("btnServersRefresh", "", "", "", true);
    textRow("btnCompetitionsRefresh", "", "", "", true);
    textRow("btnEventsRefresh", "", "", "", true);
    textRow("btnToggleSettings", "", "Show or hide the race info", "Alt+H", true);
    textRow("btnBroadcastIdle", "Idle", "Set all startblocks to idle");
    textRow("btnReady", "Ready (F5)", "Set all startblocks to ready", "F5");
    textRow("lblRaceHeader", "Race:");
    textRow("lblHeatHeader", "Heat:");
    textRow("lblStartHeader", "Start:");
    textRow("btnCommentAdd", "", "", "", true);
    textRow("lblOperationModeIcon", "");
    textRow("lblResultsSaved", "Reading Results:");
    textRow("btnSettings", "Settings", "Select common startblock settings", "F2");
    textRow("actionAbout", "About", "", "", true);
    textRow("actionAbout_Qt", "About Qt", "", "", true);
    textRow("action_Open", "&Open", "", "Ctrl+O", true);
    textRow("action_Load_Demo", "Load Sound", "", "", true);
    textRow("action_Layout", "&Layout", "", "Ctrl+L", true);
    textRow("action_Save", "&Save", "", "Ctrl+S", true);
    textRow("action_Admin", "&Admin", "", "Ctrl+A", true);
    textRow("action_Exit", "E&xit", "", "Ctrl+Q", true);
    textRow("actionKey_assistant", "Key assistant", "", "Ctrl+Shift+L", true);
    textRow("actionSettings", "Settings");
    textRow("action_ProjectProperties", "&Properties", "", "Ctrl+P", true);
    textRow("actionDevice_Identification", "&Identify Device", "", "Ctrl+I", true);
    textRow("actionShutdown_Devices", "Shut&down Devices", "", "Ctrl+D");
    textRow("action_RaceCounterReset", "Reset Race Counter", "", "Ctrl+R", true);
    textRow("action_Test_Synchronization", "Test S&ynchronization", "", "Ctrl+Y");
    textRow("action_Print", "&Print", "", "", true);
    textRow("action_ShowLiveView", "Show Live View", "", "Alt+L");
    textRow("action_Calibrate_Device", "Calibrate Device");
    textRow("action_Test_Hardware", "Built In Test", "", "Ctrl+B", true);
}

void TstMainWindowForm::widgetsAndActionsHaveTheirTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QFETCH(QString, shortcut);
    QFETCH(bool, icon);
    QObject *object = part(fixture->window, name);
    QVERIFY(object);
    QCOMPARE(object->property("text").toString(), text);
    QCOMPARE(object->property("shortcut").value<QKeySequence>(), QKeySequence(shortcut));
    QCOMPARE(!object->property("icon").value<QIcon>().isNull(), icon);
    if (auto *action = qobject_cast<QAction *>(object)) {
        QCOMPARE(action->parent(), fixture->window);
        QVERIFY(!action->isCheckable());
    } else {
        QCOMPARE(object->property("toolTip").toString(), toolTip);
    }
}

void TstMainWindowForm::menusListTheirActions_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("entries");
    QTest::newRow("menuFile") << 0 << "&File"
                              << "action_Open action_Save - action_Admin - action_Print - action_Exit";
    QTest::newRow("menuSetup") << 1 << "Setup"
                               << "action_ProjectProperties actionDevice_Identification action_Test_Hardware "
                                  "action_Test_Synchronization action_Load_Demo action_Calibrate_Device "
                                  "actionShutdown_Devices";
    QTest::newRow("menuWindow") << 2 << "Window"
                                << "action_ShowLiveView action_Layout action_RaceCounterReset";
    QTest::newRow("menuLanguage") << 3 << "Language"
                                  << "";
    QTest::newRow("menuHelp") << 4 << "Help"
                              << "actionKey_assistant - actionAbout actionAbout_Qt";
}

void TstMainWindowForm::menusListTheirActions()
{
    QFETCH(int, position);
    QFETCH(QString, title);
    QFETCH(QString, entries);
    auto *menuBar = part<QMenuBar>(fixture->window, "menuBar");
    QCOMPARE(menuBar->actions().size(), 5);
    QMenu *menu = menuBar->actions().at(position)->menu();
    QCOMPARE(menu->objectName(), QString(QTest::currentDataTag()));
    QCOMPARE(menu->title(), title);
    QStringList found;
    for (QAction *action : menu->actions()) {
        // the languages are not part of the form
        if (action->actionGroup())
            continue;
        found << (action->isSeparator() ? QString("-") : action->objectName());
    }
    QCOMPARE(found.join(' '), entries);
    QVERIFY(part<QAction>(fixture->window, "actionSettings")->associatedObjects().isEmpty());
}

void TstMainWindowForm::layoutHoldsTheLiveViewAndTheLanes()
{
    MainWindow *window = fixture->window;
    auto *tabs = part<QTabWidget>(window, "tabCentral");
    QCOMPARE(tabs->tabPosition(), QTabWidget::South);
    QVERIFY(tabs->documentMode() && tabs->tabsClosable() && tabs->isMovable());
    QCOMPARE(tabs->currentWidget()->objectName(), QString("tabLive"));
    QCOMPARE(tabs->tabText(0), QString("Live..."));
    QCOMPARE(part<QLineEdit>(window, "txtHeatInfo")->maximumWidth(), 50);
    QCOMPARE(part<QLineEdit>(window, "txtStartInfo")->maximumWidth(), 40);
    QCOMPARE(part<QProgressBar>(window, "pgbResultsSaved")->maximumSize(), QSize(60, 15));
    // 155 wide unless a text needs more (tst_textfit)
    QCOMPARE(part<QLabel>(window, "lblResultsSaved")->minimumWidth(), 155);
    QCOMPARE(part<QVBoxLayout>(window, "layoutStartblockContainter")->itemAt(0)->widget(),
             window->laneLayoutWidget());
    QVERIFY(!window->laneLayoutWidget()->allGraphsButton()->isEnabled());
    const QStringList focusOrder{"btnReady", "btnToggleSettings", "btnSettings", "btnBroadcastIdle",
                                 "tabCentral"};
    for (int i = 0; i + 1 < focusOrder.size(); ++i)
        QCOMPARE(part<QWidget>(window, focusOrder[i])->nextInFocusChain()->objectName(), focusOrder[i + 1]);
    // the toggle hides and shows the race information, its arrow pointing the way it will go
    auto *toggle = part<QPushButton>(window, "btnToggleSettings");
    const QImage up = window->style()->standardIcon(QStyle::SP_ArrowUp).pixmap(16).toImage();
    toggle->click();
    QVERIFY(part<QWidget>(window, "groupSettings")->isHidden());
    QVERIFY(toggle->icon().pixmap(16).toImage() != up);
    toggle->click();
    QVERIFY(!part<QWidget>(window, "groupSettings")->isHidden());
    QCOMPARE(toggle->icon().pixmap(16).toImage(), up);
}

// ---------------------------------------------------------------------------------------------------

class TstMainWindowLanguages : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QUELLOR_REQUIRE_ISOLATED_NETWORK();
        fixture = std::make_unique<WindowFixture>();
    }
    void cleanup() { fixture.reset(); }

    void choosingALanguageRelabelsTheWindow_data();
    void choosingALanguageRelabelsTheWindow();
    void aboutBoxNamesProgramVersionAndMaker_data();
    void aboutBoxNamesProgramVersionAndMaker();

private:
    std::unique_ptr<WindowFixture> fixture;
};

void TstMainWindowLanguages::choosingALanguageRelabelsTheWindow_data()
{
    QTest::addColumn<int>("entry"); // the menu entry chosen after German; -1: data loaded as at start
    QTest::addColumn<QString>("data");
    // menuFile, action_Open, btnReady, lblServer, all graphs, tab 0, a message box's Cancel, entry checked
    QTest::addColumn<QString>("texts");
    QTest::newRow("German") << 0 << "de_Deutsch"
                            << "Da&tei|Ö&ffnen|Bereit (F5)|Server:|Alle Grafiken|Live...|Abbrechen|Deutsch";
    QTest::newRow("back to English") << 1 << "en_English"
                                     << "&File|&Open|Ready (F5)|Server:|All graphs|Live...|Cancel|English";
    QTest::newRow("Dutch")
        << 2 << "nl_Nederlands"
        << "&Bestand|&Openen|Gereed (F5)|Server:|Alle grafieken|Live...|Annuleren|Nederlands";
    QTest::newRow("English stored") << -1 << "en_English"
                                    << "&File|&Open|Ready (F5)|Server:|All graphs|Live...|Cancel|English";
    QTest::newRow("missing file") << -1 << "xx_Nowhere"
                                  << "&File|&Open|Ready (F5)|Server:|All graphs|Live...|Cancel|Deutsch";
}

void TstMainWindowLanguages::choosingALanguageRelabelsTheWindow()
{
    QFETCH(int, entry);
    QFETCH(QString, data);
    QFETCH(QString, texts);
    MainWindow *window = fixture->window;
    const QList<QAction *> languages = part<QMenu>(window, "menuLanguage")->actions();
    QStringList names;
    for (const QAction *action : languages)
        names << action->text() + ':' + action->data().toString() + (action->icon().isNull() ? "" : "+flag");
    QCOMPARE(names, (QStringList{"Deutsch:de_Deutsch+flag", "English:en_English+flag",
                                 "Nederlands:nl_Nederlands+flag"}));
    const auto flag = [](const QIcon &icon) { return icon.pixmap(QSize(16, 11)).toImage(); };
    QCOMPARE(flag(languages[1]->icon()), flag(QIcon(":/flags/gb")));
    languages[0]->trigger();
    if (entry >= 0)
        languages[entry]->trigger();
    else // as the start loads the stored one; without its file the built-in texts stay
        window->LoadLanguage(data);
    // the toolkit posts the language change to every window
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(window->currentLanguage(), data);
    // the standard buttons come from the toolkit's own translation of the language
    const QMessageBox box(QMessageBox::Question, kTitle, QString(), QMessageBox::Yes | QMessageBox::Cancel);
    QString checked;
    for (const QAction *action : languages)
        checked += action->isChecked() ? action->text() : QString();
    const QStringList shown{part<QMenu>(window, "menuFile")->title(),
                            part<QAction>(window, "action_Open")->text(),
                            part<QPushButton>(window, "btnReady")->text(),
                            part<QLabel>(window, "lblServer")->text(),
                            window->laneLayoutWidget()->allGraphsButton()->text(),
                            part<QTabWidget>(window, "tabCentral")->tabText(0),
                            box.button(QMessageBox::Cancel)->text(),
                            checked};
    QCOMPARE(shown.join('|'), texts);
    QCOMPARE(part<QAction>(window, "action_Open")->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(part<QMenu>(window, "menuLanguage")->actions().size(), 3);
    if (entry < 0)
        return;
    QCOMPARE(QuellorApp::Instance()->GetSetting("general", "language").toString(), data);
    // the language already loaded is not loaded again
    part<QAction>(window, "action_Open")->setText("unchanged");
    languages[entry]->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(part<QAction>(window, "action_Open")->text(), QString("unchanged"));
}

void TstMainWindowLanguages::aboutBoxNamesProgramVersionAndMaker_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("seen"); // title|text
    QTest::newRow("built-in") << ""
                              << kTitle + ": About|Wireless Quellor\n\nVersion 1.2.12\n\nMade by Halvexa";
    QTest::newRow("German") << "de_Deutsch"
                            << kTitle + ": Über|Wireless Quellor\n\nVersion 1.2.12\n\nHersteller: Halvexa";
    QTest::newRow("Dutch") << "nl_Nederlands"
                           << kTitle + ": Over|Wireless Quellor\n\nVersie 1.2.12\n\nFabrikant: Halvexa";
}

void TstMainWindowLanguages::aboutBoxNamesProgramVersionAndMaker()
{
    QFETCH(QString, data);
    QFETCH(QString, seen);
    fixture->window->LoadLanguage(data);
    ModalAnswerer answerer;
    answerer.answer(QDialogButtonBox::Ok);
    part<QAction>(fixture->window, "actionAbout")->trigger();
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].title + '|' + answerer.seen[0].text, seen);
}

// ---------------------------------------------------------------------------------------------------

class TstMainWindowModes : public QObject
{
    Q_OBJECT

private slots:
    void init() { QUELLOR_REQUIRE_ISOLATED_NETWORK(); }
    void cleanup() { fixture.reset(); }

    void eachLevelShowsItsControls_data();
    void eachLevelShowsItsControls();
    void passwordDialogAsksUntilARightCode();
    void ctrlAOnlyWithDebug_data();
    void ctrlAOnlyWithDebug();

private:
    MainWindow *window();
    std::unique_ptr<WindowFixture> fixture;
};

MainWindow *TstMainWindowModes::window()
{
    if (!fixture)
        fixture = std::make_unique<WindowFixture>();
    return fixture->window;
}

void TstMainWindowModes::eachLevelShowsItsControls_data()
{
    QTest::addColumn<int>("mode");
    // btnSettings, Load_Demo, Device_Identification, Test_Hardware, Calibrate_Device, Test_Synchronization,
    // all sounds
    QTest::addColumn<QList<bool>>("shown");
    QTest::newRow("operator") << 0 << QList<bool>{false, false, false, false, false, false, false};
    QTest::newRow("level 1") << 1 << QList<bool>{true, true, true, true, false, false, false};
    QTest::newRow("level 2") << 2 << QList<bool>{true, true, true, true, true, true, true};
}

void TstMainWindowModes::eachLevelShowsItsControls()
{
    QFETCH(int, mode);
    QFETCH(QList<bool>, shown);
    QSignalSpy toggled(window(), &MainWindow::toggle_application_mode);
    window()->OnToggleApplicationMode(PossibleModes(mode));
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(toggled.at(0).at(0).value<PossibleModes>(), PossibleModes(mode));
    QCOMPARE(window()->accessLevel(), mode);
    const QList<bool> found{!part<QWidget>(window(), "btnSettings")->isHidden(),
                            part<QAction>(window(), "action_Load_Demo")->isVisible(),
                            part<QAction>(window(), "actionDevice_Identification")->isVisible(),
                            part<QAction>(window(), "action_Test_Hardware")->isVisible(),
                            part<QAction>(window(), "action_Calibrate_Device")->isVisible(),
                            part<QAction>(window(), "action_Test_Synchronization")->isVisible(),
                            !window()->laneLayoutWidget()->allSoundsButton()->isHidden()};
    QCOMPARE(found, shown);
    QVERIFY(part<QWidget>(window(), "btnBroadcastIdle")->isHidden());
}

void TstMainWindowModes::passwordDialogAsksUntilARightCode()
{
    ModalAnswerer answerer;
    answerer.answer(QDialogButtonBox::Ok, "kd"); // wrong
    answerer.answer(QDialogButtonBox::Ok);       // the "incorrect" box
    answerer.answer(QDialogButtonBox::Ok, "velk3826");
    part<QAction>(window(), "action_Admin")->trigger();
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(window()->applicationMode(), ModeAdministratorFull);
    QCOMPARE(answerer.seen.size(), 3);
    QCOMPARE(answerer.seen[0].title, kTitle + ": Administrator");
    QCOMPARE(answerer.seen[0].text, QString("Please enter administrator password:"));
    QCOMPARE(answerer.seen[1].title, QString("Administrator password"));
    QCOMPARE(answerer.seen[1].text, QString("The administrator password is incorrect"));
    QCOMPARE(answerer.seen[2].title, kTitle + ": Administrator");
    // the level-2 code again returns to the operator
    answerer.answer(QDialogButtonBox::Ok, "velk3826");
    part<QAction>(window(), "action_Admin")->trigger();
    QCOMPARE(window()->applicationMode(), ModeOperator);
    // Cancel keeps the mode, whatever was typed
    QSignalSpy toggled(window(), &MainWindow::toggle_application_mode);
    answerer.answer(QDialogButtonBox::Cancel, "kd4");
    part<QAction>(window(), "action_Admin")->trigger();
    QCOMPARE(answerer.seen.size(), 5);
    QCOMPARE(toggled.count(), 0);
}

void TstMainWindowModes::ctrlAOnlyWithDebug_data()
{
    QTest::addColumn<bool>("debug");
    QTest::newRow("debug") << true;
    QTest::newRow("no debug") << false;
}

void TstMainWindowModes::ctrlAOnlyWithDebug()
{
    QFETCH(bool, debug);
    ProjectSettings settings = QuellorApp::Instance()->projectSettings();
    settings.debug = debug;
    QuellorApp::Instance()->setProjectSettings(settings);
    auto *admin = part<QAction>(window(), "action_Admin");
    QCOMPARE(admin->isVisible(), debug);
    window()->show();
    QVERIFY(QTest::qWaitForWindowActive(window()));
    ModalAnswerer answerer;
    if (debug)
        answerer.answer(QDialogButtonBox::Cancel);
    QSignalSpy triggered(admin, &QAction::triggered);
    QTest::keyClick(window(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(triggered.count(), debug ? 1 : 0);
    QCOMPARE(answerer.seen.size(), debug ? 1 : 0);
}

// ---------------------------------------------------------------------------------------------------

class TstMainWindowColours : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QUELLOR_REQUIRE_ISOLATED_NETWORK();
        fixture = std::make_unique<WindowFixture>();
    }
    void cleanup() { fixture.reset(); }

    void dialogSwitchesThemeAndSlidersRestyle();

private:
    // Runs the Layout action; the check sees the dialog while it is open, then OK closes it.
    void withColourDialog(const std::function<void(ColorSetDlg *)> &check);
    std::unique_ptr<WindowFixture> fixture;
};

void TstMainWindowColours::withColourDialog(const std::function<void(ColorSetDlg *)> &check)
{
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<ColorSetDlg *>(QApplication::activeModalWidget());
        seen = dialog != nullptr;
        if (!dialog)
            return;
        check(dialog);
        dialog->findChild<QPushButton *>("btnOK")->click();
    });
    part<QAction>(fixture->window, "action_Layout")->trigger();
    QVERIFY(seen);
}

void TstMainWindowColours::dialogSwitchesThemeAndSlidersRestyle()
{
    // the family the theme's Arial is drawn in, whether the system has Arial or a stand-in
    const QString arialInUse = QFontInfo(QFont("Arial")).family();
    const QString other = arialInUse == "DejaVu Sans" ? "Liberation Serif" : "DejaVu Sans";
    withColourDialog([&](ColorSetDlg *dialog) {
        QCOMPARE(dialog->windowTitle(), kTitle + ": Layout");
        auto *themes = dialog->findChild<QComboBox *>("cmbStyleTheme");
        QCOMPARE(themes->currentText(), QString("modern"));
        QVERIFY(QFontDatabase::families(QFontDatabase::Latin).contains(arialInUse));
        QCOMPARE(dialog->fontsComboBox()->currentText(), arialInUse);
        // a family picked for "modern" shows again when the theme is chosen again
        dialog->fontsComboBox()->setCurrentText(other);
        themes->setCurrentIndex(2); // desert: font 235, background 0, 0, 75
        QCOMPARE(dialog->fontsComboBox()->currentText(), arialInUse);
        const QList<QSlider *> sliders{dialog->fontSizeSlider(),      dialog->fontWeightSlider(),
                                       dialog->fontRedSlider(),       dialog->fontBlueSlider(),
                                       dialog->backgroundRedSlider(), dialog->backgroundBlueSlider()};
        QList<int> values;
        for (const QSlider *slider : sliders)
            values << slider->value();
        QCOMPARE(values, (QList<int>{18, 900, 235, 235, 0, 75}));
        QCOMPARE(dialog->findChild<QLabel *>("lblBackgroundBlueValue")->text(), QString("75"));
        QCOMPARE(dialog->findChild<QLabel *>("lblFontRedValue")->text(), QString("235"));
        QVERIFY(
            qApp->styleSheet().startsWith("* {font-family: Arial; font-size: 18px; font-weight: 900; "
                                          "color: rgb(235, 235, 235); background-color : rgb(0, 0, 75);}"));
        // a moving slider restyles the whole application at once
        dialog->fontSizeSlider()->setValue(24);
        QVERIFY(qApp->styleSheet().startsWith("* {font-family: Arial; font-size: 24px;"));
        themes->setCurrentIndex(3);
        QCOMPARE(dialog->fontsComboBox()->currentText(), other);
        themes->setCurrentIndex(2);
    });
    QCOMPARE(fixture->window->styleThemes().at(3).fontFamily, other);
    QCOMPARE(fixture->window->styleThemeIndex(), 2);
    QCOMPARE(fixture->window->currentStyle().fontSize, 24);
}

// ---------------------------------------------------------------------------------------------------

class TstMainWindowExit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void exitAsksOnceAndPowersDown_data();
    void exitAsksOnceAndPowersDown();

private:
    // Gives the window the simulator's devices, as building the lanes does, and waits until they answer.
    bool attachSimulator(DeviceSimulator &sim);

    std::unique_ptr<WindowFixture> fixture;
};

void TstMainWindowExit::init()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    ProjectSettings settings = QuellorApp::Instance()->projectSettings();
    settings.raceNumber = 7;
    QuellorApp::Instance()->setProjectSettings(settings);
    fixture = std::make_unique<WindowFixture>();
    s_messages.clear();
}

void TstMainWindowExit::cleanup()
{
    if (!fixture)
        return;
    const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
    fixture.reset();
    qInstallMessageHandler(previous);
    QVERIFY2(!s_messages.join('\n').contains("Destroyed while thread"), qPrintable(s_messages.join('\n')));
}

bool TstMainWindowExit::attachSimulator(DeviceSimulator &sim)
{
    attachSimulatorToWindow(fixture->window, sim);
    return QTest::qWaitFor([&] { return fixture->window->chosenSet().anyDeviceReachable(); }, kWaitMs);
}

void TstMainWindowExit::exitAsksOnceAndPowersDown_data()
{
    QTest::addColumn<bool>("devices");
    QTest::addColumn<QDialogButtonBox::StandardButton>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QStringList>("powerDowns");
    QTest::newRow("no device answers") << false << QDialogButtonBox::NoButton << 0 << QStringList();
    QTest::newRow("devices, No") << true << QDialogButtonBox::No << 1 << QStringList();
    QTest::newRow("devices, Yes") << true << QDialogButtonBox::Yes << 1 << QStringList{"all", "coordinator"};
}

void TstMainWindowExit::exitAsksOnceAndPowersDown()
{
    QFETCH(bool, devices);
    QFETCH(QDialogButtonBox::StandardButton, answer);
    QFETCH(int, questions);
    QFETCH(QStringList, powerDowns);
    SimScenario scenario = SimScenario::standard(2);
    scenario.autoStartDelayMs = -1;
    DeviceSimulator sim(scenario);
    if (devices) {
        if (!sim.start())
            QSKIP("no pseudo-terminal");
        QVERIFY(attachSimulator(sim));
    }
    QStringList received;
    connect(&sim, &DeviceSimulator::requestReceived, this, [&](const SimRequest &request) {
        if (request.frame.command == 0x0F)
            received << (request.frame.mac == simBroadcastMac() ? "all" : "coordinator");
    });
    ModalAnswerer answerer;
    if (questions > 0)
        answerer.answer(answer);
    fixture->window->close();
    QCOMPARE(answerer.seen.size(), questions);
    if (questions > 0) {
        QCOMPARE(answerer.seen[0].title, kTitle + ": Shutdown all devices");
        QCOMPARE(answerer.seen[0].text, QString("Do you want to shutdown all devices?"));
    }
    QCOMPARE(AppTestEnvironment::fileEntries().value("General/race_nr"), QString("7"));
    QVERIFY(!fixture->window->serialComThread()->isRunning());

    // quitting closes the window once more: nothing is asked or stored again
    AppTestEnvironment::storeValue("general", "race_nr", 99);
    answerer.answer(QDialogButtonBox::Yes);
    fixture->window->close();
    QCOMPARE(answerer.seen.size(), questions);
    QCOMPARE(AppTestEnvironment::fileEntries().value("General/race_nr"), QString("99"));

    // the frames left the port before exit returned: they arrive after the window and its port are gone
    cleanup();
    QTRY_COMPARE_WITH_TIMEOUT(received, powerDowns, kWaitMs);
}

int main(int argc, char **argv)
{
    AppTestEnvironment environment;
    if (!environment.isValid())
        return 1;
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    TstMainWindowForm form;
    TstMainWindowLanguages languages;
    TstMainWindowModes modes;
    TstMainWindowColours colours;
    TstMainWindowExit exit;
    int failed = 0;
    for (QObject *test : std::initializer_list<QObject *>{&form, &languages, &modes, &colours, &exit})
        failed += QTest::qExec(test, argc, argv);
    return failed;
}

#include "tst_mainwindow.moc"
