#include "graphs/graph_pane.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "platform/dialog_templates.h"
#include "support/case_names.h"
#include "support/program_folder.h"
#include "support/scripted_platform.h"
#include "text/number_reader.h"

namespace calorvia::graphs {
namespace {

using platform::DrawnLine;
using platform::ScriptedPlatform;
namespace scale = platform::scale_dialog;

constexpr int X0 = 10;
constexpr int Y0 = 250;

class GraphPaneTest : public ::testing::Test {
protected:
    std::filesystem::path languageFile() const { return directory_ / "idioma"; }
    void writeLanguage(const std::string& text) { std::ofstream(languageFile()) << text; }
    std::string languageFileLine() const {
        std::ifstream in(languageFile());
        std::string line;
        std::getline(in, line);
        return line;
    }

    // A profile graph of the series in colour 12, the scale dialog answered
    // with `tmin` and `tmax` (left as proposed when empty).
    void plot(GraphPane& target, const std::vector<float>& x, const std::vector<float>& y,
              const GraphBoundaries& boundaries = {}, std::int32_t overlay = kLinePlot) {
        target.GRAF_2D(static_cast<std::int32_t>(x.size()) - 1, x, y, 12, X0, Y0, "X", "T",
                       "Profile (Tab. LU)", boundaries, overlay);
    }
    void confirm(const std::string& tmin = {}, const std::string& tmax = {}) {
        auto& run = platform_.expectDialog(scale::kTemplate);
        if (!tmin.empty()) run.type(scale::kTminEdit, tmin);
        if (!tmax.empty()) run.type(scale::kTmaxEdit, tmax);
        run.press(platform::kButtonOk);
    }
    // The limits the scale dialog proposed in its run `index`.
    std::pair<double, double> proposal(std::size_t index = 0) const {
        const auto& run = platform_.dialogRuns().at(index);
        return {text::readReal(run.atStart.at(scale::kTminEdit).text).value(),
                text::readReal(run.atStart.at(scale::kTmaxEdit).text).value()};
    }
    std::vector<std::string> textsAt(int x, int y) const {
        std::vector<std::string> found;
        for (const auto& text : platform_.texts()) {
            if (text.x == x && text.y == y) found.push_back(text.text);
        }
        return found;
    }
    std::size_t tutorialRequests() const {
        std::size_t count = 0;
        for (const auto& call : platform_.callsNamed("openDocument")) {
            if (call.texts[0] == "Tutorial_inexistente.pdf" && call.numbers[0] == 1) ++count;
        }
        return count;
    }

