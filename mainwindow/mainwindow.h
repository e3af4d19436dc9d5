#pragma once

#include <memory>
#include <optional>

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QTranslator>
#include <QVariant>

#include "core/projectsettings.h"
#include "core/sharedtypes.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "devices/racerun.h"
#include "mainwindow/activitybounce.h"
#include "dialogs/busynotice.h"
#include "dialogs/commonsettingsdistribution.h"
#include "dialogs/deviceidentification.h"
#include "dialogs/loadsampleactions.h"
#include "dialogs/testprocedurehost.h"
#include "dialogs/testprocedurewindows.h"
#include "mainwindow/chosenset.h"
#include "mainwindow/keycommands.h"
#include "mainwindow/keyfilter.h"
#include "mainwindow/meetselection.h"
#include "meet/event.h"
#include "meet/participation.h"
#include "meet/zxconnection.h"
#include "mainwindow/racefiles.h"
#include "mainwindow/racegapsnote.h"
#include "mainwindow/raceidentity.h"
#include "mainwindow/racenumbering.h"
#include "mainwindow/resultpostwatch.h"
#include "mainwindow/settingsdistribution.h"
#include "views/laneorder.h"
#include "views/stylesettings.h"
#include "views/viewhost.h"

class QAction;
class QActionGroup;
class QLabel;
class QCloseEvent;
class QEvent;
class QMessageBox;
class QThread;
class CSerialComThread;
class CoordinatorMeasurementWidget;
class KeyAssistantDlg;
class ProjectSettingsDlg;
class MeasurementGraphWidget;
class MeasurementSoundGraphWidget;
class OpenTabWidget;
class SerialPrinterThread;
class StartBlockMeasurementWidget;
class StartGatewayService;
class StartBlocksLayoutWidget;
class TabSelectorDlg;
struct RaceHeader;

namespace Ui
{
class MainWindow;
}

// The program's one window. It owns the long-lived workers (the serial protocol object, the lane layout
// widget, the keyboard filter), the devices of the chosen set and the colour themes, makes the
// connections between itself and the workers, and sets the look and the language of the application.
// Everything it does runs in the GUI thread; its concerns' logic lives in the plain classes beside it.
class MainWindow : public QMainWindow, public ViewHost, public TestProcedureHost
{
    Q_OBJECT

public:
    // The one main window, created hidden on first use.
    static MainWindow *instance();
    ~MainWindow() override;

    // What the views and dialogs read of the window.
    StyleSettings currentStyle() const override;
    int accessLevel() const override { return m_mode; }
    CSerialComThread *serialComThread() const override { return m_serial; }
    const ProjectSettings &generalSettings() const override { return m_settings; }
    const StartBlockCommonSettings &startBlockSettings() const override { return m_startBlockSettings; }
    QString raceFileName() const override;
    void noteParticipationChosen(int participationStatus) override;
    // DNS or DQ was chosen in a lane since the last Ready.
    bool participationChosenThisRace(int participationStatus) const;

    PossibleModes applicationMode() const { return m_mode; }
    ChosenSet &chosenSet() { return m_chosenSet; }
    CCoordinator *coordinator() const { return m_chosenSet.coordinator(); }
    QList<CStartBlock *> startBlocks() const { return m_chosenSet.startBlocks(); }
    CStartBlock *broadcastDevice() { return &m_broadcast; }
    StartBlockCommonSettings &startBlockCommonSettings() { return m_startBlockSettings; }
    CoordinatorCommonSettings &coordinatorSettings() { return m_coordinatorSettings; }
    StartBlocksLayoutWidget *laneLayoutWidget() const { return m_laneLayout; }
    KeyFilter *keyFilter() const { return m_keyFilter; }
    SerialPrinterThread *serialPrinterThread() const { return m_printer; }
    StartGatewayService *startGateway() const { return m_gateway; }
    QString eventsDirectory() const { return m_eventsDirectory; }
    const QList<StyleSettings> &styleThemes() const { return m_themes; }
    quint8 styleThemeIndex() const { return m_themeIndex; }
    QString currentLanguage() const { return m_currentLanguage; }
    // 0 portrait, 1 landscape, any other value follows the screen.
    int orientation() const { return m_orientation; }

