// What calorvia-batch leaves beside the result files: the time graph only
// when asked for, the energy balance of every example, the CSV files and the
// JSON summary.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/batch_checks.h"
#include "app/batch_csv.h"
#include "batch_test_support.h"
#include "text/fixed_text.h"
#include "text/number_reader.h"
#include "text/number_writer.h"
#include "text/text_file.h"

namespace calorvia::batch {
namespace {

using platform::FillMode;
using platform::Palette;
using platform::Rgb;

// ------------------------------------------------------------ --graph none

// Keeps the texts drawn; every font is there.
class TextSink final : public platform::DrawingSink {
public:
    void remapPalette(const Palette&) override {}
    void setColorIndex(int) override {}
    void setColorRgb(Rgb) override {}
    void setBackgroundRgb(Rgb) override {}
    void clearScreen() override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void drawRectangle(FillMode, int, int, int, int) override {}
    void drawEllipse(FillMode, int, int, int, int) override {}
    void setTextRotation(int) override {}
    void outText(std::string_view text) override { texts.emplace_back(text); }
    int selectFont(std::string_view) override { return 1; }
    bool showBitmap(std::string_view, int, int) override { return true; }

    bool drew(std::string_view start) const {
        return std::any_of(texts.begin(), texts.end(),
                           [&](const std::string& text) { return text.rfind(start, 0) == 0; });
    }
    std::vector<std::string> texts;
};

// Runs an example case with the time graph `graph`.
void run(const char* example, GraphAnswer graph, TextSink& sink) {
    BatchOptions options = BatchRunTest::example(example);
    options.graph = graph;
    std::ostringstream out, messages;
    EXPECT_EQ(runBatch(options, &sink, out, messages), kExitWritten) << messages.str();
}

TEST_F(BatchRunTest, NoGraphDrawsNoTimeGraphAndTheOthersDrawTheirs) {
    TextSink none, node, average;
    run("transient-slab-cooling.txt", GraphAnswer::None, none);
    run("transient-slab-cooling.txt", GraphAnswer::Node, node);
    run("transient-slab-cooling.txt", GraphAnswer::Average, average);
    // The profile is drawn in every case, the time graph only when chosen.
    for (const TextSink* sink : {&none, &node, &average}) EXPECT_TRUE(sink->drew("Profile"));
    EXPECT_FALSE(none.drew("Unsteady node"));
    EXPECT_FALSE(none.drew("Unsteady average"));
    // Not even the time axis: its name is "t".
    EXPECT_EQ(std::count(none.texts.begin(), none.texts.end(), "t"), 0);
    EXPECT_EQ(std::count(node.texts.begin(), node.texts.end(), "t"), 1);
    EXPECT_TRUE(node.drew("Unsteady node"));
    EXPECT_TRUE(average.drew("Unsteady average temperature"));
}

// ------------------------------------------------------------ energy balance

// Every saved case of examples/ (the working files and the experimental
// data are no saved cases), found afresh so that a new example is checked
// too.
std::vector<std::string> exampleCases() {
    const std::filesystem::path root = std::filesystem::path(CALORVIA_SOURCE_DIR) / "examples";
    std::vector<std::string> cases;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::filesystem::path& path = entry.path();
        if (!entry.is_regular_file() || path.extension() != ".txt") continue;
        if (path.filename() == "Exp.txt" || path.filename() == "Loaded.txt") continue;
        cases.push_back(std::filesystem::relative(path, root).generic_string());
    }
    std::sort(cases.begin(), cases.end());
    return cases;
}

// Linear: no property depends on T, and no positive source is linearised.
bool isLinear(const simulation::SimulationCase& c) {
    const bool transported = c.hasTransientBlock();
    return !c.K.isFormula && !c.Sc.isFormula && !c.Sp.isFormula && c.Sp.constant <= 0.0 &&
           !(transported && (c.Rho.isFormula || c.Cp.isFormula));
}

class ExampleBalanceTest : public BatchRunTest,
                           public ::testing::WithParamInterface<std::string> {};

TEST_P(ExampleBalanceTest, TheResidualIsRoundOffOrWithinTheIterationTolerance) {
    BatchOptions options;
    options.casePath = std::filesystem::path(CALORVIA_SOURCE_DIR) / "examples" / GetParam();
    options.dataFolders = {CALORVIA_DATA_DIR};
    options.steady = false;  // a transient example's last step, not its final steady state
    const BatchRun run = runQuietly(options);
    ASSERT_TRUE(run.finished) << run.status;
    ASSERT_TRUE(run.balance);
    // A linear case balances to round-off; a nonlinear one balances the last
    // system solved, whose coefficients lag its temperatures by one pass.
    const double share = isLinear(run.loaded->simulationCase) ? 1e-9 : 1e-6;
    const simulation::EnergyBalance& b = *run.balance;
    const double largestFaceFlow =
        std::max({std::abs(b.west.conduction), std::abs(b.west.convection),
                  std::abs(b.east.conduction), std::abs(b.east.convection)});
    EXPECT_GT(largestFaceFlow, 0.0);
    EXPECT_LE(std::abs(b.residual), share * largestFaceFlow)
        << "residual " << b.residual << " of " << largestFaceFlow;
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleBalanceTest, ::testing::ValuesIn(exampleCases()),
                         [](const ::testing::TestParamInfo<std::string>& example) {
                             std::string name = example.param;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             }
                             return name;
                         });

