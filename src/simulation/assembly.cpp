#include "simulation/assembly.h"

#include <cassert>
#include <cstddef>

namespace calorvia::simulation {

namespace {

enum class Treatment { PureDiffusion, CDS, Upwind };

struct Coefficients {
    const NodeArray& K;
    const NodeArray& Rho;
    const NodeArray& Cp;
    double dx;
    double u;
    double f;
    double Delt_t;
    Treatment treatment;

    // D_{i+1/2}: harmonic mean of the conductivities over the node distance.
    double D(std::size_t i) const { return K[i] * 2.0 * K[i + 1] / (K[i] + K[i + 1]) / dx; }

    // F_{i+1/2}: mean density times mean specific heat times u; 0 in pure diffusion.
    double F(std::size_t i) const {
        if (treatment == Treatment::PureDiffusion) return 0.0;
        return (Rho[i] + Rho[i + 1]) / 2.0 * ((Cp[i] + Cp[i + 1]) / 2.0) * u;
    }

    // F_W, F_E: convective flux factor of a boundary face, from its own volume.
    double Fboundary(std::size_t i) const {
        if (treatment == Treatment::PureDiffusion) return 0.0;
        return Rho[i] * Cp[i] * u;
    }

    // C_i = f·Rho(i)·Cp(i)·dx/Delt_t.
    double C(std::size_t i) const { return f * Rho[i] * Cp[i] * dx / Delt_t; }

    // D_W, D_E: conductance from a boundary node to its face, half a volume away.
    double Dboundary(std::size_t i) const { return K[i] * 2.0 / dx; }

