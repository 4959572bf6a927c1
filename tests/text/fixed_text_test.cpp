#include "text/fixed_text.h"

#include <gtest/gtest.h>

namespace calorvia::text {
namespace {

TEST(FixedText, LengthIsThePositionOfTheLastNonBlank) {
    EXPECT_EQ(textLength(""), 0u);
    EXPECT_EQ(textLength("     "), 0u);
    EXPECT_EQ(textLength("  2*t  "), 5u);
    EXPECT_EQ(textLength("abc"), 3u);
}

TEST(FixedText, TrimmingRemovesOnlyBlanks) {
    EXPECT_EQ(trimRight("  1.5   "), "  1.5");
    EXPECT_EQ(trimLeft("  1.5   "), "1.5   ");
    EXPECT_EQ(trim("  1.5   "), "1.5");
    EXPECT_EQ(trim("\t1.5\t"), "\t1.5\t");
    EXPECT_EQ(trim("    "), "");
}

TEST(FixedText, WidthsAreCutOrPadded) {
    EXPECT_EQ(fitToWidth("0.5", 6), "0.5   ");
    EXPECT_EQ(fitToWidth("123456789", 4), "1234");
    EXPECT_EQ(fitToWidth("", 3), "   ");
    EXPECT_EQ(fitToWidth("abc", 50).size(), 50u);
    EXPECT_EQ(cutToWidth("abcdef", 3), "abc");
    EXPECT_EQ(cutToWidth("ab", 3), "ab");
}

TEST(FixedText, LowerCasingTouchesOnlyAsciiCapitals) {
    EXPECT_EQ(toLowerAscii("2*T+SIN(X)"), "2*t+sin(x)");
    EXPECT_EQ(toLowerAscii("Média ÇÃ"), "média ÇÃ");
}

}  // namespace
}  // namespace calorvia::text
