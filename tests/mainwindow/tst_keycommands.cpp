// The operator's keys: the filter's decoding and where each command may act, then the keys on the real
// window, the tab selector and the key assistant. Every window here broadcasts the meet discovery, so
// those tests run only inside the private network namespace.
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "../core/apptestenvironment.h"
#include "core/quellorapp.h"
#include "mainwindow/keyassistantdlg.h"
#include "mainwindow/keycommands.h"
#include "mainwindow/keyfilter.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/tabselectordlg.h"
#include "meet/event.h"
#include "meet/heat.h"
#include "meet/round.h"
#include "modalanswerer.h"
#include "testnetwork.h"
#include "views/startblockslayoutwidget.h"

namespace
{

constexpr int kWaitMs = 10000;
constexpr int kLaneRows = 3;

QKeyCombination combination(const QString &text)
{
    return QKeySequence::fromString(text)[0];
}

// "Down Alt+E" -> one click per key, modifiers pressed around it as a keyboard does
void type(QWidget *widget, const QString &keys)
{
    for (const QString &key : keys.split(u' ', Qt::SkipEmptyParts))
        QTest::keyClick(widget, combination(key).key(), combination(key).keyboardModifiers());
}

// an event of the 100 m with one round of three heats and a round without heats
Event sprintEvent()
{
    Event event;
    event.id = 7;
    event.name = QStringLiteral("100 m");
    event.eventtype.distance = 100;
    event.eventtype.athletesquantity = 1;
    Round heats;
    heats.id = 71;
    heats.name = QStringLiteral("Heats");
    for (quint32 seqno = 1; seqno <= 3; ++seqno) {
        Heat heat;
        heat.id = 710 + seqno;
        heat.seqno = seqno;
        heats.addHeat(heat);
    }
    event.addRound(heats);
    Round final;
    final.id = 72;
    final.name = QStringLiteral("Final");
    event.addRound(final);
    return event;
}

template<typename T = QWidget>
T *part(MainWindow *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

} // namespace

class TstKeyCommands : public QObject
{
    Q_OBJECT

private slots:
    void filterDecodesPresses_data();
    void filterDecodesPresses();
    void filterConsumesReleasesAndModifiers();
    void commandsActWhereAllowed_data();
    void commandsActWhereAllowed();
    void selectionsMove_data();
    void selectionsMove();

    void keysOnTheWindow_data();
    void keysOnTheWindow();
    void tabSelectorCyclesAndSwitches_data();
    void tabSelectorCyclesAndSwitches();
    void keyAssistantRowsFollowTheMode_data();
    void keyAssistantRowsFollowTheMode();
    void keyAssistantTakesUpDownAndEscape();

    void cleanup();

private:
    MainWindow *openWindow();
    QString windowState() const;
    MainWindow *m_window = nullptr;
    QStringList m_sent;
};

void TstKeyCommands::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_sent.clear();
}

void TstKeyCommands::filterDecodesPresses_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("command"); // 0: passes on unfiltered
    const QList<QPair<const char *, int>> rows = {
        {"Alt+E", 2},  {"Alt+X", 5},      {"Alt+I", 14},      {"Alt+J", 17},      {"Alt+L", 13},
        {"Alt+D", 23}, {"Alt+M", 18},     {"Alt+Shift+M", 0}, {"Alt+Shift+E", 2}, {"E", 0},
        {"X", 0},      {"M", 0},          {"F6", 11},         {"F7", 3},          {"Shift+F9", 19},
        {"F10", 20},   {"Ctrl+F11", 21},  {"F12", 22},        {"F5", 0},          {"F2", 0},
        {"F8", 0},     {"Ctrl+Tab", 6},   {"Tab", 0},         {"Up", 7},          {"Down", 8},
        {"Left", 9},   {"Alt+Right", 10}, {"Return", 4},      {"Enter", 4},       {"Escape", 12},
        {"Ctrl+E", 0},
    };
    for (const auto &[key, command] : rows)
        QTest::newRow(key) << QString::fromLatin1(key) << command;
}

void TstKeyCommands::filterDecodesPresses()
{
    QFETCH(QString, key);
    QFETCH(int, command);
    KeyFilter filter;
    QObject watched;
    QSignalSpy sent(&filter, &KeyFilter::send_key);
    QKeyEvent press(QEvent::KeyPress, combination(key).key(), combination(key).keyboardModifiers());
    QCOMPARE(filter.eventFilter(&watched, &press), command != 0);
    QCOMPARE(sent.count(), command != 0 ? 1 : 0);
    if (command != 0)
        QCOMPARE(int(sent.at(0).at(0).value<KeyPressed>()), command);
}

