#include "mainwindow/mainwindow.h"

#include <atomic>

#include <QAbstractButton>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QIcon>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QMutex>
#include <QMutexLocker>
#include <QShortcut>
#include <QSlider>
#include <QStyle>
#include <QTimer>

#include "core/quellorapp.h"
#include "core/sharedconstants.h"
#include "devices/cserialcomthread.h"
#include "mainwindow/applicationmodes.h"
#include "mainwindow/colorsetdlg.h"
#include "mainwindow/keyassistantdlg.h"
#include "mainwindow/languagecatalog.h"
#include "mainwindow/menumnemonics.h"
#include "mainwindow/programpaths.h"
#include "mainwindow/stylesheets.h"
#include "outputs/serialprinterthread.h"
#include "outputs/startgatewayservice.h"
#include "ui_mainwindow.h"
#include "views/coordinatormeasurementwidget.h"
#include "views/startblockmeasurementwidget.h"
#include "views/startblockslayoutwidget.h"
#include "views/tablayoutguard.h"

namespace
{

// the power-down frames must have left before the program ends
constexpr int kPowerDownFlushMs = 1000;
// Quit waits this long in all for the meet server's answers to the posts in flight
constexpr int kPostsWaitAtQuitMs = 30000;
// and, when the operator ends at once, this long for the posts to leave
constexpr int kPostsLeaveAtQuitMs = 3000;
constexpr int kOrientationAuto = 2;

std::atomic<MainWindow *> s_instance{nullptr};

QString programTitle()
{
    return QString::fromLatin1(SharedConstants::kWindowTitle);
}

} // namespace

MainWindow *MainWindow::instance()
{
    static QMutex lock;
    if (MainWindow *window = s_instance.load())
        return window;
    QMutexLocker locker(&lock);
    if (!s_instance.load())
        s_instance.store(new MainWindow());
    return s_instance.load();
}

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>())
{
    m_broadcast.SetMacAddress(QString::fromLatin1(SharedConstants::kBroadcastMac));
    m_themes = StyleThemes::defaults();
    loadSettingsCopies();
    m_race = RaceNumbering(quint32(qMax(1, m_settings.raceNumber)), storedRacedHeats());

    ui->setupUi(this);
    keepMenuMnemonicsFree();
    new TabLayoutGuard(ui->tabCentral); // a change in one lane repaints that lane, not the whole page
    ApplyStyleSheets();
    setWindowTitle(programTitle());
    ui->btnToggleSettings->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));

    createLaneLayout();
    createKeyFilter();
    connectForm();
    createSerialLink();
    createRaceOutputs();
    createDeviceActions();

    UpdateModeActions(m_mode);
    m_laneLayout->SetAccessLevel(m_mode);
    // Ctrl+A is for those who switched "debug" on
    ui->action_Admin->setVisible(m_settings.debug);

    createEventsDirectory();
    createMeetSelection();
    CreateLanguageMenu();
    UpdateRaceInfo();
}

MainWindow::~MainWindow()
{
    {
        static QMutex lock;
        QMutexLocker locker(&lock);
        MainWindow *self = this;
        s_instance.compare_exchange_strong(self, nullptr);
    }
    stopWorkers();
    // a race the devices still hold goes unsaved with the window: nothing of it may reach here now
    disconnect(m_serial, nullptr, this, nullptr);
    // the meet models go before the lists that show them; a list that changes then must not reach here
    disconnect(ui->cmbServers, nullptr, this, nullptr);
    disconnect(ui->cmbCompetitions, nullptr, this, nullptr);
    disconnect(ui->cmbEvents, nullptr, this, nullptr);
    // the serial object must not keep devices that go now
    m_serial->clearStartBlocks();
    m_serial->clearInactiveStartBlocks();
    m_serial->clearCoordinator();
    m_chosenSet.clear();
}

void MainWindow::loadSettingsCopies()
{
    const QuellorApp *app = QuellorApp::Instance();
    if (!app)
        return;
    m_settings = app->projectSettings();
    m_startBlockSettings = app->startBlockCommonSettings();
    m_coordinatorSettings = app->coordinatorSettings();
}

RacedHeats MainWindow::storedRacedHeats() const
{
    const QuellorApp *app = QuellorApp::Instance();
    if (!app)
        return {};
    return RacedHeats::fromSetting(app->GetSetting(QString::fromLatin1(SettingsKeys::kGroupGeneral),
                                                   QString::fromLatin1(SettingsKeys::kRacedHeats))
                                       .toStringList());
}

