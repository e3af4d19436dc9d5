#include "mainwindow/stylesheets.h"

#include "core/sharedconstants.h"
#include "views/stylesettings.h"

namespace
{

constexpr char kEverything[] =
    "* {font-family: %1; font-size: %2px; font-weight: %3; color: rgb(%4, %5, %6); "
    "background-color : rgb(%7, %8, %9);}";
// a disabled Ready button is white on dark red in every theme
constexpr char kReadyButtons[] =
    "QPushButton#btnReady, QPushButton#btnBroadcastIdle { padding: 2px; margin: 0px; border-radius: 11px; "
    "border: 2px solid white; background-color: rgb(%1,%2,%3);} QPushButton#btnReady:hover, "
    "QPushButton#btnBroadcastIdle:hover{background-color: rgb(%4, %5, %6);} QPushButton#btnReady:pressed, "
    "QPushButton#btnBroadcastIdle:pressed{background-color: rgb(%7, %8, %9);} "
    "QPushButton#btnReady:disabled, QPushButton#btnBroadcastIdle:disabled{color: white; "
    "background-color: rgb(192,0,0);}";
constexpr char kMenus[] = "QMenu::item{ background-color: rgb(%1, %2, %3);} QMenu::item:selected { "
                          "background-color: rgb(%4, %5, %6);} QMenuBar::item:selected "
                          "{background-color:rgb(%4, %5, %6);}";
constexpr char kCoordinatorRow[] = "CoordinatorMeasurementWidget{ background-color: rgb(%1, %2, %3);}";
constexpr char kLineEdits[] = "QLineEdit{ border: 1px solid white;}";
constexpr char kSliderGroove[] = "QSlider::groove:horizontal { background: white; border: 1px solid #999999; "
                                 "height: 8px; background: yellow; margin: 0px 0; }";
constexpr char kSliderHandle[] =
    " QSlider::handle:horizontal { background: white; border: 1px solid #5c5c5c; "
    "width: 18px; margin: -2px 0; border-radius: 3px; }";
constexpr char kSliderSubPage[] = "QSlider::sub-page:horizontal {background: rgb(%1, %2, %3); }";
constexpr char kSliderAddPage[] = "QSlider::add-page:horizontal {background: rgb(%1, %2, %3); }";
constexpr char kComboBoxes[] = "QComboBox:hover, QComboBox:on { background-color: rgb(%1, %2, %3);}";
constexpr char kCoordinatorLabel[] = "background-color:rgb(%1, %2, %3);";

QString number(quint16 value)
{
    return QString::number(value);
}

// Each colour fills the next three placeholders with its components.
QString withColours(const char *format, std::initializer_list<StyleColour> colours)
{
    QString text = QString::fromLatin1(format);
    for (const StyleColour &colour : colours)
        text = text.arg(colour.red).arg(colour.green).arg(colour.blue);
    return text;
}

} // namespace

ThemeStyleSheets composeStyleSheets(const StyleSettings &theme)
{
    // one pass, so a font name is never scanned for placeholders
    const QString everything =
        QString::fromLatin1(kEverything)
            .arg(theme.fontFamily, number(theme.fontSize), number(theme.fontWeight),
                 number(theme.fontColour.red), number(theme.fontColour.green), number(theme.fontColour.blue),
                 number(theme.backgroundColour.red), number(theme.backgroundColour.green),
                 number(theme.backgroundColour.blue));
    const QString buttons = themeButtonsStyleSheet(theme.buttonColour, theme.buttonHoverColour,
                                                   theme.buttonPressedColour, theme.buttonDisabledColour);
    const QString readyButtons =
        withColours(kReadyButtons,
                    {theme.readyButtonColour, theme.readyButtonHoverColour, theme.readyButtonPressedColour});
    const QString menus = withColours(kMenus, {theme.buttonColour, theme.buttonPressedColour});
    const QString coordinatorRow = withColours(kCoordinatorRow, {theme.buttonPressedColour});
    const QString sliders = QString::fromLatin1(kSliderGroove) + QString::fromLatin1(kSliderHandle) +
                            withColours(kSliderSubPage, {theme.buttonColour}) +
                            withColours(kSliderAddPage, {theme.buttonHoverColour});

    ThemeStyleSheets sheets;
    sheets.window = withColours(kComboBoxes, {theme.buttonHoverColour});
    sheets.application = everything + buttons + readyButtons + menus + SharedConstants::greenProgressStyle() +
                         coordinatorRow + QString::fromLatin1(kLineEdits) + sliders;
    sheets.coordinatorLabel = withColours(kCoordinatorLabel, {theme.buttonPressedColour});
    return sheets;
}
