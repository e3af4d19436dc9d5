// The printed results of a race: the page for the default printer and the ticket for the serial ticket
// printer, from blocks written to a measurement file and read back.
#include <QApplication>
#include <QFile>
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

namespace
{

constexpr quint16 kNone = 0x7FFF;
constexpr quint16 kNoValue = 0x6FFF;

struct Lane {
    quint8 lane;
    quint16 reaction;
    int peak = -1; // -1: no reaction graph
    int participation = ParticipationActive;
    quint16 limit = 100;
};

struct Race {
    quint32 raceNumber = 7;
    QString name;
    quint16 heat = 3;
    quint16 start = 2;
    quint16 limit = 100;
    QString starter;
    QList<Lane> lanes;
};

} // namespace

Q_DECLARE_METATYPE(Race)

namespace
{

// The page's head as printed, %1 to %5 the race name, heat, start, starter and limit.
QString page(const Race &race, const QString &name, const QString &starter, const QString &rows)
{
    return QStringLiteral(
               "<head><title>Quellor III</title></head><body><table border='0' width='98%'><tr><td "
               "colspan='2'>Race name:</td><td colspan='2'>%1</td></tr><tr><td colspan='2'>Heat "
               "number:</td><td>%2</td></tr><tr><td colspan='2'>Start number:</td><td>%3</td></tr><tr><td "
               "colspan='2'>Starter name:</td><td>%4</td></tr><tr><td colspan='2'>IAAF setting:</td><td "
               "colspan='2'>%5 sec</td></tr><tr><td align='right'>Lane</td><td></td><td>Signal</td><td>"
               "Time</td></tr><tr><td colspan='4'><hr /></td></tr>")
               .arg(name)
               .arg(race.heat)
               .arg(race.start)
               .arg(starter, QString::number(race.limit / 1000.0, 'f', 3)) +
           rows +
           QStringLiteral(
               "<tr><td colspan='4'><hr /></td></tr><tr><td colspan='4'>Halvexa - Quellor III</td></tr>"
               "</table></body>");
}

QString row(const QString &lane, const QString &ok = QString(), const QString &signal = QString(),
            const QString &time = QString())
{
    return QStringLiteral("<tr><td align='right'>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
        .arg(lane, ok, signal, time);
}

QByteArray ticket(const QStringList &lines)
{
    return '\x02' + lines.join(QLatin1Char('\r')).toLatin1() + "\r\n\n\n\n\n\x03";
}

class Printed
{
public:
    bool load(const Race &race)
    {
        QList<BlockReport> reports;
        for (const Lane &lane : race.lanes) {
            GraphItems::Reaction graph;
            graph.values = GraphItems::flat(800, graph.offset, 700, quint32(graph.offset + lane.peak));
            reports.append({lane.lane,
                            lane.limit,
                            lane.participation,
                            lane.peak < 0 ? QByteArray() : GraphItems::reaction(graph),
                            {},
                            0});
        }
        if (!m_race.load(reports))
            return false;
        for (int i = 0; i < race.lanes.size(); ++i) {
            QByteArray status = SerialTest::item16(4, race.lanes.at(i).reaction);
            m_race.measurements.at(i)->setReactionAccepted(true);
            m_race.measurements.at(i)->SetStatusFields(quint16(status.size()),
                                                       reinterpret_cast<unsigned char *>(status.data()));
        }
        record.blocks = m_race.blocks;
        record.measurements = PrintJobs::measurementsOf(m_race.blocks);
        record.raceNumber = race.raceNumber;
        record.raceName = race.name;
        record.heatNumber = race.heat;
        record.startNumber = race.start;
        record.falseStartLimit = race.limit;
        record.starterName = race.starter;
        record.printOption = PrintResults;
        return true;
    }

    QString pageLayout(int option)
    {
        record.printOption = option;
        record.printerSetting = QLatin1String(PrintObject::kTicketSetting);
        PrintObject job(PrinterTicket);
        job.setPrinterSettings(&record);
        job.createPrintLayout();
        return job.layout();
    }

    PrintRecord record;

private:
    GraphRace m_race;
};

} // namespace

class TstPrintObject : public QObject
{
    Q_OBJECT

private slots:
    void pageAndTicket_data();
    void pageAndTicket();
    void graphRowEmbedsPng_data();
    void graphRowEmbedsPng();
    void pdfHoldsRaceTexts();
    void noDefaultPrinterSaysNotFound();
    void printsAfterRace_data();
    void printsAfterRace();
};

void TstPrintObject::pageAndTicket_data()
{
    QTest::addColumn<Race>("race");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("name");    // on the page
    QTest::addColumn<QString>("starter"); // on the page
    QTest::addColumn<QStringList>("ticketLines");

    const QString idle = QStringLiteral("%1 ----- 000  -----   ");
    QStringList idleLanes;
    for (int lane = 1; lane <= 10; ++lane)
        idleLanes << idle.arg(lane, 4);

    // two best reactions of 123 ms, the no-reaction markers, a faster DNS lane, a RUP false start
    Race full{7,
              QStringLiteral("<Heat & 1>"),
              3,
              2,
              100,
              QStringLiteral("Anne & <b>Bo</b>"),
              {{1, kNoValue},
               {2, 123, 45},
               {4, kNone},
               {5, 123, -1, ParticipationRup, 150},
               {6, 80, 590, ParticipationDns},
               {7, 200, 590}}};
    QStringList lanes = idleLanes;
    lanes[0] = QStringLiteral("   1  OK   000  -----   ");
    lanes[1] = QStringLiteral("1  2  OK   045  0,123   ");
    lanes[3] = QStringLiteral("   4  OK   000  -----   ");
    lanes[4] = QStringLiteral("1  5 FALSE 000  0,123   ");
    lanes[6] = QStringLiteral("   7  OK   590  0,200   ");
    const QString nbsp4 = QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;");
    const QString best = QStringLiteral("*&nbsp;&nbsp;&nbsp;");
    QTest::newRow("full race")
        << full
        << row(nbsp4 + "1", "OK", "0", "-----") + row(best + "2", "OK", "45", "0.123") +
               row(nbsp4 + "4", "OK", "0", "-----") + row(best + "5", "FALSE", "0", "0.123") +
               row(nbsp4 + "6") + row(nbsp4 + "7", "OK", "590", "0.200")
        << QStringLiteral("&lt;Heat &amp; 1&gt;") << QStringLiteral("Anne &amp; &lt;b&gt;Bo&lt;/b&gt;")
        << QStringList{QStringLiteral("Start number:7          "),
                       QStringLiteral("Race name   : <Heat & 1>"),
                       QStringLiteral("Heat number :3          "),
                       QStringLiteral("IAAF setting:0,100sec   "),
                       QStringLiteral("Starter name:Anne & <b>B"),
                       QStringLiteral("Ready->Start:-----sec   "),
                       QString(24, QLatin1Char('-')),
                       QStringLiteral("Lane  OK? Signal Time   ")} +
               lanes + QStringList{QString(24, QLatin1Char('-')), QStringLiteral("Quellor III             ")};

    // no race name: the race number and start; lane 10 before lane 3 in the list; a peak too wide
    Race falseStart{12,
                    QString(),
                    1,
                    2,
                    120,
                    QStringLiteral("Ingeborg Schmidt-Lauterbach"),
                    {{10, quint16(-50), 2345}, {3, 30}, {3, 10}}};
    lanes = idleLanes;
    lanes[2] = QStringLiteral("   3 FALSE 000  0,030   ");
    lanes[9] = QStringLiteral("1 10 FALSE 2345 -0,050  ");
    QTest::newRow("false start, no name")
        << falseStart
        << row(best + "10", "FALSE", "2345", "-0.050") + row(nbsp4 + "3", "FALSE", "0", "0.030") +
               row(nbsp4 + "3", "FALSE", "0", "0.010")
        << QStringLiteral("12") << QStringLiteral("Ingeborg Schmidt-Lauterbach")
        << QStringList{QStringLiteral("Start number:12         "),
                       QStringLiteral("Race name   : 12.2      "),
                       QStringLiteral("Heat number :1          "),
                       QStringLiteral("IAAF setting:0,120sec   "),
                       QStringLiteral("Starter name:Ingeborg Sc"),
                       QStringLiteral("Ready->Start:-----sec   "),
                       QString(24, QLatin1Char('-')),
                       QStringLiteral("Lane  OK? Signal Time   ")} +
               lanes + QStringList{QString(24, QLatin1Char('-')), QStringLiteral("Quellor III             ")};

    // nobody reacted: nobody is marked
    Race none{1, QStringLiteral("100m"), 1, 1, 100, QString(), {{1, kNone}, {2, kNoValue}}};
    lanes = idleLanes;
    lanes[0] = QStringLiteral("   1  OK   000  -----   ");
    lanes[1] = QStringLiteral("   2  OK   000  -----   ");
    QTest::newRow("no reaction")
        << none << row(nbsp4 + "1", "OK", "0", "-----") + row(nbsp4 + "2", "OK", "0", "-----")
        << QStringLiteral("100m") << QString()
        << QStringList{QStringLiteral("Start number:1          "),
                       QStringLiteral("Race name   : 100m      "),
                       QStringLiteral("Heat number :1          "),
                       QStringLiteral("IAAF setting:0,100sec   "),
                       QStringLiteral("Starter name:           "),
                       QStringLiteral("Ready->Start:-----sec   "),
                       QString(24, QLatin1Char('-')),
                       QStringLiteral("Lane  OK? Signal Time   ")} +
               lanes + QStringList{QString(24, QLatin1Char('-')), QStringLiteral("Quellor III             ")};
}

// The page compared whole; the ticket read back from the terminal the serial printer writes to.
void TstPrintObject::pageAndTicket()
{
    QFETCH(Race, race);
    QFETCH(QString, rows);
    QFETCH(QString, name);
    QFETCH(QString, starter);
    QFETCH(QStringList, ticketLines);
    Printed printed;
    QVERIFY(printed.load(race));
    QCOMPARE(printed.pageLayout(PrintResults), page(race, name, starter, rows));

    SimPty pty;
    if (!pty.open())
        QSKIP("no pseudo-terminal");
    QByteArray received;
    connect(&pty, &SimPty::bytesReceived, this, [&received](const QByteArray &bytes) { received += bytes; });
    SerialPrinterThread worker;
    worker.start();
    const QList<PrinterEntry> printers = {
        {PrinterSerial, pty.devicePath() + QStringLiteral(" [Ticket printer]")},
        {1, QStringLiteral("ignored")}};
    PrintJobs::printOnAll(printers, printed.record, &worker);
    QCOMPARE(worker.baudRate(), 9600);
    const QByteArray expected = ticket(ticketLines);
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), expected.size(), 10000);
    QCOMPARE(received, expected);
}

