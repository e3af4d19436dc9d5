#include "mainwindow/keyassistanttablemodel.h"

#include <array>

namespace
{

struct Shortcut {
    const char *keys; // portable key names; "; " between keys that do the same
    const char *command;
    int level;
};

// the list as the operator reads it, spelling included
const std::array<Shortcut, 37> kShortcuts = {{
    {"Down", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Select next athlete"), 0},
    {"Up", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Select previous athlete"), 0},
    {"Enter; Return", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Set focus on the main window"), 0},
    {"Esc", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Deselect athlete"), 0},
    {"F3", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Sort results based on lane number"), 0},
    {"F4", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Sort results based on reaction time"), 0},
    {"F5", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Set all startblocks to READY"), 0},
    {"F6", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Change participation status of selected athlete"), 0},
    {"F7", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show selected athlete graph"), 0},
    {"F8", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show all athlete graphs"), 0},
    {"F9", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Set previous race"), 0},
    {"F10", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Set next race"), 0},
    {"F11", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Set previous start"), 0},
    {"F12", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Set next start"), 0},
    {"Ctrl+A", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Go to administrative mode"), 0},
    {"Ctrl+B", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Open window for built in test"), 1},
    {"Ctrl+L", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Select window layout"), 0},
    {"Ctrl+O", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Open results"), 0},
    {"Ctrl+P", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show setup properties"), 0},
    {"Ctrl+R", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Reset race counter"), 0},
    {"Ctrl+S", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Save results"), 0},
    {"Ctrl+Q", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Exit application"), 0},
    {"Ctrl+Tab", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Display all open tabs"), 0},
    {"Ctrl+Shift+L", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Open key assistant window"), 0},
    {"Alt+E", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Select race"), 0},
    {"Alt+H", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Hide race info panel"), 0},
    {"Alt+L", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Go to live tab"), 0},
    {"Alt+M", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Display current measurements"), 0},
    {"Alt+X", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Close current tab"), 0},
    {"Alt+Shift+M", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Display central unit measurements"), 0},
    {"F2", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show common startblock settings"), 1},
    {"Alt+D", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show selected startblock logs"), 1},
    {"Alt+I", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show selected startblock information"), 1},
    {"Alt+J", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show selected startblock sound graph"), 2},
    {"Alt+Shift+B", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show spectrum of central unit"), 2},
    {"Alt+Shift+D", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show central unit logs"), 1},
    {"Alt+Shift+I", QT_TRANSLATE_NOOP("KeyAssistantTableModel", "Show central unit information"), 1},
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
    for (const Shortcut &entry : kShortcuts) {
        const QList<QKeySequence> keys = QKeySequence::listFromString(QString::fromLatin1(entry.keys));
        // named as the menus name them, in the language chosen
        m_rows.append({tr(entry.command), keys, QKeySequence::listToString(keys, QKeySequence::NativeText),
                       entry.level});
    }
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
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const Entry &entry = m_rows.at(index.row());
    if (role == KeysRole && index.column() == ColumnShortcut)
        return QVariant::fromValue(entry.keys.constFirst());
    if (role != Qt::DisplayRole)
        return QVariant();
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
