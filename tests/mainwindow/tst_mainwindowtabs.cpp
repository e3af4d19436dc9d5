// Saved races opened from the File menu as tabs beside the live view: the tab follows the window's mode
// and closes (the live view never does); a file that is not whole opens nothing and a box says why.
#include <memory>

#include <QFile>
#include <QFileDialog>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
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

// Five lanes with reactions, a DNS lane and a lane whose block sent nothing.
QByteArray raceBytes()
{
    QList<LaneReport> lanes;
    for (int number = 1; number <= 7; ++number) {
        LaneReport report;
        report.block.lane = quint8(number);
        report.block.participation = number == 4 ? ParticipationDns : ParticipationActive;
        if (number != 6) {
            GraphItems::Reaction graph;
            graph.values = GraphItems::flat(20, graph.offset);
            report.block.graphItems = GraphItems::reaction(graph);
            report.reactionTime = quint16(100 + number);
        }
        lanes << report;
    }
    return GraphItems::raceFile(lanes);
}

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
    void refusedFileSaysWhichAndWhy_data();
    void refusedFileSaysWhichAndWhy();

private:
    QString saved(const QByteArray &bytes, const QString &name)
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName()
                                                                                    : QString();
    }

    QTemporaryDir dir;
    MainWindow *window = nullptr;
    QTabWidget *tabs = nullptr;
};

void TstMainWindowTabs::openedFileIsATabUntilClosed()
{
    const QString path = saved(raceBytes(), "race_3_h1_s1_01-06-2024_10-00-00.vq2");
    chooseFile(this, path);
    window->findChild<QAction *>("action_Open")->trigger();

    QCOMPARE(tabs->count(), 2);
    QPointer<OpenTabWidget> tab = window->currentMeasurementTab();
    QVERIFY(tab && window->measurementTabs() == QList<OpenTabWidget *>{tab});
    QCOMPARE(tabs->tabText(1), QString("race_3_h1_s1_01-06-2024_10-00-00"));
    QCOMPARE(tab->laneRows().size(), 7);
    QuellorApp::Instance()->SyncSettings();
    QCOMPARE(AppTestEnvironment::fileEntries().value("General/open_path"), dir.path());

    window->OnToggleApplicationMode(ModeAdministratorFull);
    QCOMPARE(tab->applicationMode(), ModeAdministratorFull);

    // the live view stays, wherever the tabs were moved
    tabs->tabBar()->moveTab(0, 1);
    window->OnTabCloseRequested(1);
    QCOMPARE(tabs->count(), 2);
    window->OnTabCloseRequested(0);
    QCOMPARE(tabs->count(), 1);
    QVERIFY(window->measurementTabs().isEmpty());
    QTRY_VERIFY(!tab);
}

void TstMainWindowTabs::refusedFileSaysWhichAndWhy_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QByteArray good = raceBytes();
    QByteArray hugeHeader = good;
    hugeHeader.replace(6, 4, QByteArray::fromHex("ffffffff"));

    QTest::newRow("other file") << QByteArray("PK\x03\x04") + good << "%1 is not a valid measurement file";
    QTest::newRow("cut file") << good.left(good.size() / 2)
                              << "%1 was not opened: the record of start block 4 is cut short or damaged.";
    QTest::newRow("huge length") << hugeHeader
                                 << "%1 was not opened: the race header is cut short or damaged.";
}

void TstMainWindowTabs::refusedFileSaysWhichAndWhy()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const QString path = saved(bytes, "race.vq1");
    ModalAnswerer answerer;
    answerer.answer(QDialogButtonBox::Ok);
    QVERIFY(!window->OpenMeasurementFile(path));
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.at(0).title, QString("Open measurement"));
    QCOMPARE(answerer.seen.at(0).text, text.arg(path));
    QCOMPARE(tabs->count(), 1);
    QVERIFY(window->measurementTabs().isEmpty());
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
