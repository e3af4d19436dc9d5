#include "views/graphdialog.h"

#include <QScrollArea>
#include <QVBoxLayout>

#include "views/graphpanel.h"
#include "views/graphzoom.h"

GraphDialog::GraphDialog(QWidget *parent) : QDialog(parent)
{
    setWindowState(windowState() | Qt::WindowFullScreen);
}

void GraphDialog::useScrollArea(QScrollArea *area, QVBoxLayout *contentsLayout)
{
    m_scrollArea = area;
    m_graphsLayout = contentsLayout;
}

GraphPanel *GraphDialog::panel() const
{
    return m_scrollArea ? qobject_cast<GraphPanel *>(m_scrollArea->widget()) : nullptr;
}

void GraphDialog::putPanel(GraphPanel *panel)
{
    if (!m_scrollArea)
        return;
    m_scrollArea->setWidget(panel);
    fitPanel();
}

void GraphDialog::OnOK()
{
    done(1);
}

void GraphDialog::onResizeImage(double factor)
{
    if (m_scrollArea)
        GraphZoom::keepCentred(m_scrollArea, factor);
}

void GraphDialog::fitPanel()
{
    if (const GraphPanel *current = panel())
        GraphZoom::fitToView(m_scrollArea, current->zoomValue());
}

void GraphDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    fitPanel();
}

void GraphDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fitPanel();
}
