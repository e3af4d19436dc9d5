#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;
class CCoordinator;
class CSerialComThread;
class CStartBlock;
class CalibrateDeviceDialog;
class TestHardwareDlg;
class TestProcedureHost;
class TestSynchronisationDlg;

// The main window's side of the test procedures: at most one hardware-test and one synchronisation-test
// window at a time, released once rejected, and every procedure closed before the lanes are rebuilt.
// The window forwards its menu actions and its close slots here.
class TestProcedureWindows : public QObject
{
    Q_OBJECT

public:
    TestProcedureWindows(QWidget *window, TestProcedureHost &host);
    ~TestProcedureWindows() override;

    // A new non-modal window for the blocks, shown and raised; nullptr after the "already open" warning.
    TestHardwareDlg *openHardwareTest(const QList<CStartBlock *> &blocks);
    TestSynchronisationDlg *openSynchronisationTest(CCoordinator *coordinator,
                                                    const QList<CStartBlock *> &blocks);
    // Runs the calibration modally; returns when it is closed.
    void runCalibration(CCoordinator *coordinator, CSerialComThread *serial);

    // Releases a rejected window (its rejected() signal arrives here too).
    void releaseHardwareTest();
    void releaseSynchronisationTest();
    // Cancels every open procedure while the rows and devices still exist, before a rebuild.
    void closeAll();

    // out of line: a header that only names the dialogs can include this one
    TestHardwareDlg *hardwareTest() const;
    TestSynchronisationDlg *synchronisationTest() const;
    CalibrateDeviceDialog *calibration() const;

private:
    QPointer<QWidget> m_window;
    TestProcedureHost &m_host;
    QPointer<TestHardwareDlg> m_hardwareTest;
    QPointer<TestSynchronisationDlg> m_synchronisationTest;
    QPointer<CalibrateDeviceDialog> m_calibration;
};