void TstKeyCommands::filterConsumesReleasesAndModifiers()
{
    KeyFilter filter;
    QObject watched;
    QSignalSpy sent(&filter, &KeyFilter::send_key);
    for (const int key : {Qt::Key_Alt, Qt::Key_Shift, Qt::Key_Control}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QVERIFY(filter.eventFilter(&watched, &press));
    }
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier);
    QVERIFY(filter.eventFilter(&watched, &release));
    // a plain Tab after Ctrl+Tab moves the focus: the Control release went to the tab selector, not here
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QVERIFY(!filter.eventFilter(&watched, &tab));
    QEvent other(QEvent::FocusIn);
    QVERIFY(!filter.eventFilter(&watched, &other));
    QCOMPARE(sent.count(), 0);
}

void TstKeyCommands::commandsActWhereAllowed_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("allowed"); // live view in modes 0 1 2, then an opened tab in modes 0 1 2
    QTest::newRow("Alt+E") << 2 << "111000";
    QTest::newRow("F7") << 3 << "111111";
    QTest::newRow("Ctrl+Tab") << 6 << "111111";
    QTest::newRow("Up") << 7 << "111111";
    QTest::newRow("Left") << 9 << "000000";
    QTest::newRow("F6") << 11 << "111000";
    QTest::newRow("Alt+I") << 14 << "011000";
    QTest::newRow("Alt+J") << 17 << "011000";
    QTest::newRow("Alt+D") << 23 << "011000";
    QTest::newRow("Alt+M") << 18 << "111000";
    QTest::newRow("F12") << 22 << "111111";
    QTest::newRow("never sent") << 15 << "000000";
}

void TstKeyCommands::commandsActWhereAllowed()
{
    QFETCH(int, command);
    QFETCH(QString, allowed);
    QString found;
    for (const bool live : {true, false}) {
        for (int mode = 0; mode <= 2; ++mode)
            found += KeyCommands::allowed(KeyPressed(command), live, mode) ? u'1' : u'0';
    }
    QCOMPARE(found, allowed);
}

void TstKeyCommands::selectionsMove_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("up from none") << "up" << 255 << 0;
    QTest::newRow("up from 0") << "up" << 0 << 0;
    QTest::newRow("up from 4") << "up" << 4 << 3;
    QTest::newRow("down from none") << "down" << 255 << 0;
    QTest::newRow("down before the last") << "down" << 6 << 7;
    QTest::newRow("down on the last") << "down" << 7 << 7;
    QTest::newRow("F9 at the first") << "F9" << 0 << 0;
    QTest::newRow("F9 without entries") << "F9" << -1 << -1;
    QTest::newRow("F10 back to the first") << "F10" << 3 << 0;
    QTest::newRow("F11 at start 1") << "F11" << 1 << 1;
    QTest::newRow("F11") << "F11" << 5 << 4;
    QTest::newRow("F12 at the largest start") << "F12" << 65535 << 65535;
}

void TstKeyCommands::selectionsMove()
{
    QFETCH(QString, rule);
    QFETCH(int, from);
    QFETCH(int, to);
    constexpr int kLanes = 8;
    constexpr int kEventRows = 4;
    int moved = 0;
    if (rule == "up")
        moved = KeyCommands::laneAbove(quint8(from));
    else if (rule == "down")
        moved = KeyCommands::laneBelow(quint8(from), kLanes);
    else if (rule == "F9")
        moved = KeyCommands::previousEventRow(from);
    else if (rule == "F10")
        moved = KeyCommands::nextEventRow(from, kEventRows);
    else if (rule == "F11")
        moved = KeyCommands::previousStart(quint16(from));
    else
        moved = KeyCommands::nextStart(quint16(from));
    QCOMPARE(moved, to);
}

// ---------------------------------------------------------------------------------------------------

MainWindow *TstKeyCommands::openWindow()
{
    m_window = MainWindow::instance();
    for (int lane = 0; lane < kLaneRows; ++lane)
        m_window->laneLayoutWidget()->measurementsLayout()->addWidget(new QWidget(m_window));
    part<QTabWidget>(m_window, "tabCentral")->addTab(new QWidget, QStringLiteral("race_1_h1_s1"));
    part<QTabWidget>(m_window, "tabCentral")->addTab(new QWidget, QStringLiteral("race_2_h1_s1"));
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
        .arg(m_window->focusWidget() ? m_window->focusWidget()->objectName() : QString())
        .arg(m_sent.join(u','));
}

