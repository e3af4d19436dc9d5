#include "installer/installersteps.h"

#include <QCoreApplication>
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

// the texts belong to the dialog that shows them
constexpr const char *kInstallingFtdi = QT_TRANSLATE_NOOP("QLRInstallerDialog", "Installing FTDI driver ...");
constexpr const char *kFtdiCompleted =
    QT_TRANSLATE_NOOP("QLRInstallerDialog", "FTDI driver installation completed.");
constexpr const char *kFtdiFailed =
    QT_TRANSLATE_NOOP("QLRInstallerDialog", "FTDI driver installation failed.");
constexpr const char *kShowingPrinterInfo =
    QT_TRANSLATE_NOOP("QLRInstallerDialog", "Display installing printer info ...");
constexpr const char *kInstallingPrinter =
    QT_TRANSLATE_NOOP("QLRInstallerDialog", "Installing printer driver ...");
constexpr const char *kPrinterCompleted =
    QT_TRANSLATE_NOOP("QLRInstallerDialog", "Printer driver installation completed.");
constexpr const char *kPrinterFailed =
    QT_TRANSLATE_NOOP("QLRInstallerDialog", "Printer driver installation failed.");
constexpr const char *kInstallingProduct =
    QT_TRANSLATE_NOOP("QLRInstallerDialog", "Installing Wireless Quellor ...");
constexpr const char *kProductCompleted =
    QT_TRANSLATE_NOOP("QLRInstallerDialog", "Wireless Quellor installation completed.");
constexpr const char *kProductFailed =
    QT_TRANSLATE_NOOP("QLRInstallerDialog", "Wireless Quellor installation failed.");

QString line(const char *text)
{
    return QCoreApplication::translate("QLRInstallerDialog", text) + '\n';
}

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
        appendResult(kFtdiCompleted, kFtdiFailed, installFTDIDriver());
    }
    if (m_printer) {
        showPrinterInfo();
        appendResult(kPrinterCompleted, kPrinterFailed, installPrinterDriver());
    }
    if (m_product) {
        appendResult(kProductCompleted, kProductFailed, installProduct());
    }
    m_appendInfo = nullptr;
}

int InstallerSteps::installFTDIDriver()
{
    m_appendInfo(line(kInstallingFtdi));
    const QString program = m_appDir + kFtdiPackage;
    qDebug().noquote().nospace() << "Program: " << program;
    QProcess process;
    return startAndWait(process, program);
}

void InstallerSteps::showPrinterInfo()
{
    m_appendInfo(line(kShowingPrinterInfo));
    const QString page = m_appDir + kPrinterHelpPage;
    qDebug().noquote().nospace() << "Installation printer info: " << page;
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

int InstallerSteps::installPrinterDriver()
{
    m_appendInfo(line(kInstallingPrinter));
    const QString program = m_appDir + kPrinterPackage;
    qDebug().noquote().nospace() << "Program: " << program;
    QProcess process;
    return startAndWait(process, program);
}

int InstallerSteps::installProduct()
{
    m_appendInfo(line(kInstallingProduct));
    QProcess process;
    process.setWorkingDirectory(m_appDir + kProductsDir);
    qDebug().noquote().nospace() << "Working dir: " << process.workingDirectory();
    const QString package =
        QString::fromLatin1(kProductPackage).arg(QLatin1String(SharedConstants::kVersion));
    return startAndWait(process, kPackageInstaller, {QStringLiteral("/i"), package});
}

void InstallerSteps::appendResult(const char *completed, const char *failed, int exitCode)
{
    m_appendInfo(line(exitCode == 0 ? completed : failed));
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
