// The main window left alone with live lanes, fed by the device simulator: status replies that report what
// the rows already show restyle nothing and paint none of the live page, and a real change repaints the
// row it concerns and no other.
#include <algorithm>
#include <memory>

#include <QComboBox>
#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QPaintEvent>
#include <QPushButton>
#include <QTest>

#include "../core/apptestenvironment.h"
#include "core/quellorapp.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblockmeasurement.h"
#include "mainwindow/mainwindow.h"
#include "sim/devicesimulator.h"
#include "simwindow.h"
#include "testnetwork.h"
#include "views/coordinatormeasurementwidget.h"
#include "views/palettesharingstyle.h"
#include "views/startblockmeasurementwidget.h"

namespace
{

constexpr int kLanes = 4;
constexpr int kLiveMs = 30000;
constexpr int kRounds = 3;
constexpr int kRoundsMs = 20000;
constexpr quint8 kStatusReply = 0x05;
constexpr quint8 kStateItem = 1;
constexpr quint8 kBatteryItem = 2;
constexpr quint8 kReactionItem = 4;
constexpr quint8 kIdle = 1;
constexpr quint8 kLowBattery = 210; // a shorter green bar than the simulator's full battery
constexpr qint16 kReactionMs = 140;
constexpr int kChangedLane = 1; // index of the block whose state changes

// What happened to the widgets of the live page, by the row they belong to ("lane N", "coordinator") or
// "page" for anything else. A paint counts for the row whose area it lies in, whichever widget received
// it: a widget that is not opaque has the ones behind it paint that area too.
class PageEvents : public QObject
{
public:
    explicit PageEvents(QWidget *page) : m_page(page) { qApp->installEventFilter(this); }
    ~PageEvents() override { qApp->removeEventFilter(this); }

    void clear()
    {
        restyles.clear();
        paints.clear();
        comboPaints = 0;
    }
    QHash<QString, int> restyles; // style sheets, style properties, new layouts
    QHash<QString, int> paints;
    int comboPaints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        const bool restyle = type == QEvent::StyleChange || type == QEvent::DynamicPropertyChange ||
                             type == QEvent::LayoutRequest;
        if ((!restyle && type != QEvent::Paint) || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (widget != m_page && !m_page->isAncestorOf(widget))
            return false;
        if (restyle) {
            ++restyles[rowOf(widget)];
            return false;
        }
        const QRect area =
            static_cast<QPaintEvent *>(event)->rect().translated(widget->mapTo(m_page, QPoint()));
        ++paints[areaOwner(area)];
        if (qobject_cast<QComboBox *>(widget))
            ++comboPaints;
        return false;
    }

private:
    static QString nameOf(const QWidget *row)
    {
        if (const auto *lane = qobject_cast<const StartBlockMeasurementWidget *>(row))
            return QStringLiteral("lane %1").arg(lane->DisplayedLane());
        return QStringLiteral("coordinator");
    }
    static bool isRow(const QWidget *widget)
    {
        return qobject_cast<const StartBlockMeasurementWidget *>(widget) ||
               qobject_cast<const CoordinatorMeasurementWidget *>(widget);
    }

    QString rowOf(QWidget *widget) const
    {
        for (QWidget *w = widget; w && w != m_page; w = w->parentWidget()) {
            if (isRow(w))
                return nameOf(w);
        }
        return QStringLiteral("page");
    }

    QString areaOwner(const QRect &area) const
    {
        for (const QWidget *row : m_page->findChildren<QWidget *>()) {
            if (isRow(row) && row->isVisible() &&
                QRect(row->mapTo(m_page, QPoint()), row->size()).contains(area))
                return nameOf(row);
        }
        return QStringLiteral("page %1,%2 %3x%4")
            .arg(area.x())
            .arg(area.y())
            .arg(area.width())
            .arg(area.height());
    }

    QWidget *m_page;
};

QString listed(const QHash<QString, int> &counts)
{
    QStringList entries;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        entries << QStringLiteral("%1: %2").arg(it.key()).arg(it.value());
    entries.sort();
    return entries.join(QStringLiteral(", "));
}

} // namespace

class TstIdleWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void unchangedStatusRoundsRestyleAndPaintNothing();
    void aChangeRepaintsItsOwnRowOnly_data();
    void aChangeRepaintsItsOwnRowOnly();
    void statusPicturesFollowEveryChange();

private:
    // Until every device has answered its status request this many more times.
    bool waitForStatusRounds(int rounds);

    std::unique_ptr<DeviceSimulator> sim;
    std::unique_ptr<PageEvents> events;
    MainWindow *window = nullptr;
    QHash<QObject *, int> statusReplies;
};

void TstIdleWindow::init()
{
    QUELLOR_REQUIRE_ISOLATED_NETWORK();
    SimScenario scenario = SimScenario::standard(kLanes);
    scenario.autoStartDelayMs = -1;
    sim = std::make_unique<DeviceSimulator>(scenario);
    if (!sim->start())
        QSKIP("no pseudo-terminal");
    window = MainWindow::instance();
    attachSimulatorToWindow(window, *sim);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    statusReplies.clear();
    for (CStartBlockMeasurement *measurement : window->chosenSet().measurements())
        connect(measurement, &CStartBlockMeasurement::new_status_field, this,
                [this, measurement](uchar type) {
                    if (type == kStateItem)
                        ++statusReplies[measurement];
                });
    connect(window->coordinator(), &CCoordinator::new_status_field, this, [this](uchar type) {
        if (type == kStateItem)
            ++statusReplies[window->coordinator()];
    });
    // settings distributed, every block synchronised, every link known good: nothing more to show
    QTRY_VERIFY_WITH_TIMEOUT(window->busyNotice().isEmpty() && window->chosenSet().anyDeviceReachable(),
                             kLiveMs);
    const QList<CStartBlockMeasurement *> lanes = window->chosenSet().measurements();
    QTRY_VERIFY_WITH_TIMEOUT(
        std::all_of(lanes.cbegin(), lanes.cend(),
                    [](const CStartBlockMeasurement *m) { return m->linkState() == LinkGood; }),
        kLiveMs);
    QVERIFY(waitForStatusRounds(1));
    events = std::make_unique<PageEvents>(window->findChild<QWidget *>(QStringLiteral("tabLive")));
}

void TstIdleWindow::cleanup()
{
    events.reset();
    delete window;
    window = nullptr;
    sim.reset();
}

bool TstIdleWindow::waitForStatusRounds(int rounds)
{
    const QHash<QObject *, int> before = statusReplies;
    const int devices = kLanes + 1;
    return QTest::qWaitFor(
        [&] {
            if (statusReplies.size() < devices)
                return false;
            for (auto it = statusReplies.cbegin(); it != statusReplies.cend(); ++it) {
                if (it.value() - before.value(it.key()) < rounds)
                    return false;
            }
            return true;
        },
        kRoundsMs);
}

void TstIdleWindow::unchangedStatusRoundsRestyleAndPaintNothing()
{
    events->clear();
    QVERIFY(waitForStatusRounds(kRounds));
    QVERIFY2(events->restyles.isEmpty(), qPrintable(listed(events->restyles)));
    QCOMPARE(events->comboPaints, 0);
    // the clock of the coordinator row (its GPS time) repaints each second, nothing else does
    QHash<QString, int> paints = events->paints;
    paints.remove(QStringLiteral("coordinator"));
    QVERIFY2(paints.isEmpty(), qPrintable(listed(events->paints)));
}

void TstIdleWindow::aChangeRepaintsItsOwnRowOnly_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("battery level") << "battery";
    QTest::newRow("link lost") << "link";
    QTest::newRow("reaction") << "reaction";
}