void TstKeyCommands::keysOnTheWindow_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("settingsHidden");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("box");
    const QString noBox;
    QTest::newRow("Up selects the first lane")
        << 0 << false << "Up Up"
        << "lane=0 tab=0/3 event=0/3 focus=cmbEvents sent=7,7" << noBox;
    QTest::newRow("Down stops on the last lane")
        << 0 << false << "Down Down Down Down"
        << "lane=2 tab=0/3 event=0/3 focus=cmbEvents sent=8,8,8,8" << noBox;
    QTest::newRow("Escape deselects") << 0 << false << "Down Down Escape"
                                      << "lane=- tab=0/3 event=0/3 focus=cmbEvents sent=8,8,12" << noBox;
    QTest::newRow("F10 runs through the heats and back")
        << 0 << false << "F10 F10 F10 F10"
        << "lane=- tab=0/3 event=1/3 focus=cmbEvents sent=20,20,20,20" << noBox;
    QTest::newRow("F9 stops at the first heat")
        << 0 << false << "F10 F9 F9"
        << "lane=- tab=0/3 event=0/3 focus=cmbEvents sent=20,19,19" << noBox;
    QTest::newRow("Alt+E shows the race info and opens the events")
        << 0 << true << "Alt+E"
        << "lane=- tab=0/3 event=0/3 popup focus=cmbEvents sent=2" << noBox;
    QTest::newRow("Alt+E only on the live view")
        << 1 << true << "Alt+E"
        << "lane=- tab=1/3 event=0/3 hidden focus=cmbEvents sent=2" << noBox;
    QTest::newRow("letters without Alt reach the widget")
        << 0 << false << "E X I J L D M Alt+Shift+M"
        << "lane=- tab=0/3 event=0/3 focus=cmbEvents sent=" << noBox;
    QTest::newRow("Return focuses the window") << 0 << false << "Return"
                                               << "lane=- tab=0/3 event=0/3 focus=MainWindow sent=4" << noBox;
    QTest::newRow("Alt+L goes to the live view")
        << 2 << false << "Alt+L"
        << "lane=- tab=0/3 event=0/3 focus=cmbEvents sent=13" << noBox;
    QTest::newRow("Alt+X closes an opened tab") << 2 << false << "Alt+X"
                                                << "lane=- tab=1/2 event=0/3 focus=cmbEvents sent=5" << noBox;
    QTest::newRow("Alt+X keeps the live view") << 0 << false << "Alt+X"
                                               << "lane=- tab=0/3 event=0/3 focus=cmbEvents sent=5"
                                               << "Close live view|You can't close the live view.";
}

void TstKeyCommands::keysOnTheWindow()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    QFETCH(int, tab);
    QFETCH(bool, settingsHidden);
    QFETCH(QString, keys);
    QFETCH(QString, state);
    QFETCH(QString, box);
    MainWindow *window = openWindow();
    part<QTabWidget>(window, "tabCentral")->setCurrentIndex(tab);
    part(window, "groupSettings")->setHidden(settingsHidden);
    part(window, "cmbEvents")->setFocus();
    ModalAnswerer answerer;
    if (!box.isEmpty())
        answerer.answer(QDialogButtonBox::Ok);
    type(window, keys);
    QCOMPARE(windowState(), state);
    QCOMPARE(answerer.pending(), 0);
    if (!box.isEmpty())
        QCOMPARE(answerer.seen.value(0).title + '|' + answerer.seen.value(0).text, box);
    part<QComboBox>(window, "cmbEvents")->hidePopup();
}

void TstKeyCommands::tabSelectorCyclesAndSwitches_data()
{
    QTest::addColumn<int>("tabs"); // presses of Tab while Control is held
    QTest::addColumn<QList<int>>("highlighted");
    QTest::addColumn<int>("shown");
    QTest::newRow("Control released at once") << 0 << QList<int>{1} << 0;
    QTest::newRow("two tabs on") << 2 << QList<int>{1, 2, 3} << 2;
    QTest::newRow("round to the first") << 3 << QList<int>{1, 2, 3, 1} << 0;
}

void TstKeyCommands::tabSelectorCyclesAndSwitches()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    QFETCH(int, tabs);
    QFETCH(QList<int>, highlighted);
    QFETCH(int, shown);
    MainWindow *window = openWindow();
    part<QTabWidget>(window, "tabCentral")->setCurrentIndex(1);
    const QString marked = QStringLiteral("background-color: rgb(%1, %2, %3); border: none;")
                               .arg(window->currentStyle().buttonColour.red)
                               .arg(window->currentStyle().buttonColour.green)
                               .arg(window->currentStyle().buttonColour.blue);
    QStringList names;
    QList<int> seen;
    QTimer::singleShot(0, this, [&] {
        auto *selector = qobject_cast<TabSelectorDlg *>(QApplication::activeModalWidget());
        QVERIFY(selector);
        QVERIFY(selector->windowFlags() & Qt::FramelessWindowHint);
        for (const QLabel *label : selector->labels())
            names << label->text();
        const auto markedLabel = [&] {
            for (int i = 0; i < selector->labels().size(); ++i) {
                if (selector->labels().at(i)->styleSheet() == marked)
                    seen << i + 1;
            }
        };
        markedLabel();
        for (int i = 0; i < tabs; ++i) {
            // Control stays held: only the Tab key goes up
            QTest::keyPress(selector, Qt::Key_Tab, Qt::ControlModifier);
            QTest::keyRelease(selector, Qt::Key_Tab);
            markedLabel();
        }
        QTest::keyClick(selector, Qt::Key_Escape); // does not close it
        QVERIFY(selector->isVisible());
        QTest::keyRelease(selector, Qt::Key_Control);
    });
    QTest::keyClick(window, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(names, (QStringList{"Live...", "race_1_h1_s1", "race_2_h1_s1"}));
    QCOMPARE(seen, highlighted);
    QCOMPARE(part<QTabWidget>(window, "tabCentral")->currentIndex(), shown);
    // the selector's Control release never reached the filter: a plain Tab is a plain Tab again
    QTest::keyClick(window, Qt::Key_Tab);
    QCOMPARE(m_sent, QStringList{"6"});
    QTRY_COMPARE(window->findChildren<TabSelectorDlg *>().size(), 0);
}

