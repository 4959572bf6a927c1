// Where the run's texts around the graph stand: the graph's origin follows the
// screen width (wider than 800 pixels or not) and every text follows it.

#include <gtest/gtest.h>

#include <string>

#include "run/run_screen.h"
#include "support/scripted_platform.h"
#include "text/number_reader.h"
#include "texts/run_texts.h"

namespace calorvia::run {
namespace {

using texts::Language;
using texts::RunText;

struct Layout {
    int screenWidth;
    int X0, Y0;
};

class RunScreenLayout : public ::testing::TestWithParam<Layout> {
protected:
    platform::ScriptedPlatform platform;
    RunScreen screen{platform, Language::English, GetParam().screenWidth};

    // The one text drawn at (x, y).
    std::string textAt(int x, int y) const {
        std::string found;
        int count = 0;
        for (const auto& drawn : platform.texts()) {
            if (drawn.x != x || drawn.y != y) continue;
            found = drawn.text;
            ++count;
        }
        EXPECT_EQ(count, 1) << x << "," << y;
        return found;
    }
};

TEST_P(RunScreenLayout, TheCaseNameAndTheSchemeStandAboveTheGraph) {
    const int o = GetParam().X0;
    EXPECT_EQ(screen.X0(), o);
    EXPECT_EQ(screen.Y0(), GetParam().Y0);
    screen.showCaseName("wall");
    screen.showScheme(simulation::ConvectionScheme::Upwind);
    EXPECT_EQ(textAt(350 + o, 10), "wall");
    EXPECT_EQ(textAt(400 + o, 30), textFor(RunText::UpwindLabel, Language::English));
}

TEST_P(RunScreenLayout, TheComputingTimeGoesBelowTheLegendOfTheSteadyCurve) {
    const int x = GetParam().X0 + 320;
    const int y = GetParam().Y0 + 120;
    screen.showComputingTime(2.5f, false);
    const std::string alone = textAt(x, y);
    const std::string in(textFor(RunText::ElapsedTimeIn, Language::English));
    ASSERT_EQ(alone.rfind(in, 0), 0u) << alone;
    EXPECT_EQ(text::readReal(alone.substr(in.size())), 2.5) << alone;

    platform::ScriptedPlatform other;
    RunScreen(other, Language::English, GetParam().screenWidth).showComputingTime(2.5f, true);
    ASSERT_EQ(other.texts().size(), 2u);
    EXPECT_EQ(other.texts()[0].x, x);
    EXPECT_EQ(other.texts()[0].y, y);
    EXPECT_EQ(other.texts()[0].text, textFor(RunText::BlueSteadyStateLegend, Language::English));
    EXPECT_EQ(other.texts()[1].x, x);
    EXPECT_EQ(other.texts()[1].y, y + 30);
    EXPECT_EQ(other.texts()[1].text, alone);
}

INSTANTIATE_TEST_SUITE_P(Screens, RunScreenLayout,
                         ::testing::Values(Layout{1024, 10, 250}, Layout{801, 10, 250},
                                           Layout{800, -10, 150}, Layout{640, -10, 150}),
                         [](const auto& each) {
                             return "Width" + std::to_string(each.param.screenWidth);
                         });

}  // namespace
}  // namespace calorvia::run
