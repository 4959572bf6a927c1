#pragma once
// Where a dialog goes on the screen.
//
// Without an area to keep clear a dialog is centred over its owner. With one
// (the summary panel while the case entry runs, so that the student can read
// what the earlier steps accepted) it goes next to the area, lined up with
// its middle: below it, else to its right, else to its left, else above it.
// Either way the whole frame stays within the screen's available area. A
// window that may take any size (the help window, a file dialog) can instead
// be fitted into the room the areas leave.
// Rectangles are global screen pixels and include the window frame.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <span>

namespace calorvia::platform_qt {

// Pixels between the area kept clear and the dialog.
inline constexpr int kClearanceGap = 4;

// The top-left corner of a frame of `frame` size next to `keepClear` and
// inside `available`; nothing when no side has room for the whole frame.
std::optional<QPoint> spotClearOf(QSize frame, const QRect& keepClear, const QRect& available);

// The top-left corner of a frame centred on `centre`, moved inside
// `available`; a frame larger than the screen keeps its top-left corner on it.
QPoint spotCentredOn(QSize frame, QPoint centre, const QRect& available);

// A frame that leaves every one of `keepClear` in sight: as large as the
// room beside them allows, up to `natural` and no smaller than `smallest`,
// in the room where it can be largest (the one nearest the first area when
// several do as well), against the areas that bound that room. Nothing when
// no room inside `available` holds `smallest`.
std::optional<QRect> roomClearOf(QSize natural, QSize smallest, std::span<const QRect> keepClear,
                                 const QRect& available);

}  // namespace calorvia::platform_qt
