#include "simulation/simulation_case.h"

namespace calorvia::simulation {

std::vector<float> accumulatedCentres(double Lx, std::int32_t N) {
    std::vector<float> centres;
    if (N <= 0) return centres;
    centres.reserve(static_cast<std::size_t>(N));
    const double dx = Lx / N;
    float x = static_cast<float>(dx / 2.0);
    centres.push_back(x);
    for (std::int32_t i = 2; i <= N; ++i) {
        x = static_cast<float>(static_cast<double>(x) + dx);
        centres.push_back(x);
    }
    return centres;
}

}  // namespace calorvia::simulation