    // The lanes of the chosen set: torn down, then built again from a set name, never edited in place.
    void ClearStartBlockWidgets();
    void SetupStartBlockSet(const QString &setName);
    // The rows of the blocks in the set's order; placeholder rows of empty lanes are not among them.
    QList<StartBlockMeasurementWidget *> laneRows() const { return m_laneRows; }
    CoordinatorMeasurementWidget *coordinatorRow() const { return m_coordinatorRow; }
    // MAC texts of the blocks that were INACTIVE when the lanes were last torn down.
    QStringList inactiveBlocks() const { return m_inactiveBlocks; }
    // Position of the highlighted row in the live view; kNoLaneSelected when none is.
    static constexpr quint8 kNoLaneSelected = 255;
    quint8 selectedLane() const { return m_selectedLane; }
    void setSelectedLane(quint8 lane) { m_selectedLane = lane; }
    void ApplyColourStyleSheets();
    // The meet link and the lists of the meet selection.
    ZXConnection &meetConnection() { return m_meetConnection; }
    MeetSelection &meetSelection() { return m_meet; }
    // After a race whose reaction graphs are in: the lanes' results to the meet server, when a server and
    // a heat are chosen. The start number is the race's.
    void PostResults(quint16 startNumber);

    KeyAssistantDlg *keyAssistant() const;

    // Measurement files opened as tabs, in page order (read from the tab widget, so moved and closed
    // pages never leave a stale entry), and the one shown (null while the live view is).
    OpenTabWidget *OpenMeasurementFile(const QString &path);
    QList<OpenTabWidget *> measurementTabs() const;
    OpenTabWidget *currentMeasurementTab() const;

    // One curve per racing lane of the two parallel lists; null when their lengths differ. The caller
    // owns the panel; printing asks for print mode 1.
    static MeasurementGraphWidget *
    CreateMeasurementGraphWidget(QWidget *parent, const QList<CStartBlock *> &blocks,
                                 const QList<CStartBlockMeasurement *> &measurements, int printMode);
    static MeasurementSoundGraphWidget *
    CreateSoundGraphWidget(QWidget *parent, const QList<CStartBlock *> &blocks,
                           const QList<CStartBlockMeasurement *> &measurements, int printMode);

    void ApplyOrientation(int index);
    void ApplyStyleSheets();

    // Race control, live device events, saving of race results, race log and race text file.
    // The race last readied as its files, log lines, tickets and posts name it; before the first Ready,
    // the race the fields show. A test's run is no race.
    RaceIdentity raceIdentity() const;
    // The run of the race last readied; null before the first.
    RaceRunPointer lastRaceRun() const { return m_lastRace ? m_lastRace->run : nullptr; }
    // The waiting text while the busy notice is up; empty when it is not.
    QString busyNotice() const { return m_busyNotice; }
    // The notice of a lost coordinator port while it is open; null otherwise.
    QMessageBox *linkLostNotice() const;
    // A field of its own at the status bar's end, made once: a status tip never covers it. The fields
    // share the bar's width; a note longer than its share ends in "…", whole in its tooltip.
    QLabel *statusField(const QString &name);
    void UpdateRaceInfo();
    void UpdateWaitingStatus();
    QString BuildRaceFileName() const;
    bool HasResultToPrint() const;
    bool SaveMeasurementFile(const QString &path);
    void LoadLanguage(const QString &code);
    void UpdateModeActions(int mode);

    // Project settings and device actions (mainwindowsettings.cpp).
    // Applies the stored general settings: the lanes, the coordinator's port and what the devices must be
    // told again. settingsChanged: a value the devices hold differs from before.
    void ApplyProjectSettings(bool setsModified, bool settingsChanged);
    // hide true releases the busy notice; otherwise shows it with the text. Ready is enabled exactly on hide.
    void ShowBusy(bool hide, const QString &text);
    void UpdateOperationModeIcon();
    // The set whose lanes were last kept by Properties; compared when the settings are applied again.
    QString lastSetName() const { return m_lastSetName; }
    BusyIndicatorDlg *busyIndicator() const { return m_busy.indicator(); }
    const TestProcedureWindows &testProcedures() const { return m_procedures; }

    // What the test procedures drive: the race commands and the lane rows.
    void broadcastReady() override;
    void broadcastStart() override;
    void broadcastIdle() override;
    QList<CStartBlock *> laneRowBlocks() const override;
    void setLaneRowParticipationStatus(CStartBlock *block, unsigned status) override;

signals:
    void set_status_field_request(unsigned char type, QVariant data, CStartBlock *startBlock);
    void set_status_field_request_coordinator(unsigned char type, QVariant data, CCoordinator *coordinator);
    void set_info_field_request(unsigned char type, QVariant data, CStartBlock *startBlock);
    void set_info_field_request_coordinator(unsigned char type, QVariant data, CCoordinator *coordinator);
    void set_demo_sample_request(unsigned short sampleFrequency, QByteArray *data, QStringList macAddresses);
    void set_powerdown_request(CStartBlock *startBlock);
    void set_powerdown_request_coordinator(CCoordinator *coordinator);
    void set_all_devices_power_down();
    void startblockset_changed();
    void toggle_application_mode(PossibleModes mode);
    void identifier_request(CStartBlock *startBlock);

public slots:
    void OnBtnSettingsClicked();
    void OnOperationModeChanged(OperationMode mode);

