#include <cmath>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QScopeGuard>
#include <QImage>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "graphrace.h"
#include "testlanguage.h"
#include "core/sharedconstants.h"
#include "views/graphviews.h"
#include "views/loggingdlg.h"
#include "views/logginggraphdisplay.h"
#include "views/measurementgraphdlg.h"
#include "views/measurementgraphwidget.h"
#include "views/measurementsoundgraphdlg.h"
#include "views/measurementsoundgraphwidget.h"

using GraphItems::flat;

namespace
{

const QColor kFont(10, 200, 210);
const GraphTheme kTheme{kFont, QStringLiteral("Sans")};
const QColor kStart(192, 15, 15);
const QColor kLimit(255, 128, 0);
const QColor kReaction(150, 170, 0);
const QColor kTrigger(255, 102, 0);

struct Probe {
    QPoint at;
    QColor colour; // invalid: the background
};

// Lane 1, limit 100: start 200, reaction 150, offset 400, sensitivity 200, flat at 500 with a peak of
// 990 at sample 700; so 800 samples in 800 x 500 pixels are 1:1 with factor 2.
BlockReport reactionReport(quint8 lane, int participation = ParticipationActive)
{
    GraphItems::Reaction graph;
    graph.values = flat(800, 500, 700, 990);
    return {lane, 100, participation, GraphItems::reaction(graph), {}, 0};
}

// The display taken out of its panel's layout, so that it keeps the size the probes assume.
QImage grabAlone(QWidget *display, const QSize &size)
{
    display->setParent(nullptr);
    const std::unique_ptr<QWidget> owner(display);
    display->resize(size);
    return display->grab().toImage();
}

void checkPixels(QWidget *display, const QList<Probe> &probes)
{
    const QColor background = display->palette().color(QPalette::Window);
    const QImage picture = grabAlone(display, QSize(800, 500));
    for (const Probe &probe : probes) {
        const QColor expected = probe.colour.isValid() ? probe.colour : background;
        QVERIFY2(picture.pixelColor(probe.at) == expected,
                 qPrintable(QStringLiteral("(%1,%2) is %3, not %4")
                                .arg(probe.at.x())
                                .arg(probe.at.y())
                                .arg(picture.pixelColor(probe.at).name(), expected.name())));
    }
}

// A push as a block records it: rest at 2000 with a little noise, from 10 ms before the reaction a rise
// of 20 a ms to 1500 above the rest, then fading as the athlete leaves.
QList<quint32> push(int reactionMs)
{
    const int onset = 200 + reactionMs - 10;
    const int plateau = onset + 75;
    QList<quint32> values;
    for (int i = 0; i < 800; ++i) {
        double force = 0.0;
        if (i >= onset && i < plateau)
            force = 20.0 * (i - onset);
        else if (i >= plateau)
            force = 1500.0 * std::exp(-(i - plateau) / 250.0);
        values << quint32(2000 + int(force) + i % 3 - 1);
    }
    return values;
}

// A start signal as a block's microphone hears it: silence at 128, then a loud ringing that fades.
QList<quint32> bang(int delayMs)
{
    QList<quint32> values;
    for (int i = 0; i < 800; ++i) {
        const int t = i - 200 - delayMs;
        const double wave = t < 0 ? 0.0 : 110.0 * std::exp(-t / 60.0) * std::cos(2.0 * M_PI * t / 3.0);
        values << quint32(128 + int(wave));
    }
    return values;
}

// Eight racing lanes (limit 100 ms); lane 1 reacts 8 ms after the limit, lane 2 before it.
const QList<int> kReactions = {108, 95, 131, 140, 122, 160, 117, 149};

QList<BlockReport> racingLanes()
{
    QList<BlockReport> reports;
    for (int i = 0; i < kReactions.size(); ++i) {
        GraphItems::Reaction graph;
        graph.offset = 2000, graph.reaction = graph.raw = quint16(kReactions.at(i));
        graph.values = push(kReactions.at(i));
        GraphItems::Sound sound;
        sound.level = 80, sound.values = bang(i + 1);
        reports << BlockReport{quint8(i + 1),
                               100,
                               ParticipationActive,
                               GraphItems::reaction(graph),
                               GraphItems::sound(sound),
                               0};
    }
    return reports;
}

// The texts a display drew lie inside it and apart, and below the ruler's ticks where it draws a ruler; all
// but the lane's own (which has its fixed place) lie clear of the curve, both by its points and by the
// pixels of its colour (the marker lines, one of which may share it, aside).
void checkLabelsClear(CurveDisplay *display, const QList<QPoint> &points, const QList<int> &markerXs,
                      int expectedPlaced, bool ruler)
{
    const QImage picture = display->grab().toImage();
    const QColor curveColour = SharedConstants::laneColour(display->currentGraph());
    const QList<GraphLabel> labels = display->labels();
    const double xs = double(display->width()) / display->xRange();
    const double ys = double(display->height()) / display->yRange();
    QCOMPARE(labels.size(), 1 + expectedPlaced);
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const GraphLabel &label = labels.at(i);
        const QString where = QStringLiteral("curve %1, \"%2\" at %3,%4 %5x%6")
                                  .arg(display->currentGraph())
                                  .arg(label.text)
                                  .arg(label.box.x())
                                  .arg(label.box.y())
                                  .arg(label.box.width())
                                  .arg(label.box.height());
        QVERIFY2(display->rect().contains(label.box), qPrintable(where));
        for (qsizetype j = i + 1; j < labels.size(); ++j)
            QVERIFY2(!label.box.intersects(labels.at(j).box),
                     qPrintable(where + " covers " + labels.at(j).text));
        // the band as deep as the longest tick, across the whole width: a text beside a tick touches it
        const int ticks = int(GraphGeometry::rulerTickLength(0) * ys);
        QVERIFY2(!ruler || label.box.top() > ticks, qPrintable(where + " in the ruler"));
        if (i == 0)
            continue;
        for (const QPoint &point : points)
            QVERIFY2(!label.box.contains(GraphGeometry::plotted(point, xs, ys)), qPrintable(where));
        for (int x = label.box.left(); x <= label.box.right(); ++x) {
            for (int y = label.box.top(); y <= label.box.bottom() && !markerXs.contains(x); ++y)
                QVERIFY2(picture.pixelColor(x, y) != curveColour, qPrintable(where));
        }
    }
}

