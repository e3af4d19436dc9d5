#include "outputs/printobject.h"

#include <QBuffer>
#include <QDebug>
#include <QImage>
#include <QMarginsF>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

#include "core/projectsettings.h"
#include "core/sharedconstants.h"
#include "devices/cstartblock.h"
#include "outputs/printrecord.h"
#include "outputs/raceresults.h"
#include "outputs/serialprinterthread.h"
#include "views/graphviews.h"
#include "views/measurementgraphwidget.h"

namespace
{

constexpr char kPageStart[] = "<head><title>Quellor III</title></head><body><table border='0' width='98%'>";
constexpr char kWideRow[] = "<tr><td colspan='2'>%1</td><td colspan='2'>%2</td></tr>";
constexpr char kNarrowRow[] = "<tr><td colspan='2'>%1</td><td>%2</td></tr>";
constexpr char kColumnsRow[] = "<tr><td align='right'>%1</td><td></td><td>%2</td><td>%3</td></tr>";
constexpr char kRuleRow[] = "<tr><td colspan='4'><hr /></td></tr>";
constexpr char kLaneRow[] = "<tr><td align='right'>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>";
constexpr char kIdleLaneRow[] = "<tr><td align='right'>%1</td><td></td><td></td><td></td></tr>";
constexpr char kFooterRow[] = "<tr><td colspan='4'>Halvexa - Quellor III</td></tr>";
constexpr char kPageEnd[] = "</table></body>";
constexpr char kLaneIndent[] = "&nbsp;&nbsp;&nbsp;&nbsp;%1";
constexpr int kLaneIndentStep = 6; // one "&nbsp;", which the best mark replaces
constexpr char kPageBestMark = '*';
constexpr char kNoTime[] = "-----";
// the image's height attribute is spelled so on every page printed so far
constexpr char kGraphRow[] =
    "<tr></tr><tr><td>%1</td></tr><tr><td colspan='4'><img width=\"185\" heigth=\"200\" "
    "src=\"data:image/png;base64,%2\"/></tr></td>";
constexpr char kGraphStyle[] = "background-color: rgb(255, 255, 255);";

constexpr char kTicketStart = '\x02';
constexpr char kTicketEnd = '\x03';
constexpr char kLineEnd = '\r';
constexpr int kFeedLines = 5;
constexpr int kLabelWidth = 12;
constexpr int kValueWidth = 11;
constexpr int kRaceNameWidth = 10;
constexpr int kLaneWidth = 4;
constexpr int kStateWidth = 5;
constexpr int kSignalWidth = 3;
constexpr int kTimeWidth = 6;
constexpr char kTicketTail[] = "   ";
constexpr char kTicketBestMark = '1';
constexpr char kTicketFooter[] = "Quellor III";
constexpr char kTicketIdleLane[] = " ----- 000  -----   ";
constexpr qreal kLeftMarginMm = 5;
constexpr qreal kMarginMm = 1; // top, right and bottom

QString seconds(int ms)
{
    return QString::number(ms / 1000.0, 'f', 3);
}

QString commaSeconds(int ms)
{
    return seconds(ms).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString label(const QString &text)
{
    return text.leftJustified(kLabelWidth, QLatin1Char(' '), true);
}

// Lines are exactly as wide as the paper: a value too long for its field eats the trailing blanks.
QString ticketLine(const QString &text)
{
    return text.leftJustified(PrintObject::kTicketWidth, QLatin1Char(' '), true) + QLatin1Char(kLineEnd);
}

const CStartBlock *firstBlockInLane(const QList<CStartBlock *> &blocks, int lane)
{
    for (const CStartBlock *block : blocks) {
        if (block && block->lane() == lane)
            return block;
    }
    return nullptr;
}

} // namespace

PrintObject::PrintObject(quint8 printerType) : m_printerType(printerType) {}

PrintObject::~PrintObject() = default;

void PrintObject::setPrinterSettings(const PrintRecord *record)
{
    m_record = record;
    if (!record || record->printerSetting.isEmpty())
        return;
    if (record->printerSetting == QLatin1String(kTicketSetting)) {
        m_printer = defaultPrinter();
        return;
    }
    // any other text is a serial port: Linux names carry no "com"
    m_serialPrinter = record->serialPrinter;
    if (m_serialPrinter)
        m_serialPrinter->setPrinterPort(record->printerSetting, kSerialBaudRate);
}

std::unique_ptr<QPrinter> PrintObject::defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr; // a printer made from no printer has no name either, and prints nowhere
    auto printer = std::make_unique<QPrinter>(info, QPrinter::ScreenResolution);
    if (printer->printerName() != info.printerName())
        return nullptr;
    printer->setPageMargins(QMarginsF(kLeftMarginMm, kMarginMm, kMarginMm, kMarginMm),
                            QPageLayout::Millimeter);
    printer->setOutputFormat(QPrinter::NativeFormat);
    printer->setOutputFileName(QString());
    return printer;
}

