#include "dialogs/loadsampleactions.h"

#include <limits>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include "core/sharedconstants.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "dialogs/loadsampledlg.h"

namespace
{

constexpr qint64 kMaxSampleBytes = 65534; // the devices take the total length in two bytes, 0xFFFF excluded
constexpr qint64 kMicrosecondsPerMs = 1000;
constexpr qint64 kMaxPeriod = std::numeric_limits<quint16>::max();

} // namespace

bool LoadSampleActions::LoadDemo(QWidget *parent, CCoordinator *coordinator,
                                 const QList<CStartBlock *> &blocks)
{
    LoadSampleDlg dialog(parent);
    dialog.setWindowTitle(QLatin1String(SharedConstants::kWindowTitle) + tr(": Loading sound"));
    fillDevices(dialog, coordinator, blocks);
    while (dialog.exec() == QDialog::Accepted) {
        if (SendSample(parent, dialog))
            return true;
    }
    return false;
}

bool LoadSampleActions::SendSample(QWidget *parent, const LoadSampleDlg &dialog)
{
    const QString fileName = dialog.GetSampleFileName();
    const quint16 duration = quint16(dialog.GetSampleDuration());
    const QStringList macs = dialog.GetSelectedMacAddresses();
    if (duration == 0 || fileName.isEmpty()) {
        refuseUnusableSample(parent);
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        refuseUnreadableSample(parent, file);
        return false;
    }
    if (file.size() > kMaxSampleBytes) {
        QMessageBox::warning(
            parent, tr("Sample size"),
            tr("The sample you try to load is too large. Please select a smaller sample file"));
        return false;
    }
    // read one byte more than allowed: a file that grew since its size was asked is refused as well
    QByteArray sample = file.read(kMaxSampleBytes + 1);
    const qint64 period = sample.isEmpty() ? 0 : duration * kMicrosecondsPerMs / sample.size();
    if (sample.size() > kMaxSampleBytes || period == 0 || period > kMaxPeriod) {
        refuseUnusableSample(parent);
        return false;
    }
    emit set_demo_sample_request(quint16(period), &sample, macs);
    return true;
}

void LoadSampleActions::refuseUnusableSample(QWidget *parent)
{
    QMessageBox::information(parent, tr("Sample information"),
                             tr("You did not select a sample or the duration was not filled in properly. "
                                "Please fill in these properties to load a sample file"));
}

void LoadSampleActions::refuseUnreadableSample(QWidget *parent, const QFile &file)
{
    // the window's own words for a file it cannot open
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("MainWindow", "Warning"),
                    QCoreApplication::translate("MainWindow", "Unable to open file %1").arg(file.fileName()),
                    QMessageBox::Ok, parent);
    box.setInformativeText(unreadableReason(file));
    box.exec();
}

// The usual reasons in the operator's language; any other in the system's words.
QString LoadSampleActions::unreadableReason(const QFile &file)
{
    const QFileInfo info(file.fileName());
    if (!info.exists())
        return tr("The file does not exist.");
    if (info.isDir())
        return tr("This is a folder, not a file.");
    if (!info.isReadable())
        return tr("You have no permission to read the file.");
    return file.errorString();
}

void LoadSampleActions::ShutdownDevices(QWidget *parent, CCoordinator *coordinator,
                                        const QList<CStartBlock *> &blocks, CStartBlock *broadcast)
{
    LoadSampleDlg dialog(parent);
    dialog.HideSampleControls();
    dialog.setWindowTitle(tr("Shutdown devices"));
    fillDevices(dialog, coordinator, blocks);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QStringList macs = dialog.GetSelectedMacAddresses();
    if (macs.size() == blocks.size() + 1) {
        emit set_powerdown_request(broadcast);
        return;
    }
    for (const QString &mac : macs) {
        for (CStartBlock *block : blocks) {
            if (block && block->GetMacAddress() == mac)
                emit set_powerdown_request(block);
        }
    }
    for (const QString &mac : macs) {
        if (coordinator && coordinator->GetMacAddress() == mac)
            emit set_powerdown_request_coordinator(coordinator);
    }
}

void LoadSampleActions::fillDevices(LoadSampleDlg &dialog, CCoordinator *coordinator,
                                    const QList<CStartBlock *> &blocks)
{
    dialog.AddCoordinator(coordinator);
    dialog.AddStartBlocks(blocks);
}
