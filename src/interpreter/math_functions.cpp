#include "interpreter/math_functions.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

// Numeric failures are found by explicit tests on the arguments and results,
// never by the floating-point status flags, so that the same formula reports
// the same failures on every machine and compiler. The rules:
//
//   pow      negative finite base, non-integer finite exponent   -> domain
//            zero base, negative exponent                        -> singularity
//            finite arguments, infinite result                   -> overflow
//            non-zero finite base, finite exponent, result 0 or
//            subnormal                                           -> underflow
//   log, log10   x < 0 -> domain; x == +0 or -0 -> singularity
//   sqrt         x < 0 -> domain
//   asin, acos   |x| > 1 -> domain
//   exp, sinh, cosh   finite argument, infinite result -> overflow
//   exp          finite argument, result 0 or subnormal -> underflow
//   sin, cos, tan, sind, cosd, tand   infinite argument -> domain;
//                |argument in radians| >= 2^53 -> total loss of precision
//   every function of codes 8..21, 25, 26: a finite subnormal result -> underflow
//   nint, floor  go through a 32-bit signed integer: NaN -> domain (value
//                INT32_MIN); a value outside the int32 range, infinities
//                included -> overflow (value clamped to INT32_MIN or INT32_MAX)
//   anint, aint, abs: never fail. The arithmetic codes 2..6 are not tested.
//
// A NaN argument gives a NaN result without a report, except in nint and
// floor. An exact result of an infinite argument (exp(-inf) = 0) is not an
// underflow. At most one failure is reported per call, and the computed value
// (the library's substitute) is returned whatever the hook does.

