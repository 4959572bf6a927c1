#include "interpreter/interpreter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "interpreter/function_table.h"
#include "interpreter/property_text.h"

namespace calorvia::interpreter {
namespace {

using Codes = std::vector<std::int32_t>;
using Constants = std::vector<double>;
using Names = std::vector<std::string>;

// Codes 1 to 7 are fixed: a constant, the sign change and + - * / ^. The
// functions and the variables are named.
constexpr std::int32_t X = code::FirstVariable;  // variable 1; variable k is X + k - 1
std::int32_t fn(std::string_view name) {
    return code::ofFunction(name).value();
}

Codes codesOf(const Interpreter& interpreter) {
    return {interpreter.codes().begin(), interpreter.codes().end()};
}
Constants constantsOf(const Interpreter& interpreter) {
    return {interpreter.constants().begin(), interpreter.constants().end()};
}

// The functions keep the codes 8, 9, ... in the documented order; a new
// function is appended, and the variables follow the last one.
TEST(InitTest, KeepsTheDocumentedFunctionCodes) {
    const std::vector<std::string_view> documented{
        "sin",  "cos", "tan",   "asin", "acos",  "atan", "sinh", "cosh", "tanh", "sind", "cosd",
        "tand", "log", "log10", "nint", "anint", "aint", "exp",  "sqrt", "abs",  "floor"};
    ASSERT_GE(FormulaFunctions.size(), documented.size());
    for (std::size_t i = 0; i < documented.size(); ++i) {
        EXPECT_EQ(code::ofFunction(documented[i]), 8 + static_cast<std::int32_t>(i))
            << documented[i];
    }
}

struct Compilation {
    std::string formula;
    Names variables;
    Codes codes;
    Constants constants;
};

TEST(InitTest, CompilesToPostfixCodesAndConstants) {
    const std::vector<Compilation> table{
        {"2*z+1", {"z"}, {1, X, 5, 1, 3}, {2, 1}},
        {"-z^2", {"z"}, {X, 1, 7, 2}, {2}},
        {"2^(-1)", {"z"}, {1, 1, 2, 7}, {2, 1}},
        {"1+0.01*z^2", {"z"}, {1, 1, X, 1, 7, 5, 3}, {1, 0.01, 2}},
        {"x-x-x", {"x"}, {X, X, 4, X, 4}, {}},
        {"x-(x-x)", {"x"}, {X, X, X, 4, 4}, {}},
        {"x/x*x", {"x"}, {X, X, 6, X, 5}, {}},
        {"2--3", {"x"}, {1, 1, 2, 4}, {2, 3}},
        {"2*-3", {"x"}, {1, 1, 2, 5}, {2, 3}},
        {"+x", {"x"}, {X}, {}},
        {"((x))", {"x"}, {X}, {}},
        {"exp(x)^sqrt(x)", {"x"}, {X, fn("exp"), X, fn("sqrt"), 7}, {}},
        {"sin(cos(x))*floor(x)", {"x"}, {X, fn("cos"), fn("sin"), X, fn("floor"), 5}, {}},
        {"a*b-c", {"a", "b", "c"}, {X, X + 1, 5, X + 2, 4}, {}},
        {"1.5E-3*X", {"x"}, {1, X, 5}, {1.5e-3}},
        {"1 000 * x", {"x"}, {1, X, 5}, {1000}},  // every blank is removed
        {"S IN(x)", {"x"}, {X, fn("sin")}, {}},
        {"2 ** x", {"x"}, {1, X, 7}, {2}},
        {"z", {"z         "}, {X}, {}},  // names are blank-padded to 10
        {"temperatur", {"temperature"}, {X}, {}},
        {"x" + std::string(300, ' ') + "+1", {"x"}, {X}, {}},  // cut at 256 first
    };
    for (const Compilation& row : table) {
        SCOPED_TRACE("formula \"" + row.formula + "\"");
        Interpreter interpreter;
        ScopedFormula release(interpreter);
        EXPECT_EQ(interpreter.INIT(row.formula, row.variables), StatusOk);
        EXPECT_EQ(codesOf(interpreter), row.codes);
        EXPECT_EQ(constantsOf(interpreter), row.constants);
    }
}

TEST(InitTest, RejectsMalformedFormulas) {
    // clang-format off
    const std::vector<std::string> table{
        "(x+1", "x+1)", "(x)(x)", "sin(x)(2)", "2^-1", "--3", "2*x+", "x^", "x-", "2^3^2",
        "2(x)", "x)+(x", "y", "e", "pi2", "erro", "temperature", "", "   ", "2x", "3.2.1",
        "x*/x", "*x", "()", "sin+x", "sinx", "#", "x=1", "2* *x", "1e(2)",
        std::string(256, '('), std::string(128, '(') + std::string(128, ')')};
    // clang-format on
    for (const std::string& formula : table) {
        SCOPED_TRACE("formula \"" + formula + "\"");
        Interpreter interpreter;
        EXPECT_EQ(interpreter.INIT(formula, {"x"}), StatusError);
        EXPECT_EQ(interpreter.status(), StatusError);
        EXPECT_TRUE(std::isnan(interpreter.EVALUATE(std::vector{1.0})));
        interpreter.DESTROYFUNC();
        EXPECT_EQ(interpreter.status(), StatusOk);
    }
}

TEST(InitTest, AcceptsNestingUpToTheFormulaWidth) {
    const std::string nested = std::string(127, '(') + "x" + std::string(127, ')');
    Interpreter interpreter;
    ScopedFormula release(interpreter);
    ASSERT_EQ(interpreter.INIT(nested, {"x"}), StatusOk);
    EXPECT_EQ(interpreter.EVALUATE(std::vector{4.5}), 4.5);
}

TEST(InitTest, ReadsANumberFromTheFirst255CharactersOfItsToken) {
    Interpreter interpreter;
    ScopedFormula release(interpreter);
    ASSERT_EQ(interpreter.INIT(std::string(256, '1'), {"x"}), StatusOk);
    ASSERT_EQ(interpreter.constants().size(), 1u);
    EXPECT_DOUBLE_EQ(interpreter.constants()[0], std::stod(std::string(255, '1')));
}

// Without a tolerance the value must agree to 4 units in the last place: the
// expected library values may be folded by the compiler, which rounds them
// correctly where the run-time library may be one unit off.
struct Evaluation {
    std::string formula;
    double x;
    double expected;
    double tolerance = 0.0;
};

TEST(EvaluateTest, ComputesOperatorsAndFunctions) {
    const double pi = std::numbers::pi;
    const std::vector<Evaluation> table{
        {"2*x+1", 300, 601},
        {"-x^2", 3, -9},
        {"-2^2", 0, -4},
        {"(-2)^3", 0, -8},
        {"2^(-1)", 0, 0.5},
        {"2**x", 10, 1024},
        {"x^0.5", 16, 4},
        {"x-1-2", 10, 7},
        {"x-(1-2)", 10, 11},
        {"x/2/5", 100, 10},
        {"10/x", 4, 2.5},
        {"2*-3", 0, -6},
        {"2--3", 0, 5},
        {"+x", 4, 4},
        {"-(x)", 2, -2},
        {"1+2*3", 0, 7},
        {"(1+2)*3", 0, 9},
        {"3-x*2", 1, 1},
        {"2.5d1+x", 0, 25},
        {"1+0.01*x^2", 10, 2},
        {"2*3.14159", -7, 2 * 3.14159},
        {"sin(x)", 0.5, std::sin(0.5)},
        {"sin(90)", 0, std::sin(90.0)},
        {"cos(x)", 0.5, std::cos(0.5)},
        {"tan(x)", 0.5, std::tan(0.5)},
        {"asin(x)", 0.5, std::asin(0.5)},
        {"acos(x)", 0.5, std::acos(0.5)},
        {"atan(x)", 2, std::atan(2.0)},
        {"sinh(x)", 1.5, std::sinh(1.5)},
        {"cosh(x)", 1.5, std::cosh(1.5)},
        {"tanh(x)", 0.7, std::tanh(0.7)},
        {"sind(x)", 90, 1, 1e-15},
        {"cosd(x)", 60, 0.5, 1e-15},
        {"tand(x)", 45, 1, 1e-15},
        {"sind(x)", 30, std::sin(30 * (pi / 180))},
        {"log(2.718281828)", 0, 1, 1e-9},
        {"log(x)", 10, std::log(10.0)},
        {"log10(1000)", 0, 3},
        {"nint(2.5)", 0, 3},
        {"nint(-2.5)", 0, -3},
        {"nint(x)", 2.4999, 2},
        {"anint(-2.5)", 0, -3},
        {"anint(x)", 1e10 + 0.5, 1e10 + 1},  // beyond 32 bits, kept as a double
        {"aint(-2.7)", 0, -2},
        {"aint(x)", 2.7, 2},
        {"exp(x)", 1, std::numbers::e},
        {"exp(-x)", 1, std::exp(-1.0)},
        {"sqrt(x)", 2, std::numbers::sqrt2},
        {"sqrt(x^2+9)", 4, 5},
        {"abs(x)", -3.5, 3.5},
        {"sqrt(abs(x))", -16, 4},
        {"floor(-2.5)", 0, -3},
        {"floor(x/2)", 7, 3},
        {"exp(log(x))", 5, 5, 1e-14},
        {"x/0", 1, HUGE_VAL},  // not tested by the engine
    };
    for (const Evaluation& row : table) {
        SCOPED_TRACE("formula \"" + row.formula + "\" at " + std::to_string(row.x));
        Interpreter interpreter;
        ScopedFormula release(interpreter);
        ASSERT_EQ(interpreter.INIT(row.formula, {"x"}), StatusOk);
        const double value = interpreter.EVALUATE(std::vector{row.x});
        if (row.tolerance > 0.0) {
            EXPECT_NEAR(value, row.expected, row.tolerance);
        } else {
            EXPECT_DOUBLE_EQ(value, row.expected);
        }
    }
}

TEST(EvaluateTest, EvaluatesPreparedPropertyTexts) {
    const auto prepare = [](std::string_view text) {
        return classifyPropertyText(text, PropertyVariable::Temperature).text;
    };
    Interpreter interpreter;
    ASSERT_EQ(interpreter.INIT(prepare("2*t+1"), {"z"}), StatusOk);
    EXPECT_EQ(codesOf(interpreter), (Codes{1, X, 5, 1, 3}));
    EXPECT_EQ(constantsOf(interpreter), (Constants{2, 1}));
    EXPECT_EQ(interpreter.EVALUATE(std::vector{300.0}), 601.0);
    interpreter.DESTROYFUNC();

    ASSERT_EQ(interpreter.INIT(prepare("LN(T)*2*PI"), {"z"}), StatusOk);
    EXPECT_DOUBLE_EQ(interpreter.EVALUATE(std::vector{2.0}), std::log(2.0) * 2 * 3.14159);
    interpreter.DESTROYFUNC();
}

TEST(EvaluateTest, TakesEachVariableFromItsPosition) {
    Interpreter interpreter;
    ScopedFormula release(interpreter);
    ASSERT_EQ(interpreter.INIT("a*b-c", {"a", "b", "c"}), StatusOk);
    EXPECT_EQ(interpreter.EVALUATE(std::vector{2.0, 3.0, 4.0}), 2.0);
    EXPECT_EQ(interpreter.EVALUATE(std::vector{4.0, 3.0, 2.0}), 10.0);
    EXPECT_TRUE(std::isnan(interpreter.EVALUATE(std::vector{4.0, 3.0})));
}

TEST(EvaluateTest, LeavesTheCompiledFormulaUntouchedOverManyCalls) {
    Interpreter interpreter;
    ScopedFormula release(interpreter);
    ASSERT_EQ(interpreter.INIT("2*x+sqrt(x)-x^2/4", {"x"}), StatusOk);
    const Codes codes = codesOf(interpreter);
    const Constants constants = constantsOf(interpreter);
    const auto* codeStorage = interpreter.codes().data();
    for (int i = 0; i < 5000; ++i) {
        const double x = 0.25 * i;
        ASSERT_EQ(interpreter.EVALUATE(std::vector{x}), 2 * x + std::sqrt(x) - x * x / 4);
    }
    EXPECT_EQ(interpreter.codes().data(), codeStorage);
    EXPECT_EQ(codesOf(interpreter), codes);
    EXPECT_EQ(constantsOf(interpreter), constants);
}

TEST(LifecycleTest, ReleasingDropsTheFormulaAndResetsTheStatus) {
    Interpreter interpreter;
    ASSERT_EQ(interpreter.INIT("x+1", {"x"}), StatusOk);
    ASSERT_EQ(interpreter.INIT("2*x", {"x"}), StatusOk);  // replaces the first formula
    EXPECT_EQ(interpreter.EVALUATE(std::vector{5.0}), 10.0);
    { ScopedFormula release(interpreter); }
    EXPECT_TRUE(interpreter.codes().empty());
    EXPECT_TRUE(std::isnan(interpreter.EVALUATE(std::vector{5.0})));
    {
        ScopedFormula release(interpreter);
        EXPECT_EQ(interpreter.INIT("(x", {"x"}), StatusError);
    }
    EXPECT_EQ(interpreter.status(), StatusOk);
}

}  // namespace
}  // namespace calorvia::interpreter
