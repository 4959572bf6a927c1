#include "simulation/exact_solution.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace calorvia::simulation {
namespace {

using exact_basis::Basis;
using exact_basis::Coefficients;
using exact_basis::Envelope;
using exact_basis::Point;
using exact_basis::Separated;
using exact_basis::Series;

// (a) when |P| <= 1 and |Q| <= 1; (b) when κ·Lx² <= 1/8; (c) otherwise.
constexpr double SeriesLimit = 1.0;
constexpr double CloseRootsLimit = 0.125;
// Determinant of the row-normalised system below which the ends do not fix
// one solution.
constexpr double SingularLimit = 1.0e-10;
// Larger constants are refused: far beyond any temperature, and every term
// of the solution that can matter stays within the range of a double.
constexpr double LargestConstant = 1.0e200;

ExactSteadyOutcome refuse(ExactSolutionRefusal reason) {
    return {std::nullopt, reason};
}

// ---------------------------------------------------------------------------
// (a) Taylor series in ξ = x/Lx:
//     (n+2)(n+1)·b_{n+2} = P·(n+1)·b_{n+1} − Q·b_n − [n = 0]·forcing.
Coefficients taylorCoefficients(double b0, double b1, double P, double Q, double forcing) {
    Coefficients b{};
    b[0] = b0;
    b[1] = b1;
    for (std::size_t n = 0; n + 2 < b.size(); ++n) {
        const double m = static_cast<double>(n);
        double right = P * (m + 1.0) * b[n + 1] - Q * b[n];
        if (n == 0) right -= forcing;
        b[n + 2] = right / ((m + 2.0) * (m + 1.0));
    }
    return b;
}

struct SeriesSum {
    double value;
    double slope;  // with respect to ξ
};

// Σ b_n·ξ^n and Σ n·b_n·ξ^(n−1) by Horner's rule.
SeriesSum sumSeries(const Coefficients& b, double xi) {
    SeriesSum sum{b.back(), 0.0};
    for (std::size_t n = b.size() - 1; n-- > 0;) {
        sum.slope = sum.slope * xi + sum.value;
        sum.value = sum.value * xi + b[n];
    }
    return sum;
}

Point basisAt(const Series& series, double x) {
    const double xi = x / series.Lx;
    const SeriesSum phi1 = sumSeries(series.phi1, xi);
    const SeriesSum phi2 = sumSeries(series.phi2, xi);
    const SeriesSum particular = sumSeries(series.particular, xi);
    return {{phi1.value, phi2.value},
            {phi1.slope / series.Lx, phi2.slope / series.Lx},
            {0.0, 0.0},
            particular.value,
            particular.slope / series.Lx};
}

// (b) φ1 = e^{p·s/2}·C(s), φ2 = e^{p·s/2}·S(s), with C′ = κ·S, S′ = C.
Point basisAt(const Envelope& envelope, double x) {
    const double s = x - envelope.x0;
    double C = 1.0;
    double S = s;
    if (envelope.kappa > 0.0) {
        const double d = std::sqrt(envelope.kappa);
        C = std::cosh(d * s);
        S = std::sinh(d * s) / d;
    } else if (envelope.kappa < 0.0) {
        const double w = std::sqrt(-envelope.kappa);
        C = std::cos(w * s);
        S = std::sin(w * s) / w;
    }
    const double a = envelope.halfP;
    const double E = a * s;
    return {{C, S}, {a * C + envelope.kappa * S, a * S + C}, {E, E}, envelope.particular, 0.0};
}

// (c) φ = e^{r·(x − x_r)} for each root; Tp = Sc·y·E1(r_small·y)/(K·r_big).
Point basisAt(const Separated& roots, double x) {
    const double y = x - roots.xSmall;
    const double z = roots.rSmall * y;
    const double E1 = z == 0.0 ? 1.0 : std::expm1(z) / z;
    return {{1.0, 1.0},
            {roots.rSmall, roots.rBig},
            {z, roots.rBig * (x - roots.xBig)},
            roots.Sc * y * E1 / roots.KrBig,
            roots.Sc * std::exp(z) / roots.KrBig};
}

// The end at which e^{r·(x − shift)} is 1 and nowhere above 1.
double shiftFor(double r, double Lx) {
    return r > 0.0 ? Lx : 0.0;
}

Basis chooseBasis(const SteadyProblem& problem) {
    const double L = problem.Lx;
    const double p = problem.F / problem.K;
    const double q = problem.Sp / problem.K;
    const double P = p * L;
    const double Q = q * L * L;
    if (std::abs(P) <= SeriesLimit && std::abs(Q) <= SeriesLimit) {
        const double forcing = problem.Sc / problem.K * L * L;
        return Series{L, taylorCoefficients(1.0, 0.0, P, Q, 0.0),
                      taylorCoefficients(0.0, 1.0, P, Q, 0.0),
                      taylorCoefficients(0.0, 0.0, P, Q, forcing)};
    }
    const double halfP = p / 2.0;
    const double kappa = halfP * halfP - q;
    if (kappa * L * L <= CloseRootsLimit) {
        return Envelope{halfP, kappa, shiftFor(halfP, L), -problem.Sc / problem.Sp};
    }
    const double rBig = (p + std::copysign(2.0 * std::sqrt(kappa), p)) / 2.0;
    const double rSmall = q / rBig;
    return Separated{rSmall,          rBig, shiftFor(rSmall, L), shiftFor(rBig, L), problem.Sc,
                     problem.K * rBig};
}

// ---------------------------------------------------------------------------

ExactSolutionKind classify(const SteadyProblem& problem) {
    if (problem.Sp == 0.0) {
        return problem.F == 0.0 ? ExactSolutionKind::Polynomial : ExactSolutionKind::Exponential;
    }
    if (problem.F == 0.0) {
        return problem.Sp < 0.0 ? ExactSolutionKind::Hyperbolic : ExactSolutionKind::Trigonometric;
    }
    const double discriminant = problem.F * problem.F - 4.0 * problem.K * problem.Sp;
    if (discriminant > 0.0) return ExactSolutionKind::RealExponentials;
    if (discriminant == 0.0) return ExactSolutionKind::RepeatedRoot;
    return ExactSolutionKind::OscillatingExponential;
}

bool finite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

std::optional<ExactSolutionRefusal> invalidCondition(const BoundaryCondition& c) {
    switch (c.type) {
        case BoundaryType::Temperature:
            if (!finite({c.T})) return ExactSolutionRefusal::NonFiniteEntry;
            return std::nullopt;
        case BoundaryType::Flux:
            if (!finite({c.Phi})) return ExactSolutionRefusal::NonFiniteEntry;
            return std::nullopt;
        case BoundaryType::Convection:
            if (!finite({c.h, c.Tinf})) return ExactSolutionRefusal::NonFiniteEntry;
            if (c.h <= 0.0) return ExactSolutionRefusal::NonPositiveFilmCoefficient;
            return std::nullopt;
    }
    return ExactSolutionRefusal::UnknownBoundaryType;
}

// A prescribed temperature or a film ties the level of the temperature.
bool fixesLevel(const BoundaryCondition& c) {
    return c.type == BoundaryType::Temperature || c.type == BoundaryType::Convection;
}

std::optional<ExactSolutionRefusal> invalidProblem(const SteadyProblem& problem) {
    if (!finite({problem.Lx, problem.K, problem.Sc, problem.Sp, problem.F})) {
        return ExactSolutionRefusal::NonFiniteEntry;
    }
    if (problem.Lx <= 0.0) return ExactSolutionRefusal::NonPositiveLength;
    if (problem.K <= 0.0) return ExactSolutionRefusal::NonPositiveConductivity;
    if (const auto reason = invalidCondition(problem.west)) return reason;
    if (const auto reason = invalidCondition(problem.east)) return reason;
    if (problem.Sp == 0.0 && !fixesLevel(problem.west) && !fixesLevel(problem.east)) {
        return ExactSolutionRefusal::NoSteadyState;
    }
    // p·Lx, q·Lx² and κ·Lx² must be numbers for the basis to be.
    const double P = problem.F / problem.K * problem.Lx;
    const double Q = problem.Sp / problem.K * problem.Lx * problem.Lx;
    if (!finite({P, Q, P * P / 4.0 - Q})) return ExactSolutionRefusal::TooLarge;
    return std::nullopt;
}

// ---------------------------------------------------------------------------
// One end as an equation a0·A + a1·B = rhs.

struct Equation {
    double a0;
    double a1;
    double rhs;
};

// α·T + β·n·K·T′ = γ: temperature (1, 0, T), flux (0, 1, Phi),
// convection (h, 1, h·Tinf).
struct ConditionRow {
    double alpha;
    double beta;
    double gamma;
};

ConditionRow conditionRow(const BoundaryCondition& c) {
    switch (c.type) {
        case BoundaryType::Temperature:
            return {1.0, 0.0, c.T};
        case BoundaryType::Flux:
            return {0.0, 1.0, c.Phi};
        case BoundaryType::Convection:
            return {c.h, 1.0, c.h * c.Tinf};
    }
    return {0.0, 0.0, 0.0};  // refused before
}

// The end's equation scaled so that its larger coefficient is ±1: with
// c_j = α·value_j + β·n·K·slope_j, the coefficient of the constant j is
// c_j·e^{exponent_j} = ±e^{l_j}, l_j = exponent_j + ln|c_j|, and the
// equation is divided by e^m, m = max l_j, without forming e^{l_j} itself.
// The determinant then measures how independent the two ends are.
Equation endEquation(const Point& at, const BoundaryCondition& c, double n, double K) {
    const ConditionRow row = conditionRow(c);
    std::array<double, 2> coefficient{};
    std::array<double, 2> logSize{};
    double m = -std::numeric_limits<double>::infinity();
    for (std::size_t j = 0; j < 2; ++j) {
        coefficient[j] = row.alpha * at.value[j] + row.beta * n * K * at.slope[j];
        logSize[j] = at.exponent[j] + std::log(std::abs(coefficient[j]));
        m = std::max(m, logSize[j]);
    }
    if (!std::isfinite(m)) return {0.0, 0.0, 0.0};  // both coefficients vanish
    auto scaled = [&](std::size_t j) {
        return coefficient[j] == 0.0 ? 0.0
                                     : std::copysign(std::exp(logSize[j] - m), coefficient[j]);
    };
    const double rhs =
        row.gamma - (row.alpha * at.particular + row.beta * n * K * at.particularSlope);
    return {scaled(0), scaled(1), rhs == 0.0 ? 0.0 : rhs * std::exp(-m)};
}

Point pointOf(const Basis& basis, double x) {
    return std::visit([x](const auto& b) { return basisAt(b, x); }, basis);
}

}  // namespace

