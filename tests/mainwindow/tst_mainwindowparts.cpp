// The main window's plain parts, without a window: the style sheets of each theme, the translations
// found beside the program, the key assistant's rows, the administrator input and the devices worth
// powering down on exit.
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include "core/projectsettings.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "mainwindow/applicationmodes.h"
#include "mainwindow/chosenset.h"
#include "mainwindow/keyassistanttablemodel.h"
#include "mainwindow/languagecatalog.h"
#include "mainwindow/programpaths.h"
#include "mainwindow/stylesheets.h"
#include "testlanguage.h"
#include "views/stylesettings.h"

class TstMainWindowParts : public QObject
{
    Q_OBJECT

private slots:
    void defaultThemeSheetsAreExact();
    void everyThemeFillsItsColours_data();
    void everyThemeFillsItsColours();
    void translationFilesNameTheirLanguages_data();
    void translationFilesNameTheirLanguages();
    void keyAssistantEscapeRowReadsInTheLanguage_data();
    void keyAssistantEscapeRowReadsInTheLanguage();
    void textsNameTheControlsAsTheyRead_data();
    void textsNameTheControlsAsTheyRead();
    void administratorInputChangesMode_data();
    void administratorInputChangesMode();
    void onlyAnsweringDevicesAreWorthAQuestion_data();
    void onlyAnsweringDevicesAreWorthAQuestion();
    void programFilesLieBesideTheProgram();
};

void TstMainWindowParts::defaultThemeSheetsAreExact()
{
    const QList<StyleSettings> themes = StyleThemes::defaults();
    QCOMPARE(themes.size(), 4);
    QCOMPARE(StyleThemes::kDefaultThemeIndex, 3);
    const ThemeStyleSheets sheets = composeStyleSheets(themes[3]);
    const QString expected =
        "* {font-family: Arial; font-size: 18px; font-weight: 900; color: rgb(25, 25, 25); background-color "
        ": "
        "rgb(216, 216, 216);}"
        "QPushButton {padding: 2px; margin: 0px; border-radius: 11px; border: 2px solid white; "
        "background-color: "
        "rgb(186,186,186);} QPushButton:hover{background-color: rgb(156, 156, 156);} "
        "QPushButton:pressed{background-color: rgb(126, 126, 126);} "
        "QPushButton:disabled{background-color: rgb(216,216,216);}"
        "QPushButton#btnReady, QPushButton#btnBroadcastIdle { padding: 2px; margin: 0px; border-radius: "
        "11px; "
        "border: 2px solid white; background-color: rgb(186,186,186);} QPushButton#btnReady:hover, "
        "QPushButton#btnBroadcastIdle:hover{background-color: rgb(156, 156, 156);} "
        "QPushButton#btnReady:pressed, "
        "QPushButton#btnBroadcastIdle:pressed{background-color: rgb(126, 126, 126);} "
        "QPushButton#btnReady:disabled, QPushButton#btnBroadcastIdle:disabled{color: white; "
        "background-color: rgb(192,0,0);}"
        "QMenu::item{ background-color: rgb(186, 186, 186);} QMenu::item:selected { background-color: "
        "rgb(126, "
        "126, 126);} QMenuBar::item:selected {background-color:rgb(126, 126, 126);}"
        "QProgressBar {margin: 0px; padding: 0px; border: 2px solid white;} QProgressBar::chunk { "
        "background-color: rgb(0, 192, 20);}"
        "CoordinatorMeasurementWidget{ background-color: rgb(126, 126, 126);}"
        "QLineEdit{ border: 1px solid white;}"
        "QSlider::groove:horizontal { background: white; border: 1px solid #999999; height: 8px; background: "
        "yellow; margin: 0px 0; } QSlider::handle:horizontal { background: white; border: 1px solid #5c5c5c; "
        "width: 18px; margin: -2px 0; border-radius: 3px; }"
        "QSlider::sub-page:horizontal {background: rgb(186, 186, 186); }"
        "QSlider::add-page:horizontal {background: rgb(156, 156, 156); }";
    QCOMPARE(sheets.application, expected);
    QCOMPARE(sheets.window,
             QString("QComboBox:hover, QComboBox:on { background-color: rgb(156, 156, 156);}"));
    QCOMPARE(sheets.coordinatorLabel, QString("background-color:rgb(126, 126, 126);"));
}

