#include "sim/simscenario.h"

#include <cmath>
#include <limits>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include "sim/simdefaults.h"
#include "sim/simframe.h"

namespace
{

constexpr int kStandardFirstReactionMs = 120;
constexpr int kStandardReactionStepMs = 10;
constexpr qint64 kMaxScenarioFileBytes = 1 << 20;
constexpr int kMaxDelayMs = 60000;
constexpr int kMaxIgnoredReadies = 1000;
constexpr int kMaxReactionMs = 30000; // the reaction item is a signed 16-bit value
constexpr int kMaxSyncOffsetMs = 1000000;
constexpr int kMaxByte = 255;
constexpr char kMacPrefix[] = "\x15\x8d\x00"; // the maker's address block, checked by identification
constexpr int kMacPrefixLength = 3;
constexpr quint8 kCoordinatorMarker = 0x01;

QByteArray standardMac(quint8 marker, quint8 lane)
{
    QByteArray mac(kMacPrefix, kMacPrefixLength);
    mac.append(char(marker)).append(char(0)).append(char(lane));
    return mac;
}

const QStringList &topLevelKeys()
{
    static const QStringList keys = {
        "seed",      "wired",        "coordinator",        "blocks",      "lanes",
        "replyLoss", "corruptCrc",   "splitReplies",       "autoStartMs", "speedModel",
        "baud",      "replyDelayMs", "readyWindowSeconds", "gpsFix",      "identifyLane"};
    return keys;
}

const QStringList &laneKeys()
{
    static const QStringList keys = {"lane",        "mac",          "reaction",   "modeAnswer",
                                     "ignoreReady", "synchronised", "syncOffset", "linkQuality"};
    return keys;
}

// Reads JSON fields with type and range checks; the first problem wins.
class FieldReader
{
public:
    FieldReader(const QJsonObject &object, QString context) : m_object(object), m_context(std::move(context))
    {
    }

    QString error;

    void checkKeys(const QStringList &known)
    {
        for (const QString &key : m_object.keys()) {
            if (!known.contains(key))
                fail(QStringLiteral("unknown key \"%1\"").arg(key));
        }
    }

    void readInt(const char *key, int &target, int minimum, int maximum)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isUndefined())
            return;
        const double number = value.toDouble();
        // range first: converting a huge number to an integer is undefined
        if (!value.isDouble() || number < minimum || number > maximum || number != std::floor(number))
            return fail(QStringLiteral("\"%1\" must be a whole number from %2 to %3")
                            .arg(key)
                            .arg(minimum)
                            .arg(maximum));
        target = int(number);
    }

    void readRate(const char *key, double &target)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isUndefined())
            return;
        if (!value.isDouble() || value.toDouble() < 0.0 || value.toDouble() > 1.0)
            return fail(QStringLiteral("\"%1\" must be a number from 0 to 1").arg(key));
        target = value.toDouble();
    }

    void readBool(const char *key, bool &target)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isUndefined())
            return;
        if (!value.isBool())
            return fail(QStringLiteral("\"%1\" must be true or false").arg(key));
        target = value.toBool();
    }

    void readMac(const char *key, QByteArray &target)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isUndefined())
            return;
        const QByteArray mac = simMacFromText(value.toString());
        if (mac.isEmpty())
            return fail(QStringLiteral("\"%1\" must be a MAC like \"15:8d:00:00:00:01\"").arg(key));
        target = mac;
    }

    void fail(const QString &text)
    {
        if (error.isEmpty())
            error = m_context + text;
    }

    const QJsonObject &object() const { return m_object; }

private:
    QJsonObject m_object;
    QString m_context;
};

void readReaction(FieldReader &reader, SimLaneScenario &lane)
{
    const QJsonValue value = reader.object().value(QLatin1String("reaction"));
    if (value.isUndefined())
        return;
    if (value.isNull() || value.toString() == QLatin1String("none")) {
        lane.reactionMs.reset();
        return;
    }
    int reaction = 0;
    reader.readInt("reaction", reaction, -kMaxReactionMs, kMaxReactionMs);
    lane.reactionMs = reaction;
}

void readModeAnswer(FieldReader &reader, SimLaneScenario &lane)
{
    const QJsonValue value = reader.object().value(QLatin1String("modeAnswer"));
    if (value.isUndefined())
        return;
    const QString text = value.toString();
    if (text == QLatin1String("wireless"))
        lane.modeAnswer = SimModeAnswer::Wireless;
    else if (text == QLatin1String("wired"))
        lane.modeAnswer = SimModeAnswer::Wired;
    else if (text == QLatin1String("none"))
        lane.modeAnswer = SimModeAnswer::None;
    else
        reader.fail(QStringLiteral("\"modeAnswer\" must be \"wireless\", \"wired\" or \"none\""));
}

