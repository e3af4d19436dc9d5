#pragma once

#include <QColor>
#include <QString>

#include "views/stylesettings.h"

// What the graphs take of the window's colour theme: the text colour and the font family. The default
// is the theme the window starts with.
struct GraphTheme {
    QColor fontColour = QColor(25, 25, 25);
    QString fontFamily = QStringLiteral("Arial");
};

// The graphs' part of a colour theme.
inline GraphTheme graphThemeOf(const StyleSettings &style)
{
    return GraphTheme{QColor(style.fontColour.red, style.fontColour.green, style.fontColour.blue),
                      style.fontFamily};
}
