#include "text/number_writer.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

// Every conversion goes through std::to_chars, which ignores the process
// locale: a desktop library may switch LC_NUMERIC to a decimal-comma locale,
// and the files must still show decimal points.

namespace calorvia::text {
namespace {

std::string padLeft(std::string text, std::size_t width) {
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::string nonFiniteText(double value) {
    if (std::isnan(value)) return "NaN";
    return value < 0 ? "-Infinity" : "Infinity";
}

std::string toChars(double value, std::chars_format format, int precision) {
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return std::string(buffer.data(), result.ptr);
}

// General form with a fixed number of significant digits, trailing zeros kept,
// as Fortran's G editing does: fixed-point for 0.1 <= |value| < 10^digits (and
// zero), else scientific with an upper-case E ("300.0000", "1.000000E-08").
std::string generalForm(double value, int significantDigits) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    const std::string scientific =
        toChars(value, std::chars_format::scientific, significantDigits - 1);
    const std::size_t e = scientific.find('e');
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    if (value == 0.0 || (exponent >= -1 && exponent < significantDigits)) {
        const int decimals = value == 0.0 ? significantDigits - 1 : significantDigits - 1 - exponent;
        std::string fixed = toChars(value, std::chars_format::fixed, decimals);
        if (decimals == 0) fixed += '.';  // still recognisably a real number
        return fixed;
    }
    std::string upper = scientific;
    upper[e] = 'E';
    return upper;
}

}  // namespace

std::string generalFloat(float value) { return padLeft(generalForm(value, 7), 15); }

std::string generalDouble(double value) { return padLeft(generalForm(value, 15), 24); }

std::string generalInteger(std::int64_t value) { return fixedInteger(value, 12); }

std::string fixedReal(double value, int width, int decimals) {
    const std::string digits = std::isfinite(value)
                                   ? toChars(value, std::chars_format::fixed, decimals)
                                   : nonFiniteText(value);
    return padLeft(digits, static_cast<std::size_t>(width < 0 ? 0 : width));
}

std::string fixedInteger(std::int64_t value, int width) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return padLeft(std::string(buffer.data(), result.ptr),
                   static_cast<std::size_t>(width < 0 ? 0 : width));
}

std::string shortestReal(double value) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

ListLine& ListLine::real(float value) {
    line_ += generalFloat(value);
    return *this;
}

ListLine& ListLine::real(double value) {
    line_ += generalDouble(value);
    return *this;
}

ListLine& ListLine::integer(std::int64_t value) {
    line_ += generalInteger(value);
    return *this;
}

ListLine& ListLine::text(std::string_view value) {
    line_ += value;
    return *this;
}

}  // namespace calorvia::text
