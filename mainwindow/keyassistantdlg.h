#pragma once

#include <memory>

#include <QDialog>

#include "mainwindow/keyassistantsortfilterproxymodel.h"
#include "mainwindow/keyassistanttablemodel.h"

class QEvent;
class QTableView;

namespace Ui
{
class KeyAssistantDlg;
}

// The small window that lists the keyboard shortcuts for the application mode: level 0 sees the
// operator's, 1 also the administrator's, 2 all. Placed at the bottom left of its parent.
class KeyAssistantDlg : public QDialog
{
    Q_OBJECT

public:
    KeyAssistantDlg(QWidget *parent, int level);
    ~KeyAssistantDlg() override;

    // A mode change shows the rows of the new level.
    void SetLevel(int level);
    QTableView *table() const;
    const KeyAssistantSortFilterProxyModel &proxyModel() const { return m_proxy; }

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::KeyAssistantDlg> ui;
    KeyAssistantTableModel m_model;
    KeyAssistantSortFilterProxyModel m_proxy;
};
