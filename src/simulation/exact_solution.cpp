#include "simulation/exact_solution.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <numbers>

#include <boost/math/special_functions/bessel.hpp>

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

// ---------------------------------------------------------------------------
// Cylinders and spheres.

using exact_basis::Radial;

// Boost.Math's Bessel functions (the standard library's are missing from
// clang's libc++ and so from the web build), computed in double precision
// throughout: promoted to long double they would differ between a build
// where that is 80 bits and one where it is 128.
using BesselPolicy = boost::math::policies::policy<boost::math::policies::promote_double<false>>;
constexpr BesselPolicy kBessel{};

// (a) below this |λ|·r², the series in z = λ·r².
constexpr double RadialSeriesLimit = 4.0;
// Terms of the series: at |z| <= 4 the 24th is below 1e-30 of the first.
constexpr int RadialSeriesTerms = 24;
// Beyond this argument e^{x} overflows in I_ν(x) and K_ν(x) underflows; the
// scaled functions take their asymptotic series there.
constexpr double BesselAsymptoticFrom = 500.0;

// e^{−x}·I_ν(x) and e^{x}·K_ν(x) for ν = 0, 1 and x > 0:
//     e^{−x}·I_ν(x) ~ Σ (−1)^k·a_k/x^k / √(2πx),   e^{x}·K_ν(x) ~ Σ a_k/x^k · √(π/(2x)),
//     a_0 = 1, a_k = a_{k−1}·(4ν² − (2k − 1)²)/(8k),
// whose terms at x >= 500 fall by 1e-3 or more each.
double asymptoticSum(double nu, double x, double sign) {
    const double mu = 4.0 * nu * nu;
    double a = 1.0;
    double sum = 1.0;
    double power = 1.0;
    for (int k = 1; k <= 10; ++k) {
        const double odd = 2.0 * k - 1.0;
        a *= (mu - odd * odd) / (8.0 * k);
        power *= sign / x;
        sum += a * power;
    }
    return sum;
}

double scaledI(double nu, double x) {
    if (x < BesselAsymptoticFrom) return boost::math::cyl_bessel_i(nu, x, kBessel) * std::exp(-x);
    return asymptoticSum(nu, x, -1.0) / std::sqrt(2.0 * std::numbers::pi * x);
}

double scaledK(double nu, double x) {
    if (x < BesselAsymptoticFrom) return boost::math::cyl_bessel_k(nu, x, kBessel) * std::exp(x);
    return asymptoticSum(nu, x, 1.0) * std::sqrt(std::numbers::pi / (2.0 * x));
}

// A function of r and its slope.
struct Curve {
    double value = 0.0;
    double slope = 0.0;
};

// The series of (a) at one radius: the regular solution φ1, the particular
// solution Tp and, for a shell, the second solution φ2.
struct RadialSeries {
    Curve regular;
    Curve particular;
    Curve second;
};

// Cylinder, t = λ·r²/4, a_k = t^k/(k!)²:
//   φ1 = Σ a_k,   φ1′ = (λ·r/2)·Σ_{k≥1} a_{k−1}/k,
//   Tp = −(Sc/K)·(r²/4)·Σ_{k≥1} a_{k−1}/k²,   Tp′ = −(Sc/K)·(r/2)·Σ_{k≥1} a_{k−1}/k,
//   G = Σ_{k≥1} H_k·a_k,   G′ = (λ·r/2)·Σ_{k≥1} H_k·a_{k−1}/k,
//   φ2 = φ1·ln(r/ri) − G,   φ2′ = φ1′·ln(r/ri) + φ1/r − G′.
RadialSeries cylinderSeries(const Radial& b, double r) {
    const double t = b.lambda * r * r / 4.0;
    double a = 1.0;  // a_{k−1}
    double phi = 1.0;
    double slopeSum = 0.0;
    double particularSum = 0.0;
    double G = 0.0;
    double GslopeSum = 0.0;
    double H = 0.0;
    for (int k = 1; k <= RadialSeriesTerms; ++k) {
        const double kk = k;
        H += 1.0 / kk;
        slopeSum += a / kk;
        particularSum += a / (kk * kk);
        GslopeSum += H * a / kk;
        a *= t / (kk * kk);
        phi += a;
        G += H * a;
    }
    RadialSeries series;
    series.regular = {phi, b.lambda * r / 2.0 * slopeSum};
    series.particular = {-(b.Sc / b.K) * (r * r / 4.0) * particularSum,
                         -(b.Sc / b.K) * (r / 2.0) * slopeSum};
    if (!b.solid) {
        const double logRatio = std::log1p((r - b.ri) / b.ri);
        series.second = {phi * logRatio - G, series.regular.slope * logRatio + phi / r -
                                                 b.lambda * r / 2.0 * GslopeSum};
    }
    return series;
}

