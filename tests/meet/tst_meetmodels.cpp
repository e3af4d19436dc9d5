#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include "debuglines.h"
#include "meet/competition.h"
#include "meet/competitionsmodel.h"
#include "meet/event.h"
#include "meet/eventsmodel.h"
#include "meet/heat.h"
#include "meet/participant.h"
#include "meet/participation.h"
#include "meet/participationsmodel.h"
#include "meet/round.h"
#include "meet/zxserver.h"
#include "meet/zxservermodel.h"

namespace
{

constexpr auto kFatal = QAbstractItemModelTester::FailureReportingMode::Fatal;

// an event whose rounds have these heat counts, all of one event type
Event makeEvent(quint32 id, const QList<int> &heatsPerRound, quint32 distance = 100, quint32 athletes = 1,
                QChar fieldtype = QChar())
{
    Event event;
    event.id = id;
    event.name = QStringLiteral("Event %1").arg(id);
    event.eventtype.distance = distance;
    event.eventtype.athletesquantity = athletes;
    event.eventtype.fieldtype = fieldtype;
    for (int r = 0; r < heatsPerRound.size(); ++r) {
        Round round;
        round.id = id * 10 + quint32(r);
        round.name = QStringLiteral("R%1").arg(r);
        round.scheduled = QTime(10, r, 0);
        for (int h = 1; h <= heatsPerRound.at(r); ++h) {
            Heat heat;
            heat.id = round.id * 10 + quint32(h);
            heat.seqno = quint32(h);
            heat.timescheduled = QTime(11, r, h);
            round.addHeat(heat);
        }
        event.addRound(round);
    }
    return event;
}

} // namespace

class TstMeetModels : public QObject
{
    Q_OBJECT

private slots:
    void eventsFilterKinds_data();
    void eventsFilterKinds();
    void eventsRowsLookupsAndNotices();
    void roundsWithoutHeatsShowWhenAsked();
    void serverModelKeepsOneRowPerAddress();
    void competitionsKeepTheirFirstDelivery();
    void participationsKeepTheirFirstDelivery();
};

void TstMeetModels::eventsFilterKinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QChar>("fieldtype");
    QTest::addColumn<quint32>("distance");
    QTest::addColumn<quint32>("athletes");
    QTest::addColumn<bool>("listed");
    const QChar none;
    QTest::newRow("3: 400 m relay of 4") << 3 << none << 400u << 4u << true;
    QTest::newRow("3: 400 m of 1") << 3 << none << 400u << 1u << true;
    QTest::newRow("3: 1600 m of 4") << 3 << none << 1600u << 4u << true;
    QTest::newRow("3: 401 m of 1") << 3 << none << 401u << 1u << false;
    QTest::newRow("3: 800 m of 1") << 3 << none << 800u << 1u << false;
    QTest::newRow("3: 800 m of 0 counts as 1") << 3 << none << 800u << 0u << false;
    QTest::newRow("3: no distance") << 3 << none << 0u << 1u << false;
    QTest::newRow("4: 401 m of 1") << 4 << none << 401u << 1u << true;
    QTest::newRow("4: 400 m of 1") << 4 << none << 400u << 1u << false;
    QTest::newRow("0: H") << 0 << QChar(u'H') << 0u << 0u << true;
    QTest::newRow("0: V") << 0 << QChar(u'V') << 0u << 0u << false;
    QTest::newRow("1: V") << 1 << QChar(u'V') << 0u << 0u << true;
    QTest::newRow("2: H") << 2 << QChar(u'H') << 0u << 0u << true;
    QTest::newRow("2: V") << 2 << QChar(u'V') << 0u << 0u << true;
    QTest::newRow("2: T") << 2 << QChar(u'T') << 0u << 0u << false;
    QTest::newRow("5: any distance") << 5 << none << 10000u << 1u << true;
    QTest::newRow("5: no distance") << 5 << QChar(u'H') << 0u << 0u << false;
    QTest::newRow("6: always") << 6 << none << 0u << 0u << true;
    QTest::newRow("7: never") << 7 << QChar(u'H') << 100u << 1u << false;
}

