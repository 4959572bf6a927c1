// One pass of the finite volume method at N = 1000, solved by the band direct
// solver, by the dense N×N reference it reproduces, and by Gauss-Seidel; and a
// steady case whose conductivity is a formula of T, 1000 passes.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dense_reference.h"
#include "interpreter/interpreter.h"
#include "simulation/assembly.h"
#include "simulation/control_volume_grid.h"
#include "simulation/direct_solver.h"
#include "simulation/discrete_system.h"
#include "simulation/gauss_seidel.h"
#include "simulation/property_evaluation.h"
#include "simulation/scheme_choice.h"
#include "simulation/simulation_case.h"
#include "simulation/source_linearisation.h"

namespace {

using namespace calorvia;
using namespace calorvia::simulation;

constexpr std::int32_t N = 1000;

PropertyExpression constant(double value) {
    PropertyExpression p;
    p.text = std::to_string(value);
    p.constant = value;
    return p;
}

PropertyExpression formula(std::string text) {
    PropertyExpression p;
    p.text = std::move(text);
    p.isFormula = true;
    return p;
}

// A steel slab 0.1 m thick with a heat source of 1 MW/m³, convection to air
// at x = 0 and a wall at 100 °C at x = Lx.
SimulationCase steelSlab() {
    SimulationCase c;
    c.Lx = 0.1;
    c.N = N;
    c.K = constant(45.0);
    c.Rho = constant(7800.0);
    c.Cp = constant(470.0);
    c.Sc = constant(1.0E6);
    c.Sp = constant(0.0);
    c.Delt_t = 1.0;
    c.west.type = BoundaryType::Convection;
    c.west.h = 25.0;
    c.west.Tinf = 20.0;
    c.east.type = BoundaryType::Temperature;
    c.east.T = 100.0;
    return c;
}

// The state of one run, and its pass: evaluate, linearise, choose the
// scheme, assemble.
struct Run {
    SimulationCase simulationCase;
    double f;
    ControlVolumeGrid grid;
    VolumeProperties properties;
    TemperatureLevels levels;
    DiscreteSystem system;
    interpreter::Interpreter engine;
    SchemeState scheme;
    bool linearised = false;
    bool zeroPivotWarning = false;

    Run(SimulationCase c, double transientSwitch)
        : simulationCase(std::move(c)),
          f(transientSwitch),
          grid(simulationCase.Lx, simulationCase.N),
          properties(simulationCase.N),
          levels(simulationCase.N),
          system(simulationCase.N) {
        levels.start(std::vector<double>(static_cast<std::size_t>(simulationCase.N), 100.0));
    }

    void evaluate() {
        levels.startPass();
        evaluateProperties(simulationCase, levels.T, engine, properties);
        lineariseSource(simulationCase.N, levels.T, properties, linearised);
        chooseScheme(simulationCase.u, properties, grid.dx, {}, scheme);
    }

    void assemble() {
        assembleSystem(simulationCase, f, grid, properties, levels, scheme.scheme, system);
    }

    void solveDirect() {
        TABLU(system, zeroPivotWarning);
        SOLU(system);
        levels.T = system.b;
    }
};

// Assembly, TABLU and SOLU on the band, and the copy b -> T.
void BandDirectPass(benchmark::State& state) {
    Run run(steelSlab(), 0.0);
    run.evaluate();
    for (auto _ : state) {
        run.assemble();
        run.solveDirect();
        benchmark::DoNotOptimize(run.levels.T.data());
    }
}
BENCHMARK(BandDirectPass)->Unit(benchmark::kMicrosecond);

// The same pass through the dense N×N reference.
void DenseReferencePass(benchmark::State& state) {
    Run run(steelSlab(), 0.0);
    run.evaluate();
    reference::DenseSystem dense(N);
    bool warned = false;
    for (auto _ : state) {
        run.assemble();
        dense.writeBand(run.system);
        reference::TABLU(dense, warned);
        reference::SOLU(dense);
        benchmark::DoNotOptimize(dense.b.data());
    }
}
BENCHMARK(DenseReferencePass)->Unit(benchmark::kMillisecond);

// One time step of the transient slab (Delt_t = 0.1 s, cell Fourier number
// about 120) by Gauss-Seidel with Tol = 1.0E-8, from the previous step.
void GaussSeidelTransientPass(benchmark::State& state) {
    SimulationCase c = steelSlab();
    c.Delt_t = 0.1;
    Run run(c, 1.0);
    run.evaluate();
    const NodeArray start = run.levels.T;
    std::int64_t sweeps = 0;
    for (auto _ : state) {
        run.levels.T = start;
        run.levels.Tsweep = start;
        run.assemble();
        sweeps += G_S(run.system, 1.0E-8, run.levels.T, run.levels.Tsweep).sweeps;
        benchmark::DoNotOptimize(run.levels.T.data());
    }
    state.counters["sweeps"] =
        benchmark::Counter(static_cast<double>(sweeps), benchmark::Counter::kAvgIterations);
}
BENCHMARK(GaussSeidelTransientPass)->Unit(benchmark::kMicrosecond);

// A steady case with K = 40 + 0.02·T, 1000 passes of evaluation, linearisation,
// assembly and the band direct solve (the run's outer iteration limit).
void SteadyFormulaConductivity1000Passes(benchmark::State& state) {
    SimulationCase c = steelSlab();
    c.K = formula("40+0.02*z");
    using Clock = std::chrono::steady_clock;
    Clock::duration evaluation{};
    Clock::duration solution{};
    for (auto _ : state) {
        Run run(c, 0.0);
        for (int pass = 0; pass < 1000; ++pass) {
            const auto t0 = Clock::now();
            run.evaluate();
            const auto t1 = Clock::now();
            run.assemble();
            run.solveDirect();
            const auto t2 = Clock::now();
            evaluation += t1 - t0;
            solution += t2 - t1;
        }
        benchmark::DoNotOptimize(run.levels.T.data());
    }
    auto ms = [](Clock::duration d) {
        return std::chrono::duration<double, std::milli>(d).count();
    };
    state.counters["evaluate_ms"] =
        benchmark::Counter(ms(evaluation), benchmark::Counter::kAvgIterations);
    state.counters["assemble_solve_ms"] =
        benchmark::Counter(ms(solution), benchmark::Counter::kAvgIterations);
}
BENCHMARK(SteadyFormulaConductivity1000Passes)->Unit(benchmark::kMillisecond);

}  // namespace
