#pragma once

#include <memory>

#include <QApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "core/projectsettings.h"

class QSettings;
class SettingsGroup;

// The application object and the only owner of the operator's settings: one per-user INI file, read and
// written by group and key, with the general, coordinator and common start-block settings kept as records.
//
// One instance per process, made by Create(). The process keeps it until it ends; a caller that must
// end it earlier (a test) deletes it, which clears the instance pointer.
class QuellorApp : public QApplication
{
    Q_OBJECT

public:
    static QuellorApp *Create(int &argc, char **argv);
    static QuellorApp *Instance();
    ~QuellorApp() override;

    // An invalid variant when the key is absent. Keys are matched regardless of case.
    QVariant GetSetting(const QString &group, const QString &key) const;
    void SetSetting(const QString &group, const QString &key, const QVariant &value);
    void SyncSettings();
    void ClearSettingsGroup(const QString &group);

    void LoadSettings();
    void LoadCoordinatorSettings();
    void LoadStartBlockSettings();
    // Copies the current modes and volumes of the general settings into the coordinator and start-block
    // records.
    void RestoreCurrentModes();
    // 0-based index of the default radio channel, -1 when the channel list lacks it.
    static int DefaultChannelIndex();

    // Names of the stored start-block sets, in stored order.
    QStringList GetStartBlockSetNames() const;
    // New devices for every stored set of that exact name (same-named sets merge), blocks sorted by lane.
    // The caller owns the group; an unknown name gives an empty group.
    std::unique_ptr<StartBlockSetGroup> LoadStartBlockSet(const QString &name) const;
    // Replaces every stored set: set i gets names[i] and the devices of groups[i]. Takes no ownership.
    void SaveStartBlockSets(const QStringList &names, const QList<const StartBlockSetGroup *> &groups);
    // Moves the block with this MAC text from the old to the new lane in the sets named by "last_set".
    void ChangeStartBlockLane(const QString &mac, quint8 oldLane, quint8 newLane);

    QList<PrinterEntry> LoadPrinters() const;
    void SavePrinters(const QList<PrinterEntry> &printers);

    const ProjectSettings &projectSettings() const { return m_projectSettings; }
    void setProjectSettings(const ProjectSettings &settings) { m_projectSettings = settings; }
    const CoordinatorCommonSettings &coordinatorSettings() const { return m_coordinatorSettings; }
    void setCoordinatorSettings(const CoordinatorCommonSettings &settings)
    {
        m_coordinatorSettings = settings;
    }
    const StartBlockCommonSettings &startBlockCommonSettings() const { return m_startBlockSettings; }
    void setStartBlockCommonSettings(const StartBlockCommonSettings &settings)
    {
        m_startBlockSettings = settings;
    }

private:
    QuellorApp(int &argc, char **argv);

    void loadTexts(const SettingsGroup &general);
    void loadOperationModes(const SettingsGroup &general);
    void loadSoundSettings(const SettingsGroup &general);
    void loadDebugFlag(SettingsGroup &general);
    void loadResultsDirectories(const QString &storedResultsDir);
    void changeLaneInSet(SettingsGroup &group, int set, const QString &mac, quint8 oldLane, quint8 newLane);

    std::unique_ptr<QSettings> m_settings;
    ProjectSettings m_projectSettings;
    CoordinatorCommonSettings m_coordinatorSettings;
    StartBlockCommonSettings m_startBlockSettings;
};