void TstMeetModels::eventsFilterKinds()
{
    QFETCH(int, kind);
    QFETCH(QChar, fieldtype);
    QFETCH(quint32, distance);
    QFETCH(quint32, athletes);
    QFETCH(bool, listed);

    EventsModel model;
    QAbstractItemModelTester tester(&model, kFatal);
    model.filterKind = kind;
    QVERIFY(model.addEvent(makeEvent(1, {2}, distance, athletes, fieldtype)));
    QCOMPARE(model.roundPassesFilter(*model.events().constFirst()->rounds.constFirst()), listed);
    QCOMPARE(model.rowCount(), listed ? 2 : 0);
    // a listed event stays listed under its id although the filter hides it
    QCOMPARE(model.events().size(), 1);
    QVERIFY(!model.addEvent(makeEvent(1, {3})));
    QVERIFY(model.clear());
    QCOMPARE(model.rowCount(), 0);
}

void TstMeetModels::eventsRowsLookupsAndNotices()
{
    EventsModel model;
    QAbstractItemModelTester tester(&model, kFatal);
    model.showRoundsWithoutHeats = false;
    model.filterKind = EventsModel::FilterSprint;
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);

    QVERIFY(model.clear()); // empty: no notice
    QCOMPARE(removed.count(), 0);
    QVERIFY(model.addEvent(makeEvent(1, {0}))); // no heats yet: not listed
    QCOMPARE(inserted.count(), 0);
    QVERIFY(model.addEvent(makeEvent(1, {2, 0})));   // the same id, now with heats
    QVERIFY(model.addEvent(makeEvent(2, {1}, 800))); // listed but filtered out: no rows to announce
    QVERIFY(model.addEvent(makeEvent(3, {1, 2})));
    QVERIFY(!model.addEvent(makeEvent(3, {5})));
    QCOMPARE(inserted.count(), 2);
    QCOMPARE(inserted.at(1).at(1).toInt(), 2); // event 3 took rows 2 to 4
    QCOMPARE(inserted.at(1).at(2).toInt(), 4);
    QCOMPARE(model.rowCount(), 5);

    // row 1 is the last heat of event 1's first round, not its round without heats
    QCOMPARE(model.roundAtRow(1)->id, 10u);
    QCOMPARE(model.eventAtRow(1)->id, 1u);
    QCOMPARE(model.heatAtRow(1)->id, 102u);
    QCOMPARE(model.heatAtRow(2)->id, 301u);
    QCOMPARE(model.roundAtRow(4)->id, 31u);
    QCOMPARE(model.heatAtRow(5), nullptr);
    QCOMPARE(model.roundAtRow(5), nullptr);
    QCOMPARE(model.eventAtRow(-1), nullptr);

    const QModelIndex heatName = model.index(4, EventsModel::ColumnName);
    QCOMPARE(heatName.data().toString(), QStringLiteral("Event 3 (R1 - heat 2)"));
    QCOMPARE(model.index(4, EventsModel::ColumnId).data().toUInt(), 312u);
    QCOMPARE(model.index(4, EventsModel::ColumnTime).data().toTime(), QTime(11, 1, 2));
    QCOMPARE(model.flags(heatName), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    QCOMPARE(model.flags(model.index(5, 0)), Qt::NoItemFlags);
    QVERIFY(!model.data(model.index(5, 0)).isValid());
    QVERIFY(model.setData(heatName, QStringLiteral("ignored")));
    QCOMPARE(heatName.data().toString(), QStringLiteral("Event 3 (R1 - heat 2)"));
    QVERIFY(model.setData(model.index(4, EventsModel::ColumnId), 99));
    QCOMPARE(model.heatAtRow(4)->id, 99u);
    QVERIFY(!model.setData(heatName, 1, Qt::ToolTipRole));
    QCOMPARE(model.headerData(2, Qt::Vertical).toString(), QStringLiteral("Name"));
    QVERIFY(!model.insertRows(0, 2)); // rows come only from the meet server
    QCOMPARE(model.rowCount(), 5);

    QVERIFY(model.clear());
    QCOMPARE(removed.count(), 1);
    QCOMPARE(model.events().size(), 0);
}

