#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "core/projectsettings.h"

// What the project settings dialog maps between its controls and the stored values.
namespace ProjectSettingsValues
{

inline constexpr qint32 kDefaultBaudRate = 9600;

// A port that reports no usable rate (0 before any port was opened, 110 from the serial library) is
// opened at 9600 baud.
qint32 reopenBaudRate(qint32 reported);

// The volume sliders: positions 0..5 stand for 37..100 % and device codes 6..16; a code that is not in
// the table stands for position 5.
int volumePosition(quint8 code);
quint8 volumeCode(int position);
int volumePercent(int position);

// The list entry of a stored value (value - 1, low 8 bits only); -1 and beyond the list select nothing.
int comboIndexFor(qint32 storedValue);

// The list entries of the system's serial ports, "name [description]", in the serial library's order.
QStringList serialPortTexts();

// The stored port when the list lacks it but it names an existing character device by its full path: a
// pseudo-terminal such as the device simulator's, or a link to one, which the serial library does not list.
// Empty otherwise. Listed ports are names without a path, so stored real ports are never offered this way.
QString unlistedDevicePort(const QStringList &listed, const QString &stored);

bool hasPrinter(const QList<PrinterEntry> &printers, int type);
// Removes every entry of the type, the last first.
void removePrinters(QList<PrinterEntry> &printers, int type);

} // namespace ProjectSettingsValues