void TstMainWindowParts::everyThemeFillsItsColours_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("everything");
    QTest::addColumn<QString>("comboHover");
    QTest::addColumn<QString>("coordinatorLabel");
    QTest::newRow("0") << 0 << "light grey"
                       << "color: rgb(240, 240, 240); background-color : rgb(25, 25, 25);}"
                       << "rgb(105, 105, 105);}"
                       << "background-color:rgb(145, 145, 145);";
    QTest::newRow("1") << 1 << "aqua"
                       << "color: rgb(128, 70, 27); background-color : rgb(240, 220, 130);}"
                       << "rgb(180, 160, 70);}"
                       << "background-color:rgb(150, 130, 50);";
    QTest::newRow("2") << 2 << "desert"
                       << "color: rgb(235, 235, 235); background-color : rgb(0, 0, 75);}"
                       << "rgb(40, 40, 225);}"
                       << "background-color:rgb(60, 60, 215);";
    QTest::newRow("3") << 3 << "modern"
                       << "color: rgb(25, 25, 25); background-color : rgb(216, 216, 216);}"
                       << "rgb(156, 156, 156);}"
                       << "background-color:rgb(126, 126, 126);";
}

void TstMainWindowParts::everyThemeFillsItsColours()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, everything);
    QFETCH(QString, comboHover);
    QFETCH(QString, coordinatorLabel);
    QCOMPARE(StyleThemes::names().at(index), name);
    const ThemeStyleSheets sheets = composeStyleSheets(StyleThemes::defaults().at(index));
    QVERIFY(sheets.application.startsWith("* {font-family: Arial; font-size: 18px; font-weight: 900; " +
                                          everything));
    QVERIFY(sheets.window.endsWith(comboHover));
    QCOMPARE(sheets.coordinatorLabel, coordinatorLabel);
    // a disabled Ready or Idle button is white on dark red in every theme
    QVERIFY(sheets.application.contains("QPushButton#btnBroadcastIdle:disabled{color: white; "
                                        "background-color: rgb(192,0,0);}"));
}

void TstMainWindowParts::translationFilesNameTheirLanguages_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("entries"); // data|code|name
    QTest::newRow("none") << QStringList() << QStringList();
    QTest::newRow("shipped") << QStringList{"quellor_nl_Nederlands.qm", "quellor_de_Deutsch.qm"}
                             << QStringList{"de_Deutsch|de|Deutsch", "nl_Nederlands|nl|Nederlands"};
    QTest::newRow("code only") << QStringList{"quellor_fr.qm"} << QStringList{"fr|fr|fr"};
    QTest::newRow("name with underscore")
        << QStringList{"quellor_pt_Portugues_BR.qm"} << QStringList{"pt_Portugues_BR|pt|Portugues_BR"};
    QTest::newRow("other files") << QStringList{"other_de_Deutsch.qm", "quellor_de_Deutsch.ts", "quellor.qm"}
                                 << QStringList();
}

void TstMainWindowParts::translationFilesNameTheirLanguages()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, entries);
    QTemporaryDir dir;
    for (const QString &file : files) {
        QFile f(dir.filePath(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QStringList found;
    for (const LanguageEntry &entry : LanguageCatalog::entriesIn(dir.path()))
        found << entry.data + '|' + entry.code + '|' + entry.name;
    QCOMPARE(found, entries);
    if (QTest::currentDataTag() == QByteArray("shipped")) {
        // LoadLanguage's file: by code and name, or the first of a bare code
        QCOMPARE(LanguageCatalog::translationFile(dir.path(), "nl_Nederlands"), dir.filePath(files[0]));
        QCOMPARE(LanguageCatalog::translationFile(dir.path(), "de"), dir.filePath(files[1]));
        QCOMPARE(LanguageCatalog::translationFile(dir.path(), "fr"), dir.filePath("quellor_fr.qm"));
    }
    QCOMPARE(LanguageCatalog::systemLanguageCode(QLocale("de_BE")), QString("de"));
    QCOMPARE(LanguageCatalog::systemLanguageCode(QLocale::c()), QString("C"));
}

void TstMainWindowParts::keyAssistantEscapeRowReadsInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("command");
    QTest::newRow("English") << QString() << "Deselect athlete";
    QTest::newRow("German") << "de_Deutsch"
                            << "Athletenauswahl aufheben";
    QTest::newRow("Dutch") << "nl_Nederlands"
                           << "Atleet deselecteren";
}

// The row of Escape, the first the key assistant lists.
void TstMainWindowParts::keyAssistantEscapeRowReadsInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, command);
    const Language translation(language);
    QCOMPARE(translation.loaded(), !language.isEmpty());
    const KeyAssistantTableModel rows;
    QStringList escape;
    for (int row = 0; row < rows.rowCount(); ++row) {
        const QModelIndex keys = rows.index(row, KeyAssistantTableModel::ColumnShortcut);
        if (keys.data(KeyAssistantTableModel::KeysRole).value<QKeySequence>() == QKeySequence(Qt::Key_Escape))
            escape << rows.index(row, KeyAssistantTableModel::ColumnCommand).data().toString();
    }
    QCOMPARE(escape, QStringList(command));
}

