#pragma once

#include <memory>

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QTimer>

#include "core/projectsettings.h"
#include "dialogs/devicesettingsinputs.h"

class CCoordinator;

namespace Ui
{
class CoordinatorInfoDlg;
}

// The coordinator's counterpart of the start block info dialog: what it last reported, red where it
// differs from the project's expected coordinator settings, refreshed every second; collects a new
// transmit power and PAN id, and at access level 2 a hardware or product version.
class CoordinatorInfoDlg : public QDialog
{
    Q_OBJECT

public:
    // expected: the coordinator row's settings record; all zero for the coordinator of an opened file.
    CoordinatorInfoDlg(QWidget *parent, bool live, const CoordinatorCommonSettings &expected = {});
    ~CoordinatorInfoDlg() override;

    void SetCoordinator(CCoordinator *coordinator);
    void SetTxPower(signed char power);
    void SetPanID(unsigned short panId);
    void SetAccessLevel(int level);
    // What the coordinator row does before exec(): the coordinator, its PAN id and transmit power, the
    // level.
    void Fill(CCoordinator *coordinator, int accessLevel);

    // The collected values.
    qint8 txPower() const { return m_inputs->txPower(); }
    quint16 panId() const { return m_inputs->panId(); }
    quint32 hardwareVersion() const { return m_inputs->hardwareVersion(); }
    quint16 productVersion() const { return m_inputs->productVersion(); }
    int accessLevel() const { return m_accessLevel; }

    // The items whose collected value differs from the coordinator's, in the order 15, 23, 6, 27; none
    // for a dialog that is not live.
    QList<InfoFieldRequest> ChangedItems(const CCoordinator &coordinator) const;
    // Asks "Change setting of coordinator" when something changed. On Yes a changed transmit power is
    // written into the record (when there is one) and stored as "rftxpower" of "CoordinatorSettings";
    // returns the items to send then, else none.
    QList<InfoFieldRequest> ConfirmChanges(QWidget *parent, const CCoordinator &coordinator,
                                           CoordinatorCommonSettings *record) const;

public slots:
    void on_btnOK_clicked();
    void on_btnCancel_clicked();
    void OnSpinTxPowerValueChanged(int value);
    void OnPanIDEdited(const QString &panId);
    void OnUpdateTimerFired();
    void OnHardwareVersionTextChanged(const QString &text);
    void OnProductVersionCurrentIndextChanged(int index);

private:
    std::unique_ptr<Ui::CoordinatorInfoDlg> ui;
    bool m_live;
    CoordinatorCommonSettings m_expected;
    std::unique_ptr<DeviceSettingsInputs> m_inputs;
    QPointer<CCoordinator> m_coordinator;
    int m_accessLevel = 0;
    QTimer m_refreshTimer;
};
