// The lanes of the chosen set in the main window: rows in lane order with placeholders for empty lanes,
// the devices registered with the serial object, and a rebuild that leaves nothing of the old set behind.
#include <memory>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QVBoxLayout>

#include "../common/modalanswerer.h"
#include "../core/apptestenvironment.h"
#include "../dialogs/dialogtestkit.h"
#include "../devices/serialtestkit.h"
#include "../devices/testbytes.h"
#include "core/quellorapp.h"
#include "devices/cserialcomthread.h"
#include "dialogs/busyindicatordlg.h"
#include "dialogs/startblockscommonsettingsdlg.h"
#include "mainwindow/mainwindow.h"
#include "outputs/startgatewayservice.h"
#include "testnetwork.h"
#include "views/coordinatormeasurementwidget.h"
#include "views/startblockmeasurementwidget.h"
#include "views/startblockslayoutwidget.h"

namespace
{

using Row = StartBlockMeasurementWidget;

QString macOf(int lane)
{
    return QStringLiteral("15:8d:00:00:00:%1").arg(lane, 2, 10, QLatin1Char('0'));
}

std::unique_ptr<StartBlockSetGroup> makeSet(bool withCoordinator, const QList<int> &lanes)
{
    auto set = std::make_unique<StartBlockSetGroup>();
    if (withCoordinator) {
        set->coordinator = std::make_unique<CCoordinator>();
        set->coordinator->SetMacAddress(QStringLiteral("15:8d:00:00:00:c0"));
    }
    for (const int lane : lanes) {
        auto block = std::make_unique<CStartBlock>();
        block->setLane(quint8(lane));
        block->SetMacAddress(macOf(lane));
        set->blocks.push_back(std::move(block));
    }
    return set;
}

Row *rowAt(MainWindow *window, int position)
{
    QLayoutItem *item = window->laneLayoutWidget()->measurementsLayout()->itemAt(position);
    return item ? qobject_cast<Row *>(item->widget()) : nullptr;
}

} // namespace

class TstMainWindowLanes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup()
    {
        delete window; // the accessor forgets it
        window = nullptr;
    }

    void placeholdersFillTheEmptyLanes();
    void rebuildLeavesNothingOfTheOldSet();
    void keepingTheBlocksLaneRebuildsTheSet();
    void rowsOpenTheirDialogsAndStartsReachTheLan();
    void falseStartClearsTheDqLanesAtOnce();
    void commonSettingsNoticeFollowsTheLanguage();

private:
    QuellorApp &app() { return *QuellorApp::Instance(); }
    MainWindow *window = nullptr;
};

void TstMainWindowLanes::initTestCase()
{
    const auto a = makeSet(true, {2, 5});
    const auto b = makeSet(false, {1, 2});
    app().SaveStartBlockSets({"A", "B"}, {a.get(), b.get()});
}

void TstMainWindowLanes::init()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    ProjectSettings settings = app().projectSettings();
    settings.lastSet = "A";
    app().setProjectSettings(settings);
    window = MainWindow::instance();
}

void TstMainWindowLanes::placeholdersFillTheEmptyLanes()
{
    window->SetupStartBlockSet("A");
    QCOMPARE(window->laneLayoutWidget()->measurementsLayout()->count(), 5);
    for (int position = 0; position < 5; ++position) {
        const Row *row = rowAt(window, position);
        const bool placeholder = position != 1 && position != 4;
        QCOMPARE(row->DisplayedLane(), position + 1);
        QCOMPARE(row->startBlock() == nullptr, placeholder);
        QCOMPARE(row->participationStatusCombo()->isEnabled(), !placeholder);
        QCOMPARE(row->participationStatusCombo()->currentText(),
                 QString(placeholder ? "INACTIVE" : "ACTIVE"));
    }
    QCOMPARE(window->laneRows(), QList<Row *>({rowAt(window, 1), rowAt(window, 4)}));
    QCOMPARE(window->laneRows().at(1)->startBlock()->GetMacAddress(), macOf(5));
    QCOMPARE(window->serialComThread()->startBlockCount(), 2);
    QCOMPARE(window->serialComThread()->coordinator(), window->coordinator());
    QVERIFY(window->coordinatorRow() && window->coordinatorRow()->coordinator() == window->coordinator());
    QCOMPARE(window->findChild<QProgressBar *>("pgbResultsSaved")->maximum(), 2);

    // sorted by reaction time without graphs: the rows first, then the emptied lanes from the bottom up,
    // their status lists open; sorted by lane again: as built
    const auto shown = [this] {
        QStringList rows;
        for (int position = 0; position < 5; ++position) {
            const Row *row = rowAt(window, position);
            rows << QString::number(row->DisplayedLane()) + (row->startBlock() ? ""
                                                             : row->participationStatusCombo()->isEnabled()
                                                                 ? "o"
                                                                 : "x");
        }
        return rows.join(' ');
    };
    window->laneLayoutWidget()->reactionTimeHeaderButton()->click();
    QTRY_COMPARE(shown(), QString("2 5 4o 3o 1o"));
    window->laneLayoutWidget()->laneHeaderButton()->click();
    QTRY_COMPARE(shown(), QString("1x 2 3x 4x 5"));
    QCOMPARE(window->laneRows(), QList<Row *>({rowAt(window, 1), rowAt(window, 4)}));
}

