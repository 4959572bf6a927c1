#pragma once
// Writing numbers the way the result, case and settings files show them.
//
// List lines begin with one blank and hold their items one after the other:
// a number in general form in a right-aligned field (single precision with 7
// significant digits, double precision with 15, integers right-aligned), a
// text unchanged.
//
// Fixed lines use exact layouts F w.d and I w. A value too wide for its field
// is written in full (the field grows) instead of a row of asterisks, so that
// no value is ever lost from a result file.

#include <cstdint>
#include <string>
#include <string_view>

namespace calorvia::text {

// General form of a single-precision value: 7 significant digits, right-aligned
// in 15 characters ("       300.0000", "   1.000000E-08").
std::string generalFloat(float value);

// General form of a double-precision value: 15 significant digits, right-aligned
// in 24 characters.
std::string generalDouble(double value);

// An integer right-aligned in 12 characters.
std::string generalInteger(std::int64_t value);

// F w.d: fixed-point with d decimals, right-aligned in w characters.
std::string fixedReal(double value, int width, int decimals);

// I w: an integer right-aligned in w characters.
std::string fixedInteger(std::int64_t value, int width);

// The shortest text that the number reader reads back to exactly the same
// double ("0.1", "300", "1e-08"). Used for numbers stored in case and settings
// files, which must round-trip.
std::string shortestReal(double value);

// Builder of one list line: a leading blank, then the items in order.
class ListLine {
public:
    ListLine& real(float value);
    ListLine& real(double value);
    ListLine& integer(std::int64_t value);
    ListLine& text(std::string_view value);
    const std::string& str() const { return line_; }

private:
    std::string line_ = " ";
};

}  // namespace calorvia::text