    calorvia::testing::TemporaryFolder folder_;
    const std::filesystem::path& directory_ = folder_.path();
    ScriptedPlatform platform_;
    // The pane under test; it reads the language file only when it draws.
    GraphPane pane{platform_, languageFile()};
};

// ---- the proposed range ------------------------------------------------------------

struct ProposalCase {
    const char* name;
    float low, high;  // range of the series
    GraphBoundaries boundaries;
    double proposedMin, proposedMax;
};

class ProposalTest : public GraphPaneTest, public ::testing::WithParamInterface<ProposalCase> {};

TEST_P(ProposalTest, TheScaleDialogProposesTheWidenedRange) {
    const auto& c = GetParam();
    confirm();
    plot(pane, {0.0f, 0.5f, 1.0f}, {c.low, (c.low + c.high) / 2, c.high}, c.boundaries);
    EXPECT_EQ(proposal(), std::make_pair(c.proposedMin, c.proposedMax));
    // Confirming the proposal leaves it as the range of the axes.
    EXPECT_EQ(pane.ymin, static_cast<float>(c.proposedMin));
    EXPECT_EQ(pane.ymax, static_cast<float>(c.proposedMax));
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, ProposalTest,
    ::testing::Values(
        ProposalCase{"Below300", 20.0f, 80.0f, {}, 20.0, 400.0},
        ProposalCase{"Between300And400", 310.0f, 350.0f, {}, 300.0, 400.0},
        ProposalCase{"Wide", 250.0f, 450.0f, {}, 250.0, 450.0},
        ProposalCase{"WestTinfBelow", 20.0f, 80.0f, {5.0, {}}, 5.0, 400.0},
        ProposalCase{"EastTinfAbove", 20.0f, 80.0f, {{}, 500.0}, 20.0, 500.0},
        ProposalCase{"BothTinfOutside", 310.0f, 350.0f, {250.0, 900.0}, 250.0, 900.0},
        ProposalCase{"TinfInsideChangesNothing", 20.0f, 80.0f, {50.0, 60.0}, 20.0, 400.0}),
    [](const auto& each) { return std::string(each.param.name); });

// A diverged run draws NaN or infinite temperatures: the proposal comes from
// the finite values alone, and is always a pair of numbers the dialog takes.
TEST_F(GraphPaneTest, NonFiniteValuesNeverEnterTheProposal) {
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr float inf = std::numeric_limits<float>::infinity();
    const struct {
        std::vector<float> y;
        double proposedMin, proposedMax;
    } cases[] = {
        {{nan, 50.0f, inf}, 50.0, 400.0},      {{-inf, 20.0f, 80.0f}, 20.0, 400.0},
        {{nan, 350.0f, 450.0f}, 300.0, 450.0}, {{nan, nan, nan}, 300.0, 400.0},
        {{inf, -inf, inf}, 300.0, 400.0},
    };
    std::size_t run = 0;
    for (const auto& c : cases) {
        GraphPane fresh(platform_, languageFile());
        confirm();
        plot(fresh, {0.0f, 0.5f, 1.0f}, c.y);
        EXPECT_EQ(proposal(run), std::make_pair(c.proposedMin, c.proposedMax)) << "case " << run;
        EXPECT_EQ(fresh.ymin, static_cast<float>(c.proposedMin));
        EXPECT_EQ(fresh.ymax, static_cast<float>(c.proposedMax));
        ++run;
    }
    EXPECT_TRUE(platform_.callsNamed("messageBox").empty()) << "every proposal was accepted";
}

TEST_F(GraphPaneTest, ConfirmingEqualLimitsDrawsTheAxesFromOneBelow) {
    confirm("50", "50");
    plot(pane, {0.0f, 1.0f}, {50.0f, 50.0f});
    EXPECT_EQ(pane.ymin, 49.0f);
    EXPECT_EQ(pane.ymax, 50.0f);
    EXPECT_EQ(textsAt(X0 + 17, Y0 + 272), (std::vector<std::string>{"   49.0000"}));
    EXPECT_EQ(textsAt(X0 + 17, Y0 + 72), (std::vector<std::string>{"   50.0000"}));
    // A series at the top of the range runs along the ymax tick.
    const DrawnLine& last = platform_.lines().back();
    EXPECT_EQ(last.y2, Y0 + 80);
}

TEST_F(GraphPaneTest, TheUsersValuesAreTakenAsTheyAre) {
    confirm("-10,5", "1e3");  // a comma ends a value
    plot(pane, {0.0f, 1.0f}, {20.0f, 80.0f});
    EXPECT_EQ(pane.ymin, -10.0f);
    EXPECT_EQ(pane.ymax, 1000.0f);
}

// ---- the two error loops -----------------------------------------------------------

struct ScaleErrorCase {
    const char* name;
    const char* tmin;
    const char* tmax;
    const char* message;
};

class ScaleErrorTest : public GraphPaneTest,
                       public ::testing::WithParamInterface<ScaleErrorCase> {};

TEST_P(ScaleErrorTest, WarnsAndProposesTheSameValuesAgain) {
    const auto& c = GetParam();
    confirm(c.tmin, c.tmax);
    platform_.expectMessageBox(platform::kAnswerOk, c.message, "Attention", platform::kMessageOk);
    confirm("0", "100");
    plot(pane, {0.0f, 1.0f}, {20.0f, 80.0f}, {700.0, {}});
    platform_.verifyScriptDone();
    ASSERT_EQ(platform_.dialogRuns().size(), 2u);
    EXPECT_EQ(proposal(1), proposal(0));
    EXPECT_EQ(proposal(1), std::make_pair(20.0, 700.0));
    EXPECT_EQ(pane.ymin, 0.0f);
    EXPECT_EQ(pane.ymax, 100.0f);
    // After each release of the dialog and after the message.
    EXPECT_EQ(tutorialRequests(), 3u);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ScaleErrorTest,
    ::testing::Values(ScaleErrorCase{"NotANumber", "abc", "",
                                     "There is a error in the reading! Please inform again."},
                      ScaleErrorCase{"EmptyBox", "", " ",
                                     "There is a error in the reading! Please inform again."},
                      ScaleErrorCase{"BeyondSinglePrecision", "1e39", "",
                                     "There is a error in the reading! Please inform again."},
                      ScaleErrorCase{
                          "MinAboveMax", "500", "100",
                          "ymax must to be larger or equal to the ymin! Please inform again."}),
    [](const auto& each) { return std::string(each.param.name); });

TEST_F(GraphPaneTest, EscapeStillReadsTheBoxes) {
    platform_.expectDialog(scale::kTemplate).type(scale::kTmaxEdit, "90").escape();
    plot(pane, {0.0f, 1.0f}, {20.0f, 80.0f});
    EXPECT_EQ(pane.ymin, 20.0f);
    EXPECT_EQ(pane.ymax, 90.0f);
}

// ---- the pane's language -----------------------------------------------------------

TEST_F(GraphPaneTest, PortugueseFromTheLanguageFile) {
    writeLanguage("           1\n");
    confirm("x", "");
    platform_.expectMessageBox(platform::kAnswerOk,
                               "Houve um erro na leitura! Por favor informe novamente.", "Atenção",
                               platform::kMessageOk);
    confirm();
    plot(pane, {0.0f, 1.0f}, {20.0f, 80.0f});
    EXPECT_EQ(pane.language, 1);
    EXPECT_EQ(platform_.dialogRuns()[0].atStart.at(scale::kGroup).text,
              "Valores para definição da escala");
}

TEST_F(GraphPaneTest, AnUnreadableLanguageFileMeansEnglishAndIsRewritten) {
    for (const char* bad : {"", "one\n", "1.5e0x\n"}) {
        writeLanguage(bad);
        ScriptedPlatform platform;
        GraphPane fresh(platform, languageFile());
        fresh.language = 1;
        platform.expectDialog(scale::kTemplate).press(platform::kButtonOk);
        plot(fresh, {0.0f, 1.0f}, {20.0f, 80.0f});
        EXPECT_EQ(fresh.language, 2) << bad;
        EXPECT_EQ(platform.dialogRuns()[0].atStart.at(scale::kGroup).text,
                  "Values for definition of the scale");
        EXPECT_EQ(text::readInteger(languageFileLine()), 2) << bad;
    }
}

TEST_F(GraphPaneTest, ATimeGraphKeepsTheLanguageItHasWithoutReadingTheFile) {
    pane.language = 1;
    pane.graphMode = kTimeGraph;
    confirm();
    plot(pane, {0.0f, 1.0f}, {20.0f, 80.0f});
    EXPECT_EQ(pane.language, 1);
    EXPECT_FALSE(std::filesystem::exists(languageFile()));
}

// ---- axes, labels, title ---------------------------------------------------------------

TEST_F(GraphPaneTest, AxesAndTicksAreDrawnInBlackAtTheirPlaces) {
    confirm();
    plot(pane, {0.0f, 1.0f}, {20.0f, 80.0f});
    const auto& lines = platform_.lines();
    auto drawn = [&](int x1, int y1, int x2, int y2) {
        for (const auto& line : lines) {
            if (line.x1 == x1 && line.y1 == y1 && line.x2 == x2 && line.y2 == y2) {
                return line.colour.index == 0;
            }
        }
        return false;
    };
    EXPECT_TRUE(drawn(X0 + 100, Y0 + 20, X0 + 100, Y0 + 280));
    EXPECT_TRUE(drawn(X0 + 100, Y0 + 280, X0 + 380, Y0 + 280));
    EXPECT_TRUE(drawn(X0 + 99, Y0 + 20, X0 + 99, Y0 + 281));
    EXPECT_TRUE(drawn(X0 + 99, Y0 + 281, X0 + 380, Y0 + 281));
    EXPECT_TRUE(drawn(X0 + 100, Y0 + 281, X0 + 100, Y0 + 285));
    EXPECT_TRUE(drawn(X0 + 300, Y0 + 281, X0 + 300, Y0 + 285));
    for (int y : {Y0 + 280, Y0 + 80, Y0 + 180}) EXPECT_TRUE(drawn(X0 + 99, y, X0 + 95, y)) << y;
    EXPECT_EQ(pane.scaleDefined, 1);
}

TEST_F(GraphPaneTest, LabelsAreFixedPointWithoutTrailingBlanks) {
    confirm("-12.34567", "");
    pane.GRAF_2D(2, std::vector<float>{0.0f, 0.05f, 0.1f}, std::vector<float>{20, 30, 80}, 12, X0,
                 Y0, "X                             ", "T                             ",
                 "Profile (Tab. LU)", {}, kLinePlot);
    EXPECT_EQ(textsAt(X0 + 30, Y0 + 292), (std::vector<std::string>{"    0.0000"}));
    EXPECT_EQ(textsAt(X0 + 305, Y0 + 292), (std::vector<std::string>{"    0.1000"}));
    EXPECT_EQ(textsAt(X0 + 17, Y0 + 272), (std::vector<std::string>{"  -12.3457"}));
    EXPECT_EQ(textsAt(X0 + 17, Y0 + 72), (std::vector<std::string>{"  400.0000"}));
    EXPECT_EQ(textsAt(X0 + 390, Y0 + 272), (std::vector<std::string>{"X"}));
    ASSERT_EQ(textsAt(X0 + 92, Y0 - 5).size(), 1u);
    EXPECT_EQ(textsAt(X0 + 92, Y0 - 5)[0].substr(0, 2), "T ");
    for (const auto& text : platform_.texts()) EXPECT_EQ(text.colour.index, 0) << text.text;
}

struct TitleCase {
    const char* name;
    std::int32_t graphMode;
    int x, y;
};

class TitleTest : public GraphPaneTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(TitleTest, TheTitleSitsWhereItsGraphModePutsIt) {
    const auto& c = GetParam();
    pane.graphMode = c.graphMode;
    confirm();
    plot(pane, {0.0f, 1.0f}, {20.0f, 80.0f});
    const auto titles = textsAt(X0 + c.x, Y0 + c.y);
    ASSERT_EQ(titles.size(), 1u);
    // Drawn with all its fifty characters.
    EXPECT_EQ(titles[0], std::string("Profile (Tab. LU)") + std::string(33, ' '));
    const auto rotations = platform_.callsNamed("setTextRotation");
    ASSERT_EQ(rotations.size(), 1u);
    EXPECT_EQ(rotations[0].numbers[0], 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, TitleTest,
                         ::testing::Values(TitleCase{"Profile", kProfileGraph, 320, 90},
                                           TitleCase{"Time", kTimeGraph, 150, 25}),
                         [](const auto& each) { return std::string(each.param.name); });

// ---- the curve ---------------------------------------------------------------------------

// Lines of the curve: those drawn in the curve's colour.
std::vector<DrawnLine> curve(const ScriptedPlatform& platform, int colour) {
    std::vector<DrawnLine> found;
    for (const auto& line : platform.lines()) {
        if (line.colour.index == colour) found.push_back(line);
    }
    return found;
}

TEST_F(GraphPaneTest, TheCurveRunsThroughTheMappedPixels) {
    confirm("0", "100");
    // Abscissas 0..2 span the 200 pixels; ordinates 0..100 as well.
    plot(pane, {0.0f, 0.5f, 1.0f, 2.0f}, {0.0f, 50.0f, 75.0f, 100.0f});
    const auto lines = curve(platform_, 12);
    ASSERT_EQ(lines.size(), 4u);
    // Starts with the move to the first point: the first segment is a dot.
    EXPECT_EQ((std::array{lines[0].x1, lines[0].y1}), (std::array{X0 + 100, Y0 + 280}));
    const std::vector<std::array<int, 2>> expected{
        {X0 + 100, Y0 + 280}, {X0 + 150, Y0 + 180}, {X0 + 200, Y0 + 130}, {X0 + 300, Y0 + 80}};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ((std::array{lines[i].x2, lines[i].y2}), expected[i]) << i;
        if (i > 0) {
            EXPECT_EQ((std::array{lines[i].x1, lines[i].y1}), expected[i - 1]) << i;
        }
    }
    EXPECT_EQ(pane.xa, 0.0f);
    EXPECT_EQ(pane.xb, 2.0f);
}

// With drawing going nowhere the pane skips the curve's pixels, but the
// next line still starts where the drawn curve would have ended.
TEST_F(GraphPaneTest, AHeadlessCurveEndsWhereTheDrawnOneEnds) {
    confirm("0", "100");
    plot(pane, {0.0f, 1.0f}, {0.0f, 10.0f});
    platform_.setRecording(false);
    plot(pane, {0.0f, 0.5f, 1.0f, 2.0f}, {0.0f, 50.0f, 75.0f, 100.0f});
    platform_.setRecording(true);
    platform_.lineTo(0, 0);
    const auto lines = curve(platform_, 12);
    ASSERT_EQ(lines.size(), 3u);  // the first curve and the line after the second
    EXPECT_EQ((std::array{lines[2].x1, lines[2].y1}), (std::array{X0 + 300, Y0 + 80}));
    EXPECT_EQ(pane.xb, 2.0f);
}

// Offsets are truncated toward zero, not rounded and not floored.
struct TruncationCase {
    float y;
    int py;
};

class TruncationTest : public GraphPaneTest,
                       public ::testing::WithParamInterface<TruncationCase> {};

TEST_P(TruncationTest, OrdinatesTruncateTowardZero) {
    confirm("0", "200");  // one pixel per unit
    plot(pane, {0.0f, 1.0f}, {GetParam().y, 100.0f});
    const auto lines = curve(platform_, 12);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().y2, Y0 + GetParam().py);
}

INSTANTIATE_TEST_SUITE_P(Offsets, TruncationTest,
                         ::testing::Values(TruncationCase{10.9f, 270}, TruncationCase{10.1f, 270},
                                           TruncationCase{-0.9f, 280}, TruncationCase{-1.5f, 281},
                                           TruncationCase{199.99f, 81}),
                         [](const auto& row) {
                             return "y_" + calorvia::testing::numberName(row.param.y);
                         });

TEST_F(GraphPaneTest, LaterCallsOnlyAddCurves) {
    confirm("0", "100");
    plot(pane, {0.0f, 1.0f}, {0.0f, 100.0f});
    const auto linesAfterFirst = platform_.lines().size();
    const auto textsAfterFirst = platform_.texts().size();
    pane.GRAF_2D(1, std::vector<float>{0.0f, 4.0f}, std::vector<float>{50.0f, 50.0f}, 9, X0, Y0,
                 "X", "T", "title", {}, kLinePlot);
    platform_.verifyScriptDone();  // no second scale dialog
    EXPECT_EQ(platform_.texts().size(), textsAfterFirst);
    EXPECT_EQ(platform_.lines().size(), linesAfterFirst + 2);
    // The new series spans the axis with its own first and last abscissa.
    const auto lines = curve(platform_, 9);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines.back().x2, X0 + 300);
    EXPECT_EQ(lines.back().y2, Y0 + 180);
    EXPECT_EQ(pane.xb, 4.0f);
}

