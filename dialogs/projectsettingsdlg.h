#pragma once

#include <functional>
#include <memory>

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "core/projectsettings.h"

class CSerialComThread;
class QStringListModel;
namespace Ui
{
class ProjectSettingsDlg;
}

// What the dialog uses of the ticket printer's worker: opening its port by the port text at a rate, and
// the rate its current port runs at (0 without a port).
struct PrinterPortAccess {
    QPointer<QObject> worker;
    std::function<void(const QString &portText, qint32 baudRate)> open;
    std::function<qint32()> baudRate;
};

// The project settings: the coordinator's port, the start-block set, results directory, starter name and
// printers ("Application"), the coordinator's and the start blocks' modes, volumes and sensitivity
// ("System"). It edits copies of the general and common start-block settings, which the caller reads
// after exec() and writes itself; only the two serial ports act at once, when the dialog is filled and
// whenever the operator picks a port.
class ProjectSettingsDlg : public QDialog
{
    Q_OBJECT

public:
    enum Tab { TabApplication = 0, TabSystem = 1 };
    using PortLister = std::function<QStringList()>;

    // listPorts gives the port list entries; the system's serial ports by default.
    explicit ProjectSettingsDlg(QWidget *parent = nullptr, PortLister listPorts = {});
    ~ProjectSettingsDlg() override;

    void SetSerialComThread(CSerialComThread *serialComThread);
    // Takes the ticket printer's worker: anything with setPrinterPort(QString, qint32), baudRate() and the
    // signal serial_port_opened(bool).
    template<typename PrinterWorker>
    void SetSerialPrinterThread(PrinterWorker *worker);
    void SetSettings(const ProjectSettings &settings);
    void SetStartBlockCommonSettings(StartBlockCommonSettings settings);
    void SetCurrentTab(int index);
    void setVisible(bool visible) override;

    // The results, read by the caller after exec() returned 1.
    const ProjectSettings &projectSettings() const { return m_settings; }
    const StartBlockCommonSettings &startBlockCommonSettings() const { return m_startBlockSettings; }
    // Whether the set manager stored changed sets in any accepted run.
    bool setsModified() const { return m_setsModified; }

public slots:
    void OnSerialPortOpened(bool ok);
    void OnSerialPrinterPortOpened(bool ok);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void OnBtnOKClicked();
    void OnBtnCancelClicked();
    void OnBtnManageSetClicked();
    void OnCOMIndexChanged(int index);
    void OnStartBlockSetsSelectionChanged(const QString &strSet);
    void OnStarterNameTextChanged(const QString &text);
    void OnChkTicketPrinterClicked();
    void OnChkSerialPrinterClicked();
    void OnComSerialPrinterIndexChanged(int index);
    void OnPrinterOptionsChanged(int index);
    void OnResultsDirTextChanged(const QString &text);
    void OnOperationModeIndexChanged(int index);
    void OnStartSoundModeIndexChanged(int index);
    void OnRecallSoundModeIndexChanged(int index);
    void OnRecallBeepsModeIndexChanged(int index);
    void OnPhotoFinishDeviceIndexChanged(int index);
    void OnAudioVolumeValueChanged(int value);
    void OnHeadsetVolumeValueChanged(int value);
    void OnAcceleroSensitivityValueChanged(int value);
    void OnBtnResultsDirBrowseClicked();

private:
    void setPrinterPortAccess(PrinterPortAccess access);
    void fillLists();
    void connectSlots();
    void retitle();
    void selectCoordinatorPort();
    void selectSet(const QString &name);
    QString selectPrinters();
    void selectModes();
    void FillRecallBeepsCombo();
    void showVolumes();
    void debugPrinterList() const;
    void enablePrinting();
    void fitToPaths();
    static void markPortResult(QWidget *combo, bool ok);

    std::unique_ptr<Ui::ProjectSettingsDlg> ui;
    ProjectSettings m_settings;
    StartBlockCommonSettings m_startBlockSettings;
    QStringListModel *m_comPorts = nullptr; // the three models are children of the dialog
    QStringListModel *m_setNames = nullptr;
    QStringListModel *m_printerPorts = nullptr;
    bool m_setsModified = false;
    QPointer<CSerialComThread> m_serialComThread;
    PrinterPortAccess m_printer;
    PortLister m_listPorts;
};

template<typename PrinterWorker>
void ProjectSettingsDlg::SetSerialPrinterThread(PrinterWorker *worker)
{
    PrinterPortAccess access;
    if (worker) {
        access.worker = worker;
        access.open = [worker](const QString &portText, qint32 baudRate) {
            worker->setPrinterPort(portText, baudRate);
        };
        access.baudRate = [worker] { return qint32(worker->baudRate()); };
    }
    setPrinterPortAccess(std::move(access));
    if (worker)
        connect(worker, &PrinterWorker::serial_port_opened, this,
                &ProjectSettingsDlg::OnSerialPrinterPortOpened, Qt::UniqueConnection);
}
