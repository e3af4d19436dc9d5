#include "dialogs/busynotice.h"

#include <QCoreApplication>

#include "core/sharedconstants.h"

BusyNotice::BusyNotice(QWidget *window, QObject *parent) : QObject(parent), m_window(window) {}

BusyNotice::~BusyNotice()
{
    if (m_indicator)
        m_indicator->deleteLater();
}

void BusyNotice::ShowBusy(bool hide, const QString &text)
{
    m_sourceText = nullptr;
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

void BusyNotice::offerWayOut(const QString &text)
{
    if (!m_indicator)
        return;
    m_indicator->SetWayOut(text);
    connect(m_indicator, &BusyIndicatorDlg::way_out_chosen, this, &BusyNotice::way_out, Qt::UniqueConnection);
}

void BusyNotice::ShowBusyTranslated(const char *context, const char *sourceText)
{
    ShowBusy(false, QCoreApplication::translate(context, sourceText));
    m_context = context;
    m_sourceText = sourceText;
}

void BusyNotice::relabel()
{
    if (m_indicator && m_sourceText)
        m_indicator->SetText(QCoreApplication::translate(m_context, m_sourceText));
}
