#pragma once

#include <optional>

#include <QList>
#include <QString>

#include "meet/competitionsmodel.h"
#include "meet/eventsmodel.h"
#include "meet/participationsmodel.h"
#include "meet/zxservermodel.h"

class CStartBlock;
class Heat;
class Participation;
class ZXConnection;

// The heat a race's results are posted to, by the ids the server knows it by.
struct MeetHeat {
    QString ip;
    QString serverName;
    quint32 eventId = 0;
    quint32 roundId = 0;
    quint32 heatId = 0;

    bool operator==(const MeetHeat &other) const
    {
        return ip == other.ip && serverName == other.serverName && eventId == other.eventId &&
               roundId == other.roundId && heatId == other.heatId;
    }
};

// A heat as the Race list shows it: what names it on the server, its name in the list, its number and
// whether it is the list's last.
struct ShownHeat {
    MeetHeat heat;
    QString name;
    quint16 number = 1;
    bool last = false;
};

// The participation of the heat that races in a lane.
struct LaneParticipation {
    quint8 lane = 0;
    quint32 id = 0;
};

// The posts of one race, by the numbers the connection gave them.
struct RacePosts {
    struct Result {
        quint64 post = 0;
        quint8 lane = 0;
    };
    QList<Result> results;
    quint64 notice = 0; // the what-is-happening post; 0 when none went out
};

// The main window's side of the meet link: the four models its lists show, the session id and the server
// it was made for, the athletes of the chosen heat in the lanes, and the result posts after a race. No
// widget header: the window passes the rows its lists show.
class MeetSelection
{
public:
    explicit MeetSelection(ZXConnection &connection);
    MeetSelection(const MeetSelection &) = delete;
    MeetSelection &operator=(const MeetSelection &) = delete;

    ZXServerModel &servers() { return m_servers; }
    CompetitionsModel &competitions() { return m_competitions; }
    EventsModel &events() { return m_events; }
    const EventsModel &events() const { return m_events; }
    ParticipationsModel &participations() { return m_participations; }

    // The address text a server row is asked at; none when the row holds no server.
    std::optional<QString> serverAddress(int row) const;
    // The server the session id was made for; empty before the first.
    QString sessionServer() const { return m_sessionServer; }
    // A server row was chosen: its competitions are asked for, under a new session unless the session
    // was made for that same server and is still open.
    void chooseServer(int row);
    // The events of the competition at the row are asked for; a refill keeps the athletes of the heat
    // chosen.
    void chooseCompetition(int serverRow, int competitionRow, bool keepParticipations = false);
    // The competition's row; -1 when it is not listed.
    int rowOfCompetition(quint32 id) const;
    // The id of the competition at the row; none when the row holds none.
    std::optional<quint32> competitionIdAt(int row) const;
    // The participations of the heat at an events row are asked for; null (and nothing asked) when the
    // row shows no heat or no server is chosen.
    const Heat *chooseHeat(int serverRow, int eventRow);
    // The participations of the heat at the row asked for once more, the ones kept staying until they come.
    bool askParticipationsAgain(int serverRow, int eventRow);
    // Keeps the participation and puts its athlete into the lane of its initial order.
    void addParticipation(const Participation &participation, const QList<CStartBlock *> &blocks);
    static void clearParticipants(const QList<CStartBlock *> &blocks);
    // A lane without a participant name gets the bib, name and info of its participation, when it has one.
    static void fillEmptyLane(CStartBlock &block, const ParticipationsModel &participations);
    // The first participation, in row order, whose initial order is the lane; null when there is none.
    static const Participation *participationForLane(const ParticipationsModel &participations, quint8 lane);

    // The heat at an events row of the chosen server; none when either is missing.
    std::optional<MeetHeat> heatAt(int serverRow, int eventRow) const;
    // The heat at an events row as the list shows it, with its text there.
    std::optional<ShownHeat> shownHeatAt(int serverRow, int eventRow, const QString &text) const;
    // The events row of the heat the ids name; -1 when it is not listed.
    int rowOfHeat(const MeetHeat &heat) const;
    // Per lane the first participation in row order whose initial order is that lane.
    QList<LaneParticipation> laneParticipations() const;

    // One result post per lane that has a participation, then the what-is-happening post; nothing
    // without a server and a heat.
    RacePosts postResults(int serverRow, int eventRow, const QList<CStartBlock *> &blocks, quint16 start);
    RacePosts postResults(const MeetHeat &heat, const QList<LaneParticipation> &participations,
                          const QList<CStartBlock *> &blocks, quint16 start);

    // "SID:ZX:<ip>:quellor:<token enciphered under the sum of the UUID's digits>:<uuid>"
    static QString sessionIdFor(const QString &ip, const QString &uuidText);

private:
    quint64 postWhatIsHappening(const MeetHeat &heat, quint16 start);

    ZXConnection &m_connection;
    ZXServerModel m_servers;
    CompetitionsModel m_competitions;
    EventsModel m_events;
    ParticipationsModel m_participations;
    QString m_sessionServer; // the server the session id was made for
};