void TstIdleWindow::aChangeRepaintsItsOwnRowOnly()
{
    QFETCH(QString, change);
    StartBlockMeasurementWidget *row = window->laneRows().at(kChangedLane);
    CStartBlockMeasurement *measurement = row->measurement();
    SimFrame frame;
    frame.mac = row->startBlock()->macBytes();
    frame.command = kStatusReply;
    appendSimItem8(frame.items, kStateItem, kIdle);
    events->clear();
    if (change == "battery") {
        appendSimItem8(frame.items, kBatteryItem, kLowBattery);
        sim->injectFrame(frame);
        QTRY_COMPARE(measurement->battery(), kLowBattery);
    } else if (change == "link") {
        // what the polling concludes when the block's last requests went unanswered
        measurement->SetMeasurementsStatus(LinkLost);
    } else {
        measurement->setReactionAccepted(true);
        appendSimItem16(frame.items, kReactionItem, quint16(kReactionMs));
        sim->injectFrame(frame);
        QTRY_COMPARE(measurement->reactionTimeMs(), kReactionMs);
    }
    const QString changed = QStringLiteral("lane %1").arg(row->DisplayedLane());
    QTRY_VERIFY(events->paints.value(changed) > 0);
    QVERIFY2(events->restyles.value(changed) > 0, qPrintable(listed(events->restyles)));
    // the next rounds may put the battery or the link back, in the same row; the others stay untouched
    QVERIFY(waitForStatusRounds(1));
    QCOMPARE(events->comboPaints, 0);
    QHash<QString, int> others = events->paints;
    others.remove(changed);
    others.remove(QStringLiteral("coordinator"));
    QVERIFY2(others.isEmpty(), qPrintable(listed(events->paints)));
    // the layout requests of the changed row travel up through the page; no other row is touched
    others = events->restyles;
    others.remove(changed);
    others.remove(QStringLiteral("page"));
    QVERIFY2(others.isEmpty(), qPrintable(listed(events->restyles)));
}

// Idle, Ready, Idle again and the link lost, on a lane and on the coordinator: each row's status picture is
// the state's resource picture every time, and the link button takes the lost look; a helper that leaves
// an equal look alone must not take a new one for equal.
void TstIdleWindow::statusPicturesFollowEveryChange()
{
    StartBlockMeasurementWidget *lane = window->laneRows().at(kChangedLane);
    CoordinatorMeasurementWidget *coordinatorRow = window->coordinatorRow();
    const QList<const QLabel *> icons{lane->findChild<QLabel *>(QStringLiteral("lblStatusIcon")),
                                      coordinatorRow->findChild<QLabel *>(QStringLiteral("lblStatusIcon"))};
    const QList<const QWidget *> linkButtons{
        lane->findChild<QPushButton *>(QStringLiteral("btnMeasurements")),
        coordinatorRow->findChild<QPushButton *>(QStringLiteral("btnMeasurementsStatus"))};
    const auto showing = [&icons](const char *resource) {
        const QImage expected = QPixmap(QString::fromLatin1(resource)).toImage();
        return std::all_of(icons.cbegin(), icons.cend(),
                           [&expected](const QLabel *icon) { return icon->pixmap().toImage() == expected; });
    };
    const auto states = [&] {
        return QStringList{QString::number(lane->measurement()->state()),
                           QString::number(window->coordinator()->state())};
    };
    const QStringList idle{QString::number(DeviceIdle), QString::number(DeviceIdle)};
    const QStringList ready{QString::number(DeviceReady), QString::number(DeviceReady)};
    QCOMPARE(states(), idle);
    QVERIFY(showing(":/customicons/idle"));

    window->findChild<QPushButton *>(QStringLiteral("btnReady"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(states(), ready, kLiveMs);
    QTRY_VERIFY(showing(":/customicons/ready"));
    window->OnBroadcastIdleClicked();
    QTRY_COMPARE_WITH_TIMEOUT(states(), idle, kLiveMs);
    QTRY_VERIFY(showing(":/customicons/idle"));

    const QStringList liveLooks{linkButtons[0]->styleSheet(), linkButtons[1]->styleSheet()};
    sim->stop();
    QTRY_VERIFY_WITH_TIMEOUT(lane->measurement()->linkState() == LinkLost &&
                                 window->coordinator()->linkState() == LinkLost,
                             kLiveMs);
    QVERIFY(linkButtons[0]->styleSheet() != liveLooks[0]);
    QVERIFY(linkButtons[1]->styleSheet() != liveLooks[1]);
    QVERIFY(showing(":/customicons/idle")); // what the devices last said
}

int main(int argc, char **argv)
{
    AppTestEnvironment environment;
    if (!environment.isValid())
        return 1;
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    QApplication::setStyle(new PaletteSharingStyle); // the program's own look
    TstIdleWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_idlewindow.moc"
