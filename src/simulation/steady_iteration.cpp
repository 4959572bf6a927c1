#include "simulation/steady_iteration.h"

namespace calorvia::simulation {

bool steadyCaseIterates(const SimulationCase& c, std::optional<bool> sourceLinearised) {
    if (c.state != CaseState::Steady) return false;
    const bool propertyOfT = c.K.isFormula || c.Sc.isFormula || c.Sp.isFormula;
    const bool linearised = sourceLinearised.value_or(c.Sp.constant != 0.0);
    return propertyOfT || linearised || isNonlinear(c.west.type) || isNonlinear(c.east.type);
}

std::int32_t steadyPassLimit(const SimulationCase& c) {
    return steadyCaseIterates(c) ? SteadyPassLimit : 0;
}

}  // namespace calorvia::simulation
