#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QTest>

// A heat picked by hand as an official does it: Alt+E where the keys go opens the Race list, the arrow
// keys go to the row and Return takes it. True once the list shows that row.
inline bool pickRaceListRow(QWidget *window, QComboBox *events, int row, int waitMs = 40000)
{
    if (!window->isActiveWindow()) {
        QApplication::setActiveWindow(window);
        if (!QTest::qWaitForWindowActive(window))
            return false;
    }
    QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(focus, Qt::Key_E, Qt::AltModifier);
    QAbstractItemView *list = events->view();
    if (!QTest::qWaitFor([list] { return list->isVisible(); }, waitMs))
        return false;
    for (int at = list->currentIndex().row(); at != row; at += at < row ? 1 : -1)
        QTest::keyClick(list, at < row ? Qt::Key_Down : Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    if (!QTest::qWaitFor([list] { return !list->isVisible(); }, waitMs))
        return false;
    // the closed list hands the keys back to the window
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window) && events->currentIndex() == row;
}
