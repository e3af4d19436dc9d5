#include <QTemporaryDir>
#include <QTest>

#include "sim/simframe.h"
#include "sim/simscenario.h"

class TstSimScenario : public QObject
{
    Q_OBJECT

private slots:
    void standardScenarioHasLanesAndMakerMacs();
    void emptyFileGivesStandardScenario();
    void readsEveryField();
    void rejectsBadScenarios_data();
    void rejectsBadScenarios();
    void loadsFromFile();
    void refusesEmptyAndEndlessInput_data();
    void refusesEmptyAndEndlessInput();
};

void TstSimScenario::standardScenarioHasLanesAndMakerMacs()
{
    const SimScenario scenario = SimScenario::standard(3);
    QCOMPARE(scenario.lanes.size(), 3);
    QCOMPARE(scenario.coordinatorMac.left(3), QByteArray::fromHex("158d00"));
    QCOMPARE(scenario.lanes.at(2).lane, quint8(3));
    QCOMPARE(scenario.lanes.at(2).mac, QByteArray::fromHex("158d00000003"));
    QVERIFY(scenario.validate().isEmpty());
    QCOMPARE(SimScenario::standard(20).lanes.size(), SimScenario::kMaxBlocks);
}

void TstSimScenario::emptyFileGivesStandardScenario()
{
    QString error;
    const std::optional<SimScenario> scenario = parseSimScenario("{}", &error);
    QVERIFY2(scenario, qPrintable(error));
    QCOMPARE(scenario->lanes.size(), 8);
    QCOMPARE(scenario->wired, false);
    QCOMPARE(scenario->initialBaud, 9600);
}

void TstSimScenario::readsEveryField()
{
    const QByteArray json = R"({
        "seed": 42, "wired": true, "coordinator": "15:8D:00:AA:00:01",
        "lanes": [
            {"lane": 3, "mac": "15:8d:00:00:00:33", "reaction": 87, "modeAnswer": "none",
             "ignoreReady": 2, "synchronised": false, "syncOffset": -30, "linkQuality": 0},
            {"lane": 4, "reaction": null}
        ],
        "replyLoss": 0.25, "corruptCrc": 0.5, "splitReplies": true, "autoStartMs": -1,
        "speedModel": false, "baud": 38400, "replyDelayMs": 7, "readyWindowSeconds": 60,
        "gpsFix": false, "identifyLane": 4
    })";
    QString error;
    const std::optional<SimScenario> scenario = parseSimScenario(json, &error);
    QVERIFY2(scenario, qPrintable(error));
    QCOMPARE(scenario->seed, 42u);
    QCOMPARE(scenario->wired, true);
    QCOMPARE(simMacText(scenario->coordinatorMac), QStringLiteral("15:8d:00:aa:00:01"));
    QCOMPARE(scenario->lanes.size(), 2);
    const SimLaneScenario &lane = scenario->lanes.at(0);
    QCOMPARE(lane.lane, quint8(3));
    QCOMPARE(lane.mac, QByteArray::fromHex("158d00000033"));
    QCOMPARE(lane.reactionMs, std::optional<int>(87));
    QCOMPARE(lane.modeAnswer, std::optional(SimModeAnswer::None));
    QCOMPARE(lane.ignoreReady, 2);
    QCOMPARE(lane.synchronised, false);
    QCOMPARE(lane.syncOffsetMs, -30);
    QCOMPARE(lane.linkQuality, std::optional<int>(0));
    QVERIFY(!scenario->lanes.at(1).linkQuality);
    QCOMPARE(scenario->lanes.at(1).mac, QByteArray::fromHex("158d00000004"));
    QVERIFY(!scenario->lanes.at(1).reactionMs);
    QCOMPARE(scenario->replyLossRate, 0.25);
    QCOMPARE(scenario->corruptCrcRate, 0.5);
    QCOMPARE(scenario->splitReplies, true);
    QCOMPARE(scenario->autoStartDelayMs, -1);
    QCOMPARE(scenario->speedModel, false);
    QCOMPARE(scenario->initialBaud, 38400);
    QCOMPARE(scenario->replyDelayMs, 7);
    QCOMPARE(scenario->readyWindowSeconds, 60);
    QCOMPARE(scenario->gpsFix, false);
    QCOMPARE(scenario->identifyResponderLane, 4);
}

