// The result file builders, line by line, against hand-computed values.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "simulation/result_files.h"

namespace calorvia::simulation {
namespace {

using shell::Language;

SimulationCase threeVolumes() {
    SimulationCase c;
    c.Lx = 0.3;
    c.N = 3;
    c.K = {"2", false, 2.0};
    c.Sc = {"0", false, 0.0};
    c.Sp = {"0", false, 0.0};
    c.state = 1;
    c.method = 2;
    c.west = {1, 10.0, 0.0, 0.0, 0.0};
    c.east = {1, 40.0, 0.0, 0.0, 0.0};
    return c;
}

NodeArray nodes(std::vector<double> values) {
    values.insert(values.begin(), 0.0);
    return values;
}

struct FaceCase {
    const char* name;
    BoundaryCondition boundary;
    double expected;  // worked out by hand for T(P) = 50, K(P) = 2, dx = 0.1
};

class FaceTemperatureTest : public ::testing::TestWithParam<FaceCase> {};

TEST_P(FaceTemperatureTest, FollowsTheHalfVolumeBalance) {
    const auto value = faceTemperature(GetParam().boundary, 50.0, 2.0, 0.1);
    ASSERT_TRUE(value.has_value());
    EXPECT_NEAR(*value, GetParam().expected, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Types, FaceTemperatureTest,
                         ::testing::Values(FaceCase{"prescribed", {1, 75.0, 0.0, 0.0, 0.0}, 75.0},
                                           // 50 + 40·0.1/4 = 51
                                           FaceCase{"flux", {2, 0.0, 40.0, 0.0, 0.0}, 51.0},
                                           // (20 + 4·50/(10·0.1)) / (1 + 4/(10·0.1)) = 220/5 = 44
                                           FaceCase{"convection", {3, 0.0, 0.0, 10.0, 20.0}, 44.0}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(FaceTemperature, AnUnknownTypeHasNoFace) {
    EXPECT_FALSE(faceTemperature({7, 1.0, 1.0, 1.0, 1.0}, 50.0, 2.0, 0.1).has_value());
}

TEST(SteadyProfile, RowsAreThirtyCharactersFromFaceToFace) {
    const SimulationCase c = threeVolumes();
    const NodeArray T = nodes({15.0, 25.0, 35.0});
    const NodeArray K = nodes({2.0, 2.0, 2.0});
    const auto lines = steadyProfileLines({c, T, K}, true, Language::English);
    ASSERT_EQ(lines.size(), 4u + 5u);
    EXPECT_EQ(lines[4], "     0.00000        10.0000000");
    EXPECT_EQ(lines[5], "     0.05000        15.0000000");
    EXPECT_EQ(lines[6], "     0.15000        25.0000000");
    EXPECT_EQ(lines[8], "     0.30000        40.0000000");
    for (std::size_t i = 4; i < lines.size(); ++i) EXPECT_EQ(lines[i].size(), 30u);
}

TEST(SteadyProfile, ValuesAreRoundedToSinglePrecisionFirst) {
    SimulationCase c = threeVolumes();
    c.west.T = 0.1;  // 0.1f is 0.100000001490116...
    const NodeArray T = nodes({1.0 / 3.0, 25.0, 35.0});
    const auto lines = steadyProfileLines({c, T, nodes({2, 2, 2})}, true, Language::English);
    EXPECT_EQ(lines[4], "     0.00000         0.1000000");
    EXPECT_EQ(lines[5].substr(16), "     0.3333333");
}

TEST(SteadyProfile, ABoundaryOfUnknownTypeHasNoRowAndTheWarningReplacesTheTitle) {
    SimulationCase c = threeVolumes();
    c.east.type = 0;
    const auto lines =
        steadyProfileLines({c, nodes({1, 2, 3}), nodes({2, 2, 2})}, false, Language::Portuguese);
    EXPECT_EQ(lines.size(), 4u + 4u);
    EXPECT_EQ(lines[0],
              " Atenção: assegure-se que o regime permanente unidimensional foi atingido!");
    EXPECT_EQ(lines[2], "  Posição x       Temperatura");
}

TEST(Fluxes, ThreeVolumesGiveThreeVolumeRowsAndFourFaceRows) {
    const SimulationCase c = threeVolumes();
    // A linear profile: every face carries -K·dT/dx = -2·100 = -200.
    const FinalProfile profile{c, nodes({15.0, 25.0, 35.0}), nodes({2.0, 2.0, 2.0})};
    for (const double q : faceFluxes(profile)) EXPECT_NEAR(q, -200.0, 1e-9);

    const auto volumes = fluxVolumeLines(profile, true, Language::English);
    ASSERT_EQ(volumes.size(), 5u + 3u);
    EXPECT_EQ(volumes[1], "     (Positive: to east - Negative: to west)");
    EXPECT_EQ(volumes[5], "  -200.0000000      -200.0000000        1");
    EXPECT_EQ(volumes[7], "  -200.0000000      -200.0000000        3");

    const auto faces = fluxPositionLines(profile, true, Language::English);
    ASSERT_EQ(faces.size(), 4u + 4u);
    EXPECT_EQ(faces[4], "     0.00000      -200.0000000");
    EXPECT_EQ(faces[7].substr(0, 12), "     0.30000");
}

TEST(InspectionCopy, TransientLinesAppearForAnUnsteadyCase) {
    SimulationCase c = threeVolumes();
    c.state = 2;
    c.Ti = {"20+5*x", true, 0.0};
    c.Rho = {"1000", false, 1000.0};
    c.Cp = {"4+0.1*z", true, 0.0};
    c.Delt_t = 0.5;
    c.Nst = 20;
    c.No = 2;
    c.east = {3, 0.0, 0.0, 10.0, 25.0};
    const auto lines = inspectionCopyLines(c, "slab", Language::English);
    ASSERT_EQ(lines.size(), 17u + 12u + 11u);
    EXPECT_EQ(lines[0], " Name: slab");
    EXPECT_EQ(lines[17], "20+5*x <= Initial temperature");
    EXPECT_EQ(lines[21], "4+0.1*T <= Specific heat");
    EXPECT_EQ(lines[34], "");
    EXPECT_NE(lines[35].find(" <= East boundary cond.: Convective coefficient in x = L"),
              std::string::npos);
    EXPECT_NE(lines[37].find(" <= East boundary condition: T inf. in x = L"), std::string::npos);
}

TEST(HistoryHeadings, NodeNumberIsI4AndPositionF11_5) {
    EXPECT_EQ(nodeHistoryHeading(12, 0.125f, Language::English)[0],
              "One-dimensional unsteady state node   12 (x =     0.12500)");
    EXPECT_EQ(averageHistoryHeading(Language::Portuguese)[2], "   Tempo        Temperatura média");
    EXPECT_EQ(historyRow(0.1, 20.0), " " + std::string("      0.1000000") + "       20.00000");
}

TEST(CaseName, IsTheFileNameWithoutItsExtension) {
    EXPECT_EQ(caseNameOf("C:\\cases\\wall.txt"), "wall");
    EXPECT_EQ(caseNameOf("/home/a/b/Fin.txt"), "Fin");
    EXPECT_EQ(caseNameOf(""), "");
}

}  // namespace
}  // namespace calorvia::simulation
