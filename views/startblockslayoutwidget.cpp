#include "views/startblockslayoutwidget.h"

#include <QEvent>
#include <QPixmap>

#include "core/sharedtypes.h"
#include "ui_startblockslayoutwidget.h"

StartBlocksLayoutWidget::StartBlocksLayoutWidget(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::StartBlocksLayoutWidget>())
{
    ui->setupUi(this);
    ui->lblBanner->setPixmap(QPixmap(QStringLiteral(":/images/Halvexa_Logo_155_30_png")));
}

StartBlocksLayoutWidget::~StartBlocksLayoutWidget() = default;

QVBoxLayout *StartBlocksLayoutWidget::measurementsLayout() const
{
    return ui->layoutMeasurements;
}

QPushButton *StartBlocksLayoutWidget::allGraphsButton() const
{
    return ui->btnAllGraphs;
}

QPushButton *StartBlocksLayoutWidget::allSoundsButton() const
{
    return ui->btnAllSounds;
}

QPushButton *StartBlocksLayoutWidget::laneHeaderButton() const
{
    return ui->btnHeaderLane;
}

QPushButton *StartBlocksLayoutWidget::reactionTimeHeaderButton() const
{
    return ui->btnHeaderReactionTime;
}

QLabel *StartBlocksLayoutWidget::statusHeaderLabel() const
{
    return ui->lblHeaderStatus;
}

QLabel *StartBlocksLayoutWidget::measurementsStatusHeaderLabel() const
{
    return ui->lblHeaderMeasurementsStatus;
}

// the same rule as the rows' buttons, so a hidden button leaves no header behind
void StartBlocksLayoutWidget::SetAccessLevel(int level)
{
    ui->lblHeaderInfo->setVisible(level > ModeOperator);
    ui->lblHeaderLogging->setVisible(level > ModeOperator);
    ui->lblHeaderSoundGraph->setVisible(level > ModeAdministrator);
    ui->lblHeaderSync->setVisible(level > ModeAdministrator);
    ui->btnAllSounds->setVisible(level > ModeAdministrator);
}

void StartBlocksLayoutWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
