// The operator's keys: the filter's decoding and where each command may act, then the keys on the real
// window, the tab selector and the key assistant. Every window broadcasts the meet discovery, so those
// tests run only inside the private network namespace.
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "../core/apptestenvironment.h"
#include "core/quellorapp.h"
#include "mainwindow/keyassistantdlg.h"
#include "mainwindow/keycommands.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/menumnemonics.h"
#include "mainwindow/tabselectordlg.h"
#include "meet/heat.h"
#include "meet/round.h"
#include "modalanswerer.h"
#include "testnetwork.h"
#include "views/startblockmeasurementwidget.h"
#include "views/startblockslayoutwidget.h"

namespace
{

QKeyCombination combination(const QString &text)
{
    return QKeySequence::fromString(text)[0];
}

// "Down Alt+E": one click per key, its modifiers pressed and released around it
void type(QWidget *widget, const QString &keys)
{
    for (const QString &key : keys.split(u' ', Qt::SkipEmptyParts))
        QTest::keyClick(widget, combination(key).key(), combination(key).keyboardModifiers());
}

// a 100 m with three heats in its heats round and a final without heats
Event sprintEvent()
{
    Event event;
    event.id = 7;
    event.eventtype.distance = 100;
    Round heats;
    heats.name = QStringLiteral("Heats");
    for (quint32 seqno = 1; seqno <= 3; ++seqno) {
        Heat heat;
        heat.seqno = seqno;
        heats.addHeat(heat);
    }
    event.addRound(heats);
    event.addRound(Round());
    return event;
}

template<typename T = QWidget>
T *part(QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

// A language whose menu titles claim the letters of the Alt commands.
class GreedyTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        static const QHash<QString, QString> titles = {{"&File", "&Datei"},
                                                       {"Setup", "&Einrichtung"},
                                                       {"Window", "&Lied"},
                                                       {"Language", "&Sprache"},
                                                       {"Help", "&Hilfe"}};
        return QByteArrayView(context) == "MainWindow" ? titles.value(QString::fromUtf8(source)) : QString();
    }
};

// The titles of the menu bar, "|" between them.
QString menuTitles(QWidget *window)
{
    QStringList titles;
    for (const QAction *title : part<QMenuBar>(window, "menuBar")->actions())
        titles << title->text();
    return titles.join(u'|');
}

// The language shown by the window, as the Language menu loads it.
void showLanguage(MainWindow *window, const QString &data)
{
    window->LoadLanguage(data);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

} // namespace

class TstKeyCommands : public QObject
{
    Q_OBJECT

private slots:
    void filterDecodesEveryKey();
    void keysOnTheWindow();
    void tabSelectorCyclesAndSwitches();
    void ctrlTabOpensTheSelectorWhereverTheFocusIs_data();
    void ctrlTabOpensTheSelectorWhereverTheFocusIs();
    void keyAssistantRowsFollowTheMode();
    void keyAssistantNamesTheKeysAsTheMenusDo_data();
    void keyAssistantNamesTheKeysAsTheMenusDo();
    void mnemonicMovesOffTakenLetters_data();
    void mnemonicMovesOffTakenLetters();
    void menuBarLeavesTheAltCommandsToTheFilter();
    void initTestCase() { m_locale = QLocale(); }
    void laneKeysOpenTheSelectedRowsDialogs();
    void cleanup();

private:
    MainWindow *openWindow();
    MainWindow *openWindowWithLanes();
    QString windowState() const;
    MainWindow *m_window = nullptr;
    QStringList m_sent;
    QLocale m_locale;
};

void TstKeyCommands::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_sent.clear();
    QLocale::setDefault(m_locale); // a language loaded by a test
}

