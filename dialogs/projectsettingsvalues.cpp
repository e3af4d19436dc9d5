#include "dialogs/projectsettingsvalues.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QSerialPortInfo>

#include "core/sharedconstants.h"

namespace ProjectSettingsValues
{

namespace
{
constexpr qint32 kUnusableBaudRate = 110;
constexpr int kLoudestPosition = int(SharedConstants::kVolumeCodes.size()) - 1;
} // namespace

qint32 reopenBaudRate(qint32 reported)
{
    return reported == 0 || reported == kUnusableBaudRate ? kDefaultBaudRate : reported;
}

int volumePosition(quint8 code)
{
    for (int position = 0; position <= kLoudestPosition; ++position) {
        if (SharedConstants::kVolumeCodes.at(size_t(position)) == code)
            return position;
    }
    return kLoudestPosition;
}

quint8 volumeCode(int position)
{
    return quint8(SharedConstants::kVolumeCodes.at(size_t(qBound(0, position, kLoudestPosition))));
}

int volumePercent(int position)
{
    return SharedConstants::kVolumePercentages.at(size_t(qBound(0, position, kLoudestPosition)));
}

int comboIndexFor(qint32 storedValue)
{
    return int(storedValue & 0xFF) - 1;
}

QStringList serialPortTexts()
{
    QStringList texts;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &port : ports)
        texts << QStringLiteral("%1 [%2]").arg(port.portName(), port.description());
    return texts;
}

QString unlistedDevicePort(const QStringList &listed, const QString &stored)
{
    const QString path = stored.section(QLatin1Char('['), 0, 0).trimmed();
    if (listed.contains(stored) || !QDir::isAbsolutePath(path))
        return {};
    struct stat status = {};
    // stat follows a link to the device itself
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISCHR(status.st_mode))
        return {};
    return stored;
}

bool hasPrinter(const QList<PrinterEntry> &printers, int type)
{
    for (const PrinterEntry &entry : printers) {
        if (entry.type == type)
            return true;
    }
    return false;
}

void removePrinters(QList<PrinterEntry> &printers, int type)
{
    for (qsizetype index = printers.size() - 1; index >= 0; --index) {
        if (printers.at(index).type == type)
            printers.removeAt(index);
    }
}

} // namespace ProjectSettingsValues
