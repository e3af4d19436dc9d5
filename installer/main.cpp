#include <QApplication>

#include "installer/qlrinstallerdialog.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLRInstallerDialog dialog;
    dialog.setAppDir(QCoreApplication::applicationDirPath());
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog.show();
    return app.exec();
}
