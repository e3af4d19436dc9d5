#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class CCoordinator;
class CStartBlock;
class LoadSampleDlg;
class QFile;
class QWidget;

// The main window's two uses of the device selection dialog: uploading the start sound to the chosen
// devices and powering the chosen devices down. Emits the requests; the main window forwards them to the
// serial protocol object.
class LoadSampleActions : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Runs the dialog until the operator cancels or a sample went out; refused attempts show their box
    // and run the dialog again, keeping the selection. True when the sample was sent.
    bool LoadDemo(QWidget *parent, CCoordinator *coordinator, const QList<CStartBlock *> &blocks);
    // Runs the dialog once. Every device ticked, the coordinator among them, goes down through the
    // broadcast device; otherwise each ticked block, then the coordinator when ticked.
    void ShutdownDevices(QWidget *parent, CCoordinator *coordinator, const QList<CStartBlock *> &blocks,
                         CStartBlock *broadcast);

    // One attempt with the dialog's values: the box for a refused sample, or the request. True when sent.
    bool SendSample(QWidget *parent, const LoadSampleDlg &dialog);

signals:
    void set_demo_sample_request(unsigned short period, QByteArray *sample, QStringList macs);
    void set_powerdown_request(CStartBlock *startBlock);
    void set_powerdown_request_coordinator(CCoordinator *coordinator);

private:
    static void fillDevices(LoadSampleDlg &dialog, CCoordinator *coordinator,
                            const QList<CStartBlock *> &blocks);
    void refuseUnusableSample(QWidget *parent);
    void refuseUnreadableSample(QWidget *parent, const QFile &file);
    static QString unreadableReason(const QFile &file);
};
