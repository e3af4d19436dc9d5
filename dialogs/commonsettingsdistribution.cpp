#include "dialogs/commonsettingsdistribution.h"

#include <algorithm>

#include "core/quellorapp.h"
#include "core/sharedconstants.h"
#include "core/sharedtypes.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "dialogs/busynotice.h"
#include "dialogs/deviceinfotexts.h"
#include "dialogs/startblockscommonsettingsdlg.h"

namespace
{

using Settings = StartBlockCommonSettings;

constexpr quint8 kAudioChannelItem = 16;
constexpr char kTxPowerKey[] = "rftxpower";

// One value the dialog edits: its info item, its settings key, and how it is read, kept and compared.
struct CommonValue {
    quint8 item;
    const char *key;
    int (*value)(const Settings &);
    void (*keep)(Settings &to, const Settings &from);
    bool (*differs)(const Settings &, const CStartBlock &);
};

// in the order the values are sent to each block
const CommonValue kValues[] = {
    {15, kTxPowerKey, [](const Settings &s) { return int(s.txPower); },
     [](Settings &to, const Settings &from) { to.txPower = from.txPower; },
     [](const Settings &s, const CStartBlock &b) { return s.txPower != b.transmitPower(); }},
    {kAudioChannelItem, SettingsKeys::kAudioChannel, [](const Settings &s) { return int(s.audioChannel); },
     [](Settings &to, const Settings &from) { to.audioChannel = from.audioChannel; },
     [](const Settings &s, const CStartBlock &b) { return s.audioChannel != b.audioChannel(); }},
    {24, SettingsKeys::kStabilitySensitivity, [](const Settings &s) { return int(s.stabilitySensitivity); },
     [](Settings &to, const Settings &from) { to.stabilitySensitivity = from.stabilitySensitivity; },
     [](const Settings &s, const CStartBlock &b) {
         return s.stabilitySensitivity != b.stabilitySensitivity();
     }},
    {3, SettingsKeys::kIaaf, [](const Settings &s) { return int(s.iaafTime); },
     [](Settings &to, const Settings &from) { to.iaafTime = from.iaafTime; },
     [](const Settings &s, const CStartBlock &b) { return s.iaafTime != b.falseStartLimit(); }},
};

bool isRacing(const CStartBlock &block)
{
    return block.participationStatus() == ParticipationActive ||
           block.participationStatus() == ParticipationRup;
}

// The values that differ from at least one racing block.
QList<const CommonValue *> differingValues(const Settings &edited, const QList<CStartBlock *> &blocks)
{
    QList<const CommonValue *> differing;
    for (const CommonValue &value : kValues) {
        for (const CStartBlock *block : blocks) {
            if (block && isRacing(*block) && value.differs(edited, *block)) {
                differing.append(&value);
                break;
            }
        }
    }
    return differing;
}

void store(const char *group, const char *key, int value)
{
    if (QuellorApp *app = QuellorApp::Instance())
        app->SetSetting(QLatin1String(group), QLatin1String(key), value);
}

} // namespace

CommonSettingsDistribution::CommonSettingsDistribution(StartBlockCommonSettings &blockSettings,
                                                       CoordinatorCommonSettings &coordinatorSettings,
                                                       BusyNotice &busy, QObject *parent)
    : QObject(parent), m_blockSettings(blockSettings), m_coordinatorSettings(coordinatorSettings),
      m_busy(busy)
{
}

bool CommonSettingsDistribution::Run(QWidget *parent, const QList<CStartBlock *> &blocks,
                                     CCoordinator *coordinator, int mode)
{
    StartBlocksCommonSettingsDlg dialog(parent, m_blockSettings, mode);
    if (coordinator) {
        dialog.SetTxPowerMode(coordinator->module());
        dialog.SetTxPower(m_blockSettings.txPower);
    }
    dialog.setModal(true);
    dialog.ClearLaneSummary();
    for (const CStartBlock *block : blocks)
        dialog.AddLaneSummary(block);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return Distribute(parent, dialog.settings(), blocks, coordinator);
}

bool CommonSettingsDistribution::Distribute(QWidget *parent, const StartBlockCommonSettings &edited,
                                            const QList<CStartBlock *> &blocks, CCoordinator *coordinator)
{
    const QList<const CommonValue *> differing = differingValues(edited, blocks);
    if (differing.isEmpty())
        return false;
    if (!confirmSettingsChange(parent, tr("Change setting of startblocks"),
                               tr("Are you sure you want to change the settings for all starting blocks")))
        return false;
    for (const CommonValue *value : differing) {
        value->keep(m_blockSettings, edited);
        store(SettingsKeys::kGroupStartBlock, value->key, value->value(edited));
    }
    // every block of the set, racing or not
    for (CStartBlock *block : blocks) {
        for (const CommonValue *value : differing) {
            if (block)
                emit set_info_field_request(value->item, value->value(edited), block);
        }
    }
    const bool channelChanged = std::any_of(differing.begin(), differing.end(), [](const CommonValue *value) {
        return value->item == kAudioChannelItem;
    });
    if (coordinator && channelChanged) {
        m_coordinatorSettings.audioChannel = edited.audioChannel;
        store(SettingsKeys::kGroupCoordinator, SettingsKeys::kAudioChannel, edited.audioChannel);
        emit set_info_field_request_coordinator(kAudioChannelItem, int(edited.audioChannel), coordinator);
    }
    m_busy.ShowBusyTranslated(SharedConstants::kTranslationContext, SharedConstants::kBusySettings);
    return true;
}
