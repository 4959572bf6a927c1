#pragma once
// The energy balance of a solved pass, as heat rates:
//     plane wall   per unit area of the slab                W/m²
//     cylinder     per unit length of the cylinder          W/m   (2π·r·q at a face)
//     sphere       of the whole sphere                      W     (4π·r²·q at a face)
//
// Summing the equations of all volumes, every interior face flux cancels
// (what leaves one volume enters the next), and what is left is the balance
// of the whole body over the step:
//     Q_W + Q_E + G − S = R,
//     Q_W, Q_E   heat entering through the west and east faces (positive into the body)
//     G = Σ (Sc′(i) + Sp′(i)·T(i))·ΔV_i                     heat generated
//     S = Σ f·Rho(i)·Cp(i)·(T(i) − T°(i))·ΔV_i/Delt_t        heat stored (0 steady)
//     R                                                       residual
// with ΔV_i = dx in the plane wall. A radial body's terms are those of its
// equations, per radian or steradian (face heats times the face area A_b,
// geometry.h), each multiplied by 2π or 4π; the centre of a solid body lets
// no heat through.
// The conduction into the body through a face is the face flux of
// boundary_condition.h, 2·K(P)·(T_face − T(P))/dx with the face temperature
// of the solution: what the boundary row holds, D_b·(T_b − T(P)), Phi or
// H_b·(Tinf − T(P)) (D_b = 2·K(P)/dx, H_b = 1/(1/h + dx/(2·K(P)))), up to
// round-off. The convective transport, with F_b = Rho(P)·Cp(P)·u (0 in
// pure diffusion), is taken as the row carries it, at the face temperatures
// of the solution (those the result files show):
//   west          +F_W·T_W (temperature), +F_W·Tb_W (flux, convection)
//   east, CDS     −F_E·T_E (temperature), −F_E·Tb_E (flux, convection)
//   east, Upwind  −F_E·T(N)
// So R is the sum of the residuals of the N equations: at round-off for a
// directly solved linear system, within the iteration tolerance otherwise.
// A boundary of an unknown type has no row and carries nothing.

#include <string_view>

#include "simulation/control_volume_grid.h"
#include "simulation/property_evaluation.h"
#include "simulation/scheme_choice.h"
#include "simulation/simulation_case.h"

namespace calorvia::simulation {

// Heat entering the body through one face, in the units above.
struct FaceHeat {
    double conduction = 0.0;
    double convection = 0.0;  // F·T carried across the face, negative when carried out
    double total() const { return conduction + convection; }
};

struct EnergyBalance {
    FaceHeat west;
    FaceHeat east;
    double generated = 0.0;
    double stored = 0.0;
    double residual = 0.0;  // west + east + generated − stored

    // The largest magnitude among the face heats, the generated and the
    // stored heat: the scale the residual is judged against.
    double largestTerm() const;
    // residual / largestTerm(), 0 when every term is 0.
    double relativeResidual() const;
    // Whether |relativeResidual()| is within `limit` (balanceLimit); a
    // residual that is not a number is not.
    bool balanced(double limit) const;
};

// What a balanced solution reaches, relative to its largest term: round-off
// for a linear case solved directly; for a case whose solution is iterated
// (properties or source that depend on T, a linearised positive source, or
// Gauss-Seidel sweeps) the accuracy of the iteration.
inline constexpr double LinearBalanceLimit = 1.0E-6;
inline constexpr double IteratedBalanceLimit = 1.0E-3;
inline double balanceLimit(bool iterated) {
    return iterated ? IteratedBalanceLimit : LinearBalanceLimit;
}

// The unit of the rates above: "W/m²", "W/m" or "W".
std::string_view heatRateUnit(Geometry geometry);

// The balance of the last pass. Takes the arguments of that pass's
// assembleSystem, with the solution in levels.T.
EnergyBalance energyBalance(const SimulationCase& simulationCase, double f,
                            const ControlVolumeGrid& grid, const VolumeProperties& properties,
                            const TemperatureLevels& levels, ConvectionScheme scheme);

}  // namespace calorvia::simulation
