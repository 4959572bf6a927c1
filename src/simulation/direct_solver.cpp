#include "simulation/direct_solver.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace calorvia::simulation {

namespace {

// b - (0.0 + p), the dense substitution's step with its one band product p.
// 0.0 + p is p except for p = -0, and then b - (+0) differs from b - (-0)
// only for b = -0 (-0 against +0): so b - p is the result unless it is a
// zero. Tested apart, the "0.0 +" stays off the chain from one unknown to
// the next (a substitution is as fast as that chain), and every bit of the
// result is the dense one's.
inline double minusRowSum(double b, double p) {
    const double difference = b - p;
    if (difference == 0.0) [[unlikely]]
        return b - (0.0 + p);
    return difference;
}

}  // namespace

FactorisationOutcome TABLU(DiscreteSystem& system, bool& zeroPivotWarningGiven,
                           const DirectSolverHooks& hooks) {
    if (system.N > DirectSolverMaxSize) return FactorisationOutcome::TooLarge;
    const auto N = static_cast<std::size_t>(system.N);
    double* const l = system.lower.data();  // l[i] = A(i,i-1)
    double* const d = system.diagonal.data();
    double* const u = system.upper.data();  // u[i] = A(i,i+1)

    for (std::size_t k = 1; k <= N; ++k) {
        if (std::abs(d[k]) <= PivotFloor) {
            if (hooks.pivotReplaced) hooks.pivotReplaced();
            if (!zeroPivotWarningGiven) {
                if (hooks.zeroPivotWarning) hooks.zeroPivotWarning();
                zeroPivotWarningGiven = true;
            }
            d[k] = PivotFloor;
        }
        if (hooks.cancelRequested && hooks.cancelRequested()) {
            return FactorisationOutcome::Cancelled;
        }
        d[k] = 1.0 / d[k];
        if (k == N) break;
        // Row k of U: A(k,k+1)·(1/pivot); the rest of the row is zero.
        u[k] = u[k] * d[k];
        // Schur complement: only A(k+1,k+1) has two non-zero factors.
        d[k + 1] = d[k + 1] - u[k] * l[k + 1];
    }
    return FactorisationOutcome::Factorised;
}

namespace {

// SOLU's two substitutions on the factors l (as assembled), d and u.
void substitute(const double* l, const double* d, const double* u, double* b, std::size_t N) {
    if (N == 0) return;
    // L·y = b: the dense row sum of row i has the single band term A(i,i-1)·b(i-1).
    b[1] = d[1] * b[1];
    for (std::size_t i = 2; i <= N; ++i) {
        b[i] = d[i] * minusRowSum(b[i], l[i] * b[i - 1]);
    }
    // U·x = y: the dense row sum of row i has the single band term A(i,i+1)·b(i+1).
    for (std::size_t i = N - 1; i >= 1; --i) {
        b[i] = minusRowSum(b[i], u[i] * b[i + 1]);
    }
}

}  // namespace

void SOLU(DiscreteSystem& system) {
    if (system.N > DirectSolverMaxSize || system.N < 1) return;
    substitute(system.lower.data(), system.diagonal.data(), system.upper.data(), system.b.data(),
               static_cast<std::size_t>(system.N));
}

FactorisationOutcome DirectMethod::solve(DiscreteSystem& system, bool& zeroPivotWarningGiven,
                                         const DirectSolverHooks& hooks) {
    reused_ = valid_ && sameBits(system.lower, lower_) && sameBits(system.diagonal, diagonal_) &&
              sameBits(system.upper, upper_);
    if (reused_) {
        if (hooks.cancelRequested && hooks.cancelRequested()) {
            return FactorisationOutcome::Cancelled;
        }
        substitute(system.lower.data(), factoredDiagonal_.data(), factoredUpper_.data(),
                   system.b.data(), static_cast<std::size_t>(system.N));
        return FactorisationOutcome::Factorised;
    }
    lower_ = system.lower;
    diagonal_ = system.diagonal;
    upper_ = system.upper;
    const FactorisationOutcome outcome = TABLU(system, zeroPivotWarningGiven, hooks);
    valid_ = outcome == FactorisationOutcome::Factorised;
    if (valid_) {
        factoredDiagonal_ = system.diagonal;
        factoredUpper_ = system.upper;
        SOLU(system);
    }
    return outcome;
}

double SMRT(const DiscreteSystem& system, std::int32_t first, std::int32_t last, std::int32_t row) {
    double sum = 0.0;
    const std::int32_t from = std::max({first, row - 1, 1});
    const std::int32_t to = std::min({last, row + 1, system.N});
    for (std::int32_t j = from; j <= to; ++j) {
        sum = sum + system.entry(row, j) * system.b[static_cast<std::size_t>(j)];
    }
    return sum;
}

}  // namespace calorvia::simulation
