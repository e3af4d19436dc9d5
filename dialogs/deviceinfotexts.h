#pragma once

#include <optional>

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QLineEdit;
class QWidget;

// The texts the device dialogs show for the codes a device reports, and the red mark of a shown value
// that differs from what the project expects. "Unknown" is the showing dialog's own translated text.
class DeviceInfoTexts
{
public:
    explicit DeviceInfoTexts(const QString &unknown) : m_unknown(unknown) {}

    QString operationMode(qint64 code) const;   // 1 Wireless, 2 Wired
    QString module(qint64 code) const;          // 0 Standard, 1 High Power, 2 ETSI High Power
    QString startSoundMode(qint64 code) const;  // 1 Off, 2 Beep, 3 Bang
    QString recallSoundMode(qint64 code) const; // 1 Automatic Recall, 2 Remote (Manual) Recall
    QString recallBeepsMode(qint64 code) const; // 1 On ... 4 Off
    QString audioChannel(qint64 index) const;   // 1-based into the channel list, never translated
    QString volumePercent(qint64 code) const;   // the volume table: code 6 -> 37 ... 16 -> 100

    static std::optional<int> volumePercentOf(qint64 code);
    static QString softwareVersion(quint16 version); // 302 -> "3.2": hundreds (mod 256) and the rest
    static QString panId(quint16 panId);             // lower-case hexadecimal without leading zeros
    static QString calibration(float value);         // fixed notation, 8 decimals

private:
    QString entry(const QStringList &names, qint64 code, int firstCode) const;

    QString m_unknown;
};

// Shows a value, in red when it differs from the expected one in a live dialog, else in black.
void showField(QLineEdit *field, const QString &text, bool red);

// The fields of the modes and volume that blocks and the coordinator report alike (items 7, 16, 17, 18,
// 21, 19), each red in a live dialog where it differs from the expected record's value.
struct ModeFields {
    QLineEdit *operationMode = nullptr;
    QLineEdit *audioChannel = nullptr;
    QLineEdit *startSoundMode = nullptr;
    QLineEdit *recallSoundMode = nullptr;
    QLineEdit *recallBeepsMode = nullptr;
    QLineEdit *audioVolume = nullptr;
};

template<typename Device, typename Expected>
void showModeFields(const ModeFields &fields, const DeviceInfoTexts &texts, const Device &device,
                    const Expected &expected, bool live)
{
    showField(fields.operationMode, texts.operationMode(device.operationMode()),
              live && qint64(device.operationMode()) != expected.operationMode);
    showField(fields.audioChannel, texts.audioChannel(device.audioChannel()),
              live && device.audioChannel() != expected.audioChannel);
    showField(fields.startSoundMode, texts.startSoundMode(device.startSoundMode()),
              live && qint64(device.startSoundMode()) != expected.startSoundMode);
    showField(fields.recallSoundMode, texts.recallSoundMode(device.recallSoundMode()),
              live && qint64(device.recallSoundMode()) != expected.recallSoundMode);
    showField(fields.recallBeepsMode, texts.recallBeepsMode(device.recallBeepsMode()),
              live && qint64(device.recallBeepsMode()) != expected.recallBeepsMode);
    showField(fields.audioVolume, texts.volumePercent(device.audioVolume()),
              live && device.audioVolume() != expected.audioVolume);
}

// The question before changed settings go to the devices: Yes and No, Yes the default. True on Yes.
bool confirmSettingsChange(QWidget *parent, const QString &title, const QString &text);
