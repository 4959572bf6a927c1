// The finite volume equations of cylinders and spheres worked out by hand on
// three volumes, the centre of a solid body, the face quantities the result
// files read, and the energy balance in rates per unit length or in all.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "constant_slab.h"
#include "simulation/energy_balance.h"

namespace calorvia::simulation {
namespace {

using slab::convection;
using slab::flux;
using slab::radialCase;
using slab::temperature;

constexpr Geometry Cylinder = Geometry::Cylinder;
constexpr Geometry Sphere = Geometry::Sphere;
constexpr double pi = std::numbers::pi;

// ---------------------------------------------------------------------------
// Three volumes of width 1, transient (f = 1, Delt_t = 0.5):
//   K = (1, 1, 4), Rho·Cp = (1, 1, 6), Sc′ = (0, 6, 0), Sp′ = (−2, −1, 0),
//   T° = (9, 20, 26), Tb_W = 12, Tb_E = 35.
// Cylinder from ri = 1: faces r = 1, 2, 3, 4 of areas A = r,
//   ΔV = (r_e² − r_w²)/2 = (1.5, 2.5, 3.5), C = Rho·Cp·ΔV/0.5 = (3, 5, 42),
//   A_1·D_{3/2} = 2·1 = 2, A_2·D_{5/2} = 3·(2·1·4/5) = 4.8.
// Sphere from ri = 1: A = r², ΔV = (r_e³ − r_w³)/3 = (7/3, 19/3, 37/3),
//   C = (14/3, 38/3, 148), A_1·D = 4, A_2·D = 9·1.6 = 14.4.
// Solid cylinder (ri = 0): faces 0, 1, 2, 3, ΔV = (0.5, 1.5, 2.5),
//   C = (1, 3, 30), A_1·D = 1, A_2·D = 2·1.6 = 3.2.

struct Three {
    SimulationCase simulationCase;
    ControlVolumeGrid grid;
    VolumeProperties properties;
    TemperatureLevels levels;
};

Three three(Geometry g, double ri, BoundaryCondition west, BoundaryCondition east) {
    Three t{radialCase(g, ri, 3.0, 3, 1.0, 0.0, 0.0, west, east), ControlVolumeGrid(), VolumeProperties(3),
            TemperatureLevels(3)};
    t.simulationCase.Delt_t = 0.5;
    t.grid = ControlVolumeGrid(t.simulationCase);
    VolumeProperties& p = t.properties;
    p.K = {0, 1, 1, 4};
    p.Rho = {0, 2, 2, 3};
    p.Cp = {0, 0.5, 0.5, 2};
    p.ScPrime = {0, 0, 6, 0};
    p.Sp = {0, -2, -1, 0};
    t.levels.T = {0, 10, 20, 30};
    t.levels.Told = {0, 9, 20, 26};
    t.levels.TbW = 12;
    t.levels.TbE = 35;
    return t;
}

DiscreteSystem assembled(const Three& t) {
    DiscreteSystem system(3);
    assembleSystem(t.simulationCase, 1.0, t.grid, t.properties, t.levels, ConvectionScheme::CDS,
                   system);
    return system;
}

struct Band {
    std::vector<double> lower, diagonal, upper, b;
};

void expectBand(const DiscreteSystem& s, const Band& expected) {
    for (std::size_t i = 1; i <= 3; ++i) {
        EXPECT_NEAR(s.lower[i], expected.lower[i - 1], 1.0E-12) << "lower " << i;
        EXPECT_NEAR(s.diagonal[i], expected.diagonal[i - 1], 1.0E-12) << "diagonal " << i;
        EXPECT_NEAR(s.upper[i], expected.upper[i - 1], 1.0E-12) << "upper " << i;
        EXPECT_NEAR(s.b[i], expected.b[i - 1], 1.0E-12) << "b " << i;
    }
}

// Temperature 5 at the inner face, a film h = 8, Tinf = 50 outside.
TEST(RadialHandRows, CylindricalShell) {
    const Three t = three(Cylinder, 1.0, temperature(5), convection(8, 50));
    // D_W = A_0·2K/dx = 2; H_E = A_3/(1/8 + 1/8) = 16.
    // Row 1: 2 + 2 + 3 + 1.5·2, b 2·5 + 3·9; row 2: 5 + 6.8 + 2.5, b 2.5·6 + 5·20;
    // row 3: 16 + 4.8 + 42, b 16·50 + 42·26.
    expectBand(assembled(t), {{0, -2, -4.8}, {10, 14.3, 62.8}, {-2, -4.8, 0}, {37, 115, 1892}});
}

TEST(RadialHandRows, SphericalShell) {
    const Three t = three(Sphere, 1.0, flux(15), temperature(40));
    // Flux into the inner face A_0·Phi = 15; D_E = A_3·2·4 = 128.
    // Row 1: 14/3 + 4 + (7/3)·2, b 15 + (14/3)·9;
    // row 2: 38/3 + 18.4 + 19/3, b (19/3)·6 + (38/3)·20;
    // row 3: 128 + 14.4 + 148, b 128·40 + 148·26.
    expectBand(assembled(t), {{0, -4, -14.4},
                              {14.0 / 3 + 4 + 14.0 / 3, 38.0 / 3 + 18.4 + 19.0 / 3, 290.4},
                              {-4, -14.4, 0},
                              {15 + 42, 38 + 760.0 / 3, 5120 + 3848}});
}

// At the centre nothing crosses the west face, whatever the west type.
TEST(RadialHandRows, SolidCylinderCentre) {
    const BoundaryCondition unknown{fromFileNumber<BoundaryType>(7), 1, 2, 3, 4};
    for (const BoundaryCondition& west :
         {temperature(500), flux(1.0E6), convection(1.0E3, -40), unknown}) {
        const Three t = three(Cylinder, 0.0, west, flux(-3));
        // Row 1: 1 + 1 + 0.5·2, b 1·9; row 2: 3 + 4.2 + 1.5, b 1.5·6 + 3·20;
        // row 3: 30 + 3.2, b A_3·(−3) + 30·26 = −9 + 780.
        expectBand(assembled(t), {{0, -1, -3.2}, {3, 8.7, 33.2}, {-1, -3.2, 0}, {9, 69, 771}});
    }
}

// A radial body carries no flow, whatever u and the scheme.
TEST(RadialHandRows, VelocityTakesNoPart) {
    Three t = three(Sphere, 1.0, flux(15), temperature(40));
    const DiscreteSystem still = assembled(t);
    t.simulationCase.u = 3.0;
    for (ConvectionScheme scheme : {ConvectionScheme::CDS, ConvectionScheme::Upwind}) {
        DiscreteSystem moving(3);
        assembleSystem(t.simulationCase, 1.0, t.grid, t.properties, t.levels, scheme, moving);
        EXPECT_EQ(moving.diagonal, still.diagonal);
        EXPECT_EQ(moving.b, still.b);
        EXPECT_EQ(moving.lower, still.lower);
        EXPECT_EQ(moving.upper, still.upper);
    }
}

// ---------------------------------------------------------------------------
// Grid and face quantities.

TEST(RadialGrid, AreasVolumesAndPositions) {
    const ControlVolumeGrid shell(3.0, 3, Sphere, 1.0);
    EXPECT_TRUE(shell.isRadial());
    EXPECT_FALSE(shell.westIsCentre());
    EXPECT_EQ(shell.centre(1), 1.5);
    EXPECT_EQ(shell.faceArea(3), 16.0);
    EXPECT_DOUBLE_EQ(shell.volume(3), 37.0 / 3.0);
    // The volumes fill the shell: Σ ΔV = (ro³ − ri³)/3.
    const ControlVolumeGrid fine(0.7, 1000, Sphere, 0.3);
    double total = 0.0;
    for (std::int32_t i = 1; i <= 1000; ++i) total += fine.volume(i);
    EXPECT_NEAR(total, (1.0 - 0.027) / 3.0, 1.0E-14);
    const ControlVolumeGrid pipe(0.7, 1000, Cylinder, 0.3);
    total = 0.0;
    for (std::int32_t i = 1; i <= 1000; ++i) total += pipe.volume(i);
    EXPECT_NEAR(total, (1.0 - 0.09) / 2.0, 1.0E-14);

    // Displayed radii: ri plus the single-precision positions of the plane.
    const ControlVolumeGrid plane(0.3, 7);
    const ControlVolumeGrid radial(0.3, 7, Cylinder, 0.05);
    const std::vector<float> x = plane.displayPositions();
    const std::vector<float> r = radial.displayPositions();
    ASSERT_EQ(r.size(), x.size());
    EXPECT_EQ(r.front(), 0.05f);
    EXPECT_EQ(r.back(), static_cast<float>(0.35));
    for (std::size_t k = 1; k + 1 < r.size(); ++k) {
        EXPECT_EQ(r[k], static_cast<float>(0.05 + static_cast<double>(x[k])));
    }
    const std::vector<float> faces = radial.facePositions();
    ASSERT_EQ(faces.size(), 8u);
    EXPECT_EQ(faces.front(), 0.05f);
    EXPECT_NEAR(faces.back(), 0.35f, 1.0E-7f);
    // A plane grid ignores an inner radius.
    EXPECT_EQ(ControlVolumeGrid(0.3, 7, Geometry::Plane, 5.0).displayPositions(), x);
}

TEST(RadialGrid, CentreFaceHasTheFirstTemperatureAndNoFlux) {
    const ControlVolumeGrid solid(1.0, 10, Sphere, 0.0);
    const ControlVolumeGrid shell(1.0, 10, Sphere, 0.5);
    const BoundaryCondition west = flux(40.0);
    EXPECT_EQ(westFaceTemperature(solid, west, 7.0, 2.0), 7.0);
    EXPECT_EQ(westFaceFlux(solid, west, 7.0, 2.0), 0.0);
    // A shell's faces follow the plane rules: the flux density is Phi.
    EXPECT_DOUBLE_EQ(westFaceTemperature(shell, west, 7.0, 2.0).value(), 7.0 + 40.0 * 0.1 / 4.0);
    EXPECT_DOUBLE_EQ(westFaceFlux(shell, west, 7.0, 2.0), 40.0);
    EXPECT_DOUBLE_EQ(eastFaceFlux(solid, flux(40.0), 7.0, 2.0), -40.0);
    EXPECT_DOUBLE_EQ(eastFaceTemperature(solid, temperature(3.0), 7.0, 2.0).value(), 3.0);
    // Before the first step the centre shows the first volume, a shell its condition.
    EXPECT_EQ(westStartTemperature(solid, temperature(3.0), 7.0), 7.0);
    EXPECT_EQ(westStartTemperature(shell, temperature(3.0), 7.0), 3.0);
    EXPECT_EQ(westStartTemperature(shell, west, 7.0), 7.0);

    TemperatureLevels levels(10);
    for (std::size_t i = 1; i <= 10; ++i) levels.T[i] = 100.0 - static_cast<double>(i);
    levels.TbW = -1.0;
    const NodeArray K(11, 2.0);
    const ProfileEnds ends = updateBoundaryTemperatures(solid, K, west, temperature(3), levels);
    EXPECT_EQ(ends.west, 99.0);
    EXPECT_EQ(levels.TbW, 99.0);
    EXPECT_EQ(ends.east, 3.0);
}

// ---------------------------------------------------------------------------
// Energy balance.

// The cylindrical shell of the hand rows: with T = (10, 20, 30),
//   west 2π·D_W·(5 − 10) = −20π, east 2π·H_E·(50 − 30) = 640π,
//   generated 2π·(1.5·(−2)·10 + 2.5·(6 − 20) + 0) = −130π,
//   stored 2π·(3·1 + 0 + 42·4) = 342π.
TEST(RadialBalance, CylinderTermsByHandPerUnitLength) {
    const Three t = three(Cylinder, 1.0, temperature(5), convection(8, 50));
    const EnergyBalance b = energyBalance(t.simulationCase, 1.0, t.grid, t.properties, t.levels,
                                          ConvectionScheme::CDS);
    EXPECT_NEAR(b.west.conduction, -20 * pi, 1.0E-12);
    EXPECT_EQ(b.west.convection, 0.0);
    EXPECT_NEAR(b.east.conduction, 640 * pi, 1.0E-10);
    EXPECT_NEAR(b.generated, -130 * pi, 1.0E-10);
    EXPECT_NEAR(b.stored, 342 * pi, 1.0E-10);
    EXPECT_NEAR(b.residual, (-20 + 640 - 130 - 342) * pi, 1.0E-10);
}

// The spherical shell: west 4π·15 = 60π, east 4π·128·(40 − 30) = 5120π,
//   generated 4π·((7/3)·(−20) + (19/3)·(−14)) = −(1624/3)·π,
//   stored 4π·((14/3)·1 + 148·4) = (7160/3)·π; a solid body lets nothing
//   through its centre.
TEST(RadialBalance, SphereTermsByHandInAll) {
    const Three shell = three(Sphere, 1.0, flux(15), temperature(40));
    const EnergyBalance b = energyBalance(shell.simulationCase, 1.0, shell.grid, shell.properties,
                                          shell.levels, ConvectionScheme::CDS);
    EXPECT_NEAR(b.west.conduction, 60 * pi, 1.0E-10);
    EXPECT_NEAR(b.east.conduction, 5120 * pi, 1.0E-9);
    EXPECT_NEAR(b.generated, -1624.0 / 3.0 * pi, 1.0E-9);
    EXPECT_NEAR(b.stored, 7160.0 / 3.0 * pi, 1.0E-9);

    const Three solid = three(Sphere, 0.0, flux(15), temperature(40));
    const EnergyBalance s = energyBalance(solid.simulationCase, 1.0, solid.grid, solid.properties,
                                          solid.levels, ConvectionScheme::CDS);
    EXPECT_EQ(s.west.total(), 0.0);
    // East face at r = 3: 4π·9·(2·4/1)·(40 − 30).
    EXPECT_NEAR(s.east.conduction, 4 * pi * 9 * 8 * 10, 1.0E-9);
}

// The radial system keeps its dominant diagonal, the centre row included,
// which is what lets Gauss-Seidel reach the direct solution.
TEST(RadialSolvers, EveryRowIsDiagonallyDominant) {
    for (Geometry g : {Cylinder, Sphere}) {
        const SimulationCase c =
            radialCase(g, 0.0, 1.0, 40, 2.0, 100.0, -3.0, temperature(0), convection(5, 20));
        VolumeProperties p(c.N);
        TemperatureLevels levels(c.N);
        interpreter::Interpreter engine;
        ASSERT_EQ(evaluateProperties(c, levels.T, engine, p).outcome, EvaluationOutcome::Completed);
        bool linearised = false;
        lineariseSource(c.N, levels.T, p, linearised);
        levels.startPass();
        DiscreteSystem system(c.N);
        assembleSystem(c, 0.0, ControlVolumeGrid(c), p, levels, ConvectionScheme::CDS, system);
        for (std::size_t i = 1; i <= 40; ++i) {
            EXPECT_GE(std::abs(system.diagonal[i]),
                      std::abs(system.lower[i]) + std::abs(system.upper[i]))
                << geometryKeyword(g) << " row " << i;
        }
    }
}

}  // namespace
}  // namespace calorvia::simulation
