// Every text fits its widget in English, German and Dutch, in the theme's font (Arial, which fontconfig
// maps to Liberation Sans): the main window with ten live lanes after a race against the device simulator,
// a measurement tab, each dialog and the key assistant, opened as the operator opens them; the status bar's
// notes on a 1280 px screen and every GPS start time; and the ticket's translated labels fit its 24
// columns. The catalogues keep no English word an official found. Builds the main window, which
// broadcasts: inside the private network namespace only.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QXmlStreamReader>

#include "../core/apptestenvironment.h"
#include "core/quellorapp.h"
#include "core/sharedconstants.h"
#include "devices/cstartblock.h"
#include "dialogs/calibratedevicedialog.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/tabselectordlg.h"
#include "outputs/printobject.h"
#include "outputs/printrecord.h"
#include "outputs/printjobs.h"
#include "sim/devicesimulator.h"
#include "sim/raceautomation.h"
#include "sim/simulatorsettings.h"
#include "sim/startupautomation.h"
#include "testnetwork.h"
#include "textfitcheck.h"
#include "views/coordinatormeasurementwidget.h"
#include "views/notelabel.h"
#include "views/opentabwidget.h"
#include "views/startblockmeasurementwidget.h"

namespace
{

constexpr int kWaitMs = 60000;
constexpr int kLanes = 10;
constexpr int kFalseStartMs = 60;
constexpr int kDesktopWidth = 1920; // the stock desktop the program meets
constexpr int kDesktopHeight = 1080;

template<typename T = QObject>
T *part(QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

void click(QWidget *parent, const char *name)
{
    part<QAbstractButton>(parent, name)->click();
}

void trigger(MainWindow *window, const char *action)
{
    part<QAction>(window, action)->trigger();
}

// The window of that class once it is shown; null while there is none.
QWidget *shownWindow(const QString &className)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->inherits(qPrintable(className)))
            return widget;
    }
    return nullptr;
}

// Acts on the window of that class once it is shown, polling from the event loop while context lives.
void whenShown(QObject *context, const QString &className, const std::function<void(QWidget *)> &act)
{
    QTimer::singleShot(10, context, [context, className, act] {
        if (QWidget *shown = shownWindow(className))
            act(shown);
        else
            whenShown(context, className, act);
    });
}

// for a look at what was checked: QUELLOR_TEXTFIT_PICTURES=<folder> saves each window there
void savePicture(QWidget *shown)
{
    const QString name = QString(QTest::currentDataTag()).replace(QRegularExpression("[^a-z0-9]+"), "-");
    shown->grab().save(QDir(qEnvironmentVariable("QUELLOR_TEXTFIT_PICTURES")).filePath(name + ".png"));
}

QString translated(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source);
}

// Where a label draws its one-line text, in its parent's coordinates: placed by its alignment inside
// its contents and margin, and cut at its own edges.
std::pair<int, int> drawnTextSpan(const QLabel *label)
{
    const QRect room = label->contentsRect().adjusted(label->margin(), 0, -label->margin(), 0);
    const int width = TextFit::widthOf(label->font(), label->text());
    int left = room.left();
    if (label->alignment() & Qt::AlignHCenter)
        left = room.left() + (room.width() - width) / 2;
    else if (label->alignment() & Qt::AlignRight)
        left = room.right() + 1 - width;
    const int from = std::max(left, 0);
    const int to = std::min(left + width, label->width());
    return {label->x() + from, label->x() + to};
}

} // namespace

class TstTextFit : public QObject
{
    Q_OBJECT

public:
    // How a window is opened (it returns once a modal one is closed again) and, once checked, closed.
    struct Opening {
        QString className;
        std::function<void(MainWindow *)> open;
        std::function<void(QWidget *)> prepare; // brings the widest text into view
        std::function<void(MainWindow *, QWidget *)> close;
    };

private slots:
    void initTestCase();
    void cleanupTestCase();