    void on_action_Admin_triggered();
    void OnToggleApplicationMode(PossibleModes mode);
    void on_actionKey_assistant_triggered();

    void onServerChanged(int row);
    void onCompetitionChanged(int row);
    void OnEventsCurrentIndexChanged(int);
    void OnBtnServersRefreshClicked();
    void OnBtnCompetitionsRefreshClicked();
    void OnBtnEventsRefreshClicked();
    void OnZXConnectionNewServer(const QHostAddress &host, const QString &name);
    void OnZXConnectionNewCompetition(uint id, const QString &name, const QString &info);
    void OnZXConnectionNewEvent(const Event &event);
    void OnZXConnectionNewParticipation(const Participation &participation);

    void on_action_Layout_triggered();
    void on_actionAbout_Qt_triggered();
    void on_actionAbout_triggered();
    void OnUpdateLaneInSet(QString mac, unsigned char oldLane, unsigned char newLane);

    void on_action_Exit_triggered();
    void on_btnToggleSettings_clicked(bool checked);

    void on_btnReady_clicked(bool checked);
    void OnBroadcastIdleClicked();
    void OnBroadcastReadyClicked();
    void OnUnicastReady(CCoordinator *coordinator, CStartBlock *startblock);
    void OnBroadcastStartClicked();
    void OnCoordinatorNewSetStatusField(unsigned char type, unsigned char length, unsigned char *data);
    void OnRaceInfoTextEdited(QString text);
    void OnHeatInfoTextEdited(QString text);
    void OnStartInfoTextEdited(QString text);
    void on_action_RaceCounterReset_triggered();
    void OnSortByLaneClicked(bool clicked);
    void OnSortByReactionTimeClicked(bool clicked);
    void OnMeasurementNewGraphReceived();
    void OnDataRequestSent(CommandType type);
    void OnSerialPortLost(const QString &port, const QString &reason);
    void OnSerialPortOpened(bool ok);

    void OnStartBlockNewInfoFieldsSet(CStartBlock *startBlock);
    void OnCoordinatorNewInfoFieldsSet(CCoordinator *coordinator);
    void OnParticipationStatusChanged(CStartBlock *startblock);

    void onBtnAllGraphsClicked();
    void onBtnAllSoundsClicked();
    void on_action_ShowLiveView_triggered();

    void OnSaveResultsFile(ResultsDataType type, bool printing_allowed, quint64 run);
    void on_action_Open_triggered();
    void on_action_Save_triggered();
    void on_action_Print_triggered();
    void OnBtnCommentAddClicked();

    void OnTabCloseRequested(int ix);
    void OnItemSelectedKeyPressed(KeyPressed key);
    void slotLanguageChanged(QAction *action);
    void OnFontsComboBoxIndexChanged(QString font);
    void OnFontSizeSliderValueChanged(int value);
    void OnFontWeightSliderValueChanged(int value);
    void OnFontColorRedSliderValueChanged(int value);
    void OnFontColorGreenSliderValueChanged(int value);
    void OnFontColorBlueSliderValueChanged(int value);
    void OnBackgroundColorRedSliderValueChanged(int value);
    void OnBackgroundColorGreenSliderValueChanged(int value);
    void OnBackgroundColorBlueSliderValueChanged(int value);

    void on_action_ProjectProperties_triggered();
    void on_action_Load_Demo_triggered();
    void on_actionShutdown_Devices_triggered();
    void on_actionDevice_Identification_triggered(bool checked);
    void OnHandleIdentifierReply();
    void on_action_Calibrate_Device_triggered();
    void on_action_Test_Hardware_triggered();
    void on_action_Test_Synchronization_triggered();
    void CloseTestSyncDialog();
    void CloseTestHardwareTesterDialog();

protected slots:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    explicit MainWindow(QWidget *parent = nullptr);