void TstPrintObject::graphRowEmbedsPng_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("peak");
    QTest::addColumn<int>("participation");
    QTest::addColumn<bool>("graphRow");
    QTest::newRow("results and graphs")
        << int(PrintResultsAndGraphs) << 590 << int(ParticipationActive) << true;
    QTest::newRow("results only") << int(PrintResults) << 590 << int(ParticipationActive) << false;
    QTest::newRow("no graph") << int(PrintResultsAndGraphs) << -1 << int(ParticipationActive) << false;
    QTest::newRow("graph of a DQ lane") << int(PrintResultsAndGraphs) << 590 << int(ParticipationDq) << false;
}

void TstPrintObject::graphRowEmbedsPng()
{
    QFETCH(int, option);
    QFETCH(int, peak);
    QFETCH(int, participation);
    QFETCH(bool, graphRow);
    Printed printed;
    QVERIFY(printed.load(
        {1, QStringLiteral("R"), 1, 1, 100, QString(), {{1, 150, peak, participation}, {2, 160, -1}}}));
    const QString layout = printed.pageLayout(option);
    static const QRegularExpression graph(QStringLiteral(
        "<tr><td colspan='4'>Halvexa - Quellor III</td></tr><tr></tr><tr><td>Graph:</td></tr><tr><td "
        "colspan='4'><img width=\"185\" heigth=\"200\" src=\"data:image/png;base64,([A-Za-z0-9+/=]+)\"/>"
        "</tr></td></table></body>$"));
    const QRegularExpressionMatch match = graph.match(layout);
    QCOMPARE(match.hasMatch(), graphRow);
    QCOMPARE(layout.contains(QStringLiteral("Graph:")), graphRow);
    if (!graphRow)
        return;
    QImage image;
    QVERIFY(image.loadFromData(QByteArray::fromBase64(match.captured(1).toLatin1()), "PNG"));
    QVERIFY(image.width() >= 185 && image.height() >= 200);
    QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));
    bool curve = false;
    for (int y = 0; y < image.height() && !curve; ++y) {
        for (int x = 0; x < image.width() && !curve; ++x)
            curve = image.pixelColor(x, y) == QColor(Qt::black);
    }
    QVERIFY2(curve, "the black print curve is missing");
}