void TstKeyCommands::filterDecodesEveryKey()
{
    // each press and what the filter makes of it: its command, 0 passed on, - consumed without a command;
    // "release" is any key release, "focus" another event. After a command, where it may act: on the live
    // view in modes 0, 1, 2, then on an opened tab in modes 0, 1, 2.
    const QString table =
        "Alt+E=2:111000 Alt+X=5:111111 Alt+I=14:011000 Alt+J=17:011000 Alt+L=13:111111 Alt+D=23:011000 "
        "Alt+M=18:111000 Alt+Shift+M=0 Alt+Shift+E=2:111000 E=0 X=0 I=0 J=0 L=0 D=0 M=0 Ctrl+E=0 "
        "F6=11:111000 "
        "F7=3:111111 Shift+F9=19:111111 F10=20:111111 Ctrl+F11=21:111111 F12=22:111111 F2=0 F5=0 F8=0 "
        "Ctrl+Tab=6:111111 Tab=0 Up=7:111111 Down=8:111111 Left=9:000000 Alt+Right=10:000000 Return=4:111111 "
        "Enter=4:111111 Escape=12:111111 Alt=- Shift=- Control=- release=- focus=0";
    KeyFilter filter;
    QObject watched;
    QSignalSpy sent(&filter, &KeyFilter::send_key);
    QStringList found;
    for (const QString &entry : table.split(u' ')) {
        const QString key = entry.section(u'=', 0, 0);
        std::unique_ptr<QEvent> event = std::make_unique<QKeyEvent>(QEvent::KeyPress, combination(key).key(),
                                                                    combination(key).keyboardModifiers());
        if (key == "release")
            event = std::make_unique<QKeyEvent>(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier);
        else if (key == "focus")
            event = std::make_unique<QEvent>(QEvent::FocusIn);
        const qsizetype before = sent.count();
        found << key + '=' + (filter.eventFilter(&watched, event.get()) ? "-" : "0");
        if (sent.count() == before)
            continue;
        const KeyPressed command = sent.last().at(0).value<KeyPressed>();
        found.last() = key + '=' + QString::number(command) + ':';
        for (const bool live : {true, false}) {
            for (int mode = 0; mode <= 2; ++mode)
                found.last() += KeyCommands::allowed(command, live, mode) ? u'1' : u'0';
        }
    }
    QCOMPARE(found.join(u' '), table);
    // commands that no key sends do nothing anywhere
    for (const int command : {0, 1, 15, 16})
        QVERIFY(!KeyCommands::allowed(KeyPressed(command), true, ModeAdministratorFull));
}

MainWindow *TstKeyCommands::openWindow()
{
    m_window = MainWindow::instance();
    for (int lane = 0; lane < 3; ++lane)
        m_window->laneLayoutWidget()->measurementsLayout()->addWidget(new QWidget(m_window));
    for (const char *name : {"race_1_h1_s1", "race_2_h1_s1"})
        part<QTabWidget>(m_window, "tabCentral")->addTab(new QWidget, QString::fromLatin1(name));
    m_window->OnZXConnectionNewEvent(sprintEvent());
    connect(m_window->keyFilter(), &KeyFilter::send_key, this,
            [this](KeyPressed key) { m_sent << QString::number(key); });
    return m_window;
}

QString TstKeyCommands::windowState() const
{
    const auto *events = part<QComboBox>(m_window, "cmbEvents");
    const auto *tabs = part<QTabWidget>(m_window, "tabCentral");
    const quint8 lane = m_window->selectedLane();
    return QStringLiteral("lane=%1 tab=%2/%3 event=%4/%5%6%7 focus=%8 sent=%9")
        .arg(lane == KeyCommands::kNoLane ? QStringLiteral("-") : QString::number(lane))
        .arg(tabs->currentIndex())
        .arg(tabs->count())
        .arg(events->currentIndex())
        .arg(events->count())
        .arg(part(m_window, "groupSettings")->isHidden() ? " hidden" : "")
        .arg(events->view()->isVisible() ? " popup" : "")
        .arg(m_window->focusWidget()->objectName(), m_sent.join(u','));
}

