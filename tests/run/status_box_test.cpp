// The status boxes of a run: light cyan (the COLORREF 0xFFF000), every text
// inside its box in whatever language, and nothing left when the boxes are
// erased; the Gauss-Seidel sweep count keeps its leading blanks.

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "run_test_support.h"
#include "texts/run_texts.h"

namespace calorvia::run::testing {

using namespace simulation;
namespace {

using platform::kAnswerNo;
using texts::RunText;

constexpr platform::Rgb LightCyan = platform::rgb(0, 240, 255);
constexpr platform::Rgb White = platform::rgb(255, 255, 255);

struct Box {
    int x1, y1, x2, y2;
    bool operator<(const Box& other) const {
        return std::tie(x1, y1, x2, y2) < std::tie(other.x1, other.y1, other.x2, other.y2);
    }
};

// The scripted platform's measure: (h + 1) / 2 pixels a character and h
// pixels a line in a font h pixels high, 16 without a font.
int modelHeight(const platform::DrawnText& text) {
    const auto at = text.font.find("'h");
    return at == std::string::npos ? 16 : std::stoi(text.font.substr(at + 2));
}
int modelWidth(const platform::DrawnText& text) {
    int characters = 0;
    for (const char byte : text.text) characters += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return characters * ((modelHeight(text) + 1) / 2);
}

struct RunCase {
    const char* name;
    bool portuguese;
    CaseState state;
    SolutionMethod method;
};

void PrintTo(const RunCase& c, std::ostream* out) {
    *out << c.name;
}

class StatusBoxTest : public RunStoryTest, public ::testing::WithParamInterface<RunCase> {
protected:
    void runCase() {
        const RunCase& c = GetParam();
        if (c.portuguese) writeFile(file("idioma"), " 1\n");
        startShell();
        CaseFileContent content = c.state == CaseState::Unsteady ? unsteadyCase() : steadyCase();
        content.method = c.method;
        writeCase(content);
        if (c.method == SolutionMethod::GaussSeidel)
            platform.expectMessageBox(kAnswerNo, say(RunText::EstimateOffer));
        expectScale();
        if (c.state == CaseState::Unsteady) {
            platform.expectMessageBox(kAnswerNo, say(RunText::IncludeSteadyQuestion));
            expectTimeGraph();
        }
        expectInspect();
        ASSERT_NO_FATAL_FAILURE(expectFinishedRun());
    }
};

TEST_P(StatusBoxTest, BoxesAreLightCyanHoldTheirTextsAndAreErasedWhole) {
    runCase();
    // A status box is whatever the run fills light cyan; every fill of its
    // place follows it.
    std::map<Box, std::vector<platform::Rgb>> fills;
    for (const auto& r : platform.rectangles()) {
        if (r.fill == platform::FillMode::Filled)
            fills[{r.x1, r.y1, r.x2, r.y2}].push_back(r.colour.rgb);
    }
    std::erase_if(fills,
                  [](const auto& f) { return std::ranges::count(f.second, LightCyan) == 0; });
    ASSERT_FALSE(fills.empty());
    // A text that starts in a box ends before its border, which the erase
    // covers.
    std::map<Box, int> held;
    for (const auto& text : platform.texts()) {
        bool starts = false, fits = false;
        for (const auto& [box, colours] : fills) {
            if (text.x < box.x1 || text.x >= box.x2 || text.y < box.y1 || text.y >= box.y2)
                continue;
            starts = true;
            const bool inside =
                text.x + modelWidth(text) <= box.x2 && text.y + modelHeight(text) <= box.y2;
            held[box] += inside;
            fits = fits || inside;
        }
        EXPECT_TRUE(fits || !starts) << '"' << text.text << "\" " << text.font << " at " << text.x;
    }
    for (const auto& [box, colours] : fills) {
        // Drawn light cyan with its text, erased white at the end.
        EXPECT_GT(held[box], 0) << box.x1 << "," << box.y1;
        EXPECT_EQ(colours.back(), White) << box.x1 << "," << box.y1;
        for (const platform::Rgb colour : colours) {
            EXPECT_TRUE(colour == LightCyan || colour == White) << box.x1 << "," << box.y1;
        }
    }

    // After the boxes the run's own font is back: the computing time under
    // the graph is in the first font of the run.
    const std::string elapsed = say(RunText::ElapsedTimeIn);
    const auto last = std::find_if(platform.texts().rbegin(), platform.texts().rend(),
                                   [&](const auto& t) { return t.text.rfind(elapsed, 0) == 0; });
    ASSERT_NE(last, platform.texts().rend());
    EXPECT_EQ(last->font, "t'Arial'h16");
}

INSTANTIATE_TEST_SUITE_P(
    Runs, StatusBoxTest,
    ::testing::Values(RunCase{"SteadyEnglish", false, CaseState::Steady, SolutionMethod::TabLU},
                      RunCase{"SteadyPortuguese", true, CaseState::Steady, SolutionMethod::TabLU},
                      RunCase{"UnsteadyEnglish", false, CaseState::Unsteady, SolutionMethod::TabLU},
                      RunCase{"UnsteadyPortuguese", true, CaseState::Unsteady, SolutionMethod::TabLU},
                      RunCase{"GaussSeidelPortuguese", true, CaseState::Steady,
                              SolutionMethod::GaussSeidel}),
    [](const ::testing::TestParamInfo<RunCase>& run) { return std::string(run.param.name); });

// The sweep count is written in free form: the list's blank and the number
// right-aligned in 12 characters; only trailing blanks are removed.
TEST_F(RunStoryTest, TheSweepCountKeepsItsLeadingBlanks) {
    startShell();
    CaseFileContent c = steadyCase();
    c.method = SolutionMethod::GaussSeidel;
    writeCase(c);
    platform.expectMessageBox(kAnswerNo, say(RunText::EstimateOffer));
    expectScaleThenInspect();
    ASSERT_EQ(runOnce(), RunOutcome::Finished);
    std::vector<std::string> counts;
    for (const auto& t : platform.texts()) {
        if (t.x == 333 && t.y == 183) counts.push_back(t.text);
    }
    // From the ramp the sweeps take more than 5·N = 25: at least one count.
    ASSERT_FALSE(counts.empty());
    for (const std::string& count : counts) {
        ASSERT_EQ(count.size(), 13u) << '"' << count << '"';
        EXPECT_EQ(count.front(), ' ') << '"' << count << '"';
        EXPECT_EQ(std::stoi(count) % 25, 0) << count;
    }
    EXPECT_EQ(counts.front(), "           25");
}

}  // namespace
}  // namespace calorvia::run::testing
