#include <QTest>

#include "meet/event.h"
#include "meet/heat.h"
#include "meet/participant.h"
#include "meet/participation.h"
#include "meet/round.h"

namespace
{

// a participation whose participants have these (seqno, bib, displayname)
struct Runner {
    quint32 seqno;
    const char *bib;
    const char *name;
};

void addRunner(Participation &participation, const Runner &runner)
{
    auto *participant = new Participant(&participation);
    participant->seqno = runner.seqno;
    participant->participation = &participation;
    Competitor competitor;
    competitor.bib = QString::fromLatin1(runner.bib);
    competitor.displayname = QString::fromUtf8(runner.name);
    participant->setCompetitor(competitor);
    participation.participants.append(participant);
}

} // namespace

class TstMeetData : public QObject
{
    Q_OBJECT

private slots:
    void heatAndRoundTexts_data();
    void heatAndRoundTexts();
    void participationTextAndFirstBib_data();
    void participationTextAndFirstBib();
    void eventCopyIsDeepAndKeepsCombinedTypes_data();
    void eventCopyIsDeepAndKeepsCombinedTypes();
    void participationCopyIsDeep();
};

void TstMeetData::heatAndRoundTexts_data()
{
    QTest::addColumn<QString>("roundName");
    QTest::addColumn<bool>("hasEvent");
    QTest::addColumn<QString>("heatText");
    QTest::addColumn<QString>("roundText");
    QTest::newRow("named round") << "Heats" << true << "100 m (Heats - heat 2)"
                                 << "100 m (Heats)";
    QTest::newRow("round *") << "*" << true << "100 m (heat 2)"
                             << "100 m";
    QTest::newRow("round without event") << "Heats" << false << ""
                                         << "";
}

void TstMeetData::heatAndRoundTexts()
{
    QFETCH(QString, roundName);
    QFETCH(bool, hasEvent);
    QFETCH(QString, heatText);
    QFETCH(QString, roundText);

    Event event;
    event.name = QStringLiteral("100 m");
    Round round;
    round.name = roundName;
    Heat heat;
    heat.seqno = 2;
    round.addHeat(heat);
    QCOMPARE(heat.displayText(), QString()); // no round yet
    if (hasEvent)
        round.event = &event;
    QCOMPARE(round.heats.constFirst()->displayText(), heatText);
    QCOMPARE(round.displayText(), roundText);
}

void TstMeetData::participationTextAndFirstBib_data()
{
    QTest::addColumn<QString>("teamname");
    QTest::addColumn<QList<int>>("seqnos");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("firstBib");
    // runners are named and numbered after their seqno: seqno 2 is "Runner 2" with bib "B2"
    QTest::newRow("no participants") << "" << QList<int>{} << ""
                                     << "";
    QTest::newRow("single athlete") << "" << QList<int>{1} << "Runner 1"
                                    << "B1";
    QTest::newRow("relay without team name")
        << "" << QList<int>{2, 1, 4, 3} << "Runner 2 (2) ; Runner 1 (1) ; Runner 4 (4) ; Runner 3 (3)"
        << "B1";
    QTest::newRow("team name wins") << "Harbour Women" << QList<int>{1, 2} << "Harbour Women"
                                    << "B1";
    QTest::newRow("reserves from 1000 on never give the bib")
        << "" << QList<int>{1000, 7, 1001} << "Runner 1000 (1000) ; Runner 7 (7) ; Runner 1001 (1001)"
        << "B7";
    QTest::newRow("only reserves") << "" << QList<int>{1000, 1500}
                                   << "Runner 1000 (1000) ; Runner 1500 (1500)"
                                   << "";
}

void TstMeetData::participationTextAndFirstBib()
{
    QFETCH(QString, teamname);
    QFETCH(QList<int>, seqnos);
    QFETCH(QString, text);
    QFETCH(QString, firstBib);

    Participation participation;
    participation.teamname = teamname;
    for (int seqno : seqnos) {
        const QByteArray bib = "B" + QByteArray::number(seqno);
        const QByteArray name = "Runner " + QByteArray::number(seqno);
        addRunner(participation, {quint32(seqno), bib.constData(), name.constData()});
    }
    QCOMPARE(participation.displayText(), text);
    QCOMPARE(participation.firstBib(), firstBib);
}

