#include "dialogs/startblockinfodlg.h"

#include <QSignalBlocker>

#include "devices/cstartblock.h"
#include "dialogs/deviceinfotexts.h"
#include "dialogs/widgetwidths.h"
#include "ui_startblockinfodlg.h"

namespace
{

constexpr int kRefreshMs = 1000;
constexpr int kAdPerShownUnit = 16; // sensitivities are shown in 1/16 of the reported AD value
constexpr quint8 kLaneItem = 2;

} // namespace

StartBlockInfoDlg::StartBlockInfoDlg(QWidget *parent, bool live, const StartBlockCommonSettings &expected)
    : QDialog(parent), ui(std::make_unique<Ui::StartBlockInfoDlg>()), m_live(live), m_expected(expected)
{
    ui->setupUi(this);
    m_inputs = std::make_unique<DeviceSettingsInputs>(
        DeviceSettingsWidgets{ui->spinTxPower, ui->txtPanID, ui->lblHWVersion, ui->txtHWVersion,
                              ui->lblProductVersion, ui->cmbProductVersion},
        kStartBlockVersions, live);
    ui->spinLane->setEnabled(live);

    connect(ui->btnOK, &QPushButton::clicked, this, &StartBlockInfoDlg::OnOK);
    connect(ui->btnCancel, &QPushButton::clicked, this, &StartBlockInfoDlg::OnCancel);
    connect(ui->spinLane, &QSpinBox::valueChanged, this, &StartBlockInfoDlg::OnLaneChanged);
    connect(ui->spinTxPower, &QSpinBox::valueChanged, this, &StartBlockInfoDlg::OnRFTXPowerChanged);
    connect(ui->txtPanID, &QLineEdit::textChanged, this, &StartBlockInfoDlg::OnPanIDEdited);
    connect(&m_refreshTimer, &QTimer::timeout, this, &StartBlockInfoDlg::OnUpdateTimerFired);
    m_refreshTimer.start(kRefreshMs);
}

StartBlockInfoDlg::~StartBlockInfoDlg() = default;

void StartBlockInfoDlg::SetStartBlock(CStartBlock *block)
{
    m_block = block;
    if (!block)
        return;
    const DeviceInfoTexts texts(tr("Unknown"));
    SetMacAddress(block->GetMacAddress());
    showField(ui->txtSensitivity, QString::number(block->sensitivity() / kAdPerShownUnit),
              m_live && block->sensitivity() != m_expected.acceleroSensitivity);
    showField(ui->txtSWVersion, DeviceInfoTexts::softwareVersion(block->softwareVersion()), false);
    m_inputs->showVersions(block->hardwareVersion(), block->productVersion());
    showField(ui->txtModule, texts.module(block->module()), false);
    m_inputs->setModule(block->module());
    showModeFields({ui->txtStartAckRequired, ui->txtAudioChannel, ui->txtStartSoundMode,
                    ui->txtRecallSoundMode, ui->txtRecallBeepsMode, ui->txtAudioVolume},
                   texts, *block, m_expected, m_live);
    showField(ui->txtStabilitySensitivity, QString::number(block->stabilitySensitivity() / kAdPerShownUnit),
              m_live && block->stabilitySensitivity() != m_expected.stabilitySensitivity);
    showField(ui->txtIAAFTime, QString::number(block->falseStartLimit()),
              m_live && block->falseStartLimit() != m_expected.iaafTime);
    WidgetWidths::fitFieldsToValues(ui->grpInfo);
}

// The spin box clamps to lanes 1..10: a lane outside them is shown clamped but stays what it was until
// the operator picks another.
void StartBlockInfoDlg::SetLane(unsigned char lane)
{
    m_lane = lane;
    const QSignalBlocker blocker(ui->spinLane);
    ui->spinLane->setValue(lane);
}

void StartBlockInfoDlg::SetRFTXPower(signed char power)
{
    m_inputs->setTxPower(power);
}

void StartBlockInfoDlg::SetPanID(unsigned short panId)
{
    m_inputs->setPanId(panId);
}

void StartBlockInfoDlg::SetAccessLevel(int level)
{
    if (!m_inputs->enableVersionEditing(level))
        return;
    connect(ui->txtHWVersion, &QLineEdit::textChanged, this, &StartBlockInfoDlg::OnHardwareVersionTextChanged,
            Qt::UniqueConnection);
    connect(ui->cmbProductVersion, &QComboBox::currentIndexChanged, this,
            &StartBlockInfoDlg::OnProductVersionCurrentIndextChanged, Qt::UniqueConnection);
}

void StartBlockInfoDlg::SetMacAddress(const QString &mac)
{
    m_mac = mac;
    ui->txtMacAddress->setText(mac);
}

void StartBlockInfoDlg::Fill(CStartBlock *block, int accessLevel)
{
    SetStartBlock(block);
    if (block) {
        SetLane(block->lane());
        SetPanID(block->panId());
        SetRFTXPower(block->transmitPower());
    }
    SetAccessLevel(accessLevel);
}

QList<InfoFieldRequest> StartBlockInfoDlg::ChangedItems(const CStartBlock &block) const
{
    QList<InfoFieldRequest> changes;
    if (!m_live)
        return changes;
    if (m_lane != block.lane())
        changes.append({kLaneItem, int(m_lane)});
    m_inputs->appendChanges(changes, block);
    return changes;
}

QList<InfoFieldRequest> StartBlockInfoDlg::ConfirmChanges(QWidget *parent, const CStartBlock &block) const
{
    const QList<InfoFieldRequest> changes = ChangedItems(block);
    if (changes.isEmpty())
        return changes;
    const bool yes = confirmSettingsChange(
        parent, tr("Change settings of %1").arg(m_mac),
        tr("Are you sure you want to change the settings of starting block %1").arg(m_mac));
    return yes ? changes : QList<InfoFieldRequest>();
}

void StartBlockInfoDlg::OnOK()
{
    done(Accepted);
}

void StartBlockInfoDlg::OnCancel()
{
    done(Rejected);
}

void StartBlockInfoDlg::OnLaneChanged(int lane)
{
    m_lane = quint8(lane);
}

void StartBlockInfoDlg::OnRFTXPowerChanged(int power)
{
    m_inputs->onTxPowerShown(power);
}

void StartBlockInfoDlg::OnPanIDEdited(const QString &panId)
{
    m_inputs->onPanIdText(panId);
}

void StartBlockInfoDlg::OnUpdateTimerFired()
{
    SetStartBlock(m_block);
}

void StartBlockInfoDlg::OnHardwareVersionTextChanged(const QString &text)
{
    m_inputs->onHardwareVersionText(text);
}

void StartBlockInfoDlg::OnProductVersionCurrentIndextChanged(int index)
{
    m_inputs->onProductEntry(index);
}
