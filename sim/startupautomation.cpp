#include "sim/startupautomation.h"

#include <algorithm>

#include <QApplication>
#include <QPushButton>

#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "dialogs/projectsettingsdlg.h"
#include "mainwindow/mainwindow.h"

namespace
{

// the device has reported its state, which its row shows
bool reportsState(const CStartBlock *block)
{
    return block->measurement() && block->measurement()->state() != 0;
}

} // namespace

StartupAutomation::StartupAutomation(Answer answer, QObject *parent) : QObject(parent), m_answer(answer)
{
    connect(&m_poll, &QTimer::timeout, this, &StartupAutomation::poll);
    m_poll.start(kPollMs);
}

bool StartupAutomation::lanesLive(const MainWindow &window)
{
    const QList<CStartBlock *> blocks = window.startBlocks();
    if (!window.isVisible() || blocks.isEmpty() || window.laneRows().size() != blocks.size())
        return false;
    if (window.coordinator() && window.coordinator()->state() == 0)
        return false;
    return std::all_of(blocks.cbegin(), blocks.cend(), reportsState);
}

void StartupAutomation::poll()
{
    if (!m_answered) {
        m_answered = answerDialog();
        return;
    }
    MainWindow *window = MainWindow::instance();
    if (!m_windowShown && window->isVisible()) {
        m_windowShown = true;
        emit window_shown(window);
    }
    if (lanesLive(*window)) {
        m_poll.stop();
        emit lanes_live(window);
    }
}

bool StartupAutomation::answerDialog()
{
    auto *dialog = qobject_cast<ProjectSettingsDlg *>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible())
        return false;
    emit dialog_shown(dialog);
    const char *button = m_answer == Answer::Ok ? "btnOK" : "btnCancel";
    if (auto *push = dialog->findChild<QPushButton *>(QLatin1String(button)))
        push->click();
    if (m_answer == Answer::Cancel)
        m_poll.stop();
    return true;
}