TEST_F(GraphPaneTest, DotsArePlacedWithTheStoredAbscissas) {
    pane.graphMode = kTimeGraph;
    confirm("0", "100");
    plot(pane, {0.0f, 5.0f, 10.0f}, {0.0f, 50.0f, 100.0f});
    // Experimental points whose own times span 5..7.5, not the curve's 0..10.
    plot(pane, {5.0f, 7.5f}, {50.0f, 25.0f}, {}, kDotsOverlay);
    const auto& dots = platform_.ellipses();
    ASSERT_EQ(dots.size(), 2u);
    const std::vector<std::array<int, 4>> boxes{{X0 + 198, Y0 + 178, X0 + 202, Y0 + 182},
                                                {X0 + 248, Y0 + 228, X0 + 252, Y0 + 232}};
    for (std::size_t i = 0; i < dots.size(); ++i) {
        EXPECT_EQ((std::array{dots[i].x1, dots[i].y1, dots[i].x2, dots[i].y2}), boxes[i]) << i;
        EXPECT_EQ(dots[i].fill, platform::FillMode::Filled);
        EXPECT_EQ(dots[i].colour.index, 0);
    }
    // Dots leave the kept abscissas alone.
    EXPECT_EQ(pane.xa, 0.0f);
    EXPECT_EQ(pane.xb, 10.0f);
}

