#include "dialogs/busynotice.h"

#include "core/sharedconstants.h"

BusyNotice::BusyNotice(QWidget *window, QObject *parent) : QObject(parent), m_window(window) {}

BusyNotice::~BusyNotice()
{
    if (m_indicator)
        m_indicator->deleteLater();
}

void BusyNotice::ShowBusy(bool hide, const QString &text)
{
    if (hide) {
        if (m_indicator) {
            m_indicator->hide();
            m_indicator->deleteLater();
        }
        m_indicator.clear();
    } else if (m_indicator) {
        m_indicator->SetText(text);
    } else {
        m_indicator = new BusyIndicatorDlg(m_window);
        m_indicator->setWindowTitle(QLatin1String(SharedConstants::kWindowTitle) + tr(": Busy"));
        m_indicator->SetText(text);
        m_indicator->show();
        m_indicator->raise();
    }
    emit ready_enabled(hide);
}
