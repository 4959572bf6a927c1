#pragma once
// Dialog units to pixels, the way Windows lays out a dialog template.
//
// A dialog's base units come from its font: the horizontal one is the
// average width of the 52 letters A..Z a..z, rounded to whole pixels; the
// vertical one is the font's height. A horizontal dialog unit is a quarter of
// the horizontal base unit, a vertical one an eighth of the vertical base
// unit, each product rounded to the nearest pixel.

#include "platform/dialog_templates.h"

namespace calorvia::platform_qt {

struct DialogBaseUnits {
    int x = 0;
    int y = 0;
    friend bool operator==(const DialogBaseUnits&, const DialogBaseUnits&) = default;
};

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The letters whose total width gives the horizontal base unit.
inline constexpr const char* kBaseUnitAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// `alphabetWidth`: width in pixels of kBaseUnitAlphabet in the dialog font;
// `fontHeight`: the font's height (ascent plus descent) in pixels.
DialogBaseUnits dialogBaseUnits(int alphabetWidth, int fontHeight);

int horizontalUnitsToPixels(int units, DialogBaseUnits base);
int verticalUnitsToPixels(int units, DialogBaseUnits base);
PixelRect dialogRectToPixels(const platform::DialogRect& rect, DialogBaseUnits base);

}  // namespace calorvia::platform_qt
