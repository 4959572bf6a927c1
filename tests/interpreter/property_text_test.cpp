#include "interpreter/property_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace calorvia::interpreter {
namespace {

constexpr PropertyVariable OfT = PropertyVariable::Temperature;
constexpr PropertyVariable OfX = PropertyVariable::Position;

struct Classification {
    std::string input;
    PropertyVariable variable;
    std::string text;
    bool isFormula;
};

TEST(ClassifyPropertyTextTest, NormalisesAndMarksFormulas) {
    const std::vector<Classification> table{
        {"tan(t)", OfT, "tan(z)", true},  // the "t" of tan is followed by "a"
        {"sqrt(t)", OfT, "sqrt(z)", true},
        {"atan(T)+aint(T)+nint(T)", OfT, "atan(z)+aint(z)+nint(z)", true},
        {"sqrt (T)", OfT, "sqrz (z)", true},
        {"T2", OfT, "z2", true},
        {"tt", OfT, "zz", true},
        {"T", OfT, "z", true},
        {"T+1", OfT, "z+1", true},
        {"2*PI*T", OfT, "2*3.14159*z", true},
        {"LN(T)", OfT, "log(z)", true},
        {"1,5*T", OfT, "1.5*z", true},
        {"T^2", OfT, "z**2", true},
        {"2*3", OfT, "2*3", true},
        {"5/2", OfT, "5/2", true},
        {"x", OfT, "x", false},
        {"x*2", OfT, "x*2", true},
        {"1.5", OfT, "1.5", false},
        {"1,5", OfT, "1.5", false},
        {"2+3", OfT, "2+3", false},
        {"-2.5E-3", OfT, "-2.5e-3", false},
        {"1d2", OfT, "1d2", false},
        {"sin T", OfT, "erro", false},
        {"   ", OfT, "", false},
        {"x", OfX, "x", true},
        {"1-X", OfX, "1-x", true},
        {"T", OfX, "t", false},
        {"100", OfX, "100", false},
        {"sin(0)", OfX, "sin(0)", true},
    };
    for (const Classification& row : table) {
        SCOPED_TRACE("input \"" + row.input + "\"");
        const ClassifiedProperty result = classifyPropertyText(row.input, row.variable);
        EXPECT_EQ(result.text, row.text);
        EXPECT_EQ(result.isFormula, row.isFormula);
    }
}

struct Check {
    std::string input;
    PropertyVariable variable;
    PropertyOutcome outcome;
    double constant;
};

TEST(CheckPropertyTextTest, ReadsConstantsAndCompilesFormulas) {
    using enum PropertyOutcome;
    const std::vector<Check> table{
        {"2+3", OfT, Constant, 2000.0},  // a bare sign starts the exponent
        {"2e-3", OfT, Constant, 0.002},
        {"1.5-2", OfT, Constant, 0.015},
        {"1,5", OfT, Constant, 1.5},
        {" 300 ", OfT, Constant, 300.0},
        {"x", OfT, UnreadableConstant, 0.0},
        {"T", OfX, UnreadableConstant, 0.0},
        {"   ", OfT, UnreadableConstant, 0.0},
        {"sin T", OfT, UnreadableConstant, 0.0},
        {"2*exp", OfT, UnreadableConstant, 0.0},
        {"x", OfX, Formula, 0.0},
        {"2*3", OfT, Formula, 0.0},
        {"sqrt(T)", OfT, Formula, 0.0},
        {"1+0.01*T^2", OfT, Formula, 0.0},
        {"1+0.01*(T+3*T)", OfT, Formula, 0.0},
        {"1,5*T", OfT, Formula, 0.0},
        {"2^(-1)", OfT, Formula, 0.0},
        {"sqrt (T)", OfT, SyntaxError, 0.0},
        {"T2", OfT, SyntaxError, 0.0},
        {"x*2", OfT, SyntaxError, 0.0},
        {"2^-1", OfT, SyntaxError, 0.0},
        {"(T+1", OfT, SyntaxError, 0.0},
        {"2(T+1)", OfT, SyntaxError, 0.0},
        {"T*x", OfX, SyntaxError, 0.0},
    };
    for (const Check& row : table) {
        SCOPED_TRACE("input \"" + row.input + "\"");
        const CheckedProperty result = checkPropertyText(row.input, row.variable);
        EXPECT_EQ(result.outcome, row.outcome);
        EXPECT_EQ(result.ok(), row.outcome == Constant || row.outcome == Formula);
        if (row.outcome == Constant) {
            EXPECT_DOUBLE_EQ(result.constant, row.constant);
        }
        EXPECT_EQ(result.text, classifyPropertyText(row.input, row.variable).text);
    }
}

}  // namespace
}  // namespace calorvia::interpreter