ExactSteadySolution::ExactSteadySolution(exact_basis::Basis basis, double A, double B,
                                         const SteadyProblem& problem, ExactSolutionKind kind)
    : basis_(basis), A_(A), B_(B), K_(problem.K), Lx_(problem.Lx), F_(problem.F), kind_(kind) {}

exact_basis::Point ExactSteadySolution::pointAt(double x) const {
    return pointOf(basis_, std::clamp(x, 0.0, Lx_));
}

// T = A·φ1 + B·φ2 + Tp.
double ExactSteadySolution::temperature(double x) const {
    const Point at = pointAt(x);
    return A_ * at.value[0] * std::exp(at.exponent[0]) +
           B_ * at.value[1] * std::exp(at.exponent[1]) + at.particular;
}

// −K·(A·φ1′ + B·φ2′ + Tp′).
double ExactSteadySolution::heatFlux(double x) const {
    const Point at = pointAt(x);
    return -K_ * (A_ * at.slope[0] * std::exp(at.exponent[0]) +
                  B_ * at.slope[1] * std::exp(at.exponent[1]) + at.particularSlope);
}

ExactSteadyOutcome exactSteadySolution(const SteadyProblem& problem) {
    if (const auto reason = invalidProblem(problem)) return refuse(*reason);
    const Basis basis = chooseBasis(problem);
    const Equation w = endEquation(pointOf(basis, 0.0), problem.west, -1.0, problem.K);
    const Equation e = endEquation(pointOf(basis, problem.Lx), problem.east, 1.0, problem.K);
    const double det = w.a0 * e.a1 - w.a1 * e.a0;
    if (!(std::abs(det) > SingularLimit)) return refuse(ExactSolutionRefusal::NotUnique);
    const double A = (w.rhs * e.a1 - w.a1 * e.rhs) / det;
    const double B = (w.a0 * e.rhs - w.rhs * e.a0) / det;
    if (!(std::abs(A) <= LargestConstant && std::abs(B) <= LargestConstant)) {
        return refuse(ExactSolutionRefusal::TooLarge);
    }
    return {ExactSteadySolution(basis, A, B, problem, classify(problem)), {}};
}

ExactSteadyOutcome exactSteadySolution(const SimulationCase& c) {
    if (c.K.isFormula || c.Sc.isFormula || c.Sp.isFormula) {
        return refuse(ExactSolutionRefusal::FormulaProperty);
    }
    double F = 0.0;
    if (c.u != 0.0) {
        if (c.Rho.isFormula || c.Cp.isFormula) return refuse(ExactSolutionRefusal::FormulaProperty);
        F = c.Rho.constant * c.Cp.constant * c.u;
    }
    return exactSteadySolution(
        SteadyProblem{c.Lx, c.K.constant, c.Sc.constant, c.Sp.constant, F, c.west, c.east});
}

}  // namespace calorvia::simulation
