#include "dialogs/devicesettingsinputs.h"

#include <algorithm>
#include <optional>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include "core/sharedconstants.h"
#include "devices/deviceimage.h"
#include "dialogs/deviceinfotexts.h"
#include "dialogs/txpowerscale.h"

namespace
{

enum InfoItem : quint8 { kHardwareVersion = 6, kTransmitPower = 15, kPanId = 23, kProductVersion = 27 };
constexpr int kFullAccess = 2;

} // namespace

bool DeviceVersions::showsHardwareVersion(quint32 hardwareVersion) const
{
    return std::find(editableHardware.begin(), editableHardware.end(), hardwareVersion) !=
           editableHardware.end();
}

int DeviceVersions::productEntry(quint16 code) const
{
    const auto found = std::find(products.begin(), products.end(), code);
    return found == products.end() ? -1 : int(found - products.begin());
}

DeviceSettingsInputs::DeviceSettingsInputs(const DeviceSettingsWidgets &widgets,
                                           const DeviceVersions &versions, bool live)
    : m_widgets(widgets), m_versions(versions), m_live(live)
{
    m_widgets.txPower->setEnabled(live);
    m_widgets.panId->setEnabled(live);
    m_widgets.productVersion->addItems(
        SharedConstants::translatedGlobals(SharedConstants::productVersions()));
}

void DeviceSettingsInputs::setModule(quint8 module)
{
    m_module = module;
    TxPowerScale::applyRange(m_widgets.txPower, module);
}

void DeviceSettingsInputs::setTxPower(qint8 power)
{
    m_txPower = power;
    if (const std::optional<int> offset = TxPowerScale::offset(m_module))
        m_widgets.txPower->setValue(power + *offset);
}

void DeviceSettingsInputs::onTxPowerShown(int shown)
{
    if (const std::optional<int> offset = TxPowerScale::offset(m_module))
        m_txPower = qint8(shown - *offset);
}

void DeviceSettingsInputs::setPanId(quint16 panId)
{
    m_panId = panId;
    m_widgets.panId->setText(DeviceInfoTexts::panId(panId));
}

void DeviceSettingsInputs::onPanIdText(const QString &text)
{
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    m_panId = ok ? quint16(value) : 0;
}

// The refresh writes under a signal blocker: only the operator's own entry stops it.
void DeviceSettingsInputs::showVersions(quint32 hardwareVersion, quint16 productVersion)
{
    const bool hardwareRow = m_versions.showsHardwareVersion(hardwareVersion);
    m_widgets.hardwareLabel->setVisible(hardwareRow);
    m_widgets.hardwareVersion->setVisible(hardwareRow);
    m_widgets.productLabel->setVisible(!hardwareRow);
    m_widgets.productVersion->setVisible(!hardwareRow);
    if (hardwareRow && m_hardwareRefresh) {
        const QSignalBlocker blocker(m_widgets.hardwareVersion);
        m_widgets.hardwareVersion->setText(QString::number(hardwareVersion));
        m_hardwareVersion = hardwareVersion;
    }
    if (!hardwareRow && m_productRefresh) {
        m_productVersion = productVersion;
        const int entry = m_versions.productEntry(productVersion);
        if (entry >= 0) {
            const QSignalBlocker blocker(m_widgets.productVersion);
            m_widgets.productVersion->setCurrentIndex(entry);
        }
    }
}

void DeviceSettingsInputs::onHardwareVersionText(const QString &text)
{
    bool ok = false;
    const uint value = text.toUInt(&ok);
    if (!ok)
        return;
    m_hardwareVersion = value;
    m_hardwareRefresh = false;
}

void DeviceSettingsInputs::onProductEntry(int index)
{
    m_productRefresh = false;
    if (index >= 0 && index < int(m_versions.products.size()))
        m_productVersion = m_versions.products[size_t(index)];
}

bool DeviceSettingsInputs::enableVersionEditing(int accessLevel)
{
    if (!m_live || accessLevel < kFullAccess)
        return false;
    m_widgets.hardwareVersion->setEnabled(true);
    m_widgets.productVersion->setEnabled(true);
    return true;
}

void DeviceSettingsInputs::appendChanges(QList<InfoFieldRequest> &changes, const DeviceImage &device) const
{
    if (!m_live)
        return;
    if (m_txPower != device.transmitPower())
        changes.append({kTransmitPower, int(m_txPower)});
    if (m_panId != device.panId())
        changes.append({kPanId, int(m_panId)});
    const bool hardwareRow = m_versions.showsHardwareVersion(device.hardwareVersion());
    if (hardwareRow && m_hardwareVersion != device.hardwareVersion())
        changes.append({kHardwareVersion, uint(m_hardwareVersion)});
    if (!hardwareRow && m_productVersion != device.productVersion())
        changes.append({kProductVersion, int(m_productVersion)});
}
