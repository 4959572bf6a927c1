#pragma once
// The boundary conditions, each in one place: the temperature of its face,
// its share of the equation of the boundary node and the flux through its
// face; and the centre of a solid cylinder or sphere. What each type holds
// and how the rest of the program reads it is in boundary_types.h.
//
// The discrete equations. Volume i, of volume ΔV_i between its west and east
// faces of areas A_w and A_e, balances over one time step, fully implicit:
//     C_i·(T(i) − T°(i)) + A_e·J_e − A_w·J_w = ΔV_i·(Sc′(i) + Sp′(i)·T(i)),
//     C_i = f·Rho(i)·Cp(i)·ΔV_i/Delt_t   (f = 1 transient, 0 steady),
// J being the flux density through a face towards the east (+x, or +r). The
// plane wall has A = 1 and ΔV = dx; a cylinder A = r and ΔV = (r_e² − r_w²)/2
// per radian and unit length; a sphere A = r² and ΔV = (r_e³ − r_w³)/3 per
// steradian (geometry.h), with r_w = ri + (i − 1)·dx and r_e = ri + i·dx.
// Through an interior face (assembly.h) A·J = −A·D·(T(i+1) − T(i)), plus the
// convective term of the plane wall; radial bodies carry no convection.
//
// The boundary node P is the first (west) or the last (east) node, dx/2 from
// its face of area A_b; every condition acts through that half volume, with
//   D_b = A_b·2·K(P)/dx                 the conductance of the half volume,
//   H_b = A_b/(1/h + dx/(2·K(P)))       the convective film in series with it,
//   F_b = Rho(P)·Cp(P)·u                the convective flux factor of the face
//                                       (0 in pure diffusion and radial bodies).
// Heat entering the body through the face (positive into the body):
//   Temperature T:      D_b·(T - T(P)), and F_b·T carried across the face
//   Flux Phi:           A_b·Phi, and F_b·Tb carried at the face temperature
//   Convection h, Tinf: H_b·(Tinf - T(P)), and F_b·Tb carried at Tb
//   Radiation eps, Tsur: as convection, with the film linearised per pass
// where Tb is the face temperature of the solution itself, linear in T(P):
//   Temperature  Tb = T
//   Flux         Tb = T(P) + Phi·dx/(2·K(P))
//   Convection   Tb = (2·K(P)·T(P)/(h·dx) + Tinf) / (2·K(P)/(h·dx) + 1)
//   Radiation    Tb > 0 solves 2·K(P)·(T(P) - Tb)/dx = eps·σ·(Tb⁴ - Tsur⁴)
// (the flux density of the half volume 2·K(P)·(Tb - T(P))/dx equals Phi, or
// h·(Tinf - Tb), or eps·σ·(Tsur⁴ - Tb⁴); the area cancels, so the face temperatures and the face
// flux densities read the same in every geometry). The row holds F_b·Tb
// through T(P), not at an estimate of the last step, so a steady run with
// flow through such a face needs no iteration to carry the right heat.
//
// Phi is a flux density at the face in every geometry: a flux through the
// inner face of a shell is Phi·2π·ri per unit length of cylinder, or
// Phi·4π·ri² through a sphere's.
//
// The centre of a solid cylinder or sphere (ri = 0): the west face has
// A_w = 0 and nothing crosses it, whatever the west condition says:
//   A(1,1) = C_1 - A(1,2) - ΔV_1·Sp′(1),   b(1) = ΔV_1·Sc′(1) + C_1·T°(1);
// its face temperature is T(1) (no gradient at the centre) and its flux 0.
//
// The plane wall's rows are those of a face of area exactly 1 with
// ΔV = dx: multiplying by 1 changes no bit, so every plane entry rounds as
// it always did.
//
// A radiating face is linearised about Tb*, the face temperature of T°(P),
// the node's value of the pass before (of the step before in a transient
// run):
//   eps·σ·(Tsur⁴ - Tb⁴) ≈ h_r·(Tinf_r - Tb),   h_r = 4·eps·σ·Tb*³,
//   Tinf_r = (Tsur⁴ + 3·Tb*⁴)/(4·Tb*³),
// and its row is that of convection with h_r and Tinf_r. A steady case with
// it iterates until T° = T, where the linear form is the radiation itself.
// It needs Tb* > 0: the driver stops a run whose radiating face is not
// (radiatingFaceNotPositive).
//
// A type read from a hand-made file that no description names is kept as it
// is: it has no face temperature, leaves its row of the system unwritten and
// carries no flux.

#include <optional>

#include "simulation/boundary_types.h"
#include "simulation/control_volume_grid.h"

