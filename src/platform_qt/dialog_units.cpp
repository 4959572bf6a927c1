#include "platform_qt/dialog_units.h"

namespace calorvia::platform_qt {
namespace {

// a·b/c rounded half away from zero, as Windows' MulDiv.
int scaleRounded(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    const long long rounded = product >= 0 ? (product + half) / c : (product - half) / c;
    return static_cast<int>(rounded);
}

}  // namespace

DialogBaseUnits dialogBaseUnits(int alphabetWidth, int fontHeight) {
    // The 52 letters' width over 26 is twice the average; adding one before
    // halving rounds it.
    return {(alphabetWidth / 26 + 1) / 2, fontHeight};
}

int horizontalUnitsToPixels(int units, DialogBaseUnits base) {
    return scaleRounded(units, base.x, 4);
}

int verticalUnitsToPixels(int units, DialogBaseUnits base) {
    return scaleRounded(units, base.y, 8);
}

PixelRect dialogRectToPixels(const platform::DialogRect& rect, DialogBaseUnits base) {
    return {horizontalUnitsToPixels(rect.x, base), verticalUnitsToPixels(rect.y, base),
            horizontalUnitsToPixels(rect.width, base), verticalUnitsToPixels(rect.height, base)};
}

}  // namespace calorvia::platform_qt