// The table above must not go empty by a renamed folder.
TEST(ExampleCases, MostExamplesAreLinear) {
    EXPECT_GE(exampleCases().size(), 9u);
}

// ------------------------------------------------------------------- --csv

std::vector<std::vector<std::string>> readCsv(const std::filesystem::path& file) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : text::readTextLines(file).value_or(std::vector<std::string>{})) {
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, ',');) fields.push_back(field);
        rows.push_back(std::move(fields));
    }
    return rows;
}

double number(const std::string& field) {
    return text::readReal(field).value_or(std::nan(""));
}

// The transient slab: 20 volumes, 100 steps; every CSV value is the run's
// own double, and shows in the result file as that file prints it.
TEST_F(BatchRunTest, TheCsvFilesReadBackToTheResultFilesInFullPrecision) {
    BatchOptions options = example("transient-slab-cooling.txt");
    options.steady = true;
    options.keepHistories = true;
    BatchRun run = runQuietly(options);
    ASSERT_TRUE(run.finished);
    const CsvOutcome written = writeCsvFiles("csv", run);
    ASSERT_TRUE(written.ok) << written.failedFile;
    EXPECT_EQ(written.files.size(), 2u + 4u);

    const auto profile = readCsv("csv/profile.csv");
    ASSERT_EQ(profile.size(), 1u + 22u);
    EXPECT_EQ(profile[0], (std::vector<std::string>{"x [m]", "T [K]"}));
    const auto steady = text::readTextLines("Steady.txt").value();
    ASSERT_EQ(steady.size(), 4u + 22u);
    for (std::size_t i = 1; i <= 20; ++i) {
        ASSERT_EQ(profile[i + 1].size(), 2u);
        EXPECT_EQ(number(profile[i + 1][1]), run.T[i]) << i;  // the double itself
        EXPECT_EQ(text::fixedReal(static_cast<float>(number(profile[i + 1][1])), 14, 7),
                  steady[4 + i].substr(16))
            << steady[4 + i];
    }
    EXPECT_EQ(number(profile.back()[0]), 1.0);

    const auto fluxes = readCsv("csv/fluxes.csv");
    ASSERT_EQ(fluxes.size(), 1u + 21u);
    EXPECT_EQ(fluxes[0], (std::vector<std::string>{"x [m]", "q [W/m^2]"}));
    const auto fluxFile = text::readTextLines("Flux_x_Position.txt").value();
    for (std::size_t face = 0; face <= 20; ++face) {
        EXPECT_EQ(text::fixedReal(static_cast<float>(number(fluxes[face + 1][1])), 14, 7),
                  fluxFile[4 + face].substr(16))
            << fluxFile[4 + face];
    }

    // The node history: the row of t = 0 and one per step, as Unsteady.txt.
    const auto node = readCsv("csv/history_node.csv");
    ASSERT_EQ(node.size(), 1u + 101u);
    EXPECT_EQ(node[0], (std::vector<std::string>{"t [s]", "T [K]"}));
    const auto unsteady = text::readTextLines("Unsteady.txt").value();
    ASSERT_EQ(unsteady.size(), 4u + 101u);
    for (std::size_t row = 1; row < node.size(); row += 25) {
        const std::string printed = " " + text::generalFloat(static_cast<float>(number(node[row][0]))) +
                                    text::generalFloat(static_cast<float>(number(node[row][1])));
        EXPECT_EQ(printed, unsteady[3 + row]);
    }
    for (const char* name : {"csv/history_average.csv", "csv/history_west.csv",
                             "csv/history_east.csv"}) {
        EXPECT_EQ(readCsv(name).size(), 1u + 101u) << name;
    }
}

