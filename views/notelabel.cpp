#include "views/notelabel.h"

#include <algorithm>

#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace
{

const QString kEllipsis = QStringLiteral("\u2026");

} // namespace

NoteLabel::NoteLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

QString NoteLabel::shownText() const
{
    const int room = contentsRect().width() - 2 * margin();
    return fontMetrics().elidedText(text(), Qt::ElideRight, std::max(room, 0));
}

QSize NoteLabel::minimumSizeHint() const
{
    // as narrow as "…": a long note never widens the window
    const QMargins frame = contentsMargins();
    return {fontMetrics().horizontalAdvance(kEllipsis) + 2 * margin() + frame.left() + frame.right(),
            QLabel::minimumSizeHint().height()};
}

bool NoteLabel::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip || !toolTip().isEmpty())
        return QLabel::event(event);
    // the note as it stands now: callers set the text alone
    if (shownText() == text()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
    }
    return true;
}

void NoteLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, room, int(QStyle::visualAlignment(layoutDirection(), alignment())),
                          palette(), isEnabled(), shownText(), foregroundRole());
}
