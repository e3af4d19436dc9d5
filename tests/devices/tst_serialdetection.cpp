// Automatic detection of wired or wireless operation against the simulator on a pseudo-terminal: the
// probes go out at the wired speed and the blocks' answers decide.
#include <QSignalSpy>
#include <QTest>

#include "simlink.h"

class TstSerialDetection : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { link.reset(); }

    void automaticDetectionFollowsTheInstallation_data();
    void automaticDetectionFollowsTheInstallation();

private:
    std::unique_ptr<SimLink> link;
};

void TstSerialDetection::automaticDetectionFollowsTheInstallation_data()
{
    QTest::addColumn<bool>("wired");
    QTest::newRow("wired installation, wireless start") << true;
    QTest::newRow("wireless installation, wired start") << false;
}

void TstSerialDetection::automaticDetectionFollowsTheInstallation()
{
    QFETCH(bool, wired);
    SimScenario s = SimScenario::standard(2);
    s.wired = wired;
    s.autoStartDelayMs = -1;
    link = std::make_unique<SimLink>(s);
    if (!link->start())
        QSKIP("no pseudo-terminal");
    link->serial.setUserSelectedOperationMode(OperationModeAutomatic);
    link->serial.SetOperationMode(wired ? OperationModeWireless : OperationModeWired);
    link->serial.StartFastModeProbing();
    QSignalSpy changed(&link->serial, &CSerialComThread::change_operation_mode);
    QVERIFY(changed.wait(60000));
    const int mode = wired ? OperationModeWired : OperationModeWireless;
    QCOMPARE(int(changed.first().first().value<OperationMode>()), mode);
    QCOMPARE(link->serial.operationMode(), mode);
    QCOMPARE(link->serial.baudRate(), wired ? 9600 : 38400);
}

QTEST_MAIN(TstSerialDetection)
#include "tst_serialdetection.moc"