void PrintObject::usePrinter(std::unique_ptr<QPrinter> printer)
{
    m_printer = std::move(printer);
}

void PrintObject::createPrintLayout()
{
    qDebug() << "Create print layout";
    m_layout.clear();
    if (!m_record)
        return;
    if (m_printerType == PrinterTicket)
        createHtmlLayout();
    else if (m_printerType == PrinterSerial)
        createTicketLayout();
}

void PrintObject::print()
{
    qDebug() << "Print results";
    if (m_printerType == PrinterTicket) {
        if (!m_printer || m_printer->printerState() != QPrinter::Idle) {
            showPrinterNotFound();
            return;
        }
        printHtml(m_layout);
    } else if (m_printerType == PrinterSerial && m_serialPrinter) {
        sendToSerialPrinter(m_layout);
    }
}

void PrintObject::showPrinterNotFound()
{
    QMessageBox::information(
        nullptr, tr("Printer not found"),
        tr("The system could not find the %1 printer").arg(QLatin1String(SharedConstants::kCustom)) +
            QLatin1Char('\n') + tr("Please install the printer and set it as the default printer"),
        QMessageBox::Ok);
}

void PrintObject::createHtmlLayout()
{
    m_layout = htmlHead();
    for (const CStartBlock *block : m_record->blocks)
        m_layout += htmlRow(block);
    m_layout += QLatin1String(kRuleRow) + QLatin1String(kFooterRow);
    if (m_record->printOption == PrintResultsAndGraphs && RaceResults::anyRacingGraph(m_record->blocks))
        m_layout += htmlGraphRow();
    m_layout += QLatin1String(kPageEnd);
}

QString PrintObject::htmlHead() const
{
    const PrintRecord &race = *m_record;
    const QString name =
        race.raceName.isEmpty() ? QString::number(race.raceNumber) : race.raceName.toHtmlEscaped();
    return QLatin1String(kPageStart) + QString::fromLatin1(kWideRow).arg(tr("Race name:"), name) +
           QString::fromLatin1(kNarrowRow).arg(tr("Heat number:"), QString::number(race.heatNumber)) +
           QString::fromLatin1(kNarrowRow).arg(tr("Start number:"), QString::number(race.startNumber)) +
           QString::fromLatin1(kNarrowRow).arg(tr("Starter name:"), race.starterName.toHtmlEscaped()) +
           QString::fromLatin1(kWideRow).arg(tr("IAAF setting:"),
                                             tr("%1 sec").arg(seconds(race.falseStartLimit))) +
           QString::fromLatin1(kColumnsRow).arg(tr("Lane"), tr("Signal"), tr("Time")) +
           QLatin1String(kRuleRow);
}

QString PrintObject::htmlRow(const CStartBlock *block) const
{
    if (!block)
        return QString();
    QString lane = QString::fromLatin1(kLaneIndent).arg(block->lane());
    if (!RaceResults::isRacing(block))
        return QString::fromLatin1(kIdleLaneRow).arg(lane);
    const QString signal = QString::number(RaceResults::signal(block).value_or(0));
    const std::optional<int> reaction = RaceResults::reaction(block);
    if (!reaction)
        return QString::fromLatin1(kLaneRow).arg(lane, tr("OK"), signal, QLatin1String(kNoTime));
    if (reaction == RaceResults::bestReaction(m_record->blocks))
        lane.replace(0, kLaneIndentStep, QLatin1Char(kPageBestMark));
    const QString state = *reaction < block->falseStartLimit() ? tr("FALSE") : tr("OK");
    return QString::fromLatin1(kLaneRow).arg(lane, state, signal, seconds(*reaction));
}

