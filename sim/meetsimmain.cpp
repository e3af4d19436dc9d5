// quellor-meet-sim: a meet-management server for tests and demonstrations. Answers the discovery search,
// serves the meet of a folder over HTTP on port 8090 and logs every result post; slow, failing or cut
// replies on demand.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include "sim/meetsimdiscovery.h"
#include "sim/meetsimserver.h"

namespace
{

struct Options {
    QString dataDir;
    QString name;
    QString postLog;
    int answerDelayMs = 0;
    QHostAddress answerFrom;
    MeetSimFaults faults;
};

bool readInt(const QCommandLineParser &parser, const QCommandLineOption &option, int minimum, int *value)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    *value = parser.value(option).toInt(&ok);
    return ok && *value >= minimum;
}

std::optional<Options> parseOptions(const QCoreApplication &app, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Answers the meet-management discovery (UDP 1217) and serves a meet over HTTP on port 8090 from\n"
        "FOLDER/competitions.xml, FOLDER/events/<competition id>.xml and\n"
        "FOLDER/participations/<heat id>.xml. Every result post is appended to the post log."));
    parser.addHelpOption();
    const QCommandLineOption data(QStringLiteral("data"),
                                  QStringLiteral("Serve the meet in FOLDER (default: the sample meet)."),
                                  QStringLiteral("FOLDER"), QStringLiteral(QUELLOR_MEETSIM_DATA_DIR));
    const QCommandLineOption name(QStringLiteral("name"), QStringLiteral("Server name in discovery answers."),
                                  QStringLiteral("NAME"), QStringLiteral("Quellor meet sim"));
    const QCommandLineOption log(QStringLiteral("log"), QStringLiteral("Append posts to FILE."),
                                 QStringLiteral("FILE"), QStringLiteral("meet-posts.log"));
    const QCommandLineOption delay(QStringLiteral("delay"), QStringLiteral("Answer every request after MS."),
                                   QStringLiteral("MS"));
    const QCommandLineOption error(QStringLiteral("http-error"),
                                   QStringLiteral("Answer every request with this HTTP status."),
                                   QStringLiteral("STATUS"));
    const QCommandLineOption cut(QStringLiteral("cut-xml"),
                                 QStringLiteral("Send only the first BYTES bytes of every XML reply."),
                                 QStringLiteral("BYTES"));
    const QCommandLineOption answerDelay(QStringLiteral("answer-delay"),
                                         QStringLiteral("Answer discovery searches after MS."),
                                         QStringLiteral("MS"));
    const QCommandLineOption answerFrom(QStringLiteral("answer-from"),
                                        QStringLiteral("Send discovery answers from ADDRESS."),
                                        QStringLiteral("ADDRESS"));
    parser.addOptions({data, name, log, delay, error, cut, answerDelay, answerFrom});
    parser.process(app);

    Options options;
    options.dataDir = parser.value(data);
    options.name = parser.value(name);
    options.postLog = parser.value(log);
    if (!readInt(parser, delay, 0, &options.faults.delayMs) ||
        !readInt(parser, error, 100, &options.faults.httpStatus) ||
        !readInt(parser, cut, 0, &options.faults.cutXmlAt) ||
        !readInt(parser, answerDelay, 0, &options.answerDelayMs)) {
        err << "quellor-meet-sim: a number option is out of range" << Qt::endl;
        return std::nullopt;
    }
    if (parser.isSet(answerFrom) && !options.answerFrom.setAddress(parser.value(answerFrom))) {
        err << "quellor-meet-sim: not an address: " << parser.value(answerFrom) << Qt::endl;
        return std::nullopt;
    }
    out << "quellor-meet-sim: serving " << options.dataDir << " as \"" << options.name << "\", posts to "
        << options.postLog << Qt::endl;
    return options;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quellor-meet-sim"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const std::optional<Options> options = parseOptions(app, out, err);
    if (!options)
        return 2;

    MeetSimServer server(options->dataDir);
    server.setFaults(options->faults);
    server.setPostLog(options->postLog);
    if (!server.listen()) {
        err << "quellor-meet-sim: HTTP port " << MeetSimServer::kHttpPort << ": " << server.errorString()
            << Qt::endl;
        return 1;
    }
    MeetSimDiscovery discovery(options->name);
    discovery.setAnswerDelay(options->answerDelayMs);
    if (!discovery.listen() ||
        (!options->answerFrom.isNull() && !discovery.setAnswerAddress(options->answerFrom))) {
        err << "quellor-meet-sim: discovery: " << discovery.errorString() << Qt::endl;
        return 1;
    }
    QObject::connect(&server, &MeetSimServer::requestReceived, &app, [&out](const MeetSimRequest &request) {
        out << request.method << ' ' << request.target << Qt::endl;
    });
    QObject::connect(&discovery, &MeetSimDiscovery::answered, &app, [&out](const QHostAddress &searcher) {
        out << "answered search from " << searcher.toString() << Qt::endl;
    });
    out << "quellor-meet-sim: ready" << Qt::endl;
    return app.exec();
}