// Answers the next modal box with OK; the text it showed lands in the returned string.
QString &acceptNextBox()
{
    static QString text;
    text.clear();
    QTimer::singleShot(0, qApp, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    });
    return text;
}

} // namespace

class TstGraphViews : public QObject
{
    Q_OBJECT

private slots:
    void reactionGraphPixels_data();
    void reactionGraphPixels();
    void soundGraphPixels_data();
    void soundGraphPixels();
    void panelLabels_data();
    void panelLabels();
    void allLanesNumberTheRacingCurves_data();
    void allLanesNumberTheRacingCurves();
    void allGraphsDialogSavesScreenshot();
    void labelsStayClear_data();
    void labelsStayClear();
    void laneDialogsShowOneCurve();
    void listsOfDifferentLengthGiveNoPanel();
    void zoomResizesAndRefusesPastTheLimit();
    void packetLogDialog_data();
    void packetLogDialog();
    void packetLogZoomMenuSpeaksAsTheGraphPanel_data();
    void packetLogZoomMenuSpeaksAsTheGraphPanel();
};

void TstGraphViews::reactionGraphPixels_data()
{
    QTest::addColumn<int>("printMode");
    QTest::addColumn<bool>("withGraph");
    QTest::addColumn<QList<Probe>>("probes");
    QTest::newRow("no samples: an empty axis")
        << 0 << false
        << QList<Probe>{
               {{500, 3}, kFont}, {{199, 450}, QColor()}, {{100, 250}, QColor()}, {{0, 300}, QColor()}};
    QTest::newRow("screen") << 0 << true << QList<Probe>{{{199, 450}, kStart},    {{299, 450}, kLimit},
                                                         {{349, 450}, kReaction}, {{600, 200}, kTrigger},
                                                         {{0, 300}, kFont},       {{500, 3}, kFont},
                                                         {{100, 250}, Qt::red},   {{150, 450}, QColor()}};
    QTest::newRow("print") << 1 << true << QList<Probe>{{{199, 450}, kStart},   {{194, 450}, kStart},
                                                        {{299, 450}, QColor()}, {{349, 450}, QColor()},
                                                        {{600, 200}, QColor()}, {{0, 300}, kFont},
                                                        {{500, 3}, QColor()},   {{100, 250}, Qt::black},
                                                        {{100, 262}, QColor()}};
}

