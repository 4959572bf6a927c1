#include "interpreter/math_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "interpreter/function_table.h"
#include "interpreter/interpreter.h"

namespace calorvia::interpreter {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr double Int32Max = std::numeric_limits<std::int32_t>::max();

struct Report {
    std::string name;
    MathErrorKind kind;
    bool operator==(const Report&) const = default;
};

// Collects every report of the calls made while it lives.
struct Recorder {
    std::vector<Report> reports;
    MathErrorHook hook() {
        return [this](std::string_view name, MathErrorKind kind) {
            reports.push_back({std::string(name), kind});
        };
    }
};

// One call: a function of the formula language by name, or "pow" for the
// power with `second` as the exponent.
struct Call {
    std::string_view name;
    double first;
    double second = 0.0;
};

std::size_t row(std::string_view name) {
    const std::optional<std::size_t> found = findFunction(name);
    if (!found) throw std::invalid_argument("no function " + std::string(name));
    return *found;
}

double run(const Call& call, const MathErrorHook& hook) {
    return call.name == "pow" ? power(call.first, call.second, hook)
                              : applyFunction(row(call.name), call.first, hook);
}

std::string describe(const Call& call) {
    return std::string(call.name) + " at " + std::to_string(call.first) + ", " +
           std::to_string(call.second);
}

struct Failure {
    Call call;
    MathErrorKind kind;  // reported under the name of the call
};

TEST(MathFunctionsTest, ReportsEachFailureOnceWithTheFunctionName) {
    using enum MathErrorKind;
    const std::vector<Failure> table{
        {{"pow", -8.0, 1.0 / 3.0}, ArgumentDomain},
        {{"pow", 0.0, -1.0}, Singularity},
        {{"pow", -0.0, -2.5}, Singularity},
        {{"pow", 10.0, 400.0}, Overflow},
        {{"pow", 10.0, -400.0}, Underflow},
        {{"pow", 2.0, -1074.0}, Underflow},  // the smallest subnormal
        {{"sin", Inf}, ArgumentDomain},
        {{"sin", 1e16}, TotalLossOfPrecision},
        {{"sin", 1e-310}, Underflow},
        {{"cos", -Inf}, ArgumentDomain},
        {{"cos", 9007199254740992.0}, TotalLossOfPrecision},
        {{"tan", Inf}, ArgumentDomain},
        {{"tan", -1e300}, TotalLossOfPrecision},
        {{"asin", 1.5}, ArgumentDomain},
        {{"asin", -Inf}, ArgumentDomain},
        {{"acos", -1.0001}, ArgumentDomain},
        {{"atan", 1e-310}, Underflow},
        {{"sinh", 1000.0}, Overflow},
        {{"sinh", -1000.0}, Overflow},
        {{"cosh", 1000.0}, Overflow},
        {{"tanh", -1e-310}, Underflow},
        {{"sind", Inf}, ArgumentDomain},
        {{"sind", 1e18}, TotalLossOfPrecision},  // 1.7e16 radians
        {{"cosd", -Inf}, ArgumentDomain},
        {{"cosd", 1e18}, TotalLossOfPrecision},
        {{"tand", 1e18}, TotalLossOfPrecision},
        {{"log", -1.0}, ArgumentDomain},
        {{"log", 0.0}, Singularity},
        {{"log", -0.0}, Singularity},
        {{"log10", -1.0}, ArgumentDomain},
        {{"log10", 0.0}, Singularity},
        {{"nint", NaN}, ArgumentDomain},
        {{"nint", 2147483647.5}, Overflow},
        {{"nint", -Inf}, Overflow},
        {{"exp", 1000.0}, Overflow},
        {{"exp", -1000.0}, Underflow},
        {{"exp", -740.0}, Underflow},  // a subnormal result
        {{"sqrt", -1.0}, ArgumentDomain},
        {{"sqrt", -Inf}, ArgumentDomain},
        {{"floor", NaN}, ArgumentDomain},
        {{"floor", -2147483648.5}, Overflow},
        {{"floor", Inf}, Overflow},
    };
    for (const Failure& row : table) {
        SCOPED_TRACE(describe(row.call));
        Recorder recorder;
        run(row.call, recorder.hook());
        EXPECT_EQ(recorder.reports, (std::vector<Report>{{std::string(row.call.name), row.kind}}));
    }
}

TEST(MathFunctionsTest, StaysSilentOnValidArgumentsAndOnNaN) {
    // clang-format off
    const std::vector<Call> table{
        {"pow", -2.0, 3.0},       {"pow", 0.0, 0.0},         {"pow", 0.0, 2.0},   {"pow", NaN, 2.0},
        {"pow", -8.0, NaN},       {"pow", 2.0, Inf},         {"pow", 0.5, Inf},   {"pow", Inf, 2.0},
        {"sin", 9007199254740991.0}, {"sin", NaN},           {"asin", 1.0},       {"acos", -1.0},
        {"atan", Inf},            {"sinh", NaN},             {"cosh", 0.0},       {"tanh", 1e-300},
        {"sind", 90.0},           {"log", Inf},              {"log", NaN},        {"log10", 1e-300},
        {"nint", 2147483647.4},   {"nint", -2147483648.4},   {"anint", Inf},      {"anint", NaN},
        {"aint", -Inf},           {"exp", Inf},              {"exp", -Inf},       {"exp", NaN},
        {"sqrt", -0.0},           {"sqrt", NaN},             {"abs", -Inf},       {"abs", NaN},
        {"floor", -2147483648.0}};
    // clang-format on
    for (const Call& call : table) {
        SCOPED_TRACE(describe(call));
        Recorder recorder;
        const double value = run(call, recorder.hook());
        EXPECT_TRUE(recorder.reports.empty());
        if (std::isnan(call.first) || std::isnan(call.second)) {
            EXPECT_TRUE(std::isnan(value));
        }
    }
}

TEST(MathFunctionsTest, RoundsThroughInt32WithClampedResults) {
    // clang-format off
    const std::vector<std::pair<Call, double>> table{
        {{"nint", 2147483647.4}, Int32Max},    {{"nint", 2147483647.5}, Int32Max},
        {{"nint", 3e9}, Int32Max},             {{"nint", -3e9}, Int32Min},
        {{"nint", NaN}, Int32Min},             {{"nint", -2.5}, -3.0},
        {{"floor", -2147483648.0}, Int32Min},  {{"floor", -2147483648.5}, Int32Min},
        {{"floor", Inf}, Int32Max},            {{"floor", NaN}, Int32Min},
        {{"floor", 1e300}, Int32Max},          {{"floor", -0.5}, -1.0},
    };
    // clang-format on
    for (const auto& [call, expected] : table) {
        SCOPED_TRACE(describe(call));
        EXPECT_EQ(run(call, {}), expected);
    }
}

TEST(MathFunctionsTest, GoesOnWithTheSubstituteValueWithoutAHook) {
    EXPECT_TRUE(std::isnan(applyFunction(row("sqrt"), -1.0, {})));
    EXPECT_EQ(applyFunction(row("exp"), 1000.0, {}), Inf);
    EXPECT_EQ(power(0.0, -1.0, {}), Inf);
}

TEST(MathFunctionsTest, EvaluationReportsEveryFailingCallAndContinues) {
    Recorder recorder;
    Interpreter interpreter(recorder.hook());
    ASSERT_EQ(interpreter.INIT("log(z)+sqrt(z)*abs(z)", {"z"}), StatusOk);
    EXPECT_TRUE(std::isnan(interpreter.EVALUATE(std::vector{-1.0})));
    const std::vector<Report> expected{{"log", MathErrorKind::ArgumentDomain},
                                       {"sqrt", MathErrorKind::ArgumentDomain}};
    EXPECT_EQ(recorder.reports, expected);

    recorder.reports.clear();
    EXPECT_DOUBLE_EQ(interpreter.EVALUATE(std::vector{4.0}), std::log(4.0) + 2.0 * 4.0);
    EXPECT_TRUE(recorder.reports.empty());
    interpreter.DESTROYFUNC();

    // The arithmetic codes are not tested: a zero divisor goes unreported.
    ASSERT_EQ(interpreter.INIT("-z/0", {"z"}), StatusOk);
    EXPECT_EQ(interpreter.EVALUATE(std::vector{1.0}), -Inf);
    EXPECT_TRUE(recorder.reports.empty());
    interpreter.DESTROYFUNC();
}

}  // namespace
}  // namespace calorvia::interpreter
