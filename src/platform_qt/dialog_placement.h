#pragma once
// Where a dialog goes on the screen.
//
// Without an area to keep clear a dialog is centred over its owner. With one
// (the summary panel while the case entry runs, so that the student can read
// what the earlier steps accepted) it goes next to the area, lined up with
// its middle: below it, else to its right, else to its left, else above it.
// Either way the whole frame stays within the screen's available area.
// Rectangles are global screen pixels and include the window frame.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace calorvia::platform_qt {

// Pixels between the area kept clear and the dialog.
inline constexpr int kClearanceGap = 4;

// The top-left corner of a frame of `frame` size next to `keepClear` and
// inside `available`; nothing when no side has room for the whole frame.
std::optional<QPoint> spotClearOf(QSize frame, const QRect& keepClear, const QRect& available);

// The top-left corner of a frame centred on `centre`, moved inside
// `available`; a frame larger than the screen keeps its top-left corner on it.
QPoint spotCentredOn(QSize frame, QPoint centre, const QRect& available);

}  // namespace calorvia::platform_qt
