#include "simulation/boundary_temperatures.h"

#include <cstddef>

namespace calorvia::simulation {

namespace {

// Tb from the boundary node i; `stored` keeps its value for a prescribed
// temperature. Returns the value to draw.
double boundaryTemperature(const BoundaryCondition& condition, double K, double Tnode, double dx,
                           double& stored) {
    switch (condition.type) {
        case boundary::Temperature:
            return condition.T;
        case boundary::Flux:
            stored = condition.Phi * dx / (K * 2.0) + Tnode;
            return stored;
        case boundary::Convection:
            stored = (K * 2.0 * Tnode / (condition.h * dx) + condition.Tinf) /
                     (K * 2.0 / (condition.h * dx) + 1.0);
            return stored;
        default:
            return stored;
    }
}

}  // namespace

ProfileEnds updateBoundaryTemperatures(const ControlVolumeGrid& grid, const NodeArray& K,
                                       const BoundaryCondition& west, const BoundaryCondition& east,
                                       TemperatureLevels& levels) {
    const auto N = static_cast<std::size_t>(grid.N);
    ProfileEnds ends;
    ends.west = boundaryTemperature(west, K[1], levels.T[1], grid.dx, levels.TbW);
    ends.east = boundaryTemperature(east, K[N], levels.T[N], grid.dx, levels.TbE);
    return ends;
}

}  // namespace calorvia::simulation
