// Hand editing of the Gauss-Seidel estimate: the file written, the editor
// waited for, the values read back, the correction loop.

#include <string>
#include <vector>

#include "run/initial_estimate.h"
#include "run_test_support.h"
#include "support/case_names.h"
#include "text/number_reader.h"
#include "texts/run_texts.h"

namespace calorvia::run::testing {

using namespace simulation;
namespace {

using platform::kAnswerNo;
using platform::kAnswerOk;
using platform::kAnswerYes;
using texts::RunText;

class InitialEstimateTest : public RunStoryTest {
protected:
    void SetUp() override {
        RunStoryTest::SetUp();
        startShell();
        platform.clearRecords();
        T = nodes({10.0, 20.0, 30.0, 40.0});
    }

    static NodeArray nodes(std::vector<double> values) {
        values.insert(values.begin(), 0.0);
        return values;
    }

    EstimateOutcome edit() {
        return editInitialEstimate(
            platform, shell_->language(), file(""),
            [this](std::string_view text, int flags) { return shell_->tell(text, flags); }, 4, T);
    }

    void offer(int answer) { platform.expectMessageBox(answer, say(RunText::EstimateOffer)); }

    // The user replaces the file's contents.
    void editTo(std::string content, std::vector<std::string>* seen = nullptr) {
        platform.expectEditor([content, seen](const std::string& path) {
            if (seen) *seen = text::readTextLines(path).value_or(std::vector<std::string>{});
            writeFile(path, content);
        });
    }

    NodeArray T;
};

TEST_F(InitialEstimateTest, DecliningKeepsTheFieldAndWritesNothing) {
    offer(kAnswerNo);
    EXPECT_EQ(edit(), EstimateOutcome::Declined);
    platform.verifyScriptDone();
    EXPECT_EQ(T, nodes({10.0, 20.0, 30.0, 40.0}));
    EXPECT_TRUE(platform.callsNamed("setMenuItemEnabled").empty());
}

TEST_F(InitialEstimateTest, ADecimalCommaIsReadAsAPointAndTheFileIsRemoved) {
    offer(kAnswerYes);
    std::vector<std::string> seen;
    editTo("10\n20\n25,5 <= Node 3\n   40\n", &seen);
    EXPECT_EQ(edit(), EstimateOutcome::Accepted);
    platform.verifyScriptDone();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_NE(seen[2].find(" <= Node"), std::string::npos);
    EXPECT_EQ(text::readReal(seen[2]), 30.0);
    EXPECT_EQ(T, nodes({10.0, 20.0, 25.5, 40.0}));
    EXPECT_FALSE(fileExists(file("Initial.txt")));
    // Menus 1 and 2 were greyed while the editor was open and enabled after.
    EXPECT_TRUE(platform.menuItemEnabled(1, 0));
    EXPECT_TRUE(platform.menuItemEnabled(2, 0));
    const auto toggles = platform.callsNamed("setMenuItemEnabled");
    ASSERT_EQ(toggles.size(), 4u);
    EXPECT_EQ(toggles[0].numbers, (std::vector<std::int64_t>{1, 0, 0}));
}

TEST_F(InitialEstimateTest, ExtraLinesAfterTheLastNodeAreIgnored) {
    offer(kAnswerYes);
    editTo("1\n2\n3\n4\nnot a number\n");
    EXPECT_EQ(edit(), EstimateOutcome::Accepted);
    EXPECT_EQ(T, nodes({1.0, 2.0, 3.0, 4.0}));
}

TEST_F(InitialEstimateTest, ALineStartingWithTIsRefusedAndAbandoningKeepsTheEstimate) {
    offer(kAnswerYes);
    editTo("1\nT25\n3\n4\n");
    platform.expectMessageBox(kAnswerNo, say(RunText::EstimateReadError));
    platform.expectMessageBox(kAnswerOk, say(RunText::EstimateCancelled), {}, platform::kMessageOk);
    EXPECT_EQ(edit(), EstimateOutcome::Abandoned);
    platform.verifyScriptDone();
    EXPECT_EQ(T, nodes({10.0, 20.0, 30.0, 40.0}));
    EXPECT_FALSE(fileExists(file("Initial.txt")));
}

TEST_F(InitialEstimateTest, DeletingTheLastLineLeadsToTheCorrectionPrompt) {
    offer(kAnswerYes);
    editTo("11\n21\n31\n");
    platform.expectMessageBox(kAnswerYes, say(RunText::EstimateReadError));
    std::vector<std::string> rewritten;
    editTo("11\n21\n31\n41\n", &rewritten);
    EXPECT_EQ(edit(), EstimateOutcome::Accepted);
    platform.verifyScriptDone();
    // Written again with N lines: the user's lines, then the old last line.
    ASSERT_EQ(rewritten.size(), 4u);
    EXPECT_EQ(rewritten[0], "11");
    EXPECT_NE(rewritten[3].find(" <= Node"), std::string::npos);
    EXPECT_EQ(T, nodes({11.0, 21.0, 31.0, 41.0}));
}

TEST_F(InitialEstimateTest, AFileThatCannotBeWrittenIsReportedAndTheEstimateKept) {
    std::filesystem::create_directory(file("Initial.txt"));  // in the way of the file
    offer(kAnswerYes);
    platform.expectMessageBox(kAnswerOk,
                              texts::withValue(say(RunText::FileWriteFailed), "Initial.txt"), {},
                              platform::kMessageOk);
    EXPECT_EQ(edit(), EstimateOutcome::WriteFailed);
    platform.verifyScriptDone();
    EXPECT_TRUE(std::filesystem::is_directory(file("Initial.txt")));  // nothing of the user's lost
    EXPECT_EQ(T, nodes({10.0, 20.0, 30.0, 40.0}));
    EXPECT_TRUE(platform.menuItemEnabled(1, 0));
    EXPECT_TRUE(platform.menuItemEnabled(2, 0));
}

TEST_F(InitialEstimateTest, APortugueseUserEditsInicialTxt) {
    writeFile(file("idioma"), "1\n");
    startShell();
    platform.clearRecords();
    offer(kAnswerYes);
    std::string editedPath;
    platform.expectEditor([&editedPath](const std::string& path) {
        editedPath = path;
        writeFile(path, "5\n6\n7\n8\n");
    });
    EXPECT_EQ(edit(), EstimateOutcome::Accepted);
    EXPECT_EQ(std::filesystem::path(editedPath).filename(), "Inicial.txt");
}

struct LineCase {
    const char* line;
    bool accepted;
    double value;
};

class EstimateLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(EstimateLineTest, OnlyALeadingNumberCounts) {
    std::vector<std::string> buffers(2);
    NodeArray values{0.0, -1.0};
    const std::int32_t read = readEstimateLines({GetParam().line}, 1, buffers, values);
    EXPECT_EQ(read == 1, GetParam().accepted);
    if (GetParam().accepted) {
        EXPECT_EQ(values[1], GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, EstimateLineTest,
                         ::testing::Values(LineCase{"25,5", true, 25.5},
                                           LineCase{"   -3.5  <= Node 1", true, -3.5},
                                           LineCase{"1.0E+02 anything", true, 100.0},
                                           LineCase{"T25", false, 0.0}, LineCase{"f1", false, 0.0},
                                           LineCase{"", false, 0.0}, LineCase{"abc", false, 0.0}),
                         [](const auto& row) {
                             return calorvia::testing::textName(row.param.line);
                         });

}  // namespace
}  // namespace calorvia::run::testing
