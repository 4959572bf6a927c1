#include "simulation/steady_iteration.h"

namespace calorvia::simulation {

bool nonlinearBoundary(const SimulationCase& c) {
    const auto nonlinear = [](const BoundaryCondition& b) {
        const BoundaryTypeDescription* type = describe(b.type);
        return type != nullptr && type->nonlinear;
    };
    return nonlinear(c.west) || nonlinear(c.east);
}

bool steadyCaseIterates(const SimulationCase& c, std::optional<bool> sourceLinearised) {
    if (c.state != CaseState::Steady) return false;
    const bool propertyOfT = c.K.isFormula || c.Sc.isFormula || c.Sp.isFormula;
    const bool linearised = sourceLinearised.value_or(c.Sp.constant != 0.0);
    return propertyOfT || linearised || nonlinearBoundary(c);
}

std::int32_t steadyPassLimit(const SimulationCase& c) {
    return steadyCaseIterates(c) ? SteadyPassLimit : 0;
}

}  // namespace calorvia::simulation
