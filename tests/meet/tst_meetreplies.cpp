#include <QTest>

#include "debuglines.h"
#include "meet/heat.h"
#include "meet/meetreplyreader.h"
#include "meet/participant.h"
#include "meet/round.h"

namespace
{

QString text(QChar c)
{
    return c.isNull() ? QStringLiteral("-") : QString(c);
}

QString text(const QTime &time)
{
    return time.isNull() ? QStringLiteral("null") : time.toString(QStringLiteral("hh:mm:ss"));
}

QString describe(const EventType &t)
{
    return QStringList{QString::number(t.id),
                       t.code,
                       t.shortcode,
                       QString::number(t.distance),
                       text(t.fieldtype),
                       text(t.venue),
                       text(t.windmode),
                       t.windtime,
                       QString::number(t.precision),
                       QString::number(t.athletesquantity),
                       QString::number(t.combinedeventsquantity),
                       QString::number(t.implement)}
        .join(u'/');
}

// every field of the event, its rounds and heats, and whether the back pointers hold
QString describe(const Event &event)
{
    QString out =
        QStringLiteral("E %1 '%2' '%3' '%4' %5 %6 T[%7]")
            .arg(QString::number(event.id), event.name, event.abbreviation, event.info,
                 QString::number(event.seqno), QString::number(event.status), describe(event.eventtype));
    for (const Round *r : event.rounds) {
        out += QStringLiteral(" R[%1 '%2' '%3' '%4' %5 %6 %7 T[%8]")
                   .arg(QString::number(r->id), r->name, r->abbreviation, r->info, QString::number(r->seqno),
                        text(r->scheduled), QString::number(r->status), describe(r->eventtype));
        for (const Heat *h : r->heats) {
            out +=
                QStringLiteral(" H[%1 %2 '%3' %4 %5%6]")
                    .arg(QString::number(h->id), QString::number(h->seqno), h->info, text(h->timescheduled),
                         QString::number(h->status), h->round == r ? QString() : QStringLiteral(" lost"));
        }
        out += r->event == &event ? QStringLiteral("]") : QStringLiteral(" lost]");
    }
    return out;
}

QString describe(const Participation &p)
{
    QString out =
        QStringLiteral("P %1 '%2' '%3' '%4' %5/%6/%7/%8 %9")
            .arg(QString::number(p.id), p.teamname, p.info, p.category, QString::number(p.initialorder),
                 QString::number(p.currentorder), QString::number(p.currentorder_round),
                 QString::number(p.currentorder_combinedevent),
                 QStringLiteral("%1%2").arg(int(p.outofcompetition_combinedevent)).arg(int(p.qualified)));
    out += QStringLiteral(" %1 %2 '%3' text='%4' bib='%5'")
               .arg(QString::number(p.points), QString::number(p.teampoints), p.transponder, p.displayText(),
                    p.firstBib());
    for (const Participant *x : p.participants) {
        const Competitor &c = x->competitor;
        const Athlete &a = c.athlete;
        out += QStringLiteral(" p[%1 %2 '%3' c(%4/%5/%6) t(%7/%8/%9/%10)")
                   .arg(QString::number(x->seqno), c.bib, c.displayname, QString::number(c.club.id),
                        c.club.name, c.club.abbreviation, QString::number(c.team.id), c.team.group)
                   .arg(c.team.name, c.team.abbreviation);
        out += QStringLiteral(" a(%1/%2/%3/%4/%5/%6)%7]")
                   .arg(a.firstname, a.lastname, a.middlename, text(a.gender),
                        a.birthdate.isValid() ? a.birthdate.toString(Qt::ISODate) : QStringLiteral("invalid"),
                        a.nationality,
                        x->participation == &p && c.participant == x ? QString() : QStringLiteral(" lost"));
    }
    return out;
}

const QByteArray kCompetitions = R"(<?xml version="1.0"?>
<reply>
 <competitions>
  <competition><id>5</id><name>A</name></competition>
  <competition><name>No id</name><info>x</info></competition>
  <competition><id>0</id><name>Zero</name></competition>
  <competition><id>6</id><name></name></competition>
  <competition><id>7</id><name>B</name><info>second</info>
   <venue><city>Ghent</city><country>BEL</country></venue></competition>
  <note><competition><id>9</id><name>inside a stranger</name></competition></note>
 </competitions>
 <other><competitions><competition><id>8</id><name>C</name></competition></competitions></other>
</reply>)";

