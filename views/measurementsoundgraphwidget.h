#pragma once

#include <memory>

#include "views/graphpanel.h"
#include "views/soundgraphdisplay.h"

namespace Ui
{
class MeasurementSoundGraphWidget;
}

// A panel of one or more sound curves with the block's sound level and the start's time stamps, a
// zoom menu and a cursor read-out. The caller sets the block, its measurement and the print mode before
// each SetStartBlock.
class MeasurementSoundGraphWidget : public GraphPanel
{
    Q_OBJECT

public:
    explicit MeasurementSoundGraphWidget(QWidget *parent = nullptr);
    ~MeasurementSoundGraphWidget() override;

    // Adds the block's sound curve as curve currentGraph of totalGraphs and fills the value labels.
    void SetStartBlock(unsigned short currentGraph, unsigned short totalGraphs);
    // Hides the ten value labels: the all-lanes view shows curves only.
    void HideDetails();
    QList<SoundGraphDisplay *> displays() const { return curves<SoundGraphDisplay>(); }

protected:
    void changeEvent(QEvent *event) override;
    QVBoxLayout *curveLayout() const override;

private:
    void fillLabels();

    std::unique_ptr<Ui::MeasurementSoundGraphWidget> ui;
};
