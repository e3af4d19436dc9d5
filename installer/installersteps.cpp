#include "installer/installersteps.h"

#include <QDebug>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include "core/sharedconstants.h"

namespace
{

constexpr char kFtdiPackage[] = "/prerequisites/CDM20814_Setup.exe";
constexpr char kPrinterHelpPage[] = "/prerequisites/installation_printer.html";
constexpr char kPrinterPackage[] = "/prerequisites/232-sprint-winxp.exe";
constexpr char kProductsDir[] = "/products";
constexpr char kPackageInstaller[] = "msiexec";
constexpr char kProductPackage[] = "Wireless Quellor %1.msi";

} // namespace

void InstallerSteps::toggleProduct()
{
    m_product = !m_product;
    m_ftdi = m_product;
}

void InstallerSteps::runInstallation(const InfoSink &appendInfo)
{
    m_appendInfo = appendInfo;
    if (m_ftdi) {
        appendResult(QT_TR_NOOP("FTDI driver installation completed."),
                     QT_TR_NOOP("FTDI driver installation failed."), installFTDIDriver());
    }
    if (m_printer) {
        showPrinterInfo();
        appendResult(QT_TR_NOOP("Printer driver installation completed."),
                     QT_TR_NOOP("Printer driver installation failed."), installPrinterDriver());
    }
    if (m_product) {
        appendResult(QT_TR_NOOP("Wireless Quellor installation completed."),
                     QT_TR_NOOP("Wireless Quellor installation failed."), installProduct());
    }
    m_appendInfo = nullptr;
}

int InstallerSteps::installFTDIDriver()
{
    m_appendInfo(tr("Installing FTDI driver ...") + '\n');
    const QString program = m_appDir + kFtdiPackage;
    qDebug().noquote().nospace() << "Program: " << program;
    QProcess process;
    return startAndWait(process, program);
}

void InstallerSteps::showPrinterInfo()
{
    m_appendInfo(tr("Display installing printer info ...") + '\n');
    const QString page = m_appDir + kPrinterHelpPage;
    qDebug().noquote().nospace() << "Installation printer info: " << page;
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

int InstallerSteps::installPrinterDriver()
{
    m_appendInfo(tr("Installing printer driver ...") + '\n');
    const QString program = m_appDir + kPrinterPackage;
    qDebug().noquote().nospace() << "Program: " << program;
    QProcess process;
    return startAndWait(process, program);
}

int InstallerSteps::installProduct()
{
    m_appendInfo(tr("Installing Wireless Quellor ...") + '\n');
    QProcess process;
    process.setWorkingDirectory(m_appDir + kProductsDir);
    qDebug().noquote().nospace() << "Working dir: " << process.workingDirectory();
    const QString package =
        QString::fromLatin1(kProductPackage).arg(QLatin1String(SharedConstants::kVersion));
    return startAndWait(process, kPackageInstaller, {QStringLiteral("/i"), package});
}

void InstallerSteps::appendResult(const char *completed, const char *failed, int exitCode)
{
    m_appendInfo(tr(exitCode == 0 ? completed : failed) + '\n');
}

int InstallerSteps::startAndWait(QProcess &process, const QString &program, const QStringList &arguments)
{
    // the packages' output goes to ours rather than into a buffer that grows while we wait
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(-1))
        return kNotRunExitCode;
    process.waitForFinished(-1);
    // a crashed package's exit code means nothing
    const bool ended =
        process.state() == QProcess::NotRunning && process.exitStatus() == QProcess::NormalExit;
    return ended ? process.exitCode() : kNotRunExitCode;
}
