#pragma once

#include <memory>
#include <vector>

#include <QDialog>
#include <QPointer>
#include <QStringList>

#include "dialogs/setxmlreader.h"

class QModelIndex;
class QStringListModel;
class SetNameDelegate;
class StartBlockSetTableModel;
class StartBlocksSetDelegate;
class StartBlocksSetSortFilterProxyModel;
struct StartBlockSetGroup;
namespace Ui
{
class AddStartBlockSetDlg;
}

// The set manager: creates, renames and removes the saved sets of start blocks, adds and removes their
// coordinator and blocks, edits lanes and serial numbers, and imports sets from XML files. It edits the
// caller's list of set names in place and writes every set to the settings store on OK; Cancel puts the
// caller's list back as it was and writes nothing.
class AddStartBlockSetDlg : public QDialog
{
    Q_OBJECT

public:
    enum AddDeviceResult {
        DeviceAdded = 0,
        SerialNumberRefused = 1, // empty, incomplete or already in the set
        LaneRefused = 2,         // empty or already in the set
        CoordinatorRefused = 3,  // the set has one already
        UnknownSet = 4,
    };

    AddStartBlockSetDlg(QWidget *parent, QStringListModel *setNames);
    ~AddStartBlockSetDlg() override;

    // Whether any set was added, removed, renamed or changed in this dialog; never cleared.
    bool setsModified() const { return m_setsModified; }

    void LoadSets();
    void SetNewSetMode(bool on);
    void ShowDeviceWidgets(bool shown);
    // Adds an empty set, or shows the set-name box and returns false.
    bool AddSet(const QString &name);
    // Adds a coordinator (lane "CU") or a start block to the named set; refusals show their box.
    int AddDevice(const QString &setName, const QString &serialNumber, const QString &lane);
    // Adds sets read from a file through the same checks as typed ones; sets of 8 and 10 start modules
    // become one set per lane count.
    void AddImportedSets(const SetList &sets);

public slots:
    void reject() override;

private slots:
    void OnOK();
    void OnCancel();
    void OnBtnNewSetClicked();
    void OnCancelNewSet();
    void OnBtnAddNewSetClicked();
    void OnBtnAddNewStartBlockClicked();
    void OnStartBlockSetSelectionChanged(const QModelIndex &ix);
    void OnBtnRemoveSelectedSetClicked();
    void OnBtnRemoveSelectedStartBlockClicked();
    void OnBtnImportClicked();
    void OnTableModelDataChanged(const QModelIndex &topleft, const QModelIndex &bottomright);
    void OnTableModelRowsInserted(const QModelIndex &parent, int start, int end);
    void OnTableModelRowsRemoved(const QModelIndex &parent, int start, int end);

private:
    void setIcons();
    void connectSlots();
    void buildTable(const QString &setName);
    void refuseSetName(const QString &name);
    void refuse(const QString &title, const QString &text);
    bool RenameSet(int row, const QString &name);
    void addImportedSet(const QString &name, const Set &set, int highestLane);
    int selectedSetRow() const;

    std::unique_ptr<Ui::AddStartBlockSetDlg> ui;
    QPointer<QStringListModel> m_setNames; // the caller's
    QStringList m_namesAtStart;
    std::vector<std::unique_ptr<StartBlockSetGroup>> m_groups; // entry i is the set named by row i
    std::unique_ptr<StartBlockSetTableModel> m_tableModel;
    std::unique_ptr<StartBlocksSetSortFilterProxyModel> m_proxy;
    std::unique_ptr<StartBlocksSetDelegate> m_delegate;
    std::unique_ptr<SetNameDelegate> m_setNameDelegate;
    bool m_setsModified = false;
};
