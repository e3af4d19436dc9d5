// Saved races opened again as read-only tabs beside the live view: the Open action, the check of the
// file's magic, the tab's creation and its closing.
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "core/quellorapp.h"
#include "core/sharedconstants.h"
#include "devices/measurementfile.h"
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "views/opentabwidget.h"

namespace
{

constexpr qint64 kMagicCheckLength = 4;

} // namespace

void MainWindow::on_action_Open_triggered()
{
    // the results folder until a file was opened from elsewhere
    const QString folder = m_settings.openPath.isEmpty() ? m_settings.resultsDir : m_settings.openPath;
    const QString filter =
        tr("QLR measurements (*.%1").arg(QLatin1String(SharedConstants::kExtensionReactionFile)) +
        QStringLiteral(" *.%1)").arg(QLatin1String(SharedConstants::kExtensionSoundFile));
    const QString path = QFileDialog::getOpenFileName(this, tr("Open measurement"), folder, filter);
    if (path.isEmpty())
        return;
    storeFolder(SettingsKeys::kOpenPath, m_settings.openPath, path);
    OpenMeasurementFile(path);
}

OpenTabWidget *MainWindow::OpenMeasurementFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !MeasurementFile::hasMagic(file.read(kMagicCheckLength))) {
        QMessageBox::warning(this, tr("Open measurement"),
                             tr("%1 is not a valid measurement file").arg(path));
        return nullptr;
    }
    file.close();
    QString reason;
    OpenTabWidget *tab = OpenTabWidget::open(this, ui->tabCentral, path, m_mode, reason);
    if (!tab) {
        QMessageBox::warning(this, tr("Open measurement"), tr("%1 was not opened: %2.").arg(path, reason));
        return nullptr;
    }
    tab->installEventFilter(m_keyFilter);
    connect(this, &MainWindow::toggle_application_mode, tab, &OpenTabWidget::OnToggleApplicationModeWidgets);
    ui->tabCentral->addTab(tab, tab->baseName());
    ui->tabCentral->setCurrentWidget(tab);
    return tab;
}

QList<OpenTabWidget *> MainWindow::measurementTabs() const
{
    QList<OpenTabWidget *> tabs;
    for (int index = 0; index < ui->tabCentral->count(); ++index) {
        if (auto *tab = qobject_cast<OpenTabWidget *>(ui->tabCentral->widget(index)))
            tabs << tab;
    }
    return tabs;
}

OpenTabWidget *MainWindow::currentMeasurementTab() const
{
    return qobject_cast<OpenTabWidget *>(ui->tabCentral->currentWidget());
}