void TstKeyCommands::keysOnTheWindow()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    MainWindow *window = openWindow();
    part(window, "cmbEvents")->setFocus();
    ModalAnswerer answerer;
    // keys typed one after the other, and the window after each line; "@tab2" shows the third tab, "@hide"
    // hides the race information, "@box" answers the next box with OK
    const QList<QPair<QString, QString>> steps = {
        {"Up Up", "lane=0 tab=0/3 event=0/3 focus=cmbEvents sent=7,7"},
        {"Down Down Down Down", "lane=2 tab=0/3 event=0/3 focus=cmbEvents sent=8,8,8,8"},
        {"Escape", "lane=- tab=0/3 event=0/3 focus=cmbEvents sent=12"},
        {"F10 F10 F10 F10", "lane=- tab=0/3 event=1/3 focus=cmbEvents sent=20,20,20,20"},
        {"F9 F9", "lane=- tab=0/3 event=0/3 focus=cmbEvents sent=19,19"},
        {"E X I J L D M Alt+Shift+M", "lane=- tab=0/3 event=0/3 focus=cmbEvents sent="},
        {"Return", "lane=- tab=0/3 event=0/3 focus=MainWindow sent=4"},
        {"@box Alt+X", "lane=- tab=0/3 event=0/3 focus=MainWindow sent=5"},
        {"@tab2 @hide Alt+E", "lane=- tab=2/3 event=0/3 hidden focus=MainWindow sent=2"},
        {"Alt+L Alt+E", "lane=- tab=0/3 event=0/3 popup focus=MainWindow sent=13,2"},
        {"@tab2 Alt+X", "lane=- tab=1/2 event=0/3 focus=MainWindow sent=5"},
    };
    for (const auto &[keys, state] : steps) {
        m_sent.clear();
        for (const QString &key : keys.split(u' ')) {
            if (key == "@tab2")
                part<QTabWidget>(window, "tabCentral")->setCurrentIndex(2);
            else if (key == "@hide")
                part(window, "groupSettings")->hide();
            else if (key == "@box")
                answerer.answer(QDialogButtonBox::Ok);
            else
                type(window, key);
        }
        QCOMPARE(windowState(), state);
        part<QComboBox>(window, "cmbEvents")->hidePopup();
    }
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].title + '|' + answerer.seen[0].text,
             QString("Close live view|You can't close the live view."));

    // the start number: F11 stops at 1, F12 counts up, both show it at once
    const auto *start = part<QLineEdit>(window, "txtStartInfo");
    QStringList starts;
    for (const char *key : {"F11", "F12", "F12", "F11"}) {
        type(window, QString::fromLatin1(key));
        starts << start->text();
    }
    QCOMPARE(starts, QStringList({"1", "2", "3", "2"}));
}

void TstKeyCommands::tabSelectorCyclesAndSwitches()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    MainWindow *window = openWindow();
    const StyleColour button = window->currentStyle().buttonColour;
    const QString marked = QStringLiteral("background-color: rgb(%1, %2, %3); border: none;")
                               .arg(button.red)
                               .arg(button.green)
                               .arg(button.blue);
    QStringList seen; // the labels after each Tab, the highlighted one in capitals
    QTimer::singleShot(0, this, [&] {
        auto *selector = qobject_cast<TabSelectorDlg *>(QApplication::activeModalWidget());
        QVERIFY(selector && (selector->windowFlags() & Qt::FramelessWindowHint));
        for (int tabs = 0; tabs <= 4; ++tabs) {
            QTest::keyPress(selector, Qt::Key_Tab, Qt::ControlModifier); // Control stays held
            seen << QString();
            for (const QLabel *label : selector->labels())
                seen.last() += label->styleSheet() == marked ? label->text().toUpper() : label->text() + ' ';
        }
        QTest::keyClick(selector, Qt::Key_Escape); // does not close it
        QTest::keyRelease(selector, Qt::Key_Control);
    });
    QTest::keyClick(window, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(seen, (QStringList{"Live... RACE_1_H1_S1race_2_h1_s1 ", "Live... race_1_h1_s1 RACE_2_H1_S1",
                                "LIVE...race_1_h1_s1 race_2_h1_s1 ", "Live... RACE_1_H1_S1race_2_h1_s1 ",
                                "Live... race_1_h1_s1 RACE_2_H1_S1"}));
    QCOMPARE(part<QTabWidget>(window, "tabCentral")->currentIndex(), 2);
    // the Control release went to the selector, not to the filter: a plain Tab is a plain Tab again
    QTest::keyClick(window, Qt::Key_Tab);
    QCOMPARE(m_sent, QStringList{"6"});
    QTRY_VERIFY(window->findChildren<TabSelectorDlg *>().isEmpty());
}

