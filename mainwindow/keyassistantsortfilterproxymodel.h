#pragma once

#include <QSortFilterProxyModel>

// Shows the key assistant's rows up to a level, and sorts the shortcuts by their keys, the same in every
// language: plain keys, F2 before F10, then the Ctrl and the Alt keys.
class KeyAssistantSortFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit KeyAssistantSortFilterProxyModel(QObject *parent = nullptr);

    int level() const { return m_level; }
    // the caller re-applies the filter
    void setLevel(int level) { m_level = level; }
    void refilter() { invalidateFilter(); }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    int m_level = 0;
};
