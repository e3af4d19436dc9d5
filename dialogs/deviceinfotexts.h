#pragma once

#include <optional>

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QLineEdit;

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
