#pragma once
// Stage 4 of a pass: the finite volume equations of every node, written into
// the band of A and into b.
//
// Balance of volume i (width dx) over one time step, fully implicit:
//     C_i·(T(i) - T°(i)) + J(i+1/2) - J(i-1/2) = dx·(Sc′(i) + Sp′(i)·T(i)),
// with C_i = f·Rho(i)·Cp(i)·dx/Delt_t (f = 1 transient, 0 steady) and J the
// flux through a face in the +x direction:
//   interior face   J = F·T_face - D·(T(i+1) - T(i)),
//                   D = (2·K(i)·K(i+1)/(K(i) + K(i+1)))/dx   harmonic mean,
//                   F = ((Rho(i)+Rho(i+1))/2)·((Cp(i)+Cp(i+1))/2)·u,
//                   T_face = (T(i) + T(i+1))/2 for CDS, T(i) for Upwind
//                   (flow from west to east);
//   boundary faces  through the half volume, each condition by its own rule
//                   (boundary_condition.h).
// With u exactly 0 every F is 0 (pure diffusion).
//
// A cylinder or a sphere (the grid's geometry) weighs each face by its area
// and each volume by its ΔV (boundary_condition.h states the equations);
// it carries no convection, whatever u. The plane wall is assembled by its
// own loops, exactly as before the radial bodies came.
//
// The coefficients are written term by term in a fixed order, so that the
// rounding of every entry is reproducible.

#include "simulation/control_volume_grid.h"
#include "simulation/discrete_system.h"
#include "simulation/property_evaluation.h"
#include "simulation/scheme_choice.h"
#include "simulation/simulation_case.h"

namespace calorvia::simulation {

// What the passes of a run can share: the plane wall's face conductances
// D_{i+1/2} and capacities C_i, with the K, Rho, Cp, dx, f and Delt_t they
// were computed from. A pass that brings the same values, bit for bit
// (constant properties, formulas of x only, every step of a transient run
// with them), takes them from here instead of dividing again: the same
// values either way. Filled and read by assembleSystem only.
struct AssemblyCache {
    NodeArray K;  // D[i] = D_{i+1/2}, i = 1..N-1, computed from K and dx
    double Ddx = 0.0;
    NodeArray D;
    NodeArray Rho;  // C[i], i = 1..N, computed from Rho, Cp, f, dx and Delt_t
    NodeArray Cp;
    double Cf = 0.0;
    double Cdx = 0.0;
    double CDelt_t = 0.0;
    NodeArray C;
};

// Rewrites every band entry and all of b for N >= 2 volumes. Uses u, Delt_t
// and both boundary conditions of the case, the factor f, the properties of
// this pass (Sp holding Sp′), T°, and the geometry and ri of the grid. A boundary of an unknown
// type leaves its row unwritten. `cache`, when given, is kept from pass to pass of one run.
void assembleSystem(const SimulationCase& simulationCase, double f, const ControlVolumeGrid& grid,
                    const VolumeProperties& properties, const TemperatureLevels& levels,
                    ConvectionScheme scheme, DiscreteSystem& system,
                    AssemblyCache* cache = nullptr);

}  // namespace calorvia::simulation
