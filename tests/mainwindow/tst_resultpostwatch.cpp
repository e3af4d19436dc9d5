// What the program tells of the result posts the meet server did not confirm, and which posts Quit still
// waits for: the watch on its own, without the window.
#include <QTest>

#include "mainwindow/resultpostwatch.h"

namespace
{

// A race whose results of the given lanes went out as posts 1, 2, ... and its notice as the next post.
RacePosts postsOf(const QList<quint8> &lanes, bool notice, quint64 first = 1)
{
    RacePosts posts;
    quint64 number = first;
    for (const quint8 lane : lanes)
        posts.results.append({number++, lane});
    posts.notice = notice ? number : 0;
    return posts;
}

QString shown(const ResultPostWatch &watch)
{
    QStringList races;
    for (const ResultPostWatch::Missing &missing : watch.missing())
        races << ResultPostWatch::describe(missing, missing.race.name);
    return races.join(" | ");
}

} // namespace

class TstResultPostWatch : public QObject
{
    Q_OBJECT

private slots:
    void namesTheHeatAndWhatWasNotConfirmed_data();
    void namesTheHeatAndWhatWasNotConfirmed();
    void postsWithoutAnAnswerAreNotConfirmedOnceTheWaitEnds();
};

void TstResultPostWatch::namesTheHeatAndWhatWasNotConfirmed_data()
{
    QTest::addColumn<QList<quint8>>("lanes");
    QTest::addColumn<bool>("notice");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sentence");
    const QString heat =
        "Race 100 m Men (Final - heat 1), heat 1, start 2: the meet server has not confirmed ";
    QTest::newRow("one lane") << QList<quint8>{4} << false << "100 m Men (Final - heat 1)"
                              << heat + "the result of lane 4";
    QTest::newRow("one lane and the notice") << QList<quint8>{4} << true << "100 m Men (Final - heat 1)"
                                             << heat + "the result of lane 4 or the heat's notice";
    QTest::newRow("lanes in any order") << QList<quint8>{7, 2, 5} << false << "100 m Men (Final - heat 1)"
                                        << heat + "the results of lanes 2, 5, 7";
    QTest::newRow("lanes and the notice") << QList<quint8>{3, 2} << true << "100 m Men (Final - heat 1)"
                                          << heat + "the results of lanes 2, 3 or the heat's notice";
    QTest::newRow("the notice only") << QList<quint8>{} << true << "100 m Men (Final - heat 1)"
                                     << heat + "the heat's notice";
    QTest::newRow("a name with a percent sign")
        << QList<quint8>{1} << false << "Relay %2"
        << "Race Relay %2, heat 1, start 2: the meet server has not confirmed the result of lane 1";
}

void TstResultPostWatch::namesTheHeatAndWhatWasNotConfirmed()
{
    QFETCH(QList<quint8>, lanes);
    QFETCH(bool, notice);
    QFETCH(QString, name);
    ResultPostWatch watch;
    watch.racePosted({name, 1, 2, MeetHeat{"10.0.0.1", "Stadium", 101, 1012, 10121}}, postsOf(lanes, notice));
    for (quint64 post = 1; post <= quint64(lanes.size()) + 1; ++post)
        watch.postFinished(post, false);
    QTEST(shown(watch), "sentence");
}

// Quit waits for the posts without an answer; when it stops waiting they count as not confirmed, beside the
// failures that stood before. A reply that comes after changes nothing.
void TstResultPostWatch::postsWithoutAnAnswerAreNotConfirmedOnceTheWaitEnds()
{
    ResultPostWatch watch;
    QVERIFY(!watch.awaitingReplies());
    QVERIFY(!watch.giveUpReplies());

    watch.racePosted({"Heat A", 1, 1, {}}, postsOf({2, 3}, true, 1)); // posts 1, 2, notice 3
    QVERIFY(watch.postFinished(2, false));
    QVERIFY(watch.awaitingReplies());
    watch.racePosted({"Heat B", 2, 1, {}}, postsOf({1, 2}, true, 4)); // posts 4, 5, notice 6
    QVERIFY(!watch.postFinished(4, true));
    QVERIFY(!watch.postFinished(5, true));
    QVERIFY(!watch.postFinished(1, true));
    QVERIFY(watch.awaitingReplies()); // the notices of both

    QVERIFY(watch.giveUpReplies());
    QVERIFY(!watch.awaitingReplies());
    const QString expected =
        "Race Heat A, heat 1, start 1: the meet server has not confirmed the result of lane 3 or the heat's "
        "notice | Race Heat B, heat 2, start 1: the meet server has not confirmed the heat's notice";
    QCOMPARE(shown(watch), expected);
    QVERIFY(!watch.postFinished(6, true));
    QVERIFY(!watch.giveUpReplies());
    QCOMPARE(shown(watch), expected);
}

QTEST_GUILESS_MAIN(TstResultPostWatch)
#include "tst_resultpostwatch.moc"
