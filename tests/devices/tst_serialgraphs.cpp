// Graph polling after a race: one request per tick, the two save signals, how it hands back to polling, and
// how it goes on after the port is reopened, paused, used for an identification or sent Idle in the middle,
// and ends when the lanes are rebuilt.
#include <QSignalSpy>
#include <QTest>

#include "dialogs/deviceidentification.h"
#include "serialtestkit.h"

using namespace SerialTest;

class TstSerialGraphs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oneBlockGivesGraphThenSaveThenSoundThenSave();
    void graphTimerIntervalFollowsTheOperationMode_data();
    void graphTimerIntervalFollowsTheOperationMode();
    void withoutPolledBlocksPollingResumes();
    void withoutAReadyPhasePollingResumes();
    void requestFromOutsideCanPausePolling();
    void reopenOrIdleInTheGraphsGoesOnFetching_data();
    void reopenOrIdleInTheGraphsGoesOnFetching();
    void rebuiltLanesEndTheGraphsUnderWay();

private:
    void runReadyPhase();
    std::unique_ptr<SerialFixture> f;
};

void TstSerialGraphs::init()
{
    f = std::make_unique<SerialFixture>(1);
    f->serial->setUserSelectedOperationMode(OperationModeWireless);
    f->open();
}

void TstSerialGraphs::cleanup()
{
    f.reset();
}

void TstSerialGraphs::runReadyPhase()
{
    f->serial->OnSetStatusRequest(1, 2, f->serial->broadcastDevice());
    f->reportStates(2, 2);
    f->tick();
}

void TstSerialGraphs::oneBlockGivesGraphThenSaveThenSoundThenSave()
{
    runReadyPhase();
    QSignalSpy saved(f->serial.get(), &CSerialComThread::save_results_file);
    QSignalSpy sent(f->serial.get(), &CSerialComThread::data_request_sent);
    f->serial->startGraphsTimerTimeout();
    QVERIFY(!f->serial->isPolling());

    QCOMPARE(f->tick(0), QStringList());
    f->port->writes.clear();
    f->serial->OnGraphTimerTimeout();
    QCOMPARE(f->described(), QStringList({"B1:07"}));
    QCOMPARE(saved.count(), 0);
    f->serial->OnGraphTimerTimeout(); // no reply yet: asked again
    QCOMPARE(f->described(), QStringList({"B1:07", "B1:07"}));
    f->reply(f->blocks[0], 0x08, graphItems());

    f->port->writes.clear();
    f->serial->OnGraphTimerTimeout();
    QCOMPARE(f->described(), QStringList({"B1:09"}));
    QCOMPARE(saved.count(), 1);
    QCOMPARE(saved[0][0].value<ResultsDataType>(), ResultsReactionGraphs);
    QCOMPARE(saved[0][1].toBool(), true);
    f->reply(f->blocks[0], 0x0A, graphItems());

    f->port->writes.clear();
    f->serial->OnGraphTimerTimeout();
    QCOMPARE(f->described(), QStringList());
    QCOMPARE(saved.count(), 2);
    QCOMPARE(saved[1][0].value<ResultsDataType>(), ResultsSoundGraphs);
    QCOMPARE(saved[1][1].toBool(), false);
    QVERIFY(!f->serial->isGraphPolling());
    QVERIFY(f->serial->isPolling());
    QCOMPARE(f->blocks[0]->requestLog().size(), 1 + 3); // the ready-phase status and three graph requests
    QCOMPARE(sent.count(), 3);
}

void TstSerialGraphs::graphTimerIntervalFollowsTheOperationMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("otherMode");
    QTest::addColumn<int>("otherInterval");
    QTest::newRow("wireless") << int(OperationModeWireless) << 750 << int(OperationModeWired) << 1100;
    QTest::newRow("wired") << int(OperationModeWired) << 1100 << int(OperationModeWireless) << 750;
}

