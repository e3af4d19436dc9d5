#include "mainwindow/programstartup.h"

#include <QApplication>
#include <QIcon>

#include "core/quellorapp.h"
#include "core/sharedconstants.h"
#include "dialogs/projectsettingsdlg.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/projectsettingsstore.h"
#include "outputs/serialprinterthread.h"
#include "views/palettesharingstyle.h"

namespace ProgramStartup
{

namespace
{

constexpr char kOrganisation[] = "Halvexa";
constexpr char kOrganisationDomain[] = "halvexa.com";
constexpr char kFallbackIconTheme[] = "silk"; // carried in the program's resources
constexpr int kFollowScreenOrientation = 2;

void setLook()
{
    if (!QIcon::hasThemeIcon(QStringLiteral("document-open")))
        QIcon::setThemeName(QLatin1String(kFallbackIconTheme));
    QApplication::setStyle(new PaletteSharingStyle); // Fusion
    // the settings store keeps the names it was opened with
    QCoreApplication::setOrganizationName(QLatin1String(kOrganisation));
    QCoreApplication::setOrganizationDomain(QLatin1String(kOrganisationDomain));
    QCoreApplication::setApplicationName(QLatin1String(SharedConstants::kWindowTitle));
}

void fillDialog(ProjectSettingsDlg &dialog, QuellorApp &app, MainWindow &window)
{
    dialog.SetSerialComThread(window.serialComThread());
    dialog.SetSerialPrinterThread(window.serialPrinterThread());
    app.LoadSettings();
    dialog.SetSettings(app.projectSettings());
    app.LoadStartBlockSettings();
    dialog.SetStartBlockCommonSettings(app.startBlockCommonSettings());
}

} // namespace

int run(int &argc, char **argv)
{
    QuellorApp *app = QuellorApp::Create(argc, argv);
    MainWindow *window = MainWindow::instance();
    app->LoadSettings();
    window->LoadLanguage(app->projectSettings().language);

    ProjectSettingsDlg dialog(window);
    setLook();
    fillDialog(dialog, *app, *window);
    if (dialog.exec() != QDialog::Accepted)
        return -1;

    ProjectSettingsStore::storeAtStartUp(*app, dialog.projectSettings(), dialog.startBlockCommonSettings());
    window->ApplyProjectSettings(dialog.setsModified(), true);
    window->ApplyOrientation(kFollowScreenOrientation);
    window->showMaximized();
    return QApplication::exec();
}

} // namespace ProgramStartup
