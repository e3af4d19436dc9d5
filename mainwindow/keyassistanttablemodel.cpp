#include "mainwindow/keyassistanttablemodel.h"

#include <array>

namespace
{

struct Shortcut {
    const char *shortcut;
    const char *command;
    int level;
};

// the list as the operator reads it, spelling included
const std::array<Shortcut, 37> kShortcuts = {{
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Arrow Down"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Select next athlete"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Arrow Up"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Select previous athlete"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Enter,Return"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Set focus on the main window"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Escape"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Deselect athelete"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "F3"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Sort results based on lane number"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "F4"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Sort results based on reaction time"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "F5"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Set all startblocks to READY"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "F6"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Change participation status of selected athlete"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "F7"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show selected athlete graph"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "F8"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show all athlete graphs"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "F9"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Set previous race"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "F10"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Set next race"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "F11"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Set previous start"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "F12"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Set next start"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Ctrl+A"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Go to administrative mode"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Ctrl+B"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Open window for built in test"), 1},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Ctrl+L"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Select window layout"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Ctrl+O"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Open results"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Ctrl+P"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show setup properties"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Ctrl+R"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Reset race counter"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Ctrl+S"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Save results"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Ctrl+X"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Exit application"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Ctrl+Tab"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Display all open tabs"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Ctrl+Shift+L"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Open key assistant window"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Alt+E"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Select race"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Alt+H"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Hide race info panel"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Alt+L"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Go to live tab"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Alt+M"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Display current measurements"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Alt+X"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Close current tab"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Alt+Shift+M"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Display central unit measurements"), 0},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "F2"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show common startblock settings"), 1},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Alt+D"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show selected startblock logs"), 1},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Alt+I"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show selected startblock information"), 1},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Alt+J"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show selected startblock sound graph"), 2},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Alt+Shift+B"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show spectrum of central unit"), 2},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Alt+Shift+D"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show central unit logs"), 1},
    {QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Alt+Shift+I"),
     QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show central unit information"), 1},
}};

constexpr int kColumns = 3;

} // namespace

KeyAssistantTableModel::KeyAssistantTableModel(QObject *parent) : QAbstractTableModel(parent)
{
    m_headers << tr("Command") << tr("Shortcut");
    FillShortcuts();
}

void KeyAssistantTableModel::FillShortcuts()
{
    for (const Shortcut &entry : kShortcuts)
        m_rows.append({tr(entry.command), tr(entry.shortcut), entry.level});
}

int KeyAssistantTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int KeyAssistantTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant KeyAssistantTableModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const Entry &entry = m_rows.at(index.row());
    switch (index.column()) {
    case ColumnCommand:
        return entry.command;
    case ColumnShortcut:
        return entry.shortcut;
    case ColumnLevel:
        return entry.level;
    default:
        return QVariant();
    }
}

QVariant KeyAssistantTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= m_headers.size())
        return QVariant();
    return m_headers.at(section);
}

Qt::ItemFlags KeyAssistantTableModel::flags(const QModelIndex &) const
{
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}
