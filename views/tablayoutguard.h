#pragma once

#include <QObject>
#include <QSize>

class QTabWidget;

// Keeps a tab widget from repainting its whole page whenever something on the page asks for a new layout.
// A tab widget answers every layout request of its page by placing its tab bar and page again and
// repainting all of itself, although the page has already laid itself out: a lane row whose battery bar
// changes would repaint every lane. The guard lets a request through only when what the tab widget's own
// layout depends on has changed (its tab bar, its size needs), so a change repaints just what changed.
class TabLayoutGuard : public QObject
{
public:
    // Watches tabs (not owned); the guard is its child.
    explicit TabLayoutGuard(QTabWidget *tabs);

    int passedRequests() const { return m_passed; }
    int heldRequests() const { return m_held; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Needs {
        QSize barHint, barMinimum, hint, minimum;
        bool barShown = false;
        int position = 0;
        bool operator==(const Needs &other) const;
    };
    Needs currentNeeds() const;

    QTabWidget *m_tabs;
    Needs m_lastNeeds;
    bool m_known = false;
    int m_passed = 0;
    int m_held = 0;
};
