// The main window itself, offscreen: its form against the table of widgets, actions and menus, the
// language menu and switching, the application modes, the colour dialog, and exit against the device
// simulator on a pseudo-terminal.
#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
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
#include "sim/devicesimulator.h"
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
    void init() { fixture = std::make_unique<WindowFixture>(); }
    void cleanup() { fixture.reset(); }

    void accessorGivesTheOneWindow();
    void widgetsHaveTheirTexts_data();
    void widgetsHaveTheirTexts();
    void actionsHaveTheirTextsShortcutsAndIcons_data();
    void actionsHaveTheirTextsShortcutsAndIcons();
    void menusListTheirActions_data();
    void menusListTheirActions();
    void layoutHoldsTheLiveViewAndTheLanes();
    void toggleButtonHidesAndShowsTheRaceInfo();

private:
    std::unique_ptr<WindowFixture> fixture;
};

void TstMainWindowForm::accessorGivesTheOneWindow()
{
    QCOMPARE(MainWindow::instance(), fixture->window);
    QCOMPARE(fixture->window->objectName(), QString("MainWindow"));
    QCOMPARE(fixture->window->windowTitle(), kTitle);
    QCOMPARE(fixture->window->size(), QSize(1038, 678));
    QCOMPARE(fixture->window->broadcastDevice()->GetMacAddress().toUpper(), QString("FF:FF:FF:FF:FF:FF"));
    QVERIFY(fixture->window->serialComThread()->isRunning());
    QVERIFY(!fixture->window->coordinator());
    QCOMPARE(fixture->window->styleThemeIndex(), 3);
    QCOMPARE(qApp->styleSheet(), composeStyleSheets(StyleThemes::defaults().at(3)).application);
    QCOMPARE(fixture->window->eventsDirectory(), QDir::home().filePath("Events"));
    QVERIFY(QFileInfo(fixture->window->eventsDirectory()).isDir());
}

void TstMainWindowForm::widgetsHaveTheirTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("shortcut");
    QTest::newRow("lblServer") << "lblServer"
                               << "Server:"
                               << ""
                               << "";
    QTest::newRow("lblCompetition") << "lblCompetition"
                                    << "Competition:"
                                    << ""
                                    << "";
    QTest::newRow("lblRaceName") << "lblRaceName"
                                 << "Race:"
                                 << ""
                                 << "";
    QTest::newRow("btnServersRefresh") << "btnServersRefresh"
                                       << ""
                                       << ""
                                       << "";
    QTest::newRow("btnCompetitionsRefresh") << "btnCompetitionsRefresh"
                                            << ""
                                            << ""
                                            << "";
    QTest::newRow("btnEventsRefresh") << "btnEventsRefresh"
                                      << ""
                                      << ""
                                      << "";
    QTest::newRow("btnToggleSettings") << "btnToggleSettings"
                                       << ""
                                       << "Show or hide the race info"
                                       << "Alt+H";
    QTest::newRow("btnBroadcastIdle") << "btnBroadcastIdle"
                                      << "Idle"
                                      << "Set all startblocks to idle"
                                      << "";
    QTest::newRow("btnReady") << "btnReady"
                              << "Ready (F5)"
                              << "Set all startblocks to ready"
                              << "F5";
    QTest::newRow("lblRaceHeader") << "lblRaceHeader"
                                   << "Race:"
                                   << ""
                                   << "";
    QTest::newRow("lblHeatHeader") << "lblHeatHeader"
                                   << "Heat:"
                                   << ""
                                   << "";
    QTest::newRow("lblStartHeader") << "lblStartHeader"
                                    << "Start:"
                                    << ""
                                    << "";
    QTest::newRow("btnCommentAdd") << "btnCommentAdd"
                                   << ""
                                   << ""
                                   << "";
    QTest::newRow("lblOperationModeIcon") << "lblOperationModeIcon"
                                          << ""
                                          << ""
                                          << "";
    QTest::newRow("lblResultsSaved") << "lblResultsSaved"
                                     << "Reading Results:"
                                     << ""
                                     << "";
    QTest::newRow("btnSettings") << "btnSettings"
                                 << "Settings"
                                 << "Select common startblock settings"
                                 << "F2";
}

