#include <memory>

#include <QCheckBox>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "installer/installersteps.h"
#include "installer/qlrinstallerdialog.h"

using Toggle = void (InstallerSteps::*)();
Q_DECLARE_METATYPE(QList<Toggle>)

// Every package is a script that logs "name|arguments|@working directory" and ends as its row says;
// a fake msiexec stands first on PATH, and the printer help page is "opened" into the same log.
class TstInstaller : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl &url);

private slots:
    void init();
    void cleanup();
    void stepsRunInOrderAndJudgeTheirEnd_data();
    void stepsRunInOrderAndJudgeTheirEnd();
    void dialogCouplesChoicesInstallsOnceAndCloses();

private:
    void writePackages(const QStringList &ends); // FTDI driver, printer driver, msiexec
    QString log() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_root;
    QByteArray m_path;
};

void TstInstaller::openUrl(const QUrl &url)
{
    QFile file(m_root + "/log");
    QVERIFY(file.open(QIODevice::Append));
    file.write("help|" + url.toString().toUtf8() + '\n');
}

void TstInstaller::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_root = QDir(m_dir->path()).canonicalPath();
    for (const char *folder : {"app/prerequisites", "app/products", "bin"})
        QVERIFY(QDir(m_root).mkpath(folder));
    m_path = qgetenv("PATH");
    qputenv("PATH", m_root.toUtf8() + "/bin:" + m_path);
    QDesktopServices::setUrlHandler("file", this, "openUrl");
}

void TstInstaller::cleanup()
{
    QDesktopServices::unsetUrlHandler("file");
    qputenv("PATH", m_path);
}

// each end is "missing", "crash" or an exit code
void TstInstaller::writePackages(const QStringList &ends)
{
    const QStringList paths = {"app/prerequisites/CDM20814_Setup.exe",
                               "app/prerequisites/232-sprint-winxp.exe", "bin/msiexec"};
    for (int i = 0; i < paths.size(); ++i) {
        if (ends[i] == "missing")
            continue;
        QFile script(m_root + '/' + paths[i]);
        QVERIFY(script.open(QIODevice::WriteOnly));
        const QString end = ends[i] == "crash" ? "kill -SEGV $$" : "exit " + ends[i];
        script.write(
            QString("#!/bin/sh\nprintf '%s|' \"${0##*/}\" \"$@\" >>%1\necho \"@$(pwd -P)\" >>%1\n%2\n")
                .arg(m_root + "/log", end)
                .toUtf8());
        script.setPermissions(script.permissions() | QFile::ExeOwner);
    }
}

