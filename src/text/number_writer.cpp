#include "text/number_writer.h"

#include <fmt/format.h>

#include <cmath>
#include <cstdlib>

// Every conversion of a real number goes through {fmt}, which ignores the
// process locale unless asked (a desktop library may switch LC_NUMERIC to a
// decimal-comma locale, and the files must still show decimal points) and
// rounds correctly, half to even, as std::to_chars does. It is used rather
// than std::to_chars because the web build's standard library has only the
// integer conversions; both builds write the same characters.

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

std::string scientificDigits(double value, int decimals) {
    return fmt::format("{:.{}e}", value, decimals);
}

std::string fixedDigits(double value, int decimals) {
    return fmt::format("{:.{}f}", value, decimals);
}

// The shortest digits that read back to `value`, in the plain form that
// std::to_chars(first, last, value) writes: fixed-point ("300", "0.001") or
// scientific with at least two exponent digits ("1e-08", "1e+05"),
// whichever is shorter, fixed-point when both are as long.
std::string shortestPlain(double value) {
    // {fmt}'s shortest form has the digits; its choice of layout differs.
    const std::string shortest = fmt::format("{}", value);
    std::string digits;
    int exponent = 0;  // value = 0.DIGITS x 10^exponent
    int pointAt = -1;
    std::size_t i = shortest[0] == '-' ? 1 : 0;
    for (; i < shortest.size() && shortest[i] != 'e'; ++i) {
        if (shortest[i] == '.') {
            pointAt = static_cast<int>(digits.size());
        } else {
            digits.push_back(shortest[i]);
        }
    }
    if (pointAt < 0) pointAt = static_cast<int>(digits.size());
    if (i < shortest.size()) pointAt += std::atoi(shortest.c_str() + i + 1);
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) return std::signbit(value) ? "-0" : "0";
    digits.erase(0, firstNonZero);
    exponent = pointAt - static_cast<int>(firstNonZero);
    digits.erase(digits.find_last_not_of('0') + 1);

    const std::string sign = std::signbit(value) ? "-" : "";
    const int count = static_cast<int>(digits.size());
    std::string fixed = sign;
    if (exponent <= 0) {
        fixed += "0." + std::string(static_cast<std::size_t>(-exponent), '0') + digits;
    } else if (exponent >= count) {
        // A whole number is written with all its exact digits, as
        // std::to_chars does ("157201773620375486464", not "...5500000").
        fixed = fixedDigits(value, 0);
    } else {
        fixed += digits.substr(0, static_cast<std::size_t>(exponent)) + '.' +
                 digits.substr(static_cast<std::size_t>(exponent));
    }
    std::string scientific = sign + digits.substr(0, 1);
    if (count > 1) scientific += '.' + digits.substr(1);
    const int power = exponent - 1;
    scientific += fmt::format("e{}{:02}", power < 0 ? '-' : '+', power < 0 ? -power : power);
    return fixed.size() <= scientific.size() ? fixed : scientific;
}

// General form with a fixed number of significant digits, trailing zeros kept,
// as Fortran's G editing does: fixed-point for 0.1 <= |value| < 10^digits (and
// zero), else scientific with an upper-case E ("300.0000", "1.000000E-08").
std::string generalForm(double value, int significantDigits) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    const std::string scientific = scientificDigits(value, significantDigits - 1);
    const std::size_t e = scientific.find('e');
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    if (value == 0.0 || (exponent >= -1 && exponent < significantDigits)) {
        const int decimals = value == 0.0 ? significantDigits - 1 : significantDigits - 1 - exponent;
        std::string fixed = fixedDigits(value, decimals);
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
    const std::string digits =
        std::isfinite(value) ? fixedDigits(value, decimals) : nonFiniteText(value);
    return padLeft(digits, static_cast<std::size_t>(width < 0 ? 0 : width));
}

std::string fixedInteger(std::int64_t value, int width) {
    return padLeft(fmt::format("{}", value), static_cast<std::size_t>(width < 0 ? 0 : width));
}

std::string shortestReal(double value) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    return shortestPlain(value);
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