namespace calorvia::interpreter {
namespace {

// From 2^53 on, doubles are spaced 2 or more apart: the argument no longer
// carries any digit of its position within the period.
constexpr double PrecisionLimit = 9007199254740992.0;  // 2^53

constexpr double RadiansPerDegree = std::numbers::pi / 180.0;

struct Outcome {
    double value;
    std::optional<MathErrorKind> failure;
};

bool isSubnormal(double value) {
    return std::fpclassify(value) == FP_SUBNORMAL;
}

void report(const MathErrorHook& hook, std::string_view name, std::optional<MathErrorKind> kind) {
    if (kind && hook) hook(name, *kind);
}

// Failures of sin, cos and tan, for an argument already in radians.
std::optional<MathErrorKind> circularFailure(double radians) {
    if (std::isinf(radians)) return MathErrorKind::ArgumentDomain;
    if (std::fabs(radians) >= PrecisionLimit) return MathErrorKind::TotalLossOfPrecision;
    return std::nullopt;
}

std::optional<MathErrorKind> overflowFailure(double argument, double value) {
    if (std::isfinite(argument) && std::isinf(value)) return MathErrorKind::Overflow;
    return std::nullopt;
}

std::optional<MathErrorKind> logarithmFailure(double argument) {
    if (argument < 0.0) return MathErrorKind::ArgumentDomain;
    if (argument == 0.0) return MathErrorKind::Singularity;
    return std::nullopt;
}

// Rounds through a 32-bit signed integer with a defined result for every
// input: NaN gives INT32_MIN, anything outside the range is clamped.
Outcome throughInt32(double wholeValue) {
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(wholeValue)) return {lowest, MathErrorKind::ArgumentDomain};
    if (wholeValue < lowest) return {lowest, MathErrorKind::Overflow};
    if (wholeValue > highest) return {highest, MathErrorKind::Overflow};
    return {static_cast<double>(static_cast<std::int32_t>(wholeValue)), std::nullopt};
}

struct NamedOutcome {
    std::string_view name;
    Outcome outcome;
};

NamedOutcome compute(std::int32_t code, double x) {
    switch (code) {
        case 8:
            return {"sin", {std::sin(x), circularFailure(x)}};
        case 9:
            return {"cos", {std::cos(x), circularFailure(x)}};
        case 10:
            return {"tan", {std::tan(x), circularFailure(x)}};
        case 11:
            return {"asin",
                    {std::asin(x), std::fabs(x) > 1.0 ? std::optional{MathErrorKind::ArgumentDomain}
                                                      : std::nullopt}};
        case 12:
            return {"acos",
                    {std::acos(x), std::fabs(x) > 1.0 ? std::optional{MathErrorKind::ArgumentDomain}
                                                      : std::nullopt}};
        case 13:
            return {"atan", {std::atan(x), std::nullopt}};
        case 14: {
            const double value = std::sinh(x);
            return {"sinh", {value, overflowFailure(x, value)}};
        }
        case 15: {
            const double value = std::cosh(x);
            return {"cosh", {value, overflowFailure(x, value)}};
        }
        case 16:
            return {"tanh", {std::tanh(x), std::nullopt}};
        case 17: {
            const double radians = x * RadiansPerDegree;
            return {"sind", {std::sin(radians), circularFailure(radians)}};
        }
        case 18: {
            const double radians = x * RadiansPerDegree;
            return {"cosd", {std::cos(radians), circularFailure(radians)}};
        }
        case 19: {
            const double radians = x * RadiansPerDegree;
            return {"tand", {std::tan(radians), circularFailure(radians)}};
        }
        case 20:
            return {"log", {std::log(x), logarithmFailure(x)}};
        case 21:
            return {"log10", {std::log10(x), logarithmFailure(x)}};
        case 22:
            return {"nint", throughInt32(std::round(x))};
        case 23:
            return {"anint", {std::round(x), std::nullopt}};
        case 24:
            return {"aint", {std::trunc(x), std::nullopt}};
        case 25: {
            const double value = std::exp(x);
            std::optional<MathErrorKind> failure = overflowFailure(x, value);
            if (std::isfinite(x) && value == 0.0) failure = MathErrorKind::Underflow;
            return {"exp", {value, failure}};
        }
        case 26:
            return {"sqrt",
                    {std::sqrt(x),
                     x < 0.0 ? std::optional{MathErrorKind::ArgumentDomain} : std::nullopt}};
        case 27:
            return {"abs", {std::fabs(x), std::nullopt}};
        case 28:
            return {"floor", throughInt32(std::floor(x))};
        default:
            return {"", {std::numeric_limits<double>::quiet_NaN(), std::nullopt}};
    }
}

// The functions whose finite subnormal result counts as an underflow.
bool reportsSubnormal(std::int32_t code) {
    return (code >= 8 && code <= 21) || code == 25 || code == 26;
}

}  // namespace

double applyFunction(std::int32_t code, double argument, const MathErrorHook& hook) {
    NamedOutcome result = compute(code, argument);
    Outcome& outcome = result.outcome;
    if (!outcome.failure && reportsSubnormal(code) && isSubnormal(outcome.value)) {
        outcome.failure = MathErrorKind::Underflow;
    }
    report(hook, result.name, outcome.failure);
    return outcome.value;
}

double power(double base, double exponent, const MathErrorHook& hook) {
    const double value = std::pow(base, exponent);
    std::optional<MathErrorKind> failure;
    const bool finiteArguments = std::isfinite(base) && std::isfinite(exponent);
    if (std::isfinite(base) && base < 0.0 && std::isfinite(exponent) &&
        std::trunc(exponent) != exponent) {
        failure = MathErrorKind::ArgumentDomain;
    } else if (base == 0.0 && exponent < 0.0) {
        failure = MathErrorKind::Singularity;
    } else if (finiteArguments && std::isinf(value)) {
        failure = MathErrorKind::Overflow;
    } else if (finiteArguments && base != 0.0 && (value == 0.0 || isSubnormal(value))) {
        failure = MathErrorKind::Underflow;
    }
    report(hook, "pow", failure);
    return value;
}

}  // namespace calorvia::interpreter