void TstGraphViews::reactionGraphPixels()
{
    QFETCH(int, printMode);
    QFETCH(bool, withGraph);
    QFETCH(QList<Probe>, probes);
    BlockReport report = reactionReport(1);
    if (!withGraph)
        report.graphItems.clear();
    GraphRace race;
    QVERIFY(race.load({report}));
    MeasurementGraphWidget panel(nullptr, ModeOperator);
    panel.setTheme(kTheme);
    panel.setStartBlock(race.blocks.first());
    panel.setMeasurement(race.measurements.first());
    panel.setPrintMode(printMode);
    panel.DrawGraph(1, 1);
    QCOMPARE(panel.displays().size(), 1);
    checkPixels(panel.displays().first(), probes);
}

void TstGraphViews::soundGraphPixels_data()
{
    QTest::addColumn<int>("printMode");
    QTest::newRow("screen") << 0;
    QTest::newRow("print keeps ruler, level and colour") << 1;
}

void TstGraphViews::soundGraphPixels()
{
    QFETCH(int, printMode);
    GraphItems::Sound sound; // level 200 -> 100; samples at 128 give a range of 138
    sound.values = flat(800, 128);
    GraphRace race;
    QVERIFY(race.load({{1, 100, ParticipationActive, {}, GraphItems::sound(sound), 0}}));
    MeasurementSoundGraphWidget panel;
    panel.setTheme(kTheme);
    panel.setStartBlock(race.blocks.first());
    panel.setMeasurement(race.measurements.first());
    panel.setPrintMode(printMode);
    panel.SetStartBlock(1, 1);
    const QImage picture = grabAlone(panel.displays().first(), QSize(800, 138));
    QCOMPARE(picture.pixelColor(199, 100), kStart);
    QCOMPARE(picture.pixelColor(600, 38), kTrigger);
    QCOMPARE(picture.pixelColor(50, 5), kFont);
    QCOMPARE(picture.pixelColor(105, 10), QColor(Qt::red));
}

void TstGraphViews::panelLabels_data()
{
    QTest::addColumn<quint16>("reaction");
    QTest::addColumn<quint8>("source");
    QTest::addColumn<quint16>("errorCode");
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("texts"); // reaction, raw, start source, offset, sensitivity, error code
    QTest::addColumn<bool>("rawShown");
    QTest::newRow("reaction") << quint16(150) << quint8(2) << quint16(0) << 0
                              << QStringList{"150 ms", "150 ms", "Wireless data", "25", "12", "..."} << false;
    QTest::newRow("none, administrator")
        << quint16(0x7FFF) << quint8(0) << quint16(1) << 2
        << QStringList{"None", "None", "Sound",
                       "25",   "12",   "Central unit sync time loo long before start module sync time, "}
        << true;
    QTest::newRow("false start, all errors")
        << quint16(0xFFF6) << quint8(9) << quint16(7) << 1
        << QStringList{"-10 ms",
                       "-10 ms",
                       "Unknown",
                       "25",
                       "12",
                       "Central unit sync time loo long before start module sync time, Not started packet "
                       "received "
                       "after being started, No rising edge found of sound, synchronization mismatch?"}
        << false;
}

