#pragma once
// The exact steady temperature of a slab with constant properties, to set
// beside the numerical profile.
//
// Steady balance of convection, conduction and the linear source on
// 0 <= x <= Lx, with F = Rho·Cp·u:
//     F·T′ = K·T″ + Sc + Sp·T,   that is   K·T″ − F·T′ + Sp·T = −Sc.      (1)
// Each end, with its outward normal n (−1 at x = 0, +1 at x = Lx) and the
// heat entering the slab by conduction n·K·T′:
//     temperature   T = T_b
//     flux          n·K·T′ = Phi              (positive into the slab)
//     convection    n·K·T′ = h·(Tinf − T)
// all of the form α·T + β·n·K·T′ = γ.
//
// Solution: T = A·φ1 + B·φ2 + Tp, φ1 and φ2 solving (1) without Sc, Tp any
// particular solution. With p = F/K and q = Sp/K the characteristic
// equation K·r² − F·r + Sp = 0 has the roots
//     r = p/2 ± √κ,   κ = p²/4 − q.
// By the kind of roots (what a student reads):
//     Polynomial              F = 0,  Sp = 0   T = a + b·x − Sc·x²/(2K)
//     Exponential             F ≠ 0,  Sp = 0   T = a + b·e^{F·x/K} + Sc·x/F
//     Hyperbolic              F = 0,  Sp < 0   T = a·cosh(m·x) + b·sinh(m·x) − Sc/Sp, m² = −Sp/K
//     Trigonometric           F = 0,  Sp > 0   T = a·cos(ω·x) + b·sin(ω·x) − Sc/Sp,   ω² = Sp/K
//     RealExponentials        F ≠ 0,  κ > 0    T = a·e^{r1·x} + b·e^{r2·x} − Sc/Sp
//     RepeatedRoot            F ≠ 0,  κ = 0    T = (a + b·x)·e^{F·x/(2K)} − Sc/Sp
//     OscillatingExponential  F ≠ 0,  κ < 0    T = e^{F·x/(2K)}·(a·cos(ω·x) + b·sin(ω·x)) − Sc/Sp
//
// These textbook forms overflow at high Peclet numbers and cancel
// catastrophically as Sp or F tends to 0, so the solution is written in one
// of three equivalent ways, chosen by P = p·Lx, Q = q·Lx²:
//  (a) Small P and Q (|P| <= 1, |Q| <= 1): Taylor series about x = 0 in
//      ξ = x/Lx, T = Σ b_n·ξ^n, from (1):
//          (n+2)(n+1)·b_{n+2} = P·(n+1)·b_{n+1} − Q·b_n − [n = 0]·Sc·Lx²/K,
//      φ1 from b0 = 1, b1 = 0; φ2 from b0 = 0, b1 = 1; Tp from b0 = b1 = 0.
//      Every root is below 1.62/Lx, so 32 terms reach round-off.
//  (b) Close or complex roots (κ·Lx² <= 1/8): around the mean root,
//          φ1 = e^{p·s/2}·C(s),   φ2 = e^{p·s/2}·S(s),   s = x − x0,
//          C = cosh(√κ·s), S = sinh(√κ·s)/√κ   (κ > 0)
//          C = 1,          S = s               (κ = 0)
//          C = cos(√−κ·s), S = sin(√−κ·s)/√−κ  (κ < 0)
//      C′ = κ·S and S′ = C, so φ1′ = e^{p·s/2}·(p/2·C + κ·S) and
//      φ2′ = e^{p·s/2}·(p/2·S + C); continuous through κ = 0. Tp = −Sc/Sp,
//      safe because here |Q| >= 1/8.
//  (c) Distinct real roots (κ·Lx² > 1/8): without cancellation
//          r_big = (p + sign(p)·2√κ)/2,   r_small = q/r_big,
//      φ = e^{r·(x − x_r)} for each root, and
//          Tp = Sc·y·E1(r_small·y)/(K·r_big),  y = x − x_small,  E1(z) = (e^z − 1)/z,
//      which is −Sc/Sp plus a multiple of φ_small and tends to Sc·x/F as Sp -> 0.
// The shifts x0, x_r are Lx for a positive exponent and 0 otherwise: no
// exponential of a positive argument is ever formed, at any Peclet number.
//
// The constants come from the 2×2 system of the two ends,
//     A·(α·φ1 + β·n·K·φ1′) + B·(α·φ2 + β·n·K·φ2′) = γ − (α·Tp + β·n·K·Tp′),
// each row divided by its larger coefficient (taken in logarithms, so that
// e^{exponent} is never formed alone); a determinant below 1e-10 means the
// ends do not fix one solution, constants above 1e200 that the solution is
// beyond the range of the numbers.
//
// Only the plane wall is solved here; a radial geometry would add its own
// bases (ln r, 1/r, Bessel functions) beside these three, and the same 2×2
// system of the two ends.

