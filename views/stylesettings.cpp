#include "views/stylesettings.h"

#include <QCoreApplication>

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
