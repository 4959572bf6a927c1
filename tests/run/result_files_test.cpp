// The result file builders, line by line, against hand-computed values.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "run/result_files.h"
#include "simulation/assembly.h"
#include "simulation/direct_solver.h"
#include "support/case_names.h"

namespace calorvia::run {

using namespace simulation;
namespace {

using texts::Language;

SimulationCase threeVolumes() {
    SimulationCase c;
    c.Lx = 0.3;
    c.N = 3;
    c.K = {"2", false, 2.0};
    c.Sc = {"0", false, 0.0};
    c.Sp = {"0", false, 0.0};
    c.state = CaseState::Steady;
    c.method = SolutionMethod::TabLU;
    c.west = {BoundaryType::Temperature, 10.0, 0.0, 0.0, 0.0};
    c.east = {BoundaryType::Temperature, 40.0, 0.0, 0.0, 0.0};
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

INSTANTIATE_TEST_SUITE_P(
    Types, FaceTemperatureTest,
    ::testing::Values(
        FaceCase{"prescribed", {BoundaryType::Temperature, 75.0, 0.0, 0.0, 0.0}, 75.0},
        // 50 + 40·0.1/4 = 51
        FaceCase{"flux", {BoundaryType::Flux, 0.0, 40.0, 0.0, 0.0}, 51.0},
        // (20 + 4·50/(10·0.1)) / (1 + 4/(10·0.1)) = 220/5 = 44
        FaceCase{"convection", {BoundaryType::Convection, 0.0, 0.0, 10.0, 20.0}, 44.0},
        // 4·(100 − 50)/0.1 = ε·σ·(500⁴ − 100⁴) with ε chosen so: Tb = 100
        FaceCase{"radiation",
                 {.type = BoundaryType::Radiation,
                  .eps = 2000.0 / (StefanBoltzmann * (std::pow(500.0, 4) - 1.0E8)),
                  .Tsur = 500.0},
                 100.0}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(FaceTemperature, AnUnknownTypeHasNoFace) {
    const BoundaryCondition unknown{fromFileNumber<BoundaryType>(7), 1.0, 1.0, 1.0, 1.0};
    EXPECT_FALSE(faceTemperature(unknown, 50.0, 2.0, 0.1).has_value());
    EXPECT_EQ(westFaceFlux(unknown, 50.0, 2.0, 0.1), 0.0) << "no face, no flux";
}

// Only a convective or radiating face has an ambient temperature, which a
// graph's range must include; the values of another type's unused fields
// never count.
TEST(FaceTemperature, OnlyConvectionAndRadiationHaveAnAmbientTemperature) {
    EXPECT_EQ(ambientTemperature({BoundaryType::Convection, 0.0, 0.0, 5.0, -40.0}), -40.0);
    EXPECT_EQ(ambientTemperature({.type = BoundaryType::Radiation, .Tinf = 1.0, .Tsur = 300.0}),
              300.0);
    EXPECT_FALSE(ambientTemperature({BoundaryType::Flux, 0.0, 2.0, 0.0, -40.0}).has_value());
    EXPECT_FALSE(ambientTemperature({BoundaryType::Temperature, 900.0, 0.0, 0.0, 900.0}));
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
    c.east.type = fromFileNumber<BoundaryType>(0);
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

// The files' fluxes are those of the solved system: for every volume of a
// steady case, flux out of the east face minus flux into the west face is
// the source dx·(Sc′ + Sp′·T), to round-off, whatever K does from volume to
// volume. Solved here for K varying fourfold, every pair of boundary types.
TEST(Fluxes, EveryVolumeOfASolvedSteadySystemBalancesItsSource) {
    const BoundaryCondition westEnds[] = {{BoundaryType::Temperature, 300.0, 0.0, 0.0, 0.0},
                                          {BoundaryType::Flux, 0.0, 1500.0, 0.0, 0.0},
                                          {BoundaryType::Convection, 0.0, 0.0, 25.0, 20.0}};
    const BoundaryCondition eastEnds[] = {{BoundaryType::Temperature, 80.0, 0.0, 0.0, 0.0},
                                          {BoundaryType::Flux, 0.0, -1500.0, 0.0, 0.0},
                                          {BoundaryType::Convection, 0.0, 0.0, 40.0, 90.0}};
    for (const bool withSource : {false, true}) {
        for (const BoundaryCondition& west : westEnds) {
            for (const BoundaryCondition& east : eastEnds) {
                if (west.type == BoundaryType::Flux && east.type == BoundaryType::Flux) {
                    continue;  // no steady solution
                }
                SimulationCase c = threeVolumes();
                c.N = 7;
                c.Lx = 0.7;
                c.Delt_t = 1.0;  // as a steady run has it
                c.west = west;
                c.east = east;
                const ControlVolumeGrid grid(c.Lx, c.N);
                VolumeProperties properties(c.N);
                for (std::int32_t i = 1; i <= c.N; ++i) {
                    properties.K[i] = 10.0 + 30.0 * std::sin(0.9 * i) * std::sin(0.9 * i);
                    properties.ScPrime[i] = withSource ? 4000.0 + 100.0 * i : 0.0;
                    properties.Sp[i] = withSource ? -20.0 : 0.0;
                }
                TemperatureLevels levels(c.N);
                DiscreteSystem system(c.N);
                assembleSystem(c, 0.0, grid, properties, levels, ConvectionScheme::CDS, system);
                bool warned = false;
                ASSERT_EQ(TABLU(system, warned), FactorisationOutcome::Factorised);
                SOLU(system);
                const NodeArray& T = system.b;
                const std::vector<double> q = faceFluxes({c, T, properties.K});
                const std::string label = "west " + std::to_string(fileNumber(west.type)) +
                                          ", east " + std::to_string(fileNumber(east.type)) +
                                          (withSource ? ", source" : "");
                double largest = 0.0;
                for (const double each : q) largest = std::max(largest, std::fabs(each));
                for (std::int32_t i = 1; i <= c.N; ++i) {
                    const auto at = static_cast<std::size_t>(i);
                    const double source =
                        grid.dx * (properties.ScPrime[i] + properties.Sp[i] * T[i]);
                    EXPECT_NEAR(q[at] - q[at - 1], source, 1e-10 * largest)
                        << label << ", volume " << i;
                }
                if (!withSource) {
                    for (const double each : q) EXPECT_NEAR(each, q[0], 1e-10 * largest) << label;
                }
            }
        }
    }
}

// Face positions accumulate the full-precision dx into a single-precision
// total, as the centres of the profile file do. For Lx = 1000, N = 7 the
// seven sums of 142.857142857... end at 999.99994 (one single-precision step
// below 1000); rounding dx to single precision first drifted to 1000.00012.
TEST(Fluxes, FacePositionsAccumulateLikeTheCentres) {
    SimulationCase c = threeVolumes();
    c.Lx = 1000.0;
    c.N = 7;
    const NodeArray T = nodes({1, 2, 3, 4, 5, 6, 7});
    const NodeArray K = nodes({1, 1, 1, 1, 1, 1, 1});
    const auto faces = fluxPositionLines({c, T, K}, true, Language::English);
    ASSERT_EQ(faces.size(), 4u + 8u);
    EXPECT_EQ(faces.back().substr(0, 12), "   999.99994");
    const std::vector<float> centres = accumulatedCentres(c.Lx, c.N);
    const std::vector<float> positions = accumulatedFaces(c.Lx, c.N);
    ASSERT_EQ(positions.size(), 8u);
    for (std::size_t i = 0; i < centres.size(); ++i) {
        EXPECT_LT(positions[i], centres[i]);
        EXPECT_GT(positions[i + 1], centres[i]);
    }
}

// A cylinder or a sphere lists radii, ri to ri + Lx, under "Radius r" /
// "Raio r"; its face fluxes are flux densities as in the wall. A solid body
// shows its first volume's temperature at the axis, where nothing crosses.
TEST(RadialFiles, ListRadiiUnderTheirOwnHeading) {
    SimulationCase shell = threeVolumes();
    shell.geometry = Geometry::Cylinder;
    shell.ri = 1.0;
    const NodeArray T = nodes({15.0, 25.0, 35.0});
    const NodeArray K = nodes({2.0, 2.0, 2.0});
    const FinalProfile profile{shell, T, K};
    const auto steady = steadyProfileLines(profile, true, Language::English);
    ASSERT_EQ(steady.size(), 4u + 5u);
    EXPECT_EQ(steady[2], " Radius r         Temperature");
    EXPECT_EQ(steady[4], "     1.00000        10.0000000");
    EXPECT_EQ(steady[5], "     1.05000        15.0000000");
    EXPECT_EQ(steady[8], "     1.30000        40.0000000");
    const auto faces = fluxPositionLines(profile, true, Language::Portuguese);
    EXPECT_EQ(faces[2], "  Raio r             Fluxo");
    EXPECT_EQ(faces[4], "     1.00000      -200.0000000");
    EXPECT_EQ(faces[7], "     1.30000      -200.0000000");

    SimulationCase solid = shell;
    solid.geometry = Geometry::Sphere;
    solid.ri = 0.0;
    solid.west = {BoundaryType::Temperature, 99.0, 0.0, 0.0, 0.0};  // no say at the centre
    const FinalProfile centred{solid, T, K};
    EXPECT_EQ(steadyProfileLines(centred, true, Language::Portuguese)[4],
              "     0.00000        15.0000000");
    EXPECT_EQ(faceFluxes(centred).front(), 0.0);
    EXPECT_EQ(fluxVolumeLines(centred, true, Language::English)[5].substr(0, 14), "     0.0000000");
    // The inspection copy ends with the body and its inner radius.
    const auto copy = inspectionCopyLines(shell, "pipe", Language::English);
    EXPECT_EQ(copy.back().substr(copy.back().size() - 29), " <= Cylinder: inner radius ri");
    EXPECT_NE(copy.back().find(" 1.0"), std::string::npos) << copy.back();
    EXPECT_EQ(copy[copy.size() - 2], " ");
    EXPECT_EQ(inspectionCopyLines(threeVolumes(), "wall", Language::English).size(),
              copy.size() - 2);
}

// The headings and the inspection copy name a wall's x, west and east, and
// a cylinder's or a sphere's r and its inner and outer surfaces.
struct HeadingWords {
    Geometry geometry;
    Language language;
    // node and west histories, flux sign, west in Data, west in Balance
    std::vector<std::string> expected;
};

std::string headingName(const ::testing::TestParamInfo<HeadingWords>& row) {
    constexpr const char* bodies[] = {"Plane", "Cylinder", "Sphere"};
    return std::string(bodies[static_cast<int>(row.param.geometry)]) +
           (row.param.language == Language::English ? "English" : "Portuguese");
}

class HeadingWordsTest : public ::testing::TestWithParam<HeadingWords> {};

TEST_P(HeadingWordsTest, FollowTheBody) {
    SimulationCase c = threeVolumes();
    c.geometry = GetParam().geometry;
    const Language language = GetParam().language;
    const FinalProfile profile{c, nodes({15.0, 25.0, 35.0}), nodes({2.0, 2.0, 2.0})};
    const std::string west = inspectionCopyLines(c, "body", language)[19];
    const std::string balance =
        energyBalanceLines({}, simulation::LinearBalanceLimit, c.geometry, language)[2];
    EXPECT_EQ((std::vector<std::string>{
                  historyHeading(HistoryFiles::Node, 2, 0.15f, c.geometry, language)[0],
                  historyHeading(HistoryFiles::West, 2, 0.15f, c.geometry, language)[0],
                  fluxVolumeLines(profile, true, language)[1], west.substr(west.find(" <= ")),
                  balance.substr(balance.find(" <= "))}),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, HeadingWordsTest,
    ::testing::Values(HeadingWords{Geometry::Plane,
                                   Language::Portuguese,
                                   {"Transiente unidimensional do nó    2 (x =     0.15000)",
                                    " Transiente unidimensional do contorno oeste (x = 0.0)",
                                    "      (Positivo: p/ leste - Negativo: p/ oeste)",
                                    " <= Condição de contorno oeste: temperatura em x = 0.0",
                                    " <= Face oeste: calor que entra por condução"}},
                      HeadingWords{Geometry::Cylinder,
                                   Language::Portuguese,
                                   {"Transiente unidimensional do nó    2 (r =     0.15000)",
                                    " Transiente unidimensional da superfície interna (r = ri)",
                                    "      (Positivo: p/ fora - Negativo: p/ dentro)",
                                    " <= Condição na superfície interna: temperatura em r = ri",
                                    " <= Superfície interna: calor que entra por condução"}},
                      HeadingWords{Geometry::Sphere,
                                   Language::English,
                                   {"One-dimensional unsteady state node    2 (r =     0.15000)",
                                    " One-dimensional unsteady of the inner surface (r = ri)",
                                    "     (Positive: outward - Negative: inward)",
                                    " <= Inner surface condition: temperature in r = ri",
                                    " <= Inner surface: heat entering by conduction"}}),
    headingName);

TEST(InspectionCopy, TransientLinesAppearForAnUnsteadyCase) {
    SimulationCase c = threeVolumes();
    c.state = CaseState::Unsteady;
    c.Ti = {"20+5*x", true, 0.0};
    c.Rho = {"1000", false, 1000.0};
    c.Cp = {"4+0.1*z", true, 0.0};
    c.Delt_t = 0.5;
    c.Nst = 20;
    c.No = 2;
    c.east = {BoundaryType::Convection, 0.0, 0.0, 10.0, 25.0};
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
    EXPECT_EQ(historyHeading(HistoryFiles::Node, 12, 0.125f, Geometry::Plane, Language::English)[0],
              "One-dimensional unsteady state node   12 (x =     0.12500)");
    EXPECT_EQ(
        historyHeading(HistoryFiles::Average, 0, 0.0f, Geometry::Plane, Language::Portuguese)[2],
        "   Tempo        Temperatura média");
    EXPECT_EQ(historyRow(0.1, 20.0), " " + std::string("      0.1000000") + "       20.00000");
}

// Rows are buffered, not written one by one: rows that a full disk refuses
// are still reported, at the latest when the histories are closed, each
// history that was cut named, and the other histories keep every row.
TEST(HistoryFiles, RowsAFullDiskRefusesAreReportedByClose) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("calorvia-histories-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    std::filesystem::create_symlink("/dev/full", folder / "Average.txt");
    std::filesystem::create_symlink("/dev/full", folder / "East.txt");
    HistoryFiles files;
    ASSERT_TRUE(files.open(folder, Language::English, true));
    for (int row = 1; row <= 3; ++row) {
        for (const HistoryFiles::Which file :
             {HistoryFiles::Node, HistoryFiles::Average, HistoryFiles::West, HistoryFiles::East}) {
            files.append(file, 0.1 * row, 20.0 + row);
        }
    }
    EXPECT_FALSE(files.close());
    EXPECT_EQ(files.failedFiles(), (std::vector<std::string>{"Average.txt", "East.txt"}));
    std::ifstream node(folder / "Unsteady.txt");
    const std::string written((std::istreambuf_iterator<char>(node)), {});
    std::string expected;
    for (int row = 1; row <= 3; ++row) expected += historyRow(0.1 * row, 20.0 + row) + "\n";
    EXPECT_EQ(written, expected);
    std::filesystem::remove_all(folder);
}

TEST(CaseName, IsTheFileNameWithoutItsExtension) {
    EXPECT_EQ(caseNameOf("C:\\cases\\wall.txt"), "wall");
    EXPECT_EQ(caseNameOf("/home/a/b/Fin.txt"), "Fin");
    EXPECT_EQ(caseNameOf(""), "");
}

}  // namespace
}  // namespace calorvia::run
