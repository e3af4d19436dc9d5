#include <QTest>

#include "graphrace.h"
#include "views/graphcurves.h"
#include "views/graphgeometry.h"
#include "views/graphlabels.h"
#include "views/packetlog.h"

using GraphItems::flat;

class TstGraphCurves : public QObject
{
    Q_OBJECT

private slots:
    void reactionCurveFromFile_data();
    void reactionCurveFromFile();
    void soundLevelFromFile_data();
    void soundLevelFromFile();
    void zoomStopsPastFourTimes_data();
    void zoomStopsPastFourTimes();
    void positionsOnScreen();
    void curveColumnsHoldThePen();
    void labelsAvoidEachOtherAndTheCurve_data();
    void labelsAvoidEachOtherAndTheCurve();
    void levelLabelsKeepToTheirLine_data();
    void levelLabelsKeepToTheirLine();
    void packetLogPicture();
    void packetLogCountsAndCap();
};

void TstGraphCurves::reactionCurveFromFile_data()
{
    QTest::addColumn<GraphItems::Reaction>("graph");
    QTest::addColumn<float>("factor");
    QTest::addColumn<int>("yRange");
    QTest::addColumn<QList<int>>("levels");  // offset, trigger
    QTest::addColumn<QList<int>>("markers"); // start, limit, reaction (limit 100 ms)
    QTest::addColumn<QPoint>("point");

    GraphItems::Reaction g;
    g.offset = 200, g.sensitivity = 100, g.start = 1, g.reaction = 50, g.values = {100, 489};
    QTest::newRow("peak 499") << g << 1.0f << 499 << QList<int>{200, 300} << QList<int>{1, 101, 51}
                              << QPoint(1, 10);
    g.values = {490};
    QTest::newRow("peak 500") << g << 1.0f << 500 << QList<int>{200, 300} << QList<int>{1, 101, 51}
                              << QPoint(0, 10);
    g.offset = 400, g.sensitivity = 200, g.start = 200, g.reaction = 150, g.values = {990};
    QTest::newRow("peak 1000 halves the levels, not the time axis")
        << g << 2.0f << 500 << QList<int>{200, 300} << QList<int>{200, 300, 350} << QPoint(0, 5);
    g.offset = 2000, g.values = {50, 50};
    QTest::newRow("flat curve below the baseline")
        << g << 4.46f << 500 << QList<int>{448, 493} << QList<int>{200, 300, 350} << QPoint(1, 489);
    g.offset = 0, g.sensitivity = 0, g.values = {100, 105, 112};
    QTest::newRow("a sample must pass the peak's margin")
        << g << 1.0f << 122 << QList<int>{0, 0} << QList<int>{200, 300, 350} << QPoint(2, 10);
    g.width = 1, g.offset = 0x800, g.sensitivity = 0x100, g.values = {10, 200};
    QTest::newRow("one-byte samples shift the levels")
        << g << 1.0f << 210 << QList<int>{128, 144} << QList<int>{200, 300, 350} << QPoint(1, 10);
    g.width = 4, g.offset = 400, g.sensitivity = 200, g.values = {100000};
    QTest::newRow("four-byte samples")
        << g << 200.02f << 500 << QList<int>{1, 2} << QList<int>{200, 300, 350} << QPoint(0, 1);
    g.width = 2, g.offset = 0, g.sensitivity = 0, g.start = 10, g.reaction = quint16(-20), g.values = {490};
    QTest::newRow("reaction before the start wraps at 16 bits")
        << g << 1.0f << 500 << QList<int>{0, 0} << QList<int>{10, 110, 65526} << QPoint(0, 10);
    g.start = 200, g.reaction = 0x7FFF;
    QTest::newRow("no reaction") << g << 1.0f << 500 << QList<int>{0, 0} << QList<int>{200, 300, 32967}
                                 << QPoint(0, 10);
}

