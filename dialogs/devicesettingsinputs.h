#pragma once

#include <array>

#include <QList>
#include <QString>
#include <QVariant>

class DeviceImage;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// One info item that the caller of an info dialog sends once the operator has confirmed.
struct InfoFieldRequest {
    quint8 type = 0;
    QVariant value;
};

// The hardware versions whose number an info dialog shows and lets edit, and the product codes it offers
// for every other device, in the order of the shared product-version names ("Professional", "Club").
struct DeviceVersions {
    std::array<quint32, 2> editableHardware;
    std::array<quint16, 2> products;

    bool showsHardwareVersion(quint32 hardwareVersion) const;
    int productEntry(quint16 code) const; // -1 for a code without an entry
};

inline constexpr DeviceVersions kStartBlockVersions{{3424, 3500}, {1055, 1056}};
inline constexpr DeviceVersions kCoordinatorVersions{{3423, 3501}, {1054, 1057}};

// The settings widgets that both info dialogs' forms have.
struct DeviceSettingsWidgets {
    QSpinBox *txPower = nullptr;
    QLineEdit *panId = nullptr;
    QLabel *hardwareLabel = nullptr;
    QLineEdit *hardwareVersion = nullptr;
    QLabel *productLabel = nullptr;
    QComboBox *productVersion = nullptr;
};

// What the start block and the coordinator info dialogs collect alike: the transmit power shown in the
// module's scale, the PAN id, and the hardware or product version, which follow the device until the
// operator edits them.
class DeviceSettingsInputs
{
public:
    DeviceSettingsInputs(const DeviceSettingsWidgets &widgets, const DeviceVersions &versions, bool live);

    void setModule(quint8 module);
    void setTxPower(qint8 power);
    void onTxPowerShown(int shown);
    void setPanId(quint16 panId);
    void onPanIdText(const QString &text);
    // Shows the hardware-version row or the product-version row, filled from the device while the
    // operator has not edited it.
    void showVersions(quint32 hardwareVersion, quint16 productVersion);
    void onHardwareVersionText(const QString &text);
    void onProductEntry(int index);
    // At access level 2 of a live dialog: true when the version inputs were enabled.
    bool enableVersionEditing(int accessLevel);

    quint8 module() const { return m_module; }
    qint8 txPower() const { return m_txPower; }
    quint16 panId() const { return m_panId; }
    quint32 hardwareVersion() const { return m_hardwareVersion; }
    quint16 productVersion() const { return m_productVersion; }

    // Items 15, 23, 6 and 27, in this order, where the collected value differs from the device's; a
    // version only for the row the device's hardware version shows. Nothing when the dialog is not live.
    void appendChanges(QList<InfoFieldRequest> &changes, const DeviceImage &device) const;

private:
    DeviceSettingsWidgets m_widgets;
    DeviceVersions m_versions;
    bool m_live;
    quint8 m_module = 0;
    qint8 m_txPower = 0;
    quint16 m_panId = 0;
    quint32 m_hardwareVersion = 0;
    quint16 m_productVersion = 0;
    bool m_hardwareRefresh = true;
    bool m_productRefresh = true;
};
