#include "mainwindow/tabselectordlg.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>

#include "ui_tabselectordlg.h"

namespace
{
const QString kPlainLabel = QStringLiteral("border: none;");
const QString kHighlightedLabel = QStringLiteral("background-color: rgb(%1, %2, %3); border: none;");
constexpr int kControlWatchMs = 50;
} // namespace

TabSelectorDlg::TabSelectorDlg(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TabSelectorDlg>())
{
    ui->setupUi(this);
    setStyleSheet(styleSheet() + QStringLiteral("border: 2px solid white;"));
    m_controlWatch.setInterval(kControlWatchMs);
    connect(&m_controlWatch, &QTimer::timeout, this, &TabSelectorDlg::acceptOnceControlIsUp);
    connect(this, &QDialog::finished, &m_controlWatch, &QTimer::stop);
}

TabSelectorDlg::~TabSelectorDlg() = default;

void TabSelectorDlg::SetTabs()
{
    for (QLabel *label : std::as_const(m_labels)) {
        ui->verticalLayout_2->removeWidget(label);
        label->deleteLater();
    }
    m_labels.clear();
    for (const QString &name : std::as_const(m_tabNames)) {
        auto *label = new QLabel(name, this);
        ui->verticalLayout_2->addWidget(label);
        m_labels << label;
    }
    UpdateSelection();
    updateGeometry();
    adjustSize();
}

void TabSelectorDlg::UpdateSelection()
{
    for (int i = 0; i < m_labels.size(); ++i) {
        m_labels[i]->setStyleSheet(
            i + 1 == m_selectedIndex
                ? kHighlightedLabel.arg(m_highlight.red).arg(m_highlight.green).arg(m_highlight.blue)
                : kPlainLabel);
    }
}

void TabSelectorDlg::keyPressEvent(QKeyEvent *event)
{
    // every other key, Escape too, leaves the dialog as it is
    if (event->key() != Qt::Key_Tab || m_tabNames.isEmpty())
        return;
    m_selectedIndex = m_selectedIndex % int(m_tabNames.size()) + 1;
    UpdateSelection();
}

void TabSelectorDlg::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Control)
        accept();
}

// A quick Ctrl+Tab lets go of Control before the window system gives the list the keyboard; the release
// then goes to the blocked main window and is lost, so the keyboard itself is asked.
void TabSelectorDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_controlWatch.start();
}

void TabSelectorDlg::acceptOnceControlIsUp()
{
    if (!(QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier))
        accept();
}