void TstGraphCurves::reactionCurveFromFile()
{
    QFETCH(GraphItems::Reaction, graph);
    QFETCH(float, factor);
    QFETCH(int, yRange);
    QFETCH(QList<int>, levels);
    QFETCH(QList<int>, markers);
    QFETCH(QPoint, point);
    GraphRace race;
    QVERIFY(race.load({{3, 100, ParticipationActive, GraphItems::reaction(graph), {}, 0}}));
    const CStartBlock *block = race.blocks.first();

    const ReactionCurve curve =
        GraphCurves::reactionCurve(block->measurement()->graph(), block->lane(), block->falseStartLimit());
    QVERIFY(curve.loaded);
    QCOMPARE(curve.lane, quint8(3));
    QCOMPARE(curve.scale.factor, factor);
    QCOMPARE(curve.scale.yRange, yRange);
    QCOMPARE((QList<int>{curve.offsetLevel, curve.triggerLevel}), levels);
    QCOMPARE((QList<int>{curve.startX, curve.limitX, curve.reactionX}), markers);
    QCOMPARE(curve.points.size(), graph.values.size());
    QCOMPARE(curve.points.at(point.x()), point);
}

void TstGraphCurves::soundLevelFromFile_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<quint16>("level");
    QTest::addColumn<int>("curveLevel");
    QTest::addColumn<int>("label");
    QTest::addColumn<int>("yRange");
    QTest::newRow("loud, one byte") << 1 << quint16(600) << 255 << 255 << 285;
    QTest::newRow("loud, two bytes") << 2 << quint16(600) << 300 << 255 << 330;
    QTest::newRow("quiet, one byte") << 1 << quint16(100) << 50 << 50 << 138;
}

void TstGraphCurves::soundLevelFromFile()
{
    QFETCH(int, width);
    QFETCH(quint16, level);
    QFETCH(int, curveLevel);
    QFETCH(int, label);
    QFETCH(int, yRange);
    GraphItems::Sound sound;
    sound.width = width, sound.level = level, sound.values = flat(800, 128);
    GraphRace race;
    QVERIFY(race.load({{2, 100, ParticipationActive, {}, GraphItems::sound(sound), 0}}));

    const SoundCurve curve = GraphCurves::soundCurve(race.measurements.first()->soundGraph(), 2);
    QCOMPARE(curve.level, curveLevel);
    QCOMPARE(curve.scale.yRange, yRange);
    QCOMPARE(curve.startX, quint16(200));
    QCOMPARE(curve.points.at(10), QPoint(10, yRange - 128));
    QCOMPARE(GraphCurves::soundLevelLabel(level), label);
}

void TstGraphCurves::zoomStopsPastFourTimes_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<double>("lastAllowed");
    QTest::newRow("zoom in") << 1.25 << 0.262144;
    QTest::newRow("zoom out") << 0.8 << 3.814697265625;
}

void TstGraphCurves::zoomStopsPastFourTimes()
{
    QFETCH(double, factor);
    QFETCH(double, lastAllowed);
    double zoom = 1.0;
    for (int step = 1; step <= 6; ++step) {
        const GraphGeometry::ZoomStep next = GraphGeometry::zoomStep(zoom, factor);
        QVERIFY2(next.allowed, qPrintable(QString::number(step)));
        zoom = next.zoom;
    }
    QVERIFY(qFuzzyCompare(zoom, lastAllowed));
    const GraphGeometry::ZoomStep refused = GraphGeometry::zoomStep(zoom, factor);
    QVERIFY(!refused.allowed);
    QCOMPARE(refused.zoom, zoom);
    QVERIFY(qFuzzyCompare(GraphGeometry::zoomStep(zoom, zoom).zoom, 1.0)); // Restore
}

void TstGraphCurves::positionsOnScreen()
{
    using namespace GraphGeometry;
    QCOMPARE(markerX(200, 1.0), 199);
    QCOMPARE(markerX(300, 0.5), 149);
    QCOMPARE(levelY(200, 500, 1.0), 300);
    QCOMPARE(plotted(QPoint(3, 250), 2.5, 0.5), QPoint(7, 125));
    QCOMPARE((QList<int>{rulerTickLength(0), rulerTickLength(5), rulerTickLength(7), rulerTickLength(40)}),
             (QList<int>{12, 8, 5, 12}));
    QCOMPARE(rulerTickX(79, 0.5), 395);
    QCOMPARE(pixelsPerUnit(800, 0), 0.0); // an empty graph scales to nothing instead of dividing by zero
    QCOMPARE(cursorReadout(QPoint(199, 0), QSize(800, 500), 500, 800, 200), QPoint(0, 500));
    QCOMPARE(cursorReadout(QPoint(400, 250), QSize(800, 500), 500, 800, 200), QPoint(201, 250));
    QCOMPARE(cursorReadout(QPoint(5, 5), QSize(0, 0), 500, 800, 200), QPoint());
    QCOMPARE(scrollAfterZoom(100, 400, 1.25), 175);
}

