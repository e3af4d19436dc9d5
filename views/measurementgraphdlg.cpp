#include "views/measurementgraphdlg.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QSaveFile>
#include <QScreen>

#include "ui_measurementgraphdlg.h"
#include "views/measurementgraphwidget.h"

MeasurementGraphDlg::MeasurementGraphDlg(QWidget *parent, int level)
    : GraphDialog(parent), ui(std::make_unique<Ui::MeasurementGraphDlg>())
{
    ui->setupUi(this);
    useScrollArea(ui->scrollArea, ui->graphsLayout);
    connect(ui->btnOK, &QPushButton::clicked, this, &MeasurementGraphDlg::OnOK);
    connect(ui->btnScreenshot, &QPushButton::clicked, this, &MeasurementGraphDlg::OnTakePrintScreen);
    putPanel(new MeasurementGraphWidget(this, level));
    ui->btnOK->setFocus();
}

MeasurementGraphDlg::~MeasurementGraphDlg() = default;

MeasurementGraphWidget *MeasurementGraphDlg::graphWidget() const
{
    return qobject_cast<MeasurementGraphWidget *>(panel());
}

void MeasurementGraphDlg::setGraphWidget(MeasurementGraphWidget *panel)
{
    putPanel(panel);
}

void MeasurementGraphDlg::OnTakePrintScreen()
{
    if (m_fileName.isEmpty() || m_imageFormat.isEmpty())
        return;
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QPixmap desktop = screen->grabWindow(0);
    QSaveFile file(m_fileName + QLatin1Char('.') + m_imageFormat);
    // a picture that cannot be saved is simply not there; the graph stays on screen
    if (file.open(QIODevice::WriteOnly) && desktop.save(&file, m_imageFormat.toLatin1().constData()))
        file.commit();
}
