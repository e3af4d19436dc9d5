#pragma once

#include <memory>

#include <QDialog>

#include "installer/installersteps.h"

namespace Ui
{
class QLRInstallerDialog;
}

// The launcher's only window: the operator ticks what to install and starts it.
class QLRInstallerDialog : public QDialog
{
    Q_OBJECT

public:
    explicit QLRInstallerDialog(QWidget *parent = nullptr);
    ~QLRInstallerDialog() override;

    void setAppDir(const QString &dir) { m_steps.setAppDir(dir); }
    QString appDir() const { return m_steps.appDir(); }

private slots:
    void onFTDIDriverClicked();
    void onPrinterDriverClicked();
    void onWirelessQuellorClicked();
    void onInstall();
    void onCancel();

private:
    void runInstallation();
    void appendInfo(const QString &text);

    std::unique_ptr<Ui::QLRInstallerDialog> ui;
    InstallerSteps m_steps;
    bool m_installed = false;
};
