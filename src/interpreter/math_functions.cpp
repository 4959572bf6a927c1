#include "interpreter/math_functions.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

#include "interpreter/function_table.h"

// The failure rules of the functions are in their rows (function_table.h).
// The power, like them, is tested explicitly, never through the
// floating-point status flags:
//   negative finite base, non-integer finite exponent   -> domain
//   zero base, negative exponent                        -> singularity
//   finite arguments, infinite result                   -> overflow
//   non-zero finite base, finite exponent, result 0 or
//   subnormal                                           -> underflow
// The arithmetic codes 2..6 are not tested.

namespace calorvia::interpreter {
namespace {

bool isSubnormal(double value) {
    return std::fpclassify(value) == FP_SUBNORMAL;
}

void report(const MathErrorHook& hook, std::string_view name, std::optional<MathErrorKind> kind) {
    if (kind && hook) hook(name, *kind);
}

bool underflows(Underflow rule, double argument, double value) {
    switch (rule) {
        case Underflow::Never:
            return false;
        case Underflow::Subnormal:
            return isSubnormal(value);
        case Underflow::ZeroOrSubnormal:
            return (std::isfinite(argument) && value == 0.0) || isSubnormal(value);
    }
    return false;
}

// Row `Row` with its value, failure and underflow rules inlined.
template <std::size_t Row>
double applyRow(double argument, const MathErrorHook& hook) {
    constexpr const FormulaFunction& function = FormulaFunctions[Row];
    FunctionOutcome outcome = function.apply(argument);
    if (!outcome.failure && underflows(function.underflow, argument, outcome.value)) {
        outcome.failure = MathErrorKind::Underflow;
    }
    report(hook, function.name, outcome.failure);
    return outcome.value;
}

template <std::size_t... Rows>
constexpr auto rowAppliers(std::index_sequence<Rows...>) {
    return std::array{&applyRow<Rows>...};
}

// One specialised applier per row, generated from the table.
constexpr auto Appliers = rowAppliers(std::make_index_sequence<FormulaFunctions.size()>{});

}  // namespace

double applyFunction(std::size_t row, double argument, const MathErrorHook& hook) {
    return Appliers[row](argument, hook);
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
