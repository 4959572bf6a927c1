#pragma once
// The numbers of a run, without the screen: the passes of every time step,
// the steady iteration and its convergence test.
//
// A pass, in order:
//   T° = T (and Tsweep = T for Gauss-Seidel);
//   K, Sc, Sp, Rho and Cp at T° (property_evaluation.h), the source
//   linearised (source_linearisation.h);
//   the scheme, on the first pass of a run with convection (scheme_choice.h);
//   A·T = b assembled (assembly.h) and solved, by G_S on T, or by TABLU and
//   SOLU with b copied into T (direct_solver.h, gauss_seidel.h);
//   the range check the run makes of T.
// A step: t^(n+1) = t^n + Delt_t, then passes until the convergence test
// holds: the pass limit reached (steadyPassLimit; 0 for a transient step), a
// case that does not iterate (steadyCaseIterates), or
//     |T°(m) - T(m)| <= Tol,   m = N/2.
//
// What the student sees or answers during a pass (the cancel request, the
// scheme dialog, the sweep counter, the warnings, the range question, the
// pass count) reaches the run through PassHooks; the driver shows nothing.
// The cancel request is looked at at the start of every pass, after every
// formula evaluation at a node, inside both solvers, after the solve and
// after the range check.

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "interpreter/interpreter.h"
#include "simulation/assembly.h"
#include "simulation/boundary_condition.h"
#include "simulation/control_volume_grid.h"
#include "simulation/direct_solver.h"
#include "simulation/discrete_system.h"
#include "simulation/energy_balance.h"
#include "simulation/gauss_seidel.h"
#include "simulation/property_evaluation.h"
#include "simulation/scheme_choice.h"
#include "simulation/simulation_case.h"

namespace calorvia::simulation {

// The run's side of a pass; an empty function does nothing (no cancel).
struct PassHooks {
    std::function<bool()> cancelRequested;
    // The scheme dialog, and the choice once made (the run's clock starts).
    SchemeDialog schemeDialog;
    std::function<void(ConvectionScheme)> schemeChosen;
    GaussSeidelHooks gaussSeidel;
    DirectSolverHooks direct;
    // The vanishing-pivot warning is given once, whichever run meets it first.
    std::atomic<bool>* zeroPivotWarningGiven = nullptr;
    // After the solve: the run's look at T (it may request a cancel).
    std::function<void()> checkRange;
    // After every pass of a steady case: its number, and whether the case
    // iterates (steadyCaseIterates).
    std::function<void(std::int32_t pass, bool iterating)> steadyPassDone;
};

enum class StepOutcome {
    Done,
    PassLimit,        // the steady iteration stopped at its pass limit
    Cancelled,        // a cancel request, or a formula that failed at a node
    FormulaRejected,  // a property formula did not compile
    // A radiating face at or below 0 K: its temperatures were not in kelvin.
    RadiatingFaceNotPositive,
};

// Whether the solution comes out of an iteration rather than one direct
// solve of a linear system: properties or a source that depend on T, a
// linearised positive source, or Gauss-Seidel sweeps. The energy balance is
// judged by the looser limit then (balanceLimit).
bool solutionIterated(const SimulationCase& simulationCase, bool sourceLinearised);

class NumericsDriver {
public:
    explicit NumericsDriver(interpreter::MathErrorHook mathErrorHook = {});

    // The starting field of the run, T(i) = field[i - 1], Tb_W = T(1),
    // Tb_E = T(N); editable through levels() before the first step.
    void startField(std::int32_t N, const std::vector<double>& field);
    // The discrete problem of the loaded case: the grid (dx = Lx/N), A, b
    // and the properties cleared, t = 0, f, the pass limit, Tol and no
    // scheme chosen yet.
    void start(const LoadedCase& loaded, double Tol);
    // The steady solve appended to a transient run: f = 0 from here on.
    void appendSteadySolve() { f_ = 0.0; }

    // One time step, its passes made with `hooks`.
    StepOutcome step(const PassHooks& hooks);
    // The energy balance of the last pass, at the face temperatures of its
    // solution.
    EnergyBalance energyBalance() const;
    // After a step: the boundary temperatures of the new solution, stored
    // and returned as the profile's ends (updateBoundaryTemperatures).
    ProfileEnds updateBoundaryTemperatures();
    // Releases the formula an evaluation stopped in (a cancelled run).
    void releaseFormulas();

    const ControlVolumeGrid& grid() const { return grid_; }
    TemperatureLevels& levels() { return levels_; }
    const TemperatureLevels& levels() const { return levels_; }
    const VolumeProperties& properties() const { return properties_; }
    const SchemeState& scheme() const { return scheme_; }
    bool sourceLinearised() const { return linearisationApplied_; }
    std::int32_t passesOfLastStep() const { return pass_; }
    std::int32_t totalPasses() const { return totalPasses_; }
    double time() const { return t_; }

private:
    StepOutcome pass(const PassHooks& hooks);
    StepOutcome evaluate_properties(const PassHooks& hooks);
    StepOutcome solve(const PassHooks& hooks);
    bool converged() const;
    bool radiatingFacesPositive() const;

    interpreter::Interpreter interpreter_;
    SimulationCase case_;
    ControlVolumeGrid grid_;
    TemperatureLevels levels_;
    VolumeProperties properties_;
    DiscreteSystem system_;
    DirectMethod directMethod_;
    AssemblyCache assemblyCache_;
    SchemeState scheme_;

    double t_ = 0.0;
    double f_ = 0.0;
    double Tol_ = 1.0E-08;
    std::int32_t passLimit_ = 0;
    std::int32_t pass_ = 0;
    std::int32_t totalPasses_ = 0;
    bool linearisationApplied_ = false;
    bool propertiesKept_ = false;  // the properties of the pass before hold for this one
    bool evaluationStopped_ = false;
};

}  // namespace calorvia::simulation
