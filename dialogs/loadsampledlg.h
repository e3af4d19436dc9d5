#pragma once

#include <memory>

#include <QDialog>
#include <QString>
#include <QStringList>

class CCoordinator;
class CStartBlock;

namespace Ui
{
class LoadSampleDlg;
}

// The devices of the chosen set, one check box each, with the start-sound sample file and its duration.
// Used to upload the start sound and, with the sample controls hidden, to choose devices to power down.
// Sends nothing itself.
class LoadSampleDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr char kDefaultSample[] = ":/samples/bang.raw";

    explicit LoadSampleDlg(QWidget *parent = nullptr);
    ~LoadSampleDlg() override;

    void HideSampleControls();
    // One row per device, in call order: "CU" for the coordinator (none when null), else the lane.
    void AddCoordinator(CCoordinator *coordinator);
    void AddStartBlocks(const QList<CStartBlock *> &blocks);

    QString GetSampleFileName() const;
    int GetSampleDuration() const; // 0 when the text is no number
    // The MAC texts of the ticked rows, top to bottom.
    QStringList GetSelectedMacAddresses() const;

public slots:
    void OnBtnBrowseClicked();
    void OnBtnSelectAllClicked();
    void on_btnCancel_clicked();
    void on_btnOK_clicked();

private:
    void addDeviceRow(const QString &lane, const QString &mac);

    std::unique_ptr<Ui::LoadSampleDlg> ui;
};
