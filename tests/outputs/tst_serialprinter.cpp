// The ticket printer worker writing to the device end of a pseudo-terminal, read back at the other end.
#include <QSignalSpy>
#include <QTest>

#include "outputs/serialprinterthread.h"
#include "sim/simpty.h"

class TstSerialPrinter : public QObject
{
    Q_OBJECT

private slots:
    void deliversBytesUnchanged_data();
    void deliversBytesUnchanged();
};

void TstSerialPrinter::deliversBytesUnchanged_data()
{
    QTest::addColumn<QString>("portText"); // %1: the terminal's device path
    QTest::addColumn<int>("baud");
    QTest::addColumn<int>("expectedBaud");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("jobs"); // in a row, each opening the port again
    QTest::newRow("name and description")
        << QStringLiteral("%1 [Ticket printer]") << 9600 << 9600 << 256 << 2;
    QTest::newRow("bare name, reported at 0 baud") << QStringLiteral("%1") << 0 << 9600 << 256 << 2;
    QTest::newRow("blanks around the name") << QStringLiteral("  %1  [x] [y]") << 19200 << 19200 << 256 << 2;
    QTest::newRow("more than one write takes") << QStringLiteral("%1") << 9600 << 9600 << 70000 << 1;
}

// Every byte value arrives as written, CR, LF, 0x02 and 0x03 too.
void TstSerialPrinter::deliversBytesUnchanged()
{
    QFETCH(QString, portText);
    QFETCH(int, baud);
    QFETCH(int, expectedBaud);
    QFETCH(int, size);
    QFETCH(int, jobs);
    SimPty pty;
    if (!pty.open())
        QSKIP("no pseudo-terminal");
    QByteArray received;
    connect(&pty, &SimPty::bytesReceived, this, [&received](const QByteArray &bytes) { received += bytes; });
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(char(i));

    SerialPrinterThread printer;
    printer.start();
    QCOMPARE(printer.baudRate(), 0);
    QSignalSpy opened(&printer, &SerialPrinterThread::serial_port_opened);
    for (int job = 0; job < jobs; ++job) {
        printer.setPrinterPort(portText.arg(pty.devicePath()), baud);
        printer.writeData(bytes.constData(), size);
    }
    QCOMPARE(opened, QList<QList<QVariant>>(jobs, {true}));
    QCOMPARE(printer.baudRate(), expectedBaud);
    QCOMPARE(pty.baudRate(), expectedBaud);
    const QByteArray job = bytes.left(65535); // one write takes at most that much
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), jobs * job.size(), 10000);
    QCOMPARE(received, job.repeated(jobs));

    printer.setPrinterPort(QStringLiteral("/dev/quellor-no-such-port [missing]"), 9600);
    printer.writeData("lost", 4); // comes to nothing
    QCOMPARE(opened.last(), QList<QVariant>{false});
    printer.clearPrinterPort();
    QCOMPARE(printer.baudRate(), 0);
}

QTEST_GUILESS_MAIN(TstSerialPrinter)
#include "tst_serialprinter.moc"
