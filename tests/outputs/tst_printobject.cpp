// The printed results of a race, from blocks written to a measurement file and read back: the page for
// the default printer and the ticket for the serial ticket printer.
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "core/projectsettings.h"
#include "modalanswerer.h"
#include "outputs/printjobs.h"
#include "outputs/printobject.h"
#include "outputs/serialprinterthread.h"
#include "sim/simpty.h"
#include "tests/views/graphrace.h"

constexpr quint16 kNone = 0x7FFF;
constexpr quint16 kNoValue = 0x6FFF;

struct Lane {
    quint8 lane;
    quint16 reaction;
    int peak = -1; // -1: no reaction graph
    int participation = ParticipationActive;
    quint16 limit = 100;
};
Q_DECLARE_METATYPE(Lane)

namespace
{

// A race read back from its measurement file, in a print record: race 7, heat 3, start 2, limit 100.
struct Race {
    PrintRecord record;
    GraphRace file;

    Race(const QString &name, const QString &starter, const QList<Lane> &lanes, int option)
    {
        QList<BlockReport> reports;
        for (const Lane &lane : lanes) {
            GraphItems::Reaction graph;
            graph.values = GraphItems::flat(800, graph.offset, 700, quint32(graph.offset + lane.peak));
            reports.append({lane.lane, lane.limit, lane.participation, {}, {}, 0});
            if (lane.peak >= 0)
                reports.last().graphItems = GraphItems::reaction(graph);
        }
        QVERIFY(file.load(reports));
        for (int i = 0; i < lanes.size(); ++i) {
            QByteArray status = SerialTest::item16(4, lanes.at(i).reaction);
            file.measurements.at(i)->setReactionAccepted(true);
            file.measurements.at(i)->SetStatusFields(4, reinterpret_cast<unsigned char *>(status.data()));
        }
        record.blocks = file.blocks;
        record.measurements = PrintJobs::measurementsOf(file.blocks);
        record.raceNumber = 7;
        record.raceName = name;
        record.heatNumber = 3;
        record.startNumber = 2;
        record.falseStartLimit = 100;
        record.starterName = starter;
        record.printOption = option;
        record.printerSetting = PrintObject::kTicketSetting;
    }
};

QString row(const QString &lane, const QString &ok = {}, const QString &signal = {}, const QString &time = {})
{
    return QStringLiteral("<tr><td align='right'>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
        .arg(lane, ok, signal, time);
}

} // namespace

class TstPrintObject : public QObject
{
    Q_OBJECT

private slots:
    void pageAndTicket_data();
    void pageAndTicket();
    void pdfWithGraph();
};

void TstPrintObject::pageAndTicket_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("printsAfterRace");
    QTest::addColumn<QList<Lane>>("lanes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("starter");
    QTest::addColumn<QStringList>("page"); // race name, starter and the lane rows
    QTest::addColumn<QByteArray>("ticket");
    const QString n4 = QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;");
    const QString best = QStringLiteral("*&nbsp;&nbsp;&nbsp;");

    // two best reactions, the no-reaction marker 0x6FFF, a faster DNS lane, lane 3 twice, a peak too wide
    QTest::newRow("full race")
        << int(PrintResults) << true
        << QList<Lane>{{10, quint16(-50), 2345},
                       {1, kNoValue},
                       {2, 123, 45},
                       {3, 130},
                       {3, 20},
                       {5, quint16(-50), -1, ParticipationRup, 150},
                       {6, quint16(-80), 590, ParticipationDns}}
        << QStringLiteral("<Heat & 1>") << QStringLiteral("Anne & <b>Bo</b>")
        << QStringList{"&lt;Heat &amp; 1&gt;", "Anne &amp; &lt;b&gt;Bo&lt;/b&gt;",
                       row(best + "10", "FALSE", "2345", "-0.050") + row(n4 + "1", "OK", "0", "-----") +
                           row(n4 + "2", "OK", "45", "0.123") + row(n4 + "3", "OK", "0", "0.130") +
                           row(n4 + "3", "FALSE", "0", "0.020") + row(best + "5", "FALSE", "0", "-0.050") +
                           row(n4 + "6")}
        << QByteArray("\x02Race number :7          \rRace name   : <Heat & 1>\rHeat number :3          \r"
                      "IAAF setting:0,100sec   \rStarter name:Anne & <b>B\rReady->Start:-----sec   \r"
                      "------------------------\rLane  OK? Signal Time   \r   1  OK   000  -----   \r"
                      "   2  OK   045  0,123   \r   3  OK   000  0,130   \r   4 ----- 000  -----   \r"
                      "1  5 FALSE 000 -0,050   \r   6 ----- 000  -----   \r   7 ----- 000  -----   \r"
                      "   8 ----- 000  -----   \r   9 ----- 000  -----   \r1 10 FALSE 2345 -0,050  \r"
                      "------------------------\rQuellor III             \r\n\n\n\n\n\x03");
    QTest::newRow("no reaction, no name, graphs of racing lanes only")
        << int(PrintResultsAndGraphs) << false
        << QList<Lane>{{1, kNone}, {2, kNoValue}, {3, 90, 590, ParticipationDq}} << QString() << QString()
        << QStringList{"7", "",
                       row(n4 + "1", "OK", "0", "-----") + row(n4 + "2", "OK", "0", "-----") + row(n4 + "3")}
        << QByteArray("\x02Race number :7          \rRace name   : 7.2       \rHeat number :3          \r"
                      "IAAF setting:0,100sec   \rStarter name:           \rReady->Start:-----sec   \r"
                      "------------------------\rLane  OK? Signal Time   \r   1  OK   000  -----   \r"
                      "   2  OK   000  -----   \r   3 ----- 000  -----   \r   4 ----- 000  -----   \r"
                      "   5 ----- 000  -----   \r   6 ----- 000  -----   \r   7 ----- 000  -----   \r"
                      "   8 ----- 000  -----   \r   9 ----- 000  -----   \r  10 ----- 000  -----   \r"
                      "------------------------\rQuellor III             \r\n\n\n\n\n\x03");
}

// The page compared whole; the ticket whole as read back from the terminal the printer port writes to.
void TstPrintObject::pageAndTicket()
{
    QFETCH(int, option);
    QFETCH(bool, printsAfterRace);
    QFETCH(QList<Lane>, lanes);
    QFETCH(QString, name);
    QFETCH(QString, starter);
    QFETCH(QStringList, page);
    QFETCH(QByteArray, ticket);
    Race race(name, starter, lanes, option);
    QCOMPARE(PrintJobs::printsAfterRace(true, option, race.record.blocks), printsAfterRace);
    PrintObject job(PrinterTicket);
    job.setPrinterSettings(&race.record);
    job.createPrintLayout();
    QCOMPARE(
        job.layout(),
        QStringLiteral("<head><title>Quellor III</title></head><body><table border='0' width='98%'><tr><td "
                       "colspan='2'>Race name:</td><td colspan='2'>%1</td></tr><tr><td colspan='2'>Heat "
                       "number:</td><td>3</td></tr><tr><td colspan='2'>Start number:</td><td>2</td></tr><tr>"
                       "<td colspan='2'>Starter name:</td><td>%2</td></tr><tr><td colspan='2'>IAAF setting:"
                       "</td><td colspan='2'>0.100 sec</td></tr><tr><td align='right'>Lane</td><td></td><td>"
                       "Signal</td><td>Time</td></tr><tr><td colspan='4'><hr /></td></tr>%3<tr><td "
                       "colspan='4'><hr /></td></tr><tr><td colspan='4'>Halvexa - Quellor III</td></tr>"
                       "</table></body>")
            .arg(page[0], page[1], page[2]));

    SimPty pty;
    if (!pty.open())
        QSKIP("no pseudo-terminal");
    QByteArray received;
    connect(&pty, &SimPty::bytesReceived, this, [&received](const QByteArray &bytes) { received += bytes; });
    SerialPrinterThread worker;
    worker.start();
    PrintJobs::printOnAll({{PrinterSerial, pty.devicePath() + " [Ticket printer]"}, {1, "ignored"}},
                          race.record, &worker);
    QCOMPARE(worker.baudRate(), 9600);
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), ticket.size(), 10000);
    QCOMPARE(received, ticket);
}

