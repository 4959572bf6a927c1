#include "simulation/case_writer.h"

#include <gtest/gtest.h>

#include "simulation/case_loader.h"
#include "support/program_folder.h"
#include "text/fixed_text.h"
#include "text/text_file.h"

namespace calorvia::simulation {
namespace {

CaseFileContent unsteadyContent() {
    CaseFileContent c;
    c.Lx = {"0,3", 0.3};
    c.N = 10;
    c.K = "0.5+0.01*T   ";
    c.Sc = "1000";
    c.Sp = "-2";
    c.state = CaseState::Unsteady;
    c.method = SolutionMethod::GaussSeidel;
    c.Ti = "20*x";
    c.Rho = "8000";
    c.Cp = "500";
    c.Delt_t = {"0.1", 0.1};
    c.Nst = 40;
    c.No = 3;
    c.west = {.Phi = "150", .condition = {.type = BoundaryType::Flux, .Phi = 150.0}};
    c.east = {.h = "25",
              .Tinf = "1e-3",
              .condition = {.type = BoundaryType::Convection, .h = 25.0, .Tinf = 1e-3}};
    c.u = {"0", 0.0};
    return c;
}

TEST(CaseWriter, WorkingLayoutHoldsNumbersOnePerLine) {
    const std::vector<std::string> lines =
        caseFileLines(unsteadyContent(), CaseFileLayout::Working);
    const std::vector<std::string> expected = {
        " 0.3", " 10", "0.5+0.01*T", "1000", "-2", " 2",  " 1",     "20*x", "8000", "500",
        " 0.1", " 40", " 3",         " 2",   " 150", " 3", " 25",   " 0.001", " 0"};
    EXPECT_EQ(lines, expected);
}

TEST(CaseWriter, SavedLayoutKeepsEntryTextsFiftyCharactersWide) {
    const std::vector<std::string> lines = caseFileLines(unsteadyContent(), CaseFileLayout::Saved);
    ASSERT_EQ(lines.size(), 19u);
    for (std::size_t i : {0u, 10u, 14u, 16u, 17u, 18u}) {
        EXPECT_EQ(lines[i].size(), 50u) << "line " << i + 1;
    }
    EXPECT_EQ(lines[0].substr(0, 4), "0,3 ");
    EXPECT_EQ(lines[17].substr(0, 5), "1e-3 ");
    EXPECT_EQ(lines[1], " 10");
    EXPECT_EQ(lines[2], "0.5+0.01*T");
}

TEST(CaseWriter, TransientBlockFollowsStateAndVelocity) {
    struct Case {
        CaseState state;
        double u;
        std::size_t lines;
    };
    // 19 lines with the block; 13 without it.
    constexpr CaseState Steady = CaseState::Steady;
    constexpr CaseState Unsteady = CaseState::Unsteady;
    for (const Case& k : {Case{Unsteady, 0.0, 19}, Case{Steady, 0.5, 19}, Case{Steady, 0.0, 13},
                          Case{Steady, -1.0, 13}, Case{Unsteady, -1.0, 19}}) {
        CaseFileContent content = unsteadyContent();
        content.state = k.state;
        content.u = {"", k.u};
        for (CaseFileLayout layout : {CaseFileLayout::Working, CaseFileLayout::Saved}) {
            const std::vector<std::string> lines = caseFileLines(content, layout);
            EXPECT_EQ(lines.size(), k.lines) << "state " << fileNumber(k.state) << " u " << k.u;
            EXPECT_EQ(lines[7] == "20*x", k.lines == 19);
        }
    }
}

TEST(CaseWriter, SmallestAndLargestFiles) {
    CaseFileContent smallest = unsteadyContent();
    smallest.state = CaseState::Steady;
    smallest.west = {.T = "1", .condition = {.type = BoundaryType::Temperature, .T = 1.0}};
    smallest.east = {.Phi = "1", .condition = {.type = BoundaryType::Flux, .Phi = 1.0}};
    // Seven general lines, a type and one value at each end, the velocity.
    EXPECT_EQ(caseFileLines(smallest, CaseFileLayout::Working).size(), 12u);
    CaseFileContent largest = unsteadyContent();
    largest.west = {.h = "1",
                    .Tinf = "2",
                    .condition = {.type = BoundaryType::Convection, .h = 1.0, .Tinf = 2.0}};
    // Plus the six-line transient block and two convection values at each end.
    EXPECT_EQ(caseFileLines(largest, CaseFileLayout::Working).size(), 20u);
}

TEST(CaseWriter, WorkingFileReadsBackToTheSameValues) {
    CaseFileContent content = unsteadyContent();
    content.Lx.value = 0.1 + 0.2;  // not the shortest decimal: must still round-trip
    content.Delt_t.value = 1.0 / 3.0;
    content.u.value = 0.0;
    const CaseLoadResult result =
        loadCaseFromLines(caseFileLines(content, CaseFileLayout::Working));
    ASSERT_TRUE(result.ok());
    const SimulationCase& c = result.loaded->simulationCase;
    EXPECT_EQ(c.Lx, 0.1 + 0.2);
    EXPECT_EQ(c.Delt_t, 1.0 / 3.0);
    EXPECT_EQ(c.N, 10);
    EXPECT_EQ(c.Nst, 40);
    EXPECT_EQ(c.No, 3);
    EXPECT_EQ(c.west, (BoundaryCondition{BoundaryType::Flux, 0, 150, 0, 0}));
    EXPECT_EQ(c.east, (BoundaryCondition{BoundaryType::Convection, 0, 0, 25, 1e-3}));
}

// A plane case has no geometry line, whatever ri holds; a radial case adds
// exactly one, after the velocity, in both layouts.
TEST(CaseWriter, OnlyARadialCaseAddsItsGeometryLine) {
    CaseFileContent plane = unsteadyContent();
    plane.ri = {"7", 7.0};
    for (CaseFileLayout layout : {CaseFileLayout::Working, CaseFileLayout::Saved}) {
        const std::vector<std::string> planeLines = caseFileLines(unsteadyContent(), layout);
        EXPECT_EQ(caseFileLines(plane, layout), planeLines);
        for (Geometry g : {Geometry::Cylinder, Geometry::Sphere}) {
            CaseFileContent radial = unsteadyContent();
            radial.geometry = g;
            radial.ri = {"0.05", 0.05};
            std::vector<std::string> lines = caseFileLines(radial, layout);
            ASSERT_EQ(lines.size(), planeLines.size() + 1);
            const std::string keyword(geometryKeyword(g));
            const std::string value = layout == CaseFileLayout::Working
                                          ? std::string("0.05")
                                          : text::fitToWidth("0.05", EntryTextWidth);
            EXPECT_EQ(lines.back(), keyword + " " + value);
            lines.pop_back();
            EXPECT_EQ(lines, planeLines);
        }
    }
}

TEST(CaseWriter, RadialWorkingFileReadsBackToTheSameBody) {
    for (Geometry g : {Geometry::Cylinder, Geometry::Sphere}) {
        for (double ri : {0.0, 0.1 + 0.2, 1.0E-7, 250.0}) {
            CaseFileContent content = unsteadyContent();
            content.geometry = g;
            content.ri = {"", ri};
            const CaseLoadResult result =
                loadCaseFromLines(caseFileLines(content, CaseFileLayout::Working));
            ASSERT_TRUE(result.ok());
            const SimulationCase& c = result.loaded->simulationCase;
            EXPECT_EQ(c.geometry, g);
            EXPECT_EQ(c.ri, ri);
            EXPECT_EQ(c.east, (BoundaryCondition{BoundaryType::Convection, 0, 0, 25, 1e-3}));
            EXPECT_EQ(c.u, 0.0);
        }
    }
}

TEST(CaseWriter, WritesThroughATemporaryFileAndReportsFailure) {
    const calorvia::testing::TemporaryFolder folder;
    const std::filesystem::path& directory = folder.path();
    const auto path = directory / "case.txt";
    ASSERT_TRUE(writeCaseFile(path, unsteadyContent(), CaseFileLayout::Saved));
    const auto lines = text::readTextLines(path);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, caseFileLines(unsteadyContent(), CaseFileLayout::Saved));

    std::filesystem::create_directories(directory / "Loaded.txt" / "busy");
    EXPECT_FALSE(writeCaseFile(directory / "Loaded.txt", unsteadyContent(),
                               CaseFileLayout::Working));
    EXPECT_FALSE(writeCaseFile(directory / "absent" / "x.txt", unsteadyContent(),
                               CaseFileLayout::Working));
}

}  // namespace
}  // namespace calorvia::simulation