TEST_F(GraphPaneTest, ASinglePointSeriesLandsOnTheVerticalAxis) {
    confirm("0", "100");
    plot(pane, {3.0f}, {50.0f});
    const auto lines = curve(platform_, 12);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x2, X0 + 100);
    EXPECT_EQ(lines[0].y2, Y0 + 180);
}

TEST_F(GraphPaneTest, ShortArraysDrawNothing) {
    pane.GRAF_2D(3, std::vector<float>{0, 1, 2, 3}, std::vector<float>{0, 1, 2}, 12, X0, Y0, "X",
                 "T", "t", {}, kLinePlot);
    pane.GRAF_2D(-1, std::vector<float>{}, std::vector<float>{}, 12, X0, Y0, "X", "T", "t", {},
                 kLinePlot);
    EXPECT_TRUE(platform_.calls().empty());
    EXPECT_EQ(pane.scaleDefined, 0);
}

// ---- fonts ---------------------------------------------------------------------------------

TEST_F(GraphPaneTest, FontsAreTriedInOrderUntilOneIsAccepted) {
    const std::vector<std::string> fonts{"t'Arial'h16", "t'times new roman'h17",
                                         "t'courier new'h16", "t'Tahoma'h16",
                                         "t'CAC FUTURA CASUAL'h16"};
    for (std::size_t refused = 0; refused <= fonts.size(); ++refused) {
        ScriptedPlatform platform;
        for (std::size_t i = 0; i < refused; ++i) platform.refuseFont(fonts[i]);
        GraphPane fresh(platform, languageFile());
        fresh.scaleDefined = 1;
        plot(fresh, {0.0f, 1.0f}, {0.0f, 1.0f});
        const auto tried = platform.callsNamed("selectFont");
        ASSERT_EQ(tried.size(), std::min(refused + 1, fonts.size())) << refused;
        for (std::size_t i = 0; i < tried.size(); ++i) EXPECT_EQ(tried[i].texts[0], fonts[i]);
        // Whatever font is had, or none, the curve is drawn.
        EXPECT_EQ(curve(platform, 12).size(), 2u);
    }
}

}  // namespace
}  // namespace calorvia::graphs
