#pragma once

class QLineEdit;
class QTableView;
class QWidget;

// Room for what a window shows where its form's sizes are too small for the theme's font or a
// translation: the window grows, the text is never cut.
namespace WidgetWidths
{

// The style option the widget paints itself with: its own protected initStyleOption, named through a
// subclass (a pointer to the base's member may be formed there and used on any widget of that class).
template<typename Widget, typename Option>
Option styleOption(const Widget *widget)
{
    struct Access : Widget {
        static auto init() { return &Access::initStyleOption; }
    };
    Option option;
    (widget->*Access::init())(&option);
    return option;
}

// Every read-only or disabled line edit under root becomes at least as wide as its whole value needs.
// Only ever widens, so a value refreshed every second requests a new layout only when it grows.
void fitFieldsToValues(QWidget *root);

// The field becomes at least as wide as its whole value needs, editable or not.
void fitFieldToValue(QLineEdit *edit);

// The table becomes at least as wide as its visible columns, each as wide as its title and its cells
// need, with its frame and vertical scroll bar: no column is cut or scrolled out of view.
void fitTableToColumns(QTableView *table);

} // namespace WidgetWidths