void TstGraphViews::panelLabels()
{
    QFETCH(quint16, reaction);
    QFETCH(quint8, source);
    QFETCH(quint16, errorCode);
    QFETCH(int, level);
    QFETCH(QStringList, texts);
    QFETCH(bool, rawShown);
    GraphItems::Reaction graph;
    graph.reaction = graph.raw = reaction, graph.source = source, graph.values = flat(10, 500);
    GraphRace race;
    QVERIFY(race.load({{1, 100, ParticipationActive, GraphItems::reaction(graph), {}, errorCode}}));
    MeasurementGraphWidget panel(nullptr, level);
    panel.setStartBlock(race.blocks.first());
    panel.setMeasurement(race.measurements.first());
    panel.DrawGraph(1, 1);
    QStringList shown;
    for (const char *name : {"lblReactionTimeData", "lblReactionTimeRAWData", "lblStartSourceData",
                             "lblOffsetData", "lblSensitivityData", "lblErrorCodeValue"})
        shown << panel.findChild<QLabel *>(name)->text();
    QCOMPARE(shown, texts);
    QCOMPARE(panel.findChild<QLabel *>("lblReactionTimeRAW")->isVisibleTo(&panel), rawShown);
    QVERIFY(!panel.findChild<QLabel *>("lblErrorCodeValue")->isVisibleTo(&panel));
    QVERIFY(panel.findChild<QLabel *>("lblOffsetData")->isVisibleTo(&panel));
    panel.HideControls();
    QVERIFY(!panel.findChild<QLabel *>("lblOffsetData")->isVisibleTo(&panel));
}

void TstGraphViews::allLanesNumberTheRacingCurves_data()
{
    QTest::addColumn<QList<int>>("participation"); // per lane 1..n
    QTest::addColumn<QList<int>>("lanes");         // lanes drawn, as curves 1..k
    QTest::newRow("eight lanes, lane 3 DNS")
        << QList<int>{1, 1, 2, 1, 1, 1, 1, 1} << QList<int>{1, 2, 4, 5, 6, 7, 8};
    QTest::newRow("six lanes, 2 and 5 DNS, RUP races")
        << QList<int>{1, 2, 5, 1, 2, 1} << QList<int>{1, 3, 4, 6};
    QTest::newRow("nobody racing") << QList<int>{2, 3, 4} << QList<int>{};
}

void TstGraphViews::allLanesNumberTheRacingCurves()
{
    QFETCH(QList<int>, participation);
    QFETCH(QList<int>, lanes);
    QList<BlockReport> reports;
    for (int i = 0; i < participation.size(); ++i)
        reports << reactionReport(quint8(i + 1), participation.at(i));
    GraphRace race;
    QVERIFY(race.load(reports));
    std::unique_ptr<MeasurementGraphWidget> panel(
        GraphViews::CreateMeasurementGraphWidget(nullptr, race.blocks, race.measurements, 0, kTheme));
    QVERIFY(panel);
    QVERIFY(!panel->findChild<QLabel *>("lblReactionTimeData")->isVisibleTo(panel.get()));
    const QList<GraphDisplay *> displays = panel->displays();
    QCOMPARE(displays.size(), lanes.size());
    const QList<QColor> colours = {{255, 0, 0}, {255, 128, 0}, {255, 255, 0}, {128, 255, 0},
                                   {0, 128, 0}, {0, 128, 128}, {0, 128, 255}};
    for (int k = 0; k < displays.size(); ++k) {
        QCOMPARE(displays.at(k)->lane(), quint8(lanes.at(k)));
        QCOMPARE(displays.at(k)->currentGraph(), quint8(k + 1));
        QCOMPARE(displays.at(k)->totalGraphs(), quint16(lanes.size()));
        // curve k in colour k, and no trigger line among several curves
        checkPixels(displays.at(k), {{{100, 250}, colours.at(k)}, {{600, 200}, QColor()}});
    }
}

void TstGraphViews::allGraphsDialogSavesScreenshot()
{
    QTemporaryDir results;
    QList<BlockReport> reports;
    for (quint8 lane = 1; lane <= 8; ++lane)
        reports << reactionReport(lane, lane == 3 ? ParticipationDns : ParticipationActive);
    GraphRace race;
    QVERIFY(race.load(reports));
    const QString name = GraphViews::allLanesScreenshotName(results.path(), QStringLiteral("race_12_h1_s1"));
    QCOMPARE(name, results.path() + "/race_12_h1_s1_all_lanes");
    QCOMPARE(GraphViews::laneScreenshotName(results.path(), QStringLiteral("race_12_h1_s1"), 3),
             results.path() + "/race_12_h1_s1_lane3");

    int curves = -1;
    bool fitted = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<MeasurementGraphDlg *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        curves = int(dialog->graphWidget()->displays().size());
        fitted = dialog->graphWidget()->size() ==
                 dialog->findChild<QScrollArea *>("scrollArea")->viewport()->size();
        dialog->findChild<QPushButton *>("btnScreenshot")->click();
        dialog->findChild<QPushButton *>("btnOK")->click();
    });
    QCOMPARE(GraphViews::runAllGraphsDialog(nullptr, race.blocks, race.measurements, name, kTheme), 1);
    QCOMPARE(curves, 7);
    QVERIFY(fitted);
    QVERIFY(!QImage(name + ".png").isNull());
}

