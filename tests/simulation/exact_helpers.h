#pragma once
// What the exact-solution tests ask of a closed form, for the slab and the
// radial bodies alike: how far it misses a boundary condition, and the
// integrals of its energy balance.

#include <algorithm>
#include <cmath>
#include <functional>

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

}  // namespace calorvia::simulation::exact_checks
