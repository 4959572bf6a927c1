#include "simulation/discrete_system.h"

#include <algorithm>

namespace calorvia::simulation {

DiscreteSystem::DiscreteSystem(std::int32_t volumeCount)
    : N(volumeCount),
      lower(makeNodeArray(volumeCount)),
      diagonal(makeNodeArray(volumeCount)),
      upper(makeNodeArray(volumeCount)),
      b(makeNodeArray(volumeCount)) {}

double DiscreteSystem::entry(std::int32_t i, std::int32_t j) const {
    if (i < 1 || i > N || j < 1 || j > N) return 0.0;
    const auto row = static_cast<std::size_t>(i);
    if (j == i - 1) return lower[row];
    if (j == i) return diagonal[row];
    if (j == i + 1) return upper[row];
    return 0.0;
}

void DiscreteSystem::clear() {
    for (NodeArray* values : {&lower, &diagonal, &upper, &b}) {
        std::fill(values->begin(), values->end(), 0.0);
    }
}

}  // namespace calorvia::simulation