    // H_W, H_E: the convective film in series with the half volume.
    double H(std::size_t i, double h) const { return 1.0 / (1.0 / h + dx / (K[i] * 2.0)); }
};

}  // namespace

void assembleSystem(const SimulationCase& simulationCase, double f, const ControlVolumeGrid& grid,
                    const VolumeProperties& properties, const TemperatureLevels& levels,
                    ConvectionScheme scheme, DiscreteSystem& system) {
    assert(grid.N >= 2 && system.N == grid.N);
    const double u = simulationCase.u;
    const Treatment treatment = u == 0.0                          ? Treatment::PureDiffusion
                                : scheme == ConvectionScheme::CDS ? Treatment::CDS
                                                                  : Treatment::Upwind;
    const Coefficients c{properties.K,          properties.Rho, properties.Cp, grid.dx, u, f,
                         simulationCase.Delt_t, treatment};
    const double dx = grid.dx;
    const NodeArray& Sp = properties.Sp;  // Sp′
    const NodeArray& ScPrime = properties.ScPrime;
    const NodeArray& Told = levels.Told;
    NodeArray& lower = system.lower;    // lower[i] = A(i,i-1)
    NodeArray& diag = system.diagonal;  // diag[i] = A(i,i)
    NodeArray& upper = system.upper;    // upper[i] = A(i,i+1)
    NodeArray& b = system.b;
    const auto N = static_cast<std::size_t>(grid.N);

    // Interior nodes i = 2..N-1:
    //   pure diffusion  A(i,i-1) = -D_w,            A(i,i+1) = -D_e,
    //                   A(i,i) = C_i - (A(i,i-1) + A(i,i+1)) - dx·Sp′(i)
    //   CDS             A(i,i-1) = -(D_w + F_w/2),  A(i,i+1) = F_e/2 - D_e,
    //                   A(i,i) = C_i - (A(i,i-1) + A(i,i+1)) - dx·Sp′(i) + F_e - F_w
    //   Upwind          A(i,i-1) = -(D_w + F_w),    A(i,i+1) = -D_e,
    //                   A(i,i) = D_w + C_i + F_e + D_e - dx·Sp′(i)
    //   b(i) = dx·Sc′(i) + C_i·T°(i)
    // The west face of node i is the east face of node i-1: D and F are
    // carried over instead of computed twice (the same value either way).
    double Dw = c.D(1);
    double Fw = c.F(1);
    for (std::size_t i = 2; i + 1 <= N; ++i) {
        const double De = c.D(i);
        const double Fe = c.F(i);
        const double Ci = c.C(i);
        switch (treatment) {
            case Treatment::PureDiffusion:
                lower[i] = -Dw;
                upper[i] = -De;
                diag[i] = Ci - (lower[i] + upper[i]) - dx * Sp[i];
                break;
            case Treatment::CDS:
                lower[i] = -(Dw + Fw / 2.0);
                upper[i] = Fe / 2.0 - De;
                diag[i] = Ci - (lower[i] + upper[i]) - dx * Sp[i] + Fe - Fw;
                break;
            case Treatment::Upwind:
                lower[i] = -(Dw + Fw);
                upper[i] = -De;
                diag[i] = Dw + Ci + Fe + De - dx * Sp[i];
                break;
        }
        b[i] = dx * ScPrime[i] + Ci * Told[i];
        Dw = De;
        Fw = Fe;
    }

    // West node (i = 1): A(1,2) = -D_{3/2} (pure diffusion, Upwind) or
    // F_{3/2}/2 - D_{3/2} (CDS); G = F_{3/2} (0 in pure diffusion).
    //   temperature  A(1,1) = D_W - A(1,2) + C_1 - dx·Sp′(1) + G
    //                b(1) = F_W·T_W + dx·Sc′(1) + D_W·T_W + C_1·T°(1)
    //   flux         A(1,1) = C_1 - A(1,2) - dx·Sp′(1) + G
    //                b(1) = dx·Sc′(1) + Phi_W + C_1·T°(1) + F_W·Tb_W
    //   convection   A(1,1) = H_W - A(1,2) + C_1 - dx·Sp′(1) + G
    //                b(1) = F_W·Tb_W + H_W·Tinf_W + dx·Sc′(1) + C_1·T°(1)
    {
        const BoundaryCondition& west = simulationCase.west;
        const double D32 = c.D(1);
        const double F32 = c.F(1);
        upper[1] = treatment == Treatment::CDS ? F32 / 2.0 - D32 : -D32;
        const double G = F32;
        const double FW = c.Fboundary(1);
        const double C1 = c.C(1);
        switch (west.type) {
            case boundary::Temperature: {
                const double DW = c.Dboundary(1);
                diag[1] = DW - upper[1] + C1 - dx * Sp[1] + G;
                b[1] = FW * west.T + dx * ScPrime[1] + DW * west.T + C1 * Told[1];
                break;
            }
            case boundary::Flux:
                diag[1] = C1 - upper[1] - dx * Sp[1] + G;
                b[1] = dx * ScPrime[1] + west.Phi + C1 * Told[1] + FW * levels.TbW;
                break;
            case boundary::Convection: {
                const double HW = c.H(1, west.h);
                diag[1] = HW - upper[1] + C1 - dx * Sp[1] + G;
                b[1] = FW * levels.TbW + HW * west.Tinf + dx * ScPrime[1] + C1 * Told[1];
                break;
            }
            default:
                break;
        }
    }

    // East node (i = N): A(N,N-1) = -D_{N-1/2} (pure diffusion),
    // -(D_{N-1/2} + F_{N-1/2}/2) (CDS), -(D_{N-1/2} + F_{N-1/2}) (Upwind).
    //   temperature  pure  A(N,N) = D_E - A(N,N-1) + C_N - dx·Sp′(N)
    //                      b(N) = dx·Sc′(N) + D_E·T_E + C_N·T°(N)
    //                CDS   A(N,N) = C_N + D_E + D_{N-1/2} - dx·Sp′(N) - F_{N-1/2}/2
    //                      b(N) = dx·Sc′(N) + D_E·T_E + C_N·T°(N) - F_E·T_E
    //                Upw.  A(N,N) = F_E + C_N + D_E + D_{N-1/2} - dx·Sp′(N)
    //                      b(N) = dx·Sc′(N) + D_E·T_E + C_N·T°(N)
    //   flux         pure  A(N,N) = C_N - A(N,N-1) - dx·Sp′(N)
    //                      b(N) = dx·Sc′(N) + Phi_E + C_N·T°(N)
    //                CDS   A(N,N) = C_N + D_{N-1/2} - dx·Sp′(N) - F_{N-1/2}/2
    //                      b(N) = dx·Sc′(N) + Phi_E + C_N·T°(N) - F_E·Tb_E
    //                Upw.  A(N,N) = F_E + C_N + D_{N-1/2} - dx·Sp′(N)
    //                      b(N) = dx·Sc′(N) + Phi_E + C_N·T°(N)
    //   convection   pure  A(N,N) = H_E - A(N,N-1) + C_N - dx·Sp′(N)
    //                      b(N) = H_E·Tinf_E + dx·Sc′(N) + C_N·T°(N)
    //                CDS   A(N,N) = C_N + H_E + D_{N-1/2} - dx·Sp′(N) - F_{N-1/2}/2
    //                      b(N) = H_E·Tinf_E + dx·Sc′(N) + C_N·T°(N) - F_E·Tb_E
    //                Upw.  A(N,N) = F_E + C_N + H_E + D_{N-1/2} - dx·Sp′(N)
    //                      b(N) = H_E·Tinf_E + dx·Sc′(N) + C_N·T°(N)
    {
        const BoundaryCondition& east = simulationCase.east;
        const double Dn = c.D(N - 1);  // D_{N-1/2}
        const double Fn = c.F(N - 1);  // F_{N-1/2}
        switch (treatment) {
            case Treatment::PureDiffusion:
                lower[N] = -Dn;
                break;
            case Treatment::CDS:
                lower[N] = -(Dn + Fn / 2.0);
                break;
            case Treatment::Upwind:
                lower[N] = -(Dn + Fn);
                break;
        }
        const double FE = c.Fboundary(N);
        const double CN = c.C(N);
        switch (east.type) {
            case boundary::Temperature: {
                const double DE = c.Dboundary(N);
                switch (treatment) {
                    case Treatment::PureDiffusion:
                        diag[N] = DE - lower[N] + CN - dx * Sp[N];
                        b[N] = dx * ScPrime[N] + DE * east.T + CN * Told[N];
                        break;
                    case Treatment::CDS:
                        diag[N] = CN + DE + Dn - dx * Sp[N] - Fn / 2.0;
                        b[N] = dx * ScPrime[N] + DE * east.T + CN * Told[N] - FE * east.T;
                        break;
                    case Treatment::Upwind:
                        diag[N] = FE + CN + DE + Dn - dx * Sp[N];
                        b[N] = dx * ScPrime[N] + DE * east.T + CN * Told[N];
                        break;
                }
                break;
            }
            case boundary::Flux:
                switch (treatment) {
                    case Treatment::PureDiffusion:
                        diag[N] = CN - lower[N] - dx * Sp[N];
                        b[N] = dx * ScPrime[N] + east.Phi + CN * Told[N];
                        break;
                    case Treatment::CDS:
                        diag[N] = CN + Dn - dx * Sp[N] - Fn / 2.0;
                        b[N] = dx * ScPrime[N] + east.Phi + CN * Told[N] - FE * levels.TbE;
                        break;
                    case Treatment::Upwind:
                        diag[N] = FE + CN + Dn - dx * Sp[N];
                        b[N] = dx * ScPrime[N] + east.Phi + CN * Told[N];
                        break;
                }
                break;
            case boundary::Convection: {
                const double HE = c.H(N, east.h);
                switch (treatment) {
                    case Treatment::PureDiffusion:
                        diag[N] = HE - lower[N] + CN - dx * Sp[N];
                        b[N] = HE * east.Tinf + dx * ScPrime[N] + CN * Told[N];
                        break;
                    case Treatment::CDS:
                        diag[N] = CN + HE + Dn - dx * Sp[N] - Fn / 2.0;
                        b[N] = HE * east.Tinf + dx * ScPrime[N] + CN * Told[N] - FE * levels.TbE;
                        break;
                    case Treatment::Upwind:
                        diag[N] = FE + CN + HE + Dn - dx * Sp[N];
                        b[N] = HE * east.Tinf + dx * ScPrime[N] + CN * Told[N];
                        break;
                }
                break;
            }
            default:
                break;
        }
    }
}

}  // namespace calorvia::simulation
