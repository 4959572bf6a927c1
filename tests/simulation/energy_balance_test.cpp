// The energy balance of a pass: each term by hand on three volumes, and the
// residual of directly solved systems at round-off for every pair of
// boundary types, every treatment of convection, steady and transient, in
// the slab and in cylinders and spheres, solid or shells.

#include "simulation/energy_balance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "constant_slab.h"

namespace calorvia::simulation {
namespace {

using slab::convection;
using slab::flux;
using slab::temperature;

// ---------------------------------------------------------------------------
// Three volumes of width 1 (Lx = 3) with given, unsolved temperatures, so
// that every term and the residual are plain numbers:
//   T = (10, 20, 30), T° = (9, 20, 26), Tb_W = 12, Tb_E = 35,
//   K = (1, 1, 4), Rho = (2, 2, 3), Cp = (0.5, 0.5, 2), Sc′ = (0, 6, 0), Sp′ = 0,
//   u = 0.25: F_W = 2·0.5·0.25 = 0.25, F_E = 3·2·0.25 = 1.5,
//   D_W = 2·1/1 = 2, D_E = 2·4/1 = 8,
//   transient f = 1, Delt_t = 0.5: C = Rho·Cp·dx/Delt_t = (2, 2, 12),
//   stored 2·1 + 2·0 + 12·4 = 50, generated 6.

struct HandRow {
    std::string name;
    BoundaryCondition west;
    BoundaryCondition east;
    double u;
    ConvectionScheme scheme;
    FaceHeat westHeat;
    FaceHeat eastHeat;
    double residual;
};

void PrintTo(const HandRow& row, std::ostream* os) {
    *os << row.name;
}

class HandBalance : public ::testing::TestWithParam<HandRow> {};

TEST_P(HandBalance, EveryTermAsWorkedOut) {
    const HandRow& row = GetParam();
    SimulationCase c = slab::steadyCase(3.0, 3, 1.0, 0.0, 0.0, row.u, row.west, row.east);
    c.Delt_t = 0.5;
    const ControlVolumeGrid grid(3.0, 3);
    VolumeProperties p(3);
    p.K = {0, 1, 1, 4};
    p.Rho = {0, 2, 2, 3};
    p.Cp = {0, 0.5, 0.5, 2};
    p.ScPrime = {0, 0, 6, 0};
    p.Sp = {0, 0, 0, 0};
    TemperatureLevels levels(3);
    levels.T = {0, 10, 20, 30};
    levels.Told = {0, 9, 20, 26};
    levels.TbW = 12;
    levels.TbE = 35;

    const EnergyBalance b = energyBalance(c, 1.0, grid, p, levels, row.scheme);
    EXPECT_DOUBLE_EQ(b.west.conduction, row.westHeat.conduction);
    EXPECT_DOUBLE_EQ(b.west.convection, row.westHeat.convection);
    EXPECT_DOUBLE_EQ(b.east.conduction, row.eastHeat.conduction);
    EXPECT_DOUBLE_EQ(b.east.convection, row.eastHeat.convection);
    EXPECT_DOUBLE_EQ(b.generated, 6.0);
    EXPECT_DOUBLE_EQ(b.stored, 50.0);
    EXPECT_DOUBLE_EQ(b.residual, row.residual);

    // A steady pass stores nothing.
    const EnergyBalance steady = energyBalance(c, 0.0, grid, p, levels, row.scheme);
    EXPECT_EQ(steady.stored, 0.0);
    EXPECT_DOUBLE_EQ(steady.residual, row.residual + 50.0);
}

// Flux west: Phi = 15. Convection east: h = 8, Tinf = 50,
// H_E = 1/(1/8 + 1/(2·4)) = 4, so 4·(50 − 30) = 80.
// Temperature west 5: 2·(5 − 10) = −10. Temperature east 40: 8·(40 − 30) = 80.
// Convection west: h = 2, Tinf = 20, H_W = 1/(1/2 + 1/2) = 1, so 1·(20 − 10) = 10.
INSTANTIATE_TEST_SUITE_P(ThreeVolumes, HandBalance,
                         ::testing::Values(
                             // 15 + 80 + 6 − 50
                             HandRow{"PureDiffusion",
                                     flux(15),
                                     convection(8, 50),
                                     0.0,
                                     ConvectionScheme::CDS,
                                     {15, 0},
                                     {80, 0},
                                     51},
                             // west carries F_W·Tb_W = 0.25·17.5 in, at the face
                             // temperature of T (10 + 15/2, not the stored 12); Upwind
                             // carries F_E·T(3) = 45 out.
                             HandRow{"UpwindFluxConvection",
                                     flux(15),
                                     convection(8, 50),
                                     0.25,
                                     ConvectionScheme::Upwind,
                                     {15, 4.375},
                                     {80, -45},
                                     10.375},
                             // CDS carries F_E·Tb_E = 1.5·40 out, Tb_E = (8·30 + 8·50)/16.
                             HandRow{"CdsFluxConvection",
                                     flux(15),
                                     convection(8, 50),
                                     0.25,
                                     ConvectionScheme::CDS,
                                     {15, 4.375},
                                     {80, -60},
                                     -4.625},
                             // F_W·T_W = 1.25 in, F_E·T_E = 60 out: −10 + 1.25 + 80 − 60 + 6 − 50.
                             HandRow{"CdsTemperatures",
                                     temperature(5),
                                     temperature(40),
                                     0.25,
                                     ConvectionScheme::CDS,
                                     {-10, 1.25},
                                     {80, -60},
                                     -32.75},
                             // Upwind carries T(3) even past a prescribed temperature.
                             HandRow{"UpwindTemperatures",
                                     temperature(5),
                                     temperature(40),
                                     0.25,
                                     ConvectionScheme::Upwind,
                                     {-10, 1.25},
                                     {80, -45},
                                     -17.75},
                             // Tb_W = (2·10 + 2·20)/4 = 15, Tb_E = 30 + 15/8:
                             // 10 + 0.25·15 + 15 − 1.5·31.875 + 6 − 50
                             HandRow{"CdsConvectionFlux",
                                     convection(2, 20),
                                     flux(15),
                                     0.25,
                                     ConvectionScheme::CDS,
                                     {10, 3.75},
                                     {15, -47.8125},
                                     -63.0625}),
                         [](const ::testing::TestParamInfo<HandRow>& row) {
                             return row.param.name;
                         });

TEST(HandBalance, UnknownTypeCarriesNothing) {
    const BoundaryCondition unknown{fromFileNumber<BoundaryType>(7), 1.0, 2.0, 3.0, 4.0};
    SimulationCase c = slab::steadyCase(3.0, 3, 1.0, 0.0, 0.0, 0.25, unknown, unknown);
    VolumeProperties p(3);
    p.K = {0, 1, 1, 1};
    p.Rho = {0, 1, 1, 1};
    p.Cp = {0, 1, 1, 1};
    TemperatureLevels levels(3);
    levels.T = {0, 10, 20, 30};
    const EnergyBalance b =
        energyBalance(c, 0.0, ControlVolumeGrid(3.0, 3), p, levels, ConvectionScheme::CDS);
    EXPECT_EQ(b.west.total(), 0.0);
    EXPECT_EQ(b.east.total(), 0.0);
}

// ---------------------------------------------------------------------------
// Assembled and directly solved systems: the residual is the sum of the
// residuals of the equations, at round-off. Properties vary from volume to
// volume so that every harmonic and arithmetic mean of the assembly takes
// part.

enum class Source { None, Sink, LinearisedPositive };

struct Pass {
    SimulationCase simulationCase;
    ControlVolumeGrid grid;
    VolumeProperties properties;
    TemperatureLevels levels;
    double f;
    ConvectionScheme scheme;
};

Pass makePass(BoundaryCondition west, BoundaryCondition east, double u, ConvectionScheme scheme,
              bool transient, std::int32_t N, Source source, Geometry geometry = Geometry::Plane,
              double ri = 0.0) {
    constexpr double Lx = 0.5;
    SimulationCase c = slab::radialCase(geometry, ri, Lx, N, 1.0, 0.0, 0.0, west, east);
    c.u = u;
    Pass pass{c,
              ControlVolumeGrid(c),
              VolumeProperties(N),
              TemperatureLevels(N),
              transient ? 1.0 : 0.0,
              scheme};
    pass.simulationCase.Delt_t = transient ? 30.0 : 1.0;
    VolumeProperties& p = pass.properties;
    TemperatureLevels& levels = pass.levels;
    for (std::int32_t n = 1; n <= N; ++n) {
        const auto i = static_cast<std::size_t>(n);
        p.K[i] = 1.5 + std::sin(0.37 * n);
        p.Rho[i] = 900.0 + 80.0 * std::cos(0.21 * n);
        p.Cp[i] = 1.1 + 0.3 * std::sin(0.13 * n);
        p.Sc[i] = 5000.0 * std::cos(0.3 * n);
        p.Sp[i] = source == Source::None   ? 0.0
                  : source == Source::Sink ? -(20.0 + 10.0 * std::sin(n))
                                           : 15.0 + 5.0 * std::cos(n);
        levels.T[i] = 300.0 + 20.0 * std::sin(0.5 * n);
    }
    if (source == Source::None) p.Sc.assign(p.Sc.size(), 0.0);
    bool linearised = false;
    lineariseSource(N, levels.T, p, linearised);
    EXPECT_EQ(linearised, source == Source::LinearisedPositive);
    levels.startPass();
    levels.TbW = 330.0;
    levels.TbE = 295.0;
    return pass;
}

// Solves the pass's system into levels.T and returns its balance.
EnergyBalance solvedBalance(Pass& pass) {
    DiscreteSystem system(pass.grid.N);
    assembleSystem(pass.simulationCase, pass.f, pass.grid, pass.properties, pass.levels,
                   pass.scheme, system);
    slab::solveDirect(system);
    pass.levels.T = system.b;
    return energyBalance(pass.simulationCase, pass.f, pass.grid, pass.properties, pass.levels,
                         pass.scheme);
}

struct TreatmentRow {
    std::string name;
    double u;
    ConvectionScheme scheme;
    bool transient;
    Geometry geometry = Geometry::Plane;  // shells of ri 0.02 and 5 and a solid body
};

void PrintTo(const TreatmentRow& row, std::ostream* os) {
    *os << row.name;
}

class SolvedBalance : public ::testing::TestWithParam<TreatmentRow> {};

TEST_P(SolvedBalance, ResidualIsRoundOff) {
    const TreatmentRow& row = GetParam();
    const std::vector<BoundaryCondition> wests{temperature(350), flux(2000), convection(25, 290)};
    const std::vector<BoundaryCondition> easts{temperature(280), flux(-1500), convection(60, 310)};
    const bool radial = row.geometry != Geometry::Plane;
    const std::vector<double> innerRadii =
        radial ? std::vector<double>{0.0, 0.02, 5.0} : std::vector<double>{0.0};
    // A radial body with a sink, as its own hand terms have.
    const std::vector<Source> sources =
        radial ? std::vector<Source>{Source::Sink}
               : std::vector<Source>{Source::None, Source::Sink, Source::LinearisedPositive};
    int checked = 0;
    for (const double ri : innerRadii) {
        for (const BoundaryCondition& west : wests) {
            // The centre of a solid body takes no condition: one west type is enough.
            if (radial && ri == 0.0 && west.type != BoundaryType::Temperature) continue;
            for (const BoundaryCondition& east : easts) {
                for (std::int32_t N : {3, 4, 7, 50, 200}) {
                    for (Source source : sources) {
                        // No sink, no storage and no temperature level: singular.
                        if (!row.transient && source == Source::None &&
                            west.type == BoundaryType::Flux && east.type == BoundaryType::Flux) {
                            continue;
                        }
                        SCOPED_TRACE("ri " + std::to_string(ri) + ", types " +
                                     std::to_string(static_cast<int>(west.type)) +
                                     std::to_string(static_cast<int>(east.type)) +
                                     ", N = " + std::to_string(N) + ", source " +
                                     std::to_string(static_cast<int>(source)));
                        Pass pass = makePass(west, east, row.u, row.scheme, row.transient, N,
                                             source, row.geometry, ri);
                        const EnergyBalance b = solvedBalance(pass);
                        EXPECT_GT(b.largestTerm(), 1.0);
                        EXPECT_LE(std::abs(b.residual), 1.0E-10 * b.largestTerm());
                        if (row.transient) {
                            EXPECT_NE(b.stored, 0.0);
                        }
                        ++checked;
                    }
                }
            }
        }
    }
    // 3 wests, 3 easts, 5 grids, 3 sources less the singular steady cases; a
    // radial body one source over two shells and a solid body of one west.
    EXPECT_EQ(checked, radial ? (9 + 9 + 3) * 5 : (row.transient ? 135 : 130));
}

// Steady and transient, without flow, and with flow under each scheme
// (cell Peclet numbers up to about 0.2 for CDS and 2 for Upwind).
INSTANTIATE_TEST_SUITE_P(
    Treatments, SolvedBalance,
    ::testing::Values(
        TreatmentRow{"PureDiffusionSteady", 0.0, ConvectionScheme::CDS, false},
        TreatmentRow{"PureDiffusionTransient", 0.0, ConvectionScheme::CDS, true},
        TreatmentRow{"CdsSteady", 1.0E-3, ConvectionScheme::CDS, false},
        TreatmentRow{"CdsTransient", 1.0E-3, ConvectionScheme::CDS, true},
        TreatmentRow{"UpwindSteady", 2.0E-2, ConvectionScheme::Upwind, false},
        TreatmentRow{"UpwindTransient", 2.0E-2, ConvectionScheme::Upwind, true},
        TreatmentRow{"CylinderSteady", 0.0, ConvectionScheme::CDS, false, Geometry::Cylinder},
        TreatmentRow{"CylinderTransient", 0.0, ConvectionScheme::CDS, true, Geometry::Cylinder},
        TreatmentRow{"SphereSteady", 0.0, ConvectionScheme::CDS, false, Geometry::Sphere},
        TreatmentRow{"SphereTransient", 0.0, ConvectionScheme::CDS, true, Geometry::Sphere}),
    [](const ::testing::TestParamInfo<TreatmentRow>& row) { return row.param.name; });

// The residual notices a balance not taken with the pass's own terms (another
// scheme); the face estimates stored after the pass change nothing, since the
// flow is carried at the face temperatures of the solution.
TEST(SolvedBalance, OtherTermsThanThePassesLeaveAResidual) {
    Pass pass = makePass(flux(2000), convection(60, 310), 2.0E-2, ConvectionScheme::Upwind, false,
                         20, Source::Sink);
    const EnergyBalance own = solvedBalance(pass);
    ASSERT_LE(std::abs(own.residual), 1.0E-9 * own.largestTerm());

    const EnergyBalance otherScheme =
        energyBalance(pass.simulationCase, pass.f, pass.grid, pass.properties, pass.levels,
                      ConvectionScheme::CDS);
    EXPECT_GT(std::abs(otherScheme.residual), 1.0E-3 * own.largestTerm());

    updateBoundaryTemperatures(pass.grid, pass.properties.K, pass.simulationCase.west,
                               pass.simulationCase.east, pass.levels);
    const EnergyBalance laterEstimates = energyBalance(pass.simulationCase, pass.f, pass.grid,
                                                       pass.properties, pass.levels, pass.scheme);
    EXPECT_EQ(laterEstimates.residual, own.residual);
}

}  // namespace
}  // namespace calorvia::simulation