void TstMainWindowForm::widgetsHaveTheirTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QFETCH(QString, shortcut);
    QWidget *widget = part<QWidget>(fixture->window, name);
    QVERIFY(widget);
    QCOMPARE(widget->property("text").toString(), text);
    QCOMPARE(widget->toolTip(), toolTip);
    if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->shortcut(), QKeySequence(shortcut));
}

void TstMainWindowForm::actionsHaveTheirTextsShortcutsAndIcons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("icon");
    QTest::newRow("1") << "actionAbout"
                       << "About"
                       << "" << true;
    QTest::newRow("2") << "actionAbout_Qt"
                       << "About Qt"
                       << "" << true;
    QTest::newRow("3") << "action_Open"
                       << "&Open"
                       << "Ctrl+O" << true;
    QTest::newRow("4") << "action_Load_Demo"
                       << "Load Sound"
                       << "" << true;
    QTest::newRow("5") << "action_Layout"
                       << "&Layout"
                       << "Ctrl+L" << true;
    QTest::newRow("6") << "action_Save"
                       << "&Save"
                       << "Ctrl+S" << true;
    QTest::newRow("7") << "action_Admin"
                       << "&Admin"
                       << "Ctrl+A" << true;
    QTest::newRow("8") << "action_Exit"
                       << "E&xit"
                       << "Ctrl+Q" << true;
    QTest::newRow("9") << "actionKey_assistant"
                       << "Key assistant"
                       << "Ctrl+Shift+L" << true;
    QTest::newRow("10") << "actionSettings"
                        << "Settings"
                        << "" << false;
    QTest::newRow("11") << "action_ProjectProperties"
                        << "&Properties"
                        << "Ctrl+P" << true;
    QTest::newRow("12") << "actionDevice_Identification"
                        << "&Identify Device"
                        << "Ctrl+I" << true;
    QTest::newRow("13") << "actionShutdown_Devices"
                        << "Shut&down Devices"
                        << "Ctrl+D" << false;
    QTest::newRow("14") << "action_RaceCounterReset"
                        << "Reset Race Counter"
                        << "Ctrl+R" << true;
    QTest::newRow("15") << "action_Test_Synchronization"
                        << "Test S&ynchronization"
                        << "Ctrl+Y" << false;
    QTest::newRow("16") << "action_Print"
                        << "&Print"
                        << "" << true;
    QTest::newRow("17") << "action_ShowLiveView"
                        << "Show Live View"
                        << "Alt+L" << false;
    QTest::newRow("18") << "action_Calibrate_Device"
                        << "Calibrate Device"
                        << "" << false;
    QTest::newRow("19") << "action_Test_Hardware"
                        << "Built In Test"
                        << "Ctrl+B" << true;
}

void TstMainWindowForm::actionsHaveTheirTextsShortcutsAndIcons()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, shortcut);
    QFETCH(bool, icon);
    auto *action = part<QAction>(fixture->window, name);
    QVERIFY(action);
    QCOMPARE(action->parent(), fixture->window);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->shortcut(), QKeySequence(shortcut));
    QCOMPARE(!action->icon().isNull(), icon);
    QVERIFY(!action->isCheckable());
}

void TstMainWindowForm::menusListTheirActions_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("File") << 0 << "menuFile"
                          << "&File" << QStringList{"action_Open", "action_Save",  "-", "action_Admin",
                                                    "-",           "action_Print", "-", "action_Exit"};
    QTest::newRow("Setup") << 1 << "menuSetup"
                           << "Setup"
                           << QStringList{"action_ProjectProperties", "actionDevice_Identification",
                                          "action_Test_Hardware",     "action_Test_Synchronization",
                                          "action_Load_Demo",         "action_Calibrate_Device",
                                          "actionShutdown_Devices"};
    QTest::newRow("Window") << 2 << "menuWindow"
                            << "Window"
                            << QStringList{"action_ShowLiveView", "action_Layout", "action_RaceCounterReset"};
    QTest::newRow("Help") << 4 << "menuHelp"
                          << "Help"
                          << QStringList{"actionKey_assistant", "-", "actionAbout", "actionAbout_Qt"};
}

