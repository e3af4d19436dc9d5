#pragma once

// The program's start: the application object, the main window (hidden), the language, the project
// settings dialog, and only after its OK the settings written back and applied and the window shown.
namespace ProgramStartup
{

// Returns the event loop's exit code, or -1 when the project settings dialog is cancelled; nothing is
// written then and the window is never shown. The application object and the main window outlive it.
int run(int &argc, char **argv);

} // namespace ProgramStartup