// Sphere, z = λ·r², e_k = z^k/(2k+1)!, g_k = z^k/(2k)!:
//   φ1 = Σ e_k,   φ1′ = 2λ·r·Σ_{k≥1} e_{k−1}/(2·(2k+1)),
//   Tp = −(Sc/K)·r²·Σ_{k≥1} e_{k−1}/(2k·(2k+1)),   Tp′ = −(2·Sc/K)·r·Σ_{k≥1} e_{k−1}/(2·(2k+1)),
//   φ2 = (ri/r)·Σ g_k,   φ2′ = ri·(2λ·Σ_{k≥1} g_{k−1}/(2·(2k−1)) − Σ g_k/r²).
RadialSeries sphereSeries(const Radial& b, double r) {
    const double z = b.lambda * r * r;
    double e = 1.0;  // e_{k−1}
    double g = 1.0;  // g_{k−1}
    double phi = 1.0;
    double C = 1.0;
    double slopeSum = 0.0;
    double particularSum = 0.0;
    double secondSlopeSum = 0.0;
    for (int k = 1; k <= RadialSeriesTerms; ++k) {
        const double twoK = 2.0 * k;
        slopeSum += e / (2.0 * (twoK + 1.0));
        particularSum += e / (twoK * (twoK + 1.0));
        secondSlopeSum += g / (2.0 * (twoK - 1.0));
        e *= z / (twoK * (twoK + 1.0));
        g *= z / ((twoK - 1.0) * twoK);
        phi += e;
        C += g;
    }
    RadialSeries series;
    series.regular = {phi, 2.0 * b.lambda * r * slopeSum};
    series.particular = {-(b.Sc / b.K) * r * r * particularSum,
                         -(2.0 * b.Sc / b.K) * r * slopeSum};
    if (!b.solid) {
        series.second = {b.ri / r * C, b.ri * (2.0 * b.lambda * secondSlopeSum - C / (r * r))};
    }
    return series;
}

RadialSeries radialSeries(const Radial& b, double r) {
    return b.geometry == Geometry::Cylinder ? cylinderSeries(b, r) : sphereSeries(b, r);
}

// (b), the regular solution where λ·r² > 4, as value·e^{exponent}:
//   sink     e^{−m·ro}·I0(x) = e^{−x}I0(x)·e^{m(r − ro)},  slope m·e^{−x}I1(x)·(same)
//            e^{−m·ro}·sinh(x)/x = (1 − e^{−2x})/(2x)·e^{m(r − ro)},
//                slope m·((x − 1) + (x + 1)·e^{−2x})/(2x²)·(same)
//   source   J0(x), slope −m·J1(x);   sin(x)/x, slope m·(x·cos x − sin x)/x²
// with x = m·r.
void closedRegular(const Radial& b, double r, Point& at) {
    const double x = b.m * r;
    if (b.lambda > 0.0) {
        at.exponent[0] = b.m * (r - b.ro);
        if (b.geometry == Geometry::Cylinder) {
            at.value[0] = scaledI(0.0, x);
            at.slope[0] = b.m * scaledI(1.0, x);
        } else {
            const double decay = std::exp(-2.0 * x);
            at.value[0] = -std::expm1(-2.0 * x) / (2.0 * x);
            at.slope[0] = b.m * ((x - 1.0) + (x + 1.0) * decay) / (2.0 * x * x);
        }
        return;
    }
    if (b.geometry == Geometry::Cylinder) {
        at.value[0] = boost::math::cyl_bessel_j(0.0, x, kBessel);
        at.slope[0] = -b.m * boost::math::cyl_bessel_j(1.0, x, kBessel);
    } else {
        at.value[0] = std::sin(x) / x;
        at.slope[0] = b.m * (x * std::cos(x) - std::sin(x)) / (x * x);
    }
}

// (b), the second solution of a shell:
//   sink     e^{m·ri}·K0(x) = e^{x}K0(x)·e^{−m(r − ri)},  slope −m·e^{x}K1(x)·(same)
//            e^{−m(r − ri)}·ri/r,  slope −(ri/r)·(m + 1/r)·(same)
//   source   Y0(x), slope −m·Y1(x);   cos(x)·ri/r, slope −ri·(m·sin x/r + cos x/r²)
void closedSecond(const Radial& b, double r, Point& at) {
    const double x = b.m * r;
    if (b.lambda > 0.0) {
        at.exponent[1] = -b.m * (r - b.ri);
        if (b.geometry == Geometry::Cylinder) {
            at.value[1] = scaledK(0.0, x);
            at.slope[1] = -b.m * scaledK(1.0, x);
        } else {
            at.value[1] = b.ri / r;
            at.slope[1] = -(b.ri / r) * (b.m + 1.0 / r);
        }
        return;
    }
    if (b.geometry == Geometry::Cylinder) {
        at.value[1] = boost::math::cyl_neumann(0.0, x, kBessel);
        at.slope[1] = -b.m * boost::math::cyl_neumann(1.0, x, kBessel);
    } else {
        at.value[1] = std::cos(x) * b.ri / r;
        at.slope[1] = -b.ri * (b.m * std::sin(x) / r + std::cos(x) / (r * r));
    }
}

