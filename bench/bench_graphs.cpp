// Paint time of the graph views, offscreen: the all-graphs panel of 10 lanes and one lane's graph, each
// with curves as long as a block can send (9 chunks of 255 one-byte samples), full-screen size.
// Median over 100 paints; the goal for the all-graphs panel is under 16 ms (one frame at 60 Hz).
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>

#include "tests/views/graphrace.h"
#include "views/graphviews.h"
#include "views/measurementgraphwidget.h"

namespace
{
constexpr int kLanes = 10;
constexpr int kPaints = 100;
constexpr int kFullLength = 9 * 255;
constexpr double kGoalMs = 16.0;
const QSize kScreen(1920, 1080);

// A noisy rest level, then the push off after the reaction: a curve with a new height at every sample.
QList<quint32> pushCurve(int lane)
{
    QList<quint32> values;
    for (int i = 0; i < kFullLength; ++i) {
        const int push = i > 400 + 10 * lane ? std::min(120, (i - 400 - 10 * lane) / 2) : 0;
        values << quint32(100 + (i * 37 + lane * 11) % 13 + push);
    }
    return values;
}

double medianPaintMs(QWidget &widget)
{
    QImage target(widget.size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> times;
    for (int i = 0; i < kPaints; ++i) {
        QElapsedTimer timer;
        timer.start();
        widget.render(&target);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + kPaints / 2, times.end());
    return times[kPaints / 2];
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QList<BlockReport> reports;
    for (int lane = 1; lane <= kLanes; ++lane) {
        GraphItems::Reaction graph;
        graph.width = 1, graph.start = 400, graph.offset = 0x640, graph.sensitivity = 0x100;
        graph.values = pushCurve(lane);
        reports << BlockReport{quint8(lane), 100, ParticipationActive, GraphItems::reaction(graph), {}, 0};
    }
    GraphRace race;
    if (!race.load(reports)) {
        std::fprintf(stderr, "could not build the race\n");
        return 1;
    }

    const std::unique_ptr<MeasurementGraphWidget> all(
        GraphViews::CreateMeasurementGraphWidget(nullptr, race.blocks, race.measurements, 0));
    all->resize(kScreen);
    MeasurementGraphWidget lane(nullptr, ModeOperator);
    lane.setStartBlock(race.blocks.first());
    lane.setMeasurement(race.measurements.first());
    lane.DrawGraph(1, 1);
    lane.resize(kScreen);

    const double allMs = medianPaintMs(*all);
    const double laneMs = medianPaintMs(lane);
    std::printf("graph paint, %d samples per curve, %dx%d, median of %d paints\n", kFullLength,
                kScreen.width(), kScreen.height(), kPaints);
    std::printf("  all graphs, %d lanes: %8.3f ms  (goal < %.0f ms: %s)\n", kLanes, allMs, kGoalMs,
                allMs < kGoalMs ? "met" : "MISSED");
    std::printf("  one lane's graph:    %8.3f ms\n", laneMs);
    return 0;
}
