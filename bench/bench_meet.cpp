// Speed of the meet-management replies: a generated participations reply of 2000 participations and an
// events reply of 300 events are read and handed to their models as the main window does, printing the
// reader's throughput and the time until the models are filled. A real meet must take well under 100 ms.
#include <cstdio>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>

#include "meet/eventsmodel.h"
#include "meet/meetreplyreader.h"
#include "meet/participationsmodel.h"

namespace
{
constexpr int kParticipations = 2000;
constexpr int kRunnersPerTeam = 4;
constexpr int kEvents = 300;
constexpr int kRoundsPerEvent = 3;
constexpr int kHeatsPerRound = 4;
constexpr int kRepeats = 5;
constexpr double kBytesPerMegabyte = 1024.0 * 1024.0;
constexpr int kLanes = 8; // what one heat's participations reply holds

QByteArray competitor(int number)
{
    return "<competitor><bib>" + QByteArray::number(number) + "</bib><displayname>RUNNER " +
           QByteArray::number(number) +
           "</displayname><club><id>11</id><name>Harbour "
           "Athletics</name><abbreviation>HAR</abbreviation></club>"
           "<team><id>20</id><group>W</group><name>Harbour "
           "Women</name><abbreviation>HARW</abbreviation></team>"
           "<athlete><firstname>Anna</firstname><lastname>Runner</lastname><middlename></middlename>"
           "<gender>W</gender><birthdate>2001-02-21</birthdate><nationality>NED</nationality></athlete>"
           "</competitor>";
}

// every fourth participation a relay team of four
QByteArray participationsReply()
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<participations>\n";
    for (int i = 0; i < kParticipations; ++i) {
        const int runners = i % 4 == 0 ? kRunnersPerTeam : 1;
        xml += "<participation><id>" + QByteArray::number(5000 + i) +
               "</id><teamname></teamname><info>Harbour"
               "</info><category>WSEN</category><initialorder>" +
               QByteArray::number(1 + i % 8) +
               "</initialorder><currentorder>1</currentorder><currentorder_round>0</currentorder_round>"
               "<currentorder_combinedevent>0</currentorder_combinedevent><outofcompetition_combinedevent>0"
               "</outofcompetition_combinedevent><qualified>0</qualified><points>0</points><teampoints>0"
               "</teampoints><transponder></transponder><participants>";
        for (int r = 1; r <= runners; ++r)
            xml += "<participant><seqno>" + QByteArray::number(r) + "</seqno>" + competitor(i * 10 + r) +
                   "</participant>";
        xml += "</participants></participation>\n";
    }
    return xml + "</participations>\n";
}

QByteArray eventType(int distance)
{
    return "<eventtype><id>1</id><code>" + QByteArray::number(distance) +
           "</code><shortcode>s</shortcode>"
           "<distance>" +
           QByteArray::number(distance) +
           "</distance><fieldtype>T</fieldtype><venue>O</venue>"
           "<windmode>W</windmode><windtime>10</windtime><precision>2</precision><athletesquantity>1"
           "</athletesquantity><combinedeventsquantity>0</combinedeventsquantity><implement>0</implement>"
           "</eventtype>";
}

QByteArray eventsReply()
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<events>\n";
    for (int e = 0; e < kEvents; ++e) {
        const int distance = (e % 4 + 1) * 100;
        xml += "<event><id>" + QByteArray::number(e) + "</id><name>Event " + QByteArray::number(e) +
               "</name><abbreviation>E</abbreviation><info></info><seqno>1</seqno><status>1</status>" +
               eventType(distance) + "<rounds>";
        for (int r = 0; r < kRoundsPerEvent; ++r) {
            xml += "<round><id>" + QByteArray::number(e * 10 + r) +
                   "</id><name>Round</name><abbreviation>R"
                   "</abbreviation><info></info><seqno>1</seqno><scheduled>10:00:00</scheduled><status>1</"
                   "status>" +
                   eventType(distance) + "<heats>";
            for (int h = 1; h <= kHeatsPerRound; ++h)
                xml += "<heat><id>" + QByteArray::number((e * 10 + r) * 10 + h) + "</id><seqno>" +
                       QByteArray::number(h) +
                       "</seqno><info></info><timescheduled>10:00:00</timescheduled>"
                       "<status>1</status></heat>";
            xml += "</heats></round>";
        }
        xml += "</rounds></event>\n";
    }
    return xml + "</events>\n";
}

struct Figures {
    double readMs = 0;  // reader alone, signals unconnected
    double modelMs = 0; // reader with the model filled from its signals
    int rows = 0;
};

template<typename Read, typename Fill>
Figures measure(Read read, Fill connectModel)
{
    Figures best{1e9, 1e9, 0};
    for (int i = 0; i < kRepeats; ++i) {
        MeetReplyReader reader;
        QElapsedTimer timer;
        timer.start();
        read(reader);
        best.readMs = qMin(best.readMs, timer.nsecsElapsed() / 1e6);

        MeetReplyReader filling;
        timer.restart();
        best.rows = connectModel(filling, read);
        best.modelMs = qMin(best.modelMs, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

void print(const char *what, const QByteArray &reply, const Figures &figures)
{
    std::printf("%-15s %7.0f kB  read %7.2f ms (%6.1f MB/s)  into the model %7.2f ms, %d rows\n", what,
                reply.size() / 1024.0, figures.readMs,
                reply.size() / kBytesPerMegabyte / (figures.readMs / 1e3), figures.modelMs, figures.rows);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    const QByteArray participations = participationsReply();
    const auto readParticipations = [&participations](MeetReplyReader &reader) {
        reader.readParticipations(participations);
    };
    const Figures figures = measure(readParticipations, [](MeetReplyReader &reader, auto read) {
        ParticipationsModel model;
        QObject::connect(&reader, &MeetReplyReader::new_participation, &model,
                         [&model](const Participation &p) { model.addParticipation(p); });
        read(reader);
        return model.rowCount();
    });
    print("participations", participations, figures);
    std::printf("%-15s one heat of %d lanes into the model: %.3f ms\n", "", kLanes,
                figures.modelMs / kParticipations * kLanes);

    const QByteArray events = eventsReply();
    const auto readEvents = [&events](MeetReplyReader &reader) { reader.readEvents(events); };
    print("events", events, measure(readEvents, [](MeetReplyReader &reader, auto read) {
              EventsModel model;
              model.showRoundsWithoutHeats = false;
              model.filterKind = EventsModel::FilterSprint;
              QObject::connect(&reader, &MeetReplyReader::new_event, &model,
                               [&model](const Event &e) { model.addEvent(e); });
              read(reader);
              return model.rowCount();
          }));
    return 0;
}