void TstSerialGraphs::graphTimerIntervalFollowsTheOperationMode()
{
    QFETCH(int, mode);
    QFETCH(int, interval);
    f->serial->SetOperationMode(mode);
    f->serial->startGraphsTimerTimeout();
    QCOMPARE(f->serial->graphInterval(), interval);
    f->serial->startQuestionsTimerTimeout();
    QVERIFY(!f->serial->isGraphPolling());
    QCOMPARE(f->serial->pollingInterval(), mode == OperationModeWired ? 200 : 100);

    // a running graph timer takes the new mode's period even when the port keeps its speed
    QFETCH(int, otherMode);
    QFETCH(int, otherInterval);
    f->serial->startGraphsTimerTimeout();
    f->serial->clearCoordinator();
    f->serial->SetOperationMode(otherMode);
    QVERIFY(f->serial->isGraphPolling());
    QCOMPARE(f->serial->graphInterval(), otherInterval);
}

void TstSerialGraphs::withoutPolledBlocksPollingResumes()
{
    runReadyPhase();
    f->serial->clearStartBlocks();
    f->serial->startGraphsTimerTimeout();
    f->port->writes.clear();
    f->serial->OnGraphTimerTimeout();
    QVERIFY(f->port->writes.isEmpty());
    QVERIFY(!f->serial->isGraphPolling());
    QVERIFY(f->serial->isPolling());
}

void TstSerialGraphs::withoutAReadyPhasePollingResumes()
{
    QSignalSpy saved(f->serial.get(), &CSerialComThread::save_results_file);
    f->serial->startGraphsTimerTimeout();
    f->serial->OnGraphTimerTimeout();
    QCOMPARE(f->described(), QStringList({"B1:07"}));
    QVERIFY(!f->serial->isGraphPolling());
    QVERIFY(f->serial->isPolling());
    QCOMPARE(saved.count(), 0);
}

void TstSerialGraphs::requestFromOutsideCanPausePolling()
{
    f->serial->startQuestionsTimerTimeout();
    f->serial->OnGetSoundGraphRequest(f->blocks[0], false);
    QVERIFY(f->serial->isPolling());
    f->serial->startGraphsTimerTimeout();
    f->serial->OnGetGraphRequest(f->blocks[0], true);
    QCOMPARE(f->described(), QStringList({"B1:09", "B1:07"}));
    QVERIFY(!f->serial->isPolling());
    QVERIFY(!f->serial->isGraphPolling());
    QTRY_VERIFY_WITH_TIMEOUT(f->serial->isPolling(), 5000);
}


void TstSerialGraphs::reopenOrIdleInTheGraphsGoesOnFetching_data()
{
    QTest::addColumn<QString>("interruption");
    QTest::addColumn<bool>("reactionGraphIn"); // the reaction file is written before it
    QTest::newRow("reopen after the reaction file") << "reopen" << true;
    QTest::newRow("reopen before the reaction graph") << "reopen" << false;
    QTest::newRow("Idle after the reaction file") << "idle" << true;
    QTest::newRow("paused, then resumed") << "pause" << true;
    QTest::newRow("a device identified") << "identify" << true;
    QTest::newRow("port does not open again") << "refused" << true;
    QTest::newRow("refused before the reaction graph") << "refused" << false;
}

