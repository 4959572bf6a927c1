#include "simulation/control_volume_grid.h"

#include <algorithm>

#include "simulation/simulation_case.h"

namespace calorvia::simulation {

NodeArray makeNodeArray(std::int32_t N) {
    return NodeArray(static_cast<std::size_t>(std::max(N, 0)) + 1, 0.0);
}

ControlVolumeGrid::ControlVolumeGrid(double lengthLx, std::int32_t volumeCount)
    : N(volumeCount), Lx(lengthLx), dx(lengthLx / volumeCount) {}

std::vector<float> ControlVolumeGrid::displayPositions() const {
    std::vector<float> positions;
    positions.reserve(static_cast<std::size_t>(std::max(N, 0)) + 2);
    positions.push_back(0.0f);
    const std::vector<float> centres = accumulatedCentres(Lx, N);
    positions.insert(positions.end(), centres.begin(), centres.end());
    positions.push_back(static_cast<float>(Lx));
    return positions;
}

TemperatureLevels::TemperatureLevels(std::int32_t N)
    : T(makeNodeArray(N)), Told(makeNodeArray(N)), Tsweep(makeNodeArray(N)) {}

void TemperatureLevels::start(const std::vector<double>& initial) {
    if (T.empty()) return;
    const std::size_t N = T.size() - 1;
    for (std::size_t i = 1; i <= N && i <= initial.size(); ++i) T[i] = initial[i - 1];
    if (N >= 1) {
        TbW = T[1];
        TbE = T[N];
    }
}

void TemperatureLevels::startPass() {
    Told = T;
    Tsweep = T;
}

}  // namespace calorvia::simulation
