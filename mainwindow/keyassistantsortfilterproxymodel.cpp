#include "mainwindow/keyassistantsortfilterproxymodel.h"

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
    const QString leftText = sourceModel()->data(left).toString().toLower();
    const QString rightText = sourceModel()->data(right).toString().toLower();
    if (!kFunctionKey.match(leftText).hasMatch() || !kFunctionKey.match(rightText).hasMatch())
        return leftText < rightText;
    return firstNumber(leftText) < firstNumber(rightText);
}
