#include "core/sharedconstants.h"

#include <QCoreApplication>

namespace SharedConstants {

namespace {

const char kProgressStyle[] = "QProgressBar {margin: 0px; padding: 0px; border: 2px solid white;} "
                              "QProgressBar::chunk { background-color: rgb(%1, %2, %3);}";

template<size_t N>
QStringList toList(const char *const (&texts)[N])
{
    QStringList list;
    list.reserve(int(N));
    for (const char *text : texts)
        list << QString::fromLatin1(text);
    return list;
}

} // namespace

QByteArray administratorCodeMode1()
{
    return QByteArrayLiteral("kd4");
}

QByteArray administratorCodeMode2()
{
    return QByteArrayLiteral("velk3826");
}

QStringList participationStatuses()
{
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("globals", "ACTIVE"),   QT_TRANSLATE_NOOP("globals", "DNS"),
        QT_TRANSLATE_NOOP("globals", "DQ"),       QT_TRANSLATE_NOOP("globals", "INACTIVE"),
        QT_TRANSLATE_NOOP("globals", "RUP"),
    };
    return toList(texts);
}

QStringList participationStatusCombo()
{
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("globals", "ACTIVE"), QT_TRANSLATE_NOOP("globals", "DNS"),
        QT_TRANSLATE_NOOP("globals", "DQ"),     QT_TRANSLATE_NOOP("globals", "RUP"),
        QT_TRANSLATE_NOOP("globals", "INACTIVE"),
    };
    return toList(texts);
}

int participationStatusFromComboIndex(int index)
{
    static constexpr int statuses[] = {1, 2, 3, 5, 4};
    return index >= 0 && index < 5 ? statuses[index] : 1;
}

int comboIndexFromParticipationStatus(int status)
{
    static constexpr int indexes[] = {0, 1, 2, 4, 3};
    return status >= 1 && status <= 5 ? indexes[status - 1] : 0;
}

QStringList moduleNames()
{
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("globals", "Standard"),
        QT_TRANSLATE_NOOP("globals", "High Power"),
        QT_TRANSLATE_NOOP("globals", "ETSI High Power"),
        "",
    };
    return toList(texts);
}

QStringList radioChannels()
{
    // 863.125 to 864.875 MHz in steps of 0.125: 15 channels
    QStringList channels;
    for (int step = 1; step <= 15; ++step)
        channels << QString::number(863.0 + step * 0.125, 'f', 3);
    return channels;
}

QStringList operationModes()
{
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("globals", "Wireless"),
        QT_TRANSLATE_NOOP("globals", "Wired"),
    };
    return toList(texts);
}

QStringList startSoundModes()
{
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("globals", "Off"),
        QT_TRANSLATE_NOOP("globals", "Beep"),
        QT_TRANSLATE_NOOP("globals", "Bang"),
    };
    return toList(texts);
}

QStringList recallSoundModes()
{
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("globals", "Automatic Recall"),
        QT_TRANSLATE_NOOP("globals", "Remote (Manual) Recall"),
    };
    return toList(texts);
}

QStringList recallBeepsModes()
{
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("globals", "On"),
        QT_TRANSLATE_NOOP("globals", "Startblock ON Central unit OFF"),
        QT_TRANSLATE_NOOP("globals", "Startblock OFF Central unit ON"),
        QT_TRANSLATE_NOOP("globals", "Off"),
    };
    return toList(texts);
}

QStringList onOff()
{
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("globals", "ON"),
        QT_TRANSLATE_NOOP("globals", "OFF"),
    };
    return toList(texts);
}

QStringList photoFinishChoices()
{
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("globals", "None"),
        QT_TRANSLATE_NOOP("globals", "Orvane"),
    };
    return toList(texts);
}

QStringList printOptions()
{
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("globals", "Off"),
        QT_TRANSLATE_NOOP("globals", "Results"),
        QT_TRANSLATE_NOOP("globals", "Results and graphs"),
    };
    return toList(texts);
}

QStringList printOptionsShort()
{
    return printOptions().mid(0, 2);
}

QStringList productVersions()
{
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("globals", "Professional"),
        QT_TRANSLATE_NOOP("globals", "Club"),
    };
    return toList(texts);
}

QStringList measurementProblems()
{
    static const char *const texts[] = {kSyncTimeTooLong, kNotStartedAfterStarted, kNoSoundEdge};
    return toList(texts);
}

QString redProgressStyle()
{
    return QString::fromLatin1(kProgressStyle).arg(255).arg(60).arg(0);
}

QString greenProgressStyle()
{
    return QString::fromLatin1(kProgressStyle).arg(0).arg(192).arg(20);
}

QColor laneColour(int graphNumber)
{
    const int index = ((graphNumber - 1) % 10 + 10) % 10;
    return QColor(kLaneColours[size_t(index)]);
}

QString translatedGlobal(const QString &source)
{
    return QCoreApplication::translate(kTranslationContext, source.toUtf8().constData());
}

QStringList translatedGlobals(const QStringList &sources)
{
    QStringList translated;
    translated.reserve(sources.size());
    for (const QString &source : sources)
        translated << translatedGlobal(source);
    return translated;
}

} // namespace SharedConstants
