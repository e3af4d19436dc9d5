#include "dialogs/startblockscommonsettingsdlg.h"

#include <optional>

#include <QTextCharFormat>

#include "core/sharedconstants.h"
#include "core/sharedtypes.h"
#include "devices/cstartblock.h"
#include "dialogs/deviceinfotexts.h"
#include "dialogs/txpowerscale.h"
#include "ui_startblockscommonsettingsdlg.h"

namespace
{

constexpr int kAdPerShownUnit = 16; // sensitivities are shown in 1/16 of the AD value
constexpr char kBlack[] = "#000000";
constexpr char kRed[] = "#FF0000";

} // namespace

StartBlocksCommonSettingsDlg::StartBlocksCommonSettingsDlg(QWidget *parent,
                                                           const StartBlockCommonSettings &settings, int mode)
    : QDialog(parent), ui(std::make_unique<Ui::StartBlocksCommonSettingsDlg>()), m_settings(settings)
{
    ui->setupUi(this);
    setWindowTitle(QLatin1String(SharedConstants::kWindowTitle) + tr(": Common startblock settings"));
    // filled before the connections, so showing the values changes none of them
    ui->spinTxPower->setValue(m_settings.txPower);
    ui->cmbAudioChannel->addItems(SharedConstants::radioChannels());
    ui->cmbAudioChannel->setCurrentIndex(m_settings.audioChannel - 1);
    ui->spinStabilitySensitivity->setValue(m_settings.stabilitySensitivity / kAdPerShownUnit);
    ui->spinIAAFTime->setMinimum(m_settings.minIaafTime);
    ui->spinIAAFTime->setMaximum(m_settings.maxIaafTime);
    ui->spinIAAFTime->setValue(m_settings.iaafTime);
    applyModeVisibility(mode);

    connect(ui->btnOK, &QPushButton::clicked, this, &StartBlocksCommonSettingsDlg::OnOK);
    connect(ui->btnCancel, &QPushButton::clicked, this, &StartBlocksCommonSettingsDlg::OnCancel);
    connect(ui->spinTxPower, &QSpinBox::valueChanged, this, &StartBlocksCommonSettingsDlg::OnTxPowerChanged);
    connect(ui->cmbAudioChannel, &QComboBox::currentIndexChanged, this,
            &StartBlocksCommonSettingsDlg::OnAudioChannelsIndexChanged);
    connect(ui->spinStabilitySensitivity, &QSpinBox::valueChanged, this,
            &StartBlocksCommonSettingsDlg::OnStabilitySensitivityChanged);
    connect(ui->spinIAAFTime, &QSpinBox::valueChanged, this,
            &StartBlocksCommonSettingsDlg::OnIAAFTimeChanged);
}

StartBlocksCommonSettingsDlg::~StartBlocksCommonSettingsDlg() = default;

// The stability sensitivity only at level 2; the operator level, which never opens this dialog, gets the
// audio channel alone.
void StartBlocksCommonSettingsDlg::applyModeVisibility(int mode)
{
    const bool fullAccess = mode >= ModeAdministratorFull;
    ui->lblStabilitySensitivity->setVisible(fullAccess);
    ui->spinStabilitySensitivity->setVisible(fullAccess);
    const bool administrator = mode > ModeOperator;
    for (QWidget *widget :
         std::initializer_list<QWidget *>{ui->lblTxPower, ui->spinTxPower, ui->lblIAAFTime, ui->spinIAAFTime})
        widget->setVisible(administrator);
}

void StartBlocksCommonSettingsDlg::SetTxPowerMode(int module)
{
    m_powerMode = quint8(module);
    TxPowerScale::applyRange(ui->spinTxPower, m_powerMode);
}

void StartBlocksCommonSettingsDlg::SetTxPower(int dBm)
{
    m_settings.txPower = qint8(dBm);
    if (const std::optional<int> offset = TxPowerScale::offset(m_powerMode))
        ui->spinTxPower->setValue(m_settings.txPower + *offset);
}

