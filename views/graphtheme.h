#pragma once

#include <QColor>
#include <QString>

// What the graphs take of the window's colour theme: the text colour and the font family. The default
// is the theme the window starts with.
struct GraphTheme {
    QColor fontColour = QColor(25, 25, 25);
    QString fontFamily = QStringLiteral("Arial");
};
