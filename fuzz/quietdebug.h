#pragma once

#include <QLoggingCategory>

// The program's debug lines ("CRC error", "No key set.", ...) would bury a fuzz run's findings; warnings
// and worse still show.
inline void silenceDebugOutput()
{
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
}