QString TstInstaller::log() const
{
    QFile file(m_root + "/log");
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void TstInstaller::stepsRunInOrderAndJudgeTheirEnd_data()
{
    QTest::addColumn<QList<Toggle>>("toggles");
    QTest::addColumn<QStringList>("ends");
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("log"); // $APP: the program folder, $CWD: the test's working directory
    const QString help = "help|file://$APP/prerequisites/installation_printer.html\n";
    const QString msiexec = "msiexec|/i|Wireless Quellor 1.2.12.msi|@$APP/products\n";
    QTest::newRow("all, exits 0 1 0")
        << QList<Toggle>{&InstallerSteps::toggleProduct, &InstallerSteps::togglePrinter}
        << QStringList{"0", "1", "0"}
        << "Installing FTDI driver ...\n"
           "FTDI driver installation completed.\n"
           "Display installing printer info ...\n"
           "Installing printer driver ...\n"
           "Printer driver installation failed.\n"
           "Installing Wireless Quellor ...\n"
           "Wireless Quellor installation completed.\n"
        << "CDM20814_Setup.exe|@$CWD\n" + help + "232-sprint-winxp.exe|@$CWD\n" + msiexec;
    QTest::newRow("nothing") << QList<Toggle>{} << QStringList{"0", "0", "0"} << QString() << QString();
    QTest::newRow("product without driver; missing and crashing packages")
        << QList<Toggle>{&InstallerSteps::toggleProduct, &InstallerSteps::toggleFtdi,
                         &InstallerSteps::togglePrinter}
        << QStringList{"0", "missing", "crash"}
        << "Display installing printer info ...\n"
           "Installing printer driver ...\n"
           "Printer driver installation failed.\n"
           "Installing Wireless Quellor ...\n"
           "Wireless Quellor installation failed.\n"
        << help + msiexec;
}

void TstInstaller::stepsRunInOrderAndJudgeTheirEnd()
{
    QFETCH(QList<Toggle>, toggles);
    QFETCH(QStringList, ends);
    QFETCH(QString, info);
    QFETCH(QString, log);
    writePackages(ends);
    InstallerSteps steps;
    steps.setAppDir(m_root + "/app");
    for (const Toggle toggle : toggles)
        (steps.*toggle)();
    QString shown;
    steps.runInstallation([&shown](const QString &text) { shown += text; });
    QCOMPARE(shown, info);
    QCOMPARE(this->log(), log.replace("$APP", m_root + "/app").replace("$CWD", QDir::currentPath()));
}

void TstInstaller::dialogCouplesChoicesInstallsOnceAndCloses()
{
    writePackages({"0", "0", "0"});
    QLRInstallerDialog dialog;
    dialog.setAppDir(m_root + "/app");
    QCOMPARE(dialog.minimumSize(), QSize(503, 314));
    QCOMPARE(dialog.maximumSize(), QSize(503, 314));
    for (const char *pair :
         {"groupPrerequisites=Prerequisites", "chkFTDIDriver=FTDI Driver", "chkPrinterDriver=Printer Driver",
          "groupProducts=Products", "chkQLR=Wireless Quellor", "btnInstall=Install", "btnCancel=Cancel"}) {
        const QStringList nameText = QString(pair).split('=');
        const QObject *widget = dialog.findChild<QObject *>(nameText[0]);
        QVERIFY2(widget, pair);
        QCOMPARE(widget->property(widget->inherits("QGroupBox") ? "title" : "text").toString(), nameText[1]);
    }
    const QString year = QString::number(QDate::currentDate().year());
    QVERIFY(dialog.findChild<QLabel *>("lblCopyright")->text().contains(year));

    auto *product = dialog.findChild<QCheckBox *>("chkQLR");
    auto *ftdi = dialog.findChild<QCheckBox *>("chkFTDIDriver");
    auto *printer = dialog.findChild<QCheckBox *>("chkPrinterDriver");
    // the clicked box, then the ticks of product, FTDI driver and printer driver
    const QList<std::pair<QCheckBox *, QString>> clicks = {{product, "110"}, {ftdi, "100"},
                                                           {product, "000"}, {product, "110"},
                                                           {printer, "111"}, {printer, "110"}};
    for (const auto &[box, ticks] : clicks) {
        box->click();
        QCOMPARE(QString("%1%2%3").arg(product->isChecked()).arg(ftdi->isChecked()).arg(printer->isChecked()),
                 ticks);
    }

    dialog.show();
    auto *info = dialog.findChild<QTextBrowser *>("txtInfo");
    QVERIFY(!info->isVisible());
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    auto *install = dialog.findChild<QPushButton *>("btnInstall");
    install->click();
    QElapsedTimer sinceInstall;
    sinceInstall.start();
    install->click(); // as if queued while the packages ran
    QVERIFY(info->isVisible());
    QCOMPARE(info->toPlainText(),
             "Installing FTDI driver ...\nFTDI driver installation completed.\n"
             "Installing Wireless Quellor ...\nWireless Quellor installation completed.\n");
    QCOMPARE(log().count("msiexec|"), 1);
    QVERIFY(accepted.wait(10000));
    QVERIFY2(sinceInstall.elapsed() >= 1800, qPrintable(QString::number(sinceInstall.elapsed())));

    QLRInstallerDialog cancelled;
    QSignalSpy cancelAccepted(&cancelled, &QDialog::accepted);
    cancelled.findChild<QPushButton *>("btnCancel")->click();
    QCOMPARE(cancelAccepted.count(), 1);
}

QTEST_MAIN(TstInstaller)
#include "tst_installer.moc"
