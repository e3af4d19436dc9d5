// The keyboard commands of the main window, the tab selector, the key assistant and the closing of tabs.
#include "mainwindow/mainwindow.h"

#include <array>

#include <QComboBox>
#include <QPushButton>
#include <QGroupBox>
#include <QLayout>
#include <QMessageBox>
#include <QTabWidget>
#include <QTableView>

#include "mainwindow/keyassistantdlg.h"
#include "mainwindow/tabselectordlg.h"
#include "ui_mainwindow.h"
#include "views/opentabwidget.h"
#include "views/startblockmeasurementwidget.h"
#include "views/startblockslayoutwidget.h"

void MainWindow::OnItemSelectedKeyPressed(KeyPressed key)
{
    using Action = void (MainWindow::*)();
    struct Command {
        KeyPressed key;
        Action action;
    };
    static const std::array<Command, 18> kCommands = {{
        {KeyPreviousStart, &MainWindow::previousStart},
        {KeyNextStart, &MainWindow::nextStart},
        {KeyLaneGraph, &MainWindow::showSelectedLaneGraph},
        {KeyParticipation, &MainWindow::openSelectedLaneParticipation},
        {KeyLaneInfo, &MainWindow::showSelectedLaneInfo},
        {KeyLaneSoundGraph, &MainWindow::showSelectedLaneSoundGraph},
        {KeyLaneLog, &MainWindow::showSelectedLaneLog},
        {KeyLaneMeasurements, &MainWindow::showSelectedLaneMeasurements},
        {KeySelectRace, &MainWindow::openEventsList},
        {KeyFocusMain, &MainWindow::focusMainWindow},
        {KeyCloseTab, &MainWindow::closeCurrentTab},
        {KeyTabSelector, &MainWindow::showTabSelector},
        {KeyLaneUp, &MainWindow::selectLaneAbove},
        {KeyLaneDown, &MainWindow::selectLaneBelow},
        {KeyDeselect, &MainWindow::deselectLane},
        {KeyLiveTab, &MainWindow::on_action_ShowLiveView_triggered},
        {KeyPreviousEvent, &MainWindow::selectPreviousEvent},
        {KeyNextEvent, &MainWindow::selectNextEvent},
    }};
    if (!KeyCommands::allowed(key, liveViewCurrent(), m_mode))
        return;
    for (const Command &command : kCommands) {
        if (command.key == key) {
            (this->*command.action)();
            return;
        }
    }
}

StartBlockMeasurementWidget *MainWindow::selectedLiveRow() const
{
    if (!liveViewCurrent() || m_selectedLane == kNoLaneSelected)
        return nullptr;
    QLayoutItem *item = m_laneLayout->measurementsLayout()->itemAt(m_selectedLane);
    return item ? qobject_cast<StartBlockMeasurementWidget *>(item->widget()) : nullptr;
}

void MainWindow::showSelectedLaneGraph()
{
    // the highlighted row of the tab shown: only rows with a block and a measurement are ever highlighted
    StartBlockMeasurementWidget *row = selectedLiveRow();
    if (const OpenTabWidget *tab = currentMeasurementTab()) {
        const QList<StartBlockMeasurementWidget *> rows = tab->displayedRows();
        row = tab->selectedLane() < rows.size() ? rows.at(tab->selectedLane()) : nullptr;
    }
    if (row && row->startBlock() && row->measurement() && row->graphButton()->isEnabled())
        row->OnBtnGraphClicked();
}

void MainWindow::openSelectedLaneParticipation()
{
    if (StartBlockMeasurementWidget *row = selectedLiveRow())
        row->participationStatusCombo()->showPopup();
}

void MainWindow::showSelectedLaneInfo()
{
    if (StartBlockMeasurementWidget *row = selectedLiveRow())
        row->OnBtnInfoClicked();
}

void MainWindow::showSelectedLaneSoundGraph()
{
    if (StartBlockMeasurementWidget *row = selectedLiveRow())
        row->OnBtnSoundGraphClicked();
}

void MainWindow::showSelectedLaneLog()
{
    if (StartBlockMeasurementWidget *row = selectedLiveRow())
        row->OnBtnLogClicked();
}

void MainWindow::showSelectedLaneMeasurements()
{
    if (StartBlockMeasurementWidget *row = selectedLiveRow())
        row->OnBtnMeasurementsClicked();
}

void MainWindow::previousStart()
{
    m_race.previousStart();
    UpdateRaceInfo();
    followFieldsBeforeStart();
}

void MainWindow::nextStart()
{
    m_race.nextStart();
    UpdateRaceInfo();
    followFieldsBeforeStart();
}

bool MainWindow::liveViewCurrent() const
{
    return ui->tabCentral->currentWidget() == ui->tabLive;
}

void MainWindow::openEventsList()
{
    if (ui->groupSettings->isHidden())
        on_btnToggleSettings_clicked(false);
    ui->cmbEvents->showPopup();
}

void MainWindow::focusMainWindow()
{
    setFocus();
}

