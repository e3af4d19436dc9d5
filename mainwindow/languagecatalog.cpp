#include "mainwindow/languagecatalog.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace
{

constexpr char kPrefix[] = "quellor_";
constexpr char kPattern[] = "quellor_*.qm";
constexpr char kToolkitPrefix[] = "qtbase_";
constexpr QChar kSeparator = QLatin1Char('_');

LanguageEntry entryFor(const QString &fileName)
{
    const QString base = fileName.left(fileName.lastIndexOf(QLatin1Char('.')));
    LanguageEntry entry;
    entry.data = base.mid(base.indexOf(kSeparator) + 1);
    entry.code = LanguageCatalog::languageCode(entry.data);
    entry.name = entry.data.section(kSeparator, 1);
    if (entry.name.isEmpty()) // "quellor_de.qm" has no name of its own
        entry.name = entry.code;
    return entry;
}

} // namespace

namespace LanguageCatalog
{

QString systemLanguageCode(const QLocale &locale)
{
    const QString name = locale.name();
    const qsizetype cut = name.lastIndexOf(kSeparator);
    return cut < 0 ? name : name.left(cut);
}

QList<LanguageEntry> entriesIn(const QString &folder)
{
    QList<LanguageEntry> entries;
    const QStringList files = QDir(folder).entryList({QString::fromLatin1(kPattern)}, QDir::Files);
    for (const QString &file : files)
        entries << entryFor(file);
    return entries;
}

QString translationFile(const QString &folder, const QString &data)
{
    const QDir dir(folder);
    const QString exact = dir.filePath(QString::fromLatin1(kPrefix) + data + QStringLiteral(".qm"));
    if (data.contains(kSeparator) || QFileInfo::exists(exact))
        return exact;
    for (const LanguageEntry &entry : entriesIn(folder)) {
        if (entry.code == data)
            return dir.filePath(QString::fromLatin1(kPrefix) + entry.data + QStringLiteral(".qm"));
    }
    return exact;
}

QString languageCode(const QString &data)
{
    return data.section(kSeparator, 0, 0);
}

QString toolkitTranslation(const QString &data)
{
    return QString::fromLatin1(kToolkitPrefix) + languageCode(data);
}

} // namespace LanguageCatalog