    void ticketFitsItsColumns_data();
    void ticketFitsItsColumns();
    // before Ready clears the race's signals
    void laneInfoStaysApartFromSignal_data();
    void laneInfoStaysApartFromSignal();
    void propertiesShowTheirPaths();
    void textsFitTheirWidgets_data();
    void textsFitTheirWidgets();
    void statusNotesShowTheirStart_data();
    void statusNotesShowTheirStart();
    void startTimesShowWhole_data();
    void startTimesShowWhole();
    void setManagerNamesTheCentralUnitInTheLanguage_data();
    void setManagerNamesTheCentralUnitInTheLanguage();
    void cataloguesKeepNoEnglishLeftovers_data();
    void cataloguesKeepNoEnglishLeftovers();
    // last: OK applies the settings again
    void propertiesGiveTheFocusBack();

private:
    void useLanguage(const QString &language);
    bool runRace();
    // Checks the window the opening shows and closes it again.
    QStringList cutTextsOf(const Opening &opening, const std::function<QStringList(QWidget *)> &alsoCut = {});

    std::unique_ptr<DeviceSimulator> sim;
    QTemporaryDir results;
    MainWindow *window = nullptr;
};
Q_DECLARE_METATYPE(TstTextFit::Opening)

void TstTextFit::initTestCase()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    QVERIFY(results.isValid());
    SimScenario scenario = SimScenario::standard(kLanes);
    scenario.autoStartDelayMs = 300;
    scenario.identifyResponderLane = 3;
    sim = std::make_unique<DeviceSimulator>(scenario);
    if (!sim->start())
        QSKIP("no pseudo-terminal");
    AppTestEnvironment::writeFile(SimulatorSettings::iniText(
        SimulatorSettings::forSimulator(scenario, sim->devicePath(), "Sim", results.path())));
    QuellorApp::Instance()->SyncSettings();
    QuellorApp::Instance()->LoadSettings();
    window = MainWindow::instance();
    window->ApplyProjectSettings(false, true);
    // every column and button shown
    window->OnToggleApplicationMode(ModeAdministratorFull);
    window->resize(kDesktopWidth, kDesktopHeight);
    window->show();
    QVERIFY(QTest::qWaitFor([this] { return StartupAutomation::lanesLive(*window); }, kWaitMs));
    QCOMPARE(window->laneRows().size(), kLanes);
    // athletes of a heat, as the meet server simulator's sample meet gives them
    const QStringList clubs = {"Harbour Athletics", "Northgate Runners", "Valley Sprint Club",
                               "Riverside AC"};
    for (int i = 0; i < kLanes; ++i) {
        CStartBlock *block = window->startBlocks().at(i);
        block->SetParticipantId(QString::number(101 + i));
        block->SetParticipantName(QStringLiteral("LINDQVIST Elias %1").arg(i + 1));
        block->SetParticipantInfo(clubs.at(i % clubs.size()));
    }
    // the theme's family, as the stock desktop resolves it
    const QFont themeFont = part<QLabel>(window, "lblResultsSaved")->font();
    QCOMPARE(themeFont.family(), QString("Arial"));
    QCOMPARE(QFontInfo(themeFont).family(), QString("Liberation Sans"));
    QVERIFY(runRace());
}

void TstTextFit::cleanupTestCase()
{
    delete window;
    sim.reset();
}

void TstTextFit::useLanguage(const QString &language)
{
    if (window->currentLanguage() == language)
        return;
    window->LoadLanguage(language);
    // the toolkit posts the change to every window
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::processEvents();
}

// One race with a false start in lane 2, run as the starter runs it: the rows show their reactions, the
// signals and "Results Saved", and the ticket has an OK and a FALSE line.
bool TstTextFit::runRace()
{
    RaceAutomation race(window, sim.get(), {{QStringLiteral("false start"), {{1, kFalseStartMs}}}});
    QSignalSpy finished(&race, &RaceAutomation::finished);
    race.start();
    return finished.wait(kWaitMs) || !finished.isEmpty();
}

