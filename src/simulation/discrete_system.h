#pragma once
// The algebraic system of one pass, node i:
//     A(i,i-1)·T(i-1) + A(i,i)·T(i) + A(i,i+1)·T(i+1) = b(i),   i = 1..N,
// so A(i,i) = aP and the neighbour entries are -aW and -aE. Only these three
// diagonals are ever non-zero; they are stored as three arrays indexed 1..N
// (lower[1] and upper[N] lie outside the matrix and stay zero).

#include <cstdint>

#include "simulation/control_volume_grid.h"

namespace calorvia::simulation {

struct DiscreteSystem {
    std::int32_t N = 0;
    NodeArray lower;     // lower[i] = A(i,i-1), i = 2..N
    NodeArray diagonal;  // diagonal[i] = A(i,i)
    NodeArray upper;     // upper[i] = A(i,i+1), i = 1..N-1
    NodeArray b;         // right-hand side; the direct solver leaves T here

    DiscreteSystem() = default;
    explicit DiscreteSystem(std::int32_t volumeCount);

    // Any entry of the N×N matrix; zero outside the band.
    double entry(std::int32_t i, std::int32_t j) const;

    // A and b cleared to zero, as at the start of a run.
    void clear();
};

}  // namespace calorvia::simulation
