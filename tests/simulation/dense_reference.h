#pragma once
// The direct method on the full N×N matrix, loop for loop as the method is
// defined: the reference that the band solver must reproduce bit for bit.
// Column-major storage addressed A(row, column) from 1; the loops run over
// the whole matrix, zeros included. Test and benchmark code only.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "simulation/discrete_system.h"

namespace calorvia::reference {

class DenseSystem {
public:
    explicit DenseSystem(std::int32_t n)
        : N(n),
          storage_(static_cast<std::size_t>(n) * static_cast<std::size_t>(n), 0.0),
          b(static_cast<std::size_t>(n) + 1, 0.0) {}

    double& A(std::int32_t i, std::int32_t j) {
        return storage_[static_cast<std::size_t>(i - 1) +
                        static_cast<std::size_t>(j - 1) * static_cast<std::size_t>(N)];
    }

    // Writes the band entries and b, as every pass of the assembly does;
    // the rest of the matrix keeps whatever the last factorisation left.
    void writeBand(const simulation::DiscreteSystem& band) {
        for (std::int32_t i = 1; i <= N; ++i) {
            const auto row = static_cast<std::size_t>(i);
            if (i > 1) A(i, i - 1) = band.lower[row];
            A(i, i) = band.diagonal[row];
            if (i < N) A(i, i + 1) = band.upper[row];
            b[row] = band.b[row];
        }
    }

    std::int32_t N;

private:
    std::vector<double> storage_;

public:
    std::vector<double> b;  // b(1..N)
};

struct DenseHooks {
    std::function<bool()> cancelRequested;
    std::function<void()> zeroPivotWarning;
};

// TABLU: in-place LU factorisation without row exchanges.
inline void TABLU(DenseSystem& s, bool& zeroPivotWarningGiven, const DenseHooks& hooks = {}) {
    const std::int32_t N = s.N;
    if (N > 1000) return;
    for (std::int32_t k = 1; k <= N; ++k) {
        if (std::abs(s.A(k, k)) <= 1.0E-10) {
            if (!zeroPivotWarningGiven) {
                if (hooks.zeroPivotWarning) hooks.zeroPivotWarning();
                zeroPivotWarningGiven = true;
            }
            s.A(k, k) = 1.0E-10;
        }
        if (hooks.cancelRequested && hooks.cancelRequested()) return;
        s.A(k, k) = 1.0 / s.A(k, k);
        if (k == N) return;
        for (std::int32_t j = k + 1; j <= N; ++j) s.A(k, j) = s.A(k, j) * s.A(k, k);
        for (std::int32_t i = k + 1; i <= N; ++i) {
            for (std::int32_t j = k + 1; j <= N; ++j) {
                s.A(i, j) = s.A(i, j) - s.A(k, j) * s.A(i, k);
            }
        }
    }
}

// SMRT: sum over j = first..last of A(row, j)·b(j), from 0.0 in increasing j.
inline double SMRT(DenseSystem& s, std::int32_t first, std::int32_t last, std::int32_t row) {
    double sum = 0.0;
    for (std::int32_t j = first; j <= last; ++j) {
        sum = sum + s.A(row, j) * s.b[static_cast<std::size_t>(j)];
    }
    return sum;
}

// SOLU: forward and back substitution, overwriting b with the solution.
inline void SOLU(DenseSystem& s) {
    const std::int32_t N = s.N;
    auto b = [&s](std::int32_t i) -> double& { return s.b[static_cast<std::size_t>(i)]; };
    b(1) = s.A(1, 1) * b(1);
    for (std::int32_t i = 2; i <= N; ++i) {
        b(i) = b(i) - SMRT(s, 1, i - 1, i);
        b(i) = s.A(i, i) * b(i);
    }
    for (std::int32_t i = N - 1; i >= 1; --i) {
        b(i) = b(i) - SMRT(s, i + 1, N, i);
    }
}

}  // namespace calorvia::reference