QStringList TstTextFit::cutTextsOf(const Opening &opening,
                                   const std::function<QStringList(QWidget *)> &alsoCut)
{
    QStringList cuts;
    bool checked = false;
    QObject polling; // ends the polling with this call
    whenShown(&polling, opening.className, [&](QWidget *shown) {
        if (opening.prepare)
            opening.prepare(shown);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        cuts = TextFit::cutTexts(shown);
        if (alsoCut)
            cuts << alsoCut(shown);
        checked = true;
        if (!qEnvironmentVariableIsEmpty("QUELLOR_TEXTFIT_PICTURES"))
            savePicture(shown);
        if (opening.close)
            opening.close(window, shown);
        else if (auto *dialog = qobject_cast<QDialog *>(shown))
            dialog->reject();
    });
    opening.open(window);
    if (!QTest::qWaitFor([&] { return checked; }, kWaitMs))
        cuts << opening.className + " was not shown";
    return cuts;
}

namespace
{

const QStringList kLanguages = {"en_English", "de_Deutsch", "nl_Nederlands"};

// Opened by a button of the second lane's row.
TstTextFit::Opening laneDialog(const char *className, const char *button)
{
    return {className, [button](MainWindow *w) { click(w->laneRows().at(1), button); }, {}, {}};
}

TstTextFit::Opening coordinatorDialog(const char *className, const char *button)
{
    return {className, [button](MainWindow *w) { click(w->coordinatorRow(), button); }, {}, {}};
}

TstTextFit::Opening actionDialog(const char *className, const char *action)
{
    return {className, [action](MainWindow *w) { trigger(w, action); }, {}, {}};
}

// One lane (lane 2, which false-started) and the coordinator stand in for all of them.
QList<std::pair<QString, TstTextFit::Opening>> openings()
{
    const auto leaveOpen = [](MainWindow *, QWidget *) {};
    const auto showLiveView = [](MainWindow *w, QWidget *) {
        part<QTabWidget>(w, "tabCentral")->setCurrentIndex(0);
    };
    return {
        {"main window", {"MainWindow", [](MainWindow *) {}, {}, leaveOpen}},
        {"measurement tab",
         {"MainWindow",
          [](MainWindow *w) {
              const QDir folder(w->generalSettings().resultsDir);
              const QStringList files = folder.entryList({"*.vq2"}, QDir::Files, QDir::Time);
              if (!files.isEmpty())
                  w->OpenMeasurementFile(folder.filePath(files.first()));
          },
          {},
          showLiveView}},
        {"project settings", actionDialog("ProjectSettingsDlg", "action_ProjectProperties")},
        {"start-block sets",
         {"AddStartBlockSetDlg",
          [](MainWindow *w) {
              whenShown(w, "ProjectSettingsDlg", [](QWidget *settings) {
                  click(settings, "btnManageSet");
                  qobject_cast<QDialog *>(settings)->reject();
              });
              trigger(w, "action_ProjectProperties");
          },
          {},
          {}}},
        {"lane info", laneDialog("StartBlockInfoDlg", "btnInfo")},
        {"lane measurements", laneDialog("StartBlockMeasurementsStatusDlg", "btnMeasurements")},
        {"lane log", laneDialog("LoggingDlg", "btnLogging")},
        {"lane graph", laneDialog("MeasurementGraphDlg", "btnGraph")},
        {"lane sound graph", laneDialog("MeasurementSoundGraphDlg", "btnSoundGraph")},
        {"coordinator info", coordinatorDialog("CoordinatorInfoDlg", "btnInfo")},
        {"coordinator measurements",
         coordinatorDialog("CoordinatorMeasurementsStatusDlg", "btnMeasurementsStatus")},
        {"coordinator log", coordinatorDialog("LoggingDlg", "btnLogging")},
        {"spectrum", coordinatorDialog("Spectrumdlg", "btnSpectrum")},
        {"start times", coordinatorDialog("StartTimeDlg", "btnNrStarts")},
        {"common settings",
         {"StartBlocksCommonSettingsDlg", [](MainWindow *w) { click(w, "btnSettings"); }, {}, {}}},
        {"load sound", actionDialog("LoadSampleDlg", "action_Load_Demo")},
        {"shutdown devices", actionDialog("LoadSampleDlg", "actionShutdown_Devices")},
        {"hardware test",
         {"TestHardwareDlg",
          [](MainWindow *w) { trigger(w, "action_Test_Hardware"); },
          [](QWidget *dialog) {
              auto *delay = part<QSlider>(dialog, "hslStartDelay");
              delay->setValue(delay->maximum());
              // the widest step, which the test writes there once it runs
              part<QLabel>(dialog, "lblAction")
                  ->setText(translated("TestHardwareDlg", "Broadcast ready to starting module %1").arg(255));
          },
          {}}},
        {"synchronisation test", actionDialog("TestSynchronisationDlg", "action_Test_Synchronization")},
        {"calibration",
         {"CalibrateDeviceDialog",
          [](MainWindow *w) { trigger(w, "action_Calibrate_Device"); },
          [](QWidget *dialog) {
              qobject_cast<CalibrateDeviceDialog *>(dialog)->OnCalibrationRequestAckReceived();
          },
          {}}},
        {"busy notice",
         {"BusyIndicatorDlg",
          [](MainWindow *w) {
              w->ShowBusy(false, SharedConstants::translatedGlobal(SharedConstants::kBusySynchronisation));
          },
          {},
          [](MainWindow *w, QWidget *) { w->ShowBusy(true, QString()); }}},
        {"key assistant", actionDialog("KeyAssistantDlg", "actionKey_assistant")},
        {"layout", actionDialog("ColorSetDlg", "action_Layout")},
        {"identification", actionDialog("DeviceIdentificationDlg", "actionDevice_Identification")},
        {"tab selector",
         {"TabSelectorDlg",
          [](MainWindow *w) {
              auto *selector = new TabSelectorDlg(w);
              selector->setAttribute(Qt::WA_DeleteOnClose);
              selector->SetTabNames({part<QTabWidget>(w, "tabCentral")->tabText(0), "race_1_h1_s1"});
              selector->SetTabs();
              selector->show();
          },
          {},
          [](MainWindow *, QWidget *selector) { selector->close(); }}},
    };
}

// The window after Ready: "Reading Results:", the lanes ready.
TstTextFit::Opening armed()
{
    return {"MainWindow",
            [](MainWindow *w) { w->OnBroadcastReadyClicked(); },
            {},
            [](MainWindow *w, QWidget *) { w->OnBroadcastIdleClicked(); }};
}

} // namespace

