#pragma once
// The free-form number reader used for every number the program reads from a
// text: case files, settings files, entry fields and formula constants.
//
// A real value is: leading blanks, an optional sign, digits with an optional
// decimal point (at least one digit), and an optional exponent written either
// as a letter e, E, d or D followed by an optionally signed integer, or as a
// bare sign followed by an integer (so "2+3" reads as 2000 and "1.5-2" as
// 0.015). The number ends at a blank, a comma, a slash or the end of the text;
// what follows is not examined. Anything else is a failure.

#include <cstdint>
#include <optional>
#include <string_view>

namespace calorvia::text {

// The first value of the text as a double, or nothing. A magnitude too large
// for a double is a failure, never an infinity.
std::optional<double> readReal(std::string_view text);

// The first value of the text as a 32-bit signed integer (optional sign and
// digits, same terminators), or nothing. A value outside the 32-bit range, a
// decimal point or an exponent is a failure.
std::optional<std::int32_t> readInteger(std::string_view text);

}  // namespace calorvia::text
