#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

class CStartBlock;
class CStartBlockMeasurement;
class SerialPrinterThread;

// The general setting "printer_option": what is printed after a race.
enum PrintOption : int {
    PrintOff = 1,
    PrintResults = 2,
    PrintResultsAndGraphs = 3,
};

// What one print job prints: the race (live, or the one of a measurement file) and where it goes. The
// caller owns it and keeps it, and the devices it points to, alive while the job runs.
struct PrintRecord {
    QList<CStartBlock *> blocks;
    QList<CStartBlockMeasurement *> measurements; // parallel to blocks; only the graph panel reads them
    quint32 raceNumber = 0;
    QString raceName; // may be empty
    quint16 heatNumber = 0;
    quint16 startNumber = 0;
    quint16 falseStartLimit = 0; // ms
    QString starterName;
    QString raceInfo; // spaces replaced by "_"; not printed
    int printOption = PrintOff;
    QString printerSetting;                       // "TICKET", a serial port text, or empty
    SerialPrinterThread *serialPrinter = nullptr; // not owned; only for a serial port text
};
