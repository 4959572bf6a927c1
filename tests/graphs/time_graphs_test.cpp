// The temperature-versus-time graph: "Exp.txt" read, the deviation of the
// measured points from the simulated series, the dialog and the drawing.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "graphs/time_graphs.h"
#include "platform/dialog_templates.h"
#include "support/case_names.h"
#include "support/program_folder.h"
#include "support/scripted_platform.h"

namespace calorvia::graphs {
namespace {

namespace dialog = platform::unsteady_graph_dialog;

class TimeGraphTest : public ::testing::Test {
protected:
    void write(const std::string& name, const std::string& content) const {
        std::ofstream(folder_ / name, std::ios::binary) << content;
    }
    // A node history as the run writes it: four heading lines, then rows.
    void writeSeries(const std::string& rows, const std::string& name = "Unsteady.txt") const {
        write(name, "heading\n \n columns\n \n" + rows);
    }
    float deviation() const { return STANDARD_ERROR(TimeGraphChoice::Node, 2, folder_); }

    calorvia::testing::TemporaryFolder temporary_;
    const std::filesystem::path& folder_ = temporary_.path();
    platform::ScriptedPlatform platform_;
};

TEST_F(TimeGraphTest, CoincidingTimesGiveTheRootMeanSquareOfTheDifferences) {
    writeSeries(" 0.0 10.0\n 1.0 20.0\n 2.0 30.0\n 3.0 40.0\n");
    write("Exp.txt", "0 11\n1,19\n2\t33\n3 40\n");
    // Differences 1, -1, 3, 0: sqrt(11/4), divided by n and not n - 1.
    EXPECT_FLOAT_EQ(deviation(), std::sqrt(11.0f / 4.0f));
}

TEST_F(TimeGraphTest, APointBetweenRowsIsInterpolatedLinearly) {
    writeSeries(" 0.0 10.0\n 1.0 20.0\n 2.0 60.0\n");
    write("Exp.txt", "1.5 45\n");
    EXPECT_FLOAT_EQ(deviation(), 5.0f);  // simulated 40 at t = 1.5
}

TEST_F(TimeGraphTest, ARowThatClosedOneBracketDoesNotOpenTheNext) {
    // Both points lie between rows 0 and 1; the second one reads row 2 as
    // its upper bracket and keeps (0, 10) as the lower: 10 + 10·0.4/2 = 12.
    writeSeries(" 0.0 10.0\n 1.0 20.0\n 2.0 20.0\n");
    write("Exp.txt", "0.2 12\n0.4 12\n");
    EXPECT_NEAR(deviation(), 0.0f, 1e-5f);
}

TEST_F(TimeGraphTest, AMissingSeriesGivesTheLargeValueAndNoPointGivesNaN) {
    write("Exp.txt", "0 1\n");
    EXPECT_EQ(deviation(), MissingSeriesDeviation);
    writeSeries(" 0.0 10.0\n 1.0 20.0\n");
    std::filesystem::remove(folder_ / "Exp.txt");
    EXPECT_TRUE(std::isnan(deviation()));
}

TEST_F(TimeGraphTest, ReadingStopsAtTheFirstLineThatIsNotAPoint) {
    write("Exp.txt", "0 1\n1, 2\n  2   3  \nthree 4\n5 6\n");
    const TimeSeries points = readExperimentalData(folder_ / "Exp.txt");
    EXPECT_EQ(points.t, (std::vector<float>{0.0f, 1.0f, 2.0f}));
    EXPECT_EQ(points.T, (std::vector<float>{1.0f, 2.0f, 3.0f}));
}

// A byte-order mark before the first point is skipped; a link to a device
// that never ends is no data at all.
TEST_F(TimeGraphTest, AMarkedFileIsReadAndADeviceIsNot) {
    write("Exp.txt",
          "\xEF\xBB\xBF"
          "0 1\n1 2\n");
    EXPECT_EQ(readExperimentalData(folder_ / "Exp.txt").t, (std::vector<float>{0.0f, 1.0f}));
    std::filesystem::remove(folder_ / "Exp.txt");
    std::filesystem::create_symlink("/dev/zero", folder_ / "Exp.txt");
    EXPECT_TRUE(readExperimentalData(folder_ / "Exp.txt").t.empty());
}

TEST_F(TimeGraphTest, AtMost8000PointsAreKeptForTheDots) {
    std::string content;
    for (int i = 0; i < 8005; ++i) content += std::to_string(i) + " 1\n";
    write("Exp.txt", content);
    EXPECT_EQ(readExperimentalData(folder_ / "Exp.txt").t.size(), 8000u);
}

struct PointLine {
    const char* line;
    bool ok;
};
class PointLineTest : public ::testing::TestWithParam<PointLine> {};
TEST_P(PointLineTest, NeedsTwoNumbers) {
    float t = -1.0f;
    float T = -1.0f;
    EXPECT_EQ(readPointLine(GetParam().line, t, T), GetParam().ok) << GetParam().line;
}
INSTANTIATE_TEST_SUITE_P(Lines, PointLineTest,
                         ::testing::Values(PointLine{"1 2", true}, PointLine{"1,2", true},
                                           PointLine{" 1 , 2 ", true}, PointLine{"1\t2\r", true},
                                           PointLine{"1.5E1 2d0", true}, PointLine{"1", false},
                                           PointLine{"", false}, PointLine{"a 2", false},
                                           PointLine{"1 x", false}),
                         [](const auto& row) {
                             return calorvia::testing::textName(row.param.line);
                         });

TEST_F(TimeGraphTest, ExperimentaTogglesTheHelpLinesInTheLanguageOfIdioma) {
    write("idioma", " 1\n");
    platform_.expectDialog(dialog::kTemplate)
        .click(dialog::kExperimentalCheck)
        .click(dialog::kAverageRadio)
        .press(1);
    TimeGraphRequest request = runTimeGraphDialog(platform_, 2, folder_ / "idioma");
    EXPECT_TRUE(request.experimental);
    EXPECT_EQ(request.choice, TimeGraphChoice::Average);
    const auto& run = platform_.dialogRuns().back();
    EXPECT_EQ(run.atEnd.at(dialog::kHelpLine1).text, "   Atenção:");
    EXPECT_EQ(run.atStart.at(dialog::kGroup).text, "About the graph:  Temperature versus Time");

    platform_.expectDialog(dialog::kTemplate)
        .click(dialog::kExperimentalCheck)
        .click(dialog::kExperimentalCheck)
        .press(1);
    request = runTimeGraphDialog(platform_, 2, folder_ / "idioma");
    EXPECT_FALSE(request.experimental);
    for (int line : {dialog::kHelpLine1, dialog::kHelpLine2, dialog::kHelpLine3}) {
        EXPECT_EQ(platform_.dialogRuns().back().atEnd.at(line).text, " ");
    }
    platform_.verifyScriptDone();
}

TEST_F(TimeGraphTest, StageDrawsCurveDotsAndTheDeviation) {
    writeSeries(" 0.0 10.0\n 1.0 20.0\n 2.0 30.0\n");
    write("Exp.txt", "0 10\n1 20\n2 30\n");
    write("idioma", " 2\n");
    platform_.expectDialog(dialog::kTemplate)
        .click(dialog::kNodeRadio)
        .click(dialog::kExperimentalCheck)
        .press(1);
    platform_.expectDialog(platform::scale_dialog::kTemplate).press(1);
    GraphPane pane(platform_, folder_ / "idioma");
    TimeGraphInputs inputs;
    inputs.No = 7;
    inputs.Nst = 2;
    inputs.folder = folder_;
    drawTimeGraph(platform_, pane, inputs);
    platform_.verifyScriptDone();

    // Three dots in black, the first on the vertical axis at X0 + 100.
    ASSERT_EQ(platform_.ellipses().size(), 3u);
    EXPECT_EQ(platform_.ellipses()[0].x1, 520 + 100 - 2);
    EXPECT_EQ(platform_.ellipses()[2].x1, 520 + 300 - 2);
    EXPECT_EQ(platform_.ellipses()[0].colour.index, 0);
    bool title = false;
    bool deviationShown = false;
    // The value in the free list layout keeps its leading blanks: the list's
    // own blank, then 0.000000 right-aligned in 15 characters.
    const std::string deviation =
        "\"Standard Deviation\" = " + std::string(1 + 15 - 8, ' ') + "0.000000";
    for (const auto& t : platform_.texts()) {
        title |= t.text.rfind("Unsteady node    7", 0) == 0;
        deviationShown |= t.x == 620 && t.y == 502 && t.text == deviation;
    }
    EXPECT_TRUE(title);
    EXPECT_TRUE(deviationShown);
}

TEST_F(TimeGraphTest, WithoutExpTxtTheDeviationSaysNoPointWasFound) {
    writeSeries(" 0.0 10.0\n 1.0 20.0\n");
    write("idioma", " 2\n");
    platform_.expectDialog(dialog::kTemplate).click(dialog::kExperimentalCheck).press(1);
    platform_.expectDialog(platform::scale_dialog::kTemplate).press(1);
    GraphPane pane(platform_, folder_ / "idioma");
    TimeGraphInputs inputs;
    inputs.Nst = 1;
    inputs.folder = folder_;
    drawTimeGraph(platform_, pane, inputs);
    EXPECT_TRUE(platform_.ellipses().empty());
    bool said = false;
    for (const auto& t : platform_.texts()) {
        said |= t.text == "\"Standard Deviation\" = no experimental point was found in \"Exp.txt\"";
    }
    EXPECT_TRUE(said);
}

}  // namespace
}  // namespace calorvia::graphs
