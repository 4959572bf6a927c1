// What the Syntax help document tells the user about formulas, checked
// against the formula engine itself: every example and every common mistake
// of the document behaves as the document says.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "interpreter/interpreter.h"
#include "interpreter/property_text.h"
#include "support/case_names.h"

namespace calorvia::shell {
namespace {

using interpreter::PropertyOutcome;
using interpreter::PropertyVariable;

constexpr auto T = PropertyVariable::Temperature;
constexpr auto X = PropertyVariable::Position;

struct HelpClaim {
    const char* text;
    PropertyVariable variable;
    bool accepted;
    std::optional<double> at;     // the variable's value, for a formula
    std::optional<double> value;  // what the text is worth there (or as a constant)
};

class SyntaxHelpTest : public ::testing::TestWithParam<HelpClaim> {};

TEST_P(SyntaxHelpTest, TheDocumentTellsTheTruth) {
    const HelpClaim& claim = GetParam();
    const auto checked = interpreter::checkPropertyText(claim.text, claim.variable);
    EXPECT_EQ(checked.ok(), claim.accepted) << claim.text;
    if (!claim.accepted || !claim.value) return;
    std::optional<double> value;
    if (checked.outcome == PropertyOutcome::Constant) {
        value = checked.constant;
    } else {
        interpreter::Interpreter engine;
        ASSERT_EQ(engine.INIT(checked.text, {interpreter::variableName(claim.variable)}),
                  interpreter::StatusOk);
        const double values[] = {claim.at.value_or(0.0)};
        value = engine.EVALUATE(values);
        engine.DESTROYFUNC();
    }
    ASSERT_TRUE(value) << claim.text;
    EXPECT_NEAR(*value, *claim.value, 1e-9 * std::max(1.0, std::fabs(*claim.value))) << claim.text;
}

INSTANTIATE_TEST_SUITE_P(
    Claims, SyntaxHelpTest,
    ::testing::Values(
        // Constant or formula
        HelpClaim{"2+3", T, true, {}, 2000.0}, HelpClaim{"300-5", T, true, {}, 0.003},
        HelpClaim{"(300-5)", T, true, 0.0, 295.0}, HelpClaim{"5", T, true, {}, 5.0},
        // Numbers
        HelpClaim{".5", T, true, {}, 0.5}, HelpClaim{"2.", T, true, {}, 2.0},
        HelpClaim{"1.5e-3", T, true, {}, 1.5e-3}, HelpClaim{"2E5", T, true, {}, 2.0e5},
        HelpClaim{"6.02d23", T, true, {}, 6.02e23}, HelpClaim{"1,5", T, true, {}, 1.5},
        HelpClaim{"0,01*T", T, true, 300.0, 3.0}, HelpClaim{"2*pi*x", X, true, 0.5, 3.14159},
        HelpClaim{"1 000*T", T, true, 2.0, 2000.0}, HelpClaim{"SQRT(t)", T, true, 16.0, 4.0},
        // Operators and their order
        HelpClaim{"T^2", T, true, 3.0, 9.0}, HelpClaim{"T**2", T, true, 3.0, 9.0},
        HelpClaim{"-T^2", T, true, 3.0, -9.0}, HelpClaim{"T/2*3", T, true, 4.0, 6.0},
        HelpClaim{"2^(-1)", T, true, 0.0, 0.5}, HelpClaim{"(T^2)^3", T, true, 2.0, 64.0},
        HelpClaim{"T^(2^3)", T, true, 2.0, 256.0}, HelpClaim{"2*-3", T, true, 0.0, -6.0},
        HelpClaim{"T--3", T, true, 2.0, 5.0}, HelpClaim{"(T+1)*(T-1)", T, true, 3.0, 8.0},
        // Functions
        HelpClaim{"nint(2.5)", T, true, 0.0, 3.0}, HelpClaim{"nint(-2.5)", T, true, 0.0, -3.0},
        HelpClaim{"aint(-2.7)", T, true, 0.0, -2.0}, HelpClaim{"floor(-2.5)", T, true, 0.0, -3.0},
        HelpClaim{"ln(T)", T, true, 1.0, 0.0}, HelpClaim{"log10(T)", T, true, 1000.0, 3.0},
        HelpClaim{"sind(T)", T, true, 90.0, 1.0}, HelpClaim{"exp(1)", T, true, 0.0, std::exp(1.0)},
        // Examples
        HelpClaim{"0.5+0.01*T", T, true, 100.0, 1.5}, HelpClaim{"0,5+0,01*T", T, true, 100.0, 1.5},
        HelpClaim{"1000*exp(-0.01*T)", T, true, 0.0, 1000.0}, HelpClaim{"-2", T, true, {}, -2.0},
        HelpClaim{"450+0.28*T-2.9e-4*T^2", T, true, 100.0, 475.1},
        HelpClaim{"300+50*sin(pi*x/0.2)", X, true, 0.1, 350.0},
        // Mistakes
        HelpClaim{"2x", X, false, {}, {}}, HelpClaim{"2T", T, false, {}, {}},
        HelpClaim{"2^-1", T, false, {}, {}}, HelpClaim{"sin T", T, false, {}, {}},
        HelpClaim{"sqrt (T)", T, false, {}, {}}, HelpClaim{"T2", T, false, {}, {}},
        HelpClaim{"T^2^2", T, false, {}, {}}, HelpClaim{"T^2^3", T, false, {}, {}},
        HelpClaim{"(T+1)(T-1)", T, false, {}, {}}, HelpClaim{"(T+1", T, false, {}, {}},
        HelpClaim{"2*exp", T, false, {}, {}}, HelpClaim{"--T", T, false, {}, {}},
        HelpClaim{"e", T, false, {}, {}}, HelpClaim{"y*T", T, false, {}, {}},
        HelpClaim{"T", X, false, {}, {}}, HelpClaim{"x", T, false, {}, {}},
        HelpClaim{"x*2", T, false, {}, {}}),
    [](const auto& row) { return calorvia::testing::textName(row.param.text); });

TEST(SyntaxHelpTest, ARealPowerOfANegativeBaseFailsWhenComputed) {
    std::vector<interpreter::MathErrorKind> failures;
    interpreter::Interpreter engine(
        [&](std::string_view, interpreter::MathErrorKind kind) { failures.push_back(kind); });
    ASSERT_EQ(engine.INIT("(-8)^(1/3)", {"z"}), interpreter::StatusOk);
    const double values[] = {0.0};
    engine.EVALUATE(values);
    engine.DESTROYFUNC();
    EXPECT_EQ(failures,
              std::vector<interpreter::MathErrorKind>{interpreter::MathErrorKind::ArgumentDomain});
}

TEST(SyntaxHelpTest, DivisionByZeroIsNotDetected) {
    std::vector<interpreter::MathErrorKind> failures;
    interpreter::Interpreter engine(
        [&](std::string_view, interpreter::MathErrorKind kind) { failures.push_back(kind); });
    ASSERT_EQ(engine.INIT("1/z", {"z"}), interpreter::StatusOk);
    const double values[] = {0.0};
    EXPECT_TRUE(std::isinf(engine.EVALUATE(values)));
    engine.DESTROYFUNC();
    EXPECT_TRUE(failures.empty());
}

}  // namespace
}  // namespace calorvia::shell
