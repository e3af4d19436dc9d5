#include "dialogs/deviceinfotexts.h"

#include <QLineEdit>
#include <QMessageBox>

#include "core/sharedconstants.h"

namespace
{

constexpr char kRedStyle[] = "QLineEdit { color: rgb(255, 0, 0) }";
constexpr char kBlackStyle[] = "QLineEdit { color: rgb(0, 0, 0) }";
constexpr int kVersionMajorDivisor = 100;
constexpr int kVersionMajorModulus = 256;
constexpr int kCalibrationDecimals = 8;

} // namespace

using namespace SharedConstants;

QString DeviceInfoTexts::entry(const QStringList &names, qint64 code, int firstCode) const
{
    const qint64 index = code - firstCode;
    if (index < 0 || index >= names.size() || names.at(index).isEmpty())
        return m_unknown;
    return translatedGlobal(names.at(index));
}

QString DeviceInfoTexts::operationMode(qint64 code) const
{
    return entry(operationModes(), code, 1);
}

QString DeviceInfoTexts::module(qint64 code) const
{
    return entry(moduleNames(), code, 0);
}

QString DeviceInfoTexts::startSoundMode(qint64 code) const
{
    return entry(startSoundModes(), code, 1);
}

QString DeviceInfoTexts::recallSoundMode(qint64 code) const
{
    return entry(recallSoundModes(), code, 1);
}

QString DeviceInfoTexts::recallBeepsMode(qint64 code) const
{
    return entry(recallBeepsModes(), code, 1);
}

QString DeviceInfoTexts::audioChannel(qint64 index) const
{
    const QStringList channels = radioChannels();
    return index >= 1 && index <= channels.size() ? channels.at(index - 1) : m_unknown;
}

QString DeviceInfoTexts::volumePercent(qint64 code) const
{
    const std::optional<int> percent = volumePercentOf(code);
    return percent ? QString::number(*percent) : m_unknown;
}

std::optional<int> DeviceInfoTexts::volumePercentOf(qint64 code)
{
    for (size_t i = 0; i < kVolumeCodes.size(); ++i) {
        if (kVolumeCodes[i] == code)
            return kVolumePercentages[i];
    }
    return std::nullopt;
}

QString DeviceInfoTexts::softwareVersion(quint16 version)
{
    return QStringLiteral("%1.%2")
        .arg(version / kVersionMajorDivisor % kVersionMajorModulus)
        .arg(version % kVersionMajorDivisor);
}

QString DeviceInfoTexts::panId(quint16 panId)
{
    return QString::number(panId, 16);
}

QString DeviceInfoTexts::calibration(float value)
{
    return QString::number(double(value), 'f', kCalibrationDecimals);
}

void showField(QLineEdit *field, const QString &text, bool red)
{
    field->setText(text);
    field->setStyleSheet(QLatin1String(red ? kRedStyle : kBlackStyle));
}

bool confirmSettingsChange(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}
