// Feeds arbitrary bytes to the meet-management replies: the first byte chooses the competitions, events or
// participations reader (whose objects go on into the models, as the main window hands them on), a raw
// discovery datagram, or a discovery answer around arbitrary cipher bytes.
#include <cstddef>
#include <cstdint>

#include <QCoreApplication>
#include <QLoggingCategory>

#include "meet/competitionsmodel.h"
#include "meet/eventsmodel.h"
#include "meet/meetreplyreader.h"
#include "meet/participationsmodel.h"
#include "meet/zxconnection.h"

namespace
{
enum Target : uint8_t { Competitions, Events, Participations, Datagram, AnswerCipher, TargetCount };

QCoreApplication &application()
{
    static int argc = 1;
    static char name[] = "fuzz_meetreplies";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false")); // the unknown-tag lines
    return app;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    application();
    if (size < 1)
        return 0;
    const auto target = Target(data[0] % TargetCount);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    MeetReplyReader reader;
    CompetitionsModel competitions;
    EventsModel events;
    events.filterKind = data[0] / TargetCount % 8;
    events.showRoundsWithoutHeats = (data[0] & 0x80) != 0;
    ParticipationsModel participations;
    QObject::connect(&reader, &MeetReplyReader::new_competition, &competitions,
                     &CompetitionsModel::addCompetition);
    QObject::connect(&reader, &MeetReplyReader::new_event, &events, [&events](const Event &event) {
        events.addEvent(event);
        for (int row = 0; row <= events.rowCount(); ++row)
            events.index(row, EventsModel::ColumnName).data();
    });
    QObject::connect(&reader, &MeetReplyReader::new_participation, &participations,
                     [&participations](const Participation &participation) {
                         participations.addParticipation(participation);
                         for (int column = 0; column < participations.columnCount(); ++column)
                             participations.index(participations.rowCount() - 1, column).data();
                     });

    switch (target) {
    case Competitions:
        reader.readCompetitions(bytes);
        break;
    case Events:
        reader.readEvents(bytes);
        break;
    case Participations:
        reader.readParticipations(bytes);
        break;
    case Datagram:
        ZXConnection::serverNameFromAnswer(bytes);
        break;
    case AnswerCipher:
        ZXConnection::serverNameFromAnswer("ZXQUELLORANSWER;" + QByteArray::number(data[0]) + ';' +
                                           bytes.toBase64());
        break;
    case TargetCount:
        break;
    }
    events.clear();
    return 0;
}
