#include "simulation/assembly.h"

#include <cassert>
#include <cstddef>

namespace calorvia::simulation {

namespace {

struct Coefficients {
    const NodeArray& K;
    const NodeArray& Rho;
    const NodeArray& Cp;
    double dx;
    double u;
    double f;
    double Delt_t;
    FaceTreatment treatment;

    // D_{i+1/2}: harmonic mean of the conductivities over the node distance.
    double D(std::size_t i) const { return K[i] * 2.0 * K[i + 1] / (K[i] + K[i + 1]) / dx; }

    // F_{i+1/2}: mean density times mean specific heat times u; 0 in pure diffusion.
    double F(std::size_t i) const {
        if (treatment == FaceTreatment::PureDiffusion) return 0.0;
        return (Rho[i] + Rho[i + 1]) / 2.0 * ((Cp[i] + Cp[i + 1]) / 2.0) * u;
    }

    // F_W, F_E: convective flux factor of a boundary face, from its own volume.
    double Fboundary(std::size_t i) const {
        if (treatment == FaceTreatment::PureDiffusion) return 0.0;
        return Rho[i] * Cp[i] * u;
    }

    // C_i = f·Rho(i)·Cp(i)·dx/Delt_t.
    double C(std::size_t i) const { return f * Rho[i] * Cp[i] * dx / Delt_t; }
};

// Interior nodes i = 2..N-1:
//   pure diffusion  A(i,i-1) = -D_w,            A(i,i+1) = -D_e,
//                   A(i,i) = C_i - (A(i,i-1) + A(i,i+1)) - dx·Sp′(i)
//   CDS             A(i,i-1) = -(D_w + F_w/2),  A(i,i+1) = F_e/2 - D_e,
//                   A(i,i) = C_i - (A(i,i-1) + A(i,i+1)) - dx·Sp′(i) + F_e - F_w
//   Upwind          A(i,i-1) = -(D_w + F_w),    A(i,i+1) = -D_e,
//                   A(i,i) = D_w + C_i + F_e + D_e - dx·Sp′(i)
//   b(i) = dx·Sc′(i) + C_i·T°(i)
// The west face of node i is the east face of node i-1: D and F are carried
// over instead of computed twice (the same value either way).
void assembleInterior(const Coefficients& c, const VolumeProperties& properties,
                      const NodeArray& Told, std::size_t N, DiscreteSystem& system) {
    const double dx = c.dx;
    const NodeArray& Sp = properties.Sp;  // Sp′
    const NodeArray& ScPrime = properties.ScPrime;
    double Dw = c.D(1);
    double Fw = c.F(1);
    for (std::size_t i = 2; i + 1 <= N; ++i) {
        const double De = c.D(i);
        const double Fe = c.F(i);
        const double Ci = c.C(i);
        double& lower = system.lower[i];
        double& upper = system.upper[i];
        switch (c.treatment) {
            case FaceTreatment::PureDiffusion:
                lower = -Dw;
                upper = -De;
                system.diagonal[i] = Ci - (lower + upper) - dx * Sp[i];
                break;
            case FaceTreatment::CDS:
                lower = -(Dw + Fw / 2.0);
                upper = Fe / 2.0 - De;
                system.diagonal[i] = Ci - (lower + upper) - dx * Sp[i] + Fe - Fw;
                break;
            case FaceTreatment::Upwind:
                lower = -(Dw + Fw);
                upper = -De;
                system.diagonal[i] = Dw + Ci + Fe + De - dx * Sp[i];
                break;
        }
        system.b[i] = dx * ScPrime[i] + Ci * Told[i];
        Dw = De;
        Fw = Fe;
    }
}

// What the boundary rows share for node P, beside the interior face `face`
// (1 for the west node, N-1 for the east one).
BoundaryNodeTerms nodeTerms(const Coefficients& c, const VolumeProperties& properties,
                            const NodeArray& Told, std::size_t P, std::size_t face,
                            double neighbour, double Tb) {
    return {.treatment = c.treatment,
            .neighbour = neighbour,
            .Dface = c.D(face),
            .Fface = c.F(face),
            .F = c.Fboundary(P),
            .C = c.C(P),
            .Told = Told[P],
            .dxSp = c.dx * properties.Sp[P],
            .dxSc = c.dx * properties.ScPrime[P],
            .K = properties.K[P],
            .dx = c.dx,
            .Tb = Tb};
}

// West node: A(1,2) = -D_{3/2} (pure diffusion, Upwind) or F_{3/2}/2 - D_{3/2}
// (CDS); the rest of the row is the boundary condition's.
void assembleWestRow(const Coefficients& c, const BoundaryCondition& west,
                     const VolumeProperties& properties, const TemperatureLevels& levels,
                     DiscreteSystem& system) {
    const double D32 = c.D(1);
    system.upper[1] = c.treatment == FaceTreatment::CDS ? c.F(1) / 2.0 - D32 : -D32;
    const auto row =
        westRow(west, nodeTerms(c, properties, levels.Told, 1, 1, system.upper[1], levels.TbW));
    if (!row) return;
    system.diagonal[1] = row->diagonal;
    system.b[1] = row->b;
}

// East node: A(N,N-1) = -D_{N-1/2} (pure diffusion), -(D_{N-1/2} + F_{N-1/2}/2)
// (CDS), -(D_{N-1/2} + F_{N-1/2}) (Upwind); the rest is the condition's.
void assembleEastRow(const Coefficients& c, const BoundaryCondition& east,
                     const VolumeProperties& properties, const TemperatureLevels& levels,
                     std::size_t N, DiscreteSystem& system) {
    const double Dn = c.D(N - 1);
    const double Fn = c.F(N - 1);
    double& lower = system.lower[N];
    switch (c.treatment) {
        case FaceTreatment::PureDiffusion:
            lower = -Dn;
            break;
        case FaceTreatment::CDS:
            lower = -(Dn + Fn / 2.0);
            break;
        case FaceTreatment::Upwind:
            lower = -(Dn + Fn);
            break;
    }
    const auto row =
        eastRow(east, nodeTerms(c, properties, levels.Told, N, N - 1, lower, levels.TbE));
    if (!row) return;
    system.diagonal[N] = row->diagonal;
    system.b[N] = row->b;
}

}  // namespace

void assembleSystem(const SimulationCase& simulationCase, double f, const ControlVolumeGrid& grid,
                    const VolumeProperties& properties, const TemperatureLevels& levels,
                    ConvectionScheme scheme, DiscreteSystem& system) {
    assert(grid.N >= 2 && system.N == grid.N);
    const double u = simulationCase.u;
    const FaceTreatment treatment = u == 0.0                          ? FaceTreatment::PureDiffusion
                                    : scheme == ConvectionScheme::CDS ? FaceTreatment::CDS
                                                                      : FaceTreatment::Upwind;
    const Coefficients c{properties.K,          properties.Rho, properties.Cp, grid.dx, u, f,
                         simulationCase.Delt_t, treatment};
    const auto N = static_cast<std::size_t>(grid.N);
    assembleInterior(c, properties, levels.Told, N, system);
    assembleWestRow(c, simulationCase.west, properties, levels, system);
    assembleEastRow(c, simulationCase.east, properties, levels, N, system);
}

}  // namespace calorvia::simulation
