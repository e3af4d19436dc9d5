#include "installer/qlrinstallerdialog.h"

#include <QDate>
#include <QTimer>

#include "ui_qlrinstallerdialog.h"

namespace
{

constexpr int kCloseDelayMs = 2000;

} // namespace

QLRInstallerDialog::QLRInstallerDialog(QWidget *parent) : QDialog(parent), ui(new Ui::QLRInstallerDialog)
{
    ui->setupUi(this);
    ui->txtInfo->hide();
    ui->lblCopyright->setText(tr("© %1 Halvexa").arg(QDate::currentDate().year()));

    connect(ui->chkFTDIDriver, &QCheckBox::clicked, this, &QLRInstallerDialog::onFTDIDriverClicked);
    connect(ui->chkPrinterDriver, &QCheckBox::clicked, this, &QLRInstallerDialog::onPrinterDriverClicked);
    connect(ui->chkQLR, &QCheckBox::clicked, this, &QLRInstallerDialog::onWirelessQuellorClicked);
    connect(ui->btnInstall, &QPushButton::clicked, this, &QLRInstallerDialog::onInstall);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QLRInstallerDialog::onCancel);
}

QLRInstallerDialog::~QLRInstallerDialog() = default;

void QLRInstallerDialog::onFTDIDriverClicked()
{
    m_steps.toggleFtdi();
    ui->chkFTDIDriver->setChecked(m_steps.ftdi());
}

void QLRInstallerDialog::onPrinterDriverClicked()
{
    m_steps.togglePrinter();
    ui->chkPrinterDriver->setChecked(m_steps.printer());
}

void QLRInstallerDialog::onWirelessQuellorClicked()
{
    m_steps.toggleProduct();
    ui->chkQLR->setChecked(m_steps.product());
    ui->chkFTDIDriver->setChecked(m_steps.ftdi());
}

void QLRInstallerDialog::onInstall()
{
    // clicks queued while the packages ran must not install everything a second time
    if (m_installed)
        return;
    m_installed = true;
    runInstallation();
    QTimer::singleShot(kCloseDelayMs, this, &QDialog::accept);
}

void QLRInstallerDialog::onCancel()
{
    accept();
}

void QLRInstallerDialog::runInstallation()
{
    ui->txtInfo->show();
    m_steps.runInstallation([this](const QString &text) { appendInfo(text); });
}

void QLRInstallerDialog::appendInfo(const QString &text)
{
    ui->txtInfo->moveCursor(QTextCursor::End);
    ui->txtInfo->insertPlainText(text);
}
