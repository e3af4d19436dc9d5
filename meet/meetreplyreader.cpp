#include "meet/meetreplyreader.h"

#include <QDate>
#include <QDebug>
#include <QTime>
#include <QXmlStreamReader>

#include "meet/competitor.h"
#include "meet/heat.h"
#include "meet/participant.h"
#include "meet/round.h"

namespace
{

const QString kTimeFormat = QStringLiteral("hh:mm:ss");
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
constexpr QChar kGenderWhenEmpty(u'W');

// where an element that its parent does not list was met, for the debug lines
struct Context {
    const char *name;
};
constexpr Context kInCompetition{"competitions"};
constexpr Context kInEvent{"events"};
constexpr Context kInEventType{"eventtype"};
constexpr Context kInRound{"round"};
constexpr Context kInHeat{"heat"};
constexpr Context kInParticipations{"participations"};
constexpr Context kInParticipation{"participation"};
constexpr Context kInParticipants{"participants"};
constexpr Context kInParticipant{"participant"};
constexpr Context kInCompetitor{"competitor"};
constexpr Context kInClub{"club"};
constexpr Context kInTeam{"team"};
constexpr Context kInAthlete{"athlete"};

QString quoted(QStringView text)
{
    return QLatin1Char('"') + text.toString() + QLatin1Char('"');
}

// One pass over one reply body. Every read loop ends at its element's end tag or at the first fault;
// the caller then finishes its object, so a fault finishes the open objects innermost first.
class ReplyParser
{
public:
    ReplyParser(const QByteArray &body, MeetReplyReader &out) : m_xml(body), m_out(out) {}

    // every list element of that name, wherever it stands
    template<typename ReadList>
    void forEachList(QStringView listName, ReadList readList)
    {
        while (!m_xml.atEnd()) {
            m_xml.readNext();
            if (m_xml.isStartElement() && m_xml.name() == listName)
                readList();
        }
    }

    void readCompetitionList()
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"competition")
                readCompetition();
            else
                m_xml.skipCurrentElement();
        }
    }

    void readEventList()
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"event")
                readEvent();
            else
                m_xml.skipCurrentElement();
        }
    }

    void readParticipationList()
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"participation")
                readParticipation();
            else
                unlisted(kInParticipations);
        }
    }

