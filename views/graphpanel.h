#pragma once

#include <QList>
#include <QPointer>
#include <QVBoxLayout>
#include <QWidget>

#include "views/graphtheme.h"

class CStartBlock;
class CStartBlockMeasurement;
class CurveDisplay;
class QMouseEvent;

// What the reaction and the sound panel share: the block and measurement drawn next, the print mode
// handed to each new display, the zoom menu and the cursor read-out of the first display.
class GraphPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr double kZoomIn = 1.25;
    static constexpr double kZoomOut = 0.8;

    void setStartBlock(CStartBlock *startBlock);
    void setMeasurement(CStartBlockMeasurement *measurement);
    void setPrintMode(int printMode) { m_printMode = printMode; }
    void setTheme(const GraphTheme &theme) { m_theme = theme; }
    double zoomValue() const { return m_zoom; }
    // One zoom step by factor; beyond the limits the operator is told and nothing changes.
    bool zoomBy(double factor);

signals:
    void resizeImage(double factor);

public slots:
    void ShowContextMenu(QPoint pos);
    void MouseMoved(QMouseEvent *mouseEvent);

protected:
    // zoomLimitMessage: the debug line written when zooming is refused.
    GraphPanel(QWidget *parent, const char *zoomLimitMessage);

    // Gives a new display the panel's print mode and theme, adds it under the others and lets the
    // read-out follow the mouse over the watched widget.
    void addDisplay(CurveDisplay *display, QWidget *watched);
    virtual QVBoxLayout *curveLayout() const = 0;
    template<typename Display>
    QList<Display *> curves() const;

    CStartBlock *startBlock() const;
    const CStartBlockMeasurement *measurement() const;

private:
    QPointer<CStartBlock> m_startBlock;
    QPointer<CStartBlockMeasurement> m_measurement;
    double m_zoom = 1.0;
    int m_printMode = 0;
    GraphTheme m_theme;
    const char *m_zoomLimitMessage;
};

template<typename Display>
QList<Display *> GraphPanel::curves() const
{
    QList<Display *> list;
    const QVBoxLayout *layout = curveLayout();
    for (int i = 0; i < layout->count(); ++i) {
        if (auto *display = qobject_cast<Display *>(layout->itemAt(i)->widget()))
            list << display;
    }
    return list;
}
