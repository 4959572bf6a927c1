// The scheme dialog as the run's scheme choice uses it, through the one-line
// adapter between the two numberings of the schemes.
#include <gtest/gtest.h>

#include "graphs/scheme_dialog.h"
#include "platform/dialog_templates.h"
#include "simulation/scheme_choice.h"
#include "support/scripted_platform.h"

namespace calorvia::graphs {
namespace {

using simulation::ConvectionScheme;
namespace scheme = platform::scheme_dialog;

simulation::SchemeDialog schemeDialogOn(platform::Platform& platform, std::int32_t language) {
    return [&platform, language](float, ConvectionScheme preselected, std::string_view line) {
        return static_cast<ConvectionScheme>(
            runSchemeDialog(platform, language, static_cast<SchemeButton>(preselected), line));
    };
}

struct WiringCase {
    const char* name;
    double u;
    int clicked;  // 0: the preselection is kept
    const char* shownLine;
    bool preselectedCds;
    ConvectionScheme chosen;
};

class SchemeWiringTest : public ::testing::TestWithParam<WiringCase> {};

TEST_P(SchemeWiringTest, TheRunGetsTheSchemeTheUserLeftOn) {
    const auto& c = GetParam();
    platform::ScriptedPlatform platform;
    auto& run = platform.expectDialog(scheme::kTemplate);
    if (c.clicked != 0) run.click(c.clicked);
    run.press(platform::kButtonOk);

    simulation::VolumeProperties properties(3);
    properties.K[1] = 2.0;
    properties.Rho[1] = 1.0;
    properties.Cp[1] = 1.0;
    simulation::SchemeState state;
    // Pe = Rho·Cp·u / (K/dx) with dx = 1.
    ASSERT_TRUE(simulation::chooseScheme(c.u, properties, 1.0, schemeDialogOn(platform, 2), state));
    platform.verifyScriptDone();
    EXPECT_EQ(state.scheme, c.chosen);
    const auto& start = platform.dialogRuns().at(0).atStart;
    EXPECT_EQ(start.at(scheme::kPecletLine).text, c.shownLine);
    EXPECT_EQ(start.at(scheme::kCdsRadio).on, c.preselectedCds);
    EXPECT_EQ(start.at(scheme::kUpwindRadio).on, !c.preselectedCds);
}

INSTANTIATE_TEST_SUITE_P(
    Peclet, SchemeWiringTest,
    ::testing::Values(WiringCase{"LowKeepsCds", 2.0, 0, "    1.0000  <= Peclet", true,
                                 ConvectionScheme::CDS},
                      WiringCase{"LowTurnedUpwind", 2.0, scheme::kUpwindRadio,
                                 "    1.0000  <= Peclet", true, ConvectionScheme::Upwind},
                      WiringCase{"HighKeepsUpwind", 3.0, 0, "    1.5000  <= Peclet", false,
                                 ConvectionScheme::Upwind},
                      WiringCase{"HighTurnedCds", 3.0, scheme::kCdsRadio, "    1.5000  <= Peclet",
                                 false, ConvectionScheme::CDS}),
    [](const auto& each) { return std::string(each.param.name); });

TEST(SchemeWiringNoDialogTest, NoFlowAsksNothing) {
    platform::ScriptedPlatform platform;
    simulation::VolumeProperties properties(3);
    simulation::SchemeState state;
    ASSERT_TRUE(simulation::chooseScheme(0.0, properties, 1.0, schemeDialogOn(platform, 2), state));
    EXPECT_EQ(state.scheme, ConvectionScheme::CDS);
    EXPECT_TRUE(platform.dialogRuns().empty());
}

}  // namespace
}  // namespace calorvia::graphs
