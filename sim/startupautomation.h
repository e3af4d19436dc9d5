#pragma once

#include <QObject>
#include <QTimer>

class MainWindow;
class ProjectSettingsDlg;

// Plays the operator at the program's start, for the headless demo, the start-up test and its bench:
// answers the project settings dialog as soon as it is shown, then watches until the main window is shown
// with the lanes of the chosen set live. Make it after the application object and before the start.
class StartupAutomation : public QObject
{
    Q_OBJECT

public:
    enum class Answer { Ok, Cancel };

    explicit StartupAutomation(Answer answer, QObject *parent = nullptr);

    // The window is shown with one row per block of its set, and the coordinator and every block have
    // reported their state.
    static bool lanesLive(const MainWindow &window);

signals:
    // Just before the answer, while the dialog shows what it was filled with.
    void dialog_shown(ProjectSettingsDlg *dialog);
    void window_shown(MainWindow *window);
    void lanes_live(MainWindow *window);

private:
    void poll();
    bool answerDialog();

    static constexpr int kPollMs = 10;
    Answer m_answer;
    bool m_answered = false;
    bool m_windowShown = false;
    QTimer m_poll;
};
