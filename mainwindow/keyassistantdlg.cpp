#include "mainwindow/keyassistantdlg.h"

#include <QEvent>

#include "dialogs/widgetwidths.h"
#include "ui_keyassistantdlg.h"

KeyAssistantDlg::KeyAssistantDlg(QWidget *parent, int level)
    : QDialog(parent), ui(std::make_unique<Ui::KeyAssistantDlg>())
{
    ui->setupUi(this);
    m_proxy.setDynamicSortFilter(true);
    m_proxy.setSourceModel(&m_model);
    ui->tblKeyAssistant->setModel(&m_proxy);
    SetLevel(level);
    ui->tblKeyAssistant->sortByColumn(KeyAssistantTableModel::ColumnShortcut, Qt::AscendingOrder);
    for (int column = 0; column < m_model.columnCount(); ++column)
        ui->tblKeyAssistant->setColumnHidden(column, KeyAssistantTableModel::IsColumnHidden(column));
    ensurePolished(); // the columns fit the style sheet's font
    ui->tblKeyAssistant->resizeColumnsToContents();
    // wider than the form where the theme's font or a translation needs it, so the shortcuts stay in view
    WidgetWidths::fitTableToColumns(ui->tblKeyAssistant);
    resize(size().expandedTo(minimumSizeHint()));
    if (parent)
        move(0, parent->height() - height());
}

KeyAssistantDlg::~KeyAssistantDlg()
{
    // the view goes with the form's widgets, after the models it shows: let it forget them first
    ui->tblKeyAssistant->setModel(nullptr);
}

void KeyAssistantDlg::SetLevel(int level)
{
    m_proxy.setLevel(level);
    m_proxy.refilter();
}

QTableView *KeyAssistantDlg::table() const
{
    return ui->tblKeyAssistant;
}

void KeyAssistantDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setWindowTitle(tr("Dialog"));
    QDialog::changeEvent(event);
}
