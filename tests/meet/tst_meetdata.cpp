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
    void participationTextAndFirstBib_data();
    void participationTextAndFirstBib();
    void eventCopyIsDeepAndKeepsCombinedTypes();
    void participationCopyIsDeep();
};

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

void TstMeetData::eventCopyIsDeepAndKeepsCombinedTypes()
{
    Event source;
    source.id = 7;
    source.name = QStringLiteral("Decathlon");
    source.eventtype.combinedeventsquantity = 2; // a combined event: its rounds keep their own types
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
    QCOMPARE(round.heats.constFirst()->displayText(), QString()); // no event yet
    QCOMPARE(round.displayText(), QString());
    source.addRound(round);

    auto copy = std::make_unique<Event>(source);
    QCOMPARE(copy->parent(), nullptr);
    QCOMPARE(copy->rounds.size(), 1);
    const Round *copied = copy->rounds.constFirst();
    QVERIFY(copied != source.rounds.constFirst());
    QCOMPARE(copied->event, copy.get());
    QCOMPARE(copied->parent(), copy.get());
    QCOMPARE(copied->eventtype.code, QStringLiteral("100"));
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
