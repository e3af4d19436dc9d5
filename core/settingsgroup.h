#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

class QSettings;

// One top-level group of a settings store, open while this object lives. Groups and keys are found
// regardless of case: the file is case-sensitive, but callers spell some keys differently ("rftxPower" and
// "rftxpower"), so a write must land on the key a read finds.
class SettingsGroup
{
public:
    SettingsGroup(QSettings &settings, const QString &name);
    ~SettingsGroup();
    SettingsGroup(const SettingsGroup &) = delete;
    SettingsGroup &operator=(const SettingsGroup &) = delete;

    QVariant value(const QString &key) const;
    // Overwrites an existing key under its stored spelling; a new key is written as given.
    void setValue(const QString &key, const QVariant &value);
    void clear();
    int keyCount() const;

private:
    QString storedKey(const QString &key) const;

    QSettings &m_settings;
    QHash<QString, QStringList> m_spellings; // lower-case key -> its spellings in the store
};