void TstMainWindowForm::menusListTheirActions()
{
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QStringList, entries);
    auto *menuBar = part<QMenuBar>(fixture->window, "menuBar");
    QCOMPARE(menuBar->actions().size(), 5);
    QMenu *menu = menuBar->actions().at(position)->menu();
    QCOMPARE(menu->objectName(), name);
    QCOMPARE(menu->title(), title);
    QStringList found;
    for (QAction *action : menu->actions())
        found << (action->isSeparator() ? QString("-") : action->objectName());
    QCOMPARE(found, entries);
    // "actionSettings" exists but lies in no menu
    QVERIFY(part<QAction>(fixture->window, "actionSettings")->associatedObjects().isEmpty());
}

void TstMainWindowForm::layoutHoldsTheLiveViewAndTheLanes()
{
    MainWindow *window = fixture->window;
    auto *tabs = part<QTabWidget>(window, "tabCentral");
    QCOMPARE(tabs->tabPosition(), QTabWidget::South);
    QVERIFY(tabs->documentMode() && tabs->tabsClosable() && tabs->isMovable());
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->currentWidget()->objectName(), QString("tabLive"));
    QCOMPARE(tabs->tabText(0), QString("Live..."));
    QCOMPARE(part<QGroupBox>(window, "groupSettings")->title(), QString());
    QCOMPARE(part<QLineEdit>(window, "txtHeatInfo")->maximumWidth(), 50);
    QCOMPARE(part<QLineEdit>(window, "txtStartInfo")->maximumWidth(), 40);
    QCOMPARE(part<QProgressBar>(window, "pgbSerialActivity")->maximumSize(), QSize(20, 20));
    QCOMPARE(part<QProgressBar>(window, "pgbResultsSaved")->maximumSize(), QSize(60, 15));
    QCOMPARE(part<QLabel>(window, "lblResultsSaved")->maximumWidth(), 155);
    auto *lanes = part<QVBoxLayout>(window, "layoutStartblockContainter");
    QCOMPARE(lanes->itemAt(0)->widget(), window->laneLayoutWidget());
    QVERIFY(!window->laneLayoutWidget()->allGraphsButton()->isEnabled());
    QVERIFY(!window->laneLayoutWidget()->allSoundsButton()->isEnabled());
    const QStringList focusOrder{"btnReady", "btnToggleSettings", "btnSettings", "btnBroadcastIdle",
                                 "tabCentral"};
    for (int i = 0; i + 1 < focusOrder.size(); ++i)
        QCOMPARE(part<QWidget>(window, focusOrder[i])->nextInFocusChain()->objectName(), focusOrder[i + 1]);
}

void TstMainWindowForm::toggleButtonHidesAndShowsTheRaceInfo()
{
    auto *toggle = part<QPushButton>(fixture->window, "btnToggleSettings");
    auto *group = part<QGroupBox>(fixture->window, "groupSettings");
    const QStyle *style = fixture->window->style();
    QCOMPARE(toggle->icon().cacheKey() != 0, true);
    toggle->click();
    QVERIFY(group->isHidden());
    QCOMPARE(toggle->icon().pixmap(16).toImage(),
             style->standardIcon(QStyle::SP_ArrowDown).pixmap(16).toImage());
    toggle->click();
    QVERIFY(!group->isHidden());
    QCOMPARE(toggle->icon().pixmap(16).toImage(),
             style->standardIcon(QStyle::SP_ArrowUp).pixmap(16).toImage());
}

