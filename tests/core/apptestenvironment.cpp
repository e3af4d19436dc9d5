#include "apptestenvironment.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace
{

QSettings secondStore()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Halvexa"),
                     QStringLiteral("Wireless Quellor"));
}

} // namespace

AppTestEnvironment::AppTestEnvironment()
{
    if (!m_dir.isValid())
        return;
    QDir(m_dir.path()).mkpath(QStringLiteral("home"));
    qputenv("HOME", homePath().toLocal8Bit());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.filePath(QStringLiteral("config")));
}

QString AppTestEnvironment::homePath() const
{
    return m_dir.filePath(QStringLiteral("home"));
}

QString AppTestEnvironment::settingsFilePath()
{
    return secondStore().fileName();
}

void AppTestEnvironment::clearStore()
{
    QSettings store = secondStore();
    store.clear();
    store.sync();
}

void AppTestEnvironment::storeValue(const QString &group, const QString &key, const QVariant &value)
{
    QSettings store = secondStore();
    store.beginGroup(group);
    store.setValue(key, value);
    store.endGroup();
    store.sync();
}

QMap<QString, QString> AppTestEnvironment::fileEntries()
{
    // a store on a copy reads the file afresh, as the next start of the program would
    QTemporaryDir copyDir;
    const QString copy = copyDir.filePath(QStringLiteral("copy.ini"));
    QMap<QString, QString> entries;
    if (!copyDir.isValid() || !QFile::copy(settingsFilePath(), copy))
        return entries;
    const QSettings store(copy, QSettings::IniFormat);
    const QStringList keys = store.allKeys();
    for (const QString &key : keys)
        entries.insert(key, store.value(key).toString());
    return entries;
}

void AppTestEnvironment::writeFile(const QByteArray &text)
{
    clearStore();
    QFile file(settingsFilePath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text);
}
