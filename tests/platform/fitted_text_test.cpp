// Texts drawn into a box: the largest font of a list that fits, else the
// text cut; the measuring model of the scripted platform; COLORREF colours;
// the area the dialogs leave in sight.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/dialog_templates.h"
#include "platform/platform.h"
#include "support/scripted_platform.h"

namespace calorvia::platform {
namespace {

// Arial from 16 pixels down to 10, then Courier at 16: the list a status box
// of the run tries.
const std::vector<std::string> kFonts{"t'Arial'h16", "t'Arial'h15", "t'Arial'h14", "t'Arial'h13",
                                      "t'Arial'h12", "t'Arial'h11", "t'Arial'h10",
                                      "t'courier new'h16"};

struct FitCase {
    const char* what;
    std::string text;
    int x, right;
    std::vector<std::string> refused;
    std::string expectedFont;
    std::string expectedText;
};

void PrintTo(const FitCase& c, std::ostream* out) {
    *out << c.what;
}

class FittedTextTest : public ::testing::TestWithParam<FitCase> {};

// The model: a font h pixels high gives every character (h + 1) / 2 pixels.
// "Reg. permanente" (15 characters) from x = 7 must end before 121, within
// 114 pixels: 16 and 15 pixels high give 120, too wide; 14 give 105.
TEST_P(FittedTextTest, TheLargestFontThatFitsIsUsedElseTheTextIsCut) {
    const FitCase& c = GetParam();
    ScriptedPlatform platform;
    for (const auto& refused : c.refused) platform.refuseFont(refused);
    outTextFitted(platform, c.x, 61, {c.right, 81}, c.text, kFonts);
    ASSERT_EQ(platform.texts().size(), 1u);
    const DrawnText& drawn = platform.texts()[0];
    EXPECT_EQ(drawn.text, c.expectedText);
    EXPECT_EQ(drawn.font, c.expectedFont);
    EXPECT_EQ(drawn.x, c.x);
    EXPECT_EQ(drawn.y, 61);
    EXPECT_LE(drawn.x + platform.textExtent(drawn.text).width, c.right);
    EXPECT_LE(drawn.y + platform.textExtent(drawn.text).height, 81);
}

INSTANTIATE_TEST_SUITE_P(
    StatusBoxes, FittedTextTest,
    ::testing::Values(
        FitCase{"fits at once", "   Steady", 7, 121, {}, "t'Arial'h16", "   Steady"},
        FitCase{"a smaller size", "Reg. permanente", 7, 121, {}, "t'Arial'h14",
                "Reg. permanente"},
        FitCase{"a refused size is skipped", "Reg. permanente", 7, 121, {"t'Arial'h14"},
                "t'Arial'h13", "Reg. permanente"},
        FitCase{"characters, not bytes", "Média", 0, 40, {}, "t'Arial'h16", "Média"},
        FitCase{"too long for any size", "Reg. permanente do domínio", 7, 121, {},
                "t'courier new'h16", "Reg. permanent"},
        FitCase{"a whole character goes", "Média", 0, 24, {"t'courier new'h16"}, "t'Arial'h10",
                "Médi"}),
    [](const ::testing::TestParamInfo<FitCase>& fit) {
        std::string name = fit.param.what;
        for (char& c : name) {
            if (c == ' ' || c == ',') c = '_';
        }
        return name;
    });

TEST(ScriptedMeasureTest, TheExtentFollowsTheHeightOfTheFontInForce) {
    ScriptedPlatform platform;
    EXPECT_EQ(platform.textExtent("Wait"), (PixelSize{4 * 8, 16}));  // the default font
    platform.selectFont("t'Arial'h45w30i");
    EXPECT_EQ(platform.textExtent("Wait"), (PixelSize{4 * 23, 45}));
    platform.refuseFont("t'Tahoma'h10");
    platform.selectFont("t'Tahoma'h10");  // refused: the font in force stays
    EXPECT_EQ(platform.textExtent("Wait"), (PixelSize{4 * 23, 45}));
    EXPECT_EQ(platform.textExtent(""), (PixelSize{0, 0}));
}

// A box too low for the text in its first fonts: the text takes a size that
// fits the height too, though every size would fit the width.
TEST(FittedHeightTest, ALowBoxTakesASmallerFont) {
    ScriptedPlatform platform;
    outTextFitted(platform, 5, 5, {200, 19}, "7", kFonts);
    ASSERT_EQ(platform.texts().size(), 1u);
    EXPECT_EQ(platform.texts()[0].font, "t'Arial'h14");
}

TEST(ColorrefTest, HexColoursAreBlueGreenRed) {
    // 0x00BBGGRR: the status boxes' 0xFFF000 is a light cyan.
    EXPECT_EQ(colorref(0xFFF000), rgb(0, 240, 255));
    EXPECT_EQ(colorref(0x0000FF), rgb(255, 0, 0));
    EXPECT_EQ(colorref(0xA0A0A0), rgb(160, 160, 160));
    EXPECT_EQ(colorref(0xFFFFFF), rgb(255, 255, 255));
}

TEST(KeptClearTest, DialogRunsRecordTheAreaTheyLeaveInSight) {
    ScriptedPlatform platform;
    const PixelBox panel{12, 12, 757, 282};
    platform.keepClearOfDialogs(panel);
    platform.expectDialog(scale_dialog::kTemplate).press(kButtonOk);
    platform.runDialog(platform.createDialog(scale_dialog::kTemplate));
    platform.keepClearOfDialogs(std::nullopt);
    platform.expectDialog(scale_dialog::kTemplate).press(kButtonOk);
    platform.runDialog(platform.createDialog(scale_dialog::kTemplate));
    ASSERT_EQ(platform.dialogRuns().size(), 2u);
    EXPECT_EQ(platform.dialogRuns()[0].keptClear, panel);
    EXPECT_EQ(platform.dialogRuns()[1].keptClear, std::nullopt);
}

}  // namespace
}  // namespace calorvia::platform
