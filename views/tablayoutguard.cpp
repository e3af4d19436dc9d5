#include "views/tablayoutguard.h"

#include <QEvent>
#include <QTabBar>
#include <QTabWidget>

TabLayoutGuard::TabLayoutGuard(QTabWidget *tabs) : QObject(tabs), m_tabs(tabs)
{
    tabs->installEventFilter(this);
}

bool TabLayoutGuard::Needs::operator==(const Needs &other) const
{
    return barHint == other.barHint && barMinimum == other.barMinimum && hint == other.hint &&
           minimum == other.minimum && barShown == other.barShown && position == other.position;
}

TabLayoutGuard::Needs TabLayoutGuard::currentNeeds() const
{
    const QTabBar *bar = m_tabs->tabBar();
    return {bar->sizeHint(),           bar->minimumSizeHint(),   m_tabs->sizeHint(),
            m_tabs->minimumSizeHint(), bar->isVisibleTo(m_tabs), int(m_tabs->tabPosition())};
}

bool TabLayoutGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_tabs || event->type() != QEvent::LayoutRequest)
        return false;
    const Needs needs = currentNeeds();
    if (m_known && needs == m_lastNeeds) {
        ++m_held;
        return true; // the page has laid itself out already; nothing of the tab widget's own moves
    }
    m_lastNeeds = needs;
    m_known = true;
    ++m_passed;
    return false;
}
