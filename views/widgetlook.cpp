#include "views/widgetlook.h"

#include <QLabel>
#include <QPixmap>
#include <QStyle>
#include <QVariant>

namespace WidgetLook
{

bool setStyleSheet(QWidget *widget, const QString &styleSheet)
{
    if (widget->styleSheet() == styleSheet)
        return false;
    widget->setStyleSheet(styleSheet);
    return true;
}

bool setStyleProperty(QWidget *widget, const char *name, const QVariant &value)
{
    if (widget->property(name) == value)
        return false;
    widget->setProperty(name, value);
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
    return true;
}

bool setPixmap(QLabel *label, const QPixmap &pixmap)
{
    if (label->pixmap().cacheKey() == pixmap.cacheKey() && label->text().isEmpty())
        return false;
    label->setPixmap(pixmap);
    return true;
}

bool clear(QLabel *label)
{
    if (label->pixmap().isNull() && label->text().isEmpty())
        return false;
    label->clear();
    return true;
}

} // namespace WidgetLook