void TstTextFit::textsFitTheirWidgets_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<Opening>("opening");
    for (const QString &language : kLanguages) {
        for (const auto &[name, opening] : openings())
            QTest::newRow(qPrintable(language.left(2) + ": " + name)) << language << opening;
    }
    // last: Ready clears the race's reactions and graphs
    for (const QString &language : kLanguages)
        QTest::newRow(qPrintable(language.left(2) + ": main window armed")) << language << armed();
}

void TstTextFit::textsFitTheirWidgets()
{
    QFETCH(QString, language);
    QFETCH(Opening, opening);
    useLanguage(language);
    const QStringList cuts = cutTextsOf(opening);
    QVERIFY2(cuts.isEmpty(), qPrintable("\n" + cuts.join('\n')));
}

// Properties opened from the menu, on its "System" tab, is as wide as the port and the results folder
// need, as at start-up: turning to "Application" shows both whole and widens nothing.
void TstTextFit::propertiesShowTheirPaths()
{
    useLanguage(kLanguages.first());
    int openedWidth = 0;
    const Opening opening = {"ProjectSettingsDlg",
                             [](MainWindow *w) { trigger(w, "action_ProjectProperties"); },
                             [&](QWidget *dialog) {
                                 auto *tabs = part<QTabWidget>(dialog, "tabWidget");
                                 QCOMPARE(tabs->currentIndex(), 1);
                                 openedWidth = dialog->width();
                                 tabs->setCurrentIndex(0);
                             },
                             {}};
    QString resultsDir;
    QString port;
    int shownWidth = 0;
    const QStringList cuts = cutTextsOf(opening, [&](QWidget *dialog) {
        shownWidth = dialog->width();
        const auto *field = part<QLineEdit>(dialog, "txtResultsDir");
        resultsDir = field->text();
        port = part<QComboBox>(dialog, "cmbCOM")->currentText();
        const auto option = WidgetWidths::styleOption<QLineEdit, QStyleOptionFrame>(field);
        const QRect room = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
        constexpr int kLineEditMargins = 2 * 2 + 1; // the edit's own margins and its cursor
        if (TextFit::widthOf(field->font(), field->text()) > room.width() - kLineEditMargins)
            return QStringList{
                QStringLiteral("txtResultsDir '%1' is cut at %2 px").arg(field->text()).arg(room.width())};
        return QStringList();
    });
    QCOMPARE(resultsDir, window->generalSettings().resultsDir);
    QVERIFY(!port.isEmpty());
    QVERIFY2(cuts.isEmpty(), qPrintable("\n" + cuts.join('\n')));
    QCOMPARE(openedWidth, shownWidth);
}

