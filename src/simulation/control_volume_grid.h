#pragma once
// The uniform cell-centred grid of the slab 0 <= x <= Lx and the per-volume
// arrays that live on it.
//
//   x = 0                                                          x = Lx
//   |-----o-----|-----o-----|  ...  |-----o-----|-----o-----|
//       node 1      node 2             node N-1     node N
//
// N volumes of width dx = Lx/N; node i sits at the centre x_i = (i - 1/2)·dx;
// face i+1/2 lies between nodes i and i+1. No node lies on a boundary: the
// first and last nodes are dx/2 from their boundary face, and every boundary
// condition acts through that half volume.
//
// Per-volume arrays are indexed 1..N like the equations; slot 0 is an unused
// zero, so that T[i - 1], T[i], T[i + 1] read as written on paper.

#include <cstdint>
#include <vector>

namespace calorvia::simulation {

// One double per volume, indexed 1..N; index 0 is unused.
using NodeArray = std::vector<double>;

// N + 1 zeros: a cleared per-volume array.
NodeArray makeNodeArray(std::int32_t N);

struct ControlVolumeGrid {
    std::int32_t N = 0;
    double Lx = 0.0;
    double dx = 0.0;  // Lx / N, computed once at the start of a run

    ControlVolumeGrid() = default;
    ControlVolumeGrid(double lengthLx, std::int32_t volumeCount);

    // x_i = (i - 1/2)·dx, in double precision (exact-solution checks use it).
    double centre(std::int32_t i) const { return (i - 0.5) * dx; }

    // The N + 2 single-precision positions a drawn profile uses: p_1 = 0, the
    // N centres accumulated in single precision (dx/2, then + dx each), and
    // p_{N+2} = Lx. Element k - 1 holds p_k, so node i is at element i.
    std::vector<float> displayPositions() const;
};

// The three temperature levels of a pass and the boundary estimates.
struct TemperatureLevels {
    NodeArray T;       // current temperature; the solvers leave their result here
    NodeArray Told;    // T°: copy taken at the start of every pass
    NodeArray Tsweep;  // previous-sweep values of Gauss-Seidel
    double TbW = 0.0;  // boundary temperature estimate at x = 0
    double TbE = 0.0;  // boundary temperature estimate at x = Lx

    TemperatureLevels() = default;
    explicit TemperatureLevels(std::int32_t N);

    // The run's starting field: T = initial (initial[i - 1] for volume i),
    // Tb_W = T(1), Tb_E = T(N).
    void start(const std::vector<double>& initial);

    // T° = T and Tsweep = T, at the start of every pass.
    void startPass();
};

}  // namespace calorvia::simulation
