// Accuracy against exact solutions of steady conduction, one pass of
// evaluation, linearisation, assembly and solution, as a student would check
// the program.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "constant_slab.h"

namespace calorvia::simulation {
namespace {

using slab::convection;
using slab::flux;
using slab::temperature;

// A steady case without a source slope or flow, where the nodal errors are known.
SimulationCase steadyCase(double Lx, std::int32_t N, double K, double Sc, BoundaryCondition west,
                          BoundaryCondition east) {
    return slab::steadyCase(Lx, N, K, Sc, 0.0, 0.0, west, east);
}

struct Solution {
    ControlVolumeGrid grid;
    NodeArray T;
    ProfileEnds ends;
};

// One steady pass from a zero field.
Solution solveSteady(const SimulationCase& c) {
    Solution s{ControlVolumeGrid(c.Lx, c.N), {}, {}};
    TemperatureLevels levels(c.N);
    levels.startPass();
    VolumeProperties properties(c.N);
    interpreter::Interpreter engine;
    EXPECT_EQ(evaluateProperties(c, levels.T, engine, properties).outcome,
              EvaluationOutcome::Completed);
    bool linearised = false;
    lineariseSource(c.N, levels.T, properties, linearised);
    DiscreteSystem system(c.N);
    assembleSystem(c, 0.0, s.grid, properties, levels, ConvectionScheme::CDS, system);
    slab::solveDirect(system);
    levels.T = system.b;
    s.ends = updateBoundaryTemperatures(s.grid, properties.K, c.west, c.east, levels);
    s.T = levels.T;
    return s;
}

double maxNodalError(const Solution& s, const std::function<double(double)>& exact) {
    double error = 0.0;
    for (std::int32_t i = 1; i <= s.grid.N; ++i) {
        error =
            std::max(error, std::abs(s.T[static_cast<std::size_t>(i)] - exact(s.grid.centre(i))));
    }
    return error;
}

// ---------------------------------------------------------------------------
// Linear profiles: conduction without a source is exact at the nodes for every
// boundary type, because the half-volume conductance 2K/dx (and the film in
// series with it) carries a linear profile's flux exactly.

struct LinearRow {
    std::string name;
    BoundaryCondition west;
    BoundaryCondition east;
    std::int32_t N;
};

void PrintTo(const LinearRow& row, std::ostream* os) {
    *os << row.name;
}

class LinearProfile : public ::testing::TestWithParam<LinearRow> {};

TEST_P(LinearProfile, IsReproducedAtTheNodesAndAtBothFaces) {
    const LinearRow row = GetParam();
    constexpr double L = 0.2;
    constexpr double K = 2.0;
    const Solution s = solveSteady(steadyCase(L, row.N, K, 0.0, row.west, row.east));

    // T(x) = T0 + B·x: each boundary gives one linear condition on (T0, B).
    // Temperature: T(face) = T. Flux into the slab: -K·B at x = 0, +K·B at L.
    // Convection: flux into the slab = h·(Tinf - T(face)).
    auto equation = [&](const BoundaryCondition& c, double x, double inward) {
        struct Row {
            double a, b, rhs;
        };  // a·T0 + b·B = rhs
        switch (c.type) {
            case BoundaryType::Temperature:
                return Row{1.0, x, c.T};
            case BoundaryType::Flux:
                return Row{0.0, -inward * K, c.Phi};
            default:
                return Row{c.h, c.h * x - inward * K, c.h * c.Tinf};
        }
    };
    const auto w = equation(row.west, 0.0, 1.0);
    const auto e = equation(row.east, L, -1.0);
    const double det = w.a * e.b - w.b * e.a;
    const double T0 = (w.rhs * e.b - w.b * e.rhs) / det;
    const double B = (w.a * e.rhs - w.rhs * e.a) / det;
    auto exact = [&](double x) { return T0 + B * x; };

    const double scale = std::max({std::abs(T0), std::abs(exact(L)), 1.0});
    EXPECT_LE(maxNodalError(s, exact), 1.0E-12 * scale);
    EXPECT_NEAR(s.ends.west, exact(0.0), 1.0E-12 * scale);
    EXPECT_NEAR(s.ends.east, exact(L), 1.0E-12 * scale);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, LinearProfile,
    ::testing::Values(LinearRow{"TemperatureBothEnds", temperature(100.0), temperature(20.0), 7},
                      LinearRow{"ConvectionWest", convection(25.0, 500.0), temperature(20.0), 5},
                      LinearRow{"ConvectionEast", temperature(80.0), convection(40.0, -10.0), 3},
                      LinearRow{"ConvectionBothEnds", convection(5.0, 300.0),
                                convection(50.0, 20.0), 11},
                      LinearRow{"FluxWest", flux(500.0), temperature(20.0), 4},
                      LinearRow{"FluxEast", temperature(20.0), flux(500.0), 6},
                      LinearRow{"FluxOutOfTheSlab", flux(-300.0), convection(10.0, 50.0), 9}),
    [](const ::testing::TestParamInfo<LinearRow>& row) { return row.param.name; });

// ---------------------------------------------------------------------------
// Uniform source S with a prescribed temperature: the exact profile is the
// parabola T(x) = linear + S·x·(L - x)/(2K). Interior equations are exact for
// a parabola, but the half-volume flux 2K·(T(1) - T_W)/dx is the slope at dx/4,
// not at the face: the boundary equation misses S·dx/4, and the discrete
// solution is the parabola shifted up by c with (2K/dx)·c = S·dx/4, that is
// c = S·dx²/(8K) at every node: second order, not exact. A flux boundary is
// exact for a parabola, so with one it is the prescribed-temperature end alone
// that sets the shift, and the shift is the same.

struct SourceRow {
    std::string name;
    std::int32_t N;
    bool fluxWest;
};

void PrintTo(const SourceRow& row, std::ostream* os) {
    *os << row.name;
}

class UniformSource : public ::testing::TestWithParam<SourceRow> {};

TEST_P(UniformSource, NodalValuesSitAboveTheParabolaBySdx2Over8K) {
    const SourceRow row = GetParam();
    constexpr double L = 0.5;
    constexpr double K = 2.0;
    constexpr double S = 1000.0;
    constexpr double TE = 20.0;
    constexpr double Phi = 150.0;
    const double TW = 100.0;
    const BoundaryCondition west = row.fluxWest ? flux(Phi) : temperature(TW);
    const Solution s = solveSteady(steadyCase(L, row.N, K, S, west, temperature(TE)));

    std::function<double(double)> exact;
    if (row.fluxWest) {
        // -K·T'(0) = Phi, T(L) = TE, K·T'' = -S.
        exact = [&](double x) { return TE + Phi / K * (L - x) + S / (2.0 * K) * (L * L - x * x); };
    } else {
        exact = [&](double x) { return TW + (TE - TW) * x / L + S / (2.0 * K) * x * (L - x); };
    }
    const double shift = S * s.grid.dx * s.grid.dx / (8.0 * K);
    for (std::int32_t i = 1; i <= row.N; ++i) {
        const double error = s.T[static_cast<std::size_t>(i)] - exact(s.grid.centre(i));
        EXPECT_NEAR(error, shift, 1.0E-11 * 100.0) << "node " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Grids, UniformSource,
    ::testing::Values(SourceRow{"Temperature_N3", 3, false}, SourceRow{"Temperature_N5", 5, false},
                      SourceRow{"Temperature_N40", 40, false}, SourceRow{"FluxWest_N4", 4, true},
                      SourceRow{"FluxWest_N25", 25, true}),
    [](const ::testing::TestParamInfo<SourceRow>& row) { return row.param.name; });

}  // namespace
}  // namespace calorvia::simulation
