// Checking a result on the desktop: the energy balance every run writes,
// and Results > Compare with the exact solution drawn over the profile.

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "run/exact_command.h"
#include "run/exact_comparison.h"
#include "run_test_support.h"
#include "shell/menus.h"
#include "simulation/exact_solution.h"
#include "text/number_reader.h"
#include "texts/run_texts.h"

namespace calorvia::run::testing {
namespace {

using platform::kAnswerYes;
using texts::RunText;

// The value of a "Balance.txt" line: the number before its annotation.
double balanceValue(const std::string& line) {
    return text::readReal(line).value_or(std::nan(""));
}

// Lines of "Balance.txt": heading, blank, then these.
enum BalanceLine : std::size_t {
    WestConduction = 2,
    WestFlow,
    EastConduction,
    EastFlow,
    Generated,
    Stored,
    Residual,
    RelativeResidual,
    LineCount
};

class BalanceFileTest : public RunStoryTest {};

// A wall of K = 1 between 100 and 200 over 1 m conducts 100 W/m² from east
// to west: in at the east face, out at the west.
TEST_F(BalanceFileTest, ASteadyWallPassesItsHeatThroughAndBalancesAtRoundOff) {
    startShell();
    writeCase(steadyCase());
    expectScaleThenInspect();
    ASSERT_EQ(runOnce(), RunOutcome::Finished);
    const auto balance = lines("Balance.txt");
    ASSERT_EQ(balance.size(), LineCount);
    EXPECT_NE(balance[0].find("in W/m² "), std::string::npos) << balance[0];
    EXPECT_NE(balance[0].find("within the limit of 1.0E-06 for a linear case solved directly: "
                              "balanced"),
              std::string::npos)
        << balance[0];
    EXPECT_NEAR(balanceValue(balance[WestConduction]), -100.0, 1e-4);
    EXPECT_NEAR(balanceValue(balance[EastConduction]), 100.0, 1e-4);
    EXPECT_EQ(balanceValue(balance[WestFlow]), 0.0);
    EXPECT_EQ(balanceValue(balance[Generated]), 0.0);
    EXPECT_EQ(balanceValue(balance[Stored]), 0.0);
    EXPECT_LT(std::abs(balanceValue(balance[Residual])), 1e-9);
    EXPECT_NE(balance[EastConduction].find("East face"), std::string::npos);
    // The run gives the same balance to its callers.
    EXPECT_NEAR(run->energyBalance().east.conduction, 100.0, 1e-9);
}

// Ti = 20 heated from a west face held at 100, the east insulated: what
// enters in the last step is what the slab stores in it. In Portuguese.
TEST_F(BalanceFileTest, ATransientStepStoresWhatEntersItInEitherLanguage) {
    writeFile(file("idioma"), " 1\n");
    startShell();
    writeCase(unsteadyCase());
    expectScale();
    platform.expectMessageBox(platform::kAnswerNo, say(RunText::IncludeSteadyQuestion));
    expectTimeGraph();
    expectInspect();
    ASSERT_EQ(runOnce(), RunOutcome::Finished);
    EXPECT_FALSE(fileExists(file("Balance.txt")));
    const auto balance = lines("Balanço.txt");
    ASSERT_EQ(balance.size(), LineCount);
    EXPECT_NE(balance[0].find("Balanço de energia"), std::string::npos) << balance[0];
    const double entering = balanceValue(balance[WestConduction]);
    EXPECT_GT(entering, 1.0);
    EXPECT_EQ(balanceValue(balance[EastConduction]), 0.0);
    EXPECT_NEAR(balanceValue(balance[Stored]), entering, 1e-5 * entering);
    EXPECT_LT(std::abs(balanceValue(balance[RelativeResidual])), 1e-9);
}

// A cylinder's rates are per metre of its length: a shell between r = 1
// and 2 held at 100 and 200 (K = 1) takes in 2π·100/ln 2 at its outer face.
TEST_F(BalanceFileTest, ACylinderReportsWattsPerMetre) {
    startShell();
    CaseFileContent c = steadyCase();
    c.N = 20;
    c.geometry = Geometry::Cylinder;
    c.ri = number(1.0);
    writeCase(c);
    expectScaleThenInspect();
    ASSERT_EQ(runOnce(), RunOutcome::Finished);
    const auto balance = lines("Balance.txt");
    ASSERT_EQ(balance.size(), LineCount);
    EXPECT_NE(balance[0].find("in W/m "), std::string::npos) << balance[0];
    const double exactRate = 2.0 * std::numbers::pi * 100.0 / std::log(2.0);
    EXPECT_NEAR(balanceValue(balance[EastConduction]), exactRate, 1e-3 * exactRate);
    EXPECT_LT(std::abs(balanceValue(balance[RelativeResidual])), 1e-9);
}

// ---------------------------------------------------- compare with the exact

// A cylindrical shell 1 <= r <= 2 held at 100 and 200 (K = 1):
// T = 100 + 100·ln r/ln 2. A field equal to it at the centres compares
// equal everywhere, at the radii the profile is drawn at.
TEST(RadialComparison, NodesAndFacesAreTakenAtTheirRadii) {
    SimulationCase c;
    c.Lx = 1.0;
    c.N = 10;
    c.K = {"1", false, 1.0};
    c.Sc = {"0", false, 0.0};
    c.Sp = {"0", false, 0.0};
    c.state = CaseState::Steady;
    c.west = {BoundaryType::Temperature, 100.0};
    c.east = {BoundaryType::Temperature, 200.0};
    c.geometry = Geometry::Cylinder;
    c.ri = 1.0;
    const auto exact = exactSteadySolution(c);
    ASSERT_TRUE(exact.solution);
    NodeArray T = makeNodeArray(c.N);
    const NodeArray K(T.size(), 1.0);
    for (std::int32_t i = 1; i <= c.N; ++i) {
        T[static_cast<std::size_t>(i)] = 100.0 + 100.0 * std::log(1.0 + (i - 0.5) * 0.1) / std::log(2.0);
    }
    const ExactComparison comparison = compareWithExact(c, T, K, *exact.solution);
    ASSERT_EQ(comparison.points.size(), 12u);
    EXPECT_EQ(comparison.points.front().shownPosition, 1.0f);
    EXPECT_EQ(comparison.points.back().shownPosition, 2.0f);
    EXPECT_NEAR(comparison.points[1].position, 1.05, 1e-12);
    EXPECT_LT(comparison.largest, 1e-9);
}

class CompareExactTest : public RunStoryTest {
protected:
    // A shell with the command attached, and a finished run of `content`.
    // A formula property brings the notice of repeated passes first.
    void finishRun(const CaseFileContent& content, bool iterates = false) {
        startShell();
        command_ = std::make_unique<ExactComparisonCommand>(platform, *shell_);
        RunOptions options;
        command_->attach(options);
        writeCase(content);
        if (iterates) platform.expectMessageBox(platform::kAnswerOk, say(RunText::IterationNotice));
        expectScale();
        if (content.state == CaseState::Unsteady) {
            platform.expectMessageBox(platform::kAnswerNo, say(RunText::IncludeSteadyQuestion));
            expectTimeGraph();
        }
        expectInspect();
        ASSERT_EQ(runOnce(options), RunOutcome::Finished);
        platform.verifyScriptDone();
        platform.clearRecords();
    }
    void chooseCompare() {
        platform.chooseMenuItem(shell::menu::Results, shell::item::CompareExact);
    }
    // The lines drawn in the exact curve's colour.
    std::vector<platform::DrawnLine> exactLines() const {
        std::vector<platform::DrawnLine> drawn;
        for (const auto& line : platform.lines()) {
            if (line.colour.index == kExactCurveColour) drawn.push_back(line);
        }
        return drawn;
    }

