#include "views/stylesettings.h"

#include <QCoreApplication>

namespace
{

constexpr char kButtons[] =
    "QPushButton {padding: 2px; margin: 0px; border-radius: 11px; border: 2px solid white; "
    "background-color: rgb(%1,%2,%3);} QPushButton:hover{background-color: rgb(%4, %5, %6);} "
    "QPushButton:pressed{background-color: rgb(%7, %8, %9);} "
    "QPushButton:disabled{background-color: rgb(%10,%11,%12);}";
constexpr char kRowBackground[] =
    "* {background-color: rgb(%1, %2, %3); margin: 0px; padding: 0px; border: 0px;}";
constexpr char kSelectedProgress[] = "QProgressBar {border: 2px solid white;}";
constexpr char kSelectedCombo[] =
    "QComboBox {border-top: 3px solid rgb(%1, %2, %3); border-bottom: 3px solid rgb(%1, %2, %3);}";

QString filled(const char *format, const StyleColour &colour)
{
    return QString::fromLatin1(format).arg(colour.red).arg(colour.green).arg(colour.blue);
}

} // namespace

namespace StyleThemes
{

namespace
{

constexpr char kFontFamily[] = "Arial";
constexpr quint16 kFontSize = 18;
constexpr quint16 kFontWeight = 900;

StyleColour grey(quint16 level)
{
    return {level, level, level};
}

StyleSettings theme(StyleColour font, StyleColour background, StyleColour button, StyleColour hover,
                    StyleColour pressed, StyleColour disabled)
{
    StyleSettings s;
    s.fontColour = font;
    s.backgroundColour = background;
    s.fontFamily = QString::fromLatin1(kFontFamily);
    s.fontSize = kFontSize;
    s.fontWeight = kFontWeight;
    s.buttonColour = s.readyButtonColour = button;
    s.buttonHoverColour = s.readyButtonHoverColour = hover;
    s.buttonPressedColour = s.readyButtonPressedColour = pressed;
    s.buttonDisabledColour = s.readyButtonDisabledColour = disabled;
    return s;
}

} // namespace

QList<StyleSettings> defaults()
{
    return {
        theme(grey(240), grey(25), grey(65), grey(105), grey(145), grey(25)),
        theme({128, 70, 27}, {240, 220, 130}, {210, 190, 100}, {180, 160, 70}, {150, 130, 50},
              {240, 220, 130}),
        theme(grey(235), {0, 0, 75}, {20, 20, 235}, {40, 40, 225}, {60, 60, 215}, {0, 0, 75}),
        theme(grey(25), grey(216), grey(186), grey(156), grey(126), grey(216)),
    };
}

QStringList names()
{
    return {
        QString::fromLatin1(QT_TRANSLATE_NOOP("ColorSetDlg", "light grey")),
        QString::fromLatin1(QT_TRANSLATE_NOOP("ColorSetDlg", "aqua")),
        QString::fromLatin1(QT_TRANSLATE_NOOP("ColorSetDlg", "desert")),
        QString::fromLatin1(QT_TRANSLATE_NOOP("ColorSetDlg", "modern")),
    };
}

} // namespace StyleThemes

QString themeButtonsStyleSheet(const StyleColour &normal, const StyleColour &hover,
                               const StyleColour &pressed, const StyleColour &disabled)
{
    QString text = QString::fromLatin1(kButtons);
    for (const StyleColour &colour : {normal, hover, pressed, disabled})
        text = text.arg(colour.red).arg(colour.green).arg(colour.blue);
    return text;
}

QString themedRowStyleSheet(const StyleSettings &theme)
{
    return filled(kRowBackground, theme.buttonPressedColour) +
           themeButtonsStyleSheet(theme.buttonColour, theme.buttonHoverColour, theme.buttonPressedColour,
                                  theme.backgroundColour);
}

QString selectedLaneStyleSheet(const StyleSettings &theme)
{
    return themedRowStyleSheet(theme) + QString::fromLatin1(kSelectedProgress) +
           filled(kSelectedCombo, theme.fontColour);
}