namespace
{

constexpr int kSmallScreenWidth = 1280;
// the status bar's own margins and spacing, and its size grip, are not the notes'
constexpr int kStatusBarOverhead = 48;
constexpr int kNoteLanes = 8;

QString separatedNotes(const QStringList &notes)
{
    return notes.join(QStringLiteral("   "));
}

// The given-up note of a race that lost both graphs of these lanes, in the window's words.
QString givenUpNote(int lanes)
{
    QStringList notes;
    for (int lane = 1; lane <= lanes; ++lane) {
        notes << translated("MainWindow", "No reaction graph from lane %1: the race is saved without it")
                     .arg(lane)
              << translated("MainWindow", "No sound graph from lane %1: the race is saved without it")
                     .arg(lane);
    }
    return separatedNotes(notes);
}

// The failed-post note of a final whose eight lanes and heat notice never got through.
QString postsNote()
{
    QStringList what;
    for (int lane = 1; lane <= kNoteLanes; ++lane)
        what << translated("MainWindow", "lane %1").arg(lane);
    what << translated("MainWindow", "the heat's notice");
    const QString heat = translated("Heat", "%1 (%2 - heat %3)").arg("100 m Men", "Final", "1");
    const QString race = translated("MainWindow", "%1, heat %2, start %3").arg(heat).arg(1).arg(1);
    return translated("MainWindow", "Not received by the meet server: %1 of %2")
        .arg(what.join(QStringLiteral(", ")), race);
}

void settleLayouts()
{
    // a field's new text lays out its row, then the status bar, then the window
    for (int round = 0; round < 4; ++round)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

} // namespace

void TstTextFit::statusNotesShowTheirStart_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("givenUpLanes");
    for (const QString &language : kLanguages) {
        QTest::newRow(qPrintable(language.left(2) + ": every graph of 8 lanes, 8 lanes not received"))
            << language << kNoteLanes;
    }
    QTest::newRow("en: one lane's graphs, 8 lanes not received") << kLanguages.first() << 1;
}

// On a 1280 px screen the status bar's notes share its width: each lies inside the bar, none is narrower
// than an equal share unless its whole text needs less, and each shows its whole text or its start and
// "…", with the whole text in its tooltip.
void TstTextFit::statusNotesShowTheirStart()
{
    QFETCH(QString, language);
    QFETCH(int, givenUpLanes);
    useLanguage(language);
    part<QTabWidget>(window, "tabCentral")->setCurrentIndex(0);
    window->resize(kSmallScreenWidth, kDesktopHeight);
    const QList<std::pair<const char *, QString>> notes = {{"lblGivenUpGraphs", givenUpNote(givenUpLanes)},
                                                           {"lblPostsMissing", postsNote()}};
    QList<QLabel *> fields;
    for (const auto &[name, text] : notes) {
        QLabel *field = window->statusField(QLatin1String(name));
        field->setText(text);
        field->show();
        fields << field;
    }
    settleLayouts();
    const QStatusBar *bar = window->statusBar();
    QTRY_COMPARE(bar->width(), kSmallScreenWidth);
    settleLayouts();

    const int equalShare = (bar->width() - kStatusBarOverhead) / int(fields.size());
    // side by side, from left to right, in whatever order the fields were made
    QList<QLabel *> leftToRight = fields;
    std::sort(leftToRight.begin(), leftToRight.end(), [bar](const QLabel *a, const QLabel *b) {
        return a->mapTo(bar, QPoint()).x() < b->mapTo(bar, QPoint()).x();
    });
    int previousRight = -1;
    for (const QLabel *field : std::as_const(leftToRight)) {
        const QRect place(field->mapTo(bar, QPoint(0, 0)), field->size());
        const QString where =
            QStringLiteral("%1 at %2..%3").arg(field->objectName()).arg(place.left()).arg(place.right());
        QVERIFY2(place.left() > previousRight && place.right() < bar->width(), qPrintable(where));
        previousRight = place.right();
        const int need = TextFit::widthOf(field->font(), field->text()) + 2 * field->margin();
        QVERIFY2(
            field->contentsRect().width() >= std::min(need, equalShare),
            qPrintable(where +
                       QStringLiteral(": needs %1 px, an equal share is %2 px").arg(need).arg(equalShare)));
        TextFit::Checker checker;
        checker.widget(field);
        QVERIFY2(checker.cuts.isEmpty(), qPrintable(checker.cuts.join('\n')));
        // the pointer over a cut note shows all of it
        const auto *note = qobject_cast<const NoteLabel *>(field);
        QVERIFY(note);
        if (note->shownText() == field->text())
            continue;
        QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(const_cast<QLabel *>(field), &hover);
        QTRY_COMPARE(QToolTip::text(), field->text());
        QToolTip::hideText();
    }
    if (!qEnvironmentVariableIsEmpty("QUELLOR_TEXTFIT_PICTURES"))
        savePicture(window);
    for (QLabel *field : std::as_const(fields)) {
        field->clear();
        field->hide();
    }
    window->resize(kDesktopWidth, kDesktopHeight);
}

