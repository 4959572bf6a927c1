#include "interpreter/text_preparation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace calorvia::interpreter {
namespace {

struct Rewrite {
    std::string input;
    std::string expected;
};

template <typename Operation>
void expectRewrites(const std::vector<Rewrite>& table, Operation operation) {
    for (const Rewrite& row : table) {
        SCOPED_TRACE("input \"" + row.input + "\"");
        std::string text = row.input;
        operation(text);
        EXPECT_EQ(text, row.expected);
    }
}

TEST(IdentificaTest, FoldsCaseAndKeepsFunctionNamesFollowedByAParenthesis) {
    expectRewrites(
        {
            {"2*T+1", "2*t+1"},
            {"SQRT(T)", "sqrt(t)"},
            {"sqrt (T)", "sqrt (t)"},  // blanks before "(" are skipped
            {"asin(x)", "asin(x)"},    // the "sin" inside passes: "(" follows it
            {"sinh(x)+sind(x)+tanh(x)+tand(x)+cosd(x)", "sinh(x)+sind(x)+tanh(x)+tand(x)+cosd(x)"},
            {"log10(x)+LOG(x)", "log10(x)+log(x)"},
            {"anint(x)*floor(x)*nint(x)*aint(x)", "anint(x)*floor(x)*nint(x)*aint(x)"},
            {"cos h(x)", "cos h(x)"},  // "h" after skipped blanks is accepted
            {"Sin(T)   ", "sin(t)   "},
            {"1,5E3", "1,5e3"},
        },
        IDENTIFICA);
}

TEST(IdentificaTest, TurnsAMisusedFunctionNameIntoErro) {
    expectRewrites(
        {
            {"sin T", "erro"},
            {"2*exp", "erro"},  // nothing follows the name
            {"sin(", "erro"},   // "(" in the last position does not count
            {"sinx", "erro"},
            {"abs t", "erro"},
            {"log10 (x", "log10 (x"},
            {"log10 x", "erro"},
            {"expd(x)", "erro"},  // "d" is accepted only after sin, cos, tan
            {"sqrth(x)", "erro"},
            {"2*floor", "erro"},
        },
        IDENTIFICA);
}

TEST(ConvertBTest, RewritesPowerLogarithmPiAndDecimalComma) {
    expectRewrites(
        {
            {"2^t", "2**t"},
            {"2^3^2", "2**3**2"},
            {"LN(T)", "log(T)"},
            {"lN(x)", "log(x)"},
            {"2*PI*T", "2*3.14159*T"},
            {"pipi", "3.141593.14159"},  // the second "pi" is reached in a later pass
            {"1,5*T", "1.5*T"},
            {"1,5", "1.5"},
            {"2,", "2."},
            {",", ","},
            {"t^", "t^"},  // a "^" in the last position stays
            {"x^^", "x**^"},
            {"sqrt(x)", "sqrt(x)"},
        },
        CONVERT_B);
}

TEST(ConvertBTest, CutsTheGrowingTextAt256Characters) {
    std::string text = std::string(254, 'x') + "pi";
    CONVERT_B(text);
    EXPECT_EQ(text, std::string(254, 'x') + "3.");
}

TEST(ConvertTest, PreparesAConstantForTheNumberReader) {
    expectRewrites(
        {
            {"1,5", "1.5"},
            {"2,5,1", "2.5.1"},
            {",", ","},
            {"T", "a"},
            {"t2", "a2"},
            {"F", "a"},
            {"f1,0", "a1.0"},
            {"2e-3", "2e-3"},
            {"", ""},
        },
        CONVERT);
}

}  // namespace
}  // namespace calorvia::interpreter