// A PDF printer stands in for the default printer; the text is read back out of the file.
void TstPrintObject::pdfHoldsRaceTexts()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed (scripts/install-deps.sh installs it)");
    Printed printed;
    QVERIFY(printed.load({31,
                          QStringLiteral("Final 60m & more"),
                          2,
                          4,
                          100,
                          QStringLiteral("Pim de Vries"),
                          {{3, 123, 45}, {4, quint16(-50), -1}}}));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("results.pdf"));
    auto pdf = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setOutputFileName(path);
    printed.record.printerSetting = QLatin1String(PrintObject::kTicketSetting);
    PrintObject job(PrinterTicket);
    job.setPrinterSettings(&printed.record);
    job.usePrinter(std::move(pdf));
    job.createPrintLayout();
    job.print();

    QProcess extract;
    extract.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY(extract.waitForFinished(30000));
    QCOMPARE(extract.exitCode(), 0);
    const QString text = QString::fromUtf8(extract.readAllStandardOutput()).simplified();
    for (const char *expected :
         {"Race name: Final 60m & more", "Heat number: 2", "Start number: 4", "Starter name: Pim de Vries",
          "IAAF setting: 0.100 sec", "3 OK 45 0.123", "4 FALSE 0 -0.050", "Halvexa - Quellor III"})
        QVERIFY2(text.contains(QLatin1String(expected)),
                 qPrintable(expected + QStringLiteral(" in: ") + text));
}

