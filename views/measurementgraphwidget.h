#pragma once

#include <memory>

#include "views/graphdisplay.h"
#include "views/graphpanel.h"

namespace Ui
{
class MeasurementGraphWidget;
}

// A panel of one or more reaction curves stacked one under the other, with the measurement's values,
// a zoom menu and a cursor read-out. The caller sets the block, its measurement and the print mode
// before each DrawGraph.
class MeasurementGraphWidget : public GraphPanel
{
    Q_OBJECT

public:
    // level: the application mode; the raw reaction time is shown from level 2.
    MeasurementGraphWidget(QWidget *parent, int level);
    ~MeasurementGraphWidget() override;

    // Adds the block's curve as curve currentGraph of totalGraphs and fills the value labels.
    void DrawGraph(unsigned short currentGraph, unsigned short totalGraphs);
    // Hides the twelve value labels: the all-lanes view shows curves only.
    void HideControls();
    QList<GraphDisplay *> displays() const { return curves<GraphDisplay>(); }

protected:
    void changeEvent(QEvent *event) override;
    QVBoxLayout *curveLayout() const override;

private:
    void fillLabels();

    std::unique_ptr<Ui::MeasurementGraphWidget> ui;
};