std::optional<SimLaneScenario> readLane(const QJsonValue &value, int index, QString *error)
{
    FieldReader reader(value.toObject(), QStringLiteral("lanes[%1]: ").arg(index));
    if (!value.isObject())
        reader.fail(QStringLiteral("must be an object"));
    reader.checkKeys(laneKeys());
    SimLaneScenario lane;
    int laneNumber = index + 1;
    reader.readInt("lane", laneNumber, 1, 255);
    lane.lane = quint8(laneNumber);
    lane.mac = standardMac(0, lane.lane);
    reader.readMac("mac", lane.mac);
    lane.reactionMs = kStandardFirstReactionMs + kStandardReactionStepMs * index;
    readReaction(reader, lane);
    readModeAnswer(reader, lane);
    reader.readInt("ignoreReady", lane.ignoreReady, 0, kMaxIgnoredReadies);
    reader.readBool("synchronised", lane.synchronised);
    int offset = lane.syncOffsetMs;
    reader.readInt("syncOffset", offset, -kMaxSyncOffsetMs, kMaxSyncOffsetMs);
    lane.syncOffsetMs = offset;
    if (reader.object().contains(QLatin1String("linkQuality"))) {
        int quality = 0;
        reader.readInt("linkQuality", quality, 0, kMaxByte);
        lane.linkQuality = quality;
    }
    if (!reader.error.isEmpty()) {
        *error = reader.error;
        return std::nullopt;
    }
    return lane;
}

bool readLanes(const QJsonObject &root, SimScenario &scenario, QString *error)
{
    const QJsonValue lanes = root.value(QLatin1String("lanes"));
    if (lanes.isUndefined())
        return true;
    if (!lanes.isArray()) {
        *error = QStringLiteral("\"lanes\" must be a list");
        return false;
    }
    scenario.lanes.clear();
    const QJsonArray array = lanes.toArray();
    if (array.size() > SimScenario::kMaxBlocks) {
        *error = QStringLiteral("at most %1 lanes").arg(SimScenario::kMaxBlocks);
        return false;
    }
    for (int i = 0; i < array.size(); ++i) {
        const std::optional<SimLaneScenario> lane = readLane(array.at(i), i, error);
        if (!lane)
            return false;
        scenario.lanes.append(*lane);
    }
    return true;
}

void readSettings(FieldReader &reader, SimScenario &scenario)
{
    int seed = int(scenario.seed);
    reader.readInt("seed", seed, 0, std::numeric_limits<int>::max());
    scenario.seed = quint32(seed);
    reader.readBool("wired", scenario.wired);
    reader.readMac("coordinator", scenario.coordinatorMac);
    reader.readRate("replyLoss", scenario.replyLossRate);
    reader.readRate("corruptCrc", scenario.corruptCrcRate);
    reader.readBool("splitReplies", scenario.splitReplies);
    reader.readInt("autoStartMs", scenario.autoStartDelayMs, -1, kMaxDelayMs);
    reader.readBool("speedModel", scenario.speedModel);
    reader.readInt("baud", scenario.initialBaud, SimDefaults::kBaudWired, SimDefaults::kBaudWireless);
    if (scenario.initialBaud != SimDefaults::kBaudWired && scenario.initialBaud != SimDefaults::kBaudWireless)
        reader.fail(QStringLiteral("\"baud\" must be 9600 or 38400"));
    reader.readInt("replyDelayMs", scenario.replyDelayMs, 0, kMaxDelayMs);
    reader.readInt("readyWindowSeconds", scenario.readyWindowSeconds, 0, 1 << 30);
    reader.readBool("gpsFix", scenario.gpsFix);
    reader.readInt("identifyLane", scenario.identifyResponderLane, 0, 255);
}

} // namespace

SimScenario SimScenario::standard(int blocks)
{
    SimScenario scenario;
    scenario.coordinatorMac = standardMac(kCoordinatorMarker, 0);
    for (int i = 0; i < qBound(0, blocks, kMaxBlocks); ++i) {
        SimLaneScenario lane;
        lane.lane = quint8(i + 1);
        lane.mac = standardMac(0, lane.lane);
        lane.reactionMs = kStandardFirstReactionMs + kStandardReactionStepMs * i;
        scenario.lanes.append(lane);
    }
    return scenario;
}

