#pragma once

#include <cmath>

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>
#include <QTableView>
#include <QTextDocument>
#include <QWidget>

#include "dialogs/widgetwidths.h"
#include "views/notelabel.h"

// Finds the texts that a window shows cut off: every visible label, button, read-only (or disabled) field,
// combo box entry and header section of the window (not of other windows inside it) is measured in the
// widget's own font against the room its style gives the text; a note label may end in "…" where its room
// ends. Each cut text is described as "path 'text': needs N px, has M px".
namespace TextFit
{

inline int widthOf(const QFont &font, const QString &text, int flags = 0)
{
    return int(std::ceil(QFontMetricsF(font).size(flags, text).width()));
}

inline QString pathOf(const QWidget *widget)
{
    QStringList names;
    for (const QWidget *w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            names.prepend(w->objectName());
    }
    return names.isEmpty() ? QLatin1String(widget->metaObject()->className()) : names.join(QLatin1Char('/'));
}

struct Checker {
    QStringList cuts;

    void expect(const QWidget *widget, const QString &text, int needed, int available)
    {
        if (needed > available)
            cuts << QStringLiteral("%1 '%2': needs %3 px, has %4 px")
                        .arg(pathOf(widget), text)
                        .arg(needed)
                        .arg(available);
    }

    void label(const QLabel *label)
    {
        if (label->text().isEmpty() || label->wordWrap() || !label->pixmap().isNull())
            return;
        QString text = label->text();
        const bool rich = label->textFormat() == Qt::RichText ||
                          (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
        if (rich) {
            QTextDocument document;
            document.setHtml(text);
            text = document.toPlainText();
        }
        const int flags = label->buddy() ? Qt::TextShowMnemonic : 0;
        const int margins = 2 * label->margin() + std::max(label->indent(), 0);
        expect(label, text, widthOf(label->font(), text, flags), label->contentsRect().width() - margins);
    }

    // A note may be cut where its room ends, but then visibly: its start and "…", within its room.
    void note(const NoteLabel *note)
    {
        const QString shown = note->shownText();
        if (shown != note->text() &&
            (!shown.endsWith(QChar(0x2026)) || !note->text().startsWith(shown.chopped(1))))
            cuts << QStringLiteral("%1 '%2': cut without an ellipsis as '%3'")
                        .arg(pathOf(note), note->text(), shown);
        expect(note, shown, widthOf(note->font(), shown), note->contentsRect().width() - 2 * note->margin());
    }

    // Every cell of a table shows its whole text inside the view, as the item delegate draws it.
    void cells(const QTableView *view)
    {
        const QAbstractItemModel *model = view->model();
        const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        for (int row = 0; model && row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                const QString text = index.data().toString();
                const QRect cell = view->visualRect(index);
                expect(view, text, widthOf(view->font(), text) + 2 * margin, cell.width());
                if (cell.left() < 0 || cell.right() >= view->viewport()->width())
                    cuts << QStringLiteral("%1 '%2': the cell is outside the view").arg(pathOf(view), text);
            }
        }
    }

    void button(const QAbstractButton *button)
    {
        if (button->text().isEmpty())
            return;
        QStyleOptionButton option;
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        if (const auto *check = qobject_cast<const QCheckBox *>(button)) {
            option = WidgetWidths::styleOption<QCheckBox, QStyleOptionButton>(check);
            contents = QStyle::SE_CheckBoxContents;
        } else if (const auto *radio = qobject_cast<const QRadioButton *>(button)) {
            option = WidgetWidths::styleOption<QRadioButton, QStyleOptionButton>(radio);
            contents = QStyle::SE_RadioButtonContents;
        } else if (const auto *push = qobject_cast<const QPushButton *>(button)) {
            option = WidgetWidths::styleOption<QPushButton, QStyleOptionButton>(push);
        } else {
            return;
        }
        const QRect room = button->style()->subElementRect(contents, &option, button);
        constexpr int kIconSpacing = 4; // between a button's icon and its text
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + kIconSpacing;
        expect(button, button->text(), widthOf(button->font(), button->text(), Qt::TextShowMnemonic) + icon,
               room.width());
    }

    // A field the operator cannot scroll through: it must show its whole value.
    void field(const QLineEdit *edit)
    {
        if ((!edit->isReadOnly() && edit->isEnabled()) || edit->displayText().isEmpty())
            return;
        const auto option = WidgetWidths::styleOption<QLineEdit, QStyleOptionFrame>(edit);
        const QRect room = edit->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                               .marginsRemoved(edit->textMargins());
        constexpr int kLineEditMargins = 2 * 2 + 1; // the edit's own margins and its cursor
        expect(edit, edit->displayText(), widthOf(edit->font(), edit->displayText()),
               room.width() - kLineEditMargins);
    }

    // Every entry, as each may be the one shown.
    void combo(const QComboBox *combo)
    {
        if (combo->isEditable())
            return; // its line edit is a field of its own
        const auto option = WidgetWidths::styleOption<QComboBox, QStyleOptionComboBox>(combo);
        const QRect room =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        for (int i = 0; i < combo->count(); ++i) {
            constexpr int kLabelMargins = 2; // the style draws the text one pixel in from each side
            const int icon = combo->itemIcon(i).isNull() ? 0 : combo->iconSize().width() + 4;
            expect(combo, combo->itemText(i), widthOf(combo->font(), combo->itemText(i)) + icon,
                   room.width() - kLabelMargins);
        }
    }

    // Each visible section holds its title and lies inside the view, not scrolled out of it.
    void header(const QHeaderView *header)
    {
        if (header->orientation() != Qt::Horizontal || !header->model())
            return;
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int section = 0; section < header->count(); ++section) {
            if (header->isSectionHidden(section))
                continue;
            const QString title = header->model()->headerData(section, Qt::Horizontal).toString();
            int needed = widthOf(header->font(), title) + 2 * margin;
            if (header->isSortIndicatorShown() && header->sortIndicatorSection() == section)
                needed += header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) + margin;
            expect(header, title, needed, header->sectionSize(section));
            const int position = header->sectionViewportPosition(section);
            if (position < 0 || position + header->sectionSize(section) > header->viewport()->width())
                cuts << QStringLiteral("%1 '%2': the section is outside the view").arg(pathOf(header), title);
        }
    }

    void widget(const QWidget *widget)
    {
        if (const auto *n = qobject_cast<const NoteLabel *>(widget))
            note(n);
        else if (const auto *l = qobject_cast<const QLabel *>(widget))
            label(l);
        else if (const auto *b = qobject_cast<const QAbstractButton *>(widget))
            button(b);
        else if (const auto *e = qobject_cast<const QLineEdit *>(widget))
            field(e);
        else if (const auto *c = qobject_cast<const QComboBox *>(widget))
            combo(c);
        else if (const auto *h = qobject_cast<const QHeaderView *>(widget))
            header(h);
    }
};

inline QStringList cutTexts(const QWidget *window)
{
    Checker checker;
    checker.widget(window);
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->isVisible() && widget->window() == window)
            checker.widget(widget);
    }
    return checker.cuts;
}

} // namespace TextFit
