#pragma once
// The uniform cell-centred grid of the body and the per-volume arrays that
// live on it: the slab 0 <= x <= Lx, or the radial body ri <= r <= ri + Lx
// of a cylinder or a sphere (geometry.h).
//
//   x = 0 (r = ri)                                       x = Lx (r = ri + Lx)
//   |-----o-----|-----o-----|  ...  |-----o-----|-----o-----|
//       node 1      node 2             node N-1     node N
//
// N volumes of width dx = Lx/N; node i sits at the centre x_i = (i - 1/2)·dx
// (r_i = ri + (i - 1/2)·dx); face i+1/2 lies between nodes i and i+1. No node
// lies on a boundary: the first and last nodes are dx/2 from their boundary
// face, and every boundary condition acts through that half volume. Faces
// are numbered j = 0..N from the west, face j at r = ri + j·dx.
//
// Per-volume arrays are indexed 1..N like the equations; slot 0 is an unused
// zero, so that T[i - 1], T[i], T[i + 1] read as written on paper.

#include <cstdint>
#include <cstring>
#include <vector>

#include "simulation/geometry.h"

namespace calorvia::simulation {

struct SimulationCase;

// One double per volume, indexed 1..N; index 0 is unused.
using NodeArray = std::vector<double>;

// N + 1 zeros: a cleared per-volume array.
NodeArray makeNodeArray(std::int32_t N);

// Whether two doubles, or two arrays of them, are the same bit for bit (so
// -0 differs from +0 and a NaN can equal itself): what a computation from
// them would give is then the same too. An 8-byte memcpy compiles to a plain
// load everywhere (std::bit_cast is missing from the web build's library).
inline std::uint64_t bitsOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}
inline bool sameBits(double a, double b) {
    return bitsOf(a) == bitsOf(b);
}
bool sameBits(const NodeArray& a, const NodeArray& b);

struct ControlVolumeGrid {
    std::int32_t N = 0;
    double Lx = 0.0;
    double dx = 0.0;  // Lx / N, computed once at the start of a run
    Geometry geometry = Geometry::Plane;
    double ri = 0.0;  // inner radius of a radial body; 0 for the plane wall

    ControlVolumeGrid() = default;
    ControlVolumeGrid(double lengthLx, std::int32_t volumeCount);
    // A radial body from ri; for the plane wall ri is not used (kept 0).
    ControlVolumeGrid(double lengthLx, std::int32_t volumeCount, Geometry shape,
                      double innerRadius);
    // The grid of a case: its Lx, N, geometry and ri.
    explicit ControlVolumeGrid(const SimulationCase& simulationCase);

    bool isRadial() const { return simulation::isRadial(geometry); }
    // A solid cylinder or sphere: the west face is the axis or the centre,
    // of zero area, and no boundary condition acts there.
    bool westIsCentre() const { return isRadial() && ri == 0.0; }

    // x_i = (i - 1/2)·dx, or the radius ri + (i - 1/2)·dx, in double
    // precision (exact-solution checks use it).
    double centre(std::int32_t i) const { return ri + (i - 0.5) * dx; }

    // Face j (0 west .. N east): its position ri + j·dx, its area A and the
    // volume ΔV of volume i between faces i - 1 and i (geometry.h); A = 1
    // and ΔV = dx for the plane wall.
    double face(std::int32_t j) const { return ri + j * dx; }
    double faceArea(std::int32_t j) const { return simulation::faceArea(geometry, face(j)); }
    double volume(std::int32_t i) const {
        return volumeBetween(geometry, face(i - 1), face(i));
    }

    // The N + 2 single-precision positions a drawn profile uses: p_1 = 0, the
    // N centres accumulated in single precision (dx/2, then + dx each), and
    // p_{N+2} = Lx. Element k - 1 holds p_k, so node i is at element i. In a
    // radial body each is a radius: ri is added to it in double precision
    // and the sum rounded to single precision.
    std::vector<float> displayPositions() const;

    // The N + 1 face positions a flux file lists: 0, then + dx each,
    // accumulated in single precision (accumulatedFaces), each shifted by
    // ri as above in a radial body.
    std::vector<float> facePositions() const;
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

    // T° = T at the start of every pass, and Tsweep = T for a pass that
    // Gauss-Seidel solves (the direct method does not read Tsweep).
    void startPass(bool forGaussSeidel = true);
};

}  // namespace calorvia::simulation