void MainWindow::createLaneLayout()
{
    m_laneLayout = new StartBlocksLayoutWidget(this);
    ui->layoutStartblockContainter->insertWidget(0, m_laneLayout, 0);
    m_laneLayout->allGraphsButton()->setEnabled(false);
    m_laneLayout->allSoundsButton()->setEnabled(false);
    connect(m_laneLayout->allGraphsButton(), &QPushButton::clicked, this, &MainWindow::onBtnAllGraphsClicked);
    connect(m_laneLayout->allSoundsButton(), &QPushButton::clicked, this, &MainWindow::onBtnAllSoundsClicked);
}

void MainWindow::createKeyFilter()
{
    m_keyFilter = new KeyFilter(this);
    installEventFilter(m_keyFilter);
    ui->cmbEvents->installEventFilter(m_keyFilter);
    connect(m_keyFilter, &KeyFilter::send_key, this, &MainWindow::OnItemSelectedKeyPressed);
    // a button keeps the focus after a click, also one of a lane built later; its arrows select lanes
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (qobject_cast<QAbstractButton *>(now) && isAncestorOf(now))
            now->installEventFilter(m_keyFilter);
    });
    // With the focus on the tab bar or a lane's button, the tab widget takes Ctrl+Tab for itself before it
    // reaches the window's filter; a shortcut of the window comes first, wherever the focus is.
    auto *tabSelector = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(tabSelector, &QShortcut::activated, this, [this] { OnItemSelectedKeyPressed(KeyTabSelector); });
}

void MainWindow::connectForm()
{
    connect(ui->btnBroadcastIdle, &QPushButton::clicked, this, &MainWindow::OnBroadcastIdleClicked);
    connect(ui->btnSettings, &QPushButton::clicked, this, &MainWindow::OnBtnSettingsClicked);
    connect(ui->tabCentral, &QTabWidget::tabCloseRequested, this, &MainWindow::OnTabCloseRequested);
    connect(ui->txtRaceInfo, &QLineEdit::textEdited, this, &MainWindow::OnRaceInfoTextEdited);
    connect(ui->txtHeatInfo, &QLineEdit::textEdited, this, &MainWindow::OnHeatInfoTextEdited);
    connect(ui->txtStartInfo, &QLineEdit::textEdited, this, &MainWindow::OnStartInfoTextEdited);
    ui->btnCommentAdd->setIcon(QIcon(QStringLiteral(":/icons/silk/comment-add")));
    connect(ui->btnCommentAdd, &QPushButton::clicked, this, &MainWindow::OnBtnCommentAddClicked);
    // Ready's own F5 sleeps with the live view; another tab in front takes F5 here, never both at once
    auto *readyKey = new QShortcut(ui->btnReady->shortcut(), this, this, &MainWindow::readyFromAnyTab);
    readyKey->setEnabled(false);
    connect(ui->tabCentral, &QTabWidget::currentChanged, readyKey,
            [this, readyKey] { readyKey->setEnabled(!liveViewCurrent()); });
}

void MainWindow::createRaceOutputs()
{
    m_printer = new SerialPrinterThread(this);
    m_printer->start(QThread::InheritPriority);
    m_gateway = new StartGatewayService(this);
    m_gateway->start(QThread::InheritPriority);
}

void MainWindow::createSerialLink()
{
    m_serial = new CSerialComThread(this);
    connect(m_serial, &CSerialComThread::save_results_file, this, &MainWindow::OnSaveResultsFile);
    connect(m_serial, &CSerialComThread::change_operation_mode, this, &MainWindow::OnOperationModeChanged);
    connect(m_serial, &CSerialComThread::data_request_sent, this, &MainWindow::OnDataRequestSent);
    connect(m_serial, &CSerialComThread::serial_port_lost, this, &MainWindow::OnSerialPortLost);
    connect(m_serial, &CSerialComThread::serial_port_opened, this, &MainWindow::OnSerialPortOpened);
    connect(this, &MainWindow::startblockset_changed, m_serial, &CSerialComThread::OnStartBlockSetChanged);
    connect(this, &MainWindow::set_status_field_request, m_serial, &CSerialComThread::OnSetStatusRequest);
    connect(this, &MainWindow::set_status_field_request_coordinator, m_serial,
            &CSerialComThread::OnSetStatusRequestCoordinator);
    connect(this, &MainWindow::set_info_field_request, m_serial, &CSerialComThread::OnSetInfoRequest);
    connect(this, &MainWindow::set_info_field_request_coordinator, m_serial,
            &CSerialComThread::OnSetInfoRequestCoordinator);
    connect(this, &MainWindow::set_demo_sample_request, m_serial, &CSerialComThread::OnSetDemoSampleRequest);
    connect(this, &MainWindow::set_all_devices_power_down, m_serial,
            &CSerialComThread::OnSetAllDevicesPowerDown);
    connect(this, &MainWindow::set_powerdown_request, m_serial, &CSerialComThread::setPowerDownRequest);
    connect(this, &MainWindow::set_powerdown_request_coordinator, m_serial,
            &CSerialComThread::setPowerDownRequestCoordinator);
    connect(this, &MainWindow::identifier_request, m_serial, &CSerialComThread::OnIdentifierRequest);
    m_serial->start(QThread::InheritPriority);
}