void TstPrintObject::noDefaultPrinterSaysNotFound()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a default printer");
    Printed printed;
    QVERIFY(printed.load({1, QStringLiteral("R"), 1, 1, 100, QString(), {{1, 150}}}));
    ModalAnswerer answerer;
    answerer.answer(QDialogButtonBox::Ok);
    PrintJobs::printOnAll({{PrinterTicket, QString()}}, printed.record, nullptr);
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().title, QStringLiteral("Printer not found"));
    QCOMPARE(answerer.seen.first().text,
             QStringLiteral("The system could not find the Custom printer\nPlease "
                            "install the printer and set it as the default printer"));
}

void TstPrintObject::printsAfterRace_data()
{
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("participation");
    QTest::addColumn<int>("reaction");
    QTest::addColumn<bool>("prints");
    QTest::newRow("results") << true << 2 << int(ParticipationActive) << 150 << true;
    QTest::newRow("results and graphs, RUP") << true << 3 << int(ParticipationRup) << -20 << true;
    QTest::newRow("off") << true << 1 << int(ParticipationActive) << 150 << false;
    QTest::newRow("not allowed") << false << 2 << int(ParticipationActive) << 150 << false;
    QTest::newRow("no reaction") << true << 2 << int(ParticipationActive) << int(kNone) << false;
    QTest::newRow("no value") << true << 2 << int(ParticipationActive) << int(kNoValue) << false;
    QTest::newRow("only a DNS lane reacted") << true << 2 << int(ParticipationDns) << 150 << false;
}

void TstPrintObject::printsAfterRace()
{
    QFETCH(bool, allowed);
    QFETCH(int, option);
    QFETCH(int, participation);
    QFETCH(int, reaction);
    QFETCH(bool, prints);
    Printed printed;
    QVERIFY(printed.load({1, QString(), 1, 1, 100, QString(), {{1, quint16(reaction), -1, participation}}}));
    QCOMPARE(PrintJobs::printsAfterRace(allowed, option, printed.record.blocks), prints);
}

QTEST_MAIN(TstPrintObject)
#include "tst_printobject.moc"
