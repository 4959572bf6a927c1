#include "simulation/assembly.h"

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <optional>

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

// D_{i+1/2}, i = 1..N-1, and C_i, i = 1..N, from the cache when their inputs
// are the ones it holds, else computed into it (in loops of their own, which
// the compiler vectorises: they divide).
void fillCache(const Coefficients& c, std::size_t N, AssemblyCache& cache) {
    if (!(sameBits(cache.K, c.K) && sameBits(cache.Ddx, c.dx))) {
        cache.K = c.K;
        cache.Ddx = c.dx;
        cache.D.resize(c.K.size());
        for (std::size_t i = 1; i + 1 <= N; ++i) cache.D[i] = c.D(i);
    }
    if (!(sameBits(cache.Rho, c.Rho) && sameBits(cache.Cp, c.Cp) && sameBits(cache.Cf, c.f) &&
          sameBits(cache.Cdx, c.dx) && sameBits(cache.CDelt_t, c.Delt_t))) {
        cache.Rho = c.Rho;
        cache.Cp = c.Cp;
        cache.Cf = c.f;
        cache.Cdx = c.dx;
        cache.CDelt_t = c.Delt_t;
        cache.C.resize(c.Rho.size());
        for (std::size_t i = 1; i <= N; ++i) cache.C[i] = c.C(i);
    }
}

// Interior nodes i = 2..N-1:
//   pure diffusion  A(i,i-1) = -D_w,            A(i,i+1) = -D_e,
//                   A(i,i) = C_i - (A(i,i-1) + A(i,i+1)) - dx·Sp′(i)
//   CDS             A(i,i-1) = -(D_w + F_w/2),  A(i,i+1) = F_e/2 - D_e,
//                   A(i,i) = C_i - (A(i,i-1) + A(i,i+1)) - dx·Sp′(i) + F_e - F_w
//   Upwind          A(i,i-1) = -(D_w + F_w),    A(i,i+1) = -D_e,
//                   A(i,i) = D_w + C_i + F_e + D_e - dx·Sp′(i)
//   b(i) = dx·Sc′(i) + C_i·T°(i)
// The rows of pure diffusion and b are written by functions whose arrays are
// declared distinct (__restrict), so that the compiler vectorises them. In
// the convective rows the west face of node i is the east face of node i-1:
// F is carried over instead of computed twice (the same value either way).
void diffusionRows(std::size_t N, double dx, const double* __restrict D, const double* __restrict C,
                   const double* __restrict Sp, double* __restrict lower, double* __restrict upper,
                   double* __restrict diagonal) {
    for (std::size_t i = 2; i + 1 <= N; ++i) {
        const double west = -D[i - 1];
        const double east = -D[i];
        lower[i] = west;
        upper[i] = east;
        diagonal[i] = C[i] - (west + east) - dx * Sp[i];
    }
}

void rightHandSides(std::size_t N, double dx, const double* __restrict ScPrime,
                    const double* __restrict C, const double* __restrict Told,
                    double* __restrict b) {
    for (std::size_t i = 2; i + 1 <= N; ++i) b[i] = dx * ScPrime[i] + C[i] * Told[i];
}

void assembleInterior(const Coefficients& c, const VolumeProperties& properties,
                      const NodeArray& Told, std::size_t N, const AssemblyCache& cache,
                      DiscreteSystem& system) {
    const double dx = c.dx;
    const NodeArray& Sp = properties.Sp;  // Sp′
    const NodeArray& D = cache.D;
    const NodeArray& C = cache.C;
    switch (c.treatment) {
        case FaceTreatment::PureDiffusion:
            diffusionRows(N, dx, D.data(), C.data(), Sp.data(), system.lower.data(),
                          system.upper.data(), system.diagonal.data());
            break;
        case FaceTreatment::CDS: {
            double Fw = c.F(1);
            for (std::size_t i = 2; i + 1 <= N; ++i) {
                const double Fe = c.F(i);
                system.lower[i] = -(D[i - 1] + Fw / 2.0);
                system.upper[i] = Fe / 2.0 - D[i];
                system.diagonal[i] =
                    C[i] - (system.lower[i] + system.upper[i]) - dx * Sp[i] + Fe - Fw;
                Fw = Fe;
            }
            break;
        }
        case FaceTreatment::Upwind: {
            double Fw = c.F(1);
            for (std::size_t i = 2; i + 1 <= N; ++i) {
                const double Fe = c.F(i);
                system.lower[i] = -(D[i - 1] + Fw);
                system.upper[i] = -D[i];
                system.diagonal[i] = D[i - 1] + C[i] + Fe + D[i] - dx * Sp[i];
                Fw = Fe;
            }
            break;
        }
    }
    rightHandSides(N, dx, properties.ScPrime.data(), C.data(), Told.data(), system.b.data());
}

// What the boundary rows share for node P, beside the interior face `face`
// (1 for the west node, N-1 for the east one).
BoundaryNodeTerms nodeTerms(const Coefficients& c, const VolumeProperties& properties,
                            const NodeArray& Told, std::size_t P, std::size_t face,
                            double neighbour) {
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
            .dx = c.dx};
}

// West node: A(1,2) = -D_{3/2} (pure diffusion, Upwind) or F_{3/2}/2 - D_{3/2}
// (CDS); the rest of the row is the boundary condition's.
void assembleWestRow(const Coefficients& c, const BoundaryCondition& west,
                     const VolumeProperties& properties, const TemperatureLevels& levels,
                     DiscreteSystem& system) {
    const double D32 = c.D(1);
    system.upper[1] = c.treatment == FaceTreatment::CDS ? c.F(1) / 2.0 - D32 : -D32;
    const auto row = westRow(west, nodeTerms(c, properties, levels.Told, 1, 1, system.upper[1]));
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
    const auto row = eastRow(east, nodeTerms(c, properties, levels.Told, N, N - 1, lower));
    if (!row) return;
    system.diagonal[N] = row->diagonal;
    system.b[N] = row->b;
}

