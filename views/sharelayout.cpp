#include "views/sharelayout.h"

#include <algorithm>
#include <numeric>

#include <QWidget>

ShareLayout::ShareLayout(QWidget *parent) : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
}

ShareLayout::~ShareLayout()
{
    qDeleteAll(m_items);
}

QList<int> ShareLayout::fairShares(const QList<int> &needs, int room)
{
    QList<int> order(needs.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&needs](int a, int b) { return needs.at(a) < needs.at(b); });
    QList<int> shares(needs.size(), 0);
    int left = std::max(room, 0);
    for (int i = 0; i < order.size(); ++i) {
        const int equal = left / int(order.size() - i);
        const int share = std::clamp(needs.at(order.at(i)), 0, equal);
        shares[order.at(i)] = share;
        left -= share;
    }
    return shares;
}

void ShareLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

int ShareLayout::count() const
{
    return int(m_items.size());
}

QLayoutItem *ShareLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem *ShareLayout::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

int ShareLayout::gap() const
{
    return std::max(spacing(), 0); // a plain layout has no spacing until it is given one
}

QList<QLayoutItem *> ShareLayout::shownItems() const
{
    QList<QLayoutItem *> shown;
    std::copy_if(m_items.cbegin(), m_items.cend(), std::back_inserter(shown),
                 [](const QLayoutItem *item) { return !item->isEmpty(); });
    return shown;
}

QSize ShareLayout::rowSize(QSize (QLayoutItem::*size)() const) const
{
    const QList<QLayoutItem *> shown = shownItems();
    QSize row(shown.isEmpty() ? 0 : gap() * int(shown.size() - 1), 0);
    for (const QLayoutItem *item : shown) {
        const QSize one = (item->*size)();
        row = {row.width() + one.width(), std::max(row.height(), one.height())};
    }
    const QMargins margins = contentsMargins();
    return row.grownBy(margins);
}

QSize ShareLayout::sizeHint() const
{
    return rowSize(&QLayoutItem::sizeHint);
}

QSize ShareLayout::minimumSize() const
{
    return rowSize(&QLayoutItem::minimumSize);
}

void ShareLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    const QRect room = contentsRect();
    const QList<QLayoutItem *> shown = shownItems();
    if (shown.isEmpty())
        return;
    QList<int> needs;
    for (const QLayoutItem *item : shown)
        needs << std::max(item->sizeHint().width(), item->minimumSize().width());
    const QList<int> widths = fairShares(needs, room.width() - gap() * int(shown.size() - 1));
    int x = room.left();
    for (int i = 0; i < shown.size(); ++i) {
        shown.at(i)->setGeometry(QRect(x, room.top(), widths.at(i), room.height()));
        x += widths.at(i) + gap();
    }
}
