#include "mainwindow/keyassistantsortfilterproxymodel.h"

#include <QKeySequence>
#include <QRegularExpression>

#include "mainwindow/keyassistanttablemodel.h"

namespace
{

const QRegularExpression kFunctionKey(QStringLiteral("F\\d+"), QRegularExpression::CaseInsensitiveOption);
const QRegularExpression kDigits(QStringLiteral("\\d+"));

uint firstNumber(const QString &text)
{
    return kDigits.match(text).captured().toUInt();
}

// Modifiers are the high bits: plain keys first, the F-keys by number among them, then Ctrl, then Alt.
uint keyOrder(const QAbstractItemModel *model, const QModelIndex &index)
{
    const QKeySequence keys = model->data(index, KeyAssistantTableModel::KeysRole).value<QKeySequence>();
    return keys.isEmpty() ? 0 : uint(keys[0].toCombined());
}

} // namespace

KeyAssistantSortFilterProxyModel::KeyAssistantSortFilterProxyModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

bool KeyAssistantSortFilterProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QModelIndex level =
        sourceModel()->index(sourceRow, KeyAssistantTableModel::ColumnLevel, sourceParent);
    return sourceModel()->data(level).toUInt() <= uint(qMax(m_level, 0));
}

bool KeyAssistantSortFilterProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (left.column() > KeyAssistantTableModel::ColumnShortcut)
        return false;
    // by the keys, not by their names, which differ from language to language
    if (left.column() == KeyAssistantTableModel::ColumnShortcut)
        return keyOrder(sourceModel(), left) < keyOrder(sourceModel(), right);
    const QString leftText = sourceModel()->data(left).toString().toLower();
    const QString rightText = sourceModel()->data(right).toString().toLower();
    if (!kFunctionKey.match(leftText).hasMatch() || !kFunctionKey.match(rightText).hasMatch())
        return leftText < rightText;
    return firstNumber(leftText) < firstNumber(rightText);
}