// The window with the lanes of a set of two blocks.
MainWindow *TstKeyCommands::openWindowWithLanes()
{
    StartBlockSetGroup set;
    for (const int lane : {1, 2}) {
        auto block = std::make_unique<CStartBlock>();
        block->setLane(quint8(lane));
        block->SetMacAddress(QStringLiteral("15:8d:00:00:00:%1").arg(lane, 2, 10, QLatin1Char('0')));
        set.blocks.push_back(std::move(block));
    }
    QuellorApp::Instance()->SaveStartBlockSets({"keys"}, {&set});
    m_window = MainWindow::instance();
    m_window->SetupStartBlockSet("keys");
    return m_window;
}

void TstKeyCommands::ctrlTabOpensTheSelectorWhereverTheFocusIs_data()
{
    QTest::addColumn<int>("tab");        // the tab shown
    QTest::addColumn<QString>("focus");  // what has the focus there
    QTest::addColumn<bool>("quick");     // Control let go before the list had the keyboard
    QTest::addColumn<QString>("result"); // highlights while open, then the tab shown
    QTest::newRow("tab bar") << 0 << "tab bar" << false << "1,2 -> 1";
    QTest::newRow("lane's status list") << 0 << "status list" << false << "1,2 -> 1";
    QTest::newRow("lane's button") << 0 << "lane button" << false << "1,2 -> 1";
    QTest::newRow("opened tab") << 2 << "race_2_h1_s1" << false << "1,2 -> 1";
    QTest::newRow("quick, back to the live view") << 2 << "race_2_h1_s1" << true << "1 -> 0";
    QTest::newRow("quick on the tab bar") << 1 << "tab bar" << true << "1 -> 0";
}