namespace calorvia::simulation {

// How the faces carry heat by convection in this pass: not at all (u = 0),
// at the mean of the two nodes (CDS) or at the upstream node (Upwind; the
// flow runs from west to east).
enum class FaceTreatment { PureDiffusion, CDS, Upwind };

// The parts of the boundary node's equation that do not depend on the
// boundary type, as the assembly computed them.
struct BoundaryNodeTerms {
    FaceTreatment treatment;
    double neighbour;  // A(1,2) or A(N,N-1), already in the band
    double Dface;      // D of the interior face beside P: D_{3/2} or D_{N-1/2}
    double Fface;      // F of that face (0 in pure diffusion)
    double F;          // F_b (0 in pure diffusion)
    double C;          // C_P = f·Rho(P)·Cp(P)·ΔV_P/Delt_t
    double Told;       // T°(P)
    double dxSp;       // ΔV_P·Sp′(P) (dx·Sp′(P) in the plane wall)
    double dxSc;       // ΔV_P·Sc′(P)
    double K;          // K(P)
    double dx;
    double area = 1.0;  // A_b of the boundary face; 1 in the plane wall
};

// A(P,P) and b(P) of the boundary node.
struct BoundaryRow {
    double diagonal;
    double b;
};

// The face temperature next to node P (temperature TP, conductivity KP);
// nothing for an unknown type.
std::optional<double> faceTemperature(const BoundaryCondition& condition, double TP, double KP,
                                      double dx);

// The rows of the first and the last node; nothing for an unknown type.
std::optional<BoundaryRow> westRow(const BoundaryCondition& condition,
                                   const BoundaryNodeTerms& terms);
std::optional<BoundaryRow> eastRow(const BoundaryCondition& condition,
                                   const BoundaryNodeTerms& terms);

// The row of the first node of a solid cylinder or sphere, at the centre.
BoundaryRow centreRow(const BoundaryNodeTerms& terms);

// The conduction flux density through a boundary face, positive towards
// the east:
//   west  q = -2·K(1)·(T(1) - Tw)/dx,   east  q = -2·K(N)·(Te - T(N))/dx;
// 0 for an unknown type.
double westFaceFlux(const BoundaryCondition& condition, double T1, double K1, double dx);
double eastFaceFlux(const BoundaryCondition& condition, double TN, double KN, double dx);

// The same for the faces of `grid` in any geometry, as the result files show
// them: the centre of a solid body has the face temperature T(1) and the
// flux 0, every other face the rules above with the grid's dx.
std::optional<double> westFaceTemperature(const ControlVolumeGrid& grid,
                                          const BoundaryCondition& west, double T1, double K1);
std::optional<double> eastFaceTemperature(const ControlVolumeGrid& grid,
                                          const BoundaryCondition& east, double TN, double KN);
double westFaceFlux(const ControlVolumeGrid& grid, const BoundaryCondition& west, double T1,
                    double K1);
double eastFaceFlux(const ControlVolumeGrid& grid, const BoundaryCondition& east, double TN,
                    double KN);

// The end of a profile before any step: the prescribed temperature, or the
// node's own value for any other type.
double prescribedOr(const BoundaryCondition& condition, double nodeValue);

// The face temperature a steady run's starting ramp takes (the type's
// rampLevel), 0 when the type names none.
double rampLevel(const BoundaryCondition& condition);

// The west end of a profile before any step in any geometry: the first
// volume's value at the centre of a solid body, else prescribedOr.
double westStartTemperature(const ControlVolumeGrid& grid, const BoundaryCondition& west,
                            double T1);

// Whether the face temperature next to node P is above 0 K where the face
// radiates; true for every other type.
bool radiatingFacePositive(const BoundaryCondition& condition, double TP, double KP, double dx);

// The ambient temperature of a convective boundary, the surroundings' of a
// radiating one; nothing for the others.
std::optional<double> ambientTemperature(const BoundaryCondition& condition);

// The end points of a drawn profile.
struct ProfileEnds {
    double west = 0.0;
    double east = 0.0;
};

// After each step, from the new solution and the conductivity of the last
// pass: Tb_W and Tb_E of flux and convection faces are stored in `levels`
// (the drawn ends of the profile); a prescribed face keeps its stored
// estimate and shows T; an unknown type keeps and shows its estimate. The
// centre of a solid body shows and stores T(1).
ProfileEnds updateBoundaryTemperatures(const ControlVolumeGrid& grid, const NodeArray& K,
                                       const BoundaryCondition& west, const BoundaryCondition& east,
                                       TemperatureLevels& levels);

}  // namespace calorvia::simulation
