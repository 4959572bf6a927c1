// The exact steady solution of cylinders and spheres against closed forms
// worked out by hand, against its own boundary conditions and conservation
// law over a sweep of sources and shapes, its refusals, and the real
// discretisation converging to it at second order.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

#include "constant_slab.h"
#include "exact_helpers.h"
#include "simulation/exact_solution.h"

namespace calorvia::simulation {
namespace {

using exact_checks::ClosedForm;
using exact_checks::ClosedFormRow;
using exact_checks::conditionMismatch;
using exact_checks::ObservedOrder;
using exact_checks::OrderRow;
using exact_checks::simpson;
using exact_checks::solved;
using slab::convection;
using slab::flux;
using slab::radialCase;
using slab::temperature;

constexpr Geometry Cylinder = Geometry::Cylinder;
constexpr Geometry Sphere = Geometry::Sphere;

SteadyProblem radial(Geometry g, double ri, double Lx, double K, double Sc, double Sp,
                     BoundaryCondition west, BoundaryCondition east) {
    return SteadyProblem{Lx, K, Sc, Sp, 0.0, west, east, g, ri};
}

std::vector<double> radii(double ri, double ro, int intervals) {
    std::vector<double> r;
    for (int k = 0; k <= intervals; ++k) r.push_back(ri + (ro - ri) * k / intervals);
    return r;
}

// ---------------------------------------------------------------------------
// Closed forms, each derived by hand for its own pair of conditions.

std::vector<ClosedFormRow> closedFormRows() {
    using std::cyl_bessel_i;
    using std::cyl_bessel_j;
    using K = ExactSolutionKind;
    std::vector<ClosedFormRow> rows;
    // Shells between two temperatures: ln r and 1/r.
    rows.push_back({"CylindricalShellTemperatures",
                    radial(Cylinder, 0.05, 0.1, 2.0, 0.0, 0.0, temperature(300), temperature(20)),
                    K::Logarithmic, [](double r) {
                        return 300.0 + (20.0 - 300.0) * std::log(r / 0.05) / std::log(3.0);
                    }});
    rows.push_back({"SphericalShellTemperatures",
                    radial(Sphere, 0.5, 1.5, 4.0, 0.0, 0.0, temperature(80), temperature(-10)),
                    K::InverseRadius, [](double r) {
                        return 80.0 + (-10.0 - 80.0) * (1.0 / 0.5 - 1.0 / r) / (1.0 / 0.5 - 0.5);
                    }});
    // An insulated pipe: a flux density Phi into the inner face, a film
    // outside. Per radian Phi·ri crosses every radius:
    //     T = Tinf + Phi·ri/(h·ro) − (Phi·ri/K)·ln(r/ro).
    rows.push_back({"InsulatedPipeFluxAndFilm",
                    radial(Cylinder, 0.02, 0.03, 0.05, 0.0, 0.0, flux(500), convection(10, 25)),
                    K::Logarithmic, [](double r) {
                        return 25.0 + 500.0 * 0.02 / (10.0 * 0.05) -
                               500.0 * 0.02 / 0.05 * std::log(r / 0.05);
                    }});
    // Solid bodies with uniform generation: the parabola, and the film's step
    // Sc·ro/(2h) or Sc·ro/(3h).
    rows.push_back({"SolidCylinderGenerationSurfaceTemperature",
                    radial(Cylinder, 0.0, 0.01, 20.0, 5.0E7, 0.0, flux(999), temperature(100)),
                    K::Logarithmic,
                    [](double r) { return 100.0 + 5.0E7 * (1.0E-4 - r * r) / (4.0 * 20.0); }});
    rows.push_back({"SolidCylinderGenerationFilm",
                    radial(Cylinder, 0.0, 0.01, 20.0, 5.0E7, 0.0, temperature(0), convection(1000, 30)),
                    K::Logarithmic, [](double r) {
                        return 30.0 + 5.0E7 * 0.01 / (2.0 * 1000.0) +
                               5.0E7 * (1.0E-4 - r * r) / (4.0 * 20.0);
                    }});
    rows.push_back({"SolidSphereGenerationFilm",
                    radial(Sphere, 0.0, 0.2, 3.0, 6.0E4, 0.0, temperature(0), convection(50, 15)),
                    K::InverseRadius, [](double r) {
                        return 15.0 + 6.0E4 * 0.2 / (3.0 * 50.0) +
                               6.0E4 * (0.04 - r * r) / (6.0 * 3.0);
                    }});
    // Sinks: T = −Sc/Sp + (Ts + Sc/Sp)·I0(m·r)/I0(m·ro), or ro·sinh(m·r)/(r·sinh(m·ro)),
    // with m·ro = 1.5 (series) and 12 (closed forms).
    for (double mro : {1.5, 12.0}) {
        const double m = mro;  // ro = 1, K = 1: Sp = −m²
        const std::string tag = mro < 2.0 ? "Series" : "Closed";
        rows.push_back({"SolidCylinderSink" + tag,
                        radial(Cylinder, 0.0, 1.0, 1.0, 3.0, -m * m, temperature(0), temperature(7)),
                        K::ModifiedBessel, [m](double r) {
                            const double Tp = 3.0 / (m * m);
                            return Tp + (7.0 - Tp) * cyl_bessel_i(0.0, m * r) / cyl_bessel_i(0.0, m);
                        }});
        rows.push_back({"SolidSphereSink" + tag,
                        radial(Sphere, 0.0, 1.0, 1.0, 3.0, -m * m, temperature(0), temperature(7)),
                        K::HyperbolicOverRadius, [m](double r) {
                            const double Tp = 3.0 / (m * m);
                            const double shape = r == 0.0 ? m / std::sinh(m)
                                                          : std::sinh(m * r) / (r * std::sinh(m));
                            return Tp + (7.0 - Tp) * shape;
                        }});
    }
    // Sources: J0(ω·r)/J0(ω·ro) and sin(ω·r)/(r·sin(ω·ro)), short of the
    // first zero (ω·ro = 1.8) and past it (5 and 4).
    for (double w : {1.8, 5.0}) {
        const std::string tag = w < 2.0 ? "Series" : "Closed";
        rows.push_back({"SolidCylinderSource" + tag,
                        radial(Cylinder, 0.0, 1.0, 1.0, 3.0, w * w, temperature(0), temperature(7)),
                        K::Bessel, [w](double r) {
                            const double Tp = -3.0 / (w * w);
                            return Tp + (7.0 - Tp) * cyl_bessel_j(0.0, w * r) / cyl_bessel_j(0.0, w);
                        }});
    }
    for (double w : {1.8, 4.0}) {
        const std::string tag = w < 2.0 ? "Series" : "Closed";
        rows.push_back({"SolidSphereSource" + tag,
                        radial(Sphere, 0.0, 1.0, 1.0, 3.0, w * w, temperature(0), temperature(7)),
                        K::TrigonometricOverRadius, [w](double r) {
                            const double Tp = -3.0 / (w * w);
                            const double shape = r == 0.0 ? w / std::sin(w)
                                                          : std::sin(w * r) / (r * std::sin(w));
                            return Tp + (7.0 - Tp) * shape;
                        }});
    }
    // A spherical shell with a sink between two temperatures, m = 6:
    //     T = −Sc/Sp + (a·sinh(m·(r − ri)) + b·sinh(m·(ro − r)))/r, which meets
    //     T(ri) and T(ro) with b = ri·(T(ri) + Sc/Sp)/sinh(m·L), a = ro·(T(ro) + Sc/Sp)/sinh(m·L).
    rows.push_back({"SphericalShellSink",
                    radial(Sphere, 0.5, 1.0, 1.0, 36.0, -36.0, temperature(4), temperature(2)),
                    K::HyperbolicOverRadius, [](double r) {
                        const double m = 6.0;
                        const double Tp = 1.0;
                        const double b = 0.5 * (4.0 - Tp) / std::sinh(m);
                        const double a = 1.5 * (2.0 - Tp) / std::sinh(m);
                        return Tp + (a * std::sinh(m * (r - 0.5)) + b * std::sinh(m * (1.5 - r))) / r;
                    }});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(RadialByHand, ClosedForm, ::testing::ValuesIn(closedFormRows()),
                         [](const ::testing::TestParamInfo<ClosedFormRow>& row) {
                             return row.param.name;
                         });

// The heat rate through a surface: 2π·r·q per unit length, 4π·r²·q in all.
TEST(RadialExact, HeatRateIsTheFluxThroughTheWholeSurface) {
    // A solid sphere of radius 0.2 generating 6e4 W/m³ loses 6e4·(4/3)π·0.2³.
    const ExactSteadySolution sphere =
        solved(radial(Sphere, 0.0, 0.2, 3.0, 6.0E4, 0.0, temperature(0), convection(50, 15)));
    EXPECT_NEAR(sphere.heatRate(0.2), 6.0E4 * 4.0 / 3.0 * std::numbers::pi * 0.008, 1.0E-9);
    EXPECT_EQ(sphere.heatRate(0.0), 0.0);
    // The insulated pipe carries Phi·2π·ri per metre through every radius.
    const ExactSteadySolution pipe =
        solved(radial(Cylinder, 0.02, 0.03, 0.05, 0.0, 0.0, flux(500), convection(10, 25)));
    for (double r : {0.02, 0.031, 0.05}) {
        EXPECT_NEAR(pipe.heatRate(r), 500.0 * 2.0 * std::numbers::pi * 0.02, 1.0E-10);
    }
}

// ---------------------------------------------------------------------------
// Every pair of conditions, solid bodies, shells and a thin shell, sources
// and sinks on both sides of the switch between series and closed forms:
// the solution is finite, meets its conditions and conserves energy,
//     A(a)·q(a) − A(b)·q(b) + ∫ (Sc + Sp·T)·A(r) dr = 0.

const std::vector<BoundaryCondition>& conditions() {
    static const std::vector<BoundaryCondition> c{temperature(1.0), flux(0.5),
                                                  convection(2.0, -1.0)};
    return c;
}

TEST(RadialExactSweep, MeetsItsConditionsAndConservesEnergy) {
    struct Shape {
        double ri;
        double Lx;
    };
    // |λ|·ro² = 4 at the switch: Sp = ∓4/ro² with K = 1.
    int solvedCount = 0;
    for (Geometry g : {Cylinder, Sphere}) {
        for (const Shape shape : {Shape{0.0, 1.0}, Shape{0.5, 1.0}, Shape{20.0, 0.5}}) {
            const double ro = shape.ri + shape.Lx;
            const double atSwitch = 4.0 / (ro * ro);
            for (double Sp : {-1.0E4, -30.0, -atSwitch * 1.000001, -atSwitch * 0.999999, -0.5,
                              -1.0E-9, 0.0, 1.0E-9, 0.5, atSwitch * 0.999999, atSwitch * 1.000001,
                              7.0}) {
                for (const BoundaryCondition& west : conditions()) {
                    for (const BoundaryCondition& east : conditions()) {
                        const bool solid = shape.ri == 0.0;
                        if (solid && west.type != BoundaryType::Temperature) continue;  // no part
                        const SteadyProblem p = radial(g, shape.ri, shape.Lx, 1.0, 3.0, Sp, west, east);
                        SCOPED_TRACE(std::string(geometryKeyword(g)) + " ri = " +
                                     std::to_string(shape.ri) + " Sp = " + std::to_string(Sp) +
                                     " types " + std::to_string(static_cast<int>(west.type)) +
                                     std::to_string(static_cast<int>(east.type)));
                        const ExactSteadyOutcome outcome = exactSteadySolution(p);
                        const bool levelFixed = (!solid && west.type != BoundaryType::Flux) ||
                                                east.type != BoundaryType::Flux;
                        if (Sp == 0.0 && !levelFixed) {
                            EXPECT_EQ(outcome.refusal, ExactSolutionRefusal::NoSteadyState);
                            continue;
                        }
                        ASSERT_TRUE(outcome.solution) << static_cast<int>(outcome.refusal);
                        const ExactSteadySolution& T = *outcome.solution;
                        double sizeT = 1.0;
                        double sizeQ = 1.0;
                        for (double r : radii(shape.ri, ro, 200)) {
                            ASSERT_TRUE(std::isfinite(T.temperature(r)));
                            ASSERT_TRUE(std::isfinite(T.heatFlux(r)));
                            sizeT = std::max(sizeT, std::abs(T.temperature(r)));
                            sizeQ = std::max(sizeQ, std::abs(T.heatFlux(r)));
                        }
                        const double scale = std::max(sizeT * 2.0, sizeQ);
                        if (!solid) {
                            EXPECT_LT(conditionMismatch(T, {scale, scale}, west, shape.ri, -1.0),
                                      1.0E-9);
                        }
                        EXPECT_LT(conditionMismatch(T, {scale, scale}, east, ro, 1.0), 1.0E-9);
                        // Solid bodies: no gradient at the centre.
                        if (solid) {
                            EXPECT_LT(std::abs(T.heatFlux(0.0)), 1.0E-9 * sizeQ);
                        }
                        for (int quarter = 0; quarter < 4; ++quarter) {
                            const double a = shape.ri + shape.Lx * quarter / 4.0;
                            const double b = shape.ri + shape.Lx * (quarter + 1) / 4.0;
                            auto A = [g](double r) { return faceArea(g, r); };
                            const double generated = simpson(
                                [&](double r) { return (3.0 + Sp * T.temperature(r)) * A(r); },
                                a, b, 2000);
                            const double through = A(a) * T.heatFlux(a) - A(b) * T.heatFlux(b);
                            const double termScale = std::max(
                                {A(a) * std::abs(T.heatFlux(a)), A(b) * std::abs(T.heatFlux(b)),
                                 std::abs(simpson([&](double r) { return 3.0 * A(r); }, a, b, 20)),
                                 std::abs(simpson(
                                     [&](double r) { return Sp * T.temperature(r) * A(r); }, a,
                                     b, 50))});
                            EXPECT_LT(std::abs(through + generated) / termScale, 1.0E-7)
                                << "quarter " << quarter;
                        }
                        ++solvedCount;
                    }
                }
            }
        }
    }
    // Per geometry: 12 slopes × (3 solid + 9 + 9 shell pairs), less the
    // flux-flux shells and the flux-surface solid bodies without a slope.
    EXPECT_EQ(solvedCount, 2 * (12 * 21 - 1 - 2));
}

// A strong sink over a large body needs e^{m·ro} far beyond a double; the
// scaled forms keep the profile finite: a boundary layer of width 1/m.
TEST(RadialExactSweep, StrongSinkStaysFinite) {
    for (Geometry g : {Cylinder, Sphere}) {
        const ExactSteadySolution T =
            solved(radial(g, 0.0, 10.0, 1.0, 0.0, -1.0E6, temperature(0), temperature(1)));
        EXPECT_EQ(T.temperature(5.0), 0.0);
        EXPECT_NEAR(T.temperature(10.0), 1.0, 1.0E-14);
        // 1e-3 from the surface, e^{−1} of the surface value, to O(1/(m·ro)).
        EXPECT_NEAR(T.temperature(10.0 - 1.0E-3), std::exp(-1.0), 1.0E-3);
        EXPECT_TRUE(std::isfinite(T.heatFlux(10.0)));
    }
}

// ---------------------------------------------------------------------------
// Refusals particular to cylinders and spheres.

TEST(RadialExactRefusal, GivesItsReason) {
    using R = ExactSolutionRefusal;
    struct Row {
        const char* name;
        SteadyProblem problem;
        R reason;
    };
    const double J0zero = 2.404825557695773;
    SteadyProblem withFlow = radial(Cylinder, 0.1, 1.0, 1.0, 0.0, 0.0, temperature(0), temperature(1));
    withFlow.F = 0.5;
    const Row rows[] = {
        {"flow in a radial body", withFlow, R::RadialConvection},
        {"negative inner radius",
         radial(Sphere, -0.1, 1.0, 1.0, 0.0, 0.0, temperature(0), temperature(1)),
         R::NegativeInnerRadius},
        // The centre fixes nothing: a flux at the surface leaves the level free.
        {"solid cylinder, flux surface",
         radial(Cylinder, 0.0, 1.0, 1.0, 5.0, 0.0, temperature(0), flux(-2.5)), R::NoSteadyState},
        {"shell, flux both faces",
         radial(Sphere, 1.0, 1.0, 1.0, 0.0, 0.0, flux(1.0), flux(-0.25)), R::NoSteadyState},
        // J0(ω·ro) = 0 and sin(ω·ro) = 0: the surface temperature cannot be met.
        {"solid cylinder resonance",
         radial(Cylinder, 0.0, 1.0, 1.0, 1.0, J0zero * J0zero, temperature(0), temperature(0)),
         R::NotUnique},
        {"solid sphere resonance",
         radial(Sphere, 0.0, 1.0, 1.0, 1.0, std::numbers::pi * std::numbers::pi, temperature(0),
                temperature(2)),
         R::NotUnique},
        {"zero film at the surface",
         radial(Sphere, 0.0, 1.0, 1.0, 1.0, 0.0, temperature(0), convection(0.0, 3.0)),
         R::NonPositiveFilmCoefficient},
    };
    for (const Row& row : rows) {
        const ExactSteadyOutcome outcome = exactSteadySolution(row.problem);
        EXPECT_FALSE(outcome.solution) << row.name;
        EXPECT_EQ(outcome.refusal, row.reason) << row.name;
    }
}

// Whatever the file says about the west of a solid body plays no part.
TEST(RadialExactRefusal, TheCentreIgnoresTheWestCondition) {
    const BoundaryCondition unknown{fromFileNumber<BoundaryType>(9), 0, 0, 0, 0};
    for (const BoundaryCondition& west : {unknown, convection(-1.0, 0.0), flux(1.0E6)}) {
        const ExactSteadySolution T =
            solved(radial(Cylinder, 0.0, 0.01, 20.0, 5.0E7, 0.0, west, temperature(100)));
        EXPECT_NEAR(T.temperature(0.0), 100.0 + 5.0E7 * 1.0E-4 / 80.0, 1.0E-9);
    }
}

TEST(RadialExactRefusal, ACaseWithVelocityIsRefused) {
    SimulationCase c =
        radialCase(Sphere, 0.0, 1.0, 10, 1.0, 1.0, 0.0, temperature(0), temperature(1));
    c.u = 0.1;
    EXPECT_EQ(exactSteadySolution(c).refusal, ExactSolutionRefusal::RadialConvection);
    c.u = 0.0;
    EXPECT_TRUE(exactSteadySolution(c).solution);
}

// ---------------------------------------------------------------------------
// The real discretisation converges to the exact solution at second order.

// Grids N and 3N nest their centres; the error falls about 9 times.
INSTANTIATE_TEST_SUITE_P(
    RadialRefinement, ObservedOrder,
    ::testing::Values(
        OrderRow{"CylindricalShellTemperatures", radialCase(Cylinder, 0.05, 0.1, 0, 2.0, 0.0, 0.0,
                                                            temperature(300), temperature(20))},
        OrderRow{"SphericalShellTemperatures",
                 radialCase(Sphere, 0.5, 1.5, 0, 4.0, 0.0, 0.0, temperature(80), temperature(-10))},
        OrderRow{
            "SolidCylinderGenerationTemperature",
            radialCase(Cylinder, 0.0, 0.01, 0, 20.0, 5.0E7, 0.0, temperature(0), temperature(100))},
        OrderRow{"SolidCylinderGenerationFilm", radialCase(Cylinder, 0.0, 0.01, 0, 20.0, 5.0E7, 0.0,
                                                           temperature(0), convection(1000, 30))},
        OrderRow{"SolidSphereGenerationTemperature",
                 radialCase(Sphere, 0.0, 0.2, 0, 3.0, 6.0E4, 0.0, temperature(0), temperature(15))},
        OrderRow{"SolidSphereGenerationFilm", radialCase(Sphere, 0.0, 0.2, 0, 3.0, 6.0E4, 0.0,
                                                         temperature(0), convection(50, 15))},
        OrderRow{"InsulatedPipeFluxAndFilm", radialCase(Cylinder, 0.02, 0.03, 0, 0.05, 0.0, 0.0,
                                                        flux(500), convection(10, 25))},
        // Layers of width 1/m = 0.16 beside the faces: second order once
        // m·dx is about 0.05.
        OrderRow{"CylindricalShellSinkFluxFilm",
                 radialCase(Cylinder, 0.5, 1.0, 0, 1.0, 30.0, -40.0, flux(-20), convection(3, 2)),
                 ConvectionScheme::CDS, 180},
        OrderRow{
            "SphericalShellSinkFilmTemperature",
            radialCase(Sphere, 0.5, 1.0, 0, 1.0, 3.0, -2.0, convection(4, 1), temperature(5))}),
    [](const ::testing::TestParamInfo<OrderRow>& row) { return row.param.name; });

}  // namespace
}  // namespace calorvia::simulation
