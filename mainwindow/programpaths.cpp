#include "mainwindow/programpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ProgramPaths
{

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString languagesFolder()
{
    return QDir(programFolder()).filePath(QStringLiteral("languages"));
}

QString raceLogPath()
{
    const QFileInfo program(QCoreApplication::applicationFilePath());
    QString name = program.fileName();
    if (name.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive))
        name.chop(4);
    return program.dir().filePath(name + QStringLiteral("_debug.log"));
}

QString eventsFolder()
{
    return QDir::home().filePath(QStringLiteral("Events"));
}

} // namespace ProgramPaths
