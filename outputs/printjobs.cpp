#include "outputs/printjobs.h"

#include "core/projectsettings.h"
#include "devices/cstartblock.h"
#include "devices/measurementfile.h"
#include "outputs/printobject.h"
#include "outputs/raceresults.h"

namespace PrintJobs
{

QString raceInfoField(const QString &raceInfo)
{
    QString field = raceInfo;
    return field.replace(QLatin1Char(' '), QLatin1Char('_'));
}

QList<CStartBlockMeasurement *> measurementsOf(const QList<CStartBlock *> &blocks)
{
    QList<CStartBlockMeasurement *> measurements;
    measurements.reserve(blocks.size());
    for (const CStartBlock *block : blocks)
        measurements.append(block ? block->measurement() : nullptr);
    return measurements;
}

void takeRaceFromFile(PrintRecord &record, const RaceHeader &header)
{
    record.raceName = header.raceLabel;
    record.heatNumber = header.heat;
    record.startNumber = header.start;
    record.falseStartLimit = header.falseStartLimit;
    record.starterName = header.starterName;
}

bool printsAfterRace(bool printingAllowed, int printOption, const QList<CStartBlock *> &blocks)
{
    return printingAllowed && (printOption == PrintResults || printOption == PrintResultsAndGraphs) &&
           RaceResults::anyRacingReaction(blocks);
}

QString printerSetting(const PrinterEntry &entry)
{
    if (entry.type == PrinterTicket)
        return QLatin1String(PrintObject::kTicketSetting);
    return entry.type == PrinterSerial ? entry.port : QString();
}

void printOnAll(const QList<PrinterEntry> &printers, const PrintRecord &race, SerialPrinterThread *worker)
{
    for (const PrinterEntry &entry : printers) {
        PrintRecord record = race;
        record.printerSetting = printerSetting(entry);
        record.serialPrinter = entry.type == PrinterSerial ? worker : nullptr;
        PrintObject job(quint8(entry.type));
        job.setPrinterSettings(&record);
        job.createPrintLayout();
        job.print();
    }
}

} // namespace PrintJobs
