#pragma once

#include <QList>
#include <QString>

#include "outputs/printrecord.h"

class CStartBlock;
class CStartBlockMeasurement;
class SerialPrinterThread;
struct PrinterEntry;
struct RaceHeader;

// The main window's print operation without the window: it fills one record with the race (the live
// race, or the measurement file of the tab shown) and calls printOnAll with its printer list.
namespace PrintJobs
{

// The race info field as the record carries it: every space replaced by "_".
QString raceInfoField(const QString &raceInfo);
// The blocks' measurement objects, parallel to the blocks.
QList<CStartBlockMeasurement *> measurementsOf(const QList<CStartBlock *> &blocks);
// Takes the race name, heat, start, false-start limit and starter name of a measurement file.
void takeRaceFromFile(PrintRecord &record, const RaceHeader &header);
// A race prints by itself once its reaction graphs are in: printing allowed for it, option "Results"
// or "Results and graphs", and a racing lane holding a measured reaction.
bool printsAfterRace(bool printingAllowed, int printOption, const QList<CStartBlock *> &blocks);
// "TICKET" for the default printer, the port text for the serial printer, empty for any other type.
QString printerSetting(const PrinterEntry &entry);
// One job per entry in list order (created, set up, laid out, printed, deleted), each with the race
// of the given record; the serial printer's job gets the worker.
void printOnAll(const QList<PrinterEntry> &printers, const PrintRecord &race, SerialPrinterThread *worker);

} // namespace PrintJobs
