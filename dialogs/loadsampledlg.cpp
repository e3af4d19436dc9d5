#include "dialogs/loadsampledlg.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>

#include "core/quellorapp.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "dialogs/widgetwidths.h"
#include "ui_loadsampledlg.h"

namespace
{

constexpr int kCheckColumn = 0;
constexpr int kLaneColumn = 1;
constexpr int kMacColumn = 2;
constexpr int kFirstDeviceRow = 1; // row 0 holds the headers

template<typename Widget>
Widget *cellWidget(const QGridLayout *grid, int row, int column)
{
    const QLayoutItem *item = grid->itemAtPosition(row, column);
    return item ? qobject_cast<Widget *>(item->widget()) : nullptr;
}

} // namespace

LoadSampleDlg::LoadSampleDlg(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::LoadSampleDlg>())
{
    ui->setupUi(this);
    ui->txtFile->setText(QLatin1String(kDefaultSample));
    ui->txtFile->setEnabled(false);
    ui->txtFileDuration->setText(tr("500"));
    ui->txtFileDuration->setEnabled(false);
    WidgetWidths::fitFieldsToValues(this);
    ui->btnBrowse->hide();
    connect(ui->btnBrowse, &QPushButton::clicked, this, &LoadSampleDlg::OnBtnBrowseClicked);
    connect(ui->btnSelectAll, &QPushButton::clicked, this, &LoadSampleDlg::OnBtnSelectAllClicked);
}

LoadSampleDlg::~LoadSampleDlg() = default;

void LoadSampleDlg::HideSampleControls()
{
    for (QWidget *widget : std::initializer_list<QWidget *>{ui->lblFile, ui->txtFile, ui->btnBrowse,
                                                            ui->lblFileDuration, ui->txtFileDuration})
        widget->hide();
}

void LoadSampleDlg::AddCoordinator(CCoordinator *coordinator)
{
    if (coordinator)
        addDeviceRow(tr("CU"), coordinator->GetMacAddress());
}

void LoadSampleDlg::AddStartBlocks(const QList<CStartBlock *> &blocks)
{
    for (const CStartBlock *block : blocks) {
        if (block)
            addDeviceRow(QString::number(block->lane()), block->GetMacAddress());
    }
}

void LoadSampleDlg::addDeviceRow(const QString &lane, const QString &mac)
{
    QGridLayout *grid = ui->gridLayout_3;
    const int row = grid->rowCount();
    grid->addWidget(new QCheckBox(this), row, kCheckColumn);
    grid->addWidget(new QLabel(lane, this), row, kLaneColumn);
    grid->addWidget(new QLabel(mac, this), row, kMacColumn);
}

QString LoadSampleDlg::GetSampleFileName() const
{
    return ui->txtFile->text();
}

int LoadSampleDlg::GetSampleDuration() const
{
    return ui->txtFileDuration->text().toInt();
}

QStringList LoadSampleDlg::GetSelectedMacAddresses() const
{
    static const QRegularExpression macPattern(
        QStringLiteral("^([0-9a-fA-F][0-9a-fA-F]:){5}([0-9a-fA-F][0-9a-fA-F])$"));
    const QGridLayout *grid = ui->gridLayout_3;
    QStringList macs;
    for (int row = kFirstDeviceRow; row < grid->rowCount(); ++row) {
        const QCheckBox *check = cellWidget<QCheckBox>(grid, row, kCheckColumn);
        const QLabel *mac = cellWidget<QLabel>(grid, row, kMacColumn);
        if (check && mac && check->isChecked() && macPattern.match(mac->text()).hasMatch())
            macs << mac->text();
    }
    return macs;
}

void LoadSampleDlg::OnBtnBrowseClicked()
{
    QuellorApp *app = QuellorApp::Instance();
    if (!app)
        return;
    app->LoadSettings();
    const QString file = QFileDialog::getOpenFileName(
        this, tr("Load sample"), app->projectSettings().loadPath, tr("RAW audio file (*.RAW)"));
    if (file.isEmpty())
        return;
    app->SetSetting(QLatin1String(SettingsKeys::kGroupGeneral), QLatin1String(SettingsKeys::kLoadPath),
                    QFileInfo(file).absolutePath());
    ui->txtFile->setText(file);
    WidgetWidths::fitFieldsToValues(this);
}

void LoadSampleDlg::OnBtnSelectAllClicked()
{
    const QGridLayout *grid = ui->gridLayout_3;
    for (int row = kFirstDeviceRow; row < grid->rowCount(); ++row) {
        if (QCheckBox *check = cellWidget<QCheckBox>(grid, row, kCheckColumn))
            check->setChecked(true);
    }
}

void LoadSampleDlg::on_btnCancel_clicked()
{
    done(Rejected);
}

void LoadSampleDlg::on_btnOK_clicked()
{
    done(Accepted);
}