void MainWindow::createEventsDirectory()
{
    m_eventsDirectory = ProgramPaths::eventsFolder();
    if (!QDir().mkpath(m_eventsDirectory))
        qWarning() << "Unable to create" << m_eventsDirectory;
}

// ---------------------------------------------------------------------------------------------------
// what the views read

StyleSettings MainWindow::currentStyle() const
{
    return m_themeIndex < m_themes.size() ? m_themes[m_themeIndex] : StyleSettings();
}

StyleSettings &MainWindow::currentTheme()
{
    m_themeIndex = quint8(qBound(0, int(m_themeIndex), int(m_themes.size()) - 1));
    return m_themes[m_themeIndex];
}

void MainWindow::noteParticipationChosen(int participationStatus)
{
    if (participationStatus == ParticipationDns)
        m_dnsChosen = true;
    else if (participationStatus == ParticipationDq)
        m_dqChosen = true;
}

bool MainWindow::participationChosenThisRace(int participationStatus) const
{
    if (participationStatus == ParticipationDns)
        return m_dnsChosen;
    if (participationStatus == ParticipationDq)
        return m_dqChosen;
    return false;
}

void MainWindow::ApplyOrientation(int index)
{
    // desktop windows cannot lock the screen's orientation; the choice is kept for whoever can
    m_orientation = index == 0 || index == 1 ? index : kOrientationAuto;
}

void MainWindow::on_btnToggleSettings_clicked(bool)
{
    const bool shown = !ui->groupSettings->isHidden();
    ui->groupSettings->setVisible(!shown);
    ui->btnToggleSettings->setIcon(style()->standardIcon(shown ? QStyle::SP_ArrowDown : QStyle::SP_ArrowUp));
}

void MainWindow::on_actionAbout_Qt_triggered()
{
    QMessageBox::aboutQt(this, QString());
}

void MainWindow::on_actionAbout_triggered()
{
    QMessageBox::about(this, programTitle() + tr(": About"),
                       tr("%1\n\nVersion %2\n\nMade by %3")
                           .arg(QLatin1String(SharedConstants::kProgramName),
                                QLatin1String(SharedConstants::kVersion),
                                QLatin1String(SharedConstants::kMaker)));
}

// ---------------------------------------------------------------------------------------------------
// application modes

void MainWindow::UpdateModeActions(int mode)
{
    ui->btnBroadcastIdle->hide();
    ui->btnBroadcastIdle->setMinimumSize(ui->btnReady->size());
    const bool administrator = mode > ModeOperator;
    const bool fullAdministrator = mode > ModeAdministrator;
    ui->btnSettings->setVisible(administrator);
    ui->action_Load_Demo->setVisible(administrator);
    ui->actionDevice_Identification->setVisible(administrator);
    ui->action_Test_Hardware->setVisible(administrator);
    ui->action_Calibrate_Device->setVisible(fullAdministrator);
    ui->action_Test_Synchronization->setVisible(fullAdministrator);
}

void MainWindow::on_action_Admin_triggered()
{
    QInputDialog dialog(this);
    dialog.setModal(true);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextEchoMode(QLineEdit::Password);
    dialog.setLabelText(tr("Please enter administrator password:"));
    dialog.setWindowTitle(programTitle() + tr(": Administrator"));
    while (dialog.exec() == QDialog::Accepted) {
        if (const std::optional<PossibleModes> mode =
                ApplicationModes::modeAfterInput(m_mode, dialog.textValue())) {
            OnToggleApplicationMode(*mode);
            return;
        }
        QMessageBox::information(this, tr("Administrator password"),
                                 tr("The administrator password is incorrect"));
    }
}

