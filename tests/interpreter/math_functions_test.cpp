#include "interpreter/math_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

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

// One call: a function code 8..28, or code 7 for the power with `second` as
// the exponent.
struct Call {
    std::int32_t code;
    double first;
    double second = 0.0;
};

double run(const Call& call, const MathErrorHook& hook) {
    return call.code == code::Power ? power(call.first, call.second, hook)
                                    : applyFunction(call.code, call.first, hook);
}

std::string describe(const Call& call) {
    return "code " + std::to_string(call.code) + " at " + std::to_string(call.first) + ", " +
           std::to_string(call.second);
}

struct Failure {
    Call call;
    Report report;
};

TEST(MathFunctionsTest, ReportsEachFailureOnceWithTheFunctionName) {
    using enum MathErrorKind;
    const std::vector<Failure> table{
        {{7, -8.0, 1.0 / 3.0}, {"pow", ArgumentDomain}},
        {{7, 0.0, -1.0}, {"pow", Singularity}},
        {{7, -0.0, -2.5}, {"pow", Singularity}},
        {{7, 10.0, 400.0}, {"pow", Overflow}},
        {{7, 10.0, -400.0}, {"pow", Underflow}},
        {{7, 2.0, -1074.0}, {"pow", Underflow}},  // the smallest subnormal
        {{8, Inf}, {"sin", ArgumentDomain}},
        {{8, 1e16}, {"sin", TotalLossOfPrecision}},
        {{8, 1e-310}, {"sin", Underflow}},
        {{9, -Inf}, {"cos", ArgumentDomain}},
        {{9, 9007199254740992.0}, {"cos", TotalLossOfPrecision}},
        {{10, Inf}, {"tan", ArgumentDomain}},
        {{10, -1e300}, {"tan", TotalLossOfPrecision}},
        {{11, 1.5}, {"asin", ArgumentDomain}},
        {{11, -Inf}, {"asin", ArgumentDomain}},
        {{12, -1.0001}, {"acos", ArgumentDomain}},
        {{13, 1e-310}, {"atan", Underflow}},
        {{14, 1000.0}, {"sinh", Overflow}},
        {{14, -1000.0}, {"sinh", Overflow}},
        {{15, 1000.0}, {"cosh", Overflow}},
        {{16, -1e-310}, {"tanh", Underflow}},
        {{17, Inf}, {"sind", ArgumentDomain}},
        {{17, 1e18}, {"sind", TotalLossOfPrecision}},  // 1.7e16 radians
        {{18, -Inf}, {"cosd", ArgumentDomain}},
        {{18, 1e18}, {"cosd", TotalLossOfPrecision}},
        {{19, 1e18}, {"tand", TotalLossOfPrecision}},
        {{20, -1.0}, {"log", ArgumentDomain}},
        {{20, 0.0}, {"log", Singularity}},
        {{20, -0.0}, {"log", Singularity}},
        {{21, -1.0}, {"log10", ArgumentDomain}},
        {{21, 0.0}, {"log10", Singularity}},
        {{22, NaN}, {"nint", ArgumentDomain}},
        {{22, 2147483647.5}, {"nint", Overflow}},
        {{22, -Inf}, {"nint", Overflow}},
        {{25, 1000.0}, {"exp", Overflow}},
        {{25, -1000.0}, {"exp", Underflow}},
        {{25, -740.0}, {"exp", Underflow}},  // a subnormal result
        {{26, -1.0}, {"sqrt", ArgumentDomain}},
        {{26, -Inf}, {"sqrt", ArgumentDomain}},
        {{28, NaN}, {"floor", ArgumentDomain}},
        {{28, -2147483648.5}, {"floor", Overflow}},
        {{28, Inf}, {"floor", Overflow}},
    };
    for (const Failure& row : table) {
        SCOPED_TRACE(describe(row.call));
        Recorder recorder;
        run(row.call, recorder.hook());
        EXPECT_EQ(recorder.reports, std::vector{row.report});
    }
}

TEST(MathFunctionsTest, StaysSilentOnValidArgumentsAndOnNaN) {
    // clang-format off
    const std::vector<Call> table{
        {7, -2.0, 3.0},     {7, 0.0, 0.0},       {7, 0.0, 2.0},  {7, NaN, 2.0},
        {7, -8.0, NaN},     {7, 2.0, Inf},       {7, 0.5, Inf},  {7, Inf, 2.0},
        {8, 9007199254740991.0}, {8, NaN},       {11, 1.0},      {12, -1.0},
        {13, Inf},          {14, NaN},           {15, 0.0},      {16, 1e-300},
        {17, 90.0},         {20, Inf},           {20, NaN},      {21, 1e-300},
        {22, 2147483647.4}, {22, -2147483648.4}, {23, Inf},      {23, NaN},
        {24, -Inf},         {25, Inf},           {25, -Inf},     {25, NaN},
        {26, -0.0},         {26, NaN},           {27, -Inf},     {27, NaN},
        {28, -2147483648.0}};
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
    const std::vector<std::pair<Call, double>> table{
        {{22, 2147483647.4}, Int32Max},  {{22, 2147483647.5}, Int32Max},  {{22, 3e9}, Int32Max},
        {{22, -3e9}, Int32Min},          {{22, NaN}, Int32Min},           {{22, -2.5}, -3.0},
        {{28, -2147483648.0}, Int32Min}, {{28, -2147483648.5}, Int32Min}, {{28, Inf}, Int32Max},
        {{28, NaN}, Int32Min},           {{28, 1e300}, Int32Max},         {{28, -0.5}, -1.0},
    };
    for (const auto& [call, expected] : table) {
        SCOPED_TRACE(describe(call));
        EXPECT_EQ(run(call, {}), expected);
    }
}

TEST(MathFunctionsTest, GoesOnWithTheSubstituteValueWithoutAHook) {
    EXPECT_TRUE(std::isnan(applyFunction(26, -1.0, {})));
    EXPECT_EQ(applyFunction(25, 1000.0, {}), Inf);
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
