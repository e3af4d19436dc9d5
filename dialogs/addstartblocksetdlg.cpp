#include "dialogs/addstartblocksetdlg.h"

#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QIcon>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QStringListModel>

#include "core/quellorapp.h"
#include "core/sharedconstants.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "dialogs/set.h"
#include "dialogs/setnamedelegate.h"
#include "dialogs/startblocksetrules.h"
#include "dialogs/startblocksettablemodel.h"
#include "dialogs/startblockssetdelegate.h"
#include "dialogs/startblockssetsortfilterproxymodel.h"
#include "ui_addstartblocksetdlg.h"

using namespace StartBlockSetRules;

namespace
{

constexpr int kAllLanes = 255;
constexpr char kImportIcon[] = ":/icons/silk/import";
constexpr char kLaneCountName[] = "%1 - %2 lanes"; // the set's name and a lane count
// Sets of these many start modules are imported once per lane count.
const QList<int> kLanesOfEight = {6, 8};
const QList<int> kLanesOfTen = {6, 8, 9, 10};
constexpr int kMostModulesInOneSet = 6;
constexpr int kFewestModulesNotImported = 12;

} // namespace

AddStartBlockSetDlg::AddStartBlockSetDlg(QWidget *parent, QStringListModel *setNames)
    : QDialog(parent), ui(std::make_unique<Ui::AddStartBlockSetDlg>()), m_setNames(setNames)
{
    if (m_setNames)
        m_namesAtStart = m_setNames->stringList();
    LoadSets();
    ui->setupUi(this);
    setIcons();
    ui->lstSets->setModel(m_setNames);
    m_setNameDelegate = std::make_unique<SetNameDelegate>(
        [this](int row, const QString &name) { return RenameSet(row, name); });
    ui->lstSets->setItemDelegate(m_setNameDelegate.get());
    ui->txtNewBlockName->setInputMask(QLatin1String(SharedConstants::kMacInputMask));
    buildTable(QString());
    SetNewSetMode(false);
    ShowDeviceWidgets(false);
    connectSlots();
}

AddStartBlockSetDlg::~AddStartBlockSetDlg()
{
    // the views outlive the models and delegates held here
    ui->tblBlocks->setItemDelegate(nullptr);
    ui->tblBlocks->setModel(nullptr);
    ui->lstSets->setItemDelegate(nullptr);
}

void AddStartBlockSetDlg::setIcons()
{
    ui->btnNewSet->setIcon(QIcon::fromTheme(QStringLiteral("document-new")));
    ui->btnRemoveSet->setIcon(QIcon::fromTheme(QStringLiteral("list-remove")));
    ui->btnImport->setIcon(QIcon(QLatin1String(kImportIcon)));
    ui->btnAddNewSet->setIcon(QIcon::fromTheme(QStringLiteral("list-add")));
    ui->btnCancelNewSet->setIcon(QIcon::fromTheme(QStringLiteral("call-stop")));
    ui->btnAddNewBlock->setIcon(QIcon::fromTheme(QStringLiteral("list-add")));
    ui->btnRemoveStartBlock->setIcon(QIcon::fromTheme(QStringLiteral("list-remove")));
    ui->btnOK->setIcon(QIcon::fromTheme(QStringLiteral("call-start")));
    ui->btnCancel->setIcon(QIcon::fromTheme(QStringLiteral("call-stop")));
}

void AddStartBlockSetDlg::connectSlots()
{
    connect(ui->btnOK, &QPushButton::clicked, this, &AddStartBlockSetDlg::OnOK);
    connect(ui->btnCancel, &QPushButton::clicked, this, &AddStartBlockSetDlg::OnCancel);
    connect(ui->btnNewSet, &QPushButton::clicked, this, &AddStartBlockSetDlg::OnBtnNewSetClicked);
    connect(ui->btnCancelNewSet, &QPushButton::clicked, this, &AddStartBlockSetDlg::OnCancelNewSet);
    connect(ui->btnAddNewSet, &QPushButton::clicked, this, &AddStartBlockSetDlg::OnBtnAddNewSetClicked);
    connect(ui->txtNewSetName, &QLineEdit::returnPressed, this, &AddStartBlockSetDlg::OnBtnAddNewSetClicked);
    connect(ui->btnAddNewBlock, &QPushButton::clicked, this,
            &AddStartBlockSetDlg::OnBtnAddNewStartBlockClicked);
    connect(ui->txtNewBlockName, &QLineEdit::returnPressed, this,
            &AddStartBlockSetDlg::OnBtnAddNewStartBlockClicked);
    connect(ui->lstSets, &QListView::clicked, this, &AddStartBlockSetDlg::OnStartBlockSetSelectionChanged);
    connect(ui->btnRemoveSet, &QPushButton::clicked, this,
            &AddStartBlockSetDlg::OnBtnRemoveSelectedSetClicked);
    connect(ui->btnRemoveStartBlock, &QPushButton::clicked, this,
            &AddStartBlockSetDlg::OnBtnRemoveSelectedStartBlockClicked);
    connect(ui->btnImport, &QPushButton::clicked, this, &AddStartBlockSetDlg::OnBtnImportClicked);
}

