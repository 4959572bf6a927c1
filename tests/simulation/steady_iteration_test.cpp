#include "simulation/steady_iteration.h"

#include <gtest/gtest.h>

namespace calorvia::simulation {
namespace {

PropertyExpression formula() {
    return {"1+0.01*z", true, 0.0};
}
PropertyExpression constant(double value) {
    return {"", false, value};
}

struct Row {
    const char* what;
    CaseState state = CaseState::Steady;
    SolutionMethod method = SolutionMethod::TabLU;
    PropertyExpression K = constant(10.0);
    PropertyExpression Sc = constant(0.0);
    PropertyExpression Sp = constant(0.0);
    PropertyExpression Rho = constant(0.0);
    std::optional<bool> linearised = false;  // nullopt: before the first pass
    bool iterates = false;
};

const Row kRows[] = {
    {.what = "constant properties"},
    {.what = "K a formula of T", .K = formula(), .iterates = true},
    {.what = "Sc a formula of T", .Sc = formula(), .iterates = true},
    {.what = "Sp a formula of T", .Sp = formula(), .iterates = true},
    {.what = "positive source linearised",
     .Sp = constant(3.0),
     .linearised = true,
     .iterates = true},
    {.what = "negative slope, not linearised", .Sp = constant(-2.0)},
    {.what = "slope before the first pass",
     .Sp = constant(-2.0),
     .linearised = std::nullopt,
     .iterates = true},
    {.what = "no slope before the first pass", .linearised = std::nullopt},
    {.what = "Gauss-Seidel", .method = SolutionMethod::GaussSeidel},
    {.what = "Rho a formula of T", .Rho = formula()},
    {.what = "transient, K a formula", .state = CaseState::Unsteady, .K = formula()},
    {.what = "transient, source linearised",
     .state = CaseState::Unsteady,
     .Sp = constant(3.0),
     .linearised = true},
};

TEST(SteadyIteration, RepeatsThePassOnlyWhenAPassChangesTheNext) {
    for (const Row& row : kRows) {
        SimulationCase c;
        c.state = row.state;
        c.method = row.method;
        c.K = row.K;
        c.Sc = row.Sc;
        c.Sp = row.Sp;
        c.Rho = row.Rho;
        c.west.type = BoundaryType::Temperature;
        c.east.type = BoundaryType::Convection;
        EXPECT_EQ(steadyCaseIterates(c, row.linearised), row.iterates) << row.what;
    }
}

}  // namespace
}  // namespace calorvia::simulation
