#pragma once

#include <QChar>
#include <QString>

// The Alt+letter of a menu-bar title ("&File" gives F). The menu bar takes its Alt+letter before the
// keyboard filter sees it, so a title must not claim a letter the filter uses.
namespace MenuMnemonics
{

// The letter after the first single "&", upper case; none when the title has no mnemonic.
QChar letterOf(const QString &title);
// The title with its mnemonic moved off the taken letters (upper case): to the first free letter or digit
// of the title, or dropped when every one is taken. A title whose mnemonic is free is returned as it is.
QString avoiding(const QString &title, const QString &taken);

} // namespace MenuMnemonics
