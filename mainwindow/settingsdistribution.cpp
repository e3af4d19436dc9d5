#include "mainwindow/settingsdistribution.h"

#include <algorithm>

#include "core/projectsettings.h"
#include "core/sharedconstants.h"
#include "core/sharedtypes.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"

namespace
{

constexpr qint32 kSyncTolerance = 1000;    // ms either way
constexpr char kCoordinatorEntry[] = "CU"; // the key; the notice shows it translated

// One row of the comparison: the value the project expects against the one reported, on `bits` bits.
struct SettingRow {
    quint8 field;
    quint64 expected;
    quint64 reported;
    int bits;
    bool counts; // holds up the waiting status while it differs
    int sendValue;

    bool differs() const
    {
        const quint64 mask = (quint64(1) << bits) - 1;
        return (expected & mask) != (reported & mask);
    }
};

QList<SettingRow> blockRows(const CStartBlock &b, const StartBlockCommonSettings &s)
{
    return {
        {16, s.audioChannel, b.audioChannel(), 8, true, s.audioChannel},
        {7, quint32(s.operationMode), b.operationMode(), 32, true, s.operationMode},
        {17, quint32(s.startSoundMode), b.startSoundMode(), 32, true, s.startSoundMode},
        {18, quint32(s.recallSoundMode), b.recallSoundMode(), 32, true, s.recallSoundMode},
        {21, quint32(s.recallBeepsMode), b.recallBeepsMode(), 32, true, s.recallBeepsMode},
        {19, s.audioVolume, b.audioVolume(), 8, true, s.audioVolume},
        {4, s.acceleroSensitivity, b.sensitivity(), 16, true, s.acceleroSensitivity},
        {24, s.stabilitySensitivity, b.stabilitySensitivity(), 16, true, s.stabilitySensitivity},
        {3, s.iaafTime, b.falseStartLimit(), 16, false, s.iaafTime},
        {8, s.startSensitivity, b.startSensitivity(), 16, true, s.startSensitivity},
    };
}

QList<SettingRow> coordinatorRows(const CCoordinator &c, const CoordinatorCommonSettings &s)
{
    return {
        {16, s.audioChannel, c.audioChannel(), 8, true, s.audioChannel},
        {7, quint32(s.operationMode), c.operationMode(), 32, true, s.operationMode},
        {17, quint32(s.startSoundMode), c.startSoundMode(), 32, true, s.startSoundMode},
        {18, quint32(s.recallSoundMode), c.recallSoundMode(), 32, true, s.recallSoundMode},
        {21, quint32(s.recallBeepsMode), c.recallBeepsMode(), 32, true, s.recallBeepsMode},
        {19, s.audioVolume, c.audioVolume(), 8, true, s.audioVolume},
        {15, quint8(s.txPower), quint8(c.transmitPower()), 8, false, s.txPower},
        {20, s.headsetVolume, c.headsetVolume(), 8, true, s.headsetVolume},
        {25, quint32(s.photoFinishDevice), c.photoFinishDevice(), 32, true, s.photoFinishDevice},
    };
}

QList<InfoFieldRequest> differing(const QList<SettingRow> &rows)
{
    QList<InfoFieldRequest> requests;
    for (const SettingRow &row : rows) {
        if (row.differs())
            requests.append({row.field, row.sendValue});
    }
    return requests;
}

bool countedRowsAgree(const QList<SettingRow> &rows)
{
    return std::none_of(rows.cbegin(), rows.cend(),
                        [](const SettingRow &row) { return row.counts && row.differs(); });
}

bool races(const CStartBlock *block)
{
    const int status = block->participationStatus();
    return status == ParticipationActive || status == ParticipationRup;
}

bool isSynchronised(const CStartBlock *block)
{
    const CStartBlockMeasurement *measurement = block->measurement();
    if (!measurement || !measurement->hasNewSyncValue())
        return false;
    const qint32 offset = qint32(measurement->synchronisationValue());
    return offset >= -kSyncTolerance && offset <= kSyncTolerance;
}

} // namespace

QList<InfoFieldRequest> SettingsDistribution::differingSettings(const CStartBlock &block,
                                                                const StartBlockCommonSettings &expected)
{
    return differing(blockRows(block, expected));
}

QList<InfoFieldRequest> SettingsDistribution::differingSettings(const CCoordinator &coordinator,
                                                                const CoordinatorCommonSettings &expected)
{
    return differing(coordinatorRows(coordinator, expected));
}

void SettingsDistribution::reviewBlocks(const QList<CStartBlock *> &blocks,
                                        const StartBlockCommonSettings &expected)
{
    m_blocksConfirmed = true;
    for (const CStartBlock *block : blocks) {
        if (!races(block))
            continue;
        const bool agrees = countedRowsAgree(blockRows(*block, expected));
        markPending(QString::number(block->lane()), !agrees);
        if (!agrees) {
            m_blocksConfirmed = false;
            return;
        }
    }
}

void SettingsDistribution::reviewCoordinator(const CCoordinator &coordinator,
                                             const CoordinatorCommonSettings &expected)
{
    m_coordinatorConfirmed = countedRowsAgree(coordinatorRows(coordinator, expected));
    markPending(QLatin1String(kCoordinatorEntry), !m_coordinatorConfirmed);
}

void SettingsDistribution::clearConfirmations()
{
    m_coordinatorConfirmed = false;
    m_blocksConfirmed = false;
}

void SettingsDistribution::forgetLane(quint8 lane)
{
    m_pending.removeAll(QString::number(lane));
}

void SettingsDistribution::markPending(const QString &device, bool pending)
{
    if (!pending)
        m_pending.removeAll(device);
    else if (!m_pending.contains(device))
        m_pending.append(device);
}

SettingsDistribution::WaitingStatus
SettingsDistribution::waitingStatus(const QList<CStartBlock *> &blocks) const
{
    bool anyRacing = false;
    bool allSynchronised = true;
    for (const CStartBlock *block : blocks) {
        if (!races(block))
            continue;
        anyRacing = true;
        if (!isSynchronised(block)) {
            allSynchronised = false;
            break;
        }
    }
    WaitingStatus status;
    status.ready = m_coordinatorConfirmed && (!anyRacing || (allSynchronised && m_blocksConfirmed));
    if (status.ready)
        return status;
    if (m_coordinatorConfirmed && m_blocksConfirmed)
        status.notice =
            SharedConstants::translatedGlobal(QLatin1String(SharedConstants::kBusySynchronisation));
    else
        status.notice = settingsNotice();
    return status;
}

QString SettingsDistribution::settingsNotice() const
{
    QString text = SharedConstants::translatedGlobal(QLatin1String(SharedConstants::kBusySettings));
    if (m_pending.isEmpty())
        return text;
    text += tr("\nWaiting on");
    for (qsizetype i = 0; i < m_pending.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(',');
        if (m_pending[i] == QLatin1String(kCoordinatorEntry)) {
            text += QLatin1Char(' ') + tr("CU");
            continue;
        }
        text += tr(" SB") + QLatin1Char(' ') + m_pending[i];
    }
    return text;
}