void TstTextFit::startTimesShowWhole_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : kLanguages)
        QTest::newRow(qPrintable(language.left(2))) << language;
}

// The coordinator's GPS start times, opened from its row: every time whole, beside the widest heading.
void TstTextFit::startTimesShowWhole()
{
    QFETCH(QString, language);
    useLanguage(language);
    // starts 5, 6 and 7, two of them in one second, and start 12 a day later
    QByteArray starts = QByteArray::fromHex("010405000000 02046553f100 030400000005"
                                            "010406000000 02046553f100 030400000002"
                                            "010407000000 02046553f101 030400000000"
                                            "01040c000000 0204655542a1 0304000a2c2b");
    window->coordinator()->SetNewStart(quint16(starts.size()),
                                       reinterpret_cast<unsigned char *>(starts.data()));
    int rows = 0;
    const Opening opening = coordinatorDialog("StartTimeDlg", "btnNrStarts");
    const QStringList cuts = cutTextsOf(opening, [&rows](QWidget *dialog) {
        const auto *list = part<QTableView>(dialog, "tblStartTimeList");
        rows = list->model()->rowCount();
        TextFit::Checker checker;
        checker.cells(list);
        return checker.cuts;
    });
    QVERIFY2(rows >= 4, qPrintable(QString::number(rows)));
    QVERIFY2(cuts.isEmpty(), qPrintable("\n" + cuts.join('\n')));
}

void TstTextFit::setManagerNamesTheCentralUnitInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("mark");
    QTest::newRow("en") << kLanguages.at(0) << "CU";
    QTest::newRow("de") << kLanguages.at(1) << "ZE";
    QTest::newRow("nl") << kLanguages.at(2) << "CE";
}

// The set manager's table marks the coordinator's row with the short name the rest of the program uses.
void TstTextFit::setManagerNamesTheCentralUnitInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, mark);
    useLanguage(language);
    const QString serial = window->coordinator()->GetMacAddress();
    QStringList lanes;
    Opening opening;
    for (const auto &[name, each] : openings()) {
        if (name == QLatin1String("start-block sets"))
            opening = each;
    }
    QCOMPARE(opening.className, QString("AddStartBlockSetDlg"));
    opening.prepare = [&](QWidget *dialog) {
        auto *sets = part<QListView>(dialog, "lstSets");
        QTest::mouseClick(sets->viewport(), Qt::LeftButton, {},
                          sets->visualRect(sets->model()->index(0, 0)).center());
        const QAbstractItemModel *table = part<QTableView>(dialog, "tblBlocks")->model();
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->index(row, 1).data().toString().compare(serial, Qt::CaseInsensitive) == 0)
                lanes << table->index(row, 0).data().toString();
        }
    };
    const QStringList cuts = cutTextsOf(opening);
    QCOMPARE(lanes, QStringList{mark});
    QVERIFY2(cuts.isEmpty(), qPrintable("\n" + cuts.join('\n')));
}

