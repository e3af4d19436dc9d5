#pragma once

#include <memory>

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTimer>

#include "views/stylesettings.h"

class QKeyEvent;
class QLabel;

namespace Ui
{
class TabSelectorDlg;
}

// The frameless list of open tabs that Ctrl+Tab brings up: each Tab moves the highlight to the next name,
// releasing Control accepts, and the caller shows the tab at selectedIndex() - 1. Control released before
// the list had the keyboard (its release then went to the window the list blocks) accepts as well.
class TabSelectorDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TabSelectorDlg(QWidget *parent = nullptr);
    ~TabSelectorDlg() override;

    void SetTabNames(const QStringList &names) { m_tabNames = names; }
    // the current theme's button colour marks the highlighted name
    void SetHighlightColour(const StyleColour &colour) { m_highlight = colour; }
    // One label per tab name, in order, then the highlight.
    void SetTabs();

    // 1-based position of the highlighted name
    int selectedIndex() const { return m_selectedIndex; }
    const QList<QLabel *> &labels() const { return m_labels; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void UpdateSelection();
    void acceptOnceControlIsUp();

    std::unique_ptr<Ui::TabSelectorDlg> ui;
    int m_selectedIndex = 1;
    QStringList m_tabNames;
    QList<QLabel *> m_labels;
    StyleColour m_highlight;
    QTimer m_controlWatch;
};
