#include "mainwindow/colorsetdlg.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QSignalBlocker>

#include "core/sharedconstants.h"
#include "ui_colorsetdlg.h"

ColorSetDlg::ColorSetDlg(QWidget *parent, const QList<StyleSettings> &themes, quint8 *chosenIndex)
    : QDialog(parent), ui(std::make_unique<Ui::ColorSetDlg>()), m_themes(themes), m_chosenIndex(chosenIndex)
{
    ui->setupUi(this);
    setWindowTitle(QString::fromLatin1(SharedConstants::kWindowTitle) + tr(": Layout"));
    fillFonts();
    fillThemes();
    connectControls();
    loadTheme();
}

ColorSetDlg::~ColorSetDlg() = default;

void ColorSetDlg::fillFonts()
{
    ui->cmbFonts->addItems(QFontDatabase::families(QFontDatabase::Latin));
}

// The family the theme's font is drawn in: a family missing on this system is replaced by the system
// (Arial by its metric twin, for one), and the box shows that one.
void ColorSetDlg::showFont(const QString &family)
{
    int index = ui->cmbFonts->findText(family);
    if (index < 0)
        index = ui->cmbFonts->findText(QFontInfo(QFont(family)).family());
    const QSignalBlocker quiet(ui->cmbFonts); // showing the font leaves the theme's family as it is
    ui->cmbFonts->setCurrentIndex(index);
}

void ColorSetDlg::fillThemes()
{
    const QStringList names = StyleThemes::names();
    for (const QString &name : names)
        ui->cmbStyleTheme->addItem(tr(name.toLatin1().constData()));
    ui->cmbStyleTheme->setCurrentIndex(*m_chosenIndex);
}

void ColorSetDlg::connectControls()
{
    connect(ui->cmbStyleTheme, &QComboBox::currentIndexChanged, this, &ColorSetDlg::OnCmbStyleThemeChanged);
    connect(ui->hslFontSize, &QSlider::valueChanged, this, &ColorSetDlg::OnHslFontSizeValueChanged);
    connect(ui->hslFontWeight, &QSlider::valueChanged, this, &ColorSetDlg::OnHslFontWeightValueChanged);
    connect(ui->hslFontRed, &QSlider::valueChanged, this, &ColorSetDlg::OnHslFontRedValueChanged);
    connect(ui->hslFontGreen, &QSlider::valueChanged, this, &ColorSetDlg::OnHslFontGreenValueChanged);
    connect(ui->hslFontBlue, &QSlider::valueChanged, this, &ColorSetDlg::OnHslFontBlueValueChanged);
    connect(ui->hslBackgroundRed, &QSlider::valueChanged, this, &ColorSetDlg::OnHslBackgroundRedValueChanged);
    connect(ui->hslBackgroundGreen, &QSlider::valueChanged, this,
            &ColorSetDlg::OnHslBackgroundGreenValueChanged);
    connect(ui->hslBackgroundBlue, &QSlider::valueChanged, this,
            &ColorSetDlg::OnHslBackgroundBlueValueChanged);
}

void ColorSetDlg::loadTheme()
{
    const int chosen = *m_chosenIndex;
    if (chosen >= m_themes.size())
        return;
    const StyleSettings &theme = m_themes[chosen];
    showFont(theme.fontFamily);
    ui->hslFontSize->setValue(theme.fontSize);
    ui->hslFontWeight->setValue(theme.fontWeight);
    ui->hslFontRed->setValue(theme.fontColour.red);
    ui->hslFontGreen->setValue(theme.fontColour.green);
    ui->hslFontBlue->setValue(theme.fontColour.blue);
    ui->hslBackgroundRed->setValue(theme.backgroundColour.red);
    ui->hslBackgroundGreen->setValue(theme.backgroundColour.green);
    ui->hslBackgroundBlue->setValue(theme.backgroundColour.blue);
}

QComboBox *ColorSetDlg::fontsComboBox() const
{
    return ui->cmbFonts;
}

QSlider *ColorSetDlg::fontSizeSlider() const
{
    return ui->hslFontSize;
}

QSlider *ColorSetDlg::fontWeightSlider() const
{
    return ui->hslFontWeight;
}

QSlider *ColorSetDlg::fontRedSlider() const
{
    return ui->hslFontRed;
}

QSlider *ColorSetDlg::fontGreenSlider() const
{
    return ui->hslFontGreen;
}

QSlider *ColorSetDlg::fontBlueSlider() const
{
    return ui->hslFontBlue;
}

QSlider *ColorSetDlg::backgroundRedSlider() const
{
    return ui->hslBackgroundRed;
}

QSlider *ColorSetDlg::backgroundGreenSlider() const
{
    return ui->hslBackgroundGreen;
}

QSlider *ColorSetDlg::backgroundBlueSlider() const
{
    return ui->hslBackgroundBlue;
}

void ColorSetDlg::OnCmbStyleThemeChanged(int value)
{
    if (value < 0 || value >= m_themes.size())
        return;
    *m_chosenIndex = quint8(value);
    loadTheme();
}

void ColorSetDlg::OnHslFontSizeValueChanged(int value)
{
    ui->lblFontSizeValue->setText(QStringLiteral("%1").arg(value));
}

void ColorSetDlg::OnHslFontWeightValueChanged(int value)
{
    ui->lblFontWeightValue->setText(QStringLiteral("%1").arg(value));
}

void ColorSetDlg::OnHslFontRedValueChanged(int value)
{
    ui->lblFontRedValue->setText(QStringLiteral("%1").arg(value));
}

void ColorSetDlg::OnHslFontGreenValueChanged(int value)
{
    ui->lblFontGreenValue->setText(QStringLiteral("%1").arg(value));
}

void ColorSetDlg::OnHslFontBlueValueChanged(int value)
{
    ui->lblFontBlueValue->setText(QStringLiteral("%1").arg(value));
}

void ColorSetDlg::OnHslBackgroundRedValueChanged(int value)
{
    ui->lblBackgroundRedValue->setText(QStringLiteral("%1").arg(value));
}

void ColorSetDlg::OnHslBackgroundGreenValueChanged(int value)
{
    ui->lblBackgroundGreenValue->setText(QStringLiteral("%1").arg(value));
}

void ColorSetDlg::OnHslBackgroundBlueValueChanged(int value)
{
    ui->lblBackgroundBlueValue->setText(QStringLiteral("%1").arg(value));
}

void ColorSetDlg::on_btnOK_clicked(bool)
{
    done(1);
}
