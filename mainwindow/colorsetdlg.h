#pragma once

#include <memory>

#include <QDialog>
#include <QList>

#include "views/stylesettings.h"

class QComboBox;
class QSlider;

namespace Ui
{
class ColorSetDlg;
}

// Lets the operator pick one of the colour themes and edit its font and colours. The dialog changes
// only the chosen index; its opener connects the font box and the sliders to the slots that write the
// values into the theme, so the look changes while a slider moves.
class ColorSetDlg : public QDialog
{
    Q_OBJECT

public:
    // The themes and the chosen index belong to the opener and outlive the dialog.
    ColorSetDlg(QWidget *parent, const QList<StyleSettings> &themes, quint8 *chosenIndex);
    ~ColorSetDlg() override;

    QComboBox *fontsComboBox() const;
    QSlider *fontSizeSlider() const;
    QSlider *fontWeightSlider() const;
    QSlider *fontRedSlider() const;
    QSlider *fontGreenSlider() const;
    QSlider *fontBlueSlider() const;
    QSlider *backgroundRedSlider() const;
    QSlider *backgroundGreenSlider() const;
    QSlider *backgroundBlueSlider() const;

public slots:
    void OnCmbStyleThemeChanged(int value);
    void OnHslFontSizeValueChanged(int value);
    void OnHslFontWeightValueChanged(int value);
    void OnHslFontRedValueChanged(int value);
    void OnHslFontGreenValueChanged(int value);
    void OnHslFontBlueValueChanged(int value);
    void OnHslBackgroundRedValueChanged(int value);
    void OnHslBackgroundGreenValueChanged(int value);
    void OnHslBackgroundBlueValueChanged(int value);
    void on_btnOK_clicked(bool checked);

private:
    void fillFonts();
    void fillThemes();
    void connectControls();
    void loadTheme();
    void showFont(const QString &family);

    std::unique_ptr<Ui::ColorSetDlg> ui;
    const QList<StyleSettings> &m_themes;
    quint8 *m_chosenIndex;
};
