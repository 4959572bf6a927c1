// Font descriptors: which are read, and what the window does with them.

#include <gtest/gtest.h>

#include <ostream>

#include <QFont>
#include <array>

#include "platform/font_descriptor.h"
#include "platform_qt/qt_platform.h"
#include "support/case_names.h"

namespace calorvia::platform_qt {
namespace {

using platform::FontDescriptor;
using platform::parseFontDescriptor;

struct Readable {
    const char* descriptor;
    FontDescriptor expected;
};

class ReadableDescriptor : public ::testing::TestWithParam<Readable> {};

TEST_P(ReadableDescriptor, IsRead) {
    const auto parsed = parseFontDescriptor(GetParam().descriptor);
    ASSERT_TRUE(parsed.has_value()) << GetParam().descriptor;
    EXPECT_EQ(*parsed, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    FontDescriptor, ReadableDescriptor,
    ::testing::Values(Readable{"t'Arial'h16", {"Arial", 16, 0, false}},
                      Readable{"t'times new roman'h17", {"times new roman", 17, 0, false}},
                      Readable{"t'Arial'h45w30i", {"Arial", 45, 30, true}},
                      Readable{"t'CAC FUTURA CASUAL'h16", {"CAC FUTURA CASUAL", 16, 0, false}},
                      Readable{"T'Tahoma'H30", {"Tahoma", 30, 0, false}},
                      Readable{" t'courier new' h16 ", {"courier new", 16, 0, false}},
                      Readable{"h45it'tahoma'", {"tahoma", 45, 0, true}},
                      Readable{"t'Arial'h16w0", {"Arial", 16, 0, false}},
                      Readable{"t' Arial 'h2000", {"Arial", 2000, 0, false}}),
    [](const auto& row) { return calorvia::testing::textName(row.param.descriptor); });

class UnreadableDescriptor : public ::testing::TestWithParam<const char*> {};

TEST_P(UnreadableDescriptor, IsRefused) {
    EXPECT_FALSE(parseFontDescriptor(GetParam()).has_value()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(FontDescriptor, UnreadableDescriptor,
                         ::testing::Values("", "Arial", "t'Arial'", "h16", "t'Arial'h0",
                                           "t'Arial'h", "t'Arial'hx", "t'Arial", "t''h16",
                                           "t'   'h16", "tArial h16", "t'Arial'h16z",
                                           "t'Arial'h16w", "t'Arial'h2001", "t'Arial'h99999999999",
                                           "t'Arial'h-16"),
                         [](const auto& row) { return calorvia::testing::textName(row.param); });

TEST(SelectFont, AcceptedDescriptorsSetTheFontInUse) {
    QtPlatform platform;
    ASSERT_GE(platform.selectFont("t'Arial'h45w30i"), 0);
    // Fontconfig stands in some face for Arial; the one chosen is real.
    EXPECT_FALSE(platform.currentFontFamily().isEmpty());
    ASSERT_GE(platform.selectFont("t'courier new'h16"), 0);
    const QImage blank = platform.canvasImage();
    platform.setColorIndex(15);
    platform.moveTo(10, 10);
    platform.outText("Wide");
    EXPECT_NE(platform.canvasImage(), blank);
}

TEST(SelectFont, ARefusedDescriptorKeepsTheFontInUse) {
    QtPlatform platform;
    ASSERT_GE(platform.selectFont("t'Arial'h30"), 0);
    const QString family = platform.currentFontFamily();
    EXPECT_EQ(platform.selectFont("t'Arial'"), -1);
    EXPECT_EQ(platform.selectFont("nonsense"), -1);
    EXPECT_EQ(platform.currentFontFamily(), family);
}

// The height asked for shows in the text: 45-pixel letters are taller than
// 16-pixel ones.
TEST(SelectFont, TheHeightAskedForIsTheHeightDrawn) {
    const auto inkHeight = [](int height) {
        QtPlatform platform;
        const std::string descriptor = "t'Arial'h" + std::to_string(height);
        EXPECT_GE(platform.selectFont(descriptor), 0);
        platform.setColorIndex(15);
        platform.moveTo(10, 10);
        platform.outText("H");
        const QImage image = platform.canvasImage();
        int top = image.height(), bottom = -1;
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 200; ++x) {
                if ((image.pixel(x, y) & 0xFFFFFFu) != 0) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        return bottom - top + 1;
    };
    const int small = inkHeight(16);
    const int large = inkHeight(45);
    EXPECT_GT(small, 6);
    EXPECT_LT(small, 16);
    EXPECT_GT(large, 2 * small);
    EXPECT_LT(large, 45);
}

}  // namespace
}  // namespace calorvia::platform_qt
