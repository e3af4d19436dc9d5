#include "dialogs/spectrumdlg.h"

#include "ui_spectrumdlg.h"

Spectrumdlg::Spectrumdlg(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::Spectrumdlg>())
{
    ui->setupUi(this);
}

Spectrumdlg::~Spectrumdlg() = default;

void Spectrumdlg::SetSpectrumRecord(const QByteArray &levels, quint8 currentChannel)
{
    m_levels = levels.left(kChannels);
    m_currentChannel = currentChannel;
}

void Spectrumdlg::SetSpectrum()
{
    if (!m_levels.isNull()) {
        QString lines;
        for (int i = 0; i < m_levels.size(); ++i)
            lines += tr("Channel %1: %2\n").arg(kFirstChannel + i).arg(quint8(m_levels.at(i)));
        ui->tbrSpectrum->insertPlainText(lines);
    }
    ui->lblChannel->setText(QString::number(m_currentChannel));
}

void Spectrumdlg::on_btnOk_clicked()
{
    done(Accepted);
}