// ---------------------------------------------------------------------------------------------------

class TstMainWindowLanguages : public QObject
{
    Q_OBJECT

private slots:
    void init() { fixture = std::make_unique<WindowFixture>(); }
    void cleanup() { fixture.reset(); }

    void menuListsTheShippedLanguages();
    void choosingALanguageRelabelsTheWindow_data();
    void choosingALanguageRelabelsTheWindow();
    void missingTranslationKeepsBuiltInTexts();

private:
    QAction *languageAction(const QString &name) const;
    std::unique_ptr<WindowFixture> fixture;
};

QAction *TstMainWindowLanguages::languageAction(const QString &name) const
{
    for (QAction *action : part<QMenu>(fixture->window, "menuLanguage")->actions()) {
        if (action->text() == name)
            return action;
    }
    return nullptr;
}

void TstMainWindowLanguages::menuListsTheShippedLanguages()
{
    const QList<QAction *> actions = part<QMenu>(fixture->window, "menuLanguage")->actions();
    QStringList names;
    QStringList data;
    for (const QAction *action : actions) {
        names << action->text();
        data << action->data().toString();
        QVERIFY(action->isCheckable());
        QVERIFY(!action->icon().isNull());
    }
    QCOMPARE(names, (QStringList{"Deutsch", "Nederlands"}));
    QCOMPARE(data, (QStringList{"de_Deutsch", "nl_Nederlands"}));
}

void TstMainWindowLanguages::choosingALanguageRelabelsTheWindow_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QStringList>("texts"); // menuFile, action_Open, btnReady, lblServer, all graphs, tab 0
    QTest::newRow("German") << "Deutsch"
                            << "de_Deutsch" << QStringList{"&Datei",  "Ö&ffnen",      "Bereit (F5)",
                                                           "Server:", "Alle Graphen", "Live..."};
    QTest::newRow("Dutch") << "Nederlands"
                           << "nl_Nederlands" << QStringList{"&Bestand", "&Openen",        "Gereed (F5)",
                                                             "Server:",  "Alle grafieken", "Live..."};
}

void TstMainWindowLanguages::choosingALanguageRelabelsTheWindow()
{
    QFETCH(QString, language);
    QFETCH(QString, data);
    QFETCH(QStringList, texts);
    MainWindow *window = fixture->window;
    languageAction(language)->trigger();
    // the toolkit posts the language change to every window
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(window->currentLanguage(), data);
    QCOMPARE(QuellorApp::Instance()->GetSetting("general", "language").toString(), data);
    const QStringList shown{part<QMenu>(window, "menuFile")->title(), part<QAction>(window, "action_Open")->text(),
                            part<QPushButton>(window, "btnReady")->text(), part<QLabel>(window, "lblServer")->text(),
                            window->laneLayoutWidget()->allGraphsButton()->text(),
                            part<QTabWidget>(window, "tabCentral")->tabText(0)};
    QCOMPARE(shown, texts);
    QCOMPARE(part<QAction>(window, "action_Open")->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(part<QMenu>(window, "menuLanguage")->actions().size(), 2);
    // the language already loaded is not loaded again
    part<QAction>(window, "action_Open")->setText("unchanged");
    languageAction(language)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(part<QAction>(window, "action_Open")->text(), QString("unchanged"));
}

void TstMainWindowLanguages::missingTranslationKeepsBuiltInTexts()
{
    languageAction("Deutsch")->trigger();
    fixture->window->LoadLanguage("xx_Nowhere");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(part<QAction>(fixture->window, "action_Open")->text(), QString("&Open"));
    QCOMPARE(fixture->window->currentLanguage(), QString("xx_Nowhere"));
}

// ---------------------------------------------------------------------------------------------------

class TstMainWindowModes : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { fixture.reset(); }

    void eachLevelShowsItsControls_data();
    void eachLevelShowsItsControls();
    void passwordDialogAsksUntilARightCode();
    void cancelKeepsTheMode();
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
}