void MainWindow::OnToggleApplicationMode(PossibleModes mode)
{
    m_mode = mode;
    UpdateModeActions(mode);
    m_laneLayout->SetAccessLevel(mode);
    for (StartBlockMeasurementWidget *row : std::as_const(m_laneRows))
        row->SetAccessLevel(mode);
    if (m_coordinatorRow)
        m_coordinatorRow->SetApplicationMode(mode);
    if (m_keyAssistant)
        m_keyAssistant->SetLevel(mode);
    emit toggle_application_mode(mode);
}

// ---------------------------------------------------------------------------------------------------
// colour themes and style sheets

void MainWindow::ApplyStyleSheets()
{
    const ThemeStyleSheets sheets = composeStyleSheets(currentStyle());
    setStyleSheet(sheets.window);
    qApp->setStyleSheet(sheets.application);
    if (m_coordinatorRow)
        m_coordinatorRow->SetLabelStyle(sheets.coordinatorLabel);
    // the highlighted lane follows the theme too
    if (m_laneLayout)
        ApplyColourStyleSheets();
}

void MainWindow::on_action_Layout_triggered()
{
    ColorSetDlg dialog(this, m_themes, &m_themeIndex);
    connect(dialog.fontsComboBox(), &QComboBox::currentTextChanged, this,
            &MainWindow::OnFontsComboBoxIndexChanged);
    connect(dialog.fontSizeSlider(), &QSlider::valueChanged, this, &MainWindow::OnFontSizeSliderValueChanged);
    connect(dialog.fontWeightSlider(), &QSlider::valueChanged, this,
            &MainWindow::OnFontWeightSliderValueChanged);
    connect(dialog.fontRedSlider(), &QSlider::valueChanged, this,
            &MainWindow::OnFontColorRedSliderValueChanged);
    connect(dialog.fontGreenSlider(), &QSlider::valueChanged, this,
            &MainWindow::OnFontColorGreenSliderValueChanged);
    connect(dialog.fontBlueSlider(), &QSlider::valueChanged, this,
            &MainWindow::OnFontColorBlueSliderValueChanged);
    connect(dialog.backgroundRedSlider(), &QSlider::valueChanged, this,
            &MainWindow::OnBackgroundColorRedSliderValueChanged);
    connect(dialog.backgroundGreenSlider(), &QSlider::valueChanged, this,
            &MainWindow::OnBackgroundColorGreenSliderValueChanged);
    connect(dialog.backgroundBlueSlider(), &QSlider::valueChanged, this,
            &MainWindow::OnBackgroundColorBlueSliderValueChanged);
    dialog.exec();
    // a theme chosen without moving a slider shows too
    ApplyStyleSheets();
}

void MainWindow::OnFontsComboBoxIndexChanged(QString font)
{
    currentTheme().fontFamily = font;
    ApplyStyleSheets();
}

void MainWindow::OnFontSizeSliderValueChanged(int value)
{
    currentTheme().fontSize = quint16(value);
    ApplyStyleSheets();
}

void MainWindow::OnFontWeightSliderValueChanged(int value)
{
    currentTheme().fontWeight = quint16(value);
    ApplyStyleSheets();
}

void MainWindow::OnFontColorRedSliderValueChanged(int value)
{
    currentTheme().fontColour.red = quint16(value);
    ApplyStyleSheets();
}

void MainWindow::OnFontColorGreenSliderValueChanged(int value)
{
    currentTheme().fontColour.green = quint16(value);
    ApplyStyleSheets();
}

void MainWindow::OnFontColorBlueSliderValueChanged(int value)
{
    currentTheme().fontColour.blue = quint16(value);
    ApplyStyleSheets();
}

void MainWindow::OnBackgroundColorRedSliderValueChanged(int value)
{
    currentTheme().backgroundColour.red = quint16(value);
    ApplyStyleSheets();
}

void MainWindow::OnBackgroundColorGreenSliderValueChanged(int value)
{
    currentTheme().backgroundColour.green = quint16(value);
    ApplyStyleSheets();
}

void MainWindow::OnBackgroundColorBlueSliderValueChanged(int value)
{
    currentTheme().backgroundColour.blue = quint16(value);
    ApplyStyleSheets();
}