void StartBlocksCommonSettingsDlg::ClearLaneSummary()
{
    ui->txtStartBlocksSensitivity->clear();
}

void StartBlocksCommonSettingsDlg::AddLaneSummary(const CStartBlock *block)
{
    if (!block || (block->participationStatus() != ParticipationActive &&
                   block->participationStatus() != ParticipationRup))
        return;
    const DeviceInfoTexts texts(tr("Unknown"));
    const StartBlockCommonSettings &s = m_settings;
    const int power = block->transmitPower() + TxPowerScale::offset(m_powerMode).value_or(0);
    addSummaryLine(tr("Lane %1:\n\tTx Power (dBm)  : %2\n").arg(block->lane()).arg(power), false, false);
    addSummaryLine(tr("Sensitivity (AD): %1\n").arg(block->sensitivity() / kAdPerShownUnit),
                   block->sensitivity() != s.acceleroSensitivity);
    addSummaryLine(tr("Stability Sens (AD): %1\n").arg(block->stabilitySensitivity() / kAdPerShownUnit),
                   block->stabilitySensitivity() != s.stabilitySensitivity);
    const QString channel = texts.audioChannel(block->audioChannel());
    addSummaryLine(tr("Channel         : %1\n").arg(channel), channel != texts.audioChannel(s.audioChannel));
    addSummaryLine(tr("Operation Mode : %1\n").arg(texts.operationMode(block->operationMode())),
                   qint64(block->operationMode()) != s.operationMode);
    addSummaryLine(tr("Start Sound Mode : %1\n").arg(texts.startSoundMode(block->startSoundMode())),
                   qint64(block->startSoundMode()) != s.startSoundMode);
    addSummaryLine(tr("Recall Sound Mode : %1\n").arg(texts.recallSoundMode(block->recallSoundMode())),
                   qint64(block->recallSoundMode()) != s.recallSoundMode);
    addSummaryLine(tr("Recall Beeps Mode : %1\n").arg(texts.recallBeepsMode(block->recallBeepsMode())),
                   qint64(block->recallBeepsMode()) != s.recallBeepsMode);
    addSummaryLine(tr("Audio Volume (%) : %1\n").arg(texts.volumePercent(block->audioVolume())),
                   block->audioVolume() != s.audioVolume);
    addSummaryLine(tr("IAAF time(ms) : %1\n").arg(block->falseStartLimit()),
                   block->falseStartLimit() != s.iaafTime);
}

void StartBlocksCommonSettingsDlg::addSummaryLine(const QString &text, bool red, bool indent)
{
    QTextCharFormat format;
    format.setForeground(QColor(QLatin1String(red ? kRed : kBlack)));
    ui->txtStartBlocksSensitivity->setCurrentCharFormat(format);
    ui->txtStartBlocksSensitivity->insertPlainText(indent ? QLatin1Char('\t') + text : text);
}

void StartBlocksCommonSettingsDlg::OnOK()
{
    done(Accepted);
}

void StartBlocksCommonSettingsDlg::OnCancel()
{
    done(Rejected);
}

void StartBlocksCommonSettingsDlg::OnTxPowerChanged(int power)
{
    if (const std::optional<int> offset = TxPowerScale::offset(m_powerMode))
        m_settings.txPower = qint8(power - *offset);
}

void StartBlocksCommonSettingsDlg::OnAudioChannelsIndexChanged(int index)
{
    m_settings.audioChannel = quint8(index + 1);
}

void StartBlocksCommonSettingsDlg::OnStabilitySensitivityChanged(int sensitivity)
{
    m_settings.stabilitySensitivity = quint16(sensitivity * kAdPerShownUnit);
}

void StartBlocksCommonSettingsDlg::OnIAAFTimeChanged(int iaafTime)
{
    m_settings.iaafTime = quint16(iaafTime);
}
