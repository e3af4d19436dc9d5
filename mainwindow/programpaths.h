#pragma once

#include <QString>

// Where the program finds and keeps its own files, all beside the program itself.
namespace ProgramPaths
{

QString programFolder();
// The translations: "<program folder>/languages".
QString languagesFolder();
// The race log: "<program folder>/<program name>_debug.log", a trailing ".exe" dropped from the name.
QString raceLogPath();
// The folder of the meet events: "<home>/Events".
QString eventsFolder();

} // namespace ProgramPaths
