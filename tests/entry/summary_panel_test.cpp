// The summary panel's drawing: where each line stands, what it says in
// either language, and how the panel is cleared.

#include <gtest/gtest.h>

#include <algorithm>

#include "entry/summary_panel.h"
#include "support/scripted_platform.h"

namespace calorvia::entry {
namespace {

using platform::DrawnText;
using platform::ScriptedPlatform;
using texts::Language;

CaseEntry sampleCase() {
    CaseEntry e;
    e.Lx = "0.5" + std::string(47, ' ');
    e.N = "40";
    e.K = "2*t + 1";
    e.Sc = "-5";
    e.Sp = "0";
    e.u = "0.25";
    e.uValue = 0.25;
    e.state = simulation::CaseState::Unsteady;
    e.method = simulation::SolutionMethod::GaussSeidel;
    e.Ti = "20";
    e.Rho = "1000";
    e.Cp = "4.18";
    e.Delt_t = "0.1";
    e.Nst = "100";
    e.No = "20";
    return e;
}

class SummaryPanelTest : public ::testing::Test {
protected:
    SummaryPanel panel(Language language, shell::LayoutOrigin origin = {2, 2}) {
        return SummaryPanel(platform, origin, language);
    }
    // The text drawn, or none.
    const DrawnText* findText(const std::string& text) const {
        const auto& texts = platform.texts();
        const auto found = std::find_if(texts.begin(), texts.end(),
                                        [&](const DrawnText& each) { return each.text == text; });
        return found == texts.end() ? nullptr : &*found;
    }
    ScriptedPlatform platform;
};

TEST_F(SummaryPanelTest, StepOneLinesStandAtTheirRowsInBlackTheVelocityAfterTheMethod) {
    panel(Language::English, {114, 86}).drawGeneral(sampleCase());
    struct Row {
        const char* text;
        int x, y;
    };
    for (const Row& row :
         {Row{"Lx = 0.5 <= W-E distance", 40, 40},
          Row{"N = 40 <= Number of control volumes", 40, 65},
          Row{"K = 2*t + 1 <= conductivity", 40, 90}, Row{"Sc = -5 <= Sc source", 40, 115},
          Row{"Sp = 0 <= Sp source", 40, 140}, Row{"Unsteady state simulation", 40, 165},
          Row{"Use Gauss-Sidel    u = ", 40, 190}, Row{"0.25", 290, 190}}) {
        const DrawnText* drawn = findText(row.text);
        ASSERT_NE(drawn, nullptr) << row.text;
        EXPECT_EQ(drawn->x, 114 + row.x) << row.text;
        EXPECT_EQ(drawn->y, 86 + row.y) << row.text;
        EXPECT_EQ(drawn->colour.rgb, 0x000000u) << row.text;
        EXPECT_EQ(drawn->font, "t'Arial'h16") << row.text;
    }

    // With tab. LU the velocity starts further right.
    CaseEntry e = sampleCase();
    e.method = simulation::SolutionMethod::TabLU;
    e.state = simulation::CaseState::Steady;
    platform.clearRecords();
    panel(Language::Portuguese).drawGeneral(e);
    ASSERT_NE(findText("Use tab. LU    u = "), nullptr);
    EXPECT_EQ(findText("0.25")->x, 302);
    EXPECT_NE(findText("Simulação em regime permanente"), nullptr);
    EXPECT_NE(findText("Lx = 0.5 <= Distância O-L"), nullptr);
}

TEST_F(SummaryPanelTest, TheTransientSummaryShowsValuesOrPlaceholders) {
    panel(Language::English).drawTransient(sampleCase());
    EXPECT_NE(findText("Rho = 1000 <= Density"), nullptr);
    EXPECT_NE(findText("Unsteady state for the node 20"), nullptr);
    EXPECT_EQ(findText("Nst = 100 <= Number of steps in the time")->x, 396);

    CaseEntry steady = sampleCase();
    steady.state = simulation::CaseState::Steady;
    steady.uValue = 0.0;
    platform.clearRecords();
    panel(Language::Portuguese).drawTransient(steady);
    for (const char* line :
         {"Ti = ******* <= Temperatura inicial", "Ro = ******* <= Densidade",
          "Cp = ******* <= Calor específico", "Delta_t = ******* <= Intervalo de tempo",
          "Npt = ******* <= Número de passos no tempo",
          "Acompanhamento transiente do nó *******"}) {
        EXPECT_NE(findText(line), nullptr) << line;
    }
    // The upper right quarter is cleared first.
    ASSERT_FALSE(platform.rectangles().empty());
    const auto& cleared = platform.rectangles().front();
    EXPECT_EQ(cleared.x1, 2 + 369);
    EXPECT_EQ(cleared.y2, 2 + 190);
}

TEST_F(SummaryPanelTest, BoundaryLinesFollowTheType) {
    // T is another group's text: kept, never shown.
    const BoundaryEntry west{
        .T = "99", .Phi = "-3", .condition = {.type = simulation::BoundaryType::Flux}};
    const BoundaryEntry east{
        .h = "{}", .Tinf = "20", .condition = {.type = simulation::BoundaryType::Convection}};
    panel(Language::Portuguese).drawWest(west);
    panel(Language::Portuguese).drawEast(east);
    const DrawnText* westLine = findText("Em x = 0.0:  Fi = -3");
    ASSERT_NE(westLine, nullptr);
    EXPECT_EQ(westLine->x, 42);
    EXPECT_EQ(westLine->y, 242);
    const DrawnText* eastLine = findText("Em x = L:  h = {}   Tinf = 20");
    ASSERT_NE(eastLine, nullptr);
    EXPECT_EQ(eastLine->x, 396);
}

TEST_F(SummaryPanelTest, ClearingTheWholePanelRedrawsTheEngravedLines) {
    panel(Language::English).clearWhole();
    ASSERT_EQ(platform.rectangles().size(), 1u);
    EXPECT_EQ(platform.rectangles()[0].colour.rgb, platform::rgb(192, 192, 192));
    EXPECT_EQ(platform.rectangles()[0].x2, 753);
    const auto& lines = platform.lines();
    ASSERT_EQ(lines.size(), 8u);
    // Each dark line has a white twin one pixel right or down.
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        EXPECT_EQ(lines[i].colour.rgb, platform::rgb(128, 128, 128));
        EXPECT_EQ(lines[i + 1].colour.rgb, platform::rgb(255, 255, 255));
        const bool vertical = lines[i].x1 == lines[i].x2;
        EXPECT_EQ(lines[i + 1].x1 - lines[i].x1, vertical ? 1 : 0);
        EXPECT_EQ(lines[i + 1].y1 - lines[i].y1, vertical ? 0 : 1);
    }
    EXPECT_EQ(lines[0].x1, 369);
    EXPECT_EQ(lines[0].y1, 32);
    EXPECT_EQ(lines[0].y2, 172);
}

TEST_F(SummaryPanelTest, WithoutAnyOfItsFontsTheDefaultFontServes) {
    platform.refuseAllFonts();
    panel(Language::English).drawGeneral(sampleCase());
    const DrawnText* drawn = findText("Sc = -5 <= Sc source");
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(drawn->font, "");
    EXPECT_EQ(platform.callsNamed("selectFont").size(), 5u);
}

}  // namespace
}  // namespace calorvia::entry
