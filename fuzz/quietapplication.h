#pragma once

#include <QCoreApplication>

#include "quietdebug.h"

// The application object that timers and sockets need, created once, with the debug lines silenced.
inline QCoreApplication &quietApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    silenceDebugOutput();
    return app;
}
