#include "simulation/energy_balance.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "simulation/boundary_condition.h"

namespace calorvia::simulation {
namespace {

// What the face heat of a boundary needs from its node P.
struct BoundaryNode {
    FaceTreatment treatment;
    double T;  // T(P)
    double K;  // K(P)
    double dx;
    double F;   // F_b = Rho(P)·Cp(P)·u, 0 in pure diffusion
    double Tb;  // the face estimate the pass assembled with
};

bool isKnown(const BoundaryCondition& c) {
    return c.type == BoundaryType::Temperature || c.type == BoundaryType::Flux ||
           c.type == BoundaryType::Convection;
}

// D_b·(T_b − T(P)), Phi, or H_b·(Tinf − T(P)).
double conductionIn(const BoundaryCondition& c, const BoundaryNode& P) {
    switch (c.type) {
        case BoundaryType::Temperature:
            return P.K * 2.0 / P.dx * (c.T - P.T);
        case BoundaryType::Flux:
            return c.Phi;
        case BoundaryType::Convection:
            return 1.0 / (1.0 / c.h + P.dx / (P.K * 2.0)) * (c.Tinf - P.T);
    }
    return 0.0;
}

// The face value the assembly carries F_b at: the prescribed temperature, or
// the estimate of a flux or convective face.
double carriedFaceValue(const BoundaryCondition& c, const BoundaryNode& P) {
    return c.type == BoundaryType::Temperature ? c.T : P.Tb;
}

// Inflow F_W·T_face in every scheme.
FaceHeat westHeat(const BoundaryCondition& c, const BoundaryNode& P) {
    if (!isKnown(c)) return {};
    return {conductionIn(c, P), P.F * carriedFaceValue(c, P)};
}

// Outflow F_E·T_face under CDS, F_E·T(N) under Upwind.
FaceHeat eastHeat(const BoundaryCondition& c, const BoundaryNode& P) {
    if (!isKnown(c)) return {};
    const double carried = P.treatment == FaceTreatment::Upwind ? P.T : carriedFaceValue(c, P);
    return {conductionIn(c, P), -(P.F * carried)};
}

// G = Σ (Sc′(i) + Sp′(i)·T(i))·dx.
double generatedHeat(std::size_t N, double dx, const VolumeProperties& properties,
                     const NodeArray& T) {
    double sum = 0.0;
    for (std::size_t i = 1; i <= N; ++i) {
        sum += (properties.ScPrime[i] + properties.Sp[i] * T[i]) * dx;
    }
    return sum;
}

// S = Σ C_i·(T(i) − T°(i)), C_i = f·Rho(i)·Cp(i)·dx/Delt_t; 0 for a steady pass.
double storedHeat(std::size_t N, double dx, double f, double Delt_t,
                  const VolumeProperties& properties, const TemperatureLevels& levels) {
    if (f == 0.0) return 0.0;
    double sum = 0.0;
    for (std::size_t i = 1; i <= N; ++i) {
        const double C = f * properties.Rho[i] * properties.Cp[i] * dx / Delt_t;
        sum += C * (levels.T[i] - levels.Told[i]);
    }
    return sum;
}

}  // namespace

double EnergyBalance::largestTerm() const {
    return std::max({std::abs(west.conduction), std::abs(west.convection),
                     std::abs(east.conduction), std::abs(east.convection), std::abs(generated),
                     std::abs(stored)});
}

EnergyBalance energyBalance(const SimulationCase& simulationCase, double f,
                            const ControlVolumeGrid& grid, const VolumeProperties& properties,
                            const TemperatureLevels& levels, ConvectionScheme scheme) {
    const double u = simulationCase.u;
    const FaceTreatment treatment = u == 0.0                          ? FaceTreatment::PureDiffusion
                                    : scheme == ConvectionScheme::CDS ? FaceTreatment::CDS
                                                                      : FaceTreatment::Upwind;
    const auto N = static_cast<std::size_t>(grid.N);
    auto node = [&](std::size_t P, double Tb) {
        const double F = treatment == FaceTreatment::PureDiffusion
                             ? 0.0
                             : properties.Rho[P] * properties.Cp[P] * u;
        return BoundaryNode{treatment, levels.T[P], properties.K[P], grid.dx, F, Tb};
    };
    EnergyBalance balance;
    balance.west = westHeat(simulationCase.west, node(1, levels.TbW));
    balance.east = eastHeat(simulationCase.east, node(N, levels.TbE));
    balance.generated = generatedHeat(N, grid.dx, properties, levels.T);
    balance.stored = storedHeat(N, grid.dx, f, simulationCase.Delt_t, properties, levels);
    balance.residual =
        balance.west.total() + balance.east.total() + balance.generated - balance.stored;
    return balance;
}

}  // namespace calorvia::simulation
