#include "text/number_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "support/case_names.h"

namespace calorvia::text {
namespace {

struct Accepted {
    const char* text;
    double value;
};

class ReadRealAccepts : public ::testing::TestWithParam<Accepted> {};

TEST_P(ReadRealAccepts, GivesTheValue) {
    const auto& [text, value] = GetParam();
    const std::optional<double> read = readReal(text);
    ASSERT_TRUE(read.has_value()) << '"' << text << '"';
    EXPECT_EQ(*read, value) << '"' << text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    FreeFormNumbers, ReadRealAccepts,
    ::testing::Values(
        // sign, digits and point
        Accepted{"0", 0.0}, Accepted{"42", 42.0}, Accepted{"-7", -7.0}, Accepted{"+7", 7.0},
        Accepted{"1.5", 1.5}, Accepted{".5", 0.5}, Accepted{"5.", 5.0}, Accepted{"-.25", -0.25},
        Accepted{"0.1", 0.1}, Accepted{"000123.4500", 123.45},
        // exponent with a letter, in every spelling
        Accepted{"2e-3", 0.002}, Accepted{"2E3", 2000.0}, Accepted{"1.5d0", 1.5},
        Accepted{"1.5D+02", 150.0}, Accepted{"1e-08", 1e-8}, Accepted{"-3.5e+1", -35.0},
        // exponent as a bare sign
        Accepted{"2+3", 2000.0}, Accepted{"1.5-2", 0.015}, Accepted{"-4+1", -40.0},
        // blanks before, terminators after
        Accepted{"   300", 300.0}, Accepted{"\t12", 12.0}, Accepted{"1.5 -2", 1.5},
        Accepted{"1.5,3", 1.5}, Accepted{"7/8", 7.0}, Accepted{" 300  <= Node 3", 300.0},
        Accepted{"2.5 anything at all", 2.5},
        // underflow becomes zero, subnormals are kept
        Accepted{"1e-400", 0.0}, Accepted{"1e-310", 1e-310},
        Accepted{"1.7976931348623157e308", std::numeric_limits<double>::max()}),
    [](const auto& row) { return calorvia::testing::textName(row.param.text); });

class ReadRealRefuses : public ::testing::TestWithParam<const char*> {};

TEST_P(ReadRealRefuses, GivesNothing) {
    EXPECT_FALSE(readReal(GetParam()).has_value()) << '"' << GetParam() << '"';
}

INSTANTIATE_TEST_SUITE_P(NotNumbers, ReadRealRefuses,
                         ::testing::Values("", "   ", ".", "-", "+", "-.", "e5", "x", "t", "a",
                                           "erro", "2x", "1.5x", "3.2.1", "1..5", "--1", "+-1",
                                           "1e", "1e+", "1.5d", "2+", "1.5-", "2e3e4", "1e5.5",
                                           "nan", "inf", ",5", "/", "1;2", "1_000", "0x10", "1e400",
                                           "-1e999", "1e99999999999999999999", "(1)"),
                         [](const auto& row) { return calorvia::testing::textName(row.param); });

TEST(ReadReal, CommaEndsTheNumberRatherThanActingAsDecimalSeparator) {
    // The decimal comma is turned into a point before reading, where it applies.
    EXPECT_EQ(readReal("1,5"), 1.0);
}

TEST(ReadReal, AcceptsAnyNumberOfDigits) {
    const std::string longNumber = "1." + std::string(5000, '0') + "1";
    EXPECT_EQ(readReal(longNumber), 1.0);
    const std::string longZeros = std::string(5000, '0') + "7";
    EXPECT_EQ(readReal(longZeros), 7.0);
}

TEST(ReadReal, NegativeZeroKeepsItsSign) {
    const std::optional<double> read = readReal("-0.0");
    ASSERT_TRUE(read.has_value());
    EXPECT_TRUE(std::signbit(*read));
}

struct IntegerCase {
    const char* text;
    std::optional<std::int32_t> value;
};

class ReadIntegerCases : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ReadIntegerCases, ReadsOrRefuses) {
    const auto& [text, value] = GetParam();
    EXPECT_EQ(readInteger(text), value) << '"' << text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Integers, ReadIntegerCases,
    ::testing::Values(IntegerCase{"3", 3}, IntegerCase{"  1000", 1000}, IntegerCase{"-5", -5},
                      IntegerCase{"+12", 12}, IntegerCase{"7 <= Node", 7}, IntegerCase{"8,9", 8},
                      IntegerCase{"4/", 4}, IntegerCase{"2147483647", 2147483647},
                      IntegerCase{"-2147483648", std::numeric_limits<std::int32_t>::min()},
                      IntegerCase{"000000000000000000042", 42},
                      IntegerCase{"2147483648", std::nullopt},
                      IntegerCase{"-2147483649", std::nullopt},
                      IntegerCase{"99999999999999999999999", std::nullopt},
                      IntegerCase{"3.0", std::nullopt}, IntegerCase{"3.", std::nullopt},
                      IntegerCase{"3e2", std::nullopt}, IntegerCase{"", std::nullopt},
                      IntegerCase{"  ", std::nullopt}, IntegerCase{"-", std::nullopt},
                      IntegerCase{"x", std::nullopt}, IntegerCase{"12a", std::nullopt}),
    [](const auto& row) { return calorvia::testing::textName(row.param.text); });

}  // namespace
}  // namespace calorvia::text
