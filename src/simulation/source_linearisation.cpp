#include "simulation/source_linearisation.h"

#include <algorithm>

namespace calorvia::simulation {

bool lineariseSource(std::int32_t N, const NodeArray& temperature, VolumeProperties& properties,
                     bool& appliedInRun) {
    NodeArray& Sp = properties.Sp;
    const NodeArray& Sc = properties.Sc;
    NodeArray& ScPrime = properties.ScPrime;
    const NodeArray& T = temperature;
    if (N < 1) return false;

    // Grids have at least 3 volumes; on a smaller one the second volume
    // looked at is the last one.
    const std::size_t second = static_cast<std::size_t>(std::min(N, 2));
    const std::size_t last = static_cast<std::size_t>(N);
    const bool positive = Sp[1] > 0.0 || Sp[second] > 0.0 || Sp[last] > 0.0;

    if (positive) {
        for (std::size_t i = 1; i <= last; ++i) {
            ScPrime[i] = T[i] * 2.0 * Sp[i] + Sc[i];
            Sp[i] = -Sp[i];
        }
        appliedInRun = true;
    } else {
        std::copy(Sc.begin() + 1, Sc.begin() + 1 + N, ScPrime.begin() + 1);
    }
    return positive;
}

}  // namespace calorvia::simulation