void TstMeetModels::roundsWithoutHeatsShowWhenAsked()
{
    EventsModel model;
    QAbstractItemModelTester tester(&model, kFatal);
    model.filterKind = EventsModel::FilterAll;
    QVERIFY(model.addEvent(makeEvent(4, {0, 1})));
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.heatAtRow(0), nullptr);
    QCOMPARE(model.roundAtRow(0)->id, 40u);
    QCOMPARE(model.index(0, EventsModel::ColumnName).data().toString(), QStringLiteral("Event 4 (R0)"));
    QCOMPARE(model.index(0, EventsModel::ColumnTime).data().toTime(), QTime(10, 0, 0));
    QCOMPARE(model.flags(model.index(0, 0)), Qt::NoItemFlags); // seen, never chosen
    QCOMPARE(model.heatAtRow(1)->id, 411u);
}

void TstMeetModels::serverModelKeepsOneRowPerAddress()
{
    ZXServerModel model;
    QAbstractItemModelTester tester(&model, kFatal);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    const DebugLines debug;
    model.serverForAddress(QHostAddress(QStringLiteral("10.99.0.1")), QStringLiteral("Stadium"));
    model.serverForAddress(QHostAddress(QStringLiteral("10.99.0.1")), QStringLiteral("Stadium 2"));
    model.serverForAddress(QHostAddress(QStringLiteral("::ffff:10.99.0.7")), QStringLiteral("Mapped"));
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("Stadium 2"));
    QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("10.99.0.7"));
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("IP"));
    QVERIFY(!model.headerData(2, Qt::Horizontal).isValid());
    QCOMPARE(debug.lines(), QStringList({"Created new server on ip \"10.99.0.1\"",
                                         "Created new server on ip \"::ffff:10.99.0.7\""}));
}

void TstMeetModels::competitionsKeepTheirFirstDelivery()
{
    CompetitionsModel model;
    QAbstractItemModelTester tester(&model, kFatal);
    model.clear(); // nothing to remove
    model.addCompetition(5, QStringLiteral("A"), QStringLiteral("first"));
    model.addCompetition(5, QStringLiteral("B"), QStringLiteral("second"));
    model.addCompetition(4294967295u, QStringLiteral("Big"), QString());
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.competitions().constFirst()->info, QStringLiteral("first"));
    QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("A"));
    QCOMPARE(model.index(1, 0).data().toUInt(), 4294967295u);
    QCOMPARE(model.headerData(1, Qt::Vertical).toString(), QStringLiteral("name"));
    model.clear();
    QCOMPARE(model.rowCount(), 0);
}

void TstMeetModels::participationsKeepTheirFirstDelivery()
{
    ParticipationsModel model;
    QAbstractItemModelTester tester(&model, kFatal);
    Participation relay;
    relay.id = 5021;
    relay.teamname = QStringLiteral("Harbour Women");
    auto *runner = new Participant(&relay);
    runner->participation = &relay;
    runner->competitor.team.name = QStringLiteral("Harbour Athletics Women");
    runner->competitor.club.name = QStringLiteral("Harbour Athletics");
    runner->competitor.athlete.nationality = QStringLiteral("NED");
    relay.participants.append(runner);
    Participation empty;
    empty.id = 7;

    QVERIFY(model.addParticipation(relay));
    QVERIFY(model.addParticipation(empty));
    relay.teamname = QStringLiteral("changed");
    QVERIFY(!model.addParticipation(relay));
    QCOMPARE(model.rowCount(), 2);

    QStringList row;
    for (int column = 0; column < model.columnCount(); ++column)
        row << model.index(0, column).data().toString();
    QCOMPARE(row, QStringList({"5021", "Harbour Women", "Harbour Athletics Women", "Harbour Athletics", "NED",
                               ""})); // no birth date sent: an empty text
    const Participation *kept = model.participations().constFirst();
    QVERIFY(kept != &relay);
    QCOMPARE(kept->participants.constFirst()->participation, kept);
    QCOMPARE(model.index(1, 1).data().toString(), QString());
    for (int column = 2; column < model.columnCount(); ++column)
        QVERIFY(!model.index(1, column).data().isValid());
    QStringList headers;
    for (int column = 0; column < model.columnCount(); ++column)
        headers << model.headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers, QStringList({"id", "name", "team", "club", "nationality", "birthdate"}));
    model.clear();
    QCOMPARE(model.rowCount(), 0);
}

QTEST_GUILESS_MAIN(TstMeetModels)
#include "tst_meetmodels.moc"