void AddStartBlockSetDlg::LoadSets()
{
    m_groups.clear();
    const QStringList names = m_setNames ? m_setNames->stringList() : QStringList();
    QuellorApp *app = QuellorApp::Instance();
    for (const QString &name : names)
        m_groups.push_back(app ? app->LoadStartBlockSet(name) : std::make_unique<StartBlockSetGroup>());
}

// A new model, proxy and delegate over the same groups, showing the named set.
void AddStartBlockSetDlg::buildTable(const QString &setName)
{
    auto model = std::make_unique<StartBlockSetTableModel>(&m_groups);
    auto proxy = std::make_unique<StartBlocksSetSortFilterProxyModel>();
    proxy->setDynamicSortFilter(true);
    proxy->setSourceModel(model.get());
    proxy->setSetName(setName);
    if (m_proxy && m_proxy->sortColumn() >= 0) // the order the operator picked stays
        proxy->sort(m_proxy->sortColumn(), m_proxy->sortOrder());
    auto delegate = std::make_unique<StartBlocksSetDelegate>();
    QItemSelectionModel *oldSelection = ui->tblBlocks->selectionModel(); // the view keeps it otherwise
    ui->tblBlocks->setModel(proxy.get());
    if (oldSelection)
        oldSelection->deleteLater();
    ui->tblBlocks->setItemDelegate(delegate.get());
    ui->tblBlocks->resizeColumnToContents(StartBlockSetTableModel::ColumnLane);
    connect(model.get(), &QAbstractItemModel::dataChanged, this,
            &AddStartBlockSetDlg::OnTableModelDataChanged);
    connect(model.get(), &QAbstractItemModel::rowsInserted, this,
            &AddStartBlockSetDlg::OnTableModelRowsInserted);
    connect(model.get(), &QAbstractItemModel::rowsRemoved, this,
            &AddStartBlockSetDlg::OnTableModelRowsRemoved);
    // the old proxy goes before the model it reads
    m_delegate = std::move(delegate);
    m_proxy = std::move(proxy);
    m_tableModel = std::move(model);
}

void AddStartBlockSetDlg::SetNewSetMode(bool on)
{
    ui->btnAddNewSet->setVisible(on);
    ui->lblAddNewSet->setVisible(on);
    ui->txtNewSetName->setVisible(on);
    ui->btnCancelNewSet->setVisible(on);
    ui->btnRemoveSet->setVisible(!on);
    ui->btnNewSet->setVisible(!on);
}

void AddStartBlockSetDlg::ShowDeviceWidgets(bool shown)
{
    const QList<QWidget *> deviceWidgets = {
        ui->btnAddNewBlock,  ui->btnRemoveStartBlock, ui->lblNewLane,     ui->txtNewLane,
        ui->lblNewBlockName, ui->txtNewBlockName,     ui->chkCoordinator, ui->tblBlocks};
    for (QWidget *widget : deviceWidgets)
        widget->setVisible(shown);
}

void AddStartBlockSetDlg::refuse(const QString &title, const QString &text)
{
    QMessageBox::critical(this, title, text);
}

void AddStartBlockSetDlg::refuseSetName(const QString &name)
{
    refuse(
        tr("Error in the name of the new set of starting blocks"),
        tr("Set '%1'' already exists. You have to fill in a unique name for the new set of starting blocks")
            .arg(name));
}

bool AddStartBlockSetDlg::AddSet(const QString &name)
{
    if (!m_setNames || !isAcceptableSetName(m_setNames->stringList(), name)) {
        refuseSetName(name);
        return false;
    }
    const int row = m_setNames->rowCount();
    m_setNames->insertRows(row, 1);
    m_setNames->setData(m_setNames->index(row), name, Qt::EditRole);
    m_tableModel->AppendGroup(std::make_unique<StartBlockSetGroup>());
    m_setsModified = true;
    return true;
}

