#include "simulation/control_volume_grid.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "simulation/simulation_case.h"

namespace calorvia::simulation {

NodeArray makeNodeArray(std::int32_t N) {
    return NodeArray(static_cast<std::size_t>(std::max(N, 0)) + 1, 0.0);
}

// The C library's memcmp natively; word by word in WebAssembly, whose
// memcmp goes byte by byte (it took as long as the solution itself there).
bool sameBits(const NodeArray& a, const NodeArray& b) {
    if (a.size() != b.size()) return false;
#ifdef __EMSCRIPTEN__
    std::uint64_t differ = 0;
    for (std::size_t i = 0; i < a.size(); ++i) differ |= bitsOf(a[i]) ^ bitsOf(b[i]);
    return differ == 0;
#else
    return std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
#endif
}

ControlVolumeGrid::ControlVolumeGrid(double lengthLx, std::int32_t volumeCount)
    : N(volumeCount), Lx(lengthLx), dx(lengthLx / volumeCount) {}

ControlVolumeGrid::ControlVolumeGrid(double lengthLx, std::int32_t volumeCount, Geometry shape,
                                     double innerRadius)
    : N(volumeCount),
      Lx(lengthLx),
      dx(lengthLx / volumeCount),
      geometry(shape),
      ri(simulation::isRadial(shape) ? innerRadius : 0.0) {}

ControlVolumeGrid::ControlVolumeGrid(const SimulationCase& simulationCase)
    : ControlVolumeGrid(simulationCase.Lx, simulationCase.N, simulationCase.geometry,
                        simulationCase.ri) {}

namespace {

// Radii: ri + p rounded to single precision; a plane position is kept as it is.
float shifted(double ri, double p) {
    return static_cast<float>(ri + p);
}

std::vector<float> shiftedBy(double ri, std::vector<float> positions) {
    if (ri != 0.0) {
        for (float& p : positions) p = shifted(ri, static_cast<double>(p));
    }
    return positions;
}

}  // namespace

std::vector<float> ControlVolumeGrid::displayPositions() const {
    std::vector<float> positions;
    positions.reserve(static_cast<std::size_t>(std::max(N, 0)) + 2);
    positions.push_back(shifted(ri, 0.0));
    const std::vector<float> centres = shiftedBy(ri, accumulatedCentres(Lx, N));
    positions.insert(positions.end(), centres.begin(), centres.end());
    positions.push_back(shifted(ri, Lx));
    return positions;
}

std::vector<float> ControlVolumeGrid::facePositions() const {
    return shiftedBy(ri, accumulatedFaces(Lx, N));
}

TemperatureLevels::TemperatureLevels(std::int32_t N)
    : T(makeNodeArray(N)), Told(makeNodeArray(N)), Tsweep(makeNodeArray(N)) {}

void TemperatureLevels::start(const std::vector<double>& initial) {
    if (T.empty()) return;
    const std::size_t N = T.size() - 1;
    for (std::size_t i = 1; i <= N && i <= initial.size(); ++i) T[i] = initial[i - 1];
    if (N >= 1) {
        TbW = T[1];
        TbE = T[N];
    }
}

void TemperatureLevels::startPass(bool forGaussSeidel) {
    Told = T;
    if (forGaussSeidel) Tsweep = T;
}

}  // namespace calorvia::simulation
