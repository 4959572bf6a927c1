#include "simulation/gauss_seidel.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace calorvia::simulation {

GaussSeidelResult G_S(const DiscreteSystem& system, double Tol, NodeArray& T, NodeArray& Tsweep,
                      const GaussSeidelHooks& hooks) {
    const std::int32_t N = system.N;
    const auto n = static_cast<std::size_t>(N);
    if (N < 1) return {};

    // The quotients b/A(i,i), A(i,i-1)/A(i,i), A(i,i+1)/A(i,i) are the same in
    // every sweep; dividing once gives the very same doubles.
    std::vector<double> q(n + 1), w(n + 1), e(n + 1);
    for (std::size_t i = 1; i <= n; ++i) {
        q[i] = system.b[i] / system.diagonal[i];
        w[i] = system.lower[i] / system.diagonal[i];
        e[i] = system.upper[i] / system.diagonal[i];
    }
    double* const t = T.data();
    double* const ts = Tsweep.data();
    const std::int32_t reportEvery = 5 * N;

    std::int32_t counter = 0;
    for (;;) {
        if (hooks.cancelRequested && hooks.cancelRequested()) {
            return {GaussSeidelOutcome::Cancelled, counter};
        }
        ++counter;
        if (counter > GaussSeidelSweepLimit) {
            if (hooks.eraseProgress) hooks.eraseProgress();
            if (hooks.sweepLimitWarning) hooks.sweepLimitWarning();
            return {GaussSeidelOutcome::SweepLimit, GaussSeidelSweepLimit};
        }
        if (counter % reportEvery == 0 && hooks.progress) hooks.progress(counter);

        // One sweep: new values west, previous-sweep values east.
        bool changed = false;
        if (n == 1) {
            t[1] = q[1];
        } else {
            t[1] = q[1] - e[1] * ts[2];
            for (std::size_t i = 2; i < n; ++i) {
                t[i] = q[i] - w[i] * t[i - 1] - e[i] * ts[i + 1];
            }
            t[n] = q[n] - w[n] * t[n - 1];
        }
        // Maximum-norm test of the change; a change equal to Tol has converged.
        for (std::size_t i = 1; i <= n; ++i) {
            if (std::abs(t[i] - ts[i]) > Tol) changed = true;
            ts[i] = t[i];
        }
        if (!changed) {
            if (hooks.eraseProgress) hooks.eraseProgress();
            return {GaussSeidelOutcome::Converged, counter};
        }
    }
}

}  // namespace calorvia::simulation