    void loadSettingsCopies();
    RacedHeats storedRacedHeats() const;
    void createLaneLayout();
    void createKeyFilter();
    void connectForm();
    void createSerialLink();
    void createRaceOutputs();
    void createEventsDirectory();
    void createMeetSelection();
    void relabelMeetEvent();
    void refreshPostsLabel();
    void CreateLanguageMenu();
    void checkLanguageEntry(const QString &code);
    void keepMenuMnemonicsFree();

    StyleSettings &currentTheme();
    bool askAdministratorMode();
    void storeRaceNumber();
    bool askShutdownAllDevices();
    void takeBackUnstartedReady();
    void waitForPostsAtQuit(bool endNow);
    void tellPostsNotConfirmed();
    QStringList postsNotConfirmed() const;
    void powerDownAllDevices();
    void stopWorkers();

    void addCoordinatorRow(CCoordinator *coordinator);
    void connectStartGateway(CCoordinator *coordinator);
    void addPlaceholderRow(int lane, int position, bool locked = true);
    void placeLaneRows(const QList<LaneOrder::Place> &places, bool placeholdersLocked);
    void addLaneRow(CStartBlock *block, CStartBlockMeasurement *measurement, int position);
    void connectLaneRow(StartBlockMeasurementWidget *row, CStartBlock *block,
                        CStartBlockMeasurement *measurement);
    void removeCoordinatorRow();
    void releaseRequests(QObject *row);
    // keyboard commands
    bool liveViewCurrent() const;
    void previousStart();
    void nextStart();
    StartBlockMeasurementWidget *selectedLiveRow() const;
    quint8 currentSelection() const;
    void setCurrentSelection(quint8 lane);
    void showSelectedLaneGraph();
    void openSelectedLaneParticipation();
    void showSelectedLaneInfo();
    void showSelectedLaneSoundGraph();
    void showSelectedLaneLog();
    void showSelectedLaneMeasurements();
    void openEventsList();
    void focusMainWindow();
    void closeCurrentTab();
    void showTabSelector();
    void selectLaneAbove();
    void selectLaneBelow();
    void deselectLane();
    void selectPreviousEvent();
    void selectNextEvent();
    void pickEventRow(int row);
    void closeKeyAssistant();
    int liveLaneCount() const;
    // race control
    void readyFromAnyTab();
    void closePreviousRace();
    void closeRaceRun();
    std::optional<MeetHeat> chosenHeat() const;
    void rememberRacedHeat(const RaceIdentity &race);
    void storeRacedHeats();
    void broadcastReadyFor(RaceRun::Kind kind);
    void takeRaceRun();
    RaceIdentity identityOfFields() const;
    // none: the run is a test's
    std::optional<RaceIdentity> identityOfRun(quint64 run) const;
    void holdRaceLanes();
    void followFieldsBeforeStart();
    void releaseChosenStatuses();
    void warnOfOldGpsTime();
    bool finishRaceUnderWay();
    void showReadingResults();
    // saving
    RaceHeader raceHeaderOf(const RaceIdentity &race) const;
    RaceSnapshot takeRaceSnapshot(ResultsDataType type, bool printing, const RaceIdentity &race);
    void publishRace(const RaceSnapshot &snapshot, const RaceIdentity &race);
    void saveRace(const RaceSnapshot &race);
    QString freeMeasurementPath(const RaceSnapshot &race);
    bool writeMeasurementFile(const QString &path, const std::optional<QByteArray> &bytes, bool mayReplace);
    void showResultsSaved(ResultsDataType type);
    void enableGraphViews(ResultsDataType type);
    void refreshResultsLabel();
    void labelLinkLostNotice();
    void AppendTabLog(const QString &logPath, const RaceSnapshot &race);
    void WriteRaceTextFile(const QString &path, const RaceSnapshot &race);
    void storeFolder(const char *key, QString &setting, const QString &filePath);
    // what these concerns ask of the lane rows, the graphs, printing, the meet selection, the start
    // gateway and the busy dialog (mainwindowhooks.cpp)
    void showBusyNotice(bool hide, const QString &text);
    void showQuitNotice(const QString &text, const QString &wayOut);
    void setLaneParticipation(CStartBlock *block, int status);
    void clearLaneReaction(CStartBlock *block);
    void relayLanes();
    void printRace(const RaceIdentity &identity, const OpenTabWidget *tab);
    void postRaceResults(const RaceIdentity &race);
    void updateGatewayPanId(const CCoordinator &coordinator);
    void moveToNextMeetEvent();
    // the Race list: the heat shown, picks by hand, refills and the athletes of the heat
    std::optional<ShownHeat> shownHeat() const;
    void onEventActivated(int row);
    void pickShownHeat();
    void beginRefill();
    void onCompetitionsReceived(bool ok);
    void onEventsReceived(uint competitionId, bool ok);
    void endRefill(bool found);
    void onParticipationsReceived(uint heatId, bool ok);
    void keepReadiedLanesWithoutAthletes(const MeetHeat &heat);
    void askMissingAthletes();
    void refreshMeetNotes();

