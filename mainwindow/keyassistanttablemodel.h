#pragma once

#include <QAbstractTableModel>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStringList>

// The keyboard shortcuts the key assistant lists: command, shortcut and the lowest application mode that
// sees the row. Fixed rows, filled once; they are not read from the real shortcuts, but the keys are named
// as the menus name them.
class KeyAssistantTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ColumnCommand = 0, ColumnShortcut = 1, ColumnLevel = 2 };
    // the shortcut column's first key sequence, for sorting by the keys rather than by their names
    static constexpr int KeysRole = Qt::UserRole;

    explicit KeyAssistantTableModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // the level column is never shown
    static bool IsColumnHidden(int column) { return column > ColumnShortcut; }

private:
    struct Entry {
        QString command;
        QList<QKeySequence> keys;
        QString shortcut;
        int level;
    };

    void FillShortcuts();

    QStringList m_headers;
    QList<Entry> m_rows;
};
