// What calorvia-batch adds for checking a result: the exact solution beside
// the profile, entries replaced before the wizard checks them, and a summary
// a script can read.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/batch_checks.h"
#include "batch_test_support.h"
#include "support/case_names.h"
#include "text/text_file.h"
#include "texts/entry_texts.h"
#include "texts/run_texts.h"
#include "texts/text_catalogue.h"

namespace calorvia::batch {
namespace {

using texts::EntryText;
using texts::RunText;
using texts::Text;

// A wall without a source is linear, which the method reproduces exactly at
// the nodes and faces; a uniform source lifts every node by S·dx²/(8K) above
// the parabola (S = 1000, K = 2, dx = 0.025: 0.0390625), the faces not.
TEST_F(BatchRunTest, TheExactFileShowsWhereTheProfileStandsFromTheExactSolution) {
    const BatchRun wall = runQuietly(example("plane-wall.txt"));
    ASSERT_TRUE(wall.finished);
    const ExactCheck linear = checkAgainstExact(wall);
    ASSERT_TRUE(linear.comparison);
    EXPECT_LT(linear.comparison->largest, 1.0e-9);

    const BatchRun generation = runQuietly(example("uniform-generation.txt"));
    std::ostringstream out, messages;
    ASSERT_EQ(reportExact(generation, out, messages), kExitWritten) << messages.str();
    EXPECT_NE(out.str().find("Exact.txt\nLargest difference: 0.0390625\n"), std::string::npos)
        << out.str();
    const auto lines = text::readTextLines("Exact.txt").value();
    ASSERT_EQ(lines.size(), 4u + 22u + 3u);
    EXPECT_EQ(lines[0], " One-dimensional steady state: numerical and exact temperatures");
    EXPECT_EQ(lines[4], "     0.00000       100.0000000       100.0000000       0.000000");
    EXPECT_EQ(lines[5].substr(lines[5].size() - 15), "   3.906250E-02");
    EXPECT_EQ(lines[27], " Largest difference: 3.906250E-02");
}

TEST_F(BatchRunTest, NoComparisonWithoutASteadyProfileOrAnExactSolution) {
    // A transient run that did not add the steady state.
    const BatchRun transient = runQuietly(example("transient-slab-cooling.txt"));
    ASSERT_TRUE(transient.finished);
    EXPECT_FALSE(checkAgainstExact(transient).comparison);
    EXPECT_EQ(checkAgainstExact(transient).refusal,
              texts::textFor(RunText::ExactNeedsSteadyProfile, texts::Language::English));
    // A conductivity that depends on T.
    const BatchRun formula = runQuietly(example("temperature-dependent-conductivity.txt"));
    EXPECT_EQ(checkAgainstExact(formula).refusal,
              texts::textFor(RunText::ExactNeedsConstants, texts::Language::English));
    std::ostringstream out, messages;
    EXPECT_EQ(reportExact(formula, out, messages), kExitWritten);
    EXPECT_EQ(out.str(), "");
    EXPECT_FALSE(std::filesystem::exists("Exact.txt"));
}

// --set types the value into the wizard's field, and a boundary's type
// follows the entry given.
TEST_F(BatchRunTest, EntriesAreReplacedThroughTheWizard) {
    BatchOptions convective = example("plane-wall.txt");
    convective.overrides = {{"west.h", "10"}, {"west.Tinf", "20"}, {"N", "12"}};
    const BatchRun run = runQuietly(convective);
    ASSERT_TRUE(run.finished);
    const simulation::SimulationCase& c = run.loaded->simulationCase;
    EXPECT_EQ(c.N, 12);
    EXPECT_EQ(c.west, (simulation::BoundaryCondition{simulation::BoundaryType::Convection, 0.0, 0.0,
                                                     10.0, 20.0}));
}

// The keys of the type descriptions choose a radiating face; --json names
// the type and its values under the same keys.
TEST_F(BatchRunTest, RadiationIsChosenByItsKeysAndReported) {
    BatchOptions options = example("plane-wall.txt");
    options.overrides = {{"east.eps", "0.9"}, {"east.Tsur", "150"}};
    const BatchRun run = runQuietly(options);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.loaded->simulationCase.east,
              (simulation::BoundaryCondition{
                  .type = simulation::BoundaryType::Radiation, .eps = 0.9, .Tsur = 150.0}));
    ASSERT_TRUE(writeJsonSummary("radiation.json", options, run));
    const nlohmann::json json = nlohmann::json::parse(text::readTextFile("radiation.json").value());
    EXPECT_EQ(json["case"]["east"],
              nlohmann::json::parse(R"({"type": "radiation", "eps": 0.9, "Tsur": 150.0})"));
    EXPECT_GT(json["outcome"]["passes"].get<int>(), 1);
}

// A wall of K = 1, 1 m, held at 200 at the west and cooled at the east
// (h = 10, Tinf = 20) passes q = 180/(L/K + 1/h) through both faces.
TEST_F(BatchRunTest, TheJsonSummaryParsesBackWithTheCaseTheOutcomeTheChecksAndTheBalance) {
    const BatchOptions options = example("convection-cooled-wall.txt");
    BatchRun run = runQuietly(options);
    run.csvFiles = {"csv/profile.csv"};
    ASSERT_TRUE(writeJsonSummary("summary.json", options, run));
    const nlohmann::json json = nlohmann::json::parse(text::readTextFile("summary.json").value());
    EXPECT_EQ(json["case"]["N"], run.loaded->simulationCase.N);
    EXPECT_EQ(json["case"]["east"]["type"], "convection");
    EXPECT_EQ(json["case"]["state"], "steady");
    EXPECT_EQ(json["scheme"], "none");
    EXPECT_EQ(json["outcome"]["exit_status"], kExitWritten);
    EXPECT_EQ(json["outcome"]["passes"], 1);
    EXPECT_EQ(json["result_files"].size(), run.filesWritten.size());
    EXPECT_LT(json["exact"]["largest_difference"].get<double>(), 1.0e-9);
    ASSERT_FALSE(json["outcome"]["messages"].empty());
    EXPECT_EQ(json["outcome"]["messages"].back(),
              "Attention: The simulation was ended. Do you want to inspect the files generated "
              "now? No");
    const nlohmann::json& balance = json["energy_balance"];
    const double q = 180.0 / (1.0 + 0.1);
    EXPECT_EQ(balance["unit"], "W/m²");
    EXPECT_NEAR(balance["west"]["conduction"].get<double>(), q, 1e-9 * q);
    EXPECT_NEAR(balance["east"]["conduction"].get<double>(), -q, 1e-9 * q);
    EXPECT_EQ(balance["generated"].get<double>(), 0.0);
    EXPECT_EQ(balance["residual"].get<double>(), run.balance->residual);
    EXPECT_EQ(json["csv_files"], nlohmann::json::array({"csv/profile.csv"}));
    EXPECT_EQ(json["case"]["geometry"], "plane");
}

// --set geometry clicks the body's option in step 1 and --set ri types the
// inner radius it opens: the plane wall becomes a spherical shell whose
// exact 1/r profile the run meets, and the summary names the body.
TEST_F(BatchRunTest, TheBodyIsChosenThroughTheWizardAndTheSummaryNamesIt) {
    BatchOptions options = example("plane-wall.txt");
    options.overrides = {{"ri", "0.5"}, {"geometry", "sphere"}};
    const BatchRun run = runQuietly(options);
    ASSERT_TRUE(run.finished) << run.status;
    const simulation::SimulationCase& c = run.loaded->simulationCase;
    EXPECT_EQ(c.geometry, simulation::Geometry::Sphere);
    EXPECT_EQ(c.ri, 0.5);
    const ExactCheck check = checkAgainstExact(run);
    ASSERT_TRUE(check.comparison) << check.refusal;
    EXPECT_TRUE(check.comparison->radial);
    // T = a + b/r from 100 at r = 0.5 to 200 at 1.5: b = -75, |T″| = 150/r³
    // is at most 1200 at ri; second order keeps the error within
    // dx²·max|T″|/4 = 3 (dx = 0.1).
    EXPECT_LT(check.comparison->largest, 0.01 * 1200.0 / 4.0);
    EXPECT_GT(check.comparison->largest, 1.0e-6) << "1/r is not linear";

    ASSERT_TRUE(writeJsonSummary("summary.json", options, run));
    const nlohmann::json json = nlohmann::json::parse(text::readTextFile("summary.json").value());
    EXPECT_EQ(json["case"]["geometry"], "sphere");
    EXPECT_EQ(json["case"]["ri"], 0.5);

    // Back to the plane wall: the geometry is named, and it has no ri.
    BatchOptions plane = example("fuel-rod.txt");
    plane.overrides = {{"geometry", "plane"}};
    const BatchRun wall = runQuietly(plane);
    ASSERT_TRUE(wall.finished);
    EXPECT_EQ(wall.loaded->simulationCase.geometry, simulation::Geometry::Plane);
    ASSERT_TRUE(writeJsonSummary("plane.json", plane, wall));
    const nlohmann::json planeJson =
        nlohmann::json::parse(text::readTextFile("plane.json").value());
    EXPECT_EQ(planeJson["case"]["geometry"], "plane");
    EXPECT_FALSE(planeJson["case"].contains("ri"));
}

// Entries the wizard refuses, with its own message; a time step for a
// steady wall without velocity, which never asks for one, a radius for a
// plane wall, which has none, and an unknown body refuse the case.
struct RefusedEntries {
    const char* name;
    std::vector<EntryOverride> entries;
    std::optional<Text> message;
};

void PrintTo(const RefusedEntries& row, std::ostream* out) {
    *out << row.name;
}

class RefusedEntriesTest : public BatchRunTest,
                           public ::testing::WithParamInterface<RefusedEntries> {};

TEST_P(RefusedEntriesTest, RefuseTheCase) {
    BatchOptions options = example("plane-wall.txt");
    options.overrides = GetParam().entries;
    const BatchRun run = runQuietly(options);
    EXPECT_EQ(run.status, kExitRefused);
    if (!GetParam().message) return;
    ASSERT_FALSE(run.messages.empty());
    EXPECT_EQ(
        run.messages.back(),
        "Attention: " + std::string(texts::textFor(*GetParam().message, texts::Language::English)));
}

INSTANTIATE_TEST_SUITE_P(
    Set, RefusedEntriesTest,
    ::testing::Values(
        RefusedEntries{"N2", {{"N", "2"}}, EntryText::NOutOfRange},
        RefusedEntries{"hWithoutTinf", {{"west.h", "10"}}, EntryText::WestConvectionIncomplete},
        RefusedEntries{"KBadFormula", {{"K", "1+*T"}}, EntryText::KSyntaxError},
        RefusedEntries{"NstForASteadyWall", {{"Nst", "10"}}, std::nullopt},
        RefusedEntries{
            "NegativeRi", {{"geometry", "cylinder"}, {"ri", "-1"}}, EntryText::RiNegative},
        RefusedEntries{"SphereWithVelocity",
                       {{"geometry", "sphere"}, {"ri", "1"}, {"u", "2"}},
                       EntryText::RadialVelocity},
        RefusedEntries{"RiForAPlaneWall", {{"ri", "0.1"}}, std::nullopt},
        RefusedEntries{"UnknownBody", {{"geometry", "cone"}}, std::nullopt}),
    calorvia::testing::printedName);

}  // namespace
}  // namespace calorvia::batch
