#pragma once

#include <memory>

#include <QDialog>

#include "core/projectsettings.h"

class CStartBlock;

namespace Ui
{
class StartBlocksCommonSettingsDlg;
}

// The settings that go to all start blocks at once: transmit power, audio channel, stability sensitivity
// and false-start limit ("IAAF time"), beside a per-lane summary of what every racing block reports, red
// where it differs. Edits a copy of the record; the caller reads it back after exec().
class StartBlocksCommonSettingsDlg : public QDialog
{
    Q_OBJECT

public:
    StartBlocksCommonSettingsDlg(QWidget *parent, const StartBlockCommonSettings &settings, int mode);
    ~StartBlocksCommonSettingsDlg() override;

    // The coordinator's radio module, which sets the transmit power's range and scale.
    void SetTxPowerMode(int module);
    void SetTxPower(int dBm);
    void ClearLaneSummary();
    // Lists a block whose participation status is ACTIVE or RUP.
    void AddLaneSummary(const CStartBlock *block);

    const StartBlockCommonSettings &settings() const { return m_settings; }
    quint8 powerMode() const { return m_powerMode; }

public slots:
    void OnOK();
    void OnCancel();
    void OnTxPowerChanged(int power);
    void OnAudioChannelsIndexChanged(int index);
    void OnStabilitySensitivityChanged(int sensitivity);
    void OnIAAFTimeChanged(int iaafTime);

private:
    void applyModeVisibility(int mode);
    // lines after a lane's first are indented by a tab
    void addSummaryLine(const QString &text, bool red, bool indent = true);

    std::unique_ptr<Ui::StartBlocksCommonSettingsDlg> ui;
    StartBlockCommonSettings m_settings;
    quint8 m_powerMode = 0;
};
