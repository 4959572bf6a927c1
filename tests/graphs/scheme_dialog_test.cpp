#include "graphs/scheme_dialog.h"

#include <gtest/gtest.h>

#include "platform/dialog_templates.h"
#include "support/scripted_platform.h"

namespace calorvia::graphs {
namespace {

namespace scheme = platform::scheme_dialog;
using platform::ScriptedPlatform;

struct SchemeCase {
    const char* name;
    SchemeButton preselected;
    int clicked;  // 0: the user leaves the preselection
    SchemeButton chosen;
};

class SchemeDialogTest : public ::testing::TestWithParam<SchemeCase> {};

TEST_P(SchemeDialogTest, ReturnsTheSchemeWhoseButtonIsOn) {
    const auto& c = GetParam();
    ScriptedPlatform platform;
    auto& run = platform.expectDialog(scheme::kTemplate);
    if (c.clicked != 0) run.click(c.clicked);
    run.press(platform::kButtonOk);
    EXPECT_EQ(runSchemeDialog(platform, 2, c.preselected, "    1.6000  <= Peclet"), c.chosen);
    platform.verifyScriptDone();
    const auto& start = platform.dialogRuns().at(0).atStart;
    EXPECT_EQ(start.at(scheme::kCdsRadio).on, c.preselected == SchemeButton::CDS);
    EXPECT_EQ(start.at(scheme::kUpwindRadio).on, c.preselected == SchemeButton::Upwind);
    EXPECT_EQ(platform.callsNamed("releaseDialog").size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, SchemeDialogTest,
    ::testing::Values(
        SchemeCase{"KeepCds", SchemeButton::CDS, 0, SchemeButton::CDS},
        SchemeCase{"KeepUpwind", SchemeButton::Upwind, 0, SchemeButton::Upwind},
        SchemeCase{"CdsToUpwind", SchemeButton::CDS, scheme::kUpwindRadio, SchemeButton::Upwind},
        SchemeCase{"UpwindToCds", SchemeButton::Upwind, scheme::kCdsRadio, SchemeButton::CDS}),
    [](const auto& each) { return std::string(each.param.name); });

TEST(SchemeDialogTextsTest, CaptionFollowsTheLanguageAndThePecletLineIsShownAsGiven) {
    for (const auto& [language, caption] : {std::pair{1, "Problema Difusivo-Convectivo"},
                                            std::pair{2, "Diffusion-Convection Problem"}}) {
        ScriptedPlatform platform;
        platform.expectDialog(scheme::kTemplate).press(platform::kButtonOk);
        runSchemeDialog(platform, language, SchemeButton::CDS, "    0.4000  <= Peclet");
        const auto& start = platform.dialogRuns().at(0).atStart;
        EXPECT_EQ(start.at(scheme::kGroup).text, caption);
        EXPECT_EQ(start.at(scheme::kPecletLine).text, "    0.4000  <= Peclet");
        // The scheme dialog is not followed by the tutorial request.
        EXPECT_TRUE(platform.callsNamed("openDocument").empty());
    }
}

}  // namespace
}  // namespace calorvia::graphs
