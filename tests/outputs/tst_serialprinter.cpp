// The ticket printer worker writing to the device end of a pseudo-terminal, read back at the other end.
#include <QSignalSpy>
#include <QTest>

#include "outputs/serialprinterthread.h"
#include "sim/simpty.h"

namespace
{

constexpr int kWaitMs = 10000;

QByteArray everyByteValue()
{
    QByteArray bytes;
    for (int value = 0; value < 256; ++value)
        bytes.append(char(value));
    return bytes;
}

} // namespace

class TstSerialPrinter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void deliversBytesUnchanged_data();
    void deliversBytesUnchanged();
    void reopensForEveryJobAndReportsFailures();

private:
    std::unique_ptr<SimPty> pty;
    QByteArray received;
};

void TstSerialPrinter::init()
{
    pty = std::make_unique<SimPty>();
    if (!pty->open())
        QSKIP("no pseudo-terminal");
    received.clear();
    connect(pty.get(), &SimPty::bytesReceived, this, [this](const QByteArray &bytes) { received += bytes; });
}

void TstSerialPrinter::cleanup()
{
    pty.reset();
}

void TstSerialPrinter::deliversBytesUnchanged_data()
{
    QTest::addColumn<QString>("portText"); // %1: the terminal's device path
    QTest::addColumn<int>("baud");
    QTest::addColumn<int>("expectedBaud");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("delivered");

    const QByteArray ticket("\x02"
                            "Race 3  Heat 1\r\nL1  0.143\r\nL2  0.098 *\r\n\x03",
                            38);
    QTest::newRow("name and description")
        << QStringLiteral("%1 [Ticket printer]") << 9600 << 9600 << ticket << int(ticket.size());
    QTest::newRow("bare name reported at 0 baud")
        << QStringLiteral("%1") << 0 << 9600 << everyByteValue() << 256;
    QTest::newRow("blanks around the name")
        << QStringLiteral("  %1  [x] [y]") << 19200 << 19200 << ticket << int(ticket.size());
    QTest::newRow("longest write") << QStringLiteral("%1") << 9600 << 9600 << everyByteValue().repeated(300)
                                   << 65535;
}

void TstSerialPrinter::deliversBytesUnchanged()
{
    QFETCH(QString, portText);
    QFETCH(int, baud);
    QFETCH(int, expectedBaud);
    QFETCH(QByteArray, bytes);
    QFETCH(int, delivered);
    SerialPrinterThread printer;
    printer.start();
    QSignalSpy opened(&printer, &SerialPrinterThread::serial_port_opened);

    printer.setPrinterPort(portText.arg(pty->devicePath()), baud);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0][0].toBool(), true);
    QCOMPARE(printer.baudRate(), expectedBaud);
    QCOMPARE(pty->baudRate(), expectedBaud);

    printer.writeData(bytes.constData(), int(bytes.size()));
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), delivered, kWaitMs);
    QCOMPARE(received, bytes.left(delivered));
}

void TstSerialPrinter::reopensForEveryJobAndReportsFailures()
{
    SerialPrinterThread printer;
    QCOMPARE(printer.baudRate(), 0);
    QSignalSpy opened(&printer, &SerialPrinterThread::serial_port_opened);
    for (const QByteArray &job : {QByteArray("first\r\n"), QByteArray("second\r\n")}) {
        printer.setPrinterPort(pty->devicePath() + QStringLiteral(" [Ticket printer]"), 9600);
        printer.writeData(job.constData(), int(job.size()));
    }
    QTRY_COMPARE_WITH_TIMEOUT(received, QByteArray("first\r\nsecond\r\n"), kWaitMs);

    printer.setPrinterPort(QStringLiteral("/dev/quellor-no-such-port [missing]"), 9600);
    printer.writeData("lost", 4); // comes to nothing
    QCOMPARE(opened.size(), 3);
    QCOMPARE(opened[0][0].toBool(), true);
    QCOMPARE(opened[1][0].toBool(), true);
    QCOMPARE(opened[2][0].toBool(), false);
    printer.clearPrinterPort();
    QCOMPARE(printer.baudRate(), 0);
}

QTEST_GUILESS_MAIN(TstSerialPrinter)
#include "tst_serialprinter.moc"
