#include "platform_qt/dialog_placement.h"

#include <algorithm>
#include <array>
#include <vector>

namespace calorvia::platform_qt {
namespace {

// The start of a span of `length` lined up with `middle`, kept within
// [low, high]; the low end wins when the span is longer than the room.
int lineUp(int middle, int length, int low, int high) {
    const int start = middle - length / 2;
    return std::max(low, std::min(start, high - length + 1));
}

// Where a span of `length` goes in [low, high]: against the side an area
// bounds (`lowBound`, `highBound`), else in the middle.
int alongBound(int length, int low, int high, bool lowBound, bool highBound) {
    if (lowBound) return low;
    if (highBound) return high - length + 1;
    return low + (high - low + 1 - length) / 2;
}

int squaredDistance(QPoint a, QPoint b) {
    const QPoint d = a - b;
    return d.x() * d.x() + d.y() * d.y();
}

}  // namespace

std::optional<QRect> roomClearOf(QSize natural, QSize smallest, std::span<const QRect> keepClear,
                                 const QRect& available) {
    // Every room worth trying is bounded on each side by the screen or by one
    // of the areas, so its edges are taken from those.
    std::vector<int> lefts{available.left()}, rights{available.right()};
    std::vector<int> tops{available.top()}, bottoms{available.bottom()};
    for (const QRect& area : keepClear) {
        lefts.push_back(area.right() + 1 + kClearanceGap);
        rights.push_back(area.left() - 1 - kClearanceGap);
        tops.push_back(area.bottom() + 1 + kClearanceGap);
        bottoms.push_back(area.top() - 1 - kClearanceGap);
    }
    const QPoint first = keepClear.empty() ? available.center() : keepClear.front().center();
    std::optional<QRect> best;
    long long bestArea = 0;
    for (const int left : lefts) {
        for (const int right : rights) {
            for (const int top : tops) {
                for (const int bottom : bottoms) {
                    const QRect room(QPoint(left, top), QPoint(right, bottom));
                    if (room.width() < smallest.width() || room.height() < smallest.height() ||
                        !available.contains(room)) {
                        continue;
                    }
                    bool clear = true;
                    for (const QRect& area : keepClear) clear = clear && !room.intersects(area);
                    if (!clear) continue;
                    const QSize size = natural.boundedTo(room.size());
                    const QRect frame(
                        QPoint(alongBound(size.width(), left, right, left > available.left(),
                                          right < available.right()),
                               alongBound(size.height(), top, bottom, top > available.top(),
                                          bottom < available.bottom())),
                        size);
                    const long long area = 1LL * size.width() * size.height();
                    if (!best || area > bestArea ||
                        (area == bestArea && squaredDistance(frame.center(), first) <
                                                 squaredDistance(best->center(), first))) {
                        best = frame;
                        bestArea = area;
                    }
                }
            }
        }
    }
    return best;
}

std::optional<QPoint> spotClearOf(QSize frame, const QRect& keepClear, const QRect& available) {
    const QRect area = keepClear.intersected(available);
    if (area.isEmpty()) return spotCentredOn(frame, available.center(), available);
    const int w = frame.width();
    const int h = frame.height();
    const int x = lineUp(area.center().x(), w, available.left(), available.right());
    const int y = lineUp(area.center().y(), h, available.top(), available.bottom());
    const bool fitsAcross = w <= available.width();
    const bool fitsUpDown = h <= available.height();
    const std::array<std::pair<bool, QPoint>, 4> sides{{
        {fitsAcross && area.bottom() + kClearanceGap + h <= available.bottom(),
         {x, area.bottom() + 1 + kClearanceGap}},
        {fitsUpDown && area.right() + kClearanceGap + w <= available.right(),
         {area.right() + 1 + kClearanceGap, y}},
        {fitsUpDown && area.left() - kClearanceGap - w >= available.left(),
         {area.left() - kClearanceGap - w, y}},
        {fitsAcross && area.top() - kClearanceGap - h >= available.top(),
         {x, area.top() - kClearanceGap - h}},
    }};
    for (const auto& [fits, spot] : sides) {
        if (fits) return spot;
    }
    return std::nullopt;
}

QPoint spotCentredOn(QSize frame, QPoint centre, const QRect& available) {
    return {lineUp(centre.x(), frame.width(), available.left(), available.right()),
            lineUp(centre.y(), frame.height(), available.top(), available.bottom())};
}

}  // namespace calorvia::platform_qt