// ---------------------------------------------------------------------------------------------------
// languages

void MainWindow::CreateLanguageMenu()
{
    m_languageGroup = new QActionGroup(ui->menuLanguage);
    m_languageGroup->setExclusive(true);
    connect(m_languageGroup, &QActionGroup::triggered, this, &MainWindow::slotLanguageChanged);
    const QString systemCode = LanguageCatalog::systemLanguageCode(QLocale::system());
    m_languagesFolder = ProgramPaths::languagesFolder();
    const QList<LanguageEntry> entries = LanguageCatalog::entriesIn(m_languagesFolder);
    for (const LanguageEntry &entry : entries) {
        auto *action =
            new QAction(QIcon(QStringLiteral(":/flags/%1").arg(entry.code)), entry.name, m_languageGroup);
        action->setCheckable(true);
        action->setData(entry.data);
        action->setChecked(entry.code == systemCode);
        ui->menuLanguage->addAction(action);
    }
}

void MainWindow::LoadLanguage(const QString &code)
{
    if (code == m_currentLanguage)
        return;
    m_currentLanguage = code;
    QLocale::setDefault(QLocale(code));
    QCoreApplication::removeTranslator(&m_translator);
    QCoreApplication::removeTranslator(&m_toolkitTranslator);
    // without its file the program keeps its built-in texts
    if (m_translator.load(LanguageCatalog::translationFile(m_languagesFolder, code)))
        QCoreApplication::installTranslator(&m_translator);
    if (m_toolkitTranslator.load(LanguageCatalog::toolkitTranslation(code),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_toolkitTranslator);
    checkLanguageEntry(code);
    qDebug() << "Loaded language" << code;
}

// The menu marks the language shown, the stored one at start too, rather than the system's.
void MainWindow::checkLanguageEntry(const QString &code)
{
    const QList<QAction *> entries = m_languageGroup->actions();
    for (QAction *entry : entries) {
        const QString data = entry->data().toString();
        if (data == code || (!code.isEmpty() && LanguageCatalog::languageCode(data) == code)) {
            entry->setChecked(true);
            return;
        }
    }
}

void MainWindow::slotLanguageChanged(QAction *action)
{
    if (!action)
        return;
    const QString data = action->data().toString();
    LoadLanguage(data);
    if (QuellorApp *app = QuellorApp::Instance())
        app->SetSetting(QString::fromLatin1(SettingsKeys::kGroupGeneral),
                        QString::fromLatin1(SettingsKeys::kLanguage), data);
}

// The menu bar takes its Alt+letter before the keyboard filter: a title of any language that claims a
// command's letter gets another one.
void MainWindow::keepMenuMnemonicsFree()
{
    const QString taken = KeyFilter::altLetters();
    const QList<QAction *> titles = ui->menuBar->actions();
    for (QAction *title : titles)
        title->setText(MenuMnemonics::avoiding(title->text(), taken));
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LocaleChange)
        LoadLanguage(LanguageCatalog::systemLanguageCode(QLocale::system()));
    else if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        keepMenuMnemonicsFree();
        refreshResultsLabel();
        refreshPostsLabel();
        relabelMeetEvent();
        if (!m_busyNotice.isEmpty())
            UpdateWaitingStatus();
        else // the common settings' notice
            m_busy.relabel();
        labelLinkLostNotice();
    }
    QMainWindow::changeEvent(event);
}

// ---------------------------------------------------------------------------------------------------
// exit

void MainWindow::on_action_Exit_triggered()
{
    // quitting sends the close event once more
    if (m_exitDone)
        return;
    m_exitDone = true;
    const bool shutDown = m_chosenSet.anyDeviceReachable() && askShutdownAllDevices();
    // what the race does is read only now: the gun may have come while the question was open
    takeBackUnstartedReady();
    // the devices go down only once the race they hold is saved
    const bool endNow = !finishRaceUnderWay();
    waitForPostsAtQuit(endNow);
    tellPostsNotConfirmed();
    storeRaceNumber();
    if (shutDown)
        powerDownAllDevices();
    stopWorkers();
    QCoreApplication::quit();
}

// Blocks left armed would race a start that nobody records: they are sent back to Idle, and the frame
// leaves before the workers stop.
void MainWindow::takeBackUnstartedReady()
{
    const RaceRunPointer run = m_serial->raceRun();
    if (!run || run->hasStarted())
        return;
    OnBroadcastIdleClicked();
    if (!m_serial->waitForBytesWritten(kPowerDownFlushMs))
        qDebug() << "Idle frame not written";
}

