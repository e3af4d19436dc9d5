#include "mainwindow/meetselection.h"

#include <algorithm>

#include <QDebug>
#include <QTime>
#include <QUuid>

#include "core/utilities.h"
#include "devices/cstartblock.h"
#include "devices/cstartblockmeasurement.h"
#include "meet/competition.h"
#include "meet/event.h"
#include "meet/heat.h"
#include "meet/participation.h"
#include "meet/resultpost.h"
#include "meet/round.h"
#include "meet/zxconnection.h"
#include "meet/zxserver.h"

namespace
{

// what the meet servers expect in the session id
const QString kSessionToken = QStringLiteral("QlRv");
const QString kSessionProduct = QStringLiteral("quellor");
const QString kWhatIsHappeningType = QStringLiteral("Quellor reaction times");
const QString kWhatIsHappeningFormat = QStringLiteral("xml");
constexpr int kSeqnoMask = 0xFF;

quint32 digitSum(const QString &text)
{
    quint32 sum = 0;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            sum += quint32(c.unicode() - '0');
    }
    return sum;
}

quint16 reactionOf(const CStartBlock &block)
{
    const CStartBlockMeasurement *measurement = block.measurement();
    return measurement ? measurement->reactionTimeRaw() : CStartBlockMeasurement::kReactionNoValue;
}

} // namespace

MeetSelection::MeetSelection(ZXConnection &connection) : m_connection(connection) {}

std::optional<QString> MeetSelection::serverAddress(int row) const
{
    if (row < 0 || row >= m_servers.servers().size() || !m_servers.servers().at(row))
        return std::nullopt;
    return ZXServerModel::addressText(m_servers.servers().at(row)->address);
}

void MeetSelection::chooseServer(int row)
{
    const std::optional<QString> ip = serverAddress(row);
    if (!ip)
        return;
    if (*ip != m_sessionServer)
        m_connection.setSessionId(QString());
    m_competitions.clear();
    m_events.clear();
    if (m_connection.sessionId().isEmpty())
        m_connection.setSessionId(sessionIdFor(*ip, QUuid::createUuid().toString()));
    m_sessionServer = *ip;
    m_connection.askCompetitions(*ip);
}

void MeetSelection::chooseCompetition(int serverRow, int competitionRow, bool keepParticipations)
{
    m_events.clear();
    if (!keepParticipations)
        m_participations.clear();
    const std::optional<QString> ip = serverAddress(serverRow);
    if (!ip || competitionRow < 0 || competitionRow >= m_competitions.competitions().size())
        return;
    m_connection.askEvents(*ip, m_competitions.competitions().at(competitionRow)->id);
}

const Heat *MeetSelection::chooseHeat(int serverRow, int eventRow)
{
    const std::optional<QString> ip = serverAddress(serverRow);
    const Heat *heat = m_events.heatAtRow(eventRow);
    if (!ip || !heat)
        return nullptr;
    m_participations.clear();
    m_connection.askParticipations(*ip, heat->id);
    return heat;
}

int MeetSelection::rowOfCompetition(quint32 id) const
{
    const QList<Competition *> &competitions = m_competitions.competitions();
    for (int row = 0; row < competitions.size(); ++row) {
        if (competitions.at(row) && competitions.at(row)->id == id)
            return row;
    }
    return -1;
}

std::optional<quint32> MeetSelection::competitionIdAt(int row) const
{
    if (row < 0 || row >= m_competitions.competitions().size() || !m_competitions.competitions().at(row))
        return std::nullopt;
    return m_competitions.competitions().at(row)->id;
}

bool MeetSelection::askParticipationsAgain(int serverRow, int eventRow)
{
    const std::optional<QString> ip = serverAddress(serverRow);
    const Heat *heat = m_events.heatAtRow(eventRow);
    if (!ip || !heat)
        return false;
    m_connection.askParticipations(*ip, heat->id);
    return true;
}

void MeetSelection::addParticipation(const Participation &participation, const QList<CStartBlock *> &blocks)
{
    m_participations.addParticipation(participation);
    for (CStartBlock *block : blocks) {
        if (block->lane() != participation.initialorder)
            continue;
        block->SetParticipantId(participation.firstBib());
        block->SetParticipantName(participation.displayText());
        block->SetParticipantInfo(participation.info);
    }
}

void MeetSelection::clearParticipants(const QList<CStartBlock *> &blocks)
{
    for (CStartBlock *block : blocks) {
        block->SetParticipantId(QString());
        block->SetParticipantName(QString());
        block->SetParticipantInfo(QString());
    }
}

const Participation *MeetSelection::participationForLane(const ParticipationsModel &participations,
                                                         quint8 lane)
{
    for (const Participation *participation : participations.participations()) {
        if (participation && participation->initialorder == lane)
            return participation;
    }
    return nullptr;
}

