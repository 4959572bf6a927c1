#pragma once
// Whether a steady case repeats its pass: the one answer the case loader,
// the pass loop and the iteration notice share.
//
// A steady step solves A(T)·T = b(T) by Picard passes, each assembled at the
// temperatures the pass before left, until the middle node settles (the
// convergence test of numerics_driver.h). The passes repeat when what a pass
// assembles depends on the solution of the one before:
//   - K, Sc or Sp is a formula of T;
//   - a positive source slope was linearised at the current T,
//       Sc′ = 2·Sp·T + Sc,  Sp′ = -Sp   (source_linearisation.h);
//   - a boundary's row depends on T (a radiating face; the type's
//     `nonlinear` in boundary_types.h).
// A formula Rho or Cp does not repeat the pass, nor does Gauss-Seidel, which
// iterates inside its pass. A time step of a transient run, and the steady
// solve appended to one, take a single pass: their properties lag a step.

#include <cstdint>
#include <optional>

#include "simulation/simulation_case.h"

namespace calorvia::simulation {

// The passes a steady step may take before it stops unconverged.
inline constexpr std::int32_t SteadyPassLimit = 1000;

// Whether a boundary of the case declares its row nonlinear.
bool nonlinearBoundary(const SimulationCase& simulationCase);

// Whether the passes of `simulationCase` repeat. `sourceLinearised` says
// whether a pass of the run has linearised the source; before the first pass
// nothing is known, and a source with a slope (Sp a formula, or a constant
// other than 0) counts as one that may be.
bool steadyCaseIterates(const SimulationCase& simulationCase,
                        std::optional<bool> sourceLinearised = std::nullopt);

// The passes a step of the case is allowed: SteadyPassLimit when it may
// iterate, else 0 (the step ends after its one pass).
std::int32_t steadyPassLimit(const SimulationCase& simulationCase);

}  // namespace calorvia::simulation