void TstGraphViews::labelsStayClear_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("view");
    for (const QString &language :
         {QStringLiteral("en_English"), QStringLiteral("de_Deutsch"), QStringLiteral("nl_Nederlands")}) {
        for (const char *view : {"all graphs", "all sounds", "lane graph", "lane sound"})
            QTest::newRow(qPrintable(language + " " + view)) << language << QString::fromLatin1(view);
    }
}

// The graph dialogs at the size they take on the screen, in the theme's own font, with curves as the
// blocks record them. QUELLOR_GRAPH_PICTURES=<folder> keeps a picture of each.
void TstGraphViews::labelsStayClear()
{
    QFETCH(QString, language);
    QFETCH(QString, view);
    QTranslator translator;
    QVERIFY(
        translator.load(QCoreApplication::applicationDirPath() + "/languages/quellor_" + language + ".qm"));
    QCoreApplication::installTranslator(&translator);
    const auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
    GraphRace race;
    QVERIFY(race.load(racingLanes()));

    // per curve: texts placed besides the lane's (levels with one curve, markers on the first)
    std::unique_ptr<QDialog> dialog;
    QList<CurveDisplay *> displays;
    QList<QList<QPoint>> curves;
    QList<int> placed;
    if (view.contains(QLatin1String("sound"))) {
        auto *sound = new MeasurementSoundGraphDlg(nullptr);
        dialog.reset(sound);
        if (view == QLatin1String("all sounds"))
            GraphViews::fillAllSoundsDialog(*sound, race.blocks, race.measurements);
        else
            GraphViews::fillLaneSoundGraphDialog(*sound, race.blocks.first(), race.measurements.first());
        for (SoundGraphDisplay *display : sound->graphWidget()->displays()) {
            displays << display;
            curves << display->curve().points;
            placed << (display->totalGraphs() == 1 ? 2 : display->currentGraph() == 1 ? 1 : 0);
        }
    } else {
        auto *graph = new MeasurementGraphDlg(nullptr, ModeOperator);
        dialog.reset(graph);
        if (view == QLatin1String("all graphs"))
            GraphViews::fillAllGraphsDialog(*graph, race.blocks, race.measurements, QString());
        else
            GraphViews::fillLaneGraphDialog(*graph, race.blocks.first(), race.measurements.first(),
                                            QString());
        for (GraphDisplay *display : graph->graphWidget()->displays()) {
            displays << display;
            curves << display->curve().points;
            placed << (display->totalGraphs() == 1 ? 5 : display->currentGraph() == 1 ? 3 : 1);
        }
    }
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QCOMPARE(displays.size(), view.startsWith(QLatin1String("all")) ? 8 : 1);
    for (qsizetype k = 0; k < displays.size(); ++k) {
        CurveDisplay *display = displays.at(k);
        const double xs = double(display->width()) / display->xRange();
        QList<int> columns;
        for (const int ms : {0, 100, kReactions.at(k)})
            columns << GraphGeometry::markerX(display->startX() + ms, xs);
        checkLabelsClear(display, curves.at(k), columns, placed.at(k), view.contains(QLatin1String("sound")));
    }
    const QString pictures = qEnvironmentVariable("QUELLOR_GRAPH_PICTURES");
    if (!pictures.isEmpty())
        dialog->grab().save(QDir(pictures).filePath(QTest::currentDataTag() + QStringLiteral(".png")));
}

