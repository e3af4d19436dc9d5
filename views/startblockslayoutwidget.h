#pragma once

#include <memory>

#include <QWidget>

class QEvent;
class QPushButton;
class QVBoxLayout;

namespace Ui
{
class StartBlocksLayoutWidget;
}

// The frame around the lane rows: the layout that receives one row per lane and the buttons that open
// the graphs or sound graphs of all lanes. Its owners fill the layout and connect the buttons.
class StartBlocksLayoutWidget : public QWidget
{
    Q_OBJECT

public:
    explicit StartBlocksLayoutWidget(QWidget *parent = nullptr);
    ~StartBlocksLayoutWidget() override;

    QVBoxLayout *measurementsLayout() const;
    QPushButton *allGraphsButton() const;
    QPushButton *allSoundsButton() const;

    void SetAccessLevel(int level);

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::StartBlocksLayoutWidget> ui;
};