private:
    void readCompetition()
    {
        quint32 id = 0;
        QString name;
        QString info;
        while (m_xml.readNextStartElement()) {
            const QStringView tag = m_xml.name();
            if (tag == u"id")
                readUInt(id);
            else if (tag == u"name")
                readText(name);
            else if (tag == u"info")
                readText(info);
            else
                unlisted(kInCompetition);
        }
        if (id == 0 || name.isEmpty())
            return;
        emit m_out.new_competition(id, name, info);
        qDebug().noquote()
            << QStringLiteral("New competition %1 (%2)").arg(quoted(name), QString::number(id));
    }

    void readEvent()
    {
        Event event;
        while (m_xml.readNextStartElement()) {
            const QStringView tag = m_xml.name();
            if (tag == u"id")
                readUInt(event.id);
            else if (tag == u"name")
                readText(event.name);
            else if (tag == u"abbreviation")
                readText(event.abbreviation);
            else if (tag == u"info")
                readText(event.info);
            else if (tag == u"seqno")
                readUInt(event.seqno);
            else if (tag == u"status")
                readUInt(event.status);
            else if (tag == u"eventtype")
                readEventTypeOf(event);
            else if (tag == u"rounds")
                readRounds(event);
            else
                unlisted(kInEvent);
        }
        emit m_out.new_event(event);
        qDebug().noquote()
            << QStringLiteral("New event: %1 (%2)").arg(quoted(event.name), QString::number(event.id));
    }

    void readRounds(Event &event)
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != u"round") {
                m_xml.skipCurrentElement();
                continue;
            }
            Round round;
            readRound(round);
            event.addRound(round);
        }
    }

    void readRound(Round &round)
    {
        while (m_xml.readNextStartElement()) {
            const QStringView tag = m_xml.name();
            if (tag == u"id")
                readUInt(round.id);
            else if (tag == u"name")
                readText(round.name);
            else if (tag == u"abbreviation")
                readText(round.abbreviation);
            else if (tag == u"info")
                readText(round.info);
            else if (tag == u"seqno")
                readUInt(round.seqno);
            else if (tag == u"scheduled")
                readTime(round.scheduled);
            else if (tag == u"status")
                readUInt(round.status);
            else if (tag == u"eventtype")
                readEventTypeOf(round);
            else if (tag == u"heats")
                readHeats(round);
            else
                unlisted(kInRound);
        }
    }

    void readHeats(Round &round)
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != u"heat") {
                m_xml.skipCurrentElement();
                continue;
            }
            Heat heat;
            readHeat(heat);
            round.addHeat(heat);
        }
    }

    void readHeat(Heat &heat)
    {
        while (m_xml.readNextStartElement()) {
            const QStringView tag = m_xml.name();
            if (tag == u"id")
                readUInt(heat.id);
            else if (tag == u"seqno")
                readUInt(heat.seqno);
            else if (tag == u"info")
                readText(heat.info);
            else if (tag == u"timescheduled")
                readTime(heat.timescheduled);
            else if (tag == u"status")
                readUInt(heat.status);
            else
                unlisted(kInHeat);
        }
    }

    void readEventTypeOf(Event &event)
    {
        EventType type;
        readEventType(type, false);
        event.eventtype = type;
    }

    void readEventTypeOf(Round &round)
    {
        EventType type;
        readEventType(type, true);
        round.setEventType(type);
    }

    // a round's event type has no "combinedeventsquantity" and reports unknown tags as the round's
    void readEventType(EventType &type, bool underRound)
    {
        while (m_xml.readNextStartElement()) {
            const QStringView tag = m_xml.name();
            if (tag == u"id")
                readUInt(type.id);
            else if (tag == u"code")
                readText(type.code);
            else if (tag == u"shortcode")
                readText(type.shortcode);
            else if (tag == u"distance")
                readUInt(type.distance);
            else if (tag == u"fieldtype")
                readChar(type.fieldtype);
            else if (tag == u"venue")
                readChar(type.venue);
            else if (tag == u"windmode")
                readChar(type.windmode);
            else if (tag == u"windtime")
                readText(type.windtime);
            else if (tag == u"precision")
                readUInt(type.precision);
            else if (tag == u"athletesquantity")
                readUInt(type.athletesquantity);
            else if (tag == u"combinedeventsquantity" && !underRound)
                readUInt(type.combinedeventsquantity);
            else if (tag == u"implement")
                readDouble(type.implement);
            else
                unlisted(underRound ? kInRound : kInEventType);
        }
    }

    void readParticipation()
    {
        Participation participation;
        while (m_xml.readNextStartElement()) {
            const QStringView tag = m_xml.name();
            if (tag == u"id")
                readUInt(participation.id);
            else if (tag == u"teamname")
                readText(participation.teamname);
            else if (tag == u"info")
                readText(participation.info);
            else if (tag == u"category")
                readText(participation.category);
            else if (tag == u"initialorder")
                readUInt(participation.initialorder);
            else if (tag == u"currentorder")
                readUInt(participation.currentorder);
            else if (tag == u"currentorder_round")
                readUInt(participation.currentorder_round);
            else if (tag == u"currentorder_combinedevent")
                readUInt(participation.currentorder_combinedevent);
            else if (tag == u"outofcompetition_combinedevent")
                readFlag(participation.outofcompetition_combinedevent);
            else if (tag == u"qualified")
                readFlag(participation.qualified);
            else if (tag == u"points")
                readDouble(participation.points);
            else if (tag == u"teampoints")
                readDouble(participation.teampoints);
            else if (tag == u"transponder")
                readText(participation.transponder);
            else if (tag == u"participants")
                readParticipants(participation);
            else
                unlisted(kInParticipation);
        }
        emit m_out.new_participation(participation);
    }

    void readParticipants(Participation &participation)
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != u"participant") {
                unlisted(kInParticipants);
                continue;
            }
            Participant local;
            readParticipant(local);
            participation.appendParticipant(local);
        }
    }

    void readParticipant(Participant &participant)
    {
        while (m_xml.readNextStartElement()) {
            const QStringView tag = m_xml.name();
            if (tag == u"seqno") {
                readUInt(participant.seqno);
            } else if (tag == u"competitor") {
                Competitor competitor;
                readCompetitor(competitor);
                participant.setCompetitor(competitor);
            } else {
                unlisted(kInParticipant);
            }
        }
    }

    void readCompetitor(Competitor &competitor)
    {
        while (m_xml.readNextStartElement()) {
            const QStringView tag = m_xml.name();
            if (tag == u"bib") {
                readText(competitor.bib);
            } else if (tag == u"displayname") {
                readText(competitor.displayname);
            } else if (tag == u"club") {
                Club club;
                readClub(club);
                competitor.club = club;
            } else if (tag == u"team") {
                Team team;
                readTeam(team);
                competitor.team = team;
            } else if (tag == u"athlete") {
                Athlete athlete;
                readAthlete(athlete);
                competitor.setAthlete(athlete);
            } else {
                unlisted(kInCompetitor);
            }
        }
    }

    void readClub(Club &club)
    {
        while (m_xml.readNextStartElement()) {
            const QStringView tag = m_xml.name();
            if (tag == u"id")
                readUInt(club.id);
            else if (tag == u"name")
                readText(club.name);
            else if (tag == u"abbreviation")
                readText(club.abbreviation);
            else
                unlisted(kInClub);
        }
    }

    void readTeam(Team &team)
    {
        while (m_xml.readNextStartElement()) {
            const QStringView tag = m_xml.name();
            if (tag == u"id")
                readUInt(team.id);
            else if (tag == u"group")
                readText(team.group);
            else if (tag == u"name")
                readText(team.name);
            else if (tag == u"abbreviation")
                readText(team.abbreviation);
            else
                unlisted(kInTeam);
        }
    }

    void readAthlete(Athlete &athlete)
    {
        while (m_xml.readNextStartElement()) {
            const QStringView tag = m_xml.name();
            if (tag == u"firstname") {
                readText(athlete.firstname);
            } else if (tag == u"lastname") {
                readText(athlete.lastname);
            } else if (tag == u"middlename") {
                readText(athlete.middlename);
            } else if (tag == u"gender") {
                QString text;
                if (readText(text))
                    athlete.gender = text.isEmpty() ? kGenderWhenEmpty : text.at(0);
            } else if (tag == u"birthdate") {
                QString text;
                if (readText(text))
                    athlete.birthdate = QDate::fromString(text, kDateFormat);
            } else if (tag == u"nationality") {
                readText(athlete.nationality);
            } else {
                unlisted(kInAthlete);
            }
        }
    }

    // An element that its parent does not list: one line for it, one for each child with the child's
    // text; reading goes on after it.
    void unlisted(Context context)
    {
        qDebug().noquote()
            << QStringLiteral("UNKNOWN TAG in %1: %2").arg(QLatin1String(context.name), quoted(m_xml.name()));
        while (m_xml.readNextStartElement()) {
            const QString child = m_xml.name().toString();
            const QString text = m_xml.readElementText();
            if (m_xml.hasError())
                return;
            qDebug().noquote() << QStringLiteral("UNKNOWN CHILD TAG in %1: %2: %3")
                                      .arg(QLatin1String(context.name), quoted(child), quoted(text));
        }
    }

    // The field readers keep the field as it was when its element is malformed.
    bool readText(QString &field)
    {
        const QString text = m_xml.readElementText();
        if (m_xml.hasError())
            return false;
        field = text;
        return true;
    }

    void readUInt(quint32 &field)
    {
        QString text;
        if (readText(text))
            field = text.toUInt(); // 0 when not a number
    }

    void readFlag(bool &field)
    {
        QString text;
        if (readText(text))
            field = text.toUInt() != 0;
    }

    void readDouble(double &field)
    {
        QString text;
        if (readText(text))
            field = text.toDouble(); // 0 when not a number
    }

    void readChar(QChar &field)
    {
        QString text;
        if (readText(text))
            field = text.isEmpty() ? QChar() : text.at(0);
    }

    void readTime(QTime &field)
    {
        QString text;
        if (readText(text))
            field = QTime::fromString(text, kTimeFormat);
    }

    QXmlStreamReader m_xml;
    MeetReplyReader &m_out;
};

} // namespace

