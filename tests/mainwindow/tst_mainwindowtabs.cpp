// Saved races opened from the File menu as tabs beside the live view: the tab follows the window's mode
// and closes (the live view never does); a file that is not whole opens nothing and a box says why.
#include <memory>
#include <utility>

#include <QFileDialog>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "../common/modalanswerer.h"
#include "../core/apptestenvironment.h"
#include "../views/graphrace.h"
#include "core/quellorapp.h"
#include "mainwindow/mainwindow.h"
#include "testnetwork.h"
#include "views/opentabwidget.h"

namespace
{

// Picks the file in the next file dialog.
void chooseFile(QObject *context, const QString &path)
{
    QTimer::singleShot(10, context, [context, path] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return chooseFile(context, path);
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept(); // the dialog takes the selected file
    });
}

} // namespace

class TstMainWindowTabs : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QUELLOR_REQUIRE_ISOLATED_NETWORK();
        window = MainWindow::instance();
        tabs = window->findChild<QTabWidget *>("tabCentral");
    }
    void cleanup()
    {
        delete window; // the accessor forgets it
        window = nullptr;
    }

    void openedFileIsATabUntilClosed();

private:
    QTemporaryDir dir;
    MainWindow *window = nullptr;
    QTabWidget *tabs = nullptr;
};

void TstMainWindowTabs::openedFileIsATabUntilClosed()
{
    const QByteArray race = GraphItems::raceFile(GraphItems::tenLaneRace());
    chooseFile(this, GraphItems::savedFile(dir, "race_3_h1_s1_01-06-2024_10-00-00.vq2", race));
    window->findChild<QAction *>("action_Open")->trigger();

    QCOMPARE(tabs->count(), 2);
    QPointer<OpenTabWidget> tab = window->currentMeasurementTab();
    QVERIFY(tab && window->measurementTabs() == QList<OpenTabWidget *>{tab});
    QCOMPARE(tabs->tabText(1), QString("race_3_h1_s1_01-06-2024_10-00-00"));
    QuellorApp::Instance()->SyncSettings();
    QCOMPARE(AppTestEnvironment::fileEntries().value("General/open_path"), dir.path());

    window->OnToggleApplicationMode(ModeAdministratorFull);
    QCOMPARE(tab->applicationMode(), ModeAdministratorFull);

    // the tab keeps its own lane selection; the live view's stays as it was
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Down})
        QTest::keyClick(window, key);
    QCOMPARE(tab->selectedLane(), quint8(1));
    QCOMPARE(window->selectedLane(), MainWindow::kNoLaneSelected);

    // the live view stays, wherever the tabs were moved
    tabs->tabBar()->moveTab(0, 1);
    ModalAnswerer refusal;
    refusal.answer(QDialogButtonBox::Ok);
    window->OnTabCloseRequested(1);
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(refusal.seen.size(), 1);
    QCOMPARE(refusal.seen[0].text, QString("You can't close the live view."));
    window->OnTabCloseRequested(0);
    QCOMPARE(tabs->count(), 1);
    QVERIFY(window->measurementTabs().isEmpty());
    QTRY_VERIFY(!tab);

    // a file that is not one, or not whole, opens nothing and says which and why
    const QList<std::pair<QByteArray, QString>> refused = {
        {QByteArray("PK\x03\x04") + race, "%1 is not a valid measurement file"},
        {race.chopped(5), "%1 was not opened: the record of start block 9 is cut short or damaged."}};
    for (const auto &[bytes, text] : refused) {
        const QString path = GraphItems::savedFile(dir, "race.vq1", bytes);
        ModalAnswerer answerer;
        answerer.answer(QDialogButtonBox::Ok);
        QVERIFY(!window->OpenMeasurementFile(path));
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.at(0).title, QString("Open measurement"));
        QCOMPARE(answerer.seen.at(0).text, text.arg(path));
        QCOMPARE(tabs->count(), 1);
    }
}

int main(int argc, char **argv)
{
    AppTestEnvironment environment;
    if (!environment.isValid())
        return 1;
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    TstMainWindowTabs tabs;
    return QTest::qExec(&tabs, argc, argv);
}

#include "tst_mainwindowtabs.moc"