int AddStartBlockSetDlg::AddDevice(const QString &setName, const QString &serialNumber, const QString &lane)
{
    const int setIndex = m_setNames ? int(m_setNames->stringList().indexOf(setName)) : -1;
    StartBlockSetGroup *group = m_tableModel->GroupAt(setIndex);
    if (!group)
        return UnknownSet;
    if (!isCompleteSerialNumber(serialNumber)) {
        refuse(tr("Error in the serial number of the new starting block"),
               tr("You have to fill in a serial number for the device"));
        return SerialNumberRefused;
    }
    if (hasSerialNumber(*group, serialNumber)) {
        refuse(
            tr("Error in the serial number of the new starting block"),
            tr("Serial number %1 already existss. You have to fill in a unique serial number for the device")
                .arg(serialNumber));
        return SerialNumberRefused;
    }
    if (lane == QLatin1String(kCoordinatorLane)) {
        if (group->coordinator) {
            refuse(tr("Error in coordinator selection"),
                   tr("There is already a starting block selected as coordinator"));
            return CoordinatorRefused;
        }
        auto coordinator = std::make_unique<CCoordinator>();
        coordinator->SetMacAddress(serialNumber);
        coordinator->setStartBlockSetName(setName);
        m_tableModel->SetCoordinator(setIndex, std::move(coordinator));
        return DeviceAdded;
    }
    const quint8 laneNumber = laneFromText(lane);
    if (hasLane(*group, laneNumber)) {
        refuse(
            tr("Error in the lane of the new starting block"),
            tr("Lane %1 already exists. You have to fill in a unique lane for the starting block").arg(lane));
        return LaneRefused;
    }
    if (lane.isEmpty()) {
        refuse(tr("Error in the lane of the new starting block"),
               tr("You have to fill in a lane for the starting block"));
        return LaneRefused;
    }
    auto block = std::make_unique<CStartBlock>();
    block->SetMacAddress(serialNumber);
    block->setLane(laneNumber);
    block->setStartBlockSetName(setName);
    m_tableModel->AddStartBlock(setIndex, std::move(block));
    return DeviceAdded;
}

void AddStartBlockSetDlg::AddImportedSets(const SetList &sets)
{
    for (const auto &set : sets) {
        const int modules = int(set->blocks.size());
        if (modules <= kMostModulesInOneSet || modules % 2 == 1) {
            addImportedSet(set->name, *set, kAllLanes);
            continue;
        }
        if (modules >= kFewestModulesNotImported)
            continue;
        for (const int lanes : modules == 8 ? kLanesOfEight : kLanesOfTen)
            addImportedSet(QString::fromLatin1(kLaneCountName).arg(set->name).arg(lanes), *set, lanes);
    }
}

void AddStartBlockSetDlg::addImportedSet(const QString &name, const Set &set, int highestLane)
{
    if (!AddSet(name))
        return;
    // what the file lacked is passed on empty, to be refused like an empty field
    const auto serialOf = [&set](const auto *device) {
        return set.withoutSerialNumber.contains(device) ? QString() : device->GetMacAddress();
    };
    if (set.coordinator)
        AddDevice(name, serialOf(set.coordinator), QLatin1String(kCoordinatorLane));
    for (const CStartBlock *block : set.blocks) {
        if (block->lane() > highestLane)
            continue;
        const QString lane = set.withoutLane.contains(block) ? QString() : QString::number(block->lane());
        AddDevice(name, serialOf(block), lane);
    }
}

bool AddStartBlockSetDlg::RenameSet(int row, const QString &name)
{
    StartBlockSetGroup *group = m_tableModel->GroupAt(row);
    if (!group || !m_setNames)
        return false;
    if (!isAcceptableSetName(m_setNames->stringList(), name, row)) {
        refuseSetName(name);
        return false;
    }
    const QString oldName = m_setNames->index(row).data().toString();
    if (group->coordinator)
        group->coordinator->setStartBlockSetName(name);
    for (const auto &block : group->blocks)
        block->setStartBlockSetName(name);
    if (m_proxy->setName() == oldName)
        m_proxy->setSetName(name);
    m_setsModified = true;
    return true;
}

int AddStartBlockSetDlg::selectedSetRow() const
{
    const QModelIndexList selected = ui->lstSets->selectionModel()->selectedIndexes();
    return selected.size() == 1 ? selected.first().row() : -1;
}

void AddStartBlockSetDlg::OnOK()
{
    QList<const StartBlockSetGroup *> groups;
    for (const auto &group : m_groups)
        groups.append(group.get());
    if (QuellorApp *app = QuellorApp::Instance())
        app->SaveStartBlockSets(m_setNames ? m_setNames->stringList() : QStringList(), groups);
    accept();
}