const QByteArray kEvents = R"(<events>
 <event>
  <id>12</id><name>100 m</name><abbreviation>100m</abbreviation><info>i</info><seqno>1</seqno><status>2</status>
  <eventtype><id>1</id><code>100</code><shortcode>100m</shortcode><distance>100</distance>
   <fieldtype>Horizontal</fieldtype><venue>O</venue><windmode></windmode><windtime>10</windtime>
   <precision>2</precision><athletesquantity>1</athletesquantity><combinedeventsquantity>2</combinedeventsquantity>
   <implement>7.26</implement></eventtype>
  <rounds>
   <round><id>121</id><name>Heats</name><abbreviation>H</abbreviation><info>r</info><seqno>3</seqno>
    <scheduled>9:05</scheduled><status>4</status>
    <eventtype><distance>200</distance><combinedeventsquantity>3</combinedeventsquantity></eventtype>
    <heats><heat><id>1211</id><seqno>1</seqno><info>h</info><timescheduled>09:05:07</timescheduled>
     <status>1</status><lane>9</lane></heat><skip><heat><id>1</id></heat></skip></heats>
   </round>
  </rounds>
  <sponsor><name>Acme</name><url>x</url></sponsor>
 </event>
 <event/>
 <event><rounds><round><id>131</id><eventtype><distance>400</distance></eventtype></round></rounds>
  <eventtype><distance>100</distance></eventtype><id>13</id><rounds><round><id>132</id></round></rounds></event>
</events>)";

const QByteArray kParticipations = R"(<participations>
 <participation>
  <id>5021</id><teamname></teamname><info>Harbour</info><category>WSEN</category><initialorder>3</initialorder>
  <currentorder>4</currentorder><currentorder_round>5</currentorder_round>
  <currentorder_combinedevent>6</currentorder_combinedevent>
  <outofcompetition_combinedevent>1</outofcompetition_combinedevent><qualified>2</qualified>
  <points>1.5</points><teampoints>x</teampoints><transponder>T9</transponder>
  <participants>
   <participant><seqno>2</seqno><competitor><bib>402</bib><displayname>MOREAU Lotte</displayname>
    <club><id>11</id><name>Harbour Athletics</name><abbreviation>HAR</abbreviation></club>
    <team><id>20</id><group>W</group><name>Harbour Women</name><abbreviation>HARW</abbreviation><coach>Z</coach></team>
    <athlete><firstname>Lotte</firstname><lastname>Moreau</lastname><middlename>J</middlename><gender></gender>
     <birthdate>1990-02-30</birthdate><nationality>BEL</nationality></athlete>
   </competitor></participant>
   <participant><seqno>1</seqno><competitor><bib>401</bib><displayname>BRANDT Anna</displayname>
    <athlete><gender>M</gender><birthdate>2001-02-21</birthdate></athlete></competitor><shoe>42</shoe></participant>
   <reserve><bib>399</bib></reserve>
  </participants>
 </participation>
 <heatinfo><wind>+0.4</wind></heatinfo>
 <participation><id>5022</id><qualified>x</qualified><participants><participant><competitor>
  <athlete><firstname>Solo</firstname></athlete><displayname>SOLO</displayname></competitor></participant>
 </participants></participation>
</participations>)";

const QString kEmptyType = QStringLiteral("0///0/-/-/-//0/0/0/0");

} // namespace

class TstMeetReplies : public QObject
{
    Q_OBJECT

private slots:
    void readsReplies_data();
    void readsReplies();
};

