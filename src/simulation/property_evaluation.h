#pragma once
// Stage 1 of a pass: the per-volume property values K, Rho, Cp, Sc and Sp.
//
// A constant is copied into every volume. A formula of T is compiled once per
// property and pass with the variable "z" and evaluated at every volume with
// the temperature of the start of the pass:
//     K(i) = K(T(i)),  Rho(i) = Rho(T(i)),  ...,  i = 1..N,
// so formula properties lag one pass behind the temperature they produce.

#include <cstdint>
#include <functional>

#include "interpreter/interpreter.h"
#include "simulation/control_volume_grid.h"
#include "simulation/simulation_case.h"

namespace calorvia::simulation {

// Per-volume values of one pass, all indexed 1..N.
struct VolumeProperties {
    NodeArray K;
    NodeArray Rho;
    NodeArray Cp;
    NodeArray Sc;
    NodeArray Sp;       // S = Sp·T + Sc; after linearisation it holds Sp′
    NodeArray ScPrime;  // Sc′, the constant part of the linearised source

    VolumeProperties() = default;
    explicit VolumeProperties(std::int32_t N);
};

// What the run driver looks at after every formula evaluation at a volume.
// An empty function means "no".
struct EvaluationChecks {
    std::function<bool()> numericFailure;   // the numeric-error flag (math library hook)
    std::function<bool()> cancelRequested;  // Cancel Simulation
};

enum class EvaluationOutcome {
    Completed,
    NumericFailure,  // the flag was set by the last evaluation
    Cancelled,       // a cancel request was seen after an evaluation
    FormulaRejected  // INIT answered "error" for a property text
};

struct EvaluationResult {
    EvaluationOutcome outcome = EvaluationOutcome::Completed;
    // The volume whose evaluation was followed by the stop (0 when completed).
    std::int32_t volume = 0;
};

// Fills properties.K, Rho, Cp, Sc, Sp (in that order) for volumes 1..N of
// `temperature`. Stops at the first failed check; the interpreter holds no
// compiled formula afterwards, whatever the way out.
EvaluationResult evaluateProperties(const SimulationCase& simulationCase,
                                    const NodeArray& temperature,
                                    interpreter::Interpreter& interpreter,
                                    VolumeProperties& properties,
                                    const EvaluationChecks& checks = {});

}  // namespace calorvia::simulation