void MeetSelection::fillEmptyLane(CStartBlock &block, const ParticipationsModel &participations)
{
    if (!block.participantName().isEmpty())
        return;
    const Participation *participation = participationForLane(participations, block.lane());
    if (!participation)
        return;
    // the lane shows the bib; the participation's id stays in the model for the result posts
    block.SetParticipantId(participation->firstBib());
    block.SetParticipantName(participation->displayText());
    block.SetParticipantInfo(participation->info);
}

std::optional<MeetHeat> MeetSelection::heatAt(int serverRow, int eventRow) const
{
    const std::optional<QString> ip = serverAddress(serverRow);
    const Event *event = m_events.eventAtRow(eventRow);
    const Round *round = m_events.roundAtRow(eventRow);
    const Heat *heat = m_events.heatAtRow(eventRow);
    if (!ip || !event || !round || !heat)
        return std::nullopt;
    return MeetHeat{*ip, m_servers.servers().at(serverRow)->name, event->id, round->id, heat->id};
}

std::optional<ShownHeat> MeetSelection::shownHeatAt(int serverRow, int eventRow, const QString &text) const
{
    const std::optional<MeetHeat> heat = heatAt(serverRow, eventRow);
    if (!heat)
        return std::nullopt;
    const quint32 number = m_events.heatAtRow(eventRow)->seqno;
    return ShownHeat{*heat, text, quint16(qBound<quint32>(1, number, 65535)),
                     eventRow == m_events.rowCount() - 1};
}

int MeetSelection::rowOfHeat(const MeetHeat &heat) const
{
    for (int row = 0; row < m_events.rowCount(); ++row) {
        const Event *event = m_events.eventAtRow(row);
        const Round *round = m_events.roundAtRow(row);
        const Heat *shown = m_events.heatAtRow(row);
        if (event && round && shown && event->id == heat.eventId && round->id == heat.roundId &&
            shown->id == heat.heatId)
            return row;
    }
    return -1;
}

QList<LaneParticipation> MeetSelection::laneParticipations() const
{
    QList<LaneParticipation> lanes;
    for (const Participation *participation : m_participations.participations()) {
        if (!participation || participation->initialorder > 0xFF)
            continue;
        const quint8 lane = quint8(participation->initialorder);
        if (std::none_of(lanes.cbegin(), lanes.cend(),
                         [lane](const auto &held) { return held.lane == lane; }))
            lanes.append({lane, participation->id});
    }
    return lanes;
}

RacePosts MeetSelection::postResults(int serverRow, int eventRow, const QList<CStartBlock *> &blocks,
                                     quint16 start)
{
    const std::optional<MeetHeat> heat = heatAt(serverRow, eventRow);
    return heat ? postResults(*heat, laneParticipations(), blocks, start) : RacePosts();
}

RacePosts MeetSelection::postResults(const MeetHeat &heat, const QList<LaneParticipation> &participations,
                                     const QList<CStartBlock *> &blocks, quint16 start)
{
    RacePosts posted;
    for (const CStartBlock *block : blocks) {
        const auto participation =
            std::find_if(participations.cbegin(), participations.cend(),
                         [block](const LaneParticipation &lane) { return lane.lane == block->lane(); });
        if (participation == participations.cend())
            continue;
        const ResultPost result =
            resultPostFor(block->participationStatus(), reactionOf(*block), block->falseStartLimit());
        const quint64 post = m_connection.postResult(heat.ip, participation->id, uchar(start & kSeqnoMask),
                                                     result.value, result.info, QTime::currentTime());
        qDebug().noquote() << QStringLiteral("Post results of participant %1").arg(participation->id);
        posted.results.append({post, block->lane()});
    }
    if (!posted.results.isEmpty())
        posted.notice = postWhatIsHappening(heat, start);
    return posted;
}

quint64 MeetSelection::postWhatIsHappening(const MeetHeat &heat, quint16 start)
{
    // raised before and after each post, so that successive posts carry 1, 3, 5, ...
    m_connection.setPostCounter(m_connection.postCounter() + 1);
    const QString data = QStringLiteral("%1;%2;%3;%4")
                             .arg(QString::number(heat.eventId), QString::number(heat.roundId),
                                  QString::number(heat.heatId), QString::number(start));
    const quint64 post =
        m_connection.postWhatIsHappening(heat.ip, QString::number(m_connection.postCounter()),
                                         kWhatIsHappeningType, data, kWhatIsHappeningFormat);
    m_connection.setPostCounter(m_connection.postCounter() + 1);
    qDebug() << "Post whats happening";
    qDebug() << "Event:" << heat.eventId;
    qDebug() << "Round:" << heat.roundId;
    qDebug() << "Heat:" << heat.heatId;
    return post;
}

QString MeetSelection::sessionIdFor(const QString &ip, const QString &uuidText)
{
    const QString token = encryptText(kSessionToken, digitSum(uuidText), 0);
    return QStringLiteral("SID:ZX:%1:%2:%3:%4").arg(ip, kSessionProduct, token, uuidText);
}