void TstSimScenario::rejectsBadScenarios_data()
{
    QTest::addColumn<QByteArray>("json");

    QTest::newRow("not JSON") << QByteArray("{seed: 1");
    QTest::newRow("not an object") << QByteArray("[1, 2]");
    QTest::newRow("unknown key") << QByteArray(R"({"sead": 1})");
    QTest::newRow("unknown lane key") << QByteArray(R"({"lanes": [{"reacton": 100}]})");
    QTest::newRow("bad MAC") << QByteArray(R"({"coordinator": "15:8d:00:00:01"})");
    QTest::newRow("broadcast MAC") << QByteArray(R"({"coordinator": "ff:ff:ff:ff:ff:ff"})");
    QTest::newRow("rate above 1") << QByteArray(R"({"replyLoss": 1.5})");
    QTest::newRow("fractional seed") << QByteArray(R"({"seed": 1.5})");
    QTest::newRow("huge number") << QByteArray(R"({"replyDelayMs": 5e34})");
    QTest::newRow("odd baud") << QByteArray(R"({"baud": 19200})");
    QTest::newRow("too many blocks") << QByteArray(R"({"blocks": 11})");
    QTest::newRow("reaction out of range") << QByteArray(R"({"lanes": [{"reaction": 40000}]})");
    QTest::newRow("link quality above a byte") << QByteArray(R"({"lanes": [{"linkQuality": 256}]})");
    QTest::newRow("negative link quality") << QByteArray(R"({"lanes": [{"linkQuality": -1}]})");
    QTest::newRow("fractional link quality") << QByteArray(R"({"lanes": [{"linkQuality": 240.5}]})");
    QTest::newRow("link quality as text") << QByteArray(R"({"lanes": [{"linkQuality": "good"}]})");
    QTest::newRow("bad mode answer") << QByteArray(R"({"lanes": [{"modeAnswer": "radio"}]})");
    QTest::newRow("same MAC twice") << QByteArray(
        R"({"lanes": [{"mac": "15:8d:00:00:00:01"}, {"mac": "15:8d:00:00:00:01"}]})");
    QTest::newRow("eleven lanes") << QByteArray(R"({"lanes": [{},{},{},{},{},{},{},{},{},{},{}]})");
    QTest::newRow("flag as text") << QByteArray(R"({"wired": "yes"})");
}

void TstSimScenario::rejectsBadScenarios()
{
    QFETCH(QByteArray, json);
    QString error;
    QVERIFY(!parseSimScenario(json, &error));
    QVERIFY(!error.isEmpty());
}

void TstSimScenario::loadsFromFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("scenario.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"blocks": 2, "wired": true})");
    file.close();
    QString error;
    const std::optional<SimScenario> scenario = loadSimScenario(path, &error);
    QVERIFY2(scenario, qPrintable(error));
    QCOMPARE(scenario->lanes.size(), 2);
    QVERIFY(scenario->wired);
    QVERIFY(!loadSimScenario(dir.filePath(QStringLiteral("missing.json")), &error));
    QVERIFY(error.contains(QStringLiteral("missing.json")));
}

void TstSimScenario::refusesEmptyAndEndlessInput_data()
{
    QTest::addColumn<QByteArray>("content"); // written to a file; null: the endless /dev/zero
    QTest::addColumn<QString>("message");
    QTest::newRow("empty file") << QByteArray("") << QStringLiteral("is empty");
    QTest::newRow("one byte past 1 MiB") << QByteArray((1 << 20) + 1, ' ') << QStringLiteral("too large");
    QTest::newRow("device without a size") << QByteArray() << QStringLiteral("too large");
}

void TstSimScenario::refusesEmptyAndEndlessInput()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QString path = QStringLiteral("/dev/zero");
    if (!content.isNull()) {
        path = dir.filePath(QStringLiteral("scenario.json"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }
    QString error;
    QVERIFY(!loadSimScenario(path, &error));
    QVERIFY2(error.contains(message) && error.contains(path), qPrintable(error));
}

QTEST_GUILESS_MAIN(TstSimScenario)
#include "tst_simscenario.moc"