void TstSerialGraphs::reopenOrIdleInTheGraphsGoesOnFetching()
{
    QFETCH(QString, interruption);
    QFETCH(bool, reactionGraphIn);
    runReadyPhase();
    QSignalSpy saved(f->serial.get(), &CSerialComThread::save_results_file);
    f->serial->startGraphsTimerTimeout();
    f->serial->OnGraphTimerTimeout();
    if (reactionGraphIn) {
        f->reply(f->blocks[0], 0x08, graphItems());
        f->serial->OnGraphTimerTimeout(); // the reaction file, and the sound graph asked for
        QCOMPARE(saved.count(), 1);
    }

    if (interruption == "reopen") {
        f->serial->OpenPort(QStringLiteral("ttyTEST"), CSerialComThread::kBaudWired);
    } else if (interruption == "idle") {
        f->serial->OnSetStatusRequest(1, DeviceIdle, f->serial->broadcastDevice());
    } else if (interruption == "pause") {
        f->serial->StopQuestionsTimer();
        QVERIFY(!f->serial->isGraphPolling());
        f->serial->ResumeQuestions();
    } else if (interruption == "identify") {
        DeviceIdentification identification;
        identification.begin(*f->serial, QStringLiteral("ttyTEST"), true);
        QVERIFY(!f->serial->isGraphPolling() && !f->serial->isPolling()); // nothing talks over the reply
        QCOMPARE(identification.collect(*f->serial, nullptr), DeviceIdentification::Outcome::RetryDue);
        identification.restore(*f->serial, QStringLiteral("ttyTEST"));
    } else {
        f->refuseOpen = true;
        f->serial->OpenPort(QStringLiteral("ttyTEST"), CSerialComThread::kBaudWired);
        // saved at once with what arrived, as on a lost link
        QCOMPARE(saved.count(), 2);
        QCOMPARE(saved[0][0].value<ResultsDataType>(), ResultsReactionGraphs);
        QCOMPARE(saved[1][0].value<ResultsDataType>(), ResultsSoundGraphs);
        QCOMPARE(f->blocks[0]->measurement()->hasGraph(), reactionGraphIn);
        QVERIFY(!f->serial->isGraphPolling() && !f->serial->isPolling());
        return;
    }
    QVERIFY(f->serial->isGraphPolling() && !f->serial->isPolling());
    f->port->writes.clear();
    if (!reactionGraphIn) {
        f->serial->OnGraphTimerTimeout();
        QCOMPARE(f->described(), QStringList({"B1:07"}));
        f->reply(f->blocks[0], 0x08, graphItems());
        f->port->writes.clear();
    }
    f->serial->OnGraphTimerTimeout();
    QCOMPARE(f->described(), QStringList({"B1:09"}));
    f->reply(f->blocks[0], 0x0A, graphItems());
    f->serial->OnGraphTimerTimeout();
    QCOMPARE(saved.count(), 2);
    QCOMPARE(saved[0][0].value<ResultsDataType>(), ResultsReactionGraphs);
    QCOMPARE(saved[1][0].value<ResultsDataType>(), ResultsSoundGraphs);
    QVERIFY(f->serial->isPolling() && !f->serial->isGraphPolling());
    // polling on from here: the next reopen does not fetch again
    f->serial->OpenPort(QStringLiteral("ttyTEST"), CSerialComThread::kBaudWired);
    QVERIFY(f->serial->isPolling() && !f->serial->isGraphPolling());
}

// Properties > OK with another set: the blocks asked for the graphs are gone, the new ones never ran the race
void TstSerialGraphs::rebuiltLanesEndTheGraphsUnderWay()
{
    runReadyPhase();
    f->serial->startGraphsTimerTimeout();
    f->serial->OnGraphTimerTimeout();
    f->reply(f->blocks[0], 0x08, graphItems());
    f->serial->OnGraphTimerTimeout(); // the sound graph asked for
    QVERIFY(f->serial->isGraphPolling());

    f->serial->clearStartBlocks();
    f->serial->clearCoordinator();
    f->serial->setCoordinator(f->coordinator);
    f->serial->appendStartBlock(f->addBlock(2));
    QVERIFY(f->serial->isPolling() && !f->serial->isGraphPolling());
    // the port reopened after OK polls the new lane: no graph is asked for
    f->serial->OpenPort(QStringLiteral("ttyTEST"), CSerialComThread::kBaudWireless);
    QVERIFY(f->serial->isPolling() && !f->serial->isGraphPolling());
    f->serial->StopQuestionsTimer();
    const QStringList asked = f->tick(5);
    QVERIFY(!asked.isEmpty());
    for (const QString &frame : asked)
        QVERIFY2(!frame.endsWith(":07") && !frame.endsWith(":09"), qPrintable(asked.join(u' ')));
}

QTEST_MAIN(TstSerialGraphs)
#include "tst_serialgraphs.moc"