void TstMainWindowParts::textsNameTheControlsAsTheyRead_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("controls"); // "context|source" of each control the text names
    const QString start = "Press Start to start calibration procedure";
    const QString closes = "Cancel closes the window.";
    const QString builtIn = "Press test button to start built in test";
    const QString sync = "Press test button to start synchronization test";
    const QString reconnect =
        "Once the coordinator is connected again, open Properties and press OK to reconnect it.";
    const QStringList calibrationStart{"CalibrateDeviceDialog|Start"};
    const QStringList calibrationCancel{"CalibrateDeviceDialog|Cancel"};
    const QStringList testButton{"TestHardwareDlg|Test"};
    const QStringList syncButtons{"TestSynchronisationDlg|Single Test", "TestSynchronisationDlg|Repeat Test"};
    const QStringList properties{"MainWindow|&Properties", "ProjectSettingsDlg|OK"};
    QTest::newRow("de calibration") << "de_Deutsch"
                                    << "CalibrateDeviceDialog" << start
                                    << "Starten drücken, um die Kalibrierung zu beginnen" << calibrationStart;
    QTest::newRow("de calibration finished")
        << "de_Deutsch"
        << "CalibrateDeviceDialog" << closes << "Abbrechen schließt das Fenster." << calibrationCancel;
    QTest::newRow("de built-in test")
        << "de_Deutsch"
        << "TestHardwareDlg" << builtIn << "Test drücken, um den Selbsttest zu starten" << testButton;
    QTest::newRow("de synchronisation test")
        << "de_Deutsch"
        << "TestSynchronisationDlg" << sync
        << "Einzeltest oder Dauertest drücken, um den Synchronisationstest zu starten" << syncButtons;
    QTest::newRow("de reconnect")
        << "de_Deutsch"
        << "MainWindow" << reconnect
        << "Sobald die Zentraleinheit wieder angeschlossen ist, öffnen Sie „Eigenschaften“ "
           "und klicken Sie auf OK, um die Verbindung wiederherzustellen."
        << properties;
    QTest::newRow("nl calibration") << "nl_Nederlands"
                                    << "CalibrateDeviceDialog" << start
                                    << "Druk op Start om de kalibratie te beginnen" << calibrationStart;
    QTest::newRow("nl calibration finished")
        << "nl_Nederlands"
        << "CalibrateDeviceDialog" << closes << "Annuleren sluit het venster." << calibrationCancel;
    QTest::newRow("nl built-in test")
        << "nl_Nederlands"
        << "TestHardwareDlg" << builtIn << "Druk op Test om de zelftest te starten" << testButton;
    QTest::newRow("nl synchronisation test")
        << "nl_Nederlands"
        << "TestSynchronisationDlg" << sync
        << "Druk op Eenmalige test of Doorlopende test om de synchronisatietest te starten" << syncButtons;
    QTest::newRow("nl reconnect")
        << "nl_Nederlands"
        << "MainWindow" << reconnect
        << "Zodra de centrale eenheid weer is aangesloten, opent u 'Eigenschappen' en "
           "klikt u op OK om de verbinding te herstellen."
        << properties;
}

// A text that tells the official to press a button or pick an entry names it as the control reads.
void TstMainWindowParts::textsNameTheControlsAsTheyRead()
{
    QFETCH(QString, language);
    QFETCH(QString, context);
    QFETCH(QString, source);
    const Language translation(language);
    QVERIFY(translation.loaded());
    const QString text = QCoreApplication::translate(qPrintable(context), qPrintable(source));
    QTEST(text, "text");
    QFETCH(QStringList, controls);
    for (const QString &control : controls) {
        const QString shown = QCoreApplication::translate(qPrintable(control.section('|', 0, 0)),
                                                          qPrintable(control.section('|', 1)))
                                  .remove(u'&');
        QVERIFY2(text.contains(shown), qPrintable(shown));
    }
}