// The keys go where the window system sends them: to the widget with the focus, and a Control release
// that comes before the list has the keyboard to the window the list blocks.
void TstKeyCommands::ctrlTabOpensTheSelectorWhereverTheFocusIs()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    QFETCH(int, tab);
    QFETCH(QString, focus);
    QFETCH(bool, quick);
    QFETCH(QString, result);
    MainWindow *window = openWindowWithLanes();
    auto *tabs = part<QTabWidget>(window, "tabCentral");
    for (const char *name : {"race_1_h1_s1", "race_2_h1_s1"}) {
        auto *page = new QWidget;
        new QPushButton(QString::fromLatin1(name), page);
        page->findChild<QPushButton *>()->setObjectName(QString::fromLatin1(name));
        tabs->addTab(page, QString::fromLatin1(name));
    }
    window->show(); // shown and active, as on a desktop
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    tabs->setCurrentIndex(tab);
    const StartBlockMeasurementWidget *row = window->laneRows().at(1);
    QWidget *target = focus == "tab bar"       ? tabs->tabBar()
                      : focus == "status list" ? row->participationStatusCombo()
                      : focus == "lane button" ? row->findChild<QPushButton *>("btnMeasurements")
                                               : part(window, qPrintable(focus));
    QVERIFY(target && target->isVisible() && target->isEnabled());
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);

    QStringList highlights;
    QTimer whileOpen; // stopped with the test, should no list ever open
    whileOpen.setSingleShot(true);
    // a list that misses the Control release would wait for it for ever: it is closed and said to have
    // stayed; it closes within a tick of its Control watch, far less than this
    constexpr int kSelectorCloseMs = 5000;
    QTimer stayedOpen;
    stayedOpen.setSingleShot(true);
    stayedOpen.setInterval(kSelectorCloseMs);
    connect(&stayedOpen, &QTimer::timeout, this, [&] {
        if (auto *selector = qobject_cast<TabSelectorDlg *>(QApplication::activeModalWidget())) {
            highlights << "stayed open";
            selector->reject();
        }
    });
    connect(&whileOpen, &QTimer::timeout, this, [&] {
        auto *selector = qobject_cast<TabSelectorDlg *>(QApplication::activeModalWidget());
        if (!selector)
            return;
        stayedOpen.start();
        highlights << QString::number(selector->selectedIndex());
        if (quick) {
            QTest::keyRelease(window, Qt::Key_Control);
            return;
        }
        QTest::keyPress(selector, Qt::Key_Tab, Qt::ControlModifier);
        highlights << QString::number(selector->selectedIndex());
        QTest::keyRelease(selector, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyRelease(selector, Qt::Key_Control);
    });
    whileOpen.start(0);
    QTest::keyPress(target, Qt::Key_Control);
    QTest::keyPress(target, Qt::Key_Tab, Qt::ControlModifier); // returns once the list is gone
    QCOMPARE(highlights.join(u',') + " -> " + QString::number(tabs->currentIndex()), result);
    QTRY_VERIFY(window->findChildren<TabSelectorDlg *>().isEmpty());
}

void TstKeyCommands::keyAssistantRowsFollowTheMode()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    MainWindow *window = openWindow();
    type(window, "Down Down");
    part<QAction>(window, "actionKey_assistant")->trigger();
    const QPointer<KeyAssistantDlg> assistant = window->keyAssistant();
    QVERIFY(assistant && assistant->isVisible() && !assistant->isModal());
    QVERIFY(assistant->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(assistant->pos(), QPoint(0, window->height() - assistant->height()));
    const QTableView *table = assistant->table();
    QVERIFY(!table->isColumnHidden(1) && table->isColumnHidden(2));
    QCOMPARE(table->model()->headerData(1, Qt::Horizontal).toString(), QString("Shortcut"));
    // every mode change reaches the open assistant, the return to the operator too
    QList<int> rows{table->model()->rowCount()};
    for (const PossibleModes mode :
         {ModeAdministrator, ModeAdministratorFull, ModeOperator, ModeAdministratorFull}) {
        window->OnToggleApplicationMode(mode);
        rows << table->model()->rowCount();
    }
    QCOMPARE(rows, (QList<int>{29, 35, 37, 29, 37}));
    // its keys pass the window's filter: Up and Down go to its table, Escape closes it, the lane stays
    type(assistant, "Up Down");
    QCOMPARE(assistant->focusWidget(), table);
    type(assistant, "Escape");
    QVERIFY(!window->keyAssistant());
    QTRY_VERIFY(assistant.isNull());
    QCOMPARE(window->selectedLane(), quint8(1));
    QCOMPARE(m_sent, (QStringList{"8", "8", "7", "8", "12"}));
    // the action opens and closes it; closed by its own title bar, it goes as well
    part<QAction>(window, "actionKey_assistant")->trigger();
    const QPointer<KeyAssistantDlg> second = window->keyAssistant();
    part<QAction>(window, "actionKey_assistant")->trigger();
    QTRY_VERIFY(second.isNull());
    part<QAction>(window, "actionKey_assistant")->trigger();
    window->keyAssistant()->reject();
    QVERIFY(!window->keyAssistant());
    part<QAction>(window, "actionKey_assistant")->trigger();
    QVERIFY(window->keyAssistant());
}

