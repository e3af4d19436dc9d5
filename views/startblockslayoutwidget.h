#pragma once

#include <memory>

#include <QWidget>

class QEvent;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace Ui
{
class StartBlocksLayoutWidget;
}

// The frame around the lane rows: a header whose columns line up with the rows' (two of them sort the
// rows), the layout that receives one row per lane, the logo, and the buttons that open the graphs or
// sound graphs of all lanes. Its owners fill the layout and connect the buttons.
class StartBlocksLayoutWidget : public QWidget
{
    Q_OBJECT

public:
    explicit StartBlocksLayoutWidget(QWidget *parent = nullptr);
    ~StartBlocksLayoutWidget() override;

    QVBoxLayout *measurementsLayout() const;
    QPushButton *allGraphsButton() const;
    QPushButton *allSoundsButton() const;
    QPushButton *laneHeaderButton() const;
    QPushButton *reactionTimeHeaderButton() const;
    QLabel *statusHeaderLabel() const;
    QLabel *measurementsStatusHeaderLabel() const;

    void SetAccessLevel(int level);

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::StartBlocksLayoutWidget> ui;
};