void TstKeyCommands::keyAssistantRowsFollowTheMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("rows");
    QTest::newRow("operator") << 0 << 29;
    QTest::newRow("administrator") << 1 << 35;
    QTest::newRow("full administrator") << 2 << 37;
}

void TstKeyCommands::keyAssistantRowsFollowTheMode()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    QFETCH(int, mode);
    QFETCH(int, rows);
    MainWindow *window = openWindow();
    window->OnToggleApplicationMode(PossibleModes(mode));
    part<QAction>(window, "actionKey_assistant")->trigger();
    KeyAssistantDlg *assistant = window->keyAssistant();
    QVERIFY(assistant && assistant->isVisible() && !assistant->isModal());
    QVERIFY(assistant->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(assistant->windowTitle(), QString("Dialog"));
    QCOMPARE(assistant->pos(), QPoint(0, window->height() - assistant->height()));
    const QTableView *table = assistant->table();
    QCOMPARE(table->model()->rowCount(), rows);
    QVERIFY(!table->isColumnHidden(0) && !table->isColumnHidden(1) && table->isColumnHidden(2));
    QCOMPARE(table->model()->headerData(0, Qt::Horizontal).toString(), QString("Command"));
    QCOMPARE(table->model()->headerData(1, Qt::Horizontal).toString(), QString("Shortcut"));
    // every mode change reaches the open assistant, the return to the operator too
    window->OnToggleApplicationMode(ModeAdministratorFull);
    QStringList shortcuts;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        shortcuts << table->model()->index(row, 1).data().toString();
    QCOMPARE(
        shortcuts.join(u' '),
        QString("Alt+D Alt+E Alt+H Alt+I Alt+J Alt+L Alt+M Alt+Shift+B Alt+Shift+D Alt+Shift+I Alt+Shift+M "
                "Alt+X Arrow Down Arrow Up Ctrl+A Ctrl+B Ctrl+L Ctrl+O Ctrl+P Ctrl+R Ctrl+S Ctrl+Shift+L "
                "Ctrl+Tab Ctrl+X Enter,Return Escape F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12"));
    window->OnToggleApplicationMode(ModeOperator);
    QCOMPARE(table->model()->rowCount(), 29);
    // the action closes it again
    const QPointer<KeyAssistantDlg> guard = assistant;
    part<QAction>(window, "actionKey_assistant")->trigger();
    QVERIFY(!window->keyAssistant());
    QTRY_VERIFY(guard.isNull());
}

void TstKeyCommands::keyAssistantTakesUpDownAndEscape()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    MainWindow *window = openWindow();
    type(window, "Down Down");
    part<QAction>(window, "actionKey_assistant")->trigger();
    const QPointer<KeyAssistantDlg> assistant = window->keyAssistant();
    QVERIFY(assistant);
    // the keys pressed in the assistant pass the window's filter
    type(assistant, "Up Down");
    QCOMPARE(assistant->focusWidget(), assistant->table());
    QCOMPARE(window->selectedLane(), quint8(1));
    type(assistant, "Escape");
    QVERIFY(!window->keyAssistant());
    QTRY_VERIFY(assistant.isNull());
    QCOMPARE(window->selectedLane(), quint8(1));
    // closed by its own title bar, it goes as well; the action opens a new one at once
    part<QAction>(window, "actionKey_assistant")->trigger();
    const QPointer<KeyAssistantDlg> second = window->keyAssistant();
    QVERIFY(second);
    second->reject();
    QTRY_VERIFY(second.isNull());
    part<QAction>(window, "actionKey_assistant")->trigger();
    QVERIFY(window->keyAssistant());
    QCOMPARE(m_sent, (QStringList{"8", "8", "7", "8", "12"}));
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