QString SimScenario::validate() const
{
    if (coordinatorMac.size() != SimFrame::kMacLength || coordinatorMac == simBroadcastMac())
        return QStringLiteral("the coordinator needs a MAC");
    if (lanes.size() > kMaxBlocks)
        return QStringLiteral("at most %1 start blocks").arg(kMaxBlocks);
    QSet<QByteArray> macs{coordinatorMac};
    for (const SimLaneScenario &lane : lanes) {
        if (lane.mac.size() != SimFrame::kMacLength || lane.mac == simBroadcastMac())
            return QStringLiteral("lane %1 needs a MAC").arg(lane.lane);
        if (macs.contains(lane.mac))
            return QStringLiteral("MAC %1 is used twice").arg(simMacText(lane.mac));
        macs.insert(lane.mac);
    }
    return {};
}

std::optional<SimScenario> parseSimScenario(const QByteArray &json, QString *error)
{
    QString ignored;
    error = error ? error : &ignored;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (document.isNull() || !document.isObject()) {
        *error = parseError.error != QJsonParseError::NoError
                     ? parseError.errorString()
                     : QStringLiteral("the scenario must be a JSON object");
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    FieldReader reader(root, QString());
    reader.checkKeys(topLevelKeys());
    int blocks = 8;
    reader.readInt("blocks", blocks, 0, SimScenario::kMaxBlocks);
    SimScenario scenario = SimScenario::standard(blocks);
    readSettings(reader, scenario);
    if (!reader.error.isEmpty()) {
        *error = reader.error;
        return std::nullopt;
    }
    if (!readLanes(root, scenario, error))
        return std::nullopt;
    *error = scenario.validate();
    if (!error->isEmpty())
        return std::nullopt;
    return scenario;
}

std::optional<SimScenario> loadSimScenario(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    // a pipe or a device reports no size: read one byte past the limit to see whether it ends in time
    QByteArray json;
    while (json.size() <= kMaxScenarioFileBytes) {
        const QByteArray piece = file.read(kMaxScenarioFileBytes + 1 - json.size());
        if (piece.isEmpty())
            break;
        json += piece;
    }
    QString problem;
    if (json.size() > kMaxScenarioFileBytes)
        problem = QStringLiteral("%1 is larger than %2 bytes, too large for a scenario")
                      .arg(path)
                      .arg(kMaxScenarioFileBytes);
    else if (json.trimmed().isEmpty())
        problem = QStringLiteral("%1 is empty; a scenario is a JSON object such as {}").arg(path);
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return std::nullopt;
    }
    return parseSimScenario(json, error);
}

QString simScenarioFormatHelp()
{
    return QStringLiteral(
        "Scenario file (JSON object; every key is optional):\n"
        "  \"seed\": 1                 seed of every random choice (loss, corruption, splitting)\n"
        "  \"wired\": false            wired installation (raw start and alarm headers after the gun)\n"
        "  \"coordinator\": \"15:8d:00:01:00:00\"  the coordinator's MAC\n"
        "  \"blocks\": 8               standard blocks in lanes 1..n (MAC 15:8d:00:00:00:<lane>,\n"
        "                            reactions 120 ms + 10 ms per lane); replaced by \"lanes\"\n"
        "  \"lanes\": [ {              up to 10 blocks\n"
        "      \"lane\": 1, \"mac\": \"15:8d:00:00:00:01\",\n"
        "      \"reaction\": 135         ms after the gun; below the false-start limit (100) is a false\n"
        "                            start; null or \"none\": the block never reacts\n"
        "      \"modeAnswer\": \"wired\"   answer to the operation-mode question: wired, wireless, none\n"
        "      \"ignoreReady\": 0        Ready commands the block lets pass before it follows\n"
        "      \"synchronised\": true, \"syncOffset\": 4   clock difference in ms once synchronised\n"
        "      \"linkQuality\": 240      radio link quality as sent (status 6, 0..255; the program shows\n"
        "                            51 and below as 0); unset: about 240, wandering a little\n"
        "  } ]\n"
        "  \"replyLoss\": 0.0          share of replies that never leave (0..1)\n"
        "  \"corruptCrc\": 0.0         share of replies sent with a wrong CRC (0..1)\n"
        "  \"splitReplies\": false     write every reply in several pieces\n"
        "  \"autoStartMs\": 3000       gun this long after \"everybody ready\"; -1: only on command\n"
        "  \"speedModel\": true        bytes at a link speed other than the coordinator's are lost\n"
        "  \"baud\": 9600              the coordinator's speed at power-on (9600 or 38400)\n"
        "  \"replyDelayMs\": 3         device turnaround\n"
        "  \"readyWindowSeconds\": 300 how long after Ready the program may repeat it\n"
        "  \"gpsFix\": true            GPS state 'A' (else 'V')\n"
        "  \"identifyLane\": 0         who answers a broadcast identifier request: 0 the coordinator\n");
}
