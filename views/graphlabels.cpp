#include "views/graphlabels.h"

#include <algorithm>
#include <cstdlib>

namespace GraphLabels
{

namespace
{

constexpr int kBesideGap = 3; // a label beside its marker keeps this far from the line
constexpr int kMaxLift = 4;   // a level's label stays this close to its line

struct Place {
    QRect box;
    int cost = 0;
};

void cover(QList<Span> &columns, int left, int right, int top, int bottom)
{
    for (int x = std::max(left, 0); x <= std::min(right, int(columns.size()) - 1); ++x) {
        Span &span = columns[x];
        if (span.isEmpty()) {
            span = {top, bottom};
        } else {
            span.top = std::min(span.top, top);
            span.bottom = std::max(span.bottom, bottom);
        }
    }
}

bool clearOf(const QRect &box, const QList<QRect> &others)
{
    return std::none_of(others.cbegin(), others.cend(),
                        [&](const QRect &other) { return box.intersects(other); });
}

// The boxes by rising cost; equal costs keep their order.
QList<QRect> bestFirst(QList<Place> &places)
{
    std::stable_sort(places.begin(), places.end(),
                     [](const Place &a, const Place &b) { return a.cost < b.cost; });
    QList<QRect> boxes;
    boxes.reserve(places.size());
    for (const Place &place : places)
        boxes.append(place.box);
    return boxes;
}

} // namespace

QList<Span> curveColumns(const QList<QPoint> &points, int width, int penWidth)
{
    QList<Span> columns(std::max(width, 0));
    // the pen reaches half its width past the line, and the raster rounds half pixels outward
    const int reach = penWidth / 2 + 1;
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QPoint from = points.at(i);
        const QPoint to = i + 1 < points.size() ? points.at(i + 1) : from;
        cover(columns, std::min(from.x(), to.x()) - reach, std::max(from.x(), to.x()) + reach,
              std::min(from.y(), to.y()) - reach, std::max(from.y(), to.y()) + reach);
    }
    return columns;
}

bool underCurve(const QRect &box, const QList<Span> &columns)
{
    for (int x = std::max(box.left(), 0); x <= std::min(box.right(), int(columns.size()) - 1); ++x) {
        const Span &span = columns.at(x);
        if (!span.isEmpty() && span.top <= box.bottom() && span.bottom >= box.top())
            return true;
    }
    return false;
}

QList<QRect> markerPlaces(const QSize &text, int markerX, int top, const QSize &area)
{
    const int maxLeft = std::max(area.width() - text.width(), 0);
    const int maxTop = std::max(area.height() - text.height(), 0);
    const int besideCost = text.width() / 2 + kBesideGap;
    const struct {
        int left;
        int cost;
    } lefts[] = {{markerX - text.width() / 2, 0},
                 {markerX + kBesideGap, besideCost},
                 {markerX - kBesideGap - text.width(), besideCost}};
    const int wantedTop = std::clamp(top, 0, maxTop);
    QList<Place> places;
    places.reserve(3 * (maxTop + 1));
    for (const auto &left : lefts) {
        for (int y = 0; y <= maxTop; ++y)
            places.append({QRect(QPoint(std::clamp(left.left, 0, maxLeft), y), text),
                           left.cost + std::abs(y - wantedTop)});
    }
    return bestFirst(places);
}

QList<QRect> levelPlaces(const QSize &text, int lineY, const QSize &area)
{
    const int maxLeft = std::max(area.width() - text.width(), 0);
    const int maxTop = std::max(area.height() - text.height(), 0);
    const int above = lineY - text.height();
    const int belowCost = text.height();
    QList<Place> places;
    places.reserve(2 * (kMaxLift + 1) * (maxLeft + 1));
    for (int left = 0; left <= maxLeft; ++left) {
        for (int lift = 0; lift <= kMaxLift; ++lift) {
            places.append({QRect(QPoint(left, std::clamp(above - lift, 0, maxTop)), text), left + lift});
            places.append({QRect(QPoint(left, std::clamp(lineY + 1 + lift, 0, maxTop)), text),
                           belowCost + left + lift});
        }
    }
    return bestFirst(places);
}

QList<QRect> place(const QList<QList<QRect>> &places, const QList<QRect> &obstacles, const QList<Span> &curve)
{
    QList<QRect> placed;
    for (const QList<QRect> &choices : places) {
        if (choices.isEmpty()) {
            placed.append(QRect());
            continue;
        }
        const QList<QRect> taken = obstacles + placed;
        const auto free = [&](const QRect &box) { return clearOf(box, taken); };
        auto best = std::find_if(choices.cbegin(), choices.cend(),
                                 [&](const QRect &box) { return free(box) && !underCurve(box, curve); });
        if (best == choices.cend())
            best = std::find_if(choices.cbegin(), choices.cend(), free);
        placed.append(best == choices.cend() ? choices.first() : *best);
    }
    return placed;
}

} // namespace GraphLabels
