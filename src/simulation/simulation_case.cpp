#include "simulation/simulation_case.h"

namespace calorvia::simulation {

namespace {

// `count` positions from `first`, each the previous one plus dx, every sum
// rounded to single precision.
std::vector<float> accumulateSingle(double first, double dx, std::int32_t count) {
    std::vector<float> positions;
    if (count <= 0) return positions;
    positions.reserve(static_cast<std::size_t>(count));
    float x = static_cast<float>(first);
    positions.push_back(x);
    for (std::int32_t k = 2; k <= count; ++k) {
        x = static_cast<float>(static_cast<double>(x) + dx);
        positions.push_back(x);
    }
    return positions;
}

}  // namespace

std::vector<float> accumulatedCentres(double Lx, std::int32_t N) {
    if (N <= 0) return {};
    const double dx = Lx / N;
    return accumulateSingle(dx / 2.0, dx, N);
}

std::vector<float> accumulatedFaces(double Lx, std::int32_t N) {
    if (N <= 0) return {};
    return accumulateSingle(0.0, Lx / N, N + 1);
}

}  // namespace calorvia::simulation