void TstTextFit::cataloguesKeepNoEnglishLeftovers_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<QString>("word");
    for (const QString &language : kLanguages.mid(1)) {
        for (const char *word : {"Resync", "CU"})
            QTest::newRow(qPrintable(language.left(2) + ": " + word)) << language << word;
    }
}

// No translation keeps the English words an official found in German and Dutch.
void TstTextFit::cataloguesKeepNoEnglishLeftovers()
{
    QFETCH(QString, catalogue);
    QFETCH(QString, word);
    QFile file(QStringLiteral(QUELLOR_TRANSLATIONS_DIR "/quellor_%1.ts").arg(catalogue));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QRegularExpression english(QStringLiteral("\\b%1\\b").arg(word));
    QXmlStreamReader ts(&file);
    QString context;
    QString source;
    int sources = 0;
    QStringList leftovers;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (ts.name() == QLatin1String("name"))
            context = ts.readElementText();
        else if (ts.name() == QLatin1String("source"))
            source = ts.readElementText();
        else if (ts.name() == QLatin1String("translation")) {
            const QString translation = ts.readElementText();
            sources += source.contains(english) ? 1 : 0;
            if (translation.contains(english))
                leftovers << context + ": " + source + " -> " + translation;
        }
    }
    QVERIFY2(!ts.hasError(), qPrintable(ts.errorString()));
    QVERIFY(sources > 0);
    QVERIFY2(leftovers.isEmpty(), qPrintable("\n" + leftovers.join('\n')));
}

void TstTextFit::laneInfoStaysApartFromSignal_data()
{
    QTest::addColumn<bool>("live");
    QTest::addColumn<int>("highlighted");
    QTest::newRow("live view") << true << int(MainWindow::kNoLaneSelected);
    QTest::newRow("live view, lane 1 highlighted") << true << 0;
    QTest::newRow("measurement tab") << false << int(MainWindow::kNoLaneSelected);
}

// A long club name and a four-digit signal are told apart: a word space at least between them, in the
// live rows and in the rows of an opened file.
void TstTextFit::laneInfoStaysApartFromSignal()
{
    QFETCH(bool, live);
    QFETCH(int, highlighted);
    useLanguage(kLanguages.first());
    // the highlighted row wears the theme's style sheet, which sets its own margins
    window->setSelectedLane(quint8(highlighted));
    window->ApplyColourStyleSheets();
    auto *tabs = part<QTabWidget>(window, "tabCentral");
    QList<StartBlockMeasurementWidget *> rows = window->laneRows();
    if (!live) {
        const QDir folder(window->generalSettings().resultsDir);
        const QStringList files = folder.entryList({"*.vq2"}, QDir::Files, QDir::Time);
        QVERIFY(!files.isEmpty());
        const OpenTabWidget *tab = window->OpenMeasurementFile(folder.filePath(files.first()));
        QVERIFY(tab);
        rows = tab->displayedRows();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(rows.size(), kLanes);
    if (highlighted < kLanes)
        QVERIFY(!rows.at(highlighted)->styleSheet().isEmpty());
    for (const StartBlockMeasurementWidget *row : rows) {
        const auto *info = row->findChild<QLabel *>("lblAthleteInfo");
        const auto *signal = row->findChild<QLabel *>("lblSignal");
        QVERIFY(info->isVisible() && !info->text().isEmpty() && !signal->text().isEmpty());
        const int gap = drawnTextSpan(signal).first - drawnTextSpan(info).second;
        const int space = TextFit::widthOf(info->font(), " ");
        QVERIFY2(gap >= space, qPrintable(QStringLiteral("'%1' and '%2' are %3 px apart, a space is %4 px")
                                              .arg(info->text(), signal->text())
                                              .arg(gap)
                                              .arg(space)));
    }
    if (!live)
        window->OnTabCloseRequested(tabs->currentIndex());
    tabs->setCurrentIndex(0);
    window->setSelectedLane(MainWindow::kNoLaneSelected);
    window->ApplyColourStyleSheets();
}

// The starter's keys reach the lanes again after Properties: the focus goes back where it was (the window
// itself after Ready), and Up and Down, sent where the focus is, move the lane selection.
void TstTextFit::propertiesGiveTheFocusBack()
{
    useLanguage(kLanguages.first());
    part<QTabWidget>(window, "tabCentral")->setCurrentIndex(0);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), window);
    window->setSelectedLane(MainWindow::kNoLaneSelected);
    bool accepted = false;
    QObject polling;
    whenShown(&polling, "ProjectSettingsDlg", [&](QWidget *dialog) {
        click(dialog, "btnOK");
        accepted = dialog->isHidden();
    });
    trigger(window, "action_ProjectProperties");
    QVERIFY(accepted);
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), window, kWaitMs);
    QList<int> lanes;
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        lanes << window->selectedLane();
    }
    QCOMPARE(lanes, (QList<int>{0, 1, 2, 1}));
}

