#pragma once

#include <QString>

class QLabel;
class QPixmap;
class QVariant;
class QWidget;

// Changes to what a widget shows that leave it alone when it already shows that. Setting an equal style
// sheet, picture or style property still re-polishes the widget and asks its layout again, and a tab page
// answers that by repainting all of itself; status replies that change nothing must cost no paint. Each
// returns true when it changed the widget.
namespace WidgetLook
{

bool setStyleSheet(QWidget *widget, const QString &styleSheet);
// A dynamic property that the style sheets select on ("alarm", "mismatch"); the widget is re-polished
// so that its sheet takes the new value.
bool setStyleProperty(QWidget *widget, const char *name, const QVariant &value);
// Pictures are told apart by their cache key, which a picture loaded again from the same resource keeps.
bool setPixmap(QLabel *label, const QPixmap &pixmap);
// No picture and no text.
bool clear(QLabel *label);

} // namespace WidgetLook