// A race under way when the program is ended is let finish within its usual waits and saved; the busy
// notice says so meanwhile, and its button saves the race at once with what has arrived. False when the
// operator chose that way out: the program then ends without waiting for the meet server's answers.
bool MainWindow::finishRaceUnderWay()
{
    const RaceRunPointer run = m_serial->raceRun();
    if (!run || run->isTestRun() || !run->isUnderWay())
        return true;
    bool endNow = false;
    QEventLoop waiting;
    connect(m_serial, &CSerialComThread::save_results_file, &waiting, [&waiting, run] {
        if (run->isSaved())
            waiting.quit();
    });
    // what has not come by then is not coming: the race is saved with what arrived
    QTimer::singleShot(m_serial->longestRunWaitMs(), &waiting, [this] { m_serial->SaveRaceUnderWay(); });
    showQuitNotice(tr("Saving the race before the program ends..."), tr("Save and end now"));
    connect(&m_busy, &BusyNotice::way_out, &waiting, [this, &endNow] {
        endNow = true;
        m_serial->SaveRaceUnderWay();
    });
    if (!run->isSaved())
        waiting.exec();
    showQuitNotice(QString(), QString());
    return !endNow;
}

// The posts in flight are given their answers, within kPostsWaitAtQuitMs in all; a post that has none by
// then counts as not confirmed. Ending now waits only until the posts have left, which is brief.
void MainWindow::waitForPostsAtQuit(bool endNow)
{
    const auto settled = [this, &endNow] {
        return endNow ? !m_meetConnection.postsLeaving() : !m_postWatch.awaitingReplies();
    };
    if (!settled()) {
        QEventLoop waiting;
        QTimer bound;
        bound.setSingleShot(true);
        connect(&bound, &QTimer::timeout, &waiting, &QEventLoop::quit);
        const auto check = [&waiting, &settled] {
            if (settled())
                waiting.quit();
        };
        // after the watch has taken the reply in
        connect(&m_meetConnection, &ZXConnection::post_finished, &waiting, check);
        connect(&m_meetConnection, &ZXConnection::post_sent, &waiting, check);
        bound.start(endNow ? kPostsLeaveAtQuitMs : kPostsWaitAtQuitMs);
        if (!endNow) {
            showQuitNotice(tr("Waiting for the meet server to confirm the results..."), tr("End now"));
            connect(&m_busy, &BusyNotice::way_out, &waiting, [&] {
                endNow = true;
                bound.start(qMin(bound.remainingTime(), kPostsLeaveAtQuitMs));
                check();
            });
        }
        waiting.exec();
        showQuitNotice(QString(), QString());
    }
    if (m_postWatch.giveUpReplies())
        refreshPostsLabel();
}

// Whatever the meet server did not confirm, in this run, is named before the program ends.
void MainWindow::tellPostsNotConfirmed()
{
    const QStringList races = postsNotConfirmed();
    if (races.isEmpty())
        return;
    QMessageBox::warning(this, programTitle() + tr(": Results not confirmed"), races.join(QLatin1Char('\n')));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    on_action_Exit_triggered();
    event->accept();
}

void MainWindow::storeRaceNumber()
{
    const quint32 raceNumber =
        m_resultsSaved ? qMin(m_race.raceNumber() + 1, RaceNumbering::kMaxRaceNumber) : m_race.raceNumber();
    QuellorApp *app = QuellorApp::Instance();
    if (!app)
        return;
    app->SetSetting(QString::fromLatin1(SettingsKeys::kGroupGeneral),
                    QString::fromLatin1(SettingsKeys::kRaceNumber), qint32(raceNumber));
    app->SyncSettings();
}

bool MainWindow::askShutdownAllDevices()
{
    return QMessageBox::question(this, programTitle() + tr(": Shutdown all devices"),
                                 tr("Do you want to shutdown all devices?"),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

void MainWindow::powerDownAllDevices()
{
    emit set_all_devices_power_down();
    if (!m_serial->waitForBytesWritten(kPowerDownFlushMs))
        qDebug() << "Power down frames not written";
}

void MainWindow::stopWorkers()
{
    const QList<QThread *> workers = {m_serial, m_printer, m_gateway};
    for (QThread *worker : workers) {
        worker->quit();
        worker->wait();
    }
}