Point basisAt(const Radial& b, double r) {
    Point at;
    const bool seriesHere = b.series || std::abs(b.lambda) * r * r <= RadialSeriesLimit;
    if (seriesHere) {
        const RadialSeries series = radialSeries(b, r);
        at.value[0] = series.regular.value;
        at.slope[0] = series.regular.slope;
        // The closed sink form carries e^{−m·ro}; the series continues it.
        at.exponent[0] = b.series || b.lambda < 0.0 ? 0.0 : -b.m * b.ro;
        if (b.series) {
            at.value[1] = series.second.value;
            at.slope[1] = series.second.slope;
            at.particular = series.particular.value;
            at.particularSlope = series.particular.slope;
            if (b.lambda == 0.0 && !b.solid) {
                // From ri: −Sc·(r − ri)·(r + ri)/(2(d + 1)K), d = 1 or 2.
                const double dPlusOne = b.geometry == Geometry::Cylinder ? 2.0 : 3.0;
                at.particular = -b.Sc * (r - b.ri) * (r + b.ri) / (2.0 * dPlusOne * b.K);
            }
            return at;
        }
    } else {
        closedRegular(b, r, at);
    }
    if (!b.solid) closedSecond(b, r, at);
    at.particular = -b.Sc / b.Sp;
    at.particularSlope = 0.0;
    return at;
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
    if (isRadial(problem.geometry)) {
        const bool cylinder = problem.geometry == Geometry::Cylinder;
        if (problem.Sp == 0.0) {
            return cylinder ? ExactSolutionKind::Logarithmic : ExactSolutionKind::InverseRadius;
        }
        if (problem.Sp < 0.0) {
            return cylinder ? ExactSolutionKind::ModifiedBessel
                            : ExactSolutionKind::HyperbolicOverRadius;
        }
        return cylinder ? ExactSolutionKind::Bessel : ExactSolutionKind::TrigonometricOverRadius;
    }
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

// A type the solution knows, with a linear face relation, finite values
// within their limits (of the linear types only h has one).
std::optional<ExactSolutionRefusal> invalidCondition(const BoundaryCondition& c) {
    const BoundaryTypeDescription* type = describe(c.type);
    if (type == nullptr) return ExactSolutionRefusal::UnknownBoundaryType;
    if (!type->faceRelation(c)) return ExactSolutionRefusal::NonlinearBoundary;
    for (const BoundaryValue value : type->values) {
        if (!std::isfinite(c.*describe(value).number)) return ExactSolutionRefusal::NonFiniteEntry;
    }
    for (const BoundaryValue value : type->values) {
        const BoundaryValueDescription& held = describe(value);
        if (!withinLimit(c.*held.number, held.limit)) {
            return ExactSolutionRefusal::NonPositiveFilmCoefficient;
        }
    }
    return std::nullopt;
}

bool fixesLevel(const BoundaryCondition& c) {
    const BoundaryTypeDescription* type = describe(c.type);
    return type != nullptr && type->fixesLevel;
}

// A cylinder or a sphere: no flow, ri >= 0, and no condition at the centre
// of a solid body.
std::optional<ExactSolutionRefusal> invalidRadialProblem(const SteadyProblem& problem) {
    if (!finite({problem.Lx, problem.K, problem.Sc, problem.Sp, problem.F, problem.ri})) {
        return ExactSolutionRefusal::NonFiniteEntry;
    }
    if (problem.F != 0.0) return ExactSolutionRefusal::RadialConvection;
    if (problem.ri < 0.0) return ExactSolutionRefusal::NegativeInnerRadius;
    if (problem.Lx <= 0.0) return ExactSolutionRefusal::NonPositiveLength;
    if (problem.K <= 0.0) return ExactSolutionRefusal::NonPositiveConductivity;
    const bool solid = problem.ri == 0.0;
    if (!solid) {
        if (const auto reason = invalidCondition(problem.west)) return reason;
    }
    if (const auto reason = invalidCondition(problem.east)) return reason;
    const bool westFixes = !solid && fixesLevel(problem.west);
    if (problem.Sp == 0.0 && !westFixes && !fixesLevel(problem.east)) {
        return ExactSolutionRefusal::NoSteadyState;
    }
    const double ro = problem.ri + problem.Lx;
    if (!finite({problem.Sp / problem.K * ro * ro, ro})) return ExactSolutionRefusal::TooLarge;
    return std::nullopt;
}

std::optional<ExactSolutionRefusal> invalidProblem(const SteadyProblem& problem) {
    if (isRadial(problem.geometry)) return invalidRadialProblem(problem);
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

// α·T + β·n·K·T′ = γ, the type's face relation (boundary_types.h) with the
// flux density into the body q = n·K·T′.
FaceRelation conditionRow(const BoundaryCondition& c) {
    const BoundaryTypeDescription* type = describe(c.type);
    return type->faceRelation(c).value_or(FaceRelation{0.0, 0.0, 0.0});  // refused before
}

// The end's equation scaled so that its larger coefficient is ±1: with
// c_j = α·value_j + β·n·K·slope_j, the coefficient of the constant j is
// c_j·e^{exponent_j} = ±e^{l_j}, l_j = exponent_j + ln|c_j|, and the
// equation is divided by e^m, m = max l_j, without forming e^{l_j} itself.
// The determinant then measures how independent the two ends are.
Equation endEquation(const Point& at, const BoundaryCondition& c, double n, double K) {
    const FaceRelation row = conditionRow(c);
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

Radial radialBasis(const SteadyProblem& problem) {
    const double ro = problem.ri + problem.Lx;
    const double lambda = -problem.Sp / problem.K;
    return Radial{problem.geometry,
                  problem.ri,
                  ro,
                  lambda,
                  std::sqrt(std::abs(lambda)),
                  problem.K,
                  problem.Sc,
                  problem.Sp,
                  problem.ri == 0.0,
                  std::abs(lambda) * ro * ro <= RadialSeriesLimit};
}

// With a source (Sp > 0) the regular solution oscillates, |φ1| <= 1 and
// |φ1′| <= m: an outer condition whose coefficient α·φ1 + β·K·φ1′ vanishes
// beside |α| + |β|·K·m cannot fix the one constant of a solid body.
bool solidResonance(const Radial& basis, const Point& outer, const BoundaryCondition& east) {
    if (basis.lambda >= 0.0) return false;
    const FaceRelation row = conditionRow(east);
    const double coefficient = row.alpha * outer.value[0] + row.beta * basis.K * outer.slope[0];
    const double scale = std::abs(row.alpha) + std::abs(row.beta) * basis.K * basis.m;
    return !(std::abs(coefficient) > SingularLimit * scale);
}

}  // namespace

ExactSteadySolution::ExactSteadySolution(exact_basis::Basis basis, double A, double B,
                                         const SteadyProblem& problem, ExactSolutionKind kind)
    : basis_(basis),
      A_(A),
      B_(B),
      K_(problem.K),
      Lx_(problem.Lx),
      F_(problem.F),
      kind_(kind),
      geometry_(problem.geometry),
      ri_(isRadial(problem.geometry) ? problem.ri : 0.0) {}

exact_basis::Point ExactSteadySolution::pointAt(double x) const {
    return pointOf(basis_, std::clamp(x, ri_, ri_ + Lx_));
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

double ExactSteadySolution::heatRate(double x) const {
    const double r = std::clamp(x, ri_, ri_ + Lx_);
    return heatFlux(r) * faceArea(geometry_, r) * heatRateFactor(geometry_);
}

ExactSteadyOutcome exactSteadySolution(const SteadyProblem& problem) {
    if (const auto reason = invalidProblem(problem)) return refuse(*reason);
    const bool radial = isRadial(problem.geometry);
    const double west = radial ? problem.ri : 0.0;
    const double east = west + problem.Lx;
    const Basis basis = radial ? Basis(radialBasis(problem)) : chooseBasis(problem);
    const Point outer = pointOf(basis, east);
    const Equation e = endEquation(outer, problem.east, 1.0, problem.K);
    // The centre of a solid body: only the regular solution, b = 0.
    const bool solid = radial && problem.ri == 0.0;
    if (solid && solidResonance(std::get<Radial>(basis), outer, problem.east)) {
        return refuse(ExactSolutionRefusal::NotUnique);
    }
    const Equation w = solid ? Equation{0.0, 1.0, 0.0}
                             : endEquation(pointOf(basis, west), problem.west, -1.0, problem.K);
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
    if (isRadial(c.geometry) && c.u != 0.0) return refuse(ExactSolutionRefusal::RadialConvection);
    double F = 0.0;
    if (c.u != 0.0) {
        if (c.Rho.isFormula || c.Cp.isFormula) return refuse(ExactSolutionRefusal::FormulaProperty);
        F = c.Rho.constant * c.Cp.constant * c.u;
    }
    return exactSteadySolution(SteadyProblem{c.Lx, c.K.constant, c.Sc.constant, c.Sp.constant, F,
                                             c.west, c.east, c.geometry, c.ri});
}

}  // namespace calorvia::simulation