void TstMainWindowParts::administratorInputChangesMode_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("to"); // -1: refused, asked again
    QTest::newRow("0 level-1 code") << 0 << "kd4" << 1;
    QTest::newRow("0 level-2 code") << 0 << "velk3826" << 2;
    QTest::newRow("0 other text") << 0 << "kd" << -1;
    QTest::newRow("0 empty") << 0 << "" << -1;
    QTest::newRow("0 other case") << 0 << "KD4" << -1;
    QTest::newRow("1 level-2 code") << 1 << "velk3826" << 2;
    QTest::newRow("1 level-1 code") << 1 << "kd4" << 0;
    QTest::newRow("1 empty") << 1 << "" << 0;
    QTest::newRow("2 level-1 code") << 2 << "kd4" << 1;
    QTest::newRow("2 level-2 code") << 2 << "velk3826" << 0;
    QTest::newRow("2 other text") << 2 << "x" << 0;
}

void TstMainWindowParts::administratorInputChangesMode()
{
    QFETCH(int, from);
    QFETCH(QString, text);
    QFETCH(int, to);
    const std::optional<PossibleModes> mode = ApplicationModes::modeAfterInput(PossibleModes(from), text);
    QCOMPARE(mode ? int(*mode) : -1, to);
}

void TstMainWindowParts::onlyAnsweringDevicesAreWorthAQuestion_data()
{
    QTest::addColumn<bool>("withCoordinator");
    QTest::addColumn<int>("coordinatorLink");
    QTest::addColumn<QList<int>>("blockLinks");
    QTest::addColumn<bool>("reachable");
    QTest::newRow("empty set") << false << 0 << QList<int>{} << false;
    QTest::newRow("no coordinator, block answers") << false << 0 << QList<int>{LinkLost, LinkGood} << true;
    QTest::newRow("no coordinator, none answers") << false << 0 << QList<int>{LinkLost, LinkUnknown} << false;
    QTest::newRow("coordinator answers") << true << int(LinkGood) << QList<int>{LinkLost} << true;
    QTest::newRow("too few requests to tell") << true << int(LinkUnknown) << QList<int>{LinkUnknown} << false;
}

void TstMainWindowParts::onlyAnsweringDevicesAreWorthAQuestion()
{
    QFETCH(bool, withCoordinator);
    QFETCH(int, coordinatorLink);
    QFETCH(QList<int>, blockLinks);
    QFETCH(bool, reachable);
    StartBlockSetGroup set;
    if (withCoordinator)
        set.coordinator = std::make_unique<CCoordinator>();
    for (int i = 0; i < blockLinks.size(); ++i)
        set.blocks.push_back(std::make_unique<CStartBlock>());
    ChosenSet chosen;
    chosen.adopt(std::move(set));
    QCOMPARE(chosen.startBlocks().size(), blockLinks.size());
    QCOMPARE(chosen.measurements().size(), blockLinks.size());
    for (int i = 0; i < blockLinks.size(); ++i) {
        QCOMPARE(chosen.startBlocks()[i]->measurement(), chosen.measurements()[i]);
        chosen.measurements()[i]->SetMeasurementsStatus(blockLinks[i]);
    }
    if (withCoordinator)
        chosen.coordinator()->SetMeasurementsStatus(coordinatorLink);
    QCOMPARE(chosen.anyDeviceReachable(), reachable);
    chosen.clear();
    QVERIFY(!chosen.coordinator());
    QVERIFY(!chosen.anyDeviceReachable());
}

void TstMainWindowParts::programFilesLieBesideTheProgram()
{
    const QString folder = QCoreApplication::applicationDirPath();
    QCOMPARE(ProgramPaths::languagesFolder(), folder + "/languages");
    QCOMPARE(ProgramPaths::raceLogPath(), folder + "/tst_mainwindowparts_debug.log");
    QVERIFY(!ProgramPaths::raceLogPath().contains('\\'));
}

QTEST_GUILESS_MAIN(TstMainWindowParts)
#include "tst_mainwindowparts.moc"
