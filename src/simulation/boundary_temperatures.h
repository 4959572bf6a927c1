#pragma once
// After each time step: the temperatures of the two boundary faces, from the
// new solution and the conductivity of the last pass. The heat flux through
// the half volume next to a face, (2·K/dx)·(Tb - T_node), equals
//   prescribed flux      Phi                 =>  Tb = Phi·dx/(2·K) + T_node
//   convection           h·(Tinf - Tb)       =>  Tb = (2K·T_node/(h·dx) + Tinf)
//                                                     / (2K/(h·dx) + 1)
// and a prescribed temperature is its own boundary value.

#include "simulation/control_volume_grid.h"
#include "simulation/simulation_case.h"

namespace calorvia::simulation {

// The end points of a drawn profile.
struct ProfileEnds {
    double west = 0.0;
    double east = 0.0;
};

// Updates levels.TbW and levels.TbE from levels.T for flux and convection
// boundaries; a prescribed-temperature boundary leaves its stored estimate as
// it is (the assembly never reads it) and shows T in the returned ends.
ProfileEnds updateBoundaryTemperatures(const ControlVolumeGrid& grid, const NodeArray& K,
                                       const BoundaryCondition& west, const BoundaryCondition& east,
                                       TemperatureLevels& levels);

}  // namespace calorvia::simulation
