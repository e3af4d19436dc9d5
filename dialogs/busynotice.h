#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "dialogs/busyindicatordlg.h"

class QWidget;

// The main window's one busy indicator: shown with a text while devices are awaited, released when they
// are all there. Ready may be pressed only while there is none.
class BusyNotice : public QObject
{
    Q_OBJECT

public:
    // window: the parent of the indicator; its title is the window-title constant and ": Busy".
    explicit BusyNotice(QWidget *window, QObject *parent = nullptr);
    ~BusyNotice() override;

    // hide true releases the indicator; otherwise replaces its text, or creates, shows and raises it.
    void ShowBusy(bool hide, const QString &text);
    // Shows it with the translation of a source text, which relabel() translates again.
    void ShowBusyTranslated(const char *context, const char *sourceText);
    // After a language change: the text given by ShowBusyTranslated in the new language. A text given
    // ready-made to ShowBusy is its caller's to rebuild.
    void relabel();
    BusyIndicatorDlg *indicator() const { return m_indicator; }
    // The indicator shown gets a button with this text that emits way_out; until it is released.
    void offerWayOut(const QString &text);

signals:
    void way_out();
    // Emitted by every ShowBusy: true exactly when hide was true. Drives Ready and broadcast Idle.
    void ready_enabled(bool enabled);

private:
    QPointer<QWidget> m_window;
    QPointer<BusyIndicatorDlg> m_indicator;
    const char *m_context = nullptr;
    const char *m_sourceText = nullptr; // null while the text came ready-made
};