// No default printer: the box and nothing printed. A PDF printer in its place: the page with its graph,
// whose text is read out of the file.
void TstPrintObject::pdfWithGraph()
{
    Race race("Final 60m & more", "Pim de Vries", {{3, 123, 45}, {4, quint16(-50)}}, PrintResultsAndGraphs);
    if (QPrinterInfo::defaultPrinter().isNull()) {
        ModalAnswerer answerer;
        answerer.answer(QDialogButtonBox::Ok);
        PrintJobs::printOnAll({{PrinterTicket, QString()}}, race.record, nullptr);
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen[0].title, "Printer not found");
        QCOMPARE(answerer.seen[0].text, "The system could not find the Custom printer\n"
                                        "Please install the printer and set it as the default printer");
    }
    QTemporaryDir dir;
    auto pdf = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setOutputFileName(dir.filePath("results.pdf"));
    PrintObject job(PrinterTicket);
    job.setPrinterSettings(&race.record);
    job.usePrinter(std::move(pdf));
    job.createPrintLayout();
    job.print();

    static const QRegularExpression graph(
        "<tr><td colspan='4'>Halvexa - Quellor III</td></tr><tr></tr><tr><td>"
        "Graph:</td></tr><tr><td colspan='4'><img width=\"185\" heigth=\"200\" "
        "src=\"data:image/png;base64,([A-Za-z0-9+/=]+)\"/></tr></td></table></body>$");
    const QRegularExpressionMatch match = graph.match(job.layout());
    QVERIFY(match.hasMatch());
    QImage image;
    QVERIFY(image.loadFromData(QByteArray::fromBase64(match.captured(1).toLatin1()), "PNG"));
    QCOMPARE(image.pixelColor(2, image.height() - 2), QColor(Qt::white));

    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is missing (scripts/install-deps.sh installs it)");
    QProcess extract;
    extract.start(pdftotext, {"-layout", dir.filePath("results.pdf"), "-"});
    QVERIFY(extract.waitForFinished(30000));
    const QString text = QString::fromUtf8(extract.readAllStandardOutput()).simplified();
    for (const char *expected :
         {"Race name: Final 60m & more", "Heat number: 3", "Start number: 2", "Starter name: Pim de Vries",
          "IAAF setting: 0.100 sec", "3 OK 45 0.123", "* 4 FALSE 0 -0.050", "Halvexa - Quellor III Graph:"})
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + text));
}

QTEST_MAIN(TstPrintObject)
#include "tst_printobject.moc"