void TstMainWindowModes::cancelKeepsTheMode()
{
    window()->OnToggleApplicationMode(ModeAdministrator);
    ModalAnswerer answerer;
    answerer.answer(QDialogButtonBox::Cancel, "velk3826");
    QSignalSpy toggled(window(), &MainWindow::toggle_application_mode);
    part<QAction>(window(), "action_Admin")->trigger();
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(window()->applicationMode(), ModeAdministrator);
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
    void init() { fixture = std::make_unique<WindowFixture>(); }
    void cleanup() { fixture.reset(); }

    void dialogSwitchesThemeAndMovesSliders();
    void sliderRestylesTheWholeApplication();

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

void TstMainWindowColours::dialogSwitchesThemeAndMovesSliders()
{
    withColourDialog([](ColorSetDlg *dialog) {
        QCOMPARE(dialog->windowTitle(), kTitle + ": Layout");
        auto *themes = dialog->findChild<QComboBox *>("cmbStyleTheme");
        QCOMPARE(themes->currentText(), QString("modern"));
        const bool hasArial = QFontDatabase::families(QFontDatabase::Latin).contains("Arial");
        QCOMPARE(dialog->fontsComboBox()->currentIndex() >= 0, hasArial);
        themes->setCurrentIndex(2); // desert: font 235, background 0, 0, 75
        const QList<QSlider *> sliders{dialog->fontSizeSlider(),      dialog->fontWeightSlider(),
                                       dialog->fontRedSlider(),       dialog->fontBlueSlider(),
                                       dialog->backgroundRedSlider(), dialog->backgroundBlueSlider()};
        QList<int> values;
        for (const QSlider *slider : sliders)
            values << slider->value();
        QCOMPARE(values, (QList<int>{18, 900, 235, 235, 0, 75}));
        QCOMPARE(dialog->findChild<QLabel *>("lblBackgroundBlueValue")->text(), QString("75"));
        QCOMPARE(dialog->findChild<QLabel *>("lblFontRedValue")->text(), QString("235"));
    });
    QCOMPARE(fixture->window->styleThemeIndex(), 2);
    QVERIFY(qApp->styleSheet().startsWith("* {font-family: Arial; font-size: 18px; font-weight: 900; "
                                          "color: rgb(235, 235, 235); background-color : rgb(0, 0, 75);}"));
}

void TstMainWindowColours::sliderRestylesTheWholeApplication()
{
    withColourDialog([](ColorSetDlg *dialog) {
        dialog->fontSizeSlider()->setValue(24);
        QVERIFY(qApp->styleSheet().startsWith("* {font-family: Arial; font-size: 24px;"));
        dialog->backgroundRedSlider()->setValue(10);
        QVERIFY(qApp->styleSheet().contains("background-color : rgb(10, 216, 216);}"));
    });
    QCOMPARE(fixture->window->currentStyle().fontSize, 24);
    QCOMPARE(fixture->window->currentStyle().backgroundColour.red, 10);
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
    StartBlockSetGroup set;
    set.coordinator = std::make_unique<CCoordinator>();
    set.coordinator->SetMacAddress(simMacText(sim.scenario().coordinatorMac));
    for (const SimLaneScenario &lane : sim.scenario().lanes) {
        set.blocks.push_back(std::make_unique<CStartBlock>());
        set.blocks.back()->SetMacAddress(simMacText(lane.mac));
        set.blocks.back()->setLane(lane.lane);
    }
    MainWindow *window = fixture->window;
    window->chosenSet().adopt(std::move(set));
    CSerialComThread *serial = window->serialComThread();
    serial->setCoordinator(window->coordinator());
    for (CStartBlock *block : window->startBlocks())
        serial->appendStartBlock(block);
    serial->OpenPort(sim.devicePath() + " [Quellor simulator]", CSerialComThread::kBaudWired);
    return QTest::qWaitFor([&] { return window->chosenSet().anyDeviceReachable(); }, kWaitMs);
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