void TstGraphViews::laneDialogsShowOneCurve()
{
    GraphItems::Sound sound;
    sound.values = flat(800, 128);
    BlockReport report = reactionReport(4);
    report.soundItems = GraphItems::sound(sound);
    GraphRace race;
    QVERIFY(race.load({report}));
    MeasurementGraphDlg graphs(nullptr, ModeAdministratorFull);
    GraphViews::fillLaneGraphDialog(graphs, race.blocks.first(), race.measurements.first(),
                                    QStringLiteral("r_lane4"));
    QCOMPARE((QStringList{graphs.imageFormat(), graphs.fileName()}), (QStringList{"png", "r_lane4"}));
    const GraphDisplay *curve = graphs.graphWidget()->displays().value(0);
    QVERIFY(curve && graphs.graphWidget()->displays().size() == 1);
    QCOMPARE((QList<int>{curve->lane(), curve->currentGraph(), curve->totalGraphs()}), (QList<int>{4, 1, 1}));
    QVERIFY(graphs.findChild<QLabel *>("lblReactionTimeRAW")->isVisibleTo(&graphs));

    MeasurementSoundGraphDlg sounds(nullptr);
    GraphViews::fillLaneSoundGraphDialog(sounds, race.blocks.first(), race.measurements.first());
    QCOMPARE(sounds.graphWidget()->displays().size(), 1);
    QStringList texts;
    for (const char *name : {"lblSensitivityAmplitudeData", "lblStartTimeData", "lblStartSoundTimeData",
                             "lblWirelessPacketData"})
        texts << sounds.findChild<QLabel *>(name)->text();
    QCOMPARE(texts, (QStringList{"100", "1000 ms", "1010 ms", "1020 ms"}));
    QVERIFY(!sounds.findChild<QLabel *>("lblStartPulseData")->isVisibleTo(&sounds));
}

void TstGraphViews::listsOfDifferentLengthGiveNoPanel()
{
    GraphRace race;
    QVERIFY(race.load({reactionReport(1), reactionReport(2)}));
    const QList<CStartBlockMeasurement *> one = race.measurements.mid(0, 1);
    QVERIFY(!GraphViews::CreateMeasurementGraphWidget(nullptr, race.blocks, one, 1));
    QVERIFY(!GraphViews::CreateSoundGraphWidget(nullptr, race.blocks, one, 0));
    MeasurementGraphDlg dialog(nullptr, ModeOperator);
    MeasurementGraphWidget *own = dialog.graphWidget();
    GraphViews::fillAllGraphsDialog(dialog, race.blocks, one, QStringLiteral("x"));
    QCOMPARE(dialog.graphWidget(), own);
    QVERIFY(own->displays().isEmpty());
    QVERIFY(!dialog.graphsLayout()); // the panel took the form's contents' place
}

void TstGraphViews::zoomResizesAndRefusesPastTheLimit()
{
    MeasurementGraphWidget panel(nullptr, ModeOperator);
    panel.resize(400, 200);
    QVERIFY(panel.zoomBy(1.25));
    QCOMPARE(panel.size(), QSize(500, 250));
    QVERIFY(panel.zoomBy(panel.zoomValue())); // Restore
    QCOMPARE(panel.size(), QSize(400, 200));
    for (int step = 0; step < 6; ++step)
        QVERIFY(panel.zoomBy(0.8));
    const QSize smallest = panel.size();
    const QString &text = acceptNextBox();
    QVERIFY(!panel.zoomBy(0.8));
    QCOMPARE(text, QStringLiteral("Maximum graph zooming reached!"));
    QCOMPARE(panel.size(), smallest);
}

void TstGraphViews::packetLogDialog_data()
{
    QTest::addColumn<QList<PACKET_LOG>>("log");
    QTest::addColumn<QStringList>("texts"); // counters, delay, last row's delay cell
    QTest::addColumn<QSize>("image");
    QTest::newRow("empty") << QList<PACKET_LOG>{}
                           << QStringList{"Packets sent: 0 ; received: 0 ; no reply: 0", "Delay", ""}
                           << QSize(400, 800);
    QTest::newRow("no reply") << QList<PACKET_LOG>{{1, 100, 0}, {2, 200, 0}}
                              << QStringList{"Packets sent: 2 ; received: 0 ; no reply: 2", "Delay", "0"}
                              << QSize(400, 800);
    QTest::newRow("delays 5, 15, 40")
        << QList<PACKET_LOG>{{1, 100, 105}, {2, 200, 215}, {3, 300, 340}}
        << QStringList{"Packets sent: 3 ; received: 3 ; no reply: 0", "Average delay: 20ms", "40"}
        << QSize(3, 40);
}