QString PrintObject::htmlGraphRow() const
{
    const std::unique_ptr<MeasurementGraphWidget> panel(GraphViews::CreateMeasurementGraphWidget(
        nullptr, m_record->blocks, m_record->measurements, kGraphPrintMode));
    if (!panel)
        return QString();
    panel->setStyleSheet(QLatin1String(kGraphStyle));
    const QImage image = panel->grab().toImage();
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    image.save(&png, GraphViews::kImageFormat);
    return QString::fromLatin1(kGraphRow).arg(tr("Graph:"), QString::fromLatin1(png.data().toBase64()));
}

void PrintObject::createTicketLayout()
{
    m_layout = QLatin1Char(kTicketStart) + ticketHead();
    for (int lane = 1; lane <= kTicketLanes; ++lane)
        m_layout += ticketLine(ticketLane(lane));
    m_layout += ticketLine(QString(kTicketWidth, QLatin1Char('-'))) +
                ticketLine(QLatin1String(kTicketFooter)) + QString(kFeedLines, QLatin1Char('\n')) +
                QLatin1Char(kTicketEnd);
}

QString PrintObject::ticketHead() const
{
    const PrintRecord &race = *m_record;
    const QString name = race.raceName.isEmpty()
                             ? QStringLiteral("%1.%2").arg(race.raceNumber).arg(race.startNumber)
                             : race.raceName;
    const QStringList lines = {
        label(tr("Race number")) + QLatin1Char(':') +
            QString::number(race.raceNumber).leftJustified(kValueWidth),
        label(tr("Race name")) + QLatin1String(": ") +
            name.leftJustified(kRaceNameWidth, QLatin1Char(' '), true),
        label(tr("Heat number")) + QLatin1Char(':') +
            QString::number(race.heatNumber).leftJustified(kValueWidth),
        label(tr("IAAF setting")) + QLatin1Char(':') +
            tr("%1sec%2").arg(commaSeconds(race.falseStartLimit), QLatin1String(kTicketTail)),
        label(tr("Starter name")) + QLatin1Char(':') +
            race.starterName.leftJustified(kValueWidth, QLatin1Char(' '), true),
        label(tr("Ready->Start")) + QLatin1Char(':') +
            tr("%1sec%2").arg(QLatin1String(kNoTime), QLatin1String(kTicketTail)),
        QString(kTicketWidth, QLatin1Char('-')),
        tr("Lane  OK? Signal Time   "),
    };
    QString head;
    for (const QString &line : lines)
        head += ticketLine(line);
    return head;
}

QString PrintObject::ticketLane(int lane) const
{
    const CStartBlock *block = firstBlockInLane(m_record->blocks, lane);
    QString laneField = QStringLiteral("%1").arg(lane, kLaneWidth);
    if (!RaceResults::isRacing(block))
        return laneField + QLatin1String(kTicketIdleLane);
    const std::optional<int> reaction = RaceResults::reaction(block);
    if (reaction && reaction == RaceResults::bestReaction(m_record->blocks))
        laneField[0] = QLatin1Char(kTicketBestMark);
    const bool falseStart = reaction && *reaction < block->falseStartLimit();
    const QString state = (falseStart ? tr("FALSE") : QLatin1Char(' ') + tr("OK"))
                              .leftJustified(kStateWidth, QLatin1Char(' '), true);
    const QString signal =
        QStringLiteral("%1").arg(RaceResults::signal(block).value_or(0), kSignalWidth, 10, QLatin1Char('0'));
    const QString time = QStringLiteral("%1").arg(
        reaction ? commaSeconds(*reaction) : QLatin1Char(' ') + QLatin1String(kNoTime), kTimeWidth);
    return laneField + QLatin1Char(' ') + state + QLatin1Char(' ') + signal + QLatin1Char(' ') + time +
           QLatin1String(kTicketTail);
}

void PrintObject::printHtml(const QString &html)
{
    m_document.setHtml(html);
    m_document.print(m_printer.get());
}

void PrintObject::sendToSerialPrinter(const QString &ticket)
{
    m_ticketBytes = ticket.toLatin1();
    m_serialPrinter->writeData(m_ticketBytes.constData(), int(m_ticketBytes.size()));
}
