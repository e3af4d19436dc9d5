#include "views/measurementstatusdisplay.h"

#include <QCoreApplication>
#include <QProgressBar>

namespace
{

constexpr char kBarStyle[] =
    "QProgressBar:horizontal { border: 1px solid gray; border-radius: 3px; background: white; padding: 1px; "
    "text-align: center; } QProgressBar::chunk:horizontal { background: qlineargradient(x1: 0.9, y1: 0.5, "
    "x2: 1, y2: 0.5, stop: "
    "0 rgb(%1, %2, 20), stop: 1 white); }";

} // namespace

namespace MeasurementStatusDisplay
{

QStringList connectionTexts()
{
    return {QCoreApplication::translate("MeasurementStatusDisplay", "No"),
            QCoreApplication::translate("MeasurementStatusDisplay", "Yes"),
            QCoreApplication::translate("MeasurementStatusDisplay", "Unknown")};
}

QString connectionText(int linkState)
{
    const QStringList texts = connectionTexts();
    return linkState >= 0 && linkState < texts.size() ? texts.at(linkState) : texts.last();
}

void showBar(QProgressBar *bar, int value, int red, int green)
{
    bar->setStyleSheet(QString::fromLatin1(kBarStyle).arg(red).arg(green));
    bar->setValue(value);
}

QString voltageText(double volts)
{
    return QStringLiteral("%1V").arg(volts, 0, 'f', 2);
}

} // namespace MeasurementStatusDisplay