void TstGraphViews::packetLogDialog()
{
    QFETCH(QList<PACKET_LOG>, log);
    QFETCH(QStringList, texts);
    QFETCH(QSize, image);
    CStartBlock block;
    for (const PACKET_LOG &entry : log)
        block.appendRequestLog(entry);
    LoggingDlg dialog;
    dialog.setStartBlock(&block);
    dialog.fill();
    const auto *table = dialog.findChild<QTableWidget *>("tblLogging");
    QCOMPARE(table->rowCount(), int(log.size()));
    QCOMPARE(table->horizontalHeaderItem(3)->text(), QStringLiteral("Delay (ms)"));
    const QString lastDelay = log.isEmpty() ? QString() : table->item(table->rowCount() - 1, 3)->text();
    QCOMPARE((QStringList{dialog.findChild<QLabel *>("lblCounters")->text(),
                          dialog.findChild<QLabel *>("lblDelay")->text(), lastDelay}),
             texts);
    auto *picture = dialog.findChild<LoggingGraphDisplay *>("wdgLoggingGraph");
    QCOMPARE(picture->image().size(), image);
    if (image != QSize(3, 40))
        return;
    QCOMPARE(picture->image().pixel(1, 39 - 15), qRgba(255, 0, 0, 255)); // the 15 ms bar ends at row 15
    QCOMPARE(qAlpha(picture->image().pixel(1, 39 - 16)), 0);
    QCOMPARE(picture->image().pixel(2, 0), qRgba(255, 0, 0, 255)); // the longest bar reaches the top
    picture->zoomBy(LoggingGraphDisplay::kZoomIn);
    picture->zoomBy(LoggingGraphDisplay::kZoomIn);
    QCOMPARE(picture->maximumSize(), QSize(24, 320));
    picture->zoomBy(picture->zoomValue()); // Restore: factor 0.25
    QCOMPARE((QSize(int(picture->imageWidth()), int(picture->imageHeight()))), image);
}

namespace
{

// Once a popup menu shows, records its entries and picks the first with the keys.
void pickFirstEntry(QObject *context, QStringList *offered)
{
    QTimer::singleShot(10, context, [context, offered] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu) {
            pickFirstEntry(context, offered);
            return;
        }
        for (const QAction *action : menu->actions())
            *offered << action->text();
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
}

} // namespace

void TstGraphViews::packetLogZoomMenuSpeaksAsTheGraphPanel_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("English") << QString() << QStringList{"Zoom in", "Zoom out", "Restore"};
    QTest::newRow("German") << "de_Deutsch" << QStringList{"Vergrößern", "Verkleinern", "Wiederherstellen"};
    QTest::newRow("Dutch") << "nl_Nederlands" << QStringList{"Inzoomen", "Uitzoomen", "Zoom herstellen"};
}

// The packet log's picture offers the graph panel's three words on a right click; the first zooms in.
void TstGraphViews::packetLogZoomMenuSpeaksAsTheGraphPanel()
{
    QFETCH(QString, language);
    QFETCH(QStringList, entries);
    const Language translation(language);
    QCOMPARE(translation.loaded(), !language.isEmpty());
    LoggingGraphDisplay picture;
    picture.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picture));
    QStringList offered;
    pickFirstEntry(&picture, &offered);
    const QPoint at(5, 5);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, picture.mapToGlobal(at));
    QApplication::sendEvent(&picture, &click); // returns once an entry is chosen
    QCOMPARE(offered, entries);
    QCOMPARE(picture.zoomValue(), 1.0 / LoggingGraphDisplay::kZoomIn);
}

QTEST_MAIN(TstGraphViews)
#include "tst_graphviews.moc"
