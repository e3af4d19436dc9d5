#include "views/startblockslayoutwidget.h"

#include <QEvent>

#include "core/sharedtypes.h"
#include "ui_startblockslayoutwidget.h"

StartBlocksLayoutWidget::StartBlocksLayoutWidget(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::StartBlocksLayoutWidget>())
{
    ui->setupUi(this);
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

void StartBlocksLayoutWidget::SetAccessLevel(int level)
{
    ui->btnAllSounds->setVisible(level > ModeAdministrator);
}

void StartBlocksLayoutWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
