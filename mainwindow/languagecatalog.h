#pragma once

#include <QList>
#include <QString>

class QLocale;

// One translation beside the program: "quellor_de_Deutsch.qm" gives the data "de_Deutsch", the code
// "de" (which also names its flag) and the name "Deutsch" shown in the Language menu.
struct LanguageEntry {
    QString data;
    QString code;
    QString name;
};

namespace LanguageCatalog
{

// The language part of the locale's name: "de_BE" gives "de".
QString systemLanguageCode(const QLocale &locale);
// The translations in the folder, in the folder's default order.
QList<LanguageEntry> entriesIn(const QString &folder);
// The file that LoadLanguage loads for a language: "quellor_<data>.qm". A bare code without its own
// file (the system locale's) finds the first translation of that code.
QString translationFile(const QString &folder, const QString &data);
// The language code of an entry's data or of a bare code: "de_Deutsch" and "de" give "de".
QString languageCode(const QString &data);
// The toolkit's own translation of a language (standard buttons, its dialogs): "qtbase_de", found in the
// toolkit's translations folder.
QString toolkitTranslation(const QString &data);

} // namespace LanguageCatalog