void TstMainWindowLanes::rebuildLeavesNothingOfTheOldSet()
{
    window->SetupStartBlockSet("A");
    window->laneRows().at(1)->SetParticipationStatus(ParticipationInactive);
    QCOMPARE(window->serialComThread()->startBlockCount(), 1);
    QPointer<CStartBlock> oldBlock = window->startBlocks().at(0);
    QPointer<CCoordinator> oldCoordinator = window->coordinator();
    QPointer<Row> oldRow = window->laneRows().at(0);
    QPointer<Row> oldPlaceholder = rowAt(window, 0);
    QPointer<CoordinatorMeasurementWidget> oldCoordinatorRow = window->coordinatorRow();

    window->ClearStartBlockWidgets();
    QVERIFY(!oldBlock && !oldCoordinator);
    QCOMPARE(window->serialComThread()->startBlockCount() +
                 window->serialComThread()->inactiveStartBlockCount(),
             0);
    window->SetupStartBlockSet("A");
    QTRY_VERIFY(!oldRow && !oldPlaceholder && !oldCoordinatorRow);
    QCOMPARE(window->laneLayoutWidget()->measurementsLayout()->count(), 5);

    // the INACTIVE choice survives and keeps the block out of polling
    CStartBlock *lane5 = window->startBlocks().at(1);
    QCOMPARE(lane5->participationStatus(), int(ParticipationInactive));
    QCOMPARE(window->laneRows().at(1)->participationStatusCombo()->currentText(), QString("INACTIVE"));
    QCOMPARE(window->serialComThread()->startBlockCount(), 1);
    QCOMPARE(window->serialComThread()->startBlockAt(0), window->startBlocks().at(0));

    // the new devices reach the new rows
    CStartBlock *lane2 = window->startBlocks().at(0);
    QByteArray info = SerialTest::item16(3, 120);
    lane2->SetInfoFields(quint16(info.size()), data(info));
    lane2->measurement()->setReactionAccepted(true);
    QByteArray status = SerialTest::item16(4, 119);
    lane2->measurement()->SetStatusFields(quint16(status.size()), data(status));
    auto *time = window->laneRows().at(0)->findChild<QLabel *>("lblReactionTime");
    QCOMPARE(time->text(), QString("119ms"));
    QVERIFY(time->property("alarm").toBool());
    window->coordinator()->SetMeasurementsStatus(0);
    QVERIFY(
        !window->coordinatorRow()->findChild<QPushButton *>("btnMeasurementsStatus")->styleSheet().isEmpty());

    // one sort connection per header button, however often the lanes were built
    QPushButton *header = window->laneLayoutWidget()->laneHeaderButton();
    QVERIFY(disconnect(header, &QPushButton::clicked, window, &MainWindow::OnSortByLaneClicked));
    QVERIFY(!disconnect(header, &QPushButton::clicked, window, &MainWindow::OnSortByLaneClicked));

    window->ClearStartBlockWidgets();
    window->SetupStartBlockSet("B"); // without a coordinator
    QVERIFY(!window->coordinator() && !window->coordinatorRow() && !window->serialComThread()->coordinator());
    QCOMPARE(window->laneLayoutWidget()->measurementsLayout()->count(), 2);
}

void TstMainWindowLanes::keepingTheBlocksLaneRebuildsTheSet()
{
    window->SetupStartBlockSet("A");
    emit window->laneRows().at(0)->update_lane_in_set(macOf(2), 2, 3);
    QCOMPARE(window->laneLayoutWidget()->measurementsLayout()->count(), 5);
    QCOMPARE(window->laneRows().at(0)->startBlock()->lane(), quint8(3));
    QCOMPARE(rowAt(window, 2), window->laneRows().at(0));
    QVERIFY(!rowAt(window, 1)->startBlock());
    emit window->laneRows().at(0)->update_lane_in_set(macOf(2), 3, 2); // and back, for the other tests
}

