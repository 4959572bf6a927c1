#pragma once
// The three boundary conditions, each in one place: the temperature of its
// face, its share of the equation of the boundary node and the flux through
// its face.
//
// The boundary node P is the first (west) or the last (east) node, dx/2 from
// its face; every condition acts through that half volume, with
//   D_b = 2·K(P)/dx                 the conductance of the half volume,
//   H_b = 1/(1/h + dx/(2·K(P)))     the convective film in series with it,
//   F_b = Rho(P)·Cp(P)·u            the convective flux factor of the face.
// Heat entering the slab through the face (positive into the slab):
//   Temperature T:      D_b·(T - T(P)), and F_b·T carried across the face
//   Flux Phi:           Phi, and F_b·Tb carried at the estimate Tb
//   Convection h, Tinf: H_b·(Tinf - T(P)), and F_b·Tb carried at Tb
// where Tb is the face temperature of the last step:
//   Temperature  Tb = T
//   Flux         Tb = T(P) + Phi·dx/(2·K(P))
//   Convection   Tb = (2·K(P)·T(P)/(h·dx) + Tinf) / (2·K(P)/(h·dx) + 1)
// (the half-volume flux D_b·(Tb - T(P)) equals Phi, or h·(Tinf - Tb)).
//
// A type read from a hand-made file that is none of the three is kept as it
// is: it has no face temperature, leaves its row of the system unwritten and
// carries no flux.
//
// Adding a type: an enumerator here, its three rules in boundary_condition.cpp
// (the compiler's -Wswitch names every switch that needs it), its wizard step
// and its texts.

#include <cstdint>
#include <optional>

#include "simulation/control_volume_grid.h"

namespace calorvia::simulation {

// The numbers are those of the case files.
enum class BoundaryType : std::int32_t { Temperature = 1, Flux = 2, Convection = 3 };

// Values that do not belong to the type are 0.0. Flux is positive into the
// slab at either end.
struct BoundaryCondition {
    BoundaryType type{};
    double T = 0.0;
    double Phi = 0.0;
    double h = 0.0;
    double Tinf = 0.0;
    friend bool operator==(const BoundaryCondition&, const BoundaryCondition&) = default;
};

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
    double C;          // C_P = f·Rho(P)·Cp(P)·dx/Delt_t
    double Told;       // T°(P)
    double dxSp;       // dx·Sp′(P)
    double dxSc;       // dx·Sc′(P)
    double K;          // K(P)
    double dx;
    double Tb;  // the face temperature estimate of the last step
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

// The conduction flux through a boundary face, positive towards the east:
//   west  q = -2·K(1)·(T(1) - Tw)/dx,   east  q = -2·K(N)·(Te - T(N))/dx;
// 0 for an unknown type.
double westFaceFlux(const BoundaryCondition& condition, double T1, double K1, double dx);
double eastFaceFlux(const BoundaryCondition& condition, double TN, double KN, double dx);

// The end of a profile before any step: the prescribed temperature, or the
// node's own value for any other type.
double prescribedOr(const BoundaryCondition& condition, double nodeValue);

// The ambient temperature of a convective boundary; nothing for the others.
std::optional<double> ambientTemperature(const BoundaryCondition& condition);

// The end points of a drawn profile.
struct ProfileEnds {
    double west = 0.0;
    double east = 0.0;
};

// After each step, from the new solution and the conductivity of the last
// pass: Tb_W and Tb_E of flux and convection faces are stored in `levels`
// for the next pass; a prescribed face keeps its stored estimate (no row
// reads it) and shows T; an unknown type keeps and shows its estimate.
ProfileEnds updateBoundaryTemperatures(const ControlVolumeGrid& grid, const NodeArray& K,
                                       const BoundaryCondition& west, const BoundaryCondition& east,
                                       TemperatureLevels& levels);

}  // namespace calorvia::simulation
