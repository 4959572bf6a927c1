// Reading a saved case file into the wizard's record.

#include <gtest/gtest.h>

#include "entry/saved_case_reader.h"
#include "platform/dialog_bindings.h"
#include "support/case_names.h"
#include "text/fixed_text.h"

namespace calorvia::entry {
namespace {

using text::fitToWidth;

std::vector<std::string> steadyLines(std::string K, bool velocityLine, std::string eastValue) {
    std::vector<std::string> lines({fitToWidth("1", 50), " 10", std::move(K), "0", "0", " 1", " 2",
                                    " 1", fitToWidth("100", 50), " 1",
                                    fitToWidth(std::move(eastValue), 50)});
    if (velocityLine) lines.push_back(fitToWidth("0", 50));
    return lines;
}

// A steady case with velocity 0.5, which brings the transient block that a
// steady file then holds (Ti = 300, Nst = 1).
std::vector<std::string> convectiveLines() {
    auto lines = steadyLines("1", false, "80");
    lines.insert(lines.begin() + 7, {"300", "1000", "4180", fitToWidth("1", 50), " 1", " 5"});
    lines.push_back(fitToWidth("0.5", 50));
    return lines;
}

// A formula conductivity does not change the layout.
TEST(SavedCaseReaderTest, ASteadyCaseWithoutVelocityHasNoTransientTexts) {
    for (const std::string K : {"1", "2*t"}) {
        const auto reading = readSavedCase(steadyLines(K, true, "0"));
        ASSERT_TRUE(reading.ok()) << K;
        const CaseEntry& e = reading.entry;
        EXPECT_EQ(e.Lx, fitToWidth("1", 50)) << "50 characters, as saved";
        EXPECT_EQ(e.N, "10");
        EXPECT_EQ(e.K, K);
        EXPECT_EQ(e.Ti, "");
        EXPECT_EQ(e.Delt_t, "");
        EXPECT_EQ(e.Nst, "");
        EXPECT_TRUE(e.steadyChosen);
        EXPECT_FALSE(e.unsteadyChosen);
        EXPECT_FALSE(e.gaussSidelChosen);
        EXPECT_EQ(e.west.condition.type, simulation::BoundaryType::Temperature);
        EXPECT_EQ(platform::shownText(e.west.T), "100");
        EXPECT_EQ(platform::shownText(e.east.T), "0");
    }
}

// A missing velocity line gives zero. The last line of such a file is a
// boundary value; a positive one looks like a velocity, but the file reads
// to its end only without a transient block.
TEST(SavedCaseReaderTest, AMissingVelocityLineGivesZero) {
    for (const std::string east : {"0", "25"}) {
        const auto reading = readSavedCase(steadyLines("1", false, east));
        ASSERT_TRUE(reading.ok()) << east;
        EXPECT_EQ(reading.entry.u, "0.0");
        EXPECT_EQ(platform::shownText(reading.entry.east.T), east);
        EXPECT_EQ(reading.entry.Ti, "");
    }
}

// A steady case with a velocity carries the transient block; blank lines an
// editor left after the velocity must not hide it.
TEST(SavedCaseReaderTest, BlankLinesAfterTheVelocityAreIgnored) {
    const std::vector<std::string> saved = convectiveLines();
    const auto plain = readSavedCase(saved);
    ASSERT_TRUE(plain.ok());
    for (const std::vector<std::string>& tail :
         {std::vector<std::string>{""}, {"", "   ", ""}, {fitToWidth("", 50)}}) {
        std::vector<std::string> lines = saved;
        lines.insert(lines.end(), tail.begin(), tail.end());
        const auto reading = readSavedCase(lines);
        ASSERT_TRUE(reading.ok()) << tail.size() << " blank lines";
        EXPECT_EQ(platform::shownText(reading.entry.u), "0.5");
        EXPECT_EQ(reading.entry.Ti, "300");
        EXPECT_EQ(reading.entry.west.condition.type, simulation::BoundaryType::Temperature);
        EXPECT_EQ(platform::shownText(reading.entry.west.T), "100");
        EXPECT_EQ(platform::shownText(reading.entry.east.T), "80");
        EXPECT_EQ(reading.entry.NstValue, 1);
    }
}

TEST(SavedCaseReaderTest, AnyStateButSteadyChoosesUnsteady) {
    std::vector<std::string> lines{" 1", " 10", "1",  "0",  "0",  " 7",
                                   " 1", " 1",  " 1", " 1", " 0", " 0"};
    const auto reading = readSavedCase(lines);
    ASSERT_TRUE(reading.ok());
    EXPECT_TRUE(reading.entry.unsteadyChosen);
    EXPECT_FALSE(reading.entry.steadyChosen);
    EXPECT_TRUE(reading.entry.gaussSidelChosen);
}

TEST(SavedCaseReaderTest, AnUnknownBoundaryTypeReadsNoValueLine) {
    std::vector<std::string> lines{" 1", " 10", "1", "0", "0", " 1", " 2", " 9", " 2", " 5", " 0"};
    const auto reading = readSavedCase(lines);
    ASSERT_TRUE(reading.ok());
    EXPECT_EQ(simulation::fileNumber(reading.entry.west.condition.type), 9) << "kept as read";
    EXPECT_EQ(reading.entry.east.condition.type, simulation::BoundaryType::Flux);
    EXPECT_EQ(platform::shownText(reading.entry.east.Phi), "5");
}

TEST(SavedCaseReaderTest, ConvectionReadsTwoValueLines) {
    std::vector<std::string> lines{" 1", " 10", "1",  "0",  "0",   " 2",  " 2", "x",   "1", "1",
                                   " 1", " 5",  " 3", " 3", " 10", " 20", " 2", " -4", " 0"};
    const auto reading = readSavedCase(lines);
    ASSERT_TRUE(reading.ok());
    EXPECT_EQ(reading.entry.Ti, "x");
    EXPECT_EQ(reading.entry.Nst, "5");
    EXPECT_EQ(reading.entry.No, "3");
    EXPECT_EQ(platform::shownText(reading.entry.west.h), "10");
    EXPECT_EQ(platform::shownText(reading.entry.west.Tinf), "20");
    EXPECT_EQ(platform::shownText(reading.entry.east.Phi), "-4");
    EXPECT_EQ(platform::shownText(reading.entry.u), "0");
}

TEST(SavedCaseReaderTest, LongLinesAreCutToTheirWidths) {
    auto lines = steadyLines(std::string(256, '1') + std::string(44, ' '), true, "0");
    lines[0] = std::string(80, '2');
    const auto reading = readSavedCase(lines);
    ASSERT_TRUE(reading.ok());
    EXPECT_EQ(reading.entry.Lx.size(), 50u);
    EXPECT_EQ(reading.entry.K.size(), 256u);
}

struct Malformed {
    const char* what;
    std::vector<std::string> lines;
};

class MalformedSavedCases : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedSavedCases, AreRefused) {
    EXPECT_EQ(readSavedCase(GetParam().lines).failure, SavedCaseFailure::Malformed);
}

INSTANTIATE_TEST_SUITE_P(
    SavedCaseReader, MalformedSavedCases,
    ::testing::Values(
        Malformed{"empty", {}}, Malformed{"only Lx", {" 1"}},
        Malformed{"ends early", {" 1", " 10", "1", "0"}},
        Malformed{"N a decimal", {" 1", " 1.5", "1", "0", "0", " 1", " 2", " 1", " 1", " 1", " 0"}},
        Malformed{"N a word", {" 1", " ten", "1", "0", "0", " 1", " 2", " 1", " 1", " 1", " 0"}},
        Malformed{"state a decimal",
                  {" 1", " 10", "1", "0", "0", " 1.5", " 2", " 1", " 1", " 1", " 0"}},
        Malformed{"method text", {" 1", " 10", "1", "0", "0", " 1", "LU", " 1", " 1", " 1", " 0"}},
        Malformed{"blank where Nst belongs",
                  {" 1", " 10", "1", "0", "0", " 2", " 2", "0", "1", "1", " 1", "", " 1", " 1",
                   " 1", " 1", " 1", " 0"}},
        Malformed{"east value missing", {" 1", " 10", "1", "0", "0", " 1", " 2", " 1", " 1", " 1"}},
        Malformed{"no boundaries", {" 1", " 10", "1", "0", "0", " 1", " 2"}}),
    [](const auto& row) { return calorvia::testing::caseName(row.param.what); });

// ---------------------------------------------------------------------------
// Cylinders and spheres: the geometry line after the velocity.

TEST(SavedCaseReaderTest, AGeometryLineGivesTheBodyAndItsRadiusText) {
    const auto plane = readSavedCase(steadyLines("1", true, "25"));
    ASSERT_TRUE(plane.ok());
    EXPECT_EQ(plane.entry.geometry, simulation::Geometry::Plane);
    EXPECT_EQ(plane.entry.ri, "");

    auto lines = steadyLines("1", true, "25");
    lines.push_back("sphere " + fitToWidth("0.05", 50));
    lines.push_back("");
    const auto radial = readSavedCase(lines);
    ASSERT_TRUE(radial.ok());
    EXPECT_EQ(radial.entry.geometry, simulation::Geometry::Sphere);
    EXPECT_EQ(radial.entry.ri, fitToWidth("0.05", 50)) << "50 characters, as saved";
    EXPECT_EQ(radial.entry.riValue, 0.05);
    // Everything else as in the plane file: the velocity is the line before.
    EXPECT_EQ(platform::shownText(radial.entry.u), "0");
    EXPECT_EQ(platform::shownText(radial.entry.east.T), "25");
    EXPECT_EQ(radial.entry.Ti, "");
}

// What the wizard writes, Open reads back: every text and the body.
TEST(SavedCaseReaderTest, ARadialCaseRoundTrips) {
    CaseEntry e;
    e.Lx = "0.03";
    e.N = "40";
    e.NValue = 40;
    e.K = "0.05";
    e.Sc = "0";
    e.Sp = "0";
    e.u = "0";
    e.state = simulation::CaseState::Unsteady;
    e.method = simulation::SolutionMethod::TabLU;
    e.Ti = "100";
    e.Rho = "50";
    e.Cp = "900";
    e.Delt_t = "0.5";
    e.Nst = "200";
    e.NstValue = 200;
    e.No = "1";
    e.NoValue = 1;
    e.west.condition.type = simulation::BoundaryType::Flux;
    e.west.Phi = "500";
    e.east.condition.type = simulation::BoundaryType::Convection;
    e.east.h = "10";
    e.east.Tinf = "25";
    e.geometry = simulation::Geometry::Cylinder;
    e.ri = "0.02";
    e.riValue = 0.02;
    const auto reading = readSavedCase(
        simulation::caseFileLines(caseFileContent(e), simulation::CaseFileLayout::Saved));
    ASSERT_TRUE(reading.ok());
    const CaseEntry& r = reading.entry;
    EXPECT_EQ(r.geometry, simulation::Geometry::Cylinder);
    EXPECT_EQ(platform::shownText(r.ri), "0.02");
    EXPECT_EQ(platform::shownText(r.Lx), "0.03");
    EXPECT_EQ(r.Ti, "100");
    EXPECT_EQ(r.Nst, "200");
    EXPECT_EQ(platform::shownText(r.west.Phi), "500");
    EXPECT_EQ(platform::shownText(r.east.Tinf), "25");
    EXPECT_EQ(platform::shownText(r.u), "0");
    EXPECT_TRUE(r.unsteadyChosen);
}

// A velocity that is not zero is kept for the wizard to judge.
TEST(SavedCaseReaderTest, TheVelocityOfARadialCaseIsKept) {
    auto lines = convectiveLines();
    lines.push_back("cylinder 0");
    const auto reading = readSavedCase(lines);
    ASSERT_TRUE(reading.ok());
    EXPECT_EQ(platform::shownText(reading.entry.u), "0.5");
    EXPECT_EQ(reading.entry.Ti, "300");
    EXPECT_EQ(reading.entry.geometry, simulation::Geometry::Cylinder);
}

TEST(SavedCaseReaderTest, AMalformedGeometryLineMakesTheFileMalformed) {
    for (const char* line : {"cylinder", "sphere abc", "sphere -1", "CYLINDER,2"}) {
        auto lines = steadyLines("1", true, "0");
        lines.push_back(line);
        EXPECT_EQ(readSavedCase(lines).failure, SavedCaseFailure::Malformed) << line;
    }
}

TEST(SavedCaseReaderTest, AFileThatCannotBeReadIsUnopenable) {
    EXPECT_EQ(readSavedCaseFile("/nonexistent/folder/case.txt").failure,
              SavedCaseFailure::Unopenable);
}

}  // namespace
}  // namespace calorvia::entry
