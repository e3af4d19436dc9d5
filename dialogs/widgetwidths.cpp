#include "dialogs/widgetwidths.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableView>

namespace
{

// what QLineEdit keeps free beside its text: a margin of 2 on each side and the cursor's pixel, and one
// more because the style sheet's box takes a pixel more from the field than it adds to its size
constexpr int kLineEditTextMargins = 2 * 2 + 1 + 1;

// as QLineEdit::sizeHint, with the value in place of its default of 17 characters
int widthForValue(const QLineEdit *edit)
{
    const QMargins text = edit->textMargins();
    const QMargins contents = edit->contentsMargins();
    const int value = int(std::ceil(QFontMetricsF(edit->font()).horizontalAdvance(edit->displayText())));
    const int width =
        value + kLineEditTextMargins + text.left() + text.right() + contents.left() + contents.right();
    const auto option = WidgetWidths::styleOption<QLineEdit, QStyleOptionFrame>(edit);
    return edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(width, 0), edit).width();
}

} // namespace

void WidgetWidths::fitFieldsToValues(QWidget *root)
{
    root->ensurePolished(); // the style sheet's font, not the default one
    for (QLineEdit *edit : root->findChildren<QLineEdit *>()) {
        if (edit->isEnabled() && !edit->isReadOnly())
            continue;
        fitFieldToValue(edit);
    }
}

void WidgetWidths::fitFieldToValue(QLineEdit *edit)
{
    edit->ensurePolished();
    const int needed = widthForValue(edit);
    if (needed > edit->minimumWidth())
        edit->setMinimumWidth(needed);
}

void WidgetWidths::fitTableToColumns(QTableView *table)
{
    table->ensurePolished();
    const QHeaderView *header = table->horizontalHeader();
    const QAbstractItemView *view = table; // the table's own column hint, public through its base
    int width = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    if (!table->verticalHeader()->isHidden())
        width += table->verticalHeader()->sizeHint().width();
    // stretched sections share the room equally: each needs as much as the widest of them
    int stretched = 0;
    int widestStretched = 0;
    for (int column = 0; column < header->count(); ++column) {
        if (table->isColumnHidden(column))
            continue;
        const int needed = std::max(header->sectionSizeHint(column), view->sizeHintForColumn(column));
        if (header->sectionResizeMode(column) == QHeaderView::Stretch) {
            ++stretched;
            widestStretched = std::max(widestStretched, needed);
        } else {
            width += needed;
        }
    }
    width += stretched * widestStretched;
    table->setMinimumWidth(std::max(table->minimumWidth(), width));
}
