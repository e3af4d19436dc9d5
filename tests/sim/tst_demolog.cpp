// The demo's log: the debug output of every thread goes to the file, after what the simulators wrote there,
// and none of it to the handler before (the console); after the log, that handler has the output again.
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include "sim/demolog.h"

namespace
{

QStringList s_console; // what reached the handler the log replaces

void console(QtMsgType, const QMessageLogContext &, const QString &message)
{
    s_console << message;
}

} // namespace

class TstDemoLog : public QObject
{
    Q_OBJECT

private slots:
    void debugOutputGoesToTheFileOnly();
    void unwritableLogLeavesTheConsole();
};

void TstDemoLog::debugOutputGoesToTheFileOnly()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("quellor-demo.log");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("quellor-meet-sim: ready\n") > 0);
    file.close();
    const QtMessageHandler before = qInstallMessageHandler(console);
    s_console.clear();
    {
        DemoLog log;
        QVERIFY(log.open(path));
        qDebug() << "Loaded language" << QStringLiteral("de_Deutsch");
        QThread *worker = QThread::create([] { qWarning("from the serial thread"); });
        worker->start();
        QVERIFY(worker->wait(10000));
        delete worker;
    }
    qDebug("after the demo");
    qInstallMessageHandler(before);
    QCOMPARE(s_console, QStringList{"after the demo"});
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QString("quellor-meet-sim: ready"));
    const QRegularExpression timed(R"(^\d\d:\d\d:\d\d\.\d\d\d (.*)$)");
    QStringList messages;
    for (const QString &line : lines.mid(1, 2))
        messages << timed.match(line).captured(1);
    QCOMPARE(messages, (QStringList{"Loaded language \"de_Deutsch\"", "from the serial thread"}));
    QCOMPARE(lines[3], QString());
}

void TstDemoLog::unwritableLogLeavesTheConsole()
{
    QTemporaryDir dir;
    const QtMessageHandler before = qInstallMessageHandler(console);
    s_console.clear();
    {
        DemoLog log;
        QVERIFY(!log.open(dir.filePath("no such folder/quellor-demo.log")));
        qDebug("still on the console");
    }
    qInstallMessageHandler(before);
    QCOMPARE(s_console, QStringList{"still on the console"});
}

QTEST_GUILESS_MAIN(TstDemoLog)
#include "tst_demolog.moc"
