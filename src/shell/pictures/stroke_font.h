#pragma once
// A small stroke font for the letters and signs of the equation and the
// picture labels: each glyph is a few centre lines drawn with a round pen,
// so the pictures need no font file and come out the same everywhere.
//
// Texts use one character per glyph: the letters c k p t u x S T L, the
// digit 0, the signs + = ( ), and two stand-ins: 'D' for the partial
// derivative sign and 'R' for rho. A '_' makes the next glyph a subscript.

#include <string_view>

#include "shell/pictures/raster.h"

namespace calorvia::shell::pictures {

// The stand-ins for the two Greek-looking signs.
inline constexpr char Partial = 'D';
inline constexpr char Rho = 'R';

// Width in pixels of `text` drawn with capitals `size` pixels high.
double textWidth(std::string_view text, double size);

// Draws `text` into the mask starting at x on the baseline, capitals `size`
// pixels high. Returns the x where the text ends.
double drawText(CoverageMask& mask, std::string_view text, double x, double baseline, double size);

// Whether the font has a glyph for the character.
bool hasGlyph(char c);

}  // namespace calorvia::shell::pictures
