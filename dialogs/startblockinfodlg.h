#pragma once

#include <memory>

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTimer>

#include "core/projectsettings.h"
#include "dialogs/devicesettingsinputs.h"

class CStartBlock;

namespace Ui
{
class StartBlockInfoDlg;
}

// What one start block last reported about its configuration, with every value that differs from the
// project's expected settings in red, refreshed every second; collects a new lane, transmit power and
// PAN id, and at access level 2 a hardware or product version. Sends nothing itself: the lane row reads
// the collected values after exec() and sends what the operator confirms.
class StartBlockInfoDlg : public QDialog
{
    Q_OBJECT

public:
    // expected: the main window's common start-block settings, copied once.
    StartBlockInfoDlg(QWidget *parent, bool live, const StartBlockCommonSettings &expected);
    ~StartBlockInfoDlg() override;

    void SetStartBlock(CStartBlock *block);
    void SetLane(unsigned char lane);
    void SetRFTXPower(signed char power);
    void SetPanID(unsigned short panId);
    void SetAccessLevel(int level);
    void SetMacAddress(const QString &mac);
    // What the lane row does before exec(): the block, its lane, PAN id and transmit power, the level.
    void Fill(CStartBlock *block, int accessLevel);

    // The collected values.
    quint8 lane() const { return m_lane; }
    qint8 rfTxPower() const { return m_inputs->txPower(); }
    quint16 panId() const { return m_inputs->panId(); }
    quint32 hardwareVersion() const { return m_inputs->hardwareVersion(); }
    quint16 productVersion() const { return m_inputs->productVersion(); }
    QString macAddress() const { return m_mac; }

    // The items whose collected value differs from the block's, in the order 2, 15, 23, 6, 27; none
    // for a dialog that is not live.
    QList<InfoFieldRequest> ChangedItems(const CStartBlock &block) const;
    // Asks "Change settings of %1" when something changed; the items to send after Yes, else none.
    QList<InfoFieldRequest> ConfirmChanges(QWidget *parent, const CStartBlock &block) const;

public slots:
    void OnOK();
    void OnCancel();
    void OnLaneChanged(int lane);
    void OnRFTXPowerChanged(int power);
    void OnPanIDEdited(const QString &panId);
    void OnUpdateTimerFired();
    void OnHardwareVersionTextChanged(const QString &text);
    void OnProductVersionCurrentIndextChanged(int index);

private:
    std::unique_ptr<Ui::StartBlockInfoDlg> ui;
    bool m_live;
    StartBlockCommonSettings m_expected;
    std::unique_ptr<DeviceSettingsInputs> m_inputs;
    QPointer<CStartBlock> m_block;
    QString m_mac;
    quint8 m_lane = 0;
    QTimer m_refreshTimer;
};
