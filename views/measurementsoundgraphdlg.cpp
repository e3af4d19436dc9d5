#include "views/measurementsoundgraphdlg.h"

#include "ui_measurementsoundgraphdlg.h"
#include "views/measurementsoundgraphwidget.h"

MeasurementSoundGraphDlg::MeasurementSoundGraphDlg(QWidget *parent)
    : GraphDialog(parent), ui(std::make_unique<Ui::MeasurementSoundGraphDlg>())
{
    ui->setupUi(this);
    useScrollArea(ui->scrollArea, ui->verticalLayout);
    connect(ui->btnOK, &QPushButton::clicked, this, &MeasurementSoundGraphDlg::OnOK);
    putPanel(new MeasurementSoundGraphWidget(this));
}

MeasurementSoundGraphDlg::~MeasurementSoundGraphDlg() = default;

MeasurementSoundGraphWidget *MeasurementSoundGraphDlg::graphWidget() const
{
    return qobject_cast<MeasurementSoundGraphWidget *>(panel());
}

void MeasurementSoundGraphDlg::setGraphWidget(MeasurementSoundGraphWidget *panel)
{
    putPanel(panel);
}
