#include "mainwindow/menumnemonics.h"

namespace
{

constexpr QChar kMarker = QLatin1Char('&');

// The position of the mnemonic's "&", or -1; "&&" is a plain ampersand.
qsizetype markerAt(const QString &title)
{
    for (qsizetype i = 0; i + 1 < title.size(); ++i) {
        if (title.at(i) != kMarker)
            continue;
        if (title.at(i + 1) != kMarker)
            return i;
        ++i;
    }
    return -1;
}

} // namespace

namespace MenuMnemonics
{

QChar letterOf(const QString &title)
{
    const qsizetype marker = markerAt(title);
    return marker < 0 ? QChar() : title.at(marker + 1).toUpper();
}

QString avoiding(const QString &title, const QString &taken)
{
    const QChar letter = letterOf(title);
    if (letter.isNull() || !taken.contains(letter))
        return title;
    QString plain = title;
    plain.remove(markerAt(title), 1);
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const QChar candidate = plain.at(i);
        if (candidate == kMarker) { // "&&" stays a plain ampersand
            ++i;
            continue;
        }
        if (candidate.isLetterOrNumber() && !taken.contains(candidate.toUpper()))
            return plain.insert(i, kMarker);
    }
    return plain;
}

} // namespace MenuMnemonics