// ---------------------------------------------------------------------------
// Radial bodies: the same equations with face areas and volumes, in pure
// diffusion. With A_j the area of face j (between nodes j and j+1) and ΔV_i
// the volume of node i:
//   A(i,i-1) = -A_{i-1}·D_{i-1/2},   A(i,i+1) = -A_i·D_{i+1/2},
//   A(i,i) = C_i - (A(i,i-1) + A(i,i+1)) - ΔV_i·Sp′(i),
//   b(i) = ΔV_i·Sc′(i) + C_i·T°(i),   C_i = f·Rho(i)·Cp(i)·ΔV_i/Delt_t;
// the first and last rows as the boundary conditions (or the centre) write
// them with A_0 and A_N.
class RadialTerms {
public:
    RadialTerms(const Coefficients& c, const ControlVolumeGrid& grid) : c_(c), grid_(grid) {}

    // A_j·D_{j+1/2}: the conductance between nodes j and j+1.
    double conductance(std::size_t j) const { return grid_.faceArea(index(j)) * c_.D(j); }
    double volume(std::size_t i) const { return grid_.volume(index(i)); }
    double C(std::size_t i) const {
        return c_.f * c_.Rho[i] * c_.Cp[i] * volume(i) / c_.Delt_t;
    }

    // The boundary node P beside the interior face `face`, at its boundary
    // face `boundaryFace` (0 or N).
    BoundaryNodeTerms node(const VolumeProperties& properties, const NodeArray& Told, std::size_t P,
                           std::size_t face, std::size_t boundaryFace, double neighbour) const {
        const double V = volume(P);
        return {.treatment = FaceTreatment::PureDiffusion,
                .neighbour = neighbour,
                .Dface = conductance(face),
                .Fface = 0.0,
                .F = 0.0,
                .C = C(P),
                .Told = Told[P],
                .dxSp = V * properties.Sp[P],
                .dxSc = V * properties.ScPrime[P],
                .K = properties.K[P],
                .dx = c_.dx,
                .area = grid_.faceArea(index(boundaryFace))};
    }

private:
    static std::int32_t index(std::size_t i) { return static_cast<std::int32_t>(i); }

    const Coefficients& c_;
    const ControlVolumeGrid& grid_;
};

void assembleRadial(const SimulationCase& simulationCase, const Coefficients& c,
                    const ControlVolumeGrid& grid, const VolumeProperties& properties,
                    const TemperatureLevels& levels, DiscreteSystem& system) {
    const RadialTerms terms(c, grid);
    const auto N = static_cast<std::size_t>(grid.N);
    double Dw = terms.conductance(1);
    for (std::size_t i = 2; i + 1 <= N; ++i) {
        const double De = terms.conductance(i);
        const double Ci = terms.C(i);
        const double V = terms.volume(i);
        system.lower[i] = -Dw;
        system.upper[i] = -De;
        system.diagonal[i] = Ci - (system.lower[i] + system.upper[i]) - V * properties.Sp[i];
        system.b[i] = V * properties.ScPrime[i] + Ci * levels.Told[i];
        Dw = De;
    }

    system.upper[1] = -terms.conductance(1);
    const BoundaryNodeTerms west = terms.node(properties, levels.Told, 1, 1, 0, system.upper[1]);
    const std::optional<BoundaryRow> westRowValues =
        grid.westIsCentre() ? centreRow(west) : westRow(simulationCase.west, west);
    if (westRowValues) {
        system.diagonal[1] = westRowValues->diagonal;
        system.b[1] = westRowValues->b;
    }

    system.lower[N] = -terms.conductance(N - 1);
    const auto eastRowValues = eastRow(
        simulationCase.east, terms.node(properties, levels.Told, N, N - 1, N, system.lower[N]));
    if (eastRowValues) {
        system.diagonal[N] = eastRowValues->diagonal;
        system.b[N] = eastRowValues->b;
    }
}

}  // namespace

void assembleSystem(const SimulationCase& simulationCase, double f, const ControlVolumeGrid& grid,
                    const VolumeProperties& properties, const TemperatureLevels& levels,
                    ConvectionScheme scheme, DiscreteSystem& system, AssemblyCache* cache) {
    assert(grid.N >= 2 && system.N == grid.N);
    if (grid.isRadial()) {
        const Coefficients radial{properties.K,          properties.Rho, properties.Cp,
                                  grid.dx,               0.0,            f,
                                  simulationCase.Delt_t, FaceTreatment::PureDiffusion};
        assembleRadial(simulationCase, radial, grid, properties, levels, system);
        return;
    }
    const double u = simulationCase.u;
    const FaceTreatment treatment = u == 0.0                          ? FaceTreatment::PureDiffusion
                                    : scheme == ConvectionScheme::CDS ? FaceTreatment::CDS
                                                                      : FaceTreatment::Upwind;
    const Coefficients c{properties.K,          properties.Rho, properties.Cp, grid.dx, u, f,
                         simulationCase.Delt_t, treatment};
    const auto N = static_cast<std::size_t>(grid.N);
    AssemblyCache local;
    AssemblyCache& kept = cache != nullptr ? *cache : local;
    fillCache(c, N, kept);
    assembleInterior(c, properties, levels.Told, N, kept, system);
    assembleWestRow(c, simulationCase.west, properties, levels, system);
    assembleEastRow(c, simulationCase.east, properties, levels, N, system);
}

}  // namespace calorvia::simulation
