#pragma once
// The functions of the formula language, one row each; everything else about
// them derives from this table:
//  - the parser takes a token equal to a name as that function, and compiles
//    row i to the code code::FirstFunction + i (so rows are only appended, and
//    the variables are numbered after the last row);
//  - the evaluator applies the row of the code: its value and its failure,
//    then its underflow rule (math_functions.cpp makes one applier per row);
//  - IDENTIFICA accepts after a name "(" or the rest of a longer name that
//    begins with it: "d" and "h" after sin (sind, sinh), "10" after log.
// "ln" is a spelling of "log" that CONVERT_B rewrites before all this. A name
// must survive that preparation: no "ln" or "pi" in it, and every "t" in it
// followed by "a" or "(" (a property of T turns any other "t" into "z").
//
// Failures are found by explicit tests on the argument and the value, never
// by the floating-point status flags, so that the same formula reports the
// same failures on every machine and compiler. A NaN argument gives a NaN
// result without a report, except in nint and floor; an exact result of an
// infinite argument (exp(-inf) = 0) is not an underflow. A new row needs its
// two help pages (data/help/Syntax.html, Sintaxe.html) as well.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <numbers>
#include <optional>
#include <string_view>

#include "interpreter/math_functions.h"

namespace calorvia::interpreter {
namespace function_rules {

using Failure = std::optional<MathErrorKind>;

// From 2^53 on, doubles are spaced 2 or more apart: the argument no longer
// carries any digit of its position within the period.
inline constexpr double PrecisionLimit = 9007199254740992.0;  // 2^53

inline double radians(double degrees) {
    return degrees * (std::numbers::pi / 180.0);
}

inline Failure domainIf(bool outside) {
    return outside ? Failure{MathErrorKind::ArgumentDomain} : std::nullopt;
}

// sin, cos and tan: an infinite argument is outside the domain, and from 2^53
// radians on the result has lost all precision.
inline FunctionOutcome circular(double radians, double value) {
    if (std::isinf(radians)) return {value, MathErrorKind::ArgumentDomain};
    if (std::fabs(radians) >= PrecisionLimit) return {value, MathErrorKind::TotalLossOfPrecision};
    return {value, std::nullopt};
}

// asin and acos: an argument beyond -1..1 is outside the domain.
inline FunctionOutcome inverseCircular(double argument, double value) {
    return {value, domainIf(std::fabs(argument) > 1.0)};
}

// A finite argument whose result is infinite.
inline FunctionOutcome overflowing(double argument, double value) {
    const bool overflow = std::isfinite(argument) && std::isinf(value);
    return {value, overflow ? Failure{MathErrorKind::Overflow} : std::nullopt};
}

inline FunctionOutcome logarithm(double argument, double value) {
    if (argument < 0.0) return {value, MathErrorKind::ArgumentDomain};
    if (argument == 0.0) return {value, MathErrorKind::Singularity};
    return {value, std::nullopt};
}

// Rounds through a 32-bit signed integer with a defined result for every
// input: NaN gives INT32_MIN (domain), anything outside the range is clamped
// (overflow), infinities included.
inline FunctionOutcome throughInt32(double wholeValue) {
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(wholeValue)) return {lowest, MathErrorKind::ArgumentDomain};
    if (wholeValue < lowest) return {lowest, MathErrorKind::Overflow};
    if (wholeValue > highest) return {highest, MathErrorKind::Overflow};
    return {static_cast<double>(static_cast<std::int32_t>(wholeValue)), std::nullopt};
}

using enum Underflow;
using Outcome = FunctionOutcome;

// clang-format off
inline constexpr auto FormulaFunctions = std::to_array<FormulaFunction>({
    {"sin",   [](double x) { return circular(x, std::sin(x)); }, Subnormal},
    {"cos",   [](double x) { return circular(x, std::cos(x)); }, Subnormal},
    {"tan",   [](double x) { return circular(x, std::tan(x)); }, Subnormal},
    {"asin",  [](double x) { return inverseCircular(x, std::asin(x)); }, Subnormal},
    {"acos",  [](double x) { return inverseCircular(x, std::acos(x)); }, Subnormal},
    {"atan",  [](double x) { return Outcome{std::atan(x)}; }, Subnormal},
    {"sinh",  [](double x) { return overflowing(x, std::sinh(x)); }, Subnormal},
    {"cosh",  [](double x) { return overflowing(x, std::cosh(x)); }, Subnormal},
    {"tanh",  [](double x) { return Outcome{std::tanh(x)}; }, Subnormal},
    {"sind",  [](double x) { return circular(radians(x), std::sin(radians(x))); }, Subnormal},
    {"cosd",  [](double x) { return circular(radians(x), std::cos(radians(x))); }, Subnormal},
    {"tand",  [](double x) { return circular(radians(x), std::tan(radians(x))); }, Subnormal},
    {"log",   [](double x) { return logarithm(x, std::log(x)); }, Subnormal},
    {"log10", [](double x) { return logarithm(x, std::log10(x)); }, Subnormal},
    {"nint",  [](double x) { return throughInt32(std::round(x)); }, Never},
    {"anint", [](double x) { return Outcome{std::round(x)}; }, Never},
    {"aint",  [](double x) { return Outcome{std::trunc(x)}; }, Never},
    {"exp",   [](double x) { return overflowing(x, std::exp(x)); }, ZeroOrSubnormal},
    {"sqrt",  [](double x) { return Outcome{std::sqrt(x), domainIf(x < 0.0)}; }, Subnormal},
    {"abs",   [](double x) { return Outcome{std::fabs(x)}; }, Never},
    {"floor", [](double x) { return throughInt32(std::floor(x)); }, Never},
});
// clang-format on

}  // namespace function_rules

using function_rules::FormulaFunctions;

// The row of a function name (exact comparison), if it is one.
constexpr std::optional<std::size_t> findFunction(std::string_view name) {
    for (std::size_t i = 0; i < FormulaFunctions.size(); ++i) {
        if (FormulaFunctions[i].name == name) return i;
    }
    return std::nullopt;
}

}  // namespace calorvia::interpreter
