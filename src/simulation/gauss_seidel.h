#pragma once
// Point Gauss-Seidel iteration ("Gauss-Sidel") on the tridiagonal system. One
// sweep, in increasing node order, uses the new value on the west side and
// the previous sweep's value on the east side, without relaxation:
//     T(1) = b(1)/A(1,1) - (A(1,2)/A(1,1))·Tsweep(2)
//     T(i) = b(i)/A(i,i) - (A(i,i-1)/A(i,i))·T(i-1) - (A(i,i+1)/A(i,i))·Tsweep(i+1)
//     T(N) = b(N)/A(N,N) - (A(N,N-1)/A(N,N))·T(N-1)
// The iteration stops when no node changed by more than Tol in a sweep
// (max |T(i) - Tsweep(i)| <= Tol), after 1,500,000 sweeps of one call, or on
// a cancel request.

#include <cstdint>
#include <functional>

#include "simulation/control_volume_grid.h"
#include "simulation/discrete_system.h"

namespace calorvia::simulation {

inline constexpr std::int32_t GaussSeidelSweepLimit = 1'500'000;

// Callbacks into the run; an empty function does nothing (no cancel).
struct GaussSeidelHooks {
    std::function<bool()> cancelRequested;       // looked at before every sweep
    std::function<void(std::int32_t)> progress;  // sweep counter, every 5·N sweeps
    std::function<void()> eraseProgress;         // clears the counter box
    std::function<void()> sweepLimitWarning;     // the sweep-limit message
};

enum class GaussSeidelOutcome { Converged, SweepLimit, Cancelled };

struct GaussSeidelResult {
    GaussSeidelOutcome outcome = GaussSeidelOutcome::Converged;
    std::int32_t sweeps = 0;  // sweeps completed in this call
};

// Improves T(1..N) in place. Requires Tsweep = T on entry; on return Tsweep
// equals T again. On the sweep limit the box is erased, the warning shown,
// and T keeps the last sweep. A cancel returns at once without erasing.
GaussSeidelResult G_S(const DiscreteSystem& system, double Tol, NodeArray& T, NodeArray& Tsweep,
                      const GaussSeidelHooks& hooks = {});

}  // namespace calorvia::simulation