#include <array>
#include <cstddef>
#include <optional>
#include <variant>

#include "simulation/boundary_condition.h"
#include "simulation/simulation_case.h"

namespace calorvia::simulation {

// The steady problem with its constants: the slab 0 <= x <= Lx.
struct SteadyProblem {
    double Lx = 0.0;
    double K = 0.0;
    double Sc = 0.0;
    double Sp = 0.0;
    double F = 0.0;  // Rho·Cp·u
    BoundaryCondition west;
    BoundaryCondition east;
};

// The form of the solution, by its characteristic roots (table above).
enum class ExactSolutionKind {
    Polynomial,
    Exponential,
    Hyperbolic,
    Trigonometric,
    RealExponentials,
    RepeatedRoot,
    OscillatingExponential
};

// Why no exact solution is offered.
enum class ExactSolutionRefusal {
    FormulaProperty,             // K, Sc or Sp, or Rho or Cp with u ≠ 0, is a formula
    NonFiniteEntry,              // an entry that takes part is not a finite number
    NonPositiveLength,           // Lx <= 0
    NonPositiveConductivity,     // K <= 0
    UnknownBoundaryType,         // a type none of temperature, flux, convection
    NonPositiveFilmCoefficient,  // h <= 0 at a convective end
    NoSteadyState,               // Sp = 0 and flux at both ends: no balance, or no level
    NotUnique,                   // the ends do not fix one solution (resonance, Sp > 0)
    TooLarge                     // the solution lies beyond the range of the numbers
};

// How a solution is held, in the three ways (a), (b), (c) above; callers
// need none of it.
namespace exact_basis {

// φ_j = value[j]·e^{exponent[j]} and φ_j′ = slope[j]·e^{exponent[j]} at one
// position (exponent <= 0 on the slab), with Tp and Tp′ there.
struct Point {
    std::array<double, 2> value{};
    std::array<double, 2> slope{};
    std::array<double, 2> exponent{};
    double particular = 0.0;
    double particularSlope = 0.0;
};

inline constexpr std::size_t SeriesTerms = 32;
using Coefficients = std::array<double, SeriesTerms>;

struct Series {  // (a)
    double Lx;
    Coefficients phi1, phi2, particular;
};

struct Envelope {  // (b)
    double halfP, kappa, x0, particular;
};

struct Separated {  // (c)
    double rSmall, rBig, xSmall, xBig, Sc, KrBig;
};

using Basis = std::variant<Series, Envelope, Separated>;

}  // namespace exact_basis

struct ExactSteadyOutcome;
ExactSteadyOutcome exactSteadySolution(const SteadyProblem& problem);

class ExactSteadySolution {
public:
    ExactSolutionKind kind() const { return kind_; }
    double west() const { return 0.0; }  // position of the west face
    double east() const { return Lx_; }  // position of the east face
    double pecletNumber() const { return F_ * Lx_ / K_; }

    // T(x) and the conduction flux −K·T′(x), positive towards the east, for x
    // in [west(), east()]; x outside is taken at the nearer face.
    double temperature(double x) const;
    double heatFlux(double x) const;

private:
    friend ExactSteadyOutcome exactSteadySolution(const SteadyProblem& problem);
    ExactSteadySolution(exact_basis::Basis basis, double A, double B, const SteadyProblem& problem,
                        ExactSolutionKind kind);
    exact_basis::Point pointAt(double x) const;

    exact_basis::Basis basis_;
    double A_;
    double B_;
    double K_;
    double Lx_;
    double F_;
    ExactSolutionKind kind_;
};

// The solution, or, when `solution` is empty, the reason there is none.
struct ExactSteadyOutcome {
    std::optional<ExactSteadySolution> solution;
    ExactSolutionRefusal refusal = ExactSolutionRefusal::NonFiniteEntry;
};

// From a loaded case: K, Sc, Sp and, when u ≠ 0, Rho and Cp must be
// constants; F = Rho·Cp·u (0 when u = 0).
ExactSteadyOutcome exactSteadySolution(const SimulationCase& simulationCase);

}  // namespace calorvia::simulation
