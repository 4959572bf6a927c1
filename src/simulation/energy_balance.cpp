#include "simulation/energy_balance.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "simulation/boundary_condition.h"

namespace calorvia::simulation {
namespace {

// What the face heat of a boundary needs from its node P.
struct BoundaryNode {
    FaceTreatment treatment;
    double T;  // T(P)
    double K;  // K(P)
    double dx;
    double F;  // F_b = Rho(P)·Cp(P)·u, 0 in pure diffusion
};

bool isKnown(const BoundaryCondition& c) {
    return describe(c.type) != nullptr;
}

// The face value the assembly carries F_b at: the face temperature of the
// solution (the prescribed one, or that of a flux or convective face).
double carriedFaceValue(const BoundaryCondition& c, const BoundaryNode& P) {
    return faceTemperature(c, P.T, P.K, P.dx).value_or(P.T);
}

// Conduction: the west face flux (positive towards the east, so into the
// body); convection: the inflow F_W·T_face in every scheme.
FaceHeat westHeat(const BoundaryCondition& c, const BoundaryNode& P) {
    if (!isKnown(c)) return {};
    return {westFaceFlux(c, P.T, P.K, P.dx), P.F * carriedFaceValue(c, P)};
}

// Conduction: minus the east face flux (it leaves the body when positive);
// convection: the outflow F_E·T_face under CDS, F_E·T(N) under Upwind.
FaceHeat eastHeat(const BoundaryCondition& c, const BoundaryNode& P) {
    if (!isKnown(c)) return {};
    const double carried = P.treatment == FaceTreatment::Upwind ? P.T : carriedFaceValue(c, P);
    // 0.0 − x rather than −x: nothing leaving shows as 0, not −0.
    return {0.0 - eastFaceFlux(c, P.T, P.K, P.dx), 0.0 - P.F * carried};
}

// ΔV_i: dx in the plane wall, the volume between the faces of a radial one.
double volumeOf(const ControlVolumeGrid& grid, std::size_t i) {
    return grid.isRadial() ? grid.volume(static_cast<std::int32_t>(i)) : grid.dx;
}

// G = Σ (Sc′(i) + Sp′(i)·T(i))·ΔV_i.
double generatedHeat(const ControlVolumeGrid& grid, const VolumeProperties& properties,
                     const NodeArray& T) {
    double sum = 0.0;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(grid.N); ++i) {
        sum += (properties.ScPrime[i] + properties.Sp[i] * T[i]) * volumeOf(grid, i);
    }
    return sum;
}

// S = Σ C_i·(T(i) − T°(i)), C_i = f·Rho(i)·Cp(i)·ΔV_i/Delt_t; 0 for a steady pass.
double storedHeat(const ControlVolumeGrid& grid, double f, double Delt_t,
                  const VolumeProperties& properties, const TemperatureLevels& levels) {
    if (f == 0.0) return 0.0;
    double sum = 0.0;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(grid.N); ++i) {
        const double C = f * properties.Rho[i] * properties.Cp[i] * volumeOf(grid, i) / Delt_t;
        sum += C * (levels.T[i] - levels.Told[i]);
    }
    return sum;
}

FaceHeat scaled(FaceHeat heat, double factor) {
    return {heat.conduction * factor, heat.convection * factor};
}

// A radial body: the face heats through faces of area A_0 and A_N (none
// through the centre of a solid body), no convection, and every rate per
// radian or steradian times 2π or 4π.
EnergyBalance radialBalance(const SimulationCase& simulationCase, double f,
                            const ControlVolumeGrid& grid, const VolumeProperties& properties,
                            const TemperatureLevels& levels) {
    const auto N = static_cast<std::size_t>(grid.N);
    auto node = [&](std::size_t P) {
        return BoundaryNode{FaceTreatment::PureDiffusion, levels.T[P], properties.K[P], grid.dx,
                            0.0};
    };
    const double factor = heatRateFactor(grid.geometry);
    EnergyBalance balance;
    if (!grid.westIsCentre()) {
        balance.west = scaled(westHeat(simulationCase.west, node(1)), grid.faceArea(0) * factor);
    }
    balance.east = scaled(eastHeat(simulationCase.east, node(N)), grid.faceArea(grid.N) * factor);
    balance.generated = generatedHeat(grid, properties, levels.T) * factor;
    balance.stored = storedHeat(grid, f, simulationCase.Delt_t, properties, levels) * factor;
    balance.residual =
        balance.west.total() + balance.east.total() + balance.generated - balance.stored;
    return balance;
}

}  // namespace

std::string_view heatRateUnit(Geometry geometry) {
    switch (geometry) {
        case Geometry::Cylinder:
            return "W/m";
        case Geometry::Sphere:
            return "W";
        case Geometry::Plane:
            break;
    }
    return "W/m²";
}

double EnergyBalance::largestTerm() const {
    return std::max({std::abs(west.conduction), std::abs(west.convection),
                     std::abs(east.conduction), std::abs(east.convection), std::abs(generated),
                     std::abs(stored)});
}

double EnergyBalance::relativeResidual() const {
    const double largest = largestTerm();
    return largest > 0.0 ? residual / largest : 0.0;
}

bool EnergyBalance::balanced(double limit) const {
    return std::abs(relativeResidual()) <= limit;
}

EnergyBalance energyBalance(const SimulationCase& simulationCase, double f,
                            const ControlVolumeGrid& grid, const VolumeProperties& properties,
                            const TemperatureLevels& levels, ConvectionScheme scheme) {
    if (grid.isRadial()) return radialBalance(simulationCase, f, grid, properties, levels);
    const double u = simulationCase.u;
    const FaceTreatment treatment = u == 0.0                          ? FaceTreatment::PureDiffusion
                                    : scheme == ConvectionScheme::CDS ? FaceTreatment::CDS
                                                                      : FaceTreatment::Upwind;
    const auto N = static_cast<std::size_t>(grid.N);
    auto node = [&](std::size_t P) {
        const double F = treatment == FaceTreatment::PureDiffusion
                             ? 0.0
                             : properties.Rho[P] * properties.Cp[P] * u;
        return BoundaryNode{treatment, levels.T[P], properties.K[P], grid.dx, F};
    };
    EnergyBalance balance;
    balance.west = westHeat(simulationCase.west, node(1));
    balance.east = eastHeat(simulationCase.east, node(N));
    balance.generated = generatedHeat(grid, properties, levels.T);
    balance.stored = storedHeat(grid, f, simulationCase.Delt_t, properties, levels);
    balance.residual =
        balance.west.total() + balance.east.total() + balance.generated - balance.stored;
    return balance;
}

}  // namespace calorvia::simulation
