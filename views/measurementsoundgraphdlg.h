#pragma once

#include <memory>

#include "views/graphdialog.h"

class MeasurementSoundGraphWidget;

namespace Ui
{
class MeasurementSoundGraphDlg;
}

// A full-screen dialog holding one sound graph panel in a scroll area.
class MeasurementSoundGraphDlg : public GraphDialog
{
    Q_OBJECT

public:
    explicit MeasurementSoundGraphDlg(QWidget *parent = nullptr);
    ~MeasurementSoundGraphDlg() override;

    MeasurementSoundGraphWidget *graphWidget() const;
    void setGraphWidget(MeasurementSoundGraphWidget *panel);

private:
    std::unique_ptr<Ui::MeasurementSoundGraphDlg> ui;
};
