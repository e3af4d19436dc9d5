#pragma once

#include <QString>
#include <QStringList>

class QLabel;
class QProgressBar;

// What the two measurement status dialogs show alike: the link state in words and progress bars that
// turn from red to green as their value rises.
namespace MeasurementStatusDisplay
{

// "No", "Yes", "Unknown" for the link states 0, 1 and 2, translated.
QStringList connectionTexts();
QString connectionText(int linkState);
// The bar gets the value and a chunk of this red and green.
void showBar(QProgressBar *bar, int value, int red, int green);
// "%1V" with two decimals.
QString voltageText(double volts);

} // namespace MeasurementStatusDisplay
