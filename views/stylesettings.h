#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// One colour of a theme, each component 0..255.
struct StyleColour {
    quint16 red = 0;
    quint16 green = 0;
    quint16 blue = 0;

    bool operator==(const StyleColour &other) const
    {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

// One colour theme of the display: the font, the font and background colours and the colours of the
// buttons; the second set of button colours is for the Ready and Idle buttons.
struct StyleSettings {
    StyleColour fontColour;
    StyleColour backgroundColour;
    QString fontFamily;
    quint16 fontSize = 0;   // px
    quint16 fontWeight = 0; // style-sheet weight 100..900
    StyleColour buttonColour;
    StyleColour buttonHoverColour;
    StyleColour buttonPressedColour;
    StyleColour buttonDisabledColour;
    StyleColour readyButtonColour;
    StyleColour readyButtonHoverColour;
    StyleColour readyButtonPressedColour;
    StyleColour readyButtonDisabledColour;
};

namespace StyleThemes
{

inline constexpr quint8 kDefaultThemeIndex = 3;

// The four themes the program starts with, in the order of their names.
QList<StyleSettings> defaults();
// Untranslated names of the themes, in the same order; shown in the context "ColorSetDlg".
QStringList names();

} // namespace StyleThemes

// The theme's buttons in the given normal, hover, pressed and disabled colours.
QString themeButtonsStyleSheet(const StyleColour &normal, const StyleColour &hover,
                               const StyleColour &pressed, const StyleColour &disabled);
// A row in the theme's colours: the pressed colour behind it and the theme's buttons, whose disabled
// colour is the background's. A file tab's coordinator row wears it.
QString themedRowStyleSheet(const StyleSettings &theme);
// The highlighted lane row: a themed row whose progress bar and combo box are framed.
QString selectedLaneStyleSheet(const StyleSettings &theme);