void TstTextFit::ticketFitsItsColumns_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : kLanguages)
        QTest::newRow(qPrintable(language.left(2))) << language;
}

// The ticket of the race with a false start in lane 2: each line 24 columns, every translated
// label whole, each column heading over its column, and nothing but ASCII, which every ticket printer's
// code page prints.
void TstTextFit::ticketFitsItsColumns()
{
    QFETCH(QString, language);
    useLanguage(language);
    PrintRecord record;
    record.blocks = window->startBlocks();
    record.measurements = PrintJobs::measurementsOf(record.blocks);
    record.raceNumber = 12;
    record.heatNumber = 3;
    record.startNumber = 2;
    record.falseStartLimit = 100;
    record.starterName = "Starter";
    PrintObject ticket(PrinterSerial);
    ticket.setPrinterSettings(&record);
    ticket.createPrintLayout();
    QStringList lines = ticket.layout().mid(1).split('\r');
    lines.removeLast(); // the paper feed
    for (const QString &line : lines)
        QVERIFY2(line.size() == PrintObject::kTicketWidth, qPrintable(line));
    for (const QChar c : ticket.layout())
        QVERIFY2(c.unicode() < 0x80, qPrintable(ticket.layout()));

    const QString sec = translated("PrintObject", "%1sec%2");
    const QList<std::pair<const char *, QString>> head = {
        {"Race number", ":12"},       {"Race name", ": 12.2"},
        {"Heat number", ":3"},        {"IAAF setting", ":" + sec.arg("0,100", "")},
        {"Starter name", ":Starter"}, {"Ready->Start", ":" + sec.arg("-----", "")},
    };
    for (int i = 0; i < head.size(); ++i) {
        const QString label = translated("PrintObject", head.at(i).first);
        QCOMPARE(lines.at(i).trimmed(), label.leftJustified(12) + head.at(i).second);
    }

    // the value columns of a lane line: lane 0-3, state 5-9, signal 11-13, time 15-20
    const QString falseStart = lines.at(9);
    QCOMPARE(falseStart.mid(5, 5).trimmed(), translated("PrintObject", "FALSE"));
    QCOMPARE(lines.at(8).mid(5, 5).trimmed(), translated("PrintObject", "OK"));
    const QList<std::pair<int, int>> columns = {{0, 4}, {5, 10}, {11, 14}, {15, 21}};
    const QString headings = translated("PrintObject", "Lane  OK? Signal Time   ");
    QCOMPARE(lines.at(7), headings.leftJustified(PrintObject::kTicketWidth));
    const QStringList words = headings.split(' ', Qt::SkipEmptyParts);
    QCOMPARE(words.size(), columns.size());
    int from = 0;
    for (int i = 0; i < words.size(); ++i) {
        const int start = int(headings.indexOf(words.at(i), from));
        from = start + int(words.at(i).size());
        const double centre = (start + from) / 2.0;
        QVERIFY2(centre >= columns.at(i).first && centre <= columns.at(i).second,
                 qPrintable(words.at(i) + " stands beside its column"));
        QVERIFY2(from <= columns.last().second, qPrintable(words.at(i) + " runs past the times"));
    }
}

int main(int argc, char **argv)
{
    AppTestEnvironment environment;
    if (!environment.isValid())
        return 1;
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    TstTextFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_textfit.moc"
