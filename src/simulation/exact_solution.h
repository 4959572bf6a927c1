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
// Cylinders and spheres (geometry.h), ri <= r <= ro = ri + Lx, constant
// properties, no flow (F = 0):
//     K·(T″ + d·T′/r) + Sp·T = −Sc,   d = 1 cylinder, 2 sphere,           (2)
// with the same end conditions (n = −1 at ri, +1 at ro; Phi a flux density).
// With λ = −Sp/K and m = √|λ|:
//     Logarithmic              cylinder, Sp = 0   T = a + b·ln r − Sc·r²/(4K)
//     ModifiedBessel           cylinder, Sp < 0   T = a·I0(m·r) + b·K0(m·r) − Sc/Sp
//     Bessel                   cylinder, Sp > 0   T = a·J0(m·r) + b·Y0(m·r) − Sc/Sp
//     InverseRadius            sphere,   Sp = 0   T = a + b/r − Sc·r²/(6K)
//     HyperbolicOverRadius     sphere,   Sp < 0   T = (a·sinh(m·r) + b·cosh(m·r))/r − Sc/Sp
//     TrigonometricOverRadius  sphere,   Sp > 0   T = (a·sin(m·r) + b·cos(m·r))/r − Sc/Sp
// A solid body (ri = 0) keeps only the solution regular at the centre (b = 0)
// and its one constant comes from the outer face alone: no condition acts
// at the centre.
// Written in two ways, chosen by |λ|·ro²:
//  (a) |λ|·ro² <= 4: power series in z = λ·r², which hold Sp = 0 as well and
//      do not cancel as Sp -> 0. The regular solution and the particular
//      solution Tp = (Sc/Sp)·(φ1 − 1), with t = z/4 for the cylinder:
//          cylinder  φ1 = Σ t^k/(k!)²                 (I0, or J0 for Sp > 0)
//                    Tp = −(Sc/K)·(r²/4)·Σ_{k≥1} t^(k−1)/(k!)²
//          sphere    φ1 = Σ z^k/(2k+1)!               (sinh(m·r)/(m·r), or sin)
//                    Tp = −(Sc/K)·r²·Σ_{k≥1} z^(k−1)/(2k+1)!
//      and for a shell the second solution
//          cylinder  φ2 = φ1·ln(r/ri) − Σ_{k≥1} H_k·t^k/(k!)²   (H_k = 1 + 1/2 + ... + 1/k)
//          sphere    φ2 = (ri/r)·Σ z^k/(2k)!          (cosh(m·r)/r, or cos)
//      (with Sp = 0, Tp is taken from ri, −Sc·(r² − ri²)/(4K) or /(6K), so that
//      a thin shell does not cancel).
//  (b) beyond: the closed forms of the table, Tp = −Sc/Sp, from the standard
//      library's Bessel functions; for Sp < 0 scaled so that no exponential
//      of a positive argument is formed: φ1 = e^{−m·ro}·I0(m·r) (or
//      e^{−m·ro}·sinh(m·r)/(m·r)) and φ2 = e^{m·ri}·K0(m·r) (or
//      e^{−m·(r − ri)}·ri/r); φ1 is taken from the series where λ·r² <= 4.
// The constants come from the same 2×2 system of the two ends; a solid body
// replaces the west row by b = 0, and with Sp > 0 refuses an outer condition
// that its regular solution cannot meet (a resonance).

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
    // A cylinder or a sphere: ri <= r <= ri + Lx (F must be 0). ri is not
    // used for the plane wall.
    Geometry geometry = Geometry::Plane;
    double ri = 0.0;
};

// The form of the solution, by its characteristic roots (table above).
enum class ExactSolutionKind {
    Polynomial,
    Exponential,
    Hyperbolic,
    Trigonometric,
    RealExponentials,
    RepeatedRoot,
    OscillatingExponential,
    Logarithmic,
    ModifiedBessel,
    Bessel,
    InverseRadius,
    HyperbolicOverRadius,
    TrigonometricOverRadius
};

// Why no exact solution is offered.
enum class ExactSolutionRefusal {
    FormulaProperty,             // K, Sc or Sp, or Rho or Cp with u ≠ 0, is a formula
    NonFiniteEntry,              // an entry that takes part is not a finite number
    NonPositiveLength,           // Lx <= 0
    NonPositiveConductivity,     // K <= 0
    UnknownBoundaryType,         // a type no description names
    NonPositiveFilmCoefficient,  // h <= 0 at a convective end
    NoSteadyState,               // Sp = 0 and flux at both ends: no balance, or no level
    NotUnique,                   // the ends do not fix one solution (resonance, Sp > 0)
    TooLarge,                    // the solution lies beyond the range of the numbers
    RadialConvection,            // a cylinder or a sphere with a flow (F ≠ 0)
    NegativeInnerRadius,         // ri < 0
    NonlinearBoundary            // an end whose face relation is not linear (radiation)
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

struct Radial {  // cylinders and spheres
    Geometry geometry;
    double ri, ro;
    double lambda;  // −Sp/K
    double m;       // √|λ|
    double K, Sc, Sp;
    bool solid;   // ri = 0: φ2 is left out (0)
    bool series;  // |λ|·ro² <= 4
};

using Basis = std::variant<Series, Envelope, Separated, Radial>;

}  // namespace exact_basis

struct ExactSteadyOutcome;
ExactSteadyOutcome exactSteadySolution(const SteadyProblem& problem);

class ExactSteadySolution {
public:
    ExactSolutionKind kind() const { return kind_; }
    Geometry geometry() const { return geometry_; }
    double west() const { return ri_; }        // position of the west face (ri, 0 plane)
    double east() const { return ri_ + Lx_; }  // position of the east face
    double pecletNumber() const { return F_ * Lx_ / K_; }

    // T(x) and the conduction flux density −K·T′(x), positive towards the
    // east, for x (the radius in a radial body) in [west(), east()]; x
    // outside is taken at the nearer face.
    double temperature(double x) const;
    double heatFlux(double x) const;

    // The heat rate through the surface at x towards the east, in the units
    // of the energy balance: the flux density (plane, W/m²), 2π·r·q (cylinder,
    // W/m) or 4π·r²·q (sphere, W).
    double heatRate(double x) const;

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
    Geometry geometry_;
    double ri_;
};

// The solution, or, when `solution` is empty, the reason there is none.
struct ExactSteadyOutcome {
    std::optional<ExactSteadySolution> solution;
    ExactSolutionRefusal refusal = ExactSolutionRefusal::NonFiniteEntry;
};

// From a loaded case: K, Sc, Sp and, when u ≠ 0, Rho and Cp must be
// constants; F = Rho·Cp·u (0 when u = 0); the case's geometry and ri.
ExactSteadyOutcome exactSteadySolution(const SimulationCase& simulationCase);

}  // namespace calorvia::simulation
