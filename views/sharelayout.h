#pragma once

#include <QLayout>
#include <QList>

// Lays its widgets out in one row, each as wide as it asks. When the row is too narrow for all, the room
// is shared fairly: a widget that needs less than an equal share keeps what it needs, and the wide ones
// split what is left equally, so none is squeezed to nothing by a wider neighbour.
class ShareLayout : public QLayout
{
    Q_OBJECT

public:
    explicit ShareLayout(QWidget *parent = nullptr);
    ~ShareLayout() override;

    // The widths for these needs in this room (spacing taken off already), in the same order.
    static QList<int> fairShares(const QList<int> &needs, int room);

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

private:
    int gap() const;
    QList<QLayoutItem *> shownItems() const;
    QSize rowSize(QSize (QLayoutItem::*size)() const) const;

    QList<QLayoutItem *> m_items;
};
