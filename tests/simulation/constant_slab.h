#pragma once
// Slab and radial cases with constant properties and one steady pass of the
// real discretisation (evaluate, linearise, assemble, TABLU/SOLU), shared by
// the exact-solution and energy-balance tests.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "interpreter/interpreter.h"
#include "simulation/assembly.h"
#include "simulation/boundary_condition.h"
#include "simulation/control_volume_grid.h"
#include "simulation/direct_solver.h"
#include "simulation/discrete_system.h"
#include "simulation/property_evaluation.h"
#include "simulation/scheme_choice.h"
#include "simulation/simulation_case.h"
#include "simulation/source_linearisation.h"

namespace calorvia::simulation::slab {

inline PropertyExpression constant(double value) {
    PropertyExpression p;
    p.text = std::to_string(value);
    p.constant = value;
    return p;
}

inline BoundaryCondition temperature(double T) {
    BoundaryCondition c;
    c.type = BoundaryType::Temperature;
    c.T = T;
    return c;
}

inline BoundaryCondition flux(double Phi) {
    BoundaryCondition c;
    c.type = BoundaryType::Flux;
    c.Phi = Phi;
    return c;
}

inline BoundaryCondition convection(double h, double Tinf) {
    BoundaryCondition c;
    c.type = BoundaryType::Convection;
    c.h = h;
    c.Tinf = Tinf;
    return c;
}

// A steady case; Rho = Cp = 1 so that F = u.
inline SimulationCase steadyCase(double Lx, std::int32_t N, double K, double Sc, double Sp,
                                 double u, BoundaryCondition west, BoundaryCondition east) {
    SimulationCase c;
    c.Lx = Lx;
    c.N = N;
    c.K = constant(K);
    c.Sc = constant(Sc);
    c.Sp = constant(Sp);
    c.state = CaseState::Steady;
    c.method = SolutionMethod::TabLU;
    c.Rho = constant(1.0);
    c.Cp = constant(1.0);
    c.Delt_t = 1.0;
    c.Nst = 1;
    c.west = west;
    c.east = east;
    c.u = u;
    return c;
}

// A steady cylinder or sphere ri <= r <= ri + Lx, without flow.
inline SimulationCase radialCase(Geometry geometry, double ri, double Lx, std::int32_t N,
                                 double K, double Sc, double Sp, BoundaryCondition west,
                                 BoundaryCondition east) {
    SimulationCase c = steadyCase(Lx, N, K, Sc, Sp, 0.0, west, east);
    c.geometry = geometry;
    c.ri = ri;
    return c;
}

// Factorises and solves `system` in place; the solution is left in b.
inline void solveDirect(DiscreteSystem& system) {
    bool warned = false;
    ASSERT_EQ(TABLU(system, warned), FactorisationOutcome::Factorised);
    ASSERT_FALSE(warned) << "vanishing pivot";
    SOLU(system);
}

// Steady passes from a zero field with `scheme`, the face estimates Tb_W,
// Tb_E updated after each as after a step; the nodal temperatures.
inline NodeArray steadyPass(const SimulationCase& c, ConvectionScheme scheme, int passes = 1) {
    const ControlVolumeGrid grid(c);
    TemperatureLevels levels(c.N);
    VolumeProperties properties(c.N);
    interpreter::Interpreter engine;
    EXPECT_EQ(evaluateProperties(c, levels.T, engine, properties).outcome,
              EvaluationOutcome::Completed);
    bool linearised = false;
    lineariseSource(c.N, levels.T, properties, linearised);
    for (int pass = 0; pass < passes; ++pass) {
        levels.startPass();
        DiscreteSystem system(c.N);
        assembleSystem(c, 0.0, grid, properties, levels, scheme, system);
        solveDirect(system);
        levels.T = system.b;
        updateBoundaryTemperatures(grid, properties.K, c.west, c.east, levels);
    }
    return levels.T;
}

}  // namespace calorvia::simulation::slab
