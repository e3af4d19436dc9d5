#pragma once

#include <functional>

#include <QString>
#include <QStringList>

class QProcess;

// The launcher's choices and the installation steps, kept apart from the dialog so they run without it.
class InstallerSteps
{
public:
    using InfoSink = std::function<void(const QString &text)>;

    // stands for the exit code of a package that could not start or crashed
    static constexpr int kNotRunExitCode = -1;

    void setAppDir(const QString &dir) { m_appDir = dir; }
    QString appDir() const { return m_appDir; }

    bool ftdi() const { return m_ftdi; }
    bool printer() const { return m_printer; }
    bool product() const { return m_product; }
    void toggleFtdi() { m_ftdi = !m_ftdi; }
    void togglePrinter() { m_printer = !m_printer; }
    void toggleProduct(); // the product needs the FTDI driver, so it takes the driver along

    // Runs the chosen steps in their fixed order, each to its end, and hands every text line to appendInfo.
    void runInstallation(const InfoSink &appendInfo);

private:
    int installFTDIDriver();
    void showPrinterInfo();
    int installPrinterDriver();
    int installProduct();

    void appendResult(const char *completed, const char *failed, int exitCode);
    static int startAndWait(QProcess &process, const QString &program, const QStringList &arguments = {});

    QString m_appDir;
    bool m_ftdi = false;
    bool m_printer = false;
    bool m_product = false;
    InfoSink m_appendInfo;
};
