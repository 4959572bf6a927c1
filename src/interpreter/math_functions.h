#pragma once
// The mathematical library calls of formula evaluation, each with the
// detection of its numeric failures. A failure is reported to a hook (the
// application shows it and requests a cancel); the computation goes on with
// the library's substitute value.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace calorvia::interpreter {

enum class MathErrorKind : std::int32_t {
    ArgumentDomain = 1,
    Singularity = 2,
    Overflow = 3,
    Underflow = 4,
    TotalLossOfPrecision = 5,
    PartialLossOfPrecision = 6,
};

// Called inside the failing call with the function's name ("sqrt", "log",
// "pow", ...) and the kind of failure.
using MathErrorHook = std::function<void(std::string_view functionName, MathErrorKind kind)>;

// The value of one call (the library's substitute after a failure) and the
// failure found, if any.
struct FunctionOutcome {
    double value;
    std::optional<MathErrorKind> failure = std::nullopt;
};

// When a result counts as an underflow, for a call without another failure.
enum class Underflow : std::uint8_t {
    Never,            // the result is a whole number or exact
    Subnormal,        // a finite subnormal result
    ZeroOrSubnormal,  // a result 0 or subnormal from a finite argument
};

// One function of the formula language; the rows are in function_table.h.
struct FormulaFunction {
    std::string_view name;  // as written in a formula, and as reported
    FunctionOutcome (*apply)(double argument);
    Underflow underflow;
};

// Applies the function of row `row` of FormulaFunctions; at most one failure
// is reported, under its name, and the value is returned whatever the hook does.
double applyFunction(std::size_t row, double argument, const MathErrorHook& hook);

// Code 7: base raised to the exponent.
double power(double base, double exponent, const MathErrorHook& hook);

}  // namespace calorvia::interpreter
