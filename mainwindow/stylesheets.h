#pragma once

#include <QString>

#include "views/stylesettings.h"

// The style sheets that turn a colour theme into the look of the program.
struct ThemeStyleSheets {
    QString window;           // the main window's own sheet: combo boxes
    QString application;      // the application-wide sheet: everything else
    QString coordinatorLabel; // handed to the coordinator row's labels
};

ThemeStyleSheets composeStyleSheets(const StyleSettings &theme);