MeetReplyReader::MeetReplyReader(QObject *parent) : QObject(parent) {}

void MeetReplyReader::readReply(const QString &path, const QByteArray &body)
{
    const QStringList parts = path.split(QLatin1Char('/'));
    const QString last = parts.constLast();
    const QString beforeLast = parts.size() >= 2 ? parts.at(parts.size() - 2) : QString();
    if (last.startsWith(QLatin1String("competitions")))
        readCompetitions(body);
    if (beforeLast.startsWith(QLatin1String("events")))
        readEvents(body);
    if (beforeLast.startsWith(QLatin1String("participations")))
        readParticipations(body);
    // the reply to a result post carries the server's number for it, which nothing uses
}

void MeetReplyReader::readCompetitions(const QByteArray &body)
{
    ReplyParser parser(body, *this);
    parser.forEachList(u"competitions", [&parser] { parser.readCompetitionList(); });
}

void MeetReplyReader::readEvents(const QByteArray &body)
{
    ReplyParser parser(body, *this);
    parser.forEachList(u"events", [&parser] { parser.readEventList(); });
}

void MeetReplyReader::readParticipations(const QByteArray &body)
{
    ReplyParser parser(body, *this);
    parser.forEachList(u"participations", [&parser] { parser.readParticipationList(); });
}
