#pragma once

#include <memory>

#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>

#include "core/quellorapp.h"

// The application of a bench run that builds windows: offscreen unless told otherwise, its settings and
// home in a folder of its own (never the user's), debug output off. Null when the folder cannot be made.
class BenchApp
{
public:
    BenchApp(int &argc, char **argv)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!m_dir.isValid())
            return;
        qputenv("HOME", m_dir.path().toLocal8Bit());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           m_dir.filePath(QStringLiteral("config")));
        m_app.reset(QuellorApp::Create(argc, argv));
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    }

    QuellorApp *app() const { return m_app.get(); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QuellorApp> m_app;
};
