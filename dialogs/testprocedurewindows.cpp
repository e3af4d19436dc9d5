#include "dialogs/testprocedurewindows.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "core/sharedconstants.h"
#include "dialogs/calibratedevicedialog.h"
#include "dialogs/testhardwaredlg.h"
#include "dialogs/testsynchronisationdlg.h"

namespace
{
template<typename Dialog>
void release(QPointer<Dialog> &dialog)
{
    // the window may be inside its own rejected() signal
    if (dialog)
        dialog->deleteLater();
    dialog = nullptr;
}
} // namespace

TestProcedureWindows::TestProcedureWindows(QWidget *window, TestProcedureHost &host)
    : m_window(window), m_host(host)
{
}

TestProcedureWindows::~TestProcedureWindows() = default;

TestHardwareDlg *TestProcedureWindows::hardwareTest() const
{
    return m_hardwareTest;
}

TestSynchronisationDlg *TestProcedureWindows::synchronisationTest() const
{
    return m_synchronisationTest;
}

CalibrateDeviceDialog *TestProcedureWindows::calibration() const
{
    return m_calibration;
}

TestHardwareDlg *TestProcedureWindows::openHardwareTest(const QList<CStartBlock *> &blocks)
{
    if (m_hardwareTest) {
        // the box is the main window's, and so are its texts
        QMessageBox::warning(m_window, QCoreApplication::translate("MainWindow", "Testing hardware"),
                             QCoreApplication::translate(
                                 "MainWindow", "There is already an open window for testing the hardware"));
        return nullptr;
    }
    m_hardwareTest = new TestHardwareDlg(m_window, m_host);
    m_hardwareTest->SetStartBlocks(blocks);
    connect(m_hardwareTest, &QDialog::rejected, this, &TestProcedureWindows::releaseHardwareTest);
    m_hardwareTest->show();
    m_hardwareTest->raise();
    return m_hardwareTest;
}

TestSynchronisationDlg *TestProcedureWindows::openSynchronisationTest(CCoordinator *coordinator,
                                                                      const QList<CStartBlock *> &blocks)
{
    if (m_synchronisationTest) {
        QMessageBox::warning(
            m_window, QCoreApplication::translate("MainWindow", "Testing synchronization"),
            QCoreApplication::translate("MainWindow",
                                        "There is already an open window for testing synchronization"));
        return nullptr;
    }
    m_synchronisationTest = new TestSynchronisationDlg(m_window, m_host);
    m_synchronisationTest->setWindowTitle(
        QString::fromLatin1(SharedConstants::kWindowTitle) +
        QCoreApplication::translate("MainWindow", ": Testing synchronization"));
    m_synchronisationTest->SetCoordinator(coordinator);
    m_synchronisationTest->SetStartBlocks(blocks);
    connect(m_synchronisationTest, &QDialog::rejected, this,
            &TestProcedureWindows::releaseSynchronisationTest);
    m_synchronisationTest->show();
    m_synchronisationTest->raise();
    return m_synchronisationTest;
}

void TestProcedureWindows::runCalibration(CCoordinator *coordinator, CSerialComThread *serial)
{
    CalibrateDeviceDialog dialog;
    m_calibration = &dialog;
    dialog.SetCoordinator(coordinator);
    dialog.ConnectCoordinator(serial);
    dialog.exec();
}

void TestProcedureWindows::releaseHardwareTest()
{
    release(m_hardwareTest);
}

void TestProcedureWindows::releaseSynchronisationTest()
{
    release(m_synchronisationTest);
}

void TestProcedureWindows::closeAll()
{
    // reject() restores the rows and sends the devices to IDLE; rejected() then releases the windows
    if (m_hardwareTest)
        m_hardwareTest->reject();
    if (m_synchronisationTest)
        m_synchronisationTest->reject();
    if (m_calibration)
        m_calibration->reject();
}