void MainWindow::closeCurrentTab()
{
    OnTabCloseRequested(ui->tabCentral->currentIndex());
}

// Tabs can be moved, so the live view is known by its page, not by index 0; it is never closed.
void MainWindow::OnTabCloseRequested(int ix)
{
    if (ui->tabCentral->widget(ix) == ui->tabLive) {
        QMessageBox::information(this, tr("Close live view"), tr("You can't close the live view."),
                                 QMessageBox::Ok);
        return;
    }
    QWidget *page = ui->tabCentral->widget(ix);
    if (!page)
        return;
    ui->tabCentral->removeTab(ix);
    // the key that closed the tab may still be on its way through the page
    page->deleteLater();
}

void MainWindow::showTabSelector()
{
    QStringList names;
    for (int i = 0; i < ui->tabCentral->count(); ++i)
        names << ui->tabCentral->tabText(i);
    if (m_tabSelector)
        m_tabSelector->deleteLater();
    m_tabSelector = new TabSelectorDlg(this);
    m_tabSelector->setModal(true);
    m_tabSelector->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    m_tabSelector->SetTabNames(names);
    m_tabSelector->SetHighlightColour(currentStyle().buttonColour);
    m_tabSelector->SetTabs();
    const QPointer<TabSelectorDlg> selector = m_tabSelector;
    const int result = selector->exec();
    if (!selector)
        return;
    if (result == QDialog::Accepted)
        ui->tabCentral->setCurrentIndex(selector->selectedIndex() - 1);
    selector->deleteLater();
    m_tabSelector = nullptr;
}

void MainWindow::selectLaneAbove()
{
    if (m_keyAssistant) {
        m_keyAssistant->table()->setFocus();
        return;
    }
    setCurrentSelection(KeyCommands::laneAbove(currentSelection()));
}

void MainWindow::selectLaneBelow()
{
    if (m_keyAssistant) {
        m_keyAssistant->table()->setFocus();
        return;
    }
    const OpenTabWidget *tab = currentMeasurementTab();
    const int lanes = tab ? int(tab->displayedRows().size()) : liveLaneCount();
    setCurrentSelection(KeyCommands::laneBelow(currentSelection(), lanes));
}

void MainWindow::deselectLane()
{
    if (m_keyAssistant) {
        closeKeyAssistant();
        return;
    }
    setCurrentSelection(kNoLaneSelected);
}

// The live view and every opened tab keep a lane selection of their own.
quint8 MainWindow::currentSelection() const
{
    if (const OpenTabWidget *tab = currentMeasurementTab())
        return tab->selectedLane();
    return m_selectedLane;
}

void MainWindow::setCurrentSelection(quint8 lane)
{
    if (OpenTabWidget *tab = currentMeasurementTab())
        tab->setSelectedLane(lane);
    else if (liveViewCurrent())
        m_selectedLane = lane;
    else
        return;
    ApplyColourStyleSheets();
}

int MainWindow::liveLaneCount() const
{
    const QLayout *rows = m_laneLayout->measurementsLayout();
    int count = 0;
    for (int i = 0; i < rows->count(); ++i) {
        if (rows->itemAt(i)->widget())
            ++count;
    }
    return count;
}

// F9 and F10 pick a heat by hand when they move the row.
void MainWindow::selectPreviousEvent()
{
    pickEventRow(KeyCommands::previousEventRow(ui->cmbEvents->currentIndex()));
}

void MainWindow::selectNextEvent()
{
    const int row = ui->cmbEvents->currentIndex();
    if (m_meet.events().heatAtRow(row))
        pickEventRow(KeyCommands::nextEventRow(row, ui->cmbEvents->count()));
}

void MainWindow::pickEventRow(int row)
{
    if (row == ui->cmbEvents->currentIndex())
        return;
    if (m_refill) {
        m_refill.reset();
        refreshMeetNotes();
    }
    ui->cmbEvents->setCurrentIndex(row);
    m_rowJustChanged = -1;
    pickShownHeat();
}

KeyAssistantDlg *MainWindow::keyAssistant() const
{
    return m_keyAssistant;
}

void MainWindow::on_actionKey_assistant_triggered()
{
    if (m_keyAssistant) {
        closeKeyAssistant();
        return;
    }
    m_keyAssistant = new KeyAssistantDlg(this, m_mode);
    m_keyAssistant->installEventFilter(m_keyFilter);
    m_keyAssistant->setModal(false);
    m_keyAssistant->setWindowFlags(m_keyAssistant->windowFlags() | Qt::WindowStaysOnTopHint);
    // closed by its own title bar: released as by the action
    connect(m_keyAssistant, &QDialog::finished, this, &MainWindow::closeKeyAssistant);
    m_keyAssistant->show();
}

void MainWindow::closeKeyAssistant()
{
    if (!m_keyAssistant)
        return;
    // may run inside one of the assistant's own events
    m_keyAssistant->hide();
    m_keyAssistant->deleteLater();
    m_keyAssistant = nullptr;
}
