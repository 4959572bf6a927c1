// The exact steady solution against textbook closed forms, against its own
// boundary conditions and conservation law over a sweep of Peclet numbers and
// sources, its refusals, and the real discretisation converging to it.

#include "simulation/exact_solution.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <numbers>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "constant_slab.h"
#include "exact_helpers.h"

namespace calorvia::simulation {
namespace {

using exact_checks::ClosedForm;
using exact_checks::ClosedFormRow;
using exact_checks::conditionMismatch;
using exact_checks::ObservedOrder;
using exact_checks::OrderRow;
using exact_checks::simpson;
using exact_checks::Sizes;
using exact_checks::solved;
using slab::constant;
using slab::convection;
using slab::flux;
using slab::temperature;

SteadyProblem problem(double Lx, double K, double Sc, double Sp, double F, BoundaryCondition west,
                      BoundaryCondition east) {
    return SteadyProblem{Lx, K, Sc, Sp, F, west, east};
}

// 0.5 -> "0_5", -25 -> "m25": a number as part of a test's name.
std::string label(double value) {
    std::ostringstream text;
    text << value;
    std::string name = text.str();
    std::replace(name.begin(), name.end(), '.', '_');
    std::replace(name.begin(), name.end(), '-', 'm');
    return name;
}

std::vector<double> positions(double Lx, int intervals) {
    std::vector<double> x;
    for (int k = 0; k <= intervals; ++k) x.push_back(Lx * k / intervals);
    return x;
}

// ---------------------------------------------------------------------------
// Closed forms from the textbooks, each derived by hand for its own pair of
// boundary conditions.

// Fin: Sp = −m²·K and Sc = m²·K·Tinf give θ″ = m²·θ with θ = T − Tinf.
SteadyProblem fin(double K, double L, double m, double Tinf, BoundaryCondition west,
                  BoundaryCondition east) {
    return problem(L, K, m * m * K * Tinf, -m * m * K, 0.0, west, east);
}

std::vector<ClosedFormRow> closedFormRows() {
    using std::cos, std::cosh, std::exp, std::expm1, std::sin, std::sinh;
    const double pi = std::numbers::pi;
    std::vector<ClosedFormRow> rows;
    rows.push_back(
        {"PlaneWall", problem(0.3, 1.5, 0.0, 0.0, 0.0, temperature(100), temperature(20)),
         ExactSolutionKind::Polynomial, [](double x) { return 100.0 - 80.0 * x / 0.3; }});
    rows.push_back({"UniformGeneration",
                    problem(0.5, 2.0, 1000.0, 0.0, 0.0, temperature(100), temperature(20)),
                    ExactSolutionKind::Polynomial, [](double x) {
                        return 100.0 - 80.0 * x / 0.5 + 1000.0 * x * (0.5 - x) / (2.0 * 2.0);
                    }});
    // Series resistances: q = (T1 − Tinf)/(L/K + 1/h).
    rows.push_back({"ConvectiveEnd",
                    problem(0.2, 0.8, 0.0, 0.0, 0.0, temperature(150), convection(25.0, 20.0)),
                    ExactSolutionKind::Polynomial, [](double x) {
                        const double q = 130.0 / (0.2 / 0.8 + 1.0 / 25.0);
                        return 150.0 - q * x / 0.8;
                    }});
    // All of Phi + S·L leaves through the film: T(L) = Tinf + (Phi + S·L)/h.
    rows.push_back({"FluxAndConvectionWithSource",
                    problem(0.1, 15.0, 2.0E5, 0.0, 0.0, flux(3000.0), convection(500.0, 30.0)),
                    ExactSolutionKind::Polynomial, [](double x) {
                        const double TL = 30.0 + (3000.0 + 2.0E5 * 0.1) / 500.0;
                        return TL + (3000.0 * (0.1 - x) + 2.0E5 * (0.01 - x * x) / 2.0) / 15.0;
                    }});
    for (double mL : {0.5, 4.0, 60.0}) {
        const double m = mL / 0.05;
        rows.push_back({"FinInsulatedTip_mL" + label(mL),
                        fin(200.0, 0.05, m, 25.0, temperature(100.0), flux(0.0)),
                        ExactSolutionKind::Hyperbolic, [m](double x) {
                            return 25.0 + 75.0 * cosh(m * (0.05 - x)) / cosh(m * 0.05);
                        }});
    }
    // Convective tip, h/(m·K) = 0.3.
    rows.push_back({"FinConvectiveTip",
                    fin(50.0, 0.1, 20.0, 20.0, temperature(120.0), convection(300.0, 20.0)),
                    ExactSolutionKind::Hyperbolic, [](double x) {
                        const double s = 20.0 * (0.1 - x);
                        return 20.0 +
                               100.0 * (cosh(s) + 0.3 * sinh(s)) / (cosh(2.0) + 0.3 * sinh(2.0));
                    }});
    rows.push_back({"FluxBothEndsWithSink", fin(2.0, 1.0, 1.5, 0.0, flux(10.0), flux(-4.0)),
                    ExactSolutionKind::Hyperbolic, [](double x) {
                        return (10.0 * cosh(1.5 * (1.0 - x)) - 4.0 * cosh(1.5 * x)) /
                               (2.0 * 1.5 * sinh(1.5));
                    }});
    for (double Pe : {0.1, 25.0, -25.0}) {
        rows.push_back({"ConvectionDiffusion_Pe" + label(Pe),
                        problem(1.0, 1.0, 0.0, 0.0, Pe, temperature(0.0), temperature(1.0)),
                        ExactSolutionKind::Exponential,
                        [Pe](double x) { return expm1(Pe * x) / expm1(Pe); }});
    }
    rows.push_back({"ConvectionDiffusion_Pe1000",
                    problem(1.0, 1.0, 0.0, 0.0, 1000.0, temperature(0.0), temperature(1.0)),
                    ExactSolutionKind::Exponential, [](double x) {
                        return (exp(1000.0 * (x - 1.0)) - exp(-1000.0)) / (1.0 - exp(-1000.0));
                    }});
    rows.push_back({"ConvectionDiffusionWithSource",
                    problem(2.0, 0.5, 3.0, 0.0, 1.25, temperature(0.0), temperature(0.0)),
                    ExactSolutionKind::Exponential,
                    [](double x) { return 3.0 / 1.25 * (x - 2.0 * expm1(2.5 * x) / expm1(5.0)); }});
    for (double mL : {0.8, 2.5, 20.3}) {
        rows.push_back({"Trigonometric_mL" + label(mL),
                        problem(1.0, 3.0, 0.0, 3.0 * mL * mL, 0.0, temperature(0), temperature(1)),
                        ExactSolutionKind::Trigonometric,
                        [mL](double x) { return sin(mL * x) / sin(mL); }});
    }
    rows.push_back({"TrigonometricWithSource",
                    problem(1.0, 1.0, 8.0, 4.0, 0.0, temperature(0), temperature(0)),
                    ExactSolutionKind::Trigonometric,
                    [](double x) { return 2.0 * (cos(2.0 * (x - 0.5)) / cos(1.0) - 1.0); }});
    // ω·L = π(1 + 1e-6): a million times the data, still one solution.
    const double w = pi * (1.0 + 1.0E-6);
    rows.push_back(
        {"NearResonance", problem(1.0, 1.0, 0.0, w * w, 0.0, temperature(0), temperature(1)),
         ExactSolutionKind::Trigonometric, [w](double x) { return sin(w * x) / sin(w); }, 1.0E-8});
    // K = 1, F = 2, Sp = 26: r = 1 ± 5i.
    rows.push_back({"OscillatingExponential",
                    problem(1.0, 1.0, 0.0, 26.0, 2.0, temperature(1), temperature(2)),
                    ExactSolutionKind::OscillatingExponential, [](double x) {
                        const double b = (2.0 * exp(-1.0) - cos(5.0)) / sin(5.0);
                        return exp(x) * (cos(5.0 * x) + b * sin(5.0 * x));
                    }});
    // K = 1, F = 3, Sp = −4: r = 4 and −1.
    rows.push_back({"RealExponentials",
                    problem(1.0, 1.0, 0.0, -4.0, 3.0, temperature(1), temperature(0)),
                    ExactSolutionKind::RealExponentials, [](double x) {
                        const double d = exp(4.0) - exp(-1.0);
                        return (-exp(-1.0) * exp(4.0 * x) + exp(4.0) * exp(-x)) / d;
                    }});
    // K = 1, F = 5, Sp = 4: r = 1 and 4, both growing.
    rows.push_back({"RealExponentialsPositiveSp",
                    problem(1.0, 1.0, 0.0, 4.0, 5.0, temperature(0), temperature(1)),
                    ExactSolutionKind::RealExponentials,
                    [](double x) { return (exp(4.0 * x) - exp(x)) / (exp(4.0) - exp(1.0)); }});
    // K = 1, F = 2, Sp = 1: r = 1 twice.
    rows.push_back({"RepeatedRoot",
                    problem(1.0, 1.0, 0.0, 1.0, 2.0, temperature(1), temperature(0)),
                    ExactSolutionKind::RepeatedRoot, [](double x) { return (1.0 - x) * exp(x); }});
    return rows;
}

TEST_P(ClosedForm, TemperatureAndFluxMatchTheClosedForm) {
    const ClosedFormRow& row = GetParam();
    const ExactSteadySolution T = solved(row.problem);
    EXPECT_EQ(T.kind(), row.kind);
    EXPECT_EQ(T.geometry(), row.problem.geometry);
    EXPECT_EQ(T.west(), row.problem.ri);
    EXPECT_EQ(T.east(), row.problem.ri + row.problem.Lx);
    const double L = row.problem.Lx;
    std::vector<double> x = positions(L, 400);
    for (double& xi : x) xi += row.problem.ri;
    double scale = 0.0;
    for (double xi : x) scale = std::max(scale, std::abs(row.exact(xi)));
    for (double xi : x) {
        EXPECT_NEAR(T.temperature(xi), row.exact(xi), row.tolerance * scale) << "x = " << xi;
    }
    // −K·T′ by a fourth-order difference of the closed form, inside the
    // body, with a step well inside any boundary layer.
    const double K = row.problem.K;
    const double Pe = std::abs(row.problem.F) * L / K;
    const double h = 1.0E-4 * L / std::max(1.0, Pe / 10.0);
    std::vector<double> expected;
    for (std::size_t k = 4; k + 4 < x.size(); ++k) {
        const auto& f = row.exact;
        const double xi = x[k];
        expected.push_back(-K * (-f(xi + 2 * h) + 8 * f(xi + h) - 8 * f(xi - h) + f(xi - 2 * h)) /
                           (12 * h));
    }
    double fluxScale = 0.0;
    for (double q : expected) fluxScale = std::max(fluxScale, std::abs(q));
    for (std::size_t k = 4; k + 4 < x.size(); ++k) {
        EXPECT_NEAR(T.heatFlux(x[k]), expected[k - 4], 1.0E-6 * fluxScale) << "x = " << x[k];
    }
}

INSTANTIATE_TEST_SUITE_P(Textbook, ClosedForm, ::testing::ValuesIn(closedFormRows()),
                         [](const ::testing::TestParamInfo<ClosedFormRow>& row) {
                             return row.param.name;
                         });

// ---------------------------------------------------------------------------
// Every pair of boundary types over Peclet numbers from −1000 to 1000 and
// sources of both signs: the solution is finite, meets both boundary
// conditions, and conserves energy over each quarter of the slab:
//     q(a) − q(b) − F·(T(b) − T(a)) + ∫ (Sc + Sp·T) dx = 0,   q = −K·T′.

const std::vector<BoundaryCondition>& westConditions() {
    static const std::vector<BoundaryCondition> c{temperature(1.0), flux(0.5),
                                                  convection(2.0, -1.0)};
    return c;
}

const std::vector<BoundaryCondition>& eastConditions() {
    static const std::vector<BoundaryCondition> c{temperature(2.0), flux(-0.7),
                                                  convection(0.5, 4.0)};
    return c;
}

Sizes sizesOver(const ExactSteadySolution& solution, const std::vector<double>& x) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    Sizes sizes;
    for (double xi : x) {
        const double T = solution.temperature(xi);
        const double q = solution.heatFlux(xi);
        if (!std::isfinite(T) || !std::isfinite(q)) return {inf, inf};
        sizes.T = std::max(sizes.T, std::abs(T));
        sizes.q = std::max(sizes.q, std::abs(q));
    }
    return sizes;
}

double conservationMismatch(const ExactSteadySolution& T, const SteadyProblem& p, double a,
                            double b) {
    const double generated =
        simpson([&](double x) { return p.Sc + p.Sp * T.temperature(x); }, a, b, 2000);
    const double carried = p.F * (T.temperature(b) - T.temperature(a));
    const double qa = T.heatFlux(a);
    const double qb = T.heatFlux(b);
    const double scale =
        std::max({std::abs(qa), std::abs(qb), std::abs(p.F * T.temperature(a)),
                  std::abs(p.F * T.temperature(b)), std::abs(p.Sc * (b - a)),
                  std::abs(simpson([&](double x) { return p.Sp * T.temperature(x); }, a, b, 50))});
    return std::abs(qa - qb - carried + generated) / scale;
}

// Without a source slope, flux at both ends leaves no steady state. A flux
// at the end the flow comes in through, against the flow of Pe = 1000, needs
// an exponential mode of size e^1000 at the other end.
std::optional<ExactSolutionRefusal> expectedRefusal(double F, double Sp,
                                                    const BoundaryCondition& west,
                                                    const BoundaryCondition& east) {
    const bool westFlux = west.type == BoundaryType::Flux;
    const bool eastFlux = east.type == BoundaryType::Flux;
    if (Sp != 0.0) return std::nullopt;
    if (westFlux && eastFlux) return ExactSolutionRefusal::NoSteadyState;
    if ((F == 1000.0 && westFlux) || (F == -1000.0 && eastFlux)) {
        return ExactSolutionRefusal::TooLarge;
    }
    return std::nullopt;
}

TEST(ExactSweep, MeetsItsBoundaryConditionsAndConservesEnergy) {
    const std::vector<double> P{-1000, -30,   -3,        -1.0000001, -0.999, -0.1, 0,
                                0.1,   0.999, 1.0000001, 3,          30,     1000};
    const std::vector<double> Q{-1.0E4, -30, -1.0000001, -0.5, 0, 0.5, 0.999, 1.0000001, 2.125, 30};
    int solvedCount = 0;
    for (double F : P) {
        for (double Sp : Q) {
            for (const BoundaryCondition& west : westConditions()) {
                for (const BoundaryCondition& east : eastConditions()) {
                    const SteadyProblem p = problem(1.0, 1.0, 3.0, Sp, F, west, east);
                    SCOPED_TRACE("F = " + std::to_string(F) + ", Sp = " + std::to_string(Sp) +
                                 ", types " + std::to_string(static_cast<int>(west.type)) +
                                 std::to_string(static_cast<int>(east.type)));
                    const ExactSteadyOutcome outcome = exactSteadySolution(p);
                    if (const auto reason = expectedRefusal(F, Sp, west, east)) {
                        EXPECT_FALSE(outcome.solution);
                        EXPECT_EQ(outcome.refusal, *reason);
                        continue;
                    }
                    ASSERT_TRUE(outcome.solution) << static_cast<int>(outcome.refusal);
                    const ExactSteadySolution& T = *outcome.solution;
                    const Sizes sizes = sizesOver(T, positions(1.0, 200));
                    ASSERT_TRUE(std::isfinite(sizes.T) && std::isfinite(sizes.q));
                    EXPECT_LT(conditionMismatch(T, sizes, west, 0.0, -1.0), 1.0E-9);
                    EXPECT_LT(conditionMismatch(T, sizes, east, 1.0, 1.0), 1.0E-9);
                    if (std::abs(F) <= 30.0) {
                        for (double a : {0.0, 0.25, 0.5, 0.75}) {
                            EXPECT_LT(conservationMismatch(T, p, a, a + 0.25), 1.0E-7) << a;
                        }
                    }
                    ++solvedCount;
                }
            }
        }
    }
    EXPECT_EQ(solvedCount, 13 * 10 * 9 - 13 - 4);
}

// The three ways of writing the solution meet where the choice between them
// changes: parameters a hair apart on either side give the same profile.
struct SeamRow {
    std::string name;
    double F;
    double Sp;
    double dF;
    double dSp;
};

void PrintTo(const SeamRow& row, std::ostream* os) {
    *os << row.name;
}

class RepresentationSeam : public ::testing::TestWithParam<SeamRow> {};

TEST_P(RepresentationSeam, ProfilesOnBothSidesAgree) {
    const SeamRow& row = GetParam();
    for (const BoundaryCondition& west : westConditions()) {
        for (const BoundaryCondition& east : eastConditions()) {
            if (west.type == BoundaryType::Flux && east.type == BoundaryType::Flux) continue;
            const ExactSteadySolution below =
                solved(problem(1.0, 1.0, 3.0, row.Sp - row.dSp, row.F - row.dF, west, east));
            const ExactSteadySolution above =
                solved(problem(1.0, 1.0, 3.0, row.Sp + row.dSp, row.F + row.dF, west, east));
            for (double x : positions(1.0, 10)) {
                const double scale = std::max(1.0, std::abs(below.temperature(x)));
                EXPECT_NEAR(below.temperature(x), above.temperature(x), 1.0E-9 * scale)
                    << "x = " << x;
                const double qScale = std::max(1.0, std::abs(below.heatFlux(x)));
                EXPECT_NEAR(below.heatFlux(x), above.heatFlux(x), 1.0E-9 * qScale) << "x = " << x;
            }
        }
    }
}

constexpr double hair = 1.0E-12;

INSTANTIATE_TEST_SUITE_P(
    Thresholds, RepresentationSeam,
    ::testing::Values(SeamRow{"SeriesToEnvelope_P", 1.0, 0.5, hair, 0.0},
                      SeamRow{"SeriesToEnvelope_Q", 0.0, 1.0, 0.0, hair},
                      SeamRow{"SeriesToSeparated_Q", 0.0, -1.0, 0.0, hair},
                      SeamRow{"SeriesToSeparated_P", -1.0, 0.0, hair, 0.0},
                      SeamRow{"EnvelopeToSeparated_PositiveF", 3.0, 2.125, 0.0, hair},
                      SeamRow{"EnvelopeToSeparated_NegativeF", -3.0, 2.125, 0.0, hair},
                      SeamRow{"SourceSlopeThroughZero", 3.0, 0.0, 0.0, hair},
                      SeamRow{"FlowThroughZero", 0.0, 3.0, hair, 0.0}),
    [](const ::testing::TestParamInfo<SeamRow>& row) { return row.param.name; });

// ---------------------------------------------------------------------------
// Refusals: a reason, never a curve.

struct RefusalRow {
    std::string name;
    SimulationCase simulationCase;
    ExactSolutionRefusal reason;
};

void PrintTo(const RefusalRow& row, std::ostream* os) {
    *os << row.name;
}

SimulationCase slabCase(double Sc, double Sp, double u, BoundaryCondition west,
                        BoundaryCondition east) {
    return slab::steadyCase(1.0, 10, 2.0, Sc, Sp, u, west, east);
}

std::vector<RefusalRow> refusalRows() {
    using R = ExactSolutionRefusal;
    const double pi = std::numbers::pi;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    // K = 2, Lx = 1: ω·L = π at Sp = 2π², π/2 at Sp = π²/2.
    std::vector<RefusalRow> rows{
        {"FluxBothEnds", slabCase(5.0, 0.0, 0.0, flux(1.0), flux(2.0)), R::NoSteadyState},
        {"InsulatedBothEnds", slabCase(0.0, 0.0, 0.0, flux(0.0), flux(0.0)), R::NoSteadyState},
        {"FluxBothEndsWithFlow", slabCase(5.0, 0.0, 3.0, flux(1.0), flux(-6.0)), R::NoSteadyState},
        {"ResonanceTemperatures",
         slabCase(1.0, 2.0 * pi * pi, 0.0, temperature(0.0), temperature(0.0)), R::NotUnique},
        {"ResonanceFluxes", slabCase(0.0, 2.0 * pi * pi, 0.0, flux(1.0), flux(1.0)), R::NotUnique},
        {"ResonanceQuarterWave", slabCase(0.0, pi * pi / 2.0, 0.0, temperature(0.0), flux(0.0)),
         R::NotUnique},
        {"NonPositiveConductivity",
         slab::steadyCase(1.0, 10, 0.0, 1.0, 0.0, 0.0, temperature(0), temperature(1)),
         R::NonPositiveConductivity},
        {"NegativeConductivity",
         slab::steadyCase(1.0, 10, -1.0, 1.0, 0.0, 0.0, temperature(0), temperature(1)),
         R::NonPositiveConductivity},
        {"ZeroFilmWest", slabCase(1.0, 0.0, 0.0, convection(0.0, 20), temperature(1)),
         R::NonPositiveFilmCoefficient},
        {"NegativeFilmEast", slabCase(1.0, 0.0, 0.0, temperature(1), convection(-3.0, 20)),
         R::NonPositiveFilmCoefficient},
        {"UnknownType",
         slabCase(1.0, 0.0, 0.0, temperature(1),
                  BoundaryCondition{fromFileNumber<BoundaryType>(5), 0.0, 0.0, 0.0, 0.0}),
         R::UnknownBoundaryType},
        {"RadiatingEnd",
         slabCase(1.0, 0.0, 0.0, temperature(600),
                  BoundaryCondition{.type = BoundaryType::Radiation, .eps = 0.8, .Tsur = 300}),
         R::NonlinearBoundary},
        {"ZeroLength",
         slab::steadyCase(0.0, 10, 1.0, 1.0, 0.0, 0.0, temperature(0), temperature(1)),
         R::NonPositiveLength},
        {"NotANumberSource", slabCase(nan, 0.0, 0.0, temperature(0), temperature(1)),
         R::NonFiniteEntry},
        {"InfiniteAmbient", slabCase(1.0, 0.0, 0.0, temperature(0), convection(5.0, inf)),
         R::NonFiniteEntry},
        {"NotANumberVelocity", slabCase(1.0, 0.0, nan, temperature(0), temperature(1)),
         R::NonFiniteEntry},
        // K = 2, F = 4000, Sp = 2e5 over Lx = 1: both roots positive, the
        // smaller about 51, so the constants reach e^(51·20) for Lx = 20.
        {"GrowsBeyondRange",
         slab::steadyCase(20.0, 10, 2.0, 0.0, 2.0E5, 4000.0, temperature(1), temperature(0)),
         R::TooLarge},
    };
    // u = 0.5, so that Rho and Cp take part.
    const std::vector<std::pair<std::string, PropertyExpression SimulationCase::*>> properties{
        {"K", &SimulationCase::K},
        {"Sc", &SimulationCase::Sc},
        {"Sp", &SimulationCase::Sp},
        {"Rho", &SimulationCase::Rho},
        {"Cp", &SimulationCase::Cp}};
    for (const auto& [name, property] : properties) {
        SimulationCase c = slabCase(1.0, 0.0, 0.5, temperature(0), temperature(1));
        (c.*property).isFormula = true;
        rows.push_back({"FormulaOf" + name, c, R::FormulaProperty});
    }
    return rows;
}

class Refusal : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(Refusal, GivesTheReasonAndNoCurve) {
    const ExactSteadyOutcome outcome = exactSteadySolution(GetParam().simulationCase);
    EXPECT_FALSE(outcome.solution.has_value());
    EXPECT_EQ(outcome.refusal, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(Reasons, Refusal, ::testing::ValuesIn(refusalRows()),
                         [](const ::testing::TestParamInfo<RefusalRow>& row) {
                             return row.param.name;
                         });

// Without flow, Rho and Cp take no part: a transient case whose density is a
// formula of T still has its steady solution.
TEST(ExactFromCase, DensityFormulaWithoutFlowIsAccepted) {
    SimulationCase c = slabCase(4.0, 0.0, 0.0, temperature(0), temperature(1));
    c.Rho.isFormula = true;
    c.Cp.isFormula = true;
    const ExactSteadyOutcome outcome = exactSteadySolution(c);
    ASSERT_TRUE(outcome.solution);
    // K = 2, Sc = 4: T = x + x·(1 − x).
    EXPECT_NEAR(outcome.solution->temperature(0.25), 0.25 + 0.25 * 0.75, 1.0E-14);
}

// F = Rho·Cp·u, as the assembly forms it.
TEST(ExactFromCase, FlowFactorIsDensityTimesHeatTimesVelocity) {
    SimulationCase c = slabCase(0.0, 0.0, 2.5, temperature(0), temperature(1));
    c.Rho = constant(4.0);
    c.Cp = constant(0.5);
    const ExactSteadyOutcome outcome = exactSteadySolution(c);
    ASSERT_TRUE(outcome.solution);
    EXPECT_DOUBLE_EQ(outcome.solution->pecletNumber(), 4.0 * 0.5 * 2.5 * 1.0 / 2.0);
    EXPECT_EQ(outcome.solution->kind(), ExactSolutionKind::Exponential);
    const double Pe = 2.5;
    EXPECT_NEAR(outcome.solution->temperature(0.3), std::expm1(Pe * 0.3) / std::expm1(Pe), 1.0E-13);
}

// At Pe = 1e6 the profile is 0 up to a layer of width 1e-6 at the east face.
TEST(ExactFromCase, ExtremePecletStaysFinite) {
    const ExactSteadySolution T =
        solved(problem(1.0, 1.0, 0.0, 0.0, 1.0E6, temperature(0), temperature(1)));
    EXPECT_EQ(T.temperature(0.5), 0.0);
    EXPECT_NEAR(T.temperature(1.0 - 1.0E-6), std::exp(-1.0), 1.0E-9);
    EXPECT_NEAR(T.temperature(1.0), 1.0, 1.0E-15);
    EXPECT_NEAR(T.heatFlux(1.0), -1.0E6, 1.0E-3);
    // Outside the slab the nearer face is taken.
    EXPECT_EQ(T.temperature(2.0), T.temperature(1.0));
    EXPECT_EQ(T.temperature(-1.0), T.temperature(0.0));
}

// ---------------------------------------------------------------------------
// The real discretisation beside the exact solution.

double maxNodalError(const SimulationCase& c, ConvectionScheme scheme) {
    const ExactSteadySolution exact = exactSteadySolution(c).solution.value();
    const NodeArray T = slab::steadyPass(c, scheme);
    const ControlVolumeGrid grid(c);
    double error = 0.0;
    for (std::int32_t i = 1; i <= c.N; ++i) {
        error = std::max(
            error, std::abs(T[static_cast<std::size_t>(i)] - exact.temperature(grid.centre(i))));
    }
    return error;
}

TEST_P(ObservedOrder, MatchesTheScheme) {
    SimulationCase c = GetParam().simulationCase;
    c.N = GetParam().N;
    const double coarse = maxNodalError(c, GetParam().scheme);
    c.N = 3 * GetParam().N;
    const double fine = maxNodalError(c, GetParam().scheme);
    ASSERT_GT(fine, 0.0);
    EXPECT_NEAR(std::log(coarse / fine) / std::log(3.0), GetParam().order, 0.1)
        << "errors " << coarse << ", " << fine;
}

// CDS at low Peclet numbers, with a sink and a source: the error falls 9 times
// when N triples. Upwind at Pe = 10 and 25: first order once the cell Peclet
// number Pe/N is about 0.1 or less.
INSTANTIATE_TEST_SUITE_P(
    Refinement, ObservedOrder,
    ::testing::Values(
        OrderRow{"CdsPe0_5_N10",
                 slab::steadyCase(1.0, 0, 1.0, 50.0, -4.0, 0.5, temperature(10), temperature(40)),
                 ConvectionScheme::CDS, 10, 2.0},
        OrderRow{"CdsPe2_N30",
                 slab::steadyCase(1.0, 0, 1.0, 50.0, -4.0, 2.0, temperature(10), temperature(40)),
                 ConvectionScheme::CDS, 30, 2.0},
        OrderRow{"DiffusionFluxAndFilm_N30",
                 slab::steadyCase(1.0, 0, 1.0, 50.0, -4.0, 0.0, flux(10), convection(3, 40)),
                 ConvectionScheme::CDS, 30, 2.0},
        // Flow through flux and film faces, carried at the face temperature of
        // the solution itself: inflow through a film or a flux face, outflow
        // through either.
        OrderRow{
            "CdsFilmOutflowPe0_5_N30",
            slab::steadyCase(1.0, 0, 1.0, 50.0, -4.0, 0.5, temperature(10), convection(3.0, 40.0)),
            ConvectionScheme::CDS, 30, 2.0},
        OrderRow{"CdsFilmInflowPe1_N20",
                 slab::steadyCase(1.0, 0, 1.0, 0.0, 0.0, 1.0, convection(10, 100), temperature(20)),
                 ConvectionScheme::CDS, 20, 2.0},
        OrderRow{"UpwindFilmInflowPe1_N90",
                 slab::steadyCase(1.0, 0, 1.0, 0.0, 0.0, 1.0, convection(10, 100), temperature(20)),
                 ConvectionScheme::Upwind, 90, 1.0},
        OrderRow{"CdsFluxInflowAndOutflowPe2_N30",
                 slab::steadyCase(1.0, 0, 1.0, 50.0, -4.0, 2.0, flux(10), flux(-5)),
                 ConvectionScheme::CDS, 30, 2.0},
        OrderRow{"UpwindPe10_N90",
                 slab::steadyCase(1.0, 0, 1.0, 0.0, 0.0, 10.0, temperature(0), temperature(1)),
                 ConvectionScheme::Upwind, 90, 1.0},
        OrderRow{"UpwindPe25_N270",
                 slab::steadyCase(1.0, 0, 1.0, 100.0, -5.0, 25.0, temperature(0), temperature(1)),
                 ConvectionScheme::Upwind, 270, 1.0}),
    [](const ::testing::TestParamInfo<OrderRow>& row) { return row.param.name; });

// Hot fluid entering through a held face and leaving through an insulated
// one: the exact answer is the inflow temperature everywhere, and one pass of
// either scheme gives it at every node.
TEST(Discretisation, InflowThroughAnInsulatedOutletStaysUniform) {
    SimulationCase c = slab::steadyCase(1.0, 20, 1.0, 0.0, 0.0, 1.0, temperature(100), flux(0));
    for (const ConvectionScheme scheme : {ConvectionScheme::CDS, ConvectionScheme::Upwind}) {
        EXPECT_LT(maxNodalError(c, scheme), 1.0E-9) << static_cast<int>(scheme);
    }
}

}  // namespace
}  // namespace calorvia::simulation
