#include "views/elidinglabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QResizeEvent>

ElidingLabel::ElidingLabel(QWidget *parent) : QLabel(parent) {}

void ElidingLabel::setFullText(const QString &text)
{
    m_fullText = text;
    updateGeometry();
    elide();
}

QSize ElidingLabel::minimumSizeHint() const
{
    // as narrow as "…": the layout shrinks this label before any other
    const QSize hint = QLabel::minimumSizeHint();
    const int ellipsis = fontMetrics().horizontalAdvance(QStringLiteral("\u2026"));
    return {ellipsis + 2 * margin() + contentsMargins().left() + contentsMargins().right(), hint.height()};
}

void ElidingLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    elide();
}

void ElidingLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        elide();
}

void ElidingLabel::elide()
{
    const int room = contentsRect().width() - 2 * margin();
    const QString shown = fontMetrics().elidedText(m_fullText, Qt::ElideRight, qMax(room, 0));
    if (shown != text())
        setText(shown);
    setToolTip(shown == m_fullText ? QString() : m_fullText);
}