void TstGraphCurves::curveColumnsHoldThePen()
{
    // a 3-wide pen reaches 2 pixels past the line: a step from row 10 to row 40 between columns 4 and 6
    const QList<GraphLabels::Span> columns = GraphLabels::curveColumns({{4, 10}, {6, 40}, {9, 40}}, 14, 3);
    QCOMPARE(columns.size(), 14);
    QVERIFY(columns.at(1).isEmpty());
    QCOMPARE(columns.at(2).top, 8);
    QCOMPARE(columns.at(2).bottom, 42);
    QCOMPARE(columns.at(11).top, 38);
    QVERIFY(columns.at(12).isEmpty());
    QVERIFY(GraphLabels::underCurve(QRect(10, 0, 5, 39), columns));
    QVERIFY(!GraphLabels::underCurve(QRect(10, 0, 5, 38), columns));
    QVERIFY(!GraphLabels::underCurve(QRect(12, 0, 5, 50), columns));
}

using LabelWishes = QList<MarkerLabel>; // position: the marker's pixel column
using CurveRows = QList<int>;           // one row per column, pen 1; empty: no curve

void TstGraphCurves::labelsAvoidEachOtherAndTheCurve_data()
{
    QTest::addColumn<LabelWishes>("wishes"); // text widths in the text's length x 10, 16 high
    QTest::addColumn<QList<QRect>>("obstacles");
    QTest::addColumn<CurveRows>("curve");
    QTest::addColumn<QList<QRect>>("expected");

    const CurveRows none;
    QTest::newRow("free: centred at the wanted top")
        << LabelWishes{{300, 20, "xxxxxx"}} << QList<QRect>{} << none << QList<QRect>{{270, 20, 60, 16}};
    QTest::newRow("near the edge: kept inside")
        << LabelWishes{{10, 20, "xxxxxx"}, {395, 95, "xxxx"}} << QList<QRect>{} << none
        << QList<QRect>{{0, 20, 60, 16}, {360, 84, 40, 16}};
    QTest::newRow("limit and reaction close together: the later one steps down")
        << LabelWishes{{300, 20, "xxxxxx"}, {310, 30, "xxxxxxxx"}} << QList<QRect>{} << none
        << QList<QRect>{{270, 20, 60, 16}, {270, 36, 80, 16}};
    QTest::newRow("a text drawn before counts as a label")
        << LabelWishes{{30, 20, "xxxx"}} << QList<QRect>{{1, 25, 45, 16}} << none
        << QList<QRect>{{10, 9, 40, 16}};
    CurveRows loud(400, 60);
    for (int x = 203; x < 400; ++x)
        loud[x] = x % 2 ? 0 : 99;
    QTest::newRow("a loud curve right of the marker: beside it on the left")
        << LabelWishes{{200, 20, "xxxx"}} << QList<QRect>{} << loud << QList<QRect>{{157, 20, 40, 16}};
    QTest::newRow("a flat curve through the wanted top: just above it")
        << LabelWishes{{300, 20, "xxxx"}} << QList<QRect>{} << CurveRows(400, 30)
        << QList<QRect>{{280, 13, 40, 16}};
    QTest::newRow("nowhere clear of the curve: still clear of the labels")
        << LabelWishes{{200, 20, "xxxx"}, {200, 20, "xxxx"}} << QList<QRect>{} <<
        [] {
            CurveRows all(400);
            for (int x = 0; x < 400; ++x)
                all[x] = x % 2 ? 0 : 99;
            return all;
        }()
        << QList<QRect>{{180, 20, 40, 16}, {180, 4, 40, 16}};
}