namespace
{

// The keys of the key assistant, Ctrl+Q for exit among them, in the order it lists them in every language.
const QString kListedKeys =
    "Esc|Enter; Return|Up|Down|F2|F3|F4|F5|F6|F7|F8|F9|F10|F11|F12|Ctrl+A|Ctrl+B|Ctrl+L|"
    "Ctrl+O|Ctrl+P|Ctrl+Q|Ctrl+R|Ctrl+S|Ctrl+Tab|Ctrl+Shift+L|Alt+D|Alt+E|Alt+H|Alt+I|"
    "Alt+J|Alt+L|Alt+M|Alt+X|Alt+Shift+B|Alt+Shift+D|Alt+Shift+I|Alt+Shift+M";

} // namespace

void TstKeyCommands::keyAssistantNamesTheKeysAsTheMenusDo_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("named"); // the rows of exit, the key assistant and the next lane
    QTest::newRow("English") << "en_English"
                             << "Ctrl+Q|Ctrl+Shift+L|Down";
    QTest::newRow("German") << "de_Deutsch"
                            << "Strg+Q|Strg+Umschalt+L|Herunter";
    QTest::newRow("Dutch") << "nl_Nederlands"
                           << "Ctrl+Q|Ctrl+Shift+L|Pijl omlaag";
}

// Each row names its keys as the window's menus and buttons show theirs, in the language chosen.
void TstKeyCommands::keyAssistantNamesTheKeysAsTheMenusDo()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    QFETCH(QString, language);
    QFETCH(QString, named);
    MainWindow *window = openWindow();
    showLanguage(window, language);
    window->OnToggleApplicationMode(ModeAdministratorFull);
    part<QAction>(window, "actionKey_assistant")->trigger();
    const QAbstractItemModel *rows = window->keyAssistant()->table()->model();
    QHash<QString, QString> keysOf; // by command
    QStringList listed;
    for (int row = 0; row < rows->rowCount(); ++row) {
        listed << rows->index(row, 1).data().toString();
        keysOf[rows->index(row, 0).data().toString()] = listed.last();
    }
    QStringList expected;
    for (const QString &keys : kListedKeys.split(u'|'))
        expected << QKeySequence::listToString(QKeySequence::listFromString(keys), QKeySequence::NativeText);
    QCOMPARE(listed, expected);
    const auto keysFor = [&](const char *command) {
        return keysOf.value(QCoreApplication::translate("KeyAssistantTableModel", command));
    };
    QCOMPARE(keysFor("Exit application") + '|' + keysFor("Open key assistant window") + '|' +
                 keysFor("Select next athlete"),
             named);
    const QList<QPair<const char *, const char *>> shownElsewhere = {
        {"Exit application", "action_Exit"},
        {"Open results", "action_Open"},
        {"Save results", "action_Save"},
        {"Go to administrative mode", "action_Admin"},
        {"Show setup properties", "action_ProjectProperties"},
        {"Open window for built in test", "action_Test_Hardware"},
        {"Reset race counter", "action_RaceCounterReset"},
        {"Select window layout", "action_Layout"},
        {"Open key assistant window", "actionKey_assistant"},
        {"Go to live tab", "action_ShowLiveView"},
        {"Hide race info panel", "btnToggleSettings"},
        {"Set all startblocks to READY", "btnReady"},
        {"Show common startblock settings", "btnSettings"},
    };
    for (const auto &[command, name] : shownElsewhere) {
        const QObject *target = window->findChild<QObject *>(QString::fromLatin1(name));
        QVERIFY2(target, name);
        const QKeySequence shortcut = target->property("shortcut").value<QKeySequence>();
        QVERIFY2(!shortcut.isEmpty(), name);
        QCOMPARE(keysFor(command), shortcut.toString(QKeySequence::NativeText));
    }
}

