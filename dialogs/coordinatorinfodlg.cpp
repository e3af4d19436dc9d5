#include "dialogs/coordinatorinfodlg.h"

#include "core/quellorapp.h"
#include "devices/ccoordinator.h"
#include "dialogs/deviceinfotexts.h"
#include "dialogs/widgetwidths.h"
#include "ui_coordinatorinfodlg.h"

namespace
{

constexpr int kRefreshMs = 1000;
constexpr quint8 kTransmitPowerItem = 15;
constexpr char kTxPowerKey[] = "rftxpower";

} // namespace

CoordinatorInfoDlg::CoordinatorInfoDlg(QWidget *parent, bool live, const CoordinatorCommonSettings &expected)
    : QDialog(parent), ui(std::make_unique<Ui::CoordinatorInfoDlg>()), m_live(live), m_expected(expected)
{
    ui->setupUi(this);
    m_inputs = std::make_unique<DeviceSettingsInputs>(
        DeviceSettingsWidgets{ui->spinTxPower, ui->txtPanID, ui->lblHWVersion, ui->txtHWVersion,
                              ui->lblProductVersion, ui->cmbProductVersion},
        kCoordinatorVersions, live);

    connect(ui->spinTxPower, &QSpinBox::valueChanged, this, &CoordinatorInfoDlg::OnSpinTxPowerValueChanged);
    connect(ui->txtPanID, &QLineEdit::textEdited, this, &CoordinatorInfoDlg::OnPanIDEdited);
    connect(&m_refreshTimer, &QTimer::timeout, this, &CoordinatorInfoDlg::OnUpdateTimerFired);
    m_refreshTimer.start(kRefreshMs);
}

CoordinatorInfoDlg::~CoordinatorInfoDlg() = default;

void CoordinatorInfoDlg::SetCoordinator(CCoordinator *coordinator)
{
    m_coordinator = coordinator;
    if (!coordinator)
        return;
    const DeviceInfoTexts texts(tr("Unknown"));
    ui->txtMacAddress->setText(coordinator->GetMacAddress());
    showField(ui->txtModule, texts.module(coordinator->module()), false);
    m_inputs->setModule(coordinator->module());
    showField(ui->txtSWVersion, DeviceInfoTexts::softwareVersion(coordinator->softwareVersion()), false);
    m_inputs->showVersions(coordinator->hardwareVersion(), coordinator->productVersion());
    showModeFields({ui->txtOperationMode, ui->txtAudioChannel, ui->txtStartSoundMode, ui->txtRecallSoundMode,
                    ui->txtrecallBeepsMode, ui->txtAudioVolume},
                   texts, *coordinator, m_expected, m_live);
    showField(ui->txtHeadsetVolume, texts.volumePercent(coordinator->headsetVolume()),
              m_live && coordinator->headsetVolume() != m_expected.headsetVolume);
    showField(ui->txtCalibrationNumber, DeviceInfoTexts::calibration(coordinator->calibration()), false);
    WidgetWidths::fitFieldsToValues(ui->grpInfo);
}

void CoordinatorInfoDlg::SetTxPower(signed char power)
{
    m_inputs->setTxPower(power);
}

void CoordinatorInfoDlg::SetPanID(unsigned short panId)
{
    m_inputs->setPanId(panId);
}

void CoordinatorInfoDlg::SetAccessLevel(int level)
{
    m_accessLevel = level;
    if (!m_inputs->enableVersionEditing(level))
        return;
    connect(ui->txtHWVersion, &QLineEdit::textChanged, this,
            &CoordinatorInfoDlg::OnHardwareVersionTextChanged, Qt::UniqueConnection);
    connect(ui->cmbProductVersion, &QComboBox::currentIndexChanged, this,
            &CoordinatorInfoDlg::OnProductVersionCurrentIndextChanged, Qt::UniqueConnection);
}

void CoordinatorInfoDlg::Fill(CCoordinator *coordinator, int accessLevel)
{
    SetCoordinator(coordinator);
    if (coordinator) {
        SetPanID(coordinator->panId());
        SetTxPower(coordinator->transmitPower());
    }
    SetAccessLevel(accessLevel);
}

QList<InfoFieldRequest> CoordinatorInfoDlg::ChangedItems(const CCoordinator &coordinator) const
{
    QList<InfoFieldRequest> changes;
    m_inputs->appendChanges(changes, coordinator);
    return changes;
}

QList<InfoFieldRequest> CoordinatorInfoDlg::ConfirmChanges(QWidget *parent, const CCoordinator &coordinator,
                                                           CoordinatorCommonSettings *record) const
{
    const QList<InfoFieldRequest> changes = ChangedItems(coordinator);
    if (changes.isEmpty())
        return changes;
    if (!confirmSettingsChange(parent, tr("Change setting of coordinator"),
                               tr("Are you sure you want to change the settings of the coordinator")))
        return {};
    if (record && changes.first().type == kTransmitPowerItem) {
        record->txPower = txPower();
        if (QuellorApp *app = QuellorApp::Instance()) {
            app->SetSetting(QLatin1String(SettingsKeys::kGroupCoordinator), QLatin1String(kTxPowerKey),
                            int(txPower()));
            app->SyncSettings();
        }
    }
    return changes;
}

void CoordinatorInfoDlg::on_btnOK_clicked()
{
    done(Accepted);
}

void CoordinatorInfoDlg::on_btnCancel_clicked()
{
    done(Rejected);
}

void CoordinatorInfoDlg::OnSpinTxPowerValueChanged(int value)
{
    m_inputs->onTxPowerShown(value);
}

void CoordinatorInfoDlg::OnPanIDEdited(const QString &panId)
{
    m_inputs->onPanIdText(panId);
}

void CoordinatorInfoDlg::OnUpdateTimerFired()
{
    SetCoordinator(m_coordinator);
}

void CoordinatorInfoDlg::OnHardwareVersionTextChanged(const QString &text)
{
    m_inputs->onHardwareVersionText(text);
}

void CoordinatorInfoDlg::OnProductVersionCurrentIndextChanged(int index)
{
    m_inputs->onProductEntry(index);
}