void TstGraphCurves::labelsAvoidEachOtherAndTheCurve()
{
    QFETCH(LabelWishes, wishes);
    QFETCH(QList<QRect>, obstacles);
    QFETCH(CurveRows, curve);
    QFETCH(QList<QRect>, expected);
    const QSize area(400, 100);
    QList<QList<QRect>> places;
    for (const MarkerLabel &wish : wishes)
        places << GraphLabels::markerPlaces(QSize(10 * int(wish.text.size()), 16), wish.position, wish.top,
                                            area);
    QList<QPoint> points;
    for (int x = 0; x < curve.size(); ++x)
        points << QPoint(x, curve.at(x));
    QCOMPARE(GraphLabels::place(places, obstacles, GraphLabels::curveColumns(points, area.width(), 1)),
             expected);
}

void TstGraphCurves::levelLabelsKeepToTheirLine_data()
{
    QTest::addColumn<CurveRows>("curve"); // pen 3
    QTest::addColumn<QRect>("expected");  // a 40 x 16 label of the line at row 50

    QTest::newRow("free: directly above the line at the left edge") << CurveRows() << QRect(0, 34, 40, 16);
    QTest::newRow("the curve rests on the line: lifted just clear")
        << CurveRows(400, 50) << QRect(0, 32, 40, 16);
    CurveRows hump(400, 50);
    for (int x = 0; x < 60; ++x)
        hump[x] = 40;
    QTest::newRow("a hump over the left edge: just below the line") << hump << QRect(0, 51, 40, 16);
    CurveRows wall(400, 50);
    for (int x = 0; x < 10; ++x)
        wall[x] = x % 2 ? 0 : 99;
    QTest::newRow("noise at the left edge: moved right along the line") << wall << QRect(13, 32, 40, 16);
}

void TstGraphCurves::levelLabelsKeepToTheirLine()
{
    QFETCH(CurveRows, curve);
    QFETCH(QRect, expected);
    QList<QPoint> points;
    for (int x = 0; x < curve.size(); ++x)
        points << QPoint(x, curve.at(x));
    const QSize area(400, 100);
    const QList<QList<QRect>> places{GraphLabels::levelPlaces(QSize(40, 16), 50, area)};
    QCOMPARE(GraphLabels::place(places, {}, GraphLabels::curveColumns(points, area.width(), 3)),
             QList<QRect>{expected});
}

void TstGraphCurves::packetLogPicture()
{
    // delays 3 and 12, no reply, and a reply stamped after the clock restarted
    const QList<PACKET_LOG> log = {{1, 1000, 1003}, {2, 1100, 1112}, {3, 1200, 0}, {4, 5000, 20}};
    const PacketLog::Summary summary = PacketLog::summarise(log);
    QCOMPARE(summary.averageDelay(), 5u);
    QImage image(4, int(PacketLog::pictureHeight(summary)), QImage::Format_ARGB32);
    PacketLog::drawPicture(image, log, summary.averageDelay());

    // top row first: W white, R red, . transparent
    const QStringList expected = {".R..", "WWWW", ".R..", ".R..", ".R..", ".R..",
                                  "WRWW", ".R..", "RR..", "RR..", "RR..", "WWWW"};
    QCOMPARE(image.height(), int(expected.size()));
    for (int y = 0; y < image.height(); ++y) {
        QString line;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            line += pixel == qRgba(255, 255, 255, 255) ? 'W'
                    : pixel == qRgba(255, 0, 0, 255)   ? 'R'
                    : qAlpha(pixel) == 0               ? '.'
                                                       : '?';
        }
        QCOMPARE(line, expected.at(y));
    }
}

void TstGraphCurves::packetLogCountsAndCap()
{
    const QList<PACKET_LOG> log = {{1, 0, 5}, {2, 10, 0}, {3, 20, 4000020}, {4, 30, 25}};
    const PacketLog::Summary summary = PacketLog::summarise(log);
    QCOMPARE((QList<int>{summary.sent(), summary.received, summary.noReply}), (QList<int>{4, 3, 1}));
    QCOMPARE(summary.maxDelay, 4000000u);
    QCOMPARE(PacketLog::pictureHeight(summary), PacketLog::kMaxPictureHeight);
    QCOMPARE(PacketLog::delay(log.at(1)), 0u);
    QCOMPARE(PacketLog::readout(QPoint(100, 50), QSize(200, 100), 4, 40.0), QPoint(2, 20));
}

QTEST_GUILESS_MAIN(TstGraphCurves)
#include "tst_graphcurves.moc"
