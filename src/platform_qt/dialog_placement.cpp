#include "platform_qt/dialog_placement.h"

#include <algorithm>
#include <array>

namespace calorvia::platform_qt {
namespace {

// The start of a span of `length` lined up with `middle`, kept within
// [low, high]; the low end wins when the span is longer than the room.
int lineUp(int middle, int length, int low, int high) {
    const int start = middle - length / 2;
    return std::max(low, std::min(start, high - length + 1));
}

}  // namespace

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