    std::unique_ptr<ExactComparisonCommand> command_;
};

// -K·T'' = 80, K = 1, both faces at 100, N = 5 (dx = 0.2): the exact
// parabola T = 100 + 40·x·(1 - x), every node S·dx²/(8K) = 0.4 above it.
TEST_F(CompareExactTest, TheExactCurveIsDrawnOnTheProfilesAxesWithTheLargestDifference) {
    CaseFileContent c = steadyCase();
    c.Sc = "80";
    c.east = temperature(100.0);
    finishRun(c);
    const ProfileAxes axes = run->profileAxes();
    chooseCompare();

    const auto curve = exactLines();
    ASSERT_EQ(curve.size(), static_cast<std::size_t>(kExactCurveSegments) + 1);
    graphs::GraphPane pane(platform);
    pane.ymin = axes.ymin;
    pane.ymax = axes.ymax;
    pane.xa = axes.xa;
    pane.xb = axes.xb;
    // From the profile's first abscissa to its last, through the vertex.
    EXPECT_EQ(curve.front().x2, axes.X0 + 100);
    EXPECT_EQ(curve.back().x2, axes.X0 + 300);
    EXPECT_EQ(curve.front().y2, pane.pixelY(100.0f, axes.Y0));
    EXPECT_EQ(curve[kExactCurveSegments / 2].y2, pane.pixelY(110.0f, axes.Y0));

    ASSERT_FALSE(platform.texts().empty());
    const auto& shown = platform.texts().back();
    EXPECT_EQ(shown.colour.index, kExactCurveColour);
    const std::string prefix = "Largest difference: ";
    ASSERT_EQ(shown.text.substr(0, prefix.size()), prefix);
    EXPECT_NEAR(text::readReal(shown.text.substr(prefix.size())).value_or(0.0), 0.4, 1e-5);
    EXPECT_GT(shown.y, axes.Y0 + 292);  // under the axis labels

    const auto exact = lines("Exact.txt");
    ASSERT_EQ(exact.size(), 4u + 7u + 3u);
    EXPECT_EQ(exact[0], " One-dimensional steady state: numerical and exact temperatures");
}

// A conductivity that depends on T has no exact solution here: the user is
// told why, nothing is drawn or written. Without a steady profile likewise.
TEST_F(CompareExactTest, ACaseWithoutAnExactSolutionIsToldWhy) {
    CaseFileContent c = steadyCase();
    c.K = "1+0.01*T";
    finishRun(c, true);
    platform.expectMessageBox(platform::kAnswerOk, say(RunText::ExactNeedsConstants));
    chooseCompare();
    platform.verifyScriptDone();
    EXPECT_TRUE(exactLines().empty());
    EXPECT_FALSE(fileExists(file("Exact.txt")));
}

TEST_F(CompareExactTest, AnUnsteadyRunWithoutTheSteadyStateHasNoProfileToCompare) {
    finishRun(unsteadyCase());
    platform.expectMessageBox(platform::kAnswerOk, say(RunText::ExactNeedsSteadyProfile));
    chooseCompare();
    platform.verifyScriptDone();
    EXPECT_TRUE(exactLines().empty());
    EXPECT_FALSE(fileExists(file("Exact.txt")));
}

// Once a new case is entered the profile is off the screen: the comparison
// is written in the current language and opened instead of drawn.
TEST_F(CompareExactTest, WithTheGraphGoneTheComparisonOpensInTheEditor) {
    finishRun(steadyCase());
    shell_->state().caseLoaded();
    chooseCompare();
    EXPECT_TRUE(exactLines().empty());
    const auto opened = platform.callsNamed("editTextFile");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(pathOf(opened[0].texts[0]), file("Exact.txt"));
    EXPECT_TRUE(fileExists(file("Exact.txt")));
}

}  // namespace
}  // namespace calorvia::run::testing