void TstKeyCommands::mnemonicMovesOffTakenLetters_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");
    QTest::newRow("free") << "&Bestand"
                          << "&Bestand";
    QTest::newRow("none") << "Setup"
                          << "Setup";
    QTest::newRow("taken") << "&Datei"
                           << "D&atei";
    QTest::newRow("inside") << "Da&tei"
                            << "Da&tei";
    QTest::newRow("next free") << "&Einrichtung"
                               << "Ei&nrichtung";
    QTest::newRow("all taken") << "&Lied"
                               << "Lied";
    QTest::newRow("ampersand") << "&&&Dx"
                               << "&&D&x";
    QTest::newRow("lower case") << "&delen"
                                << "dele&n";
}

void TstKeyCommands::mnemonicMovesOffTakenLetters()
{
    QFETCH(QString, title);
    QFETCH(QString, shown);
    QCOMPARE(MenuMnemonics::avoiding(title, "DEIL"), shown);
}

// The menu bar takes its Alt+letter before the keyboard filter: no title may claim a command's letter,
// in any language shipped nor in one that claims them all.
void TstKeyCommands::menuBarLeavesTheAltCommandsToTheFilter()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    MainWindow *window = openWindowWithLanes();
    const QString taken = KeyFilter::altLetters();
    QCOMPARE(taken, QString("EXIJLDM"));
    QStringList shown;
    const QList<QAction *> languages = part<QMenu>(window, "menuLanguage")->actions();
    QVERIFY(languages.size() >= 3);
    for (QAction *language : languages) {
        showLanguage(window, language->data().toString());
        for (const QAction *title : part<QMenuBar>(window, "menuBar")->actions())
            QVERIFY2(!taken.contains(MenuMnemonics::letterOf(title->text())), qPrintable(title->text()));
        shown << menuTitles(window);
    }
    // the translators' own choice stays
    QVERIFY2(shown.contains("Da&tei|Einrichtung|Fenster|Sprache|Hilfe"), qPrintable(shown.join(u',')));

    // in German whose File title claims D, Alt+D on the live view opens the highlighted lane's log, not the
    // file menu (the shipped German avoids D by itself)
    showLanguage(window, "de_Deutsch");
    GreedyTranslator greedy;
    QCoreApplication::installTranslator(&greedy);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    window->OnToggleApplicationMode(ModeAdministrator);
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    type(window, "Down Down");
    part(window, "btnReady")->setFocus();
    QCOMPARE(QApplication::focusWidget(), part(window, "btnReady"));
    ModalAnswerer answerer;
    QString dialog;
    answerer.answer(QDialogButtonBox::Cancel, QString(),
                    [&] { dialog = QApplication::activeModalWidget()->metaObject()->className(); });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::AltModifier);
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(dialog, QString("LoggingDlg"));
    QCOMPARE(menuTitles(window), QString("D&atei|Ei&nrichtung|Lied|&Sprache|&Hilfe"));
}

int main(int argc, char **argv)
{
    AppTestEnvironment environment;
    if (!environment.isValid())
        return 1;
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    TstKeyCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keycommands.moc"

void TstKeyCommands::laneKeysOpenTheSelectedRowsDialogs()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    openWindowWithLanes();
    ModalAnswerer answerer;
    // operator: the second row's status list opens, its info stays shut; administrator: info, status
    // and log of the highlighted row
    type(m_window, "Down Down F6 Alt+I");
    QComboBox *participation = m_window->laneRows().at(1)->participationStatusCombo();
    QTRY_VERIFY(participation->view()->isVisible());
    participation->hidePopup();
    m_window->OnToggleApplicationMode(ModeAdministrator);
    for (const char *key : {"Alt+I", "Alt+M", "Alt+D"}) {
        answerer.answer(QDialogButtonBox::Cancel);
        type(m_window, QString::fromLatin1(key));
        QCOMPARE(answerer.pending(), 0);
    }
    QStringList titles;
    for (const ModalAnswerer::Seen &seen : answerer.seen)
        titles << seen.title;
    QCOMPARE(titles, QStringList({"Starting Block Info", "Startblock measurements", "Dialog"}));
}