void AddStartBlockSetDlg::OnCancel()
{
    reject();
}

void AddStartBlockSetDlg::reject()
{
    if (m_setNames && m_setNames->stringList() != m_namesAtStart)
        m_setNames->setStringList(m_namesAtStart);
    QDialog::reject();
}

void AddStartBlockSetDlg::OnBtnNewSetClicked()
{
    SetNewSetMode(true);
    ui->txtNewSetName->setFocus();
}

void AddStartBlockSetDlg::OnCancelNewSet()
{
    ui->txtNewSetName->clear();
    SetNewSetMode(false);
}

void AddStartBlockSetDlg::OnBtnAddNewSetClicked()
{
    AddSet(ui->txtNewSetName->text());
    ui->txtNewSetName->clear();
    SetNewSetMode(false);
}

void AddStartBlockSetDlg::OnBtnAddNewStartBlockClicked()
{
    const int row = selectedSetRow();
    if (row < 0)
        return;
    const QString lane =
        ui->chkCoordinator->isChecked() ? QString::fromLatin1(kCoordinatorLane) : ui->txtNewLane->text();
    const QString setName = m_setNames->index(row).data().toString();
    const int result = AddDevice(setName, ui->txtNewBlockName->text(), lane);
    switch (result) {
    case DeviceAdded:
        ui->txtNewLane->clear();
        ui->txtNewBlockName->clear();
        ui->chkCoordinator->setChecked(false);
        ui->txtNewLane->setFocus(); // ready for the next device
        break;
    case SerialNumberRefused:
        ui->txtNewBlockName->setFocus();
        break;
    case LaneRefused:
        ui->txtNewLane->setFocus();
        break;
    case CoordinatorRefused:
        ui->chkCoordinator->setFocus();
        break;
    default:
        qDebug().noquote() << QStringLiteral("Unknown result code for adding new device: %1").arg(result);
        break;
    }
}

void AddStartBlockSetDlg::OnStartBlockSetSelectionChanged(const QModelIndex &ix)
{
    buildTable(ix.data(Qt::DisplayRole).toString());
    ShowDeviceWidgets(true);
}

void AddStartBlockSetDlg::OnBtnRemoveSelectedSetClicked()
{
    const int row = selectedSetRow();
    if (row < 0)
        return;
    const QString name = m_setNames->index(row).data().toString();
    if (QMessageBox::question(this, tr("Removing a set of starting blocks"),
                              tr("Are you sure you want to remove set '%1'").arg(name),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes)
        return;
    QStringList names = m_setNames->stringList();
    names.removeAt(row);
    m_setNames->setStringList(names);
    m_tableModel->RemoveGroup(m_tableModel->GroupAt(row));
    ShowDeviceWidgets(false);
    m_setsModified = true;
}

void AddStartBlockSetDlg::OnBtnRemoveSelectedStartBlockClicked()
{
    const QModelIndexList rows = ui->tblBlocks->selectionModel()->selectedRows();
    if (selectedSetRow() < 0 || rows.size() != 1)
        return;
    const int sourceRow = m_proxy->mapToSource(rows.first()).row();
    const SetTableItem item = m_tableModel->ItemAtRow(sourceRow);
    QString title;
    QString text;
    if (item.kind == SetTableItem::Coordinator) {
        title = tr("Removing a coordinator");
        text = tr("Are you sure you want to remove coordinator '%1'").arg(item.coordinator->GetMacAddress());
    } else if (item.kind == SetTableItem::StartBlock) {
        title = tr("Removing a starting blocks");
        text = tr("Are you sure you want to remove starting block '%1'").arg(item.block->GetMacAddress());
    } else {
        return;
    }
    if (QMessageBox::question(this, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
        QMessageBox::Yes)
        m_tableModel->RemoveRow(sourceRow);
}

void AddStartBlockSetDlg::OnBtnImportClicked()
{
    const QString fileName = QFileDialog::getOpenFileName(this, tr("Import set"), QDir::currentPath(),
                                                          tr("eXtensible Markup Language (*.xml)"));
    if (fileName.isEmpty())
        return;
    const SetList sets = ImportSetsFromXml(this, fileName);
    AddImportedSets(sets);
}

void AddStartBlockSetDlg::OnTableModelDataChanged(const QModelIndex &, const QModelIndex &)
{
    m_setsModified = true;
}

void AddStartBlockSetDlg::OnTableModelRowsInserted(const QModelIndex &, int, int)
{
    m_setsModified = true;
}

void AddStartBlockSetDlg::OnTableModelRowsRemoved(const QModelIndex &, int, int)
{
    m_setsModified = true;
}
