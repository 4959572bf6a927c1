#pragma once
// The formula compiler and evaluator. INIT compiles one formula into a postfix
// code list with its constants; EVALUATE runs that code for one set of
// variable values with no allocation; DESTROYFUNC releases it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "interpreter/function_table.h"
#include "interpreter/math_functions.h"

namespace calorvia::interpreter {

// The five-character status returned by INIT.
inline constexpr std::string_view StatusOk = "ok   ";
inline constexpr std::string_view StatusError = "error";

// Engine variable names: a formula of the temperature T uses "z", a formula of
// the position uses "x".
inline constexpr std::string_view TemperatureVariable = "z";
inline constexpr std::string_view PositionVariable = "x";

// Code values of the compiled formula.
namespace code {
inline constexpr std::int32_t PushConstant = 1;
inline constexpr std::int32_t Negate = 2;
inline constexpr std::int32_t Add = 3;
inline constexpr std::int32_t Subtract = 4;
inline constexpr std::int32_t Multiply = 5;
inline constexpr std::int32_t Divide = 6;
inline constexpr std::int32_t Power = 7;
inline constexpr std::int32_t FirstFunction = 8;  // row i of FormulaFunctions is FirstFunction + i
// FirstVariable + k - 1 pushes variable k: the variables follow the last function.
inline constexpr std::int32_t FirstVariable =
    FirstFunction + static_cast<std::int32_t>(FormulaFunctions.size());

// The code of a function name, if it is one.
constexpr std::optional<std::int32_t> ofFunction(std::string_view name) {
    const std::optional<std::size_t> row = findFunction(name);
    if (!row) return std::nullopt;
    return FirstFunction + static_cast<std::int32_t>(*row);
}
}  // namespace code

class Interpreter {
public:
    explicit Interpreter(MathErrorHook hook = {});

    // Compiles the formula (cut to 256 characters) against the variable list
    // (each name at most 10 characters). Returns StatusOk or StatusError.
    // A previous formula still held is released first.
    std::string INIT(std::string_view formula, const std::vector<std::string>& variables);

    // Value of the compiled formula; values[k-1] is variable k.
    // Precondition: the last INIT returned StatusOk. Without a compiled
    // formula, or with fewer values than variables, the result is NaN.
    double EVALUATE(std::span<const double> values);

    // Releases the compiled formula and resets the status to StatusOk.
    void DESTROYFUNC();

    const std::string& status() const { return status_; }
    std::span<const std::int32_t> codes() const { return codes_; }
    std::span<const double> constants() const { return constants_; }

    void setMathErrorHook(MathErrorHook hook) { hook_ = std::move(hook); }

private:
    MathErrorHook hook_;
    std::string status_{StatusOk};
    std::vector<std::string> variables_;
    std::vector<std::int32_t> codes_;
    std::vector<double> constants_;
    std::vector<double> stack_;
    bool compiled_ = false;  // the last INIT succeeded and DESTROYFUNC has not run since
};

// Releases the interpreter's formula when the scope ends, on every path out.
class ScopedFormula {
public:
    explicit ScopedFormula(Interpreter& interpreter) : interpreter_(interpreter) {}
    ~ScopedFormula() { interpreter_.DESTROYFUNC(); }
    ScopedFormula(const ScopedFormula&) = delete;
    ScopedFormula& operator=(const ScopedFormula&) = delete;

private:
    Interpreter& interpreter_;
};

}  // namespace calorvia::interpreter
