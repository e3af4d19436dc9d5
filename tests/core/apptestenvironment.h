#pragma once

#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

// The settings store and home directory of one test run, both inside a temporary folder, so that a test
// never touches the user's own. Build it before QuellorApp::Create.
class AppTestEnvironment
{
public:
    AppTestEnvironment();

    bool isValid() const { return m_dir.isValid(); }
    QString homePath() const;

    // The application's settings file, reached through a second store as another program would.
    static QString settingsFilePath();
    static void clearStore();
    static void storeValue(const QString &group, const QString &key, const QVariant &value);
    // "group/key" -> value text as the next start of the program reads them from the file.
    static QMap<QString, QString> fileEntries();
    // Replaces the file by the text; the application sees it after its next SyncSettings.
    static void writeFile(const QByteArray &text);

private:
    QTemporaryDir m_dir;
};
