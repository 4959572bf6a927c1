#include "simulation/numerics_driver.h"

#include <cmath>
#include <utility>

#include "simulation/source_linearisation.h"
#include "simulation/steady_iteration.h"

namespace calorvia::simulation {

bool solutionIterated(const SimulationCase& c, bool sourceLinearised) {
    return c.K.isFormula || c.Sc.isFormula || c.Sp.isFormula || c.Rho.isFormula || c.Cp.isFormula ||
           sourceLinearised || c.method == SolutionMethod::GaussSeidel || nonlinearBoundary(c);
}

NumericsDriver::NumericsDriver(interpreter::MathErrorHook mathErrorHook)
    : interpreter_(std::move(mathErrorHook)) {}

void NumericsDriver::startField(std::int32_t N, const std::vector<double>& field) {
    levels_ = TemperatureLevels(N);
    levels_.start(field);
}

void NumericsDriver::start(const LoadedCase& loaded, double Tol) {
    case_ = loaded.simulationCase;
    grid_ = ControlVolumeGrid(case_);
    system_ = DiscreteSystem(case_.N);
    properties_ = VolumeProperties(case_.N);
    t_ = 0.0;
    f_ = loaded.transientSwitch;
    passLimit_ = loaded.outerIterationLimit;
    linearisationApplied_ = false;
    propertiesKept_ = false;
    Tol_ = Tol;
    scheme_ = SchemeState{};
    directMethod_ = DirectMethod{};
    assemblyCache_ = AssemblyCache{};
}

StepOutcome NumericsDriver::step(const PassHooks& hooks) {
    t_ += case_.Delt_t;
    pass_ = 0;
    while (true) {
        const StepOutcome outcome = pass(hooks);
        if (outcome != StepOutcome::Done) return outcome;
        if (converged()) break;
    }
    return pass_ == passLimit_ ? StepOutcome::PassLimit : StepOutcome::Done;
}

// The exit test of the pass loop: the pass limit (0 for a transient step) or
// a case that does not iterate ends it at once; otherwise
// |T°(m) - T(m)| <= Tol, m = N/2.
bool NumericsDriver::converged() const {
    if (pass_ >= passLimit_) return true;
    if (!steadyCaseIterates(case_, linearisationApplied_)) return true;
    const std::int32_t m = grid_.N / 2;
    return std::abs(levels_.Told[m] - levels_.T[m]) <= Tol_;
}

StepOutcome NumericsDriver::pass(const PassHooks& hooks) {
    const auto cancelled = [&hooks] { return hooks.cancelRequested && hooks.cancelRequested(); };
    ++pass_;
    ++totalPasses_;
    if (cancelled()) return StepOutcome::Cancelled;
    levels_.startPass(case_.method == SolutionMethod::GaussSeidel);
    if (const StepOutcome outcome = evaluate_properties(hooks); outcome != StepOutcome::Done) {
        return outcome;
    }
    if (!radiatingFacesPositive()) return StepOutcome::RadiatingFaceNotPositive;
    if (chooseScheme(case_.u, properties_, grid_.dx, hooks.schemeDialog, scheme_) &&
        hooks.schemeChosen) {
        hooks.schemeChosen(scheme_.scheme);
    }
    assembleSystem(case_, f_, grid_, properties_, levels_, scheme_.scheme, system_,
                   &assemblyCache_);
    if (const StepOutcome outcome = solve(hooks); outcome != StepOutcome::Done) return outcome;
    if (cancelled()) return StepOutcome::Cancelled;
    if (hooks.checkRange) hooks.checkRange();
    if (cancelled()) return StepOutcome::Cancelled;
    if (case_.state == CaseState::Steady && hooks.steadyPassDone) {
        hooks.steadyPassDone(pass_, steadyCaseIterates(case_, linearisationApplied_));
    }
    return StepOutcome::Done;
}

// A radiating face is linearised about its temperature at T°, which must be
// above 0 K (boundary_condition.h). The centre of a solid body radiates
// nothing.
bool NumericsDriver::radiatingFacesPositive() const {
    const auto N = static_cast<std::size_t>(grid_.N);
    const bool west = grid_.westIsCentre() || radiatingFacePositive(case_.west, levels_.Told[1],
                                                                    properties_.K[1], grid_.dx);
    return west && radiatingFacePositive(case_.east, levels_.Told[N], properties_.K[N], grid_.dx);
}

// K, Sc, Sp, Rho and Cp at every volume, then Sc′ and Sp′ of the linearised
// source. A formula that fails, or a cancel between nodes, ends the run.
// Constant properties whose source needed no linearisation give the very
// same arrays in every pass (nothing else writes them): they are filled once.
StepOutcome NumericsDriver::evaluate_properties(const PassHooks& hooks) {
    const SimulationCase& c = case_;
    if (propertiesKept_) return StepOutcome::Done;
    EvaluationChecks checks;
    checks.cancelRequested = hooks.cancelRequested;
    const EvaluationResult evaluation =
        evaluateProperties(c, levels_.T, interpreter_, properties_, checks);
    if (evaluation.outcome != EvaluationOutcome::Completed) {
        evaluationStopped_ = true;
        return evaluation.outcome == EvaluationOutcome::FormulaRejected
                   ? StepOutcome::FormulaRejected
                   : StepOutcome::Cancelled;
    }
    lineariseSource(c.N, levels_.T, properties_, linearisationApplied_);
    propertiesKept_ = !linearisationApplied_ && !c.K.isFormula && !c.Rho.isFormula &&
                      !c.Cp.isFormula && !c.Sc.isFormula && !c.Sp.isFormula;
    return StepOutcome::Done;
}

// G_S on T, or TABLU and SOLU with b copied into T. A step that assembles
// the matrix of the step before (constant properties) reuses its factors.
StepOutcome NumericsDriver::solve(const PassHooks& hooks) {
    if (case_.method == SolutionMethod::GaussSeidel) {
        const bool cancelled =
            G_S(system_, Tol_, levels_.T, levels_.Tsweep, hooks.gaussSeidel).outcome ==
            GaussSeidelOutcome::Cancelled;
        return cancelled ? StepOutcome::Cancelled : StepOutcome::Done;
    }
    bool warningGiven = hooks.zeroPivotWarningGiven && hooks.zeroPivotWarningGiven->load();
    const FactorisationOutcome solved = directMethod_.solve(system_, warningGiven, hooks.direct);
    if (hooks.zeroPivotWarningGiven) hooks.zeroPivotWarningGiven->store(warningGiven);
    if (solved == FactorisationOutcome::Cancelled) return StepOutcome::Cancelled;
    for (std::int32_t i = 1; i <= grid_.N; ++i) levels_.T[i] = system_.b[i];
    return StepOutcome::Done;
}

EnergyBalance NumericsDriver::energyBalance() const {
    return simulation::energyBalance(case_, f_, grid_, properties_, levels_, scheme_.scheme);
}

ProfileEnds NumericsDriver::updateBoundaryTemperatures() {
    return simulation::updateBoundaryTemperatures(grid_, properties_.K, case_.west, case_.east,
                                                  levels_);
}

void NumericsDriver::releaseFormulas() {
    if (evaluationStopped_) interpreter_.DESTROYFUNC();
}

}  // namespace calorvia::simulation