    // project settings and device actions
    void createDeviceActions();
    bool applyLanes(bool setsModified); // true when the lanes were built anew
    void applySerialPort();
    void applyStartGateway();
    void applyProperties(const ProjectSettingsDlg &dialog);
    void restoreFocus(QWidget *previous);

    std::unique_ptr<Ui::MainWindow> ui;
    ChosenSet m_chosenSet;
    CSerialComThread *m_serial = nullptr;                     // child
    SerialPrinterThread *m_printer = nullptr;                 // child
    StartGatewayService *m_gateway = nullptr;                 // child
    CStartBlock m_broadcast;                                  // addresses every block at once
    StartBlocksLayoutWidget *m_laneLayout = nullptr;          // child
    KeyFilter *m_keyFilter = nullptr;                         // child
    QList<StartBlockMeasurementWidget *> m_laneRows;          // children, in the set's order
    CoordinatorMeasurementWidget *m_coordinatorRow = nullptr; // child; null without a coordinator
    QStringList m_inactiveBlocks;
    quint8 m_selectedLane = kNoLaneSelected;
    PossibleModes m_mode = ModeOperator;
    QString m_eventsDirectory;
    ProjectSettings m_settings;
    StartBlockCommonSettings m_startBlockSettings;
    CoordinatorCommonSettings m_coordinatorSettings;
    // project settings and device actions
    QString m_lastSetName;
    BusyNotice m_busy{this};
    CommonSettingsDistribution m_commonSettings{m_startBlockSettings, m_coordinatorSettings, m_busy};
    LoadSampleActions m_sampleActions;
    DeviceIdentification m_identification;
    TestProcedureWindows m_procedures{this, *this};
    bool m_dnsChosen = false;
    bool m_dqChosen = false;
    bool m_resultsSaved = false;
    QList<StyleSettings> m_themes;
    quint8 m_themeIndex = StyleThemes::kDefaultThemeIndex;
    int m_orientation = 2;
    bool m_exitDone = false;
    QActionGroup *m_languageGroup = nullptr; // child
    QTranslator m_translator;
    QTranslator m_toolkitTranslator;
    QString m_currentLanguage;
    QString m_languagesFolder;

    // meet selection; the connection outlives the selection that talks through it
    ZXConnection m_meetConnection{nullptr, true};
    MeetSelection m_meet{m_meetConnection};
    ResultPostWatch m_postWatch; // the results that did not reach the server
    // keyboard commands
    QPointer<KeyAssistantDlg> m_keyAssistant; // child, non-modal
    QPointer<TabSelectorDlg> m_tabSelector;   // child, while it runs
    // race control, live device events, saving
    RaceNumbering m_race;
    // A race's run with what names it; the next Ready closes it from what the run was.
    struct NamedRun {
        RaceRunPointer run;
        RaceIdentity identity;
    };
    std::optional<NamedRun> m_lastRace; // from the first Ready on
    bool m_readyUnderWay = false;       // a Ready waits on a box before its race is readied
    // A refresh refills the lists: the heat chosen stays the next race's until it is found again.
    struct Refill {
        ShownHeat heat;
        quint32 competitionId = 0;
    };
    std::optional<Refill> m_refill;
    int m_rowJustChanged = -1;      // the Race list's row changed in this event, maybe by the official
    bool m_athletesMissing = false; // the shown heat's athletes did not come from the server
    QTimer m_athletesRetry;
    QString m_heatGone; // the heat chosen that a refresh did not find on the server
    SettingsDistribution m_distribution;
    ActivityBounce m_activity;
    QString m_comment;
    QString m_busyNotice;
    bool m_quitNoticeShown = false;
    QPointer<QMessageBox> m_linkLostNotice; // non-modal, deletes itself when closed
    QString m_lostPort;                     // what the notice names, kept for a language change
    bool m_resultsSavedShown = false;
    // What the last saved race lacks, named from its last file until the next Ready.
    RaceGapsNote m_gapsNote;
    bool m_gapsSettled = false;      // the race the note names is saved
    QList<RaceSnapshot> m_pendingSaves; // results that came in while a save waited for the operator
    bool m_saving = false;
};