void TstMeetData::eventCopyIsDeepAndKeepsCombinedTypes_data()
{
    QTest::addColumn<quint32>("combined");
    QTest::addColumn<bool>("roundKeepsItsType");
    QTest::newRow("single event") << 0u << false;
    QTest::newRow("one event") << 1u << false;
    QTest::newRow("combined event") << 2u << true;
}

void TstMeetData::eventCopyIsDeepAndKeepsCombinedTypes()
{
    QFETCH(quint32, combined);
    QFETCH(bool, roundKeepsItsType);

    Event source;
    source.id = 7;
    source.name = QStringLiteral("Decathlon");
    source.eventtype.combinedeventsquantity = combined;
    source.eventtype.code = QStringLiteral("DEC");
    Round round;
    round.name = QStringLiteral("100 m");
    round.eventtype.code = QStringLiteral("100");
    round.eventtype.distance = 100;
    Heat heat;
    heat.id = 71;
    heat.seqno = 1;
    heat.timescheduled = QTime(9, 5, 7);
    round.addHeat(heat);
    source.addRound(round);

    auto copy = std::make_unique<Event>(source);
    QCOMPARE(copy->parent(), nullptr);
    QCOMPARE(copy->rounds.size(), 1);
    const Round *copied = copy->rounds.constFirst();
    QVERIFY(copied != source.rounds.constFirst());
    QCOMPARE(copied->event, copy.get());
    QCOMPARE(copied->parent(), copy.get());
    QCOMPARE(copied->eventtype.code, roundKeepsItsType ? QStringLiteral("100") : QStringLiteral("DEC"));
    QCOMPARE(copied->heats.size(), 1);
    QCOMPARE(copied->heats.constFirst()->round, copied);
    QCOMPARE(copied->heats.constFirst()->timescheduled, QTime(9, 5, 7));
    QCOMPARE(copied->heats.constFirst()->displayText(), QStringLiteral("Decathlon (100 m - heat 1)"));
    copy.reset();
    QCOMPARE(source.rounds.constFirst()->heats.constFirst()->id, 71u); // the source outlives its copy
}

void TstMeetData::participationCopyIsDeep()
{
    Participation source;
    source.id = 1234;
    source.info = QStringLiteral("info");
    source.category = QStringLiteral("WSEN");
    source.qualified = true;
    source.points = 2.5;
    addRunner(source, {1, "401", "BRANDT Anna"});
    addRunner(source, {2, "402", "MOREAU Lotte"});
    Athlete athlete;
    athlete.firstname = QStringLiteral("Anna");
    athlete.middlename = QStringLiteral("Maria");
    athlete.lastname = QStringLiteral("Brandt");
    athlete.gender = u'W';
    athlete.birthdate = QDate(2001, 2, 21);
    athlete.nationality = QStringLiteral("NED");
    source.participants.constFirst()->competitor.setAthlete(athlete);
    source.participants.constFirst()->competitor.club.name = QStringLiteral("Harbour Athletics");

    auto copy = std::make_unique<Participation>(source);
    QCOMPARE(copy->id, 1234u);
    QCOMPARE(copy->info, source.info);
    QCOMPARE(copy->category, source.category);
    QVERIFY(copy->qualified);
    QCOMPARE(copy->points, 2.5);
    QCOMPARE(copy->participants.size(), 2);
    const Participant *first = copy->participants.constFirst();
    QVERIFY(first != source.participants.constFirst());
    QCOMPARE(first->participation, copy.get());
    QCOMPARE(first->competitor.participant, first);
    const Athlete &copied = first->competitor.athlete;
    QCOMPARE(QStringList({copied.firstname, copied.middlename, copied.lastname, copied.nationality}),
             QStringList({"Anna", "Maria", "Brandt", "NED"}));
    QCOMPARE(copied.gender, QChar(u'W'));
    QCOMPARE(copied.birthdate, QDate(2001, 2, 21));
    QCOMPARE(first->competitor.club.name, QStringLiteral("Harbour Athletics"));
    QCOMPARE(copy->displayText(), QStringLiteral("BRANDT Anna (1) ; MOREAU Lotte (2)"));

    copy.reset();
    QCOMPARE(source.participants.size(), 2);
    QCOMPARE(source.participants.constLast()->competitor.bib, QStringLiteral("402"));
    QCOMPARE(source.participants.constFirst()->participation, &source);
}

QTEST_GUILESS_MAIN(TstMeetData)
#include "tst_meetdata.moc"
