#include "text/number_writer.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <locale>
#include <random>
#include <string>

#include "text/number_reader.h"

namespace calorvia::text {
namespace {

TEST(GeneralForm, SinglePrecisionKeepsSevenSignificantDigitsInFifteenCharacters) {
    struct Case {
        float value;
        const char* text;
    };
    const Case cases[] = {
        {300.0f, "       300.0000"},   {0.0f, "       0.000000"},
        {-1.5f, "      -1.500000"},   {1.0e-8f, "   1.000000E-08"},
        {12345678.0f, "   1.234568E+07"}, {0.0001f, "   1.000000E-04"},
        {0.1f, "      0.1000000"}, {0.0999f, "   9.990000E-02"},
        {1234567.0f, "       1234567."}, {-0.0f, "      -0.000000"},
    };
    for (const Case& c : cases) EXPECT_EQ(generalFloat(c.value), c.text) << c.value;
}

TEST(GeneralForm, DoublePrecisionKeepsFifteenSignificantDigits) {
    EXPECT_EQ(generalDouble(0.1), "       0.100000000000000");
    EXPECT_EQ(generalDouble(-2.5e-12), "   -2.50000000000000E-12");
    EXPECT_EQ(generalDouble(1.0 / 3.0).size(), 24u);
}

TEST(GeneralForm, ValuesReadBackToTheirPrecision) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 2000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        const float single = static_cast<float>(value);
        const std::optional<double> singleBack = readReal(generalFloat(single));
        ASSERT_TRUE(singleBack.has_value()) << generalFloat(single);
        EXPECT_NEAR(*singleBack, single, std::abs(single) * 5e-7) << generalFloat(single);
        const std::optional<double> doubleBack = readReal(generalDouble(value));
        ASSERT_TRUE(doubleBack.has_value()) << generalDouble(value);
        EXPECT_NEAR(*doubleBack, value, std::abs(value) * 5e-15) << generalDouble(value);
    }
}

TEST(FixedLayout, FieldsAreRightAlignedAndGrowRatherThanLoseDigits) {
    EXPECT_EQ(fixedReal(0.05, 12, 5), "     0.05000");
    EXPECT_EQ(fixedReal(-273.15, 14, 7), "  -273.1500000");
    EXPECT_EQ(fixedReal(0.4, 10, 4), "    0.4000");
    EXPECT_EQ(fixedReal(123456789.0, 12, 5), "123456789.00000");
    EXPECT_EQ(fixedInteger(7, 4), "   7");
    EXPECT_EQ(fixedInteger(-12, 4), " -12");
    EXPECT_EQ(fixedInteger(123456, 4), "123456");
    EXPECT_EQ(generalInteger(1000), "        1000");
}

TEST(ShortestReal, RoundTripsExactly) {
    std::mt19937_64 random(11);
    for (int i = 0; i < 5000; ++i) {
        double value;
        do {
            const std::uint64_t bits = random();
            static_assert(sizeof value == sizeof bits);
            std::memcpy(&value, &bits, sizeof value);
        } while (!std::isfinite(value));
        const std::string text = shortestReal(value);
        const std::optional<double> back = readReal(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(std::memcmp(&*back, &value, sizeof value), 0) << text;
    }
    EXPECT_EQ(shortestReal(0.1), "0.1");
    EXPECT_EQ(shortestReal(1e-8), "1e-08");
}

// The files were written with std::to_chars before the web build needed
// another converter; every character must stay as it was. Random bit
// patterns, and halves and eighths where rounding to even decides.
TEST(NumberWriting, WritesWhatTheStandardConversionsWrite) {
    const auto standard = [](double value, auto... format) {
        char buffer[400];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, format...).ptr;
        return std::string(buffer, end);
    };
    std::mt19937_64 random(11);
    for (int i = 0; i < 20000; ++i) {
        double value = 0.0;
        if (i % 2 == 0) {
            const std::uint64_t bits = random();
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value)) continue;
        } else {
            value = static_cast<double>(static_cast<std::int64_t>(random() % 200001) - 100000) /
                    static_cast<double>(1 << (i % 7));
        }
        ASSERT_EQ(shortestReal(value), standard(value)) << value;
        const int decimals = i % 12;
        ASSERT_EQ(fixedReal(value, 0, decimals),
                  standard(value, std::chars_format::fixed, decimals))
            << value;
        if (std::abs(value) >= 1e15 || (value != 0.0 && std::abs(value) < 0.1)) {
            std::string scientific = standard(value, std::chars_format::scientific, 14);
            scientific[scientific.find('e')] = 'E';
            ASSERT_EQ(generalDouble(value), std::string(24 - scientific.size(), ' ') + scientific);
        }
    }
}

TEST(ListLine, StartsWithABlankAndJoinsItems) {
    EXPECT_EQ(ListLine().real(0.5f).real(300.0f).str(), "       0.5000000       300.0000");
    EXPECT_EQ(ListLine().text("The simulation is for steady state!").str(),
              " The simulation is for steady state!");
    EXPECT_EQ(ListLine().integer(3).text(" <= Number").str(), "            3 <= Number");
    EXPECT_EQ(ListLine().str(), " ");
}

// A desktop program may run under a decimal-comma locale; the files must still
// show decimal points, whatever the global C++ locale says.
struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(NumberWriting, IgnoresADecimalCommaLocale) {
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    const std::string general = generalFloat(1234.5f);
    const std::string fixed = fixedReal(1234.5, 10, 2);
    const std::string shortest = shortestReal(1234.5);
    const std::string integer = generalInteger(1234567);
    std::locale::global(previous);
    EXPECT_EQ(general, "       1234.500");
    EXPECT_EQ(fixed, "   1234.50");
    EXPECT_EQ(shortest, "1234.5");
    EXPECT_EQ(integer, "     1234567");
}

}  // namespace
}  // namespace calorvia::text
