// A solid sphere cooled in a fluid, Bi = h·ro/K = 1, from a uniform
// temperature: the working case file with its geometry line, loaded, then
// marched in time through the real stages (evaluate, linearise, assemble,
// TABLU/SOLU, boundary update), beside the series solution
//     θ(r, Fo) = Σ C_n·e^{−ζ_n²·Fo}·sin(ζ_n·r/ro)/(ζ_n·r/ro),
//     1 − ζ_n·cot ζ_n = Bi,   C_n = 4·(sin ζ_n − ζ_n·cos ζ_n)/(2ζ_n − sin 2ζ_n),
// θ = (T − Tinf)/(Ti − Tinf), Fo = α·t/ro². For Bi = 1 the roots are
// ζ_n = (2n − 1)·π/2 and C_n = 2·sin ζ_n/ζ_n, so the one-term solution at
// the centre is θ0 = (4/π)·e^{−π²·Fo/4}.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "constant_slab.h"
#include "simulation/case_loader.h"
#include "text/number_writer.h"

namespace calorvia::simulation {
namespace {

constexpr double pi = std::numbers::pi;

// θ at r/ro = rho by the first `terms` terms of the series.
double seriesTheta(double rho, double Fo, int terms) {
    double theta = 0.0;
    for (int n = 1; n <= terms; ++n) {
        const double zeta = (2.0 * n - 1.0) * pi / 2.0;
        const double C = 2.0 * std::sin(zeta) / zeta;
        const double shape = rho == 0.0 ? 1.0 : std::sin(zeta * rho) / (zeta * rho);
        theta += C * std::exp(-zeta * zeta * Fo) * shape;
    }
    return theta;
}

struct Sample {
    double Fo;
    double theta;  // at node 1, r = dx/2
};

// ro = 1, K = 1, Rho·Cp = 1 (α = 1), h = 1, Ti = 100, Tinf = 0; N volumes,
// steps of Delt_t up to Fo = 1.5.
std::vector<Sample> coolSphere(std::int32_t N, double Delt_t) {
    const auto steps = static_cast<std::int32_t>(std::lround(1.5 / Delt_t));
    // Lx N K Sc Sp state method Ti Rho Cp Delt_t Nst No west(T) east(h, Tinf) u geometry
    const std::vector<std::string> lines{
        " 1", " " + std::to_string(N), "1", "0", "0", " 2", " 2", "100", "1", "1",
        " " + text::shortestReal(Delt_t), " " + std::to_string(steps), " 1", " 1", " 0", " 3",
        " 1", " 0", " 0", "sphere 0"};
    const CaseLoadResult result = loadCaseFromLines(lines);
    EXPECT_TRUE(result.ok());
    if (!result.ok()) return {};
    const LoadedCase& loaded = *result.loaded;
    const SimulationCase& c = loaded.simulationCase;
    EXPECT_EQ(c.geometry, Geometry::Sphere);
    EXPECT_EQ(c.ri, 0.0);

    const ControlVolumeGrid grid(c);
    TemperatureLevels levels(N);
    levels.start(loaded.initialTemperature);
    VolumeProperties properties(N);
    interpreter::Interpreter engine;
    std::vector<Sample> samples;
    for (std::int32_t step = 1; step <= loaded.stepsToMarch; ++step) {
        levels.startPass();
        EXPECT_EQ(evaluateProperties(c, levels.T, engine, properties).outcome,
                  EvaluationOutcome::Completed);
        bool linearised = false;
        lineariseSource(N, levels.T, properties, linearised);
        DiscreteSystem system(N);
        assembleSystem(c, loaded.transientSwitch, grid, properties, levels, ConvectionScheme::CDS,
                       system);
        slab::solveDirect(system);
        levels.T = system.b;
        updateBoundaryTemperatures(grid, properties.K, c.west, c.east, levels);
        samples.push_back({step * c.Delt_t, levels.T[1] / 100.0});
    }
    return samples;
}

TEST(SphereCooling, CentreFollowsTheOneTermSolutionOnceFoExceedsPointTwo) {
    const std::vector<Sample> samples = coolSphere(200, 2.0E-4);
    ASSERT_EQ(samples.size(), 7500u);
    const double rho1 = 0.5 / 200.0;  // node 1 sits at dx/2
    int compared = 0;
    double worstOneTerm = 0.0;
    double worstSeries = 0.0;
    for (const Sample& s : samples) {
        // The full series, to which the numerics converge, at every Fo.
        if (s.Fo >= 0.05) {
            const double exact = seriesTheta(rho1, s.Fo, 200);
            worstSeries = std::max(worstSeries, std::abs(s.theta - exact) / exact);
        }
        if (s.Fo <= 0.2) continue;
        const double oneTerm = 4.0 / pi * std::exp(-pi * pi * s.Fo / 4.0);
        worstOneTerm = std::max(worstOneTerm, std::abs(s.theta - oneTerm) / oneTerm);
        ++compared;
    }
    EXPECT_GE(compared, 6499);
    EXPECT_LT(worstOneTerm, 0.01);
    // Backward Euler's error grows as Delt_t·Fo; 0.1 % at Fo = 1.5.
    EXPECT_LT(worstSeries, 1.0E-3);
}

}  // namespace
}  // namespace calorvia::simulation
