#pragma once
// The mathematical library calls of formula evaluation, each with the
// detection of its numeric failures. A failure is reported to a hook (the
// application shows it and requests a cancel); the computation goes on with
// the library's substitute value.

#include <cstdint>
#include <functional>
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

// Applies function code 8..28 (sin ... floor) to the argument.
double applyFunction(std::int32_t code, double argument, const MathErrorHook& hook);

// Code 7: base raised to the exponent.
double power(double base, double exponent, const MathErrorHook& hook);

}  // namespace calorvia::interpreter