// ------------------------------------------------ results not to be trusted

// Saved steady cases (Lx N K Sc Sp, state, method, the two boundaries, u)
// whose results are written but meaningless, and why.
struct UntrustedRow {
    const char* name;
    const char* lines;
    std::vector<std::string> warnings;
};

void PrintTo(const UntrustedRow& row, std::ostream* os) {
    *os << row.name;
}

class UntrustedRunTest : public BatchRunTest, public ::testing::WithParamInterface<UntrustedRow> {};

TEST_P(UntrustedRunTest, ExitsFourAndSaysWhyInTheJson) {
    ASSERT_TRUE(text::writeTextFileAtomically("case.txt", GetParam().lines));
    BatchOptions options;
    options.casePath = "case.txt";
    options.dataFolders = {CALORVIA_DATA_DIR};
    const BatchRun run = runQuietly(options);
    EXPECT_EQ(run.status, kExitUntrusted);
    EXPECT_EQ(run.warnings, GetParam().warnings);
    ASSERT_TRUE(writeJsonSummary("summary.json", options, run));
    const nlohmann::json json = nlohmann::json::parse(text::readTextFile("summary.json").value());
    EXPECT_EQ(json["warnings"], nlohmann::json(GetParam().warnings));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UntrustedRunTest,
    ::testing::Values(
        // A positive source against a flux and a film: the linearised passes
        // run away to their limit.
        UntrustedRow{"PassLimit",
                     "1\n10\n2\n10\n3\n1\n2\n2\n200\n3\n5\n80\n0\n",
                     {"pass_limit", "out_of_range"}},
        // Flux at both ends and no sink: no unique solution, a pivot replaced.
        UntrustedRow{"ZeroPivot",
                     "1\n10\n1\n10\n0\n1\n2\n2\n5\n2\n0\n0\n",
                     {"zero_pivot", "out_of_range", "unbalanced"}},
        // A wall held at 20000: sound arithmetic, but the range question was answered No.
        UntrustedRow{"OutOfRange", "1\n10\n1\n0\n0\n1\n2\n1\n20000\n1\n0\n0\n", {"out_of_range"}}),
    [](const ::testing::TestParamInfo<UntrustedRow>& row) { return row.param.name; });

// ------------------------------------------------------------------ --json

// A case path that is not UTF-8 (Latin-1 "é") is written with U+FFFD.
TEST_F(BatchRunTest, TheJsonSummaryReplacesBytesThatAreNotUtf8) {
    BatchOptions options = example("convection-cooled-wall.txt");
    const BatchRun run = runQuietly(options);
    options.casePath = text::pathFromUtf8("caf\xE9.txt");
    ASSERT_TRUE(writeJsonSummary("summary.json", options, run));
    const nlohmann::json json = nlohmann::json::parse(text::readTextFile("summary.json").value());
    EXPECT_EQ(json["case"]["file"], "caf\xEF\xBF\xBD.txt");
}

}  // namespace
}  // namespace calorvia::batch
