#pragma once
// What the exact-solution tests ask of a closed form, for the slab and the
// radial bodies alike: how far it misses a boundary condition, and the
// integrals of its energy balance; and the two tables shared by both bodies,
// closed forms worked out by hand and the observed order of the real
// discretisation (tests in exact_steady_test.cpp, rows in each body's file).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

#include "constant_slab.h"
#include "simulation/boundary_condition.h"
#include "simulation/exact_solution.h"

namespace calorvia::simulation::exact_checks {

// The largest |T| and |q| over the body: a condition's terms have these
// sizes, and the round-off of its value at an end is relative to them.
struct Sizes {
    double T = 0.0;
    double q = 0.0;
};

// |α·T + β·n·K·T′ − γ| at x, n the outward normal, relative to the size of
// its terms.
inline double conditionMismatch(const ExactSteadySolution& T, const Sizes& sizes,
                                const BoundaryCondition& c, double x, double n) {
    const double Tx = T.temperature(x);
    const double inflow = -n * T.heatFlux(x);  // n·K·T′
    switch (c.type) {
        case BoundaryType::Temperature:
            return std::abs(Tx - c.T) / std::max(std::abs(c.T), sizes.T);
        case BoundaryType::Flux:
            return std::abs(inflow - c.Phi) / std::max(std::abs(c.Phi), sizes.q);
        case BoundaryType::Convection:
            return std::abs(inflow - c.h * (c.Tinf - Tx)) /
                   std::max({sizes.q, c.h * std::abs(c.Tinf), c.h * sizes.T});
        case BoundaryType::Radiation:  // the exact solution refuses it
            break;
    }
    return 1.0;
}

// Simpson's rule over [a, b], `intervals` even.
inline double simpson(const std::function<double(double)>& f, double a, double b, int intervals) {
    const double h = (b - a) / intervals;
    double sum = f(a) + f(b);
    for (int k = 1; k < intervals; ++k) sum += f(a + k * h) * (k % 2 == 1 ? 4.0 : 2.0);
    return sum * h / 3.0;
}

inline ExactSteadySolution solved(const SteadyProblem& p) {
    const ExactSteadyOutcome outcome = exactSteadySolution(p);
    EXPECT_TRUE(outcome.solution.has_value()) << "refused: " << static_cast<int>(outcome.refusal);
    return outcome.solution.value();
}

// A closed form derived by hand for its own pair of boundary conditions, as
// a function of x (the radius in a radial body).
struct ClosedFormRow {
    std::string name;
    SteadyProblem problem;
    ExactSolutionKind kind;
    std::function<double(double)> exact;
    double tolerance = 1.0E-11;  // relative to the largest |T|
};

inline void PrintTo(const ClosedFormRow& row, std::ostream* os) {
    *os << row.name;
}

class ClosedForm : public ::testing::TestWithParam<ClosedFormRow> {};

// The observed order of accuracy of one steady pass from grids N and 3N (the
// cell centres nest).
struct OrderRow {
    std::string name;
    SimulationCase simulationCase;
    ConvectionScheme scheme = ConvectionScheme::CDS;
    std::int32_t N = 20;  // the coarser of the two grids
    double order = 2.0;
};

inline void PrintTo(const OrderRow& row, std::ostream* os) {
    *os << row.name;
}

class ObservedOrder : public ::testing::TestWithParam<OrderRow> {};

}  // namespace calorvia::simulation::exact_checks