void TstMainWindowLanes::rowsOpenTheirDialogsAndStartsReachTheLan()
{
    window->SetupStartBlockSet("A");
    window->ClearStartBlockWidgets();
    window->SetupStartBlockSet("A");
    window->OnToggleApplicationMode(ModeAdministrator); // the info buttons are an administrator's

    ModalAnswerer answerer;
    answerer.answer(QDialogButtonBox::Cancel);
    window->laneRows().at(0)->findChild<QPushButton *>("btnInfo")->click();
    answerer.answer(QDialogButtonBox::Cancel);
    window->coordinatorRow()->findChild<QPushButton *>("btnInfo")->click();
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.seen.size(), 2);
    QCOMPARE(answerer.seen.at(0).title, QString("Starting Block Info"));
    QCOMPARE(answerer.seen.at(1).title, QString("Dialog"));

    // a start of the set's coordinator reaches the gateway; the gateway's requests reach the link once,
    // however often the lanes were built
    StartGatewayService *gateway = window->startGateway();
    const int starts = gateway->startCount();
    const unsigned char record[HX_GPS_TIME::kSize] = {1, 0, 0, 0, 0x65, 0x53, 0xf1, 0x00, 0, 0, 0, 5};
    emit window->coordinator()->new_start_time(HX_GPS_TIME::fromBytes(record));
    QCOMPARE(gateway->startCount(), starts + 1);
    CSerialComThread *serial = window->serialComThread();
    QVERIFY(disconnect(gateway, &StartGatewayService::send_starttime_request, serial,
                       &CSerialComThread::OnStartTimeRequestCoordinator));
    QVERIFY(!disconnect(gateway, &StartGatewayService::send_starttime_request, serial,
                        &CSerialComThread::OnStartTimeRequestCoordinator));
    QVERIFY(disconnect(gateway, &StartGatewayService::new_orvane_alert, serial,
                       &CSerialComThread::OnNewOrvaneAlert));
}

// After a false start the next Ready takes the reactions of the lanes set to DQ: their rows show none at
// once, before any block answers again. The race is readied and started on a pseudo-terminal, as a
// coordinator would report its start; a Ready without a start closes no race.
void TstMainWindowLanes::falseStartClearsTheDqLanesAtOnce()
{
    window->SetupStartBlockSet("A");
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0);
    const auto closeMaster = qScopeGuard([master] { ::close(master); });
    QVERIFY(grantpt(master) == 0 && unlockpt(master) == 0);
    CSerialComThread *serial = window->serialComThread();
    serial->OpenPort(QString::fromLocal8Bit(ptsname(master)), CSerialComThread::kBaudWired);
    window->on_btnReady_clicked(false);
    QCOMPARE(window->findChild<QLineEdit *>("txtStartInfo")->text(), QString("1"));
    const QByteArray start = SerialTest::frame(window->coordinator()->macBytes(), 0, 0x0B, SerialTest::item8(1, 1));
    QCOMPARE(::write(master, start.constData(), size_t(start.size())), ssize_t(start.size()));
    QTRY_VERIFY(serial->raceRun() && serial->raceRun()->hasStarted());

    const QList<int> reactions{119, 150}; // the first lane false-starts against the limit of 120
    for (int i = 0; i < 2; ++i) {
        CStartBlock *block = window->startBlocks().at(i);
        QByteArray info = SerialTest::item16(3, 120);
        block->SetInfoFields(quint16(info.size()), data(info));
        block->measurement()->setReactionAccepted(true);
        QByteArray status = SerialTest::item16(4, quint16(reactions[i]));
        block->measurement()->SetStatusFields(quint16(status.size()), data(status));
    }
    window->laneRows().at(1)->SetParticipationStatus(ParticipationDq);
    const auto shown = [this] {
        QStringList texts;
        for (const Row *row : window->laneRows())
            texts << row->findChild<QLabel *>("lblReactionTime")->text();
        return texts.join('|');
    };
    QCOMPARE(shown(), QString("119ms|150ms"));
    window->on_btnReady_clicked(false);
    QCOMPARE(window->findChild<QLineEdit *>("txtStartInfo")->text(), QString("2")); // a false start
    QCOMPARE(window->startBlocks().at(1)->participationStatus(), int(ParticipationDq));
    QCOMPARE(shown().section('|', 1), QString());
}

// No device has answered, so no waiting status of the window's own: the notice is the settings dialog's,
// and a language change relabels it as it does the window's.
void TstMainWindowLanes::commonSettingsNoticeFollowsTheLanguage()
{
    window->SetupStartBlockSet("B");
    window->OnToggleApplicationMode(ModeAdministrator);
    ModalAnswerer answerer;
    whenModal<StartBlocksCommonSettingsDlg>(this, [&answerer](StartBlocksCommonSettingsDlg *dialog) {
        answerer.answer(QDialogButtonBox::Yes);
        dialog->findChild<QPushButton *>("btnOK")->click();
    });
    window->findChild<QPushButton *>("btnSettings")->click();
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].title, QString("Change setting of startblocks"));
    QVERIFY(window->busyIndicator() && window->busyNotice().isEmpty());
    const char *busy = "BUSY, wait until all settings are distributed.";
    QStringList shown;
    for (const char *language : {"", "de_Deutsch", "nl_Nederlands", "en_English"}) {
        window->LoadLanguage(language);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(window->busyIndicator()->text(), QCoreApplication::translate("globals", busy));
        shown << window->busyIndicator()->text();
    }
    // a translation of its own in each language, and back in English
    QCOMPARE(QSet<QString>(shown.cbegin(), shown.cend()).size(), 3);
    QCOMPARE(shown.last(), QString(busy));
}

int main(int argc, char **argv)
{
    AppTestEnvironment environment;
    if (!environment.isValid())
        return 1;
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    TstMainWindowLanes lanes;
    return QTest::qExec(&lanes, argc, argv);
}

#include "tst_mainwindowlanes.moc"
