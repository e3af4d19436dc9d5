#include "core/settingsgroup.h"

#include <QSettings>

namespace
{

// The INI writer stores a group named "general" as "%General", which reads back as "General"; a group is
// therefore found regardless of case as well, or such settings would be lost at the next start.
QString storedGroup(const QSettings &settings, const QString &name)
{
    const QStringList groups = settings.childGroups();
    if (groups.contains(name))
        return name;
    for (const QString &group : groups) {
        if (group.compare(name, Qt::CaseInsensitive) == 0)
            return group;
    }
    return name;
}

} // namespace

SettingsGroup::SettingsGroup(QSettings &settings, const QString &name) : m_settings(settings)
{
    m_settings.beginGroup(storedGroup(m_settings, name));
    const QStringList keys = m_settings.childKeys();
    for (const QString &key : keys)
        m_spellings[key.toLower()].append(key);
}

SettingsGroup::~SettingsGroup()
{
    m_settings.endGroup();
}

QVariant SettingsGroup::value(const QString &key) const
{
    return m_settings.value(storedKey(key));
}

void SettingsGroup::setValue(const QString &key, const QVariant &value)
{
    const QString stored = storedKey(key);
    QStringList &spellings = m_spellings[key.toLower()];
    // a hand-edited file may hold the key twice; keep only the one that is written
    for (const QString &other : std::as_const(spellings)) {
        if (other != stored)
            m_settings.remove(other);
    }
    spellings = QStringList{stored};
    m_settings.setValue(stored, value);
}

void SettingsGroup::clear()
{
    m_settings.remove(QString());
    m_spellings.clear();
}

int SettingsGroup::keyCount() const
{
    int count = 0;
    for (const QStringList &spellings : m_spellings)
        count += spellings.size();
    return count;
}

QString SettingsGroup::storedKey(const QString &key) const
{
    const QStringList spellings = m_spellings.value(key.toLower());
    if (spellings.isEmpty() || spellings.contains(key))
        return key;
    return spellings.first();
}