void TstMeetReplies::readsReplies_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("objects");
    QTest::addColumn<QStringList>("debug");

    QTest::newRow("competitions") << "/competitions" << kCompetitions
                                  << QStringList{"C 5 'A' ''", "C 7 'B' 'second'", "C 8 'C' ''"}
                                  // a stranger is skipped whole
                                  << QStringList{R"(New competition "A" (5))",
                                                 R"(UNKNOWN TAG in competitions: "venue")",
                                                 R"(UNKNOWN CHILD TAG in competitions: "city": "Ghent")",
                                                 R"(UNKNOWN CHILD TAG in competitions: "country": "BEL")",
                                                 R"(New competition "B" (7))",
                                                 R"(New competition "C" (8))"};

    QTest::newRow("events")
        << "/events/12" << kEvents
        << QStringList{"E 12 '100 m' '100m' 'i' 1 2 T[1/100/100m/100/H/O/-/10/2/1/2/7.26]"
                       " R[121 'Heats' 'H' 'r' 3 null 4 T[0///200/-/-/-//0/0/0/0]"
                       " H[1211 1 'h' 09:05:07 1]]",
                       "E 0 '' '' '' 0 0 T[" + kEmptyType + "]",
                       // the first round came before the event type: it took the type as it was then
                       "E 13 '' '' '' 0 0 T[0///100/-/-/-//0/0/0/0] R[131 '' '' '' 0 null 0 T[" + kEmptyType +
                           "]] R[132 '' '' '' 0 null 0 T[0///100/-/-/-//0/0/0/0]]"}
        << QStringList{R"(UNKNOWN TAG in round: "combinedeventsquantity")",
                       R"(UNKNOWN TAG in heat: "lane")",
                       R"(Round name "Heats")",
                       R"(UNKNOWN TAG in events: "sponsor")",
                       R"(UNKNOWN CHILD TAG in events: "name": "Acme")",
                       R"(UNKNOWN CHILD TAG in events: "url": "x")",
                       R"(New event: "100 m" (12))",
                       R"(New event: "" (0))",
                       R"(Round name "")",
                       R"(Round name "")",
                       R"(New event: "" (13))"};

    QTest::newRow("participations")
        << "/participations/10211" << kParticipations
        << QStringList{"P 5021 '' 'Harbour' 'WSEN' 3/4/5/6 11 1.5 0 'T9' text='MOREAU Lotte (2) ; BRANDT "
                       "Anna (1)' "
                       "bib='401'"
                       " p[2 402 'MOREAU Lotte' c(11/Harbour Athletics/HAR) t(20/W/Harbour Women/HARW)"
                       " a(Lotte/Moreau/J/W/invalid/BEL)]"
                       " p[1 401 'BRANDT Anna' c(0//) t(0///) a(///M/2001-02-21/)]",
                       "P 5022 '' '' '' 0/0/0/0 00 0 0 '' text='SOLO' bib='' p[0  'SOLO' c(0//) t(0///) "
                       "a(Solo///-/invalid/)]"}
        << QStringList{R"(UNKNOWN TAG in team: "coach")",
                       R"(UNKNOWN TAG in participant: "shoe")",
                       R"(UNKNOWN TAG in participants: "reserve")",
                       R"(UNKNOWN CHILD TAG in participants: "bib": "399")",
                       R"(UNKNOWN TAG in participations: "heatinfo")",
                       R"(UNKNOWN CHILD TAG in participations: "wind": "+0.4")"};

    // malformed XML: what was open is finished innermost first, nothing after the fault is read
    QTest::newRow("cut inside a heat")
        << "/events/1"
        << QByteArray("<events><event><id>1</id><rounds><round><id>2</id><heats><heat><id>3</id><seqno>1")
        << QStringList{"E 1 '' '' '' 0 0 T[" + kEmptyType + "] R[2 '' '' '' 0 null 0 T[" + kEmptyType +
                       "] H[3 0 '' null 0]]"}
        << QStringList{R"(Round name "")", R"(New event: "" (1))"};
    QTest::newRow("element inside a field")
        << "/events/1"
        << QByteArray("<events><event><id>4</id><name>A<b>x</b></name><seqno>9</seqno></event>"
                      "<event><id>5</id></event></events>")
        << QStringList{"E 4 '' '' '' 0 0 T[" + kEmptyType + "]"} << QStringList{R"(New event: "" (4))"};
    QTest::newRow("competition cut in its info")
        << "/competitions" << QByteArray("<competitions><competition><id>5</id><name>A</name><info>in")
        << QStringList{"C 5 'A' ''"} << QStringList{R"(New competition "A" (5))"};
    QTest::newRow("competition cut before its name")
        << "/competitions" << QByteArray("<competitions><competition><id>5</id>") << QStringList{}
        << QStringList{};
    QTest::newRow("mismatched end tag in a participant")
        << "/participations/1"
        << QByteArray("<participations><participation><id>1</id><participants><participant><competitor>"
                      "<athlete><firstname>Ada</firstname></competitor><seqno>4</seqno></participant>")
        << QStringList{"P 1 '' '' '' 0/0/0/0 00 0 0 '' text='' bib='' p[0  '' c(0//) t(0///) "
                       "a(Ada///-/invalid/)]"}
        << QStringList{};

    // the URL path decides how a body is read
    const QByteArray all = "<r>" + kCompetitions.mid(22) + "<events><event><id>3</id></event></events></r>";
    QTest::newRow("competitions under a longer path")
        << "/api/competitions"
        << QByteArray("<competitions><competition><id>2</id><name>N</name></competition>"
                      "</competitions>")
        << QStringList{"C 2 'N' ''"} << QStringList{R"(New competition "N" (2))"};
    QTest::newRow("/events alone") << "/events" << all << QStringList{} << QStringList{};
    QTest::newRow("/new_result") << "/new_result" << QByteArray("17") << QStringList{} << QStringList{};
    QTest::newRow("/new_whatishappening") << "/new_whatishappening" << all << QStringList{} << QStringList{};
}

void TstMeetReplies::readsReplies()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, body);
    QFETCH(QStringList, objects);
    QFETCH(QStringList, debug);

    MeetReplyReader reader;
    QStringList read;
    connect(&reader, &MeetReplyReader::new_competition, this,
            [&read](uint id, const QString &name, const QString &info) {
                read << QStringLiteral("C %1 '%2' '%3'").arg(QString::number(id), name, info);
            });
    connect(&reader, &MeetReplyReader::new_event, this, [&read](const Event &e) { read << describe(e); });
    connect(&reader, &MeetReplyReader::new_participation, this,
            [&read](const Participation &p) { read << describe(p); });
    const DebugLines lines;
    reader.readReply(path, body);
    QCOMPARE(read, objects);
    QCOMPARE(lines.lines(), debug);
}

QTEST_GUILESS_MAIN(TstMeetReplies)
#include "tst_meetreplies.moc"
